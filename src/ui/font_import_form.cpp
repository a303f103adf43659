#include "ui/font_import_form.h"

#include <cstdio>

#include "ui/font_import_texts.h"

namespace zg {
namespace {

// Replaces the first "%<n>" of `pattern` with `value`.
std::string Arg(std::string pattern, int n, const std::string& value) {
  const std::string key = "%" + std::to_string(n);
  const auto at = pattern.find(key);
  if (at != std::string::npos) pattern.replace(at, key.size(), value);
  return pattern;
}

std::string SizeList(const std::vector<int>& sizes) {
  std::string list;
  for (const int s : sizes) {
    if (!list.empty()) list += ", ";
    list += std::to_string(s);
  }
  return list;
}

std::string Megabytes(long bytes) { return std::to_string(bytes >> 20); }

// The cut glyphs the window lists: the rest are counted.
constexpr std::size_t kClippedShown = 12;

}  // namespace

GlyphImportRequest ImportRequest(const FontImportChoice& c, const Layout& layout) {
  GlyphRenderOptions o;
  o.faceIndex = c.faceIndex;
  o.pixelSize = c.pixelSize;
  o.layout = layout;
  o.mode = c.mode;
  o.threshold = c.threshold;
  o.align = c.align;
  o.offsetX = c.offsetX;
  o.offsetY = c.offsetY;
  return {c.fontPath, o};
}

std::string CountedNoun(int n, const char* one, const char* few, const char* many) {
  const int abs = n < 0 ? -n : n;
  const int last = abs % 10;
  const int lastTwo = abs % 100;
  const char* noun = many;
  if (last == 1 && lastTwo != 11) {
    noun = one;
  } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
    noun = few;
  }
  return std::to_string(n) + " " + noun;
}

std::string SymbolCount(int n) { return CountedNoun(n, "символ", "символа", "символов"); }

std::string ImportErrorText(const GlyphImportFailure& failure, int pixelSize, int faceIndex) {
  switch (failure.error) {
    case GlyphImportError::CannotOpen:
      return text::kFontImportCannotOpen;
    case GlyphImportError::NotAFont:
      return text::kFontImportNotAFont;
    case GlyphImportError::NoSuchFace:
      return Arg(Arg(text::kFontImportNoSuchFace, 1, std::to_string(faceIndex)), 2,
                 std::to_string(failure.faceCount));
    case GlyphImportError::BadSize:
      return text::kFontImportBadSize;
    case GlyphImportError::SizeNotInFont:
      return Arg(Arg(text::kFontImportSizeNotInFont, 1,
                     CountedNoun(pixelSize, "пиксель", "пикселя", "пикселей")),
                 2, SizeList(failure.availableSizes));
    case GlyphImportError::BadCell:
      return text::kFontImportBadCell;
    case GlyphImportError::TooLarge:
      return Arg(text::kFontImportTooLarge, 1, Megabytes(kMaxFontFileBytes));
    case GlyphImportError::UnpacksTooLarge:
      return Arg(text::kFontImportUnpacksTooLarge, 1, Megabytes(kMaxUnpackedFontBytes));
    case GlyphImportError::OtherPacking:
      return text::kFontImportOtherPacking;
    case GlyphImportError::UnknownCharset:
      return Arg(text::kFontImportUnknownCharset, 1, failure.charset);
    case GlyphImportError::NoSizeFits:
      return Arg(text::kFontImportNoSizeFits, 1, SizeList(failure.availableSizes));
  }
  return text::kFontImportNotAFont;
}

std::string ImportSummaryText(const FillSummary& summary) {
  std::string out = Arg(text::kFontImportFilled, 1, SymbolCount(summary.filled));
  if (summary.missing > 0)
    out += "\n" + Arg(text::kFontImportMissing, 1, SymbolCount(summary.missing));
  if (!summary.clipped.empty()) out += "\n" + ClippedText(summary);
  return out;
}

std::string ClippedText(const FillSummary& summary) {
  const auto n = static_cast<int>(summary.clipped.size());
  if (n == 0) return {};
  const bool one = n % 10 == 1 && n % 100 != 11;
  return Arg(Arg(one ? text::kFontImportClippedOne : text::kFontImportClipped, 1, SymbolCount(n)),
             2, CharacterList(summary.clipped, kClippedShown));
}

std::optional<int> ParseCode(std::string_view t) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
    t.remove_prefix(2);
  } else if (!t.empty() && (t.back() == 'h' || t.back() == 'H')) {
    t.remove_suffix(1);
  }
  if (t.empty() || t.size() > 2) return std::nullopt;
  int value = 0;
  for (const char c : t) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    value = value * 16 + digit;
  }
  if (value < kFirstCode || value >= kFirstCode + kSymbolCount) return std::nullopt;
  return value;
}

std::string CodeText(int code) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned>(code) & 0xFFU);
  return buf;
}

}  // namespace zg
