#pragma once
// What the glyph import tests share: glyphs as pictures, the sample outline
// font, and small BDF fonts written on the spot.

#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "glyphimport/glyph_renderer.h"
#include "model/font_model.h"
#include "temp_folder.h"

namespace zg::testing {

inline const std::string kDejaVuSansMono = ZG_TEST_DATA_DIR "/DejaVuSansMono.ttf";

// Renders one character; the picture of an all-'?' cell when the font lacks it.
inline std::string RenderPicture(const GlyphRenderer& r, char32_t ch) {
  const GlyphRenderOptions& o = r.options();
  std::vector<std::uint8_t> glyph(static_cast<std::size_t>(o.layout.BytesPerGlyph()));
  if (!r.Render(ch, glyph)) return "missing";
  return PixelPicture(o.layout, glyph);
}

inline GlyphRenderer OpenOrFail(const std::string& path, const GlyphRenderOptions& o) {
  GlyphRenderer::Result r = GlyphRenderer::Open({path, o});
  if (!r) throw std::runtime_error("cannot open " + path);
  return std::move(*r.renderer);
}

// One glyph of a BDF font: its code in the font's charset, its rows ('#' on)
// and its advance (DWIDTH), 0 for the font's pixel size.
struct BdfGlyph {
  char32_t code;
  std::vector<std::string> rows;
  int advance = 0;
};

// Writes a BDF font into `dir` of square `pixels` strikes whose glyphs fill the box
// pixels wide and tall, `descent` rows of it below the baseline. The glyphs'
// codes are in the charset given by `registry` and `encoding`.
inline std::string WriteBdf(const test::TempFolder& dir, const std::string& name, int pixels,
                            int descent, const std::vector<BdfGlyph>& glyphs,
                            const std::string& registry = "ISO10646",
                            const std::string& encoding = "1") {
  const std::string path = dir / (name + ".bdf");
  std::ofstream out(path);
  const int ascent = pixels - descent;
  out << "STARTFONT 2.1\nFONT -zg-test-medium-r-normal--" << pixels << "-" << 10 * pixels
      << "-75-75-c-" << 10 * pixels << '-' << registry << '-' << encoding << "\nSIZE " << pixels
      << " 75 75\n"
      << "FONTBOUNDINGBOX " << pixels << ' ' << pixels << " 0 " << -descent << '\n'
      << "STARTPROPERTIES 5\nPIXEL_SIZE " << pixels << "\nFONT_ASCENT " << ascent
      << "\nFONT_DESCENT " << descent << "\nCHARSET_REGISTRY \"" << registry
      << "\"\nCHARSET_ENCODING \"" << encoding << "\"\nENDPROPERTIES\n"
      << "CHARS " << glyphs.size() << '\n';
  for (const BdfGlyph& g : glyphs) {
    out << "STARTCHAR U" << std::hex << static_cast<unsigned>(g.code) << std::dec << "\nENCODING "
        << static_cast<unsigned>(g.code) << "\nSWIDTH 600 0\nDWIDTH "
        << (g.advance > 0 ? g.advance : pixels) << " 0\nBBX " << pixels << ' ' << pixels << " 0 "
        << -descent << "\nBITMAP\n";
    for (const std::string& row : g.rows) {
      std::uint32_t bits = 0;
      const int bytes = (pixels + 7) / 8;
      for (int c = 0; c < pixels; ++c) {
        if (c < static_cast<int>(row.size()) && row[c] == '#') bits |= 1U << (8 * bytes - 1 - c);
      }
      char hex[16];
      std::snprintf(hex, sizeof hex, "%0*X", 2 * bytes, bits);
      out << hex << '\n';
    }
    out << "ENDCHAR\n";
  }
  out << "ENDFONT\n";
  return path;
}

}  // namespace zg::testing
