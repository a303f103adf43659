#include "ui/table_import_form.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "fontfile/table_detect.h"
#include "model/font_model.h"
#include "ui/font_import_form.h"
#include "ui/table_import_texts.h"

namespace zg {
namespace {

std::string Fill(std::string pattern, int n, const std::string& value) {
  const std::string key = "%" + std::to_string(n);
  const auto at = pattern.find(key);
  if (at != std::string::npos) pattern.replace(at, key.size(), value);
  return pattern;
}

std::string ByteCount(int n) { return CountedNoun(n, "байт", "байта", "байт"); }

const char* BitOrderText(const Layout& l) {
  const bool classic = l.bitOrder == BitOrder::Classic;
  if (l.Vertical()) return classic ? text::kTableLsbTop : text::kTableMsbTop;
  return classic ? text::kTableMsbLeft : text::kTableLsbLeft;
}

}  // namespace

TableImportRequest MakeTableRequest(std::vector<TableArray> arrays) {
  TableImportRequest request;
  request.initial.table = TableLayout::Plain(Layout::Classic(8, 8, Scan::Vertical));
  request.found = text::kTableNotFound;
  std::optional<TableDetection> best;
  for (std::size_t i = 0; i < arrays.size(); ++i) {
    const auto found = DetectTable(arrays[i].values);
    if (found && (!best || found->score > best->score)) {
      best = found;
      request.initial = {i, found->table};
    }
  }
  if (best) request.found = Fill(text::kTableFound, 1, LayoutText(best->table));
  request.arrays = std::move(arrays);
  return request;
}

std::string HexCode(int code) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02Xh", static_cast<unsigned>(code) & 0xFFU);
  return buffer;
}

std::string LayoutText(const TableLayout& table) {
  const Layout& l = table.layout;
  std::string s = std::to_string(l.width) + " x " + std::to_string(l.height) + ", " +
                  (l.Vertical() ? text::kTableColumns : text::kTableRows) + ", " + BitOrderText(l);
  if (l.Vertical() && l.Bands() > 1) {
    s += std::string(", ") +
         (l.bandOrder == BandOrder::Bands ? text::kTableBandAfterBand : text::kTableColumnByColumn);
  }
  s += ", первый код " + HexCode(table.firstCode);
  if (table.skip > 0) s += ", заголовок " + ByteCount(table.skip);
  if (table.stride != l.BytesPerGlyph() || table.glyphOffset > 0) {
    s += ", " + ByteCount(table.stride) + " на символ";
    if (table.glyphOffset > 0) s += ", символ с байта " + std::to_string(table.glyphOffset);
  }
  if (table.negative) s += ", негатив";
  return s;
}

std::string TableReadText(const TableRead& read) {
  if (read.Exact()) return {};
  std::vector<std::string> lines;
  if (read.CodesRead() == 0) {
    lines.emplace_back(text::kTableReadNothing);
  } else if (read.firstRead != kFirstCode || read.lastRead != kFirstCode + kSymbolCount - 1) {
    lines.push_back(Fill(
        Fill(Fill(text::kTableRead, 1, SymbolCount(read.CodesRead())), 2, HexCode(read.firstRead)),
        3, HexCode(read.lastRead)));
  }
  if (read.belowFirst > 0)
    lines.push_back(Fill(text::kTableBelowFirst, 1, SymbolCount(read.belowFirst)));
  if (read.pastLast > 0) lines.push_back(Fill(text::kTablePastLast, 1, SymbolCount(read.pastLast)));
  std::string s;
  for (const std::string& line : lines) s += (s.empty() ? "" : "\r") + line;
  return s;
}

bool TablePreview::Pixel(int glyph, int x, int y) const {
  if (glyph < 0 || glyph >= count || x < 0 || x >= width || y < 0 || y >= height) return false;
  return (rows[static_cast<std::size_t>(glyph * height + y)] >> x & 1U) != 0;
}

TablePreview MakeTablePreview(const std::vector<std::uint8_t>& values, const TableLayout& table) {
  TablePreview p;
  if (!table.Valid()) return p;
  const Layout& l = table.layout;
  p.width = l.width;
  p.height = l.height;
  p.firstCode = table.firstCode;
  p.count = std::min(TableGlyphCount(values, table), kTableCodes - table.firstCode);
  p.rows.assign(static_cast<std::size_t>(p.count * p.height), 0);
  for (int i = 0; i < p.count; ++i) {
    const std::vector<std::uint8_t> glyph = TableGlyph(values, table, i);
    for (int y = 0; y < l.height; ++y) {
      std::uint32_t row = 0;
      for (int x = 0; x < l.width; ++x) {
        if (GetPixel(l, glyph, x, y)) row |= 1U << x;
      }
      p.rows[static_cast<std::size_t>(i * p.height + y)] = row;
    }
  }
  return p;
}

std::optional<Layout> EditorLayoutFor(const Layout& table) {
  // The editor holds every cell of its grid, in the table's scan.
  if (!table.Valid()) return std::nullopt;
  return Layout::Classic(table.width, table.height, table.scan);
}

bool IsTableSourcePath(std::string_view path) {
  const auto dot = path.rfind('.');
  const auto slash = path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return false;
  }
  std::string ext(path.substr(dot + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const char* known : {"c", "h", "asm", "inc", "s", "font", "bas"}) {
    if (ext == known) return true;
  }
  return false;
}

}  // namespace zg
