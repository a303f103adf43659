#include <gtest/gtest.h>

#include "cells.h"
#include "fake_platform.h"
#include "model/codec.h"
#include "ui/form1.h"
#include "ui/form2.h"

namespace zg {
namespace {

using testing::CancelDialog;
using testing::FakePlatform;
using testing::PickSize;

struct DialogFixture {
  FakePlatform platform;
  Form2 dialog{"new", platform};
  std::string& tip = dialog.tip;
  // The confirmed cell as the window's parameters would show it.
  Layout Cell() const { return dialog.choice() ? dialog.choice()->layout : Layout{}; }
};

TEST(Form2Dialog, EverySizeSetsItsParametersAndScanOptions) {
  struct Row {
    const char* item;
    int ncol, nstr, cb;
    bool forcesVertical, horizontalShown;
  };
  const Row rows[] = {
      {"6 x 8", 6, 8, 6, true, false},      {"8 x 8", 8, 8, 8, false, true},
      {"12 x 16", 12, 16, 24, true, false}, {"16 x 16", 16, 16, 32, false, true},
      {"24 x 16", 24, 16, 48, true, true},  {"16 x 24", 16, 24, 48, false, true},
      {"24 x 24", 24, 24, 72, false, true},
  };
  for (const Row& row : rows) {
    for (bool horizontalFirst : {false, true}) {
      DialogFixture f;
      f.tip = "load";
      f.dialog.Load();
      if (horizontalFirst) f.dialog.Option2Click();
      f.dialog.Combo1Click(row.item);
      EXPECT_EQ(f.dialog.frm, row.item);
      EXPECT_EQ(f.dialog.state().option2Visible, row.horizontalShown) << row.item;
      const bool vertical = row.forcesVertical || !horizontalFirst;
      EXPECT_EQ(f.dialog.state().option1, vertical) << row.item;
      f.dialog.Command1Click();
      EXPECT_TRUE(f.dialog.state().closed);
      EXPECT_EQ(f.Cell().width, row.ncol);
      EXPECT_EQ(f.Cell().height, row.nstr);
      EXPECT_EQ(f.Cell().BytesPerGlyph(), row.cb);
      EXPECT_EQ(f.Cell().Vert(), vertical ? 1 : 0) << row.item;
      EXPECT_EQ(f.tip, "load");
    }
  }
}

TEST(Form2Dialog, OptionsFollowTheSizesPickedInTurn) {
  DialogFixture f;
  f.dialog.Load();
  f.dialog.Combo1Click("6 x 8");
  EXPECT_TRUE(f.dialog.state().option1);
  EXPECT_FALSE(f.dialog.state().option2Visible);
  f.dialog.Combo1Click("8 x 8");
  EXPECT_TRUE(f.dialog.state().option2Visible);
  EXPECT_TRUE(f.dialog.state().option1);
  f.dialog.Option2Click();
  f.dialog.Combo1Click("12 x 16");
  EXPECT_TRUE(f.dialog.state().option1);
  f.dialog.Combo1Click("no such size");
  EXPECT_EQ(f.dialog.frm, "12 x 16");
  f.dialog.Command1Click();
  EXPECT_EQ(f.Cell().Vert(), 1);
  EXPECT_EQ(f.Cell().width, 12);
}

TEST(Form2Dialog, OpensInTheModeItWasAskedFor) {
  DialogFixture f;
  f.dialog.Load();
  EXPECT_EQ(f.dialog.state().title, "Параметры создаваемого ЗГ:");
  EXPECT_EQ(f.dialog.state().command1Caption, "Создать");
  EXPECT_FALSE(f.dialog.state().check1Visible);
  EXPECT_TRUE(f.dialog.state().option1);
  EXPECT_TRUE(f.dialog.state().option2Visible);
  EXPECT_TRUE(f.dialog.state().combo1Text.empty());
  f.tip = "load";
  f.dialog.Load();
  EXPECT_EQ(f.dialog.state().title, "Параметры загружаемого ЗГ:");
  EXPECT_EQ(f.dialog.state().command1Caption, "Загрузить");
  EXPECT_TRUE(f.dialog.state().check1Visible);
  EXPECT_EQ(f.dialog.state().check1Value, 0);
}

TEST(Form2Dialog, ConfirmWithoutSizeWarnsAndStaysOpen) {
  DialogFixture f;
  f.dialog.Load();
  f.dialog.Option2Click();
  const Form2State before = f.dialog.state();
  f.dialog.Command1Click();
  ASSERT_EQ(f.platform.messages.size(), 1U);
  EXPECT_EQ(f.platform.messages[0], (MessageRequest{"Укажите формат знакоместа!", MsgButtons::Ok,
                                                    MsgIcon::None, "Редактор знакогенератора"}));
  EXPECT_EQ(f.dialog.state(), before);
  EXPECT_FALSE(f.dialog.choice());
}

TEST(Form2Dialog, CancelAndTheCloseBoxLeaveTheMainWindowAlone) {
  DialogFixture f;
  f.tip = "load";
  f.dialog.Load();
  f.dialog.Combo1Click("24 x 24");
  f.dialog.Check1Click(1);
  EXPECT_TRUE(f.dialog.QueryUnload(CloseReason::User));
  EXPECT_TRUE(f.dialog.QueryUnload(CloseReason::SystemShutdown));
  EXPECT_FALSE(f.dialog.state().closed);
  f.dialog.Command2Click();
  EXPECT_EQ(f.tip, "end");
  EXPECT_TRUE(f.dialog.state().closed);
  EXPECT_FALSE(f.dialog.choice());
}

TEST(Form2Dialog, TheNegativeBoxReachesTheMainWindowOnlyWhenConfirmed) {
  DialogFixture f;
  f.tip = "load";
  f.dialog.Load();
  f.dialog.Combo1Click("8 x 8");
  f.dialog.Check1Click(1);
  EXPECT_FALSE(f.dialog.choice());
  f.dialog.Command1Click();
  ASSERT_TRUE(f.dialog.choice());
  EXPECT_TRUE(f.dialog.choice()->negative);
}

TEST(Creation, EverySizeOpensAnEmptyFontWithItsCellShown) {
  for (const auto& size : kCellSizes) {
    for (bool horizontal : {false, true}) {
      if (horizontal && !test::WholeByteRows(size.ncol)) continue;
      FakePlatform platform;
      Form1 form(platform);
      form.Load();
      platform.dialogScripts.push_back(PickSize(size.name, horizontal));
      form.command1Click();
      const FontModel& m = form.model;
      EXPECT_EQ(m.ncol, size.ncol);
      EXPECT_EQ(m.nstr, size.nstr);
      EXPECT_EQ(m.cb, test::CellBytes(size));
      EXPECT_EQ(m.vert, horizontal ? 0 : 1);
      EXPECT_EQ(m.pos, -1);
      EXPECT_EQ(m.simb, 0);
      EXPECT_EQ(m.oldsimb, 0);
      EXPECT_EQ(m.sb, 0);
      EXPECT_EQ(m.nosavesimb, 0);
      EXPECT_EQ(std::count(m.glyphStore.begin(), m.glyphStore.end(), 0), kStoreSize);
      int visible = 0;
      for (int k = 0; k < kGridBoxes; ++k) {
        const bool inCell = k / 24 < size.nstr && k % 24 < size.ncol;
        EXPECT_EQ(m.pixelBoxVisible[k], inCell) << size.name << " box " << k;
        visible += m.pixelBoxVisible[k];
        if (inCell) {
          EXPECT_EQ(
              m.pixelBoxColor[k],
              IsMarginBox(k / 24, k % 24, test::Cell(size.ncol, size.nstr)) ? kYellow : kWhite);
        }
      }
      EXPECT_EQ(visible, size.ncol * size.nstr);
      EXPECT_EQ(form.window.label19Caption,
                std::string("Шрифт ") + std::to_string(size.ncol) + " x " +
                    std::to_string(size.nstr) +
                    (horizontal ? " горизонтальный" : " вертикальный  "));
      for (Ctl c : {Ctl::Label19, Ctl::Command3, Ctl::Command4, Ctl::Command5, Ctl::Command6,
                    Ctl::Command7, Ctl::Command8, Ctl::Command9, Ctl::Command10, Ctl::Command11,
                    Ctl::Frame2, Ctl::Check1, Ctl::Combo1, Ctl::Combo2})
        EXPECT_TRUE(form.window.IsVisible(c)) << DesignedControl(c).name;
      EXPECT_EQ(m.symbols[0].backColor, kRed);
      for (int i = 1; i < kSymbolCount; ++i) EXPECT_EQ(m.symbols[i].backColor, kWhite);
      EXPECT_FALSE(m.symbols[100].locked);
      ASSERT_EQ(platform.dialogsShown.size(), 1U);
      EXPECT_EQ(platform.dialogsShown[0].title, "Параметры создаваемого ЗГ:");
    }
  }
}

TEST(Creation, UnsavedWorkIsOnlyDiscardedAfterYes) {
  FakePlatform platform;
  Form1 form(platform);
  form.Load();
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  form.command1Click();
  EXPECT_TRUE(platform.messages.empty()) << "nothing to lose yet";
  form.picture1Click(0);
  ASSERT_EQ(form.model.nosave, 1);

  const FontModel model = form.model;
  const MainWindowState window = form.window;
  platform.answers = {MsgAnswer::No};
  form.command1Click();
  EXPECT_EQ(form.model, model);
  EXPECT_EQ(form.window, window);
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0],
            (MessageRequest{"Данные знакогенератора будут утеряны. Продолжить?", MsgButtons::YesNo,
                            MsgIcon::Warning, "Внимание!"}));

