#include "ops/glyph_pixels.h"

#include "model/codec.h"

namespace zg {

PixelPlane UnpackGlyph(std::span<const std::uint8_t> glyph, int ncol, int nstr, int vert) {
  PixelPlane plane{};
  for (int r = 0; r < nstr && r < kGridSide; ++r) {
    for (int c = 0; c < ncol && c < kGridSide; ++c) {
      const int box = r * kGridSide + c;
      const PixelBit bit = LocatePixel(box, ncol, vert);
      if (bit.n < 0 || static_cast<std::size_t>(bit.n) >= glyph.size()) continue;
      plane[static_cast<std::size_t>(box)] =
          ((glyph[static_cast<std::size_t>(bit.n)] >> bit.b) & 1U) != 0;
    }
  }
  return plane;
}

void PackGlyph(const PixelPlane& plane, std::span<std::uint8_t> glyph, int ncol, int nstr,
               int vert) {
  for (int r = 0; r < nstr && r < kGridSide; ++r) {
    for (int c = 0; c < ncol && c < kGridSide; ++c) {
      const int box = r * kGridSide + c;
      const PixelBit bit = LocatePixel(box, ncol, vert);
      if (bit.n < 0 || static_cast<std::size_t>(bit.n) >= glyph.size()) continue;
      auto& byte = glyph[static_cast<std::size_t>(bit.n)];
      const auto mask = static_cast<std::uint8_t>(1U << bit.b);
      byte = plane[static_cast<std::size_t>(box)] ? static_cast<std::uint8_t>(byte | mask)
                                                  : static_cast<std::uint8_t>(byte & ~mask);
    }
  }
}

}  // namespace zg
