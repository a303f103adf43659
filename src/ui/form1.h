#pragma once
// The main window's logic: its state and one handler per control event.
// Handlers ask the user through Platform and change plain data only. Every
// change of the font passes through the edit history, so it can be undone.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "document/edit_history.h"
#include "model/code_page.h"
#include "model/font_document.h"
#include "model/font_model.h"
#include "ops/shift.h"
#include "ops/stroke.h"
#include "ui/export_choice.h"
#include "ui/layout.h"
#include "ui/menus.h"
#include "ui/platform.h"
#include "ui/table_import_form.h"
#include "ui/window_state.h"

namespace zg {

class Form1 {
 public:
  explicit Form1(Platform& platform);

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
  // "Экспорт...": the font as a C header, BDF or Adafruit GFX font.
  void exportClick();

  // The keyboard on the symbol table: move the current symbol by `delta`
  // places (clamped to the table), go to a symbol, select by character.
  void moveSymbol(int delta);
  void goToSymbol(int index);
  void typeCharacter(char32_t c);

  // The code page the symbol table shows; remembered across runs.
  CodePage codePage() const { return codePage_; }
  void setCodePage(CodePage page);

  // The menu bar: what each item says and whether it can be chosen now, and
  // running an item (the same handler as its button).
  MenuStates Menus() const;
  void RunMenu(MenuCommand command);

  // The font being edited, as a value.
  FontDocument Document() const;
  const EditHistory& history() const { return history_; }
  bool HasFont() const { return !model.symbols[0].locked && model.cb > 0; }

  FontModel model;
  MainWindowState window;
  ScaledLayout layout;
  std::string tip;
  std::string FileN;

  // Character shown by symbol box i, UTF-8.
  static std::string SymbolText(int i);

 private:
  // The font and the window as they were before a command that may end
  // without completing; putting it back is the whole rollback.
  struct Saved {
    FontModel model;
    MainWindowState window;
    std::string tip;
    std::string fileN;
  };
  std::unique_ptr<Saved> SaveAll() const;
  void RestoreAll(const Saved& saved);

  // A change in progress: the store and the view it started from.
  struct ChangeStart {
    std::unique_ptr<GlyphStore> store;
    HistoryView view;
  };
  ChangeStart BeginChange() const;
  void EndChange(const ChangeStart& start, const char* name, StepSaved saved = StepSaved::Unsaved);
  template <class F>
  void Change(const char* name, F&& change) {
    const ChangeStart start = BeginChange();
    change();
    EndChange(start, name);
  }

  HistoryView View() const;
  void ShowView(const HistoryView& view);
  EditedMarks CurrentMarks() const;
  void ShowMarks(const EditedMarks& marks);
  void ShowSavedState();
  void EnterNoFont();
  void EnterFont(int simb, bool keepBackup);
  void ApplyCheck1(int value);
  template <class F>
  void ChangeGlyph(const char* name, F&& change);
  void ShowGlyphChanged();
  void MarkChangedGlyphs(const GlyphStore& before);

  void ImportTable(const std::string& path);
  // The tables of a file: each array of a C source by name, or the one table
  // of any other; nothing, the reason told, when none can be read.
  std::optional<std::vector<TableArray>> ReadTables(const std::string& path);

  std::string DialogFolder();
  void RememberFolder(const std::string& path);
  void NotifyFileError(const std::string& path, const FileError& error, bool writing);

  void ResetSymbolBoxes(bool lock);
  void HideAllPixelBoxes();
  void ShowCell();
  MsgAnswer Ask(const std::string& question);
  bool NameAgreed(const std::string& path);
  void Notify(const std::string& text, MsgIcon icon, const char* title);

  Platform& platform_;
  EditHistory history_;
  CodePage codePage_ = kDefaultCodePage;
  ExportChoice export_;
  std::optional<Stroke> stroke_;
  std::optional<ChangeStart> strokeStart_;
  bool strokeMoved_ = false;
  bool strokeRight_ = false;
};

}  // namespace zg
