#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QWidget>
#include <QWindow>

#include "app/shell_windows.h"
#include "conversion/conversion_window.h"
#include "ui/prerendered_pictures.h"
#include "ui/registry.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

// The splash is drawn at once, before the slow loading that it covers: the
// window system must have mapped it first (the expose paints it).
void drawNow(QWidget* window) {
  QElapsedTimer waited;
  waited.start();
  QCoreApplication::processEvents();
  while (window->windowHandle() && !window->windowHandle()->isExposed() && waited.elapsed() < 500)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("Calvexa"));
  QApplication::setQuitOnLastWindowClosed(false);
  // Its usual sizes are built in as pixels: no SVG is read to show a window.
  QApplication::setWindowIcon(drawingIcon(QStringLiteral(":/pictures/calvexa.svg")));
}

void startUp(WindowRegistry& registry) {
  QWidget* splash = registry.show(kSplashWindow);
  {
    BusyPointer pointer(registry.seam());
    if (splash) drawNow(splash);
    registry.load(kMainMenuWindow);
    registry.load(kAboutWindow);
    registry.load(kConversionWindow);
    registry.show(kMainMenuWindow);
    registry.hide(kSplashWindow);
  }
}

}  // namespace calvexa
