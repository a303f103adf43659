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

// The layout of the editor's own files that the name's parameters stand for.
Layout LayoutOf(const FontFileParams& params);

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
  WidthsLine widthsLine;  // as LoadedFont's
};

// The values of a file decoded as a table (the array named `array` of a C
// source, the first when empty) from `table`, or from the layout DetectTable
// finds when none is given. What LoadFont does for a layout other than the
// editor's own; the window's import of a C header still calls it directly.
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

// Where the layout a font file is read with comes from.
enum class LayoutFrom : std::uint8_t {
  Request,  // the caller gave it
  Header,   // the macros of a C header zgedit wrote
  Name,     // the file's name: Font08x08vp.fnt and the like
  Values,   // found in the file's values
  Nowhere,  // neither said nor found: nothing was read
};

// The layout a file says itself, and where it says it.
struct SaidLayout {
  TableLayout table;
  LayoutFrom from = LayoutFrom::Header;
  friend bool operator==(const SaidLayout&, const SaidLayout&) = default;
};

// The layout in the macros of a C header zgedit wrote (read from `in` for a
// C source's name: a .h, .c...), else the one its name carries (the editor's
// own order from 20h), else nothing. `in` is read at most 16 KiB into.
std::optional<SaidLayout> LayoutSaidByFile(ByteSource& in, std::string_view path);

// What the glyphs a file does not reach hold after a load: the codes past
// its end (and the bytes past the end of the glyph it ended inside), and the
// codes a table in another layout has no glyph for.
enum class PastTheEnd : std::uint8_t {
  Empty,  // empty glyphs, as zgconv makes its font
  Kept,   // the bytes of LoadRequest::base at the same place, as the editor
          // keeps the font it replaces
};

struct LoadRequest {
  // The layout and polarity to read with; nothing: the one the file says
  // (LayoutSaidByFile).
  std::optional<TableLayout> table;
  // When neither the request nor the file says the layout: find it in the
  // values (DetectTable) rather than read nothing.
  bool detect = false;
  std::string array;  // the array of a C source; empty: the first
  PastTheEnd pastEnd = PastTheEnd::Empty;
  // For PastTheEnd::Kept: the font being replaced as one run of bytes, read
  // as the new cell's glyphs (glyph i at i * its bytes per glyph) as the
  // editor's store holds them; bytes past its end count as empty.
  std::span<const std::uint8_t> base;
};

struct LoadedFont {
  ReadResult result;  // Completed, or why the file was refused
  LayoutFrom from = LayoutFrom::Request;
  TableLayout table;  // the layout read with
  // The font in the editor's own order of the table's cell and scan, with
  // the table's polarity; only for a completed read from a layout.
  FontDocument document;
  // How far the values reached from code 20h, the values before it (a
  // header's codes below 20h, a table's skip) discounted.
  ReadExtent extent;
  // A table in any other layout than the editor's own is decoded: what the
  // decoding read and left out (its glyphs are the document's, not here).
  // The editor's own layout is read value by value into the store, as the
  // editor always read its files: then nothing.
  std::optional<TableRead> decoded;
  // The widths line of a font source: Read, its widths are the document's
  // (a proportional font); Malformed, the font is read monospaced and the
  // callers say why (`problem`, at `line`); Absent, a monospaced font.
  WidthsLine widthsLine;
  bool Read() const {
    return result.status == ReadStatus::Completed && from != LayoutFrom::Nowhere;
  }
};

// The one way the editor and zgconv load a font file: its values read in the
// layout the request gives, or the one the file says, or (request.detect)
// the one found in them, into a whole font of 224 glyphs. The editor's own
// layout (its cell and scan, from code 20h, nothing between the glyphs, the
// first array) is read with the font source or C array reader, every other
// layout as a table, decoded. A failed read leaves the document empty.
LoadedFont LoadFont(ByteSource& in, std::string_view path, const LoadRequest& request);

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
