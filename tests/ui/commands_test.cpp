#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zg
