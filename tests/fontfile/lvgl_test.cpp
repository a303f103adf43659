#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "export_test_util.h"
#include "fontfile/fontfile.h"

namespace zg {
namespace {

// The declarations of LVGL 8 and 9 that a font file uses, with LVGL's field
// names and types, LVGL_VERSION_MAJOR given on the command line.
constexpr const char* kLvglStub = R"(#ifndef LVGL_STUB_H
#define LVGL_STUB_H
#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#define LVGL_VERSION_MINOR 1
#define LV_ATTRIBUTE_LARGE_CONST
#define LV_FONT_DECLARE(font_name) extern const lv_font_t font_name;
typedef struct _lv_font_t lv_font_t;
typedef struct { int32_t adv_w; } lv_font_glyph_dsc_t;
enum { LV_FONT_SUBPX_NONE, LV_FONT_SUBPX_HOR, LV_FONT_SUBPX_VER, LV_FONT_SUBPX_BOTH };
#if LVGL_VERSION_MAJOR >= 9
typedef int32_t lv_coord_t;
typedef struct _lv_draw_buf_t lv_draw_buf_t;
#else
typedef int16_t lv_coord_t;
#endif
struct _lv_font_t {
  bool (*get_glyph_dsc)(const lv_font_t *, lv_font_glyph_dsc_t *, uint32_t, uint32_t);
#if LVGL_VERSION_MAJOR >= 9
  const void * (*get_glyph_bitmap)(lv_font_glyph_dsc_t *, lv_draw_buf_t *);
  void (*release_glyph)(const lv_font_t *, lv_font_glyph_dsc_t *);
#else
  const uint8_t * (*get_glyph_bitmap)(const lv_font_t *, uint32_t);
#endif
  lv_coord_t line_height;
  lv_coord_t base_line;
  uint8_t subpx : 2;
#if LVGL_VERSION_MAJOR >= 9
  uint8_t kerning : 1;
#endif
  int8_t underline_position;
  int8_t underline_thickness;
  const void * dsc;
  const lv_font_t * fallback;
  void * user_data;
};
typedef struct {
  uint32_t bitmap_index : 20;
  uint32_t adv_w : 12;
  uint8_t box_w;
  uint8_t box_h;
  int8_t ofs_x;
  int8_t ofs_y;
} lv_font_fmt_txt_glyph_dsc_t;
typedef enum {
  LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL,
  LV_FONT_FMT_TXT_CMAP_SPARSE_FULL,
  LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY,
  LV_FONT_FMT_TXT_CMAP_SPARSE_TINY,
} lv_font_fmt_txt_cmap_type_t;
typedef struct {
  uint32_t range_start;
  uint16_t range_length;
  uint16_t glyph_id_start;
  const uint16_t * unicode_list;
  const void * glyph_id_ofs_list;
  uint16_t list_length;
  lv_font_fmt_txt_cmap_type_t type;
} lv_font_fmt_txt_cmap_t;
#if LVGL_VERSION_MAJOR == 8
typedef struct { uint32_t last_letter; uint32_t last_glyph_id; } lv_font_fmt_txt_glyph_cache_t;
#endif
typedef struct {
  const uint8_t * glyph_bitmap;
  const lv_font_fmt_txt_glyph_dsc_t * glyph_dsc;
  const lv_font_fmt_txt_cmap_t * cmaps;
  const void * kern_dsc;
  uint16_t kern_scale;
  uint16_t cmap_num : 9;
  uint16_t bpp : 4;
  uint16_t kern_classes : 1;
  uint16_t bitmap_format : 2;
#if LVGL_VERSION_MAJOR == 8
  lv_font_fmt_txt_glyph_cache_t * cache;
#endif
} lv_font_fmt_txt_dsc_t;
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *, lv_font_glyph_dsc_t *, uint32_t, uint32_t);
#if LVGL_VERSION_MAJOR >= 9
const void * lv_font_get_bitmap_fmt_txt(lv_font_glyph_dsc_t *, lv_draw_buf_t *);
#else
const uint8_t * lv_font_get_bitmap_fmt_txt(const lv_font_t *, uint32_t);
#endif
#endif
)";

