#pragma once
// What the dialog "Пропорциональный шрифт" asks before the widths are set
// from the glyphs' ink.

#include "ops/widths.h"

namespace zg {

struct ProportionalChoice {
  // Blank columns after each glyph's rightmost lit column, 1..3.
  int spacing = kMinSpacing;
  // The space's width, 1..the cell's width; 0 lets the dialog offer half the cell.
  int spaceWidth = 0;
  friend bool operator==(const ProportionalChoice&, const ProportionalChoice&) = default;
};

}  // namespace zg
