// Importing a whole font from an outline font and from a bitmap font.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "glyphimport/glyph_renderer.h"
#include "model/code_page.h"

namespace zg {
namespace {

GlyphRenderOptions Cell16(RenderMode mode) {
  GlyphRenderOptions o;
  o.layout = zg::Layout::Classic(16, 16, zg::Scan::Vertical);
  o.pixelSize = 16;
  o.mode = mode;
  return o;
}

// A 16 px BDF font with a random picture for every character of Windows-1251.
std::string WriteBdf16() {
  const auto path = std::filesystem::temp_directory_path() / "zg_bench_16.bdf";
  std::ofstream out(path);
  const auto& chars = CodePageCharacters(CodePage::Windows1251);
  int count = 0;
  for (const char32_t ch : chars) count += ch != 0 ? 1 : 0;
  out << "STARTFONT 2.1\nFONT -zg-bench-medium-r-normal--16-160-75-75-c-160-iso10646-1\n"
         "SIZE 16 75 75\nFONTBOUNDINGBOX 16 16 0 -3\nSTARTPROPERTIES 5\nPIXEL_SIZE 16\n"
         "FONT_ASCENT 13\nFONT_DESCENT 3\nCHARSET_REGISTRY \"ISO10646\"\n"
         "CHARSET_ENCODING \"1\"\nENDPROPERTIES\nCHARS "
      << count << '\n';
  std::mt19937 rng(7);
  for (const char32_t ch : chars) {
    if (ch == 0) continue;
    out << "STARTCHAR u" << static_cast<unsigned>(ch) << "\nENCODING " << static_cast<unsigned>(ch)
        << "\nSWIDTH 1000 0\nDWIDTH 16 0\nBBX 16 16 0 -3\nBITMAP\n";
    for (int row = 0; row < 16; ++row) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(rng() & 0xFFFFU));
      out << hex << '\n';
    }
    out << "ENDCHAR\n";
  }
  out << "ENDFONT\n";
  return path.string();
}

void FillAll(benchmark::State& state, const std::string& path, const GlyphRenderOptions& o) {
  GlyphRenderer::Result r = GlyphRenderer::Open({path, o});
  if (!r) {
    state.SkipWithError("cannot open the font");
    return;
  }
  std::vector<std::uint8_t> glyphs(kSymbolCount * 32);
  const auto& chars = CodePageCharacters(CodePage::Windows1251);
  for (auto _ : state) {
    const FillSummary s = FillGlyphs(*r.renderer, chars, FillRange::All(), glyphs);
    benchmark::DoNotOptimize(s);
    benchmark::DoNotOptimize(glyphs.data());
  }
}

void BM_ImportDejaVuSansMono16(benchmark::State& state) {
  const auto mode = state.range(0) == 0 ? RenderMode::Mono : RenderMode::AntiAliased;
  FillAll(state, ZG_TEST_DATA_DIR "/DejaVuSansMono.ttf", Cell16(mode));
}
BENCHMARK(BM_ImportDejaVuSansMono16)->ArgName("aa")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the dialog pays when an option changes: open the file, render a dozen.
void BM_OpenAndPreviewDejaVuSansMono16(benchmark::State& state) {
  std::vector<std::uint8_t> glyph(32);
  for (auto _ : state) {
    GlyphRenderer::Result r =
        GlyphRenderer::Open({ZG_TEST_DATA_DIR "/DejaVuSansMono.ttf", Cell16(RenderMode::Mono)});
    for (const char32_t ch : U"AaBbЖжЯя0123") r.renderer->Render(ch, glyph);
    benchmark::DoNotOptimize(glyph.data());
  }
}
BENCHMARK(BM_OpenAndPreviewDejaVuSansMono16)->Unit(benchmark::kMillisecond);

void BM_ImportBdf16(benchmark::State& state) {
  static const std::string path = WriteBdf16();
  FillAll(state, path, Cell16(RenderMode::Mono));
}
BENCHMARK(BM_ImportBdf16)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zg
