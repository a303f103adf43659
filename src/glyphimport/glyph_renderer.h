#pragma once
// Rendering the characters of an outline or bitmap font (TrueType, OpenType,
// collections, BDF, PCF, PCF.GZ) into glyph bytes of the editor's cell, with
// FreeType. Nothing of FreeType shows in this header.
//
// Font files are checked for size before they are read, and gzip-compressed
// fonts are unpacked here with a cap on their unpacked size: FreeType gets
// only plain bytes, so a hostile .pcf.gz cannot keep it inflating for minutes.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/font_document.h"
#include "model/font_model.h"

namespace zg {

// Font files larger than this are refused before they are read.
inline constexpr long kMaxFontFileBytes = 256L << 20;
// Compressed fonts that unpack to more than this are refused.
inline constexpr long kMaxUnpackedFontBytes = 64L << 20;

enum class RenderMode : std::uint8_t {
  Mono,         // FreeType's monochrome hinting and rasteriser
  AntiAliased,  // grey coverage, cut at a threshold
};

enum class HAlign : std::uint8_t {
  Center,  // the glyph's advance centred in the cell
  Left,    // the glyph's origin (pen position) at column 0
};

struct GlyphRenderOptions {
  int faceIndex = 0;   // face of a collection
  int pixelSize = 16;  // 1..255; for bitmap fonts one of their strikes
  // Instead of pixelSize, the largest size whose ascent and descent fit the
  // rows of the cell above its margin (FitRows); for a bitmap font the
  // largest strike that fits there, else the largest that fits the cell.
  // The opened renderer's options() name the size taken.
  bool fitSize = false;
  Layout layout = Layout::Classic(16, 16, Scan::Vertical);  // the target glyphs
  RenderMode mode = RenderMode::Mono;
  // AntiAliased: a pixel is on when its coverage (0..255) is at least the
  // threshold; threshold 0 counts as 1, so uncovered pixels never light.
  int threshold = 128;
  HAlign align = HAlign::Center;
  int offsetX = 0;  // pixels to the right
  int offsetY = 0;  // pixels down
};

struct GlyphImportRequest {
  std::string fontPath;
  GlyphRenderOptions options;
};

enum class GlyphImportError : std::uint8_t {
  CannotOpen,       // the file cannot be read, or is no regular file
  NotAFont,         // not a font FreeType knows, or truncated or corrupt
  NoSuchFace,       // the face index is beyond the faces of the file
  BadSize,          // pixel size outside 1..255
  SizeNotInFont,    // a bitmap font without a strike of that size
  BadCell,          // the cell is not 1..24 x 1..24
  TooLarge,         // the file is larger than kMaxFontFileBytes
  UnpacksTooLarge,  // gzip data that unpacks to more than kMaxUnpackedFontBytes
  OtherPacking,     // compress (.Z) or bzip2 data: not unpacked here
  UnknownCharset,   // a bitmap font in a charset the system cannot convert
  NoSizeFits,       // fitSize: no strike of the bitmap font fits the cell
};

struct GlyphImportFailure {
  GlyphImportError error = GlyphImportError::NotAFont;
  // SizeNotInFont, NoSizeFits: the strikes the font has, ascending
  std::vector<int> availableSizes;
  int faceCount = 0;    // NoSuchFace: the faces the file has
  std::string charset;  // UnknownCharset: its name, e.g. "JISX0201.1976-0"
  friend bool operator==(const GlyphImportFailure&, const GlyphImportFailure&) = default;
};

// Rows of the cell above its margin: where the default size puts the font's
// ascent and descent.
int FitRows(const Layout& layout);

// What Render tells about a glyph besides its pixels.
struct RenderedGlyph {
  bool clipped = false;  // ink fell outside the cell and was cut
  // Where the font's pen stands after the glyph: the column the glyph's
  // origin was placed at (by the alignment and the offset) plus the advance
  // the font gives it, rounded to whole pixels and kept to 1..cell width.
  // With HAlign::Left and no offset it is the font's own advance; centred,
  // the room left of the origin counts too. The glyph's width in a
  // proportional font.
  int width = 0;
  friend bool operator==(const RenderedGlyph&, const RenderedGlyph&) = default;
};

// One open font face at one size. Move-only; Render is not safe to call from
// two threads at once (FreeType renders into the face's one glyph slot).
class GlyphRenderer {
 public:
  struct Result;

