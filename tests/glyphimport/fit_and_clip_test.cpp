// The default size puts the font's line above the cell's margin, and every
// glyph whose ink the cell cuts is named.

#include <gtest/gtest.h>

#include "glyphimport/glyph_renderer.h"
#include "glyphimport_test_util.h"
#include "model/code_page.h"

namespace zg {
namespace {

using testing::kDejaVuSansMono;
using testing::OpenOrFail;

GlyphRenderOptions Fitted(int ncol, int nstr) {
  GlyphRenderOptions o;
  o.layout = Layout::Classic(ncol, nstr, Scan::Vertical);
  o.fitSize = true;
  return o;
}

// Every character of Windows-1251 drawn into an empty font.
FillSummary FillAll(const GlyphRenderer& r) {
  const GlyphRenderOptions& o = r.options();
  std::vector<std::uint8_t> glyphs(kSymbolCount *
                                   static_cast<std::size_t>(o.layout.BytesPerGlyph()));
  return FillGlyphs(r, CodePageCharacters(CodePage::Windows1251), FillRange::All(), glyphs);
}

TEST(FitAndClip, DefaultSizeOfAnOutlineFontKeepsItsLineInTheCell) {
  // DejaVu Sans Mono's line is 1.16 em (ascent 1901 + descent 483 of 2048
  // units), each part rounded up to whole pixels. At 5 pixels the hinting
  // lifts the trade mark above the ascent and widens the 2: the note says so.
  const struct {
    int ncol, nstr, size;
    const char* cut;
  } cells[] = {{6, 8, 5, "2 ™"}, {8, 8, 5, "™"},   {12, 16, 11, ""},
               {16, 16, 11, ""}, {16, 24, 18, ""}, {24, 24, 18, ""}};
  for (const auto& c : cells) {
    const GlyphRenderer r = OpenOrFail(kDejaVuSansMono, Fitted(c.ncol, c.nstr));
    EXPECT_EQ(r.options().pixelSize, c.size) << c.ncol << " x " << c.nstr;
    const FillSummary s = FillAll(r);
    EXPECT_EQ(s.filled, 222) << c.ncol << " x " << c.nstr;
    EXPECT_EQ(CharacterList(s.clipped, 10), c.cut) << c.ncol << " x " << c.nstr;
    // The underscore sits on the last row above the margin.
    EXPECT_NE(testing::RenderPicture(r, U'_').find('#'), std::string::npos);
  }
}

TEST(FitAndClip, ALargerSizeNamesTheGlyphsItCuts) {
  GlyphRenderOptions o = Fitted(16, 16);
  o.fitSize = false;
  o.pixelSize = 16;
  const FillSummary s = FillAll(OpenOrFail(kDejaVuSansMono, o));
  EXPECT_EQ(s.filled, 222);
  EXPECT_EQ(s.clipped.size(), 41U);
  EXPECT_EQ(CharacterList(s.clipped, 12), "$ ( ) , ; @ Q [ ] _ g j …");
  const std::u32string cut(s.clipped.begin(), s.clipped.end());
  for (const char32_t ch : std::u32string(U"yДЦЩдруфцщ")) {
    EXPECT_NE(cut.find(ch), std::u32string::npos) << Utf8(ch);
  }
  EXPECT_EQ(cut.find(U'A'), std::u32string::npos);
}

TEST(FitAndClip, BitmapFontsTakeTheLargestStrikeThatFits) {
  const test::TempFolder dir;
  // A strike whose line fills the cell is taken when none fits above the
  // margin; one taller than the cell is refused with its size.
  const std::vector<std::string> bar(16, "......##........");
  const std::string path16 = testing::WriteBdf(dir, "zg_fit16", 16, 2, {{U'|', bar}});
  EXPECT_EQ(OpenOrFail(path16, Fitted(16, 16)).options().pixelSize, 16);
  EXPECT_EQ(OpenOrFail(path16, Fitted(16, 24)).options().pixelSize, 16);
  const GlyphRenderer::Result small = GlyphRenderer::Open({path16, Fitted(8, 8)});
  EXPECT_EQ(small.failure, (GlyphImportFailure{GlyphImportError::NoSizeFits, {16}, 0, {}}));
}

}  // namespace
}  // namespace zg
