#include "ops/stroke.h"

#include <algorithm>
#include <cstdlib>

#include "model/editing.h"

namespace zg {
namespace {

constexpr bool InGrid(int box) { return box >= 0 && box < kGridBoxes; }

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

bool Stroke::InCell(int box) const {
  return InGrid(box) && box % kGridSide < layout_.width && box / kGridSide < layout_.height;
}

Stroke::Stroke(std::span<std::uint8_t> glyph, const Layout& layout, int box, bool rightButton)
    : layout_(layout) {
  if (!InCell(box) || !layout.FitsIn(glyph.size())) return;
  last_ = box;
  painted_[static_cast<std::size_t>(box)] = true;
  const int x = box % kGridSide;
  const int y = box / kGridSide;
  const bool was = GetPixel(layout, glyph, x, y);
  on_ = !rightButton && !was;
  changed_ = was != on_;
  SetPixel(layout, glyph, x, y, on_);
}

void Stroke::paint(std::span<std::uint8_t> glyph, int box) {
  auto& painted = painted_[static_cast<std::size_t>(box)];
  if (painted || !InCell(box)) return;
  painted = true;
  const int x = box % kGridSide;
  const int y = box / kGridSide;
  if (GetPixel(layout_, glyph, x, y) == on_) return;
  SetPixel(layout_, glyph, x, y, on_);
  changed_ = true;
}

void Stroke::moveTo(std::span<std::uint8_t> glyph, int box) {
  if (!active() || !InGrid(box) || box == last_) return;
  for (const int k : GridLine(last_, box)) paint(glyph, k);
  last_ = box;
}

}  // namespace zg
