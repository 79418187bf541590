// Capacity tables: the reader against good and bad files (every fault with
// its line), the writer and its round trip in every unit, and the look-ups
// by interpolation against rows worked by hand.
#include "core/capacity_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace calvexa {
namespace {

const char* const kKeyList =
    "tank, height unit, volume unit, reference height, shell reference temperature, roof, roof weight, roof "
    "reference density, roof adjustment, critical zone, calibrated on and calibrated by";
const char* const kHeightUnitList = "Meters, Centimeters, Millimeters, Inches and Feet";
const char* const kVolumeUnitList =
    "Litres, Cubic Meters, Gallons (Canada), Gallons (U.S.), Cubic Feet, Drums (208 litre) and Barrels";

// The units of most files, then the data header.
const std::string kUnits = "height unit,Meters\nvolume unit,Cubic Meters\n";
const std::string kData = kUnits + "height,volume\n";

std::vector<CapacityRow> rowsOf(const CapacityTableReading& reading) {
  return reading.table ? reading.table->rows() : std::vector<CapacityRow>{};
}

void expectRows(const std::vector<CapacityRow>& actual, const std::vector<CapacityRow>& expected, const char* name) {
  ASSERT_EQ(actual.size(), expected.size()) << name;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].height, expected[i].height) << name << ", row " << i;
    EXPECT_EQ(actual[i].volume, expected[i].volume) << name << ", row " << i;
  }
}

// ---------------------------------------------------------------------------
// Good files

TEST(CapacityTableReader, ReadsEveryHeaderKey) {
  const std::string file =
      "tank,T-101\n"
      "Height Unit,Feet\n"  // keys in any case
      "VOLUME UNIT,Barrels\n"
      "reference height,42.5\n"
      "shell reference temperature,60 F\n"
      "roof,\"floating, deducted\"\n"
      "roof weight,26455 lb\n"
      "roof reference density,31.5 API\n"
      "roof adjustment,-2.25\n"
      "critical zone,3 5.5\n"
      "calibrated on,2024-03-01\n"
      "calibrated by,\"North Field Calibration, Ltd.\"\n"
      "Height,VOLUME\n"
      "0,0\n"
      "10,1000.5\n";
  const CapacityTableReading reading = readCapacityTable(file);
  ASSERT_TRUE(reading.table) << reading.fault;
  EXPECT_EQ(reading.fault, "");
  const CapacityTableInfo& info = reading.table->info();
  EXPECT_EQ(info.tank, "T-101");
  EXPECT_EQ(info.heightUnit, "Feet");
  EXPECT_EQ(info.volumeUnit, "Barrels");
  EXPECT_EQ(info.referenceHeight, 42.5);
  EXPECT_EQ(info.shellReference, ShellReferenceTemperature::F60);
  EXPECT_EQ(info.roof, RoofKind::FloatingDeducted);
  ASSERT_TRUE(info.roofWeight);
  EXPECT_EQ(info.roofWeight->value, 26455);
  EXPECT_EQ(info.roofWeight->unit, RoofWeightUnit::Pounds);
  EXPECT_DOUBLE_EQ(info.roofWeight->kilograms(), 26455 * 0.45359237);
  ASSERT_TRUE(info.roofReferenceDensity);
  EXPECT_EQ(info.roofReferenceDensity->value, 31.5);
  EXPECT_EQ(info.roofReferenceDensity->unit, RoofDensityUnit::Api);
  EXPECT_EQ(info.roofAdjustment, -2.25);
  ASSERT_TRUE(info.criticalZone);
  EXPECT_EQ(info.criticalZone->low, 3);
  EXPECT_EQ(info.criticalZone->high, 5.5);
  EXPECT_EQ(info.calibratedOn, "2024-03-01");
  EXPECT_EQ(info.calibratedBy, "North Field Calibration, Ltd.");
  expectRows(reading.table->rows(), {{0, 0}, {10, 1000.5}}, "every key");
}

