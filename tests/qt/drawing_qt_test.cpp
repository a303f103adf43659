// The real window: the clipboard through QClipboard, the keyboard on the
// symbol table, and the preview following an edit.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include "dialog_scripts.h"
#include "model/codec.h"
#include "qt_test_support.h"
#include "ui/qt/grid_widget.h"
#include "ui/qt/main_window.h"
#include "ui/qt/preview_window.h"
#include "ui/qt/symbol_table_widget.h"

namespace zg {
namespace {

struct Window {
  testing::RecordingPlatform platform;
  MainWindow window{platform};
  explicit Window(const char* size) {
    platform.dialogScripts.push_back(testing::PickSize(size));
    window.show();
    window.action(MenuCommand::Create)->trigger();
    window.symbolTable()->setFocus();
  }
  void Click(int box) {
    QTest::mouseClick(window.grid(), Qt::LeftButton, {}, window.grid()->boxRect(box).center());
  }
  // Queues a mouse event for the grid at the centre of `box`, as the platform
  // does while the program is busy.
  void Post(QEvent::Type type, int box, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF at = window.grid()->boxRect(box).center();
    QCoreApplication::postEvent(
        window.grid(),
        new QMouseEvent(type, at, window.grid()->mapToGlobal(at), button, held, Qt::NoModifier));
  }
  std::string Shown() const {
    const FontModel& m = window.form.model;
    return GlyphPicture(m.glyphStore, m.sb, m.cb, LayoutOf(m));
  }
};

TEST(DrawingQt, CopyAndPasteThroughTheSystemClipboard) {
  Window w("8 x 8");
  w.window.form.text1Click(1);
  w.Click(0);
  w.Click(25);
  w.window.action(MenuCommand::Copy)->trigger();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasFormat(QStringLiteral("application/x-zgedit-glyph")));
  EXPECT_EQ(data->text(), QStringLiteral("Data &h01,&h02,&h00,&h00,&h00,&h00,&h00,&h00\r\n"));
  w.window.form.text1Click(5);
  w.window.action(MenuCommand::Paste)->trigger();
  EXPECT_EQ(w.window.form.model.glyphStore[5 * 8], 0x01);
  EXPECT_EQ(w.window.form.model.glyphStore[5 * 8 + 1], 0x02);
  EXPECT_EQ(testing::PaintedColor(*w.window.grid(), w.window.grid()->boxRect(25).center()),
            QColor(0, 0, 255));
}

TEST(DrawingQt, AStrokeThereAndBackInOneBurstPaintsTheFarEnd) {
  Window w("8 x 8");
  w.window.form.text1Click(1);
  // As on X11, where the platform keeps only the last of a burst of moves.
  const bool before = QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents);
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, true);
  w.Post(QEvent::MouseButtonPress, 0, Qt::LeftButton, Qt::LeftButton);
  for (const int box : {3, 6, 7, 6, 3, 1})
    w.Post(QEvent::MouseMove, box, Qt::NoButton, Qt::LeftButton);
  QCoreApplication::processEvents();
  const bool compressedInStroke =
      QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents);
  w.Post(QEvent::MouseButtonRelease, 1, Qt::LeftButton, Qt::NoButton);
  QCoreApplication::processEvents();
  const bool compressedAfter = QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents);
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, before);

  EXPECT_EQ(w.Shown(),
            "########\n........\n........\n........\n........\n........\n........\n........\n");
  EXPECT_FALSE(compressedInStroke) << "every position of the stroke reaches the grid";
  EXPECT_TRUE(compressedAfter) << "hovering and window moves are compressed again";
}

TEST(DrawingQt, KeysMoveTheCurrentSymbolAndTypedLettersSelectTheirs) {
  Window w("8 x 8");
  QWidget* table = w.window.symbolTable();
  QTest::keyClick(table, Qt::Key_Right);
  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_EQ(w.window.form.model.simb, 17);
  QTest::keyClick(table, Qt::Key_End);
  EXPECT_EQ(w.window.form.model.simb, 223);
  QKeyEvent ya(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("Я"));
  QApplication::sendEvent(table, &ya);
  EXPECT_EQ(w.window.form.model.simb, 0xDF - 0x20);
  QTest::keyClicks(table, QStringLiteral("z"));
  EXPECT_EQ(w.window.form.model.simb, 'z' - 0x20);
}

TEST(DrawingQt, TheCodePageMenuRelabelsTheTable) {
  Window w("8 x 8");
  EXPECT_EQ(w.window.symbolTable()->text(0xC0 - 0x20), QStringLiteral("А"));
  const FontDocument before = w.window.form.Document();
  w.window.action(MenuCommand::CodePage2)->trigger();  // Windows-1252
  EXPECT_EQ(w.window.symbolTable()->text(0xC0 - 0x20), QStringLiteral("À"));
  EXPECT_TRUE(w.window.action(MenuCommand::CodePage2)->isChecked());
  EXPECT_FALSE(w.window.action(MenuCommand::CodePage0)->isChecked());
  EXPECT_EQ(w.window.form.Document(), before);
}

TEST(DrawingQt, ThePreviewFollowsEveryEdit) {
  Window w("8 x 8");
  w.window.action(MenuCommand::Preview)->trigger();
  PreviewWindow* preview = w.window.preview();
  ASSERT_NE(preview, nullptr);
  preview->textEdit()->setText(QStringLiteral("!"));
  const PreviewImage empty = preview->render();
  w.window.form.text1Click(1);
  w.Click(0);
  EXPECT_NE(preview->render(), empty) << "the lit pixel of '!' shows at once";
}

}  // namespace
}  // namespace zg
