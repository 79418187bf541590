// The program's identity: its title and the version the build was made as.
#pragma once

#include <string>

namespace calvexa {

extern const char* const kApplicationTitle;  // "Calvexa"

// "3.6.13": major, minor and revision of the build.
std::string versionNumber();

// "Version 3.6.13".
std::string versionText();

}  // namespace calvexa
