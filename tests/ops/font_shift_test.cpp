#include "ops/font_shift.h"

#include <gtest/gtest.h>

#include "cells.h"
#include "ops_test_support.h"

namespace zg {
namespace {

using test::PackPicture;
using test::Picture;
using test::Shape;

std::vector<std::uint8_t> Glyph(const std::vector<std::uint8_t>& font, int i, int cb) {
  return {font.begin() + i * cb, font.begin() + (i + 1) * cb};
}

TEST(FontShift, MovesEveryGlyphOrNamesTheOneInTheWay) {
  for (const Shape& s : {Shape{8, 8, 1}, Shape{8, 8, 0}, Shape{12, 16, 1}}) {
    const int cb = test::BytesOf(s);
    Picture dot = test::EmptyPicture(s);
    dot[3][4] = '#';
    Picture moved = test::EmptyPicture(s);
    moved[3][5] = '#';
    std::vector<std::uint8_t> font;
    for (int i = 0; i < kSymbolCount; ++i) {
      const auto bytes = PackPicture(dot, s);
      font.insert(font.end(), bytes.begin(), bytes.end());
    }
    EXPECT_EQ(FirstGlyphBlockingShift(font, s.layout(), ShiftDirection::Right), std::nullopt)
        << Describe(s);
    ShiftFont(font, s.layout(), ShiftDirection::Right);
    EXPECT_EQ(test::Rows(PixelPicture(s.layout(), Glyph(font, 0, cb))), moved) << Describe(s);
    EXPECT_EQ(test::Rows(PixelPicture(s.layout(), Glyph(font, 223, cb))), moved) << Describe(s);

    // Glyph 57 touches the bottom edge: it alone refuses a shift down.
    Picture low = test::EmptyPicture(s);
    low[s.nstr - 1][0] = '#';
    const auto lowBytes = PackPicture(low, s);
    std::copy(lowBytes.begin(), lowBytes.end(), font.begin() + 57 * cb);
    EXPECT_EQ(FirstGlyphBlockingShift(font, s.layout(), ShiftDirection::Down), 57) << Describe(s);
    EXPECT_EQ(FirstGlyphBlockingShift(font, s.layout(), ShiftDirection::Up), std::nullopt)
        << Describe(s);
  }
}

TEST(FontShift, ACellWithoutLayoutBlocksAtTheFirstGlyph) {
  const std::vector<std::uint8_t> font(224 * 32, 0);
  EXPECT_EQ(FirstGlyphBlockingShift(font, test::Cell(32, 8), ShiftDirection::Left), 0);
  EXPECT_EQ(FirstGlyphBlockingShift({}, test::Cell(8, 8), ShiftDirection::Left), 0);
}

}  // namespace
}  // namespace zg
