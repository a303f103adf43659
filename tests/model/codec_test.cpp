#include "model/codec.h"

#include <gtest/gtest.h>

#include <random>

#include "cells.h"
#include "model/editing.h"

namespace zg {
namespace {

struct Scan {
  CellSize size;
  int vert;
};

std::vector<Scan> AllowedScans() {
  std::vector<Scan> out;
  for (const auto& s : kCellSizes) {
    out.push_back({s, 1});
    if (test::WholeByteRows(s.ncol)) out.push_back({s, 0});
  }
  return out;
}

FontModel OpenFont(const CellSize& s, int vert) {
  FontModel m;
  m.ncol = s.ncol;
  m.nstr = s.nstr;
  m.cb = static_cast<std::int16_t>(test::CellBytes(s));
  m.vert = static_cast<std::int16_t>(vert);
  for (int r = 0; r < s.nstr; ++r)
    for (int c = 0; c < s.ncol; ++c) m.pixelBoxVisible[r * kGridSide + c] = true;
  LayoutGrid(m, test::Cell(s.ncol, s.nstr));
  return m;
}

TEST(Codec, RenderThenPackGivesEveryByteBackForEverySizeAndScan) {
  for (const Scan& scan : AllowedScans()) {
    FontModel m = OpenFont(scan.size, scan.vert);
    const int cb = test::CellBytes(scan.size);
    m.simb = 100;
    m.sb = static_cast<std::int16_t>(100 * cb);
    // Over 256 rounds every offset sees every byte value.
    for (int round = 0; round < 256; ++round) {
      std::vector<std::uint8_t> bytes(cb);
      for (int n = 0; n < cb; ++n) bytes[n] = static_cast<std::uint8_t>(round + 37 * n);
      std::copy(bytes.begin(), bytes.end(), m.glyphStore.begin() + m.sb);
      RenderGlyph(m, m.sb, cb, LayoutOf(m));
      std::fill_n(m.glyphStore.begin() + m.sb, cb, std::uint8_t{0});
      for (int r = 0; r < m.nstr; ++r)
        for (int c = 0; c < m.ncol; ++c) {
          const int i = r * kGridSide + c;
          StorePixel(m, i, m.pixelOn[i] == -1);
        }
      ASSERT_TRUE(std::equal(bytes.begin(), bytes.end(), m.glyphStore.begin() + m.sb))
          << scan.size.name << " vert=" << scan.vert << " round " << round << "\n"
          << GlyphPicture(m.glyphStore, m.sb, cb, LayoutOf(m));
    }
    // Only the glyph's own bytes were ever touched.
    for (int k = 0; k < kStoreSize; ++k)
      if (k < m.sb || k >= m.sb + cb) {
        ASSERT_EQ(m.glyphStore[k], 0) << "byte " << k;
      }
  }
}

TEST(Codec, LocatePixelMapsEveryCellBoxToADistinctBitOfTheGlyph) {
  for (const Scan& scan : AllowedScans()) {
    std::vector<bool> seen(test::CellBytes(scan.size) * 8, false);
    for (int r = 0; r < scan.size.nstr; ++r)
      for (int c = 0; c < scan.size.ncol; ++c) {
        const PixelBit p =
            LocatePixel(r * kGridSide + c, test::Cell(scan.size.ncol, kGridSide, scan.vert));
        ASSERT_GE(p.n, 0);
        ASSERT_LT(p.n, test::CellBytes(scan.size)) << scan.size.name;
        ASSERT_FALSE(seen[p.n * 8 + p.b]) << scan.size.name << " r" << r << " c" << c;
        seen[p.n * 8 + p.b] = true;
      }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), test::CellBytes(scan.size) * 8);
  }
  EXPECT_EQ(LocatePixel(0, test::Cell(8, kGridSide, 1)), (PixelBit{0, 0}));
  EXPECT_EQ(LocatePixel(0, test::Cell(8, kGridSide, 0)), (PixelBit{0, 7}));
  EXPECT_EQ(LocatePixel(575, test::Cell(24, kGridSide, 1)), (PixelBit{71, 7}));
  EXPECT_EQ(LocatePixel(575, test::Cell(24, kGridSide, 0)), (PixelBit{71, 0}));
  EXPECT_EQ(LocatePixel(200, test::Cell(16, kGridSide, 1)), (PixelBit{24, 0}));
  EXPECT_EQ(LocatePixel(200, test::Cell(16, kGridSide, 0)), (PixelBit{17, 7}));
  EXPECT_EQ(LocatePixel(200, test::Cell(16, kGridSide, 5)), (PixelBit{17, 7}))
      << "any value but 1 is horizontal";
}

