#include "ui/qt/table_preview_widget.h"

#include <QPainter>
#include <algorithm>

namespace zg {
namespace {

constexpr int kPerRow = 16;
constexpr int kGap = 4;        // screen pixels between cells
constexpr int kLabel = 36;     // the code column on the left
constexpr int kCellSide = 40;  // about this many screen pixels a cell's larger side

}  // namespace

TablePreviewWidget::TablePreviewWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int TablePreviewWidget::box() const {
  return std::max(2, kCellSide / std::max({preview_.width, preview_.height, 1}));
}

QPoint TablePreviewWidget::cellOrigin(int glyph) const {
  const int b = box();
  return {kLabel + (glyph % kPerRow) * (preview_.width * b + kGap),
          kGap + (glyph / kPerRow) * (preview_.height * b + kGap)};
}

QRect TablePreviewWidget::pixelRect(int glyph, int x, int y) const {
  const int b = box();
  return {cellOrigin(glyph) + QPoint(x * b, y * b), QSize(b, b)};
}

QSize TablePreviewWidget::sizeHint() const {
  const int b = box();
  const int rows = std::max(1, (preview_.count + kPerRow - 1) / kPerRow);
  return {kLabel + kPerRow * (preview_.width * b + kGap),
          kGap + rows * (preview_.height * b + kGap)};
}

void TablePreviewWidget::setPreview(TablePreview preview) {
  preview_ = std::move(preview);
  const QSize size = sizeHint();
  image_ = QImage(size, QImage::Format_RGB32);
  image_.fill(palette().color(QPalette::Window));
  const int b = box();
  const QRgb white = qRgb(255, 255, 255);
  const QRgb black = qRgb(0, 0, 0);
  // Pixels straight into the image's lines: a painter's rectangle per pixel
  // takes several times longer for a full table.
  for (int i = 0; i < preview_.count; ++i) {
    const QPoint o = cellOrigin(i);
    for (int y = 0; y < preview_.height; ++y) {
      const std::uint32_t row = preview_.rows[static_cast<std::size_t>(i * preview_.height + y)];
      for (int dy = 0; dy < b; ++dy) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(o.y() + y * b + dy)) + o.x();
        for (int x = 0; x < preview_.width; ++x) {
          const QRgb c = (row >> x & 1U) != 0 ? black : white;
          for (int dx = 0; dx < b; ++dx) line[x * b + dx] = c;
        }
      }
    }
  }
  QPainter painter(&image_);
  painter.setPen(palette().color(QPalette::WindowText));
  for (int i = 0; i < preview_.count; i += kPerRow) {
    painter.drawText(QRect(0, cellOrigin(i).y(), kLabel - kGap, preview_.height * b),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(HexCode(preview_.firstCode + i)));
  }
  painter.end();
  resize(size);
  updateGeometry();
  update();
}

void TablePreviewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.drawImage(0, 0, image_);
}

}  // namespace zg
