#pragma once
// Which character each code 20h..FFh of the font stands for. The editor shows
// and selects symbols by these characters and the glyph import renders them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/font_model.h"

namespace zg {

enum class CodePage : std::uint8_t {
  Windows1251,
  Windows1250,
  Windows1252,
  Cp866,
  Koi8R,
  Iso8859_1,
  Iso8859_2,
  Iso8859_5
};

// Menu order; Windows-1251 is the default.
inline constexpr std::array<CodePage, 8> kCodePages{
    CodePage::Windows1251, CodePage::Windows1250, CodePage::Windows1252, CodePage::Cp866,
    CodePage::Koi8R,       CodePage::Iso8859_1,   CodePage::Iso8859_2,   CodePage::Iso8859_5};

inline constexpr CodePage kDefaultCodePage = CodePage::Windows1251;

// "Windows-1251", "CP866", "KOI8-R", "ISO 8859-5" and so on.
std::string_view CodePageName(CodePage page);

// The names above and the usual short forms ("cp1251", "1251", "koi8r",
// "iso-8859-1", "latin1"...), in any letter case.
std::optional<CodePage> CodePageFromName(std::string_view name);

// Unicode code point of symbol i (code 20h + i); 0 where the page leaves the
// code undefined or gives it a control character.
const std::array<char32_t, kSymbolCount>& CodePageCharacters(CodePage page);

// The symbol (0..223) that shows `ch` in `page`, for typing a character to
// select its symbol.
std::optional<int> SymbolIndexOf(CodePage page, char32_t ch);

// The character of each byte 0..255 in the charset glibc's iconv calls
// `iconvName` ("CP1251", "KOI8-R"...), 0 where it has none; nothing when
// iconv does not know the charset.
std::optional<std::array<char32_t, 256>> CharsetCharacters(const char* iconvName);

// `ch` as UTF-8; "" for 0 and for values that are not characters.
std::string Utf8(char32_t ch);

}  // namespace zg
