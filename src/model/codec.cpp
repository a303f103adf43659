#include "model/codec.h"

#include <algorithm>
#include <utility>

namespace zg {
namespace {

constexpr bool InGrid(int index) { return index >= 0 && index < kGridBoxes; }

void DrawBit(FontModel& m, int box, bool on) {
  if (!InGrid(box)) return;
  const Color back = m.pixelBackColor[box];
  m.pixelBoxColor[box] = on ? OnColor(back) : back;
  m.pixelOn[box] = on ? -1 : 0;
}

int Clamp(int v, int lo, int hi) { return std::min(std::max(v, lo), hi); }

// The store range [first, last) of the glyph at sb, cut to the store's end;
// empty for a glyph that starts before the store.
std::pair<int, int> GlyphRange(int sb, int cb) {
  if (sb < 0) return {0, 0};
  const int first = Clamp(sb, 0, kStoreSize);
  return {first, Clamp(sb + std::max(cb, 0), first, kStoreSize)};
}

}  // namespace

PixelBit LocatePixel(int index, const Layout& layout) {
  const BitPlace p = layout.Locate(index % kGridSide, index / kGridSide);
  return {p.byte, p.bit};
}

std::span<const std::uint8_t> StoreGlyph(const GlyphStore& store, int sb, int cb) {
  const auto [first, last] = GlyphRange(sb, cb);
  return std::span<const std::uint8_t>(store).subspan(static_cast<std::size_t>(first),
                                                      static_cast<std::size_t>(last - first));
}

int MarginWidth(int ncol) { return ncol > 8 ? 2 : 1; }

bool IsMarginBox(int row, int col, const Layout& layout) {
  const int width = MarginWidth(layout.width);
  return row >= layout.height - width || col >= layout.width - width;
}

void PaintCell(FontModel& m, const Layout& layout) {
  const int rows = Clamp(layout.height, 0, kGridSide);
  const int cols = Clamp(layout.width, 0, kGridSide);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const int i = r * kGridSide + c;
      const Color back = IsMarginBox(r, c, layout) ? kYellow : kWhite;
      m.pixelBoxColor[i] = back;
      m.pixelBackColor[i] = back;
      m.pixelOn[i] = 0;
    }
  }
}

void RenderGlyph(FontModel& m, int sb, int cb, const Layout& layout) {
  // Only the glyph's own bytes are read: a cell larger than cb bytes shows
  // the pixels beyond them off.
  const auto glyph = StoreGlyph(std::as_const(m.glyphStore), sb, cb);
  const int rows = Clamp(layout.height, 0, kGridSide);
  const int cols = Clamp(layout.width, 0, kGridSide);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) DrawBit(m, r * kGridSide + c, GetPixel(layout, glyph, c, r));
  }
}

}  // namespace zg
