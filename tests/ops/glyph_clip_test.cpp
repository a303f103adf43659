#include "ops/glyph_clip.h"

#include <gtest/gtest.h>

#include <random>

#include "cells.h"
#include "ops_test_support.h"

namespace zg {
namespace {

using test::Picture;
using test::Shape;

// The picture cut or padded to another cell, from the top left.
Picture Fit(const Picture& p, const Shape& to) {
  Picture out = test::EmptyPicture(to);
  for (std::size_t r = 0; r < out.size() && r < p.size(); ++r) {
    for (std::size_t c = 0; c < out[r].size() && c < p[r].size(); ++c) out[r][c] = p[r][c];
  }
  return out;
}

TEST(GlyphClip, CarriesAGlyphBetweenEveryPairOfCellsAndScans) {
  std::mt19937 rng(11);
  for (const Shape& from : test::AllShapes()) {
    const Picture p = test::RandomPicture(from, rng, 0.5);
    const auto bytes = test::PackPicture(p, from);
    const std::string text = EncodeGlyphClip(from.layout(), bytes);
    const auto clip = DecodeGlyphClip(text);
    ASSERT_TRUE(clip) << text;
    EXPECT_EQ(*clip, (GlyphClip{from.layout(), bytes})) << text;
    for (const Shape& to : test::AllShapes()) {
      std::vector<std::uint8_t> target(static_cast<std::size_t>(test::BytesOf(to)), 0xFF);
      PlaceGlyph(*clip, target, to.layout());
      EXPECT_EQ(test::Rows(PixelPicture(to.layout(), target)), Fit(p, to))
          << Describe(from) << " -> " << Describe(to);
    }
  }
}

TEST(GlyphClip, WritesAShortReadableForm) {
  const std::vector<std::uint8_t> a{0x7C, 0x7E, 0x13, 0x13, 0x7E, 0x7C, 0x00, 0x00};
  EXPECT_EQ(EncodeGlyphClip(test::Cell(8, 8), a),
            "zgedit-glyph 1 8x8 v\n7c 7e 13 13 7e 7c 00 00\n");
  EXPECT_EQ(EncodeGlyphClip(test::Cell(5, 8, 0), a),
            "zgedit-glyph 1 5x8 h\n7c 7e 13 13 7e 7c 00 00\n");
  EXPECT_EQ(EncodeGlyphClip(test::Cell(25, 8), a), "");
  EXPECT_EQ(EncodeGlyphClip(test::Cell(8, 8), std::span(a).first(7)), "");
  // A proportional font's glyph carries its width; old texts read as before, without one.
  const std::string five = EncodeGlyphClip(test::Cell(8, 8), a, 5);
  EXPECT_EQ(five, "zgedit-glyph 2 8x8 v w5\n7c 7e 13 13 7e 7c 00 00\n");
  EXPECT_EQ(DecodeGlyphClip(five), (GlyphClip{test::Cell(8, 8), a, 5}));
  EXPECT_EQ(DecodeGlyphClip(EncodeGlyphClip(test::Cell(8, 8), a))->width, 0);
  EXPECT_EQ(EncodeGlyphClip(test::Cell(8, 8), a, 9), "");
  // Blanks are free, either letter case is read.
  const auto loose = DecodeGlyphClip("zgedit-glyph 1 8x8 v\r\n7C 7E\t13 13\r\n7e 7c 00 00");
  ASSERT_TRUE(loose);
  EXPECT_EQ(loose->bytes, a);
}

TEST(GlyphClip, RefusesAnythingButOneWholeGlyph) {
  const char* const bad[] = {
      "",
      "zgedit-glyph 1 8x8 v",                              // no bytes
      "zgedit-glyph 1 8x8 v\n7c 7e 13 13 7e 7c 00",        // one short
      "zgedit-glyph 1 8x8 v\n7c 7e 13 13 7e 7c 00 00 00",  // one over
      "zgedit-glyph 3 8x8 v\n7c 7e 13 13 7e 7c 00 00",     // unknown version
      "zgedit-glyph 2 8x8 v\n7c 7e 13 13 7e 7c 00 00",     // version 2 without its width
      "zgedit-glyph 2 8x8 v w9\n7c 7e 13 13 7e 7c 00 00",  // wider than the cell
      "zgedit-glyph 2 8x8 v w0\n7c 7e 13 13 7e 7c 00 00",  // no width
      "zgedit-glyph 1 8x8 v w5\n7c 7e 13 13 7e 7c 00 00",  // a width in version 1
      "zgedit-glyph 1 8x9 v\n7c 7e 13 13 7e 7c 00 00 00",  // two bands take 16
      "zgedit-glyph 1 6x8 h\n7c 7e 13 13 7e 7c",           // padded rows take 8
      "zgedit-glyph 1 25x8 v\n7c 7e 13 13 7e 7c 00 00",    // wider than the grid
      "zgedit-glyph 1 8x8 x\n7c 7e 13 13 7e 7c 00 00",     // unknown scan
      "zgedit-glyph 1 8x8 v\n7c 7e 13 13 7e 7c 00 0g",     // not a digit
      "zgedit-glyph 1 8x8 v\n7c 7e 13 13 7e 7c 00 000",    // three digits
      "zgedit-glyph 1 8x8 v\n7c7e 13 13 7e 7c 00 00",      // run together
      "zgedit-glyph 1 8x8 v\n7c 7e 13 13 7e 7c 00 0",      // half a byte
      "zgedit-glyph 1 108x8 v\n7c 7e 13 13 7e 7c 00 00",   // width too long
      "Zgedit-glyph 1 8x8 v\n7c 7e 13 13 7e 7c 00 00",
  };
  for (const char* text : bad) EXPECT_EQ(DecodeGlyphClip(text), std::nullopt) << text;
}

}  // namespace
}  // namespace zg
