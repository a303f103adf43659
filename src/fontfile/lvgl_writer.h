#pragma once
// The font as a C source of LVGL's own bitmap font format (lv_font_fmt_txt),
// for LVGL 8 and 9 projects.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/layout.h"

namespace zg {

struct LvglOptions {
  std::string name;  // the lv_font_t's name; made a C identifier
  // Glyph i's advance in pixels (1 to the cell's width); empty: every glyph the cell's width.
  std::span<const std::uint8_t> widths = {};
};

// One glyph per Unicode character of the code page, in code point order,
// 1 bit per pixel, each bitmap its ink's bounding box (rows running on, most
// significant bit first, each glyph from a new byte). The line is the cell:
// line_height the cell's height, base_line 0, each box's ofs_y its height above the cell's
// bottom row. The characters map through range maps for runs of consecutive
// code points and sparse maps for the rest, sorted by code point. Codes with
// no character, or with a character an earlier code already gave, are left
// out and named in the file's opening comment. The pixels are written as drawn.
std::string WriteLvglFont(std::span<const std::uint8_t> glyphs, const Layout& layout,
                          const std::array<char32_t, 224>& characters, const LvglOptions& options);

// The codes (20h..FFh) WriteLvglFont leaves out, in order.
std::vector<int> CodesLeftOutOfLvgl(const std::array<char32_t, 224>& characters);

}  // namespace zg
