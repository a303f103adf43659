#include "ui/qt/grid_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/qt/geometry.h"

namespace zg {

GridWidget::GridWidget(const FontModel& model, const ScaledLayout& layout, QWidget* parent)
    : BoxArrayWidget(layout.pixelBoxes, parent), model_(model) {}

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

}  // namespace zg
