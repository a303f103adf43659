// Speed of the drawing tools on data: a stroke over the 24 x 24 grid, the
// whole-font shift, and rendering the preview line.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "model/codec.h"
#include "ops/ops.h"
#include "ui/preview.h"

namespace {

// A drag zig-zagging over every row of the grid, one pointer report per box
// it reaches: 24 rows of 24 boxes. Alternate strokes draw and erase, so each
// one changes every box. Goal: well under 1 ms.
void BM_StrokeOverWholeGrid(benchmark::State& state) {
  const zg::Layout layout =
      zg::Layout::Classic(24, 24, zg::ScanOf(static_cast<int>(state.range(0))));
  std::vector<std::uint8_t> glyph(72, 0);
  bool right = false;
  for (auto _ : state) {
    zg::Stroke stroke(glyph, layout, 0, right);
    for (int row = 0; row < zg::kGridSide; ++row) {
      for (int i = 0; i < zg::kGridSide; ++i) {
        const int col = row % 2 == 0 ? i : zg::kGridSide - 1 - i;
        stroke.moveTo(glyph, row * zg::kGridSide + col);
      }
    }
    benchmark::DoNotOptimize(stroke.changed());
    right = !right;
  }
}
BENCHMARK(BM_StrokeOverWholeGrid)->ArgName("vert")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// All 224 glyphs of a 24 x 24 font one pixel right and back, with the check
// that comes first. Goal: well under 1 ms per shift.
void BM_ShiftFont24x24(benchmark::State& state) {
  const int vert = static_cast<int>(state.range(0));
  std::vector<std::uint8_t> font(224 * 72, 0);
  std::mt19937 rng(3);
  for (std::size_t g = 0; g < 224; ++g) {
    // Pixels away from the edges, so the shift is never refused.
    for (int k = 0; k < 10; ++k) {
      const int box =
          (2 + static_cast<int>(rng() % 20)) * zg::kGridSide + 2 + static_cast<int>(rng() % 20);
      const zg::PixelBit bit =
          zg::LocatePixel(box, zg::Layout::Classic(24, zg::kGridSide, zg::ScanOf(vert)));
      font[g * 72 + static_cast<std::size_t>(bit.n)] |= static_cast<std::uint8_t>(1U << bit.b);
    }
  }
  bool right = true;
  for (auto _ : state) {
    const auto dir = right ? zg::ShiftDirection::Right : zg::ShiftDirection::Left;
    const zg::Layout layout = zg::Layout::Classic(24, 24, zg::ScanOf(vert));
    if (zg::FirstGlyphBlockingShift(font, layout, dir)) {
      state.SkipWithError("a glyph blocked the shift");
      break;
    }
    zg::ShiftFont(font, layout, dir);
    benchmark::DoNotOptimize(font.data());
    right = !right;
  }
}
BENCHMARK(BM_ShiftFont24x24)->ArgName("vert")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// 40 characters of a random 24 x 24 font at scale 4.
void BM_RenderPreview40(benchmark::State& state) {
  std::vector<std::uint8_t> font(224 * 72);
  std::mt19937 rng(4);
  for (auto& b : font) b = static_cast<std::uint8_t>(rng());
  std::vector<int> text(40);
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<int>(i * 5);
  for (auto _ : state) {
    const auto image =
        zg::RenderPreview(font, zg::Layout::Classic(24, 24, zg::Scan::Vertical), false, text,
                          static_cast<int>(state.range(0)), zg::DisplayLook::YellowGreenLcd);
    benchmark::DoNotOptimize(image.argb.data());
  }
}
BENCHMARK(BM_RenderPreview40)->ArgName("scale")->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
