#pragma once
// Fonts drawn as pictures for the writers' tests; the compilers that check
// what the C writers produce run through process.h.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cells.h"
#include "fontfile/fontfile.h"
#include "pictures.h"
#include "process.h"
#include "temp_folder.h"

namespace zg::test {

using Bytes = std::vector<std::uint8_t>;

// Bytes of a glyph drawn as rows of '#' (on) and '.' (off), in the editor's
// byte order: vertical scan column bytes per band of 8 rows with bit 0 on top,
// horizontal scan row bytes with bit 7 on the left. Written out here rather
// than through GlyphPixel, so the two check each other.
inline Bytes EncodeGlyph(std::string_view picture, int ncol, int nstr, int vert) {
  Bytes bytes(static_cast<std::size_t>(Cell(ncol, nstr, vert).BytesPerGlyph()), 0);
  const auto w = static_cast<std::size_t>(ncol);
  std::size_t y = 0;
  std::size_t x = 0;
  for (const char c : picture) {
    if (c == '\n') {
      ++y;
      x = 0;
      continue;
    }
    if (c == '#') {
      if (vert == 1) {
        bytes[w * (y / 8) + x] |= static_cast<std::uint8_t>(1U << (y % 8));
      } else {
        bytes[(w + 7) / 8 * y + x / 8] |= static_cast<std::uint8_t>(0x80U >> (x % 8));
      }
    }
    ++x;
  }
  return bytes;
}

// A whole font: glyph i at i * cb; only the glyphs given are not empty.
struct TestFont {
  int ncol;
  int nstr;
  int vert;
  Bytes glyphs;
  Layout layout() const { return Cell(ncol, nstr, vert); }
  // The glyph of code `code`.
  std::span<const std::uint8_t> Glyph(int code) const {
    return GlyphAt(glyphs, static_cast<std::size_t>(layout().BytesPerGlyph()),
                   static_cast<std::size_t>(code - 0x20));
  }
};

inline TestFont MakeFont(int ncol, int nstr, int vert,
                         std::initializer_list<std::pair<int, std::string_view>> drawn) {
  const auto cb = static_cast<std::size_t>(Cell(ncol, nstr, vert).BytesPerGlyph());
  TestFont f{ncol, nstr, vert, Bytes(cb * 224, 0)};
  for (const auto& [code, picture] : drawn) {
    const Bytes g = EncodeGlyph(picture, ncol, nstr, vert);
    std::copy(g.begin(), g.end(),
              f.glyphs.begin() + static_cast<std::ptrdiff_t>(cb * (code - 0x20)));
  }
  return f;
}

// A different pattern for every glyph, in every corner of the cell, and
// every seventh glyph empty.
inline TestFont PatternFont(int ncol, int nstr, int vert) {
  const auto cb = static_cast<std::size_t>(Cell(ncol, nstr, vert).BytesPerGlyph());
  TestFont f{ncol, nstr, vert, Bytes(cb * 224, 0)};
  for (std::size_t i = 0; i < f.glyphs.size(); ++i) {
    if (i / cb % 7 != 0) f.glyphs[i] = static_cast<std::uint8_t>((i * 2654435761U) >> 13);
  }
  return f;
}

// Widths 1..ncol in a pattern that takes every value.
inline Bytes PatternWidths(int ncol) {
  Bytes widths(224);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    widths[i] = static_cast<std::uint8_t>(1 + i * 5 % static_cast<std::size_t>(ncol));
  }
  return widths;
}

// Windows-1251 in short: ASCII, the Cyrillic letters from C0h, 98h undefined,
// and every other upper code its own Latin-1 character.
inline std::array<char32_t, 224> TestCharacters() {
  std::array<char32_t, 224> c{};
  for (std::size_t i = 0; i < c.size(); ++i) {
    const auto code = static_cast<char32_t>(0x20 + i);
    c[i] = code >= 0xC0 ? code - 0xC0 + 0x410 : code;
  }
  c[0x98 - 0x20] = 0;
  return c;
}

}  // namespace zg::test
