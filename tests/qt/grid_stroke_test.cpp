#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include "qt_test_support.h"
#include "ui/layout.h"
#include "ui/qt/grid_widget.h"
#include "ui/width_line.h"

namespace zg {
namespace {

constexpr int Box(int row, int col) { return row * kGridSide + col; }

// An 8 x 8 cell shown on the grid.
FontModel EightByEight() {
  FontModel m;
  for (int r = 0; r < 8; ++r) {
    for (int c = 0; c < 8; ++c) m.pixelBoxVisible[Box(r, c)] = true;
  }
  return m;
}

void Send(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, at, w.mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(&w, &event);
}

std::vector<int> Ints(const QSignalSpy& spy) {
  std::vector<int> out;
  for (const auto& args : spy) out.push_back(args.at(0).toInt());
  return out;
}

TEST(GridWidget, ReportsADragAsAStroke) {
  const FontModel m = EightByEight();
  GridWidget grid(m, ComputeLayout(1920 * 15), nullptr);
  QSignalSpy started(&grid, &GridWidget::strokeStarted);
  QSignalSpy moved(&grid, &GridWidget::strokeMoved);
  QSignalSpy ended(&grid, &GridWidget::strokeEnded);
  QSignalSpy clicked(&grid, &GridWidget::boxClicked);
  auto at = [&](int box) { return grid.boxRect(box).center(); };

  Send(grid, QEvent::MouseButtonPress, at(Box(1, 1)), Qt::LeftButton, Qt::LeftButton);
  for (const int box : {Box(1, 1), Box(1, 2), Box(1, 2), Box(10, 10), Box(3, 5)}) {
    Send(grid, QEvent::MouseMove, at(box), Qt::NoButton, Qt::LeftButton);
  }
  Send(grid, QEvent::MouseMove, QPoint(-5, -5), Qt::NoButton, Qt::LeftButton);
  Send(grid, QEvent::MouseButtonRelease, at(Box(3, 5)), Qt::LeftButton, Qt::NoButton);

  ASSERT_EQ(started.count(), 1);
  EXPECT_EQ(started.at(0).at(0).toInt(), Box(1, 1));
  EXPECT_FALSE(started.at(0).at(1).toBool());
  // Only changes of box, and only shown boxes (10, 10 is outside the cell).
  EXPECT_EQ(Ints(moved), (std::vector<int>{Box(1, 2), Box(3, 5)}));
  EXPECT_EQ(ended.count(), 1);
  EXPECT_EQ(clicked.count(), 0);  // released on another box: no click

  // A click without moving is a stroke of one box, and still a click.
  Send(grid, QEvent::MouseButtonPress, at(Box(7, 7)), Qt::RightButton, Qt::RightButton);
  Send(grid, QEvent::MouseButtonRelease, at(Box(7, 7)), Qt::RightButton, Qt::NoButton);
  Send(grid, QEvent::MouseButtonPress, at(Box(0, 0)), Qt::LeftButton, Qt::LeftButton);
  Send(grid, QEvent::MouseButtonRelease, at(Box(0, 0)), Qt::LeftButton, Qt::NoButton);
  ASSERT_EQ(started.count(), 3);
  EXPECT_EQ(started.at(1).at(0).toInt(), Box(7, 7));
  EXPECT_TRUE(started.at(1).at(1).toBool());
  EXPECT_EQ(ended.count(), 3);
  EXPECT_EQ(moved.count(), 2);
  EXPECT_EQ(Ints(clicked), std::vector<int>{Box(0, 0)});

  // A press outside the cell starts nothing.
  Send(grid, QEvent::MouseButtonPress, at(Box(12, 12)), Qt::LeftButton, Qt::LeftButton);
  Send(grid, QEvent::MouseMove, at(Box(2, 2)), Qt::NoButton, Qt::LeftButton);
  Send(grid, QEvent::MouseButtonRelease, at(Box(2, 2)), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(started.count(), 3);
  EXPECT_EQ(moved.count(), 2);
  EXPECT_EQ(ended.count(), 3);
}

// A left press on the width line drags it instead of painting; the release
// reports the width the line was taken to.
TEST(GridWidget, DragsTheWidthLine) {
  FontModel m = EightByEight();
  m.proportional = true;
  m.widths.fill(8);
  m.simb = 33;
  m.widths[33] = 5;
  GridWidget grid(m, ComputeLayout(1920 * 15), nullptr);
  QSignalSpy started(&grid, &GridWidget::strokeStarted);
  QSignalSpy clicked(&grid, &GridWidget::boxClicked);
  QSignalSpy dragged(&grid, &GridWidget::widthDragged);
  const WidthLineGeometry g = grid.widthLineGeometry();
  ASSERT_EQ(g.columnEnds.size(), 8U);
  const int row3 = grid.boxRect(Box(3, 0)).center().y();
  const QColor green(0, 160, 0);
  EXPECT_EQ(testing::PaintedColor(grid, {WidthLineX(g, 5), row3}), green);

  Send(grid, QEvent::MouseButtonPress, {WidthLineX(g, 5) + 2, row3}, Qt::LeftButton,
       Qt::LeftButton);
  Send(grid, QEvent::MouseMove, grid.boxRect(Box(3, 2)).topRight(), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(grid.shownWidth(), 3);
  EXPECT_EQ(testing::PaintedColor(grid, {WidthLineX(g, 3), row3}), green);
  EXPECT_NE(testing::PaintedColor(grid, {WidthLineX(g, 5), row3}), green);
  Send(grid, QEvent::MouseButtonRelease, grid.boxRect(Box(3, 2)).topRight(), Qt::LeftButton,
       Qt::NoButton);
  EXPECT_EQ(Ints(dragged), std::vector<int>{3});
  EXPECT_EQ(started.count(), 0);
  EXPECT_EQ(clicked.count(), 0);
  EXPECT_EQ(grid.shownWidth(), 5);  // the glyph's own until the window takes the new width

  // Let go where it was taken: nothing to report. The right button paints on the line.
  Send(grid, QEvent::MouseButtonPress, {WidthLineX(g, 5), row3}, Qt::LeftButton, Qt::LeftButton);
  Send(grid, QEvent::MouseButtonRelease, {WidthLineX(g, 5), row3}, Qt::LeftButton, Qt::NoButton);
  Send(grid, QEvent::MouseButtonPress, {WidthLineX(g, 5), row3}, Qt::RightButton, Qt::RightButton);
  Send(grid, QEvent::MouseButtonRelease, {WidthLineX(g, 5), row3}, Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(dragged.count(), 1);
  EXPECT_EQ(started.count(), 1);

  // A monospaced font shows its line at the cell's edge.
  m.proportional = false;
  m.widths.fill(8);
  EXPECT_EQ(grid.shownWidth(), 8);
  EXPECT_EQ(testing::PaintedColor(grid, {WidthLineX(g, 8), row3}), green);
}

}  // namespace
}  // namespace zg
