#include "fontfile/bdf_writer.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>
#include <vector>

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

struct Entry {
  int index;  // glyph 0..223
  char32_t encoding;
};

}  // namespace

std::string WriteBdf(std::span<const std::uint8_t> glyphs, int ncol, int nstr, int vert,
                     const std::array<char32_t, 224>& characters, const BdfOptions& options) {
  const std::size_t cb = GlyphByteCount(ncol, nstr, vert);
  if (cb == 0) return {};
  std::vector<Entry> entries;
  entries.reserve(kGlyphCount);
  std::unordered_set<char32_t> taken;
  for (int i = 0; i < kGlyphCount; ++i) {
    if (options.rawEncoding) {
      entries.push_back({i, static_cast<char32_t>(kFirstGlyphCode + i)});
    } else {
      const char32_t c = characters[static_cast<std::size_t>(i)];
      if (c != 0 && c <= 0x10FFFF && taken.insert(c).second) entries.push_back({i, c});
    }
  }

  const std::string family = XlfdField(options.family);
  const std::string w = std::to_string(ncol);
  const std::string h = std::to_string(nstr);
  const std::string registry = options.rawEncoding ? "FontSpecific" : "ISO10646";
  const std::string encoding = options.rawEncoding ? "0" : "1";
  // 72 dpi makes a point a pixel, so the scalable width is 1000 * ncol / nstr.
  const std::string swidth = std::to_string(1000 * ncol / nstr);
  const std::size_t rowBytes = (static_cast<std::size_t>(ncol) + 7) / 8;

  std::string out;
  out.reserve(512 + entries.size() * (96 + static_cast<std::size_t>(nstr) * (rowBytes * 2 + 1)));
  out += "STARTFONT 2.1\n";
  out += "FONT -zgedit-" + family + "-Medium-R-Normal--" + h + "-" + h + "0-72-72-C-" + w + "0-" +
         registry + "-" + encoding + "\n";
  out += "SIZE " + h + " 72 72\n";
  out += "FONTBOUNDINGBOX " + w + " " + h + " 0 0\n";
  out += "STARTPROPERTIES " + std::to_string(entries.empty() ? 16 : 17) + "\n";
  out += "FOUNDRY \"zgedit\"\n";
  out += "FAMILY_NAME \"" + family + "\"\n";
  out += "WEIGHT_NAME \"Medium\"\nSLANT \"R\"\nSETWIDTH_NAME \"Normal\"\nADD_STYLE_NAME \"\"\n";
  out += "PIXEL_SIZE " + h + "\nPOINT_SIZE " + h + "0\n";
  out += "RESOLUTION_X 72\nRESOLUTION_Y 72\nSPACING \"C\"\n";
  out += "AVERAGE_WIDTH " + w + "0\n";
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
    // The first code of a character is named after it, as font tools do.
    const bool named = c != 0 && c <= 0x10FFFF &&
                       std::none_of(characters.begin(), characters.begin() + e.index,
                                    [c](char32_t other) { return other == c; });
    out += "STARTCHAR ";
    out += named ? "uni" + Hex(c, c > 0xFFFF ? 6 : 4) : "C0x" + Hex(static_cast<char32_t>(code), 2);
    out += "\nENCODING " + std::to_string(e.encoding) + "\n";
    out += metrics;
    const std::span<const std::uint8_t> glyph =
        GlyphAt(glyphs, cb, static_cast<std::size_t>(e.index));
    for (int y = 0; y < nstr; ++y) {
      for (std::size_t b = 0; b < rowBytes; ++b) {
        unsigned v = 0;
        for (int k = 0; k < 8; ++k) {
          const int x = static_cast<int>(b) * 8 + k;
          v = (v << 1) | (GlyphPixel(glyph, ncol, nstr, vert, x, y) ? 1U : 0U);
        }
        out += kHexDigits[v >> 4];
        out += kHexDigits[v & 0xF];
      }
      out += '\n';
    }
    out += "ENDCHAR\n";
  }
  out += "ENDFONT\n";
  return out;
}

}  // namespace zg
