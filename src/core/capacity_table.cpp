#include "core/capacity_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <utility>

#include "core/field_units.h"
#include "core/number_text.h"

namespace calvexa {

const UnitOrder& CapacityHeightUnits() {
  static const UnitOrder units = {"Meters", "Centimeters", "Millimeters", "Inches", "Feet"};
  return units;
}

const UnitOrder& CapacityVolumeUnits() {
  static const UnitOrder units = {"Litres",     "Cubic Meters",      "Gallons (Canada)", "Gallons (U.S.)",
                                  "Cubic Feet", "Drums (208 litre)", "Barrels"};
  return units;
}

namespace {

constexpr double kKilogramsPerPound = 0.45359237;

// ---------------------------------------------------------------------------
// Texts

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  return true;
}

bool endsIgnoringCase(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() && sameIgnoringCase(text.substr(text.size() - ending.size()), ending);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A text as a message shows it: in quotes, cut short when long (never inside
// a UTF-8 character).
std::string shown(std::string_view text) {
  constexpr std::size_t kLongest = 60;
  if (text.size() <= kLongest) return "\"" + std::string(text) + "\"";
  std::size_t cut = kLongest;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

// "Meters, Centimeters, Millimeters, Inches and Feet".
std::string namesList(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

// A number of a file: plain, or with a decimal comma in a file separated by
// semicolons.
std::optional<double> fileNumber(std::string_view text, bool decimalComma) {
  if (!decimalComma || text.find(',') == std::string_view::npos) return parseNumber(text);
  std::string withPoint(text);
  std::replace(withPoint.begin(), withPoint.end(), ',', '.');
  return parseNumber(withPoint);
}

// ---------------------------------------------------------------------------
// Messages: each names what is wrong and what is wanted. Line faults begin
// in lower case, after "Line 14: ".

std::string unknownHeightUnitText(std::string_view unit) {
  return shown(unit) + " is not a height unit; the height units are " + namesList(CapacityHeightUnits()) + ".";
}

std::string unknownVolumeUnitText(std::string_view unit) {
  return shown(unit) + " is not a volume unit; the volume units are " + namesList(CapacityVolumeUnits()) + ".";
}

std::string heightNotRisingText(std::string_view height, std::string_view before) {
  return "the height " + std::string(height) + " is not above the height before it (" + std::string(before) + ").";
}

std::string volumeFallingText(std::string_view volume, std::string_view before) {
  return "the volume " + std::string(volume) + " is below the volume before it (" + std::string(before) + ").";
}

std::string tooFewRowsText(std::size_t rows) {
  return rows == 0 ? "the data header is followed by no rows; a table needs at least two."
                   : "the data header is followed by only one row; a table needs at least two.";
}

const char* const kTooManyRowsText = "the table has more than 1,000,000 rows.";
const char* const kTooLargeFileText =
    "The file is larger than 64 MiB, far larger than any capacity table; it was not read.";
const char* const kEmptyFileText = "The file is empty: it holds no capacity table.";
const char* const kNoDataText =
    "The file ends before its data: after the header rows a capacity table needs the line height,volume and its "
    "rows.";
const char* const kRowsBeforeHeaderText =
    "the rows begin before the data header: a capacity table names its columns with the line height,volume "
    "first.";

// ---------------------------------------------------------------------------
// Unit rows of the table's units.

const UnitFactor* heightUnitRow(std::string_view unit) {
  return matchUnit(kLengthToMetres, CapacityHeightUnits(), unit);
}
const UnitFactor* volumeUnitRow(std::string_view unit) {
  return matchUnit(kCubicMetresToVolume, CapacityVolumeUnits(), unit);
}

// ---------------------------------------------------------------------------
// Header keys: each reads its value fields into the table's info (giving a
// fault, or nothing) and writes its value back (nothing when the info has
// none).

struct KeyValue {
  std::span<const std::string> fields;  // one, or two for the critical zone
  bool decimalComma;
  std::string_view text() const { return fields.front(); }
  std::optional<double> number() const { return fileNumber(text(), decimalComma); }
};

using ReadKey = std::string (*)(const KeyValue& value, CapacityTableInfo& info);
using WriteKey = std::string (*)(const CapacityTableInfo& info);

// A number with one of several unit words after it ("12000 kg"); matched
// without regard to case.
template <typename Unit>
struct UnitWord {
  std::string_view word;
  Unit unit;
};

template <typename Unit, std::size_t N>
std::optional<std::pair<double, Unit>> numberWithUnit(const KeyValue& value,
                                                      const std::array<UnitWord<Unit>, N>& words) {
  const std::string_view text = value.text();
  for (const UnitWord<Unit>& word : words) {
    if (!endsIgnoringCase(text, word.word)) continue;
    const std::string_view number = trimmed(text.substr(0, text.size() - word.word.size()));
    const std::optional<double> parsed = fileNumber(number, value.decimalComma);
    if (parsed) return std::pair{*parsed, word.unit};
  }
  return std::nullopt;
}

const std::array<UnitWord<RoofWeightUnit>, 3> kWeightWords = {{
    {"kg", RoofWeightUnit::Kilograms},
    {"lb", RoofWeightUnit::Pounds},
    {"lbs", RoofWeightUnit::Pounds},
}};
const std::array<UnitWord<RoofDensityUnit>, 4> kDensityWords = {{
    {"API", RoofDensityUnit::Api},
    {"°API", RoofDensityUnit::Api},
    {"kg/m3", RoofDensityUnit::KilogramsPerCubicMetre},
    {"kg/m³", RoofDensityUnit::KilogramsPerCubicMetre},
}};

struct NamedRoof {
  std::string_view name;
  RoofKind kind;
};
const std::array<NamedRoof, 3> kRoofNames = {{
    {"fixed", RoofKind::Fixed},
    {"floating, deducted", RoofKind::FloatingDeducted},
    {"floating, not deducted", RoofKind::FloatingNotDeducted},
}};

struct NamedShell {
  std::string_view name;  // as written
  std::string_view bare;  // lower case, without spaces or a degree sign
  ShellReferenceTemperature temperature;
};
const std::array<NamedShell, 2> kShellNames = {{
    {"60 F", "60f", ShellReferenceTemperature::F60},
    {"15 C", "15c", ShellReferenceTemperature::C15},
}};

// A key whose value is any text.
template <std::string CapacityTableInfo::*field>
std::string readText(const KeyValue& value, CapacityTableInfo& info) {
  info.*field = value.text();
  return {};
}

template <std::string CapacityTableInfo::*field>
std::string writeText(const CapacityTableInfo& info) {
  return info.*field;
}

template <std::optional<double> CapacityTableInfo::*field>
std::string writeNumber(const CapacityTableInfo& info) {
  const std::optional<double>& value = info.*field;
  return value ? exactDecimalText(*value) : "";
}

std::string readHeightUnit(const KeyValue& value, CapacityTableInfo& info) {
  if (!heightUnitRow(value.text())) return unknownHeightUnitText(value.text());
  info.heightUnit = value.text();
  return {};
}

std::string readVolumeUnit(const KeyValue& value, CapacityTableInfo& info) {
  if (!volumeUnitRow(value.text())) return unknownVolumeUnitText(value.text());
  info.volumeUnit = value.text();
  return {};
}

std::string readReferenceHeight(const KeyValue& value, CapacityTableInfo& info) {
  const std::optional<double> height = value.number();
  if (!height || !(*height > 0)) return "the reference height " + shown(value.text()) + " is not a number above zero.";
  info.referenceHeight = *height;
  return {};
}

std::string readShellReference(const KeyValue& value, CapacityTableInfo& info) {
  std::string bare;
  const std::string_view text = value.text();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 2) == "°") {
      ++i;
    } else if (!isBlank(text[i])) {
      bare += lowerAscii(text[i]);
    }
  }
  for (const NamedShell& shell : kShellNames) {
    if (bare == shell.bare) {
      info.shellReference = shell.temperature;
      return {};
    }
  }
  return "the shell reference temperature " + shown(text) + " is neither 60 F nor 15 C.";
}

std::string readRoof(const KeyValue& value, CapacityTableInfo& info) {
  for (const NamedRoof& roof : kRoofNames) {
    if (sameIgnoringCase(value.text(), roof.name)) {
      info.roof = roof.kind;
      return {};
    }
  }
  return "the roof " + shown(value.text()) + " is none of \"fixed\", \"floating, deducted\" and \"floating, not " +
         "deducted\".";
}

std::string readRoofWeight(const KeyValue& value, CapacityTableInfo& info) {
  const auto weight = numberWithUnit(value, kWeightWords);
  if (!weight || !(weight->first > 0))
    return "the roof weight " + shown(value.text()) + " is not a number above zero and its unit, kg or lb (12000 kg).";
  info.roofWeight = RoofWeight{weight->first, weight->second};
  return {};
}

std::string readRoofDensity(const KeyValue& value, CapacityTableInfo& info) {
  const auto density = numberWithUnit(value, kDensityWords);
  if (!density || !(density->first > 0))
    return "the roof reference density " + shown(value.text()) +
           " is not a number above zero and its unit, API or kg/m3 (31.5 API).";
  info.roofReferenceDensity = RoofDensity{density->first, density->second};
  return {};
}

std::string readRoofAdjustment(const KeyValue& value, CapacityTableInfo& info) {
  const std::optional<double> adjustment = value.number();
  if (!adjustment) return "the roof adjustment " + shown(value.text()) + " is not a number.";
  info.roofAdjustment = *adjustment;
  return {};
}

// "0.9 1.4" in one field, or 0.9 and 1.4 in two.
std::string readCriticalZone(const KeyValue& value, CapacityTableInfo& info) {
  std::array<std::string_view, 2> ends;
  std::size_t count = 0;
  for (const std::string& field : value.fields) {
    std::string_view rest = field;
    while (!(rest = trimmed(rest)).empty()) {
      const std::size_t end = std::min(std::min(rest.find(' '), rest.find('\t')), rest.size());
      if (count < ends.size()) ends[count] = rest.substr(0, end);
      ++count;
      rest.remove_prefix(end);
    }
  }
  std::optional<double> low, high;
  if (count == 2) {
    low = fileNumber(ends[0], value.decimalComma);
    high = fileNumber(ends[1], value.decimalComma);
  }
  if (!low || !high || !(*low < *high)) {
    std::string typed;
    for (const std::string& field : value.fields) typed += (typed.empty() ? "" : " ") + field;
    return "the critical zone " + shown(typed) + " is not two heights, the lower first (0.9 1.4).";
  }
  info.criticalZone = HeightRange{*low, *high};
  return {};
}

std::string writeShellReference(const CapacityTableInfo& info) {
  for (const NamedShell& shell : kShellNames)
    if (info.shellReference == shell.temperature) return std::string(shell.name);
  return {};
}

std::string writeRoof(const CapacityTableInfo& info) {
  for (const NamedRoof& roof : kRoofNames)
    if (info.roof == roof.kind) return std::string(roof.name);
  return {};
}

std::string writeRoofWeight(const CapacityTableInfo& info) {
  if (!info.roofWeight) return {};
  return exactDecimalText(info.roofWeight->value) +
         (info.roofWeight->unit == RoofWeightUnit::Kilograms ? " kg" : " lb");
}

std::string writeRoofDensity(const CapacityTableInfo& info) {
  if (!info.roofReferenceDensity) return {};
  return exactDecimalText(info.roofReferenceDensity->value) +
         (info.roofReferenceDensity->unit == RoofDensityUnit::Api ? " API" : " kg/m3");
}

std::string writeCriticalZone(const CapacityTableInfo& info) {
  if (!info.criticalZone) return {};
  return exactDecimalText(info.criticalZone->low) + " " + exactDecimalText(info.criticalZone->high);
}

// How many value fields a header key takes.
enum class KeyFields { One, OneOrTwo };

// The header keys, in the order they are written.
struct HeaderKey {
  std::string_view name;
  ReadKey read;
  WriteKey write;
  KeyFields fields = KeyFields::One;
};

using Info = CapacityTableInfo;
const HeaderKey kHeaderKeys[] = {
    {.name = "tank", .read = readText<&Info::tank>, .write = writeText<&Info::tank>},
    {.name = "height unit", .read = readHeightUnit, .write = writeText<&Info::heightUnit>},
    {.name = "volume unit", .read = readVolumeUnit, .write = writeText<&Info::volumeUnit>},
    {.name = "reference height", .read = readReferenceHeight, .write = writeNumber<&Info::referenceHeight>},
    {.name = "shell reference temperature", .read = readShellReference, .write = writeShellReference},
    {.name = "roof", .read = readRoof, .write = writeRoof},
    {.name = "roof weight", .read = readRoofWeight, .write = writeRoofWeight},
    {.name = "roof reference density", .read = readRoofDensity, .write = writeRoofDensity},
    {.name = "roof adjustment", .read = readRoofAdjustment, .write = writeNumber<&Info::roofAdjustment>},
    {.name = "critical zone", .read = readCriticalZone, .write = writeCriticalZone, .fields = KeyFields::OneOrTwo},
    {.name = "calibrated on", .read = readText<&Info::calibratedOn>, .write = writeText<&Info::calibratedOn>},
    {.name = "calibrated by", .read = readText<&Info::calibratedBy>, .write = writeText<&Info::calibratedBy>},
};
constexpr std::size_t kKeyCount = std::size(kHeaderKeys);

const HeaderKey* findKey(std::string_view name) {
  for (const HeaderKey& key : kHeaderKeys)
    if (sameIgnoringCase(name, key.name)) return &key;
  return nullptr;
}

std::string keyNames() {
  std::vector<std::string> names;
  for (const HeaderKey& key : kHeaderKeys) names.emplace_back(key.name);
  return namesList(names);
}

// What the header must say once it is read, when the rows do not carry
// their units: the height and volume units.
std::string unitsFault(const CapacityTableInfo& info) {
  if (info.heightUnit.empty())
    return "the header names no height unit: add a row such as \"height unit,Meters\" before the data (the height "
           "units are " +
           namesList(CapacityHeightUnits()) + ").";
  if (info.volumeUnit.empty())
    return "the header names no volume unit: add a row such as \"volume unit,Litres\" before the data (the volume "
           "units are " +
           namesList(CapacityVolumeUnits()) + ").";
  return {};
}

// A roof adjustment is a volume per unit of the roof reference density, so
// it needs that density.
std::string roofAdjustmentFault(const CapacityTableInfo& info) {
  if (info.roofAdjustment && !info.roofReferenceDensity)
    return "the roof adjustment is a volume per °API or per kg/m3 of the roof reference density, which the header "
           "does not give.";
  return {};
}

// The data headers: the table's own, with its optional column of heights in
// feet and inches, and the older export of the chart preview.
constexpr std::array<std::string_view, 3> kDataColumns = {"height", "volume", "height ft-in"};
constexpr std::array<std::string_view, 4> kChartColumns = {"Liquid Height", "Height Unit", "Volume Quantity",
                                                           "Volume Unit"};

template <std::size_t N>
bool columnsAre(std::span<const std::string> fields, const std::array<std::string_view, N>& columns) {
  if (fields.size() > columns.size()) return false;
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (!sameIgnoringCase(fields[i], columns[i])) return false;
  return true;
}

// ---------------------------------------------------------------------------
// Rows

// A row's height and volume as the file or the caller gave them, for messages.
using RowTexts = std::array<std::string, 2>;

bool inOrder(const CapacityRow& before, const CapacityRow& row) {
  return row.height > before.height && row.volume >= before.volume;
}

// Why a row is out of order after the one before it.
std::string orderFault(const CapacityRow& before, const CapacityRow& row, const RowTexts& beforeTexts,
                       const RowTexts& texts) {
  if (!(row.height > before.height)) return heightNotRisingText(texts[0], beforeTexts[0]);
  return volumeFallingText(texts[1], beforeTexts[1]);
}

}  // namespace

// Builds the one kind of table there is: whole and checked.
struct CapacityTableMaker {
  static CapacityTableReading make(CapacityTableInfo info, std::vector<CapacityRow> rows) {
    const UnitFactor* height = heightUnitRow(info.heightUnit);
    const UnitFactor* volume = volumeUnitRow(info.volumeUnit);
    CapacityTableReading reading;
    reading.table.emplace(CapacityTable(std::move(info), std::move(rows), height, volume));
    return reading;
  }
};

namespace {

CapacityTableReading faulty(std::string text, int line = 0) {
  CapacityTableReading reading;
  reading.fault = std::move(text);
  reading.faultLine = line;
  return reading;
}

std::string located(const char* where, int line, const std::string& fault) {
  return std::string(where) + " " + std::to_string(line) + ": " + fault;
}

// ---------------------------------------------------------------------------
// The reader

// Splits a line into its fields: spaces and tabs around each taken off,
// quotes removed and doubled quotes made one, empty fields at the end
// dropped. Gives the fault when a quote is not closed, or text follows one.
class FieldSplitter {
 public:
  std::string split(std::string_view line, char separator) {
    count_ = 0;
    std::size_t i = 0;
    while (true) {
      while (i < line.size() && isBlank(line[i])) ++i;
      std::string& field = next();
      if (i < line.size() && line[i] == '"') {
        std::string fault = quoted(line, separator, i, field);
        if (!fault.empty()) return fault;
      } else {
        const std::size_t end = std::min(line.find(separator, i), line.size());
        field.assign(trimmed(line.substr(i, end - i)));
        i = end;
      }
      if (i >= line.size()) break;
      ++i;  // the separator
    }
    while (count_ > 0 && fields_[count_ - 1].empty()) --count_;
    return {};
  }

