// Writing and reading a whole 24 x 24 font (16128 values, about 100 KB of
// text) in each number format. The save and import commands run these on the
// user-interface thread, so each should stay well under a millisecond.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <span>
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
    return zg::WriteBdf(glyphs, zg::Layout::Classic(24, 24, zg::Scan::Vertical), characters, {});
  });
}
BENCHMARK(BM_WriteBdf)->Unit(benchmark::kMicrosecond);

void BM_WriteGfxHeader(benchmark::State& state) {
  WriteForm(state, [](auto glyphs, const auto& characters) {
    return zg::WriteGfxHeader(glyphs, zg::Layout::Classic(24, 24, zg::Scan::Vertical), characters,
                              {"Font24x24"});
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

// The proportional forms of the same random 24 x 24 font (vertical scan):
// every glyph its own width, each writer and the GFX reader meant to take
// well under a millisecond.
namespace {

std::array<std::uint8_t, 224> Widths(int ncol) {
  std::array<std::uint8_t, 224> widths{};
  for (std::size_t i = 0; i < widths.size(); ++i) {
    widths[i] = static_cast<std::uint8_t>(1 + i * 7 % static_cast<std::size_t>(ncol));
  }
  return widths;
}

void BM_WriteProportional(benchmark::State& state) {
  const auto widths = Widths(24);
  const int form = static_cast<int>(state.range(0));
  WriteForm(state, [&](auto glyphs, const auto& characters) {
    switch (form) {
      case 0:
        return zg::WriteGfxHeader(glyphs, zg::Layout::Classic(24, 24, zg::Scan::Vertical),
                                  characters, {"Font24x24", widths});
      case 1:
        return zg::WriteBdf(glyphs, zg::Layout::Classic(24, 24, zg::Scan::Vertical), characters,
                            {"zgedit", false, widths});
      case 2:
        return zg::WriteCHeader(glyphs, 24, 24, 1, false, characters,
                                {"Font24x24vp", zg::FlashAttribute::Progmem, false, false, widths});
      default:
        return zg::WriteLvglFont(glyphs, zg::Layout::Classic(24, 24, zg::Scan::Vertical),
                                 characters, {"font_24x24", widths});
    }
  });
  constexpr const char* kForms[] = {"gfx", "bdf", "c header", "lvgl"};
  state.SetLabel(kForms[form]);
}
BENCHMARK(BM_WriteProportional)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_ReadGfxFont(benchmark::State& state) {
  const auto store = RandomStore();
  const std::span<const std::uint8_t> glyphs(store.data(), kLargestCb * 224);
  const std::string text =
      zg::WriteGfxHeader(glyphs, zg::Layout::Classic(24, 24, zg::Scan::Vertical), Characters(),
                         {"Font24x24", Widths(24)});
  for (auto _ : state) {
    const zg::GfxFont font = zg::ReadGfxFont(text, zg::Layout::Classic(24, 24, zg::Scan::Vertical));
    if (font.status != zg::GfxReadStatus::Completed) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(font.glyphs.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadGfxFont)->Unit(benchmark::kMicrosecond);

// The GFX bitmaps of the 16 x 16 sample font against whole-cell glyphs:
// monospaced as drawn, and proportional (each width its ink + 1 column).
// Only the ink is stored, so both crop alike; the widths change xAdvance.
void BM_GfxBitmapSize16x16(benchmark::State& state) {
  std::array<std::uint8_t, zg::kFontStoreValues> store{};
  zg::FileByteSource in(ZG_TEST_DATA_DIR "/Font16x16hp.fnt");
  if (zg::ReadFontSource(in, -1, store).status != zg::ReadStatus::Completed) {
    state.SkipWithError("cannot read Font16x16hp.fnt");
    return;
  }
  const std::span<const std::uint8_t> glyphs(store.data(), 32 * 224);
  const bool proportional = state.range(0) != 0;
  const zg::Layout cell = zg::Layout::Classic(16, 16, zg::Scan::Horizontal);
  std::array<std::uint8_t, 224> widths{};
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const zg::GlyphRows rows = zg::DecodeRows(zg::GlyphAt(glyphs, 32, i), cell);
    const zg::InkBox box = zg::FindInk(rows, cell);
    widths[i] = static_cast<std::uint8_t>(std::min(16, box.width == 0 ? 8 : box.x + box.width + 1));
  }
  const std::span<const std::uint8_t> given =
      proportional ? std::span<const std::uint8_t>(widths) : std::span<const std::uint8_t>();
  zg::GfxBitmapSize size;
  for (auto _ : state) {
    size = zg::MeasureGfxBitmaps(glyphs, cell);
    benchmark::DoNotOptimize(zg::WriteGfxHeader(glyphs, cell, Characters(), {"f", given}));
  }
  state.counters["whole_cell_bytes"] = static_cast<double>(size.wholeCells);
  state.counters["cropped_bytes"] = static_cast<double>(size.cropped);
  state.SetLabel(proportional ? "proportional" : "monospaced");
}
BENCHMARK(BM_GfxBitmapSize16x16)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
