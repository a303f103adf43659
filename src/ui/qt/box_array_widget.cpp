#include "ui/qt/box_array_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/geometry.h"

namespace zg {

void DrawBoxBorder(QPainter& painter, const QRect& box, bool lastInRow, bool lastInColumn) {
  painter.drawLine(box.topLeft(), box.topRight());
  painter.drawLine(box.topLeft(), box.bottomLeft());
  if (lastInRow) painter.drawLine(box.topRight(), box.bottomRight());
  if (lastInColumn) painter.drawLine(box.bottomLeft(), box.bottomRight());
}

BoxArrayWidget::BoxArrayWidget(std::span<const Rect> twipBoxes, QWidget* parent) : QWidget(parent) {
  QRect bounds;
  boxes_.reserve(twipBoxes.size());
  for (const Rect& r : twipBoxes) {
    boxes_.push_back(TwipsToPixels(r));
    bounds = bounds.united(boxes_.back());
  }
  for (QRect& box : boxes_) box.translate(-bounds.topLeft());
  setGeometry(bounds);
  // The boxes never show a text cursor, whatever lies under them.
  setCursor(Qt::ArrowCursor);
}

int BoxArrayWidget::boxAt(QPoint p) const { return BoxAt(boxes_, p, clickable()); }

// A click is a press and a release of the left button on the same box, as a
// button's click is.
void BoxArrayWidget::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton ? boxAt(event->position().toPoint()) : -1;
}

void BoxArrayWidget::mouseReleaseEvent(QMouseEvent* event) {
  const int pressed = pressed_;
  pressed_ = -1;
  if (event->button() != Qt::LeftButton || pressed < 0) return;
  if (boxAt(event->position().toPoint()) == pressed) emit boxClicked(pressed);
}

}  // namespace zg
