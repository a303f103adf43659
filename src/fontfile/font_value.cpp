#include "fontfile/font_value.h"

namespace zg {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Digits in `base` (2, 10 or 16), at least one, read while the value stays a byte.
std::optional<std::uint8_t> Digits(std::string_view digits, int base) {
  if (digits.empty()) return std::nullopt;
  int value = 0;
  for (const char c : digits) {
    const std::int8_t d = fontvalue_detail::kHexValue[static_cast<unsigned char>(c)];
    if (d < 0 || d >= base) return std::nullopt;
    value = value * base + d;
    if (value > 255) return std::nullopt;
  }
  return static_cast<std::uint8_t>(value);
}

bool StartsWith(std::string_view v, char first, char letter) {
  return v.size() >= 2 && v[0] == first && (v[1] == letter || v[1] == letter - 'a' + 'A');
}

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

std::optional<std::uint8_t> ParseAssemblerValue(std::string_view v) {
  if (v.empty() || v.size() > kMaxSourceValueChars) return std::nullopt;
  if (fontvalue_detail::IsH(v.back())) return Digits(v.substr(0, v.size() - 1), 16);
  if (v[0] == '$') return Digits(v.substr(1), 16);
  if (v[0] == '%') return Digits(v.substr(1), 2);
  if (StartsWith(v, '&', 'h')) return Digits(v.substr(2), 16);
  if (StartsWith(v, '&', 'b')) return Digits(v.substr(2), 2);
  if (v.size() >= 2 && v[0] == '0' && v[1] == 'x') return Digits(v.substr(2), 16);
  if (StartsWith(v, '0', 'b')) return Digits(v.substr(2), 2);
  if (v.back() == 'b' || v.back() == 'B') return Digits(v.substr(0, v.size() - 1), 2);
  return Digits(v, 10);
}

std::string FormatFontValue(std::uint8_t value, std::string_view numberFormat) {
  char text[kMaxValueChars];
  const std::size_t n = AppendFontValue(text, value, NumberFormatFromText(numberFormat));
  return std::string(text, n);
}

}  // namespace zg
