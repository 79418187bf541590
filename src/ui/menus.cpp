#include "ui/menus.h"

#include <map>

namespace calvexa {
namespace {

using W = WindowId;

MenuItemSpec go(const char* caption, const char* name, WindowId target, bool busy = true) {
  return {caption, name, MenuAction::SwitchTo, target, busy};
}
MenuItemSpec separator() { return {nullptr, "", MenuAction::Separator}; }
MenuItemSpec closeItem(bool busy) { return {"E&xit", "MnuFileExit", MenuAction::Close, W::MainMenu, busy}; }
MenuItemSpec exitApp(const char* caption = "E&xit") { return {caption, "MnuFileExit", MenuAction::ExitApp}; }
MenuItemSpec about(const char* caption, bool busy = true) {
  return {caption, "MnuHelpAbout", MenuAction::About, W::About, busy};
}
MenuItemSpec help(const char* caption, const char* name = "MnuHelpHelp") { return {caption, name, MenuAction::Help}; }

MenuSpec file(std::vector<MenuItemSpec> items) { return {"&File", "MnuFile", std::move(items)}; }
MenuSpec helpMenu(std::vector<MenuItemSpec> items) { return {"&Help", "MnuHelp", std::move(items)}; }

std::map<WindowId, MenuTable> buildTables() {
  std::map<WindowId, MenuTable> t;
  t[W::MainMenu] = {file({exitApp()}), helpMenu({about("&About..."), separator(), help("&Help")})};
  t[W::TankSelection] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("&Coatings", "MnuFileCoating", W::Coating),
            go("C&onversions", "MnuFileConversion", W::Conversion), go("&Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("&Horizontal Tanks", "MnuFileHorizontal", W::HorizontalTanks),
            go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Rectangular Tank", "MnuFileRectangular", W::RectangularTank),
            go("&Spherical Tank", "MnuFileSpherical", W::SphericalTank),
            go("&Vertical Tanks", "MnuFileVertical", W::VerticalTank), separator(), closeItem(true)}),
      helpMenu({about("&About..."), separator(), help("&Help File", "MnuHelpHelpFile")})};
  t[W::VerticalTank] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("Coating", "MnuFileCoating", W::Coating),
            go("Conversion", "MnuFileConversion", W::Conversion), go("Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("Main Menu", "MnuFileMainMenu", W::MainMenu, false),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), closeItem(true)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
  t[W::HorizontalTanks] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("&Coating", "MnuFileCoating", W::Coating),
            go("Con&version", "MnuFileConversion", W::Conversion), go("&Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), closeItem(false)}),
      helpMenu({{"Help &Documentation", "MnuHelpHelp", MenuAction::ConfiguredHelp, W::MainMenu, false},
                separator(),
                {"&About Calvexa", "MnuHelpAbout", MenuAction::AboutModal, W::About, true}})};
  t[W::RectangularTank] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume),
            go("&Conversions", "MnuFileConversion", W::Conversion), go("C&oatings", "MnuFileCoating", W::Coating),
            go("&Fuel Use", "MnuFileFuelUse", W::FuelUse), go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), closeItem(false)}),
      helpMenu({about("&About Calvexa"), separator(), help("&Help File", "MnuHelpHelpFile")})};
  t[W::SphericalTank] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("&Coating", "MnuFileCoating", W::Coating),
            go("Con&versions", "MnuFileConversion", W::Conversion), go("&Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("&Main Menu", "MnuFileMainMenu", W::MainMenu, false),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), closeItem(true)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
  t[W::AnnVolume] = {
      file({go("&Coating", "MnuFileCoating", W::Coating), go("Con&versions", "MnuFileConversion", W::Conversion),
            go("&Fuel Use", "MnuFileFuelUse", W::FuelUse), go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), exitApp()}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa", false)})};
  t[W::PipelineVolume] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("&Coating", "MnuFileCoating", W::Coating),
            go("Con&version", "MnuFileConversion", W::Conversion), go("&Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), closeItem(false)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
  t[W::Coating] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume),
            go("Con&versions", "MnuFileConversion", W::Conversion), go("&Fuel Use", "MnuFileFuelUse", W::FuelUse),
            go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), closeItem(false)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa", false)})};
  t[W::FuelUse] = {
      file({go("&Annular Volume", "MnuFileAnnular", W::AnnVolume), go("&Coating", "MnuFileCoating", W::Coating),
            go("Con&version", "MnuFileConversion", W::Conversion), go("&Main Menu", "MnuFileMainMenu", W::MainMenu),
            go("&Pipeline Volume", "MnuFilePipeline", W::PipelineVolume),
            go("&Tank Selection", "MnuFileTankSelection", W::TankSelection), separator(), closeItem(false)}),
      helpMenu({help("Help &Documentation"), separator(), about("&About Calvexa")})};
  t[W::Conversion] = {{"&File",
                       "MnuFile",
                       {go("&Annular Volume", "MnuFileAnnularVolume", W::AnnVolume),
                        go("&Coating", "mnuFileCoating", W::Coating),
                        go("&Fuel Use", "mnuFileFuelUse", W::FuelUse),
                        go("&Main Menu", "mnuFileMainMenu", W::MainMenu),
                        go("&Pipeline Volume", "MnuFilePipelineVolume", W::PipelineVolume),
                        go("&Tank Selection", "MnuFileTankSelection", W::TankSelection),
                        {nullptr, "mnuFileSpacer", MenuAction::Separator},
                        {"E&xit", "MnuExit", MenuAction::Close, W::MainMenu, false}}},
                      {"&Help",
                       "MainMnuHelp",
                       {help("&Help Documentation", "MnuHelp"),
                        {nullptr, "MnuHelpSep", MenuAction::Separator},
                        {"&About Calvexa", "MnuAbout", MenuAction::About, W::About, false}}}};
  t[W::SciCalc] = {{"&File",
                    "MnuFile",
                    {{"&Cut", "ecut", MenuAction::Custom},
                     {"C&opy", "ecopy", MenuAction::Custom},
                     {"&Paste", "epaste", MenuAction::Custom},
                     separator(),
                     {"Select &All", "eselectall", MenuAction::Custom},
                     separator(),
                     {"&Exit", "eexit", MenuAction::Close, W::MainMenu, false}}},
                   {"&Help", "help", {{"&About", "habout", MenuAction::About}, separator(), help("&Help")}}};
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