TEST(CapacityTableReader, ReadsTheForms) {
  struct Case {
    const char* name;
    std::string file;
    std::vector<CapacityRow> rows;
  };
  const std::vector<CapacityRow> three = {{0, 0}, {0.01, 0.795}, {1.25, 99.5}};
  const Case cases[] = {
      {"LF line ends", kData + "0,0\n0.01,0.795\n1.25,99.5\n", three},
      {"no line end at the end", kData + "0,0\n0.01,0.795\n1.25,99.5", three},
      {"byte order mark and CR LF", "\xEF\xBB\xBF" + kUnits + "height,volume\r\n0,0\r\n0.01,0.795\r\n1.25,99.5\r\n",
       three},
      {"CR alone", "height unit,Meters\rvolume unit,Cubic Meters\rheight,volume\r0,0\r0.01,0.795\r1.25,99.5\r", three},
      {"semicolons and decimal commas",
       "height unit;Meters\nvolume unit;Cubic Meters\nheight;volume\n0;0\n0,01;0,795\n1.25;99,5\n", three},
      {"blank lines, spaces and separators at the end of lines",
       "\n  \n" + kUnits + "\n,,\nheight,volume,,\n 0 , 0 ,\n\n0.01,0.795,,,\r\n\t1.25\t,99.5\n\n\n", three},
      {"quoted fields, doubled quotes",
       "tank,\"T-101 \"\"east\"\"\"\n\"height unit\",\"Meters\"\n" + kUnits.substr(19) +
           "\"height\",\"volume\"\n\"0\",\"0\"\n0.01,\"0.795\"\n \"1.25\" , 99.5\n",
       three},
      {"the column of heights in feet and inches is not read",
       "height unit,Feet\nvolume unit,Litres\nheight,volume,height ft-in\n0,0,\"0' 0\"\"\"\n1.25,99.5,1' 3\"\n"
       "2.5,200,whatever\n3,250\n",
       {{0, 0}, {1.25, 99.5}, {2.5, 200}, {3, 250}}},
      {"a flat stretch of equal volumes",
       kData + "0,0\n0.5,10\n1,10\n1.5,20\n",
       {{0, 0}, {0.5, 10}, {1, 10}, {1.5, 20}}},
      {"exponents and signs", kData + "-0.5,-1\n+0,0\n1E1,1.5e3\n", {{-0.5, -1}, {0, 0}, {10, 1500}}},
      {"the chart's own export: units on every row",
       "Liquid Height,Height Unit,Volume Quantity,Volume Unit\r\n0,Meters,0.000,Litres\r\n1.5E-07,Meters,0.063,"
       "Litres\r\n0.1,Meters,1234.500,Litres\r\n",
       {{0, 0}, {1.5e-7, 0.063}, {0.1, 1234.5}}},
      {"the chart's export with a header of its own and semicolons",
       "tank;chart\nliquid height;height unit;volume quantity;volume unit\n0;Inches;0,000;Barrels\n12;Inches;"
       "1,500;Barrels\n",
       {{0, 0}, {12, 1.5}}},
  };
  for (const Case& c : cases) {
    const CapacityTableReading reading = readCapacityTable(c.file);
    EXPECT_EQ(reading.fault, "") << c.name;
    expectRows(rowsOf(reading), c.rows, c.name);
  }
  EXPECT_EQ(readCapacityTable(cases[6].file).table->info().tank, "T-101 \"east\"");
  const CapacityTableReading chart = readCapacityTable(cases[10].file);
  EXPECT_EQ(chart.table->info().heightUnit, "Meters");
  EXPECT_EQ(chart.table->info().volumeUnit, "Litres");
  const CapacityTableReading semicolons = readCapacityTable(cases[11].file);
  EXPECT_EQ(semicolons.table->info().heightUnit, "Inches");
  EXPECT_EQ(semicolons.table->info().volumeUnit, "Barrels");
}

TEST(CapacityTableReader, ReadsEachFormOfAHeaderValue) {
  struct Case {
    const char* line;
    void (*check)(const CapacityTableInfo&);
  };
  const Case cases[] = {
      {"shell reference temperature,15 C",
       [](const CapacityTableInfo& i) { EXPECT_EQ(i.shellReference, ShellReferenceTemperature::C15); }},
      {"shell reference temperature,60 °F",
       [](const CapacityTableInfo& i) { EXPECT_EQ(i.shellReference, ShellReferenceTemperature::F60); }},
      {"shell reference temperature,15c",
       [](const CapacityTableInfo& i) { EXPECT_EQ(i.shellReference, ShellReferenceTemperature::C15); }},
      {"roof,fixed", [](const CapacityTableInfo& i) { EXPECT_EQ(i.roof, RoofKind::Fixed); }},
      {"roof,\"Floating, Not Deducted\"",
       [](const CapacityTableInfo& i) { EXPECT_EQ(i.roof, RoofKind::FloatingNotDeducted); }},
      {"roof weight,12000 kg",
       [](const CapacityTableInfo& i) {
         EXPECT_EQ(i.roofWeight->unit, RoofWeightUnit::Kilograms);
         EXPECT_EQ(i.roofWeight->kilograms(), 12000);
       }},
      {"roof weight,12000kg", [](const CapacityTableInfo& i) { EXPECT_EQ(i.roofWeight->value, 12000); }},
      {"roof reference density,850 kg/m3",
       [](const CapacityTableInfo& i) {
         EXPECT_EQ(i.roofReferenceDensity->value, 850);
         EXPECT_EQ(i.roofReferenceDensity->unit, RoofDensityUnit::KilogramsPerCubicMetre);
       }},
      {"roof reference density,850 kg/m³",
       [](const CapacityTableInfo& i) {
         EXPECT_EQ(i.roofReferenceDensity->unit, RoofDensityUnit::KilogramsPerCubicMetre);
       }},
      {"critical zone,0.9,1.4",
       [](const CapacityTableInfo& i) {
         EXPECT_EQ(i.criticalZone->low, 0.9);
         EXPECT_EQ(i.criticalZone->high, 1.4);
       }},
      {"critical zone,  0.9   1.4 ", [](const CapacityTableInfo& i) { EXPECT_EQ(i.criticalZone->high, 1.4); }},
  };
  for (const Case& c : cases) {
    const CapacityTableReading reading = readCapacityTable(std::string(c.line) + "\n" + kData + "0,0\n1,1\n");
    ASSERT_TRUE(reading.table) << c.line << ": " << reading.fault;
    c.check(reading.table->info());
  }
}

