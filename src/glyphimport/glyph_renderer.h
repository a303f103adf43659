#pragma once
// Rendering the characters of an outline or bitmap font (TrueType, OpenType,
// collections, BDF, PCF, PCF.GZ) into glyph bytes of the editor's cell, with
// FreeType. Nothing of FreeType shows in this header.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/font_model.h"

namespace zg {

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
  CannotOpen,     // the file cannot be read
  NotAFont,       // not a font FreeType knows, or truncated or corrupt
  NoSuchFace,     // the face index is beyond the faces of the file
  BadSize,        // pixel size outside 1..255
  SizeNotInFont,  // a bitmap font without a strike of that size
  BadCell,        // the cell is not 1..24 x 1..24
};

struct GlyphImportFailure {
  GlyphImportError error = GlyphImportError::NotAFont;
  std::vector<int> availableSizes;  // SizeNotInFont: the strikes the font has, ascending
  int faceCount = 0;                // NoSuchFace: the faces the file has
  friend bool operator==(const GlyphImportFailure&, const GlyphImportFailure&) = default;
};

// One open font face at one size. Move-only; Render is not safe to call from
// two threads at once (FreeType renders into the face's one glyph slot).
class GlyphRenderer {
 public:
  struct Result;

  // Reads the whole file into memory and opens it.
  static Result Open(const GlyphImportRequest& request);
  // Opens font file bytes held in memory.
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
  bool Render(char32_t ch, std::span<std::uint8_t> glyph) const;

 private:
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
  friend bool operator==(const FillSummary&, const FillSummary&) = default;
};

// Renders characters[i] into glyph i of `glyphs` (224 glyphs of the
// renderer's cell, one after another) for every symbol in `range`; symbols
// whose character is 0 (undefined in the code page) are skipped.
FillSummary FillGlyphs(const GlyphRenderer& renderer,
                       const std::array<char32_t, kSymbolCount>& characters, FillRange range,
                       std::span<std::uint8_t> glyphs);

}  // namespace zg
