#include "model/font_model.h"

#include "model/codec.h"

namespace zg {

bool IsCellSize(int ncol, int nstr) {
  for (const auto& s : kCellSizes) {
    if (s.ncol == ncol && s.nstr == nstr) return true;
  }
  return false;
}

std::string StatusCaption(int ncol, int nstr, int vert) {
  return "Шрифт " + std::to_string(ncol) + " x " + std::to_string(nstr) + " " +
         (vert == 1 ? "вертикальный  " : "горизонтальный");
}

std::string GlyphPicture(const GlyphStore& store, int sb, int cb, int ncol, int nstr, int vert) {
  std::string out;
  for (int r = 0; r < nstr && r < kGridSide; ++r) {
    for (int c = 0; c < ncol && c < kGridSide; ++c) {
      const PixelBit p = LocatePixel(r * kGridSide + c, ncol, vert);
      const bool on = InGlyph(sb, cb, p.n) && ((store[sb + p.n] >> p.b) & 1U);
      out += on ? '#' : '.';
    }
    out += '\n';
  }
  return out;
}

}  // namespace zg
