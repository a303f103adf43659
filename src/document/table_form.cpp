#include "document/table_form.h"

#include <algorithm>

namespace zg {

Layout LayoutOf(const FontDocument& d) {
  return Layout::Classic(d.ncol, d.nstr, d.vert == 1 ? Scan::Vertical : Scan::Horizontal);
}

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

UnpackCount UnpackTable(std::span<const std::uint8_t> values, const TableForm& form,
                        FontDocument& d) {
  UnpackCount count;
  const Layout to = LayoutOf(d);
  const auto cb = static_cast<std::size_t>(form.layout.BytesPerGlyph());
  if (cb == 0) return count;
  const std::size_t glyphs = (values.size() + cb - 1) / cb;
  for (std::size_t i = 0; i < glyphs; ++i) {
    const int code = form.firstCode + static_cast<int>(i);
    const auto glyph = values.subspan(i * cb, std::min(cb, values.size() - i * cb));
    if (code < kFirstCode) {
      if (std::any_of(glyph.begin(), glyph.end(), [](std::uint8_t v) { return v != 0; })) {
        ++count.leftOutInked;
      }
      continue;
    }
    if (code >= kFirstCode + kSymbolCount) break;
    const auto target = d.Glyph(code - kFirstCode);
    if (target.empty()) continue;
    Repack(form.layout, glyph, to, target);
    ++count.read;
  }
  return count;
}

}  // namespace zg
