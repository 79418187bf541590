// Start-up: the routine that brings the program's first windows up.
#pragma once

namespace calvexa {

class WindowRegistry;

// The application's name, icon and quit rule (the main menu's Exit ends the
// program, not the last window closed). Call once the application exists.
void setUpApplication();

// Splash, busy pointer, load main menu, About box and converter, show the
// main menu, hide the splash, default pointer.
void startUp(WindowRegistry& registry);

}  // namespace calvexa
