#pragma once
// The command line of zgconv as a value, and its parser. Parsing reads no
// file: what the arguments say is checked here, what the files say later.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/font_io.h"
#include "fontfile/c_header_params.h"
#include "glyphimport/glyph_renderer.h"
#include "model/code_page.h"

namespace zg::cli {

struct FontImportArgs {
  std::string fontPath;
  std::optional<int> pixelSize;  // the cell height when not given
  RenderMode mode = RenderMode::Mono;
  int threshold = 128;
  HAlign align = HAlign::Center;
  int offsetX = 0;
  int offsetY = 0;
  int faceIndex = 0;
  bool emptyOnly = false;
  bool keepAdvances = false;  // the glyphs drawn take the font's advances as widths
  friend bool operator==(const FontImportArgs&, const FontImportArgs&) = default;
};

struct Arguments {
  bool help = false;
  bool version = false;
  std::string input;   // empty: none (a font made from --from-font alone)
  std::string output;  // "-" is standard output
  // The input's parameters as given; what is left out comes from its name.
  std::optional<int> ncol;
  std::optional<int> nstr;
  std::optional<int> vert;
  std::optional<bool> negative;
  // The input table's layout beyond cell and scan, for files that do not
  // carry it: which bit holds a byte's top or left pixel (msb: bit 7), the
  // band order of columns taller than 8 pixels, the code of the first glyph,
  // bytes before it, bytes per glyph in the file and where in them the
  // glyph's own bytes begin, and which array of a C source.
  std::optional<bool> msbFirst;
  std::optional<BandOrder> bandOrder;
  std::optional<int> firstCode;
  std::optional<int> skip;
  std::optional<int> stride;
  std::optional<int> glyphOffset;
  std::optional<std::string> array;
  std::string detect;  // --detect FILE: print the layout found, convert nothing
  std::optional<OutputFormat> format;
  std::string lineFormat = "Data code";  // as the editor's boxes name them
  std::string numberFormat = "&hNN";
  std::optional<int> toVert;
  std::optional<bool> toNegative;
  std::optional<bool> toMsbFirst;  // the written table's bit order, band order
  std::optional<BandOrder> toBandOrder;
  std::optional<int> toFirstCode;  // and first code (0x00 or 0x20)
  std::optional<std::string> name;
  FlashAttribute flash = FlashAttribute::None;
  bool pictures = false;
  bool rawEncoding = false;
  bool singleDefinition = false;
  bool ignoreName = false;  // write a font source under a name that says other parameters
  CodePage codePage = kDefaultCodePage;
  std::optional<FontImportArgs> fromFont;
  // The options given that belong to some output formats only, in order.
  std::vector<std::string> formatOptions;
  friend bool operator==(const Arguments&, const Arguments&) = default;
};

struct ParsedArguments {
  Arguments args;
  std::string error;  // empty when the command line is good
};

// `argv` without the program name.
ParsedArguments ParseArguments(std::span<const std::string_view> argv);

// The font the converter works on, once the input's name has been read.
struct InputParams {
  int ncol = 0;
  int nstr = 0;
  int vert = 1;
  bool negative = false;
  BitOrder bitOrder = BitOrder::Classic;
  BandOrder bandOrder = BandOrder::Bands;
  int firstCode = 0x20;
  int skip = 0;
  int stride = 0;  // 0: the layout's bytes per glyph
  int glyphOffset = 0;
  std::string array;        // empty: the first array of a C source
  bool fromHeader = false;  // the input's own macros said all of it
  bool detect = false;      // neither name nor options say the layout: find it
  // How the input's glyphs are packed.
  TableLayout Table() const;
  // The editor's own files: read as they always were.
  bool OwnLayout() const;
};

// The input's parameters: those of a C header's own macros when it has them
// (an option that says otherwise is an error naming both); else the options
// given, else what the input's name carries, else vertical positive in the
// editor's own order from 20h. An input whose cell comes from neither is
// read with the layout detected in it, and layout options without --cell
// are then an error; so is a font made with --from-font alone without a
// cell, and a cell that cannot take the scan.
struct ResolvedParams {
  InputParams params;
  std::string error;
};
ResolvedParams ResolveParams(const Arguments& args, const CHeaderParams* header = nullptr);

// A table's layout as options, the line --detect prints: pasted back on the
// command line it gives the same layout.
std::string OptionsLine(const TableLayout& t, std::string_view array = {});

// "0x41", "41h" or "65" as 65: the forms --first-code takes.
std::optional<int> ParseCode(std::string_view text);

// Why an option given does not fit the output format ("option '--flash'
// is for the C header, not a BDF font"), or "" when all fit.
std::string FormatOptionError(const Arguments& args, OutputFormat format);

// The usage text printed by --help.
std::string_view UsageText();

// The first option given that describes a table of bytes (the bit and band
// order, the first code, skip, stride, glyph offset, polarity; the scan too
// when `withScan`), or nothing.
std::optional<std::string_view> FirstTableOption(const Arguments& args, bool withScan);

}  // namespace zg::cli
