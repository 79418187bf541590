#include "conversion/conversion_rules.h"

#include <array>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

#include "core/input.h"
#include "core/number_text.h"

namespace calvexa {

const char* const kConvertValueName = "the 'Convert From Unit' box";

namespace {

// A rule is a short chain of steps applied left to right to the value, so that
// every answer is computed in the same order, and so rounds the same way, as
// the formula it stands for. A parenthesised constant such as (0.1589873 × 1000)
// is one step whose constant is formed first (at compile time, in doubles).
enum class Op {
  None,     // end of the chain
  Mul,      // x × k
  Div,      // x ÷ k
  Add,      // x + k
  Sub,      // x - k
  DivInto,  // k ÷ x
  SubFrom,  // k - x
  ZeroAt,   // x equal to k gives 0 and ends the chain
};
struct Step {
  Op op;
  double k;
};
using Rule = std::array<Step, 3>;

// One unit: its name (the list item) and its rules to and from the category's
// base unit. An empty rule takes the value unchanged.
struct UnitRule {
  const char* name;
  Rule toBase;
  Rule fromBase;
};

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
const char* const kDensityZeroText = "Error, Density Cannot equal zero.  Please enter another value.";

Message plain(const char* text) { return Message{text, {}, Icon::None}; }
Message viscosityError(const char* text) { return Message{text, "Error", Icon::Information}; }

struct UnitTable {
  const UnitRule* rows;
  std::size_t count;
};
template <std::size_t N>
UnitTable table(const UnitRule (&rows)[N]) {
  return UnitTable{rows, N};
}

// How one tab calculates: its units, its messages, and the two places where
// tabs differ in the order of their checks.
struct CategoryRules {
  const char* key;  // the catalogue key of the tab
  UnitTable units;
  const char* emptyText;  // the value box is exactly empty
  Message fromUnknown;    // the From list's text is not a unit name
  Message toUnknown;      // the To list's text is not a unit name
  bool toBeforeValue;     // the To unit is matched before the value is read (Length)
  bool zeroRefused;       // a base value of zero is refused before the To unit (Density)
};

// A tab of plain input checks: one message for an unknown From or To unit.
CategoryRules checks(const char* key, UnitTable units, const char* emptyText, const char* unitText,
                     bool toBeforeValue = false, bool zeroRefused = false) {
  return {key, units, emptyText, plain(unitText), plain(unitText), toBeforeValue, zeroRefused};
}

// The tabs in their order on the tab control.
const CategoryRules kRules[] = {
    checks("Vol", table(kVolume), kEmptyText,
           "An improper Volume Unit has been chosen.  Re-choose another Volume Unit with the mouse."),
    checks("SqArea", table(kArea), kEmptyText,
           "An improper Area Unit has been chosen.  Re-choose another Area Unit with the mouse."),
    checks("Temp", table(kTemperature), kEmptyText,
           "An improper Temperature Unit has been chosen.  Re-choose another Temperature Unit with the mouse."),
    checks("Mass", table(kMass), kEmptyText,
           "An improper Mass Unit has been chosen.  Re-choose another Mass Unit with the mouse."),
    checks("Length", table(kLength), kEmptyText,
           "An improper Length Unit has been chosen.  Re-choose another Length Unit with the mouse.", true),
    checks("Prefix", table(kPrefix), kEmptyText,
           "An improper Prefix Unit has been chosen.  Re-choose another Prefix Unit with the mouse."),
    checks("Energy", table(kEnergy), kEmptyText,
           "An improper Energy Unit has been chosen.  Re-choose another Energy Unit with the mouse."),
    checks("Pressure", table(kPressure), kEmptyText,
           "An improper Pressure Unit has been chosen.  Re-choose another Pressure Unit with the mouse."),
    checks("Power", table(kPower), kEmptyText,
           "An improper Power Unit has been chosen.  Re-choose another Power Unit with the mouse."),
    checks("Speed", table(kSpeed), kEmptyText,
           "An improper Speed Unit has been chosen.  Re-choose another Speed Unit with the mouse."),
    checks("VF", table(kVolumeFlow), kEmptyVolumeFlowText,
           "An improper Volume Flow Unit has been chosen.  Re-choose another Volume Flow Unit with the mouse."),
    checks("Dosage", table(kDosage), kEmptyDosageText,
           "An improper Dosage Unit has been chosen.  Re-choose another Dosage Unit with the mouse."),
    checks("Angle", table(kAngle), kEmptyText,
           "An improper Angle Unit has been chosen.  Re-choose another Angle Unit with the mouse."),
    checks("Light", table(kLight), kEmptyText,
           "An improper Light Unit has been chosen.  Re-choose another Light Unit with the mouse."),
    checks("Density", table(kDensity), kEmptyText,
           "An improper Density Unit has been chosen.  Re-choose another Density Unit with the mouse.", false, true),
    checks("Conc", table(kConcentration), kEmptyText,
           "An improper Concentration Unit has been chosen.  Re-choose another Concentration Unit with the mouse."),
    {"Dyn", table(kDynamic), kEmptyText, viscosityError("Improper Dynamic 'From' Value"),
     viscosityError("Improper Dynamic 'To' Unit"), false, false},
    {"Kin", table(kKinematic), kEmptyText, viscosityError("Improper Kinematic 'From' Value"),
     viscosityError("Improper Kinematic 'to' Value"), false, false},
};

double apply(const Rule& steps, double x) {
  for (const Step& step : steps) {
    switch (step.op) {
      case Op::None:
        return x;
      case Op::Mul:
        x = x * step.k;
        break;
      case Op::Div:
        x = x / step.k;
        break;
      case Op::Add:
        x = x + step.k;
        break;
      case Op::Sub:
        x = x - step.k;
        break;
      case Op::DivInto:
        // A zero divisor gives an infinity, which the caller refuses.
        x = x == 0 ? std::numeric_limits<double>::infinity() : step.k / x;
        break;
      case Op::SubFrom:
        x = step.k - x;
        break;
      case Op::ZeroAt:
        if (x == step.k) return 0;
        break;
    }
  }
  return x;
}

const UnitRule* findUnit(const UnitTable& units, const std::string& name) {
  for (std::size_t i = 0; i < units.count; ++i)
    if (name == units.rows[i].name) return &units.rows[i];
  return nullptr;
}

const CategoryRules* rulesFor(const Category& category) {
  for (const CategoryRules& rules : kRules)
    if (std::strcmp(rules.key, category.key) == 0) return &rules;
  return nullptr;
}

// An outcome of one message: the calculation stops and writes nothing.
Outcome stop(Message message) {
  Outcome outcome;
  outcome.show(std::move(message));
  return outcome;
}

Outcome calculate(const Category& category, const CategoryRules& rules, const Fields& fields) {
  // Step 1: the value box, the From unit, the base value.
  if (fieldText(fields, category.valueBox).empty()) return stop(plain(rules.emptyText));
  const UnitRule* from = findUnit(rules.units, fieldText(fields, category.fromList));
  if (!from) return stop(rules.fromUnknown);
  const UnitRule* to = nullptr;
  if (rules.toBeforeValue) {
    to = findUnit(rules.units, fieldText(fields, category.toList));
    if (!to) return stop(rules.toUnknown);
  }
  Outcome outcome;
  std::optional<double> value = readNumber(fields, category.valueBox, kConvertValueName, outcome);
  if (!value) return outcome;
  const double base = apply(from->toBase, *value);
  if (!acceptAnswer(base, outcome)) return outcome;
  // Step 2: the To unit and the answer.
  if (rules.zeroRefused && base == 0) return stop(plain(kDensityZeroText));
  if (!to) {
    to = findUnit(rules.units, fieldText(fields, category.toList));
    if (!to) return stop(rules.toUnknown);
  }
  const double answer = apply(to->fromBase, base);
  if (!acceptAnswer(answer, outcome)) return outcome;
  outcome.write(category.answer, generalText(answer));
  return outcome;
}

}  // namespace

Outcome convert(const Category& category, const Fields& fields) {
  const CategoryRules* rules = rulesFor(category);
  return rules ? calculate(category, *rules, fields) : Outcome{};
}

Outcome convert(std::size_t tab, const Fields& fields) {
  if (tab >= kCategoryCount) return Outcome{};
  return convert(conversionCategories()[tab], fields);
}

}  // namespace calvexa
