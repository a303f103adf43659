#include "glyphimport/glyph_renderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "model/code_page.h"
#include "model/codec.h"

namespace zg {
namespace {

// A font file is read whole; anything larger than any real font is refused.
constexpr long kMaxFontFileBytes = 256L << 20;

constexpr int kMinPixelSize = 1;
constexpr int kMaxPixelSize = 255;
constexpr FT_Long kMaxFaceIndex = 0xFFFF;  // higher bits select variation instances

// Mono mode: grey bitmaps (embedded in some fonts) are cut in the middle.
constexpr int kMonoThreshold = 128;

constexpr int FloorDiv2(int v) { return v >= 0 ? v / 2 : -((1 - v) / 2); }

// Metrics come from the file: bounded far below int overflow before any sum.
constexpr long kPixelLimit = 1L << 20;
int Bounded(long v) { return static_cast<int>(std::clamp(v, -kPixelLimit, kPixelLimit)); }
int PixelsCeil(FT_Pos v26_6) { return Bounded(v26_6 / 64 + (v26_6 > 0 && v26_6 % 64 != 0)); }
int PixelsRound(FT_Pos v26_6) { return Bounded((v26_6 / 32 + (v26_6 >= 0 ? 1 : -1)) / 2); }

GlyphImportFailure Fail(GlyphImportError error) { return {error, {}, 0}; }

std::optional<GlyphImportFailure> CheckOptions(const GlyphRenderOptions& o) {
  if (!o.layout.Valid()) {
    return Fail(GlyphImportError::BadCell);
  }
  if (o.pixelSize < kMinPixelSize || o.pixelSize > kMaxPixelSize) {
    return Fail(GlyphImportError::BadSize);
  }
  return std::nullopt;
}

// The whole file, or nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::uint8_t block[65536];
  bool ok = true;
  for (;;) {
    const std::size_t n = std::fread(block, 1, sizeof block, f);
    bytes.insert(bytes.end(), block, block + n);
    if (bytes.size() > static_cast<std::size_t>(kMaxFontFileBytes)) ok = false;
    if (n < sizeof block || !ok) break;
  }
  if (std::ferror(f) != 0) ok = false;
  std::fclose(f);
  if (!ok) return std::nullopt;
  return bytes;
}

// Coverage 0..255 of pixel (row, col) of a rendered bitmap; -1 for a pixel
// mode this program does not read.
int Coverage(const FT_Bitmap& bm, int row, int col) {
  const unsigned rows = bm.rows;
  const auto r = static_cast<unsigned>(row);
  const long step = bm.pitch >= 0 ? bm.pitch : -bm.pitch;
  // A negative pitch stores the rows bottom up.
  const unsigned char* line = bm.buffer + step * (bm.pitch >= 0 ? r : rows - 1 - r);
  const auto c = static_cast<unsigned>(col);
  switch (bm.pixel_mode) {
    case FT_PIXEL_MODE_MONO:
      return (line[c >> 3] & (0x80U >> (c & 7))) != 0 ? 255 : 0;
    case FT_PIXEL_MODE_GRAY2:
      return ((line[c >> 2] >> (6 - 2 * (c & 3))) & 3U) * 85;
    case FT_PIXEL_MODE_GRAY4:
      return ((line[c >> 1] >> (4 - 4 * (c & 1))) & 15U) * 17;
    case FT_PIXEL_MODE_GRAY: {
      const int levels = bm.num_grays > 1 ? bm.num_grays - 1 : 255;
      return std::min(255, line[c] * 255 / levels);
    }
    case FT_PIXEL_MODE_BGRA:
      return line[4 * c + 3];
    default:
      return -1;
  }
}

// X11 bitmap fonts in an 8-bit charset (KOI8-R, ISO8859-5, CP1251...) give
// their codes, not Unicode: the character -> code table of that charset,
// sorted by character. Empty when the charset is unknown.
std::vector<std::pair<char32_t, std::uint8_t>> CharsetCodes(FT_Face face) {
  std::vector<std::pair<char32_t, std::uint8_t>> table;
  const char* encoding = nullptr;
  const char* registry = nullptr;
  if (FT_Get_BDF_Charset_ID(face, &encoding, &registry) != 0 || encoding == nullptr ||
      registry == nullptr) {
    return table;
  }
  const std::string names[] = {std::string(registry) + "-" + encoding, encoding,
                               std::string(registry) + encoding};
  std::optional<std::array<char32_t, 256>> characters;
  for (const std::string& name : names) {
    if ((characters = CharsetCharacters(name.c_str()))) break;
  }
  if (!characters) return table;
  for (std::size_t code = 0; code < characters->size(); ++code) {
    if ((*characters)[code] != 0) {
      table.emplace_back((*characters)[code], static_cast<std::uint8_t>(code));
    }
  }
  std::sort(table.begin(), table.end());
  return table;
}

}  // namespace

