#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QScreen>
#include <span>

#include "fontfile/byte_source.h"
#include "ui/form2.h"
#include "ui/layout.h"
#include "ui/qt/dialog_text.h"
#include "ui/qt/params_dialog.h"

namespace zg {
namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

// A font source file read through Qt, so that failures carry Qt's wording.
class QFileByteSource final : public ByteSource {
 public:
  explicit QFileByteSource(const QString& path) : file_(path) {}
  bool open() { return file_.open(QIODevice::ReadOnly); }
  QString errorString() const { return file_.errorString(); }

  ByteChunk Read(std::span<char> buffer) override {
    const qint64 n = file_.read(buffer.data(), static_cast<qint64>(buffer.size()));
    if (n < 0) return {0, file_.errorString().toStdString()};
    return {static_cast<std::size_t>(n), std::nullopt};
  }

 private:
  QFile file_;
};

std::optional<std::string> RunFileDialog(QFileDialog& dialog) {
  // Show each filter by its description only, exactly as the caller wrote it.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.first().toStdString();
}

}  // namespace

QWidget* QtPlatform::dialogParent() const {
  return parent_ ? parent_.data() : QApplication::activeWindow();
}

MsgAnswer QtPlatform::ShowMessage(const MessageRequest& request) {
  QMessageBox box(dialogParent());
  box.setWindowTitle(Q(request.title));
  box.setTextFormat(Qt::PlainText);
  box.setText(MessageText(request.text));
  switch (request.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
  }
  if (request.buttons == MsgButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    // Closing the box without an answer keeps everything as it was.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return MsgAnswer::Ok;
}

std::optional<std::string> QtPlatform::OpenFileDialog(const OpenDialogRequest& request) {
  QFileDialog dialog(dialogParent(), Q(request.title), Q(request.initialDir),
                     QtNameFilters(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  return RunFileDialog(dialog);
}

std::optional<std::string> QtPlatform::SaveFileDialog(const SaveDialogRequest& request) {
  QFileDialog dialog(dialogParent(), Q(request.title), Q(request.initialDir),
                     QtNameFilters(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The file is written under exactly the name chosen: no suffix is added.
  dialog.setDefaultSuffix(QString());
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askOverwrite);
  if (!request.proposedName.empty()) dialog.selectFile(Q(request.proposedName));
  return RunFileDialog(dialog);
}

void QtPlatform::ShowForm2Modal(Form2& form2) {
  ParamsDialog dialog(form2, dialogParent());
  if (!form2.state().closed) dialog.exec();
}

std::unique_ptr<ByteSource> QtPlatform::OpenForReading(const std::string& path, FileError& error) {
  auto source = std::make_unique<QFileByteSource>(Q(path));
  if (!source->open()) {
    error.description = source->errorString().toStdString();
    return nullptr;
  }
  return source;
}

std::optional<FileError> QtPlatform::ReplaceFile(const std::string& path,
                                                 const std::string& contents) {
  // QSaveFile writes beside the target and renames on commit, so a failure
  // leaves the old file untouched.
  QSaveFile file(Q(path));
  if (!file.open(QIODevice::WriteOnly)) return FileError{file.errorString().toStdString()};
  const auto size = static_cast<qint64>(contents.size());
  if (file.write(contents.data(), size) != size) {
    const QString why = file.errorString();
    file.cancelWriting();
    return FileError{why.toStdString()};
  }
  if (!file.commit()) return FileError{file.errorString().toStdString()};
  return std::nullopt;
}

std::string QtPlatform::ApplicationDirectory() {
  return QCoreApplication::applicationDirPath().toStdString();
}

int QtPlatform::ScreenWidthPixels() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  // Without a screen there is nothing to shrink for.
  if (screen == nullptr) return static_cast<int>(kSmallScreenTwips / kTwipsPerPixel);
  return screen->geometry().width();
}

}  // namespace zg
