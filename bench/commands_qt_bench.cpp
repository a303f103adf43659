// Every command of the glyph and whole-font menus on a full 24 x 24 font,
// from the handler the menu item runs to the repainted grid, in the real
// window offscreen. Each iteration first takes the previous one back (not
// timed), so every run starts from the same font. The menu action runs the
// handler as the user's choice does. Goal: each under 1 ms.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QTemporaryDir>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "fontfile/fontfile.h"
#include "qt_bench_app.h"
#include "ui/qt/grid_widget.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_platform.h"

namespace {

using zg::MenuCommand;

// Answers every question yes, and opens the one font file it is given.
class AnsweringPlatform : public zg::QtPlatform {
 public:
  std::string path;
  zg::MsgAnswer ShowMessage(const zg::MessageRequest& r) override {
    return r.buttons == zg::MsgButtons::YesNo ? zg::MsgAnswer::Yes : zg::MsgAnswer::Ok;
  }
  std::optional<std::string> OpenFileDialog(const zg::OpenDialogRequest&) override { return path; }
};

struct Case {
  MenuCommand command;
  const char* name;
};
const Case kCases[] = {
    {MenuCommand::ShiftUp, "shift up"},
    {MenuCommand::ShiftRight, "shift right"},
    {MenuCommand::Erase, "erase"},
    {MenuCommand::FlipHorizontal, "flip"},
    {MenuCommand::RotateClockwise, "rotate"},
    {MenuCommand::Invert, "invert"},
    {MenuCommand::Cut, "cut"},
    {MenuCommand::FontShiftRight, "font shift right"},
};

void BM_CommandToRepaint24x24(benchmark::State& state) {
  zg::bench::App();
  QTemporaryDir dir;
  AnsweringPlatform platform;
  platform.path = dir.filePath("Font24x24vp.fnt").toStdString();
  std::vector<std::uint8_t> bytes(224 * 72);
  std::mt19937 rng(5);
  // Glyphs away from the edges, so that every shift has room.
  const zg::Layout layout = zg::Layout::Classic(24, 24, zg::Scan::Vertical);
  for (std::size_t g = 0; g < 224; ++g) {
    const auto glyph = std::span<std::uint8_t>(bytes).subspan(g * 72, 72);
    for (int k = 0; k < 120; ++k) {
      zg::SetPixel(layout, glyph, 2 + static_cast<int>(rng() % 20),
                   2 + static_cast<int>(rng() % 20), true);
    }
  }
  std::ofstream(platform.path) << zg::WriteFontSource(bytes, 72, "Data ", "0xNN", false);
  zg::MainWindow window(platform);
  window.show();
  window.action(MenuCommand::Import)->trigger();  // glyph 0 current
  const Case& c = kCases[state.range(0)];
  zg::bench::TimeUntilRepainted(
      state, *window.grid(),
      [&window] {
        if (window.form.history().StepCount() > 1) window.action(MenuCommand::Undo)->trigger();
      },
      [&window, &c] { window.action(c.command)->trigger(); });
  if (window.form.history().StepCount() < 2) state.SkipWithError("the command changed nothing");
  state.SetLabel(c.name);
}
BENCHMARK(BM_CommandToRepaint24x24)
    ->DenseRange(0, static_cast<int>(std::size(kCases)) - 1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