  std::span<const std::string> fields() const { return {fields_.data(), count_}; }

 private:
  std::string& next() {
    if (count_ == fields_.size()) fields_.emplace_back();
    return fields_[count_++];
  }

  static std::string quoted(std::string_view line, char separator, std::size_t& i, std::string& field) {
    field.clear();
    for (++i;; ++i) {
      if (i >= line.size()) return "a quoted field is not closed before the end of the line.";
      if (line[i] != '"') {
        field += line[i];
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        break;
      }
    }
    for (++i; i < line.size() && isBlank(line[i]); ++i) {
    }
    if (i < line.size() && line[i] != separator) return "text follows the closing quote of a field.";
    return {};
  }

  std::vector<std::string> fields_;
  std::size_t count_ = 0;
};

// The separator of a file: a comma or a semicolon, whichever comes first
// outside quotes in its first line that has one.
char separatorOf(std::string_view line) {
  bool inQuotes = false;
  for (char c : line) {
    if (c == '"') inQuotes = !inQuotes;
    if (!inQuotes && (c == ',' || c == ';')) return c;
  }
  return ',';
}

class TableReader {
 public:
  explicit TableReader(std::string_view bytes) : bytes_(bytes) {}

  CapacityTableReading read() {
    if (bytes_.size() > kMostCapacityTableBytes) return faulty(kTooLargeFileText);
    if (bytes_.substr(0, 3) == "\xEF\xBB\xBF") bytes_.remove_prefix(3);
    reserveRows();
    std::size_t pos = 0;
    while (pos < bytes_.size()) {
      const std::size_t end = std::min(bytes_.find_first_of("\r\n", pos), bytes_.size());
      ++line_;
      const std::string fault = readLine(bytes_.substr(pos, end - pos));
      if (!fault.empty()) return faulty(located("Line", line_, fault), line_);
      // CR LF is one line end; a lone CR or LF is one too.
      pos = bytes_.substr(end, 2) == "\r\n" ? end + 2 : end + 1;
    }
    return finish();
  }

