#include "cli/convert.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <vector>

#include "cli/arguments.h"
#include "document/file_replace.h"
#include "document/font_io.h"
#include "document/gfx_load.h"
#include "fontfile/byte_source.h"
#include "ops/scan.h"

#ifndef ZG_VERSION
#define ZG_VERSION "unknown"
#endif

namespace zg::cli {
namespace {

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

std::string Hex(int code) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02Xh", static_cast<unsigned>(code) & 0xFFU);
  return buf;
}

// The file's base name without its extension, or "" for standard output
// and the other streams.
std::string BaseName(std::string_view path) {
  if (path == "-" || NamesOpenStream(std::string(path))) return {};
  const auto slash = path.find_last_of('/');
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  const auto dot = path.find_last_of('.');
  if (dot != std::string_view::npos && dot > 0) path = path.substr(0, dot);
  return std::string(path);
}

std::string SizeList(const std::vector<int>& sizes) {
  std::string list;
  for (const int s : sizes) list += (list.empty() ? "" : ", ") + std::to_string(s);
  return list;
}

std::string Megabytes(long bytes) { return std::to_string(bytes >> 20) + " MB"; }

// An Adafruit GFX font's text is read whole; a C source larger than this is
// taken for a table.

// The cut glyphs a note lists: the rest are counted.
constexpr std::size_t kClippedShown = 16;

std::string ImportFailureText(const GlyphImportFailure& f, int pixelSize, int faceIndex) {
  switch (f.error) {
    case GlyphImportError::CannotOpen:
      return "cannot read the font file";
    case GlyphImportError::NotAFont:
      return "not a font FreeType can read";
    case GlyphImportError::NoSuchFace:
      return "no face " + std::to_string(faceIndex) + ": the file has " +
             std::to_string(f.faceCount);
    case GlyphImportError::BadSize:
      return "pixel size " + std::to_string(pixelSize) + " is outside 1..255";
    case GlyphImportError::SizeNotInFont:
      return "the bitmap font has no size " + std::to_string(pixelSize) + " (it has " +
             SizeList(f.availableSizes) + ")";
    case GlyphImportError::BadCell:
      return "the cell is too large for the import";
    case GlyphImportError::TooLarge:
      return "the font file is too large (over " + Megabytes(kMaxFontFileBytes) + ")";
    case GlyphImportError::UnpacksTooLarge:
      return "the compressed font unpacks to more than " + Megabytes(kMaxUnpackedFontBytes);
    case GlyphImportError::OtherPacking:
      return "compressed with compress (.Z) or bzip2, which zgconv does not unpack: unpack it "
             "first";
    case GlyphImportError::UnknownCharset:
      return "the bitmap font's charset " + f.charset +
             " has no converter on this system: its codes cannot be read as characters";
    case GlyphImportError::NoSizeFits:
      return "no size of the bitmap font fits the cell (it has " + SizeList(f.availableSizes) +
             "): give --size";
  }
  return "not a font FreeType can read";
}

// "8 x 8 vertical positive"
std::string Params(int ncol, int nstr, int vert, bool negative) {
  return std::to_string(ncol) + " x " + std::to_string(nstr) +
         (vert == 1 ? " vertical " : " horizontal ") + (negative ? "negative" : "positive");
}

// "read 95 glyphs (20h..7Eh)", and the bytes of the glyph the file ended in.
std::string ExtentText(const ReadExtent& e) {
  std::string text = "read ";
  if (e.glyphs > 0) {
    text += std::to_string(e.glyphs) + (e.glyphs == 1 ? " glyph (" : " glyphs (") + Hex(kFirstCode);
    if (e.glyphs > 1) text += ".." + Hex(kFirstCode + e.glyphs - 1);
    text += ")";
  }
  if (e.partBytes > 0) {
    text += e.glyphs > 0 ? " and " : "";
    text += std::to_string(e.partBytes) + " of the " + std::to_string(e.cb) + " bytes of " +
            Hex(kFirstCode + e.glyphs);
  }
  return text;
}

class Conversion {
 public:
  Conversion(const Arguments& a, std::ostream& out, std::ostream& err)
      : a_(a), out_(out), err_(err) {}

