// Strapping-chart rows through the rule code: the tab's own calculation run
// once per row on the tab's texts. Charts of 1,000, 10,000 and 100,000
// divisions of an upright tank with a flat bottom (general number answer) and
// one with a conical bottom (an answer in litres).
#include <benchmark/benchmark.h>

#include "tanks/chart_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace {

using calvexa::Fields;

const Fields kFlat = {{"TbInternalTankDiameter", "2.5"},
                      {"CboInternalTankDiameter", "Meters"},
                      {"TbTankHeight", "7"},
                      {"CboTankHeight", "Meters"},
                      {"TbLiquidHeight", "1"},
                      {"CboLiquidHeight", "Meters"},
                      {"CboTankLiquidAnswer", "Litres"}};

const Fields kConical = {{"TbVerticalTankDiameterC", "96"},
                         {"CboVerticalTankDiameterC", "Inches"},
                         {"TbVerticalTankHeightC", "20"},
                         {"CboVerticalTankHeightC", "Feet"},
                         {"TbVerticalFluidHeightC", "1"},
                         {"CboVerticalFluidHeightC", "Feet"},
                         {"TbVerticalConicalHeightC", "30"},
                         {"CboVerticalConicalHeightC", "Inches"},
                         {"CboVerticalLiquidVolumeC", "Gallons (U.S.)"}};

void rows(benchmark::State& state, int tab, const Fields& fields) {
  const calvexa::TankChartProfile& profile = calvexa::verticalChartProfile(tab);
  const calvexa::ChartStart start = calvexa::startChart(profile, fields);
  const int divisions = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const calvexa::ChartBuild build = calvexa::buildChartRows(profile, start, divisions);
    benchmark::DoNotOptimize(build.recordset.rows.data());
  }
  state.SetItemsProcessed(state.iterations() * divisions);
}

void FlatUprightTank(benchmark::State& state) { rows(state, 0, kFlat); }
void ConicalUprightTank(benchmark::State& state) { rows(state, 1, kConical); }

BENCHMARK(FlatUprightTank)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ConicalUprightTank)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
