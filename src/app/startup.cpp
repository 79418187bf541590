#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QWidget>
#include <QWindow>

#include "app/shell_windows.h"
#include "calculator/calculator_window.h"
#include "conversion/conversion_window.h"
#include "oilfield/annular_rules.h"
#include "oilfield/coating_rules.h"
#include "oilfield/fuel_rules.h"
#include "oilfield/pipeline_rules.h"
#include "tanks/divisions_window.h"
#include "tanks/horizontal_tank_rules.h"
#include "tanks/rectangular_tank_rules.h"
#include "tanks/spherical_tank_rules.h"
#include "tanks/tank_selection_window.h"
#include "tanks/tank_window.h"
#include "tanks/vertical_tank_rules.h"
#include "ui/page_window.h"
#include "ui/registry.h"
#include "ui/seam.h"

// Pictures are compiled into the window library; make sure they are linked in.
static void initPictures() { Q_INIT_RESOURCE(calvexa); }

namespace calvexa {
namespace {

template <class Window>
WindowRegistry::Factory make() {
  return [](WindowRegistry& registry) -> QWidget* { return new Window(registry); };
}

// A tank window generated from its page table, with its charts and the
// pictures that follow the typed dimensions.
WindowRegistry::Factory tanks(WindowId id, const PageForm& (*form)(), TankWindow::Profiles profiles,
                              TankWindow::Pictures pictures) {
  return [id, form, profiles, pictures](WindowRegistry& registry) -> QWidget* {
    return new TankWindow(registry, id, form(), profiles, pictures);
  };
}

// A window generated from its page table.
WindowRegistry::Factory pages(WindowId id, const PageForm& (*form)()) {
  return [id, form](WindowRegistry& registry) -> QWidget* { return new PageWindow(registry, id, form()); };
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

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("Calvexa"));
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/calvexa.svg")));
}

void registerWindows(WindowRegistry& registry) {
  initPictures();
  registry.setFactory(WindowId::Splash, make<SplashWindow>());
  registry.setFactory(WindowId::MainMenu, make<MainMenuWindow>());
  registry.setFactory(WindowId::About, make<AboutWindow>());
  registry.setFactory(WindowId::Conversion, make<ConversionWindow>());
  registry.setFactory(WindowId::AnnVolume, pages(WindowId::AnnVolume, annularForm));
  registry.setFactory(WindowId::PipelineVolume, pages(WindowId::PipelineVolume, pipelineForm));
  registry.setFactory(WindowId::Coating, pages(WindowId::Coating, coatingForm));
  registry.setFactory(WindowId::FuelUse, pages(WindowId::FuelUse, fuelForm));
  registry.setFactory(WindowId::SciCalc, make<CalculatorWindow>());
  registry.setFactory(WindowId::TankSelection, make<TankSelectionWindow>());
  registry.setFactory(WindowId::TankSections, make<DivisionsWindow>());
  registry.setFactory(WindowId::VerticalTank,
                      tanks(WindowId::VerticalTank, verticalTankForm, verticalChartProfile, verticalPictureInputs));
  registry.setFactory(WindowId::RectangularTank, tanks(WindowId::RectangularTank, rectangularTankForm,
                                                       rectangularChartProfile, rectangularPictureInputs));
  registry.setFactory(WindowId::SphericalTank,
                      tanks(WindowId::SphericalTank, sphericalTankForm, sphericalChartProfile, sphericalPictureInputs));
  registry.setFactory(WindowId::HorizontalTanks, tanks(WindowId::HorizontalTanks, horizontalTankForm,
                                                       horizontalChartProfile, horizontalPictureInputs));
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
