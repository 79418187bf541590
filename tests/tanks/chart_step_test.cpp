// Charts by step: the step read from its box and unit into the chart's
// height unit, the rows it gives, their printed decimals and the messages of
// a step that cannot be used. Rows are worked as whole numbers of steps.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "core/feet_inches.h"
#include "core/number_text.h"
#include "tanks/chart_rules.h"
#include "tanks/chart_step_rules.h"

namespace calvexa {
namespace {

const char* const kNotPositive =
    "Please type the step as a number above zero, such as 10, or leave it empty to use the number of divisions.";
const char* const kNoUnit = "Please choose the unit of the step, such as Millimeters.";
const char* const kTooMany = "A chart can have at most 100,000 steps. Please type a larger step.";

double stepOf(const char* text, const char* unit, double height, const char* heightUnit) {
  const ChartStep step = readChartStep(text, unit, height, heightUnit);
  EXPECT_EQ(step.kind, ChartStep::Kind::Step) << text << " " << unit << ": " << step.message.text;
  return step.step;
}

TEST(ChartStep, AQuarterCentimetreOfATwoAndAHalfMetreTankIsAThousandAndOneRows) {
  const double step = stepOf("0.0025", "Meters", 2.5, "Meters");
  const std::vector<double> heights = chartStepHeights(2.5, step);
  ASSERT_EQ(heights.size(), 1001u);
  const int decimals = chartStepHeightDecimals(step);
  EXPECT_EQ(decimals, 4);
  std::set<std::string> printed;
  for (int i = 0; i <= 1000; ++i) {
    // Row i is i × 25 ten-thousandths of a metre.
    char expected[32];
    std::snprintf(expected, sizeof expected, "%d.%04d", i * 25 / 10000, i * 25 % 10000);
    const std::string text = fixedText(heights[static_cast<std::size_t>(i)], decimals);
    EXPECT_EQ(text, expected) << "row " << i;
    printed.insert(text);
  }
  EXPECT_EQ(printed.size(), 1001u) << "every printed height distinct";
  EXPECT_EQ(heights.back(), 2.5);
}

TEST(ChartStep, AnEighthOfAnInchOfATenFootTankPrintsInFeetAndInches) {
  const double step = stepOf("1", "1/8 Inch", 10, "Feet");
  const std::vector<double> heights = chartStepHeights(10, step);
  ASSERT_EQ(heights.size(), 961u) << "96 eighths to the foot, from 0 to 960";
  const InchFraction fraction = chartStepFraction("1/8 Inch");
  std::set<std::string> printed;
  for (double h : heights) printed.insert(feetInchesText(h, FeetOrInches::Feet, fraction));
  EXPECT_EQ(printed.size(), 961u);
  struct Row {
    std::size_t index;
    const char* text;
  };
  const Row rows[] = {
      {0, "0' 0\""},        {1, "0' 0 1/8\""}, {4, "0' 0 1/2\""},   {8, "0' 1\""},
      {95, "0' 11 7/8\""},  {96, "1' 0\""},    {500, "5' 2 1/2\""},  // 500 = 5 × 96 + 2 × 8 + 4
      {959, "9' 11 7/8\""}, {960, "10' 0\""},
  };
  for (const Row& row : rows)
    EXPECT_EQ(feetInchesText(heights[row.index], FeetOrInches::Feet, fraction), row.text) << row.index;
  EXPECT_EQ(heights.back(), 10.0);
  // In an inch chart the eighth is exact: 120 in are 960 eighths.
  const std::vector<double> inches = chartStepHeights(120, stepOf("1", "1/8 Inch", 120, "Inches"));
  ASSERT_EQ(inches.size(), 961u);
  for (std::size_t i = 0; i < inches.size(); ++i) EXPECT_EQ(inches[i], static_cast<double>(i) / 8) << i;
}

TEST(ChartStep, RowsAreWholeStepsThenTheFullHeight) {
  struct Case {
    const char* name;
    double height;
    double step;
    std::vector<double> expected;
  };
  const Case cases[] = {
      {"a step that does not divide the height ends with the height", 2.3, 1, {0, 1, 2, 2.3}},
      {"a step longer than the tank", 0.5, 1, {0, 0.5}},
      {"a step as long as the tank", 2, 2, {0, 2}},
      {"a tank of no height is one row", 0, 1, {0}},
      {"a tank below zero steps down", -1, 0.25, {0, -0.25, -0.5, -0.75, -1}},
      {"a tank much lower than its step", 0.0001, 0.001, {0, 0.0001}},
  };
  for (const Case& c : cases) EXPECT_EQ(chartStepHeights(c.height, c.step), c.expected) << c.name;

  // 1 m in 3 mm steps: 333 whole steps (0.999 m), then 1 m.
  const std::vector<double> thirds = chartStepHeights(1, 0.003);
  ASSERT_EQ(thirds.size(), 335u);
  EXPECT_DOUBLE_EQ(thirds[333], 0.999);
  EXPECT_EQ(thirds[334], 1.0);
  // Each row is i × step, not a sum of steps: row 700 of 0.01 ft is 700 × 0.01.
  const std::vector<double> feet = chartStepHeights(7, stepOf("1", "0.01 Feet", 7, "Feet"));
  ASSERT_EQ(feet.size(), 701u) << "7 ft is a whole number of hundredths: no second last row";
  EXPECT_EQ(feet[699], 699 * 0.01);
  EXPECT_EQ(feet[700], 7.0);
}

TEST(ChartStep, AHeightWithinPrintingReachOfAStepEndsOnTheHeightAlone) {
  // 1.0000004 m in mm steps: 0.4 µm past the thousandth step, which would
  // print as a second "1.000".
  const std::vector<double> heights = chartStepHeights(1.0000004, 0.001);
  ASSERT_EQ(heights.size(), 1001u);
  EXPECT_DOUBLE_EQ(heights[999], 0.999);
  EXPECT_EQ(heights[1000], 1.0000004);
  // 0.6 µm short of a step beyond the height: the same.
  EXPECT_EQ(chartStepHeights(0.9999994, 0.001).size(), 1001u);
  // 0.6 mm past: a row of its own.
  EXPECT_EQ(chartStepHeights(1.0006, 0.001).size(), 1002u);
}

TEST(ChartStep, TheStepInTheChartsUnitKeepsWholeRatiosExact) {
  struct Case {
    const char* text;
    const char* unit;
    const char* heightUnit;
    double expected;
  };
  const Case exact[] = {
      {"3", "1/8 Inch", "Inches", 0.375},    // 3 × 12 ÷ 96
      {"3", "1/8 Inch", "Feet", 0.03125},    // 3 × 1 ÷ 96 = 1/32
      {"1", "1/16 Inch", "Inches", 0.0625},  // 12 ÷ 192
      {"1", "0.01 Feet", "Feet", 0.01},      // 1 ÷ 100
      {"1", "Feet", "Inches", 12},           // 12 ÷ 1
      {"10", "Millimeters", "Centimeters", 1},
      {"2", "Centimeters", "Meters", 0.02},
      {"1", "Meters", "Millimeters", 1000},
  };
  for (const Case& c : exact) EXPECT_EQ(stepOf(c.text, c.unit, 10, c.heightUnit), c.expected) << c.unit;
  // Between the foot and the metre: 1 in = 25.4 mm, 1 m = 1 ÷ 0.3048 ft.
  EXPECT_NEAR(stepOf("1", "Inches", 100, "Millimeters"), 25.4, 1e-12);
  EXPECT_NEAR(stepOf("1", "Meters", 10, "Feet"), 1 / 0.3048, 1e-12);
  EXPECT_NEAR(stepOf("1", "Millimeters", 10, "Inches"), 1 / 25.4, 1e-15);
}

TEST(ChartStep, EachStepUnitToMetres) {
  const std::vector<std::string> names = {"Millimeters", "Centimeters", "Meters", "Inches",
                                          "1/8 Inch",    "1/16 Inch",   "Feet",   "0.01 Feet"};
  EXPECT_EQ(ChartStepUnits(), names);
  const double metres[] = {0.001, 0.01, 1, 0.3048 / 12, 0.3048 / 12 / 8, 0.3048 / 12 / 16, 0.3048, 0.3048 / 100};
  ASSERT_EQ(kChartStepToMetres.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(kChartStepToMetres[i].name, names[i]);
    EXPECT_EQ(applyFactor(kChartStepToMetres[i], 1), metres[i]) << names[i];
  }
}

TEST(ChartStep, AStepThatCannotBeUsedHasOneMessage) {
  EXPECT_EQ(readChartStep("", "", 2, "Meters").kind, ChartStep::Kind::None) << "no step: the count is used";
  EXPECT_EQ(readChartStep("", "Millimeters", 2, "Meters").kind, ChartStep::Kind::None);
  struct Case {
    const char* name;
    const char* text;
    const char* unit;
    double height;
    const char* heightUnit;
    std::string message;
  };
  const Case cases[] = {
      {"not a number", "abc", "Millimeters", 2, "Meters", kNotPositive},
      {"a space", " ", "Millimeters", 2, "Meters", kNotPositive},
      {"zero", "0", "Millimeters", 2, "Meters", kNotPositive},
      {"negative", "-1", "Millimeters", 2, "Meters", kNotPositive},
      {"beyond a double", "1E999", "Millimeters", 2, "Meters", "The value typed for the step is too large."},
      {"too large in the chart's unit", "1E306", "Meters", 2, "Millimeters",
       "The value typed for the step is too large."},
      {"no unit", "1", "", 2, "Meters", kNoUnit},
      {"not a step unit", "1", "millimeters", 2, "Meters", kNoUnit},
      {"a chart in no length unit", "1", "Millimeters", 2, "Yards",
       "The chart's height unit is not a length unit, so it cannot be stepped. Please leave the step empty."},
      // 2 m ÷ 0.01 mm = 200,000 steps.
      {"too many rows", "0.01", "Millimeters", 2, "Meters", kTooMany},
      // 100.001 m ÷ 1 mm = 100,001 steps.
      {"one step too many", "1", "Millimeters", 100.001, "Meters", kTooMany},
      {"far too many", "4.9E-324", "Meters", 2, "Meters", kTooMany},
  };
  for (const Case& c : cases) {
    const ChartStep step = readChartStep(c.text, c.unit, c.height, c.heightUnit);
    EXPECT_EQ(step.kind, ChartStep::Kind::Refused) << c.name;
    EXPECT_EQ(step.message.text, c.message) << c.name;
  }
  // Exactly the most divisions a chart may have: 100 m in mm steps.
  ASSERT_EQ(kMostDivisions, 100000);
  EXPECT_EQ(chartStepHeights(100, stepOf("1", "Millimeters", 100, "Meters")).size(), 100001u);
  EXPECT_EQ(chartStepHeights(2, stepOf("1E300", "Meters", 2, "Millimeters")).size(), 2u) << "a huge step";
}

TEST(ChartStep, DecimalsPrintEveryRowApart) {
  struct Case {
    double step;
    int decimals;
  };
  const Case cases[] = {
      {0.0025, 4},  // its own four decimals
      {0.001, 3},
      {0.5, 3},
      {1, 3},
      {250, 3},
      {0.125, 3},   // an eighth of an inch, in inches
      {0.0625, 4},  // a sixteenth
      {0.01, 3},
      {0.00001, 5},
      {3e-7, 7},
      {1.0 / 96, 3},         // 0.0104…: the first decimal no larger than it is the third
      {1.0 / 192, 3},        // 0.0052…
      {1 / 25.4, 3},         // a millimetre in inches, 0.039…
      {0.3048 / 12 / 8, 6},  // an eighth of an inch in metres: 0.003175, six decimals
      {1e-12, 12},
      {0, 3},
      {-1, 3},
  };
  for (const Case& c : cases) EXPECT_EQ(chartStepHeightDecimals(c.step), c.decimals) << c.step;
}

TEST(ChartStep, SixteenthsOnlyForASixteenthStep) {
  EXPECT_EQ(chartStepFraction("1/16 Inch"), InchFraction::Sixteenths);
  for (const char* unit : {"1/8 Inch", "Inches", "Feet", "0.01 Feet", "Millimeters", ""})
    EXPECT_EQ(chartStepFraction(unit), InchFraction::Eighths) << unit;
}

}  // namespace
}  // namespace calvexa
