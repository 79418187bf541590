// Start-up: which windows the program has, and the start-up routine.
#pragma once

namespace calvexa {

class WindowRegistry;

// Gives the registry a factory for every window the program has.
void registerWindows(WindowRegistry& registry);

// Splash, busy pointer, load main menu, About box and converter, show the
// main menu, hide the splash, default pointer.
void startUp(WindowRegistry& registry);

}  // namespace calvexa
