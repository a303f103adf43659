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

namespace {

// Replays the bytes a first look took from a source that cannot rewind:
// reads record until Replay(), then serve the record before the rest.
class ReplayingSource final : public ByteSource {
 public:
  explicit ReplayingSource(ByteSource& in) : in_(in) {}
  void Replay() { replaying_ = true; }
  ByteChunk Read(std::span<char> buffer) override {
    if (replaying_ && at_ < kept_.size()) {  // the record, then the rest
      const std::size_t n = std::min(buffer.size(), kept_.size() - at_);
      std::copy_n(kept_.begin() + static_cast<std::ptrdiff_t>(at_), n, buffer.begin());
      at_ += n;
      return {n, std::nullopt};
    }
    if (ended_) return {0, failure_};
    ByteChunk chunk = in_.Read(buffer);
    if (!replaying_) kept_.append(buffer.data(), chunk.count);
    if (chunk.failure || chunk.count == 0) {
      ended_ = true;
      failure_ = chunk.failure;
    }
    return chunk;
  }

 private:
  ByteSource& in_;
  std::string kept_;
  std::size_t at_ = 0;
  bool replaying_ = false;
  bool ended_ = false;
  std::optional<std::string> failure_;
};

bool IsOwnLayout(const TableLayout& table, std::string_view array) {
  const Layout& l = table.layout;
  TableLayout own = TableLayout::Plain(Layout::Classic(l.width, l.height, l.scan));
  own.negative = table.negative;
  return table == own && array.empty();
}

// Byte `i` of the base, or 0 past its end.
std::uint8_t BaseByte(const LoadRequest& request, std::size_t i) {
  return request.pastEnd == PastTheEnd::Kept && i < request.base.size() ? request.base[i] : 0;
}

// The editor's own files: every value into the store from glyph 20h on.
void ReadOwnLayout(ByteSource& in, std::string_view path, const LoadRequest& request,
                   LoadedFont& loaded) {
  const Layout layout = loaded.table.layout;
  auto store = std::make_unique<GlyphStore>();
  for (std::size_t i = 0; i < store->size(); ++i) (*store)[i] = BaseByte(request, i);
  WidthsLineSource lines(in, layout.width);
  loaded.result = ReadFontFile(lines, path, loaded.table.negative, *store);
  if (loaded.result.status != ReadStatus::Completed) return;
  loaded.document = EmptyDocument(layout, loaded.table.negative);
  std::copy_n(store->begin(), loaded.document.glyphs.size(), loaded.document.glyphs.begin());
  loaded.widthsLine = lines.Found();
  TakeWidths(loaded.widthsLine, loaded.document);
  loaded.extent = ExtentOfRead(loaded.result.valuesStored, layout.BytesPerGlyph());
}

// Any other layout, or one to be found: the values decoded as a table.
void ReadTable(ByteSource& in, std::string_view path, const LoadRequest& request,
               LoadedFont& loaded) {
  const bool find = loaded.from == LayoutFrom::Nowhere;
  LoadedTable read =
      LoadTable(in, path, find ? std::nullopt : std::optional(loaded.table), request.array);
  loaded.result = read.result;
  if (loaded.result.status != ReadStatus::Completed || !read.found) return;
  if (find) loaded.from = LayoutFrom::Values;
  loaded.table = read.table;
  loaded.document = std::move(read.document);
  loaded.widthsLine = std::move(read.widthsLine);
  const TableLayout& t = loaded.table;
  const auto cb = static_cast<std::size_t>(loaded.document.layout.BytesPerGlyph());
  for (int code = kFirstCode; code < kFirstCode + kSymbolCount; ++code) {
    if (code >= read.read.firstRead && code <= read.read.lastRead) continue;
    const auto at = static_cast<std::size_t>(code - kFirstCode) * cb;
    for (std::size_t i = at; i < at + cb; ++i) loaded.document.glyphs[i] = BaseByte(request, i);
  }
  // Counted from code 20h: a table from a later code reaches from 20h as well.
  const long long fromFirst = static_cast<long long>(loaded.result.valuesStored) - t.skip +
                              static_cast<long long>(t.firstCode - kFirstCode) * t.stride;
  loaded.extent = ExtentOfRead(static_cast<std::size_t>(std::max(0LL, fromFirst)), t.stride);
  read.read.glyphs.clear();  // the document's
  loaded.decoded = std::move(read.read);
}

}  // namespace

std::optional<SaidLayout> LayoutSaidByFile(ByteSource& in, std::string_view path) {
  if (IsCSourcePath(path)) {
    if (const auto header = ReadCHeaderParams(in)) {
      TableLayout table = TableLayout::Plain(header->layout, header->firstCode);
      table.negative = header->negative;
      return SaidLayout{table, LayoutFrom::Header};
    }
  }
  if (const auto named = ParamsFromName(path)) {
    TableLayout table = TableLayout::Plain(LayoutOf(*named));
    table.negative = named->pos == 0;
    return SaidLayout{table, LayoutFrom::Name};
  }
  return std::nullopt;
}

LoadedFont LoadFont(ByteSource& given, std::string_view path, const LoadRequest& request) {
  LoadedFont loaded;
  ReplayingSource in(given);
  if (request.table) {
    loaded.table = *request.table;
  } else if (const auto said = LayoutSaidByFile(in, path)) {
    loaded.table = said->table;
    loaded.from = said->from;
  } else {
    loaded.from = LayoutFrom::Nowhere;
    if (!request.detect) return loaded;
  }
  in.Replay();
  if (loaded.from != LayoutFrom::Nowhere && IsOwnLayout(loaded.table, request.array)) {
    ReadOwnLayout(in, path, request, loaded);
  } else {
    ReadTable(in, path, request, loaded);
  }
  return loaded;
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
