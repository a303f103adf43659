#pragma once
// Mirroring, turning and inverting one glyph, on its bytes in either scan.
// Each works on the ncol x nstr cell only: bytes beyond the cell's own keep
// their values, and a cell without a byte layout (see CellPacks) is left as
// it is.

#include <cstdint>
#include <span>

namespace zg {

// Left and right change places.
void FlipHorizontal(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert);

// Top and bottom change places.
void FlipVertical(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert);

// A quarter turn; only a square cell can turn in place, so any other returns
// false with nothing changed.
bool RotateClockwise(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert);
bool RotateCounterClockwise(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert);

// Every pixel of the cell switches.
void InvertGlyph(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert);

}  // namespace zg
