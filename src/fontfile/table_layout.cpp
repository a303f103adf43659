#include "fontfile/table_layout.h"

#include <algorithm>

#include "model/font_model.h"

namespace zg {

int TableLayout::GlyphBytes() const {
  return std::clamp(stride - glyphOffset, 0, layout.BytesPerGlyph());
}

bool TableLayout::Valid() const {
  return layout.Valid() && firstCode >= 0 && firstCode < kTableCodes && skip >= 0 && stride >= 1 &&
         glyphOffset >= 0 && glyphOffset < stride && GlyphBytes() >= 1;
}

int TableGlyphCount(std::span<const std::uint8_t> values, const TableLayout& table) {
  if (!table.Valid()) return 0;
  const auto n = static_cast<long long>(values.size());
  const long long room = n - table.skip - table.glyphOffset - table.GlyphBytes();
  return room < 0 ? 0 : static_cast<int>(std::min<long long>(room / table.stride + 1, 1 << 20));
}

std::vector<std::uint8_t> TableGlyph(std::span<const std::uint8_t> values, const TableLayout& table,
                                     int index) {
  std::vector<std::uint8_t> glyph(static_cast<std::size_t>(table.layout.BytesPerGlyph()), 0);
  if (index < 0 || index >= TableGlyphCount(values, table)) return glyph;
  const auto start = static_cast<std::size_t>(table.skip) +
                     static_cast<std::size_t>(index) * static_cast<std::size_t>(table.stride) +
                     static_cast<std::size_t>(table.glyphOffset);
  const std::uint8_t flip = table.negative ? 0xFF : 0x00;
  for (std::size_t i = 0; i < static_cast<std::size_t>(table.GlyphBytes()); ++i) {
    glyph[i] = static_cast<std::uint8_t>(values[start + i] ^ flip);
  }
  // Bytes the stride does not hold are empty in either polarity.
  return glyph;
}

bool TableRead::Exact() const {
  return firstRead == kFirstCode && lastRead == kFirstCode + kSymbolCount - 1 && belowFirst == 0 &&
         pastLast == 0;
}

TableRead DecodeTable(std::span<const std::uint8_t> values, const TableLayout& table,
                      const Layout& to) {
  TableRead read;
  const int cb = to.BytesPerGlyph();
  read.glyphs.assign(static_cast<std::size_t>(kSymbolCount * cb), 0);
  if (!table.Valid() || cb <= 0) return read;
  read.glyphCount = TableGlyphCount(values, table);
  if (read.glyphCount > 0) {
    const long long used =
        static_cast<long long>(table.skip) + static_cast<long long>(read.glyphCount) * table.stride;
    read.leftoverValues =
        static_cast<int>(std::max(0LL, static_cast<long long>(values.size()) - used));
  }
  const int lastCode = kFirstCode + kSymbolCount - 1;
  for (int i = 0; i < read.glyphCount; ++i) {
    const long long code = static_cast<long long>(table.firstCode) + i;
    if (code < kFirstCode) {
      ++read.belowFirst;
      continue;
    }
    if (code > lastCode) {
      read.pastLast = read.glyphCount - i;
      break;
    }
    const int c = static_cast<int>(code);
    const std::vector<std::uint8_t> glyph = TableGlyph(values, table, i);
    const auto at = static_cast<std::size_t>((c - kFirstCode) * cb);
    Repack(table.layout, glyph, to,
           std::span(read.glyphs).subspan(at, static_cast<std::size_t>(cb)));
    if (read.firstRead < 0) read.firstRead = c;
    read.lastRead = c;
  }
  return read;
}

}  // namespace zg