struct GlyphRenderer::Face {
  std::vector<std::uint8_t> bytes;  // FreeType reads from here while the face lives
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  GlyphRenderOptions options;
  int faceCount = 0;
  int ascent = 0;  // pixels from the cell top down to the baseline
  bool bitmap = false;
  bool symbolCharmap = false;  // a symbol font: its codes sit at F000h + code
  std::vector<std::pair<char32_t, std::uint8_t>> charsetCodes;  // see CharsetCodes
  FT_Int32 loadFlags = FT_LOAD_RENDER;

  Face() = default;
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;
  ~Face() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }

  FT_Error OpenFace(FT_Long index) {
    if (face != nullptr) FT_Done_Face(face);
    face = nullptr;
    return FT_New_Memory_Face(library, bytes.data(), static_cast<FT_Long>(bytes.size()), index,
                              &face);
  }
};

GlyphRenderer::GlyphRenderer(std::unique_ptr<Face> face) : face_(std::move(face)) {}
GlyphRenderer::GlyphRenderer(GlyphRenderer&&) noexcept = default;
GlyphRenderer& GlyphRenderer::operator=(GlyphRenderer&&) noexcept = default;
GlyphRenderer::~GlyphRenderer() = default;

GlyphRenderer::Result GlyphRenderer::Open(const GlyphImportRequest& request) {
  // Parameters first: they need no file.
  if (const auto bad = CheckOptions(request.options)) return {std::nullopt, *bad};
  auto bytes = ReadFile(request.fontPath);
  if (!bytes) return {std::nullopt, Fail(GlyphImportError::CannotOpen)};
  return OpenBytes(std::move(*bytes), request.options);
}

GlyphRenderer::Result GlyphRenderer::OpenBytes(std::vector<std::uint8_t> bytes,
                                               const GlyphRenderOptions& o) {
  if (const auto bad = CheckOptions(o)) return {std::nullopt, *bad};
  if (bytes.empty()) return {std::nullopt, Fail(GlyphImportError::NotAFont)};

  auto f = std::make_unique<Face>();
  f->bytes = std::move(bytes);
  f->options = o;
  if (FT_Init_FreeType(&f->library) != 0) return {std::nullopt, Fail(GlyphImportError::NotAFont)};

  // Index -1 only checks the format and counts the faces.
  if (f->OpenFace(-1) != 0 || f->face->num_faces < 1) {
    return {std::nullopt, Fail(GlyphImportError::NotAFont)};
  }
  f->faceCount = static_cast<int>(std::min<FT_Long>(f->face->num_faces, kMaxFaceIndex + 1));
  if (o.faceIndex < 0 || o.faceIndex >= f->faceCount) {
    return {std::nullopt, {GlyphImportError::NoSuchFace, {}, f->faceCount}};
  }
  if (f->OpenFace(o.faceIndex) != 0) return {std::nullopt, Fail(GlyphImportError::NotAFont)};
  FT_Face face = f->face;

  if (FT_IS_SCALABLE(face)) {
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(o.pixelSize)) != 0) {
      return {std::nullopt, Fail(GlyphImportError::NotAFont)};
    }
  } else if (FT_HAS_FIXED_SIZES(face) && face->available_sizes != nullptr) {
    // A bitmap font renders only the sizes it was drawn in.
    std::vector<int> sizes;
    int strike = -1;
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
      const FT_Bitmap_Size& s = face->available_sizes[i];
      const int pixels = s.y_ppem > 0 ? PixelsRound(s.y_ppem) : s.height;
      sizes.push_back(pixels);
      if (pixels == o.pixelSize && strike < 0) strike = i;
    }
    if (strike < 0) {
      std::sort(sizes.begin(), sizes.end());
      sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
      return {std::nullopt, {GlyphImportError::SizeNotInFont, std::move(sizes), 0}};
    }
    if (FT_Select_Size(face, strike) != 0) return {std::nullopt, Fail(GlyphImportError::NotAFont)};
    f->bitmap = true;
  } else {
    return {std::nullopt, Fail(GlyphImportError::NotAFont)};
  }

  if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
    if (FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) == 0) {
      f->symbolCharmap = true;
    } else if (face->num_charmaps > 0) {
      FT_Set_Charmap(face, face->charmaps[0]);
      f->charsetCodes = CharsetCodes(face);
    }
  }
  f->ascent = PixelsCeil(face->size->metrics.ascender);
  f->loadFlags =
      FT_LOAD_RENDER | (o.mode == RenderMode::Mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
  return {GlyphRenderer(std::move(f)), {}};
}

