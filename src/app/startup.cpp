#include "app/startup.h"

#include <QCoreApplication>
#include <QWidget>

#include "app/registry.h"
#include "app/shell_windows.h"
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

}  // namespace

void registerWindows(WindowRegistry& registry) {
  initPictures();
  registry.setFactory(WindowId::Splash, make<frmSplash>());
  registry.setFactory(WindowId::MainMenu, make<FrmMainMenu>());
  registry.setFactory(WindowId::About, make<frmAbout>());
  registry.setFactory(WindowId::AnnVolume, make<FrmAnnVolume>());
  registry.setFactory(WindowId::PipelineVolume, make<FrmPipelineVolume>());
  registry.setFactory(WindowId::Coating, make<frmCoating>());
  registry.setFactory(WindowId::FuelUse, make<frmFuelUse>());
}

void startUp(WindowRegistry& registry) {
  QWidget* splash = registry.show(WindowId::Splash);
  {
    BusyPointer pointer(registry.seam());
    if (splash) {
      QCoreApplication::processEvents();  // let the splash be mapped before it is drawn
      splash->repaint();
    }
    registry.load(WindowId::MainMenu);
    registry.load(WindowId::About);
    registry.load(WindowId::Conversion);
    registry.show(WindowId::MainMenu);
    registry.hide(WindowId::Splash);
  }
}

}  // namespace calvexa
