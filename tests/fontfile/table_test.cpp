#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fontfile/font_reader.h"
#include "fontfile/table_detect.h"
#include "fontfile/table_layout.h"
#include "model/font_model.h"
#include "table_samples.h"
#include "test_files.h"

namespace zg {
namespace {

constexpr Layout kEditor6x8 = Layout::Classic(6, 8, Scan::Vertical);

Layout With(Layout l, BitOrder bits, BandOrder bands = BandOrder::Bands) {
  l.bitOrder = bits;
  l.bandOrder = bands;
  return l;
}

std::string EditorPicture(const TableRead& read, const Layout& editor, int code) {
  const auto cb = static_cast<std::size_t>(editor.BytesPerGlyph());
  return PixelPicture(editor, std::span(read.glyphs).subspan((code - 0x20) * cb, cb));
}

// Five column bytes a glyph after a four-value header, from code 00h, read
// into a 6 x 8 cell: the sixth column stays empty, the codes below 20h are
// counted and left out.
TEST(TableDecode, HeaderFirstCodeAndFewerColumnsThanTheCell) {
  const TableLayout table{kEditor6x8, 0x00, 4, 5, 0, false};
  const auto values = test::DrawnTable(table, 0x60, {0x00, 0x06, 0x08, 0x00});
  const TableRead read = DecodeTable(values, table, kEditor6x8);
  EXPECT_EQ(EditorPicture(read, kEditor6x8, '4'),
            "...#..\n"
            "..##..\n"
            ".#.#..\n"
            "#..#..\n"
            "#####.\n"
            "...#..\n"
            "...#..\n"
            "......\n");
  EXPECT_EQ(read.glyphCount, 0x60);
  EXPECT_EQ(read.belowFirst, 0x20);
  EXPECT_EQ(read.firstRead, 0x20);
  EXPECT_EQ(read.lastRead, 0x5F);
  EXPECT_EQ(read.CodesRead(), 0x40);
  EXPECT_EQ(read.leftoverValues, 0);
  EXPECT_FALSE(read.Exact());
}

// A width byte before each glyph of reversed rows, in negative; past the
// last whole glyph two stray values; codes past FFh left out.
TEST(TableDecode, WidthByteNegativeAndLeftovers) {
  const Layout rows = With(Layout::Classic(8, 8, Scan::Horizontal), BitOrder::Reversed);
  const TableLayout table{rows, 0x30, 0, 9, 1, true};
  auto values = test::DrawnTable(table, 0xD2);  // codes 30h..101h
  values.push_back(1);
  values.push_back(2);
  const TableRead read = DecodeTable(values, table, Layout::Classic(8, 8, Scan::Vertical));
  EXPECT_EQ(EditorPicture(read, Layout::Classic(8, 8, Scan::Vertical), 'L'),
            ".#......\n"
            ".#......\n"
            ".#......\n"
            ".#......\n"
            ".#......\n"
            ".#......\n"
            ".#####..\n"
            "........\n");
  EXPECT_EQ(read.firstRead, 0x30);
  EXPECT_EQ(read.lastRead, 0xFF);
  EXPECT_EQ(read.pastLast, 2);
  EXPECT_EQ(read.leftoverValues, 2);
  // 'L' (code 4Ch): its width byte, then its top row with the pixel x = 1 in bit 1.
  EXPECT_EQ(values[0x1C * 9], 6);
  EXPECT_EQ(TableGlyph(values, table, 0x1C)[0], 0x02);
}

TEST(TableDecode, AnExactTableAndInvalidLayouts) {
  const TableLayout table = TableLayout::Plain(kEditor6x8);
  const auto values = test::DrawnTable(table, kSymbolCount);
  EXPECT_TRUE(DecodeTable(values, table, kEditor6x8).Exact());
  EXPECT_EQ(std::vector<std::uint8_t>(values.begin(), values.end()),
            DecodeTable(values, table, kEditor6x8).glyphs);
  for (const TableLayout bad :
       {TableLayout{kEditor6x8, 0x100, 0, 6, 0, false},
        TableLayout{kEditor6x8, 0x20, 0, 6, 6, false},
        TableLayout{Layout::Classic(25, 8, Scan::Vertical), 0x20, 0, 25, 0, false}}) {
    const TableRead read = DecodeTable(values, bad, kEditor6x8);
    EXPECT_EQ(read.glyphCount, 0);
    EXPECT_EQ(read.CodesRead(), 0);
  }
}

struct Style {
  const char* name;
  TableLayout table;
  int count;
  std::vector<std::uint8_t> header;
};

// One table of each kind firmware projects keep, drawn with the glyphs of
// table_samples.h; detection finds the layout each was written in.
TEST(TableDetect, FindsTheLayoutOfEachStyle) {
  const Layout v8x8 = Layout::Classic(8, 8, Scan::Vertical);
  const Layout h8x8 = Layout::Classic(8, 8, Scan::Horizontal);
  const Layout h8x16 = Layout::Classic(8, 16, Scan::Horizontal);
  const Layout v8x16 = Layout::Classic(8, 16, Scan::Vertical);
  const Style styles[] = {
      {"5x7 display library: 5 columns from 00h", {kEditor6x8, 0x00, 0, 5, 0, false}, 256, {}},
      {"header type, width, height, first",
       {kEditor6x8, 0x20, 4, 6, 0, false},
       96,
       {0, 6, 8, 0x20}},
      {"8x8 rows, leftmost pixel in bit 0",
       TableLayout::Plain(With(h8x8, BitOrder::Reversed), 0x00),
       128,
       {}},
      {"console 8x16 rows from 00h", TableLayout::Plain(h8x16, 0x00), 256, {}},
      {"OLED 8x16 columns, band after band", TableLayout::Plain(v8x16), 95, {}},
      {"OLED 8x16 columns, column by column",
       TableLayout::Plain(With(v8x16, BitOrder::Classic, BandOrder::Columns)),
       95,
       {}},
      {"BASCOM .font with .db 1,8,8,0", {v8x8, 0x20, 4, 8, 0, false}, 96, {1, 8, 8, 0}},
      {"character ROM dump from 10h", TableLayout::Plain(h8x8, 0x10), 240, {}},
      {"Cyrillic 8x8 columns", TableLayout::Plain(v8x8), 224, {}},
      {"columns, top pixel in bit 7", TableLayout::Plain(With(v8x8, BitOrder::Reversed)), 96, {}},
      {"width byte before 8 columns", {v8x8, 0x20, 0, 9, 1, false}, 96, {}},
      {"12x16 rows", TableLayout::Plain(Layout::Classic(12, 16, Scan::Horizontal)), 96, {}},
      {"16x16 columns, bit 7 on top, negative",
       {With(Layout::Classic(16, 16, Scan::Vertical), BitOrder::Reversed), 0x20, 0, 32, 0, true},
       96,
       {}},
      {"24x24 columns from 00h",
       TableLayout::Plain(Layout::Classic(24, 24, Scan::Vertical), 0),
       256,
       {}},
  };
  for (const Style& style : styles) {
    const auto values = test::DrawnTable(style.table, style.count, style.header);
    const auto found = DetectTable(values);
    ASSERT_TRUE(found) << style.name;
    EXPECT_EQ(found->table, style.table) << style.name;
    if (found->table != style.table) {
      const auto& t = found->table;
      ADD_FAILURE() << style.name << ": found " << t.layout.width << "x" << t.layout.height
                    << (t.layout.Vertical() ? " V" : " H")
                    << (t.layout.bitOrder == BitOrder::Classic ? " classic" : " reversed")
                    << (t.layout.bandOrder == BandOrder::Bands ? " bands" : " columns") << " first "
                    << t.firstCode << " skip " << t.skip << " stride " << t.stride << " offset "
                    << t.glyphOffset << (t.negative ? " negative" : "") << " score " << found->score
                    << " vs " << TextLikeness(values, style.table);
    }
  }
}

// The real fonts of the test data, written as a 256-glyph table from 00h in
// other orders, with a three-value header and a width byte: found again.
TEST(TableDetect, FindsRealFontsInOtherLayouts) {
  struct Sample {
    const char* file;
    Layout stored;  // as the file holds it
    Layout table;   // as the table is written
  };
  const Sample samples[] = {
      {"Font06x08vp.fnt", kEditor6x8, With(kEditor6x8, BitOrder::Reversed)},
      {"Font08x08hp.fnt", Layout::Classic(8, 8, Scan::Horizontal),
       With(Layout::Classic(8, 8, Scan::Horizontal), BitOrder::Reversed)},
      {"Font16x16vp.fnt", Layout::Classic(16, 16, Scan::Vertical),
       With(Layout::Classic(16, 16, Scan::Vertical), BitOrder::Classic, BandOrder::Columns)},
  };
  for (const Sample& s : samples) {
    std::vector<std::uint8_t> store(kFontStoreValues, 0);
    const std::string text = test::ReadWholeFile(test::DataPath(s.file));
    MemoryByteSource in(text);
    ASSERT_EQ(ReadFontSource(in, -1, store).status, ReadStatus::Completed) << s.file;
    const int cb = s.stored.BytesPerGlyph();
    const int bytes = s.table.BytesPerGlyph();
    const TableLayout expected{s.table, 0x00, 3, bytes + 1, 1, false};
    std::vector<std::uint8_t> values{0xAA, 0x55, 0x01};
    for (int code = 0; code < kTableCodes; ++code) {
      std::vector<std::uint8_t> glyph(static_cast<std::size_t>(bytes), 0);
      if (code >= 0x20) {
        Repack(s.stored,
               std::span(store).subspan(static_cast<std::size_t>((code - 0x20) * cb),
                                        static_cast<std::size_t>(cb)),
               s.table, glyph);
      }
      values.push_back(static_cast<std::uint8_t>(s.table.width));
      values.insert(values.end(), glyph.begin(), glyph.end());
    }
    const auto found = DetectTable(values);
    ASSERT_TRUE(found) << s.file;
    EXPECT_EQ(found->table, expected) << s.file;
  }
}

TEST(TableDetect, NothingInTooFewValues) {
  EXPECT_FALSE(DetectTable(std::vector<std::uint8_t>{1, 2, 3}));
}

}  // namespace
}  // namespace zg