// ---------------------------------------------------------------------------
// Bad files: the first fault and its line

struct Fault {
  const char* name;
  std::string file;
  int line;
  std::string message;
};

void expectFaults(const std::vector<Fault>& faults) {
  for (const Fault& f : faults) {
    const CapacityTableReading reading = readCapacityTable(f.file);
    EXPECT_FALSE(reading.table.has_value()) << f.name;
    EXPECT_EQ(reading.fault, f.message) << f.name;
    EXPECT_EQ(reading.faultLine, f.line) << f.name;
  }
}

TEST(CapacityTableReader, NamesTheFirstFaultOfTheHeaderAndItsLine) {
  expectFaults({
      {"an unknown key", "tank,T-1\ncolour,red\n" + kData + "0,0\n1,1\n", 2,
       std::string("Line 2: \"colour\" is not a header key of a capacity table; the keys are ") + kKeyList + "."},
      {"rows before the data header", "0,0\n1,1\n", 1,
       "Line 1: the rows begin before the data header: a capacity table names its columns with the line "
       "height,volume first."},
      {"no height unit", "volume unit,Litres\nheight,volume\n0,0\n1,1\n", 2,
       std::string("Line 2: the header names no height unit: add a row such as \"height unit,Meters\" before the "
                   "data (the height units are ") +
           kHeightUnitList + ")."},
      {"no volume unit", "height unit,Meters\n\nheight,volume\n0,0\n1,1\n", 3,
       std::string("Line 3: the header names no volume unit: add a row such as \"volume unit,Litres\" before the "
                   "data (the volume units are ") +
           kVolumeUnitList + ")."},
      {"an unknown height unit (names are exact)", "height unit,meters\n", 1,
       std::string("Line 1: \"meters\" is not a height unit; the height units are ") + kHeightUnitList + "."},
      {"an unknown volume unit", "height unit,Feet\nvolume unit,bbl\n", 2,
       std::string("Line 2: \"bbl\" is not a volume unit; the volume units are ") + kVolumeUnitList + "."},
      {"a key given twice", "tank,A\nheight unit,Feet\nTANK,B\n", 3,
       "Line 3: the key \"tank\" is given a second time (first on line 1)."},
      {"a key without a value", "tank,\n", 1, "Line 1: the key \"tank\" has no value."},
      {"a key alone", "calibrated by\n", 1, "Line 1: the key \"calibrated by\" has no value."},
      {"a value with the separator, not quoted", "roof,floating, deducted\n", 1,
       "Line 1: the key \"roof\" takes one value; a value that holds the separator is written in quotes, as "
       "\"floating, deducted\"."},
      {"a reference height below zero", "reference height,-1\n", 1,
       "Line 1: the reference height \"-1\" is not a number above zero."},
      {"a reference height that is not a number", "reference height,12 ft\n", 1,
       "Line 1: the reference height \"12 ft\" is not a number above zero."},
      {"another shell temperature", "shell reference temperature,20 C\n", 1,
       "Line 1: the shell reference temperature \"20 C\" is neither 60 F nor 15 C."},
      {"another roof", "roof,open\n", 1,
       "Line 1: the roof \"open\" is none of \"fixed\", \"floating, deducted\" and \"floating, not deducted\"."},
      {"a roof weight in tonnes", "roof weight,12 t\n", 1,
       "Line 1: the roof weight \"12 t\" is not a number above zero and its unit, kg or lb (12000 kg)."},
      {"a roof weight without its unit", "roof weight,12000\n", 1,
       "Line 1: the roof weight \"12000\" is not a number above zero and its unit, kg or lb (12000 kg)."},
      {"a roof density without its unit", "roof reference density,850\n", 1,
       "Line 1: the roof reference density \"850\" is not a number above zero and its unit, API or kg/m3 (31.5 "
       "API)."},
      {"a roof adjustment that is not a number", "roof adjustment,a lot\n", 1,
       "Line 1: the roof adjustment \"a lot\" is not a number."},
      {"a roof adjustment without its density", "roof adjustment,2\n" + kData + "0,0\n1,1\n", 4,
       "Line 4: the roof adjustment is a volume per °API or per kg/m3 of the roof reference density, which the "
       "header does not give."},
      {"a critical zone the wrong way round", "critical zone,1.4 0.9\n", 1,
       "Line 1: the critical zone \"1.4 0.9\" is not two heights, the lower first (0.9 1.4)."},
      {"a critical zone of one height", "critical zone,0.9\n", 1,
       "Line 1: the critical zone \"0.9\" is not two heights, the lower first (0.9 1.4)."},
      {"a critical zone of three", "critical zone,0.9,1.4,2\n", 1,
       "Line 1: the critical zone \"0.9 1.4 2\" is not two heights, the lower first (0.9 1.4)."},
      {"a quote not closed", "tank,\"T-1\n", 1, "Line 1: a quoted field is not closed before the end of the line."},
      {"text after a closing quote", "tank,\"T-1\"x\n", 1, "Line 1: text follows the closing quote of a field."},
      {"a data header with another column", kUnits + "height,volume,temperature\n", 3,
       "Line 3: the data header is not height,volume (with an optional third column, height ft-in)."},
      {"a data header of one column", kUnits + "height\n", 3,
       "Line 3: the data header is not height,volume (with an optional third column, height ft-in)."},
      {"the chart's header cut short", "Liquid Height,Height Unit,Volume Quantity\n", 1,
       "Line 1: the data header is not Liquid Height,Height Unit,Volume Quantity,Volume Unit."},
  });
}

