// The chart's tools: its CSV, the names of its files, the fill curve's axes,
// and the lookups of a volume for a height and of a height for a volume on a
// conical-bottom tank.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "core/number_text.h"
#include "tanks/chart_tools_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace calvexa {
namespace {

// A minimal CSV reader (RFC 4180): quoted fields with doubled quotes, CR LF rows.
std::vector<std::vector<std::string>> readCsv(const std::string& csv) {
  std::vector<std::vector<std::string>> rows(1);
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < csv.size(); ++i) {
    const char c = csv[i];
    if (quoted) {
      if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().push_back(field);
      field.clear();
    } else if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') {
      rows.back().push_back(field);
      field.clear();
      rows.emplace_back();
      ++i;
    } else {
      field += c;
    }
  }
  if (rows.back().empty()) rows.pop_back();
  return rows;
}

TEST(ChartCsv, HeaderRowsDecimalsQuotingAndARoundTrip) {
  // Rows of 100,000 divisions of 2.5 m: heights with the chart's six
  // decimals, never in exponent form; volumes with three.
  ChartRecordset chart{"Meters", "Litres", {{0, 0}, {2.5E-5, 1234.5}, {5E-5, 0.0625}, {2.5, 12345678.123}}, 6};
  const std::string csv = chartCsv(chart);
  EXPECT_EQ(csv,
            "Liquid Height,Height Unit,Volume Quantity,Volume Unit\r\n"
            "0.000000,Meters,0.000,Litres\r\n"
            "0.000025,Meters,1234.500,Litres\r\n"
            "0.000050,Meters,0.063,Litres\r\n"
            "2.500000,Meters,12345678.123,Litres\r\n");
  // Texts with a comma or a quote are quoted, their quotes doubled.
  chart.heightUnit = "Feet, \"survey\"";
  chart.volumeUnit = "Drums (208 litre)";
  const auto rows = readCsv(chartCsv(chart));
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"Liquid Height", "Height Unit", "Volume Quantity", "Volume Unit"}));
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 4u);
    EXPECT_EQ(rows[i][1], "Feet, \"survey\"");
    EXPECT_EQ(rows[i][3], "Drums (208 litre)");
    EXPECT_EQ(*parseNumber(rows[i][0]), chart.rows[i - 1].height);
    EXPECT_EQ(*parseNumber(rows[i][2]), std::round(chart.rows[i - 1].volume * 1000) / 1000);
  }
  EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
}

TEST(ChartFiles, NamesComeFromTheTabWithoutCharactersFilesCannotHold) {
  EXPECT_EQ(chartFileName("Vertical Tank (Flat)", "csv"), "Vertical Tank (Flat) chart.csv");
  EXPECT_EQ(chartFileName("Rectangular Tank Calculation", "pdf"), "Rectangular Tank Calculation chart.pdf");
  EXPECT_EQ(chartFileName("a/b:c", "csv"), "a-b-c chart.csv");
}

TEST(FillCurve, AxesRunInRoundStepsOverTheWholeChart) {
  const AxisScale litres = axisScale(0, 8377.58, 10);
  EXPECT_EQ(litres.step, 1000);
  EXPECT_EQ(litres.first, 0);
  EXPECT_GE(litres.first + litres.step * (litres.count - 1), 8377.58);
  const AxisScale metres = axisScale(0, 3, 8);
  EXPECT_EQ(metres.step, 0.5);
  EXPECT_EQ(metres.count, 7);
  const std::vector<ChartRow> rows(100001, ChartRow{1, 2});
  EXPECT_EQ(curvePoints(rows, 2000).size(), 2000u);
  EXPECT_EQ(curvePoints(std::vector<ChartRow>(31, ChartRow{1, 2}), 2000).size(), 31u);
}

// A conical-bottom tank: 2 m across, 3 m high, a 1 m cone; answers in cubic metres.
ChartStart conicalTank() {
  const Fields fields = {{"TbVerticalTankDiameterC", "2"},
                         {"CboVerticalTankDiameterC", "Meters"},
                         {"TbVerticalTankHeightC", "3"},
                         {"CboVerticalTankHeightC", "Meters"},
                         {"TbVerticalFluidHeightC", "1"},
                         {"CboVerticalFluidHeightC", "Meters"},
                         {"TbVerticalConicalHeightC", "1"},
                         {"CboVerticalConicalHeightC", "Meters"},
                         {"CboVerticalLiquidVolumeC", "Cubic Meters"}};
  return startChart(verticalChartProfile(1), fields);
}

constexpr double kPi = 3.141592654;

