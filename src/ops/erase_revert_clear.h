#pragma once
// The three commands that discard pixels: erase the current cell, revert the
// current glyph to its bytes at selection, clear the whole font. Each runs
// after the user has confirmed; asking is the window's part.

#include "model/font_model.h"

namespace zg {

// Empties the current glyph and its cell on the grid, marks the symbol as
// edited and sets nosave and nosavesimb.
void EraseGlyph(FontModel& m);

// True when the current glyph changed since its selection, so that a revert
// has something to restore (and the user is to be asked).
bool CanRevert(const FontModel& m);

// Writes the backup back into the current glyph, redraws it, removes the
// edited mark and clears nosavesimb; nosave stays. Does nothing while
// CanRevert is false.
void RevertGlyph(FontModel& m);

// Empties every glyph and lays the grid out again. Every symbol box loses its
// marks, the selected one stays red; nosave and nosavesimb stay as they were.
void ClearWholeFont(FontModel& m);

}  // namespace zg
