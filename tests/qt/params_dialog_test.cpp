#include "ui/qt/params_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <array>

#include "qt_test_support.h"
#include "ui/qt/grid_widget.h"
#include "ui/qt/main_window.h"
#include "ui/texts.h"

namespace zg {
namespace {

using testing::PaintedColor;
using testing::RecordingPlatform;
using testing::WhenModal;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// Picks item `index` of the size list the way a user does with the keyboard.
void PickSize(QComboBox& list, int index) {
  while (list.currentIndex() < index) QTest::keyClick(&list, Qt::Key_Down);
}

// A parameters dialog over its own copy of the main window's data.
struct DialogFixture {
  explicit DialogFixture(const char* mode) : form2(mode, platform) { form2.Load(); }
  RecordingPlatform platform;
  Form2 form2;
  std::string& tip = form2.tip;
  Layout Cell() const { return form2.choice() ? form2.choice()->layout : Layout{}; }
};

TEST(ParamsDialog, ShowsTheDesignedControlsInNewMode) {
  DialogFixture f("new");
  ParamsDialog dialog(f.form2);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), Q("Параметры создаваемого ЗГ:"));
  EXPECT_EQ(dialog.size(), QSize(298, 192));  // 4470 x 2880 twips
  EXPECT_EQ(dialog.confirmButton()->text(), Q("Создать"));
  EXPECT_EQ(dialog.confirmButton()->geometry(), QRect(104, 136, 97, 41));
  EXPECT_EQ(dialog.cancelButton()->text(), Q("Отмена"));
  EXPECT_EQ(dialog.cancelButton()->geometry(), QRect(12, 144, 57, 25));
  EXPECT_EQ(dialog.sizeList()->geometry(), QRect(80, 24, 97, 21));

  QComboBox& list = *dialog.sizeList();
  EXPECT_FALSE(list.isEditable());
  const char* const sizes[] = {"6 x 8",   "8 x 8",   "12 x 16", "16 x 16", "16 x 24",
                               "24 x 16", "24 x 24", "8 x 16",  "5 x 8",   "другой..."};
  ASSERT_EQ(list.count(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(list.itemText(i), Q(sizes[i]));
  EXPECT_FALSE(dialog.widthBox()->isVisible());
  EXPECT_EQ(list.currentIndex(), -1);
  EXPECT_TRUE(list.currentText().isEmpty());

  EXPECT_TRUE(dialog.verticalOption()->isChecked());
  EXPECT_TRUE(dialog.horizontalOption()->isVisible());
  EXPECT_FALSE(dialog.negativeBox()->isVisible());

  // Tab order: list, confirm, the two options, cancel, negative box.
  const QWidget* const order[] = {dialog.sizeList(),       dialog.confirmButton(),
                                  dialog.verticalOption(), dialog.horizontalOption(),
                                  dialog.cancelButton(),   dialog.negativeBox()};
  const QWidget* w = order[0];
  for (std::size_t i = 1; i < std::size(order); ++i) {
    do {
      w = w->nextInFocusChain();
    } while ((w->focusPolicy() & Qt::TabFocus) == 0);
    EXPECT_EQ(w, order[i]) << "tab stop " << i;
  }
}

TEST(ParamsDialog, SizesSteerTheScanOptions) {
  DialogFixture f("new");
  ParamsDialog dialog(f.form2);
  dialog.show();
  QComboBox& list = *dialog.sizeList();
  QTest::mouseClick(dialog.horizontalOption(), Qt::LeftButton);
  ASSERT_TRUE(dialog.horizontalOption()->isChecked());

  PickSize(list, 0);  // "6 x 8": vertical only
  EXPECT_EQ(list.currentText(), Q("6 x 8"));
  EXPECT_TRUE(dialog.verticalOption()->isChecked());
  EXPECT_FALSE(dialog.horizontalOption()->isVisible());
  PickSize(list, 1);  // "8 x 8": horizontal offered again, vertical kept
  EXPECT_TRUE(dialog.horizontalOption()->isVisible());
  EXPECT_TRUE(dialog.verticalOption()->isChecked());
  QTest::mouseClick(dialog.horizontalOption(), Qt::LeftButton);
  PickSize(list, 5);  // "24 x 16": vertical selected, horizontal still offered
  EXPECT_EQ(list.currentText(), Q("24 x 16"));
  EXPECT_TRUE(dialog.verticalOption()->isChecked());
  EXPECT_TRUE(dialog.horizontalOption()->isVisible());
  EXPECT_EQ(f.form2.frm, "24 x 16");

  // Another cell: its width and height, either scan.
  PickSize(list, 9);
  ASSERT_TRUE(dialog.widthBox()->isVisible());
  EXPECT_TRUE(dialog.horizontalOption()->isVisible());
  dialog.widthBox()->setValue(7);
  dialog.heightBox()->setValue(30);  // kept to the grid
  EXPECT_EQ(dialog.heightBox()->value(), 24);
  QTest::mouseClick(dialog.horizontalOption(), Qt::LeftButton);
  QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
  EXPECT_EQ(
      (std::array{f.Cell().width, f.Cell().height, f.Cell().Vert(), f.Cell().BytesPerGlyph()}),
      (std::array{7, 24, 0, 24}));
}

TEST(ParamsDialog, OnlyItsTwoButtonsCloseIt) {
  DialogFixture f("new");
  ParamsDialog dialog(f.form2);
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.close());
  EXPECT_TRUE(dialog.isVisible());

  // Confirming with no size picked only asks for one.
  QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(f.platform.messages.size(), 1U);
  const MessageRequest notice{text::kPickCellFormat, MsgButtons::Ok, MsgIcon::None,
                              text::kAppTitle};
  EXPECT_EQ(f.platform.messages[0], notice);

  QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(f.tip, "end");
}

TEST(ParamsDialog, LoadModeOffersTheNegativeBox) {
  DialogFixture f("load");
  ParamsDialog dialog(f.form2);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), Q("Параметры загружаемого ЗГ:"));
  EXPECT_EQ(dialog.confirmButton()->text(), Q("Загрузить"));
  QCheckBox& negative = *dialog.negativeBox();
  ASSERT_TRUE(negative.isVisible());
  QTest::mouseClick(&negative, Qt::LeftButton, {}, QPoint(4, negative.height() / 2));
  EXPECT_EQ(f.form2.state().check1Value, 1);
  PickSize(*dialog.sizeList(), 3);
  QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(f.form2.choice()->negative);
  EXPECT_EQ(f.tip, "load");
}

