// Font files the import refuses before FreeType reads them, each with its
// reason: too large, packed too large or in a form not unpacked here, and
// bitmap fonts in a charset the system cannot convert.

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "glyphimport/glyph_renderer.h"
#include "glyphimport_test_util.h"
#include "test_files.h"

namespace zg {
namespace {

GlyphRenderOptions Cell8() {
  GlyphRenderOptions o;
  o.layout = Layout::Classic(8, 8, Scan::Vertical);
  o.pixelSize = 8;
  return o;
}

// A gzip file holding `zeros` zero bytes, deflated a block at a time.
std::string GzipOfZeros(const test::TempFolder& dir, const std::string& name, std::size_t zeros) {
  const std::string path = dir / name;
  gzFile gz = gzopen(path.c_str(), "wb1");
  const std::vector<char> block(1U << 20, 0);
  for (std::size_t left = zeros; left > 0;) {
    const std::size_t n = std::min(left, block.size());
    EXPECT_EQ(gzwrite(gz, block.data(), static_cast<unsigned>(n)), static_cast<int>(n));
    left -= n;
  }
  gzclose(gz);
  return path;
}

GlyphImportError ErrorOf(const std::string& path) {
  const GlyphRenderer::Result r = GlyphRenderer::Open({path, Cell8()});
  EXPECT_FALSE(r) << path;
  return r.failure.error;
}

TEST(RefusedFontFiles, TooLargeFilesAreRefusedUnread) {
  // A sparse file: its size is checked, never its bytes.
  const test::TempFolder dir;
  const std::string huge = dir / "zg_huge.ttf";
  std::ofstream(huge).close();
  std::filesystem::resize_file(huge, kMaxFontFileBytes + 1);
  EXPECT_EQ(ErrorOf(huge), GlyphImportError::TooLarge);
  std::filesystem::remove(huge);
  // A device has no size to check: it is not read at all.
  EXPECT_EQ(ErrorOf("/dev/zero"), GlyphImportError::CannotOpen);
}

TEST(RefusedFontFiles, PackedFontsAreUnpackedWithinTheCap) {
  const test::TempFolder dir;
  const auto zeros = static_cast<std::size_t>(kMaxUnpackedFontBytes);
  EXPECT_EQ(ErrorOf(GzipOfZeros(dir, "zg_bomb.pcf.gz", zeros + 1)),
            GlyphImportError::UnpacksTooLarge);
  // Zeros within the cap unpack, and are no font.
  EXPECT_EQ(ErrorOf(GzipOfZeros(dir, "zg_zeros.pcf.gz", 4096)), GlyphImportError::NotAFont);

  const std::string gz = test::ReadWholeFile(ZG_TEST_DATA_DIR "/Letters8.pcf.gz");
  EXPECT_EQ(ErrorOf(dir.Write("zg_cut.pcf.gz", gz.substr(0, gz.size() / 2))),
            GlyphImportError::NotAFont);
  EXPECT_EQ(ErrorOf(dir.Write("zg_font.pcf.bz2", "BZh91AY&SY")), GlyphImportError::OtherPacking);
  EXPECT_EQ(ErrorOf(dir.Write("zg_font.pcf.Z", std::string("\x1F\x9D\x90", 3))),
            GlyphImportError::OtherPacking);
}

TEST(RefusedFontFiles, ABitmapFontInAnUnknownCharsetIsRefusedByName) {
  const test::TempFolder dir;
  const std::vector<std::string> bar(8, "...#....");
  const std::string path =
      testing::WriteBdf(dir, "zg_jisx0201", 8, 1, {{0x41, bar}, {0xB1, bar}}, "JISX0201.1976", "0");
  const GlyphRenderer::Result r = GlyphRenderer::Open({path, Cell8()});
  EXPECT_EQ(r.failure,
            (GlyphImportFailure{GlyphImportError::UnknownCharset, {}, 0, "JISX0201.1976-0"}));
}

}  // namespace
}  // namespace zg
