#pragma once
// The 224 symbol boxes (Text1), painted from the model's symbol table; in a
// proportional font each box also shows its glyph's width in a corner.

#include <QFont>
#include <QString>
#include <array>

#include "model/code_page.h"
#include "model/font_model.h"
#include "ui/qt/box_array_widget.h"

namespace zg {

class SymbolTableWidget : public BoxArrayWidget {
  Q_OBJECT
 public:
  SymbolTableWidget(const FontModel& model, const ScaledLayout& layout, CodePage page,
                    QWidget* parent);
  // Shows the characters of another code page; the font's bytes stay.
  void setCodePage(CodePage page);
  const QString& text(int i) const { return texts_[static_cast<std::size_t>(i)]; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QFont symbolFont(double points, bool bold) const;

  const FontModel& model_;
  std::array<QString, kSymbolCount> texts_;  // empty where a code has no character
  QFont::StyleStrategy strategy_ = QFont::PreferDefault;
  CodePage page_ = kDefaultCodePage;
  bool shown_ = false;
};

}  // namespace zg
