#include "model/font_document.h"

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

int CellSizeBytes(int ncol, int nstr) {
  for (const auto& size : kCellSizes) {
    if (size.ncol == ncol && size.nstr == nstr) return size.cb;
  }
  return 0;
}

FontDocument EmptyDocument(int ncol, int nstr, int vert, bool negative) {
  FontDocument d{ncol, nstr, vert == 1 ? 1 : 0, negative, {}};
  d.glyphs.assign(static_cast<std::size_t>(CellSizeBytes(ncol, nstr)) * kSymbolCount, 0);
  return d;
}

FontDocument DocumentOf(const FontModel& m, bool negative) {
  FontDocument d{m.ncol, m.nstr, m.vert == 1 ? 1 : 0, negative, {}};
  const int bytes = m.cb > 0 ? std::min(m.cb * kSymbolCount, kStoreSize) : 0;
  d.glyphs.assign(m.glyphStore.begin(), m.glyphStore.begin() + bytes);
  return d;
}

std::string Describe(const FontDocument& d) {
  return std::to_string(d.ncol) + " x " + std::to_string(d.nstr) +
         (d.vert == 1 ? " vertical" : " horizontal") + (d.negative ? " negative" : " positive") +
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
  GlyphStore store{};
  const auto glyph = d.Glyph(shown);
  std::copy(glyph.begin(), glyph.end(), store.begin());
  text += "; glyph " + std::to_string(shown) + ":\n";
  text += GlyphPicture(store, 0, d.cb(), d.ncol, d.nstr, d.vert);
  return text;
}

void PrintTo(const FontDocument& d, std::ostream* os) { *os << Picture(d); }

}  // namespace zg