  int Run() {
    if (!a_.detect.empty()) return Detect();
    const std::optional<CHeaderParams> header = HeaderOf(a_.input);
    // An Adafruit GFX font says its own layout: only the cell and scan it is held in may be given.
    const std::optional<std::string> gfx = header ? std::nullopt : GfxTextOf(a_.input);
    if (gfx) {
      if (const std::string unfit = GfxOptionError(a_); !unfit.empty()) return Usage(unfit);
    }
    const ResolvedParams resolved =
        gfx ? ResolvedParams{} : ResolveParams(a_, header ? &*header : nullptr);
    if (!resolved.error.empty()) return Usage(resolved.error);
    const InputParams& p = resolved.params;
    const auto format = a_.format ? a_.format : FormatOfPath(a_.output);
    if (!format) {
      return Usage("cannot tell the format of " + Quoted(a_.output) +
                   " from its extension: give --format fnt|c|bdf|gfx|lvgl");
    }
    if (const std::string unfit = FormatOptionError(a_, *format); !unfit.empty()) {
      return Usage(unfit);
    }

    FontDocument doc = EmptyDocument(Layout::Classic(p.ncol, p.nstr, ScanOf(p.vert)), p.negative);
    if (gfx) {
      if (!LoadGfx(*gfx, doc)) return kBadInput;
    } else if (!a_.input.empty() && !Load(p, doc)) {
      return kBadInput;
    }
    if (a_.fromFont && !Import(*a_.fromFont, doc)) return kBadInput;
    if (a_.toVert && *a_.toVert != doc.layout.Vert()) {
      const Layout to = doc.layout.WithScan(ScanOf(*a_.toVert));
      doc.glyphs = RepackFont(doc.glyphs, doc.layout, to);
      doc.layout = to;
    }
    if (a_.toNegative) doc.negative = *a_.toNegative;
    return Write(doc, *format);
  }

 private:
  int Usage(const std::string& message) {
    err_ << "zgconv: " << message << "\nTry 'zgconv --help'.\n";
    return kBadUsage;
  }

  int Fail(const std::string& message) {
    err_ << "zgconv: " << message << "\n";
    return kBadInput;
  }

  // The parameters a C header carries in its macros, if the input is one.
  static std::optional<CHeaderParams> HeaderOf(const std::string& path) {
    if (path.empty() || path == "-" || !IsCSourcePath(path)) return std::nullopt;
    FileByteSource in(path);
    return in.IsOpen() ? ReadCHeaderParams(in) : std::nullopt;
  }

  // The text of a C source holding a GFXfont, unless --array asks for a
  // table of it; nothing for any other input.
  std::optional<std::string> GfxTextOf(const std::string& path) const {
    if (path.empty() || path == "-" || !IsCSourcePath(path) || a_.array) return std::nullopt;
    FileByteSource in(path);
    if (!in.IsOpen()) return std::nullopt;
    return zg::GfxTextOf(in);
  }

  // The options that describe a table of bytes, which an Adafruit GFX font is not.
  std::string GfxOptionError(const Arguments& a) const {
    if (const auto option = FirstTableOption(a, false)) {
      return "option " + Quoted(*option) + " describes a table of bytes; " + a.input +
             " is an Adafruit GFX font, which says its own layout";
    }
    return {};
  }

