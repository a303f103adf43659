// Tables as firmware projects write them, read as raw values: assembler,
// BASIC, BASCOM and C in their own notations, the arrays of a C file, and
// the place of every fault.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fontfile/fontfile.h"

namespace zg {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The letter A of an 8 x 8 cell in rows, the leftmost pixel in bit 7.
constexpr const char* kLetterA =
    "..##....\n"
    ".#..#...\n"
    "#....#..\n"
    "######..\n"
    "#....#..\n"
    "#....#..\n"
    "#....#..\n"
    "........\n";

// Bytes as rows of pixels, so that a table is read as its picture.
std::string Picture(const Bytes& rows) {
  std::string text;
  for (const std::uint8_t row : rows) {
    for (int bit = 7; bit >= 0; --bit) text += ((row >> bit) & 1) != 0 ? '#' : '.';
    text += '\n';
  }
  return text;
}

TableValues Read(const std::string& text, SourceKind kind, std::string_view array = {}) {
  MemoryByteSource in(text);
  return ReadTableValues(in, kind, array);
}

TEST(ReadTableValues, EachStyleGivesTheSameLetter) {
  struct Style {
    const char* what;
    SourceKind kind;
    std::string text;
  };
  const Style styles[] = {
      {"assembler, indented keywords in any case and every number notation", SourceKind::FontSource,
       "; letter A\n"
       "letter_a:\n"
       "    .db 0x30, 72\t; decimal\n"
       "\tDb $84, 0FCh\t\t; a tab before the comment\n"
       "  DEFB %10000100, 0b10000100\n"
       "  .BYTE 132 , 00h\n"},
      {"BASIC", SourceKind::FontSource,
       "' letter A\r\nDATA &H30, &h48, &H84, &HFC\r\ndata &B10000100, &H84, &H84, &H0\r\n"},
      {"BASCOM directives around the table", SourceKind::FontSource,
       "$regfile = \"m8def.dat\"\n"
       "Letter:\n"
       "$asm\n"
       "db 48 , 72 , 132 , 252\n"
       "db 132 , 132 , 132 , 0\n"
       "$end asm\n"},
      {"C structure with a header group, #define and #if", SourceKind::CSource,
       "#define FONTDATAMAX 8\n"
       "struct font_data { unsigned extra[4]; const unsigned char data[FONTDATAMAX]; };\n"
       "static const struct font_data letter_a = { { 0, 0, FONTDATAMAX, 0 }, {\n"
       "#if 1\n"
       "\t0x30, 0x48, 0x84, 0xfc,\n"
       "#endif\n"
       "\t0x84, 0x84, 0x84, 0x00,\n"
       "} };\n"},
  };
  for (const Style& s : styles) {
    const TableValues t = Read(s.text, s.kind);
    EXPECT_EQ(t.result.status, ReadStatus::Completed) << s.what << ": " << t.result;
    EXPECT_EQ(Picture(t.values), kLetterA) << s.what;
  }
}

TEST(ReadTableValues, NotationsAndLinesOfAssemblerAndBasic) {
  struct Case {
    const char* text;
    Bytes values;  // all of them, or those before the syntax error
    bool ok;
  };
  const Case cases[] = {
      {"db 255,0,7,10", {255, 0, 7, 10}, true},
      {"db 0x7,$F,7h,0FFh,&hA,0x1B,$1b,&h1B", {7, 15, 7, 255, 10, 27, 27, 27}, true},
      {"db %1,0b11,0B100,&b1000,10000b,0Bh", {1, 3, 4, 8, 16, 0x0B}, true},
      {"defb 1\ndefB 2\n.byte 3\n.Db 4", {1, 2, 3, 4}, true},
      // A keyword of the other spellings needs a blank: "DBh" is a value.
      {"DBh,db 1", {0xDB}, false},
      {"DBh", {0xDB}, true},
      {"   \t \n\t", {}, true},
      {"  /* block\n0x01\n*/\n0x02", {2}, true},
      // "$" and three letters, one beyond F: a directive. Others are values.
      {"$asm\n$crystal = 8000000\n$0A,$ff", {0x0A, 0xFF}, true},
      {"$FAB", {}, false},
      {"$GG", {}, false},
      // Beyond a byte, or beyond the notations.
      {"db 256", {}, false},
      {"db 0x100", {}, false},
      {"db %111111111", {}, false},
      {"db 1,-1", {1}, false},
      {"db 0b2", {}, false},
      {"db 012b", {}, false},
      {"db 1.5", {}, false},
      {"0X1F", {}, false},
  };
  for (const Case& c : cases) {
    const TableValues t = Read(c.text, SourceKind::FontSource);
    EXPECT_EQ(t.result.status == ReadStatus::Completed, c.ok) << c.text << ": " << t.result;
    EXPECT_EQ(t.values, c.values) << c.text;
  }
}

// Three arrays and a structure of pointers, as font libraries ship them.
constexpr const char* kLibrary =
    "#include <avr/pgmspace.h>\n"
    "#define FONT_SIZE 8\n"
    "const uint8_t widths[] PROGMEM = { 5, 5 };\n"
    "typedef struct { const uint8_t *bits; uint8_t first; } Font;\n"
    "static const Font font_desc = { font8x8, 0x20 };\n"
    "static const unsigned char U8X8_PROGMEM font8x8[FONT_SIZE]\n"
    "    __attribute__((section(\".progmem.font\"), aligned(2))) = {\n"
    "  0x30, 0x48, 0x84, 0xFC, 0x84, 0x84, 0x84, 0x00 };\n"
    "const char *names[] = { \"a\" };\n"
    "static const struct font_data letter_a = { { 0, 0, FONTDATAMAX, 0 }, { 1, 2, 3 } };\n";

TEST(ListCArrays, NamesTheArraysThatHoldBytes) {
  MemoryByteSource in(kLibrary);
  const CArrayList list = ListCArrays(in);
  EXPECT_EQ(list.result.status, ReadStatus::Completed) << list.result;
  EXPECT_EQ(list.arrays,
            (std::vector<CArrayInfo>{{"widths", 2, 3}, {"font8x8", 8, 7}, {"letter_a", 3, 10}}));

  EXPECT_EQ(Picture(Read(kLibrary, SourceKind::CSource, "font8x8").values), kLetterA);
  EXPECT_EQ(Read(kLibrary, SourceKind::CSource, "letter_a").values, (Bytes{1, 2, 3}));
  EXPECT_EQ(Read(kLibrary, SourceKind::CSource).values, (Bytes{5, 5}));
  // The structure of pointers is no table, asked for or not.
  EXPECT_EQ(Read(kLibrary, SourceKind::CSource, "font_desc").result.status, ReadStatus::NotANumber);
  EXPECT_EQ(Read(kLibrary, SourceKind::CSource, "font").result.status, ReadStatus::NoSuchArray);
}

TEST(ReadTableValues, RefusesMoreThanATableHolds) {
  std::string text;
  for (std::size_t i = 0; i <= kMaxTableValues; ++i) text += "1,";
  const TableValues t = Read("a[] = {" + text + "};", SourceKind::CSource);
  EXPECT_EQ(t.result.status, ReadStatus::TooManyValues);
  EXPECT_EQ(t.values.size(), kMaxTableValues);
  EXPECT_EQ(Read(text, SourceKind::FontSource).result.status, ReadStatus::TooManyValues);
}

// Where a reading stops, as LINE:COLUMN, for both readers.
TEST(ReadResult, NamesTheLineAndColumnOfAFault) {
  using namespace std::string_literals;
  struct Case {
    SourceKind kind;
    std::string text;
    ReadStatus status;
    std::string place;
  };
  const SourceKind kFont = SourceKind::FontSource;
  const SourceKind kC = SourceKind::CSource;
  const Case cases[] = {
      {kFont, "Data &h01,&h02\r\nData &h7Q\r\n", ReadStatus::SyntaxError, "2:6"},
      {kFont, "\t.db 0x01,  0x1FF ; x", ReadStatus::SyntaxError, "1:13"},
      {kFont, "0x01,,0x02", ReadStatus::SyntaxError, "1:6"},
      {kFont, "  ' note\n  Font:  0x01", ReadStatus::SyntaxError, "2:10"},
      {kFont, "0x01\n/* open\n0x02\n", ReadStatus::UnclosedBlockComment, "2:1"},
      {kFont, std::string(100, '\0'), ReadStatus::SyntaxError, "1:1"},
      {kFont, "db 1," + std::string(300, 'x'), ReadStatus::SyntaxError, "1:6"},
      {kC, "const char f[] = {\n  1, 2,\n  300 };\n", ReadStatus::ValueOutOfRange, "3:3"},
      {kC, "a = {1, FOO}", ReadStatus::NotANumber, "1:9"},
      {kC, "a = {1, -1}", ReadStatus::ValueOutOfRange, "1:9"},
      {kC, "a = {1,\n\t\0}"s, ReadStatus::BinaryData, "2:2"},
      {kC, "a = {1,\r\n 2", ReadStatus::UnclosedArray, "2:3"},
  };
  for (const Case& c : cases) {
    const ReadResult r = Read(c.text, c.kind).result;
    EXPECT_EQ(r.status, c.status) << c.text;
    EXPECT_EQ(std::to_string(r.line) + ":" + std::to_string(r.column), c.place) << c.text;
  }
}

}  // namespace
}  // namespace zg
