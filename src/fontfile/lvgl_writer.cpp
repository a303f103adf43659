#include "fontfile/lvgl_writer.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "fontfile/c_text.h"
#include "fontfile/glyph_ink.h"
#include "fontfile/glyph_pixels.h"

namespace zg {
namespace {

// A run of consecutive code points at least this long gets a range map of
// its own (a map entry costs about as much as 8 entries of a sparse list).
constexpr std::size_t kMinRange = 8;
// A sparse map's code points are 16-bit offsets from its first.
constexpr char32_t kMaxSparseSpan = 0xFFFF;

struct Entry {
  char32_t character;
  int index;  // glyph 0..223
};

struct CharacterMap {
  std::size_t first;  // the map's first entry
  std::size_t count;
  bool range;  // consecutive code points; otherwise a sparse list
};

// The glyphs that get into the font: the first code of every character, by code point.
std::vector<Entry> SortedEntries(const std::array<char32_t, 224>& characters) {
  std::vector<Entry> entries;
  entries.reserve(kGlyphCount);
  for (int i = 0; i < kGlyphCount; ++i) {
    const char32_t c = characters[static_cast<std::size_t>(i)];
    if (c != 0 && c <= 0x10FFFF) entries.push_back({c, i});
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.character < b.character; });
  entries.erase(
      std::unique(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.character == b.character; }),
      entries.end());
  return entries;
}

std::vector<CharacterMap> MapCharacters(const std::vector<Entry>& entries) {
  std::vector<CharacterMap> maps;
  auto addSparse = [&](std::size_t k) {
    if (!maps.empty() && !maps.back().range &&
        entries[k].character - entries[maps.back().first].character <= kMaxSparseSpan) {
      ++maps.back().count;
    } else {
      maps.push_back({k, 1, false});
    }
  };
  for (std::size_t start = 0; start < entries.size();) {
    std::size_t end = start + 1;
    while (end < entries.size() && entries[end].character == entries[end - 1].character + 1 &&
           end - start < kMaxSparseSpan) {
      ++end;
    }
    if (end - start >= kMinRange) {
      maps.push_back({start, end - start, true});
    } else {
      for (std::size_t k = start; k < end; ++k) addSparse(k);
    }
    start = end;
  }
  return maps;
}

void AppendCodeList(std::string& out, const std::vector<int>& codes) {
  for (std::size_t k = 0; k < codes.size(); ++k) {
    out += k == 0 ? "" : ",";
    out += k % 16 == 0 ? "\n *   " : " ";
    AppendHexByte(out, static_cast<std::uint8_t>(codes[k]));
  }
}

}  // namespace

std::vector<int> CodesLeftOutOfLvgl(const std::array<char32_t, 224>& characters) {
  std::array<bool, kGlyphCount> kept{};
  for (const Entry& e : SortedEntries(characters)) kept[static_cast<std::size_t>(e.index)] = true;
  std::vector<int> codes;
  for (int i = 0; i < kGlyphCount; ++i) {
    if (!kept[static_cast<std::size_t>(i)]) codes.push_back(kFirstGlyphCode + i);
  }
  return codes;
}

