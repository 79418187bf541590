// Tanks lying on their side: a circular or elliptical shell with flat,
// ellipsoidal, conical or guppy ends, one tab each of FrmHorizontalTanks.
#pragma once

#include "core/outcome.h"
#include "core/page_table.h"
#include "tanks/chart_rules.h"
#include "tanks/tank_drawing_rules.h"
#include "tanks/tank_form_rules.h"

namespace calvexa {

// The four circular tabs; each reads only its own tab's boxes and writes only
// its own answer, or shows one message. The flat tab writes the volume in
// cubic metres as plain number text before it looks at the answer unit.
Outcome CalcHorizontalFlat(const Fields& fields);         // "Horizontal Tank Volume (Flat)", "#,###.0000"
Outcome CalcHorizontalEllipsoidal(const Fields& fields);  // "Horizontal Tank Volume (E)", "###.###"
Outcome CalcHorizontalConical(const Fields& fields);      // "Horizontal Tank Volume (C)", "#,###.0000"
Outcome CalcHorizontalGuppy(const Fields& fields);        // "Horizontal Tank Volume (G)", "#,###.0000"

// The four elliptical tabs: the circular tank of the internal height,
// stretched sideways by width ÷ height; all four "#,###.0000".
Outcome CalcEllipticalFlat(const Fields& fields);         // "Elliptical Tank Volume (Flat)"
Outcome CalcEllipticalConical(const Fields& fields);      // "Elliptical Tank Volume (C)"
Outcome CalcEllipticalEllipsoidal(const Fields& fields);  // "Elliptical Tank Volume(E)"
Outcome CalcEllipticalGuppy(const Fields& fields);        // "Elliptical Tank Volume (G)"

// A tank of no diameter (no internal height) holds nothing and its formulas
// divide by zero: refused once the fluid height has passed its own checks.
extern const char* const kZeroDiameterText;
extern const char* const kZeroInternalHeightText;

// The horizontal tank window: eight tabs, four to a row, opening on the flat
// tab.
inline constexpr WindowKey kHorizontalTanksWindow{"FrmHorizontalTanks"};
const PageForm& horizontalTankForm();

// The input rows of each tab, in the order of the tabs: the one place its
// controls are named.
const TankRows& horizontalTankRows(int tab);

// The chart of each tab, in the order of the tabs.
const TankChartProfile& horizontalChartProfile(int tab);

// Where each tab's picture reads its sizes, in the order of the tabs.
const TankPictureInputs* horizontalPictureInputs(int tab);

}  // namespace calvexa
