#include "ui/menus.h"

#include <map>

namespace calvexa {
namespace {

using W = WindowId;

// A File item naming a window switches to it.
MenuItemSpec go(const char* caption, const char* name, WindowId target, Pointer pointer = Pointer::Busy) {
  return {.caption = caption, .name = name, .action = MenuAction::SwitchTo, .target = target, .pointer = pointer};
}
MenuItemSpec separator(const char* name = "") { return {.name = name}; }
MenuItemSpec closeItem(Pointer pointer, const char* name = "MnuFileExit") {
  return {.caption = "E&xit", .name = name, .action = MenuAction::Close, .pointer = pointer};
}
MenuItemSpec exitApp() { return {.caption = "E&xit", .name = "MnuFileExit", .action = MenuAction::ExitApp}; }
MenuItemSpec about(const char* caption, Pointer pointer = Pointer::Busy, const char* name = "MnuHelpAbout") {
  return {.caption = caption, .name = name, .action = MenuAction::About, .pointer = pointer};
}
MenuItemSpec help(const char* caption, const char* name = "MnuHelpHelp") {
  return {.caption = caption, .name = name, .action = MenuAction::Help};
}
MenuItemSpec custom(const char* caption, const char* name) {
  return {.caption = caption, .name = name, .action = MenuAction::Custom};
}

MenuSpec file(std::vector<MenuItemSpec> items) { return {"&File", "MnuFile", std::move(items)}; }
MenuSpec helpMenu(std::vector<MenuItemSpec> items) { return {"&Help", "MnuHelp", std::move(items)}; }

std::map<WindowId, MenuTable> buildTables() {
  std::map<WindowId, MenuTable> t;
  t[W::MainMenu] = {file({exitApp()}), helpMenu({about("&About..."), separator(), help("&Help")})};
  t[W::TankSelection] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("&Coatings", "MnuFileCoating", W::Coating),
            go("C&onversions", "MnuFileConversion", W::Conversion), go("&Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("&Horizontal Tanks", "MnuFileHorizontalTanks", W::HorizontalTanks),
            go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Rectangular Tank", "MnuFileRectangularTank", W::RectangularTank),
            go("&Spherical Tank", "MnuFileSphericalTank", W::SphericalTank),
            go("&Vertical Tanks", "MnuFileVerticalTanks", W::VerticalTank), separator(), closeItem(Pointer::Busy)}),
      helpMenu({about("&About..."), separator(), help("&Help File", "MnuHelpHelpFile")})};
  t[W::VerticalTank] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("Coating", "MnuFileCoating", W::Coating),
            go("Conversion", "MnuFileConversion", W::Conversion), go("Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("Main Menu", "MnuFileMainMenu", W::MainMenu, Pointer::Unchanged),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), closeItem(Pointer::Busy)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
  t[W::HorizontalTanks] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("&Coating", "MnuFileCoating", W::Coating),
            go("Con&version", "MnuFileConversion", W::Conversion), go("&Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(),
            closeItem(Pointer::Unchanged)}),
      helpMenu({{.caption = "Help &Documentation",
                 .name = "MnuHelpHelp",
                 .action = MenuAction::ConfiguredHelp,
                 .pointer = Pointer::Unchanged},
                separator(),
                {.caption = "&About Calvexa", .name = "MnuHelpAbout", .action = MenuAction::AboutModal}})};
  t[W::RectangularTank] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume),
            go("&Conversions", "MnuFileConversion", W::Conversion), go("C&oatings", "MnuFileCoating", W::Coating),
            go("&Fuel Use", "MnuFileFuelUse", W::FuelUse), go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(),
            closeItem(Pointer::Unchanged)}),
      helpMenu({about("&About Calvexa"), separator(), help("&Help File", "MnuHelpHelpFile")})};
  t[W::SphericalTank] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("&Coating", "MnuFileCoating", W::Coating),
            go("Con&versions", "MnuFileConversion", W::Conversion), go("&Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("&Main Menu", "MnuFileMainMenu", W::MainMenu, Pointer::Unchanged),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), closeItem(Pointer::Busy)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
  t[W::AnnVolume] = {
      file({go("&Coating", "MnuFileCoating", W::Coating), go("Con&versions", "MnuFileConversion", W::Conversion),
            go("&Fuel Use", "MnuFileFuelUse", W::FuelUse), go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), exitApp()}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa", Pointer::Unchanged)})};
  t[W::PipelineVolume] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("&Coating", "MnuFileCoating", W::Coating),
            go("Con&version", "MnuFileConversion", W::Conversion), go("&Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(),
            closeItem(Pointer::Unchanged)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
  t[W::Coating] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume),
            go("Con&versions", "MnuFileConversion", W::Conversion), go("&Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(),
            closeItem(Pointer::Unchanged)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa", Pointer::Unchanged)})};
  t[W::FuelUse] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("&Coating", "MnuFileCoating", W::Coating),
            go("Con&version", "MnuFileConversion", W::Conversion), go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(),
            closeItem(Pointer::Unchanged)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
  t[W::Conversion] = {
      {"&File",
       "MnuFile",
       {go("&Annular Volume", "MnuFileAnnularVolume", W::AnnVolume), go("&Coating", "mnuFileCoating", W::Coating),
        go("&Fuel Use", "mnuFileFuelUse", W::FuelUse), go("&Main Menu", "mnuFileMainMenu", W::MainMenu),
        go("&Pipeline Volume", "MnuFilePipelineVolume", W::PipelineVolume),
        go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator("mnuFileSpacer"),
        closeItem(Pointer::Unchanged, "MnuExit")}},
      {"&Help",
       "MainMnuHelp",
       {help("&Help Documentation", "MnuHelp"), separator("MnuHelpSep"),
        about("&About Calvexa", Pointer::Unchanged, "MnuAbout")}}};
  t[W::SciCalc] = {
      {"&File",
       "MnuFile",
       {custom("&Cut", "ecut"),
        custom("C&opy", "ecopy"),
        custom("&Paste", "epaste"),
        separator(),
        custom("Select &All", "eselectall"),
        separator(),
        {.caption = "&Exit", .name = "eexit", .action = MenuAction::Close, .pointer = Pointer::Unchanged}}},
      {"&Help", "help", {about("&About", Pointer::Busy, "habout"), separator(), help("&Help")}}};
  return t;
}

}  // namespace

const MenuTable& menuTable(WindowId id) {
  static const std::map<WindowId, MenuTable> tables = buildTables();
  static const MenuTable none;
  auto it = tables.find(id);
  return it == tables.end() ? none : it->second;
}

}  // namespace calvexa
