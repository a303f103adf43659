#pragma once
// The two small dialogs of proportional fonts: "Ширина символа", the current
// glyph's width by number, and "Пропорциональный шрифт", how the widths are
// taken from the glyphs' ink.

#include <QDialog>
#include <optional>

#include "ui/proportional_choice.h"

class QSpinBox;

namespace zg {

class GlyphWidthDialog : public QDialog {
  Q_OBJECT
 public:
  // `current` is shown kept to 1..cellWidth.
  GlyphWidthDialog(int current, int cellWidth, QWidget* parent);
  int glyphWidth() const;
  QSpinBox* widthBox() const { return width_; }

  // Shows the dialog; the width, or nothing when cancelled.
  static std::optional<int> Ask(QWidget* parent, int current, int cellWidth);

 private:
  QSpinBox* width_ = nullptr;
};

class ProportionalDialog : public QDialog {
  Q_OBJECT
 public:
  ProportionalDialog(const ProportionalChoice& initial, int cellWidth, QWidget* parent);
  ProportionalChoice choice() const;
  QSpinBox* spacingBox() const { return spacing_; }
  QSpinBox* spaceWidthBox() const { return spaceWidth_; }

  // Shows the dialog; the choice, or nothing when cancelled.
  static std::optional<ProportionalChoice> Ask(QWidget* parent, const ProportionalChoice& initial,
                                               int cellWidth);

 private:
  QSpinBox* spacing_ = nullptr;
  QSpinBox* spaceWidth_ = nullptr;
};

}  // namespace zg
