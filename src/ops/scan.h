#pragma once
// Converting the whole font between vertical and horizontal scan (the button
// "Изменить вид развертки"). Every pixel stays where it is; only its byte and
// bit change.

#include <cstdint>
#include <span>
#include <string>

#include "model/font_model.h"

namespace zg {

// Repacks every whole glyph of `glyphs` (cb bytes each, in place) from the
// byte order of `fromVert` to that of `toVert` (1 = vertical, anything else
// horizontal). Gives the bytes that drawing each glyph on the grid in the old
// order and packing the cell's pixels in the new order would give. Nothing
// changes unless cb is exactly the cell's byte count and the cell packs in
// both orders (widths 8, 16, 24; heights 8, 16, 24).
void ConvertScan(std::span<std::uint8_t> glyphs, int cb, int ncol, int nstr, int fromVert,
                 int toVert);

// True when the font can change its scan direction: the width is a multiple
// of 8 (not 6 or 12), and the parameters describe a cell the grid can hold
// with cb matching it, so that every glyph byte is a pixel of the cell.
bool CanChangeScan(const FontModel& m);

// The command after its test: converts all 224 glyphs and the backup of the
// selected glyph (so a later revert restores it in the new order), toggles
// vert between 1 and 0, keeps the selected symbol selected (box 0 white, then
// box simb red, oldsimb 0) and shows it again. memsimb is set even when
// CanChangeScan refuses, which is all that then changes. nosave, nosavesimb,
// pos and the edited marks stay.
void ChangeScan(FontModel& m);

// The notice shown after a change; `vert` is the new direction.
std::string ScanChangeNotice(int vert);

}  // namespace zg
