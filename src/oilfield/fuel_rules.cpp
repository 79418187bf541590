#include "oilfield/fuel_rules.h"

#include "core/input.h"
#include "core/units.h"

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

const Required kRequired[] = {
    {"TbDistFrom", {"Please enter a number in the 'Distance From' box."}},
    {"TbFuelFrom", {"Please enter a number in the 'Fuel used' box."}},
};

const Input kInputs[] = {
    {.box = "TbDistFrom",
     .list = "CboMilageFrom",
     .valueName = "Distance Travelled",
     .unitMessage = {kMileageUnitMessage},
     .units = {&kDistanceToKilometres, &kDistanceOrder}},
    {.box = "TbFuelFrom",
     .list = "CboFuelFrom",
     .valueName = "Fuel Used",
     .unitMessage = {kMileageUnitMessage},
     .units = {&kFuelToLitres, &kFuelOrder}},
};

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
  if (!requireTexts(fields, kRequired, outcome)) return outcome;
  const auto in = readInputs(fields, kInputs, outcome);
  if (!in) return outcome;
  const auto& [kilometres, litres] = *in;
  const MileageUnit* unit = matchMileage(fieldText(fields, "CboMilageTo"));
  if (!unit) {
    outcome.show(kMileageUnitMessage);
    return outcome;
  }
  const auto answer = mileage(*unit, kilometres.value, litres.value, outcome);
  if (answer) writeAnswer(*answer, "TbFuelAns", generalAnswer, outcome);
  return outcome;
}

const PageForm& fuelForm() {
  static const UnitItems distanceItems = {"Kilometers", "Miles"};
  static const UnitItems fuelItems = {"Gallons (Canada)", "Gallons (U.S.)", "Litres"};
  static const UnitItems mileageItems = {"L/100 Km", "MPG (Canada)", "MPG (U.S.)"};
  static const PageForm form = {
      .key = kFuelUseWindow,
      .caption = "Fuel Use",
      .pages = {{
          .heading = "Calculate Fuel Mileage",
          .rows =
              {
                  {.caption = "Distance Travelled:",
                   .box = "TbDistFrom",
                   .boxTip = "Place the Distance travelled here",
                   .list = "CboMilageFrom",
                   .items = &distanceItems,
                   .listTip = "Choose the Units of distance (Km/miles) here"},
                  {.caption = "Fuel Used:",
                   .box = "TbFuelFrom",
                   .boxTip = "Place the Fuel used while travelling here",
                   .list = "CboFuelFrom",
                   .items = &fuelItems,
                   .listTip = "Choose the Units of Fuel (litres/gallons) here"},
                  {.caption = "Fuel Mileage:",
                   .box = "TbFuelAns",
                   .boxText = "0.00",
                   .boxTip = "Press Calculate and your answer appears here",
                   .list = "CboMilageTo",
                   .items = &mileageItems,
                   .order = ListOrder::AsAdded,
                   .listTip = "Choose the fuel milage answer unit(mpg, l/100Km) here",
                   .kind = RowKind::Answer},
              },
          .unitsCaption = "Units:",
          .buttons = {{.name = "CmdCalcMilage", .caption = "&Calculate", .tip = "Press to calculate the answer"}},
          .calculate = fuelUseCalculate,
      }},
  };
  return form;
}

}  // namespace calvexa