TEST(CapacityTableReader, NamesTheFirstFaultOfTheRowsAndItsLine) {
  expectFaults({
      {"a row of one number", kData + "0,0\n0.5\n", 5,
       "Line 5: the row \"0.5\" is not two numbers, a height and a volume."},
      {"a row with text", kData + "0,0\n0.5,abc\n", 5,
       "Line 5: the row \"0.5,abc\" is not two numbers, a height and a volume."},
      {"a row of three numbers", kData + "0,0\n0.5,1,2\n", 5,
       "Line 5: the row \"0.5,1,2\" is not two numbers, a height and a volume."},
      {"an empty field between", kData + "0,0\n0.5,,1\n", 5,
       "Line 5: the row \"0.5,,1\" is not two numbers, a height and a volume."},
      {"a decimal comma in a file of commas", kData + "0,0\n1,5,2\n", 5,
       "Line 5: the row \"1,5,2\" is not two numbers, a height and a volume."},
      {"a long row is cut short in the message", kData + "0,0\n" + std::string(100, 'x') + "\n", 5,
       "Line 5: the row \"" + std::string(60, 'x') + "...\" is not two numbers, a height and a volume."},
      {"a height beyond the range of a double", kData + "0,0\n1E999,1\n", 5,
       "Line 5: the row \"1E999,1\" is not two numbers, a height and a volume."},
      {"the same height twice", kData + "0,0\n1.250,10\n1.250,11\n", 6,
       "Line 6: the height 1.250 is not above the height before it (1.250)."},
      {"a height that falls", kData + "0,0\n\n1.3,10\n1.25,11\n", 7,
       "Line 7: the height 1.25 is not above the height before it (1.3)."},
      {"a volume that falls", kData + "0,0\n1,10\n2,9.5\n", 6,
       "Line 6: the volume 9.5 is below the volume before it (10)."},
      {"a volume that falls, as typed with decimal commas",
       "height unit;Meters\nvolume unit;Litres\nheight;volume\n0;0\n1;10,25\n2;10,2\n", 6,
       "Line 6: the volume 10,2 is below the volume before it (10,25)."},
      {"no rows", kData + "\n\n", 3, "Line 3: the data header is followed by no rows; a table needs at least two."},
      {"one row", kData + "0,0\n", 3,
       "Line 3: the data header is followed by only one row; a table needs at least two."},
      {"a chart row without its units", "Liquid Height,Height Unit,Volume Quantity,Volume Unit\n0,Meters,0\n", 2,
       "Line 2: the row \"0,Meters,0\" is not a height, its unit, a volume and its unit."},
      {"a chart row in an unknown unit", "Liquid Height,Height Unit,Volume Quantity,Volume Unit\n0,Metres,0,Litres\n",
       2, std::string("Line 2: \"Metres\" is not a height unit; the height units are ") + kHeightUnitList + "."},
      {"chart rows in two units",
       "Liquid Height,Height Unit,Volume Quantity,Volume Unit\n0,Meters,0,Litres\n1,Meters,5,Barrels\n", 3,
       "Line 3: the volume unit \"Barrels\" is not the table's, \"Litres\"."},
      {"chart rows in another unit than the header's",
       "height unit,Feet\nLiquid Height,Height Unit,Volume Quantity,Volume Unit\n0,Meters,0,Litres\n", 3,
       "Line 3: the height unit \"Meters\" is not the table's, \"Feet\"."},
      {"chart rows out of order",
       "Liquid Height,Height Unit,Volume Quantity,Volume Unit\n0,Meters,0,Litres\n0,Meters,0,Litres\n", 3,
       "Line 3: the height 0 is not above the height before it (0)."},
      {"a zero byte in a row", kData + "0,0\n1," + std::string(1, '\0') + "\n", 5,
       "Line 5: the row \"1," + std::string(1, '\0') + "\" is not two numbers, a height and a volume."},
  });
}

