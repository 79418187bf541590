#include "core/identity.h"

namespace calvexa {

const char* const kApplicationTitle = "Calvexa";

std::string versionText() {
  return "Version " + std::to_string(CALVEXA_VERSION_MAJOR) + "." + std::to_string(CALVEXA_VERSION_MINOR) + "." +
         std::to_string(CALVEXA_VERSION_REVISION);
}

}  // namespace calvexa
