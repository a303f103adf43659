#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <span>

#include "document/file_replace.h"
#include "fontfile/byte_source.h"
#include "ui/font_import_form.h"
#include "ui/form2.h"
#include "ui/layout.h"
#include "ui/qt/dialog_text.h"
#include "ui/qt/export_dialog.h"
#include "ui/qt/font_import_dialog.h"
#include "ui/qt/params_dialog.h"
#include "ui/qt/qt_texts.h"
#include "ui/qt/table_import_dialog.h"
#include "ui/qt/width_dialogs.h"

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

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// Qt's file dialog with Russian captions and its own overwrite question.
class FileDialog final : public QFileDialog {
 public:
  FileDialog(QWidget* parent, const std::string& title, const std::string& dir,
             const std::string& filter, AcceptMode mode, bool askOverwrite)
      : QFileDialog(parent, Q(title), Q(dir), QtNameFilters(filter)),
        askOverwrite_(mode == AcceptSave && askOverwrite) {
    setAcceptMode(mode);
    // Show each filter by its description only, as the caller wrote it.
    setOption(HideNameFilterDetails);
    // The question below replaces Qt's English one.
    setOption(DontConfirmOverwrite);
    setLabelText(Accept, Q(mode == AcceptSave ? qt_text::kSave : qt_text::kOpen));
    setLabelText(Reject, Q(qt_text::kCancel));
    setLabelText(LookIn, Q(qt_text::kLookIn));
    setLabelText(FileName, Q(qt_text::kFileName));
    setLabelText(FileType, Q(qt_text::kFileType));
  }

  std::optional<std::string> run() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.first().toStdString();
  }

 protected:
  void accept() override {
    const QStringList files = selectedFiles();
    if (askOverwrite_ && !files.isEmpty() && QFileInfo(files.first()).isFile()) {
      QMessageBox box(QMessageBox::Warning, windowTitle(),
                      Q(qt_text::kReplaceFile).arg(QFileInfo(files.first()).fileName()),
                      QMessageBox::Yes | QMessageBox::No, this);
      box.setDefaultButton(QMessageBox::Yes);
      box.button(QMessageBox::Yes)->setText(Q(qt_text::kYes));
      box.button(QMessageBox::No)->setText(Q(qt_text::kNo));
      if (box.exec() != QMessageBox::Yes) return;
    }
    QFileDialog::accept();
  }

 private:
  bool askOverwrite_;
};

}  // namespace

QWidget* QtPlatform::dialogParent() const {
  return parent_ ? parent_.data() : QApplication::activeWindow();
}

