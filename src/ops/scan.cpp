#include "ops/scan.h"

#include <algorithm>

#include "model/codec.h"

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

bool CanChangeScan(const FontModel& m) {
  const Layout layout = LayoutOf(m);
  return layout.Valid() && m.cb == layout.BytesPerGlyph();
}

void ChangeScan(FontModel& m) {
  m.memsimb = m.simb;
  if (!CanChangeScan(m)) return;
  const Layout from = LayoutOf(m);
  const std::int16_t vrt = m.vert == 1 ? 0 : 1;
  const Layout to = from.WithScan(ScanOf(vrt));
  // Both layouts take at most 72 bytes a glyph, so the 224 glyphs and the
  // backup lie inside their arrays.
  const auto oldBytes = static_cast<std::size_t>(kSymbolCount * m.cb);
  const auto glyphs = std::span<std::uint8_t>(m.glyphStore).first(oldBytes);
  const std::vector<std::uint8_t> converted = RepackFont(glyphs, from, to);
  std::fill(glyphs.begin(), glyphs.end(), std::uint8_t{0});
  std::copy(converted.begin(), converted.end(), m.glyphStore.begin());
  const std::vector<std::uint8_t> backup = RepackFont(
      std::span<const std::uint8_t>(m.glyphBackup).first(static_cast<std::size_t>(m.cb)), from, to);
  std::copy(backup.begin(), backup.end(), m.glyphBackup.begin());

  m.simb = m.memsimb;
  m.oldsimb = 0;
  // Box 0 first, so that a selected symbol 0 ends up red.
  m.symbols[0].backColor = kWhite;
  if (m.simb >= 0 && m.simb < kSymbolCount) m.symbols[m.simb].backColor = kRed;
  m.vert = vrt;
  m.cb = static_cast<std::int16_t>(to.BytesPerGlyph());
  m.sb = static_cast<std::int16_t>(m.simb * m.cb);
  RenderGlyph(m, m.sb, m.cb, to);
}

std::string ScanChangeNotice(int vert) {
  return std::string("Для текущего шрифта установлен ") + "\r" +
         (vert == 1 ? "вертикальный " : "горизонтальный ") + "вид  развертки";
}

}  // namespace zg
