#pragma once
// The file name that carries a font's cell size, scan direction and polarity:
// "Font" + two-digit width + "x" + two-digit height + "v"/"h" + "p"/"n".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/layout.h"

namespace zg {

struct FontFileParams {
  std::int16_t ncol = 0;
  std::int16_t nstr = 0;
  std::int16_t vert = 0;  // 1 vertical, 0 horizontal
  std::int16_t pos = -1;  // -1 positive, 0 negative
  friend bool operator==(const FontFileParams&, const FontFileParams&) = default;
};

// "Font08x08vp", "Font24x16hn": the name the save dialog proposes, without extension.
std::string DefaultFontFileName(const Layout& layout, bool negative);

// Recognises that name in the last component of a path ('/' and '\' both
// separate folders), with any extension or other text after it: widths and
// heights 1 to 24, either scan for any width.
std::optional<FontFileParams> ParseFontFileName(std::string_view fullPath);

}  // namespace zg