MsgAnswer QtPlatform::ShowMessage(const MessageRequest& request) {
  beforeModal();
  QMessageBox box(dialogParent());
  box.setWindowTitle(Q(request.title));
  box.setTextFormat(Qt::PlainText);
  box.setText(MessageText(request.text));
  switch (request.icon) {
    case MsgIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case MsgIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MsgIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
  }
  if (request.buttons == MsgButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.button(QMessageBox::Yes)->setText(Q(qt_text::kYes));
    box.button(QMessageBox::No)->setText(Q(qt_text::kNo));
    // Closing the box without an answer keeps everything as it was.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setText(Q(qt_text::kOk));
  box.exec();
  return MsgAnswer::Ok;
}

std::optional<std::string> QtPlatform::OpenFileDialog(const OpenDialogRequest& request) {
  beforeModal();
  FileDialog dialog(dialogParent(), request.title, request.initialDir, request.filter,
                    QFileDialog::AcceptOpen, false);
  dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  return dialog.run();
}

std::optional<std::string> QtPlatform::SaveFileDialog(const SaveDialogRequest& request) {
  beforeModal();
  FileDialog dialog(dialogParent(), request.title, request.initialDir, request.filter,
                    QFileDialog::AcceptSave, request.askOverwrite);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The file is written under exactly the name chosen: no suffix is added.
  dialog.setDefaultSuffix(QString());
  if (!request.proposedName.empty()) dialog.selectFile(Q(request.proposedName));
  return dialog.run();
}

void QtPlatform::ShowForm2Modal(Form2& form2) {
  beforeModal();
  ParamsDialog dialog(form2, dialogParent());
  if (!form2.state().closed) dialog.exec();
}

namespace {

// The kind of a failure to open or write `path`, from what the system said
// and from what is at the path now.
FileFault FaultOf(const QString& path, QFileDevice::FileError qtError, int code) {
  const QFileInfo info(path);
  if (info.isDir()) return FileFault::IsFolder;
  if (qtError == QFileDevice::PermissionsError) return FileFault::NoPermission;
  const FileFault fromErrno = FaultOfErrno(code);
  if (fromErrno != FileFault::Other) return fromErrno;
  if (!info.exists() && !info.dir().exists()) return FileFault::NotFound;
  return FileFault::Other;
}

}  // namespace

std::unique_ptr<ByteSource> QtPlatform::OpenForReading(const std::string& path, FileError& error) {
  auto source = std::make_unique<QFileByteSource>(Q(path));
  errno = 0;
  if (!source->open()) {
    const int code = errno;
    error.description = source->errorString().toStdString();
    error.fault = QFileInfo::exists(Q(path)) ? FaultOf(Q(path), QFileDevice::OpenError, code)
                                             : FileFault::NotFound;
    return nullptr;
  }
  return source;
}

std::optional<FileError> QtPlatform::ReplaceFile(const std::string& path,
                                                 const std::string& contents) {
  // The document layer's writer, as zgconv's: links, permissions, devices
  // and a full disk behave alike in both.
  return zg::ReplaceFile(path, contents);
}

std::string QtPlatform::ApplicationDirectory() {
  return QCoreApplication::applicationDirPath().toStdString();
}

namespace {
// The editor's own clipboard form of a glyph.
const QString kGlyphMime = QStringLiteral("application/x-zgedit-glyph");
}  // namespace

void QtPlatform::SetClipboard(const std::string& glyph, const std::string& text) {
  auto* data = new QMimeData;  // the clipboard takes it over
  data->setData(kGlyphMime, QByteArray::fromStdString(glyph));
  data->setText(Q(text));
  QGuiApplication::clipboard()->setMimeData(data);
}

Platform::ClipboardContents QtPlatform::ReadClipboard() {
  ClipboardContents contents;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr) return contents;
  if (data->hasFormat(kGlyphMime)) contents.glyph = data->data(kGlyphMime).toStdString();
  if (data->hasText()) contents.text = data->text().toStdString();
  return contents;
}

std::optional<FontImportChoice> QtPlatform::ShowFontImportDialog(
    const Layout& layout, CodePage page, std::span<const std::uint8_t> glyphs) {
  beforeModal();
  return FontImportDialog::Ask(dialogParent(), layout, page, glyphs);
}

std::optional<TableImportChoice> QtPlatform::ShowTableImportDialog(
    const TableImportRequest& request) {
  beforeModal();
  return TableImportDialog::Ask(dialogParent(), request);
}

std::optional<ExportChoice> QtPlatform::ShowExportDialog(const ExportChoice& initial) {
  beforeModal();
  return ExportDialog::Ask(dialogParent(), initial);
}

std::optional<int> QtPlatform::AskGlyphWidth(int current, int cellWidth) {
  beforeModal();
  return GlyphWidthDialog::Ask(dialogParent(), current, cellWidth);
}

std::optional<ProportionalChoice> QtPlatform::ShowProportionalDialog(
    const ProportionalChoice& initial, int cellWidth) {
  beforeModal();
  return ProportionalDialog::Ask(dialogParent(), initial, cellWidth);
}

std::string QtPlatform::DocumentsDirectory() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return (documents.isEmpty() ? QDir::homePath() : documents).toStdString();
}

bool QtPlatform::IsFolder(const std::string& path) { return QFileInfo(Q(path)).isDir(); }

bool QtPlatform::CanWriteFolder(const std::string& path) {
  const QFileInfo info(Q(path));
  return info.isDir() && info.isWritable();
}

std::optional<std::string> QtPlatform::ReadSetting(const std::string& key) {
  const QSettings settings;
  const QVariant value = settings.value(Q(key));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QtPlatform::WriteSetting(const std::string& key, const std::string& value) {
  QSettings settings;
  settings.setValue(Q(key), Q(value));
}

int QtPlatform::ScreenWidthPixels() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  // Without a screen there is nothing to shrink for.
  if (screen == nullptr) return static_cast<int>(kSmallScreenTwips / kTwipsPerPixel);
  return screen->geometry().width();
}

}  // namespace zg
