#include "ops/glyph_clip.h"

#include <algorithm>
#include <charconv>

#include "ops/glyph_pixels.h"

namespace zg {
namespace {

constexpr std::string_view kMagic = "zgedit-glyph ";
constexpr char kDigits[] = "0123456789abcdef";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A decimal number of one or two digits at the front of `text`, taken off it.
std::optional<int> TakeNumber(std::string_view& text) {
  int value = 0;
  const char* end = text.data() + std::min<std::size_t>(text.size(), 2);
  const auto [p, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc{} || p == text.data()) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(p - text.data()));
  return value;
}

bool TakeChar(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::string EncodeGlyphClip(const Layout& layout, std::span<const std::uint8_t> glyph, int width) {
  const auto cb = static_cast<std::size_t>(layout.BytesPerGlyph());
  if (!layout.Valid() || glyph.size() < cb || width < 0 || width > layout.width) return {};
  std::string text(kMagic);
  text += width > 0 ? "2 " : "1 ";
  text += std::to_string(layout.width) + 'x' + std::to_string(layout.height) +
          (layout.Vertical() ? " v" : " h");
  if (width > 0) text += " w" + std::to_string(width);
  text += '\n';
  for (std::size_t i = 0; i < cb; ++i) {
    text += kDigits[glyph[i] >> 4U];
    text += kDigits[glyph[i] & 0xFU];
    text += (i + 1) % 8 == 0 || i + 1 == cb ? '\n' : ' ';
  }
  return text;
}

std::optional<GlyphClip> DecodeGlyphClip(std::string_view text) {
  if (!text.starts_with(kMagic)) return std::nullopt;
  text.remove_prefix(kMagic.size());
  const bool withWidth = TakeChar(text, '2');
  if (!withWidth && !TakeChar(text, '1')) return std::nullopt;
  if (!TakeChar(text, ' ')) return std::nullopt;
  GlyphClip clip;
  const auto ncol = TakeNumber(text);
  if (!ncol || !TakeChar(text, 'x')) return std::nullopt;
  const auto nstr = TakeNumber(text);
  if (!nstr || !TakeChar(text, ' ')) return std::nullopt;
  Scan scan = Scan::Vertical;
  if (TakeChar(text, 'h')) {
    scan = Scan::Horizontal;
  } else if (!TakeChar(text, 'v')) {
    return std::nullopt;
  }
  if (withWidth) {
    const auto width = TakeChar(text, ' ') && TakeChar(text, 'w') ? TakeNumber(text) : std::nullopt;
    if (!width || *width < 1 || *width > *ncol) return std::nullopt;
    clip.width = *width;
  }
  // Clipboards on some systems turn line ends into CR LF.
  TakeChar(text, '\r');
  if (!TakeChar(text, '\n')) return std::nullopt;
  clip.layout = Layout::Classic(*ncol, *nstr, scan);
  if (!clip.layout.Valid()) return std::nullopt;

  const auto cb = static_cast<std::size_t>(clip.layout.BytesPerGlyph());
  clip.bytes.reserve(cb);
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsBlank(text[i])) {
      ++i;
      continue;
    }
    // Exactly two digits, then a blank or the end.
    if (i + 1 >= text.size() || clip.bytes.size() == cb) return std::nullopt;
    const int hi = HexDigit(text[i]);
    const int lo = HexDigit(text[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    i += 2;
    if (i < text.size() && !IsBlank(text[i])) return std::nullopt;
    clip.bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
  }
  if (clip.bytes.size() != cb) return std::nullopt;
  return clip;
}

void PlaceGlyph(const GlyphClip& clip, std::span<std::uint8_t> target, const Layout& layout) {
  if (!layout.FitsIn(target.size())) return;
  PixelPlane plane{};
  if (clip.layout.FitsIn(clip.bytes.size())) plane = UnpackGlyph(clip.bytes, clip.layout);
  // Both cells start at the plane's top left, so the cut is the target's own
  // cell: PackGlyph writes only its pixels.
  PackGlyph(plane, target, layout);
}

}  // namespace zg
