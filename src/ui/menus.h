#pragma once
// The menu bar as data: its menus, their items with shortcuts, and per item
// whether it can be chosen now and what it says.

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
  FontShiftUp,
  FontShiftDown,
  FontShiftLeft,
  FontShiftRight,
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

struct MenuItemData {
  MenuCommand command;
  const char* text;
  std::vector<const char*> shortcuts;  // the first is the one shown
  const char* submenu = nullptr;       // items of one submenu follow each other
  bool separatorBefore = false;
  bool checkable = false;
};

struct MenuData {
  const char* title;
  std::vector<MenuItemData> items;
};

// The menus in bar order.
const std::vector<MenuData>& MenuBar();

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