// Finds each code point read from the input as LVGL's get_glyph_dsc_id does
// (the first map whose range holds it decides) and draws its glyph as the
// 1 bit per pixel text renderer does: the box's top at line_height -
// base_line - box_h - ofs_y, bits running on from bitmap_index.
constexpr const char* kDecoder = R"(#include <stdio.h>
#include <stdlib.h>
#include "lvgl.h"
LV_FONT_DECLARE(FONT)
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t *f, lv_font_glyph_dsc_t *d, uint32_t a, uint32_t b) {
  (void)f; (void)d; (void)a; (void)b; return false;
}
#if LVGL_VERSION_MAJOR >= 9
const void * lv_font_get_bitmap_fmt_txt(lv_font_glyph_dsc_t *d, lv_draw_buf_t *b) { (void)d; (void)b; return NULL; }
#else
const uint8_t * lv_font_get_bitmap_fmt_txt(const lv_font_t *f, uint32_t c) { (void)f; (void)c; return NULL; }
#endif
static int compare(const void *a, const void *b) {
  return (int)*(const uint16_t *)a - (int)*(const uint16_t *)b;
}
static uint32_t glyph_id(const lv_font_fmt_txt_dsc_t *fdsc, uint32_t letter) {
  for (uint16_t i = 0; i < fdsc->cmap_num; i++) {
    const lv_font_fmt_txt_cmap_t *map = &fdsc->cmaps[i];
    uint32_t rcp = letter - map->range_start;
    if (rcp >= map->range_length) continue;
    if (map->type == LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY) return map->glyph_id_start + rcp;
    if (map->type != LV_FONT_FMT_TXT_CMAP_SPARSE_TINY) exit(3);
    uint16_t key = (uint16_t)rcp;
    const uint16_t *p = bsearch(&key, map->unicode_list, map->list_length, sizeof key, compare);
    return p ? map->glyph_id_start + (uint32_t)(p - map->unicode_list) : 0;
  }
  return 0;
}
int main(void) {
  const lv_font_t *font = &FONT;
  const lv_font_fmt_txt_dsc_t *fdsc = font->dsc;
  if (fdsc->bpp != 1 || fdsc->bitmap_format != 0 || font->base_line != 0) return 2;
  unsigned letter;
  while (scanf("%x", &letter) == 1) {
    uint32_t id = glyph_id(fdsc, letter);
    if (id == 0) { printf("U+%04X none\n", letter); continue; }
    const lv_font_fmt_txt_glyph_dsc_t *g = &fdsc->glyph_dsc[id];
    if (g->adv_w % 16 != 0) return 4;
    printf("U+%04X %u\n", letter, (unsigned)g->adv_w / 16);
    char screen[32][33] = {{0}};
    for (int y = 0; y < font->line_height; y++)
      for (int x = 0; x < NCOL; x++) screen[y][x] = '.';
    uint32_t bit = g->bitmap_index * 8;
    int top = font->line_height - font->base_line - g->box_h - g->ofs_y;
    for (int y = 0; y < g->box_h; y++)
      for (int x = 0; x < g->box_w; x++, bit++) {
        int sx = g->ofs_x + x, sy = top + y;
        if (sx < 0 || sx >= NCOL || sy < 0 || sy >= font->line_height) return 5;
        if ((fdsc->glyph_bitmap[bit / 8] >> (7 - bit % 8)) & 1) screen[sy][sx] = '#';
      }
    for (int y = 0; y < font->line_height; y++) printf("%s\n", screen[y]);
  }
  return 0;
}
)";

// Windows-1251 in short, with 90h..9Fh made scattered characters (every
// third from U+2000, the last beyond the 16-bit plane; 98h still has none)
// and A0h a second 'A'.
std::array<char32_t, 224> ScatteredCharacters() {
  std::array<char32_t, 224> c = test::TestCharacters();
  for (int code = 0x90; code <= 0x9F; ++code) {
    if (code == 0x98) continue;
    c[static_cast<std::size_t>(code - 0x20)] = static_cast<char32_t>(0x2000 + 3 * (code - 0x90));
  }
  c[0x9F - 0x20] = U'\U0001F600';
  c[0xA0 - 0x20] = U'A';
  return c;
}

