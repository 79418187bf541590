// The windows of the oilfield calculations, by the keys the registry knows
// them by (each the name of its page table).
#pragma once

#include "ui/window_key.h"

namespace calvexa {

inline constexpr WindowKey kAnnularWindow{"FrmAnnVolume"};
inline constexpr WindowKey kPipelineWindow{"FrmPipelineVolume"};
inline constexpr WindowKey kCoatingWindow{"frmCoating"};
inline constexpr WindowKey kFuelUseWindow{"frmFuelUse"};

}  // namespace calvexa
