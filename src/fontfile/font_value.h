#pragma once
// One value of a font source file: the five notations the writer offers and
// the reader accepts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zg {

// The notations of the "Формат числа" box. Texts that name none of them write as AmpH.
enum class NumberFormat : std::uint8_t { AmpH, ZeroX, Dollar, Hash, SuffixH };

NumberFormat NumberFormatFromText(std::string_view numberFormat);

// Longest text one value takes ("&hFF", "0FFh").
inline constexpr std::size_t kMaxValueChars = 4;

// Writes the value at `out` (room for kMaxValueChars) and returns its length.
// The writer calls this once per byte, so it works on a raw buffer.
std::size_t AppendFontValue(char* out, std::uint8_t value, NumberFormat format);

// "&h0A", "0x0A", "$0A", "#0A", "0Ah" / "0FEh"; any unknown format text as "&hNN".
std::string FormatFontValue(std::uint8_t value, std::string_view numberFormat);

namespace fontvalue_detail {

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
inline constexpr std::array<std::int8_t, 256> kHexValue = MakeHexTable();

inline std::optional<std::uint8_t> HexPair(char high, char low) {
  const int hi = kHexValue[static_cast<unsigned char>(high)];
  const int lo = kHexValue[static_cast<unsigned char>(low)];
  if (hi < 0 || lo < 0) return std::nullopt;
  return static_cast<std::uint8_t>(hi * 16 + lo);
}

inline bool IsH(char c) { return c == 'h' || c == 'H'; }

}  // namespace fontvalue_detail

// A trimmed value text read back into its byte; nullopt means unrecognised
// syntax, which stops an import. Inline because the reader calls it for every
// value of a file.
[[gnu::always_inline]] inline std::optional<std::uint8_t> ParseFontValue(std::string_view v) {
  using fontvalue_detail::HexPair;
  using fontvalue_detail::IsH;
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

// Longest value text the reader takes in any notation ("0b11111111",
// "&B00000001"); one character more is no value, however it goes on.
inline constexpr std::size_t kMaxSourceValueChars = 10;

// The notations of assemblers and BASIC besides the five above, for a value
// ParseFontValue refused: decimal ("255"), "0x7", "$F", "0FFh" and "7h" with
// any number of digits, "&h" and "&b" (BASCOM), "%01010101", "0b0101" and
// "01010101b" (MASM),
// each in either letter case of its letters and at most 255.
std::optional<std::uint8_t> ParseAssemblerValue(std::string_view v);

// What the font source reader takes: the writer's forms first, then the others.
inline std::optional<std::uint8_t> ParseSourceValue(std::string_view v) {
  if (const auto byte = ParseFontValue(v)) return byte;
  return ParseAssemblerValue(v);
}

}  // namespace zg
