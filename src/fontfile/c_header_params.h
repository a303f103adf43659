#pragma once
// The layout a C header carries in its macros: written by WriteCHeader, read
// back by the import and zgconv so that a header zgedit wrote needs no
// options.

#include <optional>
#include <string>
#include <string_view>

#include "fontfile/byte_source.h"
#include "model/layout.h"

namespace zg {

// NAME_BIT_ORDER: 0 when bit 0 of a byte holds its first pixel (the top of a
// column, the left of a row), 1 when bit 7 does. Spelled out in the header,
// as firmware reads it, rather than as the editor's own order.
constexpr int BitOrderMacro(const Layout& layout) {
  const bool lsbFirst = layout.Vertical() == (layout.bitOrder == BitOrder::Classic);
  return lsbFirst ? 0 : 1;
}
constexpr BitOrder BitOrderOfMacro(Scan scan, int value) {
  return (value == 0) == (scan == Scan::Vertical) ? BitOrder::Classic : BitOrder::Reversed;
}
inline constexpr std::string_view kBitOrderComment =
    " /* 0: bit 0 is a byte's top or left pixel, 1: bit 7 */";
inline constexpr std::string_view kBandOrderComment =
    " /* 0: band after band, 1: a column's bytes together */";

struct CHeaderParams {
  Layout layout;
  int firstCode = 0x20;
  int glyphCount = 224;
  bool negative = false;
  std::string prefix;  // the macros' common prefix, "FONT08X08VP" for FONT08X08VP_WIDTH
  friend bool operator==(const CHeaderParams&, const CHeaderParams&) = default;
};

// The parameters of the first set of "#define P_WIDTH", "P_HEIGHT" and
// "P_SCAN_VERTICAL" lines in `text`, with P_BIT_ORDER, P_BAND_ORDER,
// P_FIRST_CODE, P_GLYPH_COUNT and P_NEGATIVE where present (else the
// editor's own order, 20h, 224, positive). Nothing when the set is missing or
// does not describe a cell up to 24 x 24, or P_BYTES_PER_GLYPH disagrees.
std::optional<CHeaderParams> ParseCHeaderParams(std::string_view text);

// The same over the first 16 KiB of a source: the macros stand before the
// array, so the glyph bytes are never read for them.
std::optional<CHeaderParams> ReadCHeaderParams(ByteSource& in);

}  // namespace zg
