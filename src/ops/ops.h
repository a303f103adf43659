#pragma once
// The glyph operations: shifting, erase, revert, clear, the scan change,
// flips, turns and inversion, whole-font shifts, stroke painting, glyphs
// on the clipboard, as transformations of the font model's data.

#include "ops/erase_revert_clear.h"
#include "ops/font_shift.h"
#include "ops/glyph_clip.h"
#include "ops/scan.h"
#include "ops/shift.h"
#include "ops/stroke.h"
#include "ops/transform.h"
#include "ops/widths.h"
