#include <gtest/gtest.h>

#include <string>

#include "export_test_util.h"
#include "fontfile/fontfile.h"

namespace zg {
namespace {

TEST(WriteGfxHeader, GlyphTableAndFont) {
  const test::TestFont f = test::MakeFont(6, 8, 1, {{0x41, "#....#\n.#..#.\n"}});
  const std::string text = WriteGfxHeader(f.glyphs, Layout::Classic(6, 8, Scan::Vertical),
                                          test::TestCharacters(), {"Font6x8"});
  // Only the ink's box is stored: 6 x 2 pixels, rows running on without padding.
  for (const char* piece : {
           "#ifndef _GFXFONT_H_\n",
           "const uint8_t Font6x8Bitmaps[] PROGMEM = {\n",
           "  0x85,0x20, /* 0x41 'A' */\n",
           "   /* 0x42 'B' */\n",
           "const GFXglyph Font6x8Glyphs[] PROGMEM = {\n",
           "  {0, 0, 0, 6, 0, 0}, /* 0x20 ' ' */\n",
           "  {0, 6, 2, 6, 0, -7}, /* 0x41 'A' */\n",
           "  {2, 0, 0, 6, 0, 0}  /* 0xFF 'я' */\n};\n",
           "const GFXfont Font6x8 PROGMEM = {(uint8_t *)Font6x8Bitmaps, (GFXglyph *)Font6x8Glyphs, "
           "0x20, 0xFF, 8};\n",
       }) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece << "\nin\n" << text;
  }
  // Whole cells would take 6 bytes a glyph.
  const GfxBitmapSize size = MeasureGfxBitmaps(f.glyphs, Layout::Classic(6, 8, Scan::Vertical));
  EXPECT_EQ(size.wholeCells, 224U * 6);
  EXPECT_EQ(size.cropped, 2U);
}

// Draws every glyph of a compiled header the way the library's drawChar does
// (bits taken on across rows, most significant first, at the glyph's offsets
// from a cursor on the baseline) and prints what lands on the screen.
constexpr const char* kDrawProgram = R"(#include <stdio.h>
#include "font.h"
static char screen[64][64];
static void drawChar(int x, int y, unsigned char c, const GFXfont *font) {
  const GFXglyph *glyph = font->glyph + (c - font->first);
  const uint8_t *bitmap = font->bitmap;
  unsigned bo = glyph->bitmapOffset;
  uint8_t bits = 0, bit = 0;
  for (int yy = 0; yy < glyph->height; yy++) {
    for (int xx = 0; xx < glyph->width; xx++) {
      if (!(bit++ & 7)) bits = bitmap[bo++];
      if (bits & 0x80) screen[y + glyph->yOffset + yy][x + glyph->xOffset + xx] = 1;
      bits <<= 1;
    }
  }
}
int main(int argc, char **argv) {
  (void)argv;
  const GFXfont *font = &FONT;
  for (unsigned c = font->first; c <= font->last; c++) {
    for (int y = 0; y < 64; y++) for (int x = 0; x < 64; x++) screen[y][x] = 0;
    const int baseline = 40;
    drawChar(0, baseline, (unsigned char)c, font);
    printf("%02X %d\n", c, font->glyph[c - font->first].xAdvance);
    for (int y = baseline + 1 - font->yAdvance; y <= baseline; y++) {
      for (int x = 0; x < NCOL; x++) putchar(screen[y][x] ? '#' : '.');
      putchar('\n');
    }
    for (int y = 0; y < 64; y++) for (int x = 0; x < 64; x++)
      if (screen[y][x] && (y > baseline || y <= baseline - font->yAdvance)) return 1 + argc;
  }
  return 0;
}
)";

TEST(WriteGfxHeader, DrawsLikeTheLibrary) {
  if (!test::HasCommand("g++")) GTEST_SKIP() << "no g++ on this machine";
  test::TempFolder dir;
  struct Case {
    int ncol, nstr, vert;
  };
  for (const Case& c : {Case{6, 8, 1}, Case{12, 16, 1}, Case{24, 16, 0}, Case{16, 24, 0}}) {
    // Monospaced where the cell is vertical, proportional else.
    const test::TestFont f = test::PatternFont(c.ncol, c.nstr, c.vert);
    const test::Bytes widths = c.vert == 1 ? test::Bytes{} : test::PatternWidths(c.ncol);
    std::string expected;
    for (std::size_t i = 0; i < 224; ++i) {
      char code[8];
      std::snprintf(code, sizeof code, "%02zX ", i + 0x20);
      expected += code + std::to_string(widths.empty() ? c.ncol : widths[i]) + "\n";
      expected += PixelPicture(f.layout(), f.Glyph(static_cast<int>(i) + 0x20));
    }
    dir.Write("font.h",
              WriteGfxHeader(f.glyphs, f.layout(), test::TestCharacters(), {"gfx_font", widths}));
    dir.Write("draw.cpp", kDrawProgram);
    const std::string program = dir / "draw";
    const test::Outcome build =
        test::RunShell("g++ -std=c++17 -Wall -Wextra -pedantic -Werror -DFONT=gfx_font -DNCOL=" +
                       std::to_string(c.ncol) + " -o " + program + " " + (dir / "draw.cpp"));
    ASSERT_EQ(build.status, 0) << build.out;
    if (test::HasCommand("gcc")) {
      const test::Outcome c99 =
          test::RunShell("gcc -std=c99 -Wall -Wextra -pedantic -Werror -x c -c " +
                         (dir / "font.h") + " -o " + (dir / "font.o"));
      EXPECT_EQ(c99.status, 0) << c99.out;
    }
    const test::Outcome run = test::RunShell(program);
    EXPECT_EQ(run.status, 0) << "pixels outside the line";
    EXPECT_EQ(run.out, expected) << c.ncol << "x" << c.nstr;
  }
}

}  // namespace
}  // namespace zg
