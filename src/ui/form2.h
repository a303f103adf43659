#pragma once
// The modal parameters dialog: cell size (one of the listed cells or any
// other up to 24 x 24), scan direction and, when a file is imported,
// polarity. Its controls are data; the Qt dialog shows them.

#include <cstdint>
#include <optional>
#include <string>

#include "model/font_model.h"
#include "ui/window_state.h"

namespace zg {

class Platform;

struct Form2State {
  std::string title;
  std::string command1Caption;
  std::string combo1Text;  // empty until a size is picked
  bool option1 = true;     // "вертикально" selected; else "горизонтально"
  bool option2Visible = true;
  int check1Value = 0;
  bool check1Visible = true;
  // The width and height of another cell, shown when kForm2OtherSize is picked.
  bool sizeEntryVisible = false;
  int entryWidth = 8;
  int entryHeight = 16;
  bool closed = false;
  friend bool operator==(const Form2State&, const Form2State&) = default;
};

inline constexpr const char* kForm2Label3 = "Формат знакоместа (Х х Y): ";
inline constexpr const char* kForm2Label19 = "Развертка байта: ";
inline constexpr const char* kForm2Option1 = "вертикально";
inline constexpr const char* kForm2Option2 = "горизонтально";
inline constexpr const char* kForm2Check1 = "негативный шрифт";
inline constexpr const char* kForm2Cancel = "Отмена";
// The last item of the size list: the cell is entered by its width and height.
inline constexpr const char* kForm2OtherSize = "другой...";

// What the confirmed dialog gives: the cell and scan in the editor's own
// order, and the polarity (always positive for a new font).
struct CellChoice {
  Layout layout;
  bool negative = false;
  friend bool operator==(const CellChoice&, const CellChoice&) = default;
};

class Form2 {
 public:
  // `mode` is "new" or "load". The dialog changes nothing outside itself:
  // the caller reads choice() once it has closed.
  Form2(std::string mode, Platform& platform);

  void Load();
  void Combo1Click(const std::string& text);
  // The other cell's width and height, each kept to 1..24.
  void SizeEntryChange(int width, int height);
  void Option1Click();  // the user selects "вертикально"
  void Option2Click();  // the user selects "горизонтально"
  void Check1Click(int value);
  void Command1Click();  // confirm
  void Command2Click();  // cancel
  // True when the close must be refused (every close the buttons did not ask for).
  bool QueryUnload(CloseReason reason) const;

  const Form2State& state() const { return state_; }
  // The confirmed choice; nothing while open or after a cancel.
  const std::optional<CellChoice>& choice() const { return choice_; }
  std::string tip;  // "new", "load"; "end" once cancelled
  std::string frm;  // the text of the size picked last

 private:
  Platform& platform_;
  std::optional<CellChoice> choice_;
  Form2State state_;
  std::int16_t ncol_ = 0, nstr_ = 0;
};

}  // namespace zg
