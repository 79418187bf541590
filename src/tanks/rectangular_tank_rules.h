// The rectangular (box-shaped) tank of FrmRectangularTank: the liquid from the
// bottom up to the fluid height, and its strapping chart.
#pragma once

#include "core/outcome.h"
#include "core/page_table.h"
#include "tanks/chart_rules.h"
#include "tanks/tank_drawing_rules.h"
#include "tanks/tank_form_rules.h"

namespace calvexa {

// Reads width, length, tank height and fluid height (each unit matched before
// its box is read), refuses a fluid height above the tank, works
// H × ((h ÷ H) × Lg × W) and writes it in the answer unit as general number
// text; or shows one message. Every message is two lines joined by CR LF.
Outcome CalcRectangularTank(const Fields& fields);

// A tank of no height (0 ÷ 0), or sizes whose volume is beyond the range of a
// double: no volume to show. Information icon, title "Error", as the window's
// other refusals.
extern const char* const kRectangularNoVolumeText;

// The rectangular tank window: one page, editable unit lists.
inline constexpr WindowKey kRectangularTankWindow{"FrmRectangularTank"};
const PageForm& rectangularTankForm();

// The window's input rows: the one place its controls are named.
const TankRows& rectangularTankRows(int page);

// The window's chart (it has one page; `page` is 0).
const TankChartProfile& rectangularChartProfile(int page);

// Where the picture reads its dimensions.
const TankPictureInputs* rectangularPictureInputs(int page);

}  // namespace calvexa
