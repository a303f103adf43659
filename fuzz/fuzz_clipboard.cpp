// Any bytes as clipboard text: the first byte picks a target cell and the
// byte count for the font source reading; the rest is the text, given both to
// the glyph form and to the font source form of one glyph.
//
// Checks: a decoded glyph writes itself back as text that decodes to the same
// glyph and width (a width within its cell), placing it writes only the target cell's bytes, and a
// glyph read as font source values has exactly the bytes asked for.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "fontfile/glyph_text.h"
#include "model/font_model.h"
#include "ops/glyph_clip.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz_clipboard: %s\n", what);
    std::abort();
  }
}

constexpr std::uint8_t kFill = 0xA5;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const zg::CellSize& cell = zg::kCellSizes[data[0] % zg::kCellSizes.size()];
  const zg::Layout layout = zg::Layout::Classic(
      cell.ncol, cell.nstr, (data[0] & 0x80U) != 0 ? zg::Scan::Horizontal : zg::Scan::Vertical);
  const int cellBytes = layout.BytesPerGlyph();
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  if (const auto clip = zg::DecodeGlyphClip(text)) {
    Check(clip->bytes.size() == static_cast<std::size_t>(clip->layout.BytesPerGlyph()),
          "byte count does not match the cell");
    Check(clip->width >= 0 && clip->width <= clip->layout.width, "width outside the cell");
    const std::string again = zg::EncodeGlyphClip(clip->layout, clip->bytes, clip->width);
    Check(zg::DecodeGlyphClip(again) == clip, "the written form reads back otherwise");

    std::vector<std::uint8_t> target(static_cast<std::size_t>(cellBytes) + 8, kFill);
    zg::PlaceGlyph(*clip, std::span(target).first(static_cast<std::size_t>(cellBytes)), layout);
    for (std::size_t i = static_cast<std::size_t>(cellBytes); i < target.size(); ++i) {
      Check(target[i] == kFill, "placing wrote beyond the cell");
    }
  }

  const int pos = (data[0] & 0x40U) != 0 ? 0 : -1;
  if (const auto bytes = zg::ReadGlyphText(text, cellBytes, pos)) {
    Check(bytes->size() == static_cast<std::size_t>(cellBytes), "wrong number of values");
    const std::string written = zg::WriteGlyphLine(*bytes, "Data ", "0xNN", pos == 0);
    Check(zg::ReadGlyphText(written, cellBytes, pos) == bytes,
          "written values read back otherwise");
  }
  return 0;
}
