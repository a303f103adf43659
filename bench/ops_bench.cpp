// Speed of the glyph operations on the largest cell, 24 x 24.

#include <benchmark/benchmark.h>

#include <random>
#include <span>
#include <vector>

#include "model/codec.h"
#include "model/editing.h"
#include "ops/ops.h"

namespace {

zg::FontModel RandomFont24(int vert) {
  zg::FontModel m;
  m.ncol = 24;
  m.nstr = 24;
  m.cb = 72;
  m.vert = static_cast<std::int16_t>(vert);
  m.pixelBoxVisible.fill(true);  // a 24 x 24 cell covers the whole grid
  zg::LayoutGrid(m, zg::Layout::Classic(m.ncol, m.nstr, zg::Scan::Vertical));
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < zg::kSymbolCount * m.cb; ++i)
    m.glyphStore[i] = static_cast<std::uint8_t>(byte(rng));
  for (auto& box : m.symbols) box.locked = false;
  zg::SelectSymbol(m, 100);
  return m;
}

// The shift command on a glyph with free edges, alternating with the
// opposite shift so that every iteration does the full work.
void BM_ShiftGlyph24x24(benchmark::State& state) {
  const auto dir = static_cast<zg::ShiftDirection>(state.range(0));
  const auto back = dir == zg::ShiftDirection::Up     ? zg::ShiftDirection::Down
                    : dir == zg::ShiftDirection::Down ? zg::ShiftDirection::Up
                    : dir == zg::ShiftDirection::Left ? zg::ShiftDirection::Right
                                                      : zg::ShiftDirection::Left;
  zg::FontModel m = RandomFont24(static_cast<int>(state.range(1)));
  zg::EraseGlyph(m);
  for (int r = 2; r < 20; ++r) zg::TogglePixel(m, r * zg::kGridSide + r);
  bool forth = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zg::ShiftGlyph(m, forth ? dir : back));
    forth = !forth;
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

// The whole scan change of a full 24 x 24 font: 224 glyphs and the backup
// converted, the selected glyph drawn again. Goal: well under 2 ms.
void BM_ChangeScan24x24(benchmark::State& state) {
  zg::FontModel m = RandomFont24(1);
  for (auto _ : state) {
    zg::ChangeScan(m);
    benchmark::DoNotOptimize(m.glyphStore.data());
  }
}
BENCHMARK(BM_ChangeScan24x24)->Unit(benchmark::kMicrosecond);

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
