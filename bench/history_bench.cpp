// Undo and redo of each kind of step on a full 24 x 24 font, from the handler
// the shortcut runs to the data, and the history's memory after many edits.
#include <benchmark/benchmark.h>

#include <functional>
#include <random>

#include "bench_editor.h"

namespace zg {
namespace {

using bench::Editor;

const std::function<void(Form1&)> kSteps[] = {
    [](Form1& f) { f.picture1Click(300); }, [](Form1& f) { f.command6Click(); },
    [](Form1& f) { f.command9Click(); },    [](Form1& f) { f.command3Click(); },
    [](Form1& f) { f.command11Click(); },   [](Form1& f) { f.command4Click(); },
    [](Form1& f) { f.command10Click(); },   [](Form1& f) { f.setCheck1(1); },
    [](Form1& f) { f.command2Click(); },    [](Form1& f) { f.command1Click(); },
};
const char* const kStepNames[] = {"pixel",      "shift up",    "shift right", "erase",  "revert",
                                  "clear font", "scan change", "negative",    "import", "create"};

void BM_UndoRedo24x24(benchmark::State& state) {
  Editor e;
  const auto kind = static_cast<std::size_t>(state.range(0));
  if (kind == 4) e.form.picture1Click(301);  // something to revert
  kSteps[kind](e.form);
  if (!e.form.history().CanUndo()) state.SkipWithError("the step was not recorded");
  for (auto _ : state) {
    e.form.undoClick();
    e.form.redoClick();
  }
  state.SetLabel(kStepNames[kind]);
  state.counters["undo+redo"] =
      benchmark::Counter(static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_UndoRedo24x24)->DenseRange(0, 9)->Unit(benchmark::kMicrosecond);

void BM_HistoryMemory(benchmark::State& state) {
  const bool scan = state.range(0) == 1;
  const int edits = scan ? 1000 : 10000;
  std::size_t bytes = 0;
  for (auto _ : state) {
    Editor e;
    std::mt19937 rng(9);
    for (int i = 0; i < edits; ++i) {
      if (scan) {
        e.form.command10Click();
      } else {
        if (i % 50 == 0) e.form.text1Click(static_cast<int>(rng() % 224));
        e.form.picture1Click(static_cast<int>(rng() % 576));
      }
    }
    bytes = e.form.history().MemoryBytes();
  }
  state.SetLabel(scan ? "1000 scan changes" : "10000 pixel toggles");
  state.counters["history_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_HistoryMemory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zg
