// The one load of a font file and the one atomic writer, as the editor and
// zgconv call them.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "document/file_replace.h"
#include "document/font_io.h"
#include "test_files.h"

namespace zg {
namespace {

// A C header of an 8 x 8 font from code 00h: codes 00h..1Fh empty, then
// `values` values 81h from code 20h on.
std::string HeaderFromCode00(int values) {
  std::string text =
      "#define F_WIDTH 8\n#define F_HEIGHT 8\n#define F_SCAN_VERTICAL 1\n#define F_FIRST_CODE 0\n"
      "const unsigned char f[] = {";
  for (int i = 0; i < 32 * 8; ++i) text += "0,";
  for (int i = 0; i < values; ++i) text += "0x81,";
  return text + "};\n";
}

// The bytes of glyph `code` in hex: "81 81 81 11 11 11 11 11".
std::string GlyphBytes(const FontDocument& d, int code) {
  std::string text;
  for (const std::uint8_t b : d.Glyph(code - kFirstCode)) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", b);
    text += (text.empty() ? "" : " ") + std::string(hex);
  }
  return text;
}

TEST(LoadFont, GlyphsPastTheFileAreEmptyOrKeptFromTheBase) {
  // Both files end three bytes into glyph 21h. The font source is read value
  // by value, those three bytes with it; the header is decoded glyph by
  // glyph, and its values below code 20h do not count as read.
  const struct {
    std::string path;
    std::string text;
    LayoutFrom from;
    bool decoded;
    std::string kept21h;
    std::string empty21h;
  } files[] = {
      {"/f/Font08x08vp.fnt", test::FontSourceValues(8 + 3), LayoutFrom::Name, false,
       "81 81 81 11 11 11 11 11", "81 81 81 00 00 00 00 00"},
      {"/f/font.h", HeaderFromCode00(8 + 3), LayoutFrom::Header, true, "11 11 11 11 11 11 11 11",
       "00 00 00 00 00 00 00 00"},
  };
  const std::vector<std::uint8_t> base(kSymbolCount * 8, 0x11);
  for (const auto& f : files) {
    for (const PastTheEnd pastEnd : {PastTheEnd::Kept, PastTheEnd::Empty}) {
      MemoryByteSource in(f.text);
      LoadRequest request;  // the layout from the file
      request.pastEnd = pastEnd;
      request.base = base;
      const LoadedFont loaded = LoadFont(in, f.path, request);
      ASSERT_TRUE(loaded.Read()) << f.path << ": " << loaded.result;
      EXPECT_EQ(loaded.from, f.from) << f.path;
      EXPECT_EQ(loaded.decoded.has_value(), f.decoded) << f.path;
      EXPECT_EQ(loaded.extent, (ReadExtent{8, 1, 3, 0})) << f.path;
      EXPECT_EQ(Describe(loaded.document), "8 x 8 vertical positive, 1792 bytes");
      const bool kept = pastEnd == PastTheEnd::Kept;
      EXPECT_EQ(GlyphBytes(loaded.document, 0x20), "81 81 81 81 81 81 81 81") << f.path;
      EXPECT_EQ(GlyphBytes(loaded.document, 0x21), kept ? f.kept21h : f.empty21h) << f.path;
      EXPECT_EQ(GlyphBytes(loaded.document, 0xFF),
                kept ? "11 11 11 11 11 11 11 11" : "00 00 00 00 00 00 00 00")
          << f.path;
    }
  }

  // A file that says no layout, asked for none: nothing is read.
  MemoryByteSource in(test::FontSourceValues(8));
  const LoadedFont unsaid = LoadFont(in, "/f/font.fnt", {});
  EXPECT_EQ(unsaid.from, LayoutFrom::Nowhere);
  EXPECT_FALSE(unsaid.Read());
}

TEST(ReplaceFile, SaysWhyInTheKindsTheEditorWordsAndTheSystemsText) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("zg-replace-" + std::to_string(::getpid()));
  fs::create_directories(dir / "folder");
  std::ofstream(dir / "read-only.fnt") << "old";
  fs::permissions(dir / "read-only.fnt", fs::perms::owner_read);
  // Root may write any file; a user is refused one without write permission.
  const std::optional<FileFault> readOnly =
      ::geteuid() == 0 ? std::nullopt : std::optional(FileFault::NoPermission);

  const struct {
    fs::path path;
    std::optional<FileFault> fault;
  } cases[] = {
      {dir / "no folder" / "f.fnt", FileFault::NotFound},
      {dir / "folder", FileFault::IsFolder},
      {dir / "read-only.fnt", readOnly},
      {dir / "new.fnt", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<FileError> error = ReplaceFile(c.path, "new");
    EXPECT_EQ(error ? std::optional(error->fault) : std::nullopt, c.fault) << c.path;
    EXPECT_NE(error.value_or(FileError{"-"}).description, "") << c.path;
  }
  EXPECT_EQ(test::ReadWholeFile(dir / "read-only.fnt"), readOnly ? "old" : "new");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace zg
