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
  const std::string text =
      WriteBdf(f.glyphs, 12, 16, 1, test::TestCharacters(), {"My-Font", false});
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
  const std::string unicode = WriteBdf(f.glyphs, 8, 8, 0, chars, {}, &unwritten);
  EXPECT_NE(unicode.find("CHARS 223\n"), std::string::npos);
  EXPECT_EQ(unwritten, std::vector<int>{0xC0});
  EXPECT_EQ(CountPrefix(Lines(unicode), "ENCODING 65"), 1U);
  EXPECT_NE(CharBlock(unicode, "\nENCODING 65\n").find("BITMAP\n80\n00\n"), std::string::npos);
  EXPECT_NE(unicode.find("STARTCHAR C0xC1\nENCODING 193\n"), std::string::npos);
  EXPECT_NE(unicode.find("STARTCHAR uni00C0\nENCODING 192\n"), std::string::npos);
  EXPECT_NE(unicode.find("FONT -zgedit-zgedit-Medium-R-Normal--8-80-72-72-C-80-ISO10646-1\n"),
            std::string::npos);

  // Raw codes keep every glyph; those without a first character are named by code.
  const std::string raw = WriteBdf(f.glyphs, 8, 8, 0, chars, {"raw", true});
  EXPECT_NE(raw.find("CHARS 224\n"), std::string::npos);
  EXPECT_NE(raw.find("-FontSpecific-0\n"), std::string::npos);
  EXPECT_NE(raw.find("STARTCHAR C0x98\nENCODING 152\n"), std::string::npos);
  EXPECT_NE(raw.find("STARTCHAR C0xC0\nENCODING 192\n"), std::string::npos);
  EXPECT_NE(CharBlock(raw, "\nENCODING 192\n").find("BITMAP\n40\n00\n"), std::string::npos);
  EXPECT_NE(raw.find("STARTCHAR uni0041\nENCODING 65\n"), std::string::npos);

  EXPECT_EQ(WriteBdf(f.glyphs, 8, 0, 0, chars, {}), "");
}

// FreeType's BDF driver, through fontconfig, takes the file as a bitmap font
// of the cell's pixel size. (fontconfig lists only fonts with Unicode codes,
// so a font of raw codes is not asked.)
TEST(WriteBdf, FreeTypeReadsIt) {
  if (!test::HasCommand("fc-query")) GTEST_SKIP() << "no fc-query on this machine";
  test::TempFolder dir;
  const test::TestFont f = test::MakeFont(16, 24, 0, {{0x41, "#\n"}});
  const std::string path =
      dir.Write("font.bdf", WriteBdf(f.glyphs, 16, 24, 0, test::TestCharacters(), {"T", false}));
  const test::CommandResult r = test::Run("fc-query " + path);
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("fontformat: \"BDF\""), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("pixelsize: 24"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("spacing: 110"), std::string::npos) << r.output;  // character cell
}

}  // namespace
}  // namespace zg
