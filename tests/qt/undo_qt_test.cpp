// The real window after a failed import, and undo from the keyboard.

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "qt_test_support.h"
#include "ui/qt/grid_widget.h"
#include "ui/qt/main_window.h"

namespace zg {
namespace {

using testing::PaintedColor;

class ImportingPlatform : public testing::RecordingPlatform {
 public:
  std::optional<std::string> path;
  std::optional<std::string> OpenFileDialog(const OpenDialogRequest&) override { return path; }
};

QPoint Centre(const GridWidget& grid, int box) { return grid.boxRect(box).center(); }

TEST(UndoQt, AFailedImportKeepsTheGridOnTheFontBeingEdited) {
  ImportingPlatform platform;
  platform.dialogScripts.push_back([](Form2& d) {
    d.Combo1Click("24 x 24");
    d.Command1Click();
  });
  MainWindow window(platform);
  window.show();
  QTest::mouseClick(window.control(Ctl::Command1), Qt::LeftButton);
  GridWidget& grid = *window.grid();
  QTest::mouseClick(&grid, Qt::LeftButton, {}, Centre(grid, 23 * 24 + 23));  // bottom right

  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("Font08x08vp.fnt"));
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write("/* never closed\r\n");
  out.close();
  platform.path = file.toStdString();
  platform.answers = {MsgAnswer::Yes};  // the font is unsaved
  const FontModel before = window.form.model;
  window.run([&] { window.form.command2Click(); });
  ASSERT_EQ(platform.messages.size(), 2U);
  EXPECT_EQ(window.form.model, before);
  EXPECT_EQ(PaintedColor(grid, Centre(grid, 23 * 24 + 23)), QColor(255, 0, 0))
      << "the 24 x 24 glyph's corner pixel, in the margin";
  EXPECT_EQ(PaintedColor(grid, Centre(grid, 22 * 24 + 10)), QColor(255, 255, 0));

  QTest::mouseClick(&grid, Qt::LeftButton, {}, Centre(grid, 12 * 24 + 12));
  EXPECT_EQ(window.form.model.glyphStore[12 + 24], 0x10) << "row 12 is bit 4 of band 1";
  EXPECT_EQ(PaintedColor(grid, Centre(grid, 12 * 24 + 12)), QColor(0, 0, 255));
}

TEST(UndoQt, CtrlZAndCtrlYFromTheKeyboard) {
  testing::RecordingPlatform platform;
  platform.dialogScripts.push_back([](Form2& d) {
    d.Combo1Click("8 x 8");
    d.Command1Click();
  });
  MainWindow window(platform);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_FALSE(window.action(MenuCommand::Save)->isEnabled());
  EXPECT_FALSE(window.action(MenuCommand::Undo)->isEnabled());
  QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(window.form.model.ncol, 8);
  EXPECT_TRUE(window.action(MenuCommand::Save)->isEnabled());
  GridWidget& grid = *window.grid();
  QTest::mouseClick(&grid, Qt::LeftButton, {}, Centre(grid, 0));
  EXPECT_EQ(window.action(MenuCommand::Undo)->text(), QStringLiteral("Отменить: изменение точки"));
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window.form.model.glyphStore[0], 0x00);
  EXPECT_EQ(PaintedColor(grid, Centre(grid, 0)), QColor(255, 255, 255));
  QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(window.form.model.glyphStore[0], 0x01);
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(window.form.model.glyphStore[0], 0x01);
  EXPECT_EQ(PaintedColor(grid, Centre(grid, 0)), QColor(0, 0, 255));
}

}  // namespace
}  // namespace zg
