#include "tanks/chart_tools_rules.h"

#include <algorithm>
#include <cmath>

#include "core/capacity_table.h"
#include "core/field_units.h"
#include "core/input.h"
#include "core/number_text.h"

namespace calvexa {
namespace {

// The volume the tab's calculation gives for fluid height h, or the message
// of its refusal.
Lookup volumeAt(const TankChartProfile& profile, const ChartStart& start, double h) {
  Fields fields = start.fields;
  fields.replaced = ReplacedNumber{profile.fluidBox, roundedSignificant(h)};
  if (fields[profile.fluidBox].empty()) fields[profile.fluidBox] = generalText(h);
  const Outcome outcome = profile.calculate(fields);
  Lookup result;
  const Effect* answer = outcome.lastWrite(profile.answer);
  if (answer && answer->number) {
    result.found = true;
    result.value = shownValue(*answer->number, answer->form);
    return result;
  }
  for (const Effect& effect : outcome.effects)
    if (effect.kind == Effect::Kind::Show) result.message = effect.message;
  if (result.message.text.empty()) result.message = Message{kAnswerOutOfRangeText};
  return result;
}

std::string amount(double value, const std::string& unit) { return maskText(value, Mask::Grouped3) + " " + unit; }

Lookup refused(std::string text) {
  Lookup result;
  result.message = Message{std::move(text)};
  return result;
}

}  // namespace

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  return quotedCsvField(text);
}

std::string chartCsv(const ChartRecordset& recordset) {
  std::string csv = "Liquid Height,Height Unit,Volume Quantity,Volume Unit\r\n";
  const std::string heightUnit = csvField(recordset.heightUnit);
  const std::string volumeUnit = csvField(recordset.volumeUnit);
  csv.reserve(csv.size() + recordset.rows.size() * (heightUnit.size() + volumeUnit.size() + 28));
  for (const ChartRow& row : recordset.rows) {
    csv += rowHeightText(row.height, recordset.heightDecimals);
    csv += ',';
    csv += heightUnit;
    csv += ',';
    csv += rowVolumeText(row.volume);
    csv += ',';
    csv += volumeUnit;
    csv += "\r\n";
  }
  return csv;
}

CapacityCsvOptions reportCsvOptions(const ChartReport& report, int volumeDecimals) {
  return {.heightDecimals = report.recordset.heightDecimals,
          .volumeDecimals = volumeDecimals,
          .feetInches = report.feetInches && canShowFeetInches(report.recordset.heightUnit),
          .fraction = report.recordset.fraction};
}

std::string chartCapacityCsv(const ChartReport& report) {
  const ChartRecordset& chart = report.recordset;
  std::vector<CapacityRow> rows;
  rows.reserve(chart.rows.size());
  for (const ChartRow& row : chart.rows) rows.push_back({row.height, row.volume});
  const CapacityTableReading table = capacityTableFromRows(
      {.tank = report.name, .heightUnit = chart.heightUnit, .volumeUnit = chart.volumeUnit}, std::move(rows));
  if (!table.table) return chartCsv(chart);
  return capacityTableCsv(*table.table, reportCsvOptions(report));
}

int decimalsNeeded(const std::vector<double>& values) {
  constexpr int kLeast = 3, kMost = 10;
  for (int decimals = kLeast; decimals < kMost; ++decimals) {
    const bool whole = std::all_of(values.begin(), values.end(), [decimals](double v) {
      return std::fabs(roundedDecimals(v, decimals) - v) <= std::fabs(v) * 1e-12;
    });
    if (whole) return decimals;
  }
  return kMost;
}

