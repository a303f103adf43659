#include "fontfile/glyph_text.h"

#include "fontfile/byte_source.h"
#include "fontfile/font_reader.h"
#include "fontfile/font_writer.h"

namespace zg {

std::string WriteGlyphLine(std::span<const std::uint8_t> glyph, std::string_view keyword,
                           std::string_view numberFormat, bool negative) {
  return WriteFontLines(glyph, static_cast<int>(glyph.size()), keyword, numberFormat, negative);
}

std::optional<std::vector<std::uint8_t>> ReadGlyphText(std::string_view text, int cb, int pos) {
  if (cb <= 0) return std::nullopt;
  // Room for exactly cb values: one more stops the reader with StoreFull.
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(cb));
  MemoryByteSource source(text);
  const ReadResult result = ReadFontSource(source, pos, bytes);
  if (result.status != ReadStatus::Completed || result.valuesStored != bytes.size()) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace zg
