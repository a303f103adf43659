#pragma once
// Which bytes of the store make up the current glyph, and whether a cell has
// a byte layout at all. The operations rewrite glyphs in place, so they refuse
// any combination of parameters for which the byte order is not defined
// instead of guessing one.

#include <cstddef>
#include <cstdint>
#include <span>

#include "model/font_model.h"

namespace zg {

// Bytes the pixels of an ncol x nstr cell fill: one per column in each band
// of 8 rows (vertical), or one per 8 pixels of a row (horizontal).
constexpr int CellBytes(int ncol, int nstr) { return ncol * nstr / 8; }

// True when an ncol x nstr cell fits the edit grid, packs into whole bytes in
// scan direction `vert` (vertical needs whole bands, horizontal also whole
// bytes per row) and its bytes fit into `available` bytes. A horizontal cell
// of width 6 or 12 fails here.
constexpr bool CellPacks(int ncol, int nstr, int vert, std::size_t available) {
  if (ncol < 1 || ncol > kGridSide || nstr < 1 || nstr > kGridSide) return false;
  if (nstr % 8 != 0) return false;
  if (vert != 1 && ncol % 8 != 0) return false;
  return static_cast<std::size_t>(CellBytes(ncol, nstr)) <= available;
}

// The cb bytes of the current glyph (at m.sb), or an empty span when sb and
// cb do not lie wholly inside the store.
inline std::span<std::uint8_t> CurrentGlyph(FontModel& m) {
  if (m.cb <= 0 || m.sb < 0 || m.sb + m.cb > kStoreSize) return {};
  return std::span<std::uint8_t>(m.glyphStore)
      .subspan(static_cast<std::size_t>(m.sb), static_cast<std::size_t>(m.cb));
}

}  // namespace zg
