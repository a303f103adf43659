// The yardstick for the editor's start-up (bench/startup.sh): a bare Qt window
// of the editor's size with one custom-painted child where the edit grid is.

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "ui/qt/exit_after_first_paint.h"

namespace {

class PaintedChild : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(843, 529);
  (new PaintedChild(&window))->setGeometry(476, 49, 337, 337);
  zg::ExitAfterFirstPaintIfAsked(window);
  window.show();
  return QApplication::exec();
}
