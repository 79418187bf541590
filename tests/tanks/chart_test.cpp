// Strapping charts: the required boxes, the division count, the rows (count,
// heights, volumes read back through "#,###.000"), a refused row, Cancel,
// the header and footer lines and the page numbers. Expected values come
// from the chart rules and the tank formulas, worked here.
#include <gtest/gtest.h>

#include <cmath>

#include "core/input.h"
#include "core/number_text.h"
#include "support/calculation_checks.h"
#include "tanks/chart_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace calvexa {
namespace {

constexpr double kPi7 = 3.1415926;
constexpr double kPi9 = 3.141592654;

// Tab 0: a flat upright tank 2 m across, `height` high, answers in cubic metres.
Fields flatTank(const char* height, const char* unit = "Meters") {
  return {{"TbInternalTankDiameter", "2"},
          {"CboInternalTankDiameter", "Meters"},
          {"TbTankHeight", height},
          {"CboTankHeight", unit},
          {"TbLiquidHeight", "1"},
          {"CboLiquidHeight", "Centimeters"},
          {"CboTankLiquidAnswer", "Cubic Meters"}};
}

double rounded3(double value) { return std::round(value * 1000) / 1000; }

ChartBuild chart(int tab, const Fields& fields, int divisions, const ChartProgress& progress = {}) {
  const TankChartProfile& profile = verticalChartProfile(tab);
  const ChartStart start = startChart(profile, fields);
  EXPECT_TRUE(start.ok());
  return buildChartRows(profile, start, divisions, progress);
}

TEST(ChartRows, ThirtyDivisionsOfAThreeMetreTankAreThirtyOneRows) {
  const ChartBuild built = chart(0, flatTank("3"), 30);
  ASSERT_TRUE(built.complete);
  const auto& rows = built.recordset.rows;
  ASSERT_EQ(rows.size(), 31u);
  EXPECT_EQ(rows.front().height, 0);
  EXPECT_EQ(rows.front().volume, 0);
  for (int i = 1; i <= 30; ++i) {
    const double h = i * 3.0 / 30;
    EXPECT_DOUBLE_EQ(rows[static_cast<std::size_t>(i)].height, h) << i;
    EXPECT_EQ(rows[static_cast<std::size_t>(i)].volume, rounded3(1 * kPi7 * h)) << i;
  }
  EXPECT_EQ(rows.back().height, 3.0) << "the last row at exactly the full height";
  EXPECT_EQ(built.recordset.heightUnit, "Meters");
  EXPECT_EQ(built.recordset.volumeUnit, "Cubic Meters");
  // The tab ends showing the full tank.
  EXPECT_EQ(built.effects.written("TbLiquidHeight"), "3");
  EXPECT_EQ(built.effects.written("TbTankLiquidAnswer"), general(1 * kPi7 * 3));
  EXPECT_TRUE(built.effects.messageTexts().empty());
}

TEST(ChartRows, TheLastRowIsAtTheFullHeightWhereSteppingWouldOvershoot) {
  for (const char* height : {"7", "0.7", "2.3", "1E-3"}) {
    const double H = *parseNumber(height);
    const ChartBuild built = chart(0, flatTank(height), 30);
    const auto& rows = built.recordset.rows;
    ASSERT_EQ(rows.size(), 31u) << height;
    EXPECT_EQ(rows.back().height, H) << height;
    for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_GT(rows[i].height, rows[i - 1].height) << height;
  }
}

// By step: rows at whole steps from 0, the full height last, each through
// the tab's calculation; the flat tank 2 m across holds pi7 × h m³.
TEST(ChartRows, ByStepTheRowsAreWholeStepsThenTheFullHeight) {
  struct Case {
    const char* height;
    double step;
    std::vector<const char*> printed;  // every row's height as the chart prints it
  };
  const Case cases[] = {
      {"1", 0.3, {"0.000", "0.300", "0.600", "0.900", "1.000"}},  // a short last step
      {"0.9", 0.3, {"0.000", "0.300", "0.600", "0.900"}},         // 3 × 0.3 is the height itself
      {"0.01", 0.0025, {"0.0000", "0.0025", "0.0050", "0.0075", "0.0100"}},
      {"0", 0.5, {"0.000"}},  // one row, not calculated
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    const TankChartProfile& profile = verticalChartProfile(0);
    const ChartStart start = startChart(profile, flatTank(c.height));
    const ChartBuild built = buildChartRows(profile, start, ChartSpacing{.step = c.step});
    ASSERT_TRUE(built.complete);
    const auto& rows = built.recordset.rows;
    ASSERT_EQ(rows.size(), c.printed.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rowHeightText(rows[i].height, built.recordset.heightDecimals), c.printed[i]) << i;
      EXPECT_EQ(rows[i].volume, i == 0 ? 0 : rounded3(kPi7 * *parseNumber(c.printed[i]))) << i;
    }
    EXPECT_EQ(rows.back().height, *parseNumber(c.height));
    EXPECT_EQ(built.effects.written("TbLiquidHeight"), c.height);
  }
}

