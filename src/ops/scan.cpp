#include "ops/scan.h"

#include <array>

#include "model/codec.h"
#include "ops/glyph_bytes.h"

namespace zg {
namespace {

// The pixels of one cell: bit c of rows[r] is pixel (r, c). It is what the
// edit grid holds between drawing a glyph and packing it again.
using PixelRows = std::array<std::uint32_t, kGridSide>;

constexpr std::array<std::uint8_t, 256> MakeReversedBytes() {
  std::array<std::uint8_t, 256> table{};
  for (unsigned v = 0; v < 256; ++v) {
    unsigned r = 0;
    for (unsigned b = 0; b < 8; ++b) r |= ((v >> b) & 1U) << (7U - b);
    table[v] = static_cast<std::uint8_t>(r);
  }
  return table;
}
// Horizontal bytes have the leftmost pixel in bit 7, PixelRows in bit 0.
constexpr auto kReversed = MakeReversedBytes();

PixelRows Unpack(std::span<const std::uint8_t> g, int ncol, int nstr, int vert) {
  PixelRows rows{};
  if (vert == 1) {
    for (int band = 0; band < nstr / 8; ++band) {
      for (int c = 0; c < ncol; ++c) {
        const unsigned v = g[static_cast<std::size_t>(band * ncol + c)];
        for (int b = 0; b < 8; ++b) rows[8 * band + b] |= ((v >> b) & 1U) << c;
      }
    }
  } else {
    const int w = ncol / 8;
    for (int r = 0; r < nstr; ++r) {
      for (int k = 0; k < w; ++k) {
        rows[r] |= std::uint32_t{kReversed[g[static_cast<std::size_t>(r * w + k)]]} << (8 * k);
      }
    }
  }
  return rows;
}

void Pack(const PixelRows& rows, std::span<std::uint8_t> g, int ncol, int nstr, int vert) {
  if (vert == 1) {
    for (int band = 0; band < nstr / 8; ++band) {
      for (int c = 0; c < ncol; ++c) {
        unsigned v = 0;
        for (int b = 0; b < 8; ++b) v |= ((rows[8 * band + b] >> c) & 1U) << b;
        g[static_cast<std::size_t>(band * ncol + c)] = static_cast<std::uint8_t>(v);
      }
    }
  } else {
    const int w = ncol / 8;
    for (int r = 0; r < nstr; ++r) {
      for (int k = 0; k < w; ++k) {
        g[static_cast<std::size_t>(r * w + k)] = kReversed[(rows[r] >> (8 * k)) & 0xFFU];
      }
    }
  }
}

constexpr bool ScanConvertible(int cb, int ncol, int nstr) {
  return cb == CellBytes(ncol, nstr) && CellPacks(ncol, nstr, 0, static_cast<std::size_t>(cb)) &&
         CellPacks(ncol, nstr, 1, static_cast<std::size_t>(cb));
}

}  // namespace

void ConvertScan(std::span<std::uint8_t> glyphs, int cb, int ncol, int nstr, int fromVert,
                 int toVert) {
  if (!ScanConvertible(cb, ncol, nstr)) return;
  if ((fromVert == 1) == (toVert == 1)) return;  // same order: the bytes are already right
  const auto size = static_cast<std::size_t>(cb);
  for (std::size_t start = 0; start + size <= glyphs.size(); start += size) {
    const auto glyph = glyphs.subspan(start, size);
    Pack(Unpack(glyph, ncol, nstr, fromVert), glyph, ncol, nstr, toVert);
  }
}

bool CanChangeScan(const FontModel& m) {
  return m.ncol % 8 == 0 && ScanConvertible(m.cb, m.ncol, m.nstr);
}

void ChangeScan(FontModel& m) {
  m.memsimb = m.simb;
  if (!CanChangeScan(m)) return;
  const std::int16_t vrt = m.vert == 1 ? 0 : 1;
  // cb is at most 72 here, so the 224 glyphs and the backup lie inside their arrays.
  const auto glyphBytes = static_cast<std::size_t>(kSymbolCount * m.cb);
  ConvertScan(std::span<std::uint8_t>(m.glyphStore).first(glyphBytes), m.cb, m.ncol, m.nstr, m.vert,
              vrt);
  ConvertScan(std::span<std::uint8_t>(m.glyphBackup).first(static_cast<std::size_t>(m.cb)), m.cb,
              m.ncol, m.nstr, m.vert, vrt);

  m.simb = m.memsimb;
  m.oldsimb = 0;
  // Box 0 first, so that a selected symbol 0 ends up red.
  m.symbols[0].backColor = kWhite;
  if (m.simb >= 0 && m.simb < kSymbolCount) m.symbols[m.simb].backColor = kRed;
  m.vert = vrt;
  m.sb = static_cast<std::int16_t>(m.simb * m.cb);
  RenderGlyph(m, m.sb, m.cb, m.ncol, m.vert);
}

std::string ScanChangeNotice(int vert) {
  return std::string("Для текущего шрифта установлен ") + "\r" +
         (vert == 1 ? "вертикальный " : "горизонтальный ") + "вид  развертки";
}

}  // namespace zg
