#include "conversion/catalogue_rules.h"

#include <algorithm>
#include <utility>

namespace calvexa {

const char* const kConversionCaption = "Conversions ";
const char* const kConversionTabsName = "SStab";
const char* const kValueBoxInitialText = "1";
const char* const kCalculateCaption = "&Calculate";
const std::array<const char*, 4> kRowLabelTexts = {"Convert From:", "Convert To:", "Units:", "Units:"};

const char* const kCalculateTip = "Press to calculate the answer";
const char* const kFromListTip = "Select the value to 'Convert From' here";
const char* const kToListTip = "Select the value to 'Convert To' here";
const char* const kValueBoxTip = "Place the amount to 'Convert From' here";
const char* const kAnswerTip = "Press Calculate and your answer appears here";

namespace {

constexpr Step mul(double k) { return {Op::Mul, k}; }
constexpr Step div(double k) { return {Op::Div, k}; }
constexpr Step add(double k) { return {Op::Add, k}; }
constexpr Step sub(double k) { return {Op::Sub, k}; }
constexpr Step divInto(double k) { return {Op::DivInto, k}; }
constexpr Step subFrom(double k) { return {Op::SubFrom, k}; }
constexpr Step zeroAt(double k) { return {Op::ZeroAt, k}; }
template <class... Steps>
constexpr Rule rule(Steps... steps) {
  return Rule{{steps...}};
}

// f base units in one unit: base = v × f, result = b ÷ f.
constexpr UnitRule factor(const char* name, double f) { return {name, rule(mul(f)), rule(div(f))}; }
// The unit is the base unit: the value is taken unchanged both ways.
constexpr UnitRule same(const char* name) { return {name, {}, {}}; }
// Volume units defined in cubic meters, with 1000 litres to the cubic meter:
// base = v × m3 × 1000, result = b ÷ (m3 × 1000).
constexpr UnitRule cubicMeters(const char* name, double m3) {
  return {name, rule(mul(m3), mul(1000)), rule(div(m3 * 1000))};
}
// Mass: base = v × f, result = (1 ÷ f) × b.
constexpr UnitRule reciprocal(const char* name, double f) { return {name, rule(mul(f)), rule(mul(1 / f))}; }
// Length: the meters per unit f (w = v × f) and the rule from meters.
constexpr UnitRule meters(const char* name, double f, Rule fromMeters) { return {name, rule(mul(f)), fromMeters}; }
constexpr UnitRule meters(const char* name, double f) { return meters(name, f, rule(div(f))); }
// Viscosity: f units in one base unit: base = v ÷ f, result = b × f.
constexpr UnitRule unitsPerBase(const char* name, double f) { return {name, rule(div(f)), rule(mul(f))}; }

// Volume, base litre.
const UnitRule kVolume[] = {
    {"Gallons (Canada)", rule(mul(4.54609)), rule(div(4.54609))},
    same("Litres"),
    {"e3m3", rule(mul(1000000)), rule(div(1000000))},
    {"Millilitres (mL)", rule(div(1000)), rule(div(1.0 / 1000))},
    {"Microlitres (uL)", rule(div(1000000)), rule(div(1.0 / 1000000))},
    cubicMeters("Barrels (Petroleum)", 0.1589873),
    cubicMeters("Boardfeet", 0.002359737),
    cubicMeters("Bushels (U.S.)", 0.03523907),
    cubicMeters("Cups", 0.0002365882),
    cubicMeters("Cubic Feet (volume, section modulus)", 0.02831685),
    {"MMCF", rule(mul(0.02831685), mul(1000000000)), rule(div(28316850))},
    {"Cubic Meters", rule(mul(1000)), rule(div(1000))},
    cubicMeters("Gallons (U.K. Liquid)", 0.004546092),
    cubicMeters("Gallons (U.S. Dry)", 0.004404884),
    {"Gallons (U.S. Liquid)", rule(mul(3.785412)), rule(div(3.785412))},
    cubicMeters("Gills (U.K.)", 0.0001420654),
    cubicMeters("Gills (U.S.)", 0.0001182941),
    cubicMeters("Cubic Inches (volume, section modulus)", 0.00001638706),
    cubicMeters("Ounce (U.K. Fluid)", 0.00002841307),
    cubicMeters("Ounce (U.S. Fluid)", 0.00002957353),
    cubicMeters("Pecks (U.S.)", 0.008809768),
    cubicMeters("Pints (U.S. Dry)", 0.0005506105),
    cubicMeters("Pints (U.S. Liquid)", 0.0004731765),
    cubicMeters("Quarts (U.S. Dry)", 0.001101221),
    cubicMeters("Quarts (U.S. Liquid)", 0.0009463529),
    {"Stere", rule(mul(1000)), rule(div(1000))},
    cubicMeters("Tablespoons", 0.00001478676),
    cubicMeters("Teaspoons", 0.000004928922),
    cubicMeters("Tons (register)", 2.831685),
    cubicMeters("Cubic Yards", 0.7645549),
    {"Cubic Dekameters (dek)", rule(mul(1000000)), rule(div(1000000))},
};

// Area, base square meter; f in square meters.
const UnitRule kArea[] = {
    same("Square Meters"),
    {"Square Centimeters (cc)", rule(mul(1.0 / 10000)), rule(mul(10000))},
    factor("Square feet", 0.09290304),
    factor("Hectares", 10000),
    factor("Square Inches", 0.0006451),
    factor("Square Miles (International)", 2589988),
    factor("Square Miles (U.S. Survey)", 2589998),
    factor("Section", 2589998),
    factor("Township", 93239928),
    factor("Square Yards", 0.8361274),
    factor("Acres (U.S. Survey)", 4046.873),
    factor("Are", 100),
    factor("Barn", 1E-28),
    factor("Circular Mil", 5.067075E-10),
    factor("Darcy", 9.869E-13),
};

// Temperature, base degree Celsius: offset scales.
const UnitRule kTemperature[] = {
    same("Celcius"),
    {"Fahrenheit", rule(sub(32), div(1.8)), rule(mul(1.8), add(32))},
    {"Rankine", rule(sub(459.67), sub(32), div(1.8)), rule(mul(1.8), add(32), add(459.67))},
    {"Kelvin", rule(sub(273.15)), rule(add(273.15))},
};

// Mass, base kilogram; f in kilograms.
const UnitRule kMass[] = {
    same("Kilograms"),
    {"Grams", rule(div(1000)), rule(mul(1000))},
    {"Milligrams", rule(div(1000000)), rule(mul(1000000))},
    reciprocal("Tons (metric)", 1000),
    reciprocal("Tons (long)", 1016.047),
    reciprocal("Tons (assay)", 0.02916667),
    reciprocal("Pounds (troy)", 0.3732417),
    reciprocal("Pounds (avoirdupois)", 0.4536),
    reciprocal("Pennyweight", 0.001555174),
    reciprocal("Ounce (troy)", 0.03110348),
    reciprocal("Ounce (avoirdupois)", 0.02834952),
    reciprocal("Hundredweight (long)", 50.80235),
    reciprocal("Hundredweight (short)", 45.35924),
};

// Length, base meter; f in meters.
const UnitRule kLength[] = {
    meters("Inches", 0.0254),
    meters("Centimeters", 0.01, rule(mul(100))),
    meters("Millimeters", 0.001, rule(mul(1000))),
    meters("Angstrom", 1E-10),
    meters("Astronomical Unit", 149597900000),
    meters("Fathom", 1.8288),
    meters("Fermi (femtometer)", 1E-15),
    meters("Feet (U.S. Survey)", 0.3048),
    meters("League", 4827.9),
    meters("Rod", 5.0292, rule(div(0.3048), div(16.5))),
    meters("Chain", 20.1168, rule(div(0.3048), div(66))),
    meters("Parsec", 3.085678E+16),
    meters("Light Year", 9.46055E+15),
    meters("Microinch", 2.54E-08),
    meters("Micron", 1E-06),
    meters("Mil", 0.0000254),
    meters("Kilometer", 1000),
    meters("Meter", 1, {}),
    meters("Yard", 0.9144),
    meters("Mile (International)", 1609.344),
    meters("Mile (Statute)", 1609.3),
    meters("Mile (U.S. Survey)", 1609.347),
    meters("Mile (International Nautical)", 1852),
    meters("Mile (U.K. Nautical)", 1853.184),
    meters("Mile (U.S. Nautical)", 1852),
    meters("Pica (Printer's)", 0.004217518),
    meters("Point (Printer's)", 0.0003514598),
};

// Prefixes, base meter; f in meters.
const UnitRule kPrefix[] = {
    factor("exa-meter (E)", 1E+18),
    factor("peta-meter (P)", 1E+15),
    factor("tera-meter (T)", 1E+12),
    factor("giga-meter (G)", 1E+09),
    factor("mega-meter (M)", 1E+06),
    factor("kilo-meter (k)", 1000),
    factor("hecto-meter (h)", 100),
    factor("deca-meter (da)", 10),
    factor("deci-meter (d)", 0.1),
    factor("centi-meter (c)", 0.01),
    factor("milli-meter (m)", 0.001),
    factor("micro-meter (u)", 1E-06),
    factor("nano-meter (n)", 1E-09),
    factor("pico-meter (p)", 1E-12),
    factor("femto-meter (f)", 1E-15),
    factor("atto-meter (a)", 1E-18),
    same("meter"),
};

// Energy, base joule; f in joules. The kilogram calories are kilocalories.
const UnitRule kEnergy[] = {
    same("W\xC2\xB7s"),
    same("Joules"),
    factor("Watthour (W-hr)", 3600),
    factor("Tons (nuclear TNT)", 4184000000),
    factor("Therm", 105505600),
    factor("Kilowatthour (kW-hr)", 3600000),
    factor("KiloCalories (thermochemical)", 4184),
    factor("KiloCalories (mean)", 4190.02),
    factor("KiloCalories (International Table)", 4186.8),
    factor("ft-poundal", 0.04214011),
    factor("ft-lbf", 1.355818),
    factor("erg", 1E-07),
    factor("electron volt", 1.60219E-19),
    factor("Calories (Kilogram, thermochemical)", 4184),
    factor("Calories (Kilogram, mean)", 4190.02),
    factor("Calories (Kilogram, International Table)", 4186.8),
    factor("Calories (20 C)", 4.1819),
    factor("Calories (15 C)", 4.1858),
    factor("Calories (thermochemical)", 4.184),
    factor("Calories (mean)", 4.19002),
    factor("Calories (International Table)", 4.1868),
    factor("British Thermal Unit (International Table)", 1055.056),
    factor("BTU (Mean)", 1055.87),
    factor("BTU (Thermochemical)", 1054.35),
    factor("BTU (39 F)", 1059.67),
    factor("BTU (59 F)", 1054.8),
    factor("BTU (60 F)", 1054.68),
};

// Pressure, base pascal; f in pascals. A ksi is 1000 psi.
const UnitRule kPressure[] = {
    factor("Atmospheres (standard)", 101325),
    factor("Atmospheres (technical)", 98066.5),
    factor("Bars", 100000),
    factor("Centimeters of Mercury (0 C)", 1333.22),
    factor("Centimeters of Water (4 C)", 98.0638),
    factor("dyne/square cm", 0.1),
    factor("Feet of Water (39.2 F)", 2988.98),
    factor("Gram-Force/square cm", 98.0665),
    factor("Inches of Mercury (32 F)", 3386.38),
    factor("Inches of Mercury (60 F)", 3376.85),
    factor("Inches of Water (39.2 F)", 249.082),
    factor("Inches of Water (60 F)", 248.84),
    factor("Kilopascals (kPa)", 1000),
    factor("Kgf/square centimeter", 98066.5),
    factor("Kgf/square meter", 9.80665),
    factor("Kgf/square Millimeters", 9806650),
    factor("Kip/Square Inch (ksi)", 6894757),
    factor("Millibar", 100),
    factor("Millimeters of Mercury (0 C)", 133.32205),
    factor("Poundal/square foot", 1.488164),
    same("Pascals (Pa)"),
    factor("lbf/square foot", 47.88026),
    factor("lbf/Square Inch (psi)", 6894.757),
    factor("Torr (mm Hg, 0 C)", 133.322),
};

// Power, base watt; f in watts.
const UnitRule kPower[] = {
    factor("BTU/hr (International Table)", 0.2930711),
    factor("BTU/hr (Thermochemical)", 0.2928751),
    factor("BTU/min (Thermochemical)", 17.5725),
    factor("BTU/sec", 1054.35),
    factor("Cal/min (Thermochemical)", 0.06973333),
    factor("Cal/sec (Thermochemical)", 4.184),
    factor("erg/sec", 1E-07),
    factor("ft-lbf/hr", 0.0003766161),
    factor("ft-lbf/min", 0.02259697),
    factor("ft-lbf/sec", 1.355818),
    factor("Horsepower (550 ft-lbf/sec)", 745.6999),
    factor("Horsepower (boiler)", 9809.5),
    factor("Horsepower (electric)", 746),
    factor("Horsepower (metric)", 735.499),
    factor("Horsepower (water)", 746.043),
    factor("Horsepower (U.K.)", 745.7),
    factor("KiloCalories/min (thermochemical)", 69.73333),
    factor("Tons (refrigeration)", 3516.8),
    same("Watts"),
};

// Speed, base meter per second.
const UnitRule kSpeed[] = {
    {"Inches per second", rule(mul(0.0254)), rule(div(0.0254))},
    {"Knots (international)", rule(mul(0.5144444)), rule(div(0.5144444))},
    {"Miles per hour (International)", rule(mul(0.44704)), rule(div(0.44704))},
    {"Kilometers per hour", rule(mul(1000), div(3600)), rule(div(1000), mul(3600))},
    {"Meters per hour", rule(div(3600)), rule(mul(3600))},
    {"Meters per minute", rule(div(60)), rule(mul(60))},
    same("Meters per second"),
    {"Miles per minute (International)", rule(mul(1609.344), div(60)), rule(div(0.44704), div(60))},
    {"Miles per second (International)", rule(mul(1609.344)), rule(div(0.44704), div(60), div(60))},
    {"Inches per minute", rule(mul(0.0254), div(60)), rule(div(0.0254), mul(60))},
    {"Inches per hour", rule(mul(0.0254), div(3600)), rule(div(0.0254), mul(60), mul(60))},
};

// Volume flow, base cubic meter per second.
const UnitRule kVolumeFlow[] = {
    {"MMCFD (Mil cu ft/day)", rule(div(86400 / 28316.85)), rule(mul(86400 / 28316.85))},
    {"Cubic Feet per day", rule(div(86400 / 0.02831685)), rule(mul(86400 / 0.02831685))},
    {"Cubic Feet per hour", rule(div(3600 / 0.02831685)), rule(mul(3600 / 0.02831685))},
    {"Cubic Feet per minute", rule(div(60 / 0.02831685)), rule(mul(60 / 0.02831685))},
    {"Cubic Feet per second", rule(mul(0.02831685)), rule(mul(1 / 0.02831685))},
    {"Cubic Meters per day", rule(div(86400)), rule(mul(86400))},
    {"Cubic Meters per hour", rule(div(3600)), rule(mul(3600))},
    {"Cubic Meters per minute", rule(div(60)), rule(mul(60))},
    same("Cubic Meters per second"),
    {"Cubic Yards per minute", rule(div(60), mul(0.7645549)), rule(mul(60), div(0.7645549))},
    {"Cubic Yards per second", rule(mul(0.7645549)), rule(div(0.7645549))},
    {"e3m3 per day", rule(div(86.4)), rule(mul(86.4))},
};

// One short ton per cubic yard in grams per cubic centimeter.
constexpr double kTonPerCubicYard = 1.186553;

// Dosage, base gram per cubic centimeter; f in grams per cubic centimeter.
const UnitRule kDosage[] = {
    same("Grams/cubic centimeter"),
    factor("Grams/cubic meter", 1E-06),
    factor("Kilograms/cubic meter", 0.001),
    factor("Milligrams/cubic meter", 1E-09),
    factor("Ounce/gallon", 0.007489152),
    factor("Pounds/cubic foot", 0.01601846),
    factor("Pounds/cubic inch", 27.6799),
    factor("Tons/cubic yard", kTonPerCubicYard),
    {"Kilograms/Litre", {}, rule(div(1))},
    {"Pounds/gallon (U.S.)", rule(div(8.345404)), rule(mul(8.345404))},
    {"Pounds/gallon (U.K.)", rule(div(10.022413)), rule(mul(10.022413))},
    {"Milligrams/Litre (mg/L)", rule(div(1000000)), rule(mul(1000000))},
    {"Micrograms/Litre (ug/L)", rule(div(1000000000)), rule(mul(1000000000))},
    {"Parts per million (ppm)", rule(div(1000000)), rule(mul(1000000))},
    {"Parts per billion (ppb)", rule(div(1000000000)), rule(mul(1000000000))},
    {"Percent (%)", rule(div(100)), rule(mul(100))},
};

// Angles, base degree; f in degrees.
const UnitRule kAngle[] = {
    same("Degree"),
    factor("Grad (g)", 0.9),
    {"Minute (')", rule(div(60)), rule(mul(60))},
    factor("Radian (rad)", 57.2958),
    factor("Revolution", 360),
    {"Second ('')", rule(div(3600)), rule(mul(3600))},
};

// Light, base flame; f in flames.
const UnitRule kLight[] = {
    same("Flame"),
    factor("Foot-candles", 0.25),
    factor("Lux", 0.02322576),
    factor("Meter-Candles", 0.02322576),
};

// Density, base gram per cubic centimeter (the specific gravity for the API
// and Baume scales); f in grams per cubic centimeter. A Baume value of exactly
// 145 is the scale's zero density.
const UnitRule kDensity[] = {
    {"API Gravity", rule(add(131.5), divInto(141.5)), rule(divInto(141.5), sub(131.5))},
    same("Grams/cubic centimeter"),
    factor("Grams/cubic meter", 1E-06),
    factor("Kilograms/cubic meter", 0.001),
    factor("Milligrams/cubic meter", 1E-09),
    factor("Ounce/gallon", 0.007489152),
    factor("Pounds/cubic foot", 0.01601846),
    factor("Pounds/cubic inch", 27.6799),
    factor("Tons/cubic yard", kTonPerCubicYard),
    {"Kilograms/Litre", {}, rule(div(1))},
    factor("Grams/Litre", 0.001),
    {"Milligrams/Litre", rule(div(1000000)), rule(mul(1000000))},
    {"Pounds/gallon (U.S.)", rule(div(8.345404)), rule(mul(8.345404))},
    {"Pounds/gallon (U.K.)", rule(div(10.022413)), rule(mul(10.022413))},
    {"Baume", rule(zeroAt(145), subFrom(145), divInto(145)), rule(divInto(-145), add(145))},
};

// Concentration, base kilomole per cubic meter; f in kilomoles per cubic meter.
const UnitRule kConcentration[] = {
    same("Kilomole/cubic meter (Kmol/m3)"),
    factor("Micromole/cubic centimeter (umol/cm3)", 0.001),
    factor("Micromole/cubic decimeter (umol/dm3)", 1E-06),
    factor("Micromole/litre (umol/L)", 1E-06),
    same("Millimole/cubic centimeter (mmol/cm3)"),
    factor("Millimole/cubic decimeter (mmol/dm3)", 0.001),
    factor("Millimole/Litre (mmol/L)", 0.001),
    factor("Millimole/cubic meter (mmol/m3)", 1E-06),
    same("Millimole/millilitre (mmol/mL)"),
    same("Mole/cubic decimeter (mol/dm3)"),
    same("Mole/litre (mol/L)"),
    factor("Mole/cubic meter (mol/m3)", 0.001),
    factor("One elementary entity/cubic meter", 1.66054E-27),
};

// Dynamic viscosity, base centipoise; f is the number of units in one
// centipoise. A slug per foot second is a pound-force second per square foot;
// a poundal hour per square foot is 3600 poundal seconds per square foot.
const UnitRule kDynamic[] = {
    unitsPerBase("decipoise", 0.1),
    same("centipoise (cP)"),
    unitsPerBase("dyne second/cm2", 0.01),
    unitsPerBase("gram-force second/cm2", 1.02E-05),
    unitsPerBase("gram/centimeter second", 0.01),
    unitsPerBase("hyl/meter second", 0.000102),
    unitsPerBase("kilogram-force second/m2", 0.000102),
    unitsPerBase("kilogram/meter hour", 3.6),
    unitsPerBase("kilogram/meter second", 0.001),
    same("millipascal second"),
    unitsPerBase("millipoise", 10),
    unitsPerBase("newton second/m2", 0.001),
    unitsPerBase("pascal second", 0.001),
    unitsPerBase("poise", 0.01),
    unitsPerBase("pound-force second/ft2", 2.09E-05),
    unitsPerBase("pound/foot hour", 2.4190883),
    unitsPerBase("pound/foot second", 0.000672),
    unitsPerBase("slug/foot second", 2.09E-05),
    unitsPerBase("poundal hour/ft2", 0.000672 / 3600),
    unitsPerBase("poundal second/ft2", 0.000672),
    unitsPerBase("reyn", 1.45E-07),
};

// Kinematic viscosity, base centistoke; f is the number of units in one centistoke.
const UnitRule kKinematic[] = {
    unitsPerBase("lentor", 0.01),
    same("centistoke"),
    unitsPerBase("litre/cm day", 0.864),
    unitsPerBase("litre/cm minute", 0.0006),
    unitsPerBase("poise cm2/gram", 0.01),
    unitsPerBase("cm2/day", 864),
    unitsPerBase("cm2/hour", 36),
    unitsPerBase("cm2/minute", 0.6),
    unitsPerBase("cm2/second", 0.01),
    unitsPerBase("ft2/day", 0.9300018),
    unitsPerBase("ft2/hour", 0.0387501),
    unitsPerBase("in2/day", 133.9202684),
    unitsPerBase("in2/hour", 5.5800112),
    unitsPerBase("in2/minute", 0.093002),
    unitsPerBase("in2/second", 0.00155),
    unitsPerBase("m2/day", 0.0864),
    unitsPerBase("m2/hour", 0.0036),
    unitsPerBase("mm2/day", 86400),
    unitsPerBase("mm2/hour", 3600),
    unitsPerBase("mm2/minute", 60),
    same("mm2/second"),
    unitsPerBase("stokes", 0.01),
};

const char* const kEmptyText = "Please enter a number in the 'Convert From Unit' box";
const char* const kEmptyVolumeFlowText = "Please enter a number in the 'Convert From Unit' box.";
const char* const kEmptyDosageText = "Please enter a number in the 'Convert From' box";

template <std::size_t N>
constexpr UnitRules rules(const UnitRule (&rows)[N]) {
  return UnitRules{rows, N};
}

// The tabs in their order on the tab control.
const std::array<Category, kCategoryCount> kCategories = {{
    {.key = "Vol",
     .tabCaption = "Volume",
     .titleLabel = "Label88",
     .titleText = "Calculate Volumes",
     .rowLabels = {"Label1", "Label2", "Label3", "Label4"},
     .valueBox = "TbVolFrom",
     .fromList = "CboVolFrom",
     .toList = "CboVolTo",
     .answer = "TbVolTo",
     .calculate = "CmdCalcVol",
     .units = rules(kVolume),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Volume Unit has been chosen.  Re-choose another Volume Unit with the mouse."}},
    {.key = "SqArea",
     .tabCaption = "Area",
     .titleLabel = "Label104",
     .titleText = "Calculate the Square Area",
     .rowLabels = {"Label8", "Label7", "Label5", "Label6"},
     .valueBox = "TbSqAreaFrom",
     .fromList = "CboSqAreaFrom",
     .toList = "CboSqAreaTo",
     .answer = "TbSqAreaTo",
     .calculate = "cmdCalcSqArea",
     .units = rules(kArea),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Area Unit has been chosen.  Re-choose another Area Unit with the mouse."}},
    {.key = "Temp",
     .tabCaption = "Temperature",
     .titleLabel = "Label105",
     .titleText = "Calculate Different Temperatures",
     .rowLabels = {"Label9", "Label10", "Label11", "Label12"},
     .valueBox = "TbTempFrom",
     .fromList = "CboTempFrom",
     .toList = "CboTempTo",
     .answer = "TbTempTo",
     .calculate = "CmdCalcTemp",
     .units = rules(kTemperature),
     .emptyValue = {kEmptyText},
     .unknownUnit =
         {"An improper Temperature Unit has been chosen.  Re-choose another Temperature Unit with the mouse."}},
    {.key = "Mass",
     .tabCaption = "Mass",
     .titleLabel = "Label106",
     .titleText = "Calculate Different Weights",
     .rowLabels = {"Label16", "Label15", "Label13", "Label14"},
     .valueBox = "TbMassFrom",
     .fromList = "CboMassFrom",
     .toList = "CboMassTo",
     .answer = "TbMassTo",
     .calculate = "CmdCalcMass",
     .units = rules(kMass),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Mass Unit has been chosen.  Re-choose another Mass Unit with the mouse."}},
    {.key = "Length",
     .tabCaption = "Length",
     .titleLabel = "Label94",
     .titleText = "Calculate Different Lengths",
     .rowLabels = {"Label17", "Label18", "Label19", "Label20"},
     .valueBox = "TbLengthFrom",
     .fromList = "CboLengthFrom",
     .toList = "CboLengthTo",
     .answer = "TbLengthTo",
     .calculate = "CmdCalcLength",
     .units = rules(kLength),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Length Unit has been chosen.  Re-choose another Length Unit with the mouse."},
     .checks = CheckOrder::ToUnitFirst},
    {.key = "Prefix",
     .tabCaption = "Prefixes",
     .titleLabel = "Label95",
     .titleText = "Calculate Prefix Units",
     .rowLabels = {"Label21", "Label22", "Label23", "Label24"},
     .valueBox = "TbPrefixFrom",
     .fromList = "CboPrefixFrom",
     .toList = "CboPrefixTo",
     .answer = "TbPrefixTo",
     .calculate = "CmdCalcPrefix",
     .units = rules(kPrefix),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Prefix Unit has been chosen.  Re-choose another Prefix Unit with the mouse."},
     .order = ListOrder::AsAdded},
    {.key = "Energy",
     .tabCaption = "Energy",
     .titleLabel = "Label96",
     .titleText = "Calculate Units of Energy",
     .rowLabels = {"Label36", "Label35", "Label33", "Label34"},
     .valueBox = "TbEnergyFrom",
     .fromList = "CboEnergyFrom",
     .toList = "CboEnergyTo",
     .answer = "TbEnergyTo",
     .calculate = "CmdCalcEnergy",
     .units = rules(kEnergy),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Energy Unit has been chosen.  Re-choose another Energy Unit with the mouse."}},
    {.key = "Pressure",
     .tabCaption = "Pressure",
     .titleLabel = "Label97",
     .titleText = "Calculate Units of Pressure",
     .rowLabels = {"Label28", "Label27", "Label25", "Label26"},
     .valueBox = "TbPressureFrom",
     .fromList = "CboPressureFrom",
     .toList = "CboPressureTo",
     .answer = "TbPressureTo",
     .calculate = "CmdCalcPressure",
     .units = rules(kPressure),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Pressure Unit has been chosen.  Re-choose another Pressure Unit with the mouse."}},
    {.key = "Power",
     .tabCaption = "Power",
     .titleLabel = "Label101",
     .titleText = "Determine Different Power Units",
     .rowLabels = {"Label32", "Label31", "Label29", "Label30"},
     .valueBox = "TbPowerFrom",
     .fromList = "CboPowerFrom",
     .toList = "CboPowerTo",
     .answer = "TbPowerTo",
     .calculate = "CmdCalcPower",
     .units = rules(kPower),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Power Unit has been chosen.  Re-choose another Power Unit with the mouse."}},
    {.key = "Speed",
     .tabCaption = "Speed",
     .titleLabel = "Label100",
     .titleText = "Calculate Speed Rates",
     .rowLabels = {"Label40", "Label39", "Label37", "Label38"},
     .valueBox = "TbSpeedFrom",
     .fromList = "CboSpeedFrom",
     .toList = "CboSpeedTo",
     .answer = "TbSpeedTo",
     .calculate = "CmdCalcSpeed",
     .units = rules(kSpeed),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Speed Unit has been chosen.  Re-choose another Speed Unit with the mouse."}},
    {.key = "VF",
     .tabCaption = "Volume Flow",
     .titleLabel = "Label99",
     .titleText = "Calculate Volume Rates",
     .rowLabels = {"Label44", "Label43", "Label41", "Label42"},
     .valueBox = "TbVFFrom",
     .fromList = "CboVFFrom",
     .toList = "CboVFTo",
     .answer = "TbVFTo",
     .calculate = "CmdCalcVF",
     .units = rules(kVolumeFlow),
     .emptyValue = {kEmptyVolumeFlowText},
     .unknownUnit =
         {"An improper Volume Flow Unit has been chosen.  Re-choose another Volume Flow Unit with the mouse."}},
    {.key = "Dosage",
     .tabCaption = "Dosage",
     .titleLabel = "Label78",
     .titleText = "Dosage Calculator",
     .rowLabels = {"Label71", "Label70", "Label69", "Label77"},
     .valueBox = "TbDosageFrom",
     .fromList = "CboDosageFrom",
     .toList = "CboDosageTo",
     .answer = "TbDosageTo",
     .calculate = "CmdDosageCalc",
     .units = rules(kDosage),
     .emptyValue = {kEmptyDosageText},
     .unknownUnit = {"An improper Dosage Unit has been chosen.  Re-choose another Dosage Unit with the mouse."}},
    {.key = "Angle",
     .tabCaption = "Angles",
     .titleLabel = "Label85",
     .titleText = "Angle conversion calculation.",
     .rowLabels = {"Label52", "Label53", "Label54", "Label62"},
     .valueBox = "TbAngleFrom",
     .fromList = "CboAngleFrom",
     .toList = "CboAngleTo",
     .answer = "TbAngleTo",
     .calculate = "CmdCalcAngle",
     .units = rules(kAngle),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Angle Unit has been chosen.  Re-choose another Angle Unit with the mouse."}},
    {.key = "Light",
     .tabCaption = "Light",
     .titleLabel = "Label86",
     .titleText = "Convert one type of light unit to another:",
     .rowLabels = {"Label57", "Label56", "Label55", "Label63"},
     .valueBox = "TbLightFrom",
     .fromList = "CboLightFrom",
     .toList = "CboLightTo",
     .answer = "TbLightTo",
     .calculate = "CmdLightCalc",
     .units = rules(kLight),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Light Unit has been chosen.  Re-choose another Light Unit with the mouse."}},
    {.key = "Density",
     .tabCaption = "Density",
     .titleLabel = "Label103",
     .titleText = "Density Calculations",
     .rowLabels = {"Label58", "Label59", "Label60", "Label64"},
     .valueBox = "TbDensFrom",
     .fromList = "CboDensityFrom",
     .toList = "CboDensityTo",
     .answer = "TbDensityTo",
     .calculate = "CmdCalcDensity",
     .units = rules(kDensity),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"An improper Density Unit has been chosen.  Re-choose another Density Unit with the mouse."},
     .zeroBase = ZeroBase::Refused},
    {.key = "Conc",
     .tabCaption = "Concentration",
     .titleLabel = "Label102",
     .titleText = "Concentration Calculations",
     .rowLabels = {"Label65", "Label66", "Label67", "Label68"},
     .valueBox = "TbConcFrom",
     .fromList = "CboConcFrom",
     .toList = "CboConcTo",
     .answer = "TbConcTo",
     .calculate = "CmdCalcConc",
     .units = rules(kConcentration),
     .emptyValue = {kEmptyText},
     .unknownUnit =
         {"An improper Concentration Unit has been chosen.  Re-choose another Concentration Unit with the mouse."}},
    {.key = "Dyn",
     .tabCaption = "Viscosity (D)",
     .titleLabel = "Label46",
     .titleText = "Calculate Dynamic Viscosity",
     .rowLabels = {"Label45", "Label47", "Label48", "Label49"},
     .valueBox = "TbDynFrom",
     .fromList = "CboDynFrom",
     .toList = "CboDynTo",
     .answer = "TbDynTo",
     .calculate = "CmdDynCalc",
     .units = rules(kDynamic),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"Improper Dynamic 'From' Value", "Error", Icon::Information},
     .unknownTo = {"Improper Dynamic 'To' Unit", "Error", Icon::Information},
     .tips = Tips::None,
     .lists = ListKind::Editable,
     .toLoading = ToLoading::FirstTwoSwapped},
    {.key = "Kin",
     .tabCaption = "Viscosity (K)",
     .titleLabel = "Label73",
     .titleText = "Calculate Kinematic Viscosity",
     .rowLabels = {"Label72", "Label61", "Label50", "Label51"},
     .valueBox = "TbKinFrom",
     .fromList = "CboKinFrom",
     .toList = "CboKinTo",
     .answer = "TbKinTo",
     .calculate = "CmdKinCalc",
     .units = rules(kKinematic),
     .emptyValue = {kEmptyText},
     .unknownUnit = {"Improper Kinematic 'From' Value", "Error", Icon::Information},
     .unknownTo = {"Improper Kinematic 'to' Value", "Error", Icon::Information},
     .tips = Tips::None,
     .lists = ListKind::Editable},
}};

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Case-insensitive order for ASCII letters; other bytes (the middle dot's
// UTF-8 bytes) rank by their unsigned value, after every ASCII character.
bool lessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(lowerAscii(x)) < static_cast<unsigned char>(lowerAscii(y));
  });
}

}  // namespace

const std::array<Category, kCategoryCount>& conversionCategories() { return kCategories; }

const Category* findCategory(const std::string& key) {
  for (const Category& category : kCategories)
    if (key == category.key) return &category;
  return nullptr;
}

std::vector<std::string> unitNames(const Category& category) {
  std::vector<std::string> names;
  for (const UnitRule& unit : category.units) names.emplace_back(unit.name);
  return names;
}

std::vector<std::string> loadingOrder(const Category& category, ListSide side) {
  std::vector<std::string> items = unitNames(category);
  if (side == ListSide::To && category.toLoading == ToLoading::FirstTwoSwapped && items.size() >= 2)
    std::swap(items[0], items[1]);
  return items;
}

std::vector<std::string> displayOrder(const Category& category, ListSide side) {
  std::vector<std::string> items = loadingOrder(category, side);
  if (category.order == ListOrder::Sorted) std::stable_sort(items.begin(), items.end(), lessIgnoringCase);
  return items;
}

}  // namespace calvexa
