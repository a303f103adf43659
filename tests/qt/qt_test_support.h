#pragma once
// What the offscreen tests of the Qt binding share: the real platform with
// scripted messages, and a way to act on a modal dialog while its exec() runs.

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <functional>
#include <ostream>

#include "scripted_platform.h"
#include "ui/qt/qt_platform.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zg::testing {

// The real platform of the window, its messages and parameters dialog
// played by the test.
using RecordingPlatform = ScriptedPlatform<QtPlatform>;

// Runs `act` on the next modal widget once it is shown; call it before the
// call that opens the dialog. If `act` leaves the dialog open, it is closed
// so that the test never hangs.
void WhenModal(std::function<void(QWidget*)> act);

// Counts the paint events `widget` receives while it lives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Colour of the pixel at `p` in what `widget` paints.
QColor PaintedColor(QWidget& widget, QPoint p);

}  // namespace zg::testing
