#include "ui/qt/glyph_preview_widget.h"

#include <QPainter>
#include <algorithm>

#include "model/codec.h"

namespace zg {
namespace {

constexpr int kPerRow = 6;                // cells a row
constexpr int kGap = 8;                   // pixels between cells
constexpr int kLabel = 16;                // height of the character under a cell
constexpr int kCellSide = 96;             // a cell's larger side, in screen pixels
const QColor kWidthLineColor(0, 160, 0);  // as the edit grid's
constexpr int kWidthLinePen = 2;

QColor ToQColor(Color c) {
  return QColor(static_cast<int>(c & 0xFFU), static_cast<int>(c >> 8 & 0xFFU),
                static_cast<int>(c >> 16 & 0xFFU));
}

}  // namespace

GlyphPreviewWidget::GlyphPreviewWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GlyphPreviewWidget::setCell(const Layout& layout) {
  layout_ = layout;
  layout_.width = std::clamp(layout.width, 1, kGridSide);
  layout_.height = std::clamp(layout.height, 1, kGridSide);
  ncol_ = layout_.width;
  nstr_ = layout_.height;
  updateGeometry();
  update();
}

void GlyphPreviewWidget::setGlyphs(std::vector<PreviewGlyph> glyphs) {
  glyphs_ = std::move(glyphs);
  updateGeometry();
  update();
}

int GlyphPreviewWidget::box() const { return std::max(3, kCellSide / std::max(ncol_, nstr_)); }

QPoint GlyphPreviewWidget::cellOrigin(int index) const {
  const int b = box();
  return {kGap + (index % kPerRow) * (ncol_ * b + kGap),
          kGap + (index / kPerRow) * (nstr_ * b + kGap + kLabel)};
}

QSize GlyphPreviewWidget::sizeHint() const {
  const int b = box();
  const int rows = std::max(1, (static_cast<int>(glyphs_.size()) + kPerRow - 1) / kPerRow);
  return {kGap + kPerRow * (ncol_ * b + kGap), kGap + rows * (nstr_ * b + kGap + kLabel)};
}

bool GlyphPreviewWidget::pixelOn(int index, int row, int col) const {
  if (index < 0 || index >= static_cast<int>(glyphs_.size())) return false;
  if (row < 0 || row >= nstr_ || col < 0 || col >= ncol_) return false;
  return GetPixel(layout_, glyphs_[static_cast<std::size_t>(index)].bytes, col, row);
}

QRect GlyphPreviewWidget::pixelRect(int index, int row, int col) const {
  const int b = box();
  return {cellOrigin(index) + QPoint(col * b, row * b), QSize(b, b)};
}

QRect GlyphPreviewWidget::widthLineRect(int index) const {
  if (index < 0 || index >= static_cast<int>(glyphs_.size())) return {};
  const int width = glyphs_[static_cast<std::size_t>(index)].width;
  if (width <= 0) return {};
  const int x = cellOrigin(index).x() + std::min(width, ncol_) * box();
  return {x - kWidthLinePen / 2, cellOrigin(index).y(), kWidthLinePen, nstr_ * box()};
}

void GlyphPreviewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const int b = box();
  const int count = static_cast<int>(glyphs_.size());
  for (int i = 0; i < count; ++i) {
    for (int row = 0; row < nstr_; ++row) {
      for (int col = 0; col < ncol_; ++col) {
        const Color back = IsMarginBox(row, col, layout_) ? kYellow : kWhite;
        painter.fillRect(pixelRect(i, row, col),
                         ToQColor(pixelOn(i, row, col) ? OnColor(back) : back));
      }
    }
    const QPoint o = cellOrigin(i);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRect(o, QSize(ncol_ * b, nstr_ * b)).adjusted(-1, -1, 0, 0));
    painter.fillRect(widthLineRect(i), kWidthLineColor);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(o.x(), o.y() + nstr_ * b, ncol_ * b, kLabel), Qt::AlignCenter,
                     glyphs_[static_cast<std::size_t>(i)].character);
  }
}

}  // namespace zg