std::string WriteLvglFont(std::span<const std::uint8_t> glyphs, const Layout& layout,
                          const std::array<char32_t, 224>& characters, const LvglOptions& options) {
  const int ncol = layout.width;
  const int nstr = layout.height;
  const auto cb = static_cast<std::size_t>(layout.BytesPerGlyph());
  if (!WritableCell(layout)) return {};
  const std::string name = CIdentifier(options.name);
  const std::string upper = UpperIdentifier(name);
  const std::vector<Entry> entries = SortedEntries(characters);
  const std::vector<CharacterMap> maps = MapCharacters(entries);
  const std::vector<int> leftOut = CodesLeftOutOfLvgl(characters);

  std::string out;
  out.reserve(4096 + entries.size() * (cb * 5 + 128));
  out += "/* " + name + ": LVGL font, " + std::to_string(ncol) + " x " + std::to_string(nstr) +
         " pixels, 1 bit per pixel, " + std::to_string(entries.size()) + " characters.\n";
  out += " * Where it is used: LV_FONT_DECLARE(" + name + ");";
  if (!leftOut.empty()) {
    out += "\n * " + std::to_string(leftOut.size()) + (leftOut.size() == 1 ? " code" : " codes") +
           " without a character of their own left out:";
    AppendCodeList(out, leftOut);
    out += '.';
  }
  out += " */\n\n";
  out +=
      "#ifdef LV_LVGL_H_INCLUDE_SIMPLE\n#include \"lvgl.h\"\n#else\n#include "
      "\"lvgl/lvgl.h\"\n#endif\n\n";
  out += "#ifndef " + upper + "\n#define " + upper + " 1\n#endif\n\n#if " + upper + "\n\n";
  out += "#if LVGL_VERSION_MAJOR < 8\n#error \"" + name +
         " is a font of LVGL 8 or later\"\n#endif\n\n";

  // Bitmaps and glyph descriptions, id 0 reserved by LVGL.
  std::vector<InkBox> boxes(entries.size());
  std::vector<std::size_t> offsets(entries.size());
  std::size_t offset = 0;
  out += "static LV_ATTRIBUTE_LARGE_CONST const uint8_t glyph_bitmap[] = {\n";
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const auto i = static_cast<std::size_t>(entries[k].index);
    const GlyphRows rows = DecodeRows(GlyphAt(glyphs, cb, i), layout);
    boxes[k] = FindInk(rows, layout);
    offsets[k] = offset;
    out += "    ";
    offset += AppendBoxBits(out, rows, layout, boxes[k]);
    out += ' ';
    AppendCodeComment(out, entries[k].index + kFirstGlyphCode, entries[k].character);
    out += '\n';
  }
  if (offset == 0) out += "    0x00  /* C has no empty array */\n";
  out += "};\n\n";

  out += "static const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {\n";
  out +=
      "    {.bitmap_index = 0, .adv_w = 0, .box_w = 0, .box_h = 0, .ofs_x = 0, .ofs_y = 0}, "
      "/* id 0: reserved */\n";
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const InkBox& box = boxes[k];
    const int advance =
        GlyphAdvance(options.widths, static_cast<std::size_t>(entries[k].index), layout);
    const int above = box.height == 0 ? 0 : nstr - box.y - box.height;
    out += "    {.bitmap_index = " + std::to_string(offsets[k]) +
           ", .adv_w = " + std::to_string(advance * 16) +
           ", .box_w = " + std::to_string(box.width) + ", .box_h = " + std::to_string(box.height) +
           ", .ofs_x = " + std::to_string(box.x) + ", .ofs_y = " + std::to_string(above) + "}, ";
    AppendCodeComment(out, entries[k].index + kFirstGlyphCode, entries[k].character);
    out += '\n';
  }
  out += "};\n\n";

  for (std::size_t m = 0; m < maps.size(); ++m) {
    if (maps[m].range) continue;
    const char32_t start = entries[maps[m].first].character;
    out += "static const uint16_t unicode_list_" + std::to_string(m) + "[] = {";
    for (std::size_t k = 0; k < maps[m].count; ++k) {
      out += k % 12 == 0 ? "\n    " : " ";
      out += std::to_string(entries[maps[m].first + k].character - start);
      out += ',';
    }
    out += "\n};\n\n";
  }
  if (!maps.empty()) {
    out += "static const lv_font_fmt_txt_cmap_t cmaps[] = {\n";
    for (std::size_t m = 0; m < maps.size(); ++m) {
      const CharacterMap& map = maps[m];
      const char32_t start = entries[map.first].character;
      const char32_t length = entries[map.first + map.count - 1].character - start + 1;
      const std::string list = map.range ? "NULL" : "unicode_list_" + std::to_string(m);
      out +=
          "    {.range_start = " + std::to_string(start) +
          ", .range_length = " + std::to_string(length) +
          ", .glyph_id_start = " + std::to_string(map.first + 1) + ", .unicode_list = " + list +
          ", .glyph_id_ofs_list = NULL, .list_length = " +
          std::to_string(map.range ? 0 : map.count) + ",\n     .type = " +
          (map.range ? "LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY" : "LV_FONT_FMT_TXT_CMAP_SPARSE_TINY") +
          "},\n";
    }
    out += "};\n\n";
  }

  out += "#if LVGL_VERSION_MAJOR == 8\nstatic lv_font_fmt_txt_glyph_cache_t cache;\n#endif\n\n";
  out += "static const lv_font_fmt_txt_dsc_t font_dsc = {\n";
  out += "    .glyph_bitmap = glyph_bitmap,\n    .glyph_dsc = glyph_dsc,\n";
  out += std::string("    .cmaps = ") + (maps.empty() ? "NULL" : "cmaps") + ",\n";
  out += "    .kern_dsc = NULL,\n    .kern_scale = 0,\n";
  out += "    .cmap_num = " + std::to_string(maps.size()) + ",\n";
  out += "    .bpp = 1,\n    .kern_classes = 0,\n    .bitmap_format = 0,\n";
  out += "#if LVGL_VERSION_MAJOR == 8\n    .cache = &cache,\n#endif\n};\n\n";

  out += "const lv_font_t " + name + " = {\n";
  out += "    .get_glyph_dsc = lv_font_get_glyph_dsc_fmt_txt,\n";
  out += "    .get_glyph_bitmap = lv_font_get_bitmap_fmt_txt,\n";
  out += "    .line_height = " + std::to_string(nstr) + ",\n";
  out += "    .base_line = 0,\n";
  out += "    .subpx = LV_FONT_SUBPX_NONE,\n";
  out += "    .underline_position = 0,\n    .underline_thickness = 1,\n";
  out += "    .dsc = &font_dsc,\n";
  out += "#if LVGL_VERSION_MAJOR >= 9 || LVGL_VERSION_MINOR >= 2\n    .fallback = NULL,\n#endif\n";
  out += "    .user_data = NULL,\n};\n\n";
  out += "#endif /* " + upper + " */\n";
  return out;
}

}  // namespace zg
