#include "fontfile/c_header_params.h"

#include <array>
#include <charconv>
#include <map>
#include <vector>

namespace zg {
namespace {

constexpr std::size_t kHeadBytes = 16 * 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool IsIdentChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string_view SkipBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view TakeWhile(std::string_view& s, bool (*keep)(char)) {
  std::size_t n = 0;
  while (n < s.size() && keep(s[n])) ++n;
  const std::string_view taken = s.substr(0, n);
  s.remove_prefix(n);
  return taken;
}

// A decimal or 0x hexadecimal constant, as the writer puts them.
std::optional<int> Number(std::string_view v) {
  int base = 10;
  if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
    v.remove_prefix(2);
    base = 16;
  }
  int value = 0;
  const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value, base);
  if (ec != std::errc() || end != v.data() + v.size()) return std::nullopt;
  return value;
}

// "#define NAME VALUE" as NAME and VALUE; nothing for other lines.
std::optional<std::pair<std::string_view, int>> Define(std::string_view line) {
  line = SkipBlanks(line);
  if (!line.starts_with('#')) return std::nullopt;
  line = SkipBlanks(line.substr(1));
  if (!line.starts_with("define") || line.size() < 7 || !IsBlank(line[6])) return std::nullopt;
  line = SkipBlanks(line.substr(6));
  const std::string_view name = TakeWhile(line, IsIdentChar);
  line = SkipBlanks(line);
  const auto value = Number(TakeWhile(line, IsIdentChar));
  if (name.empty() || !value) return std::nullopt;
  return std::pair{name, *value};
}

constexpr std::array<std::string_view, 9> kSuffixes = {
    "_WIDTH",           "_HEIGHT",     "_SCAN_VERTICAL", "_BIT_ORDER", "_BAND_ORDER",
    "_BYTES_PER_GLYPH", "_FIRST_CODE", "_GLYPH_COUNT",   "_NEGATIVE"};

std::optional<CHeaderParams> FromMacros(const std::map<std::string, int, std::less<>>& macros,
                                        const std::string& prefix) {
  const auto get = [&](std::string_view suffix) -> std::optional<int> {
    const auto it = macros.find(prefix + std::string(suffix));
    if (it == macros.end()) return std::nullopt;
    return it->second;
  };
  const auto width = get("_WIDTH");
  const auto height = get("_HEIGHT");
  const auto vertical = get("_SCAN_VERTICAL");
  if (!width || !height || !vertical || *vertical < 0 || *vertical > 1) return std::nullopt;
  CHeaderParams p;
  p.prefix = prefix;
  p.layout.width = *width;
  p.layout.height = *height;
  p.layout.scan = *vertical == 1 ? Scan::Vertical : Scan::Horizontal;
  const int bitOrder = get("_BIT_ORDER").value_or(BitOrderMacro(p.layout));
  const int bandOrder = get("_BAND_ORDER").value_or(0);
  if (bitOrder < 0 || bitOrder > 1 || bandOrder < 0 || bandOrder > 1) return std::nullopt;
  p.layout.bitOrder = BitOrderOfMacro(p.layout.scan, bitOrder);
  p.layout.bandOrder = bandOrder == 1 ? BandOrder::Columns : BandOrder::Bands;
  p.firstCode = get("_FIRST_CODE").value_or(0x20);
  p.glyphCount = get("_GLYPH_COUNT").value_or(256 - p.firstCode);
  p.negative = get("_NEGATIVE").value_or(0) == 1;
  const auto bytes = get("_BYTES_PER_GLYPH");
  if (!p.layout.Valid() || (bytes && *bytes != p.layout.BytesPerGlyph()) || p.firstCode < 0 ||
      p.firstCode > 0xFF || p.glyphCount < 1 || p.firstCode + p.glyphCount > 256) {
    return std::nullopt;
  }
  return p;
}

}  // namespace

std::optional<CHeaderParams> ParseCHeaderParams(std::string_view text) {
  std::map<std::string, int, std::less<>> macros;
  std::vector<std::string> prefixes;  // in the order of their _WIDTH lines
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const auto define = Define(line);
    if (!define) continue;
    for (const std::string_view suffix : kSuffixes) {
      if (define->first.size() > suffix.size() && define->first.ends_with(suffix)) {
        macros.emplace(define->first, define->second);
        if (suffix == "_WIDTH") {
          prefixes.emplace_back(define->first.substr(0, define->first.size() - suffix.size()));
        }
        break;
      }
    }
  }
  for (const std::string& prefix : prefixes) {
    if (auto p = FromMacros(macros, prefix)) return p;
  }
  return std::nullopt;
}

std::optional<CHeaderParams> ReadCHeaderParams(ByteSource& in) {
  std::string head(kHeadBytes, '\0');
  std::size_t filled = 0;
  while (filled < head.size()) {
    const ByteChunk chunk = in.Read(std::span(head).subspan(filled));
    if (chunk.failure || chunk.count == 0) break;
    filled += chunk.count;
  }
  head.resize(filled);
  return ParseCHeaderParams(head);
}

}  // namespace zg
