// zgedit: the character generator font editor.

#include <QApplication>
#include <QFont>
#include <cstdio>
#include <cstdlib>

#include "ui/layout.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/exit_after_first_paint.h"
#include "ui/qt/main_window.h"
#include "ui/qt/window_font.h"

namespace {

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

int main(int argc, char* argv[]) {
  // Without a display Qt would abort with a long plugin message; say plainly
  // what is missing and how to run without a screen.
  if (!Set("QT_QPA_PLATFORM") && !Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) {
    std::fputs(
        "zgedit: no display found (DISPLAY is not set); "
        "to run without a screen use: xvfb-run zgedit\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  // Where QSettings keeps the remembered folders and window options.
  QCoreApplication::setOrganizationName(QStringLiteral("zgedit"));
  QCoreApplication::setApplicationName(QStringLiteral("zgedit"));
  // Widgets that lay out text before taking their parent's font (a line edit
  // does) load the application font; make it the window's own face so that
  // start-up opens no other font file. The desktop's size stays, as it may be
  // given in pixels.
  QFont font = QApplication::font();
  font.setFamilies(zg::WindowFont(zg::kWindowFontSize).families());
  QApplication::setFont(font);
  // Lets the desktop match the window to its menu entry and icon once installed.
  QGuiApplication::setDesktopFileName(QLatin1String(zg::kAppId));
  QApplication::setWindowIcon(zg::AppIcon(QCoreApplication::applicationDirPath()));
  zg::MainWindow window;
  zg::ExitAfterFirstPaintIfAsked(window);
  window.show();
  return QApplication::exec();
}