TEST(CapacityTableReader, NamesFaultsOfTheWholeFile) {
  expectFaults({
      {"nothing", "", 0, "The file is empty: it holds no capacity table."},
      {"a byte order mark and blank lines", "\xEF\xBB\xBF\r\n  \r\n", 0,
       "The file is empty: it holds no capacity table."},
      {"a header without data", kUnits, 0,
       "The file ends before its data: after the header rows a capacity table needs the line height,volume and its "
       "rows."},
  });
}

TEST(CapacityTableReader, RefusesAFileOverSixtyFourMebibytesBeforeReadingIt) {
  // Not a table at all, so only the size can refuse it.
  const std::string huge(64u * 1024 * 1024 + 1, 'x');
  const CapacityTableReading reading = readCapacityTable(huge);
  EXPECT_FALSE(reading.table.has_value());
  EXPECT_EQ(reading.fault, "The file is larger than 64 MiB, far larger than any capacity table; it was not read.");
  EXPECT_EQ(reading.faultLine, 0);
}

TEST(CapacityTableReader, TakesAMillionRowsAndRefusesOneMore) {
  std::string file = "height unit,Millimeters\nvolume unit,Litres\nheight,volume\n";
  for (int i = 0; i < 1000000; ++i) {
    const std::string n = std::to_string(i);
    file += n + "," + n + "\n";
  }
  const CapacityTableReading million = readCapacityTable(file);
  ASSERT_TRUE(million.table) << million.fault;
  EXPECT_EQ(million.table->rows().size(), 1000000u);
  EXPECT_EQ(million.table->rows().back().height, 999999);
  file += "1000000,1000000\n";  // line 3 + 1,000,001
  const CapacityTableReading tooMany = readCapacityTable(file);
  EXPECT_FALSE(tooMany.table.has_value());
  EXPECT_EQ(tooMany.fault, "Line 1000004: the table has more than 1,000,000 rows.");
  EXPECT_EQ(tooMany.faultLine, 1000004);
}

TEST(CapacityTableReader, ReadsTheExampleThePackageShips) {
  std::ifstream in(CALVEXA_EXAMPLE_TABLE, std::ios::binary);
  ASSERT_TRUE(in) << CALVEXA_EXAMPLE_TABLE;
  const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const CapacityTableReading reading = readCapacityTable(file);
  ASSERT_TRUE(reading.table) << reading.fault;
  const CapacityTableInfo& info = reading.table->info();
  EXPECT_EQ(info.tank, "T-101");
  EXPECT_EQ(info.roof, RoofKind::FloatingDeducted);
  ASSERT_TRUE(info.criticalZone);
  EXPECT_EQ(reading.table->rows().size(), 31u) << "0 to 3 m every 0.1 m";
  // 0.15 m is half way between 4.534 and 12.825 m³.
  EXPECT_NEAR(reading.table->volumeAt(0.15).value, (4.534 + 12.825) / 2, 1e-12);
  EXPECT_TRUE(reading.table->inCriticalZone(1.0));
}

// ---------------------------------------------------------------------------
// Look-ups

// Rows worked by hand: rising, a flat stretch from 2 to 3 m, rising again.
CapacityTable handTable(std::string zone = "") {
  const CapacityTableReading reading = readCapacityTable(zone + kData + "0,0\n1,100\n2,300\n3,300\n4,500\n");
  EXPECT_TRUE(reading.table) << reading.fault;
  return *reading.table;
}

