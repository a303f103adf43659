#include "ui/qt/wrap_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace zg {

WrapCheckBox::WrapCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

void WrapCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);

  QStyleOptionButton indicator = option;
  indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
  // The indicator sits at the caption's vertical centre, as the text does.
  indicator.rect.moveTop((height() - indicator.rect.height()) / 2);
  painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

  QRect text = rect();
  text.setLeft(indicator.rect.right() + 1 +
               style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this));
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, option.text);

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = painter.boundingRect(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                                      option.text);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

bool WrapCheckBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace zg