ChartReport capacityTableReport(const CapacityTable& table, const std::array<std::string, 3>& footers) {
  const CapacityTableInfo& info = table.info();
  const std::string tank = info.tank.empty() ? std::string("(no identifier)") : info.tank;
  ChartReport report;
  report.name = info.tank.empty() ? "Capacity table" : info.tank;
  std::string calibrated;
  if (!info.calibratedOn.empty()) calibrated = "Calibrated on " + info.calibratedOn;
  if (!info.calibratedBy.empty()) calibrated += (calibrated.empty() ? "Calibrated by " : " by ") + info.calibratedBy;
  report.headers = {"Capacity table of tank " + tank, calibrated.empty() ? calibrated : calibrated + ".",
                    "Heights in " + info.heightUnit + ", volumes in " + info.volumeUnit + "."};
  // The printed-on line stays; the lines on the volumes' source name the table.
  report.footers = {footers[0], "Tank " + tank + ": " + std::to_string(table.rows().size()) + " rows.",
                    "Volumes from the calibrated table of tank " + tank + ", read by linear interpolation."};
  report.recordset.heightUnit = info.heightUnit;
  report.recordset.volumeUnit = info.volumeUnit;
  std::vector<double> heights;
  heights.reserve(table.rows().size());
  report.recordset.rows.reserve(table.rows().size());
  for (const CapacityRow& row : table.rows()) {
    report.recordset.rows.push_back({row.height, row.volume});
    heights.push_back(row.height);
  }
  report.recordset.heightDecimals = decimalsNeeded(heights);
  return report;
}

std::vector<std::string> lookupVolumeUnits(const std::string& chartUnit) {
  const bool known = matchUnit(kCubicMetresToVolume, CapacityVolumeUnits(), chartUnit) != nullptr;
  if (!known || chartUnit == "Barrels") return {chartUnit};
  return {chartUnit, "Barrels"};
}

std::optional<double> convertVolume(double value, std::string_view from, std::string_view to) {
  if (from == to) return value;
  const UnitFactor* in = matchUnit(kCubicMetresToVolume, CapacityVolumeUnits(), from);
  const UnitFactor* out = matchUnit(kCubicMetresToVolume, CapacityVolumeUnits(), to);
  if (!in || !out) return std::nullopt;
  return applyFactor(*out, unapplyFactor(*in, value));
}

namespace {

Lookup tableLookup(const TableLookup& found, const CapacityTable& table, double height) {
  Lookup result;
  if (!found.found) {
    result.message = Message{found.message};
    return result;
  }
  result.found = true;
  result.value = found.value;
  if (table.inCriticalZone(height)) result.note = "in the critical zone";
  return result;
}

}  // namespace

Lookup lookupTableVolume(const CapacityTable& table, double height) {
  return tableLookup(table.volumeAt(height), table, height);
}

Lookup lookupTableHeight(const CapacityTable& table, double volume) {
  const TableLookup found = table.heightAt(volume);
  return tableLookup(found, table, found.value);
}

std::string chartFileName(std::string_view chartName, std::string_view extension) {
  std::string name;
  for (char c : chartName) name += std::string_view("/\\:*?\"<>|").find(c) == std::string_view::npos ? c : '-';
  return name + " chart." + std::string(extension);
}

AxisScale axisScale(double low, double high, int lines) {
  if (!(high > low)) high = low + 1;
  const double rough = (high - low) / std::max(1, lines - 1);
  const double power = std::pow(10, std::floor(std::log10(rough)));
  double step = power;
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    step = factor * power;
    if (step >= rough) break;
  }
  const double first = std::floor(low / step) * step;
  const int count = static_cast<int>(std::ceil((high - first) / step - 1e-9)) + 1;
  return {first, step, count};
}

std::vector<ChartRow> curvePoints(const std::vector<ChartRow>& rows, std::size_t points) {
  if (rows.size() <= points || points < 2) return rows;
  std::vector<ChartRow> out;
  out.reserve(points);
  for (std::size_t i = 0; i < points; ++i) out.push_back(rows[i * (rows.size() - 1) / (points - 1)]);
  return out;
}

