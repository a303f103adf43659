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

PreviewImage RenderPreview(std::span<const std::uint8_t> glyphs, const Layout& layout,
                           bool negative, std::span<const int> symbols, int scale,
                           DisplayLook look) {
  if (!layout.Valid()) return {};
  const int cb = layout.BytesPerGlyph();
  const int ncol = layout.width;
  const int nstr = layout.height;
  scale = std::clamp(scale, kMinPreviewScale, kMaxPreviewScale);
  const int dot = scale >= 3 ? scale - 1 : scale;
  const LookColors colors = ColorsOf(look);

  PreviewImage image;
  image.width = static_cast<int>(symbols.size()) * ncol * scale;
  image.height = nstr * scale;
  image.argb.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height),
                    colors.background);
  const auto width = static_cast<std::size_t>(image.width);

  for (std::size_t i = 0; i < symbols.size(); ++i) {
    const int s = symbols[i];
    const auto first = static_cast<std::size_t>(s) * static_cast<std::size_t>(cb);
    if (s < 0 || s >= kSymbolCount || first + static_cast<std::size_t>(cb) > glyphs.size()) {
      continue;
    }
    const PixelPlane plane =
        UnpackGlyph(glyphs.subspan(first, static_cast<std::size_t>(cb)), layout);
    const std::size_t left = i * static_cast<std::size_t>(ncol * scale);
    for (int r = 0; r < nstr; ++r) {
      // One line of dots drawn, then copied to the block's other lines.
      std::uint32_t* line = image.argb.data() + static_cast<std::size_t>(r * scale) * width + left;
      for (int c = 0; c < ncol; ++c) {
        if (plane[static_cast<std::size_t>(r * kGridSide + c)] == negative) continue;
        std::fill_n(line + c * scale, dot, colors.pixel);
      }
      for (int y = 1; y < dot; ++y) {
        std::copy_n(line, ncol * scale, line + static_cast<std::size_t>(y) * width);
      }
    }
  }
  return image;
}

}  // namespace zg
