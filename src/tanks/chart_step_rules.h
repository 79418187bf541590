// Charts by step: instead of a number of divisions, the user gives the step
// between rows in a unit of its own (every 1 mm, 1/8 in, 0.01 ft), and the
// chart has rows at 0, step, 2·step, … and the full height last.
#pragma once

#include <string_view>
#include <vector>

#include "core/feet_inches.h"
#include "core/outcome.h"
#include "core/units.h"

namespace calvexa {

// The units a step can be typed in, in the order of their list.
const UnitItems& ChartStepUnits();

// Each step unit to metres, its operations in the order written: inches go
// through the foot (× 0.3048, then ÷ 12) like every other inch of the program.
extern const UnitTable kChartStepToMetres;

// What the step box and its unit say. Empty box: no step (the division count
// is used). Otherwise the step in the chart's height unit, or the one message
// why it cannot be used.
struct ChartStep {
  enum class Kind { None, Step, Refused };
  Kind kind = Kind::None;
  double step = 0;  // Step: in the chart's height unit, above zero
  Message message = {};
};

// The step typed (`stepText`, in `stepUnit`) for a chart `height` high in
// `heightUnit` (a tank length unit). Refused: a step that is not a number,
// zero or below, one whose unit is not a step unit, and one that makes more
// than kMostDivisions steps from 0 to the height.
ChartStep readChartStep(std::string_view stepText, std::string_view stepUnit, double height,
                        std::string_view heightUnit);

// The heights of the rows, in the chart's height unit: i × step for i = 0, 1,
// … (each computed as a product, never by adding up steps), then `height` as
// the last row; a last step shorter than the others when the height is not a
// whole number of steps. A height within printing reach of a whole number of
// steps (less than half the last decimal chartStepHeightDecimals shows) ends
// on the height itself, not on a second row beside it. A height below zero
// steps down; a height of zero is one row. `step` as readChartStep gives it.
std::vector<double> chartStepHeights(double height, double step);

// The decimals that print every row of a step apart, at least 3: the step's
// own decimals when it has few (0.0025 needs 4), otherwise the first that is
// no larger than the step (1/96 ft needs 3, 1 mm in inches needs 3).
int chartStepHeightDecimals(double step);

// The fraction of an inch that heights in feet and inches are rounded to:
// sixteenths for a step in "1/16 Inch", eighths otherwise.
InchFraction chartStepFraction(std::string_view stepUnit);

}  // namespace calvexa
