#pragma once
// The glyph operations on glyph bytes: shifting, the scan change, flips,
// turns and inversion, whole-font shifts, stroke painting, glyphs on the
// clipboard, and widths.

#include "ops/font_shift.h"
#include "ops/glyph_clip.h"
#include "ops/scan.h"
#include "ops/shift.h"
#include "ops/stroke.h"
#include "ops/transform.h"
#include "ops/widths.h"
