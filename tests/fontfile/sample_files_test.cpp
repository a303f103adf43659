#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fontfile/fontfile.h"
#include "fontfile_test_util.h"

namespace zg {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The sample fonts are written in "Data code" with "&hNN"; reading one and
// writing it back must reproduce it byte for byte.
TEST(SampleFonts, ReadAndWrittenBackUnchanged) {
  struct Case {
    const char* file;
    int cb;
    std::size_t glyphA;  // store index of glyph 'A' (code 41h)
    Bytes glyphABytes;
  };
  const Case cases[] = {
      {"Font06x08vp.fnt", 6, 33 * 6, {0x7C, 0x12, 0x11, 0x12, 0x7C, 0x00}},
      {"Font08x08vp.fnt", 8, 33 * 8, {0x7C, 0x7E, 0x13, 0x13, 0x7E, 0x7C, 0x00, 0x00}},
      {"Font08x08hp.fnt", 8, 33 * 8, {0x30, 0x78, 0xCC, 0xCC, 0xFC, 0xCC, 0xCC, 0x00}},
      {"Font16x16hp.fnt", 32, 33 * 32, {0x0F, 0x00, 0x0F, 0x00, 0x3F, 0xC0, 0x3F, 0xC0}},
      {"Font16x16vp.fnt", 32, 33 * 32, {0xF0, 0xF0, 0xFC, 0xFC, 0x0F, 0x0F, 0x0F, 0x0F}},
  };
  for (const Case& c : cases) {
    const std::string path = test::DataPath(c.file);
    const std::optional<FontFileParams> params = ParseFontFileName(path);
    ASSERT_TRUE(params) << path;

    test::Store store = test::FilledStore();
    FileByteSource in(path);
    ASSERT_TRUE(in.IsOpen()) << path << ": " << in.OpenError();
    const std::size_t count = static_cast<std::size_t>(c.cb) * 224;
    ASSERT_EQ(ReadFontSource(in, params->pos, store),
              (ReadResult{ReadStatus::Completed, count, {}}))
        << c.file;
    EXPECT_EQ(Bytes(store.begin() + static_cast<std::ptrdiff_t>(c.glyphA),
                    store.begin() + static_cast<std::ptrdiff_t>(c.glyphA + c.glyphABytes.size())),
              c.glyphABytes)
        << c.file;
    EXPECT_EQ(store[count], test::kUntouched) << c.file;

    const std::string written =
        WriteFontSource(store, c.cb, LineKeyword("Data code"), "&hNN", params->pos == 0);
    EXPECT_EQ(written, test::ReadWholeFile(path)) << c.file;
  }
}

}  // namespace
}  // namespace zg