 private:
  enum class Section { Header, Data, ChartExport };

  void reserveRows() {
    const auto lines = static_cast<std::size_t>(std::count(bytes_.begin(), bytes_.end(), '\n'));
    rows_.reserve(std::min(lines + 1, kMostCapacityTableRows));
  }

  std::string readLine(std::string_view line) {
    if (!separator_) {
      if (trimmed(line).empty()) return {};
      separator_ = separatorOf(line);
    }
    std::string fault = splitter_.split(line, separator_);
    if (!fault.empty()) return fault;
    const std::span<const std::string> fields = splitter_.fields();
    if (fields.empty()) return {};  // blank
    switch (section_) {
      case Section::Header:
        return headerLine(fields);
      case Section::Data:
        return dataRow(line, fields);
      case Section::ChartExport:
        return chartRow(line, fields);
    }
    return {};
  }

  bool decimalComma() const { return separator_ == ';'; }

  std::string headerLine(std::span<const std::string> fields) {
    if (sameIgnoringCase(fields.front(), kDataColumns[0])) return dataHeader(fields);
    if (sameIgnoringCase(fields.front(), kChartColumns[0])) return chartHeader(fields);
    const HeaderKey* key = findKey(fields.front());
    if (!key) {
      if (fileNumber(fields.front(), decimalComma())) return kRowsBeforeHeaderText;
      return shown(fields.front()) + " is not a header key of a capacity table; the keys are " + keyNames() + ".";
    }
    const std::string keyName(key->name);
    const std::size_t index = static_cast<std::size_t>(key - kHeaderKeys);
    if (keyLines_[index] > 0)
      return "the key \"" + keyName + "\" is given a second time (first on line " + std::to_string(keyLines_[index]) +
             ").";
    keyLines_[index] = line_;
    const std::span<const std::string> values = fields.subspan(1);
    if (values.empty() || values.front().empty()) return "the key \"" + keyName + "\" has no value.";
    if (values.size() > 1 && key->fields == KeyFields::One)
      return "the key \"" + keyName +
             "\" takes one value; a value that holds the separator is written in quotes, as \"floating, deducted\".";
    return key->read(KeyValue{values, decimalComma()}, info_);
  }

