#include "document/table_form.h"

#include <algorithm>

namespace zg {

Layout LayoutOf(const FontDocument& d) { return d.layout; }

std::vector<std::uint8_t> PackTable(const FontDocument& d, const TableForm& form) {
  const Layout from = LayoutOf(d);
  if (form.layout == from && form.firstCode == kFirstCode) return d.glyphs;
  const auto cb = static_cast<std::size_t>(form.layout.BytesPerGlyph());
  const int first = std::clamp(form.firstCode, 0, kFirstCode);
  std::vector<std::uint8_t> values(cb * static_cast<std::size_t>(256 - first), 0);
  for (int i = 0; i < kSymbolCount; ++i) {
    const auto at = cb * static_cast<std::size_t>(kFirstCode - first + i);
    Repack(from, d.Glyph(i), form.layout, std::span(values).subspan(at, cb));
  }
  return values;
}

}  // namespace zg
