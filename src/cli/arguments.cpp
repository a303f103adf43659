#include "cli/arguments.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <initializer_list>

#include "fontfile/c_header_params.h"
#include "model/font_model.h"

namespace zg::cli {
namespace {

constexpr std::string_view kCells = "a width and height of 1 to 24, as 8x16 or 5x8";

template <typename T>
struct Choice {
  std::string_view word;
  T value;
};

template <typename T, std::size_t N>
std::optional<T> Choose(const Choice<T> (&choices)[N], std::string_view word) {
  for (const auto& c : choices) {
    if (c.word == word) return c.value;
  }
  return std::nullopt;
}

template <typename T, std::size_t N>
std::string Words(const Choice<T> (&choices)[N]) {
  std::string out;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) out += i + 1 == N ? " or " : ", ";
    out += choices[i].word;
  }
  return out;
}

constexpr Choice<int> kScans[] = {{"v", 1}, {"h", 0}};
constexpr Choice<bool> kBitOrders[] = {{"lsb", false}, {"msb", true}};
constexpr Choice<BandOrder> kBandOrders[] = {{"bands", BandOrder::Bands},
                                             {"columns", BandOrder::Columns}};
constexpr Choice<OutputFormat> kFormats[] = {{"fnt", OutputFormat::FontSource},
                                             {"c", OutputFormat::CHeader},
                                             {"bdf", OutputFormat::Bdf},
                                             {"gfx", OutputFormat::Gfx},
                                             {"lvgl", OutputFormat::Lvgl}};
constexpr Choice<std::string_view> kLines[] = {
    {"data", "Data code"}, {"db", ".Db code"}, {"bare", "Code"}};
constexpr Choice<std::string_view> kNumbers[] = {
    {"&h", "&hNN"}, {"0x", "0xNN"}, {"$", "$NN"}, {"#", "#NN"}, {"h", "NNh"}};
constexpr Choice<FlashAttribute> kFlash[] = {{"none", FlashAttribute::None},
                                             {"progmem", FlashAttribute::Progmem},
                                             {"flash", FlashAttribute::Flash}};
constexpr Choice<RenderMode> kModes[] = {{"mono", RenderMode::Mono},
                                         {"aa", RenderMode::AntiAliased}};
constexpr Choice<HAlign> kAligns[] = {{"center", HAlign::Center}, {"left", HAlign::Left}};
constexpr Choice<bool> kFills[] = {{"all", false}, {"empty", true}};

std::optional<int> ParseInt(std::string_view text, int min, int max) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < min || value > max) return std::nullopt;
  return value;
}

std::optional<std::pair<int, int>> ParseCell(std::string_view text) {
  const auto x = text.find_first_of("xX");
  if (x == std::string_view::npos) return std::nullopt;
  const auto w = ParseInt(text.substr(0, x), 1, 99);
  const auto h = ParseInt(text.substr(x + 1), 1, 99);
  if (!w || !h || !Layout::Classic(*w, *h, Scan::Vertical).Valid()) return std::nullopt;
  return std::pair{*w, *h};
}

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

// The output formats an option is for; --code-page also serves --from-font.
struct FormatOption {
  std::string_view option;
  std::initializer_list<OutputFormat> formats;
};
const FormatOption kFormatOptions[] = {
    {"--line", {OutputFormat::FontSource}},
    {"--number", {OutputFormat::FontSource}},
    {"--ignore-name", {OutputFormat::FontSource}},
    // BDF and GFX fonts hold the pixels, whatever the bytes' scan and polarity.
    {"--to-scan", {OutputFormat::FontSource, OutputFormat::CHeader}},
    {"--to-negative", {OutputFormat::FontSource, OutputFormat::CHeader}},
    {"--to-positive", {OutputFormat::FontSource, OutputFormat::CHeader}},
    {"--to-bit-order", {OutputFormat::FontSource, OutputFormat::CHeader}},
    {"--to-band-order", {OutputFormat::FontSource, OutputFormat::CHeader}},
    {"--to-first-code", {OutputFormat::FontSource, OutputFormat::CHeader}},
    {"--name", {OutputFormat::CHeader, OutputFormat::Bdf, OutputFormat::Gfx, OutputFormat::Lvgl}},
    {"--code-page",
     {OutputFormat::CHeader, OutputFormat::Bdf, OutputFormat::Gfx, OutputFormat::Lvgl}},
    {"--flash", {OutputFormat::CHeader}},
    {"--pictures", {OutputFormat::CHeader}},
    {"--single-definition", {OutputFormat::CHeader}},
    {"--raw-encoding", {OutputFormat::Bdf}},
};

