#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fontfile/fontfile.h"

namespace zg {
namespace {

TEST(DefaultFontFileName, EncodesSizeScanAndPolarity) {
  constexpr Scan v = Scan::Vertical;
  constexpr Scan h = Scan::Horizontal;
  EXPECT_EQ(DefaultFontFileName(Layout::Classic(8, 8, v), false), "Font08x08vp");
  EXPECT_EQ(DefaultFontFileName(Layout::Classic(24, 16, h), true), "Font24x16hn");
  EXPECT_EQ(DefaultFontFileName(Layout::Classic(6, 8, v), true), "Font06x08vn");
  EXPECT_EQ(DefaultFontFileName(Layout::Classic(12, 16, v), false), "Font12x16vp");
  EXPECT_EQ(DefaultFontFileName(Layout::Classic(16, 24, h), false), "Font16x24hp");
}

TEST(ParseFontFileName, RecognisesTheProposedNameInTheFileNameOnly) {
  using P = FontFileParams;
  struct Case {
    const char* path;
    std::optional<P> params;
  };
  const Case cases[] = {
      {"Font08x08vp", P{8, 8, 1, -1}},
      {"Font08x08vp.fnt", P{8, 8, 1, -1}},
      {"/home/u/Font24x16hn.fnt", P{24, 16, 0, 0}},
      {"/home/u/Fonts/Font08x08vp.fnt", P{8, 8, 1, -1}},
      {"C:\\Fonts\\Font16x24hp.fnt", P{16, 24, 0, -1}},
      {"/home/u/Font08x08vp/data.fnt", std::nullopt},
      {"/home/u/Fonts/data.fnt", std::nullopt},
      {"/home/u/Font08x08vp/", std::nullopt},
      {"MyFont12x16vn_v2.txt", P{12, 16, 1, 0}},
      {"Font06x08vn", P{6, 8, 1, 0}},
      // The character between the sizes is not examined.
      {"Font08-08vp", P{8, 8, 1, -1}},
      // Only the first "Font" of the name counts.
      {"FontFont08x08vp", std::nullopt},
      {"Font08x08vp Font", P{8, 8, 1, -1}},
      // Sizes must be two decimal digits.
      {"Font8x8vp.fnt", std::nullopt},
      {"Font+8x08vp", std::nullopt},
      {"Font 8x08vp", std::nullopt},
      {"Font08x 8vp", std::nullopt},
      {"Font8.x08vp", std::nullopt},
      {"Font08x-8vp", std::nullopt},
      {"Font0Ax08vp", std::nullopt},
      // Any cell of the grid, 1 to 24 a side, in either scan.
      {"Font10x10vp", P{10, 10, 1, -1}},
      {"Font05x08vp", P{5, 8, 1, -1}},
      {"Font01x01hp", P{1, 1, 0, -1}},
      {"Font24x25vp", std::nullopt},
      {"Font00x08vp", std::nullopt},
      {"Font25x08hp", std::nullopt},
      {"Font06x08hp", P{6, 8, 0, -1}},
      {"Font12x16hn", P{12, 16, 0, 0}},
      {"Font08x08hp", P{8, 8, 0, -1}},
      // Scan and polarity letters, exact case.
      {"Font08x08xp", std::nullopt},
      {"Font08x08vq", std::nullopt},
      {"Font08x08VP", std::nullopt},
      {"Font08x08vN", std::nullopt},
      {"font08x08vp", std::nullopt},
      // Too short.
      {"Font08x08v", std::nullopt},
      {"Font", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<P> got = ParseFontFileName(c.path);
    EXPECT_EQ(got.has_value(), c.params.has_value()) << c.path;
    if (got && c.params) {
      EXPECT_EQ(*got, *c.params) << c.path << ": " << got->ncol << " " << got->nstr << " "
                                 << got->vert << " " << got->pos;
    }
  }
}

TEST(ParseFontFileName, GivesBackWhatTheProposedNameEncodes) {
  const int cells[][2] = {{6, 8},   {8, 8},   {12, 16}, {16, 16}, {16, 24},
                          {24, 16}, {24, 24}, {8, 16},  {5, 8},   {24, 1}};
  int recognised = 0;
  for (const auto& cell : cells) {
    for (int vert : {1, 0}) {
      for (bool negative : {false, true}) {
        const std::string name =
            DefaultFontFileName(Layout::Classic(cell[0], cell[1], ScanOf(vert)), negative);
        const std::optional<FontFileParams> p = ParseFontFileName("/tmp/x/" + name + ".fnt");
        ASSERT_TRUE(p) << name;
        EXPECT_EQ(
            *p, (FontFileParams{static_cast<std::int16_t>(cell[0]),
                                static_cast<std::int16_t>(cell[1]), static_cast<std::int16_t>(vert),
                                static_cast<std::int16_t>(negative ? 0 : -1)}))
            << name;
        ++recognised;
      }
    }
  }
  EXPECT_EQ(recognised, 40);
}

}  // namespace
}  // namespace zg
