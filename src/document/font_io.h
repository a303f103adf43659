#pragma once
// The one path from a file's text to a font and back, shared by the editor
// and the converter. Opening and writing the file itself is the caller's:
// the editor goes through its platform, the converter through the standard
// library.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/table_form.h"
#include "fontfile/fontfile.h"
#include "model/font_document.h"

namespace zg {

// Reads every value of a font source file into `store` from index 0, the
// complement of each value for a negative font.
ReadResult ReadFontFile(ByteSource& in, std::string_view path, bool negative,
                        std::span<std::uint8_t> store);

// The cell, scan and polarity the file name carries, if it has the form the
// save dialog proposes and names a cell the editor can hold.
std::optional<FontFileParams> ParamsFromName(std::string_view path);

struct LoadedDocument {
  ReadResult result;  // Completed, or why the file was refused
  FontDocument document;
  // The widths line of a proportional font: Read, its widths are the
  // document's; Malformed, the font is read monospaced and the callers say
  // why; Absent, a monospaced font.
  WidthsLine widthsLine;
};

// The layout of the editor's own files that the name's parameters stand for.
Layout LayoutOf(const FontFileParams& params);

// A whole font from a file in the given layout: glyphs past the file's last
// value stay empty. A widths line makes it proportional.
LoadedDocument LoadFontDocument(ByteSource& in, std::string_view path, const Layout& layout,
                                bool negative);

// The widths a C header zgedit wrote carries for a proportional font: the
// array GLYPHS_widths of 224 values, each 1 to `cellWidth`, beside the glyph
// array GLYPHS (`glyphArray`, or the file's first array when empty). Absent
// without such an array, Malformed (with the array's line) when it is not
// that. `listing` and `values` are the same file, each read once.
WidthsLine ReadCHeaderWidths(ByteSource& listing, ByteSource& values, std::string_view glyphArray,
                             int cellWidth);

struct LoadedTable {
  ReadResult result;  // Completed, or why the file was refused
  FontDocument document;
  TableRead read;         // what the decoding read and left out
  TableLayout table;      // the layout read with: the one given or the one found
  bool found = true;      // false: no layout given and none found in the values
  WidthsLine widthsLine;  // as LoadedDocument's
};

// A whole font from a table in any layout: the file's values (the array
// named `array` of a C source, the first when empty) decoded from `table`,
// or from the layout DetectTable finds when none is given, into a document
// of the table's cell and scan in the editor's own order.
LoadedTable LoadTable(ByteSource& in, std::string_view path,
                      const std::optional<TableLayout>& table, std::string_view array = {});

// How far a completed read of `values` values reached in a font of `cb`
// bytes a glyph: the whole glyphs from code 20h on, the bytes of the glyph
// the file ended inside, and the values past the font's last glyph. The
// editor and the converter each say it in their own words.
struct ReadExtent {
  int cb = 0;
  int glyphs = 0;     // whole glyphs, codes 20h .. 20h + glyphs - 1
  int partBytes = 0;  // bytes of the next glyph, 0 when the file ended on a glyph's end
  std::size_t extraValues = 0;
  // No glyph value at all: an empty file, comments only, an empty array.
  bool Empty() const { return glyphs == 0 && partBytes == 0; }
  bool Short() const { return glyphs < kSymbolCount; }
  friend bool operator==(const ReadExtent&, const ReadExtent&) = default;
};
ReadExtent ExtentOfRead(std::size_t values, int cb);

// The cell, scan and polarity the name of `path` says (Font08x08vp...) when
// they are not those of `d`: the next import would read `d` saved under
// that name as another font.
std::optional<FontFileParams> NameContradiction(std::string_view path, const FontDocument& d);

enum class OutputFormat : std::uint8_t { FontSource, CHeader, Bdf, Gfx, Lvgl };

// The format a file name's extension stands for: .h/.c and the like a C
// header, .bdf BDF; nothing when the extension says nothing. GFX and LVGL
// fonts are C sources too, so no extension stands for them.
std::optional<OutputFormat> FormatOfPath(std::string_view path);

struct OutputOptions {
  OutputFormat format = OutputFormat::FontSource;
  std::string lineFormat = "Data code";  // the "Формат строки" text
  std::string numberFormat = "&hNN";     // the "Формат числа" text
  // For the C header, BDF and GFX forms: the name of the array or font
  // (made a valid identifier by the writers), the character of each code
  // (0 where the code page has none) and their own options.
  std::string name = "font";
  std::array<char32_t, kSymbolCount> characters{};
  FlashAttribute flash = FlashAttribute::None;
  bool pictures = false;
  bool rawEncoding = false;
  bool singleDefinition = false;  // C header: extern, defined under NAME_IMPLEMENTATION
  // For the font source and the C header: the layout of the written glyphs
  // (the font's cell; the scan, bit and band order the font's where not
  // given) and the code the table starts from (0x00: 256 glyphs, the codes
  // below 20h empty).
  std::optional<Scan> scan = std::nullopt;
  std::optional<BitOrder> bitOrder = std::nullopt;
  std::optional<BandOrder> bandOrder = std::nullopt;
  int firstCode = 0x20;
};

// The table form those options give for the document.
TableForm OutputTableForm(const FontDocument& d, const OutputOptions& options);

// The file's whole text for the document in the chosen form, with the
// widths of a proportional font: the font source in its widths line, the C
// header in a NAME_widths array, BDF, GFX and LVGL in each glyph's advance.
// The codes whose glyph the form could not carry (a BDF font of Unicode code
// points only; in LVGL, codes without a character of their own) go to
// `unwrittenCodes`, for a note to the user.
std::string FormatFontDocument(const FontDocument& d, const OutputOptions& options,
                               std::vector<int>* unwrittenCodes = nullptr);

}  // namespace zg
