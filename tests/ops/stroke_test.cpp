#include "ops/stroke.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "model/codec.h"
#include "ops/glyph_bytes.h"
#include "ops_test_support.h"

namespace zg {
namespace {

using test::Picture;
using test::Shape;

constexpr int Box(int row, int col) { return row * kGridSide + col; }

// The line's boxes drawn on the top left rows x cols of the grid.
Picture LinePicture(const std::vector<int>& boxes, int rows, int cols) {
  Picture p(static_cast<std::size_t>(rows), std::string(static_cast<std::size_t>(cols), '.'));
  for (const int b : boxes) p[b / kGridSide][b % kGridSide] = '#';
  return p;
}

// What the stroke left: the grid and the store must show the same glyph.
Picture Painted(FontModel& m) {
  RenderGlyph(m, m.sb, m.cb, LayoutOf(m));
  const Shape s{m.ncol, m.nstr, m.vert};
  EXPECT_EQ(test::Rows(PixelPicture(s.layout(), test::GlyphBytes(m, m.simb))),
            test::GridPicture(m));
  EXPECT_TRUE(test::GridColoursAgree(m));
  return test::GridPicture(m);
}

TEST(GridLine, StepsFromBoxToNeighbouringBox) {
  EXPECT_EQ(LinePicture(GridLine(Box(0, 0), Box(2, 7)), 3, 8),
            (Picture{"##......", "..####..", "......##"}));
  EXPECT_EQ(LinePicture(GridLine(Box(2, 7), Box(0, 0)), 3, 8),
            (Picture{"##......", "..####..", "......##"}));
  EXPECT_EQ(GridLine(Box(4, 4), Box(4, 4)), std::vector<int>{Box(4, 4)});
  EXPECT_EQ(GridLine(Box(1, 3), Box(4, 3)),
            (std::vector<int>{Box(1, 3), Box(2, 3), Box(3, 3), Box(4, 3)}));
  EXPECT_TRUE(GridLine(-1, 5).empty());
  EXPECT_TRUE(GridLine(5, kGridBoxes).empty());

  // Any two boxes: both ends, one box per step of the longer side, no gaps.
  for (const auto& [from, to] : {std::pair{Box(0, 0), Box(23, 23)},
                                 {Box(23, 0), Box(0, 23)},
                                 {Box(5, 2), Box(17, 21)},
                                 {Box(20, 1), Box(3, 4)}}) {
    const auto line = GridLine(from, to);
    const int rows = std::abs(to / kGridSide - from / kGridSide);
    const int cols = std::abs(to % kGridSide - from % kGridSide);
    ASSERT_EQ(line.size(), static_cast<std::size_t>(std::max(rows, cols) + 1)) << from << "-" << to;
    EXPECT_EQ(line.front(), from);
    EXPECT_EQ(line.back(), to);
    for (std::size_t i = 1; i < line.size(); ++i) {
      EXPECT_LE(std::abs(line[i] / kGridSide - line[i - 1] / kGridSide), 1);
      EXPECT_LE(std::abs(line[i] % kGridSide - line[i - 1] % kGridSide), 1);
    }
    EXPECT_EQ(std::set<int>(line.begin(), line.end()).size(), line.size());
  }
}

TEST(Stroke, LeftButtonPaintsTheStateOfTheFirstBox) {
  FontModel m = test::NewFont({8, 8, 1});
  Stroke draw(CurrentGlyph(m), LayoutOf(m), Box(1, 1), false);
  EXPECT_TRUE(draw.paintsOn());
  draw.moveTo(CurrentGlyph(m), Box(1, 5));
  draw.moveTo(CurrentGlyph(m), Box(5, 5));
  draw.moveTo(CurrentGlyph(m), Box(1, 1));  // back over its own boxes: nothing twice
  EXPECT_TRUE(draw.changed());
  EXPECT_EQ(Painted(m), (Picture{"........", ".#####..", "..#..#..", "...#.#..", "....##..",
                                 ".....#..", "........", "........"}));

  // Starting on a lit box erases; lit boxes on the way go out, dark ones stay.
  Stroke erase(CurrentGlyph(m), LayoutOf(m), Box(1, 3), false);
  EXPECT_FALSE(erase.paintsOn());
  erase.moveTo(CurrentGlyph(m), Box(6, 3));
  EXPECT_EQ(Painted(m), (Picture{"........", ".##.##..", "..#..#..", ".....#..", "....##..",
                                 ".....#..", "........", "........"}));
}

TEST(Stroke, RightButtonClears) {
  FontModel m = test::NewFont({8, 8, 0});
  Stroke draw(CurrentGlyph(m), LayoutOf(m), Box(2, 0), false);
  draw.moveTo(CurrentGlyph(m), Box(2, 7));
  Stroke clear(CurrentGlyph(m), LayoutOf(m), Box(0, 3), true);
  EXPECT_FALSE(clear.paintsOn());
  clear.moveTo(CurrentGlyph(m), Box(7, 3));
  EXPECT_EQ(Painted(m)[2], "###.####");

  // A stroke that changes nothing leaves the glyph alone.
  FontModel fresh = test::NewFont({8, 8, 0});
  Stroke none(CurrentGlyph(fresh), LayoutOf(fresh), Box(0, 0), true);
  none.moveTo(CurrentGlyph(fresh), Box(7, 7));
  EXPECT_FALSE(none.changed());
  EXPECT_EQ(fresh, test::NewFont({8, 8, 0}));
}

TEST(Stroke, AFastDragLeavesNoGapsAndStaysInTheCell) {
  FontModel m = test::NewFont({24, 24, 1});
  Stroke diagonal(CurrentGlyph(m), LayoutOf(m), Box(0, 0), false);
  diagonal.moveTo(CurrentGlyph(m), Box(23, 23));
  const Picture p = Painted(m);
  for (int i = 0; i < 24; ++i) {
    std::string row(24, '.');
    row[static_cast<std::size_t>(i)] = '#';
    EXPECT_EQ(p[static_cast<std::size_t>(i)], row);
  }

  // An 8 x 8 cell: the part of the line outside the cell is skipped, and a
  // stroke starting outside paints nothing.
  FontModel small = test::NewFont({8, 8, 1});
  Stroke across(CurrentGlyph(small), LayoutOf(small), Box(3, 0), false);
  across.moveTo(CurrentGlyph(small), Box(3, 23));
  across.moveTo(CurrentGlyph(small), Box(7, 7));
  EXPECT_EQ(Painted(small)[3], "########");
  EXPECT_EQ(Painted(small)[7], ".......#");
  EXPECT_EQ(test::GlyphBytes(small, 1), std::vector<std::uint8_t>(8, 0));
  Stroke outside(CurrentGlyph(small), LayoutOf(small), Box(10, 10), false);
  outside.moveTo(CurrentGlyph(small), Box(0, 0));
  EXPECT_FALSE(outside.active());
  EXPECT_FALSE(outside.changed());
}

}  // namespace
}  // namespace zg
