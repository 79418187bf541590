// Capacity tables: a tank's calibrated heights and volumes, read from a CSV
// file (one per tank), written back to one, and looked up by linear
// interpolation between the rows.
//
// The file: optional header rows "key,value" (keys in any case), then the
// data header "height,volume" (an optional third column "height ft-in" holds
// the height in feet and inches for people; it is not read), then one row per
// height, heights strictly rising and volumes never falling:
//
//   tank,T-101
//   height unit,Meters
//   volume unit,Cubic Meters
//   critical zone,0.9 1.4
//   height,volume
//   0.000,0.000
//   0.010,0.795
//
// The keys: tank, height unit, volume unit (both required: the program's
// tank length and volume unit names, and "Barrels"), reference height,
// shell reference temperature ("60 F" or "15 C"), roof ("fixed", "floating,
// deducted", "floating, not deducted"), roof weight ("12000 kg", "26455 lb"),
// roof reference density ("31.5 API", "850 kg/m3"), roof adjustment (volume
// per °API or per kg/m³ of the roof reference density's unit), critical zone
// (the low and the high height, one space apart, or in two fields),
// calibrated on, calibrated by.
//
// The chart preview's older export, "Liquid Height,Height Unit,Volume
// Quantity,Volume Unit" with the units on every row, is read too.
//
// Either a comma or a semicolon separates the fields, whichever comes first
// in the file's first line; with semicolons a number may have a decimal comma.
// A field may be quoted ("floating, deducted"), its quotes doubled. A UTF-8
// byte order mark, CR LF, LF or CR line ends, blank lines and separators at
// the end of a line are all taken.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/feet_inches.h"
#include "core/units.h"

namespace calvexa {

// The names a table's heights and volumes may be in: the tank windows' length
// units, and their volume units with "Barrels".
const UnitOrder& CapacityHeightUnits();
const UnitOrder& CapacityVolumeUnits();

// A file larger than this, or with more rows, is not read.
constexpr std::size_t kMostCapacityTableBytes = 64u * 1024 * 1024;
constexpr std::size_t kMostCapacityTableRows = 1000000;

enum class ShellReferenceTemperature { F60, C15 };  // "60 F", "15 C"
enum class RoofKind { Fixed, FloatingDeducted, FloatingNotDeducted };
enum class RoofWeightUnit { Kilograms, Pounds };             // "kg", "lb"
enum class RoofDensityUnit { Api, KilogramsPerCubicMetre };  // "API", "kg/m3"

struct RoofWeight {
  double value;
  RoofWeightUnit unit;
  double kilograms() const;  // pounds at 0.45359237 kg
};

// A density and its unit. The roof adjustment is a volume per one of this unit.
struct RoofDensity {
  double value;
  RoofDensityUnit unit;
};

struct HeightRange {
  double low;
  double high;
};

// What a table's header says. Heights are in the height unit, volumes in
// the volume unit.
struct CapacityTableInfo {
  std::string tank = {};  // the tank's identifier
  std::string heightUnit = {};
  std::string volumeUnit = {};
  std::optional<double> referenceHeight = {};  // the gauge height of the hatch, for ullage
  std::optional<ShellReferenceTemperature> shellReference = {};
  std::optional<RoofKind> roof = {};
  std::optional<RoofWeight> roofWeight = {};
  std::optional<RoofDensity> roofReferenceDensity = {};
  std::optional<double> roofAdjustment = {};     // volume per unit of the roof reference density
  std::optional<HeightRange> criticalZone = {};  // where a floating roof rests on its legs
  std::string calibratedOn = {};
  std::string calibratedBy = {};
};

struct CapacityRow {
  double height;
  double volume;
};

// A look-up in a table: the number found, or the one message why there is none.
struct TableLookup {
  bool found = false;
  double value = 0;
  std::string message = {};
};

// A tank's table, whole and checked: its units known, at least two rows,
// heights strictly rising, volumes never falling. Made only by
// readCapacityTable and capacityTableFromRows.
class CapacityTable {
 public:
  const CapacityTableInfo& info() const { return info_; }
  const std::vector<CapacityRow>& rows() const { return rows_; }

  // The volume at `height` (both in the table's units) by linear
  // interpolation between the two rows around it; exactly on a row, that
  // row's volume. Heights outside the table are refused, not extrapolated.
  TableLookup volumeAt(double height) const;

  // The height at which the tank holds `volume`: the inverse of volumeAt.
  // Where several rows hold the same volume (a flat stretch, such as the
  // deadwood of a floating roof's legs), the lowest of their heights.
  // Volumes outside the table are refused.
  TableLookup heightAt(double volume) const;

  // True when the table has a critical zone and `height` is in it, its ends
  // included.
  bool inCriticalZone(double height) const;

  // Between the table's units and metres or cubic metres, through the
  // program's unit factors.
  double heightToMetres(double height) const;
  double metresToHeight(double metres) const;
  double volumeToCubicMetres(double volume) const;
  double cubicMetresToVolume(double cubicMetres) const;

 private:
  friend struct CapacityTableMaker;
  CapacityTable(CapacityTableInfo info, std::vector<CapacityRow> rows, const UnitFactor* height,
                const UnitFactor* volume);

  CapacityTableInfo info_;
  std::vector<CapacityRow> rows_;
  const UnitFactor* height_;
  const UnitFactor* volume_;
};

// A table, or the one message that names its first fault: "Line 14: the
// height 1.250 is not above the height before it (1.250)." (a file), "Row 3:
// …" (rows handed in), or a sentence about the whole file. Never half a table.
struct CapacityTableReading {
  std::optional<CapacityTable> table;
  std::string fault;
  int faultLine = 0;  // the line (or row) named, 0 when none
};

// Reads a capacity table file from its bytes.
CapacityTableReading readCapacityTable(std::string_view bytes);

// A table from rows already in hand (a nominal chart's, to export it and read
// it again), checked like a file: `info` names at least the units.
CapacityTableReading capacityTableFromRows(CapacityTableInfo info, std::vector<CapacityRow> rows);

// How capacityTableCsv writes the rows.
struct CapacityCsvOptions {
  int heightDecimals = 3;
  int volumeDecimals = 3;
  // The "height ft-in" column, for tables in Feet or Inches (others have none).
  bool feetInches = false;
  InchFraction fraction = InchFraction::Eighths;
};

// The table as a file that readCapacityTable reads: the header rows it has
// (in the order of the key list above), the data header and the rows, comma
// separated with CR LF line ends, numbers in plain decimals (never an
// exponent): heights and volumes rounded half away from zero to their
// decimals, header numbers in full. Texts are quoted where CSV needs it;
// line breaks in them are written as spaces.
std::string capacityTableCsv(const CapacityTable& table, const CapacityCsvOptions& options = {});

// A CSV field in quotes, its own quotes doubled: "a ""b"", c".
std::string quotedCsvField(std::string_view text);

}  // namespace calvexa