TEST(Codec, LayoutGridPaintsTheMarginOfEverySizeAndLeavesTheRestAlone) {
  const Color sentinel = 0x123456;
  for (const auto& s : kCellSizes) {
    FontModel m;
    m.pixelBoxColor.fill(sentinel);
    m.pixelBackColor.fill(sentinel);
    m.pixelOn.fill(-1);
    m.glyphStore.fill(0xAA);
    m.cb = static_cast<std::int16_t>(test::CellBytes(s));
    m.sb = static_cast<std::int16_t>(test::CellBytes(s));  // glyph 1
    LayoutGrid(m, test::Cell(s.ncol, s.nstr));
    const int margin = s.ncol > 8 ? 2 : 1;
    for (int r = 0; r < kGridSide; ++r)
      for (int c = 0; c < kGridSide; ++c) {
        const int i = r * kGridSide + c;
        if (r >= s.nstr || c >= s.ncol) {
          EXPECT_EQ(m.pixelBoxColor[i], sentinel) << s.name << " box " << i;
          EXPECT_EQ(m.pixelOn[i], -1);
          continue;
        }
        const bool inMargin = r >= s.nstr - margin || c >= s.ncol - margin;
        EXPECT_EQ(m.pixelBoxColor[i], inMargin ? kYellow : kWhite)
            << s.name << " r" << r << " c" << c;
        EXPECT_EQ(m.pixelBackColor[i], m.pixelBoxColor[i]);
        EXPECT_EQ(m.pixelOn[i], 0);
      }
    for (int k = 0; k < kStoreSize; ++k)
      ASSERT_EQ(m.glyphStore[k], (k >= test::CellBytes(s) && k < 2 * test::CellBytes(s)) ? 0 : 0xAA)
          << s.name << " byte " << k;
  }
  // The table's own examples.
  EXPECT_TRUE(IsMarginBox(21, 23, test::Cell(24, 24)));
  EXPECT_FALSE(IsMarginBox(21, 21, test::Cell(24, 24)));
  EXPECT_TRUE(IsMarginBox(7, 0, test::Cell(6, 8)));
  EXPECT_TRUE(IsMarginBox(0, 5, test::Cell(6, 8)));
  EXPECT_FALSE(IsMarginBox(6, 4, test::Cell(6, 8)));
}

TEST(Codec, ClearFontZeroesDataButKeepsColoursAndEntry576) {
  FontModel m = OpenFont(kCellSizes[3], 1);
  m.glyphStore.fill(0x5A);
  RenderGlyph(m, 0, m.cb, LayoutOf(m));
  m.pixelOn[576] = -1;
  const auto colours = m.pixelBoxColor;
  const auto back = m.pixelBackColor;
  ClearFont(m);
  EXPECT_TRUE(std::all_of(m.glyphStore.begin(), m.glyphStore.end(), [](auto b) { return b == 0; }));
  EXPECT_TRUE(std::all_of(m.pixelOn.begin(), m.pixelOn.begin() + kGridBoxes,
                          [](auto v) { return v == 0; }));
  EXPECT_EQ(m.pixelOn[576], -1);
  EXPECT_EQ(m.pixelBoxColor, colours);
  EXPECT_EQ(m.pixelBackColor, back);
}

