#include "ops/glyph_pixels.h"

#include <algorithm>

namespace zg {

PixelPlane UnpackGlyph(std::span<const std::uint8_t> glyph, const Layout& layout) {
  PixelPlane plane{};
  const int rows = std::min(layout.height, kGridSide);
  const int cols = std::min(layout.width, kGridSide);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      plane[static_cast<std::size_t>(r * kGridSide + c)] = GetPixel(layout, glyph, c, r);
    }
  }
  return plane;
}

void PackGlyph(const PixelPlane& plane, std::span<std::uint8_t> glyph, const Layout& layout) {
  const auto own = std::min(glyph.size(), static_cast<std::size_t>(layout.BytesPerGlyph()));
  std::fill_n(glyph.begin(), own, std::uint8_t{0});
  const int rows = std::min(layout.height, kGridSide);
  const int cols = std::min(layout.width, kGridSide);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      if (plane[static_cast<std::size_t>(r * kGridSide + c)]) SetPixel(layout, glyph, c, r, true);
    }
  }
}

}  // namespace zg
