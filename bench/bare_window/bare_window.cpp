// The yardstick for the editor's start-up (bench/startup.sh): a bare Qt
// window of the editor's size with one painted widget drawing 800 labelled
// cells (labelled_cells.h).

#include <QApplication>

#include "bare_window/labelled_cells.h"
#include "ui/qt/exit_after_first_paint.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const std::unique_ptr<QWidget> window = zg::bench::MakeYardstickWindow();
  zg::ExitAfterFirstPaintIfAsked(*window);
  window->show();
  return QApplication::exec();
}
