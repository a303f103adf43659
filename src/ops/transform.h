#pragma once
// Mirroring, turning and inverting one glyph, on its bytes in any layout.
// Each works on the layout's cell only: bytes beyond the cell's own keep
// their values, padding bits stay zero, and a glyph that does not fit the
// bytes (Layout::FitsIn) is left as it is.

#include <cstdint>
#include <span>

#include "model/layout.h"

namespace zg {

// Left and right change places.
void FlipHorizontal(std::span<std::uint8_t> glyph, const Layout& layout);

// Top and bottom change places.
void FlipVertical(std::span<std::uint8_t> glyph, const Layout& layout);

// A quarter turn; only a square cell can turn in place, so any other returns
// false with nothing changed.
bool RotateClockwise(std::span<std::uint8_t> glyph, const Layout& layout);
bool RotateCounterClockwise(std::span<std::uint8_t> glyph, const Layout& layout);

// Every pixel of the cell switches.
void InvertGlyph(std::span<std::uint8_t> glyph, const Layout& layout);

}  // namespace zg
