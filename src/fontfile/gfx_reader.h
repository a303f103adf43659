#pragma once
// Reads an Adafruit GFX font header (GFXfont, GFXglyph table, bitmaps), as
// Arduino projects carry them, into the editor's cell.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/layout.h"

namespace zg {

enum class GfxReadStatus : std::uint8_t {
  Completed,
  NoFont,      // no "GFXfont name = {...}" initialiser
  NoArray,     // the bitmaps or glyphs the font names have no initialiser
  BadValue,    // a value that is no C integer in range, or a missing one
  ShortTable,  // fewer glyphs than first..last, or a bitmap beyond its array
  TooLarge,    // the glyphs need a larger cell: see neededWidth, neededHeight
};

std::string_view ToString(GfxReadStatus status);

struct GfxFont {
  GfxReadStatus status = GfxReadStatus::Completed;
  std::string name;  // the GFXfont's name
  int first = 0;     // codes of the font's first and last glyph
  int last = 0;
  int yAdvance = 0;
  // The cell all glyphs of codes 20h..FFh fit (also when it is too large).
  int neededWidth = 0;
  int neededHeight = 0;
  // Completed only: 224 glyphs packed in the layout asked for, and each glyph's width (its
  // xAdvance; the cell's width for a code the font does not hold).
  std::vector<std::uint8_t> glyphs;
  std::array<std::uint8_t, 224> widths{};
};

// Takes the first GFXfont initialiser of `text` (comments and preprocessor
// lines skipped), then its bitmaps and glyph arrays by the names it gives,
// PROGMEM or not. The glyphs of codes 20h..FFh are placed in the cell of
// `layout`, packed in its scan, bit and band order, on a common baseline: the cell's
// bottom row is the lowest row any glyph reaches (the baseline row when none
// goes below it), and column 0 is the pen's start (or the leftmost pixel a
// glyph reaches left of it). Codes outside 20h..FFh are passed over.
GfxFont ReadGfxFont(std::string_view text, const Layout& layout);

}  // namespace zg
