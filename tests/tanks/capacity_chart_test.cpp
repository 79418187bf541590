// Nominal charts as capacity tables: the tables take the tank windows' units
// (and Barrels, which the windows do not), and a chart exported by the
// preview, or made into a table and written, reads back as the same rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/capacity_table.h"
#include "tanks/chart_rules.h"
#include "tanks/chart_tools_rules.h"
#include "tanks/tank_units_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace calvexa {
namespace {

TEST(CapacityTableUnits, TheTankWindowsUnitsAndBarrelsWhichTheWindowsDoNotTake) {
  EXPECT_EQ(CapacityHeightUnits(), TankLengthUnits());
  UnitOrder volumes = TankVolumeUnits();
  volumes.push_back("Barrels");
  EXPECT_EQ(CapacityVolumeUnits(), volumes);
  EXPECT_EQ(TankVolumeUnits().size(), 6u);
  EXPECT_EQ(std::count(TankVolumeUnits().begin(), TankVolumeUnits().end(), "Barrels"), 0);
  EXPECT_EQ(CubicMetresToAnswer(1, "Barrels"), std::nullopt) << "no tank window answers in barrels";
}

// A flat upright tank 2 m across and 3 m high, charted in 30 divisions:
// row i at 0.1 × i m holds π × 0.1 × i m³ (π = 3.1415926), to three decimals.
ChartRecordset flatTankChart() {
  const Fields fields = {{"TbInternalTankDiameter", "2"},
                         {"CboInternalTankDiameter", "Meters"},
                         {"TbTankHeight", "3"},
                         {"CboTankHeight", "Meters"},
                         {"TbLiquidHeight", "1"},
                         {"CboLiquidHeight", "Meters"},
                         {"CboTankLiquidAnswer", "Cubic Meters"}};
  const TankChartProfile& profile = verticalChartProfile(0);
  const ChartBuild built = buildChartRows(profile, startChart(profile, fields), 30);
  EXPECT_TRUE(built.complete);
  return built.recordset;
}

void expectChartRows(const CapacityTable& table, const ChartRecordset& chart) {
  ASSERT_EQ(table.rows().size(), chart.rows.size());
  for (std::size_t i = 0; i < chart.rows.size(); ++i) {
    const double h = 0.1 * static_cast<double>(i);
    EXPECT_NEAR(table.rows()[i].height, h, 1e-12) << i;
    EXPECT_NEAR(table.rows()[i].volume, std::round(3.1415926 * h * 1000) / 1000, 1e-9) << i;
  }
}

TEST(CapacityTableFromChart, ThePreviewsExportReadsBack) {
  const ChartRecordset chart = flatTankChart();
  const CapacityTableReading reading = readCapacityTable(chartCsv(chart));
  ASSERT_TRUE(reading.table) << reading.fault;
  EXPECT_EQ(reading.table->info().heightUnit, "Meters");
  EXPECT_EQ(reading.table->info().volumeUnit, "Cubic Meters");
  expectChartRows(*reading.table, chart);
  // Half way between rows 15 and 16: (4.712 + 5.027) ÷ 2.
  EXPECT_NEAR(reading.table->volumeAt(1.55).value, (4.712 + 5.027) / 2, 1e-9);
}

TEST(CapacityTableFromChart, AChartMadeATableIsWrittenAndReadBack) {
  const ChartRecordset chart = flatTankChart();
  std::vector<CapacityRow> rows;
  for (const ChartRow& row : chart.rows) rows.push_back({row.height, row.volume});
  const CapacityTableReading made = capacityTableFromRows(
      {.tank = "Vertical Tank (Flat)", .heightUnit = chart.heightUnit, .volumeUnit = chart.volumeUnit}, rows);
  ASSERT_TRUE(made.table) << made.fault;
  const CapacityTableReading back = readCapacityTable(capacityTableCsv(*made.table));
  ASSERT_TRUE(back.table) << back.fault;
  EXPECT_EQ(back.table->info().tank, "Vertical Tank (Flat)");
  expectChartRows(*back.table, chart);
}

}  // namespace
}  // namespace calvexa
