#include "fontfile/c_header_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "fontfile/c_header_params.h"
#include "fontfile/c_text.h"
#include "fontfile/glyph_ink.h"
#include "fontfile/glyph_pixels.h"

namespace zg {
namespace {

void AppendDefine(std::string& out, const std::string& macro, std::string_view value) {
  out += "#define ";
  out += macro;
  if (!value.empty()) {
    out += ' ';
    out += value;
  }
  out += '\n';
}

void AppendPicture(std::string& out, const GlyphRows& rows, int ncol, int nstr) {
  constexpr std::string_view kOpen = "  /* ";
  constexpr std::string_view kClose = " */\n";
  std::array<char, kOpen.size() + kMaxCellSide + kClose.size()> line{};
  std::copy(kOpen.begin(), kOpen.end(), line.begin());
  const auto w = static_cast<std::size_t>(ncol);
  std::copy(kClose.begin(), kClose.end(),
            line.begin() + static_cast<std::ptrdiff_t>(kOpen.size() + w));
  for (std::size_t y = 0; y < static_cast<std::size_t>(nstr); ++y) {
    for (std::size_t x = 0; x < w; ++x)
      line[kOpen.size() + x] = ".#"[(rows[y] >> (w - 1 - x)) & 1U];
    out.append(line.data(), kOpen.size() + w + kClose.size());
  }
}

// The glyph's rows for its picture, whatever the table's bit and band order.
GlyphRows PictureRows(std::span<const std::uint8_t> glyph, const Layout& layout) {
  return DecodeRows(glyph, layout);
}

// "bit 7 at the top, column by column" for the opening comment; nothing for
// the editor's own order.
std::string OrderWords(const Layout& layout) {
  std::string words;
  if (layout.bitOrder == BitOrder::Reversed) {
    words += layout.Vertical() ? ", bit 7 at the top" : ", bit 0 at the left";
  }
  if (layout.Vertical() && layout.Bands() > 1 && layout.bandOrder == BandOrder::Columns) {
    words += ", column by column";
  }
  return words;
}

std::string HexCode(int code) {
  std::string text;
  AppendHexByte(text, static_cast<std::uint8_t>(code));
  return text;
}

}  // namespace

std::string WriteCHeader(std::span<const std::uint8_t> glyphs, int ncol, int nstr, int vert,
                         bool negative, const std::array<char32_t, 224>& characters,
                         const CHeaderOptions& options) {
  const Layout layout = Layout::Classic(ncol, nstr, vert == 1 ? Scan::Vertical : Scan::Horizontal);
  return WriteCHeader(glyphs, {layout, kFirstGlyphCode}, negative, characters, options);
}

std::string WriteCHeader(std::span<const std::uint8_t> glyphs, const CHeaderTable& table,
                         bool negative, const std::array<char32_t, 224>& characters,
                         const CHeaderOptions& options) {
  const Layout& layout = table.layout;
  const int ncol = layout.width;
  const int nstr = layout.height;
  const auto cb = static_cast<std::size_t>(layout.BytesPerGlyph());
  if (!WritableCell(layout)) return {};
  if (table.firstCode < 0 || table.firstCode > kFirstGlyphCode) return {};
  const auto count = static_cast<std::size_t>(256 - table.firstCode);
  const auto codes = HexCode(table.firstCode) + "..0xFF";
  const std::string name = CIdentifier(options.name);
  const std::string upper = UpperIdentifier(name);
  const std::string flash = upper + "_FLASH";
  const std::string unused = upper + "_UNUSED";
  const std::uint8_t flip = negative ? 0xFF : 0x00;

  std::string out;
  out.reserve(count * (cb * 5 + 24) * (options.pictures ? 3 : 1) + 1024);
  out += "/* " + name + ": " + std::to_string(ncol) + " x " + std::to_string(nstr) + ", " +
         (layout.Vertical() ? "vertical" : "horizontal") + " scan" + OrderWords(layout) + ", " +
         (negative ? "negative" : "positive") + "; codes " + codes + ". */\n";
  out += "#ifndef " + upper + "_H\n#define " + upper + "_H\n\n#include <stdint.h>\n\n";
  AppendDefine(out, upper + "_WIDTH", std::to_string(ncol));
  AppendDefine(out, upper + "_HEIGHT", std::to_string(nstr));
  AppendDefine(out, upper + "_BYTES_PER_GLYPH", std::to_string(cb));
  AppendDefine(out, upper + "_FIRST_CODE", HexCode(table.firstCode));
  AppendDefine(out, upper + "_GLYPH_COUNT", std::to_string(count));
  AppendDefine(out, upper + "_SCAN_VERTICAL", layout.Vertical() ? "1" : "0");
  AppendDefine(out, upper + "_NEGATIVE", negative ? "1" : "0");
  AppendDefine(out, upper + "_BIT_ORDER",
               std::string(BitOrderMacro(layout) == 0 ? "0" : "1") + std::string(kBitOrderComment));
  AppendDefine(out, upper + "_BAND_ORDER",
               std::string(layout.bandOrder == BandOrder::Columns ? "1" : "0") +
                   std::string(kBandOrderComment));
  out += '\n';

  const std::string readByte = upper + "_READ_BYTE(address)";
  std::string placement;
  switch (options.flash) {
    case FlashAttribute::None:
      break;
    case FlashAttribute::Progmem:
      out += "#ifdef __AVR__\n#include <avr/pgmspace.h>\n";
      AppendDefine(out, readByte, "pgm_read_byte(address)");
      out += "#else\n";
      AppendDefine(out, readByte, "(*(address))");
      out += "#endif\n#ifndef PROGMEM\n#define PROGMEM\n#endif\n";
      placement = " PROGMEM";
      break;
    case FlashAttribute::Flash:
      // avr-gcc takes the __flash keyword in GNU C only, yet defines __FLASH
      // in every mode; C++ and strict ISO C get avr-libc's PROGMEM instead.
      out +=
          "#if defined(__AVR__) && defined(__FLASH) && !defined(__cplusplus) && "
          "!defined(__STRICT_ANSI__)\n";
      AppendDefine(out, flash, "__flash");
      AppendDefine(out, readByte, "(*(address))");
      out += "#elif defined(__AVR__)\n#include <avr/pgmspace.h>\n";
      AppendDefine(out, flash, "PROGMEM");
      AppendDefine(out, readByte, "pgm_read_byte(address)");
      out += "#else\n";
      AppendDefine(out, flash, "");
      AppendDefine(out, readByte, "(*(address))");
      out += "#endif\n";
      break;
  }
  std::string type = "const ";
  if (options.flash == FlashAttribute::Flash) type += flash + ' ';
  std::string widthsType = type;
  type +=
      "uint8_t " + name + "[" + std::to_string(count) + "][" + std::to_string(cb) + "]" + placement;
  widthsType += "uint8_t " + name + "_widths[224]" + placement;
  const bool widths = !options.widths.empty();
  if (options.singleDefinition) {
    // One source file defines NAME_IMPLEMENTATION before the include and
    // holds the array; every other one sees the declaration only.
    out += "\n#ifdef __cplusplus\nextern \"C\" {\n#endif\n\n";
    out += "extern " + type + ";\n";
    if (widths) out += "extern " + widthsType + ";\n";
    out += "\n#ifdef " + upper + "_IMPLEMENTATION\n" + type + " = {\n";
  } else {
    // A header included where the array is not used must not warn.
    out += "#ifdef __GNUC__\n";
    AppendDefine(out, unused, "__attribute__((unused))");
    out += "#else\n";
    AppendDefine(out, unused, "");
    out += "#endif\n";
    out += "\nstatic " + type + ' ' + unused + " = {\n";
  }
  for (std::size_t i = 0; i < count; ++i) {
    const std::span<const std::uint8_t> glyph = GlyphAt(glyphs, cb, i);
    if (options.pictures) AppendPicture(out, PictureRows(glyph, layout), ncol, nstr);
    out += "  {";
    for (std::size_t n = 0; n < cb; ++n) {
      if (n != 0) out += ',';
      AppendHexByte(out, static_cast<std::uint8_t>((n < glyph.size() ? glyph[n] : 0) ^ flip));
    }
    out += i + 1 < count ? "}, " : "}  ";
    const int code = table.firstCode + static_cast<int>(i);
    AppendCodeComment(
        out, code,
        code < kFirstGlyphCode ? 0 : characters[static_cast<std::size_t>(code - kFirstGlyphCode)]);
    out += '\n';
  }
  out += "};\n";
  if (widths) {
    out += options.singleDefinition ? "\n" + widthsType : "\nstatic " + widthsType + ' ' + unused;
    out += " = {\n";
    for (std::size_t i = 0; i < kGlyphCount; i += 16) {
      out += " ";
      for (std::size_t k = i; k < i + 16; ++k) {
        out += ' ' + std::to_string(GlyphAdvance(options.widths, k, layout));
        if (k + 1 < kGlyphCount) out += ',';
      }
      out += "  /* from ";  // the line's first code
      AppendHexByte(out, static_cast<std::uint8_t>(kFirstGlyphCode + static_cast<int>(i)));
      out += " */\n";
    }
    out += "};\n";
  }
  if (options.singleDefinition) {
    out += "#endif /* " + upper + "_IMPLEMENTATION */\n\n#ifdef __cplusplus\n}\n#endif\n";
  }
  out += "\n#endif /* " + upper + "_H */\n";
  return out;
}

}  // namespace zg
