// Upright tanks: circular and elliptical cross-sections with flat, conical,
// ellipsoidal or spherical-segment bottoms, one tab each of FrmVerticalTank.
#pragma once

#include "core/outcome.h"
#include "core/page_table.h"
#include "tanks/chart_rules.h"
#include "tanks/tank_drawing_rules.h"
#include "tanks/tank_form_rules.h"

namespace calvexa {

// The eight tab calculations; each reads only its own tab's boxes and writes
// only its own answer (general number text), or shows one message.
Outcome CalcVerticalFlat(const Fields& fields);                   // tab 0
Outcome CalcVerticalConical(const Fields& fields);                // tab 1
Outcome CalcVerticalEllipsoidal(const Fields& fields);            // tab 2
Outcome CalcVerticalSpherical(const Fields& fields);              // tab 3
Outcome CalcVerticalEllipticalFlat(const Fields& fields);         // tab 4
Outcome CalcVerticalEllipticalConical(const Fields& fields);      // tab 5
Outcome CalcVerticalEllipticalEllipsoidal(const Fields& fields);  // tab 6
Outcome CalcVerticalEllipticalSpherical(const Fields& fields);    // tab 7

// A spherical bottom deeper than half the diameter (half the width of an
// elliptical tank) cannot be built.
extern const char* const kSphericalBottomTooDeepText;
extern const char* const kEllipticalSphericalBottomTooDeepText;

// The upright tank window: eight tabs, two to a row, opening on tab 7.
inline constexpr WindowKey kVerticalTankWindow{"FrmVerticalTank"};
const PageForm& verticalTankForm();

// The input rows of each tab, by tab: the one place its controls are named.
const TankRows& verticalTankRows(int tab);

// The chart of each tab, by tab.
const TankChartProfile& verticalChartProfile(int tab);

// Where each tab's picture reads its dimensions, by tab.
const TankPictureInputs* verticalPictureInputs(int tab);

}  // namespace calvexa
