#pragma once
// The widths of a proportional font: each glyph's advance in pixels, 1 to the
// cell's width, kept beside the glyph bytes (FontDocument::widths). Making a
// font proportional sets them from the ink; the operations that move ink move
// the width with it, so the gap between a glyph's ink and the next glyph stays
// what it was. A monospaced font has no widths and none of this applies.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/layout.h"
#include "ops/shift.h"

namespace zg {

// The gap "Пропорциональный шрифт..." offers after each glyph's ink.
inline constexpr int kMinSpacing = 1;
inline constexpr int kMaxSpacing = 3;

// The columns a glyph's lit pixels span: [left, right), right one past the
// rightmost lit column; 0, 0 for a glyph without ink.
struct InkColumns {
  int left = 0;
  int right = 0;
  bool Empty() const { return right == 0; }
  friend bool operator==(const InkColumns&, const InkColumns&) = default;
};

InkColumns FindInkColumns(std::span<const std::uint8_t> glyph, const Layout& layout);

// A width kept to 1..the cell's width.
int ClampWidth(int width, int cellWidth);

// The widths of the 224 glyphs of `glyphs` (in `layout`, one after another)
// made proportional: the rightmost lit column + 1 + `spacing` (kept to
// kMinSpacing..kMaxSpacing), then kept to 1..cell width. Glyph 0, the space
// (20h), takes `spaceWidth`; so does every other glyph without ink: a code
// the font leaves empty then sets as a gap, never as a one-pixel sliver. A
// glyph the bytes do not hold counts as empty.
std::vector<std::uint8_t> ProportionalWidths(std::span<const std::uint8_t> glyphs,
                                             const Layout& layout, int spacing, int spaceWidth);

// One glyph shifted by a pixel: left narrows it by one, right widens it by
// one, up and down keep it; kept to 1..cellWidth. Call it only when the shift
// was done (CanShift), so a refused shift changes neither.
int WidthAfterShift(int width, ShiftDirection dir, int cellWidth);

// Every width after a whole-font shift (ShiftFont), as WidthAfterShift.
// Nothing for an empty span (a monospaced font).
void ShiftWidths(std::span<std::uint8_t> widths, ShiftDirection dir, int cellWidth);

// The width of a glyph whose ink an operation moved across its columns: a
// horizontal flip or a quarter turn (the vertical flip and the inversion
// leave the columns of the ink, and the width, as they were). The gap
// between the ink's right edge and the width line stays what it was before;
// kept to 1..cell width. A glyph without ink before or after keeps its width.
// So flipping twice gives the width back unless the cell cut it.
int WidthFollowingInk(int width, std::span<const std::uint8_t> before,
                      std::span<const std::uint8_t> after, const Layout& layout);

// The width of a glyph pasted into a cell `cellWidth` wide: the clip's own
// width when it carries one, else the width of the cell it was drawn in (a
// glyph of a monospaced font advances by its cell); kept to 1..cellWidth.
int WidthAfterPaste(std::optional<int> clipWidth, int clipCellWidth, int cellWidth);

}  // namespace zg
