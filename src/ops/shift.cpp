#include "ops/shift.h"

#include <algorithm>

#include "model/codec.h"
#include "model/editing.h"
#include "ops/glyph_bytes.h"

namespace zg {
namespace {

constexpr std::uint8_t kTopBit = 0x80;
constexpr std::uint8_t kLowBit = 0x01;

std::uint8_t Byte(unsigned v) { return static_cast<std::uint8_t>(v & 0xFFU); }

// Vertical order: byte band * ncol + column; bit 0 is the band's top row.
bool VerticalEdgeFree(std::span<const std::uint8_t> g, int ncol, int bands, ShiftDirection dir) {
  auto anyInBand = [&](int band, std::uint8_t mask) {
    const auto first = g.begin() + band * ncol;
    return std::any_of(first, first + ncol, [mask](std::uint8_t v) { return (v & mask) != 0; });
  };
  auto anyInColumn = [&](int column) {
    for (int band = 0; band < bands; ++band) {
      if (g[static_cast<std::size_t>(band * ncol + column)] != 0) return true;
    }
    return false;
  };
  switch (dir) {
    case ShiftDirection::Up:
      return !anyInBand(0, kLowBit);
    case ShiftDirection::Down:
      return !anyInBand(bands - 1, kTopBit);
    case ShiftDirection::Left:
      return !anyInColumn(0);
    case ShiftDirection::Right:
      return !anyInColumn(ncol - 1);
  }
  return false;
}

// Horizontal order: byte row * w + part; bit 7 is the leftmost pixel.
bool HorizontalEdgeFree(std::span<const std::uint8_t> g, int w, int rows, ShiftDirection dir) {
  auto rowUsed = [&](int row) {
    const auto first = g.begin() + row * w;
    return std::any_of(first, first + w, [](std::uint8_t v) { return v != 0; });
  };
  auto anyAtRowEdge = [&](int part, std::uint8_t mask) {
    for (int row = 0; row < rows; ++row) {
      if ((g[static_cast<std::size_t>(row * w + part)] & mask) != 0) return true;
    }
    return false;
  };
  switch (dir) {
    case ShiftDirection::Up:
      return !rowUsed(0);
    case ShiftDirection::Down:
      return !rowUsed(rows - 1);
    case ShiftDirection::Left:
      return !anyAtRowEdge(0, kTopBit);
    case ShiftDirection::Right:
      return !anyAtRowEdge(w - 1, kLowBit);
  }
  return false;
}

void ShiftVertical(std::span<std::uint8_t> g, int ncol, int bands, ShiftDirection dir) {
  auto at = [&](int band, int column) -> std::uint8_t& {
    return g[static_cast<std::size_t>(band * ncol + column)];
  };
  switch (dir) {
    case ShiftDirection::Up:
      // Top band first: each band takes its carry from the band below
      // before that band has been shifted itself.
      for (int band = 0; band < bands; ++band) {
        for (int c = 0; c < ncol; ++c) {
          const bool carry = band + 1 < bands && (at(band + 1, c) & kLowBit) != 0;
          at(band, c) = Byte((at(band, c) >> 1U) | (carry ? kTopBit : 0U));
        }
      }
      break;
    case ShiftDirection::Down:
      for (int band = bands - 1; band >= 0; --band) {
        for (int c = 0; c < ncol; ++c) {
          const bool carry = band > 0 && (at(band - 1, c) & kTopBit) != 0;
          at(band, c) = Byte((static_cast<unsigned>(at(band, c)) << 1U) | (carry ? kLowBit : 0U));
        }
      }
      break;
    case ShiftDirection::Left:
      for (int band = 0; band < bands; ++band) {
        const auto first = g.begin() + band * ncol;
        std::copy(first + 1, first + ncol, first);
        first[ncol - 1] = 0;
      }
      break;
    case ShiftDirection::Right:
      for (int band = 0; band < bands; ++band) {
        const auto first = g.begin() + band * ncol;
        std::copy_backward(first, first + ncol - 1, first + ncol);
        first[0] = 0;
      }
      break;
  }
}

void ShiftHorizontal(std::span<std::uint8_t> g, int w, int rows, ShiftDirection dir) {
  const auto cell = g.first(static_cast<std::size_t>(w * rows));
  switch (dir) {
    case ShiftDirection::Up:
      std::copy(cell.begin() + w, cell.end(), cell.begin());
      std::fill(cell.end() - w, cell.end(), std::uint8_t{0});
      break;
    case ShiftDirection::Down:
      std::copy_backward(cell.begin(), cell.end() - w, cell.end());
      std::fill(cell.begin(), cell.begin() + w, std::uint8_t{0});
      break;
    case ShiftDirection::Left:
      // Left to right, so each byte's carry comes from a byte not yet shifted.
      for (int row = 0; row < rows; ++row) {
        const auto line =
            cell.subspan(static_cast<std::size_t>(row * w), static_cast<std::size_t>(w));
        for (int k = 0; k < w; ++k) {
          const bool carry = k + 1 < w && (line[k + 1] & kTopBit) != 0;
          line[k] = Byte((static_cast<unsigned>(line[k]) << 1U) | (carry ? kLowBit : 0U));
        }
      }
      break;
    case ShiftDirection::Right:
      for (int row = 0; row < rows; ++row) {
        const auto line =
            cell.subspan(static_cast<std::size_t>(row * w), static_cast<std::size_t>(w));
        for (int k = w - 1; k >= 0; --k) {
          const bool carry = k > 0 && (line[k - 1] & kLowBit) != 0;
          line[k] = Byte((line[k] >> 1U) | (carry ? kTopBit : 0U));
        }
      }
      break;
  }
}

}  // namespace

bool CanShift(std::span<const std::uint8_t> glyph, int ncol, int nstr, int vert,
              ShiftDirection dir) {
  if (!CellPacks(ncol, nstr, vert, glyph.size())) return false;
  return vert == 1 ? VerticalEdgeFree(glyph, ncol, nstr / 8, dir)
                   : HorizontalEdgeFree(glyph, ncol / 8, nstr, dir);
}

void ShiftBytes(std::span<std::uint8_t> glyph, int ncol, int nstr, int vert, ShiftDirection dir) {
  if (!CellPacks(ncol, nstr, vert, glyph.size())) return;
  if (vert == 1) {
    ShiftVertical(glyph, ncol, nstr / 8, dir);
  } else {
    ShiftHorizontal(glyph, ncol / 8, nstr, dir);
  }
}

bool ShiftGlyph(FontModel& m, ShiftDirection dir) {
  const auto glyph = CurrentGlyph(m);
  if (!CanShift(glyph, m.ncol, m.nstr, m.vert, dir)) return false;
  MarkEdited(m);
  m.nosave = 1;
  m.nosavesimb = 1;
  ShiftBytes(glyph, m.ncol, m.nstr, m.vert, dir);
  RenderGlyph(m, m.sb, m.cb, m.ncol, m.vert);
  return true;
}

}  // namespace zg
