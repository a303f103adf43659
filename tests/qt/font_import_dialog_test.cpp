#include "ui/qt/font_import_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "qt_test_support.h"
#include "ui/qt/glyph_preview_widget.h"
#include "ui/qt/installed_fonts.h"

namespace zg {
namespace {

using testing::PaintedColor;
using testing::WhenModal;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

const QString kDejaVu = QStringLiteral(ZG_TEST_DATA_DIR "/DejaVuSansMono.ttf");

// Settings of these tests go to a folder of their own.
class FontImportDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettings().clear();
  }
  std::vector<std::uint8_t> glyphs = std::vector<std::uint8_t>(224 * 32);

 private:
  QTemporaryDir dir_;
};

// Index of the preview glyph showing `character`, -1 when none does.
int PreviewIndex(const GlyphPreviewWidget& preview, const char* character) {
  const auto& shown = preview.glyphs();
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i].character == Q(character)) return static_cast<int>(i);
  }
  return -1;
}

int LitPixels(const GlyphPreviewWidget& preview, int index, int ncol, int nstr) {
  int lit = 0;
  for (int r = 0; r < nstr; ++r)
    for (int c = 0; c < ncol; ++c) lit += preview.pixelOn(index, r, c) ? 1 : 0;
  return lit;
}

TEST_F(FontImportDialogTest, PreviewShowsTheFontInTheCell) {
  FontImportDialog dialog(Layout::Classic(16, 16, Scan::Vertical), CodePage::Windows1251, glyphs);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), Q("Импорт из шрифта"));
  EXPECT_EQ(dialog.importButton()->text(), Q("Импортировать"));
  EXPECT_FALSE(dialog.importButton()->isEnabled());
  EXPECT_EQ(dialog.messageLabel()->text(), Q("Выберите шрифт."));

  dialog.pathEdit()->setText(kDejaVu);
  EXPECT_TRUE(dialog.importButton()->isEnabled());
  EXPECT_EQ(dialog.messageLabel()->text(), Q("DejaVu Sans Mono Book"));
  GlyphPreviewWidget& preview = *dialog.preview();
  ASSERT_EQ(preview.glyphs().size(), 12U);
  const int a = PreviewIndex(preview, "A");
  const int cyrillicA = PreviewIndex(preview, "А");
  ASSERT_GE(a, 0);
  ASSERT_GE(cyrillicA, 0);
  EXPECT_GT(LitPixels(preview, a, 16, 16), 10);
  EXPECT_EQ(preview.glyphs()[a].bytes, preview.glyphs()[cyrillicA].bytes);

  // A lit pixel is painted blue, the cell's corner white.
  int lit = 0;
  while (lit < 16 * 16 && !preview.pixelOn(a, lit / 16, lit % 16)) ++lit;
  ASSERT_LT(lit, 16 * 16);
  const int row = lit / 16;
  const int col = lit % 16;
  EXPECT_EQ(PaintedColor(preview, preview.pixelRect(a, row, col).center()), QColor(Qt::blue));
  EXPECT_EQ(PaintedColor(preview, preview.pixelRect(a, 0, 0).center()), QColor(Qt::white));

  // A larger size lights more pixels.
  const int at16 = LitPixels(preview, a, 16, 16);
  dialog.sizeBox()->setValue(22);
  EXPECT_GT(LitPixels(preview, PreviewIndex(preview, "A"), 16, 16), at16);
}

TEST_F(FontImportDialogTest, KeptAdvancesShowAsALineInThePreview) {
  FontImportDialog dialog(Layout::Classic(16, 16, Scan::Vertical), CodePage::Windows1251, glyphs);
  dialog.show();
  dialog.pathEdit()->setText(kDejaVu);
  dialog.sizeBox()->setValue(16);
  GlyphPreviewWidget& preview = *dialog.preview();
  const int a = PreviewIndex(preview, "A");
  ASSERT_GE(a, 0);
  EXPECT_EQ(preview.glyphs()[a].width, 0);
  EXPECT_TRUE(preview.widthLineRect(a).isEmpty());

  dialog.keepAdvancesBox()->click();
  // DejaVu Sans Mono at 16 pixels advances by 10, from the left edge.
  for (const PreviewGlyph& g : preview.glyphs()) {
    EXPECT_EQ(g.width, 10) << g.character.toStdString();
  }
  const QRect line = preview.widthLineRect(a);
  // On the border between columns 9 and 10.
  EXPECT_EQ(line.left(), preview.pixelRect(a, 0, 9).right());
  EXPECT_EQ(line.right(), preview.pixelRect(a, 0, 10).left());
  EXPECT_EQ(PaintedColor(preview, line.center()), QColor(0, 160, 0));
}

TEST_F(FontImportDialogTest, EachFontFitsTheCellUntilTheUserSetsASize) {
  FontImportDialog dialog(Layout::Classic(16, 16, Scan::Vertical), CodePage::Windows1251, glyphs);
  dialog.pathEdit()->setText(kDejaVu);
  EXPECT_EQ(dialog.sizeBox()->value(), 11);
  EXPECT_EQ(dialog.clipLabel()->text(), QString());
  EXPECT_EQ(dialog.choice()->pixelSize, 11);

  dialog.sizeBox()->setValue(16);
  EXPECT_EQ(dialog.clipLabel()->text(), Q("Обрезан 41 символ: $ ( ) , ; @ Q [ ] _ g j …"));
  // Another font keeps the size the user set.
  dialog.pathEdit()->setText(QStringLiteral(ZG_TEST_DATA_DIR "/Letters8.pcf.gz"));
  EXPECT_EQ(dialog.messageLabel()->text(),
            Q("Шрифт не содержит размер 16 пикселей. Есть размеры: 8."));
}

