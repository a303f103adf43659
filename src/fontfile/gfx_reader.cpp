#include "fontfile/gfx_reader.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "fontfile/c_number.h"
#include "fontfile/font_value.h"
#include "fontfile/glyph_pixels.h"

namespace zg {
namespace {

bool IsWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The text with comments, literals and preprocessor lines made blanks, so
// that only code is searched.
std::string CodeOnly(std::string_view text) {
  std::string code(text);
  bool lineStart = true;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '\n') {
      lineStart = true;
      continue;
    }
    auto blankTo = [&](std::size_t end) {
      for (std::size_t k = i; k < end && k < code.size(); ++k) {
        if (code[k] != '\n') code[k] = ' ';
      }
      i = std::min(end, code.size()) - 1;
    };
    if (c == '/' && i + 1 < code.size() && code[i + 1] == '*') {
      const std::size_t end = code.find("*/", i + 2);
      blankTo(end == std::string::npos ? code.size() : end + 2);
    } else if ((c == '/' && i + 1 < code.size() && code[i + 1] == '/') || (c == '#' && lineStart)) {
      std::size_t end = i;
      while (end < code.size() && code[end] != '\n') {
        end += code[end] == '\\' && end + 1 < code.size() ? 2 : 1;
      }
      blankTo(end);
      continue;  // the line end stays and starts the next line
    } else if (c == '"' || c == '\'') {
      std::size_t end = i + 1;
      while (end < code.size() && code[end] != c && code[end] != '\n') {
        end += code[end] == '\\' ? 2 : 1;
      }
      blankTo(std::min(end + 1, code.size()));
    } else if (c != ' ' && c != '\t' && c != '\r') {
      lineStart = false;
    }
  }
  return code;
}

std::size_t SkipBlanks(std::string_view code, std::size_t at) {
  while (at < code.size() && (code[at] == ' ' || code[at] == '\t' || code[at] == '\n' ||
                              code[at] == '\r' || code[at] == '\v' || code[at] == '\f')) {
    ++at;
  }
  return at;
}

// Where the word `word` occurs on its own from `from`, or npos.
std::size_t FindWord(std::string_view code, std::string_view word, std::size_t from) {
  for (std::size_t at = code.find(word, from); at != std::string_view::npos;
       at = code.find(word, at + 1)) {
    const bool before = at == 0 || !IsWordChar(code[at - 1]);
    const bool after = at + word.size() >= code.size() || !IsWordChar(code[at + word.size()]);
    if (before && after) return at;
  }
  return std::string_view::npos;
}

// The '{' of the initialiser of the declaration that goes on at `at`, when
// its "=" comes before any ';'.
std::optional<std::size_t> InitialiserBrace(std::string_view code, std::size_t at) {
  const std::size_t equals = code.find_first_of("=;", at);
  if (equals == std::string_view::npos || code[equals] != '=') return std::nullopt;
  const std::size_t brace = SkipBlanks(code, equals + 1);
  if (brace >= code.size() || code[brace] != '{') return std::nullopt;
  return brace;
}

// The items of the initialiser at `brace` with nested braces flattened.
std::optional<std::vector<std::string_view>> Items(std::string_view code, std::size_t brace) {
  std::vector<std::string_view> items;
  int depth = 0;
  std::size_t start = brace + 1;
  for (std::size_t at = brace; at < code.size(); ++at) {
    const char c = code[at];
    if (c != '{' && c != '}' && c != ',') continue;
    if (at != brace) {
      const std::string_view item = code.substr(start, at - start);
      if (item.find_first_not_of(" \t\r\n\v\f") != std::string_view::npos) items.push_back(item);
    }
    start = at + 1;
    depth += c == '{' ? 1 : (c == '}' ? -1 : 0);
    if (depth == 0) return items;
  }
  return std::nullopt;
}

