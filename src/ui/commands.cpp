#include "ui/commands.h"

#include <string>

#include "model/code_page.h"
#include "ui/font_import_texts.h"
#include "ui/form1.h"
#include "ui/table_import_texts.h"
#include "ui/texts.h"

namespace zg {
namespace {

using C = MenuCommand;

bool Font(const Form1& f) { return f.HasFont(); }
bool Proportional(const Form1& f) { return f.HasFont() && f.session().document().Proportional(); }
bool Square(const Form1& f) {
  return f.HasFont() && f.session().document().layout.width == f.session().document().layout.height;
}

std::vector<CommandRow> MakeTable() {
  using F = Form1;
  const char* file = text::kMenuFile;
  const char* edit = text::kMenuEdit;
  const char* symbol = text::kMenuSymbol;
  const char* font = text::kMenuWholeFont;
  const char* view = text::kMenuView;
  const auto none = std::nullopt;
  const auto always = nullptr;
  // Separators come before the rows marked `true` in the fifth place.
  // clang-format off
  std::vector<CommandRow> rows{
      {C::Create, file, text::kMenuCreate, {"Ctrl+N"}, nullptr, false, false, Ctl::Command1, &F::command1Click, always, nullptr},
      {C::Import, file, text::kMenuImport, {"Ctrl+O"}, nullptr, false, false, Ctl::Command2, &F::command2Click, always, nullptr},
      {C::ImportFromFont, file, text::kFontImportMenu, {"Ctrl+Shift+O"}, nullptr, false, false, none, &F::importFromFontClick, Font, nullptr},
      // The table import replaces the font as the import does: offered with it.
      {C::ImportTable, file, text::kTableImportMenu, {"Ctrl+T"}, nullptr, false, false, none, &F::importTableClick, [](const F& f) { return f.window.IsVisible(Ctl::Command2); }, nullptr},
      {C::Save, file, text::kMenuSave, {"Ctrl+S"}, nullptr, true, false, Ctl::Command5, &F::command5Click, Font, nullptr},
      {C::Export, file, text::kMenuExport, {"Ctrl+E"}, nullptr, false, false, none, &F::exportClick, Font, nullptr},
      // Closing is the window's own.
      {C::Exit, file, text::kMenuExit, {"Ctrl+Q"}, nullptr, true, false, none, nullptr, always, nullptr},
      {C::Undo, edit, text::kMenuUndo, {"Ctrl+Z"}, nullptr, false, false, none, &F::undoClick, [](const F& f) { return f.history().CanUndo(); }, nullptr},
      {C::Redo, edit, text::kMenuRedo, {"Ctrl+Y", "Ctrl+Shift+Z"}, nullptr, false, false, none, &F::redoClick, [](const F& f) { return f.history().CanRedo(); }, nullptr},
      {C::Cut, edit, text::kMenuCut, {"Ctrl+X"}, nullptr, true, false, none, &F::cutClick, Font, nullptr},
      {C::Copy, edit, text::kMenuCopy, {"Ctrl+C"}, nullptr, false, false, none, &F::copyClick, Font, nullptr},
      {C::Paste, edit, text::kMenuPaste, {"Ctrl+V"}, nullptr, false, false, none, &F::pasteClick, Font, nullptr},
      {C::FlipHorizontal, symbol, text::kMenuFlipHorizontal, {"Ctrl+H"}, nullptr, false, false, none, &F::flipHorizontalClick, Font, nullptr},
      {C::FlipVertical, symbol, text::kMenuFlipVertical, {"Ctrl+Shift+H"}, nullptr, false, false, none, &F::flipVerticalClick, Font, nullptr},
      {C::RotateClockwise, symbol, text::kMenuRotateClockwise, {"Ctrl+R"}, nullptr, false, false, none, [](F& f) { f.rotateClick(true); }, Square, nullptr},
      {C::RotateCounterClockwise, symbol, text::kMenuRotateCounterClockwise, {"Ctrl+Shift+R"}, nullptr, false, false, none, [](F& f) { f.rotateClick(false); }, Square, nullptr},
      {C::Invert, symbol, text::kMenuInvert, {"Ctrl+I"}, nullptr, false, false, none, &F::invertClick, Font, nullptr},
      {C::ShiftUp, symbol, text::kMenuShiftUp, {"Ctrl+Up"}, nullptr, true, false, Ctl::Command6, &F::command6Click, Font, nullptr},
      {C::ShiftDown, symbol, text::kMenuShiftDown, {"Ctrl+Down"}, nullptr, false, false, Ctl::Command7, &F::command7Click, Font, nullptr},
      {C::ShiftLeft, symbol, text::kMenuShiftLeft, {"Ctrl+Left"}, nullptr, false, false, Ctl::Command8, &F::command8Click, Font, nullptr},
      {C::ShiftRight, symbol, text::kMenuShiftRight, {"Ctrl+Right"}, nullptr, false, false, Ctl::Command9, &F::command9Click, Font, nullptr},
      {C::GlyphWidth, symbol, text::kMenuGlyphWidth, {"Ctrl+W"}, nullptr, true, false, none, &F::widthClick, Font, nullptr},
      {C::Narrow, symbol, text::kMenuNarrow, {"["}, nullptr, false, false, none, &F::narrowClick, Font, nullptr},
      {C::Widen, symbol, text::kMenuWiden, {"]"}, nullptr, false, false, none, &F::widenClick, Font, nullptr},
      {C::Erase, symbol, text::kMenuErase, {"Del"}, nullptr, true, false, Ctl::Command3, &F::command3Click, Font, nullptr},
      // Buttons without a menu item.
      {C::ClearFont, nullptr, "", {}, nullptr, false, false, Ctl::Command4, &F::command4Click, Font, nullptr},
      {C::ChangeScan, nullptr, "", {}, nullptr, false, false, Ctl::Command10, &F::command10Click, always, nullptr},
      {C::Revert, nullptr, "", {}, nullptr, false, false, Ctl::Command11, &F::command11Click, always, nullptr},
      {C::FontShiftUp, font, text::kMenuShiftUp, {"Ctrl+Shift+Up"}, nullptr, false, false, none, [](F& f) { f.fontShiftClick(ShiftDirection::Up); }, Font, nullptr},
      {C::FontShiftDown, font, text::kMenuShiftDown, {"Ctrl+Shift+Down"}, nullptr, false, false, none, [](F& f) { f.fontShiftClick(ShiftDirection::Down); }, Font, nullptr},
      {C::FontShiftLeft, font, text::kMenuShiftLeft, {"Ctrl+Shift+Left"}, nullptr, false, false, none, [](F& f) { f.fontShiftClick(ShiftDirection::Left); }, Font, nullptr},
      {C::FontShiftRight, font, text::kMenuShiftRight, {"Ctrl+Shift+Right"}, nullptr, false, false, none, [](F& f) { f.fontShiftClick(ShiftDirection::Right); }, Font, nullptr},
      {C::Proportional, font, text::kMenuProportional, {"Ctrl+Shift+P"}, nullptr, true, false, none, &F::proportionalClick, Font, nullptr},
      {C::Monospaced, font, text::kMenuMonospaced, {}, nullptr, false, false, none, &F::monospacedClick, Proportional, nullptr},
      // The preview window is the window's own.
      {C::Preview, view, text::kMenuPreview, {"F3"}, nullptr, false, false, none, nullptr, always, nullptr},
  };
  // clang-format on
  for (std::size_t i = 0; i < kCodePages.size(); ++i) {
    const CodePage page = kCodePages[i];
    rows.push_back({static_cast<C>(static_cast<std::size_t>(C::CodePage0) + i),
                    view,
                    CodePageName(page).data(),
                    {},
                    text::kMenuCodePage,
                    i == 0,
                    true,
                    std::nullopt,
                    [page](F& f) { f.setCodePage(page); },
                    nullptr,
                    [page](const F& f) { return f.codePage() == page; }});
  }
  return rows;
}

}  // namespace

const std::vector<CommandRow>& CommandTable() {
  static const std::vector<CommandRow> table = MakeTable();
  return table;
}

MenuStates CommandStates(const Form1& form) {
  MenuStates states;
  for (const CommandRow& row : CommandTable()) {
    MenuItemState& state = At(states, row.command);
    state.text = row.text;
    state.enabled =
        (!row.button || form.window.IsVisible(*row.button)) && (!row.enabled || row.enabled(form));
    state.checked = row.checked && row.checked(form);
  }
  const EditHistory& history = form.history();
  if (history.CanUndo()) {
    At(states, C::Undo).text = std::string(text::kMenuUndo) + ": " + history.UndoName();
  }
  if (history.CanRedo()) {
    At(states, C::Redo).text = std::string(text::kMenuRedo) + ": " + history.RedoName();
  }
  return states;
}

void RunCommand(Form1& form, MenuCommand command) {
  for (const CommandRow& row : CommandTable()) {
    if (row.command != command) continue;
    if (row.run && At(CommandStates(form), command).enabled) row.run(form);
    return;
  }
}

}  // namespace zg