  // Reads the whole file into memory (its size checked first) and opens it.
  static Result Open(const GlyphImportRequest& request);
  // Opens font file bytes held in memory; gzip data is unpacked first.
  static Result OpenBytes(std::vector<std::uint8_t> bytes, const GlyphRenderOptions& options);

  GlyphRenderer(GlyphRenderer&&) noexcept;
  GlyphRenderer& operator=(GlyphRenderer&&) noexcept;
  ~GlyphRenderer();

  const GlyphRenderOptions& options() const;
  int faceCount() const;
  // Whether the font outlines or bitmap strikes.
  bool isBitmapFont() const;
  // The family and style, e.g. "DejaVu Sans Mono Book".
  std::string faceName() const;

  // Draws `ch` into `glyph` (layout.BytesPerGlyph() bytes; the whole glyph is rewritten).
  // False when the font has no such character: `glyph` stays as it was.
  // `clipped`, when given, says whether ink fell outside the cell and was cut.
  bool Render(char32_t ch, std::span<std::uint8_t> glyph, bool* clipped = nullptr) const;
  // The same, and `rendered` says whether ink was cut and where the pen
  // stands after the glyph; `rendered` is left as it was when false.
  bool Render(char32_t ch, std::span<std::uint8_t> glyph, RenderedGlyph& rendered) const;

 private:
  bool Draw(char32_t ch, std::span<std::uint8_t> glyph, bool findCut, RenderedGlyph& out) const;
  struct Face;
  explicit GlyphRenderer(std::unique_ptr<Face> face);
  std::unique_ptr<Face> face_;
};

struct GlyphRenderer::Result {
  std::optional<GlyphRenderer> renderer;
  GlyphImportFailure failure;  // meaningful when renderer is empty
  explicit operator bool() const { return renderer.has_value(); }
};

// Which symbols a fill touches.
struct FillRange {
  enum class Kind : std::uint8_t { All, EmptyOnly, Codes };
  Kind kind = Kind::All;
  int from = kFirstCode;  // Codes: first and last code, 20h..FFh, both included
  int to = kFirstCode + kSymbolCount - 1;

  static FillRange All() { return {}; }
  static FillRange EmptyOnly() { return {Kind::EmptyOnly}; }
  static FillRange Codes(int first, int last) { return {Kind::Codes, first, last}; }
  friend bool operator==(const FillRange&, const FillRange&) = default;
};

struct FillSummary {
  int filled = 0;   // symbols drawn from the font
  int missing = 0;  // symbols whose character the font lacks (left as they were)
  // The characters drawn whose ink the cell cut, in code order.
  std::vector<char32_t> clipped;
  friend bool operator==(const FillSummary&, const FillSummary&) = default;
};

// FillGlyphs on a font document, for the editor and the converter alike.
// With `keepAdvances` the glyphs drawn take the font's advances as their
// widths and the document becomes proportional: the glyphs not drawn keep
// their widths, in a font that had none the cell's width. Without, the
// widths stay as they were.
FillSummary FillDocument(const GlyphRenderer& renderer,
                         const std::array<char32_t, kSymbolCount>& characters, FillRange range,
                         bool keepAdvances, FontDocument& document);

// The first `shown` characters in UTF-8, a space between two, and " …" when
// there are more: "g j p q y …".
std::string CharacterList(std::span<const char32_t> characters, std::size_t shown);

// Renders characters[i] into glyph i of `glyphs` (224 glyphs of the
// renderer's cell, one after another) for every symbol in `range`; symbols
// whose character is 0 (undefined in the code page) are skipped.
//
// Keeping the font's advances: pass `widths` with an entry for each of the
// 224 glyphs (FontDocument::widths; for a monospaced font 224 entries of the
// cell's width). Each glyph drawn gets RenderedGlyph::width there; the
// entries of glyphs not drawn (out of the range, kept by "only empty",
// missing from the font) stay as they were, so the caller stores the span
// back as the font's widths. Empty `widths`: no widths are wanted.
FillSummary FillGlyphs(const GlyphRenderer& renderer,
                       const std::array<char32_t, kSymbolCount>& characters, FillRange range,
                       std::span<std::uint8_t> glyphs, std::span<std::uint8_t> widths = {});

}  // namespace zg
