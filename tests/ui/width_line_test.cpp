#include "ui/width_line.h"

#include <gtest/gtest.h>

namespace zg {
namespace {

// A 5-column cell of 15-pixel boxes that overlap by one, as the grid lays
// them out: column c spans [14c, 14c + 15).
WidthLineGeometry FiveColumns() { return {0, 112, {15, 29, 43, 57, 71}}; }

TEST(WidthLine, AMousePositionMeansTheNearestWidth) {
  const WidthLineGeometry g = FiveColumns();
  struct Case {
    int x;
    int width;
  };
  const Case cases[] = {
      {-40, 1}, {0, 1},  {15, 1}, {22, 1},  // halfway between 15 and 29: the narrower
      {23, 2},  {29, 2}, {50, 3}, {51, 4}, {71, 5}, {300, 5},
  };
  for (const auto& c : cases) EXPECT_EQ(WidthAtX(g, c.x), c.width) << "x " << c.x;
  EXPECT_EQ(WidthAtX(WidthLineGeometry{}, 20), 0);
}

TEST(WidthLine, APressTakesHoldOfTheLineOnlyNearItInsideTheRows) {
  const WidthLineGeometry g = FiveColumns();
  struct Case {
    int x, y;
    bool onLine;
  };
  const Case cases[] = {
      {43, 50, true},  {40, 0, true},    {46, 111, true},  // within 3 pixels, top and bottom row
      {39, 50, false}, {47, 50, false},                    // the boxes beside it paint
      {43, -1, false}, {43, 112, false},                   // above and below the cell
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OnWidthLine(g, 3, c.x, c.y), c.onLine) << c.x << "," << c.y;
  }
  // An unset or impossible width stands at the cell's edge; no cell, no line.
  for (const int width : {0, 6}) {
    EXPECT_EQ(WidthLineX(g, width), 71);
    EXPECT_TRUE(OnWidthLine(g, width, 72, 5));
  }
  EXPECT_FALSE(OnWidthLine(WidthLineGeometry{}, 1, 0, 0));
}

}  // namespace
}  // namespace zg
