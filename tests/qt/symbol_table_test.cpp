#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <algorithm>

#include "qt_test_support.h"
#include "ui/form1.h"
#include "ui/qt/main_window.h"
#include "ui/qt/symbol_table_widget.h"
#include "ui/qt/window_font.h"

namespace zg {
namespace {

using testing::RecordingPlatform;

bool Blank(const QImage& painted, const QRect& box) {
  const QRect inside = box.adjusted(1, 1, -1, -1);
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (painted.pixelColor(x, y) != QColor(Qt::white)) return false;
  return true;
}

// Where the window's own face lacks a character, Qt searches every installed
// font for one that has it, which costs start-up time and memory. So a box
// shows its character from that face, and a code with no character (a
// control character, or one the code page leaves undefined) leaves its box blank.
TEST(SymbolTable, DrawsEveryCharacterFromTheWindowFaceAndNothingForCodesWithout) {
  RecordingPlatform platform;
  MainWindow window(platform);
  auto& table = *window.findChild<SymbolTableWidget*>();
  const QImage painted = table.grab().toImage();
  const auto faceAlone = [](QFont font) {
    font.setStyleStrategy(QFont::NoFontMerging);
    return QFontMetrics(font);
  };
  const QFontMetrics normal = faceAlone(WindowFont(kNormalFontSize));
  const QFontMetrics edited = faceAlone(WindowFont(kEditedFontSize, true));
  int blanks = 0;
  for (int i = 0; i < kSymbolCount; ++i) {
    const QString text = QString::fromStdString(Form1::SymbolText(i));
    const bool printable = std::any_of(text.begin(), text.end(), [](QChar c) {
      return c.isPrint() && c != QChar::ReplacementCharacter;
    });
    if (!printable) {
      EXPECT_TRUE(Blank(painted, table.boxRect(i))) << "code " << std::hex << kFirstCode + i;
      ++blanks;
      continue;
    }
    for (const char32_t c : text.toUcs4()) {
      EXPECT_TRUE(normal.inFontUcs4(c)) << "code " << std::hex << kFirstCode + i;
      EXPECT_TRUE(edited.inFontUcs4(c)) << "code " << std::hex << kFirstCode + i;
    }
  }
  EXPECT_GE(blanks, 2);  // 7Fh, a control character, and 98h, undefined in Windows-1251
}

// Pixels tinted green in the lower right quarter of box `i`.
int GreenInCorner(QWidget& table, const QRect& box) {
  const QImage painted = table.grab().toImage();
  int green = 0;
  for (int y = box.center().y(); y < box.bottom(); ++y) {
    for (int x = box.center().x(); x < box.right(); ++x) {
      const QColor c = painted.pixelColor(x, y);
      if (c.green() > c.red() + 40 && c.green() > c.blue() + 40) ++green;
    }
  }
  return green;
}

// A proportional font shows each glyph's width in its box's corner.
TEST(SymbolTable, ShowsEachGlyphsWidthInAProportionalFont) {
  FontModel m;
  m.widths.fill(8);
  SymbolTableWidget table(m, ComputeLayout(1920 * 15), kDefaultCodePage, nullptr);
  const QRect space = table.boxRect(0);
  EXPECT_EQ(GreenInCorner(table, space), 0);
  m.proportional = true;
  EXPECT_GT(GreenInCorner(table, space), 4);
}

}  // namespace
}  // namespace zg
