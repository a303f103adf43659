#pragma once
// Where a glyph's ink lies and how far it advances the pen: what the writers
// of proportional file forms (Adafruit GFX, BDF, LVGL) put in their tables.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "fontfile/c_text.h"
#include "fontfile/glyph_pixels.h"
#include "model/layout.h"

namespace zg {

// The bounding box of a glyph's lit pixels, x from the left, y from the top;
// 0 x 0 at (0, 0) for a glyph without ink.
struct InkBox {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const InkBox&, const InkBox&) = default;
};

inline InkBox FindInk(const GlyphRows& rows, const Layout& layout) {
  const int ncol = layout.width;
  const int nstr = std::min(layout.height, kMaxCellSide);
  std::uint32_t any = 0;
  int top = -1;
  int bottom = -1;
  for (int y = 0; y < nstr; ++y) {
    const std::uint32_t row = rows[static_cast<std::size_t>(y)];
    if (row == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    any |= row;
  }
  if (any == 0) return {};
  // Bit width - 1 is the leftmost column.
  const int left = ncol - std::bit_width(any);
  const int right = ncol - 1 - std::countr_zero(any);
  return {left, top, right - left + 1, bottom - top + 1};
}

// Row y of the box as its own bits, bit width - 1 the box's leftmost column.
inline std::uint32_t BoxRow(const GlyphRows& rows, const Layout& layout, const InkBox& box, int y) {
  const std::uint32_t row = rows[static_cast<std::size_t>(y)] >> (layout.width - box.x - box.width);
  return box.width >= 32 ? row : row & ((1U << box.width) - 1U);
}

// The box's pixels row after row, most significant bit first, rows running
// on without padding and only the last byte padded, as "0x..," each: the
// bitmaps of Adafruit GFX and of LVGL's 1 bit per pixel fonts.
inline std::size_t AppendBoxBits(std::string& out, const GlyphRows& rows, const Layout& layout,
                                 const InkBox& box) {
  std::uint64_t pending = 0;
  int bits = 0;
  std::size_t bytes = 0;
  for (int y = box.y; y < box.y + box.height; ++y) {
    pending = (pending << box.width) | BoxRow(rows, layout, box, y);
    for (bits += box.width; bits >= 8; bits -= 8, ++bytes) {
      AppendHexByte(out, static_cast<std::uint8_t>(pending >> (bits - 8)));
      out += ',';
    }
  }
  if (bits != 0) {
    AppendHexByte(out, static_cast<std::uint8_t>(pending << (8 - bits)));
    out += ',';
    ++bytes;
  }
  return bytes;
}

// Glyph i's advance in pixels: widths[i] kept to 1..width; the cell's width
// for every glyph of a monospaced font (no widths given).
inline int GlyphAdvance(std::span<const std::uint8_t> widths, std::size_t i, const Layout& layout) {
  if (i >= widths.size()) return layout.width;
  return std::clamp(static_cast<int>(widths[i]), 1, layout.width);
}

// True when widths are given and any of them differs from the cell's width.
inline bool IsProportional(std::span<const std::uint8_t> widths, const Layout& layout) {
  for (std::size_t i = 0; i < widths.size(); ++i) {
    if (GlyphAdvance(widths, i, layout) != layout.width) return true;
  }
  return false;
}

}  // namespace zg
