#include "ui/qt/face_button.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "qt_test_support.h"
#include "ui/layout.h"
#include "ui/qt/geometry.h"
#include "ui/qt/main_window.h"

namespace zg {
namespace {

using testing::PaintedColor;
using testing::RecordingPlatform;

// A point on the face beside the caption, clear of the border and the focus mark.
QPoint BesideCaption(const FaceButton& button) {
  return {button.faceRect().left() + 1, button.height() / 2};
}

TEST(FaceButton, EveryButtonOfTheWindowShowsItsDesignedFaceColour) {
  RecordingPlatform platform;
  MainWindow window(platform);
  for (const ControlSpec& design : DesignedControls()) {
    if (design.kind != CtlKind::Button) continue;
    auto& button = *qobject_cast<FaceButton*>(window.control(design.id));
    EXPECT_EQ(PaintedColor(button, BesideCaption(button)), ToQColor(design.face)) << design.name;
  }
}

TEST(FaceButton, PressedAndFocusedLooksDifferFromTheFaceAtRest) {
  RecordingPlatform platform;
  MainWindow window(platform);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  // "Создать знакогенератор": designed face 0x0080C0FF.
  auto& button = *qobject_cast<FaceButton*>(window.control(Ctl::Command1));
  const QPoint face = BesideCaption(button);
  button.clearFocus();  // the window gave it the focus on activation
  const QImage rest = button.grab().toImage();
  EXPECT_EQ(rest.pixelColor(face), QColor(255, 192, 128));

  button.setDown(true);
  const QColor pressed = PaintedColor(button, face);
  EXPECT_LT(pressed.lightness(), QColor(255, 192, 128).lightness());
  button.setDown(false);

  button.setFocus();
  ASSERT_TRUE(button.hasFocus());
  const QImage focused = button.grab().toImage();
  EXPECT_EQ(focused.pixelColor(face), QColor(255, 192, 128));
  EXPECT_NE(focused, rest);
}

}  // namespace
}  // namespace zg
