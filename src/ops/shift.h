#pragma once
// Moving the glyph being edited by one pixel (the buttons "Вверх", "Вниз",
// "Влево", "Вправо"). A shift never loses a pixel: when the row or column that
// would leave the cell holds a set pixel, nothing happens at all.

#include <cstdint>
#include <span>

#include "model/font_model.h"

namespace zg {

enum class ShiftDirection { Up, Down, Left, Right };

// The edge test on one glyph's bytes: true when the glyph can move one pixel
// in `dir` without pushing a set pixel out of the ncol x nstr cell. False as
// well when the bytes have no layout for these parameters (see CellPacks),
// such as a horizontal cell of width 6 or 12.
bool CanShift(std::span<const std::uint8_t> glyph, int ncol, int nstr, int vert,
              ShiftDirection dir);

// Moves every pixel of the glyph one place in `dir`; the row or column on
// the opposite side becomes empty and pixels on the leading edge are dropped,
// so callers test CanShift first. Bytes beyond the cell's own are untouched;
// without a layout nothing changes.
void ShiftBytes(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert, ShiftDirection dir);

// The whole shift command on the current glyph: edge test, edited mark,
// nosave and nosavesimb set, bytes moved, grid redrawn. Returns false, with
// nothing changed, when the shift is refused.
bool ShiftGlyph(FontModel& m, ShiftDirection dir);

}  // namespace zg