// An item as an integer: an optional '-', casts such as (int8_t), a C number.
std::optional<int> IntegerItem(std::string_view item) {
  std::size_t at = SkipBlanks(item, 0);
  bool negative = false;
  for (;;) {
    if (at < item.size() && item[at] == '-' && !negative) {
      negative = true;
    } else if (at < item.size() && item[at] == '(') {
      at = item.find(')', at);
      if (at == std::string_view::npos) return std::nullopt;
    } else {
      break;
    }
    at = SkipBlanks(item, at + 1);
  }
  std::size_t end = at;
  while (end < item.size() && (IsWordChar(item[end]) || item[end] == '\'')) ++end;
  if (SkipBlanks(item, end) != item.size()) return std::nullopt;
  // The bitmaps' usual 0xNN without the general parser.
  if (!negative && end - at == 4 && item[at] == '0' &&
      (item[at + 1] == 'x' || item[at + 1] == 'X')) {
    if (const auto byte = fontvalue_detail::HexPair(item[at + 2], item[at + 3])) return *byte;
  }
  const CNumber n = ParseCInteger(item.substr(at, end - at), 0xFFFF);
  if (n.status != ReadStatus::Completed) return std::nullopt;
  return negative ? -static_cast<int>(n.value) : static_cast<int>(n.value);
}

