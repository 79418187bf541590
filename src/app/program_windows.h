// The windows of the program: each one's key, factory, parent, help section
// and menus, handed to the registry at start.
#pragma once

namespace calvexa {

class ConfiguredHelp;
class WindowRegistry;

// Registers every window of the program. The Help items that open the
// configured help file read `configuredHelp`, which outlives the registry.
void registerWindows(WindowRegistry& registry, const ConfiguredHelp& configuredHelp);

}  // namespace calvexa
