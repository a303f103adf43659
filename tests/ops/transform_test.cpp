#include "ops/transform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "cells.h"
#include "ops_test_support.h"

namespace zg {
namespace {

using test::PackPicture;
using test::Picture;
using test::Shape;

using Transform = std::function<void(std::span<std::uint8_t>, const Layout&)>;

// Applies `t` to the picture packed for `s` and reads the result back.
Picture Apply(const Transform& t, const Picture& p, const Shape& s) {
  auto bytes = PackPicture(p, s);
  t(bytes, s.layout());
  return test::Rows(PixelPicture(s.layout(), bytes));
}

const Transform kFlipH = FlipHorizontal;
const Transform kFlipV = FlipVertical;
const Transform kInvert = InvertGlyph;
const Transform kTurnRight = [](std::span<std::uint8_t> g, const Layout& l) {
  EXPECT_TRUE(RotateClockwise(g, l));
};
const Transform kTurnLeft = [](std::span<std::uint8_t> g, const Layout& l) {
  EXPECT_TRUE(RotateCounterClockwise(g, l));
};

TEST(Transform, FlipsAndInvertsANonSquareCell) {
  const Picture f{
      "######", "#.....", "#.....", "####..", "#.....", "#.....", "#.....", "......",
  };
  const Shape s{6, 8, 1};
  EXPECT_EQ(Apply(kFlipH, f, s), (Picture{"######", ".....#", ".....#", "..####", ".....#",
                                          ".....#", ".....#", "......"}));
  EXPECT_EQ(Apply(kFlipV, f, s), (Picture{"......", "#.....", "#.....", "#.....", "####..",
                                          "#.....", "#.....", "######"}));
  EXPECT_EQ(Apply(kInvert, f, s), (Picture{"......", ".#####", ".#####", "....##", ".#####",
                                           ".#####", ".#####", "######"}));
}

TEST(Transform, TurnsASquareCellInBothScans) {
  const Picture corner{
      "###.....", "#.......", "#.......", "........",
      "........", "........", "........", ".......#",
  };
  const Picture right{
      ".....###", ".......#", ".......#", "........",
      "........", "........", "........", "#.......",
  };
  const Picture left{
      ".......#", "........", "........", "........",
      "........", "#.......", "#.......", "###.....",
  };
  for (const int vert : {1, 0}) {
    const Shape s{8, 8, vert};
    EXPECT_EQ(Apply(kTurnRight, corner, s), right) << Describe(s);
    EXPECT_EQ(Apply(kTurnLeft, corner, s), left) << Describe(s);
  }
}

TEST(Transform, RefusesToTurnANonSquareCell) {
  for (const Shape& s : {Shape{6, 8, 1}, Shape{16, 24, 1}, Shape{16, 24, 0}, Shape{24, 16, 0}}) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(test::BytesOf(s)), 0x5A);
    const auto before = bytes;
    EXPECT_FALSE(RotateClockwise(bytes, s.layout())) << Describe(s);
    EXPECT_FALSE(RotateCounterClockwise(bytes, s.layout())) << Describe(s);
    EXPECT_EQ(bytes, before) << Describe(s);
  }
}

// Each transform agrees with its meaning in pixels for every cell and scan,
// and leaves the bytes after the cell alone.
TEST(Transform, MatchesItsPixelMeaningForEveryShape) {
  std::mt19937 rng(5);
  for (const Shape& s : test::AllShapes()) {
    const Picture p = test::RandomPicture(s, rng, 0.4);
    Picture mirrored = p;
    for (auto& row : mirrored) std::reverse(row.begin(), row.end());
    Picture upsideDown = p;
    std::reverse(upsideDown.begin(), upsideDown.end());
    Picture inverted = p;
    for (auto& row : inverted) {
      for (auto& px : row) px = px == '#' ? '.' : '#';
    }
    EXPECT_EQ(Apply(kFlipH, p, s), mirrored) << Describe(s);
    EXPECT_EQ(Apply(kFlipV, p, s), upsideDown) << Describe(s);
    EXPECT_EQ(Apply(kInvert, p, s), inverted) << Describe(s);
    if (s.ncol == s.nstr) {
      Picture turned = p;
      for (int r = 0; r < s.nstr; ++r) {
        for (int c = 0; c < s.ncol; ++c) turned[r][c] = p[s.ncol - 1 - c][r];
      }
      EXPECT_EQ(Apply(kTurnRight, p, s), turned) << Describe(s);
      Picture round = p;
      for (int k = 0; k < 4; ++k) round = Apply(kTurnLeft, round, s);
      EXPECT_EQ(round, p) << Describe(s);
    }

    auto bytes = PackPicture(p, s);
    bytes.push_back(0xA5);
    for (const auto& t : {kFlipH, kFlipV, kInvert}) {
      t(bytes, s.layout());
      EXPECT_EQ(bytes.back(), 0xA5) << Describe(s);
    }
  }
}

TEST(Transform, LeavesACellWithoutLayoutAlone) {
  std::vector<std::uint8_t> bytes(12, 0x3C);  // 12 x 8 horizontal takes 16
  const auto before = bytes;
  FlipHorizontal(bytes, test::Cell(12, 8, 0));
  FlipVertical(bytes, test::Cell(12, 8, 0));
  InvertGlyph(bytes, test::Cell(12, 8, 0));
  InvertGlyph(std::span(bytes).first(5), test::Cell(6, 8));  // too few bytes for the cell
  InvertGlyph(bytes, test::Cell(25, 8));                     // wider than the grid
  EXPECT_EQ(bytes, before);
}

}  // namespace
}  // namespace zg
