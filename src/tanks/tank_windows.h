// The windows of the tank calculators, by the keys the registry knows them
// by: the chooser, the four tank windows and the divisions dialog.
#pragma once

#include "ui/window_key.h"

namespace calvexa {

inline constexpr WindowKey kTankSelectionWindow{"FrmTankSelection"};
inline constexpr WindowKey kVerticalTankWindow{"FrmVerticalTank"};
inline constexpr WindowKey kHorizontalTanksWindow{"FrmHorizontalTanks"};
inline constexpr WindowKey kRectangularTankWindow{"FrmRectangularTank"};
inline constexpr WindowKey kSphericalTankWindow{"FrmSphericalTank"};
inline constexpr WindowKey kDivisionsWindow{"FrmTankSections"};

}  // namespace calvexa
