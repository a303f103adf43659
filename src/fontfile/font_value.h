#pragma once
// One value of a font source file: the five notations the writer offers and
// the reader accepts.

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

// A trimmed value text read back into its byte; nullopt means unrecognised
// syntax, which stops an import.
std::optional<std::uint8_t> ParseFontValue(std::string_view trimmedValue);

}  // namespace zg
