#include "app/shell_rules.h"

namespace calvexa {

const char* const kSplashWarning =
    " Warning:  This program uses averaged information.  Specific circumstances may change the factors used "
    "with calculations in this program.";
const char* const kSplashMakerLine = "Made for field and oilfield engineers";
const char* const kSplashYearLine = "First released in 2004";
const char* const kWelcomeText =
    "Welcome to the Calvexa program. It is meant for those who need to convert units and calculate volumes "
    "in the field.";
const char* const kAboutDescription = "This program was written for those who want a user friendly Calvexa program. ";
const char* const kAboutContactLine =
    "For more information, or to have a custom program written, write to the Calvexa developers at "
    "info@calvexa.example.";

const std::array<const char*, 4> kSystemInfoTools = {"hardinfo", "kinfocenter", "gnome-system-monitor",
                                                     "xfce4-taskmanager"};

const char* const kSysInfoUnavailable = "System Information Is Unavailable At This Time";

}  // namespace calvexa
