// A BDF export read back by FreeType: every glyph of every code page arrives.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "document/font_io.h"
#include "glyphimport/glyph_renderer.h"
#include "model/code_page.h"

namespace zg {
namespace {

// The code point a glyph is found under: its character, unless the code page
// has none for it or an earlier code gave the same one; then the code itself.
char32_t ExpectedCodePoint(const std::array<char32_t, kSymbolCount>& characters, int i) {
  const char32_t c = characters[static_cast<std::size_t>(i)];
  const bool earlier =
      std::find(characters.begin(), characters.begin() + i, c) != characters.begin() + i;
  return c == 0 || earlier ? static_cast<char32_t>(kFirstCode + i) : c;
}

TEST(BdfExport, EveryCodePageKeepsAll224Glyphs) {
  // Each glyph different from every other: its index in the top two rows.
  FontDocument d = EmptyDocument(Layout::Classic(8, 8, Scan::Vertical), false);
  for (std::size_t i = 0; i < kSymbolCount; ++i) {
    for (std::size_t x = 0; x < 8; ++x) d.glyphs[i * 8 + x] = ((i >> x) & 1U) != 0 ? 0x01 : 0x02;
  }
  for (const CodePage page : kCodePages) {
    SCOPED_TRACE(std::string(CodePageName(page)));
    OutputOptions o;
    o.format = OutputFormat::Bdf;
    o.characters = CodePageCharacters(page);
    std::vector<int> unwritten{0};
    const std::string text = FormatFontDocument(d, o, &unwritten);
    EXPECT_EQ(unwritten, std::vector<int>{});
    std::size_t chars = 0;
    for (std::size_t at = text.find("\nSTARTCHAR "); at != std::string::npos;
         at = text.find("\nSTARTCHAR ", at + 1)) {
      ++chars;
    }
    EXPECT_EQ(chars, 224U);

    GlyphRenderOptions render;
    render.pixelSize = 8;
    render.layout = Layout::Classic(8, 8, Scan::Vertical);
    const auto opened = GlyphRenderer::OpenBytes({text.begin(), text.end()}, render);
    ASSERT_TRUE(opened) << "FreeType does not take the font";
    for (int i = 0; i < kSymbolCount; ++i) {
      const char32_t cp = ExpectedCodePoint(o.characters, i);
      std::array<std::uint8_t, 8> glyph{};
      ASSERT_TRUE(opened.renderer->Render(cp, glyph))
          << "no U+" << std::hex << static_cast<unsigned>(cp);
      const auto* drawn = &d.glyphs[static_cast<std::size_t>(i) * 8];
      EXPECT_TRUE(std::equal(glyph.begin(), glyph.end(), drawn))
          << "code " << std::hex << kFirstCode + i;
    }
  }
}

}  // namespace
}  // namespace zg