TEST(CapacityTableLookup, VolumeByLinearInterpolationAndExactlyOnARow) {
  const CapacityTable table = handTable();
  struct Case {
    double height;
    double volume;
  };
  const Case cases[] = {
      {0, 0},        // the first row
      {0.5, 50},     // 0 + 0.5 × (100 − 0) ÷ 1
      {1, 100},      // on a row
      {1.5, 200},    // 100 + 0.5 × (300 − 100) ÷ 1
      {2, 300},      // on a row
      {2.5, 300},    // the flat stretch
      {3.25, 350},   // 300 + 0.25 × (500 − 300) ÷ 1
      {4, 500},      // the last row
      {0.001, 0.1},  // 0.001 × 100
  };
  for (const Case& c : cases) {
    const TableLookup lookup = table.volumeAt(c.height);
    ASSERT_TRUE(lookup.found) << c.height << ": " << lookup.message;
    EXPECT_DOUBLE_EQ(lookup.value, c.volume) << c.height;
  }
  // Rows whose steps are not binary fractions: 10.5 + (1.3 − 1.2) × (12.0 − 10.5) ÷ (1.7 − 1.2) = 10.8.
  const CapacityTableReading uneven = readCapacityTable(kData + "1.2,10.5\n1.7,12.0\n");
  EXPECT_NEAR(uneven.table->volumeAt(1.3).value, 10.8, 1e-12);
  EXPECT_EQ(uneven.table->volumeAt(1.7).value, 12.0) << "exactly on a row: that row's volume";
}

TEST(CapacityTableLookup, HeightIsTheInverseAndTheLowestOnAFlatStretch) {
  const CapacityTable table = handTable();
  struct Case {
    double volume;
    double height;
  };
  const Case cases[] = {
      {0, 0}, {50, 0.5}, {100, 1}, {200, 1.5}, {300, 2}, {350, 3.25}, {400, 3.5}, {500, 4},
  };
  for (const Case& c : cases) {
    const TableLookup lookup = table.heightAt(c.volume);
    ASSERT_TRUE(lookup.found) << c.volume << ": " << lookup.message;
    EXPECT_DOUBLE_EQ(lookup.value, c.height) << c.volume;
  }
  // A flat bottom (a sump full of nothing the table counts): the lowest height again.
  const CapacityTableReading flat = readCapacityTable(kData + "0,0\n0.2,0\n1,10\n");
  EXPECT_EQ(flat.table->heightAt(0).value, 0);
}

TEST(CapacityTableLookup, RefusesOutsideTheTable) {
  const CapacityTable table = handTable();
  struct Case {
    TableLookup lookup;
    const char* message;
  };
  const Case cases[] = {
      {table.volumeAt(4.0001),
       "The height 4.0001 Meters is above the capacity table, which ends at 4 Meters; a capacity table is not "
       "extrapolated."},
      {table.volumeAt(-0.5),
       "The height -0.5 Meters is below the capacity table, which starts at 0 Meters; a capacity table is not "
       "extrapolated."},
      {table.heightAt(500.5),
       "The volume 500.5 Cubic Meters is above the capacity table, which ends at 500 Cubic Meters; a capacity table "
       "is not extrapolated."},
      {table.heightAt(-1),
       "The volume -1 Cubic Meters is below the capacity table, which starts at 0 Cubic Meters; a capacity table is "
       "not extrapolated."},
      {table.volumeAt(std::numeric_limits<double>::quiet_NaN()), "The height is not a number."},
      {table.heightAt(std::numeric_limits<double>::infinity()), "The volume is not a number."},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(c.lookup.found) << c.message;
    EXPECT_EQ(c.lookup.message, c.message);
  }
  // Rows 3.4E308 m apart, beyond the range of a double: half way between
  // them is half the volume, 0.75E308, not an overflow.
  const CapacityTableReading far = readCapacityTable(kData + "-1.7E308,0\n1.7E308,1.5E308\n");
  ASSERT_TRUE(far.table) << far.fault;
  EXPECT_DOUBLE_EQ(far.table->volumeAt(0).value, 0.75E308);
  EXPECT_DOUBLE_EQ(far.table->heightAt(0.75E308).value, 0);
}

TEST(CapacityTableLookup, CriticalZoneIncludesItsEnds) {
  const CapacityTable table = handTable("critical zone,0.9 1.4\n");
  for (double inside : {0.9, 1.0, 1.4}) EXPECT_TRUE(table.inCriticalZone(inside)) << inside;
  for (double outside : {0.0, 0.8999, 1.4001, 4.0}) EXPECT_FALSE(table.inCriticalZone(outside)) << outside;
  EXPECT_FALSE(handTable().inCriticalZone(1.0)) << "no zone, nothing in it";
}

