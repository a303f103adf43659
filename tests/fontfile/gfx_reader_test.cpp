#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export_test_util.h"
#include "fontfile/fontfile.h"

namespace zg {
namespace {

// Three glyphs in the library's own style: 'A' a 3 x 3 ring standing one row
// above the baseline, 'B' without ink, 'C' a hook reaching one pixel left of
// the pen and two rows below the baseline.
constexpr const char* kTinyFont = R"(#include <Adafruit_GFX.h>
/* const GFXfont Decoy PROGMEM = {0, 0, 1, 2, 3}; */
typedef struct { uint8_t *bitmap; GFXglyph *glyph; uint16_t first, last; uint8_t yAdvance; } GFXfont;
const uint8_t TinyBitmaps[] PROGMEM = {
  0xF7, 0x80,  // A
  0x56         // C
};
const GFXglyph TinyGlyphs[] PROGMEM = {
  {     0,   3,   3,   4,    0,   -3 },   // 0x41 'A'
  {     2,   0,   0,   2,    0,    0 },   // 0x42 'B'
  {     2,   2,   4,   2,   -1,   -2 } }; // 0x43 'C'
const GFXfont Tiny PROGMEM = {
  (uint8_t  *)TinyBitmaps,
  (GFXglyph *)TinyGlyphs,
  0x41, 0x43, 7 };
)";

std::string Picture(const GfxFont& font, int ncol, int nstr, int vert, int code) {
  const test::TestFont read{ncol, nstr, vert, font.glyphs};
  return PixelPicture(read.layout(), read.Glyph(code));
}

TEST(ReadGfxFont, PlacesGlyphsOnACommonBaseline) {
  const GfxFont font = ReadGfxFont(kTinyFont, Layout::Classic(6, 6, Scan::Horizontal));
  ASSERT_EQ(font.status, GfxReadStatus::Completed) << ToString(font.status);
  EXPECT_EQ(font.name, "Tiny");
  EXPECT_EQ(font.first, 0x41);
  EXPECT_EQ(font.last, 0x43);
  EXPECT_EQ(font.yAdvance, 7);
  EXPECT_EQ(font.neededWidth, 5);
  EXPECT_EQ(font.neededHeight, 5);
  // The lowest descender on the cell's bottom row, the leftmost pixel in column 0.
  EXPECT_EQ(Picture(font, 6, 6, 0, 0x41),
            "......\n"
            ".###..\n"
            ".#.#..\n"
            ".###..\n"
            "......\n"
            "......\n");
  EXPECT_EQ(Picture(font, 6, 6, 0, 0x43),
            "......\n"
            "......\n"
            ".#....\n"
            ".#....\n"
            ".#....\n"
            "#.....\n");
  EXPECT_EQ(Picture(font, 6, 6, 0, 0x42), "......\n......\n......\n......\n......\n......\n");
  EXPECT_EQ(font.widths[0x41 - 0x20], 4);
  EXPECT_EQ(font.widths[0x42 - 0x20], 2);
  EXPECT_EQ(font.widths[0x43 - 0x20], 2);
  EXPECT_EQ(font.widths[0x44 - 0x20], 6);  // not in the font: the cell's width

  const GfxFont small = ReadGfxFont(kTinyFont, Layout::Classic(4, 6, Scan::Vertical));
  EXPECT_EQ(small.status, GfxReadStatus::TooLarge);
  EXPECT_EQ(small.neededWidth, 5);
  EXPECT_EQ(small.neededHeight, 5);
  EXPECT_TRUE(small.glyphs.empty());
}

TEST(ReadGfxFont, RefusesWhatIsNoFont) {
  const std::string font = kTinyFont;
  auto replaced = [&](std::string_view from, std::string_view to) {
    std::string text = font;
    text.replace(text.find(from), from.size(), to);
    return ReadGfxFont(text, Layout::Classic(8, 8, Scan::Vertical)).status;
  };
  EXPECT_EQ(
      ReadGfxFont("const uint8_t font[] = {1, 2};", Layout::Classic(8, 8, Scan::Vertical)).status,
      GfxReadStatus::NoFont);
  EXPECT_EQ(replaced("(GFXglyph *)TinyGlyphs", "(GFXglyph *)OtherGlyphs"), GfxReadStatus::NoArray);
  EXPECT_EQ(replaced("0xF7", "0x1F7"), GfxReadStatus::BadValue);
  EXPECT_EQ(replaced("-3 }", "x }"), GfxReadStatus::BadValue);
  EXPECT_EQ(replaced("0x41, 0x43", "0x41, 0x44"), GfxReadStatus::ShortTable);
  EXPECT_EQ(replaced("{     2,   2,   4", "{     3,   2,   4"), GfxReadStatus::ShortTable);
}

// What the GFX export writes reads back to the same glyphs and widths.
TEST(ReadGfxFont, ReadsWhatTheExportWrites) {
  struct Case {
    int ncol, nstr, vert;
    bool proportional;
  };
  for (const Case& c : {Case{6, 8, 1, false}, Case{12, 16, 1, true}, Case{8, 8, 0, false},
                        Case{24, 24, 0, true}, Case{11, 13, 0, true}}) {
    const test::TestFont f = test::PatternFont(c.ncol, c.nstr, c.vert);
    const test::Bytes widths = c.proportional ? test::PatternWidths(c.ncol) : test::Bytes{};
    const std::string text =
        WriteGfxHeader(f.glyphs, f.layout(), test::TestCharacters(), {"round trip", widths});
    const GfxFont font = ReadGfxFont(text, test::Cell(c.ncol, c.nstr, c.vert));
    ASSERT_EQ(font.status, GfxReadStatus::Completed) << ToString(font.status);
    for (int code = 0x20; code <= 0xFF; ++code) {
      const auto i = static_cast<std::size_t>(code - 0x20);
      ASSERT_EQ(Picture(font, c.ncol, c.nstr, c.vert, code),
                PixelPicture(f.layout(), f.Glyph(code)))
          << c.ncol << "x" << c.nstr << " code " << code;
      ASSERT_EQ(font.widths[i], widths.empty() ? c.ncol : widths[i]) << "code " << code;
    }
  }
}

}  // namespace
}  // namespace zg