  platform.answers = {MsgAnswer::Yes};
  platform.dialogScripts.push_back(PickSize("16 x 16"));
  form.command1Click();
  EXPECT_EQ(form.model.ncol, 16);
  EXPECT_EQ(form.model.glyphStore[0], 0);
  EXPECT_EQ(form.model.nosave, 1) << "creation leaves nosave alone";
}

TEST(Creation, RevertAfterCreationRestoresTheEmptyGlyph) {
  FakePlatform platform;
  Form1 form(platform);
  form.Load();
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  form.command1Click();
  form.text1Click(7);
  form.picture1Click(0);
  platform.answers = {MsgAnswer::Yes};  // the unsaved pixel may go
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  form.command1Click();
  platform.messages.clear();
  form.command11Click();
  EXPECT_TRUE(platform.messages.empty()) << "nothing to revert right after creation";
  form.picture1Click(10);
  platform.answers = {MsgAnswer::Yes};
  form.command11Click();
  EXPECT_EQ(std::count(form.model.glyphStore.begin(), form.model.glyphStore.begin() + 8, 0), 8);
}

TEST(Creation, ANewFontIsPositiveAndTheCheckBoxSaysSo) {
  FakePlatform platform;
  Form1 form(platform);
  form.Load();
  form.setCheck1(1);
  EXPECT_EQ(form.model.pos, 0);
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  form.command1Click();
  EXPECT_EQ(form.window.check1Value, 0);
  EXPECT_EQ(form.model.pos, -1);
  EXPECT_FALSE(form.Document().negative);
}

}  // namespace
}  // namespace zg
