#include "fontfile/font_writer.h"

#include <algorithm>

#include "fontfile/font_value.h"

namespace zg {

std::string LineKeyword(std::string_view lineFormat) {
  if (lineFormat == "Data code") return "Data ";
  if (lineFormat == ".Db code") return ".db ";
  return {};
}

std::string WriteFontSource(std::span<const std::uint8_t> store, int cb, std::string_view keyword,
                            std::string_view numberFormat, bool negative) {
  if (cb <= 0) return {};
  const std::size_t count = std::min(static_cast<std::size_t>(cb) * 224, store.size());
  return WriteFontLines(store.first(count), cb, keyword, numberFormat, negative);
}

std::string WriteFontLines(std::span<const std::uint8_t> values, int cb, std::string_view keyword,
                           std::string_view numberFormat, bool negative) {
  if (cb <= 0) return {};
  const std::size_t count = values.size();
  const std::size_t perLine = cb == 6 ? 6 : 8;
  const std::size_t lines = (count + perLine - 1) / perLine;
  const NumberFormat format = NumberFormatFromText(numberFormat);
  const std::uint8_t flip = negative ? 0xFF : 0x00;

  // One buffer sized for the widest values, filled through a raw pointer and
  // cut to length at the end: the text is built in one pass without regrowing.
  std::string text;
  text.resize(lines * (keyword.size() + 2) + count * (kMaxValueChars + 1));
  char* out = text.data();
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t j = i % perLine;
    if (j == 0) out = std::copy(keyword.begin(), keyword.end(), out);
    out += AppendFontValue(out, static_cast<std::uint8_t>(values[i] ^ flip), format);
    if (j + 1 < perLine && i + 1 < count) {
      *out++ = ',';
    } else {
      *out++ = '\r';
      *out++ = '\n';
    }
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
  return text;
}

}  // namespace zg
