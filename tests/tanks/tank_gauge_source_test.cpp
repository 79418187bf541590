// A tank tab as a source of volumes for gauging: the tab's own calculation at
// any height, whatever unit the tab shows its answer in.
#include <gtest/gtest.h>

#include "tanks/tank_gauge_source_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace calvexa {
namespace {

// Vertical Tank (Flat), 10 m across and 15 m high: 25 × 3.1415926 =
// 78.539815 m³ a metre of liquid.
Fields flatTank(const char* fluidUnit) {
  return {{"TbInternalTankDiameter", "10"},
          {"CboInternalTankDiameter", "Meters"},
          {"TbTankHeight", "15"},
          {"CboTankHeight", "Meters"},
          {"TbLiquidHeight", "2"},
          {"CboLiquidHeight", fluidUnit},
          {"CboTankLiquidAnswer", "Drums (208 litre)"}};
}

TEST(TankGaugeSource, TheTabsCalculationAtAnyHeight) {
  const struct {
    const char* fluidUnit;
    const char* unitUsed;  // the tab's fluid-height unit, else its tank height's
  } cases[] = {{"Feet", "Feet"}, {"", "Meters"}};
  for (const auto& c : cases) {
    const TabVolumes tab = tabVolumes(verticalChartProfile(0), "Vertical Tank (Flat)", flatTank(c.fluidUnit));
    EXPECT_EQ(tab.caption, "Vertical Tank (Flat)");
    EXPECT_EQ(tab.lengthUnit, c.unitUsed);
    const struct {
      double metres;
      std::optional<double> cubicMetres;
    } heights[] = {
        {8.0, 628.31852},      // 78.539815 × 8
        {0.3048, 23.9389356},  // one foot: 78.539815 × 0.3048 = 23.93893561
        {0.0, 0.0},
        {15.0, 1178.097225},    // full
        {15.01, std::nullopt},  // above the tank: the tab refuses it
    };
    for (const auto& h : heights) {
      const std::optional<double> got = tab.cubicMetresAt(h.metres);
      ASSERT_EQ(got.has_value(), h.cubicMetres.has_value()) << c.fluidUnit << " " << h.metres;
      if (got) {
        EXPECT_NEAR(*got, *h.cubicMetres, 1e-6) << c.fluidUnit << " " << h.metres;
      }
    }
  }
}

}  // namespace
}  // namespace calvexa
