// The real window, offscreen: start-up from construction to the first painted
// frame (against the yardstick window of bench/startup.sh, 800 labelled
// cells), and the scan change of a full 24 x 24 font from the button's click
// to the repainted grid.

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <random>

#include "bare_window/labelled_cells.h"
#include "qt_bench_app.h"
#include "ui/form2.h"
#include "ui/qt/grid_widget.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_platform.h"

namespace {

using zg::bench::App;
using zg::bench::PaintCounter;

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
  TimeFirstFrame(state, [] { return zg::bench::MakeYardstickWindow(); });
}
BENCHMARK(BM_StartupBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

// Answers every notice at once and creates a 24 x 24 font without a dialog.
class AnsweringPlatform : public zg::QtPlatform {
 public:
  zg::MsgAnswer ShowMessage(const zg::MessageRequest&) override { return zg::MsgAnswer::Ok; }
  void ShowForm2Modal(zg::Form2& dialog) override {
    dialog.Load();
    dialog.Combo1Click("24 x 24");
    dialog.Command1Click();
  }
};

void BM_ScanChangeCommand24x24(benchmark::State& state) {
  App();
  AnsweringPlatform platform;
  zg::MainWindow window(platform);
  window.form.command1Click();
  std::mt19937 rng(9);
  {
    zg::EditorSession::Transaction t(window.form.session(), "random glyphs");
    for (auto& b : t.document().glyphs) b = static_cast<std::uint8_t>(rng());
    t.Commit();
  }
  window.form.text1Click(33);
  window.show();
  auto* button = qobject_cast<QAbstractButton*>(window.control(zg::Ctl::Command10));
  zg::bench::TimeUntilRepainted(state, *window.grid(), [button] { button->click(); });
}
BENCHMARK(BM_ScanChangeCommand24x24)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
