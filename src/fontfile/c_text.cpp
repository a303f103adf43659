#include "fontfile/c_text.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace zg {
namespace {

bool IsIdentifierChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsUpperLatin(char32_t c) { return c >= 'A' && c <= 'Z'; }

// Russian, Ukrainian and Belarusian letters, as passports and URLs spell them.
constexpr std::string_view kRussianLetters[32] = {
    "a", "b", "v", "g", "d", "e",  "zh", "z",  "i",  "y",    "k", "l", "m", "n", "o",  "p",
    "r", "s", "t", "u", "f", "kh", "ts", "ch", "sh", "shch", "",  "y", "",  "e", "yu", "ya"};

struct ExtraLetter {
  char32_t upper;
  std::string_view latin;
};
constexpr ExtraLetter kExtraLetters[] = {{U'Ё', "yo"}, {U'Є', "ye"}, {U'І', "i"},
                                         {U'Ї', "yi"}, {U'Ў', "u"},  {U'Ґ', "g"}};

bool IsUpperCyrillic(char32_t c) {
  if (c >= U'А' && c <= U'Я') return true;
  for (const ExtraLetter& e : kExtraLetters) {
    if (c == e.upper) return true;
  }
  return false;
}

// The Latin spelling of a Cyrillic letter in lower case, or nothing.
std::optional<std::string_view> Latin(char32_t c) {
  if (c >= U'А' && c <= U'Я') return kRussianLetters[c - U'А'];
  if (c >= U'а' && c <= U'я') return kRussianLetters[c - U'а'];
  for (const ExtraLetter& e : kExtraLetters) {
    // The small letters of these stand 50h above the capitals, except Ґ ґ.
    if (c == e.upper || c == (e.upper == U'Ґ' ? e.upper + 1 : e.upper + 0x50)) return e.latin;
  }
  return std::nullopt;
}

// The code point starting at `at`, and its length; a byte that starts no
// well-formed sequence is read alone as 0xFFFD.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view s, std::size_t at) {
  const auto b = static_cast<unsigned char>(s[at]);
  const std::size_t n = b < 0x80         ? 1
                        : (b >> 5) == 6  ? 2
                        : (b >> 4) == 14 ? 3
                        : (b >> 3) == 30 ? 4
                                         : 0;
  if (n == 0 || at + n > s.size()) return {0xFFFD, 1};
  char32_t c = n == 1 ? b : b & (0x7FU >> n);
  for (std::size_t k = 1; k < n; ++k) {
    const auto t = static_cast<unsigned char>(s[at + k]);
    if ((t >> 6) != 2) return {0xFFFD, 1};
    c = (c << 6) | (t & 0x3FU);
  }
  return {c, n};
}

// Keywords of C89 to C23 and C++98 to C++20 (with the operator spellings),
// and what the included headers define in lower case, between spaces.
constexpr std::string_view kReserved =
    " alignas alignof and and_eq asm auto bitand bitor bool break case catch char class co_await"
    " co_return co_yield compl concept const const_cast consteval constexpr constinit continue"
    " decltype default delete do double dynamic_cast else enum explicit export extern false"
    " float for friend goto if inline int long mutable namespace new noexcept not not_eq nullptr"
    " offsetof operator or or_eq private protected public register reinterpret_cast requires"
    " restrict return short signed sizeof static static_assert static_cast struct switch"
    " template this thread_local throw true try typedef typeid typename typeof typeof_unqual"
    " union unsigned using virtual void volatile while xor xor_eq ";

// Stems of the standard's limit macros (INT8_WIDTH, SIZE_MAX...), which the
// header's own NAME_WIDTH would redefine.
bool IsLimitStem(std::string_view upper) {
  for (const std::string_view stem : {"PTRDIFF", "SIG_ATOMIC", "SIZE", "WCHAR", "WINT"}) {
    if (upper == stem) return true;
  }
  if (upper.starts_with('U')) upper.remove_prefix(1);
  if (!upper.starts_with("INT")) return false;
  upper.remove_prefix(3);
  if (upper == "PTR" || upper == "MAX") return true;
  if (upper.starts_with("_LEAST") || upper.starts_with("_FAST")) {
    upper.remove_prefix(upper[1] == 'L' ? 6 : 5);
  }
  return !upper.empty() && upper.find_first_not_of("0123456789") == std::string_view::npos;
}

bool IsReserved(std::string_view id) {
  // Leading '_' is the implementation's at file scope, "__" anywhere in C++,
  // "_t" at the end POSIX's (uint8_t, size_t...), capitals the macros'.
  if (id.starts_with('_') || id.find("__") != std::string_view::npos || id.ends_with("_t")) {
    return true;
  }
  if (kReserved.find(" " + std::string(id) + " ") != std::string_view::npos) return true;
  if (id == "NULL" || id == "PROGMEM" || id == "PGM_P" || id.starts_with("pgm_")) return true;
  return IsLimitStem(UpperIdentifier(id));
}

// FNV-1a: the same name gives the same identifier in every run and build.
std::uint32_t NameHash(std::string_view name) {
  std::uint32_t h = 2166136261U;
  for (const char c : name) {
    h ^= static_cast<unsigned char>(c);
    h *= 16777619U;
  }
  return h;
}

}  // namespace

std::string CIdentifier(std::string_view name) {
  if (name.empty()) return "font";
  std::string id;
  id.reserve(name.size() + 10);
  bool respelled = false;
  for (std::size_t at = 0; at < name.size();) {
    const auto [c, length] = DecodeUtf8(name, at);
    at += length;
    if (length == 1 && IsIdentifierChar(static_cast<char>(c))) {
      id += static_cast<char>(c);
      continue;
    }
    respelled = true;
    const auto latin = Latin(c);
    if (!latin) {
      id += '_';
      continue;
    }
    // A capital starts its spelling with a capital; among capitals it is all capitals.
    const std::size_t first = id.size();
    id += *latin;
    if (IsUpperCyrillic(c) && first < id.size()) {
      const char32_t next = at < name.size() ? DecodeUtf8(name, at).first : 0;
      const bool allCapitals = IsUpperCyrillic(next) || IsUpperLatin(next);
      for (std::size_t k = first; k < (allCapitals ? id.size() : first + 1); ++k) {
        id[k] = static_cast<char>(id[k] - 'a' + 'A');
      }
    }
  }
  if (!respelled && !IsReserved(id) && (id.front() < '0' || id.front() > '9')) return id;
  // Readable and clear of the reserved spellings: single '_' between words,
  // none at the ends, no leading digit. The hash tells the names apart.
  std::string readable;
  for (const char c : id) {
    if (c != '_' || (!readable.empty() && readable.back() != '_')) readable += c;
  }
  if (!readable.empty() && readable.back() == '_') readable.pop_back();
  if (readable.empty() || (readable.front() >= '0' && readable.front() <= '9')) {
    readable.insert(0, readable.empty() ? "font" : "font_");
  }
  id = readable + '_';
  constexpr char kDigits[] = "0123456789abcdef";
  for (int shift = 28; shift >= 0; shift -= 4) id += kDigits[(NameHash(name) >> shift) & 0xFU];
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
