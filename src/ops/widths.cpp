#include "ops/widths.h"

#include <algorithm>
#include <cstddef>

#include "model/font_model.h"

namespace zg {
namespace {

bool ColumnLit(std::span<const std::uint8_t> glyph, const Layout& layout, int x) {
  for (int y = 0; y < layout.height; ++y) {
    if (GetPixel(layout, glyph, x, y)) return true;
  }
  return false;
}

}  // namespace

InkColumns FindInkColumns(std::span<const std::uint8_t> glyph, const Layout& layout) {
  if (!layout.FitsIn(glyph.size())) return {};
  int right = layout.width;
  while (right > 0 && !ColumnLit(glyph, layout, right - 1)) --right;
  if (right == 0) return {};
  int left = 0;
  while (!ColumnLit(glyph, layout, left)) ++left;
  return {left, right};
}

int ClampWidth(int width, int cellWidth) { return std::clamp(width, 1, std::max(cellWidth, 1)); }

std::vector<std::uint8_t> ProportionalWidths(std::span<const std::uint8_t> glyphs,
                                             const Layout& layout, int spacing, int spaceWidth) {
  const int gap = std::clamp(spacing, kMinSpacing, kMaxSpacing);
  const auto space = static_cast<std::uint8_t>(ClampWidth(spaceWidth, layout.width));
  const auto cb = static_cast<std::size_t>(layout.BytesPerGlyph());
  std::vector<std::uint8_t> widths(kSymbolCount, space);
  if (cb == 0) return widths;
  for (std::size_t i = 1; i < widths.size(); ++i) {
    if ((i + 1) * cb > glyphs.size()) break;
    const InkColumns ink = FindInkColumns(glyphs.subspan(i * cb, cb), layout);
    if (!ink.Empty())
      widths[i] = static_cast<std::uint8_t>(ClampWidth(ink.right + gap, layout.width));
  }
  return widths;
}

int WidthAfterShift(int width, ShiftDirection dir, int cellWidth) {
  switch (dir) {
    case ShiftDirection::Left:
      return ClampWidth(width - 1, cellWidth);
    case ShiftDirection::Right:
      return ClampWidth(width + 1, cellWidth);
    case ShiftDirection::Up:
    case ShiftDirection::Down:
      break;
  }
  return ClampWidth(width, cellWidth);
}

void ShiftWidths(std::span<std::uint8_t> widths, ShiftDirection dir, int cellWidth) {
  for (std::uint8_t& w : widths) w = static_cast<std::uint8_t>(WidthAfterShift(w, dir, cellWidth));
}

int WidthFollowingInk(int width, std::span<const std::uint8_t> before,
                      std::span<const std::uint8_t> after, const Layout& layout) {
  const InkColumns was = FindInkColumns(before, layout);
  const InkColumns now = FindInkColumns(after, layout);
  if (was.Empty() || now.Empty()) return ClampWidth(width, layout.width);
  return ClampWidth(width + now.right - was.right, layout.width);
}

int WidthAfterPaste(std::optional<int> clipWidth, int clipCellWidth, int cellWidth) {
  return ClampWidth(clipWidth.value_or(clipCellWidth), cellWidth);
}

}  // namespace zg