// The array an item names: its last word that is not a number or a type,
// as in "(uint8_t *)FontBitmaps" or "&FontGlyphs[0]".
std::string_view NamedArray(std::string_view item) {
  std::string_view name;
  for (std::size_t at = 0; at < item.size();) {
    if (!IsWordChar(item[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < item.size() && IsWordChar(item[end])) ++end;
    const std::string_view word = item.substr(at, end - at);
    if ((word[0] < '0' || word[0] > '9') && word != "uint8_t" && word != "GFXglyph" &&
        word != "const") {
      name = word;
    }
    at = end;
  }
  return name;
}

// The items of the array declared as `name[...] = {...}`.
std::optional<std::vector<std::string_view>> ArrayItems(std::string_view code,
                                                        std::string_view name) {
  if (name.empty()) return std::nullopt;
  for (std::size_t at = FindWord(code, name, 0); at != std::string_view::npos;
       at = FindWord(code, name, at + 1)) {
    const std::size_t next = SkipBlanks(code, at + name.size());
    if (next >= code.size() || code[next] != '[') continue;
    if (const auto brace = InitialiserBrace(code, next)) return Items(code, *brace);
  }
  return std::nullopt;
}

struct GfxGlyph {
  int offset, width, height, advance, xOffset, yOffset;
};

}  // namespace

std::string_view ToString(GfxReadStatus status) {
  switch (status) {
    case GfxReadStatus::Completed:
      return "completed";
    case GfxReadStatus::NoFont:
      return "no GFXfont initialiser";
    case GfxReadStatus::NoArray:
      return "the font's bitmaps or glyphs array is missing";
    case GfxReadStatus::BadValue:
      return "a value is not a number in range";
    case GfxReadStatus::ShortTable:
      return "the glyph table or the bitmaps end too early";
    case GfxReadStatus::TooLarge:
      return "the glyphs need a larger cell";
  }
  return "unknown";
}

GfxFont ReadGfxFont(std::string_view text, const Layout& layout) {
  const int ncol = layout.width;
  const int nstr = layout.height;
  GfxFont font;
  const std::string code = CodeOnly(text);
  std::optional<std::vector<std::string_view>> fontItems;
  for (std::size_t at = FindWord(code, "GFXfont", 0); at != std::string::npos && !fontItems;
       at = FindWord(code, "GFXfont", at + 1)) {
    const std::size_t nameAt = SkipBlanks(code, at + 7);
    if (const auto brace = InitialiserBrace(code, nameAt)) {
      std::size_t end = nameAt;
      while (end < code.size() && IsWordChar(code[end])) ++end;
      font.name = code.substr(nameAt, end - nameAt);
      fontItems = Items(code, *brace);
    }
  }
  auto fail = [&font](GfxReadStatus status) {
    font.status = status;
    return font;
  };
  if (!fontItems) return fail(GfxReadStatus::NoFont);
  if (fontItems->size() < 5) return fail(GfxReadStatus::BadValue);
  const auto first = IntegerItem((*fontItems)[2]);
  const auto last = IntegerItem((*fontItems)[3]);
  const auto yAdvance = IntegerItem((*fontItems)[4]);
  if (!first || !last || !yAdvance || *first < 0 || *last < *first) {
    return fail(GfxReadStatus::BadValue);
  }
  font.first = *first;
  font.last = *last;
  font.yAdvance = *yAdvance;

  const auto bitmapItems = ArrayItems(code, NamedArray((*fontItems)[0]));
  const auto glyphItems = ArrayItems(code, NamedArray((*fontItems)[1]));
  if (!bitmapItems || !glyphItems) {
    font.status = GfxReadStatus::NoArray;
    return font;
  }
  std::vector<std::uint8_t> bitmap;
  bitmap.reserve(bitmapItems->size());
  for (const std::string_view item : *bitmapItems) {
    const auto v = IntegerItem(item);
    if (!v || *v < 0 || *v > 255) {
      font.status = GfxReadStatus::BadValue;
      return font;
    }
    bitmap.push_back(static_cast<std::uint8_t>(*v));
  }

  // The glyphs of codes 20h..FFh the font holds, and the box they span
  // around the pen on the baseline.
  const int from = std::max(font.first, kFirstGlyphCode);
  const int to = std::min(font.last, kFirstGlyphCode + kGlyphCount - 1);
  std::vector<GfxGlyph> table;
  int left = 0;
  int right = 1;
  int top = 0;
  int bottom = 0;
  for (int c = from; c <= to; ++c) {
    const auto k = static_cast<std::size_t>(c - font.first) * 6;
    if (k + 6 > glyphItems->size()) {
      font.status = GfxReadStatus::ShortTable;
      return font;
    }
    std::array<int, 6> v{};
    for (std::size_t f = 0; f < 6; ++f) {
      const auto value = IntegerItem((*glyphItems)[k + f]);
      const bool signedField = f >= 4;
      if (!value || *value > (signedField ? 127 : (f == 0 ? 0xFFFF : 255)) ||
          *value < (signedField ? -128 : 0)) {
        font.status = GfxReadStatus::BadValue;
        return font;
      }
      v[f] = *value;
    }
    const GfxGlyph g{v[0], v[1], v[2], v[3], v[4], v[5]};
    if (static_cast<std::size_t>(g.offset) +
            (static_cast<std::size_t>(g.width) * g.height + 7) / 8 >
        bitmap.size()) {
      font.status = GfxReadStatus::ShortTable;
      return font;
    }
    right = std::max(right, g.advance);
    if (g.width != 0 && g.height != 0) {
      left = std::min(left, g.xOffset);
      right = std::max(right, g.xOffset + g.width);
      top = std::min(top, g.yOffset);
      bottom = std::max(bottom, g.yOffset + g.height - 1);
    }
    table.push_back(g);
  }
  // Rows from `top` to the baseline (row 0) or the lowest descender.
  font.neededWidth = right - left;
  font.neededHeight = bottom - top + 1;
  if (font.neededWidth > ncol || font.neededHeight > nstr) {
    font.status = GfxReadStatus::TooLarge;
    return font;
  }
  const auto cb = static_cast<std::size_t>(layout.BytesPerGlyph());
  font.glyphs.assign(cb * kGlyphCount, 0);
  font.widths.fill(static_cast<std::uint8_t>(ncol));
  const int baselineRow = nstr - 1 - bottom;
  for (std::size_t t = 0; t < table.size(); ++t) {
    const GfxGlyph& g = table[t];
    const auto i = static_cast<std::size_t>(from - kFirstGlyphCode) + t;
    font.widths[i] = static_cast<std::uint8_t>(std::clamp(g.advance, 1, ncol));
    const std::span<std::uint8_t> glyph(font.glyphs.data() + cb * i, cb);
    // The bits run on across rows, most significant first, as the library draws them.
    std::size_t bit = static_cast<std::size_t>(g.offset) * 8;
    for (int y = 0; y < g.height; ++y) {
      for (int x = 0; x < g.width; ++x, ++bit) {
        if (((bitmap[bit / 8] >> (7 - bit % 8)) & 1U) != 0) {
          SetPixel(layout, glyph, g.xOffset - left + x, baselineRow + g.yOffset + y, true);
        }
      }
    }
  }
  return font;
}

}  // namespace zg
