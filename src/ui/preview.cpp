#include "ui/preview.h"

#include <algorithm>

#include "model/font_model.h"
#include "ops/glyph_bytes.h"
#include "ops/glyph_pixels.h"

namespace zg {

std::string_view DisplayLookName(DisplayLook look) {
  switch (look) {
    case DisplayLook::YellowGreenLcd:
      return "ЖК жёлто-зелёный";
    case DisplayLook::BlueLcd:
      return "ЖК синий";
    case DisplayLook::Oled:
      return "OLED";
  }
  return {};
}

LookColors ColorsOf(DisplayLook look) {
  switch (look) {
    case DisplayLook::YellowGreenLcd:
      return {0xFFA8C64E, 0xFF1E2B14};
    case DisplayLook::BlueLcd:
      return {0xFF1F3FCF, 0xFFEEF4FF};
    case DisplayLook::Oled:
      return {0xFF000000, 0xFFFFFFFF};
  }
  return {0xFF000000, 0xFFFFFFFF};
}

namespace {

// The columns character `symbol` takes.
int Advance(int cellWidth, int symbol, std::span<const std::uint8_t> widths) {
  if (widths.size() != kSymbolCount || symbol < 0 || symbol >= kSymbolCount) return cellWidth;
  const int width = widths[static_cast<std::size_t>(symbol)];
  return width >= 1 && width <= cellWidth ? width : cellWidth;
}

}  // namespace

int PreviewTextWidth(int cellWidth, std::span<const int> symbols,
                     std::span<const std::uint8_t> widths) {
  int total = 0;
  for (const int s : symbols) total += Advance(cellWidth, s, widths);
  return total;
}

PreviewImage RenderPreview(std::span<const std::uint8_t> glyphs, const Layout& layout,
                           bool negative, std::span<const int> symbols, int scale, DisplayLook look,
                           std::span<const std::uint8_t> widths) {
  if (!layout.Valid()) return {};
  const int cb = layout.BytesPerGlyph();
  const int ncol = layout.width;
  const int nstr = layout.height;
  scale = std::clamp(scale, kMinPreviewScale, kMaxPreviewScale);
  const int dot = scale >= 3 ? scale - 1 : scale;
  const LookColors colors = ColorsOf(look);

  PreviewImage image;
  image.width = PreviewTextWidth(ncol, symbols, widths) * scale;
  image.height = nstr * scale;
  image.argb.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height),
                    colors.background);
  const auto width = static_cast<std::size_t>(image.width);

  std::size_t left = 0;
  for (const int s : symbols) {
    const int advance = Advance(ncol, s, widths);
    const std::size_t here = left;
    left += static_cast<std::size_t>(advance * scale);
    const auto first = static_cast<std::size_t>(s) * static_cast<std::size_t>(cb);
    if (s < 0 || s >= kSymbolCount || first + static_cast<std::size_t>(cb) > glyphs.size()) {
      continue;
    }
    const PixelPlane plane =
        UnpackGlyph(glyphs.subspan(first, static_cast<std::size_t>(cb)), layout);
    // Ink past a glyph's width falls on what follows, as the display draws
    // it, up to the line's end; a negative glyph lights its own columns only.
    const int room = static_cast<int>((width - here) / static_cast<std::size_t>(scale));
    const int columns = negative ? advance : std::min(ncol, room);
    for (int r = 0; r < nstr; ++r) {
      // One line of dots drawn, then copied to the block's other lines.
      std::uint32_t* line = image.argb.data() + static_cast<std::size_t>(r * scale) * width + here;
      for (int c = 0; c < columns; ++c) {
        if (plane[static_cast<std::size_t>(r * kGridSide + c)] == negative) continue;
        std::fill_n(line + c * scale, dot, colors.pixel);
      }
      for (int y = 1; y < dot; ++y) {
        std::copy_n(line, columns * scale, line + static_cast<std::size_t>(y) * width);
      }
    }
  }
  return image;
}

}  // namespace zg
