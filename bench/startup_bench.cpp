// Start-up benchmark: the program started as its main() starts it, to the main
// menu mapped and painted, beside startup_bench_bare, the main menu's content
// built the plain Qt way. Each start is a fresh process; the two are started
// alternately, after one start of each to warm the file cache. Reported, as
// medians and their ratio (program / bare):
//
//   map      process start to the main menu's window first exposed
//   paint    exposed to its first paint done
//   painted  process start to its first paint done
//
// and the peak memory of each. Without a display it uses the offscreen
// platform; under X (xvfb-run -a) it measures real mapping. For instruction
// counts, which do not depend on the machine's load:
//
//   valgrind --tool=callgrind startup_bench child map   (and startup_bench_bare map)
//
//   startup_bench [runs]       measure (default 31 starts of each)
//   startup_bench child [map]  one start of the program, reported as first_paint.h says
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/configured_help.h"
#include "app/program_windows.h"
#include "app/shell_windows.h"
#include "app/startup.h"
#include "first_paint.h"
#include "ui/qt_seam.h"
#include "ui/registry.h"

namespace {

// The program's own start: main() without its command line.
int runCalvexa(int argc, char** argv, startup_bench::FirstPaint::Stop stop) {
  QApplication app(argc, argv);
  calvexa::setUpApplication();
  startup_bench::FirstPaint watcher(QString::fromUtf8(calvexa::kMainMenuWindow.name()), stop);
  calvexa::QtSeam seam;
  const calvexa::ConfiguredHelp configuredHelp;
  calvexa::WindowRegistry registry(seam, [] { QCoreApplication::exit(0); });
  calvexa::registerWindows(registry, configuredHelp);
  calvexa::startUp(registry);
  return app.exec();
}

struct Start {
  double mapped;   // seconds from the fork
  double painted;  // seconds from the fork
  long peakKiB;
};

// One start of `program` (with `argument`, when not null), timed from just
// before the fork.
Start startOnce(const std::string& program, const char* argument) {
  int out[2];
  if (pipe(out) != 0) std::exit(2);
  const long long start = startup_bench::monotonicNanoseconds();
  pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execl(program.c_str(), program.c_str(), argument, static_cast<char*>(nullptr));
    std::_Exit(127);
  }
  close(out[1]);
  std::string report;
  char buffer[256];
  for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) report.append(buffer, std::size_t(got));
  close(out[0]);
  int status = 0;
  struct rusage usage {};
  wait4(child, &status, 0, &usage);
  long long mapped = 0, painted = 0;
  if (std::sscanf(report.c_str(), "mapped %lld\npainted %lld", &mapped, &painted) != 2) {
    std::fprintf(stderr, "%s did not report a mapped and painted window\n", program.c_str());
    std::exit(1);
  }
  return {(mapped - start) / 1e9, (painted - start) / 1e9, usage.ru_maxrss};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Series {
  std::vector<double> map, paint, painted;
  long peakKiB = 0;
  void add(const Start& s) {
    map.push_back(s.mapped);
    paint.push_back(s.painted - s.mapped);
    painted.push_back(s.painted);
    peakKiB = std::max(peakKiB, s.peakKiB);
  }
};

void printRow(const char* what, const std::vector<double>& calvexa, const std::vector<double>& bare) {
  std::printf("%-8s %10.1f ms %10.1f ms %8.2f\n", what, median(calvexa) * 1000, median(bare) * 1000,
              median(calvexa) / median(bare));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "child") == 0) {
    int childArgc = 1;
    return runCalvexa(childArgc, argv, startup_bench::stopFrom(argc, argv));
  }
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const int runs = argc >= 2 ? std::max(3, std::atoi(argv[1])) : 31;
  const std::string self = argv[0];
  const std::string bareProgram = self.substr(0, self.find_last_of('/') + 1) + "startup_bench_bare";
  startOnce(bareProgram, nullptr);  // warm the file cache
  startOnce(self, "child");
  Series calvexa, bare;
  for (int i = 0; i < runs; ++i) {
    bare.add(startOnce(bareProgram, nullptr));
    calvexa.add(startOnce(self, "child"));
  }
  std::printf("platform: %s, starts of each: %d\n",
              qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "X display" : qgetenv("QT_QPA_PLATFORM").constData(),
              runs);
  std::printf("%-8s %13s %13s %8s\n", "median", "Calvexa", "bare Qt", "ratio");
  printRow("map", calvexa.map, bare.map);
  printRow("paint", calvexa.paint, bare.paint);
  printRow("painted", calvexa.painted, bare.painted);
  std::printf("peak memory: Calvexa %.1f MiB, bare Qt %.1f MiB, extra %.1f MiB (goal: at most 15)\n",
              calvexa.peakKiB / 1024.0, bare.peakKiB / 1024.0, (calvexa.peakKiB - bare.peakKiB) / 1024.0);
  std::printf("goal: map ratio at most 1.10\n");
  return 0;
}
