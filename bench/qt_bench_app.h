#pragma once
// What every Qt benchmark of the program shares: the one QApplication, a
// paint counter, and timing an action until a widget has painted it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <chrono>

namespace zg::bench {

inline QApplication& App() {
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

// Each iteration: `before` and its events (not timed), then `act` and the
// event loop until `widget` has painted once (at most 5 s), timed as the
// benchmark's manual time.
template <class Before, class Act>
void TimeUntilRepainted(benchmark::State& state, QWidget& widget, Before before, Act act) {
  PaintCounter counter;
  widget.installEventFilter(&counter);
  for (auto _ : state) {
    before();
    QCoreApplication::processEvents();
    counter.paints = 0;
    const auto start = std::chrono::steady_clock::now();
    act();
    QElapsedTimer limit;
    limit.start();
    while (counter.paints == 0 && limit.elapsed() < 5000) QCoreApplication::processEvents();
    const auto end = std::chrono::steady_clock::now();
    if (counter.paints == 0) {
      state.SkipWithError("the widget was never repainted");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  widget.removeEventFilter(&counter);
}

template <class Act>
void TimeUntilRepainted(benchmark::State& state, QWidget& widget, Act act) {
  TimeUntilRepainted(
      state, widget, [] {}, act);
}

}  // namespace zg::bench
