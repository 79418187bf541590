// The upright tanks: the worked values of each tab, the order of its checks
// with their exact messages, the refusals of impossible tanks and of text that
// is not a number. Expected volumes are worked here from the formulas, with
// the stored values of pi, in the order the formulas give.
#include <gtest/gtest.h>

#include <cmath>

#include "core/input.h"
#include "core/number_text.h"
#include "support/calculation_checks.h"
#include "tanks/tank_units_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace calvexa {
namespace {

constexpr double kPi7 = 3.1415926;    // flat tabs
constexpr double kPi9 = 3.141592654;  // bottoms

// The texts of one tab, from the window's table: its boxes in table order,
// each with its unit list.
struct Tab {
  Calculation calculate = nullptr;
  const char* answer = nullptr;
  const char* answerUnit = nullptr;
  std::vector<std::pair<const char*, const char*>> rows = {};  // box, list
};

Tab tabOf(int index, Calculation calculate) {
  Tab tab = {.calculate = calculate};
  for (const TankInputRow& row : verticalTankRows(index)) {
    if (row.role == TankRole::Answer) {
      tab.answer = row.box;
      tab.answerUnit = row.list;
    } else {
      tab.rows.emplace_back(row.box, row.list);
    }
  }
  return tab;
}

// Diameter or width first, then the rows as the window lists them: width,
// depth, total height, fluid height, bottom depth.
const Tab kFlat = tabOf(0, CalcVerticalFlat);
const Tab kConical = tabOf(1, CalcVerticalConical);
const Tab kEllipsoidal = tabOf(2, CalcVerticalEllipsoidal);
const Tab kSpherical = tabOf(3, CalcVerticalSpherical);
const Tab kEllipticalFlat = tabOf(4, CalcVerticalEllipticalFlat);
const Tab kEllipticalConical = tabOf(5, CalcVerticalEllipticalConical);
const Tab kEllipticalEllipsoidal = tabOf(6, CalcVerticalEllipticalEllipsoidal);
const Tab kEllipticalSpherical = tabOf(7, CalcVerticalEllipticalSpherical);

// The tab's fields: each value with its unit, and the answer unit.
Fields fields(const Tab& tab, const std::vector<const char*>& values, const char* unit, const char* answerUnit) {
  Fields f;
  for (std::size_t i = 0; i < tab.rows.size() && i < values.size(); ++i) {
    f[tab.rows[i].first] = values[i];
    f[tab.rows[i].second] = unit;
  }
  f[tab.answerUnit] = answerUnit;
  return f;
}

TEST(VerticalTanks, WorkedValues) {
  struct Case {
    const char* name;
    const Tab* tab;
    std::vector<const char*> values;  // in the tab's row order
    const char* unit;
    const char* answerUnit;
    double expected;
  };
  const double cone = (4 * kPi9 / 4) * (1 - 2.0 / 3);
  const Case cases[] = {
      {"flat, D 2 m, h 1 m", &kFlat, {"2", "3", "1"}, "Meters", "Cubic Meters", 1 * kPi7 * 1 - 0 * kPi7 * 1},
      {"flat in litres", &kFlat, {"2", "3", "1"}, "Meters", "Litres", (1 * kPi7 * 1) * 1000},
      {"flat full in inches",
       &kFlat,
       {"24", "24", "24"},
       "Inches",
       "Cubic Meters",
       std::pow(24 * 0.3048 / 2 / 12, 2) * kPi7 * (24 * 0.3048 / 12)},
      {"cone up to its top", &kConical, {"2", "3", "1", "1"}, "Meters", "Litres", cone * 1000},
      {"inside the cone",
       &kConical,
       {"2", "3", "0.5", "1"},
       "Meters",
       "Gallons (U.S.)",
       (std::pow(2 * 0.5 / 1, 2) * (kPi9 / 4)) * (0.5 / 3) * 1000 / 3.785412},
      {"above the cone",
       &kConical,
       {"2", "3", "2", "1"},
       "Meters",
       "Drums (208 litre)",
       (4 * kPi9 / 4) * (2 - 2.0 / 3) * 1000 / 208},
      {"half-ellipsoid bottom full",
       &kEllipsoidal,
       {"2", "3", "1", "1"},
       "Meters",
       "Litres",
       (4 * kPi9 / 4) * (1 - 1.0 / 3) * 1000},
      {"inside the ellipsoid",
       &kEllipsoidal,
       {"2", "3", "0.5", "1"},
       "Meters",
       "Cubic Feet",
       (std::pow(2 * 0.5, 2) * (kPi9 / 4)) * (1 - 0.5 / 3) * 35.31466227},
      {"hemisphere bottom full",
       &kSpherical,
       {"2", "3", "1", "1"},
       "Meters",
       "Litres",
       (4 * 1 + ((1.0 + 1.0) / 3 - 4.0 * 1 / 2)) * (kPi9 / 4) * 1000},
      {"inside a shallow spherical bottom",
       &kSpherical,
       {"2", "3", "0.25", "0.5"},
       "Meters",
       "Gallons (Canada)",
       (0.0625 * kPi9 / 4) * (4 / (0.5 + 0.5) + (0.5 + 0.5) - 0.25 * 4 / 3) * 1000 / 4.54609},
      {"full tank in inches is full, not above",
       &kSpherical,
       {"48", "24", "24", "12"},
       "Inches",
       "Cubic Meters",
       (std::pow(48 * 0.3048 / 12, 2) * (24 * 0.3048 / 12) +
        ((std::pow(12 * 0.3048 / 12, 3) * 2) / 3 - std::pow(48 * 0.3048 / 12, 2) * (12 * 0.3048 / 12) / 2)) *
           (kPi9 / 4)},
      {"elliptical flat, W 2, Dp 1",
       &kEllipticalFlat,
       {"2", "1", "3", "1"},
       "Meters",
       "Cubic Meters",
       (1 * kPi7 * 1) * (1.0 / 2)},
      {"elliptical flat, W = Dp is the circular tank",
       &kEllipticalFlat,
       {"2", "2", "3", "1"},
       "Meters",
       "Cubic Meters",
       1 * kPi7 * 1},
      {"elliptical cone, W 2, Dp 1, m3",
       &kEllipticalConical,
       {"2", "1", "3", "1", "1"},
       "Meters",
       "Cubic Meters",
       1.0 / 2 * cone},
      {"elliptical cone in litres",
       &kEllipticalConical,
       {"2", "1", "3", "1", "1"},
       "Meters",
       "Litres",
       1.0 / 2 * (cone * 1000)},
      {"elliptical cone in U.S. gallons",
       &kEllipticalConical,
       {"2", "1", "3", "1", "1"},
       "Meters",
       "Gallons (U.S.)",
       cone * 1000 / 3.785412 * (1.0 / 2)},
      {"elliptical ellipsoid, W = Dp",
       &kEllipticalEllipsoidal,
       {"2", "2", "3", "1", "1"},
       "Meters",
       "Cubic Feet",
       2.0 / 2 * ((4 * kPi9 / 4) * (1 - 1.0 / 3) * 35.31466227)},
      {"elliptical hemisphere in drums",
       &kEllipticalSpherical,
       {"2", "3", "3", "1", "1"},
       "Meters",
       "Drums (208 litre)",
       (4 * 1 + ((1.0 + 1.0) / 3 - 4.0 * 1 / 2)) * (kPi9 / 4) * 1000 / 208 * (3.0 / 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = c.tab->calculate(fields(*c.tab, c.values, c.unit, c.answerUnit));
    EXPECT_EQ(onlyAnswer(outcome, c.tab->answer), general(c.expected));
  }
}

TEST(VerticalTanks, ConicalTabReportsItsInputsBeforeACubicMetreAnswer) {
  const Outcome cubic = CalcVerticalConical(fields(kConical, {"2", "3", "0.5", "1"}, "Meters", "Cubic Meters"));
  const double V = (std::pow(2 * 0.5 / 1, 2) * (kPi9 / 4)) * (0.5 / 3);
  ASSERT_EQ(cubic.effects.size(), 2u);
  EXPECT_EQ(cubic.effects[0].kind, Effect::Kind::Show) << "the report box comes first";
  EXPECT_EQ(cubic.effects[0].message.text, "Diam = 2, Flu = 0.5, Height = 3, Con = 1, Answer = " + general(V));
  EXPECT_EQ(cubic.effects[0].message.icon, Icon::None);
  EXPECT_EQ(cubic.written(kConical.answer), general(V));
  // In metres whatever the boxes' units.
  const Outcome feet = CalcVerticalConical(fields(kConical, {"2", "3", "0.5", "1"}, "Feet", "Cubic Meters"));
  EXPECT_EQ(feet.messageTexts().at(0).substr(0, 30), "Diam = 0.6096, Flu = 0.1524, H");
  // Other units, and the other bottoms, show no report.
  EXPECT_TRUE(CalcVerticalConical(fields(kConical, {"2", "3", "0.5", "1"}, "Meters", "Litres")).messageTexts().empty());
  EXPECT_TRUE(CalcVerticalEllipsoidal(fields(kEllipsoidal, {"2", "3", "0.5", "1"}, "Meters", "Cubic Meters"))
                  .messageTexts()
                  .empty());
}

const char* const kDiameterUnit =
    "An improper Internal Tank Diameter measurement has been chosen. Re-choose a Unit with the mouse.";
const char* const kHeightUnit = "An improper Tank Height Unit has been chosen.  Re-choose another Unit with the mouse.";
const char* const kLiquidUnit = "An improper Liquid Height has been chosen.  Re-choose a Liquid unit with the mouse.";
const char* const kAnswerUnit =
    "An improper Calculated Tank Volume Unit has been chosen.  Re-choose a Unit with the mouse.";
const char* const kAboveTank = "The fluid height is greater than the tank height, please change a value";
const char* const kDepthUnit =
    "An improper Elliptical Depth Diameter measurement has been chosen. Re-choose a Unit with the mouse.";

TEST(VerticalTanks, ChecksRunInTheirOrderWithTheirMessages) {
  struct Case {
    const char* name;
    const Tab* tab;
    std::vector<Check> checks;
  };
  const char* const widthMessage =
      "An improper Elliptical Width measurement has been chosen. Re-choose a Unit with the mouse.";
  // Every unit list starts empty (as in a fresh window) and is fixed in turn;
  // the fluid height starts above the tank and is fixed after its unit.
  const Case cases[] = {
      {"flat",
       &kFlat,
       {{kDiameterUnit, kFlat.rows[0].second, "Meters"},
        {kHeightUnit, kFlat.rows[1].second, "Meters"},
        {kLiquidUnit, kFlat.rows[2].second, "Meters"},
        {kAboveTank, kFlat.rows[2].first, "1"},
        {kAnswerUnit, kFlat.answerUnit, "Litres"}}},
      {"conical",
       &kConical,
       {{"An improper Conical Height measurement has been chosen. Re-choose a Unit with the mouse.",
         kConical.rows[3].second, "Meters"},
        {kDiameterUnit, kConical.rows[0].second, "Meters"},
        {kHeightUnit, kConical.rows[1].second, "Meters"},
        {kLiquidUnit, kConical.rows[2].second, "Meters"},
        {kAboveTank, kConical.rows[2].first, "1"},
        {kAnswerUnit, kConical.answerUnit, "Litres"}}},
      {"ellipsoidal",
       &kEllipsoidal,
       {{"An improper Ellipsoid Height measurement has been chosen. Re-choose a Unit with the mouse.",
         kEllipsoidal.rows[3].second, "Meters"},
        {kDiameterUnit, kEllipsoidal.rows[0].second, "Meters"},
        {kHeightUnit, kEllipsoidal.rows[1].second, "Meters"},
        {kLiquidUnit, kEllipsoidal.rows[2].second, "Meters"},
        {kAboveTank, kEllipsoidal.rows[2].first, "1"},
        {kAnswerUnit, kEllipsoidal.answerUnit, "Litres"}}},
      {"spherical: the bottom no deeper than half the diameter, before the answer unit",
       &kSpherical,
       {{"An improper Spherical Height measurement has been chosen. Re-choose a Unit with the mouse.",
         kSpherical.rows[3].second, "Meters"},
        {kDiameterUnit, kSpherical.rows[0].second, "Meters"},
        {kHeightUnit, kSpherical.rows[1].second, "Meters"},
        {kLiquidUnit, kSpherical.rows[2].second, "Meters"},
        {kAboveTank, kSpherical.rows[2].first, "1"},
        {kSphericalBottomTooDeepText, kSpherical.rows[3].first, "1"},
        {kAnswerUnit, kSpherical.answerUnit, "Litres"}}},
      {"elliptical flat",
       &kEllipticalFlat,
       {{widthMessage, kEllipticalFlat.rows[0].second, "Meters"},
        {kDepthUnit, kEllipticalFlat.rows[1].second, "Meters"},
        {kHeightUnit, kEllipticalFlat.rows[2].second, "Meters"},
        {kLiquidUnit, kEllipticalFlat.rows[3].second, "Meters"},
        {kAboveTank, kEllipticalFlat.rows[3].first, "1"},
        {kAnswerUnit, kEllipticalFlat.answerUnit, "Litres"}}},
      {"elliptical conical",
       &kEllipticalConical,
       {{widthMessage, kEllipticalConical.rows[0].second, "Meters"},
        {"An improper Conical Length measurement has been chosen. Re-choose a Unit with the mouse.",
         kEllipticalConical.rows[4].second, "Meters"},
        {kDepthUnit, kEllipticalConical.rows[1].second, "Meters"},
        {kHeightUnit, kEllipticalConical.rows[2].second, "Meters"},
        {kLiquidUnit, kEllipticalConical.rows[3].second, "Meters"},
        {kAboveTank, kEllipticalConical.rows[3].first, "1"},
        {kAnswerUnit, kEllipticalConical.answerUnit, "Litres"}}},
      {"elliptical ellipsoidal",
       &kEllipticalEllipsoidal,
       {{widthMessage, kEllipticalEllipsoidal.rows[0].second, "Meters"},
        {"An improper Ellipsoid Length measurement has been chosen. Re-choose a Unit with the mouse.",
         kEllipticalEllipsoidal.rows[4].second, "Meters"},
        {kDepthUnit, kEllipticalEllipsoidal.rows[1].second, "Meters"},
        {kHeightUnit, kEllipticalEllipsoidal.rows[2].second, "Meters"},
        {kLiquidUnit, kEllipticalEllipsoidal.rows[3].second, "Meters"},
        {kAboveTank, kEllipticalEllipsoidal.rows[3].first, "1"},
        {kAnswerUnit, kEllipticalEllipsoidal.answerUnit, "Litres"}}},
      {"elliptical spherical",
       &kEllipticalSpherical,
       {{"An improper Width measurement has been chosen. Re-choose a Unit with the mouse.",
         kEllipticalSpherical.rows[0].second, "Meters"},
        {"An improper Spherical Length measurement has been chosen. Re-choose a Unit with the mouse.",
         kEllipticalSpherical.rows[4].second, "Meters"},
        {kDepthUnit, kEllipticalSpherical.rows[1].second, "Meters"},
        {kHeightUnit, kEllipticalSpherical.rows[2].second, "Meters"},
        {kLiquidUnit, kEllipticalSpherical.rows[3].second, "Meters"},
        {kAboveTank, kEllipticalSpherical.rows[3].first, "1"},
        {kEllipticalSphericalBottomTooDeepText, kEllipticalSpherical.rows[4].first, "1"},
        {kAnswerUnit, kEllipticalSpherical.answerUnit, "Litres"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Sizes: 2 m across (and deep), 3 m high, fluid 4 m, bottom 1.5 m deep; units empty.
    std::vector<const char*> values = {"2", "3", "4", "1.5"};
    if (c.tab->rows.front().first == std::string(kEllipticalFlat.rows[0].first)) values = {"2", "2", "3", "4"};
    if (c.tab->rows.size() == 5) values = {"2", "2", "3", "4", "1.5"};
    Fields f = fields(*c.tab, values, "", "");
    expectChecksInOrder(c.tab->calculate, f, c.checks, c.tab->answer);
  }
}

TEST(VerticalTanks, AHemisphereIsTheDeepestSphericalBottom) {
  const Outcome hemisphere = CalcVerticalSpherical(fields(kSpherical, {"2", "3", "1", "1"}, "Meters", "Litres"));
  EXPECT_TRUE(hemisphere.messageTexts().empty());
  const Outcome deeper = CalcVerticalSpherical(fields(kSpherical, {"2", "3", "1", "1.0001"}, "Meters", "Litres"));
  EXPECT_EQ(onlyMessage(deeper), kSphericalBottomTooDeepText);
  // The window's start state, every box "1": a 0.5 m radius under a 1 m bottom.
  const Outcome start = CalcVerticalSpherical(fields(kSpherical, {"1", "1", "1", "1"}, "Meters", "Litres"));
  EXPECT_EQ(onlyMessage(start), kSphericalBottomTooDeepText);
  // On the elliptical tab the limit is half the width, whatever the depth.
  const Outcome wide =
      CalcVerticalEllipticalSpherical(fields(kEllipticalSpherical, {"2", "0.5", "3", "1", "1"}, "Meters", "Litres"));
  EXPECT_TRUE(wide.messageTexts().empty());
}

TEST(VerticalTanks, RefusesTextThatIsNotANumberAndAnswersThatAreNotFinite) {
  struct Case {
    const char* name;
    const Tab* tab;
    std::vector<const char*> values;
    std::string message;
  };
  const Case cases[] = {
      {"a lone minus", &kFlat, {"-", "3", "1"}, "Please type in a number for Internal Tank Diameter."},
      {"an empty box", &kConical, {"2", "", "1", "1"}, "Please type in a number for Total Tank Height."},
      {"1E", &kEllipticalFlat, {"2", "1", "3", "1E"}, "Please type in a number for Fluid Height."},
      {"a number too large",
       &kEllipsoidal,
       {"2", "3", "1", "1E999"},
       "The value typed for Ellipsoidal Height is too large."},
      {"a zero-depth cone under a negative fluid height", &kConical, {"2", "3", "-1", "0"}, kAnswerOutOfRangeText},
      {"an elliptical tank of no width", &kEllipticalConical, {"0", "1", "3", "1", "1"}, kAnswerOutOfRangeText},
      {"an elliptical flat tank of no width", &kEllipticalFlat, {"0", "1", "3", "1"}, kAnswerOutOfRangeText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyMessage(c.tab->calculate(fields(*c.tab, c.values, "Meters", "Litres"))), c.message);
  }
  // Other negative sizes are taken as they are.
  const Outcome negative = CalcVerticalFlat(fields(kFlat, {"2", "3", "-1"}, "Meters", "Cubic Meters"));
  EXPECT_EQ(onlyAnswer(negative, kFlat.answer), general(1 * kPi7 * -1 - 0 * kPi7 * -1));
}

TEST(TankUnits, ListsAndRules) {
  EXPECT_EQ(TankVolumeUnits(), (UnitItems{"Litres", "Cubic Meters", "Gallons (Canada)", "Gallons (U.S.)", "Cubic Feet",
                                          "Drums (208 litre)"}));
  EXPECT_EQ(TankLengthUnits(), (UnitItems{"Meters", "Centimeters", "Millimeters", "Inches", "Feet"}));
  EXPECT_EQ(*LengthToMetres(12, "Inches"), 12 * 0.3048 / 12);
  EXPECT_EQ(*LengthToMetres(1, "Feet"), 0.3048);
  EXPECT_EQ(*LengthToMetres(250, "Centimeters"), 2.5);
  EXPECT_EQ(*DiameterToRadius(2, "Meters"), 1);
  EXPECT_EQ(*DiameterToRadius(7, "Inches"), 7 * 0.3048 / 2 / 12);
  EXPECT_EQ(*CubicMetresToAnswer(1, "Gallons (Canada)"), 1000 / 4.54609);
  EXPECT_EQ(*CubicMetresToAnswer(1, "Cubic Feet"), 35.31466227);
  EXPECT_EQ(*CubicMetresToAnswer(1, "Drums (208 litre)"), 1000.0 / 208);
  for (const char* text : {"", "meters", "Feet ", "ft", "Mil", "Kilometers"})
    EXPECT_FALSE(LengthToMetres(1, text)) << text;
  EXPECT_FALSE(CubicMetresToAnswer(1, "litres"));
}

TEST(VerticalTankWindow, TableHasEveryTabInOrderOpeningOnTheLast) {
  const PageForm& form = verticalTankForm();
  EXPECT_STREQ(form.caption, "Vertical Tank Calculations");
  EXPECT_EQ(form.tabsPerRow, 2);
  EXPECT_EQ(form.firstTab, 7);
  ASSERT_EQ(form.pages.size(), 8u);
  const char* captions[] = {"Vertical Tank (Flat)", "Vertical Tank (C)",      "Vertical Tank (E)",
                            "Vertical Tank (S)",    "Elliptical Tank (Flat)", "Elliptical Tank (C)",
                            "Elliptical Tank (E)",  "Elliptical Tank (S)"};
  int boxes = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    const Page& page = form.pages[i];
    EXPECT_STREQ(page.tab, captions[i]);
    ASSERT_EQ(page.buttons.size(), 2u);
    EXPECT_STREQ(page.buttons[0].caption, "&Calculate");
    EXPECT_STREQ(page.buttons[1].caption, "&Print Chart with Data");
    EXPECT_EQ(page.buttons[1].action, ButtonAction::Window);
    for (const PageRow& row : page.rows) {
      if (row.kind == RowKind::Answer) {
        EXPECT_STREQ(row.caption, "Liquid Volume:");
        EXPECT_EQ(row.items, &TankVolumeUnits());
      } else {
        ++boxes;
        EXPECT_STREQ(row.boxText, "1");
        EXPECT_EQ(row.items, &TankLengthUnits());
      }
    }
  }
  EXPECT_EQ(boxes, 34) << "every dimension and fluid-height box";
  EXPECT_STREQ(form.pages[7].heading, form.pages[6].heading) << "tab 7 carries tab 6's description";
}

}  // namespace
}  // namespace calvexa
