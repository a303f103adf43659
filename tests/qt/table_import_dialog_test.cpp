#include "ui/qt/table_import_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "qt_test_support.h"
#include "table_samples.h"
#include "ui/qt/table_preview_widget.h"

namespace zg {
namespace {

using testing::PaintedColor;

// Glyph `code` of the table as the dialog paints it: '#' where the screen
// shows a black pixel.
std::string Painted(TablePreviewWidget& preview, int code) {
  const TablePreview& p = preview.preview();
  std::string picture;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      const QRect r = preview.pixelRect(code - p.firstCode, x, y);
      picture += PaintedColor(preview, r.center()) == QColor(Qt::black) ? '#' : '.';
    }
    picture += '\n';
  }
  return picture;
}

TableImportRequest Request(const TableLayout& table) {
  return MakeTableRequest({{"font", test::DrawnTable(table, 96)}});
}

// It opens with the layout found and its name, and paints the table.
TEST(TableImportDialog, OpensWithTheLayoutFound) {
  Layout columns = Layout::Classic(8, 16, Scan::Vertical);
  columns.bandOrder = BandOrder::Columns;
  const TableLayout table = TableLayout::Plain(columns);
  TableImportDialog dialog(Request(table));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.foundLabel()->text().toStdString(),
            "Найдено: 8 x 16, столбцы, младший бит сверху, столбец за столбцом, первый код 20h");
  EXPECT_EQ(dialog.choice(), (TableImportChoice{0, table}));
  EXPECT_EQ(dialog.bandOrderBox()->currentText().toStdString(), "столбец за столбцом");
  EXPECT_EQ(dialog.firstCodeBox()->text().toStdString(), "20h");
  EXPECT_EQ(Painted(*dialog.preview(), 'T'),
            ".#####..\n.#####..\n"
            "...#....\n...#....\n...#....\n...#....\n...#....\n...#....\n"
            "...#....\n...#....\n...#....\n...#....\n...#....\n...#....\n"
            "........\n........\n");
}

// Every option redraws the table at once; an impossible layout disables OK.
TEST(TableImportDialog, OptionsRedrawAndTheChoiceFollows) {
  const TableLayout table = TableLayout::Plain(Layout::Classic(6, 8, Scan::Vertical));
  TableImportDialog dialog(Request(table));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const std::string L = "#.....\n#.....\n#.....\n#.....\n#.....\n#.....\n#####.\n......\n";
  EXPECT_EQ(Painted(*dialog.preview(), 'L'), L);

  dialog.bitOrderBox()->setCurrentIndex(1);  // top pixel in bit 7: upside down
  EXPECT_EQ(Painted(*dialog.preview(), 'L'),
            "......\n#####.\n#.....\n#.....\n#.....\n#.....\n#.....\n#.....\n");
  EXPECT_EQ(dialog.bitOrderBox()->currentText().toStdString(), "старший бит сверху");
  dialog.bitOrderBox()->setCurrentIndex(0);
  dialog.firstCodeBox()->setValue(0x21);  // every glyph one code later
  EXPECT_EQ(Painted(*dialog.preview(), 'M'), L);

  QTest::keyClick(dialog.widthBox(), Qt::Key_Return);  // no change, no new stride
  EXPECT_EQ(dialog.strideBox()->value(), 6);
  dialog.widthBox()->setValue(8);  // the stride follows the cell
  EXPECT_EQ(dialog.strideBox()->value(), 8);
  dialog.offsetBox()->setValue(1);  // a width byte: the stride grows by one
  EXPECT_EQ(dialog.strideBox()->value(), 9);
  dialog.strideBox()->setValue(1);  // no byte of the glyph left after the offset
  EXPECT_FALSE(dialog.choice());
  EXPECT_FALSE(dialog.importButton()->isEnabled());
  EXPECT_EQ(dialog.messageLabel()->text().toStdString(), "Такая раскладка невозможна.");
  dialog.offsetBox()->setValue(0);
  dialog.widthBox()->setValue(6);
  dialog.strideBox()->setValue(6);
  dialog.negativeBox()->setChecked(true);
  EXPECT_EQ(dialog.choice(), (TableImportChoice{0, {table.layout, 0x21, 0, 6, 0, true}}));
  EXPECT_TRUE(dialog.importButton()->isEnabled());
}

}  // namespace
}  // namespace zg
