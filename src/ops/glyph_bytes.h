#pragma once
// Which bytes of the store make up the current glyph. The operations rewrite
// glyphs in place, so they refuse a layout whose glyph does not fit the bytes
// they are given (Layout::FitsIn) instead of guessing.

#include <cstddef>
#include <cstdint>
#include <span>

#include "model/font_model.h"

namespace zg {

// The cb bytes of the current glyph (at m.sb), or an empty span when sb and
// cb do not lie wholly inside the store.
inline std::span<std::uint8_t> CurrentGlyph(FontModel& m) {
  if (m.cb <= 0 || m.sb < 0 || m.sb + m.cb > kStoreSize) return {};
  return std::span<std::uint8_t>(m.glyphStore)
      .subspan(static_cast<std::size_t>(m.sb), static_cast<std::size_t>(m.cb));
}

}  // namespace zg
