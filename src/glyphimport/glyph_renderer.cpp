#include "glyphimport/glyph_renderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H

// next_in of z_stream as a pointer to const
#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include "model/code_page.h"
#include "model/codec.h"

namespace zg {
namespace {

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

GlyphImportFailure Fail(GlyphImportError error) { return {error, {}, 0, {}}; }

std::optional<GlyphImportFailure> CheckOptions(const GlyphRenderOptions& o) {
  if (!o.layout.Valid()) {
    return Fail(GlyphImportError::BadCell);
  }
  if (!o.fitSize && (o.pixelSize < kMinPixelSize || o.pixelSize > kMaxPixelSize)) {
    return Fail(GlyphImportError::BadSize);
  }
  return std::nullopt;
}

struct FileBytes {
  std::vector<std::uint8_t> bytes;
  std::optional<GlyphImportError> error;
};

// The whole file in a buffer of its size, read once. Only regular files:
// a device or a pipe has no size to check before reading.
FileBytes ReadFile(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::is_regular_file(status)) return {{}, GlyphImportError::CannotOpen};
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return {{}, GlyphImportError::CannotOpen};
  if (size > static_cast<std::uintmax_t>(kMaxFontFileBytes)) {
    return {{}, GlyphImportError::TooLarge};
  }
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return {{}, GlyphImportError::CannotOpen};
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  // A file that shrank meanwhile gives what it holds; one that grew, no more.
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return {{}, GlyphImportError::CannotOpen};
  return {std::move(bytes), std::nullopt};
}

enum class Packing : std::uint8_t { None, Gzip, Other };

// FreeType's PCF driver unpacks gzip, compress and bzip2 data itself,
// seeking back by inflating again from the start: it never sees them.
Packing PackingOf(const std::vector<std::uint8_t>& b) {
  if (b.size() >= 2 && b[0] == 0x1F && b[1] == 0x8B) return Packing::Gzip;
  if (b.size() >= 2 && b[0] == 0x1F && b[1] == 0x9D) return Packing::Other;
  if (b.size() >= 3 && b[0] == 'B' && b[1] == 'Z' && b[2] == 'h') return Packing::Other;
  return Packing::None;
}

struct Unpacked {
  std::vector<std::uint8_t> bytes;
  std::optional<GlyphImportError> error;
};

// The gzip data unpacked, stopping as soon as it passes kMaxUnpackedFontBytes.
Unpacked Gunzip(const std::vector<std::uint8_t>& packed) {
  constexpr auto kCap = static_cast<std::size_t>(kMaxUnpackedFontBytes);
  z_stream z{};
  if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) return {{}, GlyphImportError::NotAFont};
  z.next_in = packed.data();
  z.avail_in = static_cast<uInt>(packed.size());  // at most kMaxFontFileBytes
  std::vector<std::uint8_t> out;
  std::size_t produced = 0;
  int status = Z_OK;
  while (status == Z_OK) {
    if (produced == out.size()) {
      // One byte past the cap tells data of exactly the cap from more.
      if (out.size() > kCap) break;
      out.resize(std::min(kCap + 1, std::max<std::size_t>(2 * out.size(), 1U << 16)));
    }
    z.next_out = out.data() + produced;
    z.avail_out = static_cast<uInt>(out.size() - produced);
    status = inflate(&z, Z_NO_FLUSH);
    produced = out.size() - z.avail_out;
  }
  inflateEnd(&z);
  if (produced > kCap) return {{}, GlyphImportError::UnpacksTooLarge};
  if (status != Z_STREAM_END) return {{}, GlyphImportError::NotAFont};
  out.resize(produced);
  return {std::move(out), std::nullopt};
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

using CodeTable = std::vector<std::pair<char32_t, std::uint8_t>>;

struct CharsetTable {
  CodeTable codes;      // empty: the font names no charset, its codes are Unicode
  std::string unknown;  // the charset's name when the system cannot convert it
};

// X11 bitmap fonts in an 8-bit charset (KOI8-R, ISO8859-5, CP1251...) give
// their codes, not Unicode: the character -> code table of that charset,
// sorted by character.
CharsetTable CharsetCodes(FT_Face face) {
  CharsetTable result;
  const char* encoding = nullptr;
  const char* registry = nullptr;
  if (FT_Get_BDF_Charset_ID(face, &encoding, &registry) != 0 || encoding == nullptr ||
      registry == nullptr) {
    return result;
  }
  const std::string names[] = {std::string(registry) + "-" + encoding, encoding,
                               std::string(registry) + encoding};
  std::optional<std::array<char32_t, 256>> characters;
  for (const std::string& name : names) {
    if ((characters = CharsetCharacters(name.c_str()))) break;
  }
  if (!characters) {
    result.unknown = names[0];
    return result;
  }
  CodeTable& table = result.codes;
  for (std::size_t code = 0; code < characters->size(); ++code) {
    if ((*characters)[code] != 0) {
      table.emplace_back((*characters)[code], static_cast<std::uint8_t>(code));
    }
  }
  std::sort(table.begin(), table.end());
  return result;
}

// Pixels from the baseline up to the top of the line and down to its bottom.
int Ascent(FT_Face face) { return PixelsCeil(face->size->metrics.ascender); }
int LineHeight(FT_Face face) {
  return Bounded(static_cast<long>(Ascent(face)) + PixelsCeil(-face->size->metrics.descender));
}

// The largest size 1..255 whose line fits `rows`; 1 when none does. The
// line grows with the size, so the search stops at the first that does not.
int FittingOutlineSize(FT_Face face, int rows) {
  int best = kMinPixelSize;
  for (int size = kMinPixelSize; size <= kMaxPixelSize; ++size) {
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)) != 0) break;
    // A face without line metrics is measured by its em.
    const int line = LineHeight(face) > 0 ? LineHeight(face) : size;
    if (line > rows) break;
    best = size;
  }
  return best;
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
  CodeTable charsetCodes;      // see CharsetCodes
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

