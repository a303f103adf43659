// The path from a file's text to a font document and back.

#include <gtest/gtest.h>

#include <random>

#include "cells.h"
#include "document/font_io.h"
#include "model/font_model.h"

namespace zg {
namespace {

// The font `text` holds, read with the layout and polarity given.
LoadedFont LoadWith(std::string_view text, const Layout& layout, bool negative,
                    std::string_view path = "f.fnt") {
  TableLayout table = TableLayout::Plain(layout);
  table.negative = negative;
  MemoryByteSource in(text);
  LoadRequest request;
  request.table = table;
  return LoadFont(in, path, request);
}

FontDocument Sample(int ncol, int nstr, int vert, bool negative) {
  FontDocument d = EmptyDocument(test::Cell(ncol, nstr, vert), negative);
  for (std::size_t i = 0; i < d.glyphs.size(); ++i) d.glyphs[i] = static_cast<std::uint8_t>(i * 7);
  return d;
}

TEST(Document, EveryCellComesBackFromItsFontSourceText) {
  for (const CellSize& size : kCellSizes) {
    for (int vert : {1, 0}) {
      for (bool negative : {false, true}) {
        const FontDocument d = Sample(size.ncol, size.nstr, vert, negative);
        ASSERT_EQ(d.cb(), test::Cell(size.ncol, size.nstr, vert).BytesPerGlyph());
        const std::string text =
            FormatFontDocument(d, {OutputFormat::FontSource, ".Db code", "NNh"});
        const LoadedFont back = LoadWith(text, test::Cell(size.ncol, size.nstr, vert), negative);
        EXPECT_EQ(back.result.status, ReadStatus::Completed);
        EXPECT_EQ(back.document, d);
      }
    }
  }
}

// Written in a layout, read with it: equal, whatever the cell and orders.
TEST(Document, AnyLayoutComesBackFromItsFontSourceText) {
  std::mt19937 rng(19);
  std::uniform_int_distribution<int> side(1, 24);
  for (int trial = 0; trial < 40; ++trial) {
    const Layout l{side(rng), side(rng), trial % 2 ? Scan::Vertical : Scan::Horizontal,
                   trial % 3 ? BitOrder::Classic : BitOrder::Reversed,
                   trial % 5 ? BandOrder::Bands : BandOrder::Columns};
    FontDocument d = EmptyDocument(l, trial % 4 == 0);
    for (int i = 0; i < kSymbolCount; ++i) {
      for (int y = 0; y < l.height; ++y) {
        for (int x = 0; x < l.width; ++x) SetPixel(l, d.Glyph(i), x, y, (rng() & 3U) == 0);
      }
    }
    const std::string text = FormatFontDocument(d, {OutputFormat::FontSource, "Data code", "0xNN"});
    const LoadedFont back = LoadWith(text, l, d.negative);
    EXPECT_EQ(back.result.status, ReadStatus::Completed) << Describe(d);
    FontDocument inItsLayout = back.document;  // read into the editor's own order
    inItsLayout.layout = l;
    inItsLayout.glyphs = PackTable(back.document, {l, kFirstCode});
    EXPECT_EQ(inItsLayout, d);
  }
}

// Widths 1..ncol that differ from glyph to glyph.
std::vector<std::uint8_t> SomeWidths(int ncol) {
  std::vector<std::uint8_t> w(kSymbolCount);
  for (std::size_t i = 0; i < w.size(); ++i) w[i] = static_cast<std::uint8_t>(1 + i * 5 % ncol);
  return w;
}

// A proportional font keeps its glyph lines as a monospaced one writes them
// and adds one comment line, which the reader skips and the load takes.
TEST(Document, WidthsTravelInACommentLineAfterTheGlyphLines) {
  for (const char* lineFormat : {"Data code", ".Db code", "Code"}) {
    const FontDocument mono = Sample(6, 8, 1, false);
    FontDocument d = mono;
    d.widths = SomeWidths(6);
    const std::string glyphLines = FormatFontDocument(mono, {OutputFormat::FontSource, lineFormat});
    const std::string text = FormatFontDocument(d, {OutputFormat::FontSource, lineFormat});
    ASSERT_TRUE(text.starts_with(glyphLines)) << lineFormat;
    const std::string mark = lineFormat == std::string("Data code") ? "'" : ";";
    EXPECT_TRUE(text.substr(glyphLines.size()).starts_with(mark + " zgedit widths: 1 6 5 4 3 2 1"))
        << text.substr(glyphLines.size(), 40);
    const LoadedFont back = LoadWith(text, d.layout, false);
    EXPECT_EQ(back.result.valuesStored, d.glyphs.size()) << "the line gave values";
    EXPECT_EQ(back.widthsLine.status, WidthsLineStatus::Read);
    EXPECT_EQ(back.widthsLine.line, 225U);
    EXPECT_EQ(back.document, d);
  }
  // An old file, without the line: monospaced.
  const std::string old = FormatFontDocument(Sample(8, 8, 1, false), {});
  const LoadedFont back = LoadWith(old, test::Cell(8, 8), false);
  EXPECT_EQ(back.widthsLine.status, WidthsLineStatus::Absent);
  EXPECT_FALSE(back.document.Proportional());
}

// A widths line that is not right is refused whole; the glyphs are read all the same.
TEST(Document, AMalformedWidthsLineLeavesTheFontMonospacedAndSaysWhy) {
  const FontDocument d = Sample(8, 8, 1, false);
  const std::string glyphLines = FormatFontDocument(d, {});
  std::string all;
  for (int i = 0; i < kSymbolCount; ++i) all += " 4";
  const struct {
    std::string line;
    std::string problem;
  } cases[] = {
      {"; zgedit widths:" + all + " 4", "more than 224 widths"},
      {"; zgedit widths: 4 4", "2 widths instead of 224"},
      {"' zgedit widths: 9" + all.substr(2), "width 9 is outside 1..8"},
      {"// zgedit widths: 0" + all.substr(2), "width 0 is outside 1..8"},
      {"; zgedit widths: 4x" + all.substr(2), "'4x' is no width"},
      {"; zgedit widths:" + all + "\r\n; zgedit widths:" + all,
       "a second widths line (the first on line 225)"},
  };
  for (const auto& c : cases) {
    const std::string text = glyphLines + c.line + "\r\n";
    const LoadedFont back = LoadWith(text, d.layout, false);
    EXPECT_EQ(back.result.status, ReadStatus::Completed) << c.line;
    EXPECT_EQ(back.widthsLine.status, WidthsLineStatus::Malformed) << c.line;
    EXPECT_EQ(back.widthsLine.problem, c.problem);
    EXPECT_EQ(back.document, d);
  }
}

TEST(Document, NamesCarryEveryCellOfTheGrid) {
  EXPECT_EQ(ParamsFromName("/x/Font16x24hn.fnt"), (FontFileParams{16, 24, 0, 0}));
  EXPECT_EQ(ParamsFromName("Font05x08hp.fnt"), (FontFileParams{5, 8, 0, -1}));
  EXPECT_EQ(ParamsFromName("Font01x24vp"), (FontFileParams{1, 24, 1, -1}));
  for (const char* name : {"Font00x08vp", "Font25x08vp", "Font08x25vp", "Font08x00hp"}) {
    EXPECT_EQ(ParamsFromName(name), std::nullopt) << name;
  }
}

TEST(Document, AFailurePrintsTheFirstDifferingGlyphAsAPicture) {
  FontDocument a = EmptyDocument(test::Cell(8, 8), false);
  FontDocument b = a;
  b.Glyph(65)[2] = 0x81;  // column 2: top and bottom pixels
  const std::string picture = Picture(b, &a);
  EXPECT_EQ(picture,
            "8 x 8 vertical positive, 1792 bytes; glyph 65:\n"
            "..#.....\n........\n........\n........\n"
            "........\n........\n........\n..#.....\n");
}

}  // namespace
}  // namespace zg