TEST(ChartRows, ATankOfNoHeightHasEveryRowAtZero) {
  const ChartBuild built = chart(0, flatTank("0"), 4);
  ASSERT_TRUE(built.complete);
  ASSERT_EQ(built.recordset.rows.size(), 5u);
  for (const ChartRow& row : built.recordset.rows) {
    EXPECT_EQ(row.height, 0);
    EXPECT_EQ(row.volume, 0);
  }
}

TEST(ChartStart, ATankTheTabRefusesStopsTheChartBeforeAnythingChanges) {
  // Tab 1, every required box filled, but the cone's unit list left empty:
  // the full tank, tried first, shows the cone's message once.
  Fields f = {
      {"TbVerticalTankDiameterC", "2"},     {"CboVerticalTankDiameterC", "Meters"}, {"TbVerticalTankHeightC", "3"},
      {"CboVerticalTankHeightC", "Meters"}, {"TbVerticalFluidHeightC", "1"},        {"CboVerticalFluidHeightC", "Feet"},
      {"TbVerticalConicalHeightC", "1"},    {"CboVerticalLiquidVolumeC", "Litres"}, {"TbVerticalLiquidVolumeC", "old"}};
  const ChartStart start = startChart(verticalChartProfile(1), f);
  EXPECT_EQ(onlyMessage(start.refused),
            "An improper Conical Height measurement has been chosen. Re-choose a Unit with the mouse.");
  EXPECT_TRUE(start.writes.effects.empty()) << "the fluid height and the answer keep their texts";
}

// The flat tab of a 3 m tank whose calculation refuses the fluid heights
// strictly between `low` and 3 m: rows a chart cannot make, though the full
// tank tried first is fine.
template <int low>
Outcome refusedBelowTheBrim(const Fields& fields) {
  Outcome unused;  // reads the fluid height as every calculation does
  const double h = readNumber(fields, "TbLiquidHeight", "Fluid Height", unused).value_or(0);
  if (h > low && h < 3) return Outcome().show("No volume at this height.");
  return CalcVerticalFlat(fields);
}

ChartBuild chartRefusedBelowTheBrim(Calculation calculate, int divisions) {
  TankChartProfile profile = verticalChartProfile(0);
  profile.calculate = calculate;
  Fields f = flatTank("3");
  f["TbTankLiquidAnswer"] = "old";
  const ChartStart start = startChart(profile, f);
  EXPECT_TRUE(start.ok());
  return buildChartRows(profile, start, divisions);
}

TEST(ChartRows, AFirstRowThatIsRefusedEndsTheChartWithOneMessage) {
  const ChartBuild built = chartRefusedBelowTheBrim(refusedBelowTheBrim<0>, 30);
  EXPECT_FALSE(built.complete);
  EXPECT_EQ(built.effects.messageTexts(), std::vector<std::string>{"No volume at this height."});
  EXPECT_EQ(built.effects.written("TbLiquidHeight"), "0.1") << "the row refused";
  EXPECT_FALSE(built.effects.wrote("TbTankLiquidAnswer")) << "the answer keeps its text";
}

