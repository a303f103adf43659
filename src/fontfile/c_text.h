#pragma once
// Pieces of C source text shared by the C header and GFX writers.

#include <cstdint>
#include <string>
#include <string_view>

namespace zg {

// `name` (UTF-8) as a C and C++ identifier. A name that is one already, and
// is no keyword, reserved spelling or name of the standard headers, stays as
// it is. Any other is spelled readably (Cyrillic letters transliterated,
// other characters '_', single '_' between words, "font_" before a leading
// digit) and gets '_' and eight hex digits of a hash of the name as given,
// so that two names never meet in one identifier. An empty name is "font".
std::string CIdentifier(std::string_view name);

// The identifier in capitals, for macro names and include guards.
std::string UpperIdentifier(std::string_view identifier);

// "0x7C". Inline: the writers call it for every byte of a font.
inline void AppendHexByte(std::string& out, std::uint8_t value) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  const char text[4] = {'0', 'x', kDigits[value >> 4], kDigits[value & 0x0F]};
  out.append(text, sizeof text);
}

// "/* 0x41 'A' */": the code and, when it is a printable character, the
// character in UTF-8 between quotes. The closing quote keeps a '*', '/' or
// '\' from forming "*/", "/*" or a line continuation with what follows.
void AppendCodeComment(std::string& out, int code, char32_t character);

// A code point that prints as itself: not a control character (bidirectional
// controls included), not a surrogate, not beyond Unicode.
bool IsPrintableCharacter(char32_t c);

void AppendUtf8(std::string& out, char32_t c);

}  // namespace zg