std::string_view FormatName(OutputFormat format) {
  switch (format) {
    case OutputFormat::FontSource:
      return "a font source file";
    case OutputFormat::CHeader:
      return "a C header";
    case OutputFormat::Bdf:
      return "a BDF font";
    case OutputFormat::Gfx:
      return "an Adafruit GFX font";
    case OutputFormat::Lvgl:
      return "an LVGL font";
  }
  return "this format";
}

class Parser {
 public:
  explicit Parser(std::span<const std::string_view> argv) : argv_(argv) {}

  ParsedArguments Run() {
    // Asking for help is never a mistake, whatever else the line holds.
    for (const std::string_view arg : argv_) {
      if (arg == "--") break;
      if (arg == "--help" || arg == "-h") {
        a_.help = true;
        return {a_, {}};
      }
    }
    bool onlyInputs = false;
    for (next_ = 0; next_ < argv_.size() && error_.empty();) {
      const std::string_view arg = argv_[next_++];
      if (onlyInputs || arg == "-" || !arg.starts_with('-')) {
        Input(arg);
      } else if (arg == "--") {
        onlyInputs = true;
      } else if (arg.starts_with("--")) {
        const auto eq = arg.find('=');
        if (eq == std::string_view::npos) {
          Option(arg, std::nullopt);
        } else {
          Option(arg.substr(0, eq), arg.substr(eq + 1));
        }
      } else if (arg.starts_with("-o")) {
        Option("-o", arg.size() > 2 ? std::optional(arg.substr(2)) : std::nullopt);
      } else if (arg == "-h") {
        a_.help = true;
      } else {
        error_ = "unknown option " + Quoted(arg);
      }
    }
    if (a_.help || a_.version) return {a_, {}};
    if (error_.empty()) Check();
    return {a_, error_};
  }

 private:
  void Input(std::string_view arg) {
    if (!a_.input.empty()) {
      error_ = "more than one input file: " + Quoted(a_.input) + " and " + Quoted(arg);
    } else if (arg.empty()) {
      error_ = "an empty input file name";
    } else {
      a_.input = arg;
    }
  }

  // The option's value: after '=' or the next argument.
  std::optional<std::string_view> Value(std::string_view option,
                                        std::optional<std::string_view> attached) {
    if (attached) return attached;
    if (next_ < argv_.size()) return argv_[next_++];
    error_ = "option " + Quoted(option) + " needs a value";
    return std::nullopt;
  }

  template <typename T, std::size_t N>
  std::optional<T> Word(std::string_view option, std::string_view value,
                        const Choice<T> (&choices)[N]) {
    auto chosen = Choose(choices, value);
    if (!chosen) {
      error_ = "option " + Quoted(option) + " takes " + Words(choices) + ", not " + Quoted(value);
    }
    return chosen;
  }

  std::optional<int> Number(std::string_view option, std::string_view value, int min, int max) {
    auto n = ParseInt(value, min, max);
    if (!n) {
      error_ = "option " + Quoted(option) + " takes a whole number from " + std::to_string(min) +
               " to " + std::to_string(max) + ", not " + Quoted(value);
    }
    return n;
  }

  FontImportArgs& Import(std::string_view option) {
    if (!a_.fromFont) {
      a_.fromFont.emplace();
      importOption_ = option;
    }
    return *a_.fromFont;
  }