TEST(ParamsDialog, CreatesAFontThroughTheRealModalDialog) {
  RecordingPlatform platform;
  MainWindow window(platform);
  window.show();
  WhenModal([](QWidget* modal) {
    auto* dialog = qobject_cast<ParamsDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    PickSize(*dialog->sizeList(), 3);
    ASSERT_EQ(dialog->sizeList()->currentText(), Q("16 x 16"));
    QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
  });
  QTest::mouseClick(window.control(Ctl::Command1), Qt::LeftButton);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  const FontModel& model = window.form.model;
  ASSERT_EQ(model.ncol, 16);
  ASSERT_EQ(model.nstr, 16);
  EXPECT_EQ(model.vert, 1);
  EXPECT_EQ(model.cb, 32);
  EXPECT_TRUE(window.control(Ctl::Label19)->isVisible());

  // Row 9, column 3 of glyph 0: band 1, byte 16 + 3, bit 1.
  GridWidget& grid = *window.grid();
  const int box = 9 * 24 + 3;
  const QPoint centre = grid.boxRect(box).center();
  EXPECT_EQ(PaintedColor(grid, centre), QColor(255, 255, 255));
  QTest::mouseClick(&grid, Qt::LeftButton, {}, centre);
  EXPECT_EQ(model.glyphStore[19], 0x02);
  EXPECT_EQ(PaintedColor(grid, centre), QColor(0, 0, 255));
  QTest::mouseClick(&grid, Qt::LeftButton, {}, centre);
  EXPECT_EQ(model.glyphStore[19], 0x00);
  EXPECT_EQ(PaintedColor(grid, centre), QColor(255, 255, 255));

  // The bottom-right box of the cell is in the margin: red when on.
  const QPoint corner = grid.boxRect(15 * 24 + 15).center();
  EXPECT_EQ(PaintedColor(grid, corner), QColor(255, 255, 0));
  QTest::mouseClick(&grid, Qt::LeftButton, {}, corner);
  EXPECT_EQ(PaintedColor(grid, corner), QColor(255, 0, 0));
  EXPECT_EQ(model.glyphStore[16 + 15], 0x80);
}

}  // namespace
}  // namespace zg
