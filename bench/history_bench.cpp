// Undo and redo of each kind of step on a full 24 x 24 font, from the handler
// the shortcut runs to the data, and the history's memory after many edits.
#include <benchmark/benchmark.h>

#include <functional>
#include <random>

#include "fontfile/fontfile.h"
#include "ui/font_import_form.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/proportional_choice.h"
#include "ui/table_import_form.h"

namespace zg {
namespace {

// Answers Yes, confirms 24 x 24 and opens a random font from memory.
class BenchPlatform final : public Platform {
 public:
  std::string font;
  MsgAnswer ShowMessage(const MessageRequest& r) override {
    return r.buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
  }
  std::optional<std::string> OpenFileDialog(const OpenDialogRequest&) override {
    return "Font24x24vp.fnt";
  }
  std::optional<std::string> SaveFileDialog(const SaveDialogRequest&) override { return {}; }
  void ShowForm2Modal(Form2& d) override {
    d.Load();
    d.Combo1Click("24 x 24");
    d.Command1Click();
  }
  std::unique_ptr<ByteSource> OpenForReading(const std::string&, FileError&) override {
    return std::make_unique<MemoryByteSource>(font);
  }
  std::optional<FileError> ReplaceFile(const std::string&, const std::string&) override {
    return {};
  }
  void SetClipboard(const std::string&, const std::string&) override {}
  ClipboardContents ReadClipboard() override { return {}; }
  std::optional<FontImportChoice> ShowFontImportDialog(const Layout&, CodePage,
                                                       std::span<const std::uint8_t>) override {
    return {};
  }
  std::optional<TableImportChoice> ShowTableImportDialog(const TableImportRequest&) override {
    return {};
  }
  std::optional<ExportChoice> ShowExportDialog(const ExportChoice&) override { return {}; }
  std::optional<int> AskGlyphWidth(int, int) override { return {}; }
  std::optional<ProportionalChoice> ShowProportionalDialog(const ProportionalChoice&,
                                                           int) override {
    return {};
  }
  std::string ApplicationDirectory() override { return "/tmp"; }
  std::string DocumentsDirectory() override { return "/tmp"; }
  bool IsFolder(const std::string&) override { return false; }
  bool CanWriteFolder(const std::string&) override { return true; }
  std::optional<std::string> ReadSetting(const std::string&) override { return {}; }
  void WriteSetting(const std::string&, const std::string&) override {}
  int ScreenWidthPixels() override { return 1920; }
};

struct Editor {
  BenchPlatform platform;
  Form1 form{platform};
  Editor() {
    std::mt19937 rng(5);
    std::vector<std::uint8_t> bytes(224 * 72);
    // Sparse glyphs, so that every shift has room.
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng() & 0x3C);
    for (int i = 0; i < 224; ++i) {
      for (int n : {0, 1, 23, 24, 47, 48, 71}) bytes[i * 72 + n] = 0;
    }
    platform.font = WriteFontSource(bytes, 72, "Data ", "0xNN", false);
    form.Load();
    form.command2Click();
    form.text1Click(40);
  }
};

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
