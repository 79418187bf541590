// Watches one top-level window of a starting program and reports on standard
// output, in nanoseconds of the monotonic clock shared by every process:
//
//   mapped <ns>    the window system first exposed the window (it is mapped)
//   painted <ns>   the first paint of the window is done (and flushed)
//
// then ends the process at once: tear-down is not part of start-up. Told to
// stop at the map, it reports only that, and ends there (for instruction
// counts up to the map under callgrind).
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace startup_bench {

inline long long monotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

class FirstPaint : public QObject {
 public:
  enum class Stop { AtPaint, AtMap };

  // Watches the top-level widget whose objectName is `window`.
  FirstPaint(QString window, Stop stop) : window_(std::move(window)), stop_(stop) { qApp->installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && mapped_ == 0 && isWatchedWindow(watched)) {
      mapped_ = monotonicNanoseconds();
      if (stop_ == Stop::AtMap) {
        std::printf("mapped %lld\n", mapped_);
        std::fflush(stdout);
        std::_Exit(0);
      }
    }
    if (event->type() == QEvent::Paint && !reported_ && isWatchedWidget(watched)) {
      reported_ = true;
      // Queued: runs once the whole paint pass has been done and flushed.
      QMetaObject::invokeMethod(
          qApp,
          [this] {
            const long long painted = monotonicNanoseconds();
            std::printf("mapped %lld\npainted %lld\n", mapped_ != 0 ? mapped_ : painted, painted);
            std::fflush(stdout);
            std::_Exit(0);
          },
          Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool isWatchedWidget(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->window()->objectName() == window_;
  }
  bool isWatchedWindow(QObject* object) const {
    auto* window = qobject_cast<QWindow*>(object);
    if (!window || !window->isExposed()) return false;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->windowHandle() == window) return top->objectName() == window_;
    return false;
  }

  QString window_;
  Stop stop_;
  long long mapped_ = 0;
  bool reported_ = false;
};

}  // namespace startup_bench

namespace startup_bench {

// "map" among the arguments: stop at the map.
inline FirstPaint::Stop stopFrom(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (qstrcmp(argv[i], "map") == 0) return FirstPaint::Stop::AtMap;
  return FirstPaint::Stop::AtPaint;
}

}  // namespace startup_bench
