#pragma once
// The preview: a line of text set in the font being edited, drawn as the
// display would show it, one cell after another with no gap between; in a
// proportional font each character takes its glyph's width.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/layout.h"

namespace zg {

enum class DisplayLook { YellowGreenLcd, BlueLcd, Oled };

inline constexpr std::array<DisplayLook, 3> kDisplayLooks{DisplayLook::YellowGreenLcd,
                                                          DisplayLook::BlueLcd, DisplayLook::Oled};

// The name the look's combo box shows.
std::string_view DisplayLookName(DisplayLook look);

// 0xAARRGGBB colours: the panel and a lit pixel.
struct LookColors {
  std::uint32_t background;
  std::uint32_t pixel;
};
LookColors ColorsOf(DisplayLook look);

inline constexpr int kMinPreviewScale = 1;
inline constexpr int kMaxPreviewScale = 4;

// Row after row of 0xAARRGGBB pixels, width * height of them.
struct PreviewImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
  friend bool operator==(const PreviewImage&, const PreviewImage&) = default;
};

// The pixels, before scaling, that `symbols` take in a row: each its glyph's width from `widths`
// (224 of them, each kept to 1..cell width), or the cell's width when `widths` is empty, and for
// a character the font lacks.
int PreviewTextWidth(int cellWidth, std::span<const int> symbols,
                     std::span<const std::uint8_t> widths = {});

// `glyphs` holds the font's 224 glyphs in `layout`; `symbols` the glyph index of each character, -1
// for one the font lacks (an unlit cell). With `widths` the text is set proportionally: each
// character advances by its glyph's width (see PreviewTextWidth); ink past that width falls on the
// next character, as the display draws it. Each pixel becomes a
// scale x scale block (scale is kept to 1..4); from scale 3 on the block's last row and column stay
// unlit, the gap between the dots of a real panel. A negative font lights the pixels its glyphs
// leave clear, as its complemented bytes do on the display. A layout the editor cannot hold gives
// an empty image.
PreviewImage RenderPreview(std::span<const std::uint8_t> glyphs, const Layout& layout,
                           bool negative, std::span<const int> symbols, int scale, DisplayLook look,
                           std::span<const std::uint8_t> widths = {});

}  // namespace zg
