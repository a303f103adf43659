#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "fontfile/fontfile.h"
#include "fontfile_test_util.h"

namespace zg {
namespace {

struct Cell {
  int ncol;
  int nstr;
  int cb;
};
constexpr Cell kCells[] = {{6, 8, 6},    {8, 8, 8},    {12, 16, 24}, {16, 16, 32},
                           {16, 24, 48}, {24, 16, 48}, {24, 24, 72}};

// What the save command and the import do with a font, minus the dialogs: the
// file is written under its proposed name, and the polarity read back from
// that name undoes the complement.
TEST(FontSourceRoundTrip, EveryCellScanPolarityAndFormat) {
  std::mt19937 random(20240607);
  std::uniform_int_distribution<int> byte(0, 255);
  int files = 0;
  for (const Cell& cell : kCells) {
    for (int vert : {1, 0}) {
      if (vert == 0 && cell.ncol % 8 != 0) continue;
      for (bool negative : {false, true}) {
        const std::string path =
            "/fonts/" +
            DefaultFontFileName(Layout::Classic(cell.ncol, cell.nstr, ScanOf(vert)), negative);
        const std::optional<FontFileParams> params = ParseFontFileName(path);
        ASSERT_TRUE(params) << path;
        ASSERT_EQ(*params, (FontFileParams{static_cast<std::int16_t>(cell.ncol),
                                           static_cast<std::int16_t>(cell.nstr),
                                           static_cast<std::int16_t>(vert),
                                           static_cast<std::int16_t>(negative ? 0 : -1)}));
        for (const char* lineFormat : {"Data code", ".Db code", "Code"}) {
          for (const char* numberFormat : {"&hNN", "0xNN", "$NN", "#NN", "NNh"}) {
            test::Store written;
            for (auto& b : written) b = static_cast<std::uint8_t>(byte(random));
            const std::string text =
                WriteFontSource(written, cell.cb, LineKeyword(lineFormat), numberFormat, negative);
            const std::size_t count = static_cast<std::size_t>(cell.cb) * 224;

            test::Store read = test::FilledStore();
            MemoryByteSource in(text);
            const ReadResult result = ReadFontSource(in, params->pos, read);
            const std::string what = path + " " + lineFormat + " " + numberFormat;
            ASSERT_EQ(result, (ReadResult{ReadStatus::Completed, count, {}})) << what;
            ASSERT_EQ(test::Head(read, count), test::Head(written, count)) << what;
            ASSERT_EQ(read[count], test::kUntouched) << what;
            ++files;
          }
        }
      }
    }
  }
  EXPECT_EQ(files, 12 * 2 * 3 * 5);
}

}  // namespace
}  // namespace zg
