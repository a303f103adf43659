#pragma once
// Shared helpers of the ops tests: a font as creation leaves it, and glyphs
// written and read as pixel pictures, so expectations are stated in pixels
// rather than in the byte order under test.

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "cells.h"
#include "model/codec.h"
#include "model/editing.h"
#include "model/font_model.h"
#include "pictures.h"

namespace zg::test {

// A picture's rows (see pictures.h), row 0 first.
using Picture = std::vector<std::string>;

struct Shape {
  int ncol;
  int nstr;
  int vert;
  Layout layout() const { return Cell(ncol, nstr, vert); }
};

inline int BytesOf(const Shape& s) { return s.layout().BytesPerGlyph(); }

inline std::string Describe(const Shape& s) {
  return std::to_string(s.ncol) + "x" + std::to_string(s.nstr) + (s.vert == 1 ? "v" : "h");
}

// Every listed cell in both scans.
inline std::vector<Shape> AllShapes() {
  std::vector<Shape> shapes;
  for (const auto& size : kCellSizes) {
    shapes.push_back({size.ncol, size.nstr, 1});
    shapes.push_back({size.ncol, size.nstr, 0});
  }
  return shapes;
}

// The state right after creating a font: empty store, cell visible and laid
// out, symbol boxes unlocked, symbol 0 current with its backup taken.
inline FontModel NewFont(const Shape& s) {
  FontModel m;
  m.ncol = static_cast<std::int16_t>(s.ncol);
  m.nstr = static_cast<std::int16_t>(s.nstr);
  m.cb = static_cast<std::int16_t>(BytesOf(s));
  m.vert = static_cast<std::int16_t>(s.vert);
  m.pos = -1;
  ClearFont(m);
  for (int r = 0; r < s.nstr; ++r) {
    for (int c = 0; c < s.ncol; ++c) m.pixelBoxVisible[r * kGridSide + c] = true;
  }
  LayoutGrid(m, test::Cell(s.ncol, s.nstr));
  for (auto& box : m.symbols) box.locked = false;
  m.symbols[0].backColor = kRed;
  TakeBackup(m);
  return m;
}

inline Picture EmptyPicture(const Shape& s) {
  return Picture(static_cast<std::size_t>(s.nstr),
                 std::string(static_cast<std::size_t>(s.ncol), '.'));
}

inline Picture RandomPicture(const Shape& s, std::mt19937& rng, double density) {
  std::bernoulli_distribution on(density);
  Picture p = EmptyPicture(s);
  for (auto& row : p) {
    for (auto& px : row) px = on(rng) ? '#' : '.';
  }
  return p;
}

// Packs a picture into cb bytes by the model's own pixel-to-bit map.
inline std::vector<std::uint8_t> PackPicture(const Picture& p, const Shape& s) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(BytesOf(s)), 0);
  for (int r = 0; r < s.nstr; ++r) {
    for (int c = 0; c < s.ncol; ++c) {
      if (p[r][c] != '#') continue;
      const PixelBit bit = LocatePixel(r * kGridSide + c, test::Cell(s.ncol, kGridSide, s.vert));
      bytes[bit.n] = static_cast<std::uint8_t>(bytes[bit.n] | (1U << bit.b));
    }
  }
  return bytes;
}

// The current glyph as the grid shows it: '#' where pixelOn is -1.
inline Picture GridPicture(const FontModel& m) {
  Picture p;
  for (int r = 0; r < m.nstr; ++r) {
    std::string row;
    for (int c = 0; c < m.ncol; ++c) row += m.pixelOn[r * kGridSide + c] == -1 ? '#' : '.';
    p.push_back(row);
  }
  return p;
}

// The grid paints every box of the cell as pixelOn and its back colour say.
inline bool GridColoursAgree(const FontModel& m) {
  for (int r = 0; r < m.nstr; ++r) {
    for (int c = 0; c < m.ncol; ++c) {
      const int i = r * kGridSide + c;
      const Color want = m.pixelOn[i] == -1 ? OnColor(m.pixelBackColor[i]) : m.pixelBackColor[i];
      if (m.pixelBoxColor[i] != want) return false;
    }
  }
  return true;
}

inline std::vector<std::uint8_t> GlyphBytes(const FontModel& m, int simb) {
  const auto first = m.glyphStore.begin() + simb * m.cb;
  return {first, first + m.cb};
}

inline void SetGlyph(FontModel& m, int simb, const std::vector<std::uint8_t>& bytes) {
  std::copy(bytes.begin(), bytes.end(), m.glyphStore.begin() + simb * m.cb);
}

}  // namespace zg::test
