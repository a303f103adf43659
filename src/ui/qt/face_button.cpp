#include "ui/qt/face_button.h"

#include <QPainter>
#include <QStyleOptionButton>

#include "ui/qt/geometry.h"

namespace zg {
namespace {

constexpr int kBorder = 2;  // a dark outline and a one-pixel bevel inside it

}  // namespace

FaceButton::FaceButton(const QString& caption, Color face, QWidget* parent)
    : QPushButton(caption, parent) {
  QPalette pal = palette();
  face_ = face == 0 ? pal.color(QPalette::Button) : ToQColor(face);
  pal.setColor(QPalette::Button, face_);
  // Dark text stays readable on every face colour the window uses.
  pal.setColor(QPalette::ButtonText, Qt::black);
  setPalette(pal);
}

QRect FaceButton::faceRect() const { return rect().adjusted(kBorder, kBorder, -kBorder, -kBorder); }

void FaceButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool down = isDown() || isChecked();
  const QRect outline = rect().adjusted(0, 0, -1, -1);
  const QRect bevel = outline.adjusted(1, 1, -1, -1);

  // Pressed, the face darkens and the bevel turns sunken.
  painter.fillRect(faceRect(), down ? face_.darker(120) : face_);
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(outline);
  const QColor light = face_.lighter(140);
  const QColor dark = face_.darker(160);
  painter.setPen(down ? dark : light);
  painter.drawLine(bevel.topLeft(), bevel.topRight());
  painter.drawLine(bevel.topLeft(), bevel.bottomLeft());
  painter.setPen(down ? light : dark);
  painter.drawLine(bevel.bottomLeft(), bevel.bottomRight());
  painter.drawLine(bevel.topRight(), bevel.bottomRight());

  QStyleOptionButton option;
  initStyleOption(&option);
  if (hasFocus()) {
    // A dotted frame inside the face, as classic buttons mark the focus.
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(faceRect().adjusted(1, 1, -2, -2));
  }

  QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  if (down) area.translate(1, 1);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
}

}  // namespace zg
