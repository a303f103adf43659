#pragma once
// Converting the whole font between vertical and horizontal scan (the button
// "Изменить вид развертки"). Every pixel stays where it is; only its byte and
// bit change, and with them the bytes per glyph when the cell's width or
// height does not fill whole bytes (a 6 x 8 cell: 6 bytes vertical, 8
// horizontal).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/font_model.h"

namespace zg {

// The glyphs of `glyphs` (whole glyphs of from.BytesPerGlyph() bytes each)
// repacked into `to`, glyph by glyph: to.BytesPerGlyph() bytes each, the
// pixels outside the smaller cell dropped. Empty when either layout is not
// one the editor can hold.
std::vector<std::uint8_t> RepackFont(std::span<const std::uint8_t> glyphs, const Layout& from,
                                     const Layout& to);

// The notice shown after a change; `vert` is the new direction.
std::string ScanChangeNotice(int vert);

}  // namespace zg