  bool Flag(std::string_view o) {
    if (o == "--help") {
      a_.help = true;
    } else if (o == "--version") {
      a_.version = true;
    } else if (o == "--negative" || o == "--positive") {
      a_.negative = o == "--negative";
    } else if (o == "--to-negative" || o == "--to-positive") {
      a_.toNegative = o == "--to-negative";
    } else if (o == "--pictures") {
      a_.pictures = true;
    } else if (o == "--raw-encoding") {
      a_.rawEncoding = true;
    } else if (o == "--single-definition") {
      a_.singleDefinition = true;
    } else if (o == "--ignore-name") {
      a_.ignoreName = true;
    } else if (o == "--keep-advances") {
      Import(o).keepAdvances = true;
    } else {
      return false;
    }
    return true;
  }

  void Option(std::string_view o, std::optional<std::string_view> attached) {
    for (const FormatOption& f : kFormatOptions) {
      if (f.option == o && std::find(a_.formatOptions.begin(), a_.formatOptions.end(), o) ==
                               a_.formatOptions.end()) {
        a_.formatOptions.emplace_back(o);
      }
    }
    if (Flag(o)) {
      if (attached) error_ = "option " + Quoted(o) + " takes no value";
      return;
    }
    if (!IsValueOption(o)) {
      error_ = "unknown option " + Quoted(o);
      return;
    }
    const auto v = Value(o, attached);
    if (!v) return;
    if (o == "-o" || o == "--output") {
      if (v->empty()) error_ = "an empty output file name";
      a_.output = *v;
    } else if (o == "--cell") {
      const auto cell = ParseCell(*v);
      if (!cell) {
        error_ = "option '--cell' takes " + std::string(kCells) + ", not " + Quoted(*v);
        return;
      }
      a_.ncol = cell->first;
      a_.nstr = cell->second;
    } else if (o == "--bit-order") {
      a_.msbFirst = Word(o, *v, kBitOrders);
    } else if (o == "--to-bit-order") {
      a_.toMsbFirst = Word(o, *v, kBitOrders);
    } else if (o == "--band-order") {
      a_.bandOrder = Word(o, *v, kBandOrders);
    } else if (o == "--to-band-order") {
      a_.toBandOrder = Word(o, *v, kBandOrders);
    } else if (o == "--first-code") {
      a_.firstCode = ParseCode(*v);
      if (!a_.firstCode) {
        error_ =
            "option '--first-code' takes a code 0x00 to 0xFF (0x20, 20h or 32), not " + Quoted(*v);
      }
    } else if (o == "--to-first-code") {
      a_.toFirstCode = ParseCode(*v);
      if (a_.toFirstCode != 0x00 && a_.toFirstCode != 0x20) {
        error_ = "option '--to-first-code' takes 0x00 or 0x20, not " + Quoted(*v);
      }
    } else if (o == "--skip") {
      a_.skip = Number(o, *v, 0, 65535);
    } else if (o == "--stride") {
      a_.stride = Number(o, *v, 1, 255);
    } else if (o == "--glyph-offset") {
      a_.glyphOffset = Number(o, *v, 0, 254);
    } else if (o == "--array") {
      if (v->empty()) error_ = "an empty array name";
      a_.array = std::string(*v);
    } else if (o == "--detect") {
      if (v->empty()) error_ = "an empty file name to detect";
      a_.detect = *v;
    } else if (o == "--scan") {
      a_.vert = Word(o, *v, kScans);
    } else if (o == "--to-scan") {
      a_.toVert = Word(o, *v, kScans);
    } else if (o == "--format") {
      a_.format = Word(o, *v, kFormats);
    } else if (o == "--line") {
      if (const auto line = Word(o, *v, kLines)) a_.lineFormat = *line;
    } else if (o == "--number") {
      if (const auto number = Word(o, *v, kNumbers)) a_.numberFormat = *number;
    } else if (o == "--name") {
      a_.name = std::string(*v);
    } else if (o == "--flash") {
      a_.flash = Word(o, *v, kFlash).value_or(FlashAttribute::None);
    } else if (o == "--code-page") {
      const auto page = CodePageFromName(*v);
      if (!page)
        error_ = "unknown code page " + Quoted(*v) + " (try cp1251, cp866, koi8-r, latin1)";
      a_.codePage = page.value_or(kDefaultCodePage);
    } else {
      ImportOption(o, *v);
    }
  }

