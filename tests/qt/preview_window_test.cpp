#include "ui/qt/preview_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

#include "model/codec.h"
#include "qt_test_support.h"

namespace zg {
namespace {

// An 8 x 8 vertical font whose glyph 33 is the letter A.
FontModel FontWithA() {
  FontModel m;
  m.ncol = 8;
  m.nstr = 8;
  m.cb = 8;
  m.vert = 1;
  m.pos = -1;
  const std::uint8_t a[] = {0x7C, 0x7E, 0x13, 0x13, 0x7E, 0x7C, 0x00, 0x00};
  std::copy(std::begin(a), std::end(a), m.glyphStore.begin() + 33 * 8);
  return m;
}

int OnlyA(char32_t c) { return c == U'A' ? 33 : -1; }

// What the panel shows in its top left w x h pixels: '#' white, '.' black.
std::vector<std::string> Shown(QWidget& panel, int w, int h) {
  const QImage image = panel.grab().toImage();
  std::vector<std::string> rows;
  for (int y = 0; y < h; ++y) {
    std::string row;
    for (int x = 0; x < w; ++x) {
      const QColor c = image.pixelColor(x, y);
      row += c == Qt::white ? '#' : c == Qt::black ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

class PreviewWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettings().clear();
  }
  QTemporaryDir dir_;
};

TEST_F(PreviewWindowTest, PaintsTheTextInTheFontAtTheChosenScale) {
  const FontModel m = FontWithA();
  PreviewWindow window(m, OnlyA, nullptr);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Просмотр"));
  window.textEdit()->setText("AA");
  window.scaleBox()->setValue(2);
  window.lookBox()->setCurrentIndex(2);  // OLED: white on black
  window.show();
  EXPECT_EQ(window.panel()->minimumSize(), QSize(32, 16));
  // Two A's at twice the size, cell after cell; the first 24 pixels of 32.
  const std::vector<std::string> twice{
      "....####............####", "....####............####", "..########........######",
      "..########........######", "####....####....####....", "####....####....####....",
  };
  EXPECT_EQ(Shown(*window.panel(), 24, 6), twice);

  // A negative font lights the other pixels (the text, scale and look carry over).
  FontModel negative = FontWithA();
  negative.pos = 0;
  PreviewWindow inverted(negative, OnlyA, nullptr);
  EXPECT_EQ(Shown(*inverted.panel(), 24, 1)[0], "####....############....");
}

TEST_F(PreviewWindowTest, SetsAProportionalFontByTheGlyphsWidths) {
  FontModel m = FontWithA();
  m.widths.fill(8);
  m.widths[33] = 6;
  PreviewWindow window(m, OnlyA, nullptr);
  window.textEdit()->setText("AA");
  window.scaleBox()->setValue(1);
  window.lookBox()->setCurrentIndex(2);
  EXPECT_EQ(window.panel()->minimumSize(), QSize(16, 8));  // monospaced until it says otherwise
  m.proportional = true;
  window.refresh();
  EXPECT_EQ(window.panel()->minimumSize(), QSize(12, 8));
  EXPECT_EQ(Shown(*window.panel(), 12, 1)[0], "..##....##..");
}

TEST_F(PreviewWindowTest, RemembersTextScaleAndLook) {
  const FontModel m = FontWithA();
  {
    PreviewWindow window(m, OnlyA, nullptr);
    window.textEdit()->setText("AAA");
    window.scaleBox()->setValue(3);
    window.lookBox()->setCurrentIndex(1);
  }
  PreviewWindow again(m, OnlyA, nullptr);
  EXPECT_EQ(again.textEdit()->text(), "AAA");
  EXPECT_EQ(again.scaleBox()->value(), 3);
  EXPECT_EQ(again.lookBox()->currentIndex(), 1);
  EXPECT_EQ(again.panel()->minimumSize(), QSize(72, 24));
}

TEST_F(PreviewWindowTest, LooksCharactersUpAgainOnRefresh) {
  const FontModel m = FontWithA();
  int glyphOfA = 33;  // stands for the code page the main window has chosen
  PreviewWindow window(
      m, [&glyphOfA](char32_t) { return glyphOfA; }, nullptr);
  window.textEdit()->setText("A");
  window.scaleBox()->setValue(1);
  window.lookBox()->setCurrentIndex(2);
  EXPECT_EQ(Shown(*window.panel(), 8, 1)[0], "..##....");
  glyphOfA = -1;
  window.refresh();
  EXPECT_EQ(Shown(*window.panel(), 8, 1)[0], "........");
}

TEST_F(PreviewWindowTest, WithoutAFontPaintsAnEmptyPanel) {
  const FontModel none;
  PreviewWindow window(none, OnlyA, nullptr);
  window.textEdit()->setText("A");
  window.show();
  EXPECT_EQ(window.panel()->minimumSize(), QSize(0, 0));
  EXPECT_EQ(window.render(), PreviewImage{});
  testing::PaintedColor(*window.panel(), QPoint(1, 1));  // paints without a font
}

}  // namespace
}  // namespace zg
