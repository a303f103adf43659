#pragma once
// A push button with a coloured face whose caption wraps onto several lines,
// as the designed buttons are narrower than their captions. The face is
// filled with exactly the designed colour; the style's gradient would pale it.

#include <QColor>
#include <QPushButton>

#include "model/font_model.h"

namespace zg {

class FaceButton : public QPushButton {
  Q_OBJECT
 public:
  FaceButton(const QString& caption, Color face, QWidget* parent = nullptr);

  // The rectangle inside the border, filled with the face colour.
  QRect faceRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor face_;
};

}  // namespace zg
