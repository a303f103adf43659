// A font written in any layout reads back with that layout, through the
// file's text.

#include "document/table_form.h"

#include <gtest/gtest.h>

#include <random>

#include "document/font_io.h"

namespace zg {
namespace {

// A font of the editor's own order with random pixels in every glyph.
FontDocument RandomFont(const Layout& own, bool negative, std::mt19937& random) {
  FontDocument d{own, negative, {}, {}};
  const auto cb = static_cast<std::size_t>(own.BytesPerGlyph());
  d.glyphs.assign(cb * kSymbolCount, 0);
  for (int i = 0; i < kSymbolCount; ++i) {
    for (int y = 0; y < own.height; ++y) {
      for (int x = 0; x < own.width; ++x) SetPixel(own, d.Glyph(i), x, y, random() % 3 == 0);
    }
  }
  return d;
}

std::string Name(const TableForm& f, OutputFormat format) {
  const Layout& l = f.layout;
  return std::to_string(l.width) + "x" + std::to_string(l.height) + (l.Vertical() ? " v" : " h") +
         (l.bitOrder == BitOrder::Classic ? " classic" : " reversed") +
         (l.bandOrder == BandOrder::Bands ? " bands" : " columns") + " from " +
         std::to_string(f.firstCode) + (format == OutputFormat::CHeader ? " .h" : " .fnt");
}

TEST(TableForm, WhatIsWrittenInALayoutReadsBackWithIt) {
  std::mt19937 random(19);
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (int round = 0; round < 80; ++round) {
    const int w = 1 + pick(kMaxCellWidth);
    const int h = 1 + pick(kMaxCellHeight);
    const Layout own = Layout::Classic(w, h, pick(2) == 0 ? Scan::Vertical : Scan::Horizontal);
    OutputOptions o;
    o.format = pick(2) == 0 ? OutputFormat::FontSource : OutputFormat::CHeader;
    o.lineFormat = ".Db code";
    o.numberFormat = "0xNN";
    o.scan = pick(2) == 0 ? Scan::Vertical : Scan::Horizontal;
    o.bitOrder = pick(2) == 0 ? BitOrder::Classic : BitOrder::Reversed;
    o.bandOrder = pick(2) == 0 ? BandOrder::Bands : BandOrder::Columns;
    o.firstCode = pick(2) == 0 ? 0x00 : 0x20;
    FontDocument font = RandomFont(own, pick(2) == 0, random);
    if (pick(2) == 0) {
      for (int i = 0; i < kSymbolCount; ++i)
        font.widths.push_back(static_cast<std::uint8_t>(1 + pick(w)));
    }
    const TableForm form = OutputTableForm(font, o);
    const std::string text = FormatFontDocument(font, o);
    TableLayout table = TableLayout::Plain(form.layout, form.firstCode);
    table.negative = font.negative;
    if (o.format == OutputFormat::CHeader) {
      MemoryByteSource head(text);
      const auto params = ReadCHeaderParams(head);
      ASSERT_TRUE(params) << Name(form, o.format);
      table = TableLayout::Plain(params->layout, params->firstCode);
      table.negative = params->negative;
    }
    MemoryByteSource in(text);
    LoadRequest request;
    request.table = table;
    const LoadedFont back =
        LoadFont(in, o.format == OutputFormat::CHeader ? "f.h" : "f.fnt", request);
    ASSERT_EQ(back.result.status, ReadStatus::Completed) << Name(form, o.format);
    EXPECT_EQ(back.extent.glyphs, kSymbolCount) << Name(form, o.format);
    // The pixels, compared in the font's own order.
    FontDocument inOwnOrder = font;
    inOwnOrder.glyphs = PackTable(back.document, {own, kFirstCode});
    EXPECT_EQ(inOwnOrder, font) << Name(form, o.format);
    // The font source carries the widths in its comment line, the C header in an array of its own.
    if (o.format == OutputFormat::FontSource) {
      EXPECT_EQ(back.document.widths, font.widths) << Name(form, o.format);
    }
  }
}

TEST(TableForm, TheFullTableStartsWith32EmptyGlyphs) {
  FontDocument d{Layout::Classic(8, 8, Scan::Vertical),
                 false,
                 std::vector<std::uint8_t>(8 * kSymbolCount, 0),
                 {}};
  d.Glyph(0x41 - kFirstCode)[0] = 0x81;  // 'A', column 0: top and bottom pixels
  const std::vector<std::uint8_t> table =
      PackTable(d, {{8, 8, Scan::Horizontal, BitOrder::Reversed, BandOrder::Bands}, 0x00});
  ASSERT_EQ(table.size(), 256U * 8);
  EXPECT_EQ(PixelPicture({8, 8, Scan::Horizontal, BitOrder::Reversed, BandOrder::Bands},
                         std::span(table).subspan(0x41 * 8, 8)),
            "#.......\n........\n........\n........\n"
            "........\n........\n........\n#.......\n");
  EXPECT_EQ(std::count(table.begin(), table.end(), 0), 256 * 8 - 2);
}

}  // namespace
}  // namespace zg
