// Glyph codec and direct editing on the largest cell.
#include <benchmark/benchmark.h>

#include <random>

#include "model/codec.h"
#include "model/editing.h"

namespace zg {
namespace {

FontModel Open24x24(int vert) {
  FontModel m;
  m.ncol = 24;
  m.nstr = 24;
  m.cb = 72;
  m.vert = static_cast<std::int16_t>(vert);
  m.pixelBoxVisible.fill(true);
  for (auto& box : m.symbols) box.locked = false;
  std::mt19937 rng(3);
  for (int i = 0; i < 224 * 72; ++i) m.glyphStore[i] = static_cast<std::uint8_t>(rng());
  LayoutGrid(m, zg::Layout::Classic(24, 24, zg::Scan::Vertical));
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

void BM_LayoutGrid24x24(benchmark::State& state) {
  FontModel m = Open24x24(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    LayoutGrid(m, zg::Layout::Classic(24, 24, zg::Scan::Vertical));
    benchmark::DoNotOptimize(m.pixelBackColor.data());
  }
}
BENCHMARK(BM_LayoutGrid24x24)->ArgName("vert")->Arg(1)->Arg(0);

void BM_TogglePixel24x24(benchmark::State& state) {
  FontModel m = Open24x24(static_cast<int>(state.range(0)));
  int box = 0;
  for (auto _ : state) {
    TogglePixel(m, box);
    box = (box + 25) % kGridBoxes;
    benchmark::DoNotOptimize(m.glyphStore.data());
  }
}
BENCHMARK(BM_TogglePixel24x24)->ArgName("vert")->Arg(1)->Arg(0);

void BM_SelectSymbol24x24(benchmark::State& state) {
  FontModel m = Open24x24(static_cast<int>(state.range(0)));
  int symbol = 0;
  for (auto _ : state) {
    SelectSymbol(m, symbol);
    symbol = (symbol + 7) % kSymbolCount;
    benchmark::DoNotOptimize(m.pixelBoxColor.data());
  }
}
BENCHMARK(BM_SelectSymbol24x24)->ArgName("vert")->Arg(1)->Arg(0);

}  // namespace
}  // namespace zg
