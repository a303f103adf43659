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

// True when the font can change its scan direction: the parameters describe
// a cell the grid can hold with cb matching it, so that every glyph byte
// belongs to the cell.
bool CanChangeScan(const FontModel& m);

// The command after its test: converts all 224 glyphs and the backup of the
// selected glyph (so a later revert restores it in the new order), toggles
// vert between 1 and 0 (and cb with it), keeps the selected symbol selected
// (box 0 white, then box simb red, oldsimb 0) and shows it again. memsimb is
// set even when CanChangeScan refuses, which is all that then changes.
// nosave, nosavesimb, pos and the edited marks stay.
void ChangeScan(FontModel& m);

// The notice shown after a change; `vert` is the new direction.
std::string ScanChangeNotice(int vert);

}  // namespace zg
