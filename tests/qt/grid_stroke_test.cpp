#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include "qt_test_support.h"
#include "ui/layout.h"
#include "ui/qt/grid_widget.h"

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

}  // namespace
}  // namespace zg
