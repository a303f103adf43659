#include "ops/erase_revert_clear.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "ops/shift.h"
#include "ops_test_support.h"

namespace zg {
namespace {

using test::Picture;
using test::Shape;

// A font full of glyphs with symbol `simb` selected and the font saved.
FontModel FilledFont(const Shape& s, int simb, unsigned rngStart = 11) {
  FontModel m = test::NewFont(s);
  std::mt19937 rng(rngStart);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < kSymbolCount * m.cb; ++i)
    m.glyphStore[i] = static_cast<std::uint8_t>(byte(rng));
  SelectSymbol(m, simb);
  m.nosave = 0;
  return m;
}

TEST(EraseGlyph, EmptiesTheCellAndCountsAsAnEdit) {
  for (const Shape& s : test::AllShapes()) {
    SCOPED_TRACE(test::Describe(s));
    FontModel m = FilledFont(s, 40);
    // Boxes outside the cell hold values of their own that erase must keep.
    for (int i = 0; i < kGridBoxes; ++i) {
      if (!m.pixelBoxVisible[i]) {
        m.pixelOn[i] = -1;
        m.pixelBoxColor[i] = 0x123456;
      }
    }
    const FontModel before = m;

    EraseGlyph(m);

    EXPECT_EQ(test::GlyphBytes(m, 40),
              std::vector<std::uint8_t>(static_cast<std::size_t>(m.cb), 0));
    EXPECT_EQ(test::GridPicture(m), test::EmptyPicture(s));
    EXPECT_TRUE(test::GridColoursAgree(m));
    EXPECT_EQ(m.symbols[40].fontSize, kEditedFontSize);
    EXPECT_TRUE(m.symbols[40].bold);
    EXPECT_EQ(m.nosave, 1);
    EXPECT_EQ(m.nosavesimb, 1);

    FontModel rest = m;
    test::SetGlyph(rest, 40, test::GlyphBytes(before, 40));
    for (int i = 0; i < kGridBoxes; ++i) {
      if (m.pixelBoxVisible[i]) {
        rest.pixelOn[i] = before.pixelOn[i];
        rest.pixelBoxColor[i] = before.pixelBoxColor[i];
      }
    }
    rest.symbols[40] = before.symbols[40];
    rest.nosave = before.nosave;
    rest.nosavesimb = before.nosavesimb;
    EXPECT_TRUE(rest == before);
  }
}

TEST(EraseGlyph, EmptyGlyphIsStillMarked) {
  FontModel m = test::NewFont({8, 8, 1});
  SelectSymbol(m, 3);
  EraseGlyph(m);
  EXPECT_TRUE(m.symbols[3].bold);
  EXPECT_EQ(m.nosave, 1);
  EXPECT_EQ(m.nosavesimb, 1);
}

TEST(RevertGlyph, NothingToRevertRightAfterSelection) {
  FontModel m = FilledFont({16, 16, 1}, 9);
  EXPECT_FALSE(CanRevert(m));
  const FontModel before = m;
  RevertGlyph(m);
  EXPECT_TRUE(m == before);

  // Cleared with the glyph unchanged: the backup differs from the store now,
  // yet there is still nothing to revert.
  ClearWholeFont(m);
  EXPECT_FALSE(CanRevert(m));
  const FontModel cleared = m;
  RevertGlyph(m);
  EXPECT_TRUE(m == cleared);
}

TEST(RevertGlyph, RestoresTheGlyphAsSelected) {
  for (const Shape& s : test::AllShapes()) {
    SCOPED_TRACE(test::Describe(s));
    FontModel m = FilledFont(s, 100);
    const auto atSelection = test::GlyphBytes(m, 100);
    const FontModel others = m;

    TogglePixel(m, 0);
    TogglePixel(m, kGridSide + 1);
    EraseGlyph(m);
    ASSERT_TRUE(CanRevert(m));
    RevertGlyph(m);

    EXPECT_EQ(test::GlyphBytes(m, 100), atSelection);
    EXPECT_EQ(test::GridPicture(m), test::Rows(PixelPicture(s.layout(), atSelection)));
    EXPECT_TRUE(test::GridColoursAgree(m));
    EXPECT_EQ(m.symbols[100].fontSize, kNormalFontSize);
    EXPECT_FALSE(m.symbols[100].bold);
    EXPECT_EQ(m.nosavesimb, 0);
    EXPECT_EQ(m.nosave, 1);
    EXPECT_FALSE(CanRevert(m));
    EXPECT_TRUE(m.glyphStore == others.glyphStore);

    // A second revert straight away has nothing to do.
    const FontModel afterFirst = m;
    RevertGlyph(m);
    EXPECT_TRUE(m == afterFirst);
  }
}

TEST(RevertGlyph, BackupIsTakenAtTheLatestSelection) {
  // Edits made before the latest selection are part of the backup.
  const Shape s{24, 16, 0};
  FontModel m = test::NewFont(s);
  SelectSymbol(m, 2);
  TogglePixel(m, 5 * kGridSide + 5);
  SelectSymbol(m, 2);  // again: new backup, pixel (5, 5) included
  ASSERT_TRUE(ShiftGlyph(m, ShiftDirection::Right));
  RevertGlyph(m);
  Picture want = test::EmptyPicture(s);
  want[5][5] = '#';
  EXPECT_EQ(test::Rows(PixelPicture(s.layout(), test::GlyphBytes(m, 2))), want);
  EXPECT_EQ(test::GridPicture(m), want);
}

TEST(ClearWholeFont, EmptiesEverythingAndKeepsTheFlags) {
  const std::pair<std::int16_t, std::int16_t> flags[] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  for (const Shape& s : test::AllShapes()) {
    for (const auto& [nosave, nosavesimb] : flags) {
      SCOPED_TRACE(test::Describe(s) + " nosave " + std::to_string(nosave) + " nosavesimb " +
                   std::to_string(nosavesimb));
      FontModel m = FilledFont(s, 17);
      m.glyphStore[kStoreSize - 1] = 0xA5;  // the byte behind the last glyph
      for (int i : {0, 17, 50, 223}) {
        m.symbols[i].fontSize = kEditedFontSize;
        m.symbols[i].bold = true;
      }
      m.symbols[50].backColor = kRed;  // a stale mark must go as well
      m.nosave = nosave;
      m.nosavesimb = nosavesimb;
      const FontModel before = m;

      ClearWholeFont(m);

      EXPECT_TRUE(std::all_of(m.glyphStore.begin(), m.glyphStore.end(),
                              [](std::uint8_t v) { return v == 0; }));
      for (int i = 0; i < kSymbolCount; ++i) {
        EXPECT_EQ(m.symbols[i].fontSize, kNormalFontSize) << i;
        EXPECT_FALSE(m.symbols[i].bold) << i;
        EXPECT_EQ(m.symbols[i].backColor, i == 17 ? kRed : kWhite) << i;
        EXPECT_EQ(m.symbols[i].locked, before.symbols[i].locked) << i;
      }
      EXPECT_EQ(test::GridPicture(m), test::EmptyPicture(s));
      EXPECT_TRUE(test::GridColoursAgree(m));
      // Parameters, selection, backup and flags are as they were.
      EXPECT_EQ(m.nosave, nosave);
      EXPECT_EQ(m.nosavesimb, nosavesimb);
      EXPECT_EQ(m.simb, 17);
      EXPECT_EQ(m.sb, before.sb);
      EXPECT_TRUE(m.glyphBackup == before.glyphBackup);
      EXPECT_EQ(
          std::tie(m.ncol, m.nstr, m.cb, m.vert, m.pos, m.oldsimb),
          std::tie(before.ncol, before.nstr, before.cb, before.vert, before.pos, before.oldsimb));
      EXPECT_TRUE(m.pixelBackColor == before.pixelBackColor);
      EXPECT_TRUE(m.pixelBoxVisible == before.pixelBoxVisible);
    }
  }
}

TEST(ClearWholeFont, RevertAfterClearBringsTheSelectedGlyphBack) {
  const Shape s{8, 8, 1};
  FontModel m = FilledFont(s, 6);
  const auto atSelection = test::GlyphBytes(m, 6);
  TogglePixel(m, kGridSide + 1);
  ClearWholeFont(m);
  ASSERT_TRUE(CanRevert(m));
  RevertGlyph(m);
  EXPECT_EQ(test::GlyphBytes(m, 6), atSelection);
  for (int i = 0; i < kSymbolCount * m.cb; ++i) {
    if (i / m.cb != 6) {
      ASSERT_EQ(m.glyphStore[i], 0) << i;
    }
  }
}

}  // namespace
}  // namespace zg