// The conical tab's one-line report box, which Calculate shows before a
// cubic-metre answer, is shown once for a chart: for the full tank.
TEST(ChartRows, TheConicalReportBoxShowsOnceForTheFullTank) {
  Fields f = {{"TbVerticalTankDiameterC", "2"},
              {"CboVerticalTankDiameterC", "Meters"},
              {"TbVerticalTankHeightC", "3"},
              {"CboVerticalTankHeightC", "Meters"},
              {"TbVerticalFluidHeightC", "1"},
              {"CboVerticalFluidHeightC", "Meters"},
              {"TbVerticalConicalHeightC", "1"},
              {"CboVerticalConicalHeightC", "Meters"},
              {"CboVerticalLiquidVolumeC", "Cubic Meters"}};
  const ChartBuild built = chart(1, f, 20000);  // built in two halves
  ASSERT_TRUE(built.complete);
  // D = 2 m, h = H = 3 m, a = 1 m: V = (4 × pi ÷ 4) × (3 − 2 ÷ 3) m³.
  const std::string full = "Diam = 2, Flu = 3, Height = 3, Con = 1, Answer = " + general(kPi9 * (3 - 2.0 / 3));
  EXPECT_EQ(built.effects.messageTexts(), std::vector<std::string>{full});
  f["TbVerticalFluidHeightC"] = "3";
  EXPECT_EQ(CalcVerticalConical(f).messageTexts(), std::vector<std::string>{full}) << "Calculate keeps it";
}

TEST(ChartRows, CancelInTheProgressEndsTheChartWithNoEffects) {
  int asked = 0;
  const ChartBuild built = chart(0, flatTank("3"), 6000, [&asked](int done) {
    ++asked;
    return done < 2000;
  });
  EXPECT_TRUE(built.cancelled);
  EXPECT_FALSE(built.complete);
  EXPECT_TRUE(built.effects.effects.empty());
  EXPECT_EQ(asked, 2);
}

TEST(ChartStart, RequiredBoxesInOrderThenTheirNumbersThenAFullTank) {
  const TankChartProfile& flat = verticalChartProfile(0);
  Fields f = flatTank("3");
  f["CboTankLiquidAnswer"] = "";
  f["TbLiquidHeight"] = "";
  f["TbInternalTankDiameter"] = "";
  EXPECT_EQ(onlyMessage(startChart(flat, f).refused), "Please type a Vertical Internal Diameter Value");
  f["TbInternalTankDiameter"] = "2";
  EXPECT_EQ(onlyMessage(startChart(flat, f).refused), "Please type a Fluid Height value");
  f["TbLiquidHeight"] = "1";
  EXPECT_EQ(onlyMessage(startChart(flat, f).refused), "Please choose an Answer Volume Unit with the mouse");
  f["CboTankLiquidAnswer"] = "Litres";
  f["TbTankHeight"] = "3m";
  EXPECT_EQ(onlyMessage(startChart(flat, f).refused), "Please type in a number for Total Tank Height.");
  f["TbTankHeight"] = "3.0";
  const ChartStart start = startChart(flat, f);
  ASSERT_TRUE(start.ok());
  EXPECT_EQ(start.height, 3);
  EXPECT_EQ(start.writes.written("CboLiquidHeight"), "Meters");
  EXPECT_EQ(start.writes.written("TbLiquidHeight"), "3.0") << "the full height as typed";
  EXPECT_EQ(start.fields.at("CboLiquidHeight"), "Meters");
}

TEST(ChartStart, HeaderNumbersHaveNoLeadingZeroBelowOne) {
  Fields f = flatTank("0.5");
  f["TbInternalTankDiameter"] = "12";
  const ChartStart start = startChart(verticalChartProfile(0), f);
  EXPECT_EQ(start.headers[0], "These dimensions are for a Vertical Cylindrical Tank");
  EXPECT_EQ(start.headers[1], "with flat ends and a Tank Height of .500 Meters.");
  EXPECT_EQ(start.headers[2], "and an Internal Diameter of 12.000 Meters");
  // The rows show the same height with its zero.
  const ChartBuild built = buildChartRows(verticalChartProfile(0), start, 1);
  EXPECT_EQ(rowHeightText(built.recordset.rows.back().height, built.recordset.heightDecimals), "0.500");
  EXPECT_EQ(rowVolumeText(built.recordset.rows.back().volume), fixed3(36 * kPi7 * 0.5));
}

