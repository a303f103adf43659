// Writing and reading a whole 24 x 24 font (16128 values, about 100 KB of
// text) in each number format. The save and import commands run these on the
// user-interface thread, so each should stay well under a millisecond.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "fontfile/fontfile.h"

namespace {

constexpr const char* kNumberFormats[] = {"&hNN", "0xNN", "$NN", "#NN", "NNh"};
constexpr int kLargestCb = 72;

std::array<std::uint8_t, zg::kFontStoreValues> RandomStore() {
  std::array<std::uint8_t, zg::kFontStoreValues> store{};
  std::mt19937 random(7);
  for (auto& b : store) b = static_cast<std::uint8_t>(random() & 0xFF);
  return store;
}

void BM_WriteFontSource(benchmark::State& state) {
  const auto store = RandomStore();
  const char* format = kNumberFormats[state.range(0)];
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string text = zg::WriteFontSource(store, kLargestCb, "Data ", format, false);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetLabel(format);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteFontSource)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_ReadFontSource(benchmark::State& state) {
  const auto written = RandomStore();
  const char* format = kNumberFormats[state.range(0)];
  const std::string text = zg::WriteFontSource(written, kLargestCb, "Data ", format, false);
  std::array<std::uint8_t, zg::kFontStoreValues> store{};
  for (auto _ : state) {
    zg::MemoryByteSource in(text);
    const zg::ReadResult result = zg::ReadFontSource(in, -1, store);
    if (result.status != zg::ReadStatus::Completed) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(store.data());
  }
  state.SetLabel(format);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadFontSource)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
