#include "document/font_io.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace zg {
namespace {

void TakeWidths(const WidthsLine& line, FontDocument& d) {
  if (line.status == WidthsLineStatus::Read) d.widths = line.widths;
}

}  // namespace

ReadResult ReadFontFile(ByteSource& in, std::string_view path, bool negative,
                        std::span<std::uint8_t> store) {
  const int pos = negative ? 0 : -1;
  return IsCSourcePath(path) ? ReadCArray(in, pos, store) : ReadFontSource(in, pos, store);
}

std::optional<FontFileParams> ParamsFromName(std::string_view path) {
  auto params = ParseFontFileName(path);
  // Only cells the editor can hold, so that an import never starts with
  // parameters the rest of the editor cannot handle.
  if (params && !LayoutOf(*params).Valid()) return std::nullopt;
  return params;
}

Layout LayoutOf(const FontFileParams& params) {
  return Layout::Classic(params.ncol, params.nstr, ScanOf(params.vert));
}

LoadedDocument LoadFontDocument(ByteSource& in, std::string_view path, const Layout& layout,
                                bool negative) {
  LoadedDocument loaded{{}, EmptyDocument(layout, negative), {}};
  auto store = std::make_unique<GlyphStore>();
  store->fill(0);
  WidthsLineSource lines(in, layout.width);
  loaded.result = ReadFontFile(lines, path, negative, *store);
  if (loaded.result.status == ReadStatus::Completed) {
    std::copy_n(store->begin(), loaded.document.glyphs.size(), loaded.document.glyphs.begin());
    loaded.widthsLine = lines.Found();
    TakeWidths(loaded.widthsLine, loaded.document);
  }
  return loaded;
}

WidthsLine ReadCHeaderWidths(ByteSource& listing, ByteSource& values, std::string_view glyphArray,
                             int cellWidth) {
  const CArrayList list = ListCArrays(listing);
  if (list.arrays.empty()) return {};
  const std::string name =
      std::string(glyphArray.empty() ? std::string_view(list.arrays.front().name) : glyphArray) +
      "_widths";
  const auto array = std::find_if(list.arrays.begin(), list.arrays.end(),
                                  [&](const CArrayInfo& a) { return a.name == name; });
  if (array == list.arrays.end()) return {};
  WidthsLine w{WidthsLineStatus::Malformed, {}, array->line, {}};
  const TableValues read = ReadTableValues(values, SourceKind::CSource, name);
  if (read.result.status != ReadStatus::Completed || read.values.size() != kSymbolCount) {
    w.problem = name + " holds " + std::to_string(read.values.size()) + " values instead of 224";
    return w;
  }
  for (const std::uint8_t width : read.values) {
    if (width < 1 || width > cellWidth) {
      w.problem = name + " holds width " + std::to_string(width) + ", outside 1.." +
                  std::to_string(cellWidth);
      return w;
    }
  }
  w.status = WidthsLineStatus::Read;
  w.widths = read.values;
  return w;
}

LoadedTable LoadTable(ByteSource& in, std::string_view path,
                      const std::optional<TableLayout>& table, std::string_view array) {
  LoadedTable loaded;
  // The widths line is looked for in the values' text; the cell's width is
  // known once the layout is, so it is checked against the widest cell here and against the table's
  // below.
  WidthsLineSource lines(in, kMaxCellWidth);
  TableValues read = ReadTableValues(lines, SourceKindOfPath(path), array);
  loaded.result = read.result;
  if (loaded.result.status != ReadStatus::Completed) return loaded;
  if (table) {
    loaded.table = *table;
  } else if (const auto detected = DetectTable(read.values)) {
    loaded.table = detected->table;
  } else {
    loaded.found = false;
    return loaded;
  }
  const Layout& l = loaded.table.layout;
  const Layout own = Layout::Classic(l.width, l.height, l.scan);
  loaded.read = DecodeTable(read.values, loaded.table, own);
  loaded.document = {own, loaded.table.negative, loaded.read.glyphs, {}};
  loaded.widthsLine = lines.Found();
  const auto& w = loaded.widthsLine.widths;
  if (std::any_of(w.begin(), w.end(), [&](int width) { return width > own.width; })) {
    loaded.widthsLine = {WidthsLineStatus::Malformed,
                         {},
                         loaded.widthsLine.line,
                         "a width is wider than the " + std::to_string(own.width) + "-pixel cell"};
  }
  TakeWidths(loaded.widthsLine, loaded.document);
  return loaded;
}

