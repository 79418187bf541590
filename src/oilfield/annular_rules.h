// The annular volume: the fluid between the tubing and the casing of a well.
#pragma once

#include "core/outcome.h"
#include "core/page_table.h"

namespace calvexa {

// Diameters and height in metres; the volume in cubic metres, π = 3.141592654.
double AnnularVolume(double tubingDiameter, double annularHeight, double casingDiameter);

// The Calculate button: reads TbCasingDiameter/CboCasingDiameter,
// TbAnnularHeight/CboAnnularHeight, TbTubingDiameter/CboTubingDiameter and
// CboDownholeAnswer; writes TbDownholeAnswer ("###.###") or shows one message.
Outcome annularCalculate(const Fields& fields);

// The items of the three length lists, as shown.
const UnitItems& annularLengthUnits();

// The annular volume window: one tab, three value rows and the answer row.
inline constexpr WindowKey kAnnularWindow{"FrmAnnVolume"};
const PageForm& annularForm();

}  // namespace calvexa
