#include "ui/qt/grid_widget.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/qt/geometry.h"

namespace zg {
namespace {

// Green: apart from the grid's lines, its white and yellow boxes and its blue
// and red pixels.
const QColor kWidthLineColor(0, 160, 0);
constexpr int kWidthLinePen = 2;

int GlyphWidth(const FontModel& m) {
  return m.simb >= 0 && m.simb < kSymbolCount ? m.widths[static_cast<std::size_t>(m.simb)] : 0;
}

}  // namespace

GridWidget::GridWidget(const FontModel& model, const ScaledLayout& layout, QWidget* parent)
    : BoxArrayWidget(layout.pixelBoxes, parent), model_(model) {
  // The pointer turns into a splitter over the width line.
  setMouseTracking(true);
}

GridWidget::~GridWidget() {
  if (strokeButton_ != Qt::NoButton) endStroke();
}

WidthLineGeometry GridWidget::widthLineGeometry() const {
  WidthLineGeometry g;
  // The cell is the shown boxes from the grid's top left corner.
  int rows = 0;
  while (rows < kGridSide && model_.pixelBoxVisible[static_cast<std::size_t>(rows * kGridSide)]) {
    ++rows;
  }
  if (rows == 0) return g;
  for (int c = 0; c < kGridSide && model_.pixelBoxVisible[static_cast<std::size_t>(c)]; ++c) {
    const QRect box = boxRect(c);
    g.columnEnds.push_back(box.x() + box.width());
  }
  g.top = boxRect(0).top();
  g.bottom = boxRect((rows - 1) * kGridSide).bottom() + 1;
  return g;
}

int GridWidget::shownWidth() const {
  return dragWidth_ != 0 ? dragWidth_ : ShownWidth(widthLineGeometry(), GlyphWidth(model_));
}

void GridWidget::setDragWidth(int width) {
  if (width == dragWidth_) return;
  dragWidth_ = width;
  update();
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
  const WidthLineGeometry g = widthLineGeometry();
  if (g.columnEnds.empty()) return;
  // Over the border after the glyph's last column and the pixel beside it.
  const int x = WidthLineX(g, shownWidth());
  QRect line(x - kWidthLinePen / 2, g.top, kWidthLinePen, g.bottom - g.top);
  // A 24-column glyph's line stands on the grid's last pixels.
  if (line.right() >= width()) line.moveRight(width() - 1);
  painter.fillRect(line, kWidthLineColor);
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
  if (dragWidth_ != 0) return;
  const Qt::MouseButton button = event->button();
  const QPoint p = event->position().toPoint();
  if (button == Qt::LeftButton && strokeButton_ == Qt::NoButton) {
    const WidthLineGeometry g = widthLineGeometry();
    if (OnWidthLine(g, GlyphWidth(model_), p.x(), p.y())) {
      setDragWidth(ShownWidth(g, GlyphWidth(model_)));
      return;
    }
  }
  BoxArrayWidget::mousePressEvent(event);
  if (strokeButton_ != Qt::NoButton || (button != Qt::LeftButton && button != Qt::RightButton)) {
    return;
  }
  const int box = boxAt(p);
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
  const QPoint p = event->position().toPoint();
  if (dragWidth_ != 0) {
    setDragWidth(WidthAtX(widthLineGeometry(), p.x()));
    return;
  }
  if (strokeButton_ == Qt::NoButton) {
    const bool onLine = OnWidthLine(widthLineGeometry(), GlyphWidth(model_), p.x(), p.y());
    const Qt::CursorShape shape = onLine ? Qt::SplitHCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape) setCursor(shape);
    return;
  }
  // Outside the shown boxes the stroke waits; it goes on from its last box
  // when the pointer comes back.
  const int box = boxAt(p);
  if (box < 0 || box == strokeBox_) return;
  strokeBox_ = box;
  emit strokeMoved(box);
}

void GridWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (dragWidth_ != 0) {
    if (event->button() != Qt::LeftButton) return;
    const int width = dragWidth_;
    const int before = ShownWidth(widthLineGeometry(), GlyphWidth(model_));
    dragWidth_ = 0;
    update();
    if (width != before) emit widthDragged(width);
    return;
  }
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
