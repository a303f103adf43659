#pragma once
// One glyph as font source text, for copying it into a program's source and
// pasting values from one back into the editor.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zg {

// The glyph's bytes as the lines the font source writer writes for them.
std::string WriteGlyphLine(std::span<const std::uint8_t> glyph, std::string_view keyword,
                           std::string_view numberFormat, bool negative);

// The cb bytes of text that holds exactly cb values in any notation the font
// source reader takes; pos 0 (negative font) complements them as the reader
// does. nullopt for text the reader refuses or for another count of values.
std::optional<std::vector<std::uint8_t>> ReadGlyphText(std::string_view text, int cb, int pos);

}  // namespace zg
