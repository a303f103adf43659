#include "model/layout.h"

#include <algorithm>

namespace zg {
namespace {

bool InCell(const Layout& layout, int x, int y) {
  return x >= 0 && y >= 0 && x < layout.width && y < layout.height;
}

}  // namespace

bool GetPixel(const Layout& layout, std::span<const std::uint8_t> glyph, int x, int y) {
  if (!InCell(layout, x, y)) return false;
  const BitPlace p = layout.Locate(x, y);
  const auto n = static_cast<std::size_t>(p.byte);
  return n < glyph.size() && ((glyph[n] >> p.bit) & 1U) != 0;
}

void SetPixel(const Layout& layout, std::span<std::uint8_t> glyph, int x, int y, bool on) {
  if (!InCell(layout, x, y)) return;
  const BitPlace p = layout.Locate(x, y);
  const auto n = static_cast<std::size_t>(p.byte);
  if (n >= glyph.size()) return;
  const auto mask = static_cast<std::uint8_t>(1U << p.bit);
  glyph[n] =
      on ? static_cast<std::uint8_t>(glyph[n] | mask) : static_cast<std::uint8_t>(glyph[n] & ~mask);
}

void Repack(const Layout& from, std::span<const std::uint8_t> glyph, const Layout& to,
            std::span<std::uint8_t> out) {
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  const int w = std::min(from.width, to.width);
  const int h = std::min(from.height, to.height);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (GetPixel(from, glyph, x, y)) SetPixel(to, out, x, y, true);
    }
  }
}

std::string PixelPicture(const Layout& layout, std::span<const std::uint8_t> glyph) {
  std::string text;
  text.reserve(static_cast<std::size_t>((layout.width + 1) * std::max(layout.height, 0)));
  for (int y = 0; y < layout.height; ++y) {
    for (int x = 0; x < layout.width; ++x) text += GetPixel(layout, glyph, x, y) ? '#' : '.';
    text += '\n';
  }
  return text;
}

}  // namespace zg