  void ImportOption(std::string_view o, std::string_view v) {
    FontImportArgs& f = Import(o);
    if (o == "--from-font") {
      if (v.empty()) error_ = "an empty font file name";
      f.fontPath = v;
    } else if (o == "--size") {
      f.pixelSize = Number(o, v, 1, 255);
    } else if (o == "--mode") {
      f.mode = Word(o, v, kModes).value_or(RenderMode::Mono);
    } else if (o == "--threshold") {
      f.threshold = Number(o, v, 0, 255).value_or(0);
    } else if (o == "--align") {
      f.align = Word(o, v, kAligns).value_or(HAlign::Center);
    } else if (o == "--offset-x") {
      f.offsetX = Number(o, v, -255, 255).value_or(0);
    } else if (o == "--offset-y") {
      f.offsetY = Number(o, v, -255, 255).value_or(0);
    } else if (o == "--face") {
      f.faceIndex = Number(o, v, 0, 65535).value_or(0);
    } else if (o == "--fill") {
      f.emptyOnly = Word(o, v, kFills).value_or(false);
    }
  }

  static bool IsValueOption(std::string_view o) {
    for (const std::string_view known :
         {"-o",         "--output",       "--cell",          "--scan",
          "--to-scan",  "--bit-order",    "--band-order",    "--first-code",
          "--skip",     "--stride",       "--glyph-offset",  "--array",
          "--detect",   "--to-bit-order", "--to-band-order", "--to-first-code",
          "--format",   "--line",         "--number",        "--name",
          "--flash",    "--code-page",    "--from-font",     "--size",
          "--mode",     "--threshold",    "--align",         "--offset-x",
          "--offset-y", "--face",         "--fill"}) {
      if (o == known) return true;
    }
    return false;
  }

  void Check() {
    if (!a_.detect.empty()) {
      if (!a_.input.empty() || !a_.output.empty() || a_.fromFont) {
        error_ =
            "--detect prints the layout of its file and converts nothing: give no INPUT, "
            "-o or --from-font with it";
      }
      return;
    }
    if (a_.fromFont && a_.fromFont->fontPath.empty()) {
      error_ = "option " + Quoted(importOption_) + " needs --from-font FONT";
    } else if (a_.input.empty() && !a_.fromFont) {
      error_ = "no input: give INPUT or --from-font FONT";
    } else if (a_.output.empty()) {
      error_ = "no output: give -o OUTPUT";
    }
  }

  std::span<const std::string_view> argv_;
  std::size_t next_ = 0;
  Arguments a_;
  std::string error_;
  std::string_view importOption_;
};

}  // namespace

ParsedArguments ParseArguments(std::span<const std::string_view> argv) {
  return Parser(argv).Run();
}

TableLayout InputParams::Table() const {
  TableLayout t = TableLayout::Plain(
      {ncol, nstr, vert == 1 ? Scan::Vertical : Scan::Horizontal, bitOrder, bandOrder}, firstCode);
  t.skip = skip;
  if (stride != 0) t.stride = stride;
  t.glyphOffset = glyphOffset;
  t.negative = negative;
  return t;
}

bool InputParams::OwnLayout() const {
  TableLayout own = TableLayout::Plain(
      Layout::Classic(ncol, nstr, vert == 1 ? Scan::Vertical : Scan::Horizontal));
  own.negative = negative;
  return Table() == own && array.empty();
}

namespace {

std::string CodeText(int code) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(code) & 0xFFU);
  return text;
}

