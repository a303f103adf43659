#pragma once
// One glyph on the clipboard between editors, with the cell and scan it was
// drawn in, so that it can be pasted into a font of another cell or scan.
//
// The text form is one header line and the glyph's bytes in hexadecimal:
//   zgedit-glyph 1 8x8 v
//   7c 7e 13 13 7e 7c 00 00
// "1" is the form's version; the cell is one of the seven, the scan "v" or
// "h" (horizontal only for widths 8, 16 and 24).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zg {

struct GlyphClip {
  int ncol = 0;
  int nstr = 0;
  int vert = 0;                     // 1 vertical, 0 horizontal
  std::vector<std::uint8_t> bytes;  // the cell's bytes in scan order
  friend bool operator==(const GlyphClip&, const GlyphClip&) = default;
};

// The text form; `glyph` holds at least the cell's bytes (more are ignored).
// Empty when the cell, scan or byte count do not make a glyph.
std::string EncodeGlyphClip(int ncol, int nstr, int vert, std::span<const std::uint8_t> glyph);

// Reads the text form back; nullopt for anything but exactly one valid glyph.
std::optional<GlyphClip> DecodeGlyphClip(std::string_view text);

// Puts the clip's pixels into the ncol x nstr cell of `target` (scan `vert`)
// from the top left: what does not fit is cut off, the rest of the cell is
// empty. Does nothing when the target cell has no byte layout.
void PlaceGlyph(const GlyphClip& clip, std::span<std::uint8_t> target, int ncol, int nstr,
                int vert);

}  // namespace zg
