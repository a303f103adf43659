#pragma once
// The editor's commands by name, and per command whether it can be chosen
// now and what its menu item says. The menus themselves, with shortcuts and
// buttons, are the command table (commands.h).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zg {

enum class MenuCommand : std::uint8_t {
  Create,
  Import,
  ImportFromFont,
  ImportTable,
  Save,
  Export,
  Exit,
  Undo,
  Redo,
  Cut,
  Copy,
  Paste,
  FlipHorizontal,
  FlipVertical,
  RotateClockwise,
  RotateCounterClockwise,
  Invert,
  ShiftUp,
  ShiftDown,
  ShiftLeft,
  ShiftRight,
  Erase,
  ClearFont,  // the buttons without a menu item
  ChangeScan,
  Revert,
  FontShiftUp,
  FontShiftDown,
  FontShiftLeft,
  FontShiftRight,
  GlyphWidth,
  Narrow,
  Widen,
  Proportional,
  Monospaced,
  Preview,
  CodePage0,  // one item per code page, in kCodePages order
  CodePage1,
  CodePage2,
  CodePage3,
  CodePage4,
  CodePage5,
  CodePage6,
  CodePage7,
  Count,
};
inline constexpr std::size_t kMenuCommandCount = static_cast<std::size_t>(MenuCommand::Count);

struct MenuItemState {
  bool enabled = false;
  bool checked = false;
  std::string text;  // the item's text now ("Отменить: сдвиг вверх")
  friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};
using MenuStates = std::array<MenuItemState, kMenuCommandCount>;

inline MenuItemState& At(MenuStates& states, MenuCommand c) {
  return states[static_cast<std::size_t>(c)];
}
inline const MenuItemState& At(const MenuStates& states, MenuCommand c) {
  return states[static_cast<std::size_t>(c)];
}

}  // namespace zg