  // An Adafruit GFX font in the cell --cell gives, else in the smallest its
  // glyphs fit that is as tall as the font's line (yAdvance) where the
  // editor's cells allow: a font zgedit exported comes back in its own cell.
  bool LoadGfx(const std::string& text, FontDocument& doc) {
    const std::string& shown = a_.input;
    const Scan scan = ScanOf(a_.vert.value_or(1));
    const bool cellGiven = a_.ncol && a_.nstr;
    LoadedGfx loaded = LoadGfxFont(
        text, cellGiven ? std::optional(Layout::Classic(*a_.ncol, *a_.nstr, scan)) : std::nullopt,
        scan);
    const GfxFont& font = loaded.font;
    const std::string needed =
        std::to_string(font.neededWidth) + " x " + std::to_string(font.neededHeight);
    switch (font.status) {
      case GfxReadStatus::Completed:
        break;
      case GfxReadStatus::TooLarge:
        Fail(shown + ": the Adafruit GFX font " + font.name + " needs a " + needed +
             " cell, larger than " +
             (cellGiven ? "the " + std::to_string(*a_.ncol) + " x " + std::to_string(*a_.nstr) +
                              " cell given"
                        : std::string("24 x 24, the largest zgedit holds")));
        return false;
      case GfxReadStatus::NoFont:
      case GfxReadStatus::NoArray:
      case GfxReadStatus::BadValue:
      case GfxReadStatus::ShortTable:
        Fail(shown + ": " + GfxFailureText(font));
        return false;
    }
    doc = std::move(loaded.document);
    const Layout& cell = doc.layout;
    const std::string note = "zgconv: " + shown + ": note: ";
    if (!cellGiven) {
      err_ << note << "the Adafruit GFX font " << font.name << " read into a " << cell.width
           << " x " << cell.height << " cell\n";
    }
    const int from = std::max(font.first, kFirstCode);
    const int to = std::min(font.last, 0xFF);
    if (from > to) {
      err_ << note << "the font holds no glyph of codes 20h..FFh (it has " << Hex(font.first)
           << ".." << Hex(font.last) << "), all are empty\n";
    } else if (from > kFirstCode || to < 0xFF) {
      err_ << note << "the font holds " << Hex(from) << ".." << Hex(to) << ", the rest are empty\n";
    }
    if (font.first < kFirstCode) {
      err_ << note << "glyphs of codes below 20h were left out\n";
    }
    return true;
  }

  static std::string GfxFailureText(const GfxFont& font) {
    switch (font.status) {
      case GfxReadStatus::NoArray:
        return "the bitmaps or glyphs of the Adafruit GFX font " + font.name +
               " have no initialiser";
      case GfxReadStatus::BadValue:
        return "the Adafruit GFX font " + font.name + " holds a value that is no integer in range";
      case GfxReadStatus::ShortTable:
        return "the Adafruit GFX font " + font.name +
               " has fewer glyphs than its first and last codes say, or a bitmap past its array";
      case GfxReadStatus::NoFont:
      case GfxReadStatus::TooLarge:
      case GfxReadStatus::Completed:
        break;
    }
    return "no Adafruit GFX font";
  }

  // Widths that were refused: the font is read monospaced, and said so.
  void NoteWidths(const std::string& shown, const WidthsLine& line,
                  std::string_view what = "widths line") {
    if (line.status != WidthsLineStatus::Malformed) return;
    err_ << "zgconv: " << shown << ":" << line.line << ": note: the " << what << " is not read ("
         << line.problem << "): the font is read monospaced\n";
  }

  // The widths array of a C header zgedit wrote for a proportional font.
  void TakeCHeaderWidths(const std::string& shown, const std::string& array, FontDocument& doc) {
    if (a_.input == "-" || !IsCSourcePath(a_.input) || doc.Proportional()) return;
    FileByteSource listing(a_.input);
    FileByteSource values(a_.input);
    const WidthsLine widths = ReadCHeaderWidths(listing, values, array, doc.layout.width);
    if (widths.status == WidthsLineStatus::Read) doc.widths = widths.widths;
    NoteWidths(shown, widths, "widths array");
  }

