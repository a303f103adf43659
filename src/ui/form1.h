#pragma once
// The main window's logic: one handler per control event, each a short
// function over the editor session. Handlers ask the user through Platform;
// every change of the font is a transaction of the session, and the window's
// view (model, window) is computed from the session after each event.

#include <memory>
#include <optional>
#include <string>

#include "model/code_page.h"
#include "model/font_document.h"
#include "model/font_model.h"
#include "ops/shift.h"
#include "ops/stroke.h"
#include "ui/editor_session.h"
#include "ui/export_choice.h"
#include "ui/layout.h"
#include "ui/menus.h"
#include "ui/platform.h"
#include "ui/proportional_choice.h"
#include "ui/window_state.h"
#include "ui/window_view.h"

namespace zg {

class Form1 {
 public:
  explicit Form1(Platform& platform);
  ~Form1();

  // Start-up: scaling, symbol texts, the no-font state.
  void Load();
  // True when the close must be cancelled.
  bool QueryUnload(CloseReason reason);

  void command1Click();           // create a font
  void command2Click();           // import a font source file
  void command3Click();           // erase the cell
  void command4Click();           // clear the whole font
  void command5Click();           // save the font
  void command6Click();           // shift up
  void command7Click();           // shift down
  void command8Click();           // shift left
  void command9Click();           // shift right
  void command10Click();          // change the scan direction
  void command11Click();          // revert the glyph
  void text1Click(int index);     // select a symbol
  void picture1Click(int index);  // toggle a pixel
  // Sets the negative-font check box, as a user's click does.
  void setCheck1(int value);
  void undoClick();  // "Отменить"
  void redoClick();  // "Повторить"

  // Drawing by dragging over the grid: a press, each new box reached, the
  // release. A press and release on one box is a click.
  void strokeBegin(int box, bool rightButton);
  void strokeMove(int box);
  void strokeEnd();

  // The glyph clipboard.
  void cutClick();
  void copyClick();
  void pasteClick();

  // The current glyph: flips, quarter turns (square cells), inversion.
  void flipHorizontalClick();
  void flipVerticalClick();
  void rotateClick(bool clockwise);
  void invertClick();
  // Every glyph of the font one pixel in `dir`, refused when one would lose a pixel.
  void fontShiftClick(ShiftDirection dir);
  // "Импорт из шрифта...": fills glyphs from a TrueType, OpenType or bitmap font.
  void importFromFontClick();
  // "Импорт таблицы...": a font table of a C, assembler or BASIC source,
  // read with the layout found or chosen in the table dialog.
  void importTableClick();
  // "Экспорт...": the font as a C header, BDF, Adafruit GFX or LVGL font.
  void exportClick();

  // Proportional fonts: the current glyph's width set by number ("Ширина..."),
  // by dragging its line on the grid, one narrower or wider ([ and ]); the
  // whole font made proportional from its ink, or monospaced again.
  void widthClick();
  void widthDrag(int width);
  void narrowClick();
  void widenClick();
  void proportionalClick();
  void monospacedClick();

  // The keyboard on the symbol table: move the current symbol by `delta`
  // places (clamped to the table), go to a symbol, select by character.
  void moveSymbol(int delta);
  void goToSymbol(int index);
  void typeCharacter(char32_t c);

  // The code page the symbol table shows; remembered across runs.
  CodePage codePage() const { return codePage_; }
  void setCodePage(CodePage page);

  // The menu bar: what each item says and whether it can be chosen now, and
  // running an item (the same handler as its button), both from the
  // command table.
  MenuStates Menus() const;
  void RunMenu(MenuCommand command);

  // The font being edited, as a value.
  FontDocument Document() const;
  const EditHistory& history() const { return session_.history(); }
  const EditorSession& session() const { return session_; }
  // For tests and benchmarks that set a font up by hand: changes made in a
  // transaction of session() show once Show() computes the view.
  EditorSession& session() { return session_; }
  void Show();
  bool HasFont() const { return session_.HasFont(); }

  // The window's view of the session (written only by Show).
  FontModel model;
  MainWindowState window;
  ScaledLayout layout;
  std::string tip;
  std::string FileN;

  // Character shown by symbol box i, UTF-8.
  static std::string SymbolText(int i);

 private:
  friend struct FileCommands;
  // A change of the current glyph's bytes as one step.
  template <class F>
  void ChangeGlyph(const char* name, F&& change);
  void SetWidth(int width);
  MsgAnswer Ask(const std::string& question);
  void Notify(const std::string& text, MsgIcon icon, const char* title);

  Platform& platform_;
  EditorSession session_;
  ViewMode mode_;
  CodePage codePage_ = kDefaultCodePage;
  ExportChoice export_;
  ProportionalChoice proportional_;  // the dialog's last answer
  std::optional<Stroke> stroke_;
  std::unique_ptr<EditorSession::Transaction> strokeChange_;
  bool strokeMoved_ = false;
  bool strokeRight_ = false;
};

// Runs `change` on a transaction named `name`; a change that returns false
// is refused and leaves everything as it was.
template <class F>
void Form1::ChangeGlyph(const char* name, F&& change) {
  if (!HasFont() || session_.CurrentGlyph().empty()) return;
  EditorSession::Transaction t(session_, name);
  if (!change(t)) return;
  t.Commit();
  Show();
}

}  // namespace zg
