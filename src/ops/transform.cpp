#include "ops/transform.h"

#include "ops/glyph_pixels.h"

namespace zg {
namespace {

struct At {
  int r;
  int c;
};

// Rewrites the cell so that pixel (r, c) takes the old pixel at from(r, c).
template <typename From>
void Remap(std::span<std::uint8_t> glyph, const Layout& layout, From from) {
  const PixelPlane old = UnpackGlyph(glyph, layout);
  PixelPlane plane{};
  for (int r = 0; r < layout.height; ++r) {
    for (int c = 0; c < layout.width; ++c) {
      const At f = from(r, c);
      plane[static_cast<std::size_t>(r * kGridSide + c)] =
          old[static_cast<std::size_t>(f.r * kGridSide + f.c)];
    }
  }
  PackGlyph(plane, glyph, layout);
}

}  // namespace

void FlipHorizontal(std::span<std::uint8_t> glyph, const Layout& layout) {
  if (!layout.FitsIn(glyph.size())) return;
  Remap(glyph, layout, [w = layout.width](int r, int c) { return At{r, w - 1 - c}; });
}

void FlipVertical(std::span<std::uint8_t> glyph, const Layout& layout) {
  if (!layout.FitsIn(glyph.size())) return;
  Remap(glyph, layout, [h = layout.height](int r, int c) { return At{h - 1 - r, c}; });
}

bool RotateClockwise(std::span<std::uint8_t> glyph, const Layout& layout) {
  if (layout.width != layout.height || !layout.FitsIn(glyph.size())) return false;
  // The left column becomes the top row, read from the bottom up.
  Remap(glyph, layout, [n = layout.width](int r, int c) { return At{n - 1 - c, r}; });
  return true;
}

bool RotateCounterClockwise(std::span<std::uint8_t> glyph, const Layout& layout) {
  if (layout.width != layout.height || !layout.FitsIn(glyph.size())) return false;
  Remap(glyph, layout, [n = layout.width](int r, int c) { return At{c, n - 1 - r}; });
  return true;
}

void InvertGlyph(std::span<std::uint8_t> glyph, const Layout& layout) {
  if (!layout.FitsIn(glyph.size())) return;
  // Through the plane, so that the padding bits stay zero.
  PixelPlane plane = UnpackGlyph(glyph, layout);
  for (int r = 0; r < layout.height; ++r) {
    for (int c = 0; c < layout.width; ++c) {
      auto& px = plane[static_cast<std::size_t>(r * kGridSide + c)];
      px = !px;
    }
  }
  PackGlyph(plane, glyph, layout);
}

}  // namespace zg