// The first option that says otherwise than the header's macros, named with
// both values; empty when none does.
std::string Contradiction(const Arguments& a, const CHeaderParams& h) {
  const Layout& l = h.layout;
  const std::string& p = h.prefix;
  const auto says = [&](const std::string& option, const std::string& given,
                        const std::string& macros, const std::string& value) {
    return "option '" + option + " " + given + "' contradicts the header's " + macros + " (" +
           value + "); leave the option out";
  };
  const std::string cell = std::to_string(l.width) + "x" + std::to_string(l.height);
  if ((a.ncol && *a.ncol != l.width) || (a.nstr && *a.nstr != l.height)) {
    return says("--cell",
                std::to_string(a.ncol.value_or(0)) + "x" + std::to_string(a.nstr.value_or(0)),
                p + "_WIDTH, " + p + "_HEIGHT", cell);
  }
  const int vert = l.Vert();
  if (a.vert && *a.vert != vert) {
    return says("--scan", *a.vert == 1 ? "v" : "h", p + "_SCAN_VERTICAL",
                std::to_string(vert) + ": " + (vert == 1 ? "v" : "h"));
  }
  if (a.negative && *a.negative != h.negative) {
    return "option '" + std::string(*a.negative ? "--negative" : "--positive") +
           "' contradicts the header's " + p + "_NEGATIVE (" + (h.negative ? "1" : "0") +
           "); leave the option out";
  }
  const bool msb = BitOrderMacro(l) == 1;
  if (a.msbFirst && *a.msbFirst != msb) {
    return says("--bit-order", *a.msbFirst ? "msb" : "lsb", p + "_BIT_ORDER",
                std::string(msb ? "1: msb" : "0: lsb"));
  }
  const bool columns = l.bandOrder == BandOrder::Columns;
  if (a.bandOrder && (*a.bandOrder == BandOrder::Columns) != columns) {
    return says("--band-order", columns ? "bands" : "columns", p + "_BAND_ORDER",
                std::string(columns ? "1: columns" : "0: bands"));
  }
  if (a.firstCode && *a.firstCode != h.firstCode) {
    return says("--first-code", CodeText(*a.firstCode), p + "_FIRST_CODE", CodeText(h.firstCode));
  }
  if ((a.skip && *a.skip != 0) || (a.stride && *a.stride != l.BytesPerGlyph()) ||
      (a.glyphOffset && *a.glyphOffset != 0)) {
    return "options '--skip', '--stride' and '--glyph-offset' contradict the header's " + p +
           "_BYTES_PER_GLYPH (" + std::to_string(l.BytesPerGlyph()) +
           ", the glyphs one after another from the array's first value); leave them out";
  }
  return {};
}

}  // namespace

ResolvedParams ResolveParams(const Arguments& args, const CHeaderParams* header) {
  ResolvedParams r;
  if (header != nullptr) {
    r.error = Contradiction(args, *header);
    const Layout& l = header->layout;
    r.params.ncol = l.width;
    r.params.nstr = l.height;
    r.params.vert = l.Vert();
    r.params.negative = header->negative;
    r.params.bitOrder = l.bitOrder;
    r.params.bandOrder = l.bandOrder;
    r.params.firstCode = header->firstCode;
    r.params.array = args.array.value_or("");
    r.params.fromHeader = true;
    return r;
  }
  const bool fromName = !args.input.empty() && args.input != "-";
  const auto named = fromName ? ParamsFromName(args.input) : std::nullopt;
  r.params.array = args.array.value_or("");
  if (args.ncol && args.nstr) {
    r.params.ncol = *args.ncol;
    r.params.nstr = *args.nstr;
  } else if (named) {
    r.params.ncol = named->ncol;
    r.params.nstr = named->nstr;
  } else if (args.input.empty()) {
    r.error = "a font made with --from-font alone needs its cell: give --cell WxH, ";
    r.error += kCells;
    return r;
  } else {
    // The layout is found in the values; options that would shape it need the cell.
    if (const auto option = FirstTableOption(args, true)) {
      r.error = "option " + Quoted(*option) +
                " needs --cell WxH (without the cell, the layout "
                "is found in the file)";
      return r;
    }
    r.params.detect = true;
    return r;
  }
  r.params.vert = args.vert.value_or(named ? named->vert : 1);
  r.params.negative = args.negative.value_or(named && named->pos == 0);
  const Scan scan = ScanOf(r.params.vert);
  if (args.msbFirst) r.params.bitOrder = BitOrderOfMacro(scan, *args.msbFirst ? 1 : 0);
  r.params.bandOrder = args.bandOrder.value_or(BandOrder::Bands);
  r.params.firstCode = args.firstCode.value_or(0x20);
  r.params.skip = args.skip.value_or(0);
  r.params.stride = args.stride.value_or(0);
  r.params.glyphOffset = args.glyphOffset.value_or(0);
  if (!r.params.Table().Valid()) {
    r.error = "the glyph's own bytes do not fit the stride: --glyph-offset " +
              std::to_string(r.params.glyphOffset) + " leaves none of --stride " +
              std::to_string(r.params.Table().stride);
    return r;
  }
  return r;
}

