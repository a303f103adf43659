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

// The other file forms of the same 24 x 24 font (vertical scan, every code
// with a character), each meant to take well under 200 microseconds.
namespace {

std::array<char32_t, 224> Characters() {
  std::array<char32_t, 224> c{};
  for (std::size_t i = 0; i < c.size(); ++i) {
    c[i] = i < 0x60 ? static_cast<char32_t>(0x20 + i) : static_cast<char32_t>(0x3A0 + i);
  }
  return c;
}

template <typename Write>
void WriteForm(benchmark::State& state, Write write) {
  const auto store = RandomStore();
  const std::span<const std::uint8_t> glyphs(store.data(), kLargestCb * 224);
  const auto characters = Characters();
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string text = write(glyphs, characters);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_WriteCHeader(benchmark::State& state) {
  const bool pictures = state.range(0) != 0;
  WriteForm(state, [&](auto glyphs, const auto& characters) {
    return zg::WriteCHeader(glyphs, 24, 24, 1, false, characters,
                            {"Font24x24vp", zg::FlashAttribute::Progmem, pictures});
  });
  state.SetLabel(pictures ? "pictures" : "bytes only");
}
BENCHMARK(BM_WriteCHeader)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_WriteBdf(benchmark::State& state) {
  WriteForm(state, [](auto glyphs, const auto& characters) {
    return zg::WriteBdf(glyphs, 24, 24, 1, characters, {});
  });
}
BENCHMARK(BM_WriteBdf)->Unit(benchmark::kMicrosecond);

void BM_WriteGfxHeader(benchmark::State& state) {
  WriteForm(state, [](auto glyphs, const auto& characters) {
    return zg::WriteGfxHeader(glyphs, 24, 24, 1, characters, {"Font24x24"});
  });
}
BENCHMARK(BM_WriteGfxHeader)->Unit(benchmark::kMicrosecond);

void BM_ReadCArray(benchmark::State& state) {
  const auto written = RandomStore();
  const std::span<const std::uint8_t> glyphs(written.data(), kLargestCb * 224);
  const std::string text =
      zg::WriteCHeader(glyphs, 24, 24, 1, false, Characters(), {"Font24x24vp", {}, false});
  std::array<std::uint8_t, zg::kFontStoreValues> store{};
  for (auto _ : state) {
    zg::MemoryByteSource in(text);
    const zg::ReadResult result = zg::ReadCArray(in, -1, store);
    if (result.status != zg::ReadStatus::Completed) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(store.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadCArray)->Unit(benchmark::kMicrosecond);

}  // namespace
