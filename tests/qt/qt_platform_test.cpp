#include "ui/qt/qt_platform.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <array>
#include <span>

#include "fontfile/byte_source.h"
#include "qt_test_support.h"
#include "ui/texts.h"

namespace zg {
namespace {

using testing::WhenModal;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

std::string ReadAll(ByteSource& source) {
  std::string out;
  std::array<char, 7> block{};  // small, so the file takes several reads
  for (;;) {
    const ByteChunk chunk = source.Read(block);
    EXPECT_FALSE(chunk.failure.has_value());
    if (chunk.count == 0) return out;
    out.append(block.data(), chunk.count);
  }
}

TEST(QtPlatform, ReplacesFilesAndReadsThemBack) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string path = dir.filePath(Q("Font08x08vp.fnt")).toStdString();
  QtPlatform platform;

  const std::string first = "Data &h00,&hFF\r\nData &h7E\r\n\xC0\xFF";
  EXPECT_FALSE(platform.ReplaceFile(path, first).has_value());
  FileError error;
  auto source = platform.OpenForReading(path, error);
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(ReadAll(*source), first);

  const std::string second = "Data &h01\r\n";
  EXPECT_FALSE(platform.ReplaceFile(path, second).has_value());
  source = platform.OpenForReading(path, error);
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(ReadAll(*source), second);  // replaced entirely, not overwritten in place
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind
}

TEST(QtPlatform, FileFailuresCarryADescription) {
  QTemporaryDir dir;
  QtPlatform platform;
  const std::string missing = dir.filePath(Q("нет/Font08x08vp.fnt")).toStdString();
  FileError error;
  EXPECT_EQ(platform.OpenForReading(missing, error), nullptr);
  EXPECT_FALSE(error.description.empty());
  const auto failed = platform.ReplaceFile(missing, "Data &h00\r\n");
  ASSERT_TRUE(failed.has_value());
  EXPECT_FALSE(failed->description.empty());
  EXPECT_EQ(platform.ApplicationDirectory(), QCoreApplication::applicationDirPath().toStdString());
}

TEST(QtPlatform, MessageBoxShowsTheRequest) {
  QtPlatform platform;
  WhenModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), Q("Внимание!"));
    EXPECT_EQ(box->text(), Q("Первая строка\nвторая"));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), Q("Да"));
    EXPECT_EQ(box->button(QMessageBox::No)->text(), Q("Нет"));
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(platform.ShowMessage(
                {"Первая строка\rвторая", MsgButtons::YesNo, MsgIcon::Warning, text::kAttention}),
            MsgAnswer::No);

  WhenModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(platform.ShowMessage({"Готово", MsgButtons::Ok, MsgIcon::None, text::kAppTitle}),
            MsgAnswer::Ok);
}

TEST(QtPlatform, FileDialogsTakeTheRequestAndReportCancelling) {
  QTemporaryDir dir;
  const QString initial = dir.path();
  QtPlatform platform;

  WhenModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), Q(text::kSaveTitle));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(initial).absolutePath());
    // Qt collapses the blank the description ends with and the one before the pattern.
    EXPECT_EQ(dialog->nameFilters(), QStringList{Q("Знакогенератор (*.fnt)")});
    EXPECT_EQ(dialog->labelText(QFileDialog::Accept), Q("Сохранить"));
    EXPECT_EQ(dialog->labelText(QFileDialog::FileName), Q("Имя файла:"));
    ASSERT_EQ(dialog->selectedFiles().size(), 1);
    EXPECT_EQ(QFileInfo(dialog->selectedFiles().first()).fileName(), Q("Font16x16vp"));
    static_cast<QDialog*>(dialog)->accept();  // as the Save button does
  });
  const auto saved = platform.SaveFileDialog(
      {initial.toStdString(), text::kSaveFilter, "Font16x16vp", text::kSaveTitle, true});
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(*saved, QDir(initial).filePath(Q("Font16x16vp")).toStdString());  // no suffix added

  WhenModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->nameFilters().size(), 3);
    EXPECT_EQ(dialog->labelText(QFileDialog::Accept), Q("Открыть"));
    dialog->reject();
  });
  EXPECT_FALSE(
      platform.OpenFileDialog({initial.toStdString(), text::kOpenFilter, text::kOpenTitle, true})
          .has_value());
}

TEST(QtPlatform, SaveDialogAsksBeforeReplacingAFile) {
  QTemporaryDir dir;
  const QString existing = dir.filePath(Q("Font08x08vp"));
  QtPlatform platform;
  ASSERT_FALSE(platform.ReplaceFile(existing.toStdString(), "old").has_value());
  const SaveDialogRequest request{dir.path().toStdString(), text::kSaveFilter, "Font08x08vp",
                                  text::kSaveTitle, true};

  // Answer the question with `answer`; report whether the dialog then closed.
  const auto saveOver = [&](QMessageBox::StandardButton answer) {
    int questions = 0;
    bool closed = false;
    WhenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      WhenModal([&](QWidget* question) {
        auto* box = qobject_cast<QMessageBox*>(question);
        ASSERT_NE(box, nullptr);
        ++questions;
        EXPECT_EQ(box->text(), Q("Файл «Font08x08vp» уже существует.\nЗаменить его?"));
        box->button(answer)->click();
      });
      static_cast<QDialog*>(dialog)->accept();
      closed = !dialog->isVisible();
      if (!closed) dialog->reject();
    });
    const auto path = platform.SaveFileDialog(request);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(path.has_value(), closed);
    return path;
  };
  EXPECT_FALSE(saveOver(QMessageBox::No).has_value());
  EXPECT_EQ(saveOver(QMessageBox::Yes), existing.toStdString());
}

}  // namespace
}  // namespace zg
