#pragma once
// A glyph's pixels laid out like the edit grid (row * 24 + column), for the
// operations that move pixels to places no simple byte rule reaches: flips,
// rotations and placing a glyph into a cell of another size or scan.

#include <array>
#include <cstdint>
#include <span>

#include "model/font_model.h"

namespace zg {

using PixelPlane = std::array<bool, kGridBoxes>;

// The pixels of the ncol x nstr cell; the rest of the plane stays clear.
// Callers check CellPacks first; bits beyond the span read as clear.
PixelPlane UnpackGlyph(std::span<const std::uint8_t> glyph, int ncol, int nstr, int vert);

// Writes every pixel of the cell from the plane; bytes beyond the cell's own
// keep their values.
void PackGlyph(const PixelPlane& plane, std::span<std::uint8_t> glyph, int ncol, int nstr,
               int vert);

}  // namespace zg
