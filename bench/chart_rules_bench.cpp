// Strapping-chart rows through the rule code: the tab's own calculation run
// once per row on the tab's texts. Charts of 1,000, 10,000 and 100,000
// divisions of an upright tank with a flat bottom (general number answer) and
// one with a conical bottom (an answer in litres).
#include <benchmark/benchmark.h>

#include <map>
#include <utility>

#include "tanks/chart_rules.h"
#include "tanks/tank_form_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace {

using calvexa::Fields;

using calvexa::TankRole;

// A tab's texts from its rows: each size and its unit by role, and the
// answer unit.
Fields tabFields(int tab, const std::map<TankRole, std::pair<const char*, const char*>>& sizes,
                 const char* answerUnit) {
  Fields fields;
  for (const calvexa::TankInputRow& row : calvexa::verticalTankRows(tab)) {
    if (row.role == TankRole::Answer) {
      fields[row.list] = answerUnit;
    } else {
      const auto& [value, unit] = sizes.at(row.role);
      fields[row.box] = value;
      fields[row.list] = unit;
    }
  }
  return fields;
}

const Fields kFlat = tabFields(
    0, {{TankRole::Width, {"2.5", "Meters"}}, {TankRole::Height, {"7", "Meters"}}, {TankRole::Fluid, {"1", "Meters"}}},
    "Litres");

const Fields kConical = tabFields(1,
                                  {{TankRole::Width, {"96", "Inches"}},
                                   {TankRole::Height, {"20", "Feet"}},
                                   {TankRole::Fluid, {"1", "Feet"}},
                                   {TankRole::Bottom, {"30", "Inches"}}},
                                  "Gallons (U.S.)");

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
