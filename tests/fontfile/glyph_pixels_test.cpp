#include <gtest/gtest.h>

#include "export_test_util.h"
#include "fontfile/fontfile.h"

namespace zg {
namespace {

using test::Bytes;

TEST(GlyphPixels, OneBitLightsOnePixel) {
  struct Case {
    int ncol, nstr, vert;
    std::size_t byte;
    unsigned bit;
    int x, y;
  };
  const Case cases[] = {
      // Vertical: byte ncol * band + column, bit 0 the band's top row.
      {8, 8, 1, 0, 0, 0, 0},
      {8, 8, 1, 7, 7, 7, 7},
      {6, 8, 1, 2, 3, 2, 3},
      {12, 16, 1, 12 + 3, 2, 3, 10},
      {24, 24, 1, 48 + 23, 7, 23, 23},
      // Horizontal: row after row in whole bytes, bit 7 on the left.
      {8, 8, 0, 0, 7, 0, 0},
      {8, 8, 0, 5, 0, 7, 5},
      {16, 16, 0, 2 * 5 + 1, 7, 8, 5},
      {24, 16, 0, 3 * 15 + 2, 0, 23, 15},
  };
  for (const Case& c : cases) {
    const Layout layout = test::Cell(c.ncol, c.nstr, c.vert);
    Bytes glyph(static_cast<std::size_t>(layout.BytesPerGlyph()), 0);
    glyph[c.byte] = static_cast<std::uint8_t>(1U << c.bit);
    const std::string expected =
        test::DrawPicture(c.ncol, c.nstr, [&](int x, int y) { return x == c.x && y == c.y; });
    EXPECT_EQ(test::DrawPicture(c.ncol, c.nstr,
                                [&](int x, int y) { return GlyphPixel(glyph, layout, x, y); }),
              expected)
        << c.ncol << "x" << c.nstr << " vert " << c.vert << " byte " << c.byte << " bit " << c.bit;
  }
}

TEST(GlyphPixels, LetterAInBothScansAndShortSpans) {
  const char* a =
      "..##....\n"
      ".####...\n"
      "##..##..\n"
      "##..##..\n"
      "######..\n"
      "##..##..\n"
      "##..##..\n"
      "........\n";
  const Bytes vertical{0x7C, 0x7E, 0x13, 0x13, 0x7E, 0x7C, 0x00, 0x00};
  const Bytes horizontal{0x30, 0x78, 0xCC, 0xCC, 0xFC, 0xCC, 0xCC, 0x00};
  EXPECT_EQ(test::EncodeGlyph(a, 8, 8, 1), vertical);
  EXPECT_EQ(test::EncodeGlyph(a, 8, 8, 0), horizontal);
  for (int vert : {1, 0}) {
    const Bytes& bytes = vert == 1 ? vertical : horizontal;
    EXPECT_EQ(
        test::DrawPicture(
            8, 8, [&](int x, int y) { return GlyphPixel(bytes, test::Cell(8, 8, vert), x, y); }),
        a);
  }
  // Outside the cell, and bytes the span lacks, are off.
  const Bytes full(8, 0xFF);
  const Layout cell = Layout::Classic(8, 8, Scan::Vertical);
  EXPECT_FALSE(GlyphPixel(full, cell, 8, 0));
  EXPECT_FALSE(GlyphPixel(full, cell, -1, 0));
  EXPECT_FALSE(GlyphPixel(full, Layout::Classic(6, 7, Scan::Vertical), 0, 7));
  EXPECT_FALSE(GlyphPixel(std::span(full).first(3), cell, 3, 0));
  EXPECT_TRUE(GlyphPixel(std::span(full).first(3), cell, 2, 0));

  EXPECT_EQ(GlyphAt(full, 3, 2).size(), 2U);
  EXPECT_EQ(GlyphAt(full, 3, 5).size(), 0U);
}

TEST(CText, IdentifiersAndComments) {
  // A name that is an identifier stays; any other is respelled and told
  // apart from the rest by a hash of its spelling.
  const std::pair<const char*, const char*> names[] = {
      {"Font08x08vp", "Font08x08vp"},
      {"my_font", "my_font"},
      {"", "font"},
      {"my font", "my_font_323c48d4"},
      {"my-font", "my_font_1089dfab"},
      {"8x8", "font_8x8_c514370f"},
      {"int", "int_95e97e5e"},
      {"and", "and_0f29c2a6"},
      {"uint8_t", "uint8_t_306340a8"},
      {"int8", "int8_6491fa92"},  // INT8_WIDTH is <stdint.h>'s
      {"_x", "x_570b7da2"},
      {"шрифт", "shrift_cc53f25b"},
      {"Шрифт 8x8", "Shrift_8x8_0a1dada6"},
      {"ШРИФТ", "SHRIFT_9b1a44fb"},
      {"Щука_ёж", "Shchuka_yozh_0eb324b1"},
      {"объём", "obyom_b8371629"},
      {"обём", "obyom_dd8f0a02"},
  };
  for (const auto& [name, id] : names) EXPECT_EQ(CIdentifier(name), id) << name;
  EXPECT_EQ(UpperIdentifier("Font_8x8"), "FONT_8X8");

  const auto comment = [](int code, char32_t c) {
    std::string s;
    AppendCodeComment(s, code, c);
    return s;
  };
  EXPECT_EQ(comment(0x41, U'A'), "/* 0x41 'A' */");
  EXPECT_EQ(comment(0xC6, U'Ж'), "/* 0xC6 'Ж' */");
  EXPECT_EQ(comment(0x98, 0), "/* 0x98 */");
  EXPECT_EQ(comment(0x7F, 0x7F), "/* 0x7F */");
  EXPECT_EQ(comment(0x2A, U'*'), "/* 0x2A '*' */");
  EXPECT_EQ(comment(0x5C, U'\\'), "/* 0x5C '\\' */");
  EXPECT_EQ(comment(0x80, U'€'), "/* 0x80 '€' */");
  EXPECT_EQ(comment(0x81, 0x1F600), "/* 0x81 '\xF0\x9F\x98\x80' */");
  EXPECT_EQ(comment(0x82, 0xD800), "/* 0x82 */");
}

}  // namespace
}  // namespace zg
