#pragma once
// A glyph's pixels laid out like the edit grid (row * 24 + column), for the
// operations that move pixels: shifts, flips, rotations, inversion and
// placing a glyph into a cell of another size or layout.

#include <array>
#include <cstdint>
#include <span>

#include "model/font_model.h"

namespace zg {

using PixelPlane = std::array<bool, kGridBoxes>;

// The pixels of the layout's cell; the rest of the plane stays clear. Bits
// beyond the span read as clear.
PixelPlane UnpackGlyph(std::span<const std::uint8_t> glyph, const Layout& layout);

// Writes the cell's glyph bytes from the plane, padding bits zero; bytes
// beyond the layout's own keep their values, and bytes the span does not
// hold are not written.
void PackGlyph(const PixelPlane& plane, std::span<std::uint8_t> glyph, const Layout& layout);

}  // namespace zg