TEST(ChartStart, HeaderTemplatesOfTheEllipticalTabs) {
  const Fields f = {{"TbEllipticalWidthDiameterE", "1234.5"}, {"CboEllipticalWidthDiameterE", "Feet"},
                    {"TbEllipticalDepthDiameterE", "0.25"},   {"CboEllipticalDepthDiameterE", "Inches"},
                    {"TbEllipticalTankHeightE", "3"},         {"CboEllipticalTankHeightE", "Meters"},
                    {"TbEllipticalLiquidHeightE", "1"},       {"CboEllipticalLiquidHeightE", "Meters"},
                    {"TbEllipticalEllipsoidlHeightE", "1"},   {"CboEllipticalEllipsoidlHeightE", "Millimeters"},
                    {"CboEllipticalLiquidAnswerE", "Litres"}};
  const ChartStart start = startChart(verticalChartProfile(6), f);
  ASSERT_TRUE(start.ok());
  EXPECT_EQ(start.headers[0], "These dimensions are for a Vertical Elliptical Tank with a Tank Height ");
  EXPECT_EQ(start.headers[1], "of 3.000 Meters, with a Width of 1,234.500 Feet a Depth of");
  EXPECT_EQ(start.headers[2], "  .250 Inches and Ellipsoid Length of 1.000 Millimeters ");
}

TEST(Divisions, CountsRoundHalfToEvenAndOnlyWholeCountsAboveZeroPass) {
  const std::string aboveZero = "Please type the number of divisions as a whole number above zero, such as 30.";
  const std::string tooMany = "A chart can have at most 100,000 divisions. Please type a smaller number of divisions.";
  const std::string fourHundredDigits(400, '9');
  struct Case {
    std::string text;
    DivisionCount::Kind kind;
    int count = 0;
    std::string message = {};  // a refused count's
  };
  using K = DivisionCount::Kind;
  const Case cases[] = {
      {"30", K::Count, 30},
      {"2.5", K::Count, 2},
      {"3.5", K::Count, 4},
      {"1E2", K::Count, 100},
      {" 7 ", K::Count, 7},
      {"100000", K::Count, 100000},
      {"-97", K::Cancel},
      {"-97.4", K::Cancel},
      {"", K::Refused, 0, aboveZero},
      {"abc", K::Refused, 0, aboveZero},
      {"-", K::Refused, 0, aboveZero},
      {"0", K::Refused, 0, aboveZero},
      {"0.4", K::Refused, 0, aboveZero},
      {"-3", K::Refused, 0, aboveZero},
      {"-2147483649", K::Refused, 0, aboveZero},
      {"-1E999", K::Refused, 0, aboveZero},
      {"100001", K::Refused, 0, tooMany},
      {"2147483648", K::Refused, 0, tooMany},
      {"1E9", K::Refused, 0, tooMany},
      {"1E999", K::Refused, 0, tooMany},
      {fourHundredDigits, K::Refused, 0, tooMany},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("'" + c.text.substr(0, 20) + "'");
    const DivisionCount count = readDivisions(c.text);
    EXPECT_EQ(count.kind, c.kind);
    EXPECT_EQ(count.count, c.count);
    EXPECT_EQ(count.message.text, c.message);
  }
}

// A row's volume is its answer as the label shows it, rounded again to three
// decimals half away from zero on the digits shown: a half shown goes up,
// whatever the binary value below it.
TEST(ChartTexts, AnswersRoundedToThreeDecimalsOnTheDigitsShown) {
  struct Case {
    double answer;
    AnswerForm form;
    double volume;
  };
  const Case cases[] = {
      {1234.5678, AnswerForm::Grouped4, 1234.568},
      {0.25, AnswerForm::Grouped4, 0.25},
      {12, AnswerForm::Hash3, 12},
      {0, AnswerForm::Hash3, 0},
      {0, AnswerForm::General, 0},
      {6.0625, AnswerForm::Grouped4, 6.063},    // a half exactly: away from zero
      {-0.0625, AnswerForm::Grouped4, -0.063},  // and below zero too
      {3.14159265358979, AnswerForm::General, 3.142},
      {7068.58349, AnswerForm::Grouped4, 7068.584},  // shown 7,068.5835: the shown half goes up
      {7068.58349, AnswerForm::General, 7068.583},   // shown 7068.58349
      {999.99949, AnswerForm::Grouped4, 1000},       // shown 999.9995, carried into the thousands
      {0.00015, AnswerForm::General, 0},             // shown 1.5E-04
      {12.345, AnswerForm::Grouped3, 12.345},
      // 15 digits shown: 1.00049999999999999 is 1.00050000000000, a half.
      {1.0004999999999999, AnswerForm::General, 1.001},
      // 1234567890123.4567 shows 1234567890123.46: that is the volume.
      {1234567890123.4567, AnswerForm::General, 1234567890123.46},
  };
  for (const Case& c : cases) EXPECT_EQ(chartVolume(c.answer, c.form), c.volume) << c.answer;
}

