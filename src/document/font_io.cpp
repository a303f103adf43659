#include "document/font_io.h"

#include <algorithm>
#include <memory>

namespace zg {

ReadResult ReadFontFile(ByteSource& in, std::string_view path, bool negative,
                        std::span<std::uint8_t> store) {
  const int pos = negative ? 0 : -1;
  return IsCSourcePath(path) ? ReadCArray(in, pos, store) : ReadFontSource(in, pos, store);
}

std::optional<FontFileParams> ParamsFromName(std::string_view path) {
  auto params = ParseFontFileName(path);
  // Only the cells of the table, so that an import never starts with
  // parameters the rest of the editor cannot handle.
  if (params && !IsCellSize(params->ncol, params->nstr)) return std::nullopt;
  return params;
}

LoadedDocument LoadFontDocument(ByteSource& in, std::string_view path, int ncol, int nstr,
                                int vert, bool negative) {
  LoadedDocument loaded{{}, EmptyDocument(ncol, nstr, vert, negative)};
  auto store = std::make_unique<GlyphStore>();
  store->fill(0);
  loaded.result = ReadFontFile(in, path, negative, *store);
  if (loaded.result.status == ReadStatus::Completed) {
    std::copy_n(store->begin(), loaded.document.glyphs.size(), loaded.document.glyphs.begin());
  }
  return loaded;
}

std::string FormatFontDocument(const FontDocument& d, const OutputOptions& options) {
  switch (options.format) {
    case OutputFormat::FontSource:
      break;
  }
  return WriteFontSource(d.glyphs, d.cb(), LineKeyword(options.lineFormat), options.numberFormat,
                         d.negative);
}

}  // namespace zg
