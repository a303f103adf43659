#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "export_test_util.h"
#include "fontfile/fontfile.h"

namespace zg {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::size_t CountPrefix(const std::vector<std::string>& lines, std::string_view prefix) {
  return static_cast<std::size_t>(std::count_if(
      lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
}

// The lines of one character, from STARTCHAR to ENDCHAR.
std::string CharBlock(const std::string& text, std::string_view encodingLine) {
  const std::size_t at = text.find(encodingLine);
  if (at == std::string::npos) return {};
  const std::size_t start = text.rfind("STARTCHAR", at);
  const std::size_t end = text.find("ENDCHAR\n", at);
  return text.substr(start, end + 8 - start);
}

TEST(WriteBdf, HeaderPropertiesAndOneCharacter) {
  const test::TestFont f = test::MakeFont(12, 16, 1,
                                          {{0x41,
                                            "############\n"
                                            "#..........#\n"
                                            "#.#.......##\n"}});
  const std::string text = WriteBdf(f.glyphs, Layout::Classic(12, 16, Scan::Vertical),
                                    test::TestCharacters(), {"My-Font", false});
  const std::vector<std::string> lines = Lines(text);
  ASSERT_GE(lines.size(), 5U);
  EXPECT_EQ(lines[0], "STARTFONT 2.1");
  EXPECT_EQ(lines[1], "FONT -zgedit-My_Font-Medium-R-Normal--16-160-72-72-C-120-ISO10646-1");
  EXPECT_EQ(lines[2], "SIZE 16 72 72");
  EXPECT_EQ(lines[3], "FONTBOUNDINGBOX 12 16 0 0");
  EXPECT_EQ(lines.back(), "ENDFONT");

  // The property count matches the properties written.
  const auto props = std::find(lines.begin(), lines.end(), "ENDPROPERTIES");
  ASSERT_NE(props, lines.end());
  EXPECT_EQ(lines[4], "STARTPROPERTIES " + std::to_string(props - lines.begin() - 5));
  for (const char* p :
       {"FAMILY_NAME \"My_Font\"", "PIXEL_SIZE 16", "SPACING \"C\"", "FONT_ASCENT 16",
        "FONT_DESCENT 0", "DEFAULT_CHAR 32", "CHARSET_REGISTRY \"ISO10646\""}) {
    EXPECT_NE(std::find(lines.begin(), props, p), props) << p;
  }
  // 223 codes have a character; 98h has none and goes under U+0098.
  EXPECT_EQ(*(props + 1), "CHARS 224");
  EXPECT_EQ(CountPrefix(lines, "STARTCHAR "), 224U);
  EXPECT_EQ(CountPrefix(lines, "ENDCHAR"), 224U);
  EXPECT_NE(text.find("STARTCHAR C0x98\nENCODING 152\n"), std::string::npos);

  std::string a =
      "STARTCHAR uni0041\nENCODING 65\nSWIDTH 750 0\nDWIDTH 12 0\nBBX 12 16 0 0\nBITMAP\n"
      "FFF0\n8010\nA030\n";
  for (int row = 3; row < 16; ++row) a += "0000\n";
  EXPECT_EQ(CharBlock(text, "\nENCODING 65\n"), a + "ENDCHAR\n");
  EXPECT_NE(CharBlock(text, "\nENCODING 1046\n").find("STARTCHAR uni0416\n"), std::string::npos);
}

TEST(WriteBdf, DuplicateAndMissingCharactersOrRawCodes) {
  const test::TestFont f = test::MakeFont(8, 8, 0, {{0x41, "#\n"}, {0xC0, ".#\n"}});
  std::array<char32_t, 224> chars = test::TestCharacters();
  chars[0xC0 - 0x20] = U'A';     // the same character as code 41h
  chars[0xC1 - 0x20] = 0;        // no character: under U+00C1
  chars[0xC2 - 0x20] = U'\xC0';  // takes U+00C0, where code C0h would go

  std::vector<int> unwritten{0x20};
  const std::string unicode =
      WriteBdf(f.glyphs, Layout::Classic(8, 8, Scan::Horizontal), chars, {}, &unwritten);
  EXPECT_NE(unicode.find("CHARS 223\n"), std::string::npos);
  EXPECT_EQ(unwritten, std::vector<int>{0xC0});
  EXPECT_EQ(CountPrefix(Lines(unicode), "ENCODING 65"), 1U);
  EXPECT_NE(CharBlock(unicode, "\nENCODING 65\n").find("BITMAP\n80\n00\n"), std::string::npos);
  EXPECT_NE(unicode.find("STARTCHAR C0xC1\nENCODING 193\n"), std::string::npos);
  EXPECT_NE(unicode.find("STARTCHAR uni00C0\nENCODING 192\n"), std::string::npos);
  EXPECT_NE(unicode.find("FONT -zgedit-zgedit-Medium-R-Normal--8-80-72-72-C-80-ISO10646-1\n"),
            std::string::npos);

  // Raw codes keep every glyph; those without a first character are named by code.
  const std::string raw =
      WriteBdf(f.glyphs, Layout::Classic(8, 8, Scan::Horizontal), chars, {"raw", true});
  EXPECT_NE(raw.find("CHARS 224\n"), std::string::npos);
  EXPECT_NE(raw.find("-FontSpecific-0\n"), std::string::npos);
  EXPECT_NE(raw.find("STARTCHAR C0x98\nENCODING 152\n"), std::string::npos);
  EXPECT_NE(raw.find("STARTCHAR C0xC0\nENCODING 192\n"), std::string::npos);
  EXPECT_NE(CharBlock(raw, "\nENCODING 192\n").find("BITMAP\n40\n00\n"), std::string::npos);
  EXPECT_NE(raw.find("STARTCHAR uni0041\nENCODING 65\n"), std::string::npos);

  EXPECT_EQ(WriteBdf(f.glyphs, Layout::Classic(8, 0, Scan::Horizontal), chars, {}), "");
}

// FreeType's BDF driver, through fontconfig, takes the file as a bitmap font
// of the cell's pixel size. (fontconfig lists only fonts with Unicode codes,
// so a font of raw codes is not asked.)
TEST(WriteBdf, AnyBitAndBandOrderWritesAsTheClassicLayout) {
  const test::TestFont f = test::PatternFont(12, 16, 1);
  const test::Bytes widths = test::PatternWidths(12);
  const Layout others[] = {
      {12, 16, Scan::Vertical, BitOrder::Reversed, BandOrder::Columns},
      {12, 16, Scan::Horizontal, BitOrder::Reversed, BandOrder::Bands},
  };
  for (const Layout& other : others) {
    const auto cb = static_cast<std::size_t>(f.layout().BytesPerGlyph());
    const auto otherCb = static_cast<std::size_t>(other.BytesPerGlyph());
    test::Bytes packed(otherCb * 224, 0);
    for (std::size_t i = 0; i < 224; ++i) {
      Repack(f.layout(), GlyphAt(f.glyphs, cb, i), other,
             std::span(packed).subspan(otherCb * i, otherCb));
    }
    for (const test::Bytes& given : {test::Bytes{}, widths}) {
      const BdfOptions options{"T", false, given};
      EXPECT_EQ(WriteBdf(packed, other, test::TestCharacters(), options),
                WriteBdf(f.glyphs, f.layout(), test::TestCharacters(), options))
          << other.Vert() << " proportional " << !given.empty();
    }
  }
}

TEST(WriteBdf, FreeTypeReadsIt) {
  if (!test::HasCommand("fc-query")) GTEST_SKIP() << "no fc-query on this machine";
  test::TempFolder dir;
  const test::TestFont f = test::MakeFont(16, 24, 0, {{0x41, "#\n"}});
  const std::string path =
      dir.Write("font.bdf", WriteBdf(f.glyphs, Layout::Classic(16, 24, Scan::Horizontal),
                                     test::TestCharacters(), {"T", false}));
  const test::Outcome r = test::RunShell("fc-query " + path);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("fontformat: \"BDF\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("pixelsize: 24"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("spacing: 110"), std::string::npos) << r.out;  // character cell
}

// Loads every character of a BDF file with FreeType, as a text renderer
// does, and draws it on the cell: the bitmap's left edge at bitmap_left, its
// top bitmap_top rows above the baseline, which lies below the ascent.
constexpr const char* kFreeTypeDraw = R"(#include <stdio.h>
#include <ft2build.h>
#include FT_FREETYPE_H
int main(int argc, char **argv) {
  FT_Library library;
  FT_Face face;
  if (argc != 2 || FT_Init_FreeType(&library) || FT_New_Face(library, argv[1], 0, &face)) return 2;
  if (FT_Select_Size(face, 0)) return 3;
  const int ascent = (int)(face->size->metrics.ascender >> 6);
  unsigned code;
  while (scanf("%x", &code) == 1) {
    if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO)) return 4;
    const FT_GlyphSlot g = face->glyph;
    printf("%04X %ld\n", code, (long)(g->advance.x >> 6));
    for (int y = 0; y < NSTR; y++) {
      for (int x = 0; x < NCOL; x++) {
        const int bx = x - g->bitmap_left, by = y - (ascent - g->bitmap_top);
        const int on = bx >= 0 && by >= 0 && bx < (int)g->bitmap.width && by < (int)g->bitmap.rows &&
                       (g->bitmap.buffer[by * g->bitmap.pitch + bx / 8] >> (7 - bx % 8)) & 1;
        putchar(on ? '#' : '.');
      }
      putchar('\n');
    }
  }
  return 0;
}
)";

// With widths, each glyph's DWIDTH and tight BBX draw in FreeType as the grid.
TEST(WriteBdf, ProportionalGlyphsDrawInFreeType) {
  if (!test::HasCommand("gcc") || test::RunShell("pkg-config --exists freetype2").status != 0) {
    GTEST_SKIP() << "no gcc or FreeType development files on this machine";
  }
  test::TempFolder dir;
  const test::TestFont f = test::PatternFont(12, 16, 1);
  const test::Bytes widths = test::PatternWidths(12);
  const std::string bdf = WriteBdf(f.glyphs, Layout::Classic(12, 16, Scan::Vertical),
                                   test::TestCharacters(), {"P", false, widths});
  EXPECT_NE(bdf.find("SPACING \"P\"\n"), std::string::npos);
  EXPECT_NE(bdf.find("STARTCHAR uni0020\nENCODING 32\nSWIDTH 62 0\nDWIDTH 1 0\nBBX 0 0 0 "
                     "0\nBITMAP\nENDCHAR\n"),
            std::string::npos);  // the space has no ink
  dir.Write("font.bdf", bdf);
  dir.Write("draw.c", kFreeTypeDraw);
  const test::Outcome build =
      test::RunShell("gcc -std=c99 -DNCOL=12 -DNSTR=16 -o " + (dir / "draw") + " " +
                     (dir / "draw.c") + " $(pkg-config --cflags --libs freetype2)");
  ASSERT_EQ(build.status, 0) << build.out;
  std::string input;
  std::string expected;
  for (int code = 0x20; code <= 0xFF; ++code) {
    const char32_t c = test::TestCharacters()[static_cast<std::size_t>(code - 0x20)];
    if (c == 0) continue;
    char line[16];
    std::snprintf(line, sizeof line, "%04X", static_cast<unsigned>(c));
    input += std::string(line) + " ";
    expected += std::string(line) + " " +
                std::to_string(widths[static_cast<std::size_t>(code - 0x20)]) + "\n" +
                PixelPicture(f.layout(), f.Glyph(code));
  }
  dir.Write("input.txt", input);
  const test::Outcome run =
      test::RunShell((dir / "draw") + " " + (dir / "font.bdf") + " < " + (dir / "input.txt"));
  EXPECT_EQ(run.status, 0) << run.out.substr(0, 200);
  EXPECT_EQ(run.out, expected);
}

}  // namespace
}  // namespace zg
