// Start-up benchmark: time from process start to the main menu shown and
// painted, beside a bare Qt window of similar content (a menu, a few tabs and
// drop-down lists, a status bar) started by this same program, run
// alternately; reported as the ratio of medians, with the peak memory of both.
//
//   startup_bench [runs]        measure (default 15 runs of each)
//   startup_bench child calvexa one start of the program, for the measurement
//   startup_bench child bare    one start of the bare window
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/configured_help.h"
#include "app/program_windows.h"
#include "app/shell_windows.h"
#include "app/startup.h"
#include "ui/qt_seam.h"
#include "ui/registry.h"

namespace {

// Reports the first paint of the watched window on stdout and ends the process
// at once: tear-down is not part of start-up.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QString window = {}) : window_(std::move(window)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && isWatched(watched)) {
      QMetaObject::invokeMethod(
          qApp,
          [] {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
          },
          Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool isWatched(QObject* object) const {
    if (window_.isEmpty()) return true;
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->window()->objectName() == window_;
  }
  QString window_;
};

void watchAllWidgets(QWidget* window, FirstPaint* watcher) {
  window->installEventFilter(watcher);
  for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(watcher);
}

int runCalvexa(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  calvexa::QtSeam seam;
  const calvexa::ConfiguredHelp configuredHelp;
  calvexa::WindowRegistry registry(seam, [] { QCoreApplication::exit(0); });
  calvexa::registerWindows(registry, configuredHelp);
  FirstPaint watcher(QString::fromUtf8(calvexa::kMainMenuWindow.name()));
  app.installEventFilter(&watcher);
  calvexa::startUp(registry);
  return app.exec();
}

int runBare(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("&File")->addAction("E&xit");
  window.menuBar()->addMenu("&Help")->addAction("&About");
  auto* tabs = new QTabWidget(&window);
  for (int t = 0; t < 4; ++t) {
    auto* page = new QWidget;
    for (int c = 0; c < 3; ++c) {
      auto* list = new QComboBox(page);
      list->addItems({"Meters", "Feet", "Inches", "Centimeters", "Millimeters"});
      list->setGeometry(10, 10 + c * 30, 140, 24);
    }
    tabs->addTab(page, QString("Tab %1").arg(t));
  }
  window.setCentralWidget(tabs);
  window.statusBar()->showMessage("Status");
  window.resize(580, 400);
  FirstPaint watcher;
  watchAllWidgets(&window, &watcher);
  window.show();
  return app.exec();
}

struct Run {
  double seconds;
  long peakKiB;
};

Run measureOnce(const char* self, const char* which) {
  int out[2];
  if (pipe(out) != 0) std::exit(2);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execl(self, self, "child", which, static_cast<char*>(nullptr));
    std::_Exit(127);
  }
  close(out[1]);
  char buffer[64];
  ssize_t got = read(out[0], buffer, sizeof buffer);
  const auto painted = std::chrono::steady_clock::now();
  close(out[0]);
  int status = 0;
  struct rusage usage {};
  wait4(child, &status, 0, &usage);
  if (got <= 0 || std::strncmp(buffer, "painted", 7) != 0) {
    std::fprintf(stderr, "%s did not report a painted window\n", which);
    std::exit(1);
  }
  return {std::chrono::duration<double>(painted - start).count(), usage.ru_maxrss};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "child") == 0) {
    int childArgc = 1;
    return std::strcmp(argv[2], "bare") == 0 ? runBare(childArgc, argv) : runCalvexa(childArgc, argv);
  }
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const int runs = argc >= 2 ? std::max(3, std::atoi(argv[1])) : 15;
  std::vector<double> calvexa, bare;
  long calvexaPeak = 0, barePeak = 0;
  measureOnce(argv[0], "bare");  // warm the file cache
  measureOnce(argv[0], "calvexa");
  for (int i = 0; i < runs; ++i) {
    Run b = measureOnce(argv[0], "bare");
    Run c = measureOnce(argv[0], "calvexa");
    bare.push_back(b.seconds);
    calvexa.push_back(c.seconds);
    barePeak = std::max(barePeak, b.peakKiB);
    calvexaPeak = std::max(calvexaPeak, c.peakKiB);
  }
  const double ratio = median(calvexa) / median(bare);
  const double extraMiB = (calvexaPeak - barePeak) / 1024.0;
  std::printf("runs of each:           %d\n", runs);
  std::printf("bare window, median:    %.1f ms, peak %.1f MiB\n", median(bare) * 1000, barePeak / 1024.0);
  std::printf("Calvexa, median:        %.1f ms, peak %.1f MiB\n", median(calvexa) * 1000, calvexaPeak / 1024.0);
  std::printf("time ratio:             %.2f (goal: at most 1.30)\n", ratio);
  std::printf("extra peak memory:      %.1f MiB (goal: at most 15)\n", extraMiB);
  return 0;
}
