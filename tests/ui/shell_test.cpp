#include <gtest/gtest.h>

#include "fake_platform.h"
#include "ui/form1.h"
#include "ui/symbol_text.h"
#include "ui/texts.h"

namespace zg {
namespace {

using testing::FakePlatform;

TEST(Shell, StartUpLeavesTheNoFontState) {
  FakePlatform platform;
  Form1 form(platform);
  form.Load();
  for (Ctl c : {Ctl::Command1, Ctl::Command2, Ctl::Label2, Ctl::Label3, Ctl::Label18})
    EXPECT_TRUE(form.window.IsVisible(c)) << DesignedControl(c).name;
  for (Ctl c : {Ctl::Frame2, Ctl::Command3, Ctl::Command4, Ctl::Command5, Ctl::Command6,
                Ctl::Command7, Ctl::Command8, Ctl::Command9, Ctl::Command10, Ctl::Command11,
                Ctl::Label19, Ctl::Check1, Ctl::Combo1, Ctl::Combo2})
    EXPECT_FALSE(form.window.IsVisible(c)) << DesignedControl(c).name;
  EXPECT_EQ(form.window.check1Value, 0);
  EXPECT_EQ(form.window.combo1Text, "Data code");
  EXPECT_EQ(form.window.combo2Text, "&hNN");
  EXPECT_EQ(form.model.nosave, 0);
  for (const auto& box : form.model.symbols) {
    EXPECT_TRUE(box.locked);
    EXPECT_EQ(box.backColor, kWhite);
    EXPECT_EQ(box.fontSize, 10);
    EXPECT_FALSE(box.bold);
  }
  EXPECT_TRUE(std::none_of(form.model.pixelBoxVisible.begin(), form.model.pixelBoxVisible.end(),
                           [](bool v) { return v; }));
  // Locked boxes ignore clicks; hidden pixel boxes too.
  const FontModel before = form.model;
  form.text1Click(5);
  form.picture1Click(0);
  EXPECT_EQ(form.model, before);
  EXPECT_TRUE(platform.messages.empty());
}

TEST(Shell, SymbolBoxesShowWindows1251Characters) {
  EXPECT_EQ(Form1::SymbolText(0), " ");
  EXPECT_EQ(Form1::SymbolText(33), "A");
  EXPECT_EQ(Form1::SymbolText(160), "А");
  EXPECT_EQ(Form1::SymbolText(192), "а");
  EXPECT_EQ(Form1::SymbolText(223), "я");
  EXPECT_EQ(Form1::SymbolText(0xA8 - 0x20), "Ё");
  EXPECT_EQ(Form1::SymbolText(0xB9 - 0x20), "№");
}

TEST(Shell, SymbolBoxesFollowTheCodePage) {
  EXPECT_EQ(SymbolText(CodePage::Windows1252, 0xC0 - 0x20), "À");
  EXPECT_EQ(SymbolText(CodePage::Koi8R, 0xC1 - 0x20), "а");
  EXPECT_EQ(SymbolText(CodePage::Windows1251, 0x98 - 0x20), "");  // undefined: an empty box
  EXPECT_EQ(SymbolText(CodePage::Windows1251, -1), "");
  EXPECT_EQ(SymbolText(CodePage::Windows1251, kSymbolCount), "");
}

TEST(Shell, WideScreensKeepTheDesignedLayout) {
  for (int pixels : {1920, 1440}) {  // 1440 px is exactly 21600 twips
    FakePlatform platform;
    platform.screenWidthPixels = pixels;
    Form1 form(platform);
    form.Load();
    EXPECT_FLOAT_EQ(form.layout.kscr, 1.0F);
    EXPECT_DOUBLE_EQ(form.layout.windowWidth, 12645);
    EXPECT_DOUBLE_EQ(form.layout.windowHeight, 7935);
    EXPECT_EQ(form.layout.symbolBoxes[17], (Rect{1080, 1080, 375, 375}));
    EXPECT_EQ(form.layout.pixelBoxes[0], (Rect{7140, 735, 220, 220}));
    EXPECT_EQ(form.layout.controls[static_cast<int>(Ctl::Command5)], (Rect{5040, 7035, 1470, 612}));
  }
}

TEST(Shell, SmallScreensShrinkEveryControlBy085) {
  FakePlatform platform;
  platform.screenWidthPixels = 1280;
  Form1 form(platform);
  form.Load();
  const ScaledLayout& l = form.layout;
  EXPECT_FLOAT_EQ(l.kscr, 0.85F);
  const double eps = 0.01;
  EXPECT_NEAR(l.symbolBoxes[17].left, 918, eps);
  EXPECT_NEAR(l.symbolBoxes[17].top, 918, eps);
  EXPECT_NEAR(l.symbolBoxes[17].width, 318.75, eps);
  EXPECT_NEAR(l.pixelBoxes[0].left, 6069, eps);
  EXPECT_NEAR(l.pixelBoxes[0].top, 624.75, eps);
  EXPECT_NEAR(l.windowWidth, 12645 * 0.867, 0.1);
  EXPECT_NEAR(l.windowHeight, 7935 * 0.85, 0.1);
  const auto& line7 = l.lines[6];
  EXPECT_NEAR(line7[0], 10531.5, eps);
  EXPECT_NEAR(line7[1], 178.5, eps);
  EXPECT_NEAR(line7[2], 10531.5, eps);
  EXPECT_NEAR(line7[3], 5533.5, eps);
  // Controls inside the frame keep their place relative to it.
  EXPECT_NEAR(l.controls[static_cast<int>(Ctl::Combo2)].top, 960 * 0.85, eps);
  // Fonts shrink, the credit line twice, the symbol boxes never.
  EXPECT_NEAR(l.fontSizes[static_cast<int>(Ctl::Command1)], 8.25 * 0.85, eps);
  EXPECT_NEAR(l.fontSizes[static_cast<int>(Ctl::Label18)], 6.75 * 0.85 * 1.2 * 0.85, eps);
  EXPECT_EQ(l.symbolFontSize, 10);
}

TEST(Shell, HeadingsReadTheirCodes) {
  const auto headings = DesignedHeadings();
  ASSERT_EQ(headings.size(), 30U);
  EXPECT_EQ(headings[0].caption, "0   ");
  EXPECT_EQ(headings[12].caption, "C  ");
  EXPECT_EQ(headings[15].caption, "F   ");
  EXPECT_EQ(headings[15].rect.top, 444);
  EXPECT_EQ(headings[16].caption, "20h");
  EXPECT_EQ(headings[29].caption, "F0h");
  EXPECT_EQ(headings[29].rect.top, 5520);
}

TEST(Shell, ClosingAsksOnlyWhileThereAreUnsavedChanges) {
  FakePlatform platform;
  Form1 form(platform);
  form.Load();
  EXPECT_FALSE(form.QueryUnload(CloseReason::User));
  EXPECT_TRUE(platform.messages.empty());

  platform.dialogScripts.push_back(testing::PickSize("8 x 8"));
  form.command1Click();
  form.picture1Click(0);  // unsaved work
  EXPECT_FALSE(form.QueryUnload(CloseReason::Program));
  EXPECT_TRUE(platform.messages.empty());

  for (CloseReason reason :
       {CloseReason::User, CloseReason::SystemShutdown, CloseReason::TaskManager}) {
    platform.answers = {MsgAnswer::No};
    const FontModel before = form.model;
    EXPECT_TRUE(form.QueryUnload(reason));
    EXPECT_EQ(form.model, before);
    platform.answers = {MsgAnswer::Yes};
    EXPECT_FALSE(form.QueryUnload(reason));
  }
  ASSERT_EQ(platform.messages.size(), 6U);
  EXPECT_EQ(platform.messages[0],
            (MessageRequest{"Несохраненные данные будут потеряны. Продолжить?", MsgButtons::YesNo,
                            MsgIcon::Warning, "Внимание!"}));
}

}  // namespace
}  // namespace zg
