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
