// Undo and redo of every kind of change, against whole copies of the font.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "fake_platform.h"
#include "ui/form1.h"

namespace zg {
namespace {

using testing::FakePlatform;
using testing::PickSize;

// Every test here starts from a new 16 x 16 font.
struct Editor : testing::Editor {
  Editor() : testing::Editor("16 x 16") {}
  std::string UndoText() const { return At(form.Menus(), MenuCommand::Undo).text; }
};

// Each kind of step, from a font with a few pixels drawn in symbol 3.
struct StepKind {
  const char* name;
  std::function<void(Editor&)> act;
};

const std::vector<StepKind>& Kinds() {
  static const std::vector<StepKind> kinds{
      {"изменение точки", [](Editor& e) { e.form.picture1Click(50); }},
      {"сдвиг вверх", [](Editor& e) { e.form.command6Click(); }},
      {"сдвиг вниз", [](Editor& e) { e.form.command7Click(); }},
      {"сдвиг влево", [](Editor& e) { e.form.command8Click(); }},
      {"сдвиг вправо", [](Editor& e) { e.form.command9Click(); }},
      {"стирание символа",
       [](Editor& e) {
         e.platform.answers.push_back(MsgAnswer::Yes);
         e.form.command3Click();
       }},
      {"откат символа",
       [](Editor& e) {
         e.platform.answers.push_back(MsgAnswer::Yes);
         e.form.command11Click();
       }},
      {"очистка шрифта",
       [](Editor& e) {
         e.platform.answers.push_back(MsgAnswer::Yes);
         e.form.command4Click();
       }},
      {"изменение развертки", [](Editor& e) { e.form.command10Click(); }},
      {"признак негатива", [](Editor& e) { e.form.setCheck1(1); }},
      {"импорт знакогенератора",
       [](Editor& e) {
         e.platform.answers.push_back(MsgAnswer::Yes);
         e.platform.openPaths.push_back(std::string(ZG_TEST_DATA_DIR) + "/Font08x08vp.fnt");
         e.form.command2Click();
       }},
      {"создание знакогенератора",
       [](Editor& e) {
         e.platform.answers.push_back(MsgAnswer::Yes);
         e.platform.dialogScripts.push_back(PickSize("6 x 8"));
         e.form.command1Click();
       }},
  };
  return kinds;
}

void Draw(Editor& e) {
  e.form.text1Click(3);
  for (int box : {100, 101, 125, 150}) e.form.picture1Click(box);
}

TEST(History, EachKindOfStepUndoesAndRedoesToEqualDocuments) {
  for (const StepKind& kind : Kinds()) {
    Editor e;
    Draw(e);
    const FontDocument before = e.Doc();
    const int simb = e.form.model.simb;
    kind.act(e);
    const FontDocument after = e.Doc();
    ASSERT_NE(after, before) << kind.name;
    EXPECT_EQ(e.UndoText(), std::string("Отменить: ") + kind.name);

    e.form.undoClick();
    EXPECT_EQ(e.Doc(), before) << kind.name;
    EXPECT_EQ(e.form.model.simb, simb) << kind.name << ": the symbol of the step is shown";
    EXPECT_EQ(At(e.form.Menus(), MenuCommand::Redo).text, std::string("Повторить: ") + kind.name);
    e.form.redoClick();
    EXPECT_EQ(e.Doc(), after) << kind.name;
    // The grid shows the glyph of the current symbol, as a selection would.
    const FontModel shown = e.form.model;
    e.form.text1Click(e.form.model.simb);
    EXPECT_EQ(e.form.model.pixelBoxColor, shown.pixelBoxColor) << kind.name;
  }
}

TEST(History, RandomStepsUndosAndRedosMatchWholeCopies) {
  std::mt19937 rng(7);
  Editor e;
  std::vector<FontDocument> states{e.Doc()};  // states[i]: after i steps
  std::size_t at = 0;
  for (int round = 0; round < 600; ++round) {
    const int choice = static_cast<int>(rng() % 10);
    if (choice < 2 && at > 0) {
      e.form.undoClick();
      --at;
    } else if (choice < 3 && at + 1 < states.size()) {
      e.form.redoClick();
      ++at;
    } else {
      e.form.text1Click(static_cast<int>(rng() % 6));
      const FontDocument before = e.Doc();
      switch (rng() % 4) {
        case 0:
          e.form.command9Click();
          break;
        case 1:
          e.form.command10Click();
          break;
        default:
          e.form.picture1Click(static_cast<int>(rng() % 16) * 24 + static_cast<int>(rng() % 16));
      }
      if (e.Doc() != before) {
        states.resize(at + 1);  // the redo branch is dropped
        states.push_back(e.Doc());
        ++at;
      }
    }
    ASSERT_EQ(e.Doc(), states[at]) << "round " << round;
    ASSERT_EQ(e.form.history().Position(), at + 1);  // the creation is step 1
  }
}

TEST(History, TheSavedStateFollowsUndoAndRedo) {
  Editor e;
  EXPECT_EQ(e.form.model.nosave, 0) << "a new font holds no work yet";
  e.form.text1Click(4);
  e.form.picture1Click(0);
  e.form.text1Click(5);
  e.form.picture1Click(0);
  EXPECT_EQ(e.form.model.nosave, 1);
  e.platform.savePaths.push_back("/f/Font16x16vp");
  e.form.command5Click();
  EXPECT_EQ(e.form.model.nosave, 0);
  EXPECT_FALSE(e.form.model.symbols[5].bold);
  e.form.picture1Click(1);
  e.form.undoClick();
  EXPECT_EQ(e.form.model.nosave, 0) << "back at the saved state";
  EXPECT_FALSE(e.form.QueryUnload(CloseReason::User));
  EXPECT_FALSE(e.form.model.symbols[5].bold) << "the save cleared the marks";
  e.form.undoClick();
  EXPECT_EQ(e.form.model.nosave, 1) << "undone past the save";
  EXPECT_TRUE(e.form.model.symbols[4].bold) << "the marks as they were then";
  EXPECT_FALSE(e.form.model.symbols[5].bold);
  EXPECT_EQ(e.form.model.simb, 5) << "the symbol of the undone step";
  e.form.redoClick();
  EXPECT_EQ(e.form.model.nosave, 0);
  EXPECT_FALSE(e.form.model.symbols[4].bold);
  e.form.undoClick();
  e.form.picture1Click(2);  // the saved state is now out of reach
  e.form.undoClick();
  EXPECT_EQ(e.form.model.nosave, 1);
}

TEST(History, MenuItemsFollowButtonsAndHistory) {
  FakePlatform platform;
  Form1 form(platform);
  form.Load();
  const MenuStates none = form.Menus();
  EXPECT_TRUE(At(none, MenuCommand::Create).enabled);
  EXPECT_TRUE(At(none, MenuCommand::Import).enabled);
  EXPECT_FALSE(At(none, MenuCommand::Save).enabled);
  EXPECT_FALSE(At(none, MenuCommand::Undo).enabled);
  EXPECT_EQ(At(none, MenuCommand::Undo).text, "Отменить");
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  form.RunMenu(MenuCommand::Create);
  EXPECT_TRUE(At(form.Menus(), MenuCommand::Save).enabled);
  EXPECT_EQ(At(form.Menus(), MenuCommand::Undo).text, "Отменить: создание знакогенератора");
  form.RunMenu(MenuCommand::Undo);
  EXPECT_FALSE(form.HasFont());
  EXPECT_FALSE(At(form.Menus(), MenuCommand::Save).enabled);
  EXPECT_FALSE(form.window.IsVisible(Ctl::Command5));
  form.RunMenu(MenuCommand::Redo);
  EXPECT_TRUE(form.window.IsVisible(Ctl::Command5));
  EXPECT_FALSE(At(form.Menus(), MenuCommand::Redo).enabled);
}

}  // namespace
}  // namespace zg
