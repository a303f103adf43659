#pragma once
// The user's direct work on the font: picking the symbol to edit and
// switching single pixels on and off.

#include "model/font_model.h"

namespace zg {

// Makes symbol i current: marks its box, takes the backup, draws its glyph.
// Does nothing while the symbol box is locked (no font open).
void SelectSymbol(FontModel& m, int i);

// Switches pixel box i of the current glyph; the store changes at once.
// Does nothing for a hidden box.
void TogglePixel(FontModel& m, int i);

// Marks symbol box `simb` as edited (font size 12, bold).
void MarkEdited(FontModel& m);

// Copies the current glyph into the backup and clears nosavesimb.
void TakeBackup(FontModel& m);

// The negative-font check box: 1 = ticked (negative), 0 = clear.
void SetNegative(FontModel& m, int checkValue);

}  // namespace zg
