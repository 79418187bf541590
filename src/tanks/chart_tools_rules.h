// What the chart preview does besides showing the report: the chart as CSV,
// the file names it suggests, the scale of the fill curve, and the lookups of
// a volume for a liquid height and of a height for a volume, both through the
// tab's own calculation.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/capacity_table.h"
#include "core/outcome.h"
#include "tanks/chart_rules.h"

namespace calvexa {

// The chart as CSV (comma-separated, CR LF line ends): a header row
// "Liquid Height,Height Unit,Volume Quantity,Volume Unit", then one line per
// row as the report prints it: the height with the chart's decimals, its
// unit, the volume with exactly three decimals, its unit; no group
// separators and never an exponent. Texts are quoted where CSV needs it.
std::string chartCsv(const ChartRecordset& recordset);

// The chart as a capacity table file (the tank named by the chart's name,
// its units, "height,volume" and the rows, with the "height ft-in" column
// when the report shows feet and inches), which the capacity table reader
// reads back row for row; a chart that is no such table (fewer than two
// rows, heights that do not rise) is written as chartCsv writes it.
std::string chartCapacityCsv(const ChartReport& report);

// The options that write `report`'s rows as it prints them.
CapacityCsvOptions reportCsvOptions(const ChartReport& report, int volumeDecimals = 3);

// One CSV field: quoted, its quotes doubled, when it holds a comma, a quote
// or a line break.
std::string csvField(std::string_view text);

// "Vertical Tank (Flat) chart.csv": the chart's name and the extension, with
// any character a file name cannot hold replaced.
std::string chartFileName(std::string_view chartName, std::string_view extension);

// Grid lines of an axis from `low` to `high`: round steps of 1, 2 or 5 times
// a power of ten, about `lines` of them, covering the whole range.
struct AxisScale {
  double first;
  double step;
  int count;  // lines, the first and last included
};
AxisScale axisScale(double low, double high, int lines);

// The chart's curve with at most `points` points: every row when there are
// few, otherwise rows at even steps, the first and last always included.
std::vector<ChartRow> curvePoints(const std::vector<ChartRow>& rows, std::size_t points);

// The fill curve of the chart's page: the tab's own calculation at `points`
// heights evenly from empty to full (not only through the chart's rows, so a
// chart of few rows still draws a cone's bottom as a curve). Heights the
// calculation refuses are left out.
constexpr std::size_t kFillCurvePoints = 241;
std::vector<ChartRow> fillCurve(const TankChartProfile& profile, const ChartStart& start,
                                std::size_t points = kFillCurvePoints);

// A number typed in a lookup box: as a box reads it, or as Copy gives an
// answer, with group separators between threes of the whole part
// ("1,767.1459", "-12,000"). Separators anywhere else ("1,2", "12,34.5",
// ",123") make it not a number.
std::optional<double> lookupNumber(std::string_view text);

// The row of `rows` whose height is nearest `height`, the first of two as
// near; nullopt for no rows.
std::optional<std::size_t> nearestRow(const std::vector<ChartRow>& rows, double height);

// The page that the page box's text asks for, among `pages` pages: a whole
// number, grouped as a lookup box takes it ("1,517"); beyond the first or
// last page, that page. nullopt for text that is not a whole number.
std::optional<int> typedPage(std::string_view text, int pages);

// A whole number with group separators: "1,517".
std::string groupedWhole(long long value);

// A lookup: the number found, or the one message why there is none; a note
// to add to the answer ("in the critical zone").
struct Lookup {
  bool found = false;
  double value = 0;
  Message message = {};
  std::string note = {};
};

// A calibrated capacity table as a report: titled with its tank, its rows
// with the decimals they need (at least three), and "calibrated table" where
// a nominal chart says it was worked from dimensions.
ChartReport capacityTableReport(const CapacityTable& table, const std::array<std::string, 3>& footers);

// The decimals that print every one of `values` as it is, from three up to
// ten (values with more are rounded to ten).
int decimalsNeeded(const std::vector<double>& values);

// The volume units the look-up offers for a chart in `chartUnit`: its own,
// then Barrels (when it is a known volume unit other than Barrels).
std::vector<std::string> lookupVolumeUnits(const std::string& chartUnit);

// `value` in the volume unit `from` as a volume in `to` (names of the
// capacity tables' volume units), through cubic metres; the same value
// when the names are the same; nullopt for a name no table takes.
std::optional<double> convertVolume(double value, std::string_view from, std::string_view to);

// Look-ups in a calibrated table, by linear interpolation; a height in the
// table's critical zone (the one asked, or the one found) adds "in the
// critical zone".
Lookup lookupTableVolume(const CapacityTable& table, double height);
Lookup lookupTableHeight(const CapacityTable& table, double volume);

// The volume of the tab's tank filled to `height` (in the chart's height
// unit), in the chart's volume unit: the tab's calculation run with the
// fluid height replaced, its other messages not shown. Heights outside the
// tank are refused.
Lookup lookupVolume(const TankChartProfile& profile, const ChartStart& start, double height);

// The liquid height at which the tab's tank holds `volume`: bisection of the
// fluid height between empty and full, to 1E-9 of the tank's height.
// Volumes the tank cannot hold (below empty, above full) are refused.
Lookup lookupHeight(const TankChartProfile& profile, const ChartStart& start, double volume);

}  // namespace calvexa
