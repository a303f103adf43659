// A create or import command that ends without completing leaves the whole
// editor as it was: the font, the history and every control.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fake_platform.h"
#include "ui/form1.h"

namespace zg {
namespace {

using testing::CancelDialog;
using testing::FakePlatform;
using testing::PickSize;

enum class Start { NoFont, SavedFont, UnsavedFont };

struct Editor : testing::Editor {
  explicit Editor(Start start) {
    if (start == Start::NoFont) return;
    Create("24 x 24");
    form.text1Click(5);
    form.picture1Click(30);
    form.picture1Click(31);
    form.text1Click(7);
    if (start == Start::SavedFont) {
      platform.savePaths.push_back("/f/saved.fnt");
      form.command5Click();
    }
  }
};

// One way for a command to end early: what the user and the files do.
struct Way {
  const char* name;
  bool import;  // else create
  void (*script)(FakePlatform&, bool unsaved);
};

void AnswerLoss(FakePlatform& p, bool unsaved) {
  if (unsaved) p.answers.push_back(MsgAnswer::Yes);
}

void ImportText(FakePlatform& p, bool unsaved, const std::string& name, const std::string& text) {
  AnswerLoss(p, unsaved);
  p.files[name] = text;
  p.openPaths.push_back(name);
}

std::string TooManyValues() {
  std::string text;
  for (int i = 0; i < 16130; ++i) text += "0x01\n";
  return text;
}

const Way kWays[] = {
    {"create: No to the question", false,
     [](FakePlatform& p, bool) { p.answers.push_back(MsgAnswer::No); }},
    {"create: dialog cancelled", false,
     [](FakePlatform& p, bool u) { AnswerLoss(p, u), p.dialogScripts.push_back(CancelDialog()); }},
    {"import: No to the question", true,
     [](FakePlatform& p, bool) { p.answers.push_back(MsgAnswer::No); }},
    {"import: open dialog cancelled", true,
     [](FakePlatform& p, bool u) { AnswerLoss(p, u), p.openPaths.push_back(std::nullopt); }},
    {"import: load dialog cancelled", true,
     [](FakePlatform& p, bool u) {
       ImportText(p, u, "/f/table.txt", "Data &h01\r\n");
       p.dialogScripts.push_back(CancelDialog());
     }},
    {"import: table dialog cancelled", true,
     [](FakePlatform& p, bool u) {
       ImportText(p, u, "/f/glcdfont.c", "const unsigned char font[] = {0, 0x3E, 0x41, 0x3E};");
       p.tableImportScripts.push_back([](const TableImportRequest&) { return std::nullopt; });
     }},
    {"import: syntax error, named", true,
     [](FakePlatform& p, bool u) { ImportText(p, u, "/f/Font08x08vp.fnt", "Data 0XFF\r\n"); }},
    {"import: syntax error, unnamed", true,
     [](FakePlatform& p, bool u) {
       ImportText(p, u, "/f/table.txt", "Data &h01,256\r\n");
       p.dialogScripts.push_back(PickSize("8 x 8"));
     }},
    {"import: no value", true,
     [](FakePlatform& p, bool u) {
       ImportText(p, u, "/f/Font08x08vp.fnt", "; only a comment\r\n");
     }},
    {"import: store full", true,
     [](FakePlatform& p, bool u) { ImportText(p, u, "/f/Font08x08vp.fnt", TooManyValues()); }},
    {"import: open block comment", true,
     [](FakePlatform& p, bool u) {
       ImportText(p, u, "/f/Font08x08vp.fnt", "/* open\r\nData &h01\r\n");
     }},
    {"import: missing file", true,
     [](FakePlatform& p, bool u) {
       AnswerLoss(p, u), p.openPaths.push_back("/no/such/Font08x08vp.fnt");
     }},
    {"import: a folder", true,
     [](FakePlatform& p, bool u) {
       AnswerLoss(p, u);
       p.folders.insert("/f/Font08x08vp.fnt");
       p.openPaths.push_back("/f/Font08x08vp.fnt");
     }},
};

TEST(AsItWas, EveryWayACommandEndsEarlyLeavesTheEditorUnchanged) {
  for (const Start start : {Start::NoFont, Start::SavedFont, Start::UnsavedFont}) {
    for (const Way& way : kWays) {
      const bool asks = std::string(way.name).find("question") != std::string::npos;
      if (asks && start != Start::UnsavedFont) continue;  // no question to answer
      Editor e(start);
      const FontModel model = e.form.model;
      const MainWindowState window = e.form.window;
      const MenuStates menus = e.form.Menus();
      const auto steps = e.form.history().StepCount();
      way.script(e.platform, start == Start::UnsavedFont);
      if (way.import) {
        e.form.command2Click();
      } else {
        e.form.command1Click();
      }
      const std::string where =
          std::string(way.name) + ", start " + std::to_string(static_cast<int>(start));
      EXPECT_EQ(e.form.model, model) << where;
      EXPECT_EQ(e.form.window, window) << where;
      EXPECT_EQ(e.form.Menus(), menus) << where;
      EXPECT_EQ(e.form.history().StepCount(), steps) << where;
      EXPECT_LE(e.platform.messages.size(), start == Start::UnsavedFont ? 2U : 1U) << where;
    }
  }
}

TEST(AsItWas, NoSaveWithoutACell) {
  Editor e(Start::NoFont);
  EXPECT_FALSE(At(e.form.Menus(), MenuCommand::Save).enabled);
  e.form.command5Click();  // even when called directly
  EXPECT_TRUE(e.platform.saveRequests.empty());
  EXPECT_TRUE(e.platform.files.empty());
}

TEST(DialogFolder, LastUsedFolderThenOwnFolderThenDocuments) {
  Editor e(Start::NoFont);
  const auto openFrom = [&e] {
    e.platform.openPaths.push_back(std::nullopt);
    e.form.command2Click();
    return e.platform.openRequests.back().initialDir;
  };
  EXPECT_EQ(openFrom(), "/home/user/Documents") << "the program's folder is not writable";
  e.platform.writableFolders.insert("/opt/zgedit");
  EXPECT_EQ(openFrom(), "/opt/zgedit");

  const std::string dir = ZG_TEST_DATA_DIR;
  e.platform.openPaths.push_back(dir + "/Font08x08vp.fnt");
  e.form.command2Click();
  EXPECT_EQ(openFrom(), dir);
  e.platform.savePaths.push_back("/gone/Font08x08vp");
  e.form.command5Click();
  EXPECT_EQ(e.platform.settings["dialogs/folder"], "/gone");
  EXPECT_EQ(openFrom(), "/opt/zgedit") << "a remembered folder that no longer exists";
}

}  // namespace
}  // namespace zg
