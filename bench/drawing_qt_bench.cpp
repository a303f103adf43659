// The drawing tools through the Qt binding, offscreen: a stroke from the grid
// widget's mouse events to the glyph bytes, and the preview window's refresh
// up to its repainted panel.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <chrono>
#include <optional>
#include <random>

#include "model/codec.h"
#include "model/editing.h"
#include "ops/glyph_bytes.h"
#include "ops/stroke.h"
#include "qt_bench_app.h"
#include "ui/layout.h"
#include "ui/qt/grid_widget.h"
#include "ui/qt/preview_window.h"

namespace {

using zg::bench::App;

zg::FontModel Font24() {
  zg::FontModel m;
  m.ncol = 24;
  m.nstr = 24;
  m.cb = 72;
  m.vert = 1;
  m.pos = -1;
  m.pixelBoxVisible.fill(true);
  zg::LayoutGrid(m, zg::Layout::Classic(m.ncol, m.nstr, zg::Scan::Vertical));
  for (auto& box : m.symbols) box.locked = false;
  zg::SelectSymbol(m, 100);
  return m;
}

void Send(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, at, w.mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(&w, &event);
}

// A press, one move per box, and the release, each event going through the
// widget's box lookup and signals into the stroke: 24 boxes along the
// diagonal (a drag across the grid), or all 576 zig-zagging over every row.
// Goal: well under 1 ms.
void BM_StrokeEventsToData(benchmark::State& state) {
  App();
  zg::FontModel m = Font24();
  zg::GridWidget grid(m, zg::ComputeLayout(1920 * 15), nullptr);
  std::optional<zg::Stroke> stroke;
  QObject::connect(&grid, &zg::GridWidget::strokeStarted, &grid, [&](int box, bool right) {
    stroke.emplace(zg::CurrentGlyph(m), zg::LayoutOf(m), box, right);
  });
  QObject::connect(&grid, &zg::GridWidget::strokeMoved, &grid, [&](int box) {
    if (stroke) stroke->moveTo(zg::CurrentGlyph(m), box);
  });
  QObject::connect(&grid, &zg::GridWidget::strokeEnded, &grid, [&] { stroke.reset(); });
  std::vector<QPoint> path;
  const bool wholeGrid = state.range(0) == zg::kGridBoxes;
  for (int row = 0; row < zg::kGridSide; ++row) {
    if (!wholeGrid) {
      path.push_back(grid.boxRect(row * zg::kGridSide + row).center());
      continue;
    }
    for (int i = 0; i < zg::kGridSide; ++i) {
      const int col = row % 2 == 0 ? i : zg::kGridSide - 1 - i;
      path.push_back(grid.boxRect(row * zg::kGridSide + col).center());
    }
  }
  for (auto _ : state) {
    Send(grid, QEvent::MouseButtonPress, path.front(), Qt::LeftButton, Qt::LeftButton);
    for (const QPoint p : path) Send(grid, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    Send(grid, QEvent::MouseButtonRelease, path.back(), Qt::LeftButton, Qt::NoButton);
  }
  benchmark::DoNotOptimize(m.glyphStore.data());
}
BENCHMARK(BM_StrokeEventsToData)
    ->ArgName("boxes")
    ->Arg(zg::kGridSide)
    ->Arg(zg::kGridBoxes)
    ->Unit(benchmark::kMicrosecond);

// refresh() after an edit until the panel has painted 40 characters of a
// 24 x 24 font at scale 4 (960 x 96 pixels). Goal: under 4 ms.
void BM_PreviewRefreshRepaint(benchmark::State& state) {
  App();
  QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  zg::FontModel m = Font24();
  std::mt19937 rng(8);
  for (int i = 0; i < 224 * 72; ++i) m.glyphStore[i] = static_cast<std::uint8_t>(rng());
  zg::PreviewWindow window(
      m, [](char32_t c) { return c >= U' ' && c < U' ' + 224 ? static_cast<int>(c - U' ') : -1; },
      nullptr);
  window.textEdit()->setText("The quick brown fox jumps over a lazy do");  // 40
  window.scaleBox()->setValue(4);
  window.resize(1000, 160);
  window.show();
  zg::bench::TimeUntilRepainted(state, *window.panel(), [&m, &window] {
    m.glyphStore[100] = static_cast<std::uint8_t>(m.glyphStore[100] ^ 1U);
    window.refresh();
  });
}
BENCHMARK(BM_PreviewRefreshRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