TEST(CapacityTableUnits, ConvertThroughTheProgramsFactors) {
  const CapacityTable barrels =
      *readCapacityTable("height unit,Feet\nvolume unit,Barrels\nheight,volume\n0,0\n10,100\n").table;
  EXPECT_EQ(barrels.heightToMetres(10), 10 * 0.3048);
  EXPECT_DOUBLE_EQ(barrels.metresToHeight(0.3048), 1);
  EXPECT_EQ(barrels.volumeToCubicMetres(1), 0.158987294928) << "42 U.S. gallons";
  EXPECT_EQ(barrels.cubicMetresToVolume(0.158987294928), 1);
  EXPECT_DOUBLE_EQ(barrels.cubicMetresToVolume(1), 1 / 0.158987294928);
  const CapacityTable inches =
      *readCapacityTable("height unit,Inches\nvolume unit,Litres\nheight,volume\n0,0\n12,100\n").table;
  EXPECT_DOUBLE_EQ(inches.heightToMetres(12), 0.3048);
  EXPECT_DOUBLE_EQ(inches.metresToHeight(0.3048), 12);
  EXPECT_EQ(inches.volumeToCubicMetres(1000), 1);
  EXPECT_EQ(inches.cubicMetresToVolume(1), 1000);
}

// ---------------------------------------------------------------------------
// Writing, and reading back

TEST(CapacityTableWriter, WritesTheHeaderTheRowsAndTheFeetInchesColumn) {
  CapacityTableInfo info;
  info.tank = "T-101";
  info.heightUnit = "Feet";
  info.volumeUnit = "Barrels";
  info.referenceHeight = 42.5;
  info.shellReference = ShellReferenceTemperature::F60;
  info.roof = RoofKind::FloatingDeducted;
  info.roofWeight = RoofWeight{26455, RoofWeightUnit::Pounds};
  info.roofReferenceDensity = RoofDensity{31.5, RoofDensityUnit::Api};
  info.roofAdjustment = -0.00000025;
  info.criticalZone = HeightRange{3, 5.5};
  info.calibratedOn = "2024-03-01";
  info.calibratedBy = "North Field Calibration, Ltd.";
  // 3 5/8 in = 0.3020833… ft; 1E-7 bbl is written with three decimals, not as an exponent;
  // 1234567.8125 is exact in binary, a true half: away from zero.
  const CapacityTableReading made = capacityTableFromRows(info, {{0, 0}, {3.625 / 12, 1e-7}, {10, 1234567.8125}});
  ASSERT_TRUE(made.table) << made.fault;
  EXPECT_EQ(capacityTableCsv(*made.table, {.heightDecimals = 4, .feetInches = true}),
            "tank,T-101\r\n"
            "height unit,Feet\r\n"
            "volume unit,Barrels\r\n"
            "reference height,42.5\r\n"
            "shell reference temperature,60 F\r\n"
            "roof,\"floating, deducted\"\r\n"
            "roof weight,26455 lb\r\n"
            "roof reference density,31.5 API\r\n"
            "roof adjustment,-0.00000025\r\n"
            "critical zone,3 5.5\r\n"
            "calibrated on,2024-03-01\r\n"
            "calibrated by,\"North Field Calibration, Ltd.\"\r\n"
            "height,volume,height ft-in\r\n"
            "0.0000,0.000,\"0' 0\"\"\"\r\n"
            "0.3021,0.000,\"0' 3 5/8\"\"\"\r\n"
            "10.0000,1234567.813,\"10' 0\"\"\"\r\n");
  // Only what the info has; a table in metres has no feet-inches column.
  const CapacityTableReading plain = capacityTableFromRows(
      {.tank = "a \"quoted\"\nname", .heightUnit = "Meters", .volumeUnit = "Litres"}, {{0, 0}, {0.5, 2.25}});
  EXPECT_EQ(capacityTableCsv(*plain.table, {.heightDecimals = 1, .volumeDecimals = 0, .feetInches = true}),
            "tank,\"a \"\"quoted\"\" name\"\r\n"
            "height unit,Meters\r\n"
            "volume unit,Litres\r\n"
            "height,volume\r\n"
            "0.0,0\r\n"
            "0.5,2\r\n");  // 2.25 to no decimals
}

