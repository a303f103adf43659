#pragma once
// Moving every glyph of the font by one pixel at once. Like the shift of one
// glyph it never loses a pixel: callers ask which glyph stands in the way
// first and refuse the whole shift when one does.

#include <cstdint>
#include <optional>
#include <span>

#include "ops/shift.h"

namespace zg {

// Index 0..223 of the first glyph that would push a set pixel out of its
// cell, or nullopt when all can move. A layout the editor cannot hold blocks
// at glyph 0. `glyphs` holds 224 glyphs in `layout` from the font's start.
std::optional<int> FirstGlyphBlockingShift(std::span<const std::uint8_t> glyphs,
                                           const Layout& layout, ShiftDirection dir);

// Moves all 224 glyphs one pixel in `dir`; pixels on the leading edge are
// dropped, so callers check FirstGlyphBlockingShift first.
void ShiftFont(std::span<std::uint8_t> glyphs, const Layout& layout, ShiftDirection dir);

}  // namespace zg
