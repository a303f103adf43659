#pragma once
// The edit grid's width line: the marker after a glyph's last column that the
// user drags to set the glyph's advance. Where it stands and which width a
// mouse position means, in the grid's own pixels, without a toolkit.

#include <vector>

namespace zg {

// Pixels either side of the line that a press takes hold of it by: about a
// fifth of a box, so the middle of every box still paints.
inline constexpr int kWidthLineReach = 3;

// The cell as the grid paints it.
struct WidthLineGeometry {
  int top = 0;  // the cell's rows span [top, bottom)
  int bottom = 0;
  // Where column c ends (the first pixel after it): the line of width c + 1.
  // One entry a column of the cell; empty when no font is open.
  std::vector<int> columnEnds;
};

// The width the line shows for a glyph of `width`: a width out of 1..cell
// width (an unset 0 among them) is the cell's width.
int ShownWidth(const WidthLineGeometry& g, int width);

// The x of the line for `width` (kept to 1..cell width); 0 without a cell.
int WidthLineX(const WidthLineGeometry& g, int width);

// The width whose line is nearest to `x`, 1..cell width; 0 without a cell.
// Positions beyond the cell's edges give its narrowest and widest.
int WidthAtX(const WidthLineGeometry& g, int x);

// Whether a press at (x, y) takes hold of the line of `width` rather than
// painting the box under it: within kWidthLineReach of the line, inside the
// cell's rows.
bool OnWidthLine(const WidthLineGeometry& g, int width, int x, int y);

}  // namespace zg
