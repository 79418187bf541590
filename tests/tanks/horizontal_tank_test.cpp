// Horizontal tanks: the worked values of the eight tabs, the fluid-height
// rules, the masks, the order of each tab's checks with their exact messages,
// refused input, the window's table and the chart of each tab. Expected
// volumes are worked here from the formulas: ArcCos(0) is 2 × arctan(1), the
// heads use pi as 3.141592654.
#include <gtest/gtest.h>

#include <cmath>

#include "core/input.h"
#include "core/number_text.h"
#include "support/calculation_checks.h"
#include "tanks/chart_rules.h"
#include "tanks/horizontal_tank_rules.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {
namespace {

constexpr double kPi9 = 3.141592654;
const double kHalfPi = 2 * std::atan(1.0);  // ArcCos(0): a half-full shell is r² × this × L

std::string four(double value) { return grouped4(value); }

struct Control {
  const char* box = nullptr;
  const char* list = nullptr;
};

// One tab's controls. `across` is the diameter, or an elliptical tab's
// internal height; `width` an elliptical tab's own.
struct Tab {
  Calculation calculate;
  const char* answer;
  const char* answerUnit;
  Control across, length, fluid;
  Control head = {};
  Control width = {};
};

// A tab's controls from the window's table.
Tab tabOf(int index, Calculation calculate) {
  const TankRows& rows = horizontalTankRows(index);
  const auto control = [&](TankRole role) {
    return hasTankRow(rows, role) ? Control{tankRow(rows, role).box, tankRow(rows, role).list} : Control{};
  };
  const TankInputRow& answer = tankRow(rows, TankRole::Answer);
  return {.calculate = calculate,
          .answer = answer.box,
          .answerUnit = answer.list,
          .across = control(TankRole::Height),
          .length = control(TankRole::Length),
          .fluid = control(TankRole::Fluid),
          .head = control(TankRole::Bottom),
          .width = control(TankRole::Width)};
}

const Tab kEllipsoidal = tabOf(0, CalcHorizontalEllipsoidal);
const Tab kEllConical = tabOf(1, CalcEllipticalConical);
const Tab kEllEllipsoidal = tabOf(2, CalcEllipticalEllipsoidal);
const Tab kConical = tabOf(3, CalcHorizontalConical);
const Tab kGuppy = tabOf(4, CalcHorizontalGuppy);
const Tab kFlat = tabOf(5, CalcHorizontalFlat);
const Tab kEllFlat = tabOf(6, CalcEllipticalFlat);
const Tab kEllGuppy = tabOf(7, CalcEllipticalGuppy);

// The typed sizes of a tank: across (diameter or internal height), length,
// fluid height, head length, width (taken by the tabs that have the box).
struct Sizes {
  const char* across;
  const char* length;
  const char* fluid;
  const char* head = "1";
  const char* width = nullptr;  // none: as wide as it is high
};

// A tab's fields: every box with its unit, and the answer unit.
Fields tank(const Tab& tab, const Sizes& s, const char* unit = "Meters", const char* answerUnit = "Cubic Meters") {
  Fields f;
  auto set = [&](const Control& c, const char* value) {
    if (!c.box) return;
    f[c.box] = value;
    f[c.list] = unit;
  };
  set(tab.across, s.across);
  set(tab.length, s.length);
  set(tab.fluid, s.fluid);
  set(tab.head, s.head);
  set(tab.width, s.width ? s.width : s.across);
  f[tab.answerUnit] = answerUnit;
  return f;
}

// What an accepted calculation leaves in its answer label; fails when it
// showed a message or wrote anything else. (The flat tab writes its label
// twice: the volume in cubic metres, then the answer in its unit.)
std::string shown(const Outcome& outcome, const char* answer) {
  EXPECT_EQ(outcome.messageTexts(), std::vector<std::string>{});
  for (const Effect& effect : outcome.effects) EXPECT_EQ(effect.target, answer);
  return outcome.written(answer);
}

Fields with(Fields f, const std::vector<std::pair<const char*, const char*>>& changes) {
  for (const auto& [name, text] : changes) f[name] = text;
  return f;
}

TEST(HorizontalTanks, WorkedValues) {
  // The shell of diameter 2 m and length 5 m half full: half of pi × 5.
  const double halfShell = 5 * kHalfPi;
  // Heads at half height: conical K × pi ÷ 2 with K = 2 ÷ 3; ellipsoidal
  // 1² × (0.5 × pi) × (1 − 1 ÷ 3); guppy E + T with E = (2 ÷ 3) × ArcCos(0)
  // and T = (2 ÷ 9) × 1 × (−1) × 2.
  const double conicalHalf = (2.0 / 3) * kPi9 / 2;
  const double ellipsoidHalf = 1 * (0.5 * kPi9) * (1 - 1.0 / 3);
  const double guppyHalf = (2.0 / 3) * kHalfPi + (2.0 / 9) * 1 * (-1) * 2;
  // The start state: a full tank 1 m across and 1 m long, heads 1 m long.
  const double fullShell = 2 * kHalfPi * 0.25;             // pi × 0.5² × 1
  const double fullCones = 2 * kPi9 * 0.25 * 1 / 3;        // 2 × pi × r² × a ÷ 3, guppy heads too
  const double fullEllipsoids = 1 * kPi9 * (1 - 1 / 1.5);  // h² × (a × pi) × (1 − h ÷ 3r)
  const double feet6 = 6 * 0.3048 / 2;                     // the radius of 6 feet
  struct Case {
    const char* name;
    const Tab* tab;
    Fields fields;
    std::string expected;
  };
  const Case cases[] = {
      {"flat, half full", &kFlat, tank(kFlat, {"2", "5", "1"}), four(halfShell)},
      {"flat, half full in litres", &kFlat, tank(kFlat, {"2", "5", "1"}, "Meters", "Litres"), "7,853.9816"},
      {"flat, full to the brim", &kFlat, tank(kFlat, {"2", "5", "2"}), four(2 * halfShell)},
      {"flat, 6 ft across with 36 in of fluid is half full", &kFlat,
       with(tank(kFlat, {"6", "10", "36"}, "Feet"), {{kFlat.fluid.list, "Inches"}}),
       four(feet6 * feet6 * kHalfPi * (10 * 0.3048))},
      {"flat, 24 in of fluid in a 24 in tank is full", &kFlat, tank(kFlat, {"24", "1", "24"}, "Inches"),
       four(2 * kHalfPi * std::pow(24 * 0.3048 / 2 / 12, 2) * (0.3048 / 12))},
      {"(E), half full, ellipsoids 0.5 m", &kEllipsoidal, tank(kEllipsoidal, {"2", "5", "1", "0.5"}),
       hash3(halfShell + ellipsoidHalf)},
      {"(C), half full, cones 1 m", &kConical, tank(kConical, {"2", "5", "1"}), four(halfShell + conicalHalf)},
      {"(C), in U.S. gallons", &kConical, tank(kConical, {"2", "5", "1"}, "Meters", "Gallons (U.S.)"),
       four((halfShell + conicalHalf) * 1000 / 3.785412)},
      {"(G), half full, guppy ends 1 m", &kGuppy, tank(kGuppy, {"2", "5", "1"}), four(halfShell + guppyHalf)},
      {"start state, flat", &kFlat, tank(kFlat, {"1", "1", "1"}), four(fullShell)},
      {"start state, (E)", &kEllipsoidal, tank(kEllipsoidal, {"1", "1", "1"}), hash3(fullShell + fullEllipsoids)},
      {"start state, (C)", &kConical, tank(kConical, {"1", "1", "1"}), four(fullShell + fullCones)},
      {"start state, (G)", &kGuppy, tank(kGuppy, {"1", "1", "1"}), four(fullShell + fullCones)},
      {"start state, elliptical flat", &kEllFlat, tank(kEllFlat, {"1", "1", "1"}), four(fullShell)},
      {"start state, elliptical (C)", &kEllConical, tank(kEllConical, {"1", "1", "1"}), four(fullShell + fullCones)},
      {"start state, elliptical (E)", &kEllEllipsoidal, tank(kEllEllipsoidal, {"1", "1", "1"}),
       four(fullShell + fullEllipsoids)},
      {"start state, elliptical (G)", &kEllGuppy, tank(kEllGuppy, {"1", "1", "1"}), four(fullShell + fullCones)},
      // Height 2, width 3: k = 1.5 times the circular tank of diameter 2.
      {"elliptical flat, k 1.5", &kEllFlat, tank(kEllFlat, {"2", "5", "1", "1", "3"}), four(1.5 * halfShell)},
      {"elliptical flat in Canadian gallons", &kEllFlat,
       tank(kEllFlat, {"2", "5", "1", "1", "3"}, "Meters", "Gallons (Canada)"), four(1.5 * halfShell * 1000 / 4.54609)},
      {"elliptical (C), k 1.5", &kEllConical, tank(kEllConical, {"2", "5", "1", "1", "3"}),
       four(1.5 * conicalHalf + 1.5 * halfShell)},
      {"elliptical (C) in litres", &kEllConical, tank(kEllConical, {"2", "5", "1", "1", "3"}, "Meters", "Litres"),
       "13,351.7688"},
      {"elliptical (E), ellipsoids 0.5 m hold what the cones hold", &kEllEllipsoidal,
       tank(kEllEllipsoidal, {"2", "5", "1", "0.5", "3"}), four(1.5 * conicalHalf + 1.5 * halfShell)},
      {"elliptical (G), k 1.5", &kEllGuppy, tank(kEllGuppy, {"2", "5", "1", "1", "3"}),
       four(1.5 * (halfShell + guppyHalf))},
      {"elliptical (G) in drums", &kEllGuppy, tank(kEllGuppy, {"2", "5", "1", "1", "3"}, "Meters", "Drums (208 litre)"),
       four(1.5 * (halfShell + guppyHalf) * 1000 / 208)},
      {"elliptical (E), as wide as high, is the circular (E) with four decimals", &kEllEllipsoidal,
       tank(kEllEllipsoidal, {"2", "5", "1", "0.5"}), four(halfShell + ellipsoidHalf)},
      {"elliptical, internal height in feet, width in inches", &kEllFlat,
       with(tank(kEllFlat, {"2", "5", "1", "1", "36"}, "Feet"), {{kEllFlat.width.list, "Inches"}}),
       four((36 * 0.3048 / 2 / 12) / (2 * 0.3048 / 2) *
            ((2 * 0.3048 / 2) * (2 * 0.3048 / 2) * kHalfPi * (5 * 0.3048)))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(shown(c.tab->calculate(c.fields), c.tab->answer), c.expected);
  }
  // The half-full values at a glance: (E) "###.###", the others four decimals.
  EXPECT_EQ(four(halfShell), "7.8540");
  EXPECT_EQ(hash3(halfShell + ellipsoidHalf), "8.901");
  EXPECT_EQ(four(halfShell + conicalHalf), "8.9012");
  EXPECT_EQ(four(halfShell + guppyHalf), "8.4567") << "guppy heads at half height hold less than cones";
  EXPECT_EQ(four(fullShell), ".7854") << "no digit before the point below 1";
}

TEST(HorizontalTanks, MasksByTab) {
  // 100 m long, 20 m across, half full, heads of no length: 100 × 100 × ArcCos(0).
  const double V = 100 * 100 * kHalfPi;  // 15,707.963267948966
  const Sizes sizes = {"20", "100", "10", "0"};
  EXPECT_EQ(onlyAnswer(CalcHorizontalEllipsoidal(tank(kEllipsoidal, sizes)), kEllipsoidal.answer), "15707.963");
  EXPECT_EQ(onlyAnswer(CalcHorizontalConical(tank(kConical, sizes)), kConical.answer), "15,707.9633");
  EXPECT_EQ(onlyAnswer(CalcEllipticalEllipsoidal(tank(kEllEllipsoidal, sizes)), kEllEllipsoidal.answer), four(V));
  EXPECT_EQ(four(V), "15,707.9633");
  // Below 1 the "###.###" mask shows no zero before the point either: a 1 m
  // tank 0.5 m long, a quarter full.
  const double r = 0.5, h = 0.25, x = (r - h) / r;
  const double quarter = (r * r * std::acos(x) - std::sqrt(2 * r * h - h * h) * (r - h)) * 0.5;
  EXPECT_EQ(onlyAnswer(CalcHorizontalEllipsoidal(tank(kEllipsoidal, {"1", "0.5", "0.25", "0"})), kEllipsoidal.answer),
            hash3(quarter));
  EXPECT_EQ(hash3(quarter).substr(0, 2), ".0");
}

const char* const kAbove =
    "The fluid height is greater than the size of the tank.  Check the tank size and fluid height.";
const char* const kBelow = "The fluid height cannot be lower than zero.  Check the value entered for the fluid level";
const char* const kEnterFluid = "Please enter a Fluid Height";

const Tab* const kAllTabs[] = {&kFlat,    &kEllipsoidal, &kConical,        &kGuppy,
                               &kEllFlat, &kEllConical,  &kEllEllipsoidal, &kEllGuppy};

TEST(HorizontalTanks, FluidHeightRulesOnEveryTab) {
  for (const Tab* tab : kAllTabs) {
    SCOPED_TRACE(tab->answer);
    // 2 m across: full at 2, refused above it and below zero.
    EXPECT_TRUE(tab->calculate(tank(*tab, {"2", "5", "2"})).messageTexts().empty());
    EXPECT_EQ(onlyMessage(tab->calculate(tank(*tab, {"2", "5", "2.000001"}))), kAbove);
    EXPECT_EQ(onlyMessage(tab->calculate(tank(*tab, {"2", "5", "-1"}))), kBelow);
    EXPECT_EQ(onlyMessage(tab->calculate(tank(*tab, {"2", "5", "-0.0000001"}))), kBelow);
    // Empty: "0" without a look at the head's or the answer's unit.
    Fields empty = tank(*tab, {"2", "5", "0"}, "Meters", "");
    if (tab->head.list) empty[tab->head.list] = "no unit";
    EXPECT_EQ(onlyAnswer(tab->calculate(empty), tab->answer), "0");
    // 200 cm of fluid in a tank 2 m across is full too.
    EXPECT_TRUE(
        tab->calculate(with(tank(*tab, {"2", "5", "200"}), {{tab->fluid.list, "Centimeters"}})).messageTexts().empty());
  }
}

TEST(HorizontalTanks, AFullTankIsComputedJustBelowTheBrim) {
  // A tank 0.2 mm across, 1 m long, full: the volume in cubic metres at
  // h = 0.0002 − 1E-10, in the flat tab's plain text when no answer unit is
  // chosen. At the brim itself it would be pi × r² exactly.
  const double r = 0.0001, h = 0.0002 - 0.0000000001;
  const double lowered = r * r * std::acos((r - h) / r) - std::sqrt(2 * r * h - h * h) * (r - h);
  const double brim = 4 * std::atan(1.0) * r * r;
  const Outcome full = CalcHorizontalFlat(tank(kFlat, {"0.0002", "1", "0.0002"}, "Meters", ""));
  const double shown = parseNumber(full.written(kFlat.answer)).value_or(0);
  EXPECT_NEAR(shown, lowered, 1e-21);
  EXPECT_GT(brim - shown, 1e-17);
}

TEST(HorizontalTanks, FlatTabShowsCubicMetresBeforeItRefusesTheAnswerUnit) {
  const char* const volumeUnit =
      "An improper Horizontal Tank Volume Unit has been chosen.  Re-choose a Horizontal Tank Volume Unit with the "
      "mouse.";
  for (const char* answerUnit : {"", "litres", "Litres "}) {
    SCOPED_TRACE(answerUnit);
    const Outcome outcome = CalcHorizontalFlat(tank(kFlat, {"2", "5", "1"}, "Meters", answerUnit));
    ASSERT_EQ(outcome.effects.size(), 2u);
    EXPECT_EQ(outcome.effects[0].kind, Effect::Kind::Write);
    EXPECT_EQ(outcome.effects[0].target, kFlat.answer);
    EXPECT_EQ(outcome.effects[0].text, "7.85398163397448") << "half of pi × 5, general number text";
    EXPECT_EQ(outcome.effects[1].message.text, volumeUnit);
  }
}

TEST(HorizontalTanks, ChecksRunInTheirOrderWithTheirMessages) {
  const std::string diameter =
      "An improper Horizontal Tank Diameter measurement has been chosen. Re-choose a Horizontal Tank Diameter Unit "
      "with the mouse.";
  const std::string length =
      "An improper Horizontal Tank Length measurement has been chosen. Re-choose a Horizontal Tank Length Unit with "
      "the mouse.";
  const std::string fluid =
      "An improper Horizontal Tank Fluid Height measurement has been chosen. Re-choose a Horizontal Fluid Height Unit "
      "with the mouse.";
  const std::string volume =
      "An improper Horizontal Tank Volume Unit has been chosen.  Re-choose a Horizontal Tank Volume Unit with the "
      "mouse.";
  const std::string height =
      "An improper Horizontal Tank Height measurement has been chosen. Re-choose a Horizontal Tank Height Unit with "
      "the mouse.";
  const std::string width =
      "An improper Horizontal Tank Width measurement has been chosen. Re-choose a Horizontal Tank Width Unit with the "
      "mouse.";
  const std::string ellLength =
      "An improper Horizontal Elliptical Tank Length measurement has been chosen. Re-choose a Horizontal Tank Length "
      "Unit with the mouse.";
  const std::string ellFluid =
      "An improper Tank Fluid Height measurement has been chosen. Re-choose a Fluid Height Unit with the mouse.";
  const std::string ellVolume =
      "An improper Tank Volume Unit has been chosen.  Re-choose a Tank Volume Unit with the mouse.";
  // Circular tabs: the fluid box empty first, then each unit in turn; the
  // fluid height (3 m in a 2 m tank) before the head's unit.
  auto circular = [&](const Tab& t, const std::string& head) {
    return std::vector<Check>{{kEnterFluid, t.fluid.box, "3"}, {diameter, t.across.list, "Meters"},
                              {length, t.length.list, "Feet"}, {fluid, t.fluid.list, "Meters"},
                              {kAbove, t.fluid.box, "1"},      {head, t.head.list, "Inches"},
                              {volume, t.answerUnit, "Litres"}};
  };
  auto ellipticalChecks = [&](const Tab& t, const std::string& h, const std::string& w, const std::string& head) {
    std::vector<Check> checks = {{kEnterFluid, t.fluid.box, "3"},    {h, t.across.list, "Meters"},
                                 {w, t.width.list, "Meters"},        {ellLength, t.length.list, "Meters"},
                                 {ellFluid, t.fluid.list, "Meters"}, {kAbove, t.fluid.box, "1"}};
    if (t.head.list) checks.push_back({head, t.head.list, "Millimeters"});
    checks.push_back({ellVolume, t.answerUnit, "Cubic Feet"});
    return checks;
  };
  struct Case {
    const char* name;
    const Tab* tab;
    std::vector<Check> checks;
  };
  const Case cases[] = {
      // The flat tab has no empty-box check, and it shows a volume before it
      // looks at the answer unit (a test of its own): the unit is chosen here.
      {"flat",
       &kFlat,
       {{diameter, kFlat.across.list, "Meters"},
        {length, kFlat.length.list, "Meters"},
        {fluid, kFlat.fluid.list, "Meters"},
        {kAbove, kFlat.fluid.box, "1"}}},
      {"(E)", &kEllipsoidal,
       circular(kEllipsoidal,
                "An improper Horizontal Ellipsoid Length measurement has been chosen. Re-choose a Horizontal "
                "Ellipsoid Length with the mouse.")},
      {"(C)", &kConical,
       circular(kConical,
                "An improper Horizontal Conical Length measurement has been chosen. Re-choose a Horizontal Conical "
                "Length with the mouse.")},
      {"(G): its message asks for a conical length", &kGuppy,
       circular(kGuppy,
                "An improper Horizontal Guppy Length measurement has been chosen. Re-choose a Horizontal Conical "
                "Length with the mouse.")},
      {"elliptical flat", &kEllFlat, ellipticalChecks(kEllFlat, height, width, "")},
      {"elliptical (C)", &kEllConical,
       ellipticalChecks(kEllConical, height, width,
                        "An improper Conical Length measurement has been chosen. Re-choose a Conical Length with the "
                        "mouse.")},
      {"elliptical (E): its own height and width messages", &kEllEllipsoidal,
       ellipticalChecks(kEllEllipsoidal,
                        "An improper Tank Height measurement has been chosen. Re-choose a Tank Height Unit with the "
                        "mouse.",
                        "An improper Tank Width measurement has been chosen. Re-choose a Tank Width Unit with the "
                        "mouse.",
                        "An improper Ellipsoid Length measurement has been chosen. Re-choose an Ellipsoid Length with "
                        "the mouse.")},
      {"elliptical (G)", &kEllGuppy,
       ellipticalChecks(kEllGuppy, height, width,
                        "An improper Guppy Length measurement has been chosen. Re-choose a Guppy Length with the "
                        "mouse.")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Every unit empty, as in a fresh window; the fluid box empty too.
    Fields f = tank(*c.tab, {"2", "5", ""}, "", "");
    if (c.tab == &kFlat) f = with(f, {{kFlat.fluid.box, "3"}, {kFlat.answerUnit, "Litres"}});
    expectChecksInOrder(c.tab->calculate, f, c.checks, c.tab->answer);
  }
}

TEST(HorizontalTanks, RefusesTextThatIsNotANumberAndTanksWithNoAnswer) {
  struct Case {
    const char* name;
    const Tab* tab;
    Sizes sizes;
    std::string message;
  };
  const Case cases[] = {
      {"a lone minus for the diameter", &kFlat, {"-", "5", "1"}, "Please type in a number for Internal Tank Diameter."},
      {"an empty length", &kConical, {"2", "", "1"}, "Please type in a number for Length of Tank."},
      {"the flat tab's empty fluid box", &kFlat, {"2", "5", ""}, "Please type in a number for Fluid Height."},
      {"1E for the ellipsoid length",
       &kEllipsoidal,
       {"2", "5", "1", "1E"},
       "Please type in a number for Ellipsoid Length."},
      {"1.2.3 for the guppy end", &kGuppy, {"2", "5", "1", "1.2.3"}, "Please type in a number for Guppy End Length."},
      {"a width pasted with its unit",
       &kEllConical,
       {"2", "5", "1", "1", "3 m"},
       "Please type in a number for Internal Tank Width."},
      {"an internal height too large",
       &kEllGuppy,
       {"1E400", "5", "1"},
       "The value typed for Internal Tank Height is too large."},
      {"a head length too large",
       &kEllEllipsoidal,
       {"2", "5", "1", "-1E999"},
       "The value typed for Ellipsoidal Length is too large."},
      {"a cone length that is not a number",
       &kEllConical,
       {"2", "5", "1", "."},
       "Please type in a number for Conical Length."},
      {"a guppy length that is not a number",
       &kEllGuppy,
       {"2", "5", "1", "E5"},
       "Please type in a number for Guppy Length."},
      // A tank of no size, empty: the fluid height equals the diameter and
      // would be lowered below zero.
      {"a diameter of zero", &kFlat, {"0", "5", "0"}, kZeroDiameterText},
      {"a diameter of zero with ends", &kGuppy, {"0", "5", "0"}, kZeroDiameterText},
      {"an internal height of zero", &kEllFlat, {"0", "5", "0", "1", "3"}, kZeroInternalHeightText},
      {"an internal height of zero with ends", &kEllConical, {"0", "5", "0", "1", "3"}, kZeroInternalHeightText},
      // Other sizes whose formulas divide by zero, take the root of a negative
      // number or overflow.
      {"thinner than the 1E-10 m below the brim", &kConical, {"5E-11", "5", "5E-11"}, kAnswerOutOfRangeText},
      {"thinner than the 1E-10 m below the brim, flat", &kFlat, {"5E-11", "5", "5E-11"}, kAnswerOutOfRangeText},
      {"a shell too large for a double", &kFlat, {"1E200", "1E200", "1E200"}, kAnswerOutOfRangeText},
      {"heads too large for a double", &kConical, {"2", "5", "1", "1E308"}, kAnswerOutOfRangeText},
      {"a stretch too large for a double", &kEllGuppy, {"1E-300", "5", "1E-300", "1", "1E300"}, kAnswerOutOfRangeText},
      // A zero diameter with a fluid height is above the tank, as typed.
      {"a diameter of zero, fluid 1", &kConical, {"0", "5", "1"}, kAbove},
      // Sizes below zero, before anything is worked from them.
      {"a negative diameter, filled to it",
       &kEllipsoidal,
       {"-2", "5", "-2"},
       "The value typed for Internal Tank Diameter cannot be below zero."},
      {"a negative diameter, no fluid",
       &kFlat,
       {"-2", "5", "0"},
       "The value typed for Internal Tank Diameter cannot be below zero."},
      {"a negative length",
       &kConical,
       {"2", "-5", "1", "0"},
       "The value typed for Length of Tank cannot be below zero."},
      {"negative cones", &kConical, {"2", "5", "1", "-1"}, "The value typed for Conical Length cannot be below zero."},
      {"a negative width",
       &kEllFlat,
       {"2", "5", "1", "1", "-3"},
       "The value typed for Internal Tank Width cannot be below zero."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = c.tab->calculate(tank(*c.tab, c.sizes));
    EXPECT_EQ(onlyMessage(outcome), c.message);
  }
  // The flat tab refuses a shell it cannot show before writing its text.
  EXPECT_EQ(onlyMessage(CalcHorizontalFlat(tank(kFlat, {"1E200", "1E200", "1E200"}, "Meters", ""))),
            kAnswerOutOfRangeText);
  // Other sizes of zero are taken as they are.
  const struct {
    const char* name;
    const Tab* tab;
    Sizes sizes;
    std::string expected;
  } taken[] = {
      {"no length", &kFlat, {"2", "0", "1"}, ".0000"},
      {"no cones", &kConical, {"2", "5", "1", "0"}, four(5 * kHalfPi)},
      {"no width", &kEllGuppy, {"2", "5", "1", "1", "0"}, ".0000"},
  };
  for (const auto& c : taken) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(shown(c.tab->calculate(tank(*c.tab, c.sizes)), c.tab->answer), c.expected);
  }
}

TEST(HorizontalTankWindow, TableHasEveryTabInOrderOpeningOnTheFlatTab) {
  const PageForm& form = horizontalTankForm();
  EXPECT_STREQ(form.key.name(), "FrmHorizontalTanks");
  EXPECT_STREQ(form.caption, "Tank Calculations");
  EXPECT_STREQ(form.tabs, "SSTab1");
  EXPECT_EQ(form.lists, ListKind::Editable);
  ASSERT_EQ(form.pages.size(), 8u);
  struct Expected {
    const char* tab;
    const char* heading;  // after the circular or elliptical opening
    Calculation calculate;
  };
  const char* const circ = "Determine the volume of liquid from the bottom of a circular horizontal tank with ";
  const char* const ellip = "Determine the volume of liquid from the bottom of an Elliptical horizontal tank with ";
  const Expected expected[] = {
      {"Horizontal Tank Volume (E)", "Ellipsoidal ends.", CalcHorizontalEllipsoidal},
      {"Elliptical Tank Volume (C)", "Conical ends.", CalcEllipticalConical},
      {"Elliptical Tank Volume(E)", "Ellipsoidal ends.", CalcEllipticalEllipsoidal},
      {"Horizontal Tank Volume (C)", "Conical ends.", CalcHorizontalConical},
      {"Horizontal Tank Volume (G)", "Guppy ends.", CalcHorizontalGuppy},
      {"Horizontal Tank Volume (Flat)", "flat ends.", CalcHorizontalFlat},
      {"Elliptical Tank Volume (Flat)", "Flat ends.", CalcEllipticalFlat},
      {"Elliptical Tank Volume (G)", "distorted Guppy ends.", CalcEllipticalGuppy},
  };
  EXPECT_STREQ(form.pages[static_cast<std::size_t>(form.firstTab)].tab, "Horizontal Tank Volume (Flat)");
  for (std::size_t i = 0; i < 8; ++i) {
    const Page& page = form.pages[i];
    const Expected& e = expected[i];
    SCOPED_TRACE(e.tab);
    EXPECT_STREQ(page.tab, e.tab);
    EXPECT_EQ(page.heading, std::string(i == 0 || i == 3 || i == 4 || i == 5 ? circ : ellip) + e.heading);
    EXPECT_EQ(page.calculate, e.calculate);
    ASSERT_EQ(page.buttons.size(), 2u);
    EXPECT_STREQ(page.buttons[0].caption, "&Calculate");
    EXPECT_STREQ(page.buttons[1].caption, i == 5 ? "&Print Chart With Data" : "&Print Chart with Data");
    EXPECT_EQ(page.buttons[1].action, ButtonAction::Window);
    EXPECT_EQ(page.picture.source, PictureSource::Window);
    for (const PageRow& row : page.rows) {
      EXPECT_EQ(row.items, row.kind == RowKind::Answer ? &TankVolumeUnits() : &TankLengthUnits());
      EXPECT_STREQ(row.boxText, row.kind == RowKind::Answer ? "" : "1");
    }
  }
}

// ---- Charts -------------------------------------------------------------------

TEST(HorizontalCharts, RequiredBoxesInTheirOrderWithTheirMessages) {
  const char* const lengthUnit = "Please choose a Horizontal Tank Length Unit with the mouse";
  const char* const answerUnit = "Please choose an Answer Volume Unit with the mouse";
  auto circular = [&](const Tab& t, const char* head) {
    std::vector<Check> checks = {
        {"Please type a Horizontal Internal Diameter Value", t.across.box, "2"},
        {"Please type a Horizontal Tank Length value", t.length.box, "5"},
        {"Please choose a Horizontal Internal Diameter Unit with the mouse", t.across.list, "Meters"},
        {lengthUnit, t.length.list, "Meters"}};
    if (head) checks.push_back({head, t.head.list, "Meters"});
    checks.push_back({answerUnit, t.answerUnit, "Litres"});
    return checks;
  };
  auto elliptical = [&](const Tab& t, const char* head) {
    std::vector<Check> checks = {{"Please type an Internal Tank Height Value", t.across.box, "2"},
                                 {"Please type an Elliptical Tank Length value", t.length.box, "5"},
                                 {"Please type an Elliptical Tank Width value", t.width.box, "3"},
                                 {"Please choose a Height Unit with the mouse", t.across.list, "Meters"},
                                 {"Please choose a Width Unit with the mouse", t.width.list, "Meters"},
                                 {lengthUnit, t.length.list, "Meters"}};
    if (head) checks.push_back({head, t.head.list, "Meters"});
    checks.push_back({answerUnit, t.answerUnit, "Litres"});
    return checks;
  };
  const char* const ellipsoid = "Please choose a Horizontal Ellipsoid Length Unit with the mouse";
  const char* const conical = "Please choose a Horizontal Conical Length Unit with the mouse";
  const char* const guppy = "Please choose a Horizontal Guppy Length Unit with the mouse";
  // In the window's tab order.
  const struct {
    const Tab* tab;
    std::vector<Check> checks;
  } cases[] = {
      {&kEllipsoidal, circular(kEllipsoidal, ellipsoid)},
      {&kEllConical, elliptical(kEllConical, conical)},
      {&kEllEllipsoidal, elliptical(kEllEllipsoidal, ellipsoid)},
      {&kConical, circular(kConical, conical)},
      {&kGuppy, circular(kGuppy, guppy)},
      {&kFlat, circular(kFlat, nullptr)},
      {&kEllFlat, elliptical(kEllFlat, nullptr)},
      {&kEllGuppy, elliptical(kEllGuppy, guppy)},
  };
  for (int tab = 0; tab < 8; ++tab) {
    const auto& c = cases[tab];
    SCOPED_TRACE(c.tab->answer);
    const TankChartProfile& profile = horizontalChartProfile(tab);
    // Everything empty; the head's box and the fluid boxes stay empty.
    Fields f;
    for (const Check& check : c.checks) {
      EXPECT_EQ(onlyMessage(startChart(profile, f).refused), check.message) << "before " << check.control;
      f[check.control] = check.fix;
    }
    // The head's box is not required: left empty, the full tank tried
    // before the dialog refuses it with its row's own message.
    if (c.tab->head.box) {
      EXPECT_EQ(onlyMessage(startChart(profile, f).refused).rfind("Please type in a number for ", 0), 0u);
      f[c.tab->head.box] = "1";
    }
    EXPECT_TRUE(startChart(profile, f).ok()) << "the fluid height is not required";
    // A filled box that is not a number stops the chart before anything changes.
    f[c.tab->length.box] = "5 m";
    EXPECT_EQ(onlyMessage(startChart(profile, f).refused), "Please type in a number for Length of Tank.");
  }
}

TEST(HorizontalCharts, HeaderTemplatesOfEveryTab) {
  // 1,234.5 feet across (or high), 0.25 inches long, heads of 2 mm, 3 cm wide.
  auto typed = [](const Tab& t) {
    Fields f = {{t.across.box, "1234.5"},
                {t.across.list, "Feet"},
                {t.length.box, "0.25"},
                {t.length.list, "Inches"},
                {t.answerUnit, "Litres"}};
    if (t.head.box) f.insert({{t.head.box, "2"}, {t.head.list, "Millimeters"}});
    if (t.width.box) f.insert({{t.width.box, "3"}, {t.width.list, "Centimeters"}});
    return f;
  };
  const struct {
    const Tab* tab;
    std::array<std::string, 3> headers;
  } cases[] = {
      {&kEllipsoidal,
       {"These dimensions are for a Horizontal Cylindrical Tank with Ellipsoid ends, a",
        "Height of 1,234.500 Feet, a Length of .250 Inches", "and an Ellipsoid Length of 2.000 Millimeters"}},
      {&kEllConical,
       {"These dimensions are for a Horizontal Elliptical Tank with Distorted Conical ends,",
        "a Height of 1,234.500 Feet, a Width of 3.000 Centimeters",
        " a Length of .250 Inches and an Conical Length of 2.000 Millimeters"}},
      {&kEllEllipsoidal,
       {"These dimensions are for a Horizontal Elliptical Tank with Ellipsoid ends, ",
        "a Height of 1,234.500 Feet, a Width of 3.000 Centimeters",
        "a Length of .250 Inches and an Ellipsoid Length of 2.000 Millimeters"}},
      {&kConical,
       {"These dimensions are for a Horizontal Cylindrical Tank with Conical ends and",
        " a Height of 1,234.500 Feet a Length of .250 ", "Inches and a Conical Length of 2.000 Millimeters"}},
      {&kGuppy,
       {"These dimensions are for a Horizontal Cylindrical Tank with Guppy ends",
        "a Height of 1,234.500 Feet a Length of .250 Inches", "and an Guppy Length of 2.000 Millimeters"}},
      {&kFlat,
       {"These dimensions are for a Horizontal Cylindrical Tank", "with flat ends and a Height of 1,234.500 Feet",
        "and a Length of .250 Inches"}},
      {&kEllFlat,
       {"These dimensions are for a Horizontal Elliptical Tank with Flat",
        "ends, a Height of 1,234.500 Feet, a Width of 3.000 Centimeters", " and a Length of .250 Inches"}},
      {&kEllGuppy,
       {"These dimensions are for a Horizontal Elliptical Tank with Distorted Guppy ends, a",
        "Height of 1,234.500 Feet, a Width of 3.000 Centimeters a Length of .250 Inches",
        "and an Guppy Length of 2.000 Millimeters"}},
  };
  for (int tab = 0; tab < 8; ++tab) {
    SCOPED_TRACE(tab);
    const ChartStart start = startChart(horizontalChartProfile(tab), typed(*cases[tab].tab));
    ASSERT_TRUE(start.ok());
    EXPECT_EQ(start.headers, cases[tab].headers);
    // The chart steps the diameter (the internal height) in its own unit.
    EXPECT_EQ(start.height, 1234.5);
    EXPECT_EQ(start.heightUnit, "Feet");
    EXPECT_EQ(start.volumeUnit, "Litres");
  }
}

// A row's volume: the answer label's text ("#,###.0000") read back and
// rounded to three decimals.
// A row's volume: the answer's four shown decimals rounded half up to three.
double rowVolume(double volume) {
  const long long tenThousandths = std::llround(*parseNumber(four(volume)) * 10000);
  return static_cast<double>((tenThousandths + 5) / 10) / 1000;
}

TEST(HorizontalCharts, ConicalChartFromAFluidHeightInCentimetres) {
  // 2 m across, 5 m long, cones 1 m; the fluid height typed as 50 cm.
  Fields f = tank(kConical, {"2", "5", "50"});
  f[kConical.fluid.list] = "Centimeters";
  const TankChartProfile& profile = horizontalChartProfile(3);
  const ChartStart start = startChart(profile, f);
  ASSERT_TRUE(start.ok());
  // Only this tab's fluid boxes change: the height and its unit of a full tank.
  ASSERT_EQ(start.writes.effects.size(), 2u);
  EXPECT_EQ(start.writes.written(kConical.fluid.list), "Meters");
  EXPECT_EQ(start.writes.written(kConical.fluid.box), "2");
  const ChartBuild built = buildChartRows(profile, start, 4);
  ASSERT_TRUE(built.complete);
  EXPECT_TRUE(built.effects.messageTexts().empty());
  EXPECT_EQ(built.recordset.heightUnit, "Meters");
  EXPECT_EQ(built.recordset.volumeUnit, "Cubic Meters");
  // Each row in metres: the shell r² × acos(x) − √(2rh − h²) × (r − h) times
  // 5, the cones K × S below half height, K × pi ÷ 2 at it and (pi − S) × K
  // above, with K = 2 ÷ 3.
  auto volume = [](double h) {
    const double x = 1 - h, z = std::fabs(x);
    const double shell = (std::acos(x) - std::sqrt(2 * h - h * h) * x) * 5;
    const double S =
        std::acos(z) + z * z * z * std::log(1 / z + std::sqrt(1 / (z * z) - 1)) - 2 * z * std::sqrt(1 - z * z);
    const double K = 2.0 / 3;
    return shell + (h < 1 ? K * S : h == 1 ? K * kPi9 / 2 : (kPi9 - S) * K);
  };
  const double full = 5 * 2 * kHalfPi + 2 * kPi9 * 1 * 1 / 3;  // pi × r² × L and the two whole cones
  const std::vector<ChartRow> expected = {{0, 0},
                                          {0.5, rowVolume(volume(0.5))},
                                          {1, rowVolume(volume(1))},
                                          {1.5, rowVolume(volume(1.5))},
                                          {2, rowVolume(full)}};
  ASSERT_EQ(built.recordset.rows.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(built.recordset.rows[i].height, expected[i].height) << i;
    EXPECT_EQ(built.recordset.rows[i].volume, expected[i].volume) << i;
  }
  EXPECT_EQ(built.effects.written(kConical.fluid.box), "2");
  EXPECT_EQ(built.effects.written(kConical.answer), four(full));
}

TEST(HorizontalCharts, EllipticalChartsStepTheInternalHeight) {
  // Elliptical (E): 2 ft high, 3 ft wide, 10 ft long, ellipsoids of 6 in.
  Fields f = tank(kEllEllipsoidal, {"2", "10", "1", "6", "3"}, "Feet", "Litres");
  f[kEllEllipsoidal.head.list] = "Inches";
  const TankChartProfile& profile = horizontalChartProfile(2);
  const ChartStart start = startChart(profile, f);
  ASSERT_TRUE(start.ok());
  const ChartBuild built = buildChartRows(profile, start, 2);
  ASSERT_TRUE(built.complete);
  ASSERT_EQ(built.recordset.rows.size(), 3u);
  EXPECT_EQ(built.recordset.heightUnit, "Feet");
  EXPECT_EQ(built.recordset.rows[1].height, 1);
  // Half full: 1.5 × (half of pi × b² × L + heads at half height), in litres.
  const double b = 0.3048, a = 6 * 0.3048 / 12;
  const double half = b * b * kHalfPi * (10 * 0.3048) + b * b * (a * kPi9) * (1 - b / (b * 3));
  // The answer as its label shows it, four decimals, then rounded to three on
  // those digits.
  const DecimalDigits shown = decimalDigits(1.5 * half * 1000, 4);
  const DecimalDigits read = roundedDigits(shown.integer + "." + shown.fraction, 3);
  EXPECT_EQ(built.recordset.rows[1].volume, std::stod(read.integer + "." + read.fraction));
}

TEST(HorizontalCharts, AnUnknownAnswerUnitOnTheFlatTabStopsTheChartWithOneMessage) {
  // Typed, not empty: the required boxes pass, the full tank refuses.
  Fields f = tank(kFlat, {"2", "5", "1"}, "Meters", "litres");
  f[kFlat.answer] = "old";
  const TankChartProfile& profile = horizontalChartProfile(5);
  // The full tank is tried before the dialog: its one message, nothing changed.
  const ChartStart start = startChart(profile, f);
  EXPECT_EQ(onlyMessage(start.refused),
            "An improper Horizontal Tank Volume Unit has been chosen.  Re-choose a Horizontal Tank Volume Unit with "
            "the mouse.");
  EXPECT_TRUE(start.writes.effects.empty()) << "the answer and the fluid height keep their texts";
  // A chart of a tank of no size: one message, no chart.
  EXPECT_EQ(onlyMessage(startChart(profile, tank(kFlat, {"0", "5", "1"}, "Meters", "Litres")).refused),
            kZeroDiameterText);
}

}  // namespace
}  // namespace calvexa
