#include "fontfile/font_file_name.h"

#include <array>
#include <cstdio>

namespace zg {
namespace {

// The sizes a name can carry: every cell of the edit grid.
bool InNameRange(int ncol, int nstr) { return ncol >= 1 && ncol <= 24 && nstr >= 1 && nstr <= 24; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Two decimal digits exactly; a sign, blank or point makes the field no number.
std::optional<int> TwoDigits(char high, char low) {
  if (!IsDigit(high) || !IsDigit(low)) return std::nullopt;
  return (high - '0') * 10 + (low - '0');
}

}  // namespace

std::string DefaultFontFileName(const Layout& layout, bool negative) {
  char name[48];
  const int n = std::snprintf(name, sizeof name, "Font%02dx%02d%c%c", layout.width, layout.height,
                              layout.Vertical() ? 'v' : 'h', negative ? 'n' : 'p');
  return std::string(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::optional<FontFileParams> ParseFontFileName(std::string_view fullPath) {
  const std::size_t slash = fullPath.find_last_of("/\\");
  const std::string_view fileName =
      slash == std::string_view::npos ? fullPath : fullPath.substr(slash + 1);
  const std::size_t at = fileName.find("Font");
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view f = fileName.substr(at + 4);
  if (f.size() < 7) return std::nullopt;

  // f[2] is not examined: the writer puts "x" there.
  const std::optional<int> ncol = TwoDigits(f[0], f[1]);
  const std::optional<int> nstr = TwoDigits(f[3], f[4]);
  if (!ncol || !nstr || !InNameRange(*ncol, *nstr)) return std::nullopt;

  FontFileParams p;
  p.ncol = static_cast<std::int16_t>(*ncol);
  p.nstr = static_cast<std::int16_t>(*nstr);
  if (f[5] == 'v') {
    p.vert = 1;
  } else if (f[5] == 'h') {  // rows padded to whole bytes
    p.vert = 0;
  } else {
    return std::nullopt;
  }
  if (f[6] == 'p') {
    p.pos = -1;
  } else if (f[6] == 'n') {
    p.pos = 0;
  } else {
    return std::nullopt;
  }
  return p;
}

}  // namespace zg
