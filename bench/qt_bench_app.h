#pragma once
// The one QApplication that every Qt benchmark of the program shares.

#include <QApplication>

namespace zg::bench {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "zg_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: torn down among the exit handlers, after some of Qt's own
  // statics, it would crash the run at exit.
  static QApplication* const app = new QApplication(argc, argv);
  return *app;
}

}  // namespace zg::bench
