#pragma once
// The font source writer: every glyph byte as text, ready to include in a
// program's source.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zg {

// The keyword in front of every line for the "Формат строки" box text:
// "Data code" -> "Data ", ".Db code" -> ".db ", anything else -> none.
std::string LineKeyword(std::string_view lineFormat);

// The whole file: cb * 224 values from index 0 of the store, 6 a line for the
// 6 x 8 cell and 8 otherwise, every line ending in CR LF. A negative font
// writes the complement of each byte. Reads no byte beyond the store.
std::string WriteFontSource(std::span<const std::uint8_t> store, int cb, std::string_view keyword,
                            std::string_view numberFormat, bool negative);

// The lines of the given values alone, laid out as in the file for glyphs of
// cb bytes (six a line for cb 6, else eight). WriteFontSource is this over
// the font's cb * 224 values.
std::string WriteFontLines(std::span<const std::uint8_t> values, int cb, std::string_view keyword,
                           std::string_view numberFormat, bool negative);

}  // namespace zg
