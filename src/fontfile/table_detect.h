#pragma once
// Finding the layout of a font table nobody described: every likely layout is
// tried and the one whose glyphs look most like text wins.

#include <cstdint>
#include <optional>
#include <span>

#include "fontfile/table_layout.h"

namespace zg {

struct TableDetection {
  TableLayout table;
  int score = 0;  // higher looks more like text; for comparing candidates only
};

// Tries the cells 6x8, 8x8, 12x16, 16x16, 16x24, 24x16, 24x24, 8x16, 5x8, 5x7,
// 8x12 and 8x14 and the cells the number of values suggests (95, 96, 128, 224
// or 256 glyphs), both scans, both bit orders, both band orders, the first
// codes 00h, 10h and 20h, a header of 0 to 8 values, a width byte before each
// glyph, one column fewer stored than the cell has, and both polarities.
// The winner has its space empty, its digits and capitals whole (one piece
// each) on one baseline, 'E', 'F', 'L'... heavy on the left, 'T', '7'... heavy
// on top, '_' low and wide, '-' wide, and no ink outside its cell. Of layouts
// that show the same pictures, the one tried first wins: whole bytes a row,
// whole bands a column, the list's order. Deterministic; nothing when the
// values hold no glyph of any layout tried.
std::optional<TableDetection> DetectTable(std::span<const std::uint8_t> values);

// How much a table's glyphs under `table` look like text: the measure
// DetectTable maximises.
int TextLikeness(std::span<const std::uint8_t> values, const TableLayout& table);

}  // namespace zg
