#include <gtest/gtest.h>

#include <array>
#include <random>
#include <span>
#include <utility>
#include <vector>

#include "cells.h"
#include "fake_platform.h"
#include "ui/form1.h"

namespace zg {
namespace {

using testing::FakePlatform;
using testing::PickSize;

using testing::Editor;

MessageRequest Question(const char* text) {
  return {text, MsgButtons::YesNo, MsgIcon::Warning, "Внимание!"};
}

// Every cell a font can be created in, with its scans.
std::vector<std::pair<CellSize, bool>> Cells() {
  std::vector<std::pair<CellSize, bool>> cells;
  for (const CellSize& size : kCellSizes) {
    cells.emplace_back(size, false);
    if (test::WholeByteRows(size.ncol)) cells.emplace_back(size, true);
  }
  return cells;
}

std::string Describe(const std::pair<CellSize, bool>& cell) {
  return std::string(cell.first.name) + (cell.second ? " horizontal" : " vertical");
}

// A font of random glyphs as just read (saved), symbol `symbol` current.
struct Filled : Editor {
  Filled(const std::pair<CellSize, bool>& cell, int symbol) : Editor(cell.first.name, cell.second) {
    std::mt19937 rng(11);
    SetGlyphs([&rng](auto& glyphs) {
      for (auto& b : glyphs) b = static_cast<std::uint8_t>(rng());
    });
    form.text1Click(symbol);
  }
  void Answer(MsgAnswer a) { platform.answers.push_back(a); }
};

// The glyph with the pixels (x, y) lit.
std::vector<std::uint8_t> Dots(const Layout& layout,
                               std::initializer_list<std::pair<int, int>> xy) {
  std::vector<std::uint8_t> glyph(static_cast<std::size_t>(layout.BytesPerGlyph()), 0);
  for (const auto& [x, y] : xy) SetPixel(layout, glyph, x, y, true);
  return glyph;
}

TEST(Commands, EraseAlwaysAsksAndNoChangesNothing) {
  Editor e("8 x 8");
  e.form.picture1Click(25);  // row 1, column 1
  ASSERT_EQ(e.form.model.glyphStore[1], 0x02);
  const FontModel before = e.form.model;
  e.platform.answers = {MsgAnswer::No};
  e.form.command3Click();
  EXPECT_EQ(e.form.model, before);
  e.platform.answers = {MsgAnswer::Yes};
  e.form.command3Click();
  EXPECT_EQ(e.form.model.glyphStore[1], 0);
  EXPECT_EQ(e.form.model.pixelBoxColor[25], kWhite);
  EXPECT_EQ(e.form.model.nosavesimb, 1);
  ASSERT_EQ(e.platform.messages.size(), 2U);
  EXPECT_EQ(e.platform.messages[0], Question("Знакоместо будет очищено. Продолжить?"));
}

TEST(Commands, RevertAsksOnlyWhenThereIsSomethingToRevert) {
  Editor e("16 x 16");
  e.form.command11Click();
  EXPECT_TRUE(e.platform.messages.empty());
  e.form.picture1Click(30);
  e.platform.answers = {MsgAnswer::No};
  e.form.command11Click();
  EXPECT_EQ(e.form.model.nosavesimb, 1);
  e.platform.answers = {MsgAnswer::Yes};
  e.form.command11Click();
  EXPECT_EQ(e.form.model.nosavesimb, 0);
  EXPECT_EQ(e.form.model.symbols[0].fontSize, 10);
  EXPECT_EQ(std::count(e.form.model.glyphStore.begin(), e.form.model.glyphStore.end(), 0),
            kStoreSize);
  ASSERT_EQ(e.platform.messages.size(), 2U);
  EXPECT_EQ(e.platform.messages[1],
            Question("Будет восстановлено исходное начертание символа. Продолжить?"));
  e.form.command11Click();
  EXPECT_EQ(e.platform.messages.size(), 2U) << "a second revert does nothing";
}

TEST(Commands, ClearAsksOnlyWithUnsavedChanges) {
  Editor e("8 x 8");
  e.form.text1Click(4);
  e.SetGlyphs([](auto& g) { g[100] = 9; });
  e.form.command4Click();  // nosave = 0: no question
  EXPECT_TRUE(e.platform.messages.empty());
  EXPECT_EQ(e.form.model.glyphStore[100], 0);

  e.form.picture1Click(0);
  const FontModel before = e.form.model;
  e.platform.answers = {MsgAnswer::No};
  e.form.command4Click();
  EXPECT_EQ(e.form.model, before);
  e.platform.answers = {MsgAnswer::Yes};
  e.form.command4Click();
  EXPECT_EQ(e.form.model.glyphStore[32], 0);
  EXPECT_EQ(e.form.model.symbols[4].backColor, kRed);
  EXPECT_FALSE(e.form.model.symbols[4].bold);
  EXPECT_EQ(e.form.model.nosave, 1);
  EXPECT_EQ(e.platform.messages[0], Question("Данные знакогенератора будут утеряны. Продолжить?"));
}

TEST(Commands, ShiftsMoveTheGlyphSilently) {
  Editor e("8 x 8");
  e.form.picture1Click(0);  // row 0, column 0
  e.form.command6Click();   // up: refused, the pixel is in row 0
  EXPECT_EQ(e.form.model.glyphStore[0], 0x01);
  e.form.command7Click();  // down
  EXPECT_EQ(e.form.model.glyphStore[0], 0x02);
  e.form.command9Click();  // right
  EXPECT_EQ(e.form.model.glyphStore[1], 0x02);
  e.form.command8Click();  // left
  EXPECT_EQ(e.form.model.glyphStore[0], 0x02);
  EXPECT_EQ(e.form.model.pixelOn[24], -1);
  EXPECT_TRUE(e.platform.messages.empty());
}

TEST(Commands, ScanChangeWorksForNarrowCellsAndAnnouncesTheNewScan) {
  {
    // 12 x 16: 24 column bytes a glyph become 16 rows of two bytes, padded.
    Editor e("12 x 16");
    e.form.text1Click(1);
    e.form.picture1Click(11);  // pixel (0, 11)
    e.form.command10Click();
    EXPECT_EQ(e.form.model.vert, 0);
    EXPECT_EQ(e.form.model.cb, 32);
    EXPECT_EQ(e.form.model.glyphStore[32 + 1], 0x10);
    EXPECT_EQ(e.form.model.pixelOn[11], -1);
    EXPECT_EQ(e.platform.messages.at(0).icon, MsgIcon::Information);
    e.form.undoClick();
    EXPECT_EQ(e.form.model.cb, 24);
    EXPECT_EQ(e.form.model.glyphStore[24 + 11], 0x01);
  }
  Editor e("24 x 16");
  e.form.text1Click(5);
  e.form.picture1Click(1);
  e.form.command10Click();
  EXPECT_EQ(e.form.model.vert, 0);
  EXPECT_EQ(e.form.window.label19Caption, "Шрифт 24 x 16 горизонтальный");
  ASSERT_EQ(e.platform.messages.size(), 1U);
  EXPECT_EQ(e.platform.messages[0],
            (MessageRequest{"Для текущего шрифта установлен \rгоризонтальный вид  развертки",
                            MsgButtons::Ok, MsgIcon::Information, "Информация"}));
  EXPECT_EQ(e.form.model.glyphStore[5 * 48], 0x40);  // pixel (0,1): bit 6 of row 0's first byte
  EXPECT_EQ(e.form.model.simb, 5);
  EXPECT_EQ(e.form.model.symbols[5].backColor, kRed);
  e.form.command10Click();
  EXPECT_EQ(e.form.window.label19Caption, "Шрифт 24 x 16 вертикальный  ");
  EXPECT_EQ(e.platform.messages[1].text,
            "Для текущего шрифта установлен \rвертикальный вид  развертки");
  EXPECT_EQ(e.form.model.glyphStore[5 * 48 + 1], 0x01);
}

TEST(Commands, EraseEmptiesTheCurrentGlyphOnlyAndMarksItEvenWhenItWasEmpty) {
  for (const auto& cell : Cells()) {
    SCOPED_TRACE(Describe(cell));
    Filled e(cell, 40);
    FontDocument want = e.Doc();
    std::ranges::fill(want.Glyph(40), std::uint8_t{0});
    e.Answer(MsgAnswer::Yes);
    e.form.command3Click();
    EXPECT_EQ(e.Doc(), want);
    EXPECT_EQ(e.Grid().find('#'), std::string::npos);
    EXPECT_TRUE(e.form.model.symbols[40].bold);
    EXPECT_EQ(e.form.model.nosave, 1);
    EXPECT_EQ(e.form.model.nosavesimb, 1);
  }
  Editor e("8 x 8");
  e.form.text1Click(3);
  e.platform.answers = {MsgAnswer::Yes};
  e.form.command3Click();
  EXPECT_TRUE(e.form.model.symbols[3].bold);
  EXPECT_EQ(e.form.model.nosavesimb, 1);
}

TEST(Commands, RevertGivesBackTheGlyphAsItWasAtItsLatestSelection) {
  for (const auto& cell : Cells()) {
    SCOPED_TRACE(Describe(cell));
    Filled e(cell, 100);
    const FontDocument atSelection = e.Doc();
    e.form.picture1Click(0);
    e.form.picture1Click(kGridSide + 1);
    e.Answer(MsgAnswer::Yes);
    e.form.command3Click();
    e.Answer(MsgAnswer::Yes);
    e.form.command11Click();
    EXPECT_EQ(e.Doc(), atSelection);
    EXPECT_EQ(e.Grid(), e.Glyph(100));
    EXPECT_FALSE(e.form.model.symbols[100].bold);
    EXPECT_EQ(e.form.model.nosavesimb, 0);
    EXPECT_EQ(e.form.model.nosave, 1);
  }
  // A pixel drawn before the symbol is selected again belongs to its backup.
  Editor e("24 x 16", true);
  e.form.text1Click(2);
  e.form.picture1Click(5 * kGridSide + 5);
  e.form.text1Click(2);
  e.form.command9Click();
  e.platform.answers = {MsgAnswer::Yes};
  e.form.command11Click();
  EXPECT_EQ(e.Glyph(2), PixelPicture(e.Doc().layout, Dots(e.Doc().layout, {{5, 5}})));
  EXPECT_EQ(e.Grid(), e.Glyph(2));
}

TEST(Commands, ClearEmptiesEveryGlyphAndMarkAndARevertBringsTheSelectedGlyphBack) {
  Filled e({kCellSizes[1], false}, 0);
  for (int symbol : {0, 50, 223, 17}) {
    e.form.text1Click(symbol);
    e.form.picture1Click(kGridSide + 1);
  }
  e.form.text1Click(17);  // the pixel drawn in 17 is part of its backup now
  const std::string atSelection = e.Glyph(17);
  e.form.picture1Click(0);
  e.Answer(MsgAnswer::Yes);
  e.form.command4Click();
  EXPECT_TRUE(std::ranges::all_of(e.Doc().glyphs, [](std::uint8_t b) { return b == 0; }));
  for (int i = 0; i < kSymbolCount; ++i) {
    EXPECT_FALSE(e.form.model.symbols[i].bold) << i;
    EXPECT_EQ(e.form.model.symbols[i].backColor, i == 17 ? kRed : kWhite) << i;
  }
  EXPECT_EQ(e.Grid().find('#'), std::string::npos);
  EXPECT_EQ(e.form.model.nosavesimb, 1);
  e.Answer(MsgAnswer::Yes);
  e.form.command11Click();
  EXPECT_EQ(e.Glyph(17), atSelection);
  FontDocument want = e.Doc();
  std::ranges::fill(want.Glyph(17), std::uint8_t{0});
  EXPECT_TRUE(std::ranges::all_of(want.glyphs, [](std::uint8_t b) { return b == 0; }));

  // A glyph that was not edited since its selection has nothing to revert
  // after a clear either.
  Filled saved({kCellSizes[3], false}, 9);
  saved.form.command4Click();
  saved.form.command11Click();
  EXPECT_TRUE(saved.platform.messages.empty());
  EXPECT_EQ(saved.form.model.nosavesimb, 0);
}

TEST(Commands, AShiftMarksTheGlyphAndMovesNothingElse) {
  for (const bool horizontal : {false, true}) {
    Filled e({kCellSizes[3], horizontal}, 0);
    const Layout layout = e.Doc().layout;
    e.SetGlyphs([&layout](auto& glyphs) {
      const auto five = Dots(layout, {{3, 7}, {8, 7}, {4, 0}});
      std::ranges::copy(five, glyphs.begin() + 5 * layout.BytesPerGlyph());
    });
    e.form.text1Click(5);
    FontDocument want = e.Doc();
    std::ranges::copy(Dots(layout, {{3, 8}, {8, 8}, {4, 1}}), want.Glyph(5).begin());
    e.form.command7Click();
    EXPECT_EQ(e.Doc(), want) << horizontal;
    EXPECT_EQ(e.Grid(), e.Glyph(5));
    EXPECT_TRUE(e.form.model.symbols[5].bold);
    EXPECT_EQ(e.form.model.nosave, 1);
    EXPECT_EQ(e.form.model.nosavesimb, 1);
  }
  // An empty glyph moves nowhere yet counts as edited.
  Editor e("24 x 24");
  const std::array<void (Form1::*)(), 4> shifts{&Form1::command6Click, &Form1::command7Click,
                                                &Form1::command8Click, &Form1::command9Click};
  for (int symbol = 0; symbol < 4; ++symbol) {
    e.form.text1Click(symbol);
    (e.form.*shifts[static_cast<std::size_t>(symbol)])();
    EXPECT_TRUE(e.form.model.symbols[symbol].bold) << symbol;
    EXPECT_EQ(e.form.model.nosavesimb, 1) << symbol;
  }
}

TEST(Commands, ARefusedShiftChangesNothingAtAll) {
  for (const auto& cell : Cells()) {
    SCOPED_TRACE(Describe(cell));
    Filled e(cell, 0);
    // Symbol 5: a frame around the cell, no shift has room.
    const Layout layout = e.Doc().layout;
    e.SetGlyphs([&layout](auto& glyphs) {
      const auto glyph =
          std::span(glyphs).subspan(static_cast<std::size_t>(5 * layout.BytesPerGlyph()),
                                    static_cast<std::size_t>(layout.BytesPerGlyph()));
      for (int y = 0; y < layout.height; ++y) {
        for (int x = 0; x < layout.width; ++x) {
          SetPixel(layout, glyph, x, y,
                   x == 0 || y == 0 || x == layout.width - 1 || y == layout.height - 1);
        }
      }
    });
    e.form.text1Click(5);
    const FontModel model = e.form.model;
    const MainWindowState window = e.form.window;
    const MenuStates menus = e.form.Menus();
    const auto steps = e.form.history().StepCount();
    e.form.command6Click();
    e.form.command7Click();
    e.form.command8Click();
    e.form.command9Click();
    EXPECT_EQ(e.form.model, model);
    EXPECT_EQ(e.form.window, window);
    EXPECT_EQ(e.form.Menus(), menus);
    EXPECT_EQ(e.form.history().StepCount(), steps);
    EXPECT_TRUE(e.platform.messages.empty());
  }
}

TEST(Commands, AScanChangeKeepsSelectionMarksAndTheChangedFlagAndARevertFollowsIt) {
  for (const auto& cell : Cells()) {
    SCOPED_TRACE(Describe(cell));
    Filled e(cell, 4);
    e.form.picture1Click(0);  // symbol 4 marked
    e.form.setCheck1(1);
    e.form.text1Click(223);
    const std::string atSelection = e.Glyph(223);
    e.form.picture1Click(0);
    e.form.picture1Click(3 * kGridSide + 4);
    std::vector<std::string> pictures;
    for (int i = 0; i < kSymbolCount; ++i) pictures.push_back(e.Glyph(i));
    const FontDocument before = e.Doc();

    e.form.command10Click();
    EXPECT_NE(e.Doc().layout.scan, before.layout.scan);
    for (int i = 0; i < kSymbolCount; ++i) ASSERT_EQ(e.Glyph(i), pictures[i]) << i;
    EXPECT_EQ(e.form.model.simb, 223);
    for (int i = 0; i < kSymbolCount; ++i) {
      EXPECT_EQ(e.form.model.symbols[i].backColor, i == 223 ? kRed : kWhite) << i;
      EXPECT_EQ(e.form.model.symbols[i].bold, i == 4 || i == 223) << i;
    }
    EXPECT_EQ(e.form.model.nosavesimb, 1);
    EXPECT_EQ(e.form.window.check1Value, 1);
    EXPECT_EQ(e.Grid(), pictures[223]);
    e.form.command10Click();
    EXPECT_EQ(e.Doc(), before) << "back to the first scan, every byte as it was";

    e.form.command10Click();
    e.Answer(MsgAnswer::Yes);
    e.form.command11Click();
    EXPECT_EQ(e.Glyph(223), atSelection);
    EXPECT_EQ(e.Grid(), atSelection);
  }
}

TEST(Commands, NoScanChangeWithoutAFont) {
  Editor e;
  const FontModel before = e.form.model;
  e.form.command10Click();
  ASSERT_EQ(e.platform.messages.size(), 1U);
  EXPECT_EQ(e.platform.messages[0],
            (MessageRequest{"Изменение вида развертки невозможно", MsgButtons::Ok, MsgIcon::Warning,
                            "Внимание!"}));
  EXPECT_EQ(e.form.model, before);
  EXPECT_FALSE(e.form.HasFont());
}

}  // namespace
}  // namespace zg