int FitRows(const Layout& layout) { return layout.height - MarginWidth(layout.width); }

GlyphRenderer::Result GlyphRenderer::Open(const GlyphImportRequest& request) {
  // Parameters first: they need no file.
  if (const auto bad = CheckOptions(request.options)) return {std::nullopt, *bad};
  FileBytes file = ReadFile(request.fontPath);
  if (file.error) return {std::nullopt, Fail(*file.error)};
  return OpenBytes(std::move(file.bytes), request.options);
}

GlyphRenderer::Result GlyphRenderer::OpenBytes(std::vector<std::uint8_t> bytes,
                                               const GlyphRenderOptions& options) {
  GlyphRenderOptions o = options;
  if (const auto bad = CheckOptions(o)) return {std::nullopt, *bad};
  switch (PackingOf(bytes)) {
    case Packing::None:
      break;
    case Packing::Other:
      return {std::nullopt, Fail(GlyphImportError::OtherPacking)};
    case Packing::Gzip: {
      Unpacked unpacked = Gunzip(bytes);
      if (unpacked.error) return {std::nullopt, Fail(*unpacked.error)};
      // Packed twice is no font this program reads.
      if (PackingOf(unpacked.bytes) != Packing::None) {
        return {std::nullopt, Fail(GlyphImportError::NotAFont)};
      }
      bytes = std::move(unpacked.bytes);
      break;
    }
  }
  if (bytes.empty()) return {std::nullopt, Fail(GlyphImportError::NotAFont)};

  auto f = std::make_unique<Face>();
  f->bytes = std::move(bytes);
  if (FT_Init_FreeType(&f->library) != 0) return {std::nullopt, Fail(GlyphImportError::NotAFont)};

  // Index -1 only checks the format and counts the faces.
  if (f->OpenFace(-1) != 0 || f->face->num_faces < 1) {
    return {std::nullopt, Fail(GlyphImportError::NotAFont)};
  }
  f->faceCount = static_cast<int>(std::min<FT_Long>(f->face->num_faces, kMaxFaceIndex + 1));
  if (o.faceIndex < 0 || o.faceIndex >= f->faceCount) {
    return {std::nullopt, {GlyphImportError::NoSuchFace, {}, f->faceCount, {}}};
  }
  if (f->OpenFace(o.faceIndex) != 0) return {std::nullopt, Fail(GlyphImportError::NotAFont)};
  FT_Face face = f->face;
  const int rows = FitRows(o.layout);

  if (FT_IS_SCALABLE(face)) {
    if (o.fitSize) o.pixelSize = FittingOutlineSize(face, rows);
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(o.pixelSize)) != 0) {
      return {std::nullopt, Fail(GlyphImportError::NotAFont)};
    }
  } else if (FT_HAS_FIXED_SIZES(face) && face->available_sizes != nullptr) {
    // A bitmap font renders only the sizes it was drawn in.
    std::vector<int> sizes;
    int strike = -1;
    // fitSize: the largest strike whose line fits above the margin, else
    // the largest that fits the cell (its own rows may hold the gap).
    int aboveMargin = -1;
    int inCell = -1;
    const auto larger = [&sizes](int candidate, int best) {
      return best < 0 ||
             sizes[static_cast<std::size_t>(candidate)] > sizes[static_cast<std::size_t>(best)];
    };
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
      const FT_Bitmap_Size& s = face->available_sizes[i];
      const int pixels = s.y_ppem > 0 ? PixelsRound(s.y_ppem) : s.height;
      sizes.push_back(pixels);
      // A strike the options could not name (0 or over 255) is never taken.
      const bool nameable = pixels >= kMinPixelSize && pixels <= kMaxPixelSize;
      if (o.fitSize && nameable && FT_Select_Size(face, i) == 0) {
        const int line = LineHeight(face);
        if (line <= rows && larger(i, aboveMargin)) aboveMargin = i;
        if (line <= o.layout.height && larger(i, inCell)) inCell = i;
      }
      if (!o.fitSize && pixels == o.pixelSize && strike < 0) strike = i;
    }
    if (o.fitSize) {
      strike = aboveMargin >= 0 ? aboveMargin : inCell;
      if (strike >= 0) o.pixelSize = sizes[static_cast<std::size_t>(strike)];
    }
    if (strike < 0) {
      std::sort(sizes.begin(), sizes.end());
      sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
      const GlyphImportError error =
          o.fitSize ? GlyphImportError::NoSizeFits : GlyphImportError::SizeNotInFont;
      return {std::nullopt, {error, std::move(sizes), 0, {}}};
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
      CharsetTable charset = CharsetCodes(face);
      // Read as Unicode, its codes would be other characters.
      if (!charset.unknown.empty()) {
        return {std::nullopt, {GlyphImportError::UnknownCharset, {}, 0, charset.unknown}};
      }
      f->charsetCodes = std::move(charset.codes);
    }
  }
  f->options = o;
  f->ascent = Ascent(face);
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

