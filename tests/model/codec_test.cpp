#include "model/codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cells.h"

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
  PaintCell(m, test::Cell(s.ncol, s.nstr));
  return m;
}

TEST(Codec, RenderThenWritingEveryBoxGivesEveryByteBackForEverySizeAndScan) {
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
      std::vector<std::uint8_t> written(static_cast<std::size_t>(cb), 0);
      for (int r = 0; r < m.nstr; ++r)
        for (int c = 0; c < m.ncol; ++c) {
          SetPixel(LayoutOf(m), written, c, r, m.pixelOn[r * kGridSide + c] == -1);
        }
      ASSERT_EQ(written, bytes) << scan.size.name << " vert=" << scan.vert << " round " << round
                                << "\n"
                                << GlyphPicture(m.glyphStore, m.sb, cb, LayoutOf(m));
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

TEST(Codec, PaintCellPaintsTheMarginOfEverySizeAndLeavesTheRestAlone) {
  const Color sentinel = 0x123456;
  for (const auto& s : kCellSizes) {
    FontModel m;
    m.pixelBoxColor.fill(sentinel);
    m.pixelBackColor.fill(sentinel);
    m.pixelOn.fill(-1);
    m.glyphStore.fill(0xAA);
    PaintCell(m, test::Cell(s.ncol, s.nstr));
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
    EXPECT_TRUE(std::ranges::all_of(m.glyphStore, [](std::uint8_t b) { return b == 0xAA; }));
  }
  // The table's own examples.
  EXPECT_TRUE(IsMarginBox(21, 23, test::Cell(24, 24)));
  EXPECT_FALSE(IsMarginBox(21, 21, test::Cell(24, 24)));
  EXPECT_TRUE(IsMarginBox(7, 0, test::Cell(6, 8)));
  EXPECT_TRUE(IsMarginBox(0, 5, test::Cell(6, 8)));
  EXPECT_FALSE(IsMarginBox(6, 4, test::Cell(6, 8)));
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

TEST(Codec, NoParametersMakeTheCodecLeaveItsArrays) {
  // Run under the sanitizers: any index outside an array fails the build's tests.
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> any(-40000, 40000);
  std::uniform_int_distribution<int> small(-3, 30);
  FontModel m;
  m.pixelBoxVisible.fill(true);
  for (int k = 0; k < 20000; ++k) {
    m.ncol = static_cast<std::int16_t>(k % 3 ? small(rng) : any(rng));
    m.nstr = static_cast<std::int16_t>(small(rng));
    m.cb = static_cast<std::int16_t>(k % 5 ? small(rng) * 3 : any(rng));
    m.sb = static_cast<std::int16_t>(k % 2 ? any(rng) : 16128 - small(rng));
    m.vert = static_cast<std::int16_t>(k % 2);
    PaintCell(m, test::Cell(m.ncol, m.nstr));
    RenderGlyph(m, m.sb, m.cb, LayoutOf(m));
    ASSERT_EQ(m.pixelOn[kGridBoxes], 0) << k;
  }
  // Drawing reads the store and writes boxes of the grid only.
  EXPECT_TRUE(std::ranges::all_of(m.glyphStore, [](std::uint8_t b) { return b == 0; }));
}

TEST(Model, StatusCaptionAndPicture) {
  EXPECT_EQ(StatusCaption(test::Cell(8, 8, 1)), "Шрифт 8 x 8 вертикальный  ");
  EXPECT_EQ(StatusCaption(test::Cell(24, 16, 0)), "Шрифт 24 x 16 горизонтальный");
  EXPECT_EQ(StatusCaption(test::Cell(12, 16, 7)), "Шрифт 12 x 16 горизонтальный");
  GlyphStore store{};
  store[0] = 0x01;
  store[7] = 0x80;
  EXPECT_EQ(GlyphPicture(store, 0, 8, test::Cell(8, 8, 1)),
            "#.......\n........\n........\n........\n"
            "........\n........\n........\n.......#\n");
  EXPECT_TRUE(IsCellSize(16, 24));
  EXPECT_FALSE(IsCellSize(12, 8));
}

}  // namespace
}  // namespace zg
