// The File and Help menus of a window, as a table its registration gives.
#pragma once

#include <functional>
#include <vector>

#include "core/window_key.h"

namespace calvexa {

class FormWindow;

enum class MenuAction {
  Separator,
  SwitchTo,   // switch to `target`
  ExitApp,    // unload every window and end the program
  Close,      // unload this window; its parent is shown
  ShowBox,    // `target` as a box of its own over this window
  ShowModal,  // `target` as a box modal over this window
  Help,       // the program's help file at this window's section
  Run,        // the item's own command, `run`
  Custom,     // handled by the window itself (by the item's name)
};

// Whether an item runs inside the busy-pointer bracket.
enum class Pointer { Busy, Unchanged };

struct MenuItem {
  const char* caption = nullptr;  // with & access key; none for a separator
  const char* name = "";          // objectName
  MenuAction action = MenuAction::Separator;
  WindowKey target = {};
  Pointer pointer = Pointer::Busy;
  std::function<void(FormWindow&)> run = {};  // the command of a Run item, given the window of its menu
  const char* shortcut = "";                  // its key, as QKeySequence reads it ("Ctrl+G"); none by default
};

struct Menu {
  const char* caption;  // "&File", "&Help"
  const char* name;
  std::vector<MenuItem> items;
};

using MenuTable = std::vector<Menu>;

}  // namespace calvexa
