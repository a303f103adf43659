#include "fontfile/c_text.h"

namespace zg {
namespace {

bool IsIdentifierChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

std::string CIdentifier(std::string_view name) {
  if (name.empty()) return "font";
  std::string id;
  id.reserve(name.size() + 1);
  if (name.front() >= '0' && name.front() <= '9') id += '_';
  for (const char c : name) id += IsIdentifierChar(c) ? c : '_';
  return id;
}

std::string UpperIdentifier(std::string_view identifier) {
  std::string upper(identifier);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool IsPrintableCharacter(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  // Bidirectional controls reorder the text around them: compilers warn of
  // them in comments (gcc's -Wbidi-chars), so they are named by code only.
  if (c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
      (c >= 0x2066 && c <= 0x2069)) {
    return false;
  }
  return c <= 0x10FFFF;
}

void AppendUtf8(std::string& out, char32_t c) {
  const auto byte = [&](char32_t v) { out += static_cast<char>(static_cast<unsigned char>(v)); };
  if (c < 0x80) {
    byte(c);
  } else if (c < 0x800) {
    byte(0xC0 | (c >> 6));
    byte(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    byte(0xE0 | (c >> 12));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  } else {
    byte(0xF0 | (c >> 18));
    byte(0x80 | ((c >> 12) & 0x3F));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  }
}

void AppendCodeComment(std::string& out, int code, char32_t character) {
  out += "/* ";
  AppendHexByte(out, static_cast<std::uint8_t>(code));
  if (IsPrintableCharacter(character)) {
    out += " '";
    AppendUtf8(out, character);
    out += '\'';
  }
  out += " */";
}

}  // namespace zg
