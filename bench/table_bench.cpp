// Font tables: finding the layout of a 256-glyph 24 x 24 table (the table
// dialog does it before it opens: aim under 50 ms) and decoding it into the
// editor's 224 glyphs (each change of an option in the dialog: aim well under
// 16 ms with the painting).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fontfile/fontfile.h"
#include "fontfile/table_detect.h"
#include "fontfile/table_layout.h"

namespace {

constexpr zg::Layout kTable24 = zg::Layout::Classic(24, 24, zg::Scan::Vertical);

// The 16 x 16 sample font in the top left of 24 x 24 cells, codes 00h..FFh
// (00h..1Fh empty), columns band after band.
std::vector<std::uint8_t> Table24x24() {
  std::ifstream file(std::string(ZG_TEST_DATA_DIR) + "/Font16x16vp.fnt", std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::vector<std::uint8_t> store(zg::kFontStoreValues, 0);
  zg::MemoryByteSource in(text);
  zg::ReadFontSource(in, -1, store);
  const zg::Layout sample = zg::Layout::Classic(16, 16, zg::Scan::Vertical);
  const auto cb = static_cast<std::size_t>(sample.BytesPerGlyph());
  const auto bytes = static_cast<std::size_t>(kTable24.BytesPerGlyph());
  std::vector<std::uint8_t> values(256 * bytes, 0);
  for (std::size_t code = 0x20; code < 256; ++code) {
    zg::Repack(sample, std::span(store).subspan((code - 0x20) * cb, cb), kTable24,
               std::span(values).subspan(code * bytes, bytes));
  }
  return values;
}

void BM_DetectTable24x24(benchmark::State& state) {
  const auto values = Table24x24();
  for (auto _ : state) {
    const auto found = zg::DetectTable(values);
    if (!found || found->table != zg::TableLayout::Plain(kTable24, 0x00)) {
      state.SkipWithError("wrong layout found");
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_DetectTable24x24)->Unit(benchmark::kMillisecond);

void BM_DecodeTable24x24(benchmark::State& state) {
  const auto values = Table24x24();
  const zg::TableLayout table = zg::TableLayout::Plain(kTable24, 0x00);
  for (auto _ : state) {
    const zg::TableRead read = zg::DecodeTable(values, table, kTable24);
    benchmark::DoNotOptimize(read.glyphs.data());
  }
}
BENCHMARK(BM_DecodeTable24x24)->Unit(benchmark::kMicrosecond);

}  // namespace
