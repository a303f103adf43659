#include "ops/scan.h"

#include <gtest/gtest.h>

#include <fstream>
#include <numeric>
#include <random>
#include <sstream>

#include "cells.h"
#include "ops_test_support.h"

namespace zg {
namespace {

using test::Picture;
using test::Shape;

Shape Turned(const Shape& s) { return {s.ncol, s.nstr, s.vert == 1 ? 0 : 1}; }

std::vector<std::uint8_t> RandomFont(const Shape& s, std::mt19937& rng) {
  std::vector<std::uint8_t> font(static_cast<std::size_t>(kSymbolCount * test::BytesOf(s)));
  for (auto& v : font) v = static_cast<std::uint8_t>(rng());
  return font;
}

// The change done the long way: every pixel of every glyph read in the old
// layout and written into empty bytes of the new one.
std::vector<std::uint8_t> RepackPixelByPixel(const std::vector<std::uint8_t>& font,
                                             const Shape& from) {
  const Shape to = Turned(from);
  std::vector<std::uint8_t> out;
  for (int i = 0; i < kSymbolCount; ++i) {
    const auto glyph = test::Glyph(font, i, test::BytesOf(from));
    std::vector<std::uint8_t> turned(static_cast<std::size_t>(test::BytesOf(to)), 0);
    for (int y = 0; y < from.nstr; ++y) {
      for (int x = 0; x < from.ncol; ++x) {
        SetPixel(to.layout(), turned, x, y, GetPixel(from.layout(), glyph, x, y));
      }
    }
    out.insert(out.end(), turned.begin(), turned.end());
  }
  return out;
}

TEST(RepackFont, GivesExactlyWhatReadingAndWritingEveryPixelGives) {
  std::mt19937 rng(99);
  for (const Shape& s : test::AllShapes()) {
    SCOPED_TRACE(test::Describe(s));
    const auto font = RandomFont(s, rng);
    EXPECT_EQ(RepackFont(font, s.layout(), Turned(s).layout()), RepackPixelByPixel(font, s));
  }
}

TEST(RepackFont, ThereAndBackGivesEveryByteBack) {
  std::mt19937 rng(5);
  for (const Shape& s : test::AllShapes()) {
    // Rows of 6, 12 or 5 pixels leave padding bits that a round trip clears.
    if (s.vert == 0 && !test::WholeByteRows(s.ncol)) continue;
    SCOPED_TRACE(test::Describe(s));
    const auto font = RandomFont(s, rng);
    const auto turned = RepackFont(font, s.layout(), Turned(s).layout());
    EXPECT_NE(turned, font);
    EXPECT_EQ(RepackFont(turned, Turned(s).layout(), s.layout()), font);
  }
}

TEST(RepackFont, HandWorkedExamples) {
  struct Case {
    Shape shape;
    int byteBefore, valueBefore, byteAfter, valueAfter;
  };
  const Case cases[] = {
      {{8, 8, 1}, 0, 0x01, 0, 0x80},  // pixel (0, 0)
      {{8, 8, 0}, 0, 0x80, 0, 0x01},
      {{16, 16, 1}, 19, 0x02, 18, 0x10},  // pixel (row 9, column 3)
      {{16, 16, 0}, 18, 0x10, 19, 0x02},
      {{24, 24, 1}, 71, 0x80, 71, 0x01},  // pixel (23, 23)
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::Describe(c.shape) + " byte " + std::to_string(c.byteBefore));
    std::vector<std::uint8_t> glyph(static_cast<std::size_t>(test::BytesOf(c.shape)), 0);
    glyph[static_cast<std::size_t>(c.byteBefore)] = static_cast<std::uint8_t>(c.valueBefore);
    std::vector<std::uint8_t> want(static_cast<std::size_t>(test::BytesOf(Turned(c.shape))), 0);
    want[static_cast<std::size_t>(c.byteAfter)] = static_cast<std::uint8_t>(c.valueAfter);
    EXPECT_EQ(RepackFont(glyph, c.shape.layout(), Turned(c.shape).layout()), want);
  }
}

std::vector<std::uint8_t> ReadDataLines(const std::string& name) {
  std::ifstream in(std::string(ZG_TEST_DATA_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::vector<std::uint8_t> bytes;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    EXPECT_EQ(line.rfind("Data ", 0), 0U) << line;
    std::istringstream values(line.substr(5));
    std::string value;
    while (std::getline(values, value, ',')) {
      EXPECT_EQ(value.size(), 4U) << value;
      EXPECT_EQ(value.substr(0, 2), "&h") << value;
      bytes.push_back(static_cast<std::uint8_t>(std::stoi(value.substr(2), nullptr, 16)));
    }
  }
  return bytes;
}

TEST(RepackFont, ConvertsTheSampleFontsIntoEachOther) {
  struct Case {
    const char* from;
    const char* to;
    Shape shape;
  };
  const Case cases[] = {
      {"Font08x08vp.fnt", "Font08x08hp.fnt", {8, 8, 1}},
      {"Font08x08hp.fnt", "Font08x08vp.fnt", {8, 8, 0}},
      {"Font16x16vp.fnt", "Font16x16hp.fnt", {16, 16, 1}},
      {"Font16x16hp.fnt", "Font16x16vp.fnt", {16, 16, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    const auto source = ReadDataLines(c.from);
    ASSERT_EQ(source.size(), static_cast<std::size_t>(kSymbolCount * test::BytesOf(c.shape)));
    EXPECT_EQ(RepackFont(source, c.shape.layout(), Turned(c.shape).layout()), ReadDataLines(c.to));
  }
}

TEST(RepackFont, NarrowCellsPadTheirRowsAndComeBack) {
  // 6 x 8: six column bytes a glyph vertical, eight row bytes horizontal
  // with the two low bits of each row byte zero.
  const Picture ell = {"#.....", "#.....", "#.....", "#.....",
                       "#.....", "#.....", "######", "......"};
  const Shape vertical{6, 8, 1};
  const auto bytes = test::PackPicture(ell, vertical);
  const auto rows = RepackFont(bytes, vertical.layout(), Turned(vertical).layout());
  EXPECT_EQ(rows, (std::vector<std::uint8_t>{0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0xFC, 0x00}));
  EXPECT_EQ(test::Rows(PixelPicture(Turned(vertical).layout(), rows)), ell);
  EXPECT_EQ(RepackFont(rows, Turned(vertical).layout(), vertical.layout()), bytes);
}

TEST(RepackFont, RepacksWholeGlyphsOnly) {
  std::vector<std::uint8_t> bytes(2 * 32 + 5);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
  const Layout v = test::Cell(16, 16, 1);
  const Layout h = test::Cell(16, 16, 0);
  const auto converted = RepackFont(bytes, v, h);
  ASSERT_EQ(converted.size(), 64U);  // the 5 bytes after the two glyphs are no glyph
  EXPECT_EQ(RepackFont(converted, h, v),
            std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 64));
  EXPECT_TRUE(RepackFont(bytes, test::Cell(32, 8, 1), h).empty());
}

TEST(ScanChangeNotice, NamesTheNewDirection) {
  EXPECT_EQ(ScanChangeNotice(1), "Для текущего шрифта установлен \rвертикальный вид  развертки");
  EXPECT_EQ(ScanChangeNotice(0), "Для текущего шрифта установлен \rгоризонтальный вид  развертки");
}

}  // namespace
}  // namespace zg
