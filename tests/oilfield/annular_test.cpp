// The annular volume window's calculation and the shared ring volume.
// Expected values are worked from the formulas with their own constants.
#include <gtest/gtest.h>

#include <cmath>

#include "core/input.h"
#include "core/number_text.h"
#include "oilfield/annular_rules.h"
#include "oilfield/oilfield_units_rules.h"
#include "support/calculation_checks.h"

namespace calvexa {
namespace {

constexpr double kAnnularPi = 3.141592654;
constexpr double kInch = 0.3048 / 12;

const char* const kCasingUnitMsg =
    "An improper Casing Diameter measurement has been chosen. Re-choose a Unit with the mouse.";
const char* const kHeightUnitMsg =
    "An improper Annular Height measurement has been chosen. Re-choose a Unit with the mouse.";
const char* const kTubingUnitMsg =
    "An improper Tubing Diameter measurement has been chosen. Re-choose a Unit with the mouse.";
const char* const kVolumeUnitMsg = "An improper Volume Unit has been chosen.  Re-choose a Volume Unit with the mouse.";

Fields annularFields(const char* casing, const char* casingUnit, const char* height, const char* heightUnit,
                     const char* tubing, const char* tubingUnit, const char* answerUnit) {
  return {{"TbCasingDiameter", casing},     {"CboCasingDiameter", casingUnit}, {"TbAnnularHeight", height},
          {"CboAnnularHeight", heightUnit}, {"TbTubingDiameter", tubing},      {"CboTubingDiameter", tubingUnit},
          {"CboDownholeAnswer", answerUnit}};
}

// Casing and tubing diameters and the height in metres.
double annulusCubicMetres(double casing, double height, double tubing) {
  const double a = casing / 2, b = tubing / 2;
  return a * a * kAnnularPi * height - b * b * kAnnularPi * height;
}

TEST(RingVolume, KeepsItsSevenDecimalPi) {
  EXPECT_EQ(RingVolume(1, 0, 1), 3.1415926);
  EXPECT_DOUBLE_EQ(RingVolume(2, 1, 1), 3 * 3.1415926);
  EXPECT_DOUBLE_EQ(RingVolume(0.49, 0, 1000), 0.49 * 0.49 * 3.1415926 * 1000);
  // The smaller radius first gives the layer with its sign turned.
  EXPECT_DOUBLE_EQ(RingVolume(1, 2, 10), -30 * 3.1415926);
}

TEST(AnnularVolume, UsesItsNineDecimalPiOnHalvedDiameters) {
  EXPECT_DOUBLE_EQ(AnnularVolume(0, 1, 2), 3.141592654);
  EXPECT_DOUBLE_EQ(AnnularVolume(2, 10, 4), (4 - 1) * 3.141592654 * 10);
}

TEST(AnnularVolume, CalculatesInEveryUnit) {
  struct Case {
    const char* name;
    Fields fields;
    double expected;
  };
  const double well = annulusCubicMetres(7 * kInch, 1000 * 0.3048, 3 * kInch);
  const Case cases[] = {
      {"7 in casing, 1000 ft, 3 in tubing, m3",
       annularFields("7", "Inches", "1000", "Feet", "3", "Inches", "Cubic Meters"), well},
      {"the same in litres", annularFields("7", "Inches", "1000", "Feet", "3", "Inches", "Litres"), well * 1000},
      {"the same in Canadian gallons", annularFields("7", "Inches", "1000", "Feet", "3", "Inches", "Gallons (Canada)"),
       well * 1000 / 4.54609},
      {"the same in U.S. gallons", annularFields("7", "Inches", "1000", "Feet", "3", "Inches", "Gallons (U.S.)"),
       well * 1000 / 3.785412},
      {"the same in cubic feet", annularFields("7", "Inches", "1000", "Feet", "3", "Inches", "Cubic Feet"),
       well * 35.31466227},
      {"the same in drums", annularFields("7", "Inches", "1000", "Feet", "3", "Inches", "Drums (208 litre)"),
       well * 1000 / 208},
      {"cm, m and mm", annularFields("17.78", "Centimeters", "2500", "Meters", "73", "Millimeters", "Litres"),
       annulusCubicMetres(0.1778, 2500, 0.073) * 1000},
      {"tubing wider than casing", annularFields("3", "Inches", "1000", "Feet", "7", "Inches", "Litres"), -well * 1000},
      {"all at 1 metre", annularFields("1", "Meters", "1", "Meters", "1", "Meters", "Cubic Meters"), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyAnswer(annularCalculate(c.fields), "TbDownholeAnswer"), hash3(c.expected));
  }
  EXPECT_EQ(annularCalculate(annularFields("1", "Meters", "1", "Meters", "1", "Meters", "Cubic Meters"))
                .written("TbDownholeAnswer"),
            ".");
}

TEST(AnnularVolume, ChecksEachUnitThenItsValueInOrder) {
  expectChecksInOrder(annularCalculate, annularFields("", "", "", "", "", "", ""),
                      {{kCasingUnitMsg, "CboCasingDiameter", "Inches"},
                       {"Please type in a number for Casing Diameter.", "TbCasingDiameter", "7"},
                       {kHeightUnitMsg, "CboAnnularHeight", "Feet"},
                       {"Please type in a number for Annular Height.", "TbAnnularHeight", "1000"},
                       {kTubingUnitMsg, "CboTubingDiameter", "Inches"},
                       {"Please type in a number for Tubing Diameter.", "TbTubingDiameter", "3"},
                       {kVolumeUnitMsg, "CboDownholeAnswer", "Litres"}},
                      "TbDownholeAnswer");
}

TEST(AnnularVolume, RefusesUnknownUnitsAndNonNumbers) {
  struct Case {
    const char* control;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"CboCasingDiameter", "meters", kCasingUnitMsg},     // case counts
      {"CboAnnularHeight", "Kilometers", kHeightUnitMsg},  // not one of this window's units
      {"CboTubingDiameter", "Mil", kTubingUnitMsg},
      {"CboDownholeAnswer", "Cubic Metres", kVolumeUnitMsg},
      {"TbCasingDiameter", "1.2.3", "Please type in a number for Casing Diameter."},
      {"TbAnnularHeight", "1E", "Please type in a number for Annular Height."},
      {"TbTubingDiameter", "-", "Please type in a number for Tubing Diameter."},
      {"TbTubingDiameter", "1-2", "Please type in a number for Tubing Diameter."},
  };
  for (const Case& c : cases) {
    Fields fields = annularFields("7", "Inches", "1000", "Feet", "3", "Inches", "Litres");
    fields[c.control] = c.text;
    EXPECT_EQ(onlyMessage(annularCalculate(fields)), c.message) << c.control << " = " << c.text;
  }
}

TEST(AnnularVolume, RefusesAnAnswerBeyondRange) {
  for (const char* tubing : {"1", "1E200"}) {  // infinite, then infinite less infinite
    const Outcome outcome =
        annularCalculate(annularFields("1E200", "Meters", "1", "Meters", tubing, "Meters", "Litres"));
    EXPECT_EQ(onlyMessage(outcome), kAnswerOutOfRangeText) << tubing;
  }
}

TEST(AnnularVolume, ListsOfferWhatTheCalculationAccepts) { expectListsMatchCalculations(annularForm()); }

}  // namespace
}  // namespace calvexa