std::optional<int> ParseCode(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
  } else if (text.size() > 1 && (text.back() == 'h' || text.back() == 'H')) {
    text.remove_suffix(1);
  } else {
    return ParseInt(text, 0, 255);
  }
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
  if (ec != std::errc() || ptr != end || value < 0 || value > 255) return std::nullopt;
  return value;
}

std::string OptionsLine(const TableLayout& t, std::string_view array) {
  const Layout& l = t.layout;
  std::string line = "--cell " + std::to_string(l.width) + "x" + std::to_string(l.height) +
                     " --scan " + (l.Vertical() ? "v" : "h") + " --bit-order " +
                     (BitOrderMacro(l) == 1 ? "msb" : "lsb");
  if (l.Vertical() && l.Bands() > 1) {
    line +=
        std::string(" --band-order ") + (l.bandOrder == BandOrder::Columns ? "columns" : "bands");
  }
  line += " --first-code " + CodeText(t.firstCode);
  if (t.skip != 0) line += " --skip " + std::to_string(t.skip);
  if (t.stride != l.BytesPerGlyph()) line += " --stride " + std::to_string(t.stride);
  if (t.glyphOffset != 0) line += " --glyph-offset " + std::to_string(t.glyphOffset);
  if (t.negative) line += " --negative";
  if (!array.empty()) line += " --array " + std::string(array);
  return line;
}

std::string FormatOptionError(const Arguments& args, OutputFormat format) {
  for (const std::string& given : args.formatOptions) {
    for (const FormatOption& f : kFormatOptions) {
      if (f.option != given ||
          std::find(f.formats.begin(), f.formats.end(), format) != f.formats.end()) {
        continue;
      }
      if (given == "--code-page" && args.fromFont) continue;
      std::string fits;
      for (const OutputFormat fit : f.formats) {
        if (!fits.empty()) fits += fit == *(f.formats.end() - 1) ? " or " : ", ";
        fits += FormatName(fit);
      }
      return "option " + Quoted(given) + " is for " + fits + ", not " +
             std::string(FormatName(format));
    }
  }
  return {};
}

std::optional<std::string_view> FirstTableOption(const Arguments& args, bool withScan) {
  const std::pair<bool, std::string_view> options[] = {
      {withScan && args.vert.has_value(), "--scan"},
      {args.msbFirst.has_value(), "--bit-order"},
      {args.bandOrder.has_value(), "--band-order"},
      {args.firstCode.has_value(), "--first-code"},
      {args.skip.has_value(), "--skip"},
      {args.stride.has_value(), "--stride"},
      {args.glyphOffset.has_value(), "--glyph-offset"},
      {args.negative.has_value(), args.negative.value_or(false) ? "--negative" : "--positive"}};
  for (const auto& [given, option] : options) {
    if (given) return option;
  }
  return std::nullopt;
}