  std::string dataHeader(std::span<const std::string> fields) {
    if (fields.size() < 2 || !columnsAre(fields, kDataColumns))
      return "the data header is not height,volume (with an optional third column, height ft-in).";
    columns_ = fields.size();
    std::string fault = unitsFault(info_);
    return startData(Section::Data, fault.empty() ? roofAdjustmentFault(info_) : fault);
  }

  std::string chartHeader(std::span<const std::string> fields) {
    if (fields.size() != kChartColumns.size() || !columnsAre(fields, kChartColumns))
      return "the data header is not Liquid Height,Height Unit,Volume Quantity,Volume Unit.";
    return startData(Section::ChartExport, roofAdjustmentFault(info_));  // the units come with the rows
  }

  std::string startData(Section section, std::string fault) {
    section_ = section;
    dataHeaderLine_ = line_;
    return fault;
  }

  // A row of the table's own form: a height, a volume and perhaps the
  // height in feet and inches, which is not read.
  std::string dataRow(std::string_view line, std::span<const std::string> fields) {
    std::optional<double> height, volume;
    if (fields.size() >= 2 && fields.size() <= columns_) {
      height = fileNumber(fields[0], decimalComma());
      volume = fileNumber(fields[1], decimalComma());
    }
    if (!height || !volume) return "the row " + shown(trimmed(line)) + " is not two numbers, a height and a volume.";
    return addRow(line, {*height, *volume});
  }

