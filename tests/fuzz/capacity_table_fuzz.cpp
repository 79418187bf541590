// libFuzzer target for the capacity table reader and the feet-and-inches
// parser: any bytes are read as a table file and as a typed height. A table
// read must hold what the reader promises (known units, at least two rows,
// heights rising, volumes never falling), answer a look-up on each of its
// rows, and write itself without crashing; a refusal must name its fault.
// A height read in feet and inches must be finite and write back.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/capacity_table.h"
#include "core/feet_inches.h"

namespace {

void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

void checkTable(const calvexa::CapacityTable& table) {
  const auto& rows = table.rows();
  if (rows.size() < 2) fail("a table of fewer than two rows");
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (!(rows[i].height > rows[i - 1].height)) fail("heights that do not rise");
    if (rows[i].volume < rows[i - 1].volume) fail("a volume that falls");
  }
  for (const calvexa::CapacityRow& row : {rows.front(), rows[rows.size() / 2], rows.back()}) {
    const calvexa::TableLookup volume = table.volumeAt(row.height);
    if (!volume.found || volume.value != row.volume) fail("a row's own height does not give its volume");
    if (!table.heightAt(row.volume).found) fail("a row's own volume is refused");
  }
  (void)table.volumeToCubicMetres(rows.back().volume);
  (void)calvexa::capacityTableCsv(table, {.feetInches = true});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const calvexa::CapacityTableReading reading = calvexa::readCapacityTable(bytes);
  if (reading.table) {
    checkTable(*reading.table);
  } else if (reading.fault.empty()) {
    fail("a refusal without its message");
  }
  for (calvexa::FeetOrInches unit : {calvexa::FeetOrInches::Feet, calvexa::FeetOrInches::Inches}) {
    const std::optional<double> height = calvexa::parseFeetInches(bytes, unit);
    if (!height) continue;
    if (!std::isfinite(*height)) fail("a height that is not finite");
    if (calvexa::feetInchesText(*height, unit).empty()) fail("a height written as nothing");
  }
  return 0;
}
