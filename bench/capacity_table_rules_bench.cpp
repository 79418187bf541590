// Capacity tables through the rule code: reading a file of 100,000 and of
// 1,000,000 rows (the largest taken), in the table's own form with commas,
// with semicolons and decimal commas, and in the chart preview's older
// four-column export; writing 100,000 rows; a look-up each way; the rows of
// a chart by step. A file of 100,000 rows must read in 0.2 s at most.
#include <benchmark/benchmark.h>

#include <string>

#include "core/capacity_table.h"
#include "core/number_text.h"
#include "tanks/chart_step_rules.h"

namespace {

enum class Form { Commas, Semicolons, ChartExport };

// A 25 m tank in millimetre rows, volumes rising with a bulge: what a
// calibrated table of a large tank looks like.
std::string tableFile(int rows, Form form) {
  std::string file = form == Form::ChartExport ? "Liquid Height,Height Unit,Volume Quantity,Volume Unit\r\n"
                     : form == Form::Semicolons
                         ? "tank;T-101\r\nheight unit;Millimeters\r\nvolume unit;Litres\r\nheight;volume\r\n"
                         : "tank,T-101\r\nheight unit,Millimeters\r\nvolume unit,Litres\r\nheight,volume\r\n";
  file.reserve(file.size() + static_cast<std::size_t>(rows) * 40);
  for (int i = 0; i < rows; ++i) {
    const double height = i * 0.25;
    const double volume = height * 3217.5 + (i % 7) * 0.001 + i * 0.0001;
    std::string h = calvexa::maskText(height, calvexa::Mask::Fixed3);
    std::string v = calvexa::maskText(volume, calvexa::Mask::Fixed3);
    if (form == Form::Semicolons) {
      h[h.find('.')] = ',';
      v[v.find('.')] = ',';
    }
    const char separator = form == Form::Semicolons ? ';' : ',';
    if (form == Form::ChartExport) {
      file += h + ",Millimeters," + v + ",Litres\r\n";
    } else {
      file += h + separator + v + "\r\n";
    }
  }
  return file;
}

void readTable(benchmark::State& state, Form form) {
  const auto rows = static_cast<int>(state.range(0));
  const std::string file = tableFile(rows, form);
  for (auto _ : state) {
    const calvexa::CapacityTableReading reading = calvexa::readCapacityTable(file);
    if (!reading.table || reading.table->rows().size() != static_cast<std::size_t>(rows)) {
      state.SkipWithError(reading.fault.c_str());
      return;
    }
    benchmark::DoNotOptimize(reading.table->rows().data());
  }
  state.SetItemsProcessed(state.iterations() * rows);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}

void ReadCommas(benchmark::State& state) { readTable(state, Form::Commas); }
void ReadSemicolonsAndDecimalCommas(benchmark::State& state) { readTable(state, Form::Semicolons); }
void ReadChartExport(benchmark::State& state) { readTable(state, Form::ChartExport); }

BENCHMARK(ReadCommas)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadSemicolonsAndDecimalCommas)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadChartExport)->Arg(100000)->Unit(benchmark::kMillisecond);

calvexa::CapacityTable table(int rows) { return *calvexa::readCapacityTable(tableFile(rows, Form::Commas)).table; }

void Write(benchmark::State& state) {
  const calvexa::CapacityTable read = table(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(calvexa::capacityTableCsv(read));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Write)->Arg(100000)->Unit(benchmark::kMillisecond);

void LookUpBothWays(benchmark::State& state) {
  const calvexa::CapacityTable read = table(1000000);
  double height = 0;
  for (auto _ : state) {
    height = height > 240000 ? 0.37 : height + 1234.567;
    const calvexa::TableLookup volume = read.volumeAt(height);
    benchmark::DoNotOptimize(read.heightAt(volume.value));
  }
}
BENCHMARK(LookUpBothWays);

void StepRows(benchmark::State& state) {
  // 100 m in millimetre steps: the most rows a chart may have.
  const calvexa::ChartStep step = calvexa::readChartStep("1", "Millimeters", 100, "Meters");
  for (auto _ : state) benchmark::DoNotOptimize(calvexa::chartStepHeights(100, step.step));
}
BENCHMARK(StepRows)->Unit(benchmark::kMicrosecond);

}  // namespace
