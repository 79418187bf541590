// Start-up: the routine that brings the program's first windows up.
#pragma once

namespace calvexa {

class WindowRegistry;

// Splash, busy pointer, load main menu, About box and converter, show the
// main menu, hide the splash, default pointer.
void startUp(WindowRegistry& registry);

}  // namespace calvexa
