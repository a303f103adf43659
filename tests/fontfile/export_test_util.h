#pragma once
// Fonts drawn as pictures, and the compilers that check what the C writers
// produce.

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fontfile/fontfile.h"

namespace zg::test {

using Bytes = std::vector<std::uint8_t>;

// Bytes of a glyph drawn as rows of '#' (on) and '.' (off), in the editor's
// byte order: vertical scan column bytes per band of 8 rows with bit 0 on top,
// horizontal scan row bytes with bit 7 on the left. Written out here rather
// than through GlyphPixel, so the two check each other.
// The classic layout of a cell, vert 1 vertical, 0 horizontal.
inline Layout Cell(int ncol, int nstr, int vert) {
  return Layout::Classic(ncol, nstr, ScanOf(vert));
}

inline Bytes EncodeGlyph(std::string_view picture, int ncol, int nstr, int vert) {
  Bytes bytes(static_cast<std::size_t>(Cell(ncol, nstr, vert).BytesPerGlyph()), 0);
  const auto w = static_cast<std::size_t>(ncol);
  std::size_t y = 0;
  std::size_t x = 0;
  for (const char c : picture) {
    if (c == '\n') {
      ++y;
      x = 0;
      continue;
    }
    if (c == '#') {
      if (vert == 1) {
        bytes[w * (y / 8) + x] |= static_cast<std::uint8_t>(1U << (y % 8));
      } else {
        bytes[(w + 7) / 8 * y + x / 8] |= static_cast<std::uint8_t>(0x80U >> (x % 8));
      }
    }
    ++x;
  }
  return bytes;
}

// A picture from any pixel function, one row a line.
template <typename Pixel>
std::string Picture(int ncol, int nstr, Pixel pixel) {
  std::string s;
  for (int y = 0; y < nstr; ++y) {
    for (int x = 0; x < ncol; ++x) s += pixel(x, y) ? '#' : '.';
    s += '\n';
  }
  return s;
}

// A whole font: glyph i at i * cb; only the glyphs given are not empty.
struct TestFont {
  int ncol;
  int nstr;
  int vert;
  Bytes glyphs;
  Layout layout() const { return Cell(ncol, nstr, vert); }
};

inline TestFont MakeFont(int ncol, int nstr, int vert,
                         std::initializer_list<std::pair<int, std::string_view>> drawn) {
  const auto cb = static_cast<std::size_t>(Cell(ncol, nstr, vert).BytesPerGlyph());
  TestFont f{ncol, nstr, vert, Bytes(cb * 224, 0)};
  for (const auto& [code, picture] : drawn) {
    const Bytes g = EncodeGlyph(picture, ncol, nstr, vert);
    std::copy(g.begin(), g.end(),
              f.glyphs.begin() + static_cast<std::ptrdiff_t>(cb * (code - 0x20)));
  }
  return f;
}

// A different pattern for every glyph, in every corner of the cell, and
// every seventh glyph empty.
inline TestFont PatternFont(int ncol, int nstr, int vert) {
  const auto cb = static_cast<std::size_t>(Cell(ncol, nstr, vert).BytesPerGlyph());
  TestFont f{ncol, nstr, vert, Bytes(cb * 224, 0)};
  for (std::size_t i = 0; i < f.glyphs.size(); ++i) {
    if (i / cb % 7 != 0) f.glyphs[i] = static_cast<std::uint8_t>((i * 2654435761U) >> 13);
  }
  return f;
}

// Widths 1..ncol in a pattern that takes every value.
inline Bytes PatternWidths(int ncol) {
  Bytes widths(224);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    widths[i] = static_cast<std::uint8_t>(1 + i * 5 % static_cast<std::size_t>(ncol));
  }
  return widths;
}

// The glyph of code `code` as its picture.
inline std::string GlyphPicture(const TestFont& f, int code) {
  const auto cb = static_cast<std::size_t>(f.layout().BytesPerGlyph());
  const auto glyph = GlyphAt(f.glyphs, cb, static_cast<std::size_t>(code - 0x20));
  return Picture(f.ncol, f.nstr, [&](int x, int y) { return GlyphPixel(glyph, f.layout(), x, y); });
}

// Windows-1251 in short: ASCII, the Cyrillic letters from C0h, 98h undefined,
// and every other upper code its own Latin-1 character.
inline std::array<char32_t, 224> TestCharacters() {
  std::array<char32_t, 224> c{};
  for (std::size_t i = 0; i < c.size(); ++i) {
    const auto code = static_cast<char32_t>(0x20 + i);
    c[i] = code >= 0xC0 ? code - 0xC0 + 0x410 : code;
  }
  c[0x98 - 0x20] = 0;
  return c;
}

struct CommandResult {
  int status = -1;
  std::string output;  // stdout and stderr together
};

inline CommandResult Run(const std::string& command) {
  CommandResult r;
  std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return r;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) != 0) r.output.append(buffer, n);
  r.status = ::pclose(pipe);
  return r;
}

inline bool HasCommand(const std::string& name) { return Run("command -v " + name).status == 0; }

// A fresh folder for one test's files, removed at the end of the test.
class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("zg_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
             std::to_string(::getpid()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Write(const std::string& name, std::string_view text) const {
    const std::string file = (path_ / name).string();
    std::ofstream(file, std::ios::binary) << text;
    return file;
  }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace zg::test