  // --detect FILE: the layout as options to paste back.
  int Detect() {
    const std::string& path = a_.detect;
    FileByteSource in(path);
    if (!in.IsOpen()) return Fail(path + ": " + in.OpenError());
    const std::string array = a_.array.value_or("");
    if (const auto said = LayoutSaidByFile(in, path)) {
      out_ << OptionsLine(said->table, array) << "\n";
      return kDone;
    }
    FileByteSource values(path);  // the look for a header may have read from `in`
    LoadRequest request;
    request.detect = true;
    request.array = array;
    const LoadedFont loaded = LoadFont(values, path, request);
    if (loaded.result.status != ReadStatus::Completed) {
      return Fail(path + ReadFailurePlace(loaded.result) + ": " +
                  ReadFailureText(loaded.result, 0));
    }
    if (!loaded.Read()) return Fail(path + ": no layout of a font table found in its values");
    out_ << OptionsLine(loaded.table, array) << "\n";
    return kDone;
  }

  bool Load(const InputParams& p, FontDocument& doc) {
    const bool standardInput = a_.input == "-";
    FileByteSource in(standardInput ? "/dev/stdin" : a_.input);
    const std::string shown = standardInput ? "standard input" : a_.input;
    if (!in.IsOpen()) {
      Fail(shown + ": " + in.OpenError());
      return false;
    }
    LoadRequest request;
    if (!p.detect) request.table = p.Table();
    request.detect = p.detect;
    request.array = p.array;
    LoadedFont loaded = LoadFont(in, a_.input, request);
    if (loaded.result.status != ReadStatus::Completed) {
      const TableLayout t = p.Table();
      Fail(shown + ReadFailurePlace(loaded.result) + ": " +
           ReadFailureText(loaded.result, t.stride, t.firstCode, t.skip));
      return false;
    }
    if (loaded.from == LayoutFrom::Nowhere) {
      Fail(shown +
           ": neither its name nor the options say its layout, and none was found in "
           "its values: give --cell WxH and the layout options (zgconv --help)");
      return false;
    }
    if (!(loaded.decoded ? TableNotes(shown, p, loaded) : ExtentNotes(shown, loaded.extent))) {
      return false;
    }
    NoteWidths(shown, loaded.widthsLine);
    doc = std::move(loaded.document);
    TakeCHeaderWidths(shown, p.array, doc);
    return true;
  }

  // The editor's own layout, read value by value.
  bool ExtentNotes(const std::string& shown, const ReadExtent& extent) {
    if (extent.Empty()) {
      Fail(shown + ": no glyph value: the file is empty, holds only comments or an empty array");
      return false;
    }
    if (extent.Short()) {
      err_ << "zgconv: " << shown << ": note: " << ExtentText(extent) << ", the rest are empty\n";
    } else if (extent.extraValues > 0) {
      err_ << "zgconv: " << shown << ": note: " << extent.extraValues << " values past the font's "
           << kSymbolCount << " glyphs were left out\n";
    }
    return true;
  }

  // A table in another layout than the editor's own, or one found.
  bool TableNotes(const std::string& shown, const InputParams& p, const LoadedFont& loaded) {
    const TableRead& r = *loaded.decoded;
    if (r.glyphCount == 0) {
      Fail(shown + ": no glyph value: the file holds no whole glyph of this layout");
      return false;
    }
    const std::string note = "zgconv: " + shown + ": note: ";
    if (p.detect)
      err_ << note << "read with the layout found: " << OptionsLine(loaded.table, p.array) << "\n";
    if (r.CodesRead() < kSymbolCount) {
      err_ << note << "read " << r.CodesRead() << " glyphs ("
           << (r.CodesRead() > 0 ? Hex(r.firstRead) + ".." + Hex(r.lastRead) : "none")
           << "), the rest are empty\n";
    }
    if (r.belowFirst > 0) {
      err_ << note << r.belowFirst << " glyphs of codes below 20h were left out\n";
    }
    if (r.pastLast > 0) err_ << note << r.pastLast << " glyphs past code FFh were left out\n";
    if (r.leftoverValues > 0) {
      err_ << note << r.leftoverValues << " values after the last whole glyph were left out\n";
    }
    return true;
  }

