#include "model/codec.h"

#include <algorithm>
#include <cstring>

namespace zg {
namespace {

constexpr bool InGrid(int index) { return index >= 0 && index < kGridBoxes; }

void DrawBit(FontModel& m, int box, bool on) {
  if (!InGrid(box)) return;
  const Color back = m.pixelBackColor[box];
  m.pixelBoxColor[box] = on ? OnColor(back) : back;
  m.pixelOn[box] = on ? -1 : 0;
}

int Clamp(int v, int lo, int hi) { return std::min(std::max(v, lo), hi); }

}  // namespace

PixelBit LocatePixel(int index, int ncol, int vert) {
  if (vert == 1) {
    const int band = index / kBandBoxes;
    const int rest = index - kBandBoxes * band;
    return {ncol * band + rest % kGridSide, rest / kGridSide};
  }
  const int row = index / kGridSide;
  const int column = index % kGridSide;
  return {RowBytes(ncol) * row + column / 8, 7 - index % 8};
}

void ClearFont(FontModel& m) {
  m.glyphStore.fill(0);
  std::fill_n(m.pixelOn.begin(), kGridBoxes, std::int16_t{0});
}

int MarginWidth(int ncol) { return ncol > 8 ? 2 : 1; }

bool IsMarginBox(int row, int col, int ncol, int nstr) {
  const int width = MarginWidth(ncol);
  return row >= nstr - width || col >= ncol - width;
}

void LayoutGrid(FontModel& m, int ncol, int nstr) {
  PaintCell(m, ncol, nstr);
  const int first = Clamp(m.sb, 0, kStoreSize);
  const int last = Clamp(m.sb + m.cb, first, kStoreSize);
  std::fill(m.glyphStore.begin() + first, m.glyphStore.begin() + last, std::uint8_t{0});
}

void PaintCell(FontModel& m, int ncol, int nstr) {
  const int rows = Clamp(nstr, 0, kGridSide);
  const int cols = Clamp(ncol, 0, kGridSide);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const int i = r * kGridSide + c;
      const Color back = IsMarginBox(r, c, ncol, nstr) ? kYellow : kWhite;
      m.pixelBoxColor[i] = back;
      m.pixelBackColor[i] = back;
      m.pixelOn[i] = 0;
    }
  }
}

void RenderGlyph(FontModel& m, int sb, int cb, int ncol, int vert) {
  if (ncol <= 0) return;
  const int w = RowBytes(ncol);
  for (int n = 0; n < cb; ++n) {
    if (!InGlyph(sb, cb, n)) continue;
    const unsigned v = m.glyphStore[sb + n];
    if (vert == 1) {
      const int first = n % ncol + kBandBoxes * (n / ncol);
      if (n % ncol >= kGridSide) continue;
      for (int b = 0; b < 8; ++b) DrawBit(m, first + kGridSide * b, (v >> b) & 1U);
    } else {
      const int row = n / w;
      if (row >= kGridSide) continue;
      const int firstCol = 8 * (n % w);
      for (int j = 0; j < 8; ++j) {
        const int col = firstCol + j;
        if (col >= std::min(ncol, kGridSide)) break;
        DrawBit(m, row * kGridSide + col, (v >> (7 - j)) & 1U);
      }
    }
  }
}

void StorePixelAt(FontModel& m, int sb, int cb, int ncol, int vert, int index, bool on) {
  const PixelBit p = LocatePixel(index, ncol, vert);
  if (!InGlyph(sb, cb, p.n) || p.b < 0 || p.b > 7) return;
  auto& byte = m.glyphStore[sb + p.n];
  const auto mask = static_cast<std::uint8_t>(1U << p.b);
  byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

void StorePixel(FontModel& m, int index, bool on) {
  StorePixelAt(m, m.sb, m.cb, m.ncol, m.vert, index, on);
}

}  // namespace zg
