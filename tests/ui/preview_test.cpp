#include "ui/preview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cells.h"
#include "model/codec.h"

namespace zg {
namespace {

using Picture = std::vector<std::string>;

const Picture kLetterA{
    "..##....", ".####...", "##..##..", "##..##..", "######..", "##..##..", "##..##..", "........",
};

// A font of 8 x 8 glyphs, all empty but glyph 33 drawn as `p`.
std::vector<std::uint8_t> FontWith(const Picture& p, int vert) {
  std::vector<std::uint8_t> font(224 * 8, 0);
  for (int r = 0; r < 8; ++r) {
    for (int c = 0; c < 8; ++c) {
      if (p[r][c] != '#') continue;
      const PixelBit bit = LocatePixel(r * kGridSide + c, test::Cell(8, kGridSide, vert));
      font[33 * 8 + bit.n] = static_cast<std::uint8_t>(font[33 * 8 + bit.n] | (1U << bit.b));
    }
  }
  return font;
}

// The image as '#' for lit pixels and '.' for the panel.
Picture Lit(const PreviewImage& image, DisplayLook look) {
  Picture p;
  for (int y = 0; y < image.height; ++y) {
    std::string row;
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t px = image.argb[static_cast<std::size_t>(y * image.width + x)];
      row += px == ColorsOf(look).pixel ? '#' : px == ColorsOf(look).background ? '.' : '?';
    }
    p.push_back(row);
  }
  return p;
}

TEST(RenderPreview, DrawsEachCellAtTheScaleWithNoGapBetween) {
  const std::string none(16, '.');
  const Picture twice{
      "....####........", "....####........", "..########......", "..########......",
      "####....####....", "####....####....", "####....####....", "####....####....",
      "############....", "############....", "####....####....", "####....####....",
      "####....####....", "####....####....", "................", "................",
  };
  const int text[] = {33, -1, 33};
  for (const int vert : {1, 0}) {
    const auto image = RenderPreview(FontWith(kLetterA, vert), test::Cell(8, 8, vert), false, text,
                                     2, DisplayLook::Oled);
    ASSERT_EQ(image.width, 48);
    ASSERT_EQ(image.height, 16);
    Picture expected;
    for (const auto& row : twice) expected.push_back(row + none + row);
    EXPECT_EQ(Lit(image, DisplayLook::Oled), expected) << "vert " << vert;
  }
}

TEST(RenderPreview, ShowsANegativeFontInvertedAndALackingCharacterUnlit) {
  const int text[] = {33, -1};
  const auto image = RenderPreview(FontWith(kLetterA, 1), test::Cell(8, 8, 1), true, text, 1,
                                   DisplayLook::YellowGreenLcd);
  const Picture p = Lit(image, DisplayLook::YellowGreenLcd);
  ASSERT_EQ(p.size(), 8U);
  for (std::size_t r = 0; r < 8; ++r) {
    std::string inverted = kLetterA[r];
    for (auto& px : inverted) px = px == '#' ? '.' : '#';
    EXPECT_EQ(p[r], inverted + "........");
  }
}

TEST(RenderPreview, LeavesAGapBetweenDotsFromScaleThree) {
  const Picture full(8, std::string(8, '#'));
  const int text[] = {33};
  const auto image =
      RenderPreview(FontWith(full, 1), test::Cell(8, 8, 1), false, text, 3, DisplayLook::BlueLcd);
  const Picture p = Lit(image, DisplayLook::BlueLcd);
  ASSERT_EQ(p.size(), 24U);
  EXPECT_EQ(p[0], "##.##.##.##.##.##.##.##.");
  EXPECT_EQ(p[1], p[0]);
  EXPECT_EQ(p[2], std::string(24, '.'));
  EXPECT_EQ(ColorsOf(DisplayLook::BlueLcd).pixel, image.argb[0]);

  // Scale is kept to 1..4; a cell wider than the grid draws nothing.
  EXPECT_EQ(RenderPreview(FontWith(full, 1), test::Cell(8, 8, 1), false, text, 9, DisplayLook::Oled)
                .width,
            32);
  EXPECT_EQ(
      RenderPreview(FontWith(full, 1), test::Cell(25, 8, 1), false, text, 1, DisplayLook::Oled),
      PreviewImage{});
  EXPECT_EQ(RenderPreview({}, test::Cell(0, 0, 1), false, text, 1, DisplayLook::Oled),
            PreviewImage{});
}

TEST(RenderPreview, SetsAProportionalFontByEachGlyphsWidth) {
  const Picture narrowA{
      ".#......", "#.#.....", "###.....", "#.#.....",
      "#.#.....", "........", ".....#..", "........",
  };
  std::vector<std::uint8_t> widths(kSymbolCount, 8);
  widths[33] = 4;
  widths[0] = 2;                           // a narrow space
  const int text[] = {33, 0, 33, -1, 33};  // a lacking character keeps the cell's width
  ASSERT_EQ(PreviewTextWidth(8, text, widths), 4 + 2 + 4 + 8 + 4);
  const auto image = RenderPreview(FontWith(narrowA, 1), test::Cell(8, 8, 1), false, text, 1,
                                   DisplayLook::Oled, widths);
  const Picture expected{
      ".#.....#...........#..", "#.#...#.#.........#.#.", "###...###.........###.",
      "#.#...#.#.........#.#.", "#.#...#.#.........#.#.", "......................",
      ".....#.....#..........", "......................",
  };
  // The ink past the glyph's width falls on what follows, and past the line's end is cut.
  EXPECT_EQ(Lit(image, DisplayLook::Oled), expected);
  // A width the font cannot hold is the cell's; no widths set the text monospaced.
  widths[33] = 0;
  EXPECT_EQ(PreviewTextWidth(8, text, widths), 8 + 2 + 8 + 8 + 8);
  EXPECT_EQ(PreviewTextWidth(8, text), 40);
}

}  // namespace
}  // namespace zg
