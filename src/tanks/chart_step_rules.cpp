#include "tanks/chart_step_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "core/input.h"
#include "core/number_text.h"
#include "tanks/chart_rules.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {

const UnitTable kChartStepToMetres = {
    {"Millimeters", 1, {1000, 1, 1}}, {"Centimeters", 1, {100, 1, 1}},    {"Meters", 1, {1, 1, 1}},
    {"Inches", 0.3048, {12, 1, 1}},   {"1/8 Inch", 0.3048, {12, 8, 1}},   {"1/16 Inch", 0.3048, {12, 16, 1}},
    {"Feet", 0.3048, {1, 1, 1}},      {"0.01 Feet", 0.3048, {100, 1, 1}},
};

namespace {

// The list's items: the table's names, in its order (defined above, so
// made first).
UnitItems namesOf(const UnitTable& table) {
  UnitItems names;
  for (const UnitFactor& unit : table) names.emplace_back(unit.name);
  return names;
}
const UnitItems kStepItems = namesOf(kChartStepToMetres);

const char* const kStepNotPositiveText =
    "Please type the step as a number above zero, such as 10, or leave it empty to use the number of divisions.";
const char* const kStepUnitText = "Please choose the unit of the step, such as Millimeters.";
const char* const kTooManyStepsText = "A chart can have at most 100,000 steps. Please type a larger step.";
const char* const kNoLengthUnitText =
    "The chart's height unit is not a length unit, so it cannot be stepped. Please leave the step empty.";

// The most decimals a step may need; finer steps are printed to the first
// decimal no larger than themselves.
constexpr int kMostStepDecimals = 10;

// A step beyond the range of a double, as typed or in the chart's unit.
std::string stepTooLargeText() { return tooLargeText("the step"); }

ChartStep refusedStep(const std::string& text) { return {ChartStep::Kind::Refused, 0, Message{text}}; }

double divisorProduct(const UnitFactor& unit) { return unit.divisors[0] * unit.divisors[1] * unit.divisors[2]; }

// A value in the step unit as a number of height units. Units that share
// their multiplier (the foot, or the metre) differ by whole divisors only,
// so 3 eighths of an inch are 0.375 in exactly and 0.03125 ft exactly.
double inHeightUnits(double value, const UnitFactor& stepUnit, const UnitFactor& heightUnit) {
  const double multiplier =
      stepUnit.multiplier == heightUnit.multiplier ? 1.0 : stepUnit.multiplier / heightUnit.multiplier;
  return value * multiplier * divisorProduct(heightUnit) / divisorProduct(stepUnit);
}

// How many rows i × step (i = 0, 1, …) come before the row of the height
// itself: the 0 row and one for each whole step below the height; when the
// height lies within printing reach of a whole number of steps, the row of
// that step gives way to the height. Nullopt when that makes more steps than
// a chart may have divisions.
std::optional<std::int64_t> rowsBeforeLast(double height, double step) {
  const double steps = std::fabs(height) / step;
  if (!(steps <= kMostDivisions + 1.0)) return std::nullopt;
  if (height == 0) return 0;
  const double slack = 0.5 * std::pow(10.0, -chartStepHeightDecimals(step));
  const double nearest = std::round(steps);
  std::int64_t rows = static_cast<std::int64_t>(std::floor(steps)) + 1;
  if (nearest >= 1 && std::fabs(std::fabs(height) - nearest * step) <= slack) rows = static_cast<std::int64_t>(nearest);
  if (rows > kMostDivisions) return std::nullopt;
  return rows;
}

}  // namespace

const UnitItems& ChartStepUnits() { return kStepItems; }

ChartStep readChartStep(std::string_view stepText, std::string_view stepUnit, double height,
                        std::string_view heightUnit) {
  if (stepText.empty()) return {};
  if (numberTooLarge(stepText)) return refusedStep(stepTooLargeText());
  const std::optional<double> value = parseNumber(stepText);
  if (!value || !(*value > 0)) return refusedStep(kStepNotPositiveText);
  const UnitFactor* step = matchUnit(kChartStepToMetres, kStepItems, stepUnit);
  if (!step) return refusedStep(kStepUnitText);
  const UnitFactor* chartUnit = matchUnit(*kTankLengths.table, *kTankLengths.accepted, heightUnit);
  if (!chartUnit) return refusedStep(kNoLengthUnitText);
  const double inChartUnits = inHeightUnits(*value, *step, *chartUnit);
  if (!std::isfinite(inChartUnits)) return refusedStep(stepTooLargeText());
  if (!(inChartUnits > 0) || !rowsBeforeLast(height, inChartUnits)) return refusedStep(kTooManyStepsText);
  return {ChartStep::Kind::Step, inChartUnits};
}

std::vector<double> chartStepHeights(double height, double step) {
  const std::optional<std::int64_t> rows = step > 0 ? rowsBeforeLast(height, step) : std::nullopt;
  if (!rows) return {};
  const double direction = height < 0 ? -1.0 : 1.0;
  std::vector<double> heights;
  heights.reserve(static_cast<std::size_t>(*rows) + 1);
  for (std::int64_t i = 0; i < *rows; ++i) heights.push_back(direction * static_cast<double>(i) * step);
  heights.push_back(height);
  return heights;
}

int chartStepHeightDecimals(double step) {
  if (!(step > 0) || !std::isfinite(step)) return 3;
  // A step typed with few decimals is printed with them; a step that went
  // through a unit's factor may be off its decimal by a few units of its
  // last binary place, hence the relative tolerance.
  if (const std::optional<int> decimals = wholeStepDecimals(step, kMostStepDecimals, 1e-12)) return *decimals;
  const int reach = static_cast<int>(std::ceil(-std::log10(step)));
  return std::clamp(reach, 3, kMostStepDecimals + 6);
}

InchFraction chartStepFraction(std::string_view stepUnit) {
  return stepUnit == "1/16 Inch" ? InchFraction::Sixteenths : InchFraction::Eighths;
}

}  // namespace calvexa
