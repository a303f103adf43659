#include "model/font_document.h"

#include <algorithm>
#include <ostream>

namespace zg {

std::span<const std::uint8_t> FontDocument::Glyph(int i) const {
  const auto n = static_cast<std::size_t>(cb());
  if (i < 0 || i >= kSymbolCount || n == 0) return {};
  return std::span<const std::uint8_t>(glyphs).subspan(static_cast<std::size_t>(i) * n, n);
}

std::span<std::uint8_t> FontDocument::Glyph(int i) {
  const auto n = static_cast<std::size_t>(cb());
  if (i < 0 || i >= kSymbolCount || n == 0) return {};
  return std::span<std::uint8_t>(glyphs).subspan(static_cast<std::size_t>(i) * n, n);
}

int FontDocument::Width(int i) const {
  if (i < 0 || i >= kSymbolCount) return 0;
  if (widths.size() != kSymbolCount) return layout.width;
  return std::clamp(static_cast<int>(widths[static_cast<std::size_t>(i)]), 1,
                    std::max(1, layout.width));
}

FontDocument EmptyDocument(const Layout& layout, bool negative) {
  FontDocument d{layout, negative, {}, {}};
  if (layout.Valid())
    d.glyphs.assign(static_cast<std::size_t>(layout.BytesPerGlyph()) * kSymbolCount, 0);
  return d;
}

FontDocument DocumentOf(const FontModel& m, bool negative) {
  FontDocument d{LayoutOf(m), negative, {}, {}};
  const int bytes = m.cb > 0 ? std::min(m.cb * kSymbolCount, kStoreSize) : 0;
  d.glyphs.assign(m.glyphStore.begin(), m.glyphStore.begin() + bytes);
  return d;
}

std::string Describe(const FontDocument& d) {
  return std::to_string(d.layout.width) + " x " + std::to_string(d.layout.height) +
         (d.layout.Vertical() ? " vertical" : " horizontal") +
         (d.layout.bitOrder == BitOrder::Reversed ? " reversed bits" : "") +
         (d.layout.bandOrder == BandOrder::Columns ? " column bands" : "") +
         (d.negative ? " negative" : " positive") + (d.Proportional() ? " proportional" : "") +
         ", " + std::to_string(d.glyphs.size()) + " bytes";
}

std::string Picture(const FontDocument& d, const FontDocument* other) {
  int shown = 0;
  if (other != nullptr) {
    for (int i = 0; i < kSymbolCount; ++i) {
      const auto a = d.Glyph(i);
      const auto b = other->Glyph(i);
      if (!std::equal(a.begin(), a.end(), b.begin(), b.end())) {
        shown = i;
        break;
      }
    }
  }
  std::string text = Describe(d);
  if (!d.HasCell() || d.cb() == 0) return text;
  text += "; glyph " + std::to_string(shown) + ":\n";
  if (d.Proportional()) text += "width " + std::to_string(d.Width(shown)) + "\n";
  text += PixelPicture(d.layout, d.Glyph(shown));
  return text;
}

void PrintTo(const FontDocument& d, std::ostream* os) { *os << Picture(d); }

}  // namespace zg