bool GlyphRenderer::Render(char32_t ch, std::span<std::uint8_t> glyph, bool* clipped) const {
  RenderedGlyph rendered;
  if (!Draw(ch, glyph, clipped != nullptr, rendered)) return false;
  if (clipped != nullptr) *clipped = rendered.clipped;
  return true;
}

bool GlyphRenderer::Render(char32_t ch, std::span<std::uint8_t> glyph,
                           RenderedGlyph& rendered) const {
  RenderedGlyph drawn;
  if (!Draw(ch, glyph, true, drawn)) return false;
  rendered = drawn;
  return true;
}

bool GlyphRenderer::Draw(char32_t ch, std::span<std::uint8_t> glyph, bool findCut,
                         RenderedGlyph& out) const {
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
  const int advance = PixelsRound(slot->advance.x);
  int left = bitmapLeft;
  if (o.align == HAlign::Center) {
    left = advance > 0 ? FloorDiv2(o.layout.width - advance) + bitmapLeft
                       : FloorDiv2(o.layout.width - width);
  }
  left += Bounded(o.offsetX);
  // The origin is bitmapLeft pixels left of the bitmap.
  const long penEnd = static_cast<long>(left) - bitmapLeft + std::max(advance, 0);
  out.width = static_cast<int>(std::clamp(penEnd, 1L, static_cast<long>(o.layout.width)));

  std::fill_n(glyph.begin(), cb, std::uint8_t{0});
  // The part of the bitmap that falls into the cell is drawn; the rest is
  // looked at only until one lit pixel shows that ink was cut.
  const int r0 = std::max(0, -top);
  const int r1 = std::min(rows, o.layout.height - top);
  const int c0 = std::max(0, -left);
  const int c1 = std::min(width, o.layout.width - left);
  bool cut = false;
  for (int r = 0; r < rows; ++r) {
    const bool rowInCell = r >= r0 && r < r1;
    if (!rowInCell && (cut || !findCut)) continue;
    for (int c = 0; c < width; ++c) {
      const bool inCell = rowInCell && c >= c0 && c < c1;
      if (!inCell && (cut || !findCut)) continue;
      if (Coverage(bm, r, c) < threshold) continue;
      if (!inCell) {
        cut = true;
        continue;
      }
      SetPixel(o.layout, glyph, left + c, top + r, true);
    }
  }
  out.clipped = cut;
  return true;
}

FillSummary FillGlyphs(const GlyphRenderer& renderer,
                       const std::array<char32_t, kSymbolCount>& characters, FillRange range,
                       std::span<std::uint8_t> glyphs, std::span<std::uint8_t> widths) {
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
    RenderedGlyph rendered;
    if (renderer.Render(ch, glyph, rendered)) {
      ++summary.filled;
      if (rendered.clipped) summary.clipped.push_back(ch);
      if (i < widths.size()) widths[i] = static_cast<std::uint8_t>(rendered.width);
    } else {
      ++summary.missing;
    }
  }
  return summary;
}

FillSummary FillDocument(const GlyphRenderer& renderer,
                         const std::array<char32_t, kSymbolCount>& characters, FillRange range,
                         bool keepAdvances, FontDocument& document) {
  if (!keepAdvances) return FillGlyphs(renderer, characters, range, document.glyphs);
  std::vector<std::uint8_t> widths(kSymbolCount);
  for (int i = 0; i < kSymbolCount; ++i) {
    widths[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(document.Width(i));
  }
  FillSummary summary = FillGlyphs(renderer, characters, range, document.glyphs, widths);
  document.widths = std::move(widths);
  return summary;
}

std::string CharacterList(std::span<const char32_t> characters, std::size_t shown) {
  std::string out;
  for (std::size_t i = 0; i < characters.size() && i < shown; ++i) {
    if (i > 0) out += ' ';
    out += Utf8(characters[i]);
  }
  if (characters.size() > shown) out += " …";
  return out;
}

}  // namespace zg
