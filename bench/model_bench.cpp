// Glyph codec and direct editing on the largest cell: drawing a glyph on
// the grid, and a click and a selection from the handler to the window's
// computed view.
#include <benchmark/benchmark.h>

#include <random>

#include "bench_editor.h"
#include "model/codec.h"

namespace zg {
namespace {

FontModel Open24x24(int vert) {
  FontModel m;
  m.ncol = 24;
  m.nstr = 24;
  m.cb = 72;
  m.vert = static_cast<std::int16_t>(vert);
  m.pixelBoxVisible.fill(true);
  std::mt19937 rng(3);
  for (int i = 0; i < 224 * 72; ++i) m.glyphStore[i] = static_cast<std::uint8_t>(rng());
  PaintCell(m, zg::Layout::Classic(24, 24, zg::Scan::Vertical));
  return m;
}

void BM_RenderGlyph24x24(benchmark::State& state) {
  FontModel m = Open24x24(static_cast<int>(state.range(0)));
  int symbol = 0;
  for (auto _ : state) {
    RenderGlyph(m, symbol * 72, 72, zg::Layout::Classic(24, m.nstr, zg::ScanOf(m.vert)));
    symbol = (symbol + 1) % 224;
    benchmark::DoNotOptimize(m.pixelBoxColor.data());
  }
}
BENCHMARK(BM_RenderGlyph24x24)->ArgName("vert")->Arg(1)->Arg(0);

void BM_PaintCell24x24(benchmark::State& state) {
  FontModel m = Open24x24(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    PaintCell(m, zg::Layout::Classic(24, 24, zg::Scan::Vertical));
    benchmark::DoNotOptimize(m.pixelBackColor.data());
  }
}
BENCHMARK(BM_PaintCell24x24)->ArgName("vert")->Arg(1)->Arg(0);

// A click on a pixel box: one step of the history and the view computed again.
void BM_TogglePixel24x24(benchmark::State& state) {
  bench::Editor e(state.range(0) == 0);
  int box = 0;
  for (auto _ : state) {
    e.form.picture1Click(box);
    box = (box + 25) % kGridBoxes;
    benchmark::DoNotOptimize(e.form.model.glyphStore.data());
  }
}
BENCHMARK(BM_TogglePixel24x24)->ArgName("vert")->Arg(1)->Arg(0);

void BM_SelectSymbol24x24(benchmark::State& state) {
  bench::Editor e(state.range(0) == 0);
  int symbol = 0;
  for (auto _ : state) {
    e.form.text1Click(symbol);
    symbol = (symbol + 7) % kSymbolCount;
    benchmark::DoNotOptimize(e.form.model.pixelBoxColor.data());
  }
}
BENCHMARK(BM_SelectSymbol24x24)->ArgName("vert")->Arg(1)->Arg(0);

}  // namespace
}  // namespace zg
