#pragma once
// Conversion between a glyph's bytes in the store and the pixel boxes of the
// edit grid. Every function keeps to its arrays whatever parameters it gets:
// indices outside the store, the grid or the glyph are skipped.

#include <span>

#include "model/font_model.h"

namespace zg {

struct PixelBit {
  int n;  // byte offset within the glyph
  int b;  // bit number, 0 = least significant
  friend bool operator==(const PixelBit&, const PixelBit&) = default;
};

// Byte offset and bit of grid box `index` (row * 24 + column) in `layout`.
PixelBit LocatePixel(int index, const Layout& layout);

// Store index `sb` + n is a byte of the glyph at `sb` and inside the store.
constexpr bool InGlyph(int sb, int cb, int n) {
  return n >= 0 && n < cb && sb + n >= 0 && sb + n < kStoreSize;
}

// The store bytes sb .. sb + cb - 1 that lie inside the store.
std::span<const std::uint8_t> StoreGlyph(const GlyphStore& store, int sb, int cb);
std::span<std::uint8_t> StoreGlyph(GlyphStore& store, int sb, int cb);

// Zeroes the store and the grid's on/off states; colours stay as they are.
void ClearFont(FontModel& m);

// Paints the cell empty (margin yellow, rest white) and zeroes the current glyph.
void LayoutGrid(FontModel& m, const Layout& layout);

// Paints the cell empty (margin yellow, rest white); the store is untouched.
void PaintCell(FontModel& m, const Layout& layout);

// Rows at the bottom and columns at the right of a cell that are its margin,
// the gap between lines and letters: two in cells wider than 8, else one.
int MarginWidth(int ncol);

// True when box (row, col) lies in the yellow margin of the layout's cell.
bool IsMarginBox(int row, int col, const Layout& layout);

// Draws the glyph of cb bytes at `sb` onto the grid and sets pixelOn to match.
void RenderGlyph(FontModel& m, int sb, int cb, const Layout& layout);

// Writes one pixel of the current glyph (m.sb, m.cb, the model's layout) into the store.
void StorePixel(FontModel& m, int index, bool on);

// Same, for an explicit glyph and layout.
void StorePixelAt(FontModel& m, int sb, int cb, const Layout& layout, int index, bool on);

// Colour of a box that is on: red in the margin, blue elsewhere.
constexpr Color OnColor(Color backColor) { return backColor == kYellow ? kRed : kBlue; }

}  // namespace zg
