#include "document/gfx_load.h"

#include <algorithm>
#include <vector>

namespace zg {
namespace {

constexpr std::size_t kMaxGfxText = 16U << 20U;
constexpr std::size_t kGfxReadBlock = 64U << 10U;

}  // namespace

std::optional<std::string> GfxTextOf(ByteSource& in) {
  std::string text;
  std::vector<char> block(kGfxReadBlock);
  for (;;) {
    const ByteChunk chunk = in.Read(block);
    if (chunk.failure) return std::nullopt;
    if (chunk.count == 0) break;
    // Larger than any font: a table for the other readers, which take it in blocks.
    if (text.size() + chunk.count > kMaxGfxText) return std::nullopt;
    text.append(block.data(), chunk.count);
  }
  const Layout any = Layout::Classic(kMaxCellWidth, kMaxCellHeight, Scan::Vertical);
  if (ReadGfxFont(text, any).status == GfxReadStatus::NoFont) return std::nullopt;
  return text;
}

LoadedGfx LoadGfxFont(std::string_view text, const std::optional<Layout>& cell, Scan scan) {
  Layout layout = cell.value_or(Layout::Classic(kMaxCellWidth, kMaxCellHeight, scan));
  LoadedGfx loaded{ReadGfxFont(text, layout), {}};
  GfxFont& font = loaded.font;
  if (font.status == GfxReadStatus::Completed && !cell) {
    const int height = std::max(font.neededHeight, std::min(font.yAdvance, kMaxCellHeight));
    layout = Layout::Classic(font.neededWidth, height, scan);
    font = ReadGfxFont(text, layout);
  }
  if (font.status != GfxReadStatus::Completed) return loaded;
  FontDocument& d = loaded.document;
  d.layout = layout;
  d.glyphs = std::move(font.glyphs);
  const int width = layout.width;
  if (std::any_of(font.widths.begin(), font.widths.end(), [&](int w) { return w != width; })) {
    d.widths.assign(font.widths.begin(), font.widths.end());
  }
  return loaded;
}

}  // namespace zg
