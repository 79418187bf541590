#include "oilfield/fuel_rules.h"

#include "core/input.h"

namespace calvexa {

const char* const kZeroDistanceText =
    "The Distance Travelled is zero, so no fuel mileage in L/100 Km can be calculated.  Please enter a distance "
    "above zero.";
const char* const kZeroFuelText =
    "The Fuel Used is zero, so no fuel mileage in miles per gallon can be calculated.  Please enter a fuel amount "
    "above zero.";

namespace {

constexpr double kKilometresPerMile = 1.6093;  // four decimals, as the window has always used
constexpr double kLitresPerCanadianGallon = 4.54609;
constexpr double kLitresPerUsGallon = 3.785412;

// One message serves all three lists.
const char* const kMileageUnitMessage =
    "An improper mileage Unit has been chosen.  Re-choose another mileage unit with the mouse.";

// Distances to kilometres; fuel to litres.
const UnitTable kDistanceToKilometres = {
    {"Miles", kKilometresPerMile, {1, 1, 1}},
    {"Kilometers", 1, {1, 1, 1}},
};
const UnitOrder kDistanceOrder = {"Miles", "Kilometers"};
const UnitTable kFuelToLitres = {
    {"Litres", 1, {1, 1, 1}},
    {"Gallons (Canada)", kLitresPerCanadianGallon, {1, 1, 1}},
    {"Gallons (U.S.)", kLitresPerUsGallon, {1, 1, 1}},
};
const UnitOrder kFuelOrder = {"Litres", "Gallons (Canada)", "Gallons (U.S.)"};

const UnitInput kDistance = {"TbDistFrom", "CboMilageFrom", "Distance Travelled", kMileageUnitMessage};
const UnitInput kFuel = {"TbFuelFrom", "CboFuelFrom", "Fuel Used", kMileageUnitMessage};

// The mileage units of the answer list: per 100 km, or miles per gallon of
// the given size (in litres).
struct MileageUnit {
  const char* name;
  double gallonLitres;  // 0: litres per 100 km
};
const MileageUnit kMileageUnits[] = {
    {"L/100 Km", 0},
    {"MPG (Canada)", kLitresPerCanadianGallon},
    {"MPG (U.S.)", kLitresPerUsGallon},
};

const MileageUnit* matchMileage(const std::string& name) {
  for (const MileageUnit& unit : kMileageUnits)
    if (name == unit.name) return &unit;
  return nullptr;
}

// Computes the consumption, refusing a division by zero with its own message.
std::optional<double> mileage(const MileageUnit& unit, double kilometres, double litres, Outcome& outcome) {
  if (unit.gallonLitres == 0) {
    if (kilometres == 0) {
      outcome.show(kZeroDistanceText);
      return std::nullopt;
    }
    return litres * 100 / kilometres;
  }
  if (litres == 0) {
    outcome.show(kZeroFuelText);
    return std::nullopt;
  }
  return (kilometres / kKilometresPerMile) / (litres / unit.gallonLitres);
}

}  // namespace

Outcome fuelUseCalculate(const Fields& fields) {
  Outcome outcome;
  if (!requireTexts(fields,
                    {{kDistance.box, "Please enter a number in the 'Distance From' box."},
                     {kFuel.box, "Please enter a number in the 'Fuel used' box."}},
                    outcome))
    return outcome;
  const auto kilometres = readInUnit(fields, kDistance, kDistanceToKilometres, kDistanceOrder, outcome);
  if (!kilometres) return outcome;
  const auto litres = readInUnit(fields, kFuel, kFuelToLitres, kFuelOrder, outcome);
  if (!litres) return outcome;
  const MileageUnit* unit = matchMileage(fieldText(fields, "CboMilageTo"));
  if (!unit) {
    outcome.show(kMileageUnitMessage);
    return outcome;
  }
  const auto answer = mileage(*unit, *kilometres, *litres, outcome);
  if (answer) writeAnswer(*answer, "TbFuelAns", generalAnswer, outcome);
  return outcome;
}

const OilfieldForm& fuelForm() {
  static const UnitItems distanceItems = {"Kilometers", "Miles"};
  static const UnitItems fuelItems = {"Gallons (Canada)", "Gallons (U.S.)", "Litres"};
  static const UnitItems mileageItems = {"L/100 Km", "MPG (Canada)", "MPG (U.S.)"};
  static const OilfieldForm form = {
      "frmFuelUse",
      "Fuel Use",
      nullptr,
      {{nullptr,
        "Calculate Fuel Mileage",
        nullptr,
        nullptr,
        {
            {"Distance Travelled:", kDistance.box, "", "Place the Distance travelled here", kDistance.list,
             &distanceItems, true, "Choose the Units of distance (Km/miles) here", false},
            {"Fuel Used:", kFuel.box, "", "Place the Fuel used while travelling here", kFuel.list, &fuelItems, true,
             "Choose the Units of Fuel (litres/gallons) here", false},
            {"Fuel Mileage:", "TbFuelAns", "0.00", "Press Calculate and your answer appears here", "CboMilageTo",
             &mileageItems, false, "Choose the fuel milage answer unit(mpg, l/100Km) here", true},
        },
        true,
        "Units:",
        "CmdCalcMilage",
        "&Calculate",
        "Press to calculate the answer",
        fuelUseCalculate}}};
  return form;
}

}  // namespace calvexa
