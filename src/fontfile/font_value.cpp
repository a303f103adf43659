#include "fontfile/font_value.h"

namespace zg {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

NumberFormat NumberFormatFromText(std::string_view numberFormat) {
  if (numberFormat == "0xNN") return NumberFormat::ZeroX;
  if (numberFormat == "$NN") return NumberFormat::Dollar;
  if (numberFormat == "#NN") return NumberFormat::Hash;
  if (numberFormat == "NNh") return NumberFormat::SuffixH;
  return NumberFormat::AmpH;
}

std::size_t AppendFontValue(char* out, std::uint8_t value, NumberFormat format) {
  char* p = out;
  switch (format) {
    case NumberFormat::AmpH:
      *p++ = '&';
      *p++ = 'h';
      break;
    case NumberFormat::ZeroX:
      *p++ = '0';
      *p++ = 'x';
      break;
    case NumberFormat::Dollar:
      *p++ = '$';
      break;
    case NumberFormat::Hash:
      *p++ = '#';
      break;
    case NumberFormat::SuffixH:
      // A leading letter would read as a name to an assembler. The "0" goes
      // in front from 9Ah on, not only from A0h; the reader accepts a
      // four-character "h" value only when it starts with this "0".
      if (value > 153) *p++ = '0';
      break;
  }
  *p++ = kHexDigits[value >> 4];
  *p++ = kHexDigits[value & 0x0F];
  if (format == NumberFormat::SuffixH) *p++ = 'h';
  return static_cast<std::size_t>(p - out);
}

std::string FormatFontValue(std::uint8_t value, std::string_view numberFormat) {
  char text[kMaxValueChars];
  const std::size_t n = AppendFontValue(text, value, NumberFormatFromText(numberFormat));
  return std::string(text, n);
}

}  // namespace zg
