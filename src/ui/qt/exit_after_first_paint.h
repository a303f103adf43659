#pragma once
// Start-up measurement hook, used by bench/startup.sh: when the environment
// variable ZGEDIT_EXIT_AFTER_FIRST_PAINT is set, the program writes the
// wall-clock time at which its window was first painted to stderr, as
// "first-paint-us <microseconds since the epoch>", then the processor time it
// had used by then, as "first-paint-cpu-us <microseconds>" (on a busy machine
// the steadier figure), and quits. Header-only so that the bare comparison
// window uses the very same hook.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace zg {

inline void ExitAfterFirstPaintIfAsked(QWidget& window) {
  if (!qEnvironmentVariableIsSet("ZGEDIT_EXIT_AFTER_FIRST_PAINT")) return;
  class Hook : public QObject {
   public:
    using QObject::QObject;

   protected:
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() != QEvent::Paint || painted_) return false;
      painted_ = true;
      // Queued: runs once the whole frame, children included, is painted and
      // flushed to the screen.
      QMetaObject::invokeMethod(
          this,
          [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const std::clock_t cpu = std::clock();
            std::fprintf(stderr, "first-paint-us %lld\nfirst-paint-cpu-us %lld\n",
                         static_cast<long long>(
                             std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                         static_cast<long long>(cpu) * 1000000 / CLOCKS_PER_SEC);
            QCoreApplication::quit();
          },
          Qt::QueuedConnection);
      return false;
    }

   private:
    bool painted_ = false;
  };
  window.installEventFilter(new Hook(&window));
}

}  // namespace zg
