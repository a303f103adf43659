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

// The store bytes sb .. sb + cb - 1 that lie inside the store.
std::span<const std::uint8_t> StoreGlyph(const GlyphStore& store, int sb, int cb);

// Paints the cell empty (margin yellow, rest white); the store is untouched.
void PaintCell(FontModel& m, const Layout& layout);

// Rows at the bottom and columns at the right of a cell that are its margin,
// the gap between lines and letters: two in cells wider than 8, else one.
int MarginWidth(int ncol);

// True when box (row, col) lies in the yellow margin of the layout's cell.
bool IsMarginBox(int row, int col, const Layout& layout);

// Draws the glyph of cb bytes at `sb` onto the grid and sets pixelOn to match.
void RenderGlyph(FontModel& m, int sb, int cb, const Layout& layout);

// Colour of a box that is on: red in the margin, blue elsewhere.
constexpr Color OnColor(Color backColor) { return backColor == kYellow ? kRed : kBlue; }

}  // namespace zg
