#pragma once
// The main window's logic: its state and one handler per control event.
// Handlers ask the user through Platform and change plain data only.

#include <string>

#include "model/font_model.h"
#include "ui/layout.h"
#include "ui/platform.h"
#include "ui/window_state.h"

namespace zg {

class Form1 {
 public:
  explicit Form1(Platform& platform);

  // Start-up: scaling, symbol texts, the no-font state.
  void Load();
  // True when the close must be cancelled.
  bool QueryUnload(CloseReason reason);

  void command1Click();   // create a font
  void command2Click();   // import a font source file
  void command3Click();   // erase the cell
  void command4Click();   // clear the whole font
  void command5Click();   // save the font
  void command6Click();   // shift up
  void command7Click();   // shift down
  void command8Click();   // shift left
  void command9Click();   // shift right
  void command10Click();  // change the scan direction
  void command11Click();  // revert the glyph
  void text1Click(int index);     // select a symbol
  void picture1Click(int index);  // toggle a pixel
  // Sets the negative-font check box and runs its Click, as a user's click does.
  void setCheck1(int value);
  void check1Click();

  FontModel model;
  MainWindowState window;
  ScaledLayout layout;
  std::string tip;
  std::string FileN;

  // Character shown by symbol box i, UTF-8.
  static std::string SymbolText(int i);

 private:
  void ResetSymbolBoxes(bool lock);
  void HideAllPixelBoxes();
  void ShowCell();
  MsgAnswer Ask(const char* question);
  void Notify(const std::string& text, MsgIcon icon, const char* title);

  Platform& platform_;
};

}  // namespace zg
