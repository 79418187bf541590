// A tank tab as a source of volumes for gauging: the tab's own calculation
// run on a copy of its texts with the fluid height replaced, so a gauge
// reading is measured against the tank the user drew.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/outcome.h"
#include "tanks/chart_rules.h"

namespace calvexa {

struct TabVolumes {
  std::string caption;     // the tab's (or its window's) caption
  std::string lengthUnit;  // the unit the fluid height is typed in on the tab
  // The tank's volume in cubic metres at a liquid height in metres; nullopt
  // where the tab's calculation refuses it (above the tank, a dimension the
  // tab cannot read).
  std::function<std::optional<double>(double metres)> cubicMetresAt;
};

// The tab's texts are copied now: later typing in the tab changes nothing.
// The fluid height is typed in the tab's fluid-height unit (the tank
// height's when that list shows none, else metres); the answer is asked in
// litres, the finest of the answer units, whatever the tab shows.
TabVolumes tabVolumes(const TankChartProfile& profile, std::string caption, Fields fields);

}  // namespace calvexa