// A chart prints its heights with the decimals its step needs to keep every
// row apart, at least three. With the step s = H ÷ N and the cap
// max(3, ceil(-log10 s) + 1): the fewest decimals from three up to the cap
// at which s is a whole number of the last decimal, otherwise the cap.
TEST(ChartTexts, HeightsHaveTheDecimalsTheirStepNeeds) {
  struct Case {
    double height;
    int divisions;
    int decimals;
    const char* first;   // row 1, at s
    const char* second;  // row 2, at 2 × s
  };
  const Case cases[] = {
      {3, 30, 3, "0.100", "0.200"},              // s = 0.1: cap max(3, 1 + 1) = 3
      {7, 30, 3, "0.233", "0.467"},              // s = 0.2333: cap 3; 0.2333 and 0.4667 rounded
      {2.5, 1000, 4, "0.0025", "0.0050"},        // s = 0.0025: -log10 s = 2.6, cap 3 + 1 = 4; 25 × 10^-4
      {2.5, 100000, 6, "0.000025", "0.000050"},  // s = 2.5E-5: -log10 s = 4.6, cap 5 + 1 = 6; 25 × 10^-6
      {1, 100000, 5, "0.00001", "0.00002"},      // s = 1E-5: cap 5 + 1 = 6, but 1 × 10^-5 already
      {1, 300, 4, "0.0033", "0.0067"},           // s = 0.00333: cap 3 + 1 = 4, whole at none
      {1, 16, 3, "0.063", "0.125"},              // s = 0.0625: -log10 s = 1.2, cap 3; .0625 rounds up
      {0.001, 30, 6, "0.000033", "0.000067"},    // s = 3.33E-5: cap 5 + 1 = 6
      {5000, 2, 3, "2500.000", "5000.000"},      // s = 2500: cap 3
      {0, 4, 3, "0.000", "0.000"},               // no step at all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.divisions) + " divisions of " + std::to_string(c.height));
    const int decimals = chartHeightDecimals(c.height, c.divisions);
    EXPECT_EQ(decimals, c.decimals);
    EXPECT_EQ(rowHeightText(c.height / c.divisions, decimals), c.first);
    EXPECT_EQ(rowHeightText(2 * c.height / c.divisions, decimals), c.second);
  }
  // Every row of 100,000 divisions of 2.5 m reads apart from its neighbours
  // (at three decimals forty rows read "1.253").
  const ChartBuild built = chart(0, flatTank("2.5"), 100000);
  ASSERT_TRUE(built.complete);
  EXPECT_EQ(built.recordset.heightDecimals, 6);
  const auto& rows = built.recordset.rows;
  std::string previous = rowHeightText(rows[0].height, 6);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const std::string shown = rowHeightText(rows[i].height, 6);
    ASSERT_NE(shown, previous) << i;
    previous = shown;
  }
  EXPECT_EQ(previous, "2.500000");
}

