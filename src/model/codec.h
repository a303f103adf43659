#pragma once
// Conversion between a glyph's bytes in the store and the pixel boxes of the
// edit grid. Every function keeps to its arrays whatever parameters it gets:
// indices outside the store, the grid or the glyph are skipped.

#include "model/font_model.h"

namespace zg {

struct PixelBit {
  int n;  // byte offset within the glyph
  int b;  // bit number, 0 = least significant
  friend bool operator==(const PixelBit&, const PixelBit&) = default;
};

// Bytes per pixel row in horizontal scan; rows of widths that are not a
// multiple of 8 are padded to whole bytes.
constexpr int RowBytes(int ncol) { return ncol > 0 ? (ncol + 7) / 8 : 0; }

// Byte offset and bit of grid box `index` for a cell `ncol` wide.
PixelBit LocatePixel(int index, int ncol, int vert);

// Store index `sb` + n is a byte of the glyph at `sb` and inside the store.
constexpr bool InGlyph(int sb, int cb, int n) {
  return n >= 0 && n < cb && sb + n >= 0 && sb + n < kStoreSize;
}

// Zeroes the store and the grid's on/off states; colours stay as they are.
void ClearFont(FontModel& m);

// Paints the cell empty (margin yellow, rest white) and zeroes the current glyph.
void LayoutGrid(FontModel& m, int ncol, int nstr);

// Paints the cell empty (margin yellow, rest white); the store is untouched.
void PaintCell(FontModel& m, int ncol, int nstr);

// Rows at the bottom and columns at the right of a cell that are its margin,
// the gap between lines and letters: two in cells wider than 8, else one.
int MarginWidth(int ncol);

// True when box (row, col) lies in the yellow margin of a cell.
bool IsMarginBox(int row, int col, int ncol, int nstr);

// Draws the glyph at `sb` onto the grid and sets pixelOn to match.
void RenderGlyph(FontModel& m, int sb, int cb, int ncol, int vert);

// Writes one pixel of the current glyph (m.sb, m.ncol, m.vert) into the store.
void StorePixel(FontModel& m, int index, bool on);

// Same, for an explicit glyph start and scan direction.
void StorePixelAt(FontModel& m, int sb, int cb, int ncol, int vert, int index, bool on);

// Colour of a box that is on: red in the margin, blue elsewhere.
constexpr Color OnColor(Color backColor) { return backColor == kYellow ? kRed : kBlue; }

}  // namespace zg
