#pragma once
// The command table: every command of the editor once, with its menu place,
// text and shortcuts, the window button that runs it too (if any), the
// function that runs it and the rule that enables it. The menu bar, the
// buttons, the enabling and the dispatch all read this one table, so a new
// command is one row and one function.

#include <functional>
#include <optional>
#include <vector>

#include "ui/layout.h"
#include "ui/menus.h"

namespace zg {

class Form1;

struct CommandRow {
  MenuCommand command;
  const char* menu;  // the title of the menu that holds it; nullptr: a button only
  const char* text;
  std::vector<const char*> shortcuts;  // the first is the one shown
  const char* submenu = nullptr;       // items of one submenu follow each other
  bool separatorBefore = false;
  bool checkable = false;
  std::optional<Ctl> button;  // the window's button for the same command
  std::function<void(Form1&)> run;
  // Whether it can be chosen now, besides its button being shown; no rule:
  // always (or whenever its button is shown).
  std::function<bool(const Form1&)> enabled;
  std::function<bool(const Form1&)> checked;
};

// The rows in menu-bar order: menus in the order their first rows come.
const std::vector<CommandRow>& CommandTable();

// Each command's state now: enabled, checked, its text (the undo and redo
// items name their step).
MenuStates CommandStates(const Form1& form);

// Runs the command when it is enabled now.
void RunCommand(Form1& form, MenuCommand command);

}  // namespace zg
