#include "ui/qt/symbol_table_widget.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "ui/qt/geometry.h"
#include "ui/qt/window_font.h"
#include "ui/symbol_text.h"

namespace zg {
namespace {

constexpr int kColumns = 16;
// A proportional font's widths: small, in the green of the grid's width line,
// in the corner the characters leave free.
constexpr double kWidthFontSize = 6;
const QColor kWidthColor(0, 120, 0);

bool IsCharacter(QChar c) { return c.isPrint() && c != QChar::ReplacementCharacter; }

}  // namespace

SymbolTableWidget::SymbolTableWidget(const FontModel& model, const ScaledLayout& layout,
                                     CodePage page, QWidget* parent)
    : BoxArrayWidget(layout.symbolBoxes, parent), model_(model) {
  // The keys of the table reach the window through it; it shows when it has them.
  setFocusPolicy(Qt::StrongFocus);
  setCodePage(page);
}

void SymbolTableWidget::setCodePage(CodePage page) {
  if (page == page_ && shown_) return;
  page_ = page;
  shown_ = true;
  for (int i = 0; i < kSymbolCount; ++i) {
    const QString text = QString::fromStdString(SymbolText(page, i));
    texts_[static_cast<std::size_t>(i)].clear();
    // Neither a control character (7Fh) nor the decoder's mark for a code
    // the code page leaves undefined has a picture to show.
    if (std::any_of(text.begin(), text.end(), IsCharacter))
      texts_[static_cast<std::size_t>(i)] = text;
  }
  // When the window's face has every character, draw from it alone: a font
  // that may merge others looks through every installed font for a glyph it
  // believes missing. Where the face lacks one, merging shows it all the same.
  QFont face = WindowFont(kNormalFontSize);
  face.setStyleStrategy(QFont::NoFontMerging);  // or the check itself would search
  const QFontMetrics metrics(face);
  const bool faceHasAll = std::all_of(texts_.begin(), texts_.end(), [&](const QString& text) {
    const QList<uint> chars = text.toUcs4();
    return std::all_of(chars.begin(), chars.end(), [&](uint c) { return metrics.inFontUcs4(c); });
  });
  strategy_ = faceHasAll ? QFont::NoFontMerging : QFont::PreferDefault;
  update();
}

void SymbolTableWidget::focusInEvent(QFocusEvent* event) {
  BoxArrayWidget::focusInEvent(event);
  update();
}

void SymbolTableWidget::focusOutEvent(QFocusEvent* event) {
  BoxArrayWidget::focusOutEvent(event);
  update();
}

QFont SymbolTableWidget::symbolFont(double points, bool bold) const {
  QFont font = WindowFont(points, bold);
  font.setStyleStrategy(strategy_);
  return font;
}

void SymbolTableWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QFont normal = symbolFont(kNormalFontSize, false);
  const QFont edited = symbolFont(kEditedFontSize, true);
  const QPen border(palette().color(QPalette::Shadow));
  const QFont widthFont = WindowFont(kWidthFontSize);
  for (int i = 0; i < kSymbolCount; ++i) {
    const QRect box = boxRect(i);
    if (!event->rect().intersects(box)) continue;
    const SymbolBox& symbol = model_.symbols[static_cast<std::size_t>(i)];
    painter.fillRect(box, ToQColor(symbol.backColor));
    painter.setPen(border);
    DrawBoxBorder(painter, box, i % kColumns == kColumns - 1, i >= kSymbolCount - kColumns);
    if (model_.proportional) {
      painter.setFont(widthFont);
      painter.setPen(kWidthColor);
      painter.drawText(box.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignBottom,
                       QString::number(model_.widths[static_cast<std::size_t>(i)]));
    }
    const QString& text = texts_[static_cast<std::size_t>(i)];
    // A code with no character shows an empty box; drawing nothing also
    // spares a search of every installed font for a glyph none of them has.
    if (text.isEmpty()) continue;
    if (symbol.fontSize == kNormalFontSize && !symbol.bold) {
      painter.setFont(normal);
    } else if (symbol.fontSize == kEditedFontSize && symbol.bold) {
      painter.setFont(edited);
    } else {
      painter.setFont(symbolFont(symbol.fontSize, symbol.bold));
    }
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
  }
  // The keyboard's place: a dotted frame inside the current symbol's box.
  if (hasFocus() && !model_.symbols[0].locked && model_.simb >= 0 && model_.simb < kSymbolCount) {
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(boxRect(model_.simb).adjusted(2, 2, -3, -3));
  }
}

}  // namespace zg
