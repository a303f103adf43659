#include "ops/font_shift.h"

#include <algorithm>

#include "model/font_model.h"

namespace zg {
namespace {

// Whole glyphs that the span holds, at most the 224 of a font.
std::size_t GlyphCount(std::size_t bytes, int cb) {
  if (cb <= 0) return 0;
  return std::min(bytes / static_cast<std::size_t>(cb), static_cast<std::size_t>(kSymbolCount));
}

}  // namespace

std::optional<int> FirstGlyphBlockingShift(std::span<const std::uint8_t> glyphs,
                                           const Layout& layout, ShiftDirection dir) {
  const int cb = layout.Valid() ? layout.BytesPerGlyph() : 0;
  const std::size_t count = GlyphCount(glyphs.size(), cb);
  const auto size = static_cast<std::size_t>(cb);
  for (std::size_t i = 0; i < count; ++i) {
    if (!CanShift(glyphs.subspan(i * size, size), layout, dir)) {
      return static_cast<int>(i);
    }
  }
  if (count == 0) return 0;
  return std::nullopt;
}

void ShiftFont(std::span<std::uint8_t> glyphs, const Layout& layout, ShiftDirection dir) {
  const int cb = layout.Valid() ? layout.BytesPerGlyph() : 0;
  const std::size_t count = GlyphCount(glyphs.size(), cb);
  const auto size = static_cast<std::size_t>(cb);
  for (std::size_t i = 0; i < count; ++i) {
    ShiftBytes(glyphs.subspan(i * size, size), layout, dir);
  }
}

}  // namespace zg
