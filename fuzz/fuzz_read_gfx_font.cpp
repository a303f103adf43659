// Any bytes as an Adafruit GFX font header. A font that is read fits the
// cell it was read into, its widths are 1 to the cell's width, and written
// out as a GFX header again it reads back to the same glyphs and widths.

#include <string_view>

#include "fontfile/fontfile.h"
#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first byte chooses the cell: 1..16 x 1..16 pixels (wider cells come
  // from the same code), vertical or horizontal scan.
  const int ncol = 1 + (data[0] & 0x0F);
  const int nstr = 1 + (data[1] & 0x0F);
  const int vert = (data[0] >> 4) & 1;
  const zg::Layout cell = zg::Layout::Classic(ncol, nstr, zg::ScanOf(vert));
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  const zg::GfxFont font = zg::ReadGfxFont(text, cell);
  if (font.status == zg::GfxReadStatus::TooLarge) {
    zg_fuzz::Check(font.neededWidth > ncol || font.neededHeight > nstr, "refused a font that fits");
  }
  if (font.status != zg::GfxReadStatus::Completed) return 0;
  zg_fuzz::Check(font.neededWidth <= ncol && font.neededHeight <= nstr, "took a font too large");
  zg_fuzz::Check(font.glyphs.size() == static_cast<std::size_t>(cell.BytesPerGlyph()) * 224,
                 "glyph bytes");
  for (const std::uint8_t w : font.widths) {
    zg_fuzz::Check(w >= 1 && w <= ncol, "a width outside the cell");
  }
  std::array<char32_t, 224> characters{};
  const std::string again =
      zg::WriteGfxHeader(font.glyphs, cell, characters, {"again", font.widths});
  const zg::GfxFont back = zg::ReadGfxFont(again, cell);
  zg_fuzz::Check(back.status == zg::GfxReadStatus::Completed, "its own export refused");
  zg_fuzz::Check(back.widths == font.widths, "widths changed through the export");
  for (std::size_t i = 0; i < 224; ++i) {
    for (int y = 0; y < nstr; ++y) {
      for (int x = 0; x < ncol; ++x) {
        const auto cb = static_cast<std::size_t>(cell.BytesPerGlyph());
        zg_fuzz::Check(zg::GlyphPixel(zg::GlyphAt(font.glyphs, cb, i), cell, x, y) ==
                           zg::GlyphPixel(zg::GlyphAt(back.glyphs, cb, i), cell, x, y),
                       "a pixel changed through the export");
      }
    }
  }
  return 0;
}
