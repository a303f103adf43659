#pragma once
// Shared helpers of the ops tests: the cells, and glyphs written and read as
// pixel pictures, so expectations are stated in pixels rather than in the
// byte order under test.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "cells.h"
#include "model/codec.h"
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

// Glyph i of a font of cb bytes a glyph.
inline std::vector<std::uint8_t> Glyph(const std::vector<std::uint8_t>& font, int i, int cb) {
  return {font.begin() + i * cb, font.begin() + (i + 1) * cb};
}

}  // namespace zg::test
