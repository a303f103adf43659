#include <gtest/gtest.h>

#include <string>

#include "export_test_util.h"
#include "fontfile/fontfile.h"

namespace zg {
namespace {

constexpr const char* kA =
    "..##....\n"
    ".####...\n"
    "##..##..\n"
    "##..##..\n"
    "######..\n"
    "##..##..\n"
    "##..##..\n"
    "........\n";

test::TestFont FontWithA(int vert) { return test::MakeFont(8, 8, vert, {{0x41, kA}}); }

TEST(WriteCHeader, DeclaresTheFontAndCommentsEveryGlyph) {
  const test::TestFont f = FontWithA(1);
  const std::string text =
      WriteCHeader(f.glyphs, 8, 8, 1, false, test::TestCharacters(), {"Font08x08vp", {}, false});
  for (const char* line : {
           "#ifndef FONT08X08VP_H\n#define FONT08X08VP_H\n",
           "#include <stdint.h>\n",
           "#define FONT08X08VP_WIDTH 8\n",
           "#define FONT08X08VP_HEIGHT 8\n",
           "#define FONT08X08VP_BYTES_PER_GLYPH 8\n",
           "#define FONT08X08VP_FIRST_CODE 0x20\n",
           "#define FONT08X08VP_SCAN_VERTICAL 1\n",
           "#define FONT08X08VP_NEGATIVE 0\n",
           "static const uint8_t Font08x08vp[224][8] FONT08X08VP_UNUSED = {\n",
           "\n  {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00}, /* 0x20 ' ' */\n",
           "\n  {0x7C,0x7E,0x13,0x13,0x7E,0x7C,0x00,0x00}, /* 0x41 'A' */\n",
           "}, /* 0x2A '*' */\n",
           "}, /* 0x2F '/' */\n",
           "}, /* 0x98 */\n",
           "}, /* 0xC6 'Ж' */\n",
           "}  /* 0xFF 'я' */\n};\n\n#endif /* FONT08X08VP_H */\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
  }
  EXPECT_EQ(text.find("PROGMEM"), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST(WriteCHeader, NegativeHorizontalPicturesAndFlash) {
  const test::TestFont f = FontWithA(0);
  const std::string text = WriteCHeader(f.glyphs, 8, 8, 0, true, test::TestCharacters(),
                                        {"8x8 font", FlashAttribute::Progmem, true});
  EXPECT_NE(text.find("#define _8X8_FONT_SCAN_VERTICAL 0\n#define _8X8_FONT_NEGATIVE 1\n"),
            std::string::npos);
  EXPECT_NE(text.find("static const uint8_t _8x8_font[224][8] PROGMEM _8X8_FONT_UNUSED = {\n"),
            std::string::npos);
  // Complemented bytes under the glyph's picture as drawn.
  EXPECT_NE(text.find("  /* ..##.... */\n"
                      "  /* .####... */\n"
                      "  /* ##..##.. */\n"
                      "  /* ##..##.. */\n"
                      "  /* ######.. */\n"
                      "  /* ##..##.. */\n"
                      "  /* ##..##.. */\n"
                      "  /* ........ */\n"
                      "  {0xCF,0x87,0x33,0x33,0x03,0x33,0x33,0xFF}, /* 0x41 'A' */\n"),
            std::string::npos)
      << text;

  const std::string flash = WriteCHeader(f.glyphs, 8, 8, 0, false, test::TestCharacters(),
                                         {"f", FlashAttribute::Flash, false});
  EXPECT_NE(flash.find("static const F_FLASH uint8_t f[224][8] F_UNUSED = {\n"), std::string::npos);
  EXPECT_EQ(WriteCHeader(f.glyphs, 0, 8, 0, false, test::TestCharacters(), {}), "");
}

// What a firmware build does with the file: gcc as C99 and g++ as C++17, with
// every warning an error, both including the header (twice, for its guard)
// and compiling it on its own.
// Widths 1, 2, 3... 12, 1, 2...
constexpr std::array<std::uint8_t, 224> kWidths = [] {
  std::array<std::uint8_t, 224> w{};
  for (std::size_t i = 0; i < w.size(); ++i) w[i] = static_cast<std::uint8_t>(1 + i % 12);
  return w;
}();

TEST(WriteCHeader, WidthsTableBesideTheGlyphs) {
  const test::TestFont f = test::MakeFont(12, 16, 1, {});
  const std::string text = WriteCHeader(f.glyphs, 12, 16, 1, false, test::TestCharacters(),
                                        {"w", FlashAttribute::Progmem, false, kWidths});
  EXPECT_NE(text.find("static const uint8_t w_widths[224] PROGMEM W_UNUSED = {\n"
                      "  1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4,  /* from 0x20 */\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(" 6, 7, 8  /* from 0xF0 */\n};\n\n#endif"), std::string::npos);
  // Without widths, no table.
  EXPECT_EQ(WriteCHeader(f.glyphs, 12, 16, 1, false, test::TestCharacters(), {"w"}).find("_widths"),
            std::string::npos);
}

TEST(WriteCHeader, CompilesWithoutWarningsAsCAndCpp) {
  const bool gcc = test::HasCommand("gcc");
  const bool gxx = test::HasCommand("g++");
  if (!gcc && !gxx) GTEST_SKIP() << "no gcc or g++ on this machine";
  test::TempFolder dir;
  struct Case {
    int ncol, nstr, vert;
    bool negative;
    CHeaderOptions options;
  };
  const Case cases[] = {
      {6, 8, 1, false, {"Font06x08vp", FlashAttribute::None, false}},
      {12, 16, 1, true, {"font 12x16", FlashAttribute::Progmem, true, kWidths}},
      {24, 24, 0, false, {"24x24", FlashAttribute::Flash, true, kWidths}},
  };
  for (const Case& c : cases) {
    const std::size_t cb = GlyphByteCount(c.ncol, c.nstr, c.vert);
    test::Bytes glyphs(cb * 224);
    for (std::size_t i = 0; i < glyphs.size(); ++i) glyphs[i] = static_cast<std::uint8_t>(i * 37);
    const std::string header =
        dir.Write("font.h", WriteCHeader(glyphs, c.ncol, c.nstr, c.vert, c.negative,
                                         test::TestCharacters(), c.options));
    const std::string name = CIdentifier(c.options.name);
    const std::string use =
        "#include \"font.h\"\n#include \"font.h\"\nint first(void);\n"
        "int first(void) { return " +
        name + "[33][0]" + (c.options.widths.empty() ? "" : " + " + name + "_widths[223]") +
        "; }\n";
    dir.Write("use.c", use);
    dir.Write("use.cpp", use);
    std::vector<std::string> commands;
    const std::string out = " -o " + dir.Path("out.o");
    if (gcc) {
      const std::string cc = "gcc -std=c99 -Wall -Wextra -pedantic -Werror -c ";
      commands.push_back(cc + dir.Path("use.c") + out);
      commands.push_back(cc + "-x c " + header + out);
    }
    if (gxx) {
      const std::string cxx = "g++ -std=c++17 -Wall -Wextra -pedantic -Werror -c ";
      commands.push_back(cxx + dir.Path("use.cpp") + out);
      commands.push_back(cxx + "-x c++ " + header + out);
    }
    for (const std::string& command : commands) {
      const test::CommandResult r = test::Run(command);
      EXPECT_EQ(r.status, 0) << command << "\n" << r.output;
    }
  }
}

}  // namespace
}  // namespace zg
