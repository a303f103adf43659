// Speed of the glyph operations on the largest cell, 24 x 24.

#include <benchmark/benchmark.h>

#include <random>

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

}  // namespace