std::vector<ChartRow> fillCurve(const TankChartProfile& profile, const ChartStart& start, std::size_t points) {
  std::vector<ChartRow> curve;
  if (points < 2) return curve;
  curve.reserve(points);
  for (std::size_t i = 0; i < points; ++i) {
    // The last point at exactly the full height, as the chart's last row.
    const double h = i + 1 == points ? start.height : start.height * static_cast<double>(i) / (points - 1);
    const Lookup at = volumeAt(profile, start, h);
    if (at.found) curve.push_back({h, at.value});
  }
  return curve;
}

// Grouping is checked on the whole part only: the digits and separators
// from the first digit on.
std::optional<double> lookupNumber(std::string_view text) {
  if (text.find(',') == std::string_view::npos) return parseNumber(text);
  const std::size_t first = text.find_first_of("0123456789");
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t end = std::min(text.find_first_not_of("0123456789,", first), text.size());
  const std::string_view whole = text.substr(first, end - first);
  const std::size_t lead = whole.find(',');
  if (lead == 0 || lead > 3) return std::nullopt;
  for (std::size_t at = lead; at < whole.size(); at += 4)
    if (whole[at] != ',' || at + 4 > whole.size()) return std::nullopt;
  if (text.substr(end).find(',') != std::string_view::npos) return std::nullopt;
  std::string plain;
  for (char c : text)
    if (c != ',') plain += c;
  return parseNumber(plain);
}

std::optional<std::size_t> nearestRow(const std::vector<ChartRow>& rows, double height) {
  std::optional<std::size_t> best;
  double distance = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double d = std::fabs(rows[i].height - height);
    if (!best || d < distance) {
      best = i;
      distance = d;
    }
  }
  return best;
}

std::optional<int> typedPage(std::string_view text, int pages) {
  const std::optional<double> page = lookupNumber(text);
  if (!page || *page != std::floor(*page)) return std::nullopt;
  return static_cast<int>(std::clamp(*page, 1.0, static_cast<double>(std::max(1, pages))));
}

std::string groupedWhole(long long value) {
  const std::string digits = std::to_string(value < 0 ? -value : value);
  std::string grouped = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

Lookup lookupVolume(const TankChartProfile& profile, const ChartStart& start, double height) {
  const double H = start.height;
  if (height < std::min(0.0, H) || height > std::max(0.0, H))
    return refused("The liquid height must be between empty and full: from 0 to " + amount(H, start.heightUnit) + ".");
  return volumeAt(profile, start, height);
}

Lookup lookupHeight(const TankChartProfile& profile, const ChartStart& start, double volume) {
  const double H = start.height;
  const Lookup empty = volumeAt(profile, start, 0);
  if (!empty.found) return empty;
  const Lookup full = volumeAt(profile, start, H);
  if (!full.found) return full;
  const double low = std::min(empty.value, full.value), high = std::max(empty.value, full.value);
  // The chart shows volumes to three decimals: what it shows for empty and
  // full counts as empty and full.
  constexpr double kShownHalf = 0.0005;
  if (volume < low - kShownHalf || volume > high + kShownHalf)
    return refused("The tank holds from " + amount(low, start.volumeUnit) + " empty to " +
                   amount(high, start.volumeUnit) + " full; " + amount(volume, start.volumeUnit) +
                   " is not between them.");
  volume = std::clamp(volume, low, high);
  // The volume grows with the fluid height: halve the interval around it.
  double below = 0, above = H;
  const bool rising = full.value >= empty.value;
  const double tolerance = std::fabs(H) * 1e-9;
  while (std::fabs(above - below) > tolerance) {
    const double middle = (below + above) / 2;
    const Lookup at = volumeAt(profile, start, middle);
    if (!at.found) return at;
    if ((at.value < volume) == rising) {
      below = middle;
    } else {
      above = middle;
    }
  }
  Lookup result;
  result.found = true;
  result.value = (below + above) / 2;
  return result;
}

}  // namespace calvexa
