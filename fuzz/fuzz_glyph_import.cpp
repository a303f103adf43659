// Any bytes as a font file for the glyph import (gzip data unpacked first).
// The first byte picks the cell, the scan, the mode and the alignment, the
// second the pixel size or the size that fits, and offsets; the rest is the
// file.
//
// Checks: opening never fails silently (an error or a renderer), a fitted
// size is a real one, rendering writes nothing outside the glyph and the
// same bytes whether or not cut ink is asked about, a character the font
// lacks leaves the glyph untouched, and a fill counts every symbol it was
// asked for and names only drawn ones as cut.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "glyphimport/glyph_renderer.h"
#include "model/code_page.h"

namespace {

constexpr std::size_t kGuard = 64;
constexpr std::uint8_t kFill = 0xA5;

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz_glyph_import: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const zg::CellSize& cell = zg::kCellSizes[(data[0] & 7U) % zg::kCellSizes.size()];
  zg::GlyphRenderOptions o;
  o.layout = zg::Layout::Classic(cell.ncol, cell.nstr,
                                 (data[0] & 8U) != 0 ? zg::Scan::Horizontal : zg::Scan::Vertical);
  const int cellBytes = o.layout.BytesPerGlyph();
  o.mode = (data[0] & 16U) != 0 ? zg::RenderMode::AntiAliased : zg::RenderMode::Mono;
  o.align = (data[0] & 32U) != 0 ? zg::HAlign::Left : zg::HAlign::Center;
  o.threshold = (data[0] & 64U) != 0 ? 0 : 200;
  // Small sizes keep each run fast; bitmap strikes are rarely larger.
  o.pixelSize = 1 + (data[1] & 31U);
  o.fitSize = (data[1] & 32U) != 0;
  o.offsetX = (data[1] & 64U) != 0 ? -3 : 0;
  o.offsetY = (data[1] & 128U) != 0 ? 5 : 0;

  const zg::GlyphRenderer::Result opened =
      zg::GlyphRenderer::OpenBytes(std::vector<std::uint8_t>(data + 2, data + size), o);
  if (!opened) {
    const zg::GlyphImportError e = opened.failure.error;
    Check((e != zg::GlyphImportError::SizeNotInFont && e != zg::GlyphImportError::NoSizeFits) ||
              !opened.failure.availableSizes.empty(),
          "a size error that lists no sizes");
    Check(e != zg::GlyphImportError::UnknownCharset || !opened.failure.charset.empty(),
          "an unknown charset without its name");
    return 0;
  }
  const zg::GlyphRenderer& r = *opened.renderer;
  Check(r.options().pixelSize >= 1 && r.options().pixelSize <= 255, "a size outside 1..255");
  const auto cb = static_cast<std::size_t>(cellBytes);

  std::vector<std::uint8_t> buffer(kGuard + cb + kGuard, kFill);
  const std::span<std::uint8_t> glyph(buffer.data() + kGuard, cb);
  for (const char32_t ch : {U' ', U'A', U'g', U'Ж', U'\u00C0', U'\u2592', U'\U0001F600'}) {
    std::fill(buffer.begin(), buffer.end(), kFill);
    bool clipped = false;
    const bool drawn = r.Render(ch, glyph, &clipped);
    std::vector<std::uint8_t> plain(cb, kFill);
    Check(r.Render(ch, plain) == drawn, "drawn only when cut ink is asked about");
    if (drawn) {
      Check(std::equal(plain.begin(), plain.end(), glyph.begin()),
            "asking about cut ink changed the glyph");
      zg::RenderedGlyph rendered;
      Check(r.Render(ch, plain, rendered) && rendered.clipped == clipped,
            "the cut ink told two ways differs");
      Check(rendered.width >= 1 && rendered.width <= r.options().layout.width,
            "a width outside 1..cell width");
    }
    Check(std::all_of(buffer.begin(), buffer.begin() + kGuard,
                      [](std::uint8_t b) { return b == kFill; }),
          "wrote before the glyph");
    Check(
        std::all_of(buffer.end() - kGuard, buffer.end(), [](std::uint8_t b) { return b == kFill; }),
        "wrote after the glyph");
    if (!drawn) {
      Check(std::all_of(glyph.begin(), glyph.end(), [](std::uint8_t b) { return b == kFill; }),
            "a missing character changed the glyph");
    }
  }

  std::vector<std::uint8_t> glyphs(zg::kSymbolCount * cb);
  const auto& chars = zg::CodePageCharacters(zg::CodePage::Windows1251);
  const zg::FillSummary s = zg::FillGlyphs(r, chars, zg::FillRange::Codes(0x40, 0x5F), glyphs);
  Check(s.filled + s.missing == 0x20, "a fill lost symbols");
  Check(s.clipped.size() <= static_cast<std::size_t>(s.filled), "cut glyphs that were not drawn");
  return 0;
}