TEST(Codec, RenderColoursOnPixelsRedInTheMarginAndBlueElsewhere) {
  {
    FontModel m = OpenFont(kCellSizes[1], 1);  // 8 x 8 vertical
    m.glyphStore[0] = 0x01;
    m.glyphStore[7] = 0x80;
    RenderGlyph(m, 0, 8, test::Cell(8, m.nstr, 1));
    EXPECT_EQ(m.pixelBoxColor[0], kBlue);
    EXPECT_EQ(m.pixelBoxColor[175], kRed);
    EXPECT_EQ(m.pixelOn[0], -1);
    EXPECT_EQ(m.pixelOn[175], -1);
    EXPECT_EQ(std::count(m.pixelOn.begin(), m.pixelOn.end(), -1), 2);
  }
  {
    FontModel m = OpenFont(kCellSizes[1], 0);  // 8 x 8 horizontal
    m.glyphStore[0] = 0x80;
    m.glyphStore[7] = 0x01;
    RenderGlyph(m, 0, 8, test::Cell(8, m.nstr, 0));
    EXPECT_EQ(m.pixelBoxColor[0], kBlue);
    EXPECT_EQ(m.pixelBoxColor[175], kRed);
  }
  {
    FontModel m = OpenFont(kCellSizes[4], 1);  // 16 x 24 vertical
    m.glyphStore[16] = 0x01;
    m.glyphStore[31] = 0x80;
    m.glyphStore[47] = 0x80;
    RenderGlyph(m, 0, 48, test::Cell(16, m.nstr, 1));
    EXPECT_EQ(m.pixelBoxColor[192], kBlue);
    EXPECT_EQ(m.pixelBoxColor[375], kRed);
    EXPECT_EQ(m.pixelBoxColor[567], kRed);
  }
  {
    FontModel m = OpenFont(kCellSizes[5], 0);  // 24 x 16 horizontal
    m.glyphStore[2] = 0x80;
    RenderGlyph(m, 0, 48, test::Cell(24, m.nstr, 0));
    EXPECT_EQ(m.pixelOn[16], -1);
    EXPECT_EQ(std::count(m.pixelOn.begin(), m.pixelOn.end(), -1), 1);
  }
}

TEST(Codec, The24x24StoreEndsAtIndex16127) {
  FontModel m = OpenFont(kCellSizes[6], 1);
  for (auto& box : m.symbols) box.locked = false;
  m.glyphStore[16128] = 0x77;
  SelectSymbol(m, 223);
  EXPECT_EQ(m.sb, 16056);
  for (int vert : {1, 0}) {
    m.vert = static_cast<std::int16_t>(vert);
    for (int i = 0; i < kGridBoxes; ++i) TogglePixel(m, i);
    EXPECT_TRUE(std::all_of(m.glyphStore.begin() + 16056, m.glyphStore.begin() + 16128,
                            [](auto b) { return b == 0xFF; }));
    for (int i = 0; i < kGridBoxes; ++i) TogglePixel(m, i);
  }
  EXPECT_EQ(m.glyphStore[16128], 0x77);
  EXPECT_EQ(m.glyphStore[16055], 0);
}

TEST(Codec, NoParametersMakeTheCodecLeaveItsArrays) {
  // Run under the sanitizers: any index outside an array fails the build's tests.
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> any(-40000, 40000);
  std::uniform_int_distribution<int> small(-3, 30);
  for (int k = 0; k < 20000; ++k) {
    FontModel m;
    m.ncol = static_cast<std::int16_t>(k % 3 ? small(rng) : any(rng));
    m.nstr = static_cast<std::int16_t>(small(rng));
    m.cb = static_cast<std::int16_t>(k % 5 ? small(rng) * 3 : any(rng));
    m.sb = static_cast<std::int16_t>(k % 2 ? any(rng) : 16128 - small(rng));
    m.vert = static_cast<std::int16_t>(k % 2);
    m.pixelBoxVisible.fill(true);
    LayoutGrid(m, test::Cell(m.ncol, m.nstr));
    RenderGlyph(m, m.sb, m.cb, LayoutOf(m));
    StorePixel(m, any(rng) % 600, true);
    StorePixel(m, k % 576, true);
    TogglePixel(m, any(rng) % 600);
  }
  // Horizontal scan of width 6 or 12 never writes outside the glyph.
  for (const auto& s : {kCellSizes[0], kCellSizes[2]}) {
    FontModel m = OpenFont(s, 0);
    m.sb = static_cast<std::int16_t>(test::CellBytes(s));
    for (int r = 0; r < s.nstr; ++r)
      for (int c = 0; c < s.ncol; ++c) StorePixel(m, r * kGridSide + c, true);
    for (int k = 0; k < kStoreSize; ++k)
      if (k < test::CellBytes(s) || k >= 2 * test::CellBytes(s)) {
        ASSERT_EQ(m.glyphStore[k], 0) << s.name << " byte " << k;
      }
  }
}

}  // namespace
}  // namespace zg
