#include "ops/stroke.h"

#include <algorithm>
#include <cstdlib>

#include "model/editing.h"

namespace zg {
namespace {

constexpr bool InGrid(int box) { return box >= 0 && box < kGridBoxes; }

bool Visible(const FontModel& m, int box) {
  return InGrid(box) && m.pixelBoxVisible[static_cast<std::size_t>(box)];
}

bool IsOn(const FontModel& m, int box) { return m.pixelOn[static_cast<std::size_t>(box)] != 0; }

}  // namespace

std::vector<int> GridLine(int fromBox, int toBox) {
  if (!InGrid(fromBox) || !InGrid(toBox)) return {};
  int r = fromBox / kGridSide;
  int c = fromBox % kGridSide;
  const int r1 = toBox / kGridSide;
  const int c1 = toBox % kGridSide;
  const int dr = std::abs(r1 - r);
  const int dc = std::abs(c1 - c);
  const int sr = r < r1 ? 1 : -1;
  const int sc = c < c1 ? 1 : -1;
  std::vector<int> boxes;
  boxes.reserve(static_cast<std::size_t>(std::max(dr, dc) + 1));
  int err = dc - dr;
  for (;;) {
    boxes.push_back(r * kGridSide + c);
    if (r == r1 && c == c1) break;
    const int e2 = 2 * err;
    if (e2 > -dr) {
      err -= dr;
      c += sc;
    }
    if (e2 < dc) {
      err += dc;
      r += sr;
    }
  }
  return boxes;
}

Stroke::Stroke(FontModel& m, int box, bool rightButton) {
  if (!Visible(m, box)) return;
  last_ = box;
  painted_[static_cast<std::size_t>(box)] = true;
  if (rightButton) {
    on_ = false;
    if (IsOn(m, box)) {
      TogglePixel(m, box);
      changed_ = true;
    }
  } else {
    TogglePixel(m, box);
    changed_ = true;
    on_ = IsOn(m, box);
  }
}

void Stroke::paint(FontModel& m, int box) {
  auto& painted = painted_[static_cast<std::size_t>(box)];
  if (painted || !Visible(m, box)) return;
  painted = true;
  if (IsOn(m, box) == on_) return;
  // A click's own path, so the store, the box colour and the marks agree.
  TogglePixel(m, box);
  changed_ = true;
}

void Stroke::moveTo(FontModel& m, int box) {
  if (!active() || !InGrid(box) || box == last_) return;
  for (const int k : GridLine(last_, box)) paint(m, k);
  last_ = box;
}

}  // namespace zg
