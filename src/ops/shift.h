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
// in `dir` without pushing a set pixel out of the layout's cell. False as
// well when the glyph does not fit the bytes (Layout::FitsIn).
bool CanShift(std::span<const std::uint8_t> glyph, const Layout& layout, ShiftDirection dir);

// Moves every pixel of the glyph one place in `dir`; the row or column on
// the opposite side becomes empty and pixels on the leading edge are dropped,
// so callers test CanShift first. Bytes beyond the cell's own are untouched;
// a glyph that does not fit the bytes is left as it is.
void ShiftBytes(std::span<std::uint8_t> glyph, const Layout& layout, ShiftDirection dir);

}  // namespace zg
