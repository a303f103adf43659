#pragma once
// A push button with a coloured face whose caption wraps onto several lines,
// as the designed buttons are narrower than their captions.

#include <QPushButton>

#include "model/font_model.h"

namespace zg {

class FaceButton : public QPushButton {
  Q_OBJECT
 public:
  FaceButton(const QString& caption, Color face, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zg
