#pragma once
// Glyphs as pictures: rows of '#' (on) and '.' (off), one '\n' after each row,
// as PixelPicture writes a glyph's bytes; and the same rows one string each,
// for pictures built or changed pixel by pixel.

#include <string>
#include <string_view>
#include <vector>

namespace zg::test {

// The picture of any pixel function of an ncol x nstr cell.
template <typename Pixel>
std::string DrawPicture(int ncol, int nstr, Pixel pixel) {
  std::string s;
  for (int y = 0; y < nstr; ++y) {
    for (int x = 0; x < ncol; ++x) s += pixel(x, y) ? '#' : '.';
    s += '\n';
  }
  return s;
}

// A picture's rows, row 0 first.
inline std::vector<std::string> Rows(std::string_view picture) {
  std::vector<std::string> rows;
  std::size_t start = 0;
  for (std::size_t end; (end = picture.find('\n', start)) != std::string_view::npos;
       start = end + 1) {
    rows.emplace_back(picture.substr(start, end - start));
  }
  if (start < picture.size()) rows.emplace_back(picture.substr(start));
  return rows;
}

// Rows back into one picture.
inline std::string Joined(const std::vector<std::string>& rows) {
  std::string s;
  for (const auto& r : rows) s += r + '\n';
  return s;
}

}  // namespace zg::test
