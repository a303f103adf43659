#include "fontfile/bdf_writer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>
#include <vector>

#include "fontfile/glyph_ink.h"
#include "fontfile/glyph_pixels.h"

namespace zg {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// An XLFD field may not hold '-', the wildcards or quotes; BDF is ASCII.
std::string XlfdField(std::string_view text) {
  std::string field;
  for (const char c : text) {
    const bool plain =
        c >= ' ' && c <= '~' && c != '-' && c != '*' && c != '?' && c != ',' && c != '"';
    field += plain ? c : '_';
  }
  return field.empty() ? "zgedit" : field;
}

std::string Hex(char32_t v, int digits) {
  std::string s(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, v >>= 4)
    s[static_cast<std::size_t>(i)] = kHexDigits[v & 0xF];
  return s;
}

// SWIDTH to ENDCHAR of a glyph of its own advance, its BBX round its ink:
// the box's bottom row lies (nstr - 1 - bottom) rows above the baseline.
void AppendTightGlyph(std::string& out, const GlyphRows& rows, const Layout& layout, int advance) {
  const int nstr = layout.height;
  const InkBox box = FindInk(rows, layout);
  const int above = box.height == 0 ? 0 : nstr - box.y - box.height;
  out += "SWIDTH " + std::to_string(1000 * advance / nstr) + " 0\nDWIDTH " +
         std::to_string(advance) + " 0\nBBX " + std::to_string(box.width) + " " +
         std::to_string(box.height) + " " + std::to_string(box.x) + " " + std::to_string(above) +
         "\nBITMAP\n";
  const auto bw = static_cast<std::size_t>(box.width);
  const std::size_t rowBytes = (bw + 7) / 8;
  for (int y = box.y; y < box.y + box.height; ++y) {
    const std::uint64_t row = std::uint64_t{BoxRow(rows, layout, box, y)} << (8 * rowBytes - bw);
    for (std::size_t d = 2 * rowBytes; d-- > 0;) out += kHexDigits[(row >> (4 * d)) & 0xF];
    out += '\n';
  }
  out += "ENDCHAR\n";
}

struct Entry {
  int index;  // glyph 0..223
  char32_t encoding;
  bool named;  // the first code of its character, named after it
};

}  // namespace

