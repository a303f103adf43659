#pragma once
// The font as an Adafruit GFX font header (GFXfont, GFXglyph, bitmaps).

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace zg {

struct GfxOptions {
  std::string name;  // the GFXfont's name, prefix of its arrays; made a C identifier
};

// Every glyph is its whole cell: width ncol, height nstr, xAdvance ncol,
// xOffset 0 and yOffset 1 - nstr, so that the cell's bottom row lies on the
// cursor's baseline row; yAdvance is nstr. Bitmaps run row after row, most
// significant bit first, without padding between rows, each glyph starting
// on a new byte. The pixels are written as drawn, whatever the polarity.
// `characters` only names the glyphs in comments.
std::string WriteGfxHeader(std::span<const std::uint8_t> glyphs, int ncol, int nstr, int vert,
                           const std::array<char32_t, 224>& characters, const GfxOptions& options);

}  // namespace zg
