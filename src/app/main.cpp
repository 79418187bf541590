#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>

#include "app/configured_help.h"
#include "app/program_windows.h"
#include "app/shell_windows.h"
#include "app/startup.h"
#include "ui/qt_seam.h"
#include "ui/registry.h"

namespace {

// Without a display Qt would stop with an obscure platform-plugin error.
bool displayAvailable() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

bool hasOption(int argc, char** argv, const char* option) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], option) == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // --version answers without a display.
  if (hasOption(argc, argv, "--version")) {
    std::printf("Calvexa %d.%d.%d\n", CALVEXA_VERSION_MAJOR, CALVEXA_VERSION_MINOR, CALVEXA_VERSION_REVISION);
    return 0;
  }
  // --startup-check starts as usual, says whether the main menu is shown and
  // where the help file is, then leaves through the main menu's Exit path.
  // Used to check an installed copy; exits with 1 if something is missing.
  const bool startupCheck = hasOption(argc, argv, "--startup-check");
  if (!displayAvailable()) {
    std::fprintf(stderr,
                 "Calvexa is a desktop program and needs a graphical display, but none was found "
                 "(DISPLAY is not set).\n"
                 "Start it from a desktop session, or under a virtual display:\n"
                 "  xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Calvexa"));
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/calvexa.svg")));
  calvexa::QtSeam seam;
  const calvexa::ConfiguredHelp configuredHelp;
  calvexa::WindowRegistry registry(seam, [] { QCoreApplication::exit(0); });
  calvexa::registerWindows(registry, configuredHelp);
  calvexa::startUp(registry);
  if (registry.exiting()) return 0;
  int checkResult = 0;
  if (startupCheck) {
    QTimer::singleShot(0, &app, [&registry, &checkResult] {
      const QWidget* menu = registry.find(calvexa::kMainMenuWindow);
      const bool menuShown = menu && menu->isVisible();
      const QString help = registry.helpPath();
      const bool helpFound = QFile::exists(help);
      std::printf("main menu: %s\nhelp file: %s\nhelp file found: %s\n", menuShown ? "shown" : "not shown",
                  qPrintable(help), helpFound ? "yes" : "no");
      std::fflush(stdout);
      checkResult = menuShown && helpFound ? 0 : 1;
      registry.exitApplication();
    });
  }
  const int result = app.exec();
  return result != 0 ? result : checkResult;
}
