// The C header in any layout: its macros say the layout, ReadCHeaderParams
// takes it back, and a C program that knows nothing but the macros draws the
// glyphs right.

#include <gtest/gtest.h>

#include <string>

#include "export_test_util.h"
#include "fontfile/fontfile.h"

namespace zg {
namespace {

constexpr std::string_view kA =
    "..##....\n"
    ".####...\n"
    "##..##..\n"
    "##..##..\n"
    "######..\n"
    "##..##..\n"
    "##..##..\n"
    "........\n"
    "........\n"
    "##.##...\n";  // two rows into the second band

// The letter A of a 8 x 10 cell packed as `layout`, in a table from firstCode.
test::Bytes TableWithA(const Layout& layout, int firstCode) {
  const Layout drawn = Layout::Classic(layout.width, layout.height, layout.scan);
  const test::Bytes a = test::EncodeGlyph(kA, layout.width, layout.height, drawn.Vert());
  const auto cb = static_cast<std::size_t>(layout.BytesPerGlyph());
  test::Bytes table(cb * static_cast<std::size_t>(256 - firstCode), 0);
  Repack(drawn, a, layout,
         std::span(table).subspan(cb * static_cast<std::size_t>('A' - firstCode), cb));
  return table;
}

constexpr Layout kOrders[] = {
    {8, 10, Scan::Vertical, BitOrder::Classic, BandOrder::Bands},
    {8, 10, Scan::Vertical, BitOrder::Reversed, BandOrder::Columns},
    {8, 10, Scan::Horizontal, BitOrder::Reversed, BandOrder::Bands},
    {8, 10, Scan::Horizontal, BitOrder::Classic, BandOrder::Bands},
};

TEST(CHeaderLayout, TheMacrosSayTheLayoutAndReadBack) {
  for (const Layout& layout : kOrders) {
    for (const int first : {0x00, 0x20}) {
      const std::string text = WriteCHeader(TableWithA(layout, first), {layout, first}, true,
                                            test::TestCharacters(), {"lcd", {}, false});
      const auto params = ParseCHeaderParams(text);
      ASSERT_TRUE(params) << text.substr(0, 600);
      EXPECT_EQ(params->layout, layout);
      EXPECT_EQ(params->firstCode, first);
      EXPECT_EQ(params->glyphCount, 256 - first);
      EXPECT_TRUE(params->negative);
      EXPECT_EQ(params->prefix, "LCD");
    }
  }
  const std::string full = WriteCHeader(TableWithA(kOrders[1], 0), {kOrders[1], 0}, false,
                                        test::TestCharacters(), {"lcd", {}, false});
  for (const char* line :
       {"/* lcd: 8 x 10, vertical scan, bit 7 at the top, column by column, "
        "positive; codes 0x00..0xFF. */\n",
        "#define LCD_FIRST_CODE 0x00\n#define LCD_GLYPH_COUNT 256\n", "#define LCD_BIT_ORDER 1 /*",
        "#define LCD_BAND_ORDER 1 /*", "uint8_t lcd[256][16] LCD_UNUSED", "}, /* 0x00 */\n",
        "}, /* 0x41 'A' */\n"}) {
    EXPECT_NE(full.find(line), std::string::npos) << line;
  }
}

TEST(CHeaderLayout, MacrosOfOtherHeadersAndTheirFaults) {
  const struct {
    std::string text;
    std::string found;  // "" for none
  } cases[] = {
      // An older header of the editor: no order macros, the editor's own order.
      {"#define F_WIDTH 8\n#define F_HEIGHT 16\n#define F_SCAN_VERTICAL 0\n",
       "8x16 h classic 20h 224"},
      {"  #  define F_WIDTH\t12 /* w */\n#define F_HEIGHT 16\n#define F_SCAN_VERTICAL 1\n"
       "#define F_BAND_ORDER 1\n#define F_FIRST_CODE 0x10\n#define F_GLYPH_COUNT 96\n",
       "12x16 v columns 10h 96"},
      // The first complete set wins; a half set before it is passed over.
      {"#define A_WIDTH 8\n#define B_WIDTH 6\n#define B_HEIGHT 8\n#define B_SCAN_VERTICAL 1\n",
       "6x8 v classic 20h 224"},
      {"#define F_WIDTH 8\n#define F_HEIGHT 8\n", ""},
      {"#define F_WIDTH 25\n#define F_HEIGHT 8\n#define F_SCAN_VERTICAL 1\n", ""},
      {"#define F_WIDTH 8\n#define F_HEIGHT 8\n#define F_SCAN_VERTICAL 1\n"
       "#define F_BYTES_PER_GLYPH 9\n",
       ""},
      {"#define F_WIDTH 8\n#define F_HEIGHT 8\n#define F_SCAN_VERTICAL 1\n"
       "#define F_FIRST_CODE 0x20\n#define F_GLYPH_COUNT 240\n",
       ""},
      {"#define F_WIDTH 8\n#define F_HEIGHT 8\n#define F_SCAN_VERTICAL 2\n", ""},
  };
  for (const auto& c : cases) {
    const auto p = ParseCHeaderParams(c.text);
    std::string found;
    if (p) {
      char code[4];
      std::snprintf(code, sizeof code, "%02X", static_cast<unsigned>(p->firstCode));
      found = std::to_string(p->layout.width) + "x" + std::to_string(p->layout.height) +
              (p->layout.Vertical() ? " v " : " h ") +
              (p->layout.bandOrder == BandOrder::Columns ? "columns"
               : p->layout.bitOrder == BitOrder::Classic ? "classic"
                                                         : "reversed") +
              " " + code + "h " + std::to_string(p->glyphCount);
    }
    EXPECT_EQ(found, c.found) << c.text;
  }
}

// Firmware that reads the table by its macros alone: gcc builds a program
// that draws 'A' from the header with the order the macros give.
TEST(CHeaderLayout, FirmwareDrawsTheGlyphsFromTheMacrosAlone) {
  if (!test::HasCommand("gcc")) GTEST_SKIP() << "no gcc on this machine";
  test::TempFolder dir;
  dir.Write("draw.c", R"(#include <stdio.h>
#include "font.h"
static int Pixel(int code, int x, int y) {
  const uint8_t* g = lcd[code - LCD_FIRST_CODE];
  int byte, bit;
#if LCD_SCAN_VERTICAL
  const int bands = (LCD_HEIGHT + 7) / 8;
  byte = LCD_BAND_ORDER ? x * bands + y / 8 : y / 8 * LCD_WIDTH + x;
  bit = LCD_BIT_ORDER ? 7 - y % 8 : y % 8;
#else
  byte = y * ((LCD_WIDTH + 7) / 8) + x / 8;
  bit = LCD_BIT_ORDER ? 7 - x % 8 : x % 8;
#endif
  return ((g[byte] >> bit) & 1) ^ LCD_NEGATIVE;
}
int main(void) {
  int x, y;
  for (y = 0; y < LCD_HEIGHT; ++y) {
    for (x = 0; x < LCD_WIDTH; ++x) putchar(Pixel('A', x, y) ? '#' : '.');
    putchar('\n');
  }
  return 0;
}
)");
  for (const Layout& layout : kOrders) {
    const int first = layout.Vertical() ? 0x00 : 0x20;
    dir.Write("font.h", WriteCHeader(TableWithA(layout, first), {layout, first}, true,
                                     test::TestCharacters(), {"lcd", {}, false}));
    const std::string exe = dir / "draw";
    const test::Outcome built = test::RunShell("gcc -std=c99 -Wall -Wextra -pedantic -Werror -o " +
                                               exe + " " + (dir / "draw.c"));
    ASSERT_EQ(built.status, 0) << built.out;
    EXPECT_EQ(test::RunShell(exe).out, kA) << PixelPicture(layout, TableWithA(layout, 0x41));
  }
}

}  // namespace
}  // namespace zg
