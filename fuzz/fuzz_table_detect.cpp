// Any bytes as a font table: the first eight choose a layout (cell, scan,
// bit and band order, first code, header, stride, glyph offset, polarity),
// the rest are the values. Decoding reads only the values and fills exactly
// the editor's 224 glyphs; detection names a layout that is valid and reads
// at least the space.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "fontfile/table_detect.h"
#include "fontfile/table_layout.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz_table_detect: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return 0;
  const std::span<const std::uint8_t> values(data + 8, size - 8);
  zg::Layout layout;
  layout.width = data[0] % 26;  // 0 and 25: invalid cells too
  layout.height = data[1] % 26;
  layout.scan = (data[2] & 1U) != 0 ? zg::Scan::Horizontal : zg::Scan::Vertical;
  layout.bitOrder = (data[2] & 2U) != 0 ? zg::BitOrder::Reversed : zg::BitOrder::Classic;
  layout.bandOrder = (data[2] & 4U) != 0 ? zg::BandOrder::Columns : zg::BandOrder::Bands;
  const zg::TableLayout table{layout,       data[3],      data[4] % 16,
                              data[5] % 80, data[6] % 80, (data[7] & 1U) != 0};
  const zg::Layout editor = zg::Layout::Classic(8, 16, zg::Scan::Vertical);
  const zg::TableRead read = zg::DecodeTable(values, table, editor);
  Check(read.glyphs.size() == static_cast<std::size_t>(224 * editor.BytesPerGlyph()),
        "not 224 glyphs");
  Check(read.belowFirst + read.CodesRead() + read.pastLast == read.glyphCount,
        "glyphs neither read nor left out");

  if (values.size() > 4096) return 0;  // detection tries hundreds of layouts
  if (const auto found = zg::DetectTable(values)) {
    Check(found->table.Valid(), "an invalid layout found");
    Check(zg::TableGlyphCount(values, found->table) > 0, "a layout of no glyph found");
  }
  return 0;
}
