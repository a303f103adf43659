#pragma once
// The font as a BDF 2.1 bitmap font, for X11, FreeType and font converters.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/layout.h"

namespace zg {

struct BdfOptions {
  std::string family = "zgedit";  // FAMILY_NAME and the XLFD name's family
  // ENCODING is the code 20h..FFh itself instead of the character's Unicode
  // code point; the font is then "FontSpecific" and keeps every code.
  bool rawEncoding = false;
  // Glyph i's advance in pixels (1 to the cell's width). Given, every glyph gets its own
  // DWIDTH and a BBX tight round its ink; empty: every glyph its whole cell.
  std::span<const std::uint8_t> widths = {};
};

// Every glyph fills its cell, which stands on the baseline: FONT_ASCENT is the
// cell height and FONT_DESCENT 0, as in the GFX export. The pixels are written
// as drawn; a negative font is a byte encoding of the editor's files only.
// Without rawEncoding a glyph goes under its character's code point; a code
// with no character (0 in `characters`), or whose character an earlier code
// already gave, goes under the code point of its own value (U+0098 for 98h)
// when no character of the font takes that one. The codes that find no code
// point at all are not written and are listed in `unwrittenCodes`.
// With widths, a glyph without ink has a 0 x 0 BBX and no bitmap rows, and a
// font whose widths differ is SPACING "P" with its AVERAGE_WIDTH from them.
std::string WriteBdf(std::span<const std::uint8_t> glyphs, const Layout& layout,
                     const std::array<char32_t, 224>& characters, const BdfOptions& options,
                     std::vector<int>* unwrittenCodes = nullptr);

}  // namespace zg
