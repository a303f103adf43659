#include "fontfile/font_value.h"

#include <array>

namespace zg {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// -1 for every byte that is not a hexadecimal digit; both letter cases count.
constexpr std::array<std::int8_t, 256> MakeHexTable() {
  std::array<std::int8_t, 256> t{};
  for (auto& v : t) v = -1;
  for (int i = 0; i < 10; ++i) t['0' + i] = static_cast<std::int8_t>(i);
  for (int i = 0; i < 6; ++i) {
    t['A' + i] = static_cast<std::int8_t>(10 + i);
    t['a' + i] = static_cast<std::int8_t>(10 + i);
  }
  return t;
}
constexpr std::array<std::int8_t, 256> kHexValue = MakeHexTable();

std::optional<std::uint8_t> HexPair(char high, char low) {
  const int h = kHexValue[static_cast<unsigned char>(high)];
  const int l = kHexValue[static_cast<unsigned char>(low)];
  if (h < 0 || l < 0) return std::nullopt;
  return static_cast<std::uint8_t>(h * 16 + l);
}

bool IsH(char c) { return c == 'h' || c == 'H'; }

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

std::optional<std::uint8_t> ParseFontValue(std::string_view v) {
  const std::size_t n = v.size();
  if (n == 3 && (v[0] == '$' || v[0] == '#')) return HexPair(v[1], v[2]);
  if (n == 4 && v[0] == '&' && IsH(v[1])) return HexPair(v[2], v[3]);
  if (n == 4 && v[0] == '0' && v[1] == 'x') return HexPair(v[2], v[3]);
  if (n == 3 && IsH(v[2])) return HexPair(v[0], v[1]);
  // Only the writer's own "0" may lead a four-character "h" value, so that
  // a three-digit number such as 123h is not quietly read as 23h.
  if (n == 4 && IsH(v[3]) && v[0] == '0') return HexPair(v[1], v[2]);
  return std::nullopt;
}

}  // namespace zg
