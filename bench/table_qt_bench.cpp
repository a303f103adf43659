// The table dialog's answer to a change of option: the whole 256-glyph
// 24 x 24 table decoded again, drawn into the preview's image and painted.
// Goal: under 16 ms, one frame.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <vector>

#include "qt_bench_app.h"
#include "ui/qt/table_import_dialog.h"
#include "ui/qt/table_preview_widget.h"

namespace {

void BM_TableDialogRefreshRepaint(benchmark::State& state) {
  zg::bench::App();
  const zg::Layout cell = zg::Layout::Classic(24, 24, zg::Scan::Vertical);
  // Every pixel of every glyph different from its neighbours': no shortcut
  // for empty glyphs.
  std::vector<std::uint8_t> values(static_cast<std::size_t>(256 * cell.BytesPerGlyph()));
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<std::uint8_t>(i * 37);
  zg::TableImportRequest request;
  request.arrays = {{"font", values}};
  request.initial = {0, zg::TableLayout::Plain(cell, 0x00)};
  zg::TableImportDialog dialog(request);
  dialog.resize(900, 700);
  dialog.show();
  int order = 0;
  zg::bench::TimeUntilRepainted(state, *dialog.preview(), [&dialog, &order] {
    order = 1 - order;  // the bit order flips: every glyph changes
    dialog.bitOrderBox()->setCurrentIndex(order);
  });
}
BENCHMARK(BM_TableDialogRefreshRepaint)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
