#include "ops/glyph_clip.h"

#include <algorithm>
#include <charconv>

#include "ops/glyph_bytes.h"
#include "ops/glyph_pixels.h"

namespace zg {
namespace {

constexpr std::string_view kMagic = "zgedit-glyph 1 ";
constexpr char kDigits[] = "0123456789abcdef";

bool ValidCell(int ncol, int nstr, int vert) {
  return IsCellSize(ncol, nstr) && (vert == 1 || AllowsHorizontal(ncol));
}

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

std::string EncodeGlyphClip(int ncol, int nstr, int vert, std::span<const std::uint8_t> glyph) {
  vert = vert == 1 ? 1 : 0;
  const auto cb = static_cast<std::size_t>(CellBytes(ncol, nstr));
  if (!ValidCell(ncol, nstr, vert) || glyph.size() < cb) return {};
  std::string text(kMagic);
  text += std::to_string(ncol) + 'x' + std::to_string(nstr) + (vert == 1 ? " v\n" : " h\n");
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
  GlyphClip clip;
  const auto ncol = TakeNumber(text);
  if (!ncol || !TakeChar(text, 'x')) return std::nullopt;
  const auto nstr = TakeNumber(text);
  if (!nstr || !TakeChar(text, ' ')) return std::nullopt;
  if (TakeChar(text, 'v')) {
    clip.vert = 1;
  } else if (!TakeChar(text, 'h')) {
    return std::nullopt;
  }
  // Clipboards on some systems turn line ends into CR LF.
  TakeChar(text, '\r');
  if (!TakeChar(text, '\n')) return std::nullopt;
  clip.ncol = *ncol;
  clip.nstr = *nstr;
  if (!ValidCell(clip.ncol, clip.nstr, clip.vert)) return std::nullopt;

  const auto cb = static_cast<std::size_t>(CellBytes(clip.ncol, clip.nstr));
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

void PlaceGlyph(const GlyphClip& clip, std::span<std::uint8_t> target, int ncol, int nstr,
                int vert) {
  if (!CellPacks(ncol, nstr, vert, target.size())) return;
  PixelPlane plane{};
  if (CellPacks(clip.ncol, clip.nstr, clip.vert, clip.bytes.size())) {
    plane = UnpackGlyph(clip.bytes, clip.ncol, clip.nstr, clip.vert);
  }
  // Both cells start at the plane's top left, so the cut is the target's own
  // cell: PackGlyph writes only its pixels.
  PackGlyph(plane, target, ncol, nstr, vert);
}

}  // namespace zg