TEST(ChartTexts, FooterPageNumbersAndColumns) {
  std::tm when = {};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 11;
  when.tm_mday = 8;
  when.tm_wday = 2;
  when.tm_hour = 15;
  when.tm_min = 45;
  when.tm_sec = 7;
  EXPECT_EQ(printedOnLine(when), "Printed on Tuesday, 08 December 2026 at 3:45:07 pm, by Calvexa.");
  when.tm_hour = 0;
  when.tm_min = 5;
  EXPECT_EQ(printedOnLine(when), "Printed on Tuesday, 08 December 2026 at 12:05:07 am, by Calvexa.");
  when.tm_hour = 12;
  when.tm_mon = 0;
  when.tm_mday = 1;
  when.tm_wday = 4;
  EXPECT_EQ(printedOnLine(when), "Printed on Thursday, 01 January 2026 at 12:05:07 pm, by Calvexa.");
  EXPECT_EQ(pageNumberText(3, 12), "Page: 3 of 12");
  EXPECT_EQ(pageCount(31, 40), 1);
  EXPECT_EQ(pageCount(80, 40), 2);
  EXPECT_EQ(pageCount(81, 40), 3);
  EXPECT_EQ(pageCount(0, 40), 1);
  const std::vector<std::string> captions(kColumnCaptions.begin(), kColumnCaptions.end());
  EXPECT_EQ(captions, (std::vector<std::string>{"Liquid Height", "Height Unit", "Volume Quantity", "Volume Unit"}));
}

// Footer2 names the chart, its divisions and their step (H ÷ N printed as the
// rows print heights); Footer3 says what the volumes are.
TEST(ChartTexts, FooterLinesSayWhatTheChartDivides) {
  struct Case {
    const char* name;
    int divisions;
    double height;
    int decimals;
    const char* unit;
    const char* line;
  };
  const Case cases[] = {
      // 12 ÷ 30 = 0.4
      {"Vertical Tank (C)", 30, 12, 3, "Meters", "Vertical Tank (C): 30 divisions of 0.400 Meters."},
      // 7 ÷ 30 = 0.2333...
      {"Spherical Tank", 30, 7, 3, "Feet", "Spherical Tank: 30 divisions of 0.233 Feet."},
      // 2.5 ÷ 1,000 = 0.0025, four decimals
      {"Rectangular Tank", 1000, 2.5, 4, "Meters", "Rectangular Tank: 1,000 divisions of 0.0025 Meters."},
      {"Vertical Tank (Flat)", 1, 3, 3, "Inches", "Vertical Tank (Flat): 1 division of 3.000 Inches."},
      {"Vertical Tank (Flat)", 100000, 20, 4, "Feet", "Vertical Tank (Flat): 100,000 divisions of 0.0002 Feet."},
  };
  for (const Case& c : cases) EXPECT_EQ(divisionsLine(c.name, c.divisions, c.height, c.decimals, c.unit), c.line);
  EXPECT_STREQ(kNominalDimensionsLine, "Volumes calculated from nominal dimensions; not a calibrated capacity table.");
  // A chart by step names its step, not a count: 2.5 m by 0.0025 m is 1,000
  // rows, but a step that does not divide the height leaves a short last row.
  ChartSpacing byStep;
  byStep.step = 0.0025;
  EXPECT_EQ(spacingLine("Rectangular Tank", byStep, 2.5, 4, "Meters"), "Rectangular Tank: a row every 0.0025 Meters.");
  const ChartSpacing byCount{.divisions = 30};
  EXPECT_EQ(spacingLine("Vertical Tank (C)", byCount, 12, 3, "Meters"),
            "Vertical Tank (C): 30 divisions of 0.400 Meters.");
}

}  // namespace
}  // namespace calvexa

namespace calvexa {
namespace {

// A long chart is built in two halves at once; the rows come out in order,
// and a refusal in the second half still ends the chart at its first row.
TEST(ChartRows, ALongChartBuiltInTwoHalvesMatchesTheRowsInOrder) {
  const int divisions = 40000;
  const ChartBuild built = chart(0, flatTank("3"), divisions);
  ASSERT_TRUE(built.complete);
  const auto& rows = built.recordset.rows;
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(divisions) + 1);
  for (int i : {1, 19999, 20000, 20001, 39999}) {
    const double h = i * 3.0 / divisions;
    EXPECT_EQ(rows[static_cast<std::size_t>(i)].height, h) << i;
    EXPECT_EQ(rows[static_cast<std::size_t>(i)].volume, rounded3(1 * kPi7 * h)) << i;
  }
  EXPECT_EQ(rows.back().height, 3.0);
  EXPECT_EQ(built.effects.written("TbTankLiquidAnswer"), general(1 * kPi7 * 3));

