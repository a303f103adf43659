#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fontfile/fontfile.h"
#include "fontfile_test_util.h"

namespace zg {
namespace {

// Splits at CR LF; fails the test if the text does not end with one or holds a
// stray CR or LF.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text does not end with CR LF";
      break;
    }
    lines.push_back(text.substr(at, end - at));
    EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << "line " << lines.size();
    at = end + 2;
  }
  return lines;
}

TEST(WriteFontSource, FirstLineExamples) {
  const test::Store empty = test::FilledStore(0);
  struct Case {
    int cb;
    const char* lineFormat;
    const char* numberFormat;
    bool negative;
    const char* firstLine;
  };
  const Case cases[] = {
      {6, "Data code", "&hNN", false, "Data &h00,&h00,&h00,&h00,&h00,&h00"},
      {8, ".Db code", "0xNN", false, ".db 0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00"},
      {8, "Code", "NNh", true, "0FFh,0FFh,0FFh,0FFh,0FFh,0FFh,0FFh,0FFh"},
      {32, "Data code", "$NN", false, "Data $00,$00,$00,$00,$00,$00,$00,$00"},
      {24, "data code", "#NN", false, "#00,#00,#00,#00,#00,#00,#00,#00"},
      {48, "Code", "unknown", true, "&hFF,&hFF,&hFF,&hFF,&hFF,&hFF,&hFF,&hFF"},
  };
  for (const Case& c : cases) {
    const std::string text =
        WriteFontSource(empty, c.cb, LineKeyword(c.lineFormat), c.numberFormat, c.negative);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), c.firstLine) << c.lineFormat << " / " << c.numberFormat;
  }
}

TEST(WriteFontSource, LineCountAndShapeForEveryCell) {
  struct Case {
    int cb;
    std::size_t perLine;
    std::size_t lines;
  };
  const Case cases[] = {{6, 6, 224},  {8, 8, 224},   {24, 8, 672},
                        {32, 8, 896}, {48, 8, 1344}, {72, 8, 2016}};
  test::Store store;
  for (std::size_t i = 0; i < store.size(); ++i) store[i] = static_cast<std::uint8_t>(i * 7 + 3);
  for (const Case& c : cases) {
    const std::string text = WriteFontSource(store, c.cb, "Data ", "&hNN", false);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), c.lines) << "cb " << c.cb;
    // "Data " and 4-character values with commas: 34 characters for 6 x 8.
    EXPECT_EQ(lines.front().size(), 5 + c.perLine * 5 - 1) << "cb " << c.cb;
    std::size_t i = 0;
    for (const std::string& line : lines) {
      std::string expected = "Data ";
      for (std::size_t j = 0; j < c.perLine; ++j, ++i) {
        if (j != 0) expected += ',';
        expected += FormatFontValue(store[i], "&hNN");
      }
      ASSERT_EQ(line, expected) << "cb " << c.cb << " value " << i;
    }
  }
}

TEST(WriteFontSource, LargestCellStopsBeforeTheLastStoreByte) {
  test::Store store = test::FilledStore(0x11);
  store[16127] = 0x22;
  store[16128] = 0x33;
  const std::string text = WriteFontSource(store, 72, ".db ", "0xNN", false);
  EXPECT_EQ(Lines(text).size(), 2016U);
  EXPECT_TRUE(text.ends_with(",0x22\r\n"));
  EXPECT_EQ(text.find("0x33"), std::string::npos);

  // A span that ends right after the last glyph byte is enough.
  EXPECT_EQ(WriteFontSource(std::span(store).first(16128), 72, ".db ", "0xNN", false), text);
}

TEST(WriteFontSource, NegativeWritesTheComplementAndLeavesTheStore) {
  test::Store store = test::FilledStore(0);
  store[1] = 0x0F;
  store[2] = 0xA5;
  const test::Store before = store;
  const std::string text = WriteFontSource(store, 8, "Data ", "&hNN", true);
  EXPECT_TRUE(text.starts_with("Data &hFF,&hF0,&h5A,&hFF,")) << text.substr(0, 40);
  EXPECT_EQ(store, before);
}

TEST(WriteFontSource, NeverReadsPastAShortStore) {
  // A store shorter than cb * 224 ends the text early; the last line is still whole.
  const std::vector<std::uint8_t> small(20, 0x01);
  const std::string text = WriteFontSource(small, 8, "", "$NN", false);
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_EQ(lines[2], "$01,$01,$01,$01");
  EXPECT_EQ(WriteFontSource(small, 0, "Data ", "$NN", false), "");
  EXPECT_EQ(WriteFontSource(small, -8, "Data ", "$NN", false), "");
}

}  // namespace
}  // namespace zg
