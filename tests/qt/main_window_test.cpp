#include "ui/qt/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "cells.h"
#include "dialog_scripts.h"
#include "qt_test_support.h"
#include "ui/qt/grid_widget.h"
#include "ui/qt/symbol_table_widget.h"
#include "ui/texts.h"

namespace zg {
namespace {

using testing::PaintedColor;
using testing::RecordingPlatform;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// Picks `size` in a scripted parameters dialog and confirms it.
using testing::PickSize;

QPoint CentreOf(const BoxArrayWidget& boxes, int i) { return boxes.boxRect(i).center(); }

// The rectangle of a control in the window's coordinates.
QRect InWindow(const MainWindow& window, const QWidget& w) {
  return QRect(w.mapTo(window.canvas(), QPoint(0, 0)), w.size());
}

TEST(MainWindow, ControlsSitWhereTheDesignedLayoutPutsThem) {
  RecordingPlatform platform;
  MainWindow window(platform);
  EXPECT_EQ(window.windowTitle(), Q("Редактор знакогенератора"));
  EXPECT_EQ(window.canvas()->size(), QSize(843, 529));  // 12645 x 7935 twips
  EXPECT_EQ(window.minimumSize(), window.maximumSize());

  EXPECT_EQ(window.control(Ctl::Command1)->geometry(), QRect(28, 420, 97, 41));
  EXPECT_EQ(window.control(Ctl::Frame2)->geometry(), QRect(143, 413, 305, 105));
  // Inside the frame, positions are the frame's own.
  QWidget* combo2 = window.control(Ctl::Combo2);
  EXPECT_EQ(combo2->parentWidget(), window.control(Ctl::Frame2));
  EXPECT_EQ(combo2->geometry(), QRect(10, 64, 81, 22));
  EXPECT_EQ(InWindow(window, *window.control(Ctl::Check1)), QRect(344, 438, 86, 24));

  // Label4, the heading of the row 20h, and the column heading "F   ".
  ASSERT_EQ(window.headings().size(), 30U);
  EXPECT_EQ(window.headings()[16]->text(), Q("20h"));
  EXPECT_EQ(window.headings()[16]->geometry(), QRect(16, 56, 25, 17));
  EXPECT_EQ(window.headings()[15]->text(), Q("F   "));
  EXPECT_EQ(window.headings()[15]->geometry(), QRect(409, 30, 25, 16));

  const GridWidget& grid = *window.grid();
  EXPECT_EQ(QRect(grid.mapTo(window.canvas(), grid.boxRect(0).topLeft()), grid.boxRect(0).size()),
            QRect(476, 49, 15, 15));
  EXPECT_EQ(grid.boxRect(575).bottomRight() - grid.boxRect(0).topLeft(), QPoint(336, 336));
  const SymbolTableWidget& symbols = *window.symbolTable();
  EXPECT_EQ(QRect(symbols.mapTo(window.canvas(), symbols.boxRect(17).topLeft()), QSize(25, 25)),
            QRect(72, 72, 25, 25));
  EXPECT_EQ(symbols.boxRect(17).size(), QSize(25, 25));
}

TEST(MainWindow, ShrinksOnScreensNarrowerThan1440Pixels) {
  RecordingPlatform platform;
  platform.screenWidthPixels = 1280;
  MainWindow window(platform);
  EXPECT_EQ(window.canvas()->size(), QSize(731, 450));  // width * 0.85 * 1.02, height * 0.85
  EXPECT_EQ(window.control(Ctl::Command1)->geometry(), QRect(24, 357, 82, 35));
  const SymbolTableWidget& symbols = *window.symbolTable();
  // Symbol box 17 moves to (918, 918) twips and becomes 318.75 twips square.
  EXPECT_EQ(QRect(symbols.mapTo(window.canvas(), symbols.boxRect(17).topLeft()),
                  symbols.boxRect(17).size()),
            QRect(61, 61, 21, 21));
}

TEST(MainWindow, StartsWithNoFont) {
  RecordingPlatform platform;
  MainWindow window(platform);
  for (const ControlSpec& design : DesignedControls()) {
    const bool expected = design.id == Ctl::Command1 || design.id == Ctl::Command2 ||
                          design.id == Ctl::Label2 || design.id == Ctl::Label3 ||
                          design.id == Ctl::Label18;
    EXPECT_EQ(window.control(design.id)->isVisibleTo(&window), expected) << design.name;
  }
  auto* combo1 = qobject_cast<QComboBox*>(window.control(Ctl::Combo1));
  auto* combo2 = qobject_cast<QComboBox*>(window.control(Ctl::Combo2));
  ASSERT_TRUE(combo1 && combo2);
  EXPECT_EQ(combo1->currentText(), Q("Data code"));
  EXPECT_EQ(combo2->currentText(), Q("&hNN"));
  EXPECT_EQ(combo1->count(), 3);
  EXPECT_EQ(combo2->itemText(4), Q("NNh"));
  EXPECT_EQ(qobject_cast<QLabel*>(window.control(Ctl::Label18))->text(), Q(text::kCredit));

  // The symbol boxes are locked: a click selects nothing.
  window.show();
  const FontModel before = window.form.model;
  QTest::mouseClick(window.symbolTable(), Qt::LeftButton, {}, CentreOf(*window.symbolTable(), 33));
  EXPECT_EQ(window.form.model, before);
  EXPECT_EQ(window.symbolTable()->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(window.grid()->cursor().shape(), Qt::ArrowCursor);
}

TEST(MainWindow, ControlsHiddenAtStartAreMadeOnceShownAndStackAsDesigned) {
  RecordingPlatform platform;
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  MainWindow window(platform);
  window.show();
  // The first frame shows two buttons and labels; the rest is made later.
  EXPECT_TRUE(window.canvas()->findChildren<QComboBox*>().isEmpty());
  QTest::mouseClick(window.control(Ctl::Command1), Qt::LeftButton);
  EXPECT_EQ(window.canvas()->findChildren<QComboBox*>().size(), 2);
  // The save button and the negative box lie over the output frame.
  for (const Ctl c : {Ctl::Command5, Ctl::Check1}) {
    QWidget* control = window.control(c);
    EXPECT_TRUE(control->isVisible()) << DesignedControl(c).name;
    const QPoint centre = control->mapTo(window.canvas(), control->rect().center());
    EXPECT_EQ(window.canvas()->childAt(centre), control) << DesignedControl(c).name;
  }
}

TEST(MainWindow, ClicksOnTheBoxesReachTheLogic) {
  RecordingPlatform platform;
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  MainWindow window(platform);
  window.show();
  QTest::mouseClick(window.control(Ctl::Command1), Qt::LeftButton);
  ASSERT_EQ(window.form.model.ncol, 8);
  EXPECT_TRUE(window.control(Ctl::Frame2)->isVisible());
  EXPECT_TRUE(window.control(Ctl::Command10)->isVisible());
  EXPECT_EQ(qobject_cast<QLabel*>(window.control(Ctl::Label19))->text(),
            Q("Шрифт 8 x 8 вертикальный  "));

  // Symbol 1, then box 26 (row 1, column 2): bit 1 of the glyph's byte 2.
  QTest::mouseClick(window.symbolTable(), Qt::LeftButton, {}, CentreOf(*window.symbolTable(), 1));
  EXPECT_EQ(window.form.model.simb, 1);
  EXPECT_EQ(PaintedColor(*window.symbolTable(), CentreOf(*window.symbolTable(), 1) + QPoint(9, 9)),
            QColor(255, 0, 0));
  GridWidget& grid = *window.grid();
  QCoreApplication::processEvents();
  testing::PaintCounter gridPaints(grid);
  QTest::mouseClick(&grid, Qt::LeftButton, {}, CentreOf(grid, 26));
  QCoreApplication::processEvents();
  EXPECT_EQ(gridPaints.paints, 1);  // the change is shown by one repaint
  EXPECT_EQ(window.form.model.glyphStore[8 + 2], 0x02);
  EXPECT_EQ(window.form.model.nosave, 1);
  EXPECT_EQ(PaintedColor(grid, CentreOf(grid, 26)), QColor(0, 0, 255));

  // Box 8 lies outside the 8 x 8 cell: hidden, so the click changes nothing.
  const FontModel before = window.form.model;
  QTest::mouseClick(&grid, Qt::LeftButton, {}, CentreOf(grid, 8));
  EXPECT_EQ(window.form.model, before);
  EXPECT_EQ(PaintedColor(grid, CentreOf(grid, 8)), window.palette().color(QPalette::Window));

  // The right button clears.
  QTest::mouseClick(&grid, Qt::RightButton, {}, CentreOf(grid, 26));
  EXPECT_EQ(window.form.model.glyphStore[8 + 2], 0x00);
  EXPECT_EQ(PaintedColor(grid, CentreOf(grid, 26)), QColor(255, 255, 255));
}

TEST(MainWindow, ADragPaintsEveryBoxOnItsWayAsOneUndoStep) {
  RecordingPlatform platform;
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  MainWindow window(platform);
  window.show();
  QTest::mouseClick(window.control(Ctl::Command1), Qt::LeftButton);
  GridWidget& grid = *window.grid();
  // From row 0, column 0 to row 3, column 6 in one fast move.
  QTest::mousePress(&grid, Qt::LeftButton, {}, CentreOf(grid, 0));
  QTest::mouseMove(&grid, CentreOf(grid, 3 * 24 + 6));
  QTest::mouseRelease(&grid, Qt::LeftButton, {}, CentreOf(grid, 3 * 24 + 6));
  EXPECT_EQ(GlyphPicture(window.form.model.glyphStore, 0, 8, test::Cell(8, 8, 1)),
            "##......\n"
            "..##....\n"
            "....##..\n"
            "......#.\n"
            "........\n........\n........\n........\n");
  EXPECT_EQ(window.action(MenuCommand::Undo)->text(), Q("Отменить: рисование"));
  window.action(MenuCommand::Undo)->trigger();
  EXPECT_EQ(
      std::count(window.form.model.glyphStore.begin(), window.form.model.glyphStore.begin() + 8, 0),
      8);
}

TEST(MainWindow, ButtonsCheckBoxAndCombosFeedTheLogic) {
  RecordingPlatform platform;
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  MainWindow window(platform);
  window.show();
  QTest::mouseClick(window.control(Ctl::Command1), Qt::LeftButton);
  GridWidget& grid = *window.grid();
  QTest::mouseClick(&grid, Qt::LeftButton, {}, CentreOf(grid, 0));
  ASSERT_EQ(window.form.model.glyphStore[0], 0x01);

  // Shift right, then erase after a Yes.
  QTest::mouseClick(window.control(Ctl::Command9), Qt::LeftButton);
  EXPECT_EQ(window.form.model.glyphStore[1], 0x01);
  EXPECT_EQ(PaintedColor(grid, CentreOf(grid, 1)), QColor(0, 0, 255));
  platform.answers = {MsgAnswer::Yes};
  QTest::mouseClick(window.control(Ctl::Command3), Qt::LeftButton);
  EXPECT_EQ(window.form.model.glyphStore[1], 0x00);
  EXPECT_EQ(PaintedColor(grid, CentreOf(grid, 1)), QColor(255, 255, 255));
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0].text, text::kEraseCell);

