#pragma once
// What the dialog "Импорт из шрифта..." returns, and its messages, as plain
// data: the dialog only shows and edits a FontImportChoice.

#include <optional>
#include <string>
#include <string_view>

#include "glyphimport/glyph_renderer.h"

namespace zg {

struct FontImportChoice {
  std::string fontPath;
  int faceIndex = 0;
  int pixelSize = 16;
  RenderMode mode = RenderMode::Mono;
  int threshold = 128;
  HAlign align = HAlign::Center;
  int offsetX = 0;
  int offsetY = 0;
  FillRange range;
  // The glyphs drawn take the font's advances as their widths, which makes
  // the font proportional: FillDocument(..., keepAdvances, document).
  bool keepAdvances = false;
  friend bool operator==(const FontImportChoice&, const FontImportChoice&) = default;
};

// The renderer request for a font in `layout`.
GlyphImportRequest ImportRequest(const FontImportChoice& choice, const Layout& layout);

// "1 символ", "2 символа", "5 символов", "21 символ"...
std::string CountedNoun(int n, const char* one, const char* few, const char* many);
std::string SymbolCount(int n);

// The message for a font that did not open, e.g. "Файл не является шрифтом."
// or "Шрифт не содержит размер 9 пикселей. Есть размеры: 8, 10, 12."
std::string ImportErrorText(const GlyphImportFailure& failure, int pixelSize, int faceIndex);

// "Импортировано: 200 символов." and, when some are missing, a line
// "Нет в шрифте: 12 символов.", when some were cut, ClippedText.
std::string ImportSummaryText(const FillSummary& summary);

// "Обрезаны 17 символов: g j p q y …" for glyphs whose ink the cell cut;
// "" when none was.
std::string ClippedText(const FillSummary& summary);

// A code as typed in the range fields: one or two hex digits, optionally
// with "0x" before or "h" after; only 20h..FFh are codes of the font.
std::optional<int> ParseCode(std::string_view text);
// The code as the range fields show it: two upper-case hex digits.
std::string CodeText(int code);

}  // namespace zg
