#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "fontfile/fontfile.h"
#include "fontfile_test_util.h"

namespace zg {
namespace {

using test::Head;
using test::kUntouched;
using test::ReadText;
using Bytes = std::vector<std::uint8_t>;

struct LineCase {
  std::string text;
  ReadStatus status;
  Bytes stored;
};

void ExpectRead(const LineCase& c, int pos = -1) {
  const test::ReadBack r = ReadText(c.text, pos);
  EXPECT_EQ(r.result.status, c.status) << "'" << c.text << "'";
  EXPECT_EQ(r.result.valuesStored, c.stored.size()) << "'" << c.text << "'";
  EXPECT_EQ(Head(r.store, c.stored.size()), c.stored) << "'" << c.text << "'";
  EXPECT_EQ(r.store[c.stored.size()], kUntouched) << "'" << c.text << "'";
}

constexpr ReadStatus kOk = ReadStatus::Completed;
constexpr ReadStatus kSyntax = ReadStatus::SyntaxError;

TEST(ReadFontSource, SingleLines) {
  const LineCase cases[] = {
      {"Data 0x01,0x02 ; comment", kOk, {0x01, 0x02}},
      {"Data 0x01,0x02, ; comment", kOk, {0x01, 0x02}},
      {"0x01, 0x02", kOk, {0x01, 0x02}},
      {"0x01,,0x02", kSyntax, {0x01}},
      {".db $0A,#0B,&h0C,&H0D,0x0E,0Fh,0F0h,F1h",
       kOk,
       {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0xF0, 0xF1}},
      {"$ff,#ff,0xff,ffH,xFFh", kSyntax, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"Data", kSyntax, {}},
      {"  ", kOk, {}},
      {" ", kOk, {}},
      {"", kOk, {}},
      {"0XFF", kSyntax, {}},
      {"255", kOk, {255}},
      {"0x7", kOk, {0x07}},
      {"&hFFF", kSyntax, {}},
      {"123h", kSyntax, {}},
      {"$GG", kSyntax, {}},
      {"0x01,0x1h,0x02", kSyntax, {0x01}},
      {"DATA 0x01", kOk, {0x01}},
      {".DB 0x01", kOk, {0x01}},
      // Keyword exactly at the start, glued to the value or not.
      {"Data0x01", kOk, {0x01}},
      {".db0x01", kOk, {0x01}},
      {"Data   0x01  ,  0x02  ", kOk, {0x01, 0x02}},
      {" Data 0x01", kOk, {0x01}},
      {"Database", kSyntax, {}},
      {"D", kSyntax, {}},
      {"Dat,0x01", kSyntax, {}},
      {".d", kSyntax, {}},
      {"Data ;0x01", kOk, {}},
      // A comma at the end of a line, as C tables have them.
      {"0x01,", kOk, {0x01}},
      {"0x01, 0x02,  ", kOk, {0x01, 0x02}},
      {"0x01,;", kOk, {0x01}},
      {",", kSyntax, {}},
      {"0x01,,", kSyntax, {0x01}},
      // A comment character ends the value in front of it, which must be one.
      {"0x01,0x02/0x03", kOk, {0x01, 0x02}},
      {"0x01,0x02 '", kOk, {0x01, 0x02}},
      {"&H7C , &H12  'A", kOk, {0x7C, 0x12}},
      {"0x01, ; note", kOk, {0x01}},
      {"0x01,&hZZ ;", kSyntax, {0x01}},
      {"0x01,0x02 and a very long unfinished value ;", kSyntax, {0x01}},
      {"0x01,0x02 0x03;", kSyntax, {0x01}},
      {"Dat;", kSyntax, {}},
      {" ;0x01", kOk, {}},
      // A line of only a label is skipped; values after one are not taken.
      {"Font8x8:", kOk, {}},
      {"_font_8x8: ; 8 x 8", kOk, {}},
      {" Glyphs:  'table", kOk, {}},
      {"Data:", kOk, {}},
      {".db_font.a:/", kOk, {}},
      {"Font8x8: 0x01", kSyntax, {}},
      {"Font8x8:0x01", kSyntax, {}},
      {"Font8x8:\t", kOk, {}},
      {"Font 8x8:", kSyntax, {}},
      {"Data :", kSyntax, {}},
      {"Fo-nt:", kSyntax, {}},
      {":", kSyntax, {}},
      {"0x01,Font:", kSyntax, {0x01}},
      // Comment lines.
      {"; 0x01", kOk, {}},
      {"' 0x01", kOk, {}},
      {"/ 0x01", kOk, {}},
      {"/", kOk, {}},
      {"//0x01", kOk, {}},
      // Blanks and tabs are white space, nothing else.
      {"0x01\t", kOk, {0x01}},
      {"\t0x01", kOk, {0x01}},
      {"0 x1", kSyntax, {}},
      {"0x01 0x02", kSyntax, {}},
  };
  for (const LineCase& c : cases) ExpectRead(c);
}

// Tables as firmware sources carry them: a label line, then one glyph a line
// with its character in a comment.
TEST(ReadFontSource, CommentedTablesInBasicAndAssembler) {
  const std::string basic =
      "' digits, 6 x 8 vertical\r\n"
      "Digits:\r\n"
      "Data &H3E , &H51 , &H49 , &H45 , &H3E , &H00  '0\r\n"
      "Data &H00 , &H42 , &H7F , &H40 , &H00 , &H00  '1\r\n"
      "Data &H62 , &H51 , &H49 , &H49 , &H46 , &H00  '2\r\n";
  ExpectRead({basic,
              kOk,
              {0x3E, 0x51, 0x49, 0x45, 0x3E, 0x00, 0x00, 0x42, 0x7F, 0x40, 0x00, 0x00, 0x62, 0x51,
               0x49, 0x49, 0x46, 0x00}});
  const std::string assembler =
      "; arrows, 8 x 8 horizontal\n"
      "_arrows_8x8: ; right, left\n"
      ".db 0x10,0x18,0xFC,0xFE,0xFC,0x18,0x10,0x00 ; >\n"
      ".db 0x10,0x30,0x7E,0xFE,0x7E,0x30,0x10,0x00 ; <\n";
  ExpectRead({assembler,
              kOk,
              {0x10, 0x18, 0xFC, 0xFE, 0xFC, 0x18, 0x10, 0x00, 0x10, 0x30, 0x7E, 0xFE, 0x7E, 0x30,
               0x10, 0x00}});
}

TEST(ReadFontSource, NegativeStoresTheComplement) {
  ExpectRead({"0x00,&hF0,#5A", kOk, {0xFF, 0x0F, 0xA5}}, 0);
  ExpectRead({"0x00,&hF0,#5A", kOk, {0x00, 0xF0, 0x5A}}, -1);
}

TEST(ReadFontSource, BinaryContentIsUnrecognisedOrComment) {
  using namespace std::string_literals;
  ExpectRead({"0x01,\0\0"s, kSyntax, {0x01}});
  ExpectRead({"0x01,\x80\xFF\xFE"s, kSyntax, {0x01}});
  ExpectRead({";\0\x80\xFF\r\n/*\0\r\n\xFF*/\r\n0x02"s, kOk, {0x02}});
  ExpectRead({"0x01,0x02;\0\xFF"s, kOk, {0x01, 0x02}});
}

TEST(ReadFontSource, BlockComments) {
  const LineCase cases[] = {
      {"0x01\r\n/* start\r\n0x02\r\nData 0x03\r\nend */\r\n0x04\r\n", kOk, {0x01, 0x04}},
      {"/* one line */\r\n0x05\r\n", kOk, {0x05}},
      {"/*/\r\n0x06\r\n", kOk, {0x06}},
      {"/*\r\n*/\r\n0x07\r\n", kOk, {0x07}},
      // The closing "*/" must be the last two characters of a line.
      {"/*\r\n*/ 0x01\r\n 0x02 */\r\n0x08", kOk, {0x08}},
      {"/*\r\n*/ \r\n*/\r\n0x09", kOk, {0x09}},
      // "/*" on a data line is a comment character, not a block.
      {"0x0A /* x\r\n0x0B", kOk, {0x0A, 0x0B}},
      // Blank and empty lines inside a block do not end it.
      {"/*\r\n\r\n \r\n*/\r\n0x0C", kOk, {0x0C}},
      // A closing line at the very end, without a line end.
      {"0x0D\r\n/*\r\nx */", kOk, {0x0D}},
      {"0x0E\r\n/*\r\n0x0F\r\n", ReadStatus::UnclosedBlockComment, {0x0E}},
      {"/* never closed", ReadStatus::UnclosedBlockComment, {}},
      {"/*", ReadStatus::UnclosedBlockComment, {}},
      {"/*\r\n*", ReadStatus::UnclosedBlockComment, {}},
  };
  for (const LineCase& c : cases) ExpectRead(c);
}

TEST(ReadFontSource, BlankLinesAndCommentsOnlyComplete) {
  ExpectRead({"0x01\r\n\r\n \r\n\r\n0x02\r\n\r\n", kOk, {0x01, 0x02}});
  ExpectRead({"; header\r\n' more\r\n/* block */\r\n\r\n", kOk, {}});
}

TEST(ReadFontSource, EveryLineEndSeparatesLines) {
  for (const char* eol : {"\r\n", "\r", "\n"}) {
    const std::string e = eol;
    ExpectRead({"0x01" + e + "0x02" + e + "/*" + e + "0x03" + e + "*/" + e + "0x04" + e,
                kOk,
                {0x01, 0x02, 0x04}});
  }
  // Mixed, and CR LF counted once: the "*/" line is not followed by a line of its own.
  ExpectRead({"0x01\n0x02\r0x03\r\n\n\r0x04\r\r\n0x05", kOk, {0x01, 0x02, 0x03, 0x04, 0x05}});
  ExpectRead({"/*\n\r*/\n\r0x01", kOk, {0x01}});
}

TEST(ReadFontSource, BlockBoundariesDoNotMatter) {
  const std::string texts[] = {
      "Data 0x01,0x02 ; c\r\nData &h03,  $04 ,0Fh\r\n/* x\r\n y */\r\n.db 0A0h\r\n \r\n",
      "/*/\r\n0x01\r\n/*\r\n*\r\n/\r\n*/\r\n0x02,,",
      "Dat\r\n",
      "Font8x8:\r\nData &H7C , &H12 'A\r\n_x.y: ; z\r\n.db 0x01,0x02 ; B\r\n",
      "0x01\r\n\n\r\r\n0x02 \r",
      ".db #01,#02,#03,#04,#05,#06,#07,#08,#09,#10,#11,#12\n' end",
  };
  for (const std::string& text : texts) {
    const test::ReadBack whole = ReadText(text);
    for (std::size_t step : {1, 2, 3, 5}) {
      test::Store store = test::FilledStore();
      test::TricklingSource in(text, step);
      EXPECT_EQ(ReadFontSource(in, -1, store), whole.result) << "step " << step << ": " << text;
      EXPECT_EQ(store, whole.store) << "step " << step << ": " << text;
    }
  }
}

std::string Values(std::size_t n, const char* value) {
  std::string text;
  for (std::size_t i = 0; i < n; ++i) {
    text += value;
    text += (i % 8 == 7) ? "\r\n" : ",";
  }
  if (!text.empty()) text.back() = '\n';
  return text;
}

TEST(ReadFontSource, StoreHoldsExactly16129Values) {
  {
    const test::ReadBack r = ReadText(Values(16129, "0x3C"));
    EXPECT_EQ(r.result, (ReadResult{kOk, 16129, {}}));
    EXPECT_EQ(r.store, test::FilledStore(0x3C));
  }
  {
    const test::ReadBack r = ReadText(Values(16130, "0x3C"));
    EXPECT_EQ(r.result, (ReadResult{ReadStatus::StoreFull, 16129, {}, 2017, 6}));
    EXPECT_EQ(r.store, test::FilledStore(0x3C));
  }
  // The value is examined before the index: a bad 16130th value is a syntax error.
  EXPECT_EQ(ReadText(Values(16129, "0x3C") + "0xZZ").result.status, kSyntax);

  // A larger span still takes only 16129 values; a smaller one fills up sooner.
  // Neither is written outside what was given.
  std::vector<std::uint8_t> guarded(kFontStoreValues + 64, kUntouched);
  const std::string many = Values(20000, "#01");
  MemoryByteSource big(many);
  EXPECT_EQ(ReadFontSource(big, -1, std::span(guarded).subspan(16, kFontStoreValues + 32)),
            (ReadResult{ReadStatus::StoreFull, 16129, {}, 2017, 5}));
  for (std::size_t i = 0; i < guarded.size(); ++i) {
    const bool inside = i >= 16 && i < 16 + kFontStoreValues;
    ASSERT_EQ(guarded[i], inside ? 0x01 : kUntouched) << i;
  }
  std::vector<std::uint8_t> small(12, kUntouched);
  const std::string few = Values(20, "#02");
  MemoryByteSource some(few);
  EXPECT_EQ(ReadFontSource(some, -1, std::span(small).subspan(2, 8)),
            (ReadResult{ReadStatus::StoreFull, 8, {}, 2, 1}));
  EXPECT_EQ(small, (Bytes{kUntouched, kUntouched, 2, 2, 2, 2, 2, 2, 2, 2, kUntouched, kUntouched}));
}

TEST(ReadFontSource, ShortFileLeavesLaterBytesAlone) {
  // 1344 values read for an 8 x 8 font: glyphs 168..223 keep their bytes.
  const test::ReadBack r = ReadText(Values(1344, "&h7E"));
  EXPECT_EQ(r.result, (ReadResult{kOk, 1344, {}}));
  for (std::size_t i = 0; i < r.store.size(); ++i) {
    ASSERT_EQ(r.store[i], i < 1344 ? 0x7E : kUntouched) << i;
  }
}

// Gives its text, then fails the way a disk or network read can.
class FailingSource final : public ByteSource {
 public:
  explicit FailingSource(std::string_view data) : data_(data) {}
  ByteChunk Read(std::span<char> buffer) override {
    if (data_.empty()) return {0, std::string("Input/output error")};
    const std::size_t n = std::min(buffer.size(), data_.size());
    std::copy_n(data_.data(), n, buffer.data());
    data_.remove_prefix(n);
    return {n, std::nullopt};
  }

