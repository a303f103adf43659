#pragma once
// One glyph on the clipboard between editors, with the cell and scan it was
// drawn in, so that it can be pasted into a font of another cell or scan.
//
// The text form is one header line and the glyph's bytes in hexadecimal:
//   zgedit-glyph 1 8x8 v
//   7c 7e 13 13 7e 7c 00 00
// "1" is the form's version; the cell any from 1 x 1 to 24 x 24, the scan
// "v" or "h", the bits in the editor's own order. A glyph of a proportional
// font carries its width, in version 2:
//   zgedit-glyph 2 8x8 v w5

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/layout.h"

namespace zg {

struct GlyphClip {
  Layout layout;                    // classic bit and band order
  std::vector<std::uint8_t> bytes;  // the glyph's bytes in that layout
  int width = 0;                    // the glyph's advance, 1 to the cell's width; 0: not given
  friend bool operator==(const GlyphClip&, const GlyphClip&) = default;
};

// The text form of a glyph in `layout` (its bit and band order are taken as
// classic); `glyph` holds at least the glyph's bytes (more are ignored);
// `width` 1 to the cell's width is the glyph's advance, 0 none. Empty when
// the cell, byte count or width do not make a glyph.
std::string EncodeGlyphClip(const Layout& layout, std::span<const std::uint8_t> glyph,
                            int width = 0);

// Reads the text form back, either version; nullopt for anything but
// exactly one valid glyph.
std::optional<GlyphClip> DecodeGlyphClip(std::string_view text);

// Puts the clip's pixels into the cell of `target` (in `layout`) from the
// top left: what does not fit is cut off, the rest of the cell is empty.
// Does nothing when the target glyph does not fit its bytes.
void PlaceGlyph(const GlyphClip& clip, std::span<std::uint8_t> target, const Layout& layout);

}  // namespace zg
