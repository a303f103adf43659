#pragma once
// The pixels of one glyph in its layout, for the writers of other file forms.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/layout.h"

namespace zg {

// Every writer puts out the codes 20h..FFh.
inline constexpr int kGlyphCount = 224;
inline constexpr int kFirstGlyphCode = 0x20;

// Pixel (x, y) of `glyph` in `layout`, x from the left, y from the top; off
// outside the cell and for bytes the span does not hold.
inline bool GlyphPixel(std::span<const std::uint8_t> glyph, const Layout& layout, int x, int y) {
  if (x < 0 || y < 0 || x >= layout.width || y >= layout.height) return false;
  const BitPlace place = layout.Locate(x, y);
  const auto n = static_cast<std::size_t>(place.byte);
  return n < glyph.size() && ((glyph[n] >> place.bit) & 1U) != 0;
}

// The writers take cells up to this many pixels a side (the editor's are at
// most 24), so that a row fits one machine word.
inline constexpr int kMaxCellSide = 32;

// The glyph's rows as bit masks, bit width - 1 the leftmost pixel: decoded
// once per glyph, so the writers walk whole rows instead of single pixels.
using GlyphRows = std::array<std::uint32_t, kMaxCellSide>;

// The byte with its bits in the other order.
constexpr std::uint8_t ReverseBits(unsigned v) {
  v = ((v & 0xF0U) >> 4) | ((v & 0x0FU) << 4);
  v = ((v & 0xCCU) >> 2) | ((v & 0x33U) << 2);
  v = ((v & 0xAAU) >> 1) | ((v & 0x55U) << 1);
  return static_cast<std::uint8_t>(v);
}

// True when the writers can draw the layout's cell: bytes per glyph, and no
// side over kMaxCellSide.
inline bool WritableCell(const Layout& layout) {
  return layout.BytesPerGlyph() > 0 && layout.width <= kMaxCellSide &&
         layout.height <= kMaxCellSide;
}

// Rows 0..height-1 of `glyph` in any bit and band order; a cell over
// kMaxCellSide decodes as empty. Each byte is found through the place of its
// first pixel and read whole.
inline GlyphRows DecodeRows(std::span<const std::uint8_t> glyph, const Layout& layout) {
  GlyphRows rows{};
  if (!WritableCell(layout)) return rows;
  const auto w = static_cast<std::size_t>(layout.width);
  const auto h = static_cast<std::size_t>(layout.height);
  // Reversed: the first pixel of a byte in bit 7 (vertical) or bit 0
  // (horizontal) instead; the byte is turned round to read as classic.
  const bool reversed = layout.bitOrder == BitOrder::Reversed;
  const auto byteAt = [&](const BitPlace& place) -> unsigned {
    const auto n = static_cast<std::size_t>(place.byte);
    if (n >= glyph.size()) return 0U;
    return reversed ? ReverseBits(glyph[n]) : glyph[n];
  };
  if (layout.Vertical()) {
    for (std::size_t top = 0; top < h; top += 8) {
      const std::size_t bandRows = std::min<std::size_t>(8, h - top);
      for (std::size_t x = 0; x < w; ++x) {
        const unsigned v = byteAt(layout.Locate(static_cast<int>(x), static_cast<int>(top)));
        const std::uint32_t bit = 1U << (w - 1 - x);
        // Without a branch per pixel: fonts are too irregular to predict.
        for (std::size_t k = 0; k < bandRows; ++k) rows[top + k] |= (0U - ((v >> k) & 1U)) & bit;
      }
    }
  } else {
    const std::size_t rowBytes = (w + 7) / 8;
    for (std::size_t y = 0; y < h; ++y) {
      std::uint64_t bits = 0;
      for (std::size_t k = 0; k < rowBytes; ++k)
        bits = (bits << 8) | byteAt(layout.Locate(static_cast<int>(8 * k), static_cast<int>(y)));
      rows[y] = static_cast<std::uint32_t>(bits >> (8 * rowBytes - w));
    }
  }
  return rows;
}

// Glyph i of a font of `cb` bytes per glyph, cut to what `glyphs` holds.
inline std::span<const std::uint8_t> GlyphAt(std::span<const std::uint8_t> glyphs, std::size_t cb,
                                             std::size_t i) {
  const std::size_t start = std::min(glyphs.size(), cb * i);
  return glyphs.subspan(start, std::min(cb, glyphs.size() - start));
}

}  // namespace zg