TEST(WriteLvglFont, MapsCharactersAndNotesCodesLeftOut) {
  const test::TestFont f = test::MakeFont(8, 8, 1, {{0x41, "..#\n.#.#\n"}});
  const std::string text = WriteLvglFont(f.glyphs, Layout::Classic(8, 8, Scan::Vertical),
                                         ScatteredCharacters(), {"my_font"});
  for (const char* piece : {
           " * Where it is used: LV_FONT_DECLARE(my_font);\n"
           " * 2 codes without a character of their own left out:\n *   0x98, 0xA0. */\n",
           "#ifdef LV_LVGL_H_INCLUDE_SIMPLE\n#include \"lvgl.h\"\n#else\n#include "
           "\"lvgl/lvgl.h\"\n#endif\n",
           // 'A' is 3 x 2 pixels at the cell's top, 6 rows above its bottom row.
           "    0x54, /* 0x41 'A' */\n",
           "{.bitmap_index = 0, .adv_w = 128, .box_w = 3, .box_h = 2, .ofs_x = 1, .ofs_y = 6}, "
           "/* 0x41 'A' */\n",
           // 20h..8Fh, A1h..BFh and the Cyrillic letters as ranges;
           // the scattered characters in two sparse lists.
           "{.range_start = 32, .range_length = 112, .glyph_id_start = 1, .unicode_list = NULL",
           "{.range_start = 161, .range_length = 31, .glyph_id_start = 113,",
           "{.range_start = 1040, .range_length = 64, .glyph_id_start = 144,",
           "static const uint16_t unicode_list_3[] = {\n    0, 3, 6, 9, 12, 15, 18, 21, 27, 30, "
           "33, "
           "36,\n    39, 42,\n};\n",
           "{.range_start = 8192, .range_length = 43, .glyph_id_start = 208, .unicode_list = "
           "unicode_list_3, .glyph_id_ofs_list = NULL, .list_length = 14,\n     .type = "
           "LV_FONT_FMT_TXT_CMAP_SPARSE_TINY},\n",
           "{.range_start = 128512, .range_length = 1, .glyph_id_start = 222,",
           "    .cmap_num = 5,\n",
           "const lv_font_t my_font = {\n",
       }) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece << "\nin\n" << text;
  }
  EXPECT_EQ(CodesLeftOutOfLvgl(ScatteredCharacters()), (std::vector<int>{0x98, 0xA0}));
}

TEST(WriteLvglFont, CompilesAndDrawsAsLvglReadsIt) {
  if (!test::HasCommand("gcc")) GTEST_SKIP() << "no gcc on this machine";
  test::TempFolder dir;
  const auto characters = ScatteredCharacters();
  struct Case {
    int ncol, nstr, vert, lvgl;
    bool proportional;
  };
  for (const Case& c :
       {Case{8, 8, 0, 8, false}, Case{12, 16, 1, 9, true}, Case{24, 24, 0, 9, true}}) {
    const test::TestFont f = test::PatternFont(c.ncol, c.nstr, c.vert);
    const test::Bytes widths = c.proportional ? test::PatternWidths(c.ncol) : test::Bytes{};
    dir.Write("font.c", WriteLvglFont(f.glyphs, f.layout(), characters, {"lv_font_test", widths}));
    // LVGL 8 projects as the default include finds it, LVGL 9 as the simple one does.
    std::filesystem::create_directories(dir / "lvgl");
    dir.Write("lvgl/lvgl.h", kLvglStub);
    dir.Write("lvgl.h", kLvglStub);
    dir.Write("decode.c", kDecoder);
    const std::string program = dir / "decode";
    const std::string flags = "gcc -std=c99 -Wall -Wextra -pedantic -Werror -I" + (dir / "") +
                              " -DLVGL_VERSION_MAJOR=" + std::to_string(c.lvgl) +
                              (c.lvgl >= 9 ? " -DLV_LVGL_H_INCLUDE_SIMPLE" : "") +
                              " -DFONT=lv_font_test -DNCOL=" + std::to_string(c.ncol);
    const test::Outcome build = test::RunShell(flags + " -o " + program + " " + (dir / "font.c") +
                                               " " + (dir / "decode.c"));
    ASSERT_EQ(build.status, 0) << build.out;

    std::string input;
    std::string expected;
    for (int code = 0x20; code <= 0xFF; ++code) {
      const char32_t ch = characters[static_cast<std::size_t>(code - 0x20)];
      if (ch == 0) continue;
      char hex[16];
      std::snprintf(hex, sizeof hex, "%X ", static_cast<unsigned>(ch));
      input += hex;
      char line[16];
      std::snprintf(line, sizeof line, "U+%04X ", static_cast<unsigned>(ch));
      // The second 'A' draws the first one.
      const int drawn = code == 0xA0 ? 0x41 : code;
      const std::size_t i = static_cast<std::size_t>(drawn - 0x20);
      expected += std::string(line) + std::to_string(widths.empty() ? c.ncol : widths[i]) + "\n" +
                  PixelPicture(f.layout(), f.Glyph(drawn));
    }
    input += "98 ";  // no character of the font
    expected += "U+0098 none\n";
    dir.Write("input.txt", input);
    const test::Outcome run = test::RunShell(program + " < " + (dir / "input.txt"));
    EXPECT_EQ(run.status, 0) << "a glyph outside the line";
    EXPECT_EQ(run.out, expected) << c.ncol << "x" << c.nstr;
  }
}

}  // namespace
}  // namespace zg
