#pragma once
// The pixels of one glyph as the editor keeps its bytes, for the writers of
// other file forms. Vertical scan: one byte per column of each band of eight
// rows, bands from the top, bit 0 the band's top row. Horizontal scan: each
// row in whole bytes, bit 7 the leftmost pixel of its byte.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zg {

// Every writer puts out the codes 20h..FFh.
inline constexpr int kGlyphCount = 224;
inline constexpr int kFirstGlyphCode = 0x20;

// Bytes one glyph takes: 0 for a cell of no pixels.
constexpr std::size_t GlyphByteCount(int ncol, int nstr, int vert) {
  if (ncol <= 0 || nstr <= 0) return 0;
  const auto w = static_cast<std::size_t>(ncol);
  const auto h = static_cast<std::size_t>(nstr);
  return vert == 1 ? w * ((h + 7) / 8) : (w + 7) / 8 * h;
}

// Pixel (x, y) of `glyph`, x from the left, y from the top; off outside the
// cell and for bytes the span does not hold.
inline bool GlyphPixel(std::span<const std::uint8_t> glyph, int ncol, int nstr, int vert, int x,
                       int y) {
  if (x < 0 || y < 0 || x >= ncol || y >= nstr) return false;
  const auto ux = static_cast<std::size_t>(x);
  const auto uy = static_cast<std::size_t>(y);
  std::size_t n = 0;
  unsigned bit = 0;
  if (vert == 1) {
    n = static_cast<std::size_t>(ncol) * (uy / 8) + ux;
    bit = static_cast<unsigned>(uy % 8);
  } else {
    n = (static_cast<std::size_t>(ncol) + 7) / 8 * uy + ux / 8;
    bit = 7U - static_cast<unsigned>(ux % 8);
  }
  return n < glyph.size() && ((glyph[n] >> bit) & 1U) != 0;
}

// The writers take cells up to this many pixels a side (the editor's are at
// most 24), so that a row fits one machine word.
inline constexpr int kMaxCellSide = 32;

// The glyph's rows as bit masks, bit ncol - 1 the leftmost pixel: decoded
// once per glyph, so the writers walk whole rows instead of single pixels.
using GlyphRows = std::array<std::uint32_t, kMaxCellSide>;

// Rows 0..nstr-1 of `glyph`; a cell over kMaxCellSide decodes as empty.
inline GlyphRows DecodeRows(std::span<const std::uint8_t> glyph, int ncol, int nstr, int vert) {
  GlyphRows rows{};
  if (ncol <= 0 || nstr <= 0 || ncol > kMaxCellSide || nstr > kMaxCellSide) return rows;
  const auto w = static_cast<std::size_t>(ncol);
  const auto h = static_cast<std::size_t>(nstr);
  if (vert == 1) {
    for (std::size_t top = 0; top < h; top += 8) {
      const std::size_t bandRows = std::min<std::size_t>(8, h - top);
      for (std::size_t x = 0; x < w; ++x) {
        const std::size_t n = w * (top / 8) + x;
        const unsigned v = n < glyph.size() ? glyph[n] : 0U;
        const std::uint32_t bit = 1U << (w - 1 - x);
        // Without a branch per pixel: fonts are too irregular to predict.
        for (std::size_t k = 0; k < bandRows; ++k) rows[top + k] |= (0U - ((v >> k) & 1U)) & bit;
      }
    }
  } else {
    const std::size_t rowBytes = (w + 7) / 8;
    for (std::size_t y = 0; y < h; ++y) {
      std::uint64_t bits = 0;
      for (std::size_t k = 0; k < rowBytes; ++k) {
        const std::size_t n = rowBytes * y + k;
        bits = (bits << 8) | (n < glyph.size() ? glyph[n] : 0U);
      }
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
