#include "ops/transform.h"

#include "ops/glyph_bytes.h"
#include "ops/glyph_pixels.h"

namespace zg {
namespace {

// Rewrites the cell so that pixel (r, c) takes the old pixel at from(r, c).
template <typename From>
void Remap(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert, From from) {
  const PixelPlane old = UnpackGlyph(glyph, ncol, nstr, vert);
  PixelPlane plane{};
  for (int r = 0; r < nstr; ++r) {
    for (int c = 0; c < ncol; ++c) {
      const auto [fr, fc] = from(r, c);
      plane[static_cast<std::size_t>(r * kGridSide + c)] =
          old[static_cast<std::size_t>(fr * kGridSide + fc)];
    }
  }
  PackGlyph(plane, glyph, ncol, nstr, vert);
}

struct At {
  int r;
  int c;
};

}  // namespace

void FlipHorizontal(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert) {
  if (!CellPacks(ncol, nstr, vert, glyph.size())) return;
  Remap(glyph, ncol, nstr, vert, [ncol](int r, int c) { return At{r, ncol - 1 - c}; });
}

void FlipVertical(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert) {
  if (!CellPacks(ncol, nstr, vert, glyph.size())) return;
  Remap(glyph, ncol, nstr, vert, [nstr](int r, int c) { return At{nstr - 1 - r, c}; });
}

bool RotateClockwise(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert) {
  if (ncol != nstr || !CellPacks(ncol, nstr, vert, glyph.size())) return false;
  // The left column becomes the top row, read from the bottom up.
  Remap(glyph, ncol, nstr, vert, [n = ncol](int r, int c) { return At{n - 1 - c, r}; });
  return true;
}

bool RotateCounterClockwise(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert) {
  if (ncol != nstr || !CellPacks(ncol, nstr, vert, glyph.size())) return false;
  Remap(glyph, ncol, nstr, vert, [n = ncol](int r, int c) { return At{c, n - 1 - r}; });
  return true;
}

void InvertGlyph(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert) {
  if (!CellPacks(ncol, nstr, vert, glyph.size())) return;
  // Whole bands and whole rows: the cell fills its bytes exactly.
  for (auto& byte : glyph.first(static_cast<std::size_t>(CellBytes(ncol, nstr)))) {
    byte = static_cast<std::uint8_t>(~byte);
  }
}

}  // namespace zg
