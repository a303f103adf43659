#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export_test_util.h"
#include "fontfile/fontfile.h"
#include "fontfile_test_util.h"

namespace zg {
namespace {

using test::Head;
using test::kUntouched;
using Bytes = std::vector<std::uint8_t>;

constexpr ReadStatus kOk = ReadStatus::Completed;

struct Case {
  std::string text;
  ReadStatus status;
  std::size_t line;
  Bytes stored;
};

void ExpectRead(const Case& c) {
  const test::ReadBack r = test::ReadCText(c.text);
  // The column is proved by the tables of places.
  EXPECT_EQ(r.result, (ReadResult{c.status, c.stored.size(), {}, c.line, r.result.column}))
      << c.text;
  EXPECT_EQ(Head(r.store, c.stored.size()), c.stored) << c.text;
  EXPECT_EQ(r.store[c.stored.size()], kUntouched) << c.text;
  // The same, however the text falls into blocks.
  for (std::size_t step : {1, 3}) {
    test::Store store = test::FilledStore();
    test::TricklingSource in(c.text, step);
    EXPECT_EQ(ReadCArray(in, -1, store), r.result) << "step " << step << ": " << c.text;
    EXPECT_EQ(store, r.store) << "step " << step << ": " << c.text;
  }
}

TEST(ReadCArray, FirmwareHeaders) {
  const Case cases[] = {
      {"/* 5 x 7 */\n"
       "#ifndef FONT_H\n#define FONT_H\n#include <avr/pgmspace.h>\n"
       "#define FONT_W 5 /* { = */ \\\n  + 0\n"
       "typedef struct { uint8_t w; const uint8_t *bits; } Font;\n"
       "static inline int f(int a) { if (a == 1) { return a <= 2; } return a != 3; }\n"
       "const char *title = \"= {9}\"; char brace = '{';\n"
       "// = {8}\n"
       "static const unsigned char font[] PROGMEM = {\n"
       "  0x7C, 0X12, // A\n"
       "  18, 017, 0b101, 0B11, (uint8_t)0xFFu, (unsigned char) 7UL, 0xe0ull,\n"
       "  B00111100, 0b0000'0001, -0,\n"
       "};\n#endif\n",
       kOk,
       15,
       {0x7C, 0x12, 18, 15, 5, 3, 0xFF, 7, 0xE0, 0x3C, 1, 0}},
      // A two-dimensional array, with comments and a directive inside.
      {"uint8_t g[2][3]={\r\n{1,2,3},/* x */\r\n#if 1\r\n{4,5,6,},\r\n};",
       kOk,
       5,
       {1, 2, 3, 4, 5, 6}},
      {"x = {};", kOk, 1, {}},
      {"x={{}}", kOk, 1, {}},
      // Only the first array counts.
      {"a = {1}; b = {2};", kOk, 1, {1}},
      // An operator before '=' or a value between '=' and '{' is no initialiser.
      {"a += {9}; b = c {9}; d = {3}", kOk, 1, {3}},
      {"a =\n/* c */\n#pragma x\n{\n4 }", kOk, 5, {4}},
  };
  for (const Case& c : cases) ExpectRead(c);
}

TEST(ReadCArray, BadValuesStopWithTheirLine) {
  using namespace std::string_literals;
  const Case cases[] = {
      {"a = {1,\n256}", ReadStatus::ValueOutOfRange, 2, {1}},
      {"a = {0x100}", ReadStatus::ValueOutOfRange, 1, {}},
      {"a = {0b111111111}", ReadStatus::ValueOutOfRange, 1, {}},
      {"a = {0400}", ReadStatus::ValueOutOfRange, 1, {}},
      {"a = {1, -1}", ReadStatus::ValueOutOfRange, 1, {1}},
      {"a = {\n\n0xZZ}", ReadStatus::NotANumber, 3, {}},
      {"a = {1, FOO}", ReadStatus::NotANumber, 1, {1}},
      {"a = {B2}", ReadStatus::NotANumber, 1, {}},
      {"a = {B000000000}", ReadStatus::NotANumber, 1, {}},
      {"a = {08}", ReadStatus::NotANumber, 1, {}},
      {"a = {0x}", ReadStatus::NotANumber, 1, {}},
      {"a = {1uu}", ReadStatus::NotANumber, 1, {}},
      {"a = {1'}", ReadStatus::NotANumber, 1, {}},
      {"a = {'A'}", ReadStatus::NotANumber, 1, {}},
      {"a = {\"s\"}", ReadStatus::NotANumber, 1, {}},
      {"a = {1 2}", ReadStatus::NotANumber, 1, {1}},
      {"a = {1,,2}", ReadStatus::NotANumber, 1, {1}},
      {"a = {,}", ReadStatus::NotANumber, 1, {}},
      {"a = {1 + 2}", ReadStatus::NotANumber, 1, {1}},
      {"a = {(uint8_t *)1}", ReadStatus::NotANumber, 1, {}},
      {"a = {(uint8_t)}", ReadStatus::NotANumber, 1, {}},
      {"a = {1{2}}", ReadStatus::NotANumber, 1, {1}},
      {"a = {1/2}", ReadStatus::NotANumber, 1, {1}},
      {"a = {" + std::string(65, '0') + "}", ReadStatus::NotANumber, 1, {}},
      {"a = {1,\n2", ReadStatus::UnclosedArray, 2, {1}},
      {"a = {{1}", ReadStatus::UnclosedArray, 1, {1}},
      {"a = {1 /* 2 }", ReadStatus::UnclosedBlockComment, 1, {1}},
      {"#define A {1}\nstruct s { int a; };\n", ReadStatus::NoArray, 3, {}},
      {"", ReadStatus::NoArray, 1, {}},
      {"a = 5; b = \"{\n= {1}", kOk, 2, {1}},
      // A NUL byte ends the value in front of it first, in any block.
      {"a = {1,2\0"s, ReadStatus::BinaryData, 1, {1, 2}},
      {"a = {1,g\0"s, ReadStatus::NotANumber, 1, {1}},
      {"a = {\n A/\0"s, ReadStatus::NotANumber, 2, {}},
  };
  for (const Case& c : cases) ExpectRead(c);
}

TEST(ReadCArray, NegativeStoreLimitAndBlocks) {
  const test::ReadBack neg = test::ReadCText("a = {0x00, 0xF0, 0x5A};", 0);
  EXPECT_EQ(Head(neg.store, 4), (Bytes{0xFF, 0x0F, 0xA5, kUntouched}));

  std::string full = "const uint8_t f[] = {";
  for (std::size_t i = 0; i < kFontStoreValues; ++i) full += "0x3C,";
  EXPECT_EQ(test::ReadCText(full + "};").result, (ReadResult{kOk, kFontStoreValues, {}, 1, 80667}));
  EXPECT_EQ(test::ReadCText(full + "1};").result,
            (ReadResult{ReadStatus::StoreFull, kFontStoreValues, {}, 1, 80667}));

  const std::string text =
      "/* a */ // b\r#define X \\\r\n 1\nconst uint8_t f[2][2] PROGMEM =\r\n{ {0x01, 2u},\n"
      "/* ** */ {(uint8_t) 003, 0b100} };";
  const test::ReadBack whole = test::ReadCText(text);
  EXPECT_EQ(whole.result, (ReadResult{kOk, 4, {}, 6, 33}));
  EXPECT_EQ(Head(whole.store, 4), (Bytes{1, 2, 3, 4}));
  for (std::size_t step : {1, 2, 3, 7}) {
    test::Store store = test::FilledStore();
    test::TricklingSource in(text, step);
    EXPECT_EQ(ReadCArray(in, -1, store), whole.result) << step;
    EXPECT_EQ(store, whole.store) << step;
  }
}

// What WriteCHeader writes reads back to the same bytes, in every cell, scan
// and polarity, with and without pictures and flash attributes.
TEST(ReadCArray, ReadsWhatWriteCHeaderWrites) {
  struct Cell {
    int ncol, nstr;
  };
  const Cell cells[] = {{6, 8}, {8, 8}, {12, 16}, {16, 16}, {16, 24}, {24, 16}, {24, 24}};
  int variant = 0;
  for (const Cell& cell : cells) {
    for (int vert : {1, 0}) {
      if (vert == 0 && cell.ncol % 8 != 0) continue;
      for (bool negative : {false, true}) {
        const std::size_t count =
            static_cast<std::size_t>(test::Cell(cell.ncol, cell.nstr, vert).BytesPerGlyph()) * 224;
        Bytes glyphs(count);
        for (std::size_t i = 0; i < count; ++i) {
          glyphs[i] = static_cast<std::uint8_t>((i * 131 + 7 * variant) >> 2);
        }
        const CHeaderOptions options{"font", static_cast<FlashAttribute>(variant % 3),
                                     variant % 2 == 0};
        ++variant;
        const std::string header = WriteCHeader(glyphs, cell.ncol, cell.nstr, vert, negative,
                                                test::TestCharacters(), options);
        const test::ReadBack r = test::ReadCText(header, negative ? 0 : -1);
        EXPECT_EQ(r.result.status, kOk) << cell.ncol << "x" << cell.nstr << " " << r.result;
        EXPECT_EQ(r.result.valuesStored, count);
        EXPECT_EQ(Head(r.store, count), glyphs) << cell.ncol << "x" << cell.nstr;
        EXPECT_EQ(r.store[count], kUntouched);
      }
    }
  }
  // The GFX header's first array is its bitmaps, each cropped to its ink.
  const test::TestFont f = test::MakeFont(8, 8, 1, {{0x20, "#.......\n.......#\n"}});
  const test::ReadBack gfx = test::ReadCText(WriteGfxHeader(
      f.glyphs, Layout::Classic(8, 8, Scan::Vertical), test::TestCharacters(), {"g"}));
  EXPECT_EQ(gfx.result.valuesStored, 2U);
  EXPECT_EQ(Head(gfx.store, 2), (Bytes{0x80, 0x01}));
}

// Through the file source the import uses: high bytes, a megabyte-long
// comment and a string that never closes do not hide the array or stop it;
// a NUL byte stops the reading at once.
TEST(ReadCArray, HostileFileThroughTheFileSource) {
  using namespace std::string_literals;
  test::TempFolder dir;
  const std::string text = "\xFF\x80 \" = {9}\n/*"s + std::string(1 << 20, '*') +
                           "/ // \\\n = {8}\n' = {7}\r\nx = {\n0x01,\0"s;
  FileByteSource in(dir.Write("junk.h", text));
  test::Store store = test::FilledStore();
  EXPECT_EQ(ReadCArray(in, -1, store), (ReadResult{ReadStatus::BinaryData, 1, {}, 6, 6}));
  EXPECT_EQ(Head(store, 2), (Bytes{0x01, kUntouched}));

  FileByteSource missing(dir / "missing.h");
  EXPECT_EQ(ReadCArray(missing, -1, store).status, ReadStatus::ReadFailure);
}

TEST(IsCSourcePath, ExtensionsOfCAndCpp) {
  for (const char* path : {"font.c", "FONT.H", "a/b.cpp", "c:\\x\\font.hpp", "f.cc", "f.hh",
                           "f.cxx", "f.hxx", "f.c++", "f.H++", "sketch.ino", "Font08x08vp.h"}) {
    EXPECT_TRUE(IsCSourcePath(path)) << path;
  }
  for (const char* path : {"Font08x08vp", "font.fnt", "font.inc", "font.asm", "font.txt",
                           "dir.c/font", "dir.h\\font", ".h", "font.", "font.ch"}) {
    EXPECT_FALSE(IsCSourcePath(path)) << path;
  }
}

}  // namespace
}  // namespace zg
