#pragma once
// A font as a value: its layout, the polarity and the 224 glyphs' bytes. What the files hold, what
// the converter passes from reader to writer, and what the tests compare.

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "model/font_model.h"

namespace zg {

struct FontDocument {
  Layout layout;          // 0 x 0: no font
  bool negative = false;  // the files hold the complement of every byte
  // 224 glyphs of cb bytes each, glyph i at i * cb, a set bit a lit pixel.
  std::vector<std::uint8_t> glyphs;
  // Each glyph's advance in pixels, 1 to the cell's width, glyph i at i; empty
  // for a monospaced font (every glyph as wide as the cell).
  std::vector<std::uint8_t> widths;

  int cb() const { return static_cast<int>(glyphs.size()) / kSymbolCount; }
  bool HasCell() const { return layout.width > 0 && layout.height > 0 && !glyphs.empty(); }
  std::span<const std::uint8_t> Glyph(int i) const;
  std::span<std::uint8_t> Glyph(int i);
  bool Proportional() const { return !widths.empty(); }
  // Glyph i's advance: its width, or the cell's width in a monospaced font.
  int Width(int i) const;

  friend bool operator==(const FontDocument&, const FontDocument&) = default;
};

// An empty font of the layout's cell; no glyph bytes for a cell the editor
// cannot hold.
FontDocument EmptyDocument(const Layout& layout, bool negative);

// The font the editor holds: its parameters and the first 224 * cb store bytes.
FontDocument DocumentOf(const FontModel& m, bool negative);

// "8 x 8 vertical positive" and the like.
std::string Describe(const FontDocument& d);

// For test failures: the parameters and the first glyph that differs from
// `other` (or glyph 0) as rows of '#' and '.', never the whole byte dump.
std::string Picture(const FontDocument& d, const FontDocument* other = nullptr);
void PrintTo(const FontDocument& d, std::ostream* os);

}  // namespace zg
