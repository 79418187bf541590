// The spherical tank of FrmSphericalTank: the liquid from the bottom of the
// sphere up to the fluid height (a spherical cap), and its strapping chart.
#pragma once

#include "core/outcome.h"
#include "core/page_table.h"
#include "tanks/chart_rules.h"
#include "tanks/tank_drawing_rules.h"
#include "tanks/tank_form_rules.h"

namespace calvexa {

// Refuses an empty fluid height, reads the diameter and the fluid height
// (each unit matched before its box is read), refuses a fluid height outside
// the sphere, matches the answer unit and writes SphereCapVolume in it with
// "#,###.0000"; or shows one plain message.
Outcome CalcSphericalTank(const Fields& fields);

// A fluid height above the diameter or below zero describes no liquid in the
// sphere.
extern const char* const kFluidOutsideSphereText;

// The spherical tank window: one page, editable unit lists.
inline constexpr WindowKey kSphericalTankWindow{"FrmSphericalTank"};
const PageForm& sphericalTankForm();

// The window's input rows: the one place its controls are named.
const TankRows& sphericalTankRows(int page);

// The window's chart (it has one page; `page` is 0).
const TankChartProfile& sphericalChartProfile(int page);

// Where the picture reads its dimensions.
const TankPictureInputs* sphericalPictureInputs(int page);

}  // namespace calvexa