  auto* check1 = qobject_cast<QCheckBox*>(window.control(Ctl::Check1));
  QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(4, check1->height() / 2));
  EXPECT_EQ(window.form.window.check1Value, 1);
  EXPECT_EQ(window.form.model.pos, 0);
  QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(check1->width() - 4, check1->height() / 2));
  EXPECT_EQ(window.form.window.check1Value, 0);
  EXPECT_EQ(window.form.model.pos, -1);
  // The logic setting the box shows at once.
  window.run([&] { window.form.setCheck1(1); });
  EXPECT_TRUE(check1->isChecked());

  auto* combo1 = qobject_cast<QComboBox*>(window.control(Ctl::Combo1));
  auto* combo2 = qobject_cast<QComboBox*>(window.control(Ctl::Combo2));
  combo1->setCurrentIndex(1);
  EXPECT_EQ(window.form.window.combo1Text, ".Db code");
  combo2->lineEdit()->clear();
  QTest::keyClicks(combo2->lineEdit(), "0xNN");
  EXPECT_EQ(window.form.window.combo2Text, "0xNN");
  EXPECT_EQ(combo2->count(), 5);  // typing adds no item
}

TEST(MainWindow, CombosKeepExactlyWhatWasTyped) {
  RecordingPlatform platform;
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  MainWindow window(platform);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::mouseClick(window.control(Ctl::Command1), Qt::LeftButton);  // shows the output frame
  auto* combo1 = qobject_cast<QComboBox*>(window.control(Ctl::Combo1));
  auto* combo2 = qobject_cast<QComboBox*>(window.control(Ctl::Combo2));
  // Each text differs from an item only in letter case, or begins one.
  const auto type = [](QComboBox* combo, const char* typed) {
    combo->setFocus(Qt::TabFocusReason);
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), typed);
  };
  type(combo1, "data code");
  type(combo2, "0XNN");  // takes the focus from combo1
  window.control(Ctl::Check1)->setFocus();
  EXPECT_EQ(window.form.window.combo1Text, "data code");
  EXPECT_EQ(window.form.window.combo2Text, "0XNN");

  type(combo1, "Data");
  QTest::keyClick(combo1->lineEdit(), Qt::Key_Return);
  window.control(Ctl::Check1)->setFocus();
  EXPECT_EQ(window.form.window.combo1Text, "Data");
}

TEST(MainWindow, AsksBeforeClosingOnlyWithUnsavedChanges) {
  RecordingPlatform platform;
  platform.dialogScripts.push_back(PickSize("8 x 8"));
  {
    MainWindow window(platform);
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(platform.messages.empty());
  }
  MainWindow window(platform);
  window.show();
  QTest::mouseClick(window.control(Ctl::Command1), Qt::LeftButton);
  QTest::mouseClick(window.grid(), Qt::LeftButton, {}, CentreOf(*window.grid(), 25));
  ASSERT_EQ(window.form.model.nosave, 1);

  platform.answers = {MsgAnswer::No};
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  ASSERT_EQ(platform.messages.size(), 1U);
  const MessageRequest question{text::kUnsavedOnClose, MsgButtons::YesNo, MsgIcon::Warning,
                                text::kAttention};
  EXPECT_EQ(platform.messages[0], question);

  platform.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(platform.messages.size(), 2U);
}

}  // namespace
}  // namespace zg
