#include <QApplication>
#include <cstdio>

#include "ui/registry.h"
#include "app/startup.h"
#include "ui/qt_seam.h"

namespace {

// Without a display Qt would stop with an obscure platform-plugin error.
bool displayAvailable() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
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
  calvexa::WindowRegistry registry(seam, [] { QCoreApplication::exit(0); });
  calvexa::registerWindows(registry);
  calvexa::startUp(registry);
  if (registry.exiting()) return 0;
  return app.exec();
}
