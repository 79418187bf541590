#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/configured_help.h"
#include "app/program_windows.h"
#include "app/shell_windows.h"
#include "app/startup.h"
#include "ui/qt_seam.h"
#include "ui/registry.h"

namespace {

// Without a display Qt would stop with an obscure platform-plugin error.
bool displayAvailable(const calvexa::CommandLine& command) {
  return command.platformNamed || !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  // The command line is answered before anything needs a display.
  const calvexa::CommandLine command = calvexa::readCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (command.action) {
    case calvexa::CommandAction::Help:
      std::fputs(calvexa::usageText().c_str(), stdout);
      return 0;
    case calvexa::CommandAction::Version:
      std::printf("%s\n", calvexa::versionLine().c_str());
      return 0;
    case calvexa::CommandAction::Refuse:
      std::fprintf(stderr, "%s\n%s", command.error.c_str(), calvexa::usageText().c_str());
      return calvexa::kExitRefused;
    case calvexa::CommandAction::Run:
      break;
  }
  // --startup-check starts as usual, says whether the main menu is shown and
  // where the help file is, then leaves through the main menu's Exit path.
  // Used to check an installed copy; exits with 1 if something is missing.
  const bool startupCheck = command.startupCheck;
  if (!displayAvailable(command)) {
    std::fprintf(stderr,
                 "Calvexa is a desktop program and needs a graphical display, but none was found "
                 "(DISPLAY is not set).\n"
                 "Start it from a desktop session, or under a virtual display:\n"
                 "  xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }
  QApplication app(argc, argv);
  calvexa::setUpApplication();
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
