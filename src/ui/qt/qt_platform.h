#pragma once
// The window logic's services bound to Qt: message boxes, file dialogs, the
// parameters dialog, files, the application's directory and the screen.

#include <QPointer>
#include <QWidget>

#include "ui/platform.h"

namespace zg {

class QtPlatform : public Platform {
 public:
  // The window the dialogs belong to; without one they use the active window.
  void setDialogParent(QWidget* parent) { parent_ = parent; }

  MsgAnswer ShowMessage(const MessageRequest& request) override;
  std::optional<std::string> OpenFileDialog(const OpenDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const SaveDialogRequest& request) override;
  void ShowForm2Modal(Form2& dialog) override;
  std::unique_ptr<ByteSource> OpenForReading(const std::string& path, FileError& error) override;
  std::optional<FileError> ReplaceFile(const std::string& path,
                                       const std::string& contents) override;
  std::string ApplicationDirectory() override;
  int ScreenWidthPixels() override;

 protected:
  QWidget* dialogParent() const;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace zg
