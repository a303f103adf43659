#include "ui/qt/width_dialogs.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>

#include "qt_test_support.h"

namespace zg {
namespace {

using testing::WhenModal;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// Presses OK or Cancel of the dialog, as the user does.
void Press(QWidget* dialog, QDialogButtonBox::StandardButton which) {
  dialog->findChild<QDialogButtonBox*>()->button(which)->click();
}

TEST(GlyphWidthDialog, ReturnsTheWidthSetAndNothingWhenCancelled) {
  QtPlatform platform;
  WhenModal([](QWidget* modal) {
    auto* dialog = qobject_cast<GlyphWidthDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), Q("Ширина символа"));
    EXPECT_EQ(dialog->widthBox()->value(), 5);
    EXPECT_EQ(dialog->widthBox()->minimum(), 1);
    EXPECT_EQ(dialog->widthBox()->maximum(), 12);
    dialog->widthBox()->setValue(20);  // beyond the cell: kept to it
    Press(dialog, QDialogButtonBox::Ok);
  });
  EXPECT_EQ(platform.AskGlyphWidth(5, 12), 12);

  WhenModal([](QWidget* modal) { Press(modal, QDialogButtonBox::Cancel); });
  EXPECT_EQ(platform.AskGlyphWidth(5, 12), std::nullopt);
}

TEST(ProportionalDialog, ReturnsSpacingAndSpaceWidthAndNothingWhenCancelled) {
  QtPlatform platform;
  WhenModal([](QWidget* modal) {
    auto* dialog = qobject_cast<ProportionalDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), Q("Пропорциональный шрифт"));
    // No space width yet: half the cell is offered.
    EXPECT_EQ(dialog->choice(), (ProportionalChoice{1, 4}));
    EXPECT_EQ(dialog->spacingBox()->maximum(), 3);
    EXPECT_EQ(dialog->spaceWidthBox()->maximum(), 8);
    dialog->spacingBox()->setValue(2);
    dialog->spaceWidthBox()->setValue(3);
    Press(dialog, QDialogButtonBox::Ok);
  });
  EXPECT_EQ(platform.ShowProportionalDialog({}, 8), (ProportionalChoice{2, 3}));

  WhenModal([](QWidget* modal) {
    auto* dialog = qobject_cast<ProportionalDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->choice(), (ProportionalChoice{3, 6}));
    Press(dialog, QDialogButtonBox::Cancel);
  });
  EXPECT_EQ(platform.ShowProportionalDialog({3, 6}, 16), std::nullopt);
}

}  // namespace
}  // namespace zg