TEST(CapacityTableWriter, EveryUnitReadsBackAsWritten) {
  const std::vector<CapacityRow> rows = {{0, 0}, {0.125, 1.5}, {1.25, 12.345}, {2.5, 12.345}, {1000.001, 98765.432}};
  for (const std::string& heightUnit : CapacityHeightUnits()) {
    for (const std::string& volumeUnit : CapacityVolumeUnits()) {
      for (bool feetInches : {false, true}) {
        CapacityTableInfo info;
        info.tank = "T-" + heightUnit + "; " + volumeUnit;
        info.heightUnit = heightUnit;
        info.volumeUnit = volumeUnit;
        info.referenceHeight = 1001.5;
        info.shellReference = ShellReferenceTemperature::C15;
        info.roof = RoofKind::FloatingNotDeducted;
        info.roofWeight = RoofWeight{12000, RoofWeightUnit::Kilograms};
        info.roofReferenceDensity = RoofDensity{850.5, RoofDensityUnit::KilogramsPerCubicMetre};
        info.roofAdjustment = 0.1;
        info.criticalZone = HeightRange{0.9, 1.4};
        info.calibratedBy = " spaces around ";
        const std::string name = heightUnit + " / " + volumeUnit + (feetInches ? " with ft-in" : "");
        const CapacityTableReading made = capacityTableFromRows(info, rows);
        ASSERT_TRUE(made.table) << name << ": " << made.fault;
        const std::string csv =
            capacityTableCsv(*made.table, {.feetInches = feetInches, .fraction = InchFraction::Sixteenths});
        const CapacityTableReading back = readCapacityTable(csv);
        ASSERT_TRUE(back.table) << name << ": " << back.fault << "\n" << csv;
        expectRows(back.table->rows(), rows, name.c_str());
        const CapacityTableInfo& read = back.table->info();
        EXPECT_EQ(read.tank, info.tank) << name;
        EXPECT_EQ(read.heightUnit, heightUnit);
        EXPECT_EQ(read.volumeUnit, volumeUnit);
        EXPECT_EQ(read.referenceHeight, 1001.5);
        EXPECT_EQ(read.shellReference, ShellReferenceTemperature::C15);
        EXPECT_EQ(read.roof, RoofKind::FloatingNotDeducted);
        EXPECT_EQ(read.roofWeight->value, 12000);
        EXPECT_EQ(read.roofWeight->unit, RoofWeightUnit::Kilograms);
        EXPECT_EQ(read.roofReferenceDensity->value, 850.5);
        EXPECT_EQ(read.roofReferenceDensity->unit, RoofDensityUnit::KilogramsPerCubicMetre);
        EXPECT_EQ(read.roofAdjustment, 0.1);
        EXPECT_EQ(read.criticalZone->low, 0.9);
        EXPECT_EQ(read.criticalZone->high, 1.4);
        EXPECT_EQ(read.calibratedOn, "");
        EXPECT_EQ(read.calibratedBy, " spaces around ");
      }
    }
  }
}

TEST(CapacityTableFromRows, ChecksRowsLikeAFile) {
  const CapacityTableInfo metres{.heightUnit = "Meters", .volumeUnit = "Litres"};
  struct Case {
    const char* name;
    CapacityTableInfo info;
    std::vector<CapacityRow> rows;
    int row;
    const char* fault;
  };
  const Case cases[] = {
      {"an unknown height unit",
       {.heightUnit = "Furlongs", .volumeUnit = "Litres"},
       {{0, 0}, {1, 1}},
       0,
       "\"Furlongs\" is not a height unit; the height units are Meters, Centimeters, Millimeters, "
       "Inches and Feet."},
      {"no volume unit",
       {.heightUnit = "Feet"},
       {{0, 0}, {1, 1}},
       0,
       "\"\" is not a volume unit; the volume units are Litres, Cubic Meters, Gallons (Canada), "
       "Gallons (U.S.), Cubic Feet, Drums (208 litre) and Barrels."},
      {"an adjustment without its density",
       {.heightUnit = "Feet", .volumeUnit = "Barrels", .roofAdjustment = 1},
       {{0, 0}, {1, 1}},
       0,
       "The roof adjustment is a volume per °API or per kg/m3 of the roof reference "
       "density, which the header does not give."},
      {"no rows", metres, {}, 0, "The table has no rows; it needs at least two."},
      {"one row", metres, {{0, 0}}, 0, "The table has only one row; it needs at least two."},
      {"a chart of a tank of no height",
       metres,
       {{0, 0}, {0, 0}},
       2,
       "Row 2: the height 0 is not above the height before it (0)."},
      {"a falling volume",
       metres,
       {{0, 0}, {0.1, 5.25}, {0.2, 5.125}},
       3,
       "Row 3: the volume 5.125 is below the volume before it (5.25)."},
      {"a height that is not a number",
       metres,
       {{0, 0}, {std::numeric_limits<double>::quiet_NaN(), 1}},
       2,
       "Row 2: the height or the volume is not a number."},
  };
  for (const Case& c : cases) {
    const CapacityTableReading reading = capacityTableFromRows(c.info, c.rows);
    EXPECT_FALSE(reading.table.has_value()) << c.name;
    EXPECT_EQ(reading.fault, c.fault) << c.name;
    EXPECT_EQ(reading.faultLine, c.row) << c.name;
  }
}

}  // namespace
}  // namespace calvexa
