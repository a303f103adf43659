#pragma once
// The 224 symbol boxes (Text1), painted from the model's symbol table.

#include <QFont>
#include <QString>
#include <array>

#include "model/font_model.h"
#include "ui/qt/box_array_widget.h"

namespace zg {

class SymbolTableWidget : public BoxArrayWidget {
  Q_OBJECT
 public:
  SymbolTableWidget(const FontModel& model, const ScaledLayout& layout, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QFont symbolFont(double points, bool bold) const;

  const FontModel& model_;
  std::array<QString, kSymbolCount> texts_;  // empty where a code has no character
  QFont::StyleStrategy strategy_ = QFont::PreferDefault;
};

}  // namespace zg
