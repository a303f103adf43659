#pragma once
// A Platform wholly of the test's making: scripted answers and dialogs,
// files kept in memory, and the window logic started on it, so a test can
// play the user.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <utility>

#include "dialog_scripts.h"
#include "fontfile/fontfile.h"
#include "scripted_platform.h"
#include "ui/font_import_form.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/platform.h"
#include "ui/proportional_choice.h"
#include "ui/table_import_form.h"

namespace zg::testing {

class FakePlatform : public ScriptedPlatform<Platform> {
 public:
  // Scripted answers, used in order (besides those of ScriptedPlatform).
  std::deque<std::optional<std::string>> openPaths;
  std::deque<std::optional<std::string>> savePaths;
  std::optional<FileError> replaceFailure;  // the next saves fail with this
  std::set<std::string> folders;            // folders that exist besides the real ones
  std::set<std::string> writableFolders;    // folders the user may write
  std::map<std::string, std::string> settings;
  ClipboardContents clipboard;
  std::deque<std::optional<FontImportChoice>> fontImportChoices;
  std::deque<std::optional<ExportChoice>> exportChoices;
  // The user at the table dialog: given what it opened with, the choice made
  // (nothing: cancelled).
  using TableScript = std::function<std::optional<TableImportChoice>(const TableImportRequest&)>;
  std::deque<TableScript> tableImportScripts;
  std::vector<TableImportRequest> tableImportRequests;
  std::vector<ExportChoice> exportDialogsShown;
  // The user at "Ширина символа" and "Пропорциональный шрифт" (nothing: cancelled),
  // and what each opened with: the value shown and the cell's width.
  std::deque<std::optional<int>> glyphWidths;
  std::vector<std::pair<int, int>> glyphWidthDialogsShown;
  std::deque<std::optional<ProportionalChoice>> proportionalChoices;
  std::vector<std::pair<ProportionalChoice, int>> proportionalDialogsShown;

  // What the program asked (besides what ScriptedPlatform records).
  std::vector<OpenDialogRequest> openRequests;
  std::vector<SaveDialogRequest> saveRequests;
  std::map<std::string, std::string> files;  // saved files; also readable

  std::optional<std::string> OpenFileDialog(const OpenDialogRequest& request) override {
    openRequests.push_back(request);
    if (openPaths.empty()) {
      ADD_FAILURE() << "unexpected open dialog";
      return std::nullopt;
    }
    auto p = openPaths.front();
    openPaths.pop_front();
    return p;
  }

  std::optional<std::string> SaveFileDialog(const SaveDialogRequest& request) override {
    saveRequests.push_back(request);
    if (savePaths.empty()) {
      ADD_FAILURE() << "unexpected save dialog";
      return std::nullopt;
    }
    auto p = savePaths.front();
    savePaths.pop_front();
    return p;
  }

  std::unique_ptr<ByteSource> OpenForReading(const std::string& path, FileError& error) override {
    if (auto it = files.find(path); it != files.end()) {
      return std::make_unique<MemoryByteSource>(it->second);
    }
    auto file = std::make_unique<FileByteSource>(path);
    if (!file->IsOpen()) {
      error = {file->OpenError(), FaultOfErrno(file->OpenErrno())};
      return nullptr;
    }
    return file;
  }

  std::optional<FileError> ReplaceFile(const std::string& path,
                                       const std::string& contents) override {
    if (replaceFailure) return replaceFailure;
    files[path] = contents;
    return std::nullopt;
  }

  void SetClipboard(const std::string& glyph, const std::string& text) override {
    clipboard = {glyph, text};
  }
  ClipboardContents ReadClipboard() override { return clipboard; }

  std::optional<FontImportChoice> ShowFontImportDialog(const Layout&, CodePage,
                                                       std::span<const std::uint8_t>) override {
    if (fontImportChoices.empty()) {
      ADD_FAILURE() << "unexpected font import dialog";
      return std::nullopt;
    }
    auto choice = fontImportChoices.front();
    fontImportChoices.pop_front();
    return choice;
  }

  std::optional<TableImportChoice> ShowTableImportDialog(
      const TableImportRequest& request) override {
    tableImportRequests.push_back(request);
    if (tableImportScripts.empty()) {
      ADD_FAILURE() << "unexpected table import dialog";
      return std::nullopt;
    }
    auto script = tableImportScripts.front();
    tableImportScripts.pop_front();
    return script(request);
  }

  std::optional<ExportChoice> ShowExportDialog(const ExportChoice& initial) override {
    exportDialogsShown.push_back(initial);
    if (exportChoices.empty()) {
      ADD_FAILURE() << "unexpected export dialog";
      return std::nullopt;
    }
    auto choice = exportChoices.front();
    exportChoices.pop_front();
    return choice;
  }

  std::optional<int> AskGlyphWidth(int current, int cellWidth) override {
    glyphWidthDialogsShown.emplace_back(current, cellWidth);
    if (glyphWidths.empty()) {
      ADD_FAILURE() << "unexpected glyph width dialog";
      return std::nullopt;
    }
    auto width = glyphWidths.front();
    glyphWidths.pop_front();
    return width;
  }

  std::optional<ProportionalChoice> ShowProportionalDialog(const ProportionalChoice& initial,
                                                           int cellWidth) override {
    proportionalDialogsShown.emplace_back(initial, cellWidth);
    if (proportionalChoices.empty()) {
      ADD_FAILURE() << "unexpected proportional font dialog";
      return std::nullopt;
    }
    auto choice = proportionalChoices.front();
    proportionalChoices.pop_front();
    return choice;
  }

  std::string ApplicationDirectory() override { return "/opt/zgedit"; }
  std::string DocumentsDirectory() override { return "/home/user/Documents"; }
  bool IsFolder(const std::string& path) override {
    return folders.contains(path) || std::filesystem::is_directory(path);
  }
  bool CanWriteFolder(const std::string& path) override { return writableFolders.contains(path); }
  std::optional<std::string> ReadSetting(const std::string& key) override {
    const auto it = settings.find(key);
    if (it == settings.end()) return std::nullopt;
    return it->second;
  }
  void WriteSetting(const std::string& key, const std::string& value) override {
    settings[key] = value;
  }
};

// The window logic on a fake platform, started as the program starts it;
// the user's commands are scripted through the platform.
struct Editor {
  FakePlatform platform;
  Form1 form{platform};
  Editor() { form.Load(); }
  explicit Editor(const std::string& size, bool horizontal = false) : Editor() {
    Create(size, horizontal);
  }
  void Create(const std::string& size, bool horizontal = false) {
    platform.dialogScripts.push_back(PickSize(size, horizontal));
    form.command1Click();
  }
  void Import(const std::string& path) {
    platform.openPaths.push_back(path);
    form.command2Click();
  }
  FontDocument Doc() const { return form.Document(); }
  // Sets glyph bytes by hand, as a font just read (saved): `fill` gets the
  // font's bytes.
  template <class F>
  void SetGlyphs(F fill) {
    EditorSession::Transaction t(form.session(), "test");
    fill(t.document().glyphs);
    t.Commit(StepSaved::Saved);
    form.Show();
  }
};

}  // namespace zg::testing
