// The windows of the tank calculators, by the keys the registry knows them
// by: the chooser and the divisions dialog here, the four tank windows with
// their tables.
#pragma once

#include "core/window_key.h"
#include "tanks/horizontal_tank_rules.h"
#include "tanks/rectangular_tank_rules.h"
#include "tanks/spherical_tank_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace calvexa {

inline constexpr WindowKey kTankSelectionWindow{"FrmTankSelection"};
inline constexpr WindowKey kDivisionsWindow{"FrmTankSections"};

}  // namespace calvexa
