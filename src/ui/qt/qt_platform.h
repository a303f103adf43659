#pragma once
// The window logic's services bound to Qt: message boxes, file dialogs, the
// parameters dialog, files, the application's directory and the screen.

#include <QPointer>
#include <QWidget>
#include <functional>

#include "ui/platform.h"

namespace zg {

class QtPlatform : public Platform {
 public:
  // The window the dialogs belong to; without one they use the active window.
  void setDialogParent(QWidget* parent) { parent_ = parent; }
  // Called before any modal window opens, so that the window behind it shows
  // what the command has done so far.
  void setBeforeModal(std::function<void()> hook) { beforeModal_ = std::move(hook); }

  MsgAnswer ShowMessage(const MessageRequest& request) override;
  std::optional<std::string> OpenFileDialog(const OpenDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const SaveDialogRequest& request) override;
  void ShowForm2Modal(Form2& dialog) override;
  std::unique_ptr<ByteSource> OpenForReading(const std::string& path, FileError& error) override;
  std::optional<FileError> ReplaceFile(const std::string& path,
                                       const std::string& contents) override;
  void SetClipboard(const std::string& glyph, const std::string& text) override;
  ClipboardContents ReadClipboard() override;
  std::optional<FontImportChoice> ShowFontImportDialog(
      const Layout& layout, CodePage page, std::span<const std::uint8_t> glyphs) override;
  std::optional<TableImportChoice> ShowTableImportDialog(
      const TableImportRequest& request) override;
  std::optional<ExportChoice> ShowExportDialog(const ExportChoice& initial) override;
  std::optional<int> AskGlyphWidth(int current, int cellWidth) override;
  std::optional<ProportionalChoice> ShowProportionalDialog(const ProportionalChoice& initial,
                                                           int cellWidth) override;
  std::string ApplicationDirectory() override;
  std::string DocumentsDirectory() override;
  bool IsFolder(const std::string& path) override;
  bool CanWriteFolder(const std::string& path) override;
  std::optional<std::string> ReadSetting(const std::string& key) override;
  void WriteSetting(const std::string& key, const std::string& value) override;
  int ScreenWidthPixels() override;

 protected:
  QWidget* dialogParent() const;
  void beforeModal() const {
    if (beforeModal_) beforeModal_();
  }

 private:
  QPointer<QWidget> parent_;
  std::function<void()> beforeModal_;
};

}  // namespace zg
