#include "ops/scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <numeric>
#include <random>
#include <sstream>

#include "cells.h"
#include "ops/erase_revert_clear.h"
#include "ops_test_support.h"

namespace zg {
namespace {

using test::Picture;
using test::Shape;

const Shape kConvertible[] = {{8, 8, 1},   {8, 8, 0},   {16, 16, 1}, {16, 16, 0}, {16, 24, 1},
                              {16, 24, 0}, {24, 16, 1}, {24, 16, 0}, {24, 24, 1}, {24, 24, 0}};

FontModel RandomFont(const Shape& s, std::mt19937& rng) {
  FontModel m = test::NewFont(s);
  std::uniform_int_distribution<int> byte(0, 255);
  for (auto& v : m.glyphStore) v = static_cast<std::uint8_t>(byte(rng));
  return m;
}

// The change done the long way: every glyph drawn on the grid in the old
// order and packed again box by box in the new one; the backup likewise.
FontModel ChangeScanByDrawing(FontModel m) {
  m.memsimb = m.simb;
  const std::int16_t vrt = m.vert == 1 ? 0 : 1;
  auto redraw = [&](FontModel& f, int sb) {
    RenderGlyph(f, sb, f.cb, LayoutOf(f));
    std::fill_n(f.glyphStore.begin() + sb, f.cb, std::uint8_t{0});
    for (int r = 0; r < f.nstr; ++r) {
      for (int c = 0; c < f.ncol; ++c) {
        const int box = r * kGridSide + c;
        if (f.pixelOn[box] == -1)
          StorePixelAt(f, sb, f.cb, test::Cell(f.ncol, f.nstr, vrt), box, true);
      }
    }
  };
  for (int s = 0; s < kSymbolCount; ++s) {
    m.simb = static_cast<std::int16_t>(s);
    m.sb = static_cast<std::int16_t>(s * m.cb);
    redraw(m, m.sb);
  }
  FontModel scratch = m;
  std::copy_n(m.glyphBackup.begin(), m.cb, scratch.glyphStore.begin());
  redraw(scratch, 0);
  std::copy_n(scratch.glyphStore.begin(), m.cb, m.glyphBackup.begin());

  m.simb = m.memsimb;
  m.oldsimb = 0;
  m.symbols[0].backColor = kWhite;
  m.symbols[m.simb].backColor = kRed;
  m.vert = vrt;
  m.sb = static_cast<std::int16_t>(m.simb * m.cb);
  RenderGlyph(m, m.sb, m.cb, LayoutOf(m));
  return m;
}

TEST(ChangeScan, GivesExactlyWhatDrawingAndPackingGives) {
  std::mt19937 rng(99);
  for (const Shape& s : kConvertible) {
    SCOPED_TRACE(test::Describe(s));
    FontModel m = RandomFont(s, rng);
    SelectSymbol(m, std::uniform_int_distribution<int>(0, kSymbolCount - 1)(rng));
    TogglePixel(m, kGridSide + 2);  // the backup now differs from the store
    m.oldsimb = 77;
    m.nosave = 0;
    m.symbols[30].bold = true;
    m.symbols[30].fontSize = kEditedFontSize;
    ASSERT_TRUE(CanChangeScan(m));
    const FontModel want = ChangeScanByDrawing(m);
    ChangeScan(m);
    EXPECT_TRUE(m == want);
  }
}

TEST(ChangeScan, TwoChangesGiveEveryByteBack) {
  std::mt19937 rng(5);
  for (const Shape& s : kConvertible) {
    SCOPED_TRACE(test::Describe(s));
    FontModel m = RandomFont(s, rng);
    SelectSymbol(m, 12);
    const FontModel before = m;
    ChangeScan(m);
    EXPECT_EQ(m.vert, s.vert == 1 ? 0 : 1);
    EXPECT_FALSE(m.glyphStore == before.glyphStore);
    ChangeScan(m);
    EXPECT_EQ(m.vert, s.vert);
    EXPECT_TRUE(m.glyphStore == before.glyphStore);
    EXPECT_TRUE(m.glyphBackup == before.glyphBackup);
    EXPECT_TRUE(m.pixelOn == before.pixelOn);
    EXPECT_TRUE(m.pixelBoxColor == before.pixelBoxColor);
  }
}

TEST(ChangeScan, KeepsPixelsWhereTheyAre) {
  std::mt19937 rng(8);
  for (const Shape& s : kConvertible) {
    SCOPED_TRACE(test::Describe(s));
    FontModel m = RandomFont(s, rng);
    const Shape after{s.ncol, s.nstr, s.vert == 1 ? 0 : 1};
    std::vector<Picture> pictures;
    for (int i = 0; i < kSymbolCount; ++i)
      pictures.push_back(test::Rows(PixelPicture(s.layout(), test::GlyphBytes(m, i))));
    ChangeScan(m);
    for (int i = 0; i < kSymbolCount; ++i) {
      ASSERT_EQ(test::Rows(PixelPicture(after.layout(), test::GlyphBytes(m, i))), pictures[i])
          << "glyph " << i;
    }
  }
}

TEST(ChangeScan, HandWorkedExamples) {
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
    FontModel m = test::NewFont(c.shape);
    m.glyphStore[c.byteBefore] = static_cast<std::uint8_t>(c.valueBefore);
    ChangeScan(m);
    std::vector<std::uint8_t> want(static_cast<std::size_t>(m.cb), 0);
    want[c.byteAfter] = static_cast<std::uint8_t>(c.valueAfter);
    EXPECT_EQ(test::GlyphBytes(m, 0), want);
    for (int i = m.cb; i < kStoreSize; ++i) ASSERT_EQ(m.glyphStore[i], 0) << i;
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

TEST(ChangeScan, ConvertsTheSampleFontsIntoEachOther) {
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
    const auto target = ReadDataLines(c.to);
    ASSERT_EQ(source.size(), static_cast<std::size_t>(kSymbolCount * test::BytesOf(c.shape)));
    ASSERT_EQ(target.size(), source.size());
    FontModel m = test::NewFont(c.shape);
    std::copy(source.begin(), source.end(), m.glyphStore.begin());
    ChangeScan(m);
    const std::vector<std::uint8_t> converted(
        m.glyphStore.begin(), m.glyphStore.begin() + static_cast<long>(source.size()));
    EXPECT_EQ(converted, target);
  }
}

TEST(ChangeScan, RefusesParametersThatAreNoCellOfTheGrid) {
  struct Case {
    const char* what;
    std::int16_t ncol, nstr, cb, vert;
  };
  const Case cases[] = {
      {"12 x 16 horizontal with the vertical byte count", 12, 16, 24, 0},
      {"16 x 8 with the 48 bytes a file name gives it", 16, 8, 48, 1},
      {"8 x 16 with 8 bytes", 8, 16, 8, 1},
      {"32 wide", 32, 8, 32, 1},
      {"no font yet", 0, 0, 0, 0},
  };
  std::mt19937 rng(1);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FontModel m = RandomFont({8, 8, 1}, rng);
    m.ncol = c.ncol;
    m.nstr = c.nstr;
    m.cb = c.cb;
    m.vert = c.vert;
    m.simb = 3;
    m.memsimb = 100;
    EXPECT_FALSE(CanChangeScan(m));
    FontModel want = m;
    want.memsimb = 3;  // the command notes the symbol before it tests the cell
    ChangeScan(m);
    EXPECT_TRUE(m == want);
  }
}

TEST(ChangeScan, SelectedSymbolStaysSelected) {
  for (int simb : {0, 5, 223}) {
    SCOPED_TRACE(simb);
    FontModel m = test::NewFont({24, 16, 1});
    m.glyphStore[simb * m.cb + 40] = 0x21;
    SelectSymbol(m, simb);
    m.oldsimb = 9;
    ChangeScan(m);
    EXPECT_EQ(m.simb, simb);
    EXPECT_EQ(m.memsimb, simb);
    EXPECT_EQ(m.oldsimb, 0);
    EXPECT_EQ(m.sb, simb * m.cb);
    for (int i = 0; i < kSymbolCount; ++i) {
      EXPECT_EQ(m.symbols[i].backColor, i == simb ? kRed : kWhite) << i;
    }
    // Byte 40 = band 1, column 16: pixels (8, 16) and (13, 16).
    Picture want = test::EmptyPicture({24, 16, 0});
    want[8][16] = want[13][16] = '#';
    EXPECT_EQ(test::GridPicture(m), want);
    EXPECT_TRUE(test::GridColoursAgree(m));
  }
}

TEST(ChangeScan, LeavesFlagsAndMarksAsTheyWere) {
  const std::pair<std::int16_t, std::int16_t> flags[] = {{0, 0}, {1, 1}, {0, 1}};
  for (const auto& [nosave, nosavesimb] : flags) {
    FontModel m = test::NewFont({16, 24, 0});
    m.symbols[4].bold = true;
    m.symbols[4].fontSize = kEditedFontSize;
    m.nosave = nosave;
    m.nosavesimb = nosavesimb;
    m.pos = 0;
    ChangeScan(m);
    EXPECT_EQ(m.nosave, nosave);
    EXPECT_EQ(m.nosavesimb, nosavesimb);
    EXPECT_EQ(m.pos, 0);
    EXPECT_TRUE(m.symbols[4].bold);
    EXPECT_EQ(m.symbols[4].fontSize, kEditedFontSize);
    // An empty font stays empty.
    EXPECT_TRUE(std::all_of(m.glyphStore.begin(), m.glyphStore.end(),
                            [](std::uint8_t v) { return v == 0; }));
  }
}

TEST(ChangeScan, RevertAfterwardsRestoresTheGlyphInTheNewLayout) {
  for (const Shape& s : kConvertible) {
    SCOPED_TRACE(test::Describe(s));
    std::mt19937 rng(21);
    FontModel m = RandomFont(s, rng);
    SelectSymbol(m, 60);
    const Picture atSelection = test::Rows(PixelPicture(s.layout(), test::GlyphBytes(m, 60)));
    TogglePixel(m, 0);
    TogglePixel(m, 3 * kGridSide + 4);
    ChangeScan(m);
    ASSERT_TRUE(CanRevert(m));
    RevertGlyph(m);
    const Shape now{s.ncol, s.nstr, m.vert};
    EXPECT_EQ(test::Rows(PixelPicture(now.layout(), test::GlyphBytes(m, 60))), atSelection);
    EXPECT_EQ(test::GridPicture(m), atSelection);
  }
}

TEST(ScanChangeNotice, NamesTheNewDirection) {
  EXPECT_EQ(ScanChangeNotice(1), "Для текущего шрифта установлен \rвертикальный вид  развертки");
  EXPECT_EQ(ScanChangeNotice(0), "Для текущего шрифта установлен \rгоризонтальный вид  развертки");
}

TEST(ChangeScan, NarrowCellsPadTheirRowsAndComeBack) {
  // 6 x 8: six column bytes a glyph vertical, eight row bytes horizontal
  // with the two low bits of each row byte zero.
  FontModel m = test::NewFont({6, 8, 1});
  const Picture ell = {"#.....", "#.....", "#.....", "#.....",
                       "#.....", "#.....", "######", "......"};
  const auto vertical = test::PackPicture(ell, {6, 8, 1});
  test::SetGlyph(m, 0, vertical);
  test::SetGlyph(m, 223, vertical);
  ChangeScan(m);
  ASSERT_EQ(m.vert, 0);
  ASSERT_EQ(m.cb, 8);
  EXPECT_EQ(test::Rows(PixelPicture(test::Cell(6, 8, 0), test::GlyphBytes(m, 223))), ell);
  EXPECT_EQ(test::GlyphBytes(m, 0),
            (std::vector<std::uint8_t>{0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0xFC, 0x00}));
  ChangeScan(m);
  EXPECT_EQ(m.cb, 6);
  EXPECT_EQ(test::GlyphBytes(m, 223), vertical);
  EXPECT_TRUE(std::all_of(m.glyphStore.begin() + kSymbolCount * 6, m.glyphStore.end(),
                          [](std::uint8_t v) { return v == 0; }));
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

}  // namespace
}  // namespace zg
