#pragma once
// The font as an Adafruit GFX font header (GFXfont, GFXglyph, bitmaps).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/layout.h"

namespace zg {

struct GfxOptions {
  std::string name;  // the GFXfont's name, prefix of its arrays; made a C identifier
  // Glyph i's advance in pixels (1 to the cell's width); empty: every glyph the cell's width.
  std::span<const std::uint8_t> widths = {};
};

// Each glyph's bitmap is its ink's bounding box (0 x 0 for a glyph without
// ink), placed by xOffset and yOffset from a cursor on the cell's bottom row,
// the baseline: a glyph filling the cell has xOffset 0 and yOffset 1 - height.
// xAdvance is the glyph's width, yAdvance the cell's height. Bitmaps run row after row,
// most significant bit first, without padding between rows, each glyph
// starting on a new byte. The pixels are written as drawn, whatever the
// polarity. `characters` only names the glyphs in comments.
std::string WriteGfxHeader(std::span<const std::uint8_t> glyphs, const Layout& layout,
                           const std::array<char32_t, 224>& characters, const GfxOptions& options);

// The bytes of the bitmaps array: with every glyph its whole cell, and
// cropped to the ink as WriteGfxHeader writes them.
struct GfxBitmapSize {
  std::size_t wholeCells = 0;
  std::size_t cropped = 0;
};
GfxBitmapSize MeasureGfxBitmaps(std::span<const std::uint8_t> glyphs, const Layout& layout);

}  // namespace zg
