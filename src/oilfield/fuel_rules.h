// Fuel use: a vehicle's consumption from distance travelled and fuel used.
#pragma once

#include "core/outcome.h"
#include "core/page_table.h"

namespace calvexa {

// Refusals of a consumption that would divide by zero.
extern const char* const kZeroDistanceText;
extern const char* const kZeroFuelText;

// The Calculate button: reads TbDistFrom/CboMilageFrom, TbFuelFrom/CboFuelFrom
// and CboMilageTo; writes TbFuelAns (general number text) or shows one message.
Outcome fuelUseCalculate(const Fields& fields);

// The fuel use window: two value rows and the answer row, each with a
// "Units:" label.
inline constexpr WindowKey kFuelUseWindow{"frmFuelUse"};
const PageForm& fuelForm();

}  // namespace calvexa
