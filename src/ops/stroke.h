#pragma once
// Painting by dragging over the edit grid: the first box sets whether the
// stroke draws or erases, and every box the pointer passes takes that state.

#include <array>
#include <cstdint>
#include <span>
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
  // Starts on `box` of `glyph` (bytes in `layout`). The left button switches
  // the box's pixel and paints in its new state; the right button clears it
  // and paints "off". A stroke that starts outside the cell paints nothing.
  Stroke(std::span<std::uint8_t> glyph, const Layout& layout, int box, bool rightButton);

  // Paints every box of the cell from the last one to `box` that the stroke
  // has not painted yet; pixels already in the paint state are left as they are.
  void moveTo(std::span<std::uint8_t> glyph, int box);

  // Some pixel of the glyph changed.
  bool changed() const { return changed_; }
  bool active() const { return last_ >= 0; }
  bool paintsOn() const { return on_; }

 private:
  bool InCell(int box) const;
  void paint(std::span<std::uint8_t> glyph, int box);

  Layout layout_;
  std::array<bool, kGridBoxes> painted_{};
  int last_ = -1;
  bool on_ = false;
  bool changed_ = false;
};

}  // namespace zg
