// The shell's own texts: splash, main menu and About box, and what the About
// box's system-information button tries.
#pragma once

#include <array>

namespace calvexa {

extern const char* const kSplashWarning;
extern const char* const kSplashMakerLine;
extern const char* const kSplashYearLine;
extern const char* const kWelcomeText;
extern const char* const kAboutDescription;
extern const char* const kAboutContactLine;

// System-information tools tried in turn; the first one found on the PATH is started.
extern const std::array<const char*, 4> kSystemInfoTools;

// Shown when none of them can be started.
extern const char* const kSysInfoUnavailable;

}  // namespace calvexa
