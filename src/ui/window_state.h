#pragma once
// The main window's controls as data: what the Qt window shows is exactly
// this, applied after every event.

#include <array>
#include <string>

#include "ui/layout.h"

namespace zg {

struct MainWindowState {
  std::array<bool, kCtlCount> visible{};
  std::string label19Caption;
  int check1Value = 0;  // 0 clear, 1 ticked
  std::string combo1Text = "Data code";
  std::string combo2Text = "&hNN";

  bool IsVisible(Ctl c) const { return visible[static_cast<int>(c)]; }
  void Show(Ctl c, bool on = true) { visible[static_cast<int>(c)] = on; }
  void Hide(Ctl c) { Show(c, false); }
  friend bool operator==(const MainWindowState&, const MainWindowState&) = default;
};

inline constexpr std::array<const char*, 3> kCombo1Items{"Code", ".Db code", "Data code"};
inline constexpr std::array<const char*, 5> kCombo2Items{"&hNN", "0xNN", "$NN", "#NN", "NNh"};

// Why a window is being closed.
enum class CloseReason { User, Program, SystemShutdown, TaskManager };

}  // namespace zg
