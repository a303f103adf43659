#pragma once
// How one glyph is packed into bytes: the cell, the scan, the bit order and,
// for columns taller than eight pixels, the band order. The one place that
// knows how many bytes a glyph takes and where each pixel's bit lives; every
// layer passes a Layout instead of loose width, height and scan numbers.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zg {

enum class Scan : std::uint8_t {
  Vertical,    // one byte per column of each band of eight rows
  Horizontal,  // each row in whole bytes
};

enum class BitOrder : std::uint8_t {
  // Vertical: bit 0 the top row of its band. Horizontal: bit 7 the leftmost
  // pixel of its byte. The order of the editor's own files.
  Classic,
  // Vertical: bit 7 the top row. Horizontal: bit 0 the leftmost pixel.
  Reversed,
};

enum class BandOrder : std::uint8_t {
  Bands,    // all columns of the top band, then all of the next band
  Columns,  // the column's bytes top to bottom, then the next column
};

// The scan of the editor's window variable `vert`: 1 vertical, any other
// value horizontal.
constexpr Scan ScanOf(int vert) { return vert == 1 ? Scan::Vertical : Scan::Horizontal; }

// The largest cell: the edit grid's side.
inline constexpr int kMaxCellWidth = 24;
inline constexpr int kMaxCellHeight = 24;

struct BitPlace {
  int byte = 0;  // offset within the glyph
  int bit = 0;   // 0 = least significant
  friend bool operator==(const BitPlace&, const BitPlace&) = default;
};

struct Layout {
  int width = 0;  // 0 x 0: no cell
  int height = 0;
  Scan scan = Scan::Vertical;
  BitOrder bitOrder = BitOrder::Classic;
  BandOrder bandOrder = BandOrder::Bands;

  // The layout of the editor's own files: classic bit order, band after band.
  static constexpr Layout Classic(int width, int height, Scan scan) {
    return {width, height, scan, BitOrder::Classic, BandOrder::Bands};
  }

  constexpr bool Vertical() const { return scan == Scan::Vertical; }
  // 1 for vertical, 0 for horizontal: the editor's window variable `vert`.
  constexpr int Vert() const { return Vertical() ? 1 : 0; }
  // A cell the editor can hold: 1 to 24 pixels a side.
  constexpr bool Valid() const {
    return width >= 1 && width <= kMaxCellWidth && height >= 1 && height <= kMaxCellHeight;
  }
  // A cell the editor can hold whose glyph fits into `available` bytes.
  constexpr bool FitsIn(std::size_t available) const {
    return Valid() && static_cast<std::size_t>(BytesPerGlyph()) <= available;
  }
  // The same cell in the other scan, the other orders kept.
  constexpr Layout WithScan(Scan other) const {
    Layout l = *this;
    l.scan = other;
    return l;
  }
  constexpr int Bands() const { return height > 0 ? (height + 7) / 8 : 0; }
  constexpr int RowBytes() const { return width > 0 ? (width + 7) / 8 : 0; }

  // Bytes per glyph: columns padded to whole bands, rows to whole bytes;
  // 0 for no cell.
  constexpr int BytesPerGlyph() const {
    if (width <= 0 || height <= 0) return 0;
    return Vertical() ? width * Bands() : RowBytes() * height;
  }

  // Where pixel (x, y) lives, x from the left, y from the top. Only for
  // pixels inside the cell.
  constexpr BitPlace Locate(int x, int y) const {
    if (Vertical()) {
      const int band = y / 8;
      const int byte = bandOrder == BandOrder::Bands ? width * band + x : Bands() * x + band;
      const int bit = y % 8;
      return {byte, bitOrder == BitOrder::Classic ? bit : 7 - bit};
    }
    const int bit = x % 8;
    return {RowBytes() * y + x / 8, bitOrder == BitOrder::Classic ? 7 - bit : bit};
  }

  friend bool operator==(const Layout&, const Layout&) = default;
};

// Pixel (x, y) of a glyph in `layout`; off outside the cell and for bytes the
// span does not hold.
bool GetPixel(const Layout& layout, std::span<const std::uint8_t> glyph, int x, int y);

// Sets or clears pixel (x, y); nothing outside the cell or the span.
void SetPixel(const Layout& layout, std::span<std::uint8_t> glyph, int x, int y, bool on);

// The glyph's pixels moved from one layout into another (the cell's top left
// corner kept; pixels outside the smaller cell dropped). `to` is cleared first.
void Repack(const Layout& from, std::span<const std::uint8_t> glyph, const Layout& to,
            std::span<std::uint8_t> out);

// The glyph as rows of '#' (on) and '.' (off), one '\n' after each row: for
// test failures and debugging.
std::string PixelPicture(const Layout& layout, std::span<const std::uint8_t> glyph);

}  // namespace zg
