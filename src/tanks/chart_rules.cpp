#include "tanks/chart_rules.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

#include "core/identity.h"
#include "core/input.h"
#include "core/number_text.h"
#include "tanks/chart_step_rules.h"

namespace calvexa {

const char* const kReportTitle = "Calvexa";
const char* const kNominalDimensionsLine =
    "Volumes calculated from nominal dimensions; not a calibrated capacity table.";
const std::array<const char*, 4> kColumnCaptions = {"Liquid Height", "Height Unit", "Volume Quantity", "Volume Unit"};

namespace {

const char* const kCancelText = "-97";

Message divisionsMessage(const std::string& text) { return Message{text}; }

// A header number: the box's typed number in "#,###.000"; a text that is not
// a number is shown as it stands.
std::string headerNumber(const std::string& text) {
  const std::optional<double> value = parseNumber(text);
  return value ? maskText(*value, Mask::Grouped3) : text;
}

std::string headerText(const HeaderLine& line, const Fields& fields) {
  std::string out;
  for (const HeaderPiece& piece : line) {
    switch (piece.kind) {
      case HeaderPiece::Kind::Text:
        out += piece.text;
        break;
      case HeaderPiece::Kind::Number:
        out += headerNumber(fieldText(fields, piece.text));
        break;
      case HeaderPiece::Kind::ListText:
        out += fieldText(fields, piece.text);
        break;
    }
  }
  return out;
}

// Every effect of a row's calculation but its answer, which the chart reads.
void keepMessages(const Outcome& row, Outcome& effects) {
  for (const Effect& effect : row.effects)
    if (effect.kind == Effect::Kind::Show) effects.effects.push_back(effect);
}

// The volume a row's calculation gives, from the number its answer shows;
// nullopt when it refused, with its message (or, for an answer that is no
// number, the out-of-range message) added to `refusal`.
std::optional<double> rowVolume(const TankChartProfile& profile, const Outcome& row, Outcome& refusal) {
  const Effect* answer = row.lastWrite(profile.answer);
  const std::optional<double> volume =
      answer && answer->number ? std::optional<double>(chartVolume(*answer->number, answer->form)) : std::nullopt;
  if (!volume) {
    keepMessages(row, refusal);
    if (answer) refusal.show(kAnswerOutOfRangeText);
  }
  return volume;
}

// The full tank, tried before anything changes: a tank the tab's
// calculation refuses (a size below zero, a bottom deeper than it can be, a
// unit no row would take) stops the chart with that one message instead of
// after the divisions are asked for. A chart that succeeds is unchanged.
void tryFullTank(const TankChartProfile& profile, const Fields& fields, Outcome& refusal) {
  Fields full = fields;
  full[profile.fluidBox] = fieldText(fields, profile.steppedBox);
  full[profile.fluidList] = fieldText(fields, profile.steppedList);
  rowVolume(profile, profile.calculate(full), refusal);
}

}  // namespace

ChartStart startChart(const TankChartProfile& profile, const Fields& fields) {
  ChartStart start;
  // The first empty required box, in the profile's order.
  for (const ChartCheck& check : profile.required) {
    if (fieldText(fields, check.control).empty()) {
      start.refused.show(check.message);
      return start;
    }
  }
  // A filled box that is not a number would stop every row: stop now, before
  // anything changes.
  for (const ChartCheck& check : profile.required)
    if (check.valueName && !readNumber(fields, check.control, check.valueName, start.refused)) return start;
  tryFullTank(profile, fields, start.refused);
  if (!start.ok()) return start;
  // The stepped dimension, the units and the headers.
  start.height = *parseNumber(fieldText(fields, profile.steppedBox));
  start.heightUnit = fieldText(fields, profile.steppedList);
  start.volumeUnit = fieldText(fields, profile.answerList);
  for (std::size_t i = 0; i < start.headers.size(); ++i) start.headers[i] = headerText(profile.headers[i], fields);
  // The tab shows a full tank (or only takes the height's unit).
  start.writes.write(profile.fluidList, start.heightUnit);
  if (profile.fill == FluidFill::BoxAndUnit)
    start.writes.write(profile.fluidBox, fieldText(fields, profile.steppedBox));
  start.fields = fields;
  for (const Effect& effect : start.writes.effects) start.fields[effect.target] = effect.text;
  return start;
}

DivisionCount readDivisions(const std::string& result) {
  if (result == kCancelText) return {DivisionCount::Kind::Cancel};
  const DivisionCount aboveZero = {
      DivisionCount::Kind::Refused, 0,
      divisionsMessage("Please type the number of divisions as a whole number above zero, such as 30.")};
  const DivisionCount tooMany = {
      DivisionCount::Kind::Refused, 0,
      divisionsMessage("A chart can have at most 100,000 divisions. Please type a smaller number of divisions.")};
  const std::optional<double> value = parseNumber(result);
  // A number beyond the range of a double ("1E999", 400 digits) is too
  // many divisions, or below zero by its sign.
  if (!value) {
    const std::size_t first = result.find_first_not_of(' ');
    const bool negative = first != std::string::npos && result[first] == '-';
    return numberTooLarge(result) && !negative ? tooMany : aboveZero;
  }
  const double count = std::nearbyint(*value);  // halves to even
  if (count == -97) return {DivisionCount::Kind::Cancel};
  if (count <= 0) return aboveZero;
  if (count > kMostDivisions) return tooMany;
  return {DivisionCount::Kind::Count, static_cast<int>(count)};
}

double chartVolume(double answer, AnswerForm form) { return roundedOnShown(answer, shownDigits(form), 3); }

namespace {

// Rows `from` to `to` (1 first) of a chart: each runs the tab's calculation on
// the tab's texts with the fluid height replaced. A span stops at a row its
// calculation refuses, and at Cancel (`progress` answering false, or `stop`
// set by the other span).
struct Span {
  std::vector<ChartRow> rows;
  Outcome messages;  // what the last row's calculation showed
  Outcome refusal;   // the refused row's message
  bool refused = false;
  bool cancelled = false;
  double fluid = 0;    // the last row's fluid height
  std::string answer;  // the last answer the rows wrote
  void end(double lastFluid, const Outcome& lastRow, std::string_view answerBox) {
    fluid = lastFluid;
    if (lastRow.wrote(answerBox)) answer = lastRow.written(answerBox);
  }
};

Span runSpan(const TankChartProfile& profile, const ChartStart& start, const std::vector<double>& heights, int from,
             int to, const ChartProgress& progress, const std::atomic<bool>& stop) {
  Span span;
  span.rows.reserve(static_cast<std::size_t>(std::max(0, to - from + 1)));
  // The fluid height goes in as a number: the one the box would hold with
  // the row's height written into it (up to 15 significant digits).
  Fields fields = start.fields;
  fields.replaced = ReplacedNumber{profile.fluidBox};
  double& fluid = fields.replaced->number;
  if (fields[profile.fluidBox].empty()) fields[profile.fluidBox] = generalText(start.height);
  Outcome lastRow;  // the last row answered
  const int last = static_cast<int>(heights.size()) - 1;
  for (int i = from; i <= to; ++i) {
    if (i % 1000 == 0 && (stop.load(std::memory_order_relaxed) || (progress && !progress(i)))) {
      span.cancelled = true;
      return span;
    }
    const double h = heights[static_cast<std::size_t>(i)];
    fluid = roundedSignificant(h);
    Outcome row = profile.calculate(fields);
    const std::optional<double> volume = rowVolume(profile, row, span.refusal);
    if (!volume) {
      // The row's calculation refused: its message once, and no chart.
      span.refused = true;
      span.end(fluid, lastRow, profile.answer);
      return span;
    }
    // What a row that succeeds shows (the conical tab's report box) is
    // shown once, for the full tank, not once per row.
    if (i == last) keepMessages(row, span.messages);
    span.rows.push_back({h, *volume});
    lastRow = std::move(row);
  }
  span.end(fluid, lastRow, profile.answer);
  return span;
}

// Long charts are built in two halves at once, one on a thread of its own.
constexpr int kRowsForTwoThreads = 20000;

// The heights of the rows, the 0 row first: i × H ÷ N (row N at exactly
// H), or the steps.
std::vector<double> rowHeights(double H, const ChartSpacing& spacing) {
  if (spacing.step) return chartStepHeights(H, *spacing.step);
  const int divisions = spacing.divisions;
  std::vector<double> heights;
  heights.reserve(static_cast<std::size_t>(std::max(0, divisions)) + 1);
  heights.push_back(0);
  for (int i = 1; i <= divisions; ++i) heights.push_back(i == divisions ? H : static_cast<double>(i) * H / divisions);
  return heights;
}

}  // namespace

int chartRowCount(double height, const ChartSpacing& spacing) {
  return static_cast<int>(rowHeights(height, spacing).size());
}

ChartBuild buildChartRows(const TankChartProfile& profile, const ChartStart& start, int divisions,
                          const ChartProgress& progress) {
  return buildChartRows(profile, start, ChartSpacing{.divisions = divisions}, progress);
}

ChartBuild buildChartRows(const TankChartProfile& profile, const ChartStart& start, const ChartSpacing& spacing,
                          const ChartProgress& progress) {
  ChartBuild build;
  build.recordset.heightUnit = start.heightUnit;
  build.recordset.volumeUnit = start.volumeUnit;
  build.recordset.heightDecimals =
      spacing.step ? chartStepHeightDecimals(*spacing.step) : chartHeightDecimals(start.height, spacing.divisions);
  build.recordset.fraction = spacing.fraction;
  const std::vector<double> heights = rowHeights(start.height, spacing);
  const int divisions = static_cast<int>(heights.size()) - 1;
  std::atomic<bool> stop = false;
  std::vector<Span> spans;
  if (divisions >= kRowsForTwoThreads && std::thread::hardware_concurrency() >= 2) {
    const int middle = divisions / 2;
    Span second;
    std::thread worker([&] { second = runSpan(profile, start, heights, middle + 1, divisions, {}, stop); });
    spans.push_back(runSpan(profile, start, heights, 1, middle, progress, stop));
    if (spans.front().cancelled || spans.front().refused) stop = true;
    worker.join();
    spans.push_back(std::move(second));
  } else {
    spans.push_back(runSpan(profile, start, heights, 1, divisions, progress, stop));
  }
  if (spans.front().cancelled) {
    build.cancelled = true;  // the tab stays as the dialog left it
    return build;
  }
  // The rows in order, up to the first refusal.
  auto& rows = build.recordset.rows;
  rows.reserve(static_cast<std::size_t>(divisions) + 1);
  rows.push_back({0, 0});  // empty, not calculated
  std::string answer;
  for (Span& span : spans) {
    if (span.cancelled) break;
    rows.insert(rows.end(), span.rows.begin(), span.rows.end());
    for (Effect& effect : span.messages.effects) build.effects.effects.push_back(std::move(effect));
    if (!span.answer.empty()) answer = span.answer;
    if (span.refused) {
      for (Effect& effect : span.refusal.effects) build.effects.effects.push_back(std::move(effect));
      build.effects.write(profile.fluidBox, generalText(span.fluid));
      if (!answer.empty()) build.effects.write(profile.answer, answer);
      return build;
    }
  }
  if (progress) progress(divisions);
  build.effects.write(profile.fluidBox, generalText(spans.back().fluid));
  if (!answer.empty()) build.effects.write(profile.answer, answer);  // none for a chart of one row
  build.complete = true;
  return build;
}

std::string printedOnLine(const std::tm& when) {
  static const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
  const int hour12 = when.tm_hour % 12 == 0 ? 12 : when.tm_hour % 12;
  char text[160];
  std::snprintf(text, sizeof text, "Printed on %s, %02d %s %04d at %d:%02d:%02d %sm, by %s.",
                kDays[((when.tm_wday % 7) + 7) % 7], when.tm_mday, kMonths[((when.tm_mon % 12) + 12) % 12],
                when.tm_year + 1900, hour12, when.tm_min, when.tm_sec, when.tm_hour < 12 ? "a" : "p",
                kApplicationTitle);
  return text;
}

std::optional<int> wholeStepDecimals(double step, int most, double tolerance) {
  for (int decimals = 3; decimals <= most; ++decimals) {
    const double units = step * std::pow(10.0, decimals);
    if (std::fabs(units - std::round(units)) <= units * tolerance) return decimals;
  }
  return std::nullopt;
}

int chartHeightDecimals(double height, int divisions) {
  constexpr int kLeast = 3;
  if (divisions <= 0) return kLeast;
  const double step = std::fabs(height / divisions);
  if (!(step > 0) || !std::isfinite(step)) return kLeast;
  const int cap = std::max(kLeast, static_cast<int>(std::ceil(-std::log10(step))) + 1);
  // 2.5 ÷ 1000 is not exactly 0.0025.
  return wholeStepDecimals(step, cap, 1e-9).value_or(cap);
}

std::string rowHeightText(double height, int decimals) { return fixedText(height, decimals); }
bool canShowFeetInches(const std::string& heightUnit) { return feetOrInches(heightUnit).has_value(); }

std::string reportHeightText(const ChartReport& report, double height) {
  const std::optional<FeetOrInches> unit = feetOrInches(report.recordset.heightUnit);
  if (report.feetInches && unit) return feetInchesText(height, *unit, report.recordset.fraction);
  return rowHeightText(height, report.recordset.heightDecimals);
}

std::string rowVolumeText(double volume) { return maskText(volume, Mask::Fixed3); }

std::string pageNumberText(int page, int pages) {
  return "Page: " + std::to_string(page) + " of " + std::to_string(pages);
}

std::string divisionsLine(std::string_view chartName, int divisions, double height, int decimals,
                          std::string_view heightUnit) {
  std::string count = maskText(divisions, Mask::Grouped3);
  count.resize(count.size() - 4);  // a whole count: no ".000"
  const double step = divisions > 0 ? height / divisions : 0;
  return std::string(chartName) + ": " + count + (divisions == 1 ? " division" : " divisions") + " of " +
         rowHeightText(step, decimals) + " " + std::string(heightUnit) + ".";
}

std::string spacingLine(std::string_view chartName, const ChartSpacing& spacing, double height, int decimals,
                        std::string_view heightUnit) {
  if (!spacing.step) return divisionsLine(chartName, spacing.divisions, height, decimals, heightUnit);
  return std::string(chartName) + ": a row every " + rowHeightText(*spacing.step, decimals) + " " +
         std::string(heightUnit) + ".";
}

int pageCount(std::size_t rows, int rowsPerPage) {
  if (rowsPerPage <= 0 || rows == 0) return 1;
  return static_cast<int>((rows + static_cast<std::size_t>(rowsPerPage) - 1) / static_cast<std::size_t>(rowsPerPage));
}

}  // namespace calvexa
