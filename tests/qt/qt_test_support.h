#pragma once
// What the offscreen tests of the Qt binding share: a platform that records
// messages and answers from a script, and a way to act on a modal dialog
// while its exec() runs.

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

#include "ui/form2.h"
#include "ui/qt/qt_platform.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zg::testing {

class RecordingPlatform : public QtPlatform {
 public:
  std::vector<MessageRequest> messages;
  std::deque<MsgAnswer> answers;  // one per Yes/No question, in order
  int screenWidth = 1920;         // unscaled unless a test says otherwise
  // When set, stands in for the parameters dialog; otherwise the real one runs.
  std::function<void(Form2&)> form2Script;

  MsgAnswer ShowMessage(const MessageRequest& request) override;
  int ScreenWidthPixels() override { return screenWidth; }
  void ShowForm2Modal(Form2& dialog) override;
};

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
