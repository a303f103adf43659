#pragma once
// A check box whose caption wraps within its designed width instead of being
// cut off; a click anywhere on it toggles it.

#include <QCheckBox>

namespace zg {

class WrapCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit WrapCheckBox(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
};

}  // namespace zg
