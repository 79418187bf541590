// Strapping charts as plain code: what a tab's print button checks, the
// division count, the rows (the tab's own calculation run once per row on the
// tab's texts, the fluid height replaced), the header and footer lines, and
// the pages of the report.
#pragma once

#include <array>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/feet_inches.h"
#include "core/outcome.h"
#include "core/page_table.h"

namespace calvexa {

// One piece of a header line: literal text, a box's typed number in
// "#,###.000", or a list's text.
struct HeaderPiece {
  enum class Kind { Text, Number, ListText };
  Kind kind;
  const char* text;  // the literal, or the objectName of the box or list
};
constexpr HeaderPiece lit(const char* text) { return {HeaderPiece::Kind::Text, text}; }
constexpr HeaderPiece num(const char* box) { return {HeaderPiece::Kind::Number, box}; }
constexpr HeaderPiece unit(const char* list) { return {HeaderPiece::Kind::ListText, list}; }
using HeaderLine = std::vector<HeaderPiece>;

// A box or list the chart needs filled, with the message when it is empty.
// A box also names its value, for the message when it is not a number.
struct ChartCheck {
  const char* control;
  Message message;
  const char* valueName = nullptr;  // boxes only
};

// What a chart sets before the divisions dialog: the fluid-height box and its
// unit (the tab shows a full tank), or only the unit.
enum class FluidFill { BoxAndUnit, UnitOnly };

// Everything a tab's chart needs: its required boxes in checking order, the
// stepped dimension, the fluid-height boxes, the calculation and its answer,
// the answer unit list and the three header templates.
struct TankChartProfile {
  std::vector<ChartCheck> required;
  const char* steppedBox;
  const char* steppedList;
  const char* fluidBox;
  const char* fluidList;
  const char* answerList;
  Calculation calculate;
  const char* answer;
  std::array<HeaderLine, 3> headers;
  FluidFill fill = FluidFill::BoxAndUnit;
};

// The row set of one chart: four fields, the two unit texts the same on
// every row. Heights in the stepped dimension's unit, volumes in the answer
// unit rounded to three decimals.
struct ChartRow {
  double height;
  double volume;
};
struct ChartRecordset {
  std::string heightUnit;
  std::string volumeUnit;
  std::vector<ChartRow> rows;
  int heightDecimals = 3;  // the heights are printed with these (chartHeightDecimals)
  // The fraction of an inch heights in feet and inches are rounded to.
  InchFraction fraction = InchFraction::Eighths;
};

// The start of a chart. `refused` holds the one message of a chart that
// stops here, before anything changes (an empty required box, a filled one
// that is not a number, or a full tank the tab's calculation refuses);
// otherwise `writes` sets the tab's fluid boxes for a full tank and the rest
// is ready.
struct ChartStart {
  Outcome refused;
  Outcome writes;
  Fields fields;      // the tab's texts with the writes applied
  double height = 0;  // H as typed in its own unit
  std::string heightUnit, volumeUnit;
  std::array<std::string, 3> headers;
  bool ok() const { return refused.effects.empty(); }
};
ChartStart startChart(const TankChartProfile& profile, const Fields& fields);

// The most divisions a chart may have: its report must fit in memory.
constexpr int kMostDivisions = 100000;
// Above this many rows, building the chart shows progress with Cancel.
constexpr int kRowsWithProgress = 5000;

// The text of the divisions dialog ("-97" is Cancel). A count is
// rounded half to even ("2.5" is 2, "3.5" is 4); a text that is no count
// from 1 to kMostDivisions is refused with the message of the limit it
// breaks (above zero, or at most 100,000), whatever its size ("1E999",
// "-2147483649").
struct DivisionCount {
  enum class Kind { Cancel, Count, Refused };
  Kind kind;
  int count = 0;
  Message message = {};  // Refused
};
DivisionCount readDivisions(const std::string& result);

// The rows: row 0 is empty, row i is at i × H ÷ N (row N at exactly H)
// with the volume the tab's calculation gives for it, read back from its
// answer through "#,###.000". `effects` are what the rows did to the window
// in order: the messages the last row's calculation showed (the rows before
// it show theirs to nobody: a report box per row would be thousands of
// boxes), then the fluid height and answer the tab ends with. A row whose
// calculation refuses ends the chart there (its message shown once) and
// `complete` is false; so does a `progress` that answers false (Cancel),
// with `cancelled` set.
struct ChartBuild {
  ChartRecordset recordset;
  Outcome effects;
  bool complete = false;
  bool cancelled = false;
};
using ChartProgress = std::function<bool(int rowsDone)>;
ChartBuild buildChartRows(const TankChartProfile& profile, const ChartStart& start, int divisions,
                          const ChartProgress& progress = {});

// How the rows of a chart are spaced, as the divisions dialog asks: a number
// of divisions of the height, or a step between rows.
struct ChartSpacing {
  int divisions = 30;
  // In the chart's height unit, above zero: rows at 0, step, 2·step, … and
  // the full height last (chartStepHeights). None: by divisions.
  std::optional<double> step = {};
  InchFraction fraction = InchFraction::Eighths;  // of the step's unit
};
// The same by divisions or by step: with a step, the rows are those of
// chartStepHeights, printed with chartStepHeightDecimals.
ChartBuild buildChartRows(const TankChartProfile& profile, const ChartStart& start, const ChartSpacing& spacing,
                          const ChartProgress& progress = {});
// The rows a chart of `spacing` has, the 0 row included.
int chartRowCount(double height, const ChartSpacing& spacing);

// The volume of a row: the answer's number as its label shows it (`form`),
// rounded again to three decimals half away from zero on the digits shown
// (7068.58349 shown as "7,068.5835" is 7068.584), as "#,###.000" would show
// the label's text.
double chartVolume(double answer, AnswerForm form);

// "Printed on Tuesday, 08 December 2026 at 3:45:07 pm, by Calvexa." in
// English, whatever the user's language.
std::string printedOnLine(const std::tm& when);
// Footer2: what the chart divides, for a reader of the filed page: "Vertical
// Tank (C): 30 divisions of 0.400 Meters." The step is H ÷ N printed as the
// rows print their heights; counts of a thousand and more are grouped.
std::string divisionsLine(std::string_view chartName, int divisions, double height, int decimals,
                          std::string_view heightUnit);
// Footer2 of a chart by step: "Vertical Tank (C): a row every 0.0025 Meters."
// A chart by divisions gets divisionsLine.
std::string spacingLine(std::string_view chartName, const ChartSpacing& spacing, double height, int decimals,
                        std::string_view heightUnit);

// The report: title, three header lines, the column captions, the rows in
// "0.000" with their units, three footer lines and "Page: n of m".
// The line under the footer of every page of a chart worked from a tab's
// dimensions.
extern const char* const kNominalDimensionsLine;
struct ChartReport {
  std::string name;  // the tab or window it charts, for file names: "Vertical Tank (Flat)"
  std::array<std::string, 3> headers;
  std::array<std::string, 3> footers;
  ChartRecordset recordset;
  // Heights printed as 12' 3 5/8" (to the recordset's fraction), when its
  // height unit is Feet or Inches.
  bool feetInches = false;
};
// True when heights in `heightUnit` can be shown in feet, inches and eighths.
bool canShowFeetInches(const std::string& heightUnit);
// A row's height as the report prints it: with the recordset's decimals, or
// in feet and inches when the report asks for them and its unit allows.
std::string reportHeightText(const ChartReport& report, double height);
extern const char* const kReportTitle;                    // "Calvexa"
extern const std::array<const char*, 4> kColumnCaptions;  // "Liquid Height" ...
// The decimals a chart of `divisions` divisions of `height` prints its
// heights with: as many as its step needs to keep every row apart, at least
// three ("0.000"). With the step s = height ÷ divisions and the cap
// max(3, ceil(-log10 s) + 1), the fewest from three up to the cap at which s
// is a whole number of its last decimal, otherwise the cap: 1,000 divisions
// of 2.5 m print 0.0025, 0.0050 ..., 30 divisions of 7 m print 0.233, 0.467 ...
int chartHeightDecimals(double height, int divisions);
// The fewest decimals from three up to `most` at which `step` is a whole
// number of its last decimal, within `tolerance` of one (relative: a step
// worked by a division or a unit's factor is off its decimal by a few units
// of its last binary place); nullopt when there are none.
std::optional<int> wholeStepDecimals(double step, int most, double tolerance);
std::string rowHeightText(double height, int decimals);  // "0.000", "0.0025"
std::string rowVolumeText(double volume);                // "0.000"
std::string pageNumberText(int page, int pages);         // "Page: 3 of 12"
// Pages needed for `rows` rows at `rowsPerPage` a page (at least one page).
int pageCount(std::size_t rows, int rowsPerPage);

}  // namespace calvexa
