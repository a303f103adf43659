#include "ui/qt/face_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/qt/geometry.h"

namespace zg {

FaceButton::FaceButton(const QString& caption, Color face, QWidget* parent)
    : QPushButton(caption, parent) {
  QPalette pal = palette();
  pal.setColor(QPalette::Button, ToQColor(face));
  // Dark text stays readable on every face colour the window uses.
  pal.setColor(QPalette::ButtonText, Qt::black);
  setPalette(pal);
}

void FaceButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

}  // namespace zg
