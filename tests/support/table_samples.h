#pragma once
// Font tables as firmware keeps them, made from a few glyphs drawn here:
// space, the digits, some capitals, '-' and '_', 5 x 8 each (row 7 below the
// baseline). A table is built in any TableLayout, the glyphs scaled to fill
// its cell; the codes not drawn are empty.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fontfile/table_layout.h"
#include "model/layout.h"

namespace zg::test {

inline constexpr std::string_view kDrawnCodes = "0123456789-ABCDEFHLPT_";
// Row y of every drawn glyph, side by side in the order of kDrawnCodes.
inline constexpr std::array<std::string_view, 8> kDrawnRows{{
    // 0    1     2     3     4     5     6     7     8     9     -
    ".###. ..#.. .###. ##### ...#. ##### ..##. ##### .###. .###. ..... "
    // A    B     C     D     E     F     H     L     P     T     _
    ".###. ####. .###. ###.. ##### ##### #...# #.... ####. ##### .....",
    "#...# .##.. #...# ...#. ..##. #.... .#... ....# #...# #...# ..... "
    "#...# #...# #...# #..#. #.... #.... #...# #.... #...# ..#.. .....",
    "#..## ..#.. ....# ..#.. .#.#. ####. #.... ...#. #...# #...# ..... "
    "#...# #...# #.... #...# #.... #.... #...# #.... #...# ..#.. .....",
    "#.#.# ..#.. ...#. ...#. #..#. ....# ####. ..#.. .###. .#### ##### "
    "##### ####. #.... #...# ####. ####. ##### #.... ####. ..#.. .....",
    "##..# ..#.. ..#.. ....# ##### ....# #...# .#... #...# ....# ..... "
    "#...# #...# #.... #...# #.... #.... #...# #.... #.... ..#.. .....",
    "#...# ..#.. .#... #...# ...#. #...# #...# .#... #...# ...#. ..... "
    "#...# #...# #...# #..#. #.... #.... #...# #.... #.... ..#.. .....",
    ".###. .###. ##### .###. ...#. .###. .###. .#... .###. .##.. ..... "
    "#...# ####. .###. ###.. ##### #.... #...# ##### #.... ..#.. .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... "
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... #####",
}};

inline bool DrawnPixel(char code, int x, int y) {
  const auto i = kDrawnCodes.find(code);
  if (i == std::string_view::npos || x < 0 || x >= 5 || y < 0 || y >= 8) return false;
  return kDrawnRows[static_cast<std::size_t>(y)][i * 6 + static_cast<std::size_t>(x)] == '#';
}

// The drawn glyph of `code` in `layout`: scaled by whole steps to fill the
// cell, centred across, from the top.
inline std::vector<std::uint8_t> DrawnGlyph(const Layout& layout, int code) {
  std::vector<std::uint8_t> glyph(static_cast<std::size_t>(layout.BytesPerGlyph()), 0);
  const int sx = std::max(1, layout.width / 6);
  const int sy = std::max(1, layout.height / 8);
  const int left = std::max(0, (layout.width - 5 * sx) / 2);
  for (int y = 0; y < layout.height; ++y) {
    for (int x = 0; x < layout.width; ++x) {
      if (x < left) continue;
      SetPixel(layout, glyph, x, y, DrawnPixel(static_cast<char>(code), (x - left) / sx, y / sy));
    }
  }
  return glyph;
}

// A table of `count` glyphs from table.firstCode in `table`'s layout: the
// values of `header` first (then zeros up to the skip), a width byte where
// the glyph offset leaves room (the ink's right edge + 1), the glyph's own
// bytes, zeros up to the stride. Negative tables hold the complement.
inline std::vector<std::uint8_t> DrawnTable(const TableLayout& table, int count,
                                            std::vector<std::uint8_t> header = {}) {
  header.resize(static_cast<std::size_t>(table.skip), 0);
  std::vector<std::uint8_t> values = header;
  for (int i = 0; i < count; ++i) {
    const int code = table.firstCode + i;
    const std::vector<std::uint8_t> glyph = DrawnGlyph(table.layout, code);
    std::vector<std::uint8_t> entry(static_cast<std::size_t>(table.stride), 0);
    int inkWidth = 0;
    for (int y = 0; y < table.layout.height; ++y) {
      for (int x = 0; x < table.layout.width; ++x) {
        if (GetPixel(table.layout, glyph, x, y)) inkWidth = std::max(inkWidth, x + 1);
      }
    }
    if (table.glyphOffset > 0) entry[0] = static_cast<std::uint8_t>(inkWidth);
    for (int k = 0; k < table.GlyphBytes(); ++k) {
      std::uint8_t v = glyph[static_cast<std::size_t>(k)];
      if (table.negative) v = static_cast<std::uint8_t>(~v);
      entry[static_cast<std::size_t>(table.glyphOffset + k)] = v;
    }
    values.insert(values.end(), entry.begin(), entry.end());
  }
  return values;
}

}  // namespace zg::test
