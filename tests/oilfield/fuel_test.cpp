// Fuel use: litres per 100 km or miles per gallon from distance and fuel.
#include <gtest/gtest.h>

#include <cstdio>

#include "core/input.h"
#include "oilfield/fuel_rules.h"
#include "support/calculation_checks.h"

namespace calvexa {
namespace {

constexpr double kMile = 1.6093;
const char *const kMileageMsg =
    "An improper mileage Unit has been chosen.  Re-choose another mileage unit "
    "with the mouse.";

Fields trip(const char *distance, const char *distanceUnit, const char *fuel, const char *fuelUnit,
            const char *answerUnit) {
  return {{"TbDistFrom", distance},
          {"CboMilageFrom", distanceUnit},
          {"TbFuelFrom", fuel},
          {"CboFuelFrom", fuelUnit},
          {"CboMilageTo", answerUnit}};
}

TEST(FuelUse, CalculatesEachMileage) {
  struct Case {
    const char *name;
    Fields fields;
    std::string expected;
  };
  const Case cases[] = {
      {"100 km, 8 L in L/100 Km", trip("100", "Kilometers", "8", "Litres", "L/100 Km"), "8"},
      {"100 km, 8 L in MPG (U.S.)", trip("100", "Kilometers", "8", "Litres", "MPG (U.S.)"),
       general((100 / kMile) / (8 / 3.785412))},
      {"100 km, 8 L in MPG (Canada)", trip("100", "Kilometers", "8", "Litres", "MPG (Canada)"),
       general((100 / kMile) / (8 / 4.54609))},
      {"300 miles, 10 U.S. gallons in MPG (U.S.)", trip("300", "Miles", "10", "Gallons (U.S.)", "MPG (U.S.)"), "30"},
      {"250 miles, 9 Canadian gallons in L/100 Km", trip("250", "Miles", "9", "Gallons (Canada)", "L/100 Km"),
       general(9 * 4.54609 * 100 / (250 * kMile))},
      {"no fuel in L/100 Km", trip("100", "Kilometers", "0", "Litres", "L/100 Km"), "0"},
      {"no distance in MPG", trip("0", "Miles", "5", "Litres", "MPG (Canada)"), "0"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyAnswer(fuelUseCalculate(c.fields), "TbFuelAns"), c.expected);
  }
}

TEST(FuelUse, ChecksBoxesThenEachListWithTheOneMileageMessage) {
  expectChecksInOrder(fuelUseCalculate, trip("", "", "", "", ""),
                      {{"Please enter a number in the 'Distance From' box.", "TbDistFrom", "100"},
                       {"Please enter a number in the 'Fuel used' box.", "TbFuelFrom", "8"},
                       {kMileageMsg, "CboMilageFrom", "Kilometers"},
                       {kMileageMsg, "CboFuelFrom", "Litres"},
                       {kMileageMsg, "CboMilageTo", "L/100 Km"}},
                      "TbFuelAns");
}

TEST(FuelUse, RefusesNonNumbersAndDivisionsByZero) {
  struct Case {
    Fields fields;
    std::string message;
  };
  const Case cases[] = {
      {trip("abc", "Kilometers", "8", "Litres", "L/100 Km"), "Please type in a number for Distance Travelled."},
      {trip("100", "Kilometers", "8.", "Litres", "L/100 Km"), ""},  // "8." is a number
      {trip("100", "Kilometers", ".", "Litres", "L/100 Km"), "Please type in a number for Fuel Used."},
      {trip("abc", "", "8", "Litres", "L/100 Km"), kMileageMsg},  // the unit is matched first
      {trip("100", "Kilometers", "8", "Litres", "l/100 km"), kMileageMsg},
      {trip("0", "Kilometers", "8", "Litres", "L/100 Km"), kZeroDistanceText},
      {trip("-0", "Miles", "8", "Litres", "L/100 Km"), kZeroDistanceText},
      {trip("100", "Kilometers", "0", "Litres", "MPG (U.S.)"), kZeroFuelText},
      {trip("100", "Kilometers", "0E5", "Gallons (Canada)", "MPG (Canada)"), kZeroFuelText},
      {trip("0", "Kilometers", "0", "Litres", "MPG (U.S.)"), kZeroFuelText},
      {trip("1E-300", "Kilometers", "1E300", "Litres", "L/100 Km"), kAnswerOutOfRangeText},
  };
  for (const Case &c : cases) {
    const Outcome outcome = fuelUseCalculate(c.fields);
    if (c.message.empty()) {
      EXPECT_TRUE(outcome.messageTexts().empty()) << c.fields.at("TbFuelFrom");
    } else {
      EXPECT_EQ(onlyMessage(outcome), c.message) << c.fields.at("TbDistFrom") << " / " << c.fields.at("TbFuelFrom");
    }
  }
}

TEST(FuelUse, ListsOfferWhatTheCalculationAccepts) { expectListsMatchCalculations(fuelForm()); }

}  // namespace
}  // namespace calvexa
