#pragma once
// The glyph operations: shifting, erase, revert, clear and the scan change,
// as transformations of the font model's data.

#include "ops/erase_revert_clear.h"
#include "ops/scan.h"
#include "ops/shift.h"
