#include "model/editing.h"

#include <gtest/gtest.h>

#include "cells.h"
#include "model/codec.h"

namespace zg {
namespace {

FontModel OpenFont(int ncol, int nstr, int cb, int vert) {
  FontModel m;
  m.ncol = static_cast<std::int16_t>(ncol);
  m.nstr = static_cast<std::int16_t>(nstr);
  m.cb = static_cast<std::int16_t>(cb);
  m.vert = static_cast<std::int16_t>(vert);
  for (auto& box : m.symbols) box.locked = false;
  for (int r = 0; r < nstr; ++r)
    for (int c = 0; c < ncol; ++c) m.pixelBoxVisible[r * kGridSide + c] = true;
  LayoutGrid(m, test::Cell(ncol, nstr));
  m.symbols[0].backColor = kRed;
  return m;
}

TEST(Editing, SelectingASymbolMovesTheMarkTakesTheBackupAndDrawsIt) {
  FontModel m = OpenFont(8, 8, 8, 1);
  SelectSymbol(m, 3);
  m.glyphStore[3 * 8 + 1] = 0x0F;
  m.nosavesimb = 1;
  for (int n = 0; n < 8; ++n) m.glyphStore[5 * 8 + n] = static_cast<std::uint8_t>(n + 1);
  SelectSymbol(m, 5);
  EXPECT_EQ(m.oldsimb, 3);
  EXPECT_EQ(m.simb, 5);
  EXPECT_EQ(m.sb, 40);
  EXPECT_EQ(m.nb, 40);
  EXPECT_EQ(m.symbols[3].backColor, kWhite);
  EXPECT_EQ(m.symbols[5].backColor, kRed);
  EXPECT_EQ(m.nosavesimb, 0);
  for (int n = 0; n < 8; ++n) EXPECT_EQ(m.glyphBackup[n], n + 1);
  EXPECT_EQ(m.glyphStore[25], 0x0F) << "the glyph left keeps its bytes";
  EXPECT_EQ(m.pixelOn[0], -1);  // byte 0 = 01h: row 0 of column 0
  EXPECT_EQ(m.pixelOn[24], 0);

  // Clicking the current symbol again keeps it red and takes a new backup.
  m.glyphStore[40] = 0xFF;
  SelectSymbol(m, 5);
  EXPECT_EQ(m.symbols[5].backColor, kRed);
  EXPECT_EQ(m.glyphBackup[0], 0xFF);
}

TEST(Editing, ClicksBeforeAFontExistsOrOnHiddenBoxesChangeNothing) {
  FontModel fresh;
  const FontModel before = fresh;
  SelectSymbol(fresh, 10);   // locked
  TogglePixel(fresh, 0);     // hidden
  SelectSymbol(fresh, 224);  // out of range
  TogglePixel(fresh, 576);
  TogglePixel(fresh, -1);
  EXPECT_EQ(fresh, before);

  FontModel m = OpenFont(8, 8, 8, 1);
  const FontModel open = m;
  TogglePixel(m, 8);  // column 8 is outside an 8-wide cell
  EXPECT_EQ(m, open);
}

TEST(Editing, TogglingWritesOneBitAndMarksTheSymbol) {
  struct Case {
    int ncol, nstr, cb, vert, simb, box, index;
    std::uint8_t value;
    Color color;
  };
  const Case cases[] = {
      {8, 8, 8, 1, 1, 26, 10, 0x02, kBlue},  // row 1, column 2
      {8, 8, 8, 0, 0, 26, 1, 0x20, kBlue},
      {24, 24, 72, 1, 0, 575, 71, 0x80, kRed},  // margin box
      {24, 24, 72, 0, 0, 575, 71, 0x01, kRed},
      {8, 8, 8, 1, 0, 175, 7, 0x80, kRed},
  };
  for (const Case& c : cases) {
    FontModel m = OpenFont(c.ncol, c.nstr, c.cb, c.vert);
    SelectSymbol(m, c.simb);
    TogglePixel(m, c.box);
    EXPECT_EQ(m.glyphStore[c.index], c.value) << c.ncol << "x" << c.nstr << " vert " << c.vert;
    EXPECT_EQ(m.pixelBoxColor[c.box], c.color);
    EXPECT_EQ(m.pixelOn[c.box], -1);
    EXPECT_EQ(m.nosave, 1);
    EXPECT_EQ(m.nosavesimb, 1);
    EXPECT_EQ(m.symbols[c.simb].fontSize, kEditedFontSize);
    EXPECT_TRUE(m.symbols[c.simb].bold);
    EXPECT_EQ(m.symbols[c.simb].backColor, kRed);
    EXPECT_EQ(m.nb, c.index);
    TogglePixel(m, c.box);
    EXPECT_EQ(m.glyphStore[c.index], 0);
    EXPECT_EQ(m.pixelBoxColor[c.box], m.pixelBackColor[c.box]);
    EXPECT_EQ(std::count(m.glyphStore.begin(), m.glyphStore.end(), 0), kStoreSize);
  }
}

TEST(Editing, ABoxShowingOffWhileItsBitIsSetTurnsOnThenClearsTheBit) {
  FontModel m = OpenFont(8, 8, 8, 1);
  m.glyphStore[0] = 0x01;  // not drawn: the grid still shows the empty glyph
  TogglePixel(m, 0);
  EXPECT_EQ(m.glyphStore[0], 0x01);
  EXPECT_EQ(m.pixelOn[0], -1);
  TogglePixel(m, 0);
  EXPECT_EQ(m.glyphStore[0], 0x00);
  EXPECT_EQ(m.pixelBoxColor[0], kWhite);
}

TEST(Editing, TheNegativeBoxSetsPolarityOnly) {
  FontModel m = OpenFont(8, 8, 8, 1);
  m.glyphStore[0] = 0x3C;
  RenderGlyph(m, 0, 8, test::Cell(8, m.nstr, 1));
  const auto grid = m.pixelBoxColor;
  SetNegative(m, 1);
  EXPECT_EQ(m.pos, 0);
  SetNegative(m, 0);
  EXPECT_EQ(m.pos, -1);
  EXPECT_EQ(m.pixelBoxColor, grid);
  EXPECT_EQ(m.glyphStore[0], 0x3C);
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
