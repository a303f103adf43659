#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "fake_platform.h"
#include "model/layout.h"
#include "ui/commands.h"
#include "ui/editor_session.h"
#include "ui/form1.h"
#include "ui/window_view.h"

namespace zg {
namespace {

using testing::Editor;
using Change = EditorSession::Transaction;

// The session and the view it gives, compared whole.
struct Seen {
  FontDocument document;
  int current;
  EditedMarks marks;
  std::size_t steps;
  std::size_t position;
  FontModel view;
  friend bool operator==(const Seen&, const Seen&) = default;
  friend void PrintTo(const Seen& s, std::ostream* os) {
    *os << Picture(s.document) << "\ncurrent " << s.current << ", " << s.marks.count()
        << " marked, step " << s.position << " of " << s.steps << "; view of symbol " << s.view.simb
        << " unsaved " << s.view.nosave;
  }
};

Seen SeenOf(const EditorSession& s) {
  FontModel view;
  MainWindowState window;
  ShowSession(s, {}, view, window);
  return {s.document(),           s.current(), s.marks(), s.history().StepCount(),
          s.history().Position(), view};
}

EditorSession SessionWithFont() {
  EditorSession s;
  Change t(s, "new");
  t.document() = EmptyDocument(Layout::Classic(8, 8, Scan::Vertical), false);
  t.NewFont(3);
  t.Commit();
  return s;
}

TEST(Session, ACommitRecordsOneStepAndAnUncommittedChangeLeavesEverythingAsItWas) {
  EditorSession s = SessionWithFont();
  ASSERT_EQ(s.history().StepCount(), 1U);
  {
    Change t(s, "pixel");
    t.CurrentGlyph()[0] = 0x81;
    t.Commit();
  }
  EXPECT_EQ(s.history().StepCount(), 2U);
  EXPECT_EQ(s.history().UndoName(), std::string("pixel"));
  EXPECT_TRUE(s.marks()[3]);
  EXPECT_TRUE(s.GlyphChanged());

  const Seen before = SeenOf(s);
  {
    Change t(s, "scan");
    t.document().layout = t.document().layout.WithScan(Scan::Horizontal);
    t.document().glyphs.assign(8 * kSymbolCount, 0xFF);
    t.document().widths.assign(kSymbolCount, 4);
    t.document().negative = true;
    t.NewFont(7);
  }  // ended without a commit
  EXPECT_EQ(SeenOf(s), before);

  // Undo and redo move through the steps, widths and polarity included.
  {
    Change t(s, "widths");
    t.document().widths.assign(kSymbolCount, 5);
    t.document().negative = true;
    t.Commit();
  }
  s.Undo();
  EXPECT_EQ(s.document(), before.document);
  EXPECT_EQ(SeenOf(s).view, before.view);
  EXPECT_EQ(s.history().Position(), before.position);
  s.Redo();
  EXPECT_EQ(s.document().Width(10), 5);
  EXPECT_TRUE(s.document().negative);
}

TEST(CommandTable, ShortcutsAreUniqueAndEveryItemWithAButtonIsEnabledExactlyWhenItsButtonIs) {
  std::set<std::string> keys;
  for (const CommandRow& row : CommandTable()) {
    for (const char* key : row.shortcuts) EXPECT_TRUE(keys.insert(key).second) << key;
  }
  Editor e;
  const auto check = [&e](const char* when) {
    const MenuStates states = e.form.Menus();
    for (const CommandRow& row : CommandTable()) {
      if (!row.button || row.menu == nullptr) continue;
      EXPECT_EQ(At(states, row.command).enabled, e.form.window.IsVisible(*row.button))
          << row.text << " " << when;
    }
  };
  check("before any font");
  e.Create("8 x 8");
  check("with a font");
  e.platform.dialogScripts.push_back(testing::CancelDialog());
  e.form.command1Click();
  check("after a cancelled creation");
}

}  // namespace
}  // namespace zg
