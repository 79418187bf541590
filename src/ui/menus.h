// The File and Help menus of every window, one table per window.
#pragma once

#include <vector>

#include "ui/window_id.h"

namespace calvexa {

enum class MenuAction {
  Separator,
  SwitchTo,        // switch to `target`
  ExitApp,         // unload every window and end the program
  Close,           // unload this window; its parent is shown
  About,           // the About box over this window
  AboutModal,      // the About box, modal over this window
  Help,            // the help file at its contents
  ConfiguredHelp,  // the help file named by the build setting
  Custom,          // handled by the window itself (by the item's name)
};

// Whether an item runs inside the busy-pointer bracket.
enum class Pointer { Busy, Unchanged };

struct MenuItemSpec {
  const char* caption = nullptr;  // with & access key; none for a separator
  const char* name = "";          // objectName
  MenuAction action = MenuAction::Separator;
  WindowId target = WindowId::MainMenu;
  Pointer pointer = Pointer::Busy;
};

struct MenuSpec {
  const char* caption;  // "&File", "&Help"
  const char* name;
  std::vector<MenuItemSpec> items;
};

using MenuTable = std::vector<MenuSpec>;

// The menus of one window; empty for the splash, the About box and the
// divisions dialog.
const MenuTable& menuTable(WindowId id);

}  // namespace calvexa
