// The four tank windows, each with its table, input rows, charts and
// pictures, for the tests that hold every tank tab to the same rules.
#pragma once

#include "core/page_table.h"
#include "tanks/chart_rules.h"
#include "tanks/horizontal_tank_rules.h"
#include "tanks/rectangular_tank_rules.h"
#include "tanks/spherical_tank_rules.h"
#include "tanks/tank_drawing_rules.h"
#include "tanks/tank_form_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace calvexa {

struct TankWindow {
  const char* name;
  const PageForm& form;
  const TankRows& (*rows)(int page);
  const TankChartProfile& (*chart)(int page);
  const TankPictureInputs* (*picture)(int page);
};

inline const TankWindow kTankWindows[] = {
    {"upright", verticalTankForm(), verticalTankRows, verticalChartProfile, verticalPictureInputs},
    {"horizontal", horizontalTankForm(), horizontalTankRows, horizontalChartProfile, horizontalPictureInputs},
    {"rectangular", rectangularTankForm(), rectangularTankRows, rectangularChartProfile, rectangularPictureInputs},
    {"spherical", sphericalTankForm(), sphericalTankRows, sphericalChartProfile, sphericalPictureInputs},
};

}  // namespace calvexa
