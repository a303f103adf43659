#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fontfile/fontfile.h"

namespace zg {
namespace {

TEST(FormatFontValue, WritesEachNotation) {
  struct Case {
    const char* format;
    std::uint8_t value;
    const char* text;
  };
  // clang-format off
  const Case cases[] = {
      {"&hNN", 0x0A, "&h0A"}, {"&hNN", 0xFE, "&hFE"}, {"0xNN", 0x0A, "0x0A"}, {"0xNN", 0xFE, "0xFE"},
      {"0xNN", 0x0F, "0x0F"}, {"0xNN", 0x10, "0x10"}, {"$NN", 0x0A, "$0A"},   {"$NN", 0xFE, "$FE"},
      {"#NN", 0x0A, "#0A"},   {"#NN", 0xFE, "#FE"},   {"NNh", 0x0A, "0Ah"},   {"NNh", 0xFE, "0FEh"},
      // The extra "0" starts at 154 (9Ah), not at A0h.
      {"NNh", 0, "00h"},      {"NNh", 9, "09h"},      {"NNh", 153, "99h"},    {"NNh", 154, "09Ah"},
      {"NNh", 159, "09Fh"},   {"NNh", 160, "0A0h"},   {"NNh", 255, "0FFh"},
      // Texts that name no notation, letter case and blanks included, write "&h".
      {"", 0xAB, "&hAB"},     {"nnh", 0xAB, "&hAB"},  {"0XNN", 0xAB, "&hAB"}, {"&HNN", 0x01, "&h01"},
      {"$NN ", 0x01, "&h01"}, {"NNH", 0x01, "&h01"},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFontValue(c.value, c.format), c.text)
        << "format '" << c.format << "' value " << int{c.value};
  }
}

TEST(FormatFontValue, EveryWrittenValueReadsBack) {
  for (const char* format : {"&hNN", "0xNN", "$NN", "#NN", "NNh", "other"}) {
    for (int v = 0; v < 256; ++v) {
      const std::string text = FormatFontValue(static_cast<std::uint8_t>(v), format);
      EXPECT_EQ(ParseFontValue(text), std::optional<std::uint8_t>(v)) << format << " " << text;
    }
  }
}

TEST(ParseFontValue, AcceptsTheFiveFormsInBothLetterCases) {
  struct Case {
    const char* text;
    std::uint8_t value;
  };
  // clang-format off
  const Case accepted[] = {
      {"$0A", 0x0A}, {"#0b", 0x0B},  {"&h0C", 0x0C}, {"&H0d", 0x0D}, {"0x0E", 0x0E}, {"0Fh", 0x0F},
      {"f1H", 0xF1}, {"0F0h", 0xF0}, {"09aH", 0x9A}, {"$ff", 0xFF},  {"#FF", 0xFF},  {"0xfF", 0xFF},
      {"ffH", 0xFF}, {"00h", 0x00},  {"&h00", 0x00},
  };
  // clang-format on
  for (const Case& c : accepted) EXPECT_EQ(ParseFontValue(c.text), c.value) << c.text;
}

TEST(ParseFontValue, RejectsEverythingElse) {
  using namespace std::string_view_literals;
  const std::string_view rejected[] = {
      "", "0XFF", "255", "0x7", "&hFFF", "$FFF", "#F", "FF", "Fh", "0FFFh", "&xFF", "h0FF",
      // Malformed digits in a known form stop the import rather than vanish.
      "$GG", "#G1", "0x1h", "&h-1", "0x 1", "$ 1", "0Gh", "0GGh",
      // A four-character "h" value must start with the writer's "0".
      "123h", "xFFh", "1FFh", " 0Fh",
      // Binary bytes are just unrecognised.
      "$\0\0"sv, "&h\x80\xFF"sv, "0\0\0h"sv};
  for (const std::string_view text : rejected) {
    EXPECT_EQ(ParseFontValue(text), std::nullopt) << "'" << text << "'";
  }
}

TEST(LineKeyword, ExactItemTextsOnly) {
  EXPECT_EQ(LineKeyword("Data code"), "Data ");
  EXPECT_EQ(LineKeyword(".Db code"), ".db ");
  for (const char* other :
       {"Code", "", "Data", "data code", ".db code", "Data code ", ".DB code"}) {
    EXPECT_EQ(LineKeyword(other), "") << "'" << other << "'";
  }
}

}  // namespace
}  // namespace zg
