#include "ui/qt/symbol_table_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/form1.h"
#include "ui/qt/geometry.h"
#include "ui/qt/window_font.h"

namespace zg {
namespace {

constexpr int kColumns = 16;

}  // namespace

SymbolTableWidget::SymbolTableWidget(const FontModel& model, const ScaledLayout& layout,
                                     QWidget* parent)
    : BoxArrayWidget(layout.symbolBoxes, parent), model_(model) {
  for (int i = 0; i < kSymbolCount; ++i)
    texts_[static_cast<std::size_t>(i)] = QString::fromStdString(Form1::SymbolText(i));
}

void SymbolTableWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QFont normal = WindowFont(kNormalFontSize);
  const QFont edited = WindowFont(kEditedFontSize, true);
  const QPen border(palette().color(QPalette::Shadow));
  for (int i = 0; i < kSymbolCount; ++i) {
    const QRect box = boxRect(i);
    if (!event->rect().intersects(box)) continue;
    const SymbolBox& symbol = model_.symbols[static_cast<std::size_t>(i)];
    painter.fillRect(box, ToQColor(symbol.backColor));
    painter.setPen(border);
    DrawBoxBorder(painter, box, i % kColumns == kColumns - 1, i >= kSymbolCount - kColumns);
    if (symbol.fontSize == kNormalFontSize && !symbol.bold) {
      painter.setFont(normal);
    } else if (symbol.fontSize == kEditedFontSize && symbol.bold) {
      painter.setFont(edited);
    } else {
      painter.setFont(WindowFont(symbol.fontSize, symbol.bold));
    }
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, texts_[static_cast<std::size_t>(i)]);
  }
}

}  // namespace zg