  bool Import(const FontImportArgs& f, FontDocument& doc) {
    GlyphImportRequest request;
    request.fontPath = f.fontPath;
    GlyphRenderOptions& o = request.options;
    o.faceIndex = f.faceIndex;
    o.pixelSize = f.pixelSize.value_or(0);
    o.fitSize = !f.pixelSize;
    o.layout = doc.layout;
    o.mode = f.mode;
    o.threshold = f.threshold;
    o.align = f.align;
    o.offsetX = f.offsetX;
    o.offsetY = f.offsetY;
    const GlyphRenderer::Result opened = GlyphRenderer::Open(request);
    if (!opened) {
      Fail(f.fontPath + ": " + ImportFailureText(opened.failure, o.pixelSize, o.faceIndex));
      return false;
    }
    const FillSummary summary =
        FillDocument(*opened.renderer, CodePageCharacters(a_.codePage),
                     f.emptyOnly ? FillRange::EmptyOnly() : FillRange::All(), f.keepAdvances, doc);
    if (summary.missing > 0) {
      err_ << "zgconv: note: " << f.fontPath << " lacks " << summary.missing << " of the "
           << summary.filled + summary.missing
           << " characters drawn; their glyphs stay as they were\n";
    }
    if (!summary.clipped.empty()) {
      err_ << "zgconv: note: " << f.fontPath << " at " << opened.renderer->options().pixelSize
           << " px: the " << doc.layout.width << " x " << doc.layout.height
           << " cell cuts the ink of " << summary.clipped.size() << " of the " << summary.filled
           << " glyphs drawn: " << CharacterList(summary.clipped, kClippedShown) << '\n';
    }
    return true;
  }

  // A font source under a name such as Font08x08vp.fnt is imported by that
  // name: refuse to write one whose name says other parameters.
  int NameRefused(const FontDocument& doc, const FontFileParams& named) {
    err_ << "zgconv: the name " << Quoted(a_.output) << " says "
         << Params(named.ncol, named.nstr, named.vert, named.pos == 0) << ", the font written is "
         << Params(doc.layout.width, doc.layout.height, doc.layout.Vert(), doc.negative)
         << ": the next import would read it wrong; give --ignore-name to write it all the same\n";
    return kBadUsage;
  }

  int Write(const FontDocument& doc, OutputFormat format) {
    if (format == OutputFormat::FontSource && !a_.ignoreName && a_.output != "-") {
      if (const auto named = NameContradiction(a_.output, doc)) return NameRefused(doc, *named);
    }
    OutputOptions o;
    o.format = format;
    o.lineFormat = a_.lineFormat;
    o.numberFormat = a_.numberFormat;
    o.name = a_.name.value_or(BaseName(a_.output));
    if (o.name.empty()) o.name = a_.input.empty() || a_.input == "-" ? "font" : BaseName(a_.input);
    o.characters = CodePageCharacters(a_.codePage);
    o.flash = a_.flash;
    o.pictures = a_.pictures;
    o.rawEncoding = a_.rawEncoding;
    const Scan scan = doc.layout.scan;
    if (a_.toMsbFirst) o.bitOrder = BitOrderOfMacro(scan, *a_.toMsbFirst ? 1 : 0);
    o.bandOrder = a_.toBandOrder;
    o.firstCode = a_.toFirstCode.value_or(kFirstCode);
    o.singleDefinition = a_.singleDefinition;
    std::vector<int> unwritten;
    const std::string text = FormatFontDocument(doc, o, &unwritten);
    if (!unwritten.empty()) {
      std::string codes;
      for (const int code : unwritten) codes += (codes.empty() ? "" : ", ") + Hex(code);
      err_ << "zgconv: " << (a_.output == "-" ? "standard output" : a_.output) << ": note: the "
           << (format == OutputFormat::Lvgl ? "LVGL" : "BDF") << " font leaves out "
           << unwritten.size() << " of the 224 glyphs (codes " << codes << "): "
           << (format == OutputFormat::Lvgl
                   ? "the code page gives them no character of their own\n"
                   : "their code points are other characters of the code page;"
                     " --raw-encoding keeps every code\n");
    }
    if (a_.output == "-") {
      out_.write(text.data(), static_cast<std::streamsize>(text.size()));
      out_.flush();
      return out_ ? kDone : Fail("cannot write to standard output");
    }
    // Lets the test of an interrupted write catch the converter with its
    // temporary file complete.
    std::function<void()> pause;
    if (const char* seconds = std::getenv("ZGCONV_TEST_PAUSE_BEFORE_RENAME")) {
      pause = [n = std::atoi(seconds)] { ::sleep(static_cast<unsigned>(n)); };
    }
    if (const auto fault = ReplaceFile(a_.output, text, pause)) {
      return Fail(a_.output + ": " + fault->description + "; the file was left as it was");
    }
    return kDone;
  }

