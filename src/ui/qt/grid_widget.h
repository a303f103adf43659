#pragma once
// The 576 pixel boxes (Picture1) of the edit grid, painted from the model:
// only the boxes the model shows, each in its colour.

#include "model/font_model.h"
#include "ui/qt/box_array_widget.h"

namespace zg {

class GridWidget : public BoxArrayWidget {
  Q_OBJECT
 public:
  GridWidget(const FontModel& model, const ScaledLayout& layout, QWidget* parent);

 protected:
  std::span<const bool> clickable() const override { return model_.pixelBoxVisible; }
  void paintEvent(QPaintEvent* event) override;

 private:
  const FontModel& model_;
};

}  // namespace zg
