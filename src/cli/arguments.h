#pragma once
// The command line of zgconv as a value, and its parser. Parsing reads no
// file: what the arguments say is checked here, what the files say later.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/font_io.h"
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
  std::optional<OutputFormat> format;
  std::string lineFormat = "Data code";  // as the editor's boxes name them
  std::string numberFormat = "&hNN";
  std::optional<int> toVert;
  std::optional<bool> toNegative;
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
};

// The cell, scan and polarity of the input: the options given, else what the
// input's name carries, else vertical positive. An error when the cell is
// known from neither or the cell cannot take the scan.
struct ResolvedParams {
  InputParams params;
  std::string error;
};
ResolvedParams ResolveParams(const Arguments& args);

// Why an option given does not fit the output format ("option '--flash'
// is for the C header, not a BDF font"), or "" when all fit.
std::string FormatOptionError(const Arguments& args, OutputFormat format);

// The usage text printed by --help.
std::string_view UsageText();

}  // namespace zg::cli
