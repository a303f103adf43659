#include "fontfile/glyph_text.h"

#include <gtest/gtest.h>

#include <numeric>

#include "fontfile_test_util.h"

namespace zg {
namespace {

TEST(GlyphText, WritesTheFileLinesOfOneGlyph) {
  const std::vector<std::uint8_t> a{0x7C, 0x7E, 0x13, 0x13, 0x7E, 0x7C, 0x00, 0x00};
  EXPECT_EQ(WriteGlyphLine(a, "Data ", "&hNN", false),
            "Data &h7C,&h7E,&h13,&h13,&h7E,&h7C,&h00,&h00\r\n");
  EXPECT_EQ(WriteGlyphLine(std::span(a).first(6), ".db ", "NNh", true),
            ".db 83h,81h,0ECh,0ECh,81h,83h\r\n");
  // The glyph's lines are the file's: glyph 1 of a font written whole.
  std::vector<std::uint8_t> font(24 * 224);
  std::iota(font.begin(), font.end(), std::uint8_t{0});
  const std::string file = WriteFontSource(font, 24, "", "0xNN", false);
  const std::string glyph = WriteGlyphLine(std::span(font).subspan(24, 24), "", "0xNN", false);
  EXPECT_EQ(file.substr(glyph.size(), glyph.size()), glyph);
}

// Every cell's byte count in every notation and polarity comes back as written.
TEST(GlyphText, ReadsBackWhatItWrites) {
  std::vector<std::uint8_t> bytes(72);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{0xB0});
  for (const int cb : {6, 8, 24, 32, 48, 72}) {
    const auto glyph = std::span(bytes).first(static_cast<std::size_t>(cb));
    for (const char* format : {"&hNN", "0xNN", "$NN", "#NN", "NNh"}) {
      for (const char* keyword : {"Data ", ".db ", ""}) {
        for (const bool negative : {false, true}) {
          const std::string text = WriteGlyphLine(glyph, keyword, format, negative);
          const auto back = ReadGlyphText(text, cb, negative ? 0 : -1);
          ASSERT_TRUE(back) << text;
          EXPECT_EQ(*back, std::vector<std::uint8_t>(glyph.begin(), glyph.end())) << text;
        }
      }
    }
  }
}

TEST(GlyphText, ReadsLooseTextButOnlyExactlyOneGlyph) {
  const std::vector<std::uint8_t> six{0x01, 0x02, 0x03, 0xFE, 0xFF, 0x00};
  EXPECT_EQ(ReadGlyphText("; the letter\n$01, 0x02 ,03h\r\n/* x */\n&hFE,#ff,0x00,", 6, -1), six);
  const char* const refused[] = {
      "",                                  // no glyph
      "; only a comment\n",                // no glyph
      "$01,$02,$03,$FE,$FF",               // one value short
      "$01,$02,$03,$FE,$FF,$00,$00",       // one value over
      "$01,$02,$03,$FE,$FF,$0G",           // not a value
      "$01,$02,$03,$FE,$FF,$00\n/* open",  // an unclosed comment
      "zgedit-glyph 1 6x8 v\n01 02 03 fe ff 00",
  };
  for (const char* text : refused) EXPECT_EQ(ReadGlyphText(text, 6, -1), std::nullopt) << text;
  EXPECT_EQ(ReadGlyphText("$01", 0, -1), std::nullopt);
}

}  // namespace
}  // namespace zg
