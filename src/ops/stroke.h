#pragma once
// Painting by dragging over the edit grid: the first box sets whether the
// stroke draws or erases, and every box the pointer passes takes that state.

#include <array>
#include <vector>

#include "model/font_model.h"

namespace zg {

// The boxes of the 24 x 24 grid on the straight line from one box to another
// (box = row * 24 + column), both ends included, each step to a neighbour
// (diagonals count), so a fast drag leaves no gaps. Empty when either end is
// outside the grid.
std::vector<int> GridLine(int fromBox, int toBox);

class Stroke {
 public:
  // Starts on `box` of the current glyph. The left button switches the box as
  // a click does and paints in its new state; the right button clears it and
  // paints "off". A stroke that starts off the visible cell paints nothing.
  Stroke(FontModel& m, int box, bool rightButton);

  // Paints every visible box from the last one to `box` that the stroke has
  // not painted yet; boxes already in the paint state are left as they are.
  void moveTo(FontModel& m, int box);

  // Some pixel of the glyph changed (and so did the edited mark and flags).
  bool changed() const { return changed_; }
  bool active() const { return last_ >= 0; }
  bool paintsOn() const { return on_; }

 private:
  void paint(FontModel& m, int box);

  std::array<bool, kGridBoxes> painted_{};
  int last_ = -1;
  bool on_ = false;
  bool changed_ = false;
};

}  // namespace zg
