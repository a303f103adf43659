#pragma once
// One widget that stands for a whole control array of boxes: it paints every
// box itself and turns a click into the index of the box under the mouse.

#include <QRect>
#include <QWidget>
#include <span>
#include <vector>

#include "ui/layout.h"

class QPainter;

namespace zg {

// Draws the border of one box of a grid of boxes: its left and top lines, and
// its right and bottom lines only where no neighbour follows. A neighbour's
// left line then stands for this box's right one, so borders stay single
// lines whether rounding made neighbours overlap by a pixel or just touch.
void DrawBoxBorder(QPainter& painter, const QRect& box, bool lastInRow, bool lastInColumn);

class BoxArrayWidget : public QWidget {
  Q_OBJECT
 public:
  // `twipBoxes` are in the parent's coordinates; the widget covers exactly
  // their bounding rectangle.
  BoxArrayWidget(std::span<const Rect> twipBoxes, QWidget* parent);

  int boxCount() const { return static_cast<int>(boxes_.size()); }
  // Box i in the widget's own pixel coordinates.
  QRect boxRect(int i) const { return boxes_[static_cast<std::size_t>(i)]; }
  // The box a click at `p` (widget coordinates) reaches, or -1.
  int boxAt(QPoint p) const;

 signals:
  void boxClicked(int index);

 protected:
  // Boxes that take clicks; empty means every box.
  virtual std::span<const bool> clickable() const { return {}; }

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::vector<QRect> boxes_;
  int pressed_ = -1;
};

}  // namespace zg
