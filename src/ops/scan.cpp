#include "ops/scan.h"

namespace zg {

std::vector<std::uint8_t> RepackFont(std::span<const std::uint8_t> glyphs, const Layout& from,
                                     const Layout& to) {
  if (!from.Valid() || !to.Valid()) return {};
  const auto fromSize = static_cast<std::size_t>(from.BytesPerGlyph());
  const auto toSize = static_cast<std::size_t>(to.BytesPerGlyph());
  const std::size_t count = glyphs.size() / fromSize;
  std::vector<std::uint8_t> out(count * toSize);
  for (std::size_t i = 0; i < count; ++i) {
    Repack(from, glyphs.subspan(i * fromSize, fromSize), to,
           std::span<std::uint8_t>(out).subspan(i * toSize, toSize));
  }
  return out;
}

std::string ScanChangeNotice(int vert) {
  return std::string("Для текущего шрифта установлен ") + "\r" +
         (vert == 1 ? "вертикальный " : "горизонтальный ") + "вид  развертки";
}

}  // namespace zg