// The lookup boxes take a number as a box reads it and as Copy gives an
// answer ("#,###.0000"); group separators out of place are refused rather
// than skipped, so "1,2" never becomes 12.
TEST(ChartLookup, BoxesTakeNumbersAsCopyGivesThem) {
  struct Case {
    const char* text;
    std::optional<double> number;
  };
  const Case cases[] = {
      {"1,767.1459", 1767.1459},   {"1767.1459", 1767.1459},  {"12,000.0000", 12000},   {"-12,345,678.5", -12345678.5},
      {" 1,000 ", 1000},           {".2500", 0.25},           {"1,234E2", 123400},      {"999", 999},
      {"1,2", std::nullopt},       {"12,34.5", std::nullopt}, {"1,2345", std::nullopt}, {"1234,567", std::nullopt},
      {",123", std::nullopt},      {"1,,234", std::nullopt},  {"1,234,", std::nullopt}, {"1.234,5", std::nullopt},
      {"1,234.5,6", std::nullopt}, {"", std::nullopt},        {",", std::nullopt},      {"1,234abc", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(lookupNumber(c.text), c.number) << '"' << c.text << '"';
}

// The page box: a whole page number, grouped or not; beyond the ends the
// first or last page; anything else nothing.
TEST(ChartPageBox, TypedPagesAndTheCountShown) {
  struct Case {
    const char* text;
    std::optional<int> page;
  };
  const Case cases[] = {
      {"760", 760},       {"1,517", 1517},
      {"0", 1},           {"-4", 1},
      {"2000", 1517},     {"1e9", 1517},
      {" 12 ", 12},       {"12.5", std::nullopt},
      {"", std::nullopt}, {"twelve", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(typedPage(c.text, 1517), c.page) << '"' << c.text << '"';
  EXPECT_EQ(typedPage("3", 0), 1) << "a document without pages still has the first";
  struct Whole {
    long long value;
    const char* text;
  };
  for (const Whole& w : {Whole{0, "0"}, Whole{999, "999"}, Whole{1000, "1,000"}, Whole{1517, "1,517"},
                         Whole{100001, "100,001"}, Whole{1234567, "1,234,567"}, Whole{-4500, "-4,500"}})
    EXPECT_EQ(groupedWhole(w.value), w.text);
}

// The row marked for a lookup: the nearest height, the lower of two as near.
TEST(ChartLookup, NearestRowOfAHeight) {
  const std::vector<ChartRow> rows = {{0, 0}, {0.1, 5}, {0.2, 9}, {0.3, 12}};
  struct Case {
    double height;
    std::size_t row;
  };
  for (const Case& c :
       {Case{0, 0}, Case{0.04, 0}, Case{0.06, 1}, Case{0.2, 2}, Case{0.25, 2}, Case{0.29, 3}, Case{-1, 0}, Case{7, 3}})
    EXPECT_EQ(nearestRow(rows, c.height), c.row) << c.height;
  EXPECT_EQ(nearestRow({}, 1), std::nullopt);
}

TEST(ChartLookup, VolumeForAHeightAndHeightForAVolumeBothWays) {
  const ChartStart start = conicalTank();
  const TankChartProfile& profile = verticalChartProfile(1);
  struct Case {
    const char* name;
    double height;
    double volume;  // m3
  };
  const Case cases[] = {
      {"empty", 0, 0},
      {"mid-cone", 0.5, (std::pow(2 * 0.5, 2) * (kPi / 4)) * (0.5 / 3)},
      {"the cone full", 1, (4 * kPi / 4) * (1 - 2.0 / 3)},
      {"full", 3, (4 * kPi / 4) * (3 - 2.0 / 3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Lookup volume = lookupVolume(profile, start, c.height);
    ASSERT_TRUE(volume.found) << volume.message.text;
    EXPECT_NEAR(volume.value, c.volume, 1e-12 + 1e-13 * c.volume);
    const Lookup height = lookupHeight(profile, start, c.volume);
    ASSERT_TRUE(height.found) << height.message.text;
    EXPECT_NEAR(height.value, c.height, 3e-9 * 3);
  }
  // No report box of the conical tab is shown by a lookup, and nothing outside the tank is answered.
  EXPECT_TRUE(lookupVolume(profile, start, 1).message.text.empty());
  EXPECT_FALSE(lookupVolume(profile, start, 3.5).found);
  EXPECT_FALSE(lookupVolume(profile, start, -0.1).found);
  const Lookup tooMuch = lookupHeight(profile, start, 100);
  EXPECT_FALSE(tooMuch.found);
  EXPECT_NE(tooMuch.message.text.find("100.000 Cubic Meters"), std::string::npos) << tooMuch.message.text;
  EXPECT_FALSE(lookupHeight(profile, start, -1).found);
}

}  // namespace
}  // namespace calvexa