std::string_view UsageText() {
  return R"(Usage: zgconv INPUT -o OUTPUT [options]
       zgconv --from-font FONT --cell WxH -o OUTPUT [options]
       zgconv --detect FILE
Converts a character-generator font (224 glyphs, codes 20h..FFh) between a
font source file, a C header, BDF, an Adafruit GFX font and an LVGL font.
A proportional font keeps each glyph's width through all of them.

Input (a font source file, or a C source by its extension .c .h .cpp ...;
a C source holding an Adafruit GFX font (GFXfont) is read as that font, in
the smallest cell its glyphs fit, or in the one --cell gives):
  --cell WxH           any cell from 1x1 to 24x24 (6x8, 8x8, 8x16, 16x16...)
  --scan v|h           vertical (default) or horizontal byte scan
  --negative           the file holds every byte complemented (--positive: not)
                       Left out, these come from a name like Font08x08vp.fnt.
                       A C header zgedit wrote says all of its layout in its
                       macros; an option that says otherwise is refused.
                       Without a cell from either, the layout is found in
                       the file's values and named on standard error.
  --bit-order lsb|msb  bit 0 or bit 7 holds a byte's top (v) or left (h)
                       pixel (default: lsb for v, msb for h)
  --band-order bands|columns
                       cells taller than 8, v: band after band (default) or
                       a column's bytes together
  --first-code CODE    the code of the table's first glyph (default 0x20;
                       0x00, 00h or 0 for tables from code 0)
  --skip N             bytes before the first glyph (a header)
  --stride N           bytes per glyph in the file
  --glyph-offset N     where the glyph's own bytes begin in them (1: a width
                       byte first)
  --array NAME         the array of a C source to read (default: the first)
  --detect FILE        print FILE's layout as options to paste back
Output:
  -o, --output FILE    the file to write, replaced only when all went well;
                       - writes to standard output
  --format fnt|c|bdf|gfx|lvgl
                       left out: from the extension (.fnt .txt .inc: font
                       source, .h .c: C header, .bdf: BDF); gfx and lvgl
                       only by --format (an LVGL font, a .c file, compiles
                       in LVGL 8 and 9 projects alike)
  --line data|db|bare  font source lines start with "Data ", ".db " or nothing
  --number FORM        font source values as &h, 0x, $, # or h (&hNN ... NNh)
  --to-scan v|h        write in this scan (cells 8, 16 or 24 pixels wide)
  --to-negative, --to-positive
                       write complemented bytes or not (the pixels stay)
  --to-bit-order lsb|msb, --to-band-order bands|columns
                       font source and C header: write in this order
  --to-first-code 0x00|0x20
                       font source and C header: 0x00 writes 256 glyphs
                       from code 0 (codes below 20h empty), for firmware
                       that indexes the table by the raw code
  --name NAME          C, BDF, GFX and LVGL font name (default: the output's
                       name)
  --ignore-name        write a font source even under a name such as
                       Font08x08vp.fnt that says another cell, scan or
                       polarity (refused otherwise)
  --flash none|progmem|flash
                       C header: AVR program memory attribute
  --pictures           C header: each glyph drawn in a comment
  --single-definition  C header: the array declared extern and defined only
                       where NAME_IMPLEMENTATION is defined before the include
  --raw-encoding       BDF: encode glyphs by codes 20h..FFh, not Unicode
  --code-page NAME     characters of the codes (default cp1251)
                       Options that do not fit the output format are refused.
From an outline or bitmap font (TrueType, OpenType, BDF, PCF):
  --from-font FONT     draw the code page's characters into the font
                       (into INPUT when given, else into an empty font)
  --size N             pixel size (default: the largest whose line fits the
                       cell above its margin; for bitmap fonts their largest
                       size that fits)
  --mode mono|aa       monochrome or anti-aliased rendering
  --threshold T        aa: coverage 0..255 that lights a pixel (default 128)
  --align center|left  where the glyph stands in the cell
  --offset-x X, --offset-y Y
                       shift every glyph right and down by pixels
  --face N             face of a font collection (default 0)
  --fill all|empty     draw every glyph or only the empty ones
  --keep-advances      the glyphs drawn take the font's advances as their
                       widths (where the pen stands after each glyph in the
                       cell): a proportional font; best with --align left
  -h, --help           this text
  --version            the program's version
Notes on standard error say what was not converted as asked, e.g. an input
that ends before the font's last glyph.
Exit status: 0 done, 1 bad input (nothing written), 2 bad usage.
)";
}

}  // namespace zg::cli