ReadExtent ExtentOfRead(std::size_t values, int cb) {
  ReadExtent e;
  e.cb = cb;
  if (cb <= 0) return e;
  const auto perGlyph = static_cast<std::size_t>(cb);
  const std::size_t fontValues = perGlyph * kSymbolCount;
  if (values >= fontValues) {
    e.glyphs = kSymbolCount;
    e.extraValues = values - fontValues;
  } else {
    e.glyphs = static_cast<int>(values / perGlyph);
    e.partBytes = static_cast<int>(values % perGlyph);
  }
  return e;
}

std::optional<FontFileParams> NameContradiction(std::string_view path, const FontDocument& d) {
  const auto named = ParamsFromName(path);
  if (!named) return std::nullopt;
  const bool same = LayoutOf(*named) == d.layout && (named->pos == 0) == d.negative;
  if (same) return std::nullopt;
  return named;
}

std::optional<OutputFormat> FormatOfPath(std::string_view path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return std::nullopt;
  }
  std::string ext(path.substr(dot + 1));
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "fnt" || ext == "txt" || ext == "bas" || ext == "asm" || ext == "inc") {
    return OutputFormat::FontSource;
  }
  if (ext == "bdf") return OutputFormat::Bdf;
  if (IsCSourcePath(path)) return OutputFormat::CHeader;
  return std::nullopt;
}

TableForm OutputTableForm(const FontDocument& d, const OutputOptions& options) {
  TableForm form{LayoutOf(d), options.firstCode};
  form.layout.scan = options.scan.value_or(form.layout.scan);
  form.layout.bitOrder = options.bitOrder.value_or(form.layout.bitOrder);
  form.layout.bandOrder = options.bandOrder.value_or(form.layout.bandOrder);
  return form;
}

std::string FormatFontDocument(const FontDocument& d, const OutputOptions& options,
                               std::vector<int>* unwrittenCodes) {
  if (unwrittenCodes != nullptr) unwrittenCodes->clear();
  const TableForm form = OutputTableForm(d, options);
  // Each glyph's width, kept to the cell; none for a monospaced font.
  std::vector<std::uint8_t> widths;
  if (d.Proportional()) {
    for (int i = 0; i < kSymbolCount; ++i) widths.push_back(static_cast<std::uint8_t>(d.Width(i)));
  }
  switch (options.format) {
    case OutputFormat::CHeader:
      return WriteCHeader(
          PackTable(d, form), {form.layout, form.firstCode}, d.negative, options.characters,
          {options.name, options.flash, options.pictures, options.singleDefinition, widths});
    case OutputFormat::Bdf:
      return WriteBdf(d.glyphs, d.layout, options.characters,
                      {options.name, options.rawEncoding, widths}, unwrittenCodes);
    case OutputFormat::Gfx:
      return WriteGfxHeader(d.glyphs, d.layout, options.characters, {options.name, widths});
    case OutputFormat::Lvgl:
      if (unwrittenCodes != nullptr) *unwrittenCodes = CodesLeftOutOfLvgl(options.characters);
      return WriteLvglFont(d.glyphs, d.layout, options.characters, {options.name, widths});
    case OutputFormat::FontSource:
      break;
  }
  const std::string keyword = LineKeyword(options.lineFormat);
  std::string text =
      form.layout == LayoutOf(d) && form.firstCode == kFirstCode
          ? WriteFontSource(d.glyphs, d.cb(), keyword, options.numberFormat, d.negative)
          : WriteFontLines(PackTable(d, form), form.layout.BytesPerGlyph(), keyword,
                           options.numberFormat, d.negative);
  if (d.Proportional()) text += WriteWidthsLine(widths, keyword);
  return text;
}

}  // namespace zg