 private:
  std::string_view data_;
};

TEST(ReadFontSource, ReadFailureKeepsWhatWasStored) {
  test::Store store = test::FilledStore();
  FailingSource in("0x01,0x02\r\n0x03");
  EXPECT_EQ(ReadFontSource(in, -1, store),
            (ReadResult{ReadStatus::ReadFailure, 2, "Input/output error"}));
  EXPECT_EQ(Head(store, 3), (Bytes{0x01, 0x02, kUntouched}));
}

TEST(FileByteSource, ReportsTheSystemsDescription) {
  test::Store store = test::FilledStore();
  FileByteSource missing(test::DataPath("no-such-font.fnt"));
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_EQ(missing.OpenError(), std::strerror(ENOENT));
  EXPECT_EQ(ReadFontSource(missing, -1, store),
            (ReadResult{ReadStatus::ReadFailure, 0, std::strerror(ENOENT)}));

  // A folder opens but cannot be read.
  FileByteSource folder(ZG_TEST_DATA_DIR);
  EXPECT_EQ(ReadFontSource(folder, -1, store),
            (ReadResult{ReadStatus::ReadFailure, 0, std::strerror(EISDIR)}));
  EXPECT_EQ(store, test::FilledStore());
}

// Hands out `size` bytes of a repeating pattern without holding them.
class PatternSource final : public ByteSource {
 public:
  PatternSource(std::string_view head, char fill, std::size_t fillCount, std::string_view tail)
      : head_(head), fill_(fill), fillLeft_(fillCount), tail_(tail) {}
  ByteChunk Read(std::span<char> buffer) override {
    std::size_t n = 0;
    auto take = [&](std::string_view& part) {
      const std::size_t k = std::min(part.size(), buffer.size() - n);
      std::copy_n(part.data(), k, buffer.data() + n);
      part.remove_prefix(k);
      n += k;
    };
    take(head_);
    const std::size_t k = std::min(fillLeft_, buffer.size() - n);
    std::fill_n(buffer.data() + n, k, fill_);
    fillLeft_ -= k;
    n += k;
    if (fillLeft_ == 0) take(tail_);
    return {n, std::nullopt};
  }

