#include "qt_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

namespace zg::testing {
namespace {

// The widgets need one QApplication for the whole test program.
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
    // Settings and standard folders of their own, so that the tests neither
    // read nor change the user's.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("zgedit-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("zgedit-tests"));
    QSettings().clear();
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "zg_qt_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

void WhenModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer(qApp);
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      // No dialog came: stop polling rather than wait for ever.
      if (++*tries > 200) {
        ADD_FAILURE() << "no modal dialog appeared";
        timer->deleteLater();
      }
      return;
    }
    timer->stop();
    timer->deleteLater();
    QPointer<QWidget> guard(modal);
    act(modal);
    if (guard && guard->isVisible()) {
      ADD_FAILURE() << "the modal dialog was left open";
      if (auto* dialog = qobject_cast<QDialog*>(guard.data())) dialog->done(0);
    }
  });
  timer->start(5);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint) ++paints;
  return false;
}

QColor PaintedColor(QWidget& widget, QPoint p) { return widget.grab().toImage().pixelColor(p); }

}  // namespace zg::testing
