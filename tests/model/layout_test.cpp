#include "model/layout.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <vector>

#include "cells.h"
#include "model/codec.h"

namespace zg {
namespace {

// The classic layouts put every pixel where the editor's grid codec does.
TEST(Layout, ClassicLayoutsMatchTheGridCodec) {
  for (const auto& size : kCellSizes) {
    for (const Scan scan : {Scan::Vertical, Scan::Horizontal}) {
      if (scan == Scan::Horizontal && !test::WholeByteRows(size.ncol)) continue;
      const Layout layout = Layout::Classic(size.ncol, size.nstr, scan);
      EXPECT_EQ(layout.BytesPerGlyph(), test::CellBytes(size)) << size.name;
      for (int y = 0; y < size.nstr; ++y) {
        for (int x = 0; x < size.ncol; ++x) {
          const PixelBit p =
              LocatePixel(y * kGridSide + x, test::Cell(size.ncol, kGridSide, layout.Vert()));
          EXPECT_EQ(layout.Locate(x, y), (BitPlace{p.n, p.b})) << size.name << " " << x << "," << y;
        }
      }
    }
  }
}

TEST(Layout, BitAndBandOrdersAndPadding) {
  // 6 x 12 vertical: two bands of 6 columns; rows 8..11 in the low bits of band 1.
  const Layout bands = Layout::Classic(6, 12, Scan::Vertical);
  Layout columns = bands;
  columns.bandOrder = BandOrder::Columns;
  Layout reversed = bands;
  reversed.bitOrder = BitOrder::Reversed;
  EXPECT_EQ(bands.BytesPerGlyph(), 12);
  EXPECT_EQ(bands.Locate(2, 9), (BitPlace{8, 1}));
  EXPECT_EQ(columns.Locate(2, 9), (BitPlace{5, 1}));
  EXPECT_EQ(reversed.Locate(2, 9), (BitPlace{8, 6}));
  // 5 x 7 horizontal: one padded byte a row, leftmost pixel in bit 7 or bit 0.
  Layout rows = Layout::Classic(5, 7, Scan::Horizontal);
  EXPECT_EQ(rows.BytesPerGlyph(), 7);
  EXPECT_EQ(rows.Locate(0, 3), (BitPlace{3, 7}));
  rows.bitOrder = BitOrder::Reversed;
  EXPECT_EQ(rows.Locate(0, 3), (BitPlace{3, 0}));

  // An 'L' moved between layouts keeps its picture.
  std::vector<std::uint8_t> a(static_cast<std::size_t>(columns.BytesPerGlyph()));
  for (int y = 0; y < 12; ++y) SetPixel(columns, a, 1, y, true);
  for (int x = 1; x < 6; ++x) SetPixel(columns, a, x, 11, true);
  std::vector<std::uint8_t> b(static_cast<std::size_t>(reversed.BytesPerGlyph()));
  Repack(columns, a, reversed, b);
  EXPECT_EQ(PixelPicture(reversed, b), PixelPicture(columns, a));
  EXPECT_EQ(PixelPicture(reversed, b).substr(0, 14), ".#....\n.#....\n");
}

// Any layout up to 24 x 24: a picture written pixel by pixel reads back as
// itself, sets no bit but its own pixels' (padding stays zero), and comes
// back byte for byte from any other layout of the same cell.
TEST(Layout, RandomLayoutsKeepEveryPictureWithZeroPadding) {
  std::mt19937 rng(2026);
  std::uniform_int_distribution<int> side(1, 24);
  std::bernoulli_distribution coin(0.5);
  const auto random = [&](int w, int h) {
    return Layout{w, h, coin(rng) ? Scan::Vertical : Scan::Horizontal,
                  coin(rng) ? BitOrder::Classic : BitOrder::Reversed,
                  coin(rng) ? BandOrder::Bands : BandOrder::Columns};
  };
  for (int trial = 0; trial < 300; ++trial) {
    const Layout l = random(side(rng), side(rng));
    const Layout other = random(l.width, l.height);
    std::string picture;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(l.BytesPerGlyph()), 0);
    int lit = 0;
    for (int y = 0; y < l.height; ++y) {
      for (int x = 0; x < l.width; ++x) {
        const bool on = coin(rng);
        picture += on ? '#' : '.';
        lit += on ? 1 : 0;
        SetPixel(l, bytes, x, y, on);
      }
      picture += '\n';
    }
    SCOPED_TRACE(PixelPicture(l, bytes));
    EXPECT_EQ(PixelPicture(l, bytes), picture);
    int bits = 0;
    for (const std::uint8_t b : bytes) bits += std::popcount(b);
    EXPECT_EQ(bits, lit);
    std::vector<std::uint8_t> there(static_cast<std::size_t>(other.BytesPerGlyph()));
    std::vector<std::uint8_t> back(bytes.size());
    Repack(l, bytes, other, there);
    Repack(other, there, l, back);
    EXPECT_EQ(back, bytes);
  }
}

}  // namespace
}  // namespace zg