 private:
  std::string_view head_;
  char fill_;
  std::size_t fillLeft_;
  std::string_view tail_;
};

void ExpectStreamed(PatternSource in, const ReadResult& expected, Bytes stored) {
  test::Store store = test::FilledStore();
  EXPECT_EQ(ReadFontSource(in, -1, store), expected);
  stored.push_back(kUntouched);
  EXPECT_EQ(Head(store, stored.size()), stored);
}

TEST(ReadFontSource, HugeLinesAndCommentsStream) {
  constexpr std::size_t kHuge = 8 * 1024 * 1024;
  // Megabytes of blanks around a value are trimmed away.
  ExpectStreamed({"0x01", ' ', kHuge, ",0x02\r\n"}, {kOk, 2, {}}, {0x01, 0x02});
  // One enormous value is too long to be anything.
  ExpectStreamed({"0x01,0x0", 'F', kHuge, "\r\n"}, {kSyntax, 1, {}, 1, 6}, {0x01});
  // A long comment line and a long block comment are skipped.
  ExpectStreamed({"; ", 'x', kHuge, "\r\n0x03"}, {kOk, 1, {}}, {0x03});
  ExpectStreamed({"/*\r\n", '\n', kHuge, "*/\n0x04"}, {kOk, 1, {}}, {0x04});
  ExpectStreamed({"/*", '*', kHuge, ""}, {ReadStatus::UnclosedBlockComment, 0, {}, 1, 1}, {});
  ExpectStreamed({"/*", '*', kHuge, "/"}, {kOk, 0, {}}, {});
}

}  // namespace
}  // namespace zg
