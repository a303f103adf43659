// Speed of the glyph operations on the largest cell, 24 x 24.

#include <benchmark/benchmark.h>

#include <random>
#include <span>
#include <vector>

#include "bench_editor.h"
#include "ops/ops.h"

namespace {

// The shift command on a glyph with free edges, from its handler to the
// window's computed view, alternating with the opposite shift so that every
// iteration does the full work.
void BM_ShiftGlyph24x24(benchmark::State& state) {
  static constexpr void (zg::Form1::*kShifts[])() = {
      &zg::Form1::command6Click, &zg::Form1::command7Click, &zg::Form1::command8Click,
      &zg::Form1::command9Click};
  const auto dir = static_cast<std::size_t>(state.range(0));
  const std::size_t back = dir ^ 1U;  // up and down, left and right
  zg::bench::Editor e(state.range(1) == 0);
  const std::size_t steps = e.form.history().StepCount();
  (e.form.*kShifts[dir])();
  if (e.form.history().StepCount() == steps) state.SkipWithError("the shift was refused");
  bool forth = false;
  for (auto _ : state) {
    (e.form.*kShifts[forth ? dir : back])();
    forth = !forth;
    benchmark::DoNotOptimize(e.form.model.glyphStore.data());
  }
}
BENCHMARK(BM_ShiftGlyph24x24)->ArgNames({"dir", "vert"})->ArgsProduct({{0, 1, 2, 3}, {1, 0}});

// The byte transformation alone, without redrawing the grid.
void BM_ShiftBytes24x24(benchmark::State& state) {
  const auto dir = static_cast<zg::ShiftDirection>(state.range(0));
  const int vert = static_cast<int>(state.range(1));
  std::array<std::uint8_t, 72> glyph{};
  glyph[30] = 0x18;
  for (auto _ : state) {
    zg::ShiftBytes(glyph, zg::Layout::Classic(24, 24, zg::ScanOf(vert)), dir);
    benchmark::DoNotOptimize(glyph.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ShiftBytes24x24)->ArgNames({"dir", "vert"})->ArgsProduct({{0, 1, 2, 3}, {1, 0}});

// The scan change's conversion of a full 24 x 24 font: 224 glyphs repacked
// into the other scan. The command through the window: window_qt_bench.
// Goal: well under 2 ms.
void BM_RepackFont24x24(benchmark::State& state) {
  const auto from = zg::Layout::Classic(24, 24, zg::ScanOf(static_cast<int>(state.range(0))));
  const auto to = from.WithScan(from.Vertical() ? zg::Scan::Horizontal : zg::Scan::Vertical);
  std::vector<std::uint8_t> glyphs(static_cast<std::size_t>(zg::kSymbolCount * 72));
  std::mt19937 rng(42);
  for (auto& b : glyphs) b = static_cast<std::uint8_t>(rng());
  for (auto _ : state) {
    benchmark::DoNotOptimize(zg::RepackFont(glyphs, from, to));
  }
}
BENCHMARK(BM_RepackFont24x24)->ArgName("vert")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// "Пропорциональный шрифт...": every width of a full 24 x 24 font found from
// its ink. Letter-like glyphs: ink on the left two thirds, the right columns
// empty, so the search from the right walks past empty columns first; every
// tenth glyph empty, as unused codes are. Goal: under 1 ms.
void BM_ProportionalWidths24x24(benchmark::State& state) {
  const auto layout = zg::Layout::Classic(24, 24, zg::ScanOf(static_cast<int>(state.range(0))));
  std::vector<std::uint8_t> glyphs(static_cast<std::size_t>(zg::kSymbolCount * 72), 0);
  std::mt19937 rng(7);
  std::bernoulli_distribution on(0.4);
  for (int i = 0; i < zg::kSymbolCount; ++i) {
    if (i % 10 == 0) continue;
    const auto glyph = std::span(glyphs).subspan(static_cast<std::size_t>(i * 72), 72);
    for (int y = 2; y < 20; ++y) {
      for (int x = 1; x < 8 + i % 9; ++x) zg::SetPixel(layout, glyph, x, y, on(rng));
    }
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(zg::ProportionalWidths(glyphs, layout, 1, 8));
  }
}
BENCHMARK(BM_ProportionalWidths24x24)
    ->ArgName("vert")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
