#include "app/program_windows.h"

#include <QWidget>
#include <utility>
#include <vector>

#include "app/configured_help.h"
#include "app/shell_windows.h"
#include "calculator/calculator_window.h"
#include "conversion/conversion_window.h"
#include "gauging/gauging_window.h"
#include "oilfield/annular_rules.h"
#include "oilfield/coating_rules.h"
#include "oilfield/fuel_rules.h"
#include "oilfield/oilfield_windows.h"
#include "oilfield/pipeline_rules.h"
#include "tanks/divisions_window.h"
#include "tanks/horizontal_tank_rules.h"
#include "tanks/rectangular_tank_rules.h"
#include "tanks/spherical_tank_rules.h"
#include "tanks/tank_selection_window.h"
#include "tanks/tank_window.h"
#include "tanks/tank_windows.h"
#include "tanks/vertical_tank_rules.h"
#include "ui/page_window.h"
#include "ui/registry.h"

// Pictures are compiled into the window library; make sure they are linked in.
static void initPictures() { Q_INIT_RESOURCE(calvexa); }

namespace calvexa {
namespace {

using Factory = WindowRegistration::Factory;

// ---- Factories -------------------------------------------------------------

template <class Window>
Factory make() {
  return [](WindowRegistry& registry) -> QWidget* { return new Window(registry); };
}

// A window generated from its page table.
Factory pages(const PageForm& (*form)()) {
  return [form](WindowRegistry& registry) -> QWidget* { return new PageWindow(registry, form()); };
}

// A tank window generated from its page table, with its charts and the
// pictures that follow the typed dimensions.
Factory tanks(const PageForm& (*form)(), TankWindow::Profiles profiles, TankWindow::Pictures pictures) {
  return [form, profiles, pictures](WindowRegistry& registry) -> QWidget* {
    return new TankWindow(registry, form(), profiles, pictures);
  };
}

// ---- Menu items ------------------------------------------------------------

// A File item naming a window switches to it.
MenuItem go(const char* caption, const char* name, WindowKey target, Pointer pointer = Pointer::Busy) {
  return {.caption = caption, .name = name, .action = MenuAction::SwitchTo, .target = target, .pointer = pointer};
}
MenuItem separator(const char* name = "") { return {.name = name}; }
MenuItem closeItem(Pointer pointer, const char* name = "MnuFileExit") {
  return {.caption = "E&xit", .name = name, .action = MenuAction::Close, .pointer = pointer};
}
MenuItem exitApp() { return {.caption = "E&xit", .name = "MnuFileExit", .action = MenuAction::ExitApp}; }
// The About box, a window of its own over this one.
MenuItem about(const char* caption, Pointer pointer = Pointer::Busy, const char* name = "MnuHelpAbout") {
  return {.caption = caption, .name = name, .action = MenuAction::ShowBox, .target = kAboutWindow, .pointer = pointer};
}
// The About box, modal over this window.
MenuItem modalAbout(const char* caption) {
  return {.caption = caption, .name = "MnuHelpAbout", .action = MenuAction::ShowModal, .target = kAboutWindow};
}
MenuItem help(const char* caption, const char* name = "MnuHelpHelp") {
  return {.caption = caption, .name = name, .action = MenuAction::Help};
}
// A Help item that opens the configured help file, the pointer left as it is.
MenuItem configuredHelpItem(const char* caption, const ConfiguredHelp& configuredHelp) {
  return {.caption = caption,
          .name = "MnuHelpHelp",
          .action = MenuAction::Run,
          .pointer = Pointer::Unchanged,
          .run = [&configuredHelp](FormWindow& window) { configuredHelp.open(window); }};
}
MenuItem custom(const char* caption, const char* name) {
  return {.caption = caption, .name = name, .action = MenuAction::Custom};
}

// "Tank &Gauging": the gauging window, offered the volumes of the tab in
// front when it is opened from a tank window.
void openGauging(FormWindow& from) {
  auto* gauging = qobject_cast<GaugingWindow*>(from.registry().load(kGaugingWindow));
  if (!gauging) return;
  if (auto* tank = qobject_cast<TankWindow*>(&from)) {
    TabVolumes tab = tank->currentTabVolumes();
    gauging->offerTank(QString::fromStdString(tab.caption), QString::fromStdString(tab.lengthUnit),
                       std::move(tab.cubicMetresAt));
  }
  from.registry().switchTo(&from, kGaugingWindow, false);  // the pointer bracket is the item's own
}
MenuItem gauging() {
  return {.caption = "Tank &Gauging",
          .name = "MnuFileTankGauging",
          .action = MenuAction::Run,
          .run = openGauging,
          .shortcut = "Ctrl+G"};
}

Menu file(std::vector<MenuItem> items) { return {"&File", "MnuFile", std::move(items)}; }
Menu helpMenu(std::vector<MenuItem> items) { return {"&Help", "MnuHelp", std::move(items)}; }

// ---- Menus of each window --------------------------------------------------

MenuTable mainMenuMenus() { return {file({exitApp()}), helpMenu({about("&About..."), separator(), help("&Help")})}; }

MenuTable tankSelectionMenus() {
  return {
      file({go("&Annular Volume", "MnuFileAnnular", kAnnularWindow), go("&Coatings", "MnuFileCoating", kCoatingWindow),
            go("C&onversions", "MnuFileConversion", kConversionWindow),
            go("&Fuel Use", "MnuFileFuelUse", kFuelUseWindow),
            go("&Horizontal Tanks", "MnuFileHorizontalTanks", kHorizontalTanksWindow),
            go("&Main Menu", "MnuFileMainMenu", kMainMenuWindow),
            go("&Pipeline Volume", "MnuFilePipeline", kPipelineWindow),
            go("&Rectangular Tank", "MnuFileRectangularTank", kRectangularTankWindow),
            go("&Spherical Tank", "MnuFileSphericalTank", kSphericalTankWindow),
            go("&Vertical Tanks", "MnuFileVerticalTanks", kVerticalTankWindow), gauging(), separator(),
            closeItem(Pointer::Busy)}),
      helpMenu({about("&About..."), separator(), help("&Help File", "MnuHelpHelpFile")})};
}

MenuTable verticalTankMenus() {
  return {
      file({go("&Annular Volume", "MnuFileAnnular", kAnnularWindow), go("Coating", "MnuFileCoating", kCoatingWindow),
            go("Conversion", "MnuFileConversion", kConversionWindow), go("Fuel Use", "MnuFileFuelUse", kFuelUseWindow),
            go("Main Menu", "MnuFileMainMenu", kMainMenuWindow, Pointer::Unchanged),
            go("&Pipeline Volume", "MnuFilePipeline", kPipelineWindow),
            go("&Tank Selection", "MnuFileTankSelection", kTankSelectionWindow), gauging(), separator(),
            closeItem(Pointer::Busy)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
}

MenuTable horizontalTanksMenus(const ConfiguredHelp& configuredHelp) {
  return {
      file({go("&Annular Volume", "MnuFileAnnular", kAnnularWindow), go("&Coating", "MnuFileCoating", kCoatingWindow),
            go("Con&version", "MnuFileConversion", kConversionWindow),
            go("&Fuel Use", "MnuFileFuelUse", kFuelUseWindow), go("&Main Menu", "MnuFileMainMenu", kMainMenuWindow),
            go("&Pipeline Volume", "MnuFilePipeline", kPipelineWindow),
            go("&Tank Selection", "MnuFileTankSelection", kTankSelectionWindow), gauging(), separator(),
            closeItem(Pointer::Unchanged)}),
      helpMenu({configuredHelpItem("Help &Documentation", configuredHelp), separator(), modalAbout("&About Calvexa")})};
}

MenuTable rectangularTankMenus() {
  return {file({go("&Annular Volume", "MnuFileAnnular", kAnnularWindow),
                go("&Conversions", "MnuFileConversion", kConversionWindow),
                go("C&oatings", "MnuFileCoating", kCoatingWindow), go("&Fuel Use", "MnuFileFuelUse", kFuelUseWindow),
                go("&Main Menu", "MnuFileMainMenu", kMainMenuWindow),
                go("&Pipeline Volume", "MnuFilePipeline", kPipelineWindow),
                go("&Tank Selection", "MnuFileTankSelection", kTankSelectionWindow), gauging(), separator(),
                closeItem(Pointer::Unchanged)}),
          helpMenu({about("&About Calvexa"), separator(), help("&Help File", "MnuHelpHelpFile")})};
}

MenuTable sphericalTankMenus() {
  return {
      file({go("&Annular Volume", "MnuFileAnnular", kAnnularWindow), go("&Coating", "MnuFileCoating", kCoatingWindow),
            go("Con&versions", "MnuFileConversion", kConversionWindow),
            go("&Fuel Use", "MnuFileFuelUse", kFuelUseWindow),
            go("&Main Menu", "MnuFileMainMenu", kMainMenuWindow, Pointer::Unchanged),
            go("&Pipeline Volume", "MnuFilePipeline", kPipelineWindow),
            go("&Tank Selection", "MnuFileTankSelection", kTankSelectionWindow), gauging(), separator(),
            closeItem(Pointer::Busy)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
}

MenuTable annularMenus() {
  return {file({go("&Coating", "MnuFileCoating", kCoatingWindow),
                go("Con&versions", "MnuFileConversion", kConversionWindow),
                go("&Fuel Use", "MnuFileFuelUse", kFuelUseWindow), go("&Main Menu", "MnuFileMainMenu", kMainMenuWindow),
                go("&Pipeline Volume", "MnuFilePipeline", kPipelineWindow),
                go("&Tank Selection", "MnuFileTankSelection", kTankSelectionWindow), separator(), exitApp()}),
          helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa", Pointer::Unchanged)})};
}

MenuTable pipelineMenus() {
  return {
      file({go("&Annular Volume", "MnuFileAnnular", kAnnularWindow), go("&Coating", "MnuFileCoating", kCoatingWindow),
            go("Con&version", "MnuFileConversion", kConversionWindow),
            go("&Fuel Use", "MnuFileFuelUse", kFuelUseWindow), go("&Main Menu", "MnuFileMainMenu", kMainMenuWindow),
            go("&Tank Selection", "MnuFileTankSelection", kTankSelectionWindow), separator(),
            closeItem(Pointer::Unchanged)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
}

MenuTable coatingMenus() {
  return {file({go("&Annular Volume", "MnuFileAnnular", kAnnularWindow),
                go("Con&versions", "MnuFileConversion", kConversionWindow),
                go("&Fuel Use", "MnuFileFuelUse", kFuelUseWindow), go("&Main Menu", "MnuFileMainMenu", kMainMenuWindow),
                go("&Pipeline Volume", "MnuFilePipeline", kPipelineWindow),
                go("&Tank Selection", "MnuFileTankSelection", kTankSelectionWindow), separator(),
                closeItem(Pointer::Unchanged)}),
          helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa", Pointer::Unchanged)})};
}

MenuTable fuelUseMenus() {
  return {
      file({go("&Annular Volume", "MnuFileAnnular", kAnnularWindow), go("&Coating", "MnuFileCoating", kCoatingWindow),
            go("Con&version", "MnuFileConversion", kConversionWindow),
            go("&Main Menu", "MnuFileMainMenu", kMainMenuWindow),
            go("&Pipeline Volume", "MnuFilePipeline", kPipelineWindow),
            go("&Tank Selection", "MnuFileTankSelection", kTankSelectionWindow), separator(),
            closeItem(Pointer::Unchanged)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
}

MenuTable gaugingMenus() {
  return {file({go("&Main Menu", "MnuFileMainMenu", kMainMenuWindow),
                go("&Tank Selection", "MnuFileTankSelection", kTankSelectionWindow), separator(),
                closeItem(Pointer::Busy)}),
          helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
}

// The converter's own item names.
MenuTable conversionMenus() {
  return {
      {"&File",
       "MnuFile",
       {go("&Annular Volume", "MnuFileAnnularVolume", kAnnularWindow), go("&Coating", "mnuFileCoating", kCoatingWindow),
        go("&Fuel Use", "mnuFileFuelUse", kFuelUseWindow), go("&Main Menu", "mnuFileMainMenu", kMainMenuWindow),
        go("&Pipeline Volume", "MnuFilePipelineVolume", kPipelineWindow),
        go("&Tank Selection", "MnuFileTankSelection", kTankSelectionWindow), separator("mnuFileSpacer"),
        closeItem(Pointer::Unchanged, "MnuExit")}},
      {"&Help",
       "MainMnuHelp",
       {help("&Help Documentation", "MnuHelp"), separator("MnuHelpSep"),
        about("&About Calvexa", Pointer::Unchanged, "MnuAbout")}}};
}

// The calculator's File menu is its clipboard.
MenuTable calculatorMenus() {
  return {{"&File",
           "MnuFile",
           {custom("&Cut", "ecut"),
            custom("C&opy", "ecopy"),
            custom("&Paste", "epaste"),
            separator(),
            custom("Select &All", "eselectall"),
            separator(),
            {.caption = "&Exit", .name = "eexit", .action = MenuAction::Close, .pointer = Pointer::Unchanged}}},
          {"&Help", "help", {about("&About", Pointer::Busy, "habout"), separator(), help("&Help")}}};
}

// ---- The windows -------------------------------------------------------------

std::vector<WindowRegistration> programWindows(const ConfiguredHelp& configuredHelp) {
  return {
      {.key = kSplashWindow, .factory = make<SplashWindow>(), .helpAnchor = "mainmenu"},
      {.key = kMainMenuWindow, .factory = make<MainMenuWindow>(), .helpAnchor = "mainmenu", .menus = mainMenuMenus()},
      {.key = kAboutWindow, .factory = make<AboutWindow>(), .helpAnchor = "mainmenu"},
      {.key = kConversionWindow,
       .factory = make<ConversionWindow>(),
       .parent = kMainMenuWindow,
       .helpAnchor = "converter",
       .menus = conversionMenus()},
      {.key = kAnnularWindow,
       .factory = pages(annularForm),
       .parent = kMainMenuWindow,
       .helpAnchor = "annular",
       .menus = annularMenus()},
      {.key = kPipelineWindow,
       .factory = pages(pipelineForm),
       .parent = kMainMenuWindow,
       .helpAnchor = "pipeline",
       .menus = pipelineMenus()},
      {.key = kCoatingWindow,
       .factory = pages(coatingForm),
       .parent = kMainMenuWindow,
       .helpAnchor = "coating",
       .menus = coatingMenus()},
      {.key = kFuelUseWindow,
       .factory = pages(fuelForm),
       .parent = kMainMenuWindow,
       .helpAnchor = "fuel",
       .menus = fuelUseMenus()},
      {.key = kCalculatorWindow,
       .factory = make<CalculatorWindow>(),
       .parent = kMainMenuWindow,
       .helpAnchor = "scicalc",
       .menus = calculatorMenus()},
      {.key = kTankSelectionWindow,
       .factory = make<TankSelectionWindow>(),
       .parent = kMainMenuWindow,
       .helpAnchor = "tankselection",
       .menus = tankSelectionMenus()},
      {.key = kDivisionsWindow,
       .factory = make<DivisionsWindow>(),
       .parent = kTankSelectionWindow,
       .helpAnchor = "charts"},
      {.key = kVerticalTankWindow,
       .factory = tanks(verticalTankForm, verticalChartProfile, verticalPictureInputs),
       .parent = kTankSelectionWindow,
       .helpAnchor = "vertical",
       .menus = verticalTankMenus()},
      {.key = kRectangularTankWindow,
       .factory = tanks(rectangularTankForm, rectangularChartProfile, rectangularPictureInputs),
       .parent = kTankSelectionWindow,
       .helpAnchor = "rectangular",
       .menus = rectangularTankMenus()},
      {.key = kSphericalTankWindow,
       .factory = tanks(sphericalTankForm, sphericalChartProfile, sphericalPictureInputs),
       .parent = kTankSelectionWindow,
       .helpAnchor = "spherical",
       .menus = sphericalTankMenus()},
      {.key = kGaugingWindow,
       .factory = make<GaugingWindow>(),
       .parent = kTankSelectionWindow,
       .helpAnchor = "gauging",
       .menus = gaugingMenus()},
      {.key = kHorizontalTanksWindow,
       .factory = tanks(horizontalTankForm, horizontalChartProfile, horizontalPictureInputs),
       .parent = kTankSelectionWindow,
       .helpAnchor = "horizontal",
       .menus = horizontalTanksMenus(configuredHelp)},
  };
}

}  // namespace

void registerWindows(WindowRegistry& registry, const ConfiguredHelp& configuredHelp) {
  initPictures();
  for (WindowRegistration& window : programWindows(configuredHelp)) registry.add(std::move(window));
}

}  // namespace calvexa