TEST_F(FontImportDialogTest, FontsThatCannotBeUsedSayWhyAndKeepImportOff) {
  FontImportDialog dialog(Layout::Classic(8, 8, Scan::Vertical), CodePage::Windows1251, glyphs);
  const struct {
    QString path;
    int size;
    const char* message;
  } cases[] = {
      {QStringLiteral(ZG_TEST_DATA_DIR "/README.md"), 8, "Файл не является шрифтом."},
      {QStringLiteral(ZG_TEST_DATA_DIR "/no such font.ttf"), 8, "Не удалось открыть файл шрифта."},
      {QStringLiteral(ZG_TEST_DATA_DIR "/Letters8.pcf.gz"), 10,
       "Шрифт не содержит размер 10 пикселей. Есть размеры: 8."},
  };
  for (const auto& c : cases) {
    dialog.sizeBox()->setValue(c.size);
    dialog.pathEdit()->setText(c.path);
    EXPECT_EQ(dialog.messageLabel()->text(), Q(c.message));
    EXPECT_FALSE(dialog.importButton()->isEnabled());
    EXPECT_TRUE(dialog.preview()->glyphs().empty());
    EXPECT_EQ(dialog.choice(), std::nullopt);
  }
  dialog.sizeBox()->setValue(8);
  EXPECT_TRUE(dialog.importButton()->isEnabled());
}

TEST_F(FontImportDialogTest, OnlyEmptyKeepsDrawnGlyphsInThePreview) {
  std::fill_n(glyphs.begin() + 32 * (0x41 - 0x20), 32, std::uint8_t{0xFF});
  FontImportDialog dialog(Layout::Classic(16, 16, Scan::Vertical), CodePage::Windows1251, glyphs);
  FontImportChoice c;
  c.fontPath = kDejaVu.toStdString();
  c.range = FillRange::EmptyOnly();
  dialog.setChoice(c);
  EXPECT_EQ(dialog.choice(), c);
  const GlyphPreviewWidget& preview = *dialog.preview();
  EXPECT_EQ(LitPixels(preview, PreviewIndex(preview, "A"), 16, 16), 16 * 16);
  EXPECT_LT(LitPixels(preview, PreviewIndex(preview, "B"), 16, 16), 16 * 8);
}

TEST_F(FontImportDialogTest, AskReturnsTheChoiceAndRemembersIt) {
  WhenModal([](QWidget* modal) {
    auto* dialog = qobject_cast<FontImportDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->pathEdit()->setText(kDejaVu);
    dialog->sizeBox()->selectAll();
    QTest::keyClicks(dialog->sizeBox(), "12");
    // Keeping the font's advances sets the glyphs from the left edge.
    EXPECT_EQ(dialog->alignBox()->currentIndex(), 0);
    dialog->keepAdvancesBox()->click();
    EXPECT_EQ(dialog->alignBox()->currentIndex(), 1);
    QTest::mouseClick(dialog->importButton(), Qt::LeftButton);
  });
  const auto choice = FontImportDialog::Ask(nullptr, Layout::Classic(16, 16, Scan::Horizontal),
                                            CodePage::Windows1251, glyphs);
  ASSERT_TRUE(choice.has_value());
  FontImportChoice expected;
  expected.fontPath = kDejaVu.toStdString();
  expected.pixelSize = 12;
  expected.align = HAlign::Left;
  expected.keepAdvances = true;
  EXPECT_EQ(*choice, expected);

  // Opened again, it shows the last options; cancel returns nothing.
  WhenModal([](QWidget* modal) {
    auto* dialog = qobject_cast<FontImportDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->pathEdit()->text(), kDejaVu);
    EXPECT_EQ(dialog->sizeBox()->value(), 12);
    EXPECT_TRUE(dialog->keepAdvancesBox()->isChecked());
    EXPECT_EQ(dialog->alignBox()->currentIndex(), 1);
    dialog->reject();
  });
  EXPECT_EQ(FontImportDialog::Ask(nullptr, Layout::Classic(16, 16, Scan::Horizontal),
                                  CodePage::Windows1251, glyphs),
            std::nullopt);
}

TEST_F(FontImportDialogTest, InstalledFamiliesResolveToTheirFile) {
  const auto found = FindInstalledFont(QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Book"));
  ASSERT_TRUE(found.has_value());
  EXPECT_TRUE(found->path.endsWith(QStringLiteral("/DejaVuSansMono.ttf")))
      << found->path.toStdString();
  EXPECT_EQ(found->faceIndex, 0);
  EXPECT_EQ(FindInstalledFont(QStringLiteral("No Such Family Here"), QString()), std::nullopt);

  FontImportDialog dialog(Layout::Classic(8, 8, Scan::Vertical), CodePage::Windows1251, glyphs);
  dialog.setInstalledFont(QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Book"));
  ASSERT_TRUE(dialog.choice().has_value());
  EXPECT_EQ(QString::fromStdString(dialog.choice()->fontPath), found->path);
}

}  // namespace
}  // namespace zg
