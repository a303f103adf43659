// Start-up of the main window: from its construction to its first painted
// frame, offscreen, against a bare window with one custom-painted child.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>

#include "ui/qt/main_window.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "zg_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: torn down among the exit handlers, after some of Qt's own
  // statics, it would crash the run at exit.
  static QApplication* const app = new QApplication(argc, argv);
  return *app;
}

class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

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

// Times `make` plus showing its window until the event loop has painted it
// once; the whole frame, children included, is painted within that pass.
void TimeFirstFrame(benchmark::State& state,
                    const std::function<std::unique_ptr<QWidget>()>& make) {
  App();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<QWidget> window = make();
    PaintCounter counter;
    window->installEventFilter(&counter);
    window->show();
    QElapsedTimer limit;
    limit.start();
    while (counter.paints == 0 && limit.elapsed() < 5000) QCoreApplication::processEvents();
    const auto end = std::chrono::steady_clock::now();
    if (counter.paints == 0) {
      state.SkipWithError("the window was never painted");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    window->removeEventFilter(&counter);
    window.reset();
    QCoreApplication::processEvents();  // let deferred deletions run outside the timing
  }
}

void BM_StartupMainWindow(benchmark::State& state) {
  TimeFirstFrame(state, [] { return std::make_unique<zg::MainWindow>(); });
}
BENCHMARK(BM_StartupMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StartupBareWindow(benchmark::State& state) {
  TimeFirstFrame(state, [] {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(843, 529);
    (new PaintedChild(window.get()))->setGeometry(476, 49, 337, 337);
    return window;
  });
}
BENCHMARK(BM_StartupBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
