#include "ops/widths.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ops/transform.h"
#include "ops_test_support.h"

namespace zg {
namespace {

using test::PackPicture;
using test::Picture;
using test::Shape;

const Shape k6x8{6, 8, 1};
const Shape k8x8h{8, 8, 0};

TEST(Widths, ProportionalWidthsFollowTheInk) {
  struct Row {
    const char* what;
    Shape shape;
    int symbol;
    Picture glyph;
    int spacing;
    int expected;
  };
  const Picture narrowI{".#....", ".#....", ".#....", ".#....",
                        ".#....", ".#....", ".#....", "......"};
  const Picture wideM{"#...#.", "##.##.", "#.#.#.", "#...#.",
                      "#...#.", "#...#.", "#...#.", "......"};
  const Picture fullRow{"########", "........", "........", "........",
                        "........", "........", "........", "........"};
  const Picture dot{"........", "........", "........", "........",
                    "........", "........", "...#....", "........"};
  const std::vector<Row> rows{
      {"i: column 1 + 1 + spacing 1", k6x8, 'i' - 0x20, narrowI, 1, 3},
      {"i with spacing 3", k6x8, 'i' - 0x20, narrowI, 3, 5},
      {"M: kept to the cell", k6x8, 'M' - 0x20, wideM, 2, 6},
      {"spacing above 3 counts as 3", k6x8, 'i' - 0x20, narrowI, 9, 5},
      {"spacing below 1 counts as 1", k6x8, 'i' - 0x20, narrowI, 0, 3},
      {"horizontal scan, full row", k8x8h, '-' - 0x20, fullRow, 1, 8},
      {"horizontal scan, dot", k8x8h, '.' - 0x20, dot, 2, 6},
      {"the space takes the space width however drawn", k6x8, 0, wideM, 1, 4},
  };
  for (const Row& r : rows) {
    const int cb = test::BytesOf(r.shape);
    std::vector<std::uint8_t> glyphs(static_cast<std::size_t>(kSymbolCount * cb), 0);
    const auto bytes = PackPicture(r.glyph, r.shape);
    std::copy(bytes.begin(), bytes.end(), glyphs.begin() + r.symbol * cb);
    const auto widths = ProportionalWidths(glyphs, r.shape.layout(), r.spacing, 4);
    ASSERT_EQ(widths.size(), static_cast<std::size_t>(kSymbolCount));
    EXPECT_EQ(widths[static_cast<std::size_t>(r.symbol)], r.expected) << r.what;
    // Every glyph without ink is set as a space.
    const int empty = r.symbol == 1 ? 2 : 1;
    EXPECT_EQ(widths[static_cast<std::size_t>(empty)], 4) << r.what;
  }
  EXPECT_EQ(ProportionalWidths({}, k6x8.layout(), 1, 9), std::vector<std::uint8_t>(224, 6))
      << "no glyph bytes: every glyph empty, the space width kept to the cell";
}

TEST(Widths, OperationsThatMoveInkMoveTheWidth) {
  // Ink in columns 1..4.
  const Picture bee{".#......", ".#......", ".###....", ".#..#...",
                    ".#..#...", ".###....", "........", "........"};
  const Shape s{8, 8, 1};
  const auto widthAfter = [&](int width, const std::function<void(std::span<std::uint8_t>)>& op) {
    const auto before = PackPicture(bee, s);
    auto after = before;
    op(after);
    return WidthFollowingInk(width, before, after, s.layout());
  };
  const auto flip = [&](std::span<std::uint8_t> g) { FlipHorizontal(g, s.layout()); };
  const auto turn = [&](std::span<std::uint8_t> g) { RotateClockwise(g, s.layout()); };
  const auto erase = [](std::span<std::uint8_t> g) { std::fill(g.begin(), g.end(), 0); };
  struct Row {
    const char* what;
    int got;
    int expected;
  };
  const std::vector<Row> rows{
      {"shift left narrows", WidthAfterShift(5, ShiftDirection::Left, 8), 4},
      {"shift right widens", WidthAfterShift(5, ShiftDirection::Right, 8), 6},
      {"shift up keeps", WidthAfterShift(5, ShiftDirection::Up, 8), 5},
      {"shift down keeps", WidthAfterShift(5, ShiftDirection::Down, 8), 5},
      {"never below 1", WidthAfterShift(1, ShiftDirection::Left, 8), 1},
      {"never past the cell", WidthAfterShift(8, ShiftDirection::Right, 8), 8},
      // Flipped, the ink's right edge goes from column 5 to 7.
      {"flip: the gap after the ink stays", widthAfter(6, flip), 8},
      {"flip: no gap stays no gap", widthAfter(5, flip), 7},
      {"flip: a wider gap is cut by the cell", widthAfter(8, flip), 8},
      // Turned right, the six rows become columns 2..7.
      {"turn: the gap after the ink stays", widthAfter(5, turn), 8},
      {"turn: ink past the width stays past it", widthAfter(4, turn), 7},
      {"no ink left: the width stays", widthAfter(5, erase), 5},
      {"paste: the clip's width", WidthAfterPaste(3, 16, 8), 3},
      {"paste: a monospaced clip is as wide as its cell", WidthAfterPaste({}, 6, 8), 6},
      {"paste: kept to the cell", WidthAfterPaste({}, 16, 8), 8},
  };
  for (const Row& r : rows) EXPECT_EQ(r.got, r.expected) << r.what;

  // Flipping twice gives the width back.
  auto glyph = PackPicture(bee, s);
  const auto original = glyph;
  FlipHorizontal(glyph, s.layout());
  const auto flipped = glyph;
  const int once = WidthFollowingInk(6, original, flipped, s.layout());
  FlipHorizontal(glyph, s.layout());
  EXPECT_EQ(once, 8);
  EXPECT_EQ(WidthFollowingInk(once, flipped, glyph, s.layout()), 6);

  std::vector<std::uint8_t> font{1, 5, 8};
  ShiftWidths(font, ShiftDirection::Right, 8);
  EXPECT_EQ(font, (std::vector<std::uint8_t>{2, 6, 8}));
  ShiftWidths(font, ShiftDirection::Left, 8);
  EXPECT_EQ(font, (std::vector<std::uint8_t>{1, 5, 7}));
}

}  // namespace
}  // namespace zg