  // A row of the chart preview's older export: height, its unit, volume,
  // its unit; the units the same on every row.
  std::string chartRow(std::string_view line, std::span<const std::string> fields) {
    std::optional<double> height, volume;
    if (fields.size() == kChartColumns.size()) {
      height = fileNumber(fields[0], decimalComma());
      volume = fileNumber(fields[2], decimalComma());
    }
    if (!height || !volume)
      return "the row " + shown(trimmed(line)) + " is not a height, its unit, a volume and its unit.";
    std::string fault = rowUnit(fields[1], info_.heightUnit, "height", heightUnitRow, unknownHeightUnitText);
    if (fault.empty()) fault = rowUnit(fields[3], info_.volumeUnit, "volume", volumeUnitRow, unknownVolumeUnitText);
    if (!fault.empty()) return fault;
    return addRow(line, {*height, *volume});
  }

  // A row's unit: known, and the table's (the first row's, unless the header names it).
  static std::string rowUnit(const std::string& unit, std::string& tableUnit, const char* what,
                             const UnitFactor* (*known)(std::string_view),
                             std::string (*unknownText)(std::string_view)) {
    if (!known(unit)) return unknownText(unit);
    if (tableUnit.empty()) tableUnit = unit;
    if (unit != tableUnit)
      return "the " + std::string(what) + " unit " + shown(unit) + " is not the table's, " + shown(tableUnit) + ".";
    return {};
  }

