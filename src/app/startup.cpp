#include "app/startup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include "ui/registry.h"
#include "app/shell_windows.h"
#include "calculator/calculator_window.h"
#include "conversion/conversion_window.h"
#include "oilfield/oilfield_windows.h"
#include "ui/seam.h"

// Pictures are compiled into the window library; make sure they are linked in.
static void initPictures() { Q_INIT_RESOURCE(calvexa); }

namespace calvexa {
namespace {

template <class Window>
WindowRegistry::Factory make() {
  return [](WindowRegistry& registry) -> QWidget* { return new Window(registry); };
}

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

void registerWindows(WindowRegistry& registry) {
  initPictures();
  registry.setFactory(WindowId::Splash, make<frmSplash>());
  registry.setFactory(WindowId::MainMenu, make<FrmMainMenu>());
  registry.setFactory(WindowId::About, make<frmAbout>());
  registry.setFactory(WindowId::Conversion, make<frmConversion>());
  registry.setFactory(WindowId::AnnVolume, make<FrmAnnVolume>());
  registry.setFactory(WindowId::PipelineVolume, make<FrmPipelineVolume>());
  registry.setFactory(WindowId::Coating, make<frmCoating>());
  registry.setFactory(WindowId::FuelUse, make<frmFuelUse>());
  registry.setFactory(WindowId::SciCalc, make<FrmSciCalc>());
}

void startUp(WindowRegistry& registry) {
  QWidget* splash = registry.show(WindowId::Splash);
  {
    BusyPointer pointer(registry.seam());
    if (splash) drawNow(splash);
    registry.load(WindowId::MainMenu);
    registry.load(WindowId::About);
    registry.load(WindowId::Conversion);
    registry.show(WindowId::MainMenu);
    registry.hide(WindowId::Splash);
  }
}

}  // namespace calvexa
