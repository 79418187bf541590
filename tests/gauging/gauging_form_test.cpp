// The gauging window's texts: its lists, feet-inches-eighths readings, and a
// gauging read from the boxes with one message for the first bad one.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "gauging/gauging_form_rules.h"

namespace calvexa {
namespace {

std::optional<double> straightTank(double innage) {
  if (innage < 0 || innage > 15.0) return std::nullopt;
  return 500.0 * innage;
}

const GaugeTank kTank{.volumes = straightTank};

// The crude tank of the chain's hand-worked case, as the window's boxes hold
// it: NSV 4882.45 m³.
Fields crudeFields() {
  return {
      {"CboGaugeMethod", "Innage"},
      {"TbGaugeReading", "10"},
      {"CboGaugeLengthUnit", "Meters"},
      {"TbGaugeReferenceHeight", ""},
      {"TbGaugeWater", "0.1"},
      {"CboGaugeProduct", "Crude oil"},
      {"TbGaugeDensity", "30"},
      {"CboGaugeDensityUnit", "API gravity"},
      {"TbGaugeDensityTemp", ""},
      {"CboGaugeBase", "60 °F"},
      {"CboGaugeEdition", "2004 (API MPMS 11.1-2004)"},
      {"TbGaugeLiquidTemp", "80"},
      {"TbGaugeAmbientTemp", "70"},
      {"CboGaugeTempUnit", "°F"},
      {"CboGaugeShell", "Mild steel"},
      {"TbGaugeShellRefTemp", ""},
      {"TbGaugeSW", "0.5"},
      {"CboGaugeRoof", "Fixed roof"},
      {"CboGaugeVolumeUnit", "Cubic Meters"},
  };
}

TEST(GaugingForm, ListsHoldTheWindowsItems) {
  EXPECT_EQ(itemsOf(kGaugeProducts),
            (UnitItems{"Crude oil", "Refined products", "Lubricating oils", "Special (expansion coefficient given)"}));
  EXPECT_EQ(itemsOf(kGaugeLengthUnits),
            (UnitItems{"Millimeters", "Centimeters", "Meters", "Inches", "Feet", "Feet-Inches-Eighths"}));
  EXPECT_EQ(itemsOf(kGaugeDensityUnits), (UnitItems{"API gravity", "Relative density", "kg/m³"}));
  EXPECT_EQ(itemsOf(kGaugeEditions), (UnitItems{"2004 (API MPMS 11.1-2004)", "1980 equation, unrounded"}));
  EXPECT_EQ(itemsOf(kGaugeShells),
            (UnitItems{"Mild steel", "Stainless steel", "Insulated tank", "No shell correction"}));
  EXPECT_EQ(itemsOf(kGaugeRoofs),
            (UnitItems{"Fixed roof", "Floating roof, deducted in the table", "Floating roof, not deducted"}));
  EXPECT_EQ(itemsOf(kGaugeVolumeUnits), (UnitItems{"Barrels", "Cubic Meters", "Litres", "Gallons (U.S.)"}));
}

// 12 ft 3 5/8 in = 147.625 in = 3.749675 m.
// The reading box in feet, inches and eighths: the forms a gauger types are
// read to the innage (in inches × 0.0254 m); anything else is the one
// refusal and nothing is gauged.
TEST(GaugingForm, ReadingInFeetInchesEighths) {
  const struct {
    const char* text;
    std::optional<double> metres;
  } cases[] = {
      {"12 3 5/8", 147.625 * 0.0254}, {"12 3", 147.0 * 0.0254},        {"12", 144.0 * 0.0254},
      {"  0 0 1/8 ", 0.125 * 0.0254}, {"12 11 7/8", 155.875 * 0.0254}, {"12' 3 5/8\"", 147.625 * 0.0254},
      {"12.5", 150.0 * 0.0254},       {"12 12", std::nullopt},         {"12 3 8/8", std::nullopt},
      {"12 3 5/0", std::nullopt},     {"12 3 5/8 1", std::nullopt},    {"12 3 5", std::nullopt},
      {"a b", std::nullopt},
  };
  for (const auto& c : cases) {
    Fields fields = crudeFields();
    fields["CboGaugeLengthUnit"] = "Feet-Inches-Eighths";
    fields["TbGaugeReading"] = c.text;
    fields["TbGaugeWater"] = "";
    const GaugingOutcome out = gaugeFromFields(fields, kTank);
    ASSERT_EQ(out.gauging.has_value(), c.metres.has_value()) << c.text << ": " << out.refusal;
    if (out.gauging) {
      EXPECT_NEAR(out.gauging->innage, *c.metres, 1e-12) << c.text;
    } else {
      EXPECT_EQ(out.refusal, "Please type in the Innage in feet, inches and eighths, such as 12 3 5/8.") << c.text;
    }
  }
}

TEST(GaugingForm, GaugesFromTheBoxes) {
  const GaugingOutcome out = gaugeFromFields(crudeFields(), kTank);
  ASSERT_TRUE(out.gauging) << out.refusal;
  EXPECT_DOUBLE_EQ(out.gauging->nsv, 4882.45);

  // The same tank in feet-inches-eighths: 32 ft 9 5/8 in = 393.625 in =
  // 9.998075 m, TOV 4999.0375 -> 4999.04 m³; water 0 4 in = 0.1016 m, 50.80 m³.
  Fields feet = crudeFields();
  feet["CboGaugeLengthUnit"] = "Feet-Inches-Eighths";
  feet["TbGaugeReading"] = "32 9 5/8";
  feet["TbGaugeWater"] = "0 4";
  const GaugingOutcome inFeet = gaugeFromFields(feet, kTank);
  ASSERT_TRUE(inFeet.gauging) << inFeet.refusal;
  EXPECT_DOUBLE_EQ(inFeet.gauging->tov, 4999.04);
  EXPECT_DOUBLE_EQ(inFeet.gauging->fw, 50.80);

  // A floating roof not deducted, its weight in tonnes: 20 t / (API 30.0 at
  // 80 °F: 875.7... × 0.99107 kg/m³) taken off.
  Fields roof = crudeFields();
  roof["CboGaugeRoof"] = "Floating roof, not deducted";
  roof["TbGaugeRoofWeight"] = "20";
  roof["CboGaugeRoofWeightUnit"] = "Tonnes";
  const GaugingOutcome withRoof = gaugeFromFields(roof, kTank);
  ASSERT_TRUE(withRoof.gauging) << withRoof.refusal;
  const double density = 141.5 * 999.016 / 161.5 * 0.99107;
  EXPECT_DOUBLE_EQ(withRoof.gauging->roof, std::round(-20000.0 / density * 100.0) / 100.0);

  // Ticked, the hydrometer box corrects a density read at a temperature.
  Fields hydrometer = crudeFields();
  hydrometer["TbGaugeDensity"] = "823.7";
  hydrometer["CboGaugeDensityUnit"] = "kg/m³";
  hydrometer["TbGaugeDensityTemp"] = "80.3";
  hydrometer["TbGaugeLiquidTemp"] = "80.3";
  EXPECT_NEAR(gaugeFromFields(hydrometer, kTank).gauging->correction.density60, 832.048516, 5e-7);
  hydrometer["ChkGaugeHydrometer"] = kCheckedText;
  EXPECT_NEAR(gaugeFromFields(hydrometer, kTank).gauging->correction.density60, 831.834872, 5e-7);
}

// Each bad box or list refuses with its one message; mending it brings the
// next check forward, in the order the window shows its controls.
TEST(GaugingForm, ChecksInTheWindowsOrder) {
  Fields fields = crudeFields();
  fields["CboGaugeMethod"] = "Ullage";
  fields["CboGaugeShell"] = "Stainless steel";
  fields["CboGaugeProduct"] = "Special (expansion coefficient given)";
  fields["CboGaugeRoof"] = "Floating roof, deducted in the table";
  const struct {
    const char* control;
    const char* bad;
    const char* fix;
    const char* message;
  } checks[] = {
      {"CboGaugeLengthUnit", "Yards", "Meters",
       "An improper Length Unit has been chosen.  Re-choose a Length Unit with the mouse."},
      {"CboGaugeRoofRefUnit", "", "API gravity",
       "An improper Roof Reference Density Unit has been chosen.  Re-choose a Roof Reference Density Unit with "
       "the mouse."},
      {"TbGaugeReading", "", "2", "Please type in a number for Ullage."},
      {"TbGaugeReferenceHeight", "-", "12", "Please type in a number for Reference Height."},
      {"TbGaugeWater", "1E", "0.1", "Please type in a number for Free Water."},
      {"TbGaugeAlpha", "", "0.0005", "Please type in a number for Expansion Coefficient."},
      {"TbGaugeDensity", "", "30", "Please type in a number for Density."},
      {"TbGaugeDensityTemp", ".", "", "Please type in a number for Density Temperature."},
      {"TbGaugeLiquidTemp", "", "80", "Please type in a number for Liquid Temperature."},
      {"TbGaugeAmbientTemp", "", "70", "Please type in a number for Ambient Temperature."},
      {"TbGaugeShellAlpha", "", "0.0000096", "Please type in a number for Shell Expansion Coefficient."},
      {"TbGaugeShellRefTemp", "+", "", "Please type in a number for Shell Reference Temperature."},
      {"TbGaugeSW", "1E999", "0.5", "The value typed for S&W is too large."},
      {"TbGaugeRoofRefDensity", "", "35", "Please type in a number for Roof Reference Density."},
      {"TbGaugeRoofAdjustment", "", "3.9", "Please type in a number for Roof Adjustment."},
      // The values read, the chain's own checks follow.
      {"TbGaugeReading", "12.5", "2",
       "The ullage is greater than the reference height.  Check the ullage and the reference height."},
      {"TbGaugeAlpha", "0.001", "0.0005",
       "The expansion coefficient is outside the range for special products, 230.0E-06 to 930.0E-06 per °F.  "
       "Check the expansion coefficient."},
      {"TbGaugeSW", "101", "0.5", "The S&W must be from 0 to 100 percent.  Check the value entered for the S&W."},
  };
  for (const auto& check : checks) {
    fields[check.control] = check.bad;
    const GaugingOutcome refused = gaugeFromFields(fields, kTank);
    EXPECT_EQ(refused.refusal, check.message) << check.control;
    EXPECT_FALSE(refused.gauging.has_value()) << check.control;
    fields[check.control] = check.fix;
  }
  const GaugingOutcome out = gaugeFromFields(fields, kTank);
  EXPECT_EQ(out.refusal, "");
  ASSERT_TRUE(out.gauging);
  EXPECT_DOUBLE_EQ(out.gauging->innage, 10.0);

  // A reading in feet-inches-eighths that is not one says how to type it.
  fields["CboGaugeLengthUnit"] = "Feet-Inches-Eighths";
  fields["TbGaugeReading"] = "6 13";
  EXPECT_EQ(gaugeFromFields(fields, kTank).refusal,
            "Please type in the Ullage in feet, inches and eighths, such as 12 3 5/8.");
}

// Boxes the chosen shell, roof and product do not use are not read.
TEST(GaugingForm, UnusedBoxesAreNotRead) {
  Fields fields = crudeFields();
  fields["CboGaugeShell"] = "Insulated tank";
  fields["TbGaugeAmbientTemp"] = "x";
  fields["TbGaugeShellAlpha"] = "x";
  fields["TbGaugeAlpha"] = "x";
  fields["TbGaugeRoofWeight"] = "x";
  const GaugingOutcome out = gaugeFromFields(fields, kTank);
  EXPECT_EQ(out.refusal, "");
  ASSERT_TRUE(out.gauging);
  // Insulated: the shell at the liquid's 80 °F, ΔT 20: 1.000248 -> 1.00025.
  EXPECT_DOUBLE_EQ(out.gauging->shellTemperature, 80.0);
  EXPECT_DOUBLE_EQ(out.gauging->ctsh, 1.00025);
}

}  // namespace
}  // namespace calvexa