  std::string addRow(std::string_view line, const CapacityRow& row) {
    if (rows_.size() == kMostCapacityTableRows) return kTooManyRowsText;
    if (!rows_.empty() && !inOrder(rows_.back(), row))
      return orderFault(rows_.back(), row, typedTexts(previousLine_), typedTexts(line));
    rows_.push_back(row);
    previousLine_ = line;
    return {};
  }

  // A row's height and volume as typed. Only a faulty row needs them, so the
  // rows are kept as lines and split again then.
  RowTexts typedTexts(std::string_view line) {
    (void)splitter_.split(line, separator_);
    const std::span<const std::string> fields = splitter_.fields();
    return {fields[0], fields[section_ == Section::ChartExport ? 2 : 1]};
  }

  CapacityTableReading finish() {
    if (!separator_) return faulty(kEmptyFileText);
    if (section_ == Section::Header) return faulty(kNoDataText);
    if (rows_.size() < 2)
      return faulty(located("Line", dataHeaderLine_, tooFewRowsText(rows_.size())), dataHeaderLine_);
    return CapacityTableMaker::make(std::move(info_), std::move(rows_));
  }

  std::string_view bytes_;
  char separator_ = 0;  // none until the first line with text
  int line_ = 0;
  Section section_ = Section::Header;
  int dataHeaderLine_ = 0;
  std::size_t columns_ = 2;
  std::array<int, kKeyCount> keyLines_{};
  CapacityTableInfo info_;
  std::vector<CapacityRow> rows_;
  std::string_view previousLine_;
  FieldSplitter splitter_;
};

// ---------------------------------------------------------------------------
// The writer

// A text field of the file: quoted when it holds a separator or a quote, or
// begins or ends with a space; line breaks written as spaces.
std::string csvText(std::string_view text) {
  std::string field(text);
  std::replace_if(
      field.begin(), field.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  const bool quote = field.find_first_of(",;\"") != std::string::npos ||
                     (!field.empty() && (isBlank(field.front()) || isBlank(field.back())));
  return quote ? quotedCsvField(field) : field;
}

}  // namespace

std::string quotedCsvField(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

CapacityTable::CapacityTable(CapacityTableInfo info, std::vector<CapacityRow> rows, const UnitFactor* height,
                             const UnitFactor* volume)
    : info_(std::move(info)), rows_(std::move(rows)), height_(height), volume_(volume) {}

namespace {

std::string amountText(double value, const std::string& unit) { return generalText(value) + " " + unit; }

TableLookup refusedLookup(std::string text) { return {false, 0, std::move(text)}; }

// Refuses a value outside the range of a column: "The height 12.5 Meters is
// above the capacity table, which ends at 10 Meters; …".
std::optional<TableLookup> outsideFault(const char* what, double value, double first, double last,
                                        const std::string& unit) {
  if (!std::isfinite(value)) return refusedLookup(std::string("The ") + what + " is not a number.");
  const char* const notExtrapolated = "; a capacity table is not extrapolated.";
  if (value < first)
    return refusedLookup(std::string("The ") + what + " " + amountText(value, unit) +
                         " is below the capacity table, which starts at " + amountText(first, unit) + notExtrapolated);
  if (value > last)
    return refusedLookup(std::string("The ") + what + " " + amountText(value, unit) +
                         " is above the capacity table, which ends at " + amountText(last, unit) + notExtrapolated);
  return std::nullopt;
}

TableLookup found(double value) { return {true, value, {}}; }

// The straight line through (x0, y0) and (x1, y1) at x, x0 < x < x1. It is
// worked in halves, which are exact, so that rows as far apart as the range
// of a double allows give the same number as any others, never an overflow.
double interpolated(double x, double x0, double x1, double y0, double y1) {
  const double t = (x / 2 - x0 / 2) / (x1 / 2 - x0 / 2);
  return 2 * (y0 / 2 + t * (y1 / 2 - y0 / 2));
}

}  // namespace

TableLookup CapacityTable::volumeAt(double height) const {
  if (auto refused = outsideFault("height", height, rows_.front().height, rows_.back().height, info_.heightUnit))
    return *refused;
  // The first row above the height; the row before it is at or below it.
  const auto above = std::upper_bound(rows_.begin(), rows_.end(), height,
                                      [](double h, const CapacityRow& row) { return h < row.height; });
  const CapacityRow& low = *(above - 1);
  if (low.height == height || above == rows_.end()) return found(low.volume);
  const CapacityRow& high = *above;
  return found(interpolated(height, low.height, high.height, low.volume, high.volume));
}

TableLookup CapacityTable::heightAt(double volume) const {
  if (auto refused = outsideFault("volume", volume, rows_.front().volume, rows_.back().volume, info_.volumeUnit))
    return *refused;
  // The first row holding at least the volume: on a flat stretch, its lowest.
  const auto atOrAbove = std::lower_bound(rows_.begin(), rows_.end(), volume,
                                          [](const CapacityRow& row, double v) { return row.volume < v; });
  if (atOrAbove->volume == volume || atOrAbove == rows_.begin()) return found(atOrAbove->height);
  const CapacityRow& low = *(atOrAbove - 1);
  const CapacityRow& high = *atOrAbove;
  return found(interpolated(volume, low.volume, high.volume, low.height, high.height));
}

bool CapacityTable::inCriticalZone(double height) const {
  return info_.criticalZone && height >= info_.criticalZone->low && height <= info_.criticalZone->high;
}

double CapacityTable::heightToMetres(double height) const { return applyFactor(*height_, height); }
double CapacityTable::metresToHeight(double metres) const { return unapplyFactor(*height_, metres); }
double CapacityTable::volumeToCubicMetres(double volume) const { return unapplyFactor(*volume_, volume); }
double CapacityTable::cubicMetresToVolume(double cubicMetres) const { return applyFactor(*volume_, cubicMetres); }

double RoofWeight::kilograms() const { return unit == RoofWeightUnit::Pounds ? value * kKilogramsPerPound : value; }

CapacityTableReading readCapacityTable(std::string_view bytes) { return TableReader(bytes).read(); }

CapacityTableReading capacityTableFromRows(CapacityTableInfo info, std::vector<CapacityRow> rows) {
  if (!heightUnitRow(info.heightUnit)) return faulty(unknownHeightUnitText(info.heightUnit));
  if (!volumeUnitRow(info.volumeUnit)) return faulty(unknownVolumeUnitText(info.volumeUnit));
  std::string infoProblem = roofAdjustmentFault(info);
  if (!infoProblem.empty()) {
    infoProblem.front() = static_cast<char>(infoProblem.front() - 'a' + 'A');  // a sentence of its own
    return faulty(infoProblem);
  }
  if (rows.size() > kMostCapacityTableRows) return faulty("The table has more than 1,000,000 rows.");
  if (rows.size() < 2)
    return faulty(rows.empty() ? "The table has no rows; it needs at least two."
                               : "The table has only one row; it needs at least two.");
  const auto texts = [](const CapacityRow& row) { return RowTexts{generalText(row.height), generalText(row.volume)}; };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (!std::isfinite(rows[i].height) || !std::isfinite(rows[i].volume))
      return faulty(located("Row", number, "the height or the volume is not a number."), number);
    if (i > 0 && !inOrder(rows[i - 1], rows[i]))
      return faulty(located("Row", number, orderFault(rows[i - 1], rows[i], texts(rows[i - 1]), texts(rows[i]))),
                    number);
  }
  return CapacityTableMaker::make(std::move(info), std::move(rows));
}

std::string capacityTableCsv(const CapacityTable& table, const CapacityCsvOptions& options) {
  const CapacityTableInfo& info = table.info();
  std::string csv;
  for (const HeaderKey& key : kHeaderKeys) {
    const std::string value = key.write(info);
    if (!value.empty()) csv += std::string(key.name) + "," + csvText(value) + "\r\n";
  }
  const std::optional<FeetOrInches> feetInches =
      options.feetInches ? feetOrInches(info.heightUnit) : std::optional<FeetOrInches>();
  csv += feetInches ? "height,volume,height ft-in\r\n" : "height,volume\r\n";
  csv.reserve(csv.size() + table.rows().size() * (feetInches ? 40 : 24));
  for (const CapacityRow& row : table.rows()) {
    csv += fixedText(row.height, options.heightDecimals);
    csv += ',';
    csv += fixedText(row.volume, options.volumeDecimals);
    if (feetInches) {
      csv += ',';
      csv += csvText(feetInchesText(row.height, *feetInches, options.fraction));
    }
    csv += "\r\n";
  }
  return csv;
}

}  // namespace calvexa
