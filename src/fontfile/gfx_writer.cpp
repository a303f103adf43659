#include "fontfile/gfx_writer.h"

#include "fontfile/c_text.h"
#include "fontfile/glyph_ink.h"
#include "fontfile/glyph_pixels.h"

namespace zg {
namespace {

std::size_t BoxBytes(const InkBox& box) {
  return (static_cast<std::size_t>(box.width) * static_cast<std::size_t>(box.height) + 7) / 8;
}

}  // namespace

std::string WriteGfxHeader(std::span<const std::uint8_t> glyphs, const Layout& layout,
                           const std::array<char32_t, 224>& characters, const GfxOptions& options) {
  const int ncol = layout.width;
  const int nstr = layout.height;
  const auto cb = static_cast<std::size_t>(layout.BytesPerGlyph());
  if (!WritableCell(layout)) return {};
  const std::string name = CIdentifier(options.name);
  const std::string upper = UpperIdentifier(name);
  const std::string w = std::to_string(ncol);
  const std::string h = std::to_string(nstr);

  std::string out;
  out.reserve(2048 + kGlyphCount * (cb * 5 + 64));
  out += "/* " + name + ": Adafruit GFX font, " + w + " x " + h + ", codes 0x20..0xFF. */\n";
  out += "#ifndef " + upper + "_GFX_H\n#define " + upper + "_GFX_H\n\n#include <stdint.h>\n\n";
  out += "#ifdef __AVR__\n#include <avr/pgmspace.h>\n#endif\n";
  out += "#ifndef PROGMEM\n#define PROGMEM\n#endif\n\n";
  // The library's own definitions, under its guard, for use without it.
  out +=
      "#ifndef _GFXFONT_H_\n#define _GFXFONT_H_\n"
      "typedef struct {\n  uint16_t bitmapOffset;\n  uint8_t width;\n  uint8_t height;\n"
      "  uint8_t xAdvance;\n  int8_t xOffset;\n  int8_t yOffset;\n} GFXglyph;\n"
      "typedef struct {\n  uint8_t *bitmap;\n  GFXglyph *glyph;\n  uint16_t first;\n"
      "  uint16_t last;\n  uint8_t yAdvance;\n} GFXfont;\n#endif\n\n";

  std::array<InkBox, kGlyphCount> boxes{};
  std::size_t offset = 0;
  out += "const uint8_t " + name + "Bitmaps[] PROGMEM = {\n";
  for (std::size_t i = 0; i < kGlyphCount; ++i) {
    out += "  ";
    const GlyphRows rows = DecodeRows(GlyphAt(glyphs, cb, i), layout);
    const InkBox box = FindInk(rows, layout);
    boxes[i] = box;
    // The box's rows run on without padding; only the glyph's last byte is padded.
    AppendBoxBits(out, rows, layout, box);
    offset += BoxBytes(box);
    if (i + 1 == kGlyphCount && offset == 0) out += "0x00,";  // C has no empty array
    out += ' ';
    AppendCodeComment(out, kFirstGlyphCode + static_cast<int>(i), characters[i]);
    out += '\n';
  }
  out += "};\n\n";

  offset = 0;
  out += "const GFXglyph " + name + "Glyphs[] PROGMEM = {\n";
  for (std::size_t i = 0; i < kGlyphCount; ++i) {
    const InkBox& box = boxes[i];
    const int yOffset = box.height == 0 ? 0 : box.y + 1 - nstr;
    out += "  {" + std::to_string(offset) + ", " + std::to_string(box.width) + ", " +
           std::to_string(box.height) + ", " +
           std::to_string(GlyphAdvance(options.widths, i, layout)) + ", " + std::to_string(box.x) +
           ", " + std::to_string(yOffset) + "}" + (i + 1 < kGlyphCount ? ", " : "  ");
    AppendCodeComment(out, kFirstGlyphCode + static_cast<int>(i), characters[i]);
    out += '\n';
    offset += BoxBytes(box);
  }
  out += "};\n\n";
  out += "const GFXfont " + name + " PROGMEM = {(uint8_t *)" + name + "Bitmaps, (GFXglyph *)" +
         name + "Glyphs, 0x20, 0xFF, " + h + "};\n\n";
  out += "#endif /* " + upper + "_GFX_H */\n";
  return out;
}

GfxBitmapSize MeasureGfxBitmaps(std::span<const std::uint8_t> glyphs, const Layout& layout) {
  const int ncol = layout.width;
  const int nstr = layout.height;
  const auto cb = static_cast<std::size_t>(layout.BytesPerGlyph());
  if (!WritableCell(layout)) return {};
  GfxBitmapSize size;
  size.wholeCells = kGlyphCount * BoxBytes({0, 0, ncol, nstr});
  for (std::size_t i = 0; i < kGlyphCount; ++i) {
    size.cropped += BoxBytes(FindInk(DecodeRows(GlyphAt(glyphs, cb, i), layout), layout));
  }
  return size;
}

}  // namespace zg