std::string WriteBdf(std::span<const std::uint8_t> glyphs, const Layout& layout,
                     const std::array<char32_t, 224>& characters, const BdfOptions& options,
                     std::vector<int>* unwrittenCodes) {
  if (unwrittenCodes != nullptr) unwrittenCodes->clear();
  const int ncol = layout.width;
  const int nstr = layout.height;
  const auto cb = static_cast<std::size_t>(layout.BytesPerGlyph());
  if (!WritableCell(layout)) return {};
  // A character given by several codes belongs to the first of them.
  std::array<std::pair<char32_t, int>, kGlyphCount> byCharacter{};
  for (int i = 0; i < kGlyphCount; ++i) {
    byCharacter[static_cast<std::size_t>(i)] = {characters[static_cast<std::size_t>(i)], i};
  }
  std::sort(byCharacter.begin(), byCharacter.end());
  std::array<bool, kGlyphCount> firstOfCharacter{};
  for (std::size_t k = 0; k < byCharacter.size(); ++k) {
    const char32_t c = byCharacter[k].first;
    if (c != 0 && c <= 0x10FFFF && (k == 0 || byCharacter[k - 1].first != c)) {
      firstOfCharacter[static_cast<std::size_t>(byCharacter[k].second)] = true;
    }
  }
  // The code's own value as a code point, unless a character of the font is there.
  const auto ownValueFree = [&](char32_t code) {
    return !std::binary_search(byCharacter.begin(), byCharacter.end(), std::pair{code, 0},
                               [](const auto& a, const auto& b) { return a.first < b.first; });
  };
  std::vector<Entry> entries;
  entries.reserve(kGlyphCount);
  for (int i = 0; i < kGlyphCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const auto code = static_cast<char32_t>(kFirstGlyphCode + i);
    if (options.rawEncoding) {
      entries.push_back({i, code, firstOfCharacter[k]});
    } else if (firstOfCharacter[k]) {
      entries.push_back({i, characters[k], true});
    } else if (ownValueFree(code)) {
      entries.push_back({i, code, false});
    } else if (unwrittenCodes != nullptr) {
      unwrittenCodes->push_back(kFirstGlyphCode + i);
    }
  }

  const std::string family = XlfdField(options.family);
  const std::string w = std::to_string(ncol);
  const std::string h = std::to_string(nstr);
  const std::string registry = options.rawEncoding ? "FontSpecific" : "ISO10646";
  const std::string encoding = options.rawEncoding ? "0" : "1";
  // 72 dpi makes a point a pixel, so the scalable width is 1000 * ncol / nstr.
  const std::string swidth = std::to_string(1000 * ncol / nstr);
  const auto w0 = static_cast<std::size_t>(ncol);
  const std::size_t rowBytes = (w0 + 7) / 8;
  const bool tight = !options.widths.empty();
  const bool proportional = IsProportional(options.widths, layout);
  std::string spacing = "C";
  std::string averageWidth = w + "0";
  if (proportional) {
    int sum = 0;
    for (const Entry& e : entries)
      sum += GlyphAdvance(options.widths, static_cast<std::size_t>(e.index), layout);
    spacing = "P";
    averageWidth =
        std::to_string(entries.empty() ? 10 * ncol
                                       : (sum * 10 + static_cast<int>(entries.size()) / 2) /
                                             static_cast<int>(entries.size()));
  }

  std::string out;
  out.reserve(512 + entries.size() * (96 + static_cast<std::size_t>(nstr) * (rowBytes * 2 + 1)));
  out += "STARTFONT 2.1\n";
  out += "FONT -zgedit-" + family + "-Medium-R-Normal--" + h + "-" + h + "0-72-72-" + spacing +
         "-" + averageWidth + "-" + registry + "-" + encoding + "\n";
  out += "SIZE " + h + " 72 72\n";
  out += "FONTBOUNDINGBOX " + w + " " + h + " 0 0\n";
  out += "STARTPROPERTIES " + std::to_string(entries.empty() ? 16 : 17) + "\n";
  out += "FOUNDRY \"zgedit\"\n";
  out += "FAMILY_NAME \"" + family + "\"\n";
  out += "WEIGHT_NAME \"Medium\"\nSLANT \"R\"\nSETWIDTH_NAME \"Normal\"\nADD_STYLE_NAME \"\"\n";
  out += "PIXEL_SIZE " + h + "\nPOINT_SIZE " + h + "0\n";
  out += "RESOLUTION_X 72\nRESOLUTION_Y 72\nSPACING \"" + spacing + "\"\n";
  out += "AVERAGE_WIDTH " + averageWidth + "\n";
  out += "CHARSET_REGISTRY \"" + registry + "\"\nCHARSET_ENCODING \"" + encoding + "\"\n";
  out += "FONT_ASCENT " + h + "\nFONT_DESCENT 0\n";
  if (!entries.empty()) out += "DEFAULT_CHAR " + std::to_string(entries.front().encoding) + "\n";
  out += "ENDPROPERTIES\n";
  out += "CHARS " + std::to_string(entries.size()) + "\n";

  const std::string metrics =
      "SWIDTH " + swidth + " 0\nDWIDTH " + w + " 0\nBBX " + w + " " + h + " 0 0\nBITMAP\n";
  for (const Entry& e : entries) {
    const int code = kFirstGlyphCode + e.index;
    const char32_t c = characters[static_cast<std::size_t>(e.index)];
    out += "STARTCHAR ";
    out +=
        e.named ? "uni" + Hex(c, c > 0xFFFF ? 6 : 4) : "C0x" + Hex(static_cast<char32_t>(code), 2);
    out += "\nENCODING " + std::to_string(e.encoding) + "\n";
    const GlyphRows rows =
        DecodeRows(GlyphAt(glyphs, cb, static_cast<std::size_t>(e.index)), layout);
    if (tight) {
      AppendTightGlyph(out, rows, layout,
                       GlyphAdvance(options.widths, static_cast<std::size_t>(e.index), layout));
      continue;
    }
    out += metrics;
    for (std::size_t y = 0; y < static_cast<std::size_t>(nstr); ++y) {
      // Each row padded on the right to whole bytes, most significant bit leftmost.
      const std::uint64_t row = std::uint64_t{rows[y]} << (8 * rowBytes - w0);
      for (std::size_t d = 2 * rowBytes; d-- > 0;) out += kHexDigits[(row >> (4 * d)) & 0xF];
      out += '\n';
    }
    out += "ENDCHAR\n";
  }
  out += "ENDFONT\n";
  return out;
}

}  // namespace zg
