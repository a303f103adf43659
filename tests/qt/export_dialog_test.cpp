#include "ui/qt/export_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

namespace zg {
namespace {

// The dialog shows the choice it is given and returns what the user set; the
// layout is offered for the font source and the C header only.
TEST(ExportDialog, TheLayoutOfTheWrittenGlyphsIsChosenForTablesOnly) {
  ExportChoice initial{OutputFormat::FontSource};
  initial.scan = Scan::Horizontal;
  initial.msbFirst = false;
  initial.bandOrder = BandOrder::Columns;
  initial.fullTable = true;
  ExportDialog dialog(initial, nullptr);
  EXPECT_EQ(dialog.choice(), initial);
  EXPECT_EQ(dialog.scanBox()->currentText(), QString::fromUtf8("горизонтальная"));
  EXPECT_EQ(dialog.bitOrderBox()->currentText(),
            QString::fromUtf8("бит 0 — верхняя или левая точка"));

  dialog.formatBox()->setCurrentIndex(1);  // BDF: its own layout
  EXPECT_FALSE(dialog.scanBox()->isEnabled());
  EXPECT_FALSE(dialog.fullTableBox()->isEnabled());
  dialog.formatBox()->setCurrentIndex(0);  // C header
  EXPECT_TRUE(dialog.bandOrderBox()->isEnabled());
  dialog.scanBox()->setCurrentIndex(0);
  dialog.bitOrderBox()->setCurrentIndex(2);
  dialog.bandOrderBox()->setCurrentIndex(0);
  dialog.fullTableBox()->setChecked(false);
  ExportChoice want{OutputFormat::CHeader};
  want.msbFirst = true;
  EXPECT_EQ(dialog.choice(), want);
}

}  // namespace
}  // namespace zg
