// The spherical tank: worked values of the cap h² × (pi ÷ 3) × (D × 1.5 − h)
// with pi as 3.141592654, in one and in mixed units, in "#,###.0000"; the
// order of the checks with their plain messages; the refusal of a fluid height
// outside the sphere and of text that is not a number; and the chart's
// required boxes, header lines and rows.
#include <gtest/gtest.h>

#include <cmath>

#include "core/input.h"
#include "core/number_text.h"
#include "support/calculation_checks.h"
#include "support/tank_table_checks.h"
#include "tanks/chart_rules.h"
#include "tanks/spherical_tank_rules.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {
namespace {

const char* const kAnswer = "TbSphereTankAnswer";
constexpr double kPi = 3.141592654;

struct Sizes {
  const char* diameter = "2";
  const char* diameterUnit = "Meters";
  const char* fluid = "1";
  const char* fluidUnit = "Meters";
  const char* answerUnit = "Cubic Meters";
};

Fields sphere(const Sizes& s) {
  return {{"TbSphereDiameter", s.diameter},
          {"CboSphereDiameter", s.diameterUnit},
          {"TbSphereFluidHeight", s.fluid},
          {"CboSphereFluidHeight", s.fluidUnit},
          {"CboSphereTankAnswer", s.answerUnit}};
}

// The cap of a sphere of diameter D filled to h, in cubic metres.
double cap(double D, double h) { return h * h * (kPi / 3) * (D * 1.5 - h); }

std::string fourDecimals(double value) { return grouped4(value); }

// The one message of a refused calculation; every message of this window is plain.
std::string onlyPlainMessage(const Outcome& outcome) {
  const Message message = onlyShown(outcome);
  EXPECT_EQ(message.icon, Icon::None) << message.text;
  EXPECT_EQ(message.title, "") << message.text;
  return message.text;
}

TEST(SphericalTank, WorkedValues) {
  struct Case {
    const char* name;
    Sizes sizes;
    double expected;    // cubic metres times the unit's factor
    const char* shown;  // as the answer must read, where written out
  };
  const double foot = 0.3048;
  const Case cases[] = {
      {"half full: two thirds of pi", {}, 1 * (kPi / 3) * 2, "2.0944"},
      {"half full in litres, grouped", {.answerUnit = "Litres"}, 1 * (kPi / 3) * 2 * 1000, "2,094.3951"},
      {"full: four thirds of pi", {.fluid = "2"}, 4 * (kPi / 3) * 1, "4.1888"},
      {"start values: a sixth of pi, no leading zero", {.diameter = "1"}, 1 * (kPi / 3) * 0.5, ".5236"},
      {"empty", {.fluid = "0"}, 0, ".0000"},
      {"6 ft, half full, U.S. gallons",
       {.diameter = "6", .diameterUnit = "Feet", .fluid = "3", .fluidUnit = "Feet", .answerUnit = "Gallons (U.S.)"},
       cap(6 * foot, 3 * foot) * 1000 / 3.785412,
       "423.0134"},
      {"mixed units: 200 cm across, 500 mm of fluid",
       {.diameter = "200", .diameterUnit = "Centimeters", .fluid = "500", .fluidUnit = "Millimeters"},
       cap(200.0 / 100, 500.0 / 1000),
       nullptr},
      {"inches across, feet of fluid, in cubic feet",
       {.diameter = "48", .diameterUnit = "Inches", .fluid = "1", .fluidUnit = "Feet", .answerUnit = "Cubic Feet"},
       cap(48 * foot / 12, 1 * foot) * 35.31466227,
       nullptr},
      {"9 ft of fluid in a sphere 108 in across is full, not above it",
       {.diameter = "108", .diameterUnit = "Inches", .fluid = "9", .fluidUnit = "Feet"},
       cap(108 * foot / 12, 9 * foot),
       nullptr},
      {"Canadian gallons", {.answerUnit = "Gallons (Canada)"}, cap(2, 1) * 1000 / 4.54609, nullptr},
      {"drums", {.answerUnit = "Drums (208 litre)"}, cap(2, 1) * 1000 / 208, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string shown = onlyAnswer(CalcSphericalTank(sphere(c.sizes)), kAnswer);
    EXPECT_EQ(shown, fourDecimals(c.expected));
    if (c.shown) {
      EXPECT_EQ(shown, c.shown);
    }
  }
  // The full sphere is pi D³ ÷ 6 (to the answer's four decimals).
  EXPECT_EQ(onlyAnswer(CalcSphericalTank(sphere({.diameter = "3", .fluid = "3"})), kAnswer),
            fourDecimals(kPi * 27 / 6));
}

TEST(SphericalTank, TheEmptyFluidHeightFirstThenTheChecksInOrder) {
  struct Step {
    const char* message;
    const char* control;
    const char* fix;
  };
  const Step steps[] = {
      {"Please enter a Fluid Height", "TbSphereFluidHeight", "3"},
      {"An improper Tank Diameter measurement has been chosen. Re-choose a Tank Diameter Unit with the mouse.",
       "CboSphereDiameter", "Meters"},
      {"An improper Fluid Height measurement has been chosen. Re-choose a Fluid Height Unit with the mouse.",
       "CboSphereFluidHeight", "Meters"},
      {kFluidOutsideSphereText, "TbSphereFluidHeight", "1"},
      {"An improper Tank Volume Unit has been chosen.  Re-choose a Tank Volume Unit with the mouse.",
       "CboSphereTankAnswer", "Cubic Meters"},
  };
  // A new window's units (all empty) and the fluid height emptied.
  Fields f = sphere({.diameterUnit = "", .fluid = "", .fluidUnit = "", .answerUnit = ""});
  for (const Step& step : steps) {
    SCOPED_TRACE(step.control);
    EXPECT_EQ(onlyPlainMessage(CalcSphericalTank(f)), step.message);
    f[step.control] = step.fix;
  }
  EXPECT_EQ(onlyAnswer(CalcSphericalTank(f), kAnswer), "2.0944");
  // Emptiness is checked before any unit; a box of spaces is not empty.
  EXPECT_EQ(onlyPlainMessage(CalcSphericalTank(sphere({.diameterUnit = "", .fluid = ""}))),
            "Please enter a Fluid Height");
  EXPECT_EQ(onlyPlainMessage(CalcSphericalTank(sphere({.fluid = " "}))), "Please type in a number for Fluid Height.");
}

TEST(SphericalTank, AFluidHeightOutsideTheSphereIsRefusedBeforeTheAnswerUnit) {
  struct Case {
    const char* name;
    Sizes sizes;
  };
  const Case cases[] = {
      {"above the diameter", {.fluid = "2.0001"}},
      {"at one and a half diameters, where the cap would be zero", {.fluid = "3"}},
      {"above, with no answer unit yet", {.fluid = "4", .answerUnit = ""}},
      {"below zero", {.fluid = "-0.5"}},
      {"below zero, with no answer unit yet", {.fluid = "-1", .answerUnit = "nothing"}},
      {"13 in of fluid in a sphere 1 ft across",
       {.diameter = "1", .diameterUnit = "Feet", .fluid = "13", .fluidUnit = "Inches"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyPlainMessage(CalcSphericalTank(sphere(c.sizes))), kFluidOutsideSphereText);
  }
  // A sphere of negative diameter is refused as a size, before its fluid.
  EXPECT_EQ(onlyPlainMessage(CalcSphericalTank(sphere({.diameter = "-2", .fluid = "0"}))),
            "The value typed for Internal Tank Diameter cannot be below zero.");
  // The edges are inside: zero is empty, the diameter full.
  EXPECT_EQ(onlyAnswer(CalcSphericalTank(sphere({.fluid = "0"})), kAnswer), ".0000");
  EXPECT_EQ(onlyAnswer(CalcSphericalTank(sphere({.fluid = "-0"})), kAnswer), ".0000");
  EXPECT_EQ(onlyAnswer(CalcSphericalTank(sphere({.fluid = "2"})), kAnswer), fourDecimals(4 * (kPi / 3) * 1));
  EXPECT_EQ(onlyAnswer(CalcSphericalTank(sphere({.diameter = "0", .fluid = "0"})), kAnswer), ".0000");
}

TEST(SphericalTank, RefusesTextThatIsNotANumberAndAnAnswerBeyondRange) {
  struct Case {
    const char* name;
    Sizes sizes;
    std::string message;
  };
  const Case cases[] = {
      {"an empty diameter", {.diameter = ""}, "Please type in a number for Internal Tank Diameter."},
      {"a lone point for the diameter", {.diameter = "."}, "Please type in a number for Internal Tank Diameter."},
      {"1-2 for the fluid height", {.fluid = "1-2"}, "Please type in a number for Fluid Height."},
      {"a lone E", {.fluid = "E"}, "Please type in a number for Fluid Height."},
      {"a diameter beyond any double",
       {.diameter = "1E400"},
       "The value typed for Internal Tank Diameter is too large."},
      {"a cap beyond the range of a double", {.diameter = "1E200", .fluid = "1E200"}, kAnswerOutOfRangeText},
      {"too large only in litres",
       {.diameter = "1E102", .fluid = "1E102", .answerUnit = "Litres"},
       kAnswerOutOfRangeText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyPlainMessage(CalcSphericalTank(sphere(c.sizes))), c.message);
  }
  // The unit is matched before its box is read.
  EXPECT_EQ(onlyPlainMessage(CalcSphericalTank(sphere({.diameter = "abc", .diameterUnit = "meters"}))),
            "An improper Tank Diameter measurement has been chosen. Re-choose a Tank Diameter Unit with the mouse.");
}

// ---- The chart ---------------------------------------------------------------

TEST(SphericalChart, RequiredBoxesInOrderWithPlainMessages) {
  const TankChartProfile& profile = sphericalChartProfile(0);
  const char* const order[][2] = {
      {"TbSphereDiameter", "Please type a Spherical Internal Diameter Value"},
      {"TbSphereFluidHeight", "Please type a Spherical Tank Height Value"},
      {"CboSphereDiameter", "Please choose a Sperical Internal Diameter Unit with the mouse"},
      {"CboSphereFluidHeight", "Please choose a Spherical Tank Fluid Height Unit with the mouse"},
      {"CboSphereTankAnswer", "Please choose an Answer Volume Unit with the mouse"},
  };
  const Fields full = sphere({});
  Fields f;
  for (const auto& [control, message] : order) {
    SCOPED_TRACE(control);
    EXPECT_EQ(onlyPlainMessage(startChart(profile, f).refused), message);
    f[control] = full.at(control);
  }
  EXPECT_TRUE(startChart(profile, f).ok());
  f["TbSphereDiameter"] = "2 m";
  EXPECT_EQ(onlyPlainMessage(startChart(profile, f).refused), "Please type in a number for Internal Tank Diameter.");
}

TEST(SphericalChart, HeaderLinesAndOnlyTheFluidUnitSetBeforeTheDialog) {
  const TankChartProfile& profile = sphericalChartProfile(0);
  EXPECT_EQ(profile.calculate, &CalcSphericalTank);
  const ChartStart start =
      startChart(profile, sphere({.diameter = "1500.25", .diameterUnit = "Feet", .fluid = "7", .fluidUnit = "Inches"}));
  ASSERT_TRUE(start.ok());
  EXPECT_EQ(start.headers[0], "These dimensions are for a Spherical Tank");
  EXPECT_EQ(start.headers[1], "with a Height of 1,500.250 Feet");
  EXPECT_EQ(start.headers[2], " ");
  EXPECT_EQ(start.writes.effects.size(), 1u);
  EXPECT_EQ(start.writes.written("CboSphereFluidHeight"), "Feet");
  EXPECT_FALSE(start.writes.wrote("TbSphereFluidHeight")) << "Cancel leaves the typed fluid height";
  EXPECT_EQ(start.height, 1500.25) << "the diameter is stepped";
  const ChartStart small = startChart(profile, sphere({.diameter = "0.75"}));
  EXPECT_EQ(small.headers[1], "with a Height of .750 Meters");
}

TEST(SphericalChart, RowsFromEmptyToTheFullSphere) {
  const TankChartProfile& profile = sphericalChartProfile(0);
  const ChartStart start = startChart(profile, sphere({.diameter = "3", .fluid = "10", .fluidUnit = "Inches"}));
  const ChartBuild built = buildChartRows(profile, start, 6);
  ASSERT_TRUE(built.complete);
  const auto& rows = built.recordset.rows;
  ASSERT_EQ(rows.size(), 7u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double h = i * 3.0 / 6;
    EXPECT_EQ(rows[i].height, h) << i;
    // No answer here ends in a 5 at its fourth decimal, so its four and then
    // three decimals are the cap's three.
    EXPECT_EQ(rows[i].volume, std::round(cap(3, h) * 1000) / 1000) << i;
  }
  EXPECT_EQ(built.recordset.heightUnit, "Meters");
  EXPECT_EQ(built.recordset.volumeUnit, "Cubic Meters");
  EXPECT_EQ(built.effects.written("TbSphereFluidHeight"), "3");
  EXPECT_EQ(built.effects.written(kAnswer), "14.1372") << "pi × 27 ÷ 6, the full sphere";
  EXPECT_TRUE(built.effects.messageTexts().empty());
}

TEST(SphericalWindow, TableOfTheWindow) {
  const PageForm& form = sphericalTankForm();
  EXPECT_STREQ(form.key.name(), "FrmSphericalTank");
  EXPECT_STREQ(form.caption, "Spherical Tank Volume");
  EXPECT_EQ(form.tabs, nullptr);
  EXPECT_EQ(form.lists, ListKind::Editable);
  ASSERT_EQ(form.pages.size(), 1u);
  const Page& page = form.pages.front();
  EXPECT_STREQ(page.heading, "Determine the volume of liquid from the bottom of a spherical tank.");
  EXPECT_EQ(page.calculate, &CalcSphericalTank);
  EXPECT_STREQ(page.picture.name, "Image1");
  expectTankButtons(
      page, {{"CmdSphereTankCalc", "&Calculate", "Press to calculate the answer", ButtonAction::Calculate},
             {"CmdPrintSphereCalculation", "&Print Chart with Data", "Press to print this tanks graduated levels",
              ButtonAction::Window}});
}

}  // namespace
}  // namespace calvexa