const GlyphRenderOptions& GlyphRenderer::options() const { return face_->options; }
int GlyphRenderer::faceCount() const { return face_->faceCount; }
bool GlyphRenderer::isBitmapFont() const { return face_->bitmap; }

std::string GlyphRenderer::faceName() const {
  const FT_Face face = face_->face;
  std::string name = face->family_name != nullptr ? face->family_name : "";
  if (face->style_name != nullptr && *face->style_name != '\0') {
    if (!name.empty()) name += ' ';
    name += face->style_name;
  }
  return name;
}

bool GlyphRenderer::Render(char32_t ch, std::span<std::uint8_t> glyph) const {
  const Face& f = *face_;
  const GlyphRenderOptions& o = f.options;
  const int cb = o.layout.BytesPerGlyph();
  if (ch == 0 || glyph.size() < static_cast<std::size_t>(cb)) return false;

  FT_ULong code = ch;
  if (f.symbolCharmap && ch < 0x100) code |= 0xF000;
  if (!f.charsetCodes.empty()) {
    const auto it = std::lower_bound(f.charsetCodes.begin(), f.charsetCodes.end(),
                                     std::pair<char32_t, std::uint8_t>{ch, 0});
    if (it == f.charsetCodes.end() || it->first != ch) return false;
    code = it->second;
  }
  const FT_UInt index = FT_Get_Char_Index(f.face, code);
  if (index == 0) return false;
  if (FT_Load_Glyph(f.face, index, f.loadFlags) != 0) return false;
  const FT_GlyphSlot slot = f.face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_BITMAP) return false;
  const FT_Bitmap& bm = slot->bitmap;
  const int width = static_cast<int>(std::min(bm.width, 4096U));
  const int rows = static_cast<int>(std::min(bm.rows, 4096U));
  if (width > 0 && rows > 0 && (bm.buffer == nullptr || Coverage(bm, 0, 0) < 0)) return false;

  const int threshold =
      o.mode == RenderMode::Mono ? kMonoThreshold : std::clamp(o.threshold, 1, 255);
  const int bitmapLeft = Bounded(slot->bitmap_left);
  const int top = f.ascent + Bounded(o.offsetY) - Bounded(slot->bitmap_top);
  int left = bitmapLeft;
  if (o.align == HAlign::Center) {
    const int advance = PixelsRound(slot->advance.x);
    left = advance > 0 ? FloorDiv2(o.layout.width - advance) + bitmapLeft
                       : FloorDiv2(o.layout.width - width);
  }
  left += Bounded(o.offsetX);

  std::fill_n(glyph.begin(), cb, std::uint8_t{0});
  // Only the part of the bitmap that falls into the cell is visited.
  const int r0 = std::max(0, -top);
  const int r1 = std::min(rows, o.layout.height - top);
  const int c0 = std::max(0, -left);
  const int c1 = std::min(width, o.layout.width - left);
  for (int r = r0; r < r1; ++r) {
    for (int c = c0; c < c1; ++c) {
      if (Coverage(bm, r, c) < threshold) continue;
      SetPixel(o.layout, glyph, left + c, top + r, true);
    }
  }
  return true;
}

FillSummary FillGlyphs(const GlyphRenderer& renderer,
                       const std::array<char32_t, kSymbolCount>& characters, FillRange range,
                       std::span<std::uint8_t> glyphs) {
  const GlyphRenderOptions& o = renderer.options();
  const auto cb = static_cast<std::size_t>(o.layout.BytesPerGlyph());
  FillSummary summary;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const char32_t ch = characters[i];
    const int code = kFirstCode + static_cast<int>(i);
    if (ch == 0) continue;
    if (range.kind == FillRange::Kind::Codes && (code < range.from || code > range.to)) continue;
    if ((i + 1) * cb > glyphs.size()) break;
    const std::span<std::uint8_t> glyph = glyphs.subspan(i * cb, cb);
    if (range.kind == FillRange::Kind::EmptyOnly &&
        std::any_of(glyph.begin(), glyph.end(), [](std::uint8_t b) { return b != 0; })) {
      continue;
    }
    if (renderer.Render(ch, glyph)) {
      ++summary.filled;
    } else {
      ++summary.missing;
    }
  }
  return summary;
}

}  // namespace zg
