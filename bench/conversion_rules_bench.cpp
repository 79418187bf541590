// Conversions per second through the converter's rules: both steps, units
// matched by their text, the answer written as general number text.
#include <benchmark/benchmark.h>

#include <vector>

#include "conversion/conversion_rules.h"

namespace {

using calvexa::Category;
using calvexa::Fields;

struct Job {
  const Category* category;
  Fields fields;
};

// One conversion per tab, with units from the ends of each list so that the
// name matching does its longest and shortest searches.
std::vector<Job> jobs() {
  std::vector<Job> out;
  for (const Category& category : calvexa::conversionCategories()) {
    const char* first = category.units[0].name;
    const char* last = category.units[category.units.size() - 1].name;
    out.push_back({&category, {{category.valueBox, "12.5"}, {category.fromList, last}, {category.toList, first}}});
    out.push_back({&category, {{category.valueBox, "1.45E+09"}, {category.fromList, first}, {category.toList, last}}});
  }
  return out;
}

void BM_ConvertEveryTab(benchmark::State& state) {
  const std::vector<Job> all = jobs();
  std::size_t i = 0;
  for (auto _ : state) {
    const Job& job = all[i];
    benchmark::DoNotOptimize(calvexa::convert(*job.category, job.fields));
    i = (i + 1) % all.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertEveryTab);

void BM_ConvertVolumeLongestMatch(benchmark::State& state) {
  const Category& volume = *calvexa::findCategory("Vol");
  const Fields fields = {
      {"TbVolFrom", "158.9873"}, {"CboVolFrom", "Cubic Dekameters (dek)"}, {"CboVolTo", "Cubic Yards"}};
  for (auto _ : state) benchmark::DoNotOptimize(calvexa::convert(volume, fields));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertVolumeLongestMatch);

}  // namespace
