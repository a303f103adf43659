#include "ops/shift.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "cells.h"
#include "ops_test_support.h"

namespace zg {
namespace {

using test::Picture;
using test::Shape;

constexpr ShiftDirection kAllDirections[] = {ShiftDirection::Up, ShiftDirection::Down,
                                             ShiftDirection::Left, ShiftDirection::Right};

const char* Name(ShiftDirection d) {
  switch (d) {
    case ShiftDirection::Up:
      return "Up";
    case ShiftDirection::Down:
      return "Down";
    case ShiftDirection::Left:
      return "Left";
    case ShiftDirection::Right:
      return "Right";
  }
  return "?";
}

// The pixel-level meaning of a shift, independent of any byte order.
bool EdgeOccupied(const Picture& p, ShiftDirection d) {
  auto has = [](const std::string& row) { return row.find('#') != std::string::npos; };
  switch (d) {
    case ShiftDirection::Up:
      return has(p.front());
    case ShiftDirection::Down:
      return has(p.back());
    case ShiftDirection::Left:
      for (const auto& row : p)
        if (row.front() == '#') return true;
      return false;
    case ShiftDirection::Right:
      for (const auto& row : p)
        if (row.back() == '#') return true;
      return false;
  }
  return true;
}

Picture Moved(Picture p, ShiftDirection d) {
  const std::string blank(p.front().size(), '.');
  switch (d) {
    case ShiftDirection::Up:
      p.erase(p.begin());
      p.push_back(blank);
      break;
    case ShiftDirection::Down:
      p.pop_back();
      p.insert(p.begin(), blank);
      break;
    case ShiftDirection::Left:
      for (auto& row : p) row = row.substr(1) + '.';
      break;
    case ShiftDirection::Right:
      for (auto& row : p) row = '.' + row.substr(0, row.size() - 1);
      break;
  }
  return p;
}

void ClearEdge(Picture& p, ShiftDirection d) {
  switch (d) {
    case ShiftDirection::Up:
      p.front().assign(p.front().size(), '.');
      break;
    case ShiftDirection::Down:
      p.back().assign(p.back().size(), '.');
      break;
    case ShiftDirection::Left:
      for (auto& row : p) row.front() = '.';
      break;
    case ShiftDirection::Right:
      for (auto& row : p) row.back() = '.';
      break;
  }
}

std::vector<std::uint8_t> Bytes(int count, std::map<int, std::uint8_t> set) {
  std::vector<std::uint8_t> v(static_cast<std::size_t>(count), 0);
  for (const auto& [n, value] : set) v[static_cast<std::size_t>(n)] = value;
  return v;
}

// Hand-worked bytes, chosen so that bits cross band and byte boundaries.
TEST(ShiftBytes, MovesBitsAcrossBandsAndBytes) {
  struct Case {
    const char* what;
    Shape shape;
    ShiftDirection dir;
    std::map<int, std::uint8_t> before;
    std::map<int, std::uint8_t> after;  // ignored when refused
    bool refused;
  };
  const Shape v8{8, 8, 1}, v16{16, 16, 1}, v1624{16, 24, 1}, h16{16, 16, 0}, h2416{24, 16, 0};
  // clang-format off
  const Case cases[] = {
      {"row 8 to row 7", v16, ShiftDirection::Up, {{19, 0x01}}, {{3, 0x80}}, false},
      {"row 7 to row 8", v16, ShiftDirection::Down, {{3, 0x80}}, {{19, 0x01}}, false},
      {"row 16 to row 15", v1624, ShiftDirection::Up, {{35, 0x01}}, {{19, 0x80}}, false},
      {"row 15 to row 16", v1624, ShiftDirection::Down, {{19, 0x80}, {18, 0x81}}, {{35, 0x01}, {34, 0x01}, {18, 0x02}}, false},
      {"one band halves", v8, ShiftDirection::Up, {{0, 0x06}, {7, 0x80}}, {{0, 0x03}, {7, 0x40}}, false},
      {"one band doubles", v8, ShiftDirection::Down, {{0, 0x06}, {7, 0x40}}, {{0, 0x0C}, {7, 0x80}}, false},
      {"columns move left in every band", v16, ShiftDirection::Left, {{1, 0xAA}, {17, 0x55}, {15, 0x01}}, {{0, 0xAA}, {16, 0x55}, {14, 0x01}}, false},
      {"columns move right in every band", v16, ShiftDirection::Right, {{14, 0x0F}, {30, 0xF0}, {16, 0x01}}, {{15, 0x0F}, {31, 0xF0}, {17, 0x01}}, false},
      {"vertical row 0 occupied", v16, ShiftDirection::Up, {{5, 0x01}}, {}, true},
      {"vertical last row occupied", v16, ShiftDirection::Down, {{21, 0x80}}, {}, true},
      {"vertical column 0 occupied in band 1", v16, ShiftDirection::Left, {{16, 0x10}}, {}, true},
      {"vertical last column occupied in band 1", v16, ShiftDirection::Right, {{31, 0x02}}, {}, true},
      {"column 7 to column 8", h16, ShiftDirection::Right, {{4, 0x01}}, {{5, 0x80}}, false},
      {"column 8 to column 7", h16, ShiftDirection::Left, {{5, 0x80}}, {{4, 0x01}}, false},
      {"right across both byte boundaries", h2416, ShiftDirection::Right, {{0, 0x01}, {1, 0x01}, {45, 0x80}}, {{1, 0x80}, {2, 0x80}, {45, 0x40}}, false},
      {"left across both byte boundaries", h2416, ShiftDirection::Left, {{1, 0x80}, {2, 0x80}, {47, 0x02}}, {{0, 0x01}, {1, 0x01}, {47, 0x04}}, false},
      {"rows move up", h16, ShiftDirection::Up, {{2, 0x12}, {3, 0x34}, {31, 0x01}}, {{0, 0x12}, {1, 0x34}, {29, 0x01}}, false},
      {"rows move down", h16, ShiftDirection::Down, {{0, 0x12}, {1, 0x34}, {28, 0x01}}, {{2, 0x12}, {3, 0x34}, {30, 0x01}}, false},
      {"horizontal row 0 occupied", h16, ShiftDirection::Up, {{1, 0x01}}, {}, true},
      {"horizontal last row occupied", h16, ShiftDirection::Down, {{31, 0x80}}, {}, true},
      {"horizontal column 0 occupied", h16, ShiftDirection::Left, {{2, 0x80}}, {}, true},
      {"horizontal last column occupied", h16, ShiftDirection::Right, {{3, 0x01}}, {}, true},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int cb = test::BytesOf(c.shape);
    auto bytes = Bytes(cb, c.before);
    EXPECT_EQ(CanShift(bytes, c.shape.layout(), c.dir), !c.refused);
    if (c.refused) continue;
    ShiftBytes(bytes, c.shape.layout(), c.dir);
    EXPECT_EQ(bytes, Bytes(cb, c.after));
  }
}

// Every size and direction against the pixel-level meaning of a shift.
TEST(ShiftBytes, MovesEveryPixelOnePlaceOrRefuses) {
  std::mt19937 rng(20240611);
  for (const Shape& s : test::AllShapes()) {
    for (ShiftDirection d : kAllDirections) {
      for (int trial = 0; trial < 24; ++trial) {
        SCOPED_TRACE(test::Describe(s) + " " + Name(d) + " trial " + std::to_string(trial));
        Picture p = test::RandomPicture(s, rng, trial < 12 ? 0.3 : 0.05);
        if (trial % 2 == 0) ClearEdge(p, d);
        auto bytes = test::PackPicture(p, s);
        const bool free = !EdgeOccupied(p, d);
        ASSERT_EQ(CanShift(bytes, s.layout(), d), free) << test::Joined(p);
        if (!free) continue;
        ShiftBytes(bytes, s.layout(), d);
        EXPECT_EQ(test::Rows(PixelPicture(s.layout(), bytes)), Moved(p, d)) << test::Joined(p);
      }
    }
  }
}

TEST(ShiftBytes, ThereAndBackGivesTheSameBytes) {
  std::mt19937 rng(7);
  const std::pair<ShiftDirection, ShiftDirection> pairs[] = {
      {ShiftDirection::Right, ShiftDirection::Left},
      {ShiftDirection::Left, ShiftDirection::Right},
      {ShiftDirection::Down, ShiftDirection::Up},
      {ShiftDirection::Up, ShiftDirection::Down}};
  for (const Shape& s : test::AllShapes()) {
    for (const auto& [there, back] : pairs) {
      SCOPED_TRACE(test::Describe(s) + " " + Name(there) + " then " + Name(back));
      Picture p = test::RandomPicture(s, rng, 0.4);
      ClearEdge(p, there);
      const auto original = test::PackPicture(p, s);
      auto bytes = original;
      ASSERT_TRUE(CanShift(bytes, s.layout(), there));
      ShiftBytes(bytes, s.layout(), there);
      EXPECT_NE(bytes, original);
      ASSERT_TRUE(CanShift(bytes, s.layout(), back));
      ShiftBytes(bytes, s.layout(), back);
      EXPECT_EQ(bytes, original);
    }
  }
}

TEST(ShiftBytes, NoLayoutMeansNoShift) {
  struct Case {
    int ncol, nstr, vert, size;
  };
  const Case cases[] = {
      {6, 8, 0, 6},     // horizontal 6 x 8 takes a padded byte a row: 8
      {12, 16, 0, 24},  // horizontal 12 x 16 takes 32
      {8, 16, 1, 8},    // fewer bytes than the cell needs
      {16, 12, 1, 16},  // height 12 takes two bands
      {0, 8, 1, 8},    {32, 8, 1, 32}, {8, 0, 0, 8}, {-8, 8, 0, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.ncol) + "x" + std::to_string(c.nstr) + " vert " +
                 std::to_string(c.vert) + " bytes " + std::to_string(c.size));
    // A lone pixel in the middle: any real layout could move it somewhere.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(c.size), 0);
    bytes[bytes.size() / 2] = 0x18;
    const auto before = bytes;
    for (ShiftDirection d : kAllDirections) {
      EXPECT_FALSE(CanShift(bytes, test::Cell(c.ncol, c.nstr, c.vert), d)) << Name(d);
      ShiftBytes(bytes, test::Cell(c.ncol, c.nstr, c.vert), d);
      EXPECT_EQ(bytes, before) << Name(d);
    }
  }
}

TEST(ShiftBytes, LeavesBytesBeyondTheCellAlone) {
  // A 16 x 8 vertical cell whose glyphs are given 48 bytes: only the first 16 are pixels.
  std::vector<std::uint8_t> bytes(48, 0xEE);
  std::fill(bytes.begin(), bytes.begin() + 16, std::uint8_t{0});
  bytes[4] = 0x3C;
  ShiftBytes(bytes, test::Cell(16, 8), ShiftDirection::Down);
  EXPECT_EQ(bytes[4], 0x78);
  EXPECT_TRUE(
      std::all_of(bytes.begin() + 16, bytes.end(), [](std::uint8_t v) { return v == 0xEE; }));
}

// Symbol 5 of a 16 x 16 font with other glyphs around it, font saved.
FontModel FontWithSymbol5(const Shape& s, const std::vector<std::uint8_t>& glyph5) {
  FontModel m = test::NewFont(s);
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> byte(0, 255);
  for (auto& v : m.glyphStore) v = static_cast<std::uint8_t>(byte(rng));
  test::SetGlyph(m, 5, glyph5);
  SelectSymbol(m, 5);
  m.nosave = 0;
  return m;
}

TEST(ShiftGlyph, ShiftsTheCurrentGlyphMarksItAndRedraws) {
  for (const Shape& s : {Shape{16, 16, 1}, Shape{16, 16, 0}}) {
    SCOPED_TRACE(test::Describe(s));
    Picture p = test::EmptyPicture(s);
    p[7][3] = p[7][8] = p[0][4] = '#';
    FontModel m = FontWithSymbol5(s, test::PackPicture(p, s));
    const FontModel before = m;

    ASSERT_TRUE(ShiftGlyph(m, ShiftDirection::Down));

    const Picture want = Moved(p, ShiftDirection::Down);
    EXPECT_EQ(test::Rows(PixelPicture(s.layout(), test::GlyphBytes(m, 5))), want);
    EXPECT_EQ(test::GridPicture(m), want);
    EXPECT_TRUE(test::GridColoursAgree(m));
    EXPECT_EQ(m.symbols[5].fontSize, kEditedFontSize);
    EXPECT_TRUE(m.symbols[5].bold);
    EXPECT_EQ(m.nosave, 1);
    EXPECT_EQ(m.nosavesimb, 1);

    // Nothing else moved: not the other glyphs, the backup, the other boxes.
    FontModel rest = m;
    test::SetGlyph(rest, 5, test::GlyphBytes(before, 5));
    rest.pixelOn = before.pixelOn;
    rest.pixelBoxColor = before.pixelBoxColor;
    rest.symbols[5] = before.symbols[5];
    rest.nosave = before.nosave;
    rest.nosavesimb = before.nosavesimb;
    EXPECT_TRUE(rest == before);
  }
}

TEST(ShiftGlyph, EmptyGlyphStillCountsAsEdited) {
  for (ShiftDirection d : kAllDirections) {
    SCOPED_TRACE(Name(d));
    const Shape s{24, 24, 1};
    FontModel m = FontWithSymbol5(s, std::vector<std::uint8_t>(72, 0));
    ASSERT_TRUE(ShiftGlyph(m, d));
    EXPECT_EQ(test::GlyphBytes(m, 5), std::vector<std::uint8_t>(72, 0));
    EXPECT_TRUE(m.symbols[5].bold);
    EXPECT_EQ(m.symbols[5].fontSize, kEditedFontSize);
    EXPECT_EQ(m.nosave, 1);
    EXPECT_EQ(m.nosavesimb, 1);
  }
}

TEST(ShiftGlyph, RefusalChangesNothingAtAll) {
  for (const Shape& s : test::AllShapes()) {
    for (ShiftDirection d : kAllDirections) {
      SCOPED_TRACE(test::Describe(s) + " " + Name(d));
      Picture p = test::EmptyPicture(s);
      p[s.nstr / 2][s.ncol / 2] = '#';
      switch (d) {
        case ShiftDirection::Up:
          p[0][1] = '#';
          break;
        case ShiftDirection::Down:
          p[s.nstr - 1][1] = '#';
          break;
        case ShiftDirection::Left:
          p[1][0] = '#';
          break;
        case ShiftDirection::Right:
          p[1][s.ncol - 1] = '#';
          break;
      }
      FontModel m = FontWithSymbol5(s, test::PackPicture(p, s));
      const FontModel before = m;
      EXPECT_FALSE(ShiftGlyph(m, d));
      EXPECT_TRUE(m == before);
    }
  }
}

TEST(ShiftGlyph, GlyphFillingAllEdgesCannotMove) {
  const Shape s{8, 8, 0};
  Picture p = test::EmptyPicture(s);
  for (int i = 0; i < 8; ++i) p[0][i] = p[7][i] = p[i][0] = p[i][7] = '#';
  FontModel m = FontWithSymbol5(s, test::PackPicture(p, s));
  const FontModel before = m;
  for (ShiftDirection d : kAllDirections) EXPECT_FALSE(ShiftGlyph(m, d)) << Name(d);
  EXPECT_TRUE(m == before);
}

TEST(ShiftGlyph, RepeatedUpStopsAtRowZero) {
  const Shape s{16, 24, 1};
  Picture p = test::EmptyPicture(s);
  p[13][2] = p[20][9] = '#';
  FontModel m = FontWithSymbol5(s, test::PackPicture(p, s));
  int moves = 0;
  while (moves < 30 && ShiftGlyph(m, ShiftDirection::Up)) ++moves;
  EXPECT_EQ(moves, 13);
  Picture want = test::EmptyPicture(s);
  want[0][2] = want[7][9] = '#';
  EXPECT_EQ(test::GridPicture(m), want);
  EXPECT_EQ(test::Rows(PixelPicture(s.layout(), test::GlyphBytes(m, 5))), want);
}

TEST(ShiftGlyph, HorizontalCellGivenTheVerticalByteCountIsRefused) {
  // Padded rows need more bytes than the columns of 6 x 8 and 12 x 16.
  for (const Shape& s : {Shape{6, 8, 0}, Shape{12, 16, 0}}) {
    SCOPED_TRACE(test::Describe(s));
    FontModel m = test::NewFont(s);
    m.cb = static_cast<std::int16_t>(test::BytesOf({s.ncol, s.nstr, 1}));
    m.glyphStore[1] = 0x10;  // a pixel somewhere inside, nowhere near an edge
    const FontModel before = m;
    for (ShiftDirection d : kAllDirections) EXPECT_FALSE(ShiftGlyph(m, d)) << Name(d);
    EXPECT_TRUE(m == before);
  }
}

TEST(ShiftGlyph, GlyphOutsideTheStoreIsRefused) {
  FontModel m = test::NewFont({24, 24, 1});
  const std::int16_t starts[] = {-72, 16100, 16129};
  for (std::int16_t sb : starts) {
    m.sb = sb;
    const FontModel before = m;
    for (ShiftDirection d : kAllDirections) EXPECT_FALSE(ShiftGlyph(m, d)) << sb << Name(d);
    EXPECT_TRUE(m == before) << sb;
  }
}

}  // namespace
}  // namespace zg
