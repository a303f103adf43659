#pragma once
// The window logic on a platform of its own, with a full 24 x 24 font, for
// the benchmarks that run commands from their handlers.

#include <memory>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "fontfile/fontfile.h"
#include "ui/font_import_form.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/proportional_choice.h"
#include "ui/table_import_form.h"

namespace zg::bench {

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

// The window logic with a full 24 x 24 font read, symbol 40 current; in
// horizontal scan when asked.
struct Editor {
  BenchPlatform platform;
  Form1 form{platform};
  explicit Editor(bool horizontal = false) {
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
    if (horizontal) form.command10Click();
    form.text1Click(40);
  }
};

}  // namespace zg::bench
