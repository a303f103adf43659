#include "ops/shift.h"

#include "ops/glyph_pixels.h"

namespace zg {
namespace {

// The pixel that moves into (r, c), or an empty place beyond the cell.
struct Source {
  int r;
  int c;
  bool inside;
};

Source From(int r, int c, const Layout& layout, ShiftDirection dir) {
  switch (dir) {
    case ShiftDirection::Up:
      return {r + 1, c, r + 1 < layout.height};
    case ShiftDirection::Down:
      return {r - 1, c, r > 0};
    case ShiftDirection::Left:
      return {r, c + 1, c + 1 < layout.width};
    case ShiftDirection::Right:
      return {r, c - 1, c > 0};
  }
  return {r, c, false};
}

bool On(const PixelPlane& plane, int r, int c) {
  return plane[static_cast<std::size_t>(r * kGridSide + c)];
}

}  // namespace

bool CanShift(std::span<const std::uint8_t> glyph, const Layout& layout, ShiftDirection dir) {
  if (!layout.FitsIn(glyph.size())) return false;
  const PixelPlane plane = UnpackGlyph(glyph, layout);
  // The row or column on the leading edge must be empty.
  const bool vertical = dir == ShiftDirection::Up || dir == ShiftDirection::Down;
  const int edge = dir == ShiftDirection::Up     ? 0
                   : dir == ShiftDirection::Down ? layout.height - 1
                   : dir == ShiftDirection::Left ? 0
                                                 : layout.width - 1;
  const int length = vertical ? layout.width : layout.height;
  for (int k = 0; k < length; ++k) {
    if (vertical ? On(plane, edge, k) : On(plane, k, edge)) return false;
  }
  return true;
}

void ShiftBytes(std::span<std::uint8_t> glyph, const Layout& layout, ShiftDirection dir) {
  if (!layout.FitsIn(glyph.size())) return;
  const PixelPlane old = UnpackGlyph(glyph, layout);
  PixelPlane plane{};
  for (int r = 0; r < layout.height; ++r) {
    for (int c = 0; c < layout.width; ++c) {
      const Source s = From(r, c, layout, dir);
      plane[static_cast<std::size_t>(r * kGridSide + c)] = s.inside && On(old, s.r, s.c);
    }
  }
  PackGlyph(plane, glyph, layout);
}

}  // namespace zg
