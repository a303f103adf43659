#pragma once
// The "Просмотр" window: a line of text set in the font being edited, as the
// display will show it. It only reads the model; the main window calls
// refresh() after every change of the font.

#include <QString>
#include <QWidget>
#include <functional>
#include <span>
#include <vector>

#include "model/font_model.h"
#include "ui/preview.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace zg {

class PreviewWindow : public QWidget {
  Q_OBJECT
 public:
  // `symbolOf` gives the glyph index (0..223) of a character, or -1 when the
  // font's code page lacks it.
  PreviewWindow(const FontModel& model, std::function<int(char32_t)> symbolOf, QWidget* parent);
  ~PreviewWindow() override;

  // Schedules one repaint from the model and the code page as they are now.
  void refresh();

  QLineEdit* textEdit() const { return text_; }
  QSpinBox* scaleBox() const { return scale_; }
  QComboBox* lookBox() const { return look_; }
  // The painted panel, sized to the rendered line.
  QWidget* panel() const { return panel_; }

  // The rendered line as the panel paints it.
  PreviewImage render() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void saveSettings() const;
  // Each glyph's width in a proportional font; empty in a monospaced one.
  std::span<const std::uint8_t> widths() const;

  const FontModel& model_;
  std::function<int(char32_t)> symbolOf_;
  std::vector<int> symbols_;
  QLineEdit* text_ = nullptr;
  QSpinBox* scale_ = nullptr;
  QComboBox* look_ = nullptr;
  QWidget* panel_ = nullptr;
  bool placed_ = false;  // the first showing put the window somewhere
};

}  // namespace zg
