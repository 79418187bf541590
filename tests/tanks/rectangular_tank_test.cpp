// The rectangular tank: worked values in one and in mixed units, the order of
// the checks with their two-line messages, icons and titles, the refusals of
// a tank of no height, of volumes too large and of text that is not a number,
// and the chart's required boxes, header lines and rows. Expected volumes are
// worked here as H × ((h ÷ H) × Lg × W) from lengths in metres.
#include <gtest/gtest.h>

#include <cmath>

#include "core/number_text.h"
#include "support/calculation_checks.h"
#include "support/tank_table_checks.h"
#include "tanks/chart_rules.h"
#include "tanks/rectangular_tank_rules.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {
namespace {

const char* const kAnswer = "TbLiquidVolumeAnswer";

// The window's texts: width, length, tank height and fluid height, each with
// its unit, and the answer unit.
struct Sizes {
  const char* width = "2";
  const char* widthUnit = "Meters";
  const char* length = "3";
  const char* lengthUnit = "Meters";
  const char* height = "4";
  const char* heightUnit = "Meters";
  const char* fluid = "1";
  const char* fluidUnit = "Meters";
  const char* answerUnit = "Cubic Meters";
};

Fields tank(const Sizes& s) {
  return {{"TbSquareWidth", s.width},        {"CboSquareWidth", s.widthUnit}, {"TbSquareLength", s.length},
          {"CboSquareLength", s.lengthUnit}, {"TbSquareHeight", s.height},    {"CboSquareHeight", s.heightUnit},
          {"TbFluidHeight", s.fluid},        {"CboFluidHeight", s.fluidUnit}, {"CboLiquidVolumeAnswer", s.answerUnit}};
}

double box(double H, double h, double Lg, double W) { return H * ((h / H) * Lg * W); }

Message error(const std::string& text) { return {.text = text, .title = "Error", .icon = Icon::Information}; }

TEST(RectangularTank, WorkedValues) {
  struct Case {
    const char* name;
    Sizes sizes;
    double expected;
    const char* text;  // the answer as it must read, where written out
  };
  const double inch = 0.3048 / 12;
  const Case cases[] = {
      {"2 × 3 m, 4 m high, 1 m of fluid", {}, box(4, 1, 3, 2), "6"},
      {"in litres", {.answerUnit = "Litres"}, box(4, 1, 3, 2) * 1000, "6000"},
      {"in U.S. gallons, every digit", {.answerUnit = "Gallons (U.S.)"}, 6000 / 3.785412, "1585.03222370511"},
      {"in Canadian gallons", {.answerUnit = "Gallons (Canada)"}, box(4, 1, 3, 2) * 1000 / 4.54609, nullptr},
      {"in cubic feet", {.answerUnit = "Cubic Feet"}, box(4, 1, 3, 2) * 35.31466227, nullptr},
      {"in drums", {.answerUnit = "Drums (208 litre)"}, box(4, 1, 3, 2) * 1000 / 208, nullptr},
      {"full: fluid height equal to the tank height", {.fluid = "4"}, box(4, 4, 3, 2), "24"},
      {"empty", {.fluid = "0"}, 0, "0"},
      {"a fluid height of -1 gives a negative volume", {.fluid = "-1"}, box(4, -1, 3, 2), "-6"},
      {"every box at its start value", {.width = "1", .length = "1", .height = "1"}, 1, "1"},
      {"mixed units, in cubic metres",
       {.width = "100",
        .widthUnit = "Centimeters",
        .length = "1",
        .height = "1000",
        .heightUnit = "Millimeters",
        .fluid = "1",
        .fluidUnit = "Feet"},
       box(1000.0 / 1000, 1 * 0.3048, 1, 100.0 / 100),
       "0.3048"},
      {"mixed units, in litres",
       {.width = "100",
        .widthUnit = "Centimeters",
        .length = "1",
        .height = "1000",
        .heightUnit = "Millimeters",
        .fluid = "1",
        .fluidUnit = "Feet",
        .answerUnit = "Litres"},
       box(1000.0 / 1000, 1 * 0.3048, 1, 100.0 / 100) * 1000,
       "304.8"},
      {"inches: 24 of fluid in a tank 24 high is full",
       {.width = "12",
        .widthUnit = "Inches",
        .length = "36",
        .lengthUnit = "Inches",
        .height = "24",
        .heightUnit = "Inches",
        .fluid = "24",
        .fluidUnit = "Inches"},
       box(24 * inch, 24 * inch, 36 * inch, 12 * inch),
       nullptr},
      {"a small volume in exponent form",
       {.width = "1", .widthUnit = "Millimeters", .length = "1", .lengthUnit = "Millimeters", .fluid = "0.5"},
       box(4, 0.5, 1.0 / 1000, 1.0 / 1000),
       "5E-07"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string answer = onlyAnswer(CalcRectangularTank(tank(c.sizes)), kAnswer);
    EXPECT_EQ(answer, general(c.expected));
    if (c.text) {
      EXPECT_EQ(answer, c.text);
    }
  }
}

TEST(RectangularTank, ChecksInOrderWithTwoLineMessagesTheirIconsAndTitles) {
  // Every unit empty, as in a new window, and the fluid above the tank;
  // each check is fixed in turn to bring the next forward.
  struct Step {
    Message message;
    const char* control;
    const char* fix;
  };
  const Step steps[] = {
      {error("An improper Width measurement has been chosen.\r\nRe-choose a Unit with the mouse"), "CboSquareWidth",
       "Meters"},
      {error("An improper Length unit has been chosen.\r\nRe-choose a Unit with the mouse"), "CboSquareLength",
       "Meters"},
      {error("An improper Tank Height unit has been chosen.\r\nRe-choose a Unit with the mouse"), "CboSquareHeight",
       "Meters"},
      {{.text = "An improper Fluid Tank Height unit has been chosen.\r\nRe-choose a Unit with the mouse"},
       "CboFluidHeight",
       "Meters"},
      {error("The fluid height is larger than the tank height\r\nPlease try again"), "TbFluidHeight", "1"},
      {error("An improper Calculated Tank Volume Unit has been chosen.\r\nRe-choose a Unit with the mouse."),
       "CboLiquidVolumeAnswer", "Cubic Meters"},
  };
  Fields f =
      tank({.widthUnit = "", .lengthUnit = "", .heightUnit = "", .fluid = "4.5", .fluidUnit = "", .answerUnit = ""});
  for (const Step& step : steps) {
    SCOPED_TRACE(step.control);
    EXPECT_EQ(onlyShown(CalcRectangularTank(f)), step.message);
    f[step.control] = step.fix;
  }
  EXPECT_EQ(onlyAnswer(CalcRectangularTank(f), kAnswer), "6");
}

TEST(RectangularTank, UnitsAreExactTextsMatchedBeforeTheirBoxIsRead) {
  const Message fluidUnit = {
      .text = "An improper Fluid Tank Height unit has been chosen.\r\nRe-choose a Unit with the mouse"};
  EXPECT_EQ(onlyShown(CalcRectangularTank(tank({.fluidUnit = "meters"}))), fluidUnit);
  EXPECT_EQ(onlyShown(CalcRectangularTank(tank({.fluidUnit = "Meters "}))), fluidUnit);
  EXPECT_EQ(onlyAnswer(CalcRectangularTank(tank({.fluidUnit = "Meters"})), kAnswer), "6") << "typed as in the list";
  EXPECT_EQ(onlyShown(CalcRectangularTank(tank({.width = "abc", .widthUnit = "ft"}))),
            error("An improper Width measurement has been chosen.\r\nRe-choose a Unit with the mouse"));
  EXPECT_EQ(onlyShown(CalcRectangularTank(tank({.answerUnit = "litres"}))),
            error("An improper Calculated Tank Volume Unit has been chosen.\r\nRe-choose a Unit with the mouse."));
}

TEST(RectangularTank, RefusesTextThatIsNotANumberInThePlainStyle) {
  struct Case {
    const char* name;
    Sizes sizes;
    const char* message;
  };
  const Case cases[] = {
      {"a lone minus for the width", {.width = "-"}, "Please type in a number for Rectangular Width."},
      {"an empty length", {.length = ""}, "Please type in a number for Rectangular Length."},
      {"1E for the height", {.height = "1E"}, "Please type in a number for Rectangular Height."},
      {"two points in the fluid height", {.fluid = "1.2.3"}, "Please type in a number for Fluid Height."},
      {"a height beyond any double", {.height = "1E999"}, "The value typed for Rectangular Height is too large."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyShown(CalcRectangularTank(tank(c.sizes))), Message{.text = c.message});
  }
}

TEST(RectangularTank, ATankOfNoHeightAndVolumesBeyondRangeAreRefused) {
  const Message noVolume = error(kRectangularNoVolumeText);
  EXPECT_NE(std::string(kRectangularNoVolumeText).find("\r\n"), std::string::npos) << "two lines, as the others";
  struct Case {
    const char* name;
    Sizes sizes;
  };
  const Case cases[] = {
      {"0 high, 0 of fluid: 0 ÷ 0", {.height = "0", .fluid = "0"}},
      {"0 high, fluid below the bottom: an infinite fraction", {.height = "0", .fluid = "-1"}},
      {"-0 high", {.height = "-0", .fluid = "0"}},
      {"before the answer unit is looked at", {.height = "0", .fluid = "0", .answerUnit = ""}},
      {"a floor too large for a double", {.width = "1E200", .length = "1E200"}},
      {"an infinite fraction from a tiny tank height", {.height = "1E-300", .fluid = "-1E300"}},
      {"finite in cubic metres, too large in litres", {.width = "1E306", .length = "1", .answerUnit = "Litres"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyShown(CalcRectangularTank(tank(c.sizes))), noVolume);
  }
  // Sizes below zero are refused, each with its own plain message.
  EXPECT_EQ(onlyShown(CalcRectangularTank(tank({.width = "-2"}))),
            Message{.text = "The value typed for Rectangular Width cannot be below zero."});
  EXPECT_EQ(onlyShown(CalcRectangularTank(tank({.height = "-1", .fluid = "-2"}))),
            Message{.text = "The value typed for Rectangular Height cannot be below zero."});
}

// ---- The chart ---------------------------------------------------------------

TEST(RectangularChart, RequiredBoxesInOrderWithTheInformationIconAndError) {
  const TankChartProfile& profile = rectangularChartProfile(0);
  const char* const order[][2] = {
      {"TbSquareHeight", "Please type a Rectangular Tank Height Value"},
      {"TbSquareLength", "Please type a Rectangular Tank Length Value"},
      {"TbSquareWidth", "Please type a Rectangular Tank Width Value"},
      {"TbFluidHeight", "Please type a Fluid Height Value"},
      {"CboSquareWidth", "Please choose a Rectangular Tank Width Unit with the mouse"},
      {"CboSquareLength", "Please choose a Rectangular Tank Length Unit with the mouse"},
      {"CboSquareHeight", "Please choose a Rectangular Tank Height Unit with the mouse"},
      {"CboFluidHeight", "Please choose a Fluid Height Unit with the mouse"},
      {"CboLiquidVolumeAnswer", "Please choose an Answer Volume Unit with the mouse"},
  };
  const Fields full = tank({});
  Fields f;  // every box and list empty; each filled in turn
  for (const auto& [control, message] : order) {
    SCOPED_TRACE(control);
    EXPECT_EQ(onlyShown(startChart(profile, f).refused), error(message));
    f[control] = full.at(control);
  }
  EXPECT_TRUE(startChart(profile, f).ok());
  // A filled box that is not a number stops the chart before anything changes.
  f["TbSquareLength"] = "3m";
  EXPECT_EQ(onlyShown(startChart(profile, f).refused),
            Message{.text = "Please type in a number for Rectangular Length."});
}

TEST(RectangularChart, HeaderLinesStepsAndAFluidHeightThatStaysTillTheRows) {
  const TankChartProfile& profile = rectangularChartProfile(0);
  EXPECT_EQ(profile.calculate, &CalcRectangularTank);
  const ChartStart start = startChart(profile, tank({.width = "0.5",
                                                     .widthUnit = "Feet",
                                                     .length = "1234.5",
                                                     .height = "4",
                                                     .fluid = "30",
                                                     .fluidUnit = "Centimeters"}));
  ASSERT_TRUE(start.ok());
  EXPECT_EQ(start.headers[0], "These dimensions are for a Rectangular Tank with ");
  EXPECT_EQ(start.headers[1], " a width of .500 Feet, and a length of 1,234.500 Meters");
  EXPECT_EQ(start.headers[2], "and a Height of 4.000 Meters");
  // Before the dialog only the fluid height's unit changes (so Cancel leaves
  // the typed fluid height); the tank height is what the chart steps.
  EXPECT_EQ(start.writes.effects.size(), 1u);
  EXPECT_EQ(start.writes.written("CboFluidHeight"), "Meters");
  EXPECT_FALSE(start.writes.wrote("TbFluidHeight"));
  EXPECT_EQ(start.fields.at("TbFluidHeight"), "30");
  EXPECT_EQ(start.height, 4);
}

TEST(RectangularChart, RowsFromEmptyToFullAndTheTabLeftFull) {
  const TankChartProfile& profile = rectangularChartProfile(0);
  const ChartStart start =
      startChart(profile, tank({.fluid = "30", .fluidUnit = "Centimeters", .answerUnit = "Litres"}));
  const ChartBuild built = buildChartRows(profile, start, 8);
  ASSERT_TRUE(built.complete);
  const auto& rows = built.recordset.rows;
  ASSERT_EQ(rows.size(), 9u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double h = i * 4.0 / 8;
    EXPECT_EQ(rows[i].height, h) << i;
    EXPECT_EQ(rows[i].volume, std::round(box(4, h, 3, 2) * 1000 * 1000) / 1000) << i;
  }
  EXPECT_EQ(built.recordset.heightUnit, "Meters");
  EXPECT_EQ(built.recordset.volumeUnit, "Litres");
  EXPECT_EQ(built.effects.written("TbFluidHeight"), "4");
  EXPECT_EQ(built.effects.written(kAnswer), "24000");
  EXPECT_TRUE(built.effects.messageTexts().empty());
}

TEST(RectangularChart, ATankOfNoHeightEndsTheChartWithOneMessage) {
  const TankChartProfile& profile = rectangularChartProfile(0);
  const ChartStart start = startChart(profile, tank({.height = "0"}));
  EXPECT_EQ(onlyShown(start.refused), error(kRectangularNoVolumeText)) << "before the divisions are asked for";
  EXPECT_TRUE(start.writes.effects.empty()) << "the answer and the fluid height keep their texts";
}

TEST(RectangularWindow, TableOfTheWindow) {
  const PageForm& form = rectangularTankForm();
  EXPECT_STREQ(form.key.name(), "FrmRectangularTank");
  EXPECT_STREQ(form.caption, "Rectangular Tank Calculation");
  EXPECT_EQ(form.tabs, nullptr) << "one page, no tab control";
  EXPECT_EQ(form.lists, ListKind::Editable);
  ASSERT_EQ(form.pages.size(), 1u);
  const Page& page = form.pages.front();
  EXPECT_STREQ(page.heading, "Determine the volume of liquid from the bottom of a rectangular tank");
  EXPECT_EQ(page.calculate, &CalcRectangularTank);
  EXPECT_STREQ(page.picture.name, "Image1");
  EXPECT_EQ(page.picture.source, PictureSource::Window);
  expectTankButtons(
      page, {{"CmdCalculate", "&Calculate", "Press to calculate the answer", ButtonAction::Calculate},
             {"CmdPrintChartData", "&Print Chart with Data", "Press to print a tank sheet", ButtonAction::Window}});
}

}  // namespace
}  // namespace calvexa