  // Rows above 2 m refused: past the middle of the 3 m tank.
  const ChartBuild refused = chartRefusedBelowTheBrim(refusedBelowTheBrim<2>, divisions);
  EXPECT_FALSE(refused.complete);
  EXPECT_EQ(refused.effects.messageTexts(), std::vector<std::string>{"No volume at this height."});
  int firstRefused = 1;
  while (firstRefused * 3.0 / divisions <= 2) ++firstRefused;
  EXPECT_GT(firstRefused, divisions / 2) << "the refusal is in the second half";
  EXPECT_EQ(refused.recordset.rows.size(), static_cast<std::size_t>(firstRefused));
  EXPECT_EQ(refused.effects.written("TbLiquidHeight"), general(firstRefused * 3.0 / divisions));
}

}  // namespace
}  // namespace calvexa

#include "core/capacity_table.h"
#include "tanks/chart_tools_rules.h"
#include "tanks/horizontal_tank_rules.h"
#include "tanks/rectangular_tank_rules.h"
#include "tanks/spherical_tank_rules.h"

namespace calvexa {
namespace {

// The volume a row had when each row's height was written into the fluid
// box as general text and the answer label's text was rounded to three
// decimals, half away from zero on the digits it shows: "7,068.5835" is
// 7068.584, "1.5E-04" is 0.
double volumeFromLabel(const std::string& label) {
  std::string digits;
  for (char c : label)
    if (c != ',') digits.push_back(c);
  if (digits.find('E') != std::string::npos) return std::round(std::strtod(digits.c_str(), nullptr) * 1000) / 1000;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (negative) digits.erase(0, 1);
  std::size_t point = digits.find('.');
  if (point == std::string::npos) digits += '.', point = digits.size() - 1;
  digits.resize(point + 5, '0');  // three decimals and the one that rounds them
  const bool up = digits.back() >= '5';
  digits.pop_back();
  std::string whole = digits.substr(0, point) + digits.substr(point + 1);  // in thousandths
  for (std::size_t i = whole.size(); up && i-- > 0;) {
    if (whole[i] == '9') {
      whole[i] = '0';
      if (i == 0) whole.insert(0, "1");
    } else {
      ++whole[i];
      break;
    }
  }
  const double magnitude =
      std::strtod((whole.substr(0, whole.size() - 3) + "." + whole.substr(whole.size() - 3)).c_str(), nullptr);
  return negative ? -magnitude : magnitude;
}

TEST(ChartTexts, TheLabelOracleRoundsOnTheDigitsShown) {
  EXPECT_EQ(volumeFromLabel("7,068.5835"), 7068.584);
  EXPECT_EQ(volumeFromLabel("999.9995"), 1000);
  EXPECT_EQ(volumeFromLabel(".2500"), 0.25);
  EXPECT_EQ(volumeFromLabel("12."), 12);
  EXPECT_EQ(volumeFromLabel("1.5E-04"), 0);
}

// Every tank tab, its boxes at 1 and its height stepped 30 times over 0.7 m
// (steps of 0.02333… that no double holds), answers in litres: each row is
// the volume its label would show with the row's height typed in, and the
// tab ends showing the full tank, as when every row went through the boxes.
TEST(ChartRows, EveryTabGivesTheRowsItsLabelWouldShow) {
  struct Window {
    const PageForm& form;
    const TankChartProfile& (*profile)(int);
  };
  const Window windows[] = {{verticalTankForm(), verticalChartProfile},
                            {horizontalTankForm(), horizontalChartProfile},
                            {rectangularTankForm(), rectangularChartProfile},
                            {sphericalTankForm(), sphericalChartProfile}};
  int charted = 0;
  for (const Window& window : windows) {
    for (std::size_t p = 0; p < window.form.pages.size(); ++p) {
      const TankChartProfile& profile = window.profile(static_cast<int>(p));
      SCOPED_TRACE(std::string(window.form.caption) + " page " + std::to_string(p));
      Fields f;
      for (const PageRow& row : window.form.pages[p].rows) {
        if (row.kind != RowKind::Value) continue;
        f[row.box] = "1";
        if (*row.list) f[row.list] = "Meters";
      }
      f[profile.steppedBox] = "0.7";
      f[profile.answerList] = "Litres";
      const ChartStart start = startChart(profile, f);
      if (!start.ok()) continue;  // a bottom too deep for these sizes
      const ChartBuild built = buildChartRows(profile, start, 30);
      ASSERT_TRUE(built.complete);
      ASSERT_EQ(built.recordset.rows.size(), 31u);
      std::string label;
      for (std::size_t i = 1; i < built.recordset.rows.size(); ++i) {
        Fields typed = start.fields;
        typed[profile.fluidBox] = generalText(built.recordset.rows[i].height);
        label = profile.calculate(typed).written(profile.answer);
        EXPECT_EQ(built.recordset.rows[i].volume, volumeFromLabel(label)) << "row " << i << ": " << label;
      }
      EXPECT_EQ(built.effects.written(profile.fluidBox), "0.7");
      EXPECT_EQ(built.effects.written(profile.answer), label);
      // Exported as a capacity table, the chart reads back row for row:
      // heights as printed (three decimals), volumes as they are.
      ChartReport report;
      report.name = window.form.pages[p].tab ? window.form.pages[p].tab : window.form.caption;
      report.recordset = built.recordset;
      const CapacityTableReading read = readCapacityTable(chartCapacityCsv(report));
      ASSERT_TRUE(read.table) << read.fault;
      EXPECT_EQ(read.table->info().tank, report.name);
      EXPECT_EQ(read.table->info().heightUnit, "Meters");
      EXPECT_EQ(read.table->info().volumeUnit, "Litres");
      ASSERT_EQ(read.table->rows().size(), built.recordset.rows.size());
      for (std::size_t i = 0; i < built.recordset.rows.size(); ++i) {
        EXPECT_EQ(read.table->rows()[i].height, std::round(built.recordset.rows[i].height * 1000) / 1000) << i;
        EXPECT_EQ(read.table->rows()[i].volume, built.recordset.rows[i].volume) << i;
      }
      ++charted;
    }
  }
  EXPECT_GE(charted, 16) << "most tabs take these sizes";
}

}  // namespace
}  // namespace calvexa