  const Arguments& a_;
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace

std::string ReadFailurePlace(const ReadResult& r) {
  // A missing array is the whole file's fault, not one place's.
  if (r.line == 0 || r.status == ReadStatus::NoArray || r.status == ReadStatus::NoSuchArray) {
    return {};
  }
  return ":" + std::to_string(r.line) + ":" + std::to_string(r.column);
}

std::string ReadFailureText(const ReadResult& r, int cb, int firstCode, int skip) {
  // The font source reader's values are named with their glyph as well: the
  // code the table gives it, none for a value of the table's header.
  std::string at;
  if (r.status == ReadStatus::SyntaxError) {
    at = "value " + std::to_string(r.valuesStored + 1);
    const auto header = static_cast<std::size_t>(std::max(skip, 0));
    if (cb > 0 && r.valuesStored >= header) {
      const std::size_t code = static_cast<std::size_t>(firstCode) +
                               (r.valuesStored - header) / static_cast<std::size_t>(cb);
      if (code <= 0xFF) at += " (glyph " + Hex(static_cast<int>(code)) + ")";
    }
    at += ": ";
  }
  switch (r.status) {
    case ReadStatus::Completed:
      return "read";
    case ReadStatus::SyntaxError:
      return at + "not a value of a font source file";
    case ReadStatus::StoreFull:
      return "more than " + std::to_string(kFontStoreValues) + " values, more than any font holds";
    case ReadStatus::TooManyValues:
      return "more than " + std::to_string(kMaxTableValues) + " values, more than any table holds";
    case ReadStatus::UnclosedBlockComment:
      return "a /* comment is not closed";
    case ReadStatus::NotANumber:
      return "not a number";
    case ReadStatus::ValueOutOfRange:
      return "a value outside 0..255";
    case ReadStatus::NoArray:
      return "no array initialiser (= {...})";
    case ReadStatus::NoSuchArray:
      return "no array of that name";
    case ReadStatus::UnclosedArray:
      return "the array is not closed";
    case ReadStatus::BinaryData:
      return "a NUL byte: not a text file";
    case ReadStatus::ReadFailure:
      return r.failureText;
  }
  return "cannot be read";
}

int Run(std::span<const std::string_view> argv, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(argv);
  if (!parsed.error.empty()) {
    err << "zgconv: " << parsed.error << "\nTry 'zgconv --help'.\n";
    return kBadUsage;
  }
  if (parsed.args.help) {
    out << UsageText();
    return kDone;
  }
  if (parsed.args.version) {
    out << "zgconv " << ZG_VERSION << "\n";
    return kDone;
  }
  return Conversion(parsed.args, out, err).Run();
}

}  // namespace zg::cli
