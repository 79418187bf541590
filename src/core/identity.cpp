#include "core/identity.h"

namespace calvexa {

const char* const kApplicationTitle = "Calvexa";

std::string versionNumber() {
  return std::to_string(CALVEXA_VERSION_MAJOR) + "." + std::to_string(CALVEXA_VERSION_MINOR) + "." +
         std::to_string(CALVEXA_VERSION_REVISION);
}

std::string versionText() { return "Version " + versionNumber(); }

}  // namespace calvexa
