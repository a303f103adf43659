#include "model/code_page.h"

#include <iconv.h>

#include <algorithm>
#include <mutex>

namespace zg {
namespace {

struct PageInfo {
  std::string_view name;                    // shown in menus
  const char* iconvName;                    // glibc's name of the charset
  std::array<std::string_view, 5> aliases;  // normalised: lower case, no blanks or dashes
};

constexpr std::array<PageInfo, kCodePages.size()> kPageInfo{{
    {"Windows-1251", "CP1251", {"windows1251", "cp1251", "1251", "win1251", ""}},
    {"Windows-1250", "CP1250", {"windows1250", "cp1250", "1250", "win1250", ""}},
    {"Windows-1252", "CP1252", {"windows1252", "cp1252", "1252", "win1252", ""}},
    {"CP866", "CP866", {"cp866", "866", "ibm866", "dos866", ""}},
    {"KOI8-R", "KOI8-R", {"koi8r", "koi8", "", "", ""}},
    {"ISO 8859-1", "ISO-8859-1", {"iso88591", "88591", "latin1", "l1", ""}},
    {"ISO 8859-2", "ISO-8859-2", {"iso88592", "88592", "latin2", "l2", ""}},
    {"ISO 8859-5", "ISO-8859-5", {"iso88595", "88595", "cyrillic", "", ""}},
}};

const PageInfo& Info(CodePage page) {
  const auto i = static_cast<std::size_t>(page);
  return kPageInfo[i < kPageInfo.size() ? i : 0];
}

constexpr bool IsControl(char32_t ch) { return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F); }

// Decodes one byte with iconv; 0 when the charset has no character for it.
char32_t Decode(iconv_t cd, unsigned char code) {
  char in[1] = {static_cast<char>(code)};
  unsigned char out[8] = {};
  char* inPtr = in;
  char* outPtr = reinterpret_cast<char*>(out);
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // drop any state a failure left
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return 0;
  if (sizeof out - outLeft != 4) return 0;
  return static_cast<char32_t>(out[0]) | static_cast<char32_t>(out[1]) << 8 |
         static_cast<char32_t>(out[2]) << 16 | static_cast<char32_t>(out[3]) << 24;
}

std::array<char32_t, kSymbolCount> BuildTable(CodePage page) {
  std::array<char32_t, kSymbolCount> table{};
  const auto all = CharsetCharacters(Info(page).iconvName);
  if (!all) return table;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const char32_t ch = (*all)[kFirstCode + i];
    table[i] = IsControl(ch) ? 0 : ch;
  }
  return table;
}

std::string Normalise(std::string_view name) {
  std::string out;
  for (const char c : name) {
    if (c == '-' || c == '_' || c == ' ') continue;
    out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return out;
}

}  // namespace

std::string_view CodePageName(CodePage page) { return Info(page).name; }

std::optional<CodePage> CodePageFromName(std::string_view name) {
  const std::string key = Normalise(name);
  if (key.empty()) return std::nullopt;
  for (std::size_t i = 0; i < kPageInfo.size(); ++i) {
    const auto& aliases = kPageInfo[i].aliases;
    if (std::find(aliases.begin(), aliases.end(), key) != aliases.end()) return kCodePages[i];
  }
  return std::nullopt;
}

const std::array<char32_t, kSymbolCount>& CodePageCharacters(CodePage page) {
  // Each table is built on first use only: most sessions never leave the default.
  static std::array<std::once_flag, kCodePages.size()> built;
  static std::array<std::array<char32_t, kSymbolCount>, kCodePages.size()> tables{};
  auto i = static_cast<std::size_t>(page);
  if (i >= kCodePages.size()) i = 0;
  std::call_once(built[i], [i] { tables[i] = BuildTable(kCodePages[i]); });
  return tables[i];
}

std::optional<std::array<char32_t, 256>> CharsetCharacters(const char* iconvName) {
  iconv_t cd = iconv_open("UTF-32LE", iconvName);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::array<char32_t, 256> table{};
  for (std::size_t code = 0; code < table.size(); ++code) {
    table[code] = Decode(cd, static_cast<unsigned char>(code));
  }
  iconv_close(cd);
  return table;
}

std::optional<int> SymbolIndexOf(CodePage page, char32_t ch) {
  if (ch == 0) return std::nullopt;
  const auto& table = CodePageCharacters(page);
  const auto it = std::find(table.begin(), table.end(), ch);
  if (it == table.end()) return std::nullopt;
  return static_cast<int>(it - table.begin());
}

std::string Utf8(char32_t ch) {
  std::string out;
  const auto byte = [&out](char32_t v) { out += static_cast<char>(static_cast<unsigned char>(v)); };
  if (ch == 0 || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return out;
  if (ch < 0x80) {
    byte(ch);
  } else if (ch < 0x800) {
    byte(0xC0 | ch >> 6);
    byte(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    byte(0xE0 | ch >> 12);
    byte(0x80 | (ch >> 6 & 0x3F));
    byte(0x80 | (ch & 0x3F));
  } else {
    byte(0xF0 | ch >> 18);
    byte(0x80 | (ch >> 12 & 0x3F));
    byte(0x80 | (ch >> 6 & 0x3F));
    byte(0x80 | (ch & 0x3F));
  }
  return out;
}

}  // namespace zg
