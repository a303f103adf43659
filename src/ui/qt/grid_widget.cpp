#include "ui/qt/grid_widget.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/qt/geometry.h"

namespace zg {

GridWidget::GridWidget(const FontModel& model, const ScaledLayout& layout, QWidget* parent)
    : BoxArrayWidget(layout.pixelBoxes, parent), model_(model) {}

GridWidget::~GridWidget() {
  if (strokeButton_ != Qt::NoButton) endStroke();
}

void GridWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Shadow));
  for (int k = 0; k < kGridBoxes; ++k) {
    const auto index = static_cast<std::size_t>(k);
    if (!model_.pixelBoxVisible[index]) continue;
    const QRect box = boxRect(k);
    if (!event->rect().intersects(box)) continue;
    painter.fillRect(box, ToQColor(model_.pixelBoxColor[index]));
    const bool lastInRow = k % kGridSide == kGridSide - 1 || !model_.pixelBoxVisible[index + 1];
    const bool lastInColumn =
        k >= kGridBoxes - kGridSide || !model_.pixelBoxVisible[index + kGridSide];
    DrawBoxBorder(painter, box, lastInRow, lastInColumn);
  }
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
  BoxArrayWidget::mousePressEvent(event);
  const Qt::MouseButton button = event->button();
  if (strokeButton_ != Qt::NoButton || (button != Qt::LeftButton && button != Qt::RightButton)) {
    return;
  }
  const int box = boxAt(event->position().toPoint());
  if (box < 0) return;
  strokeButton_ = button;
  strokeBox_ = box;
  // The platform drops all but the last of a burst of moves when the program
  // falls behind (a fast drag on a busy machine), and the stroke would lose
  // the boxes between. The setting is the application's, read as each event
  // arrives: off for the stroke only, so window moves and plain hovering
  // stay compressed.
  compressedBefore_ = QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents);
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
  emit strokeStarted(box, button == Qt::RightButton);
}

void GridWidget::mouseMoveEvent(QMouseEvent* event) {
  if (strokeButton_ == Qt::NoButton) return;
  // Outside the shown boxes the stroke waits; it goes on from its last box
  // when the pointer comes back.
  const int box = boxAt(event->position().toPoint());
  if (box < 0 || box == strokeBox_) return;
  strokeBox_ = box;
  emit strokeMoved(box);
}

void GridWidget::mouseReleaseEvent(QMouseEvent* event) {
  BoxArrayWidget::mouseReleaseEvent(event);
  if (strokeButton_ == Qt::NoButton || event->button() != strokeButton_) return;
  endStroke();
  emit strokeEnded();
}

void GridWidget::endStroke() {
  strokeButton_ = Qt::NoButton;
  strokeBox_ = -1;
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, compressedBefore_);
}

}  // namespace zg