namespace calvexa {
namespace {

// Heights in feet and inches: a 10 ft chart by eighths of an inch prints its
// rows as feet, inches and eighths when the report asks for them and its
// unit is Feet or Inches, and exports both forms.
TEST(ChartTexts, HeightsInFeetAndInchesWhenAskedAndTheUnitAllows) {
  ChartReport report;
  report.name = "T-1";
  report.recordset = {.heightUnit = "Feet", .volumeUnit = "Litres", .rows = {{0, 0}, {1.0 / 96, 1}, {10, 50}}};
  report.recordset.heightDecimals = 3;
  EXPECT_EQ(reportHeightText(report, 1.0 / 96), "0.010") << "decimals until asked";
  report.feetInches = true;
  EXPECT_EQ(reportHeightText(report, 1.0 / 96), "0' 0 1/8\"");  // 1/96 ft is 1/8 in
  EXPECT_EQ(reportHeightText(report, 10), "10' 0\"");
  EXPECT_EQ(chartCapacityCsv(report),
            "tank,T-1\r\nheight unit,Feet\r\nvolume unit,Litres\r\nheight,volume,height ft-in\r\n"
            "0.000,0.000,\"0' 0\"\"\"\r\n0.010,1.000,\"0' 0 1/8\"\"\"\r\n10.000,50.000,\"10' 0\"\"\"\r\n");
  report.recordset.fraction = InchFraction::Sixteenths;
  EXPECT_EQ(reportHeightText(report, 1.0 / 192), "0' 0 1/16\"");
  report.recordset.heightUnit = "Inches";
  EXPECT_EQ(reportHeightText(report, 15.5), "1' 3 1/2\"");
  report.recordset.heightUnit = "Meters";
  EXPECT_EQ(reportHeightText(report, 1.5), "1.500") << "no feet and inches for metres";
  EXPECT_FALSE(canShowFeetInches("Meters"));
  EXPECT_TRUE(canShowFeetInches("Feet"));
}

}  // namespace
}  // namespace calvexa
