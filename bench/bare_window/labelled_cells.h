#pragma once
// The yardstick for the editor's start-up (bench/startup.sh and the start-up
// benchmark): a window of the editor's size holding one custom-painted widget
// that draws 800 cells, as many as the edit grid and the symbol table
// together, each with a short label in the default font. It costs what any
// Qt window that draws text must: the platform, the font database, one face
// rasterised.

#include <QPainter>
#include <QWidget>
#include <memory>

namespace zg::bench {

class LabelledCells : public QWidget {
 public:
  static constexpr int kColumns = 32;
  static constexpr int kRows = 25;
  static constexpr int kCellWidth = 25;
  static constexpr int kCellHeight = 19;

  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    for (int i = 0; i < kColumns * kRows; ++i) {
      const QRect cell(i % kColumns * kCellWidth, i / kColumns * kCellHeight, kCellWidth,
                       kCellHeight);
      painter.drawRect(cell.adjusted(0, 0, -1, -1));
      painter.drawText(cell, Qt::AlignCenter, QString::number(i, 16).toUpper());
    }
  }
};

// The whole yardstick window, not yet shown.
inline std::unique_ptr<QWidget> MakeYardstickWindow() {
  auto window = std::make_unique<QWidget>();
  window->setFixedSize(843, 529);
  (new LabelledCells(window.get()))
      ->setGeometry(21, 27, LabelledCells::kColumns * LabelledCells::kCellWidth,
                    LabelledCells::kRows * LabelledCells::kCellHeight);
  return window;
}

}  // namespace zg::bench
