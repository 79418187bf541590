// Every unit of the converter against an independent size: exact definitions
// (inch 0.0254 m, pound 0.45359237 kg, gallon 231 cubic inches, standard
// gravity 9.80665 m/s2 and the like) or standard tables of conversion factors.
// The tolerance of a row is the rounding of the factor the program uses, so a
// wrong power of ten, a swapped or a copied factor shows.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "conversion/conversion_rules.h"
#include "core/number_text.h"

namespace calvexa {
namespace {

constexpr double kInch = 0.0254;                        // m
constexpr double kFoot = 0.3048;                        // m
constexpr double kYard = 0.9144;                        // m
constexpr double kMile = 1609.344;                      // m
constexpr double kSurveyFoot = 1200.0 / 3937;           // m
constexpr double kPound = 0.45359237;                   // kg
constexpr double kGravity = 9.80665;                    // m/s2
constexpr double kPoundForce = kPound * kGravity;       // N
constexpr double kPoundal = kPound * kFoot;             // N
constexpr double kUsGallon = 231 * 0.016387064;         // L
constexpr double kImperialGallon = 4.54609;             // L
constexpr double kCubicInch = 0.016387064;              // L
constexpr double kCubicFoot = 1728 * kCubicInch;        // L
constexpr double kUsBushel = 2150.42 * kCubicInch;      // L
constexpr double kPsi = kPoundForce / (kInch * kInch);  // Pa
constexpr double kFootPound = kPoundForce * kFoot;      // J
constexpr double kBtu = 1055.05585262;                  // J, International Table
constexpr double kPi = 3.14159265358979323846;
constexpr double kLux = 1 / (kFoot * kFoot);  // lux in one foot-candle

constexpr double kTight = 2e-6;  // factors given to six or seven digits

struct Size {
  const char* key;
  const char* unit;
  double size;  // in the pivot unit of the tab
  double tolerance = kTight;
};

// Pivot units: Litres, Square Meters, Kilograms, Meter, meter, Joules,
// Pascals (Pa), Watts, Meters per second, Cubic Meters per second, Grams/cubic
// centimeter, Degree, Flame, Kilomole/cubic meter (Kmol/m3), centipoise (cP),
// centistoke.
const char* pivot(const std::string& key) {
  static const std::pair<const char*, const char*> pivots[] = {
      {"Vol", "Litres"},
      {"SqArea", "Square Meters"},
      {"Mass", "Kilograms"},
      {"Length", "Meter"},
      {"Prefix", "meter"},
      {"Energy", "Joules"},
      {"Pressure", "Pascals (Pa)"},
      {"Power", "Watts"},
      {"Speed", "Meters per second"},
      {"VF", "Cubic Meters per second"},
      {"Dosage", "Grams/cubic centimeter"},
      {"Density", "Grams/cubic centimeter"},
      {"Angle", "Degree"},
      {"Light", "Flame"},
      {"Conc", "Kilomole/cubic meter (Kmol/m3)"},
      {"Dyn", "centipoise (cP)"},
      {"Kin", "centistoke"},
  };
  for (const auto& p : pivots)
    if (key == p.first) return p.second;
  return "";
}

const Size kSizes[] = {
    // Volume, litres.
    {"Vol", "Gallons (Canada)", kImperialGallon},
    {"Vol", "Litres", 1},
    {"Vol", "e3m3", 1e6},
    {"Vol", "Millilitres (mL)", 1e-3},
    {"Vol", "Microlitres (uL)", 1e-6},
    {"Vol", "Barrels (Petroleum)", 42 * kUsGallon},
    {"Vol", "Boardfeet", 144 * kCubicInch},
    {"Vol", "Bushels (U.S.)", kUsBushel},
    {"Vol", "Cups", kUsGallon / 16},
    {"Vol", "Cubic Feet (volume, section modulus)", kCubicFoot},
    {"Vol", "MMCF", 1e6 * kCubicFoot},
    {"Vol", "Cubic Meters", 1000},
    {"Vol", "Gallons (U.K. Liquid)", kImperialGallon},
    {"Vol", "Gallons (U.S. Dry)", kUsBushel / 8},
    {"Vol", "Gallons (U.S. Liquid)", kUsGallon},
    {"Vol", "Gills (U.K.)", kImperialGallon / 32},
    {"Vol", "Gills (U.S.)", kUsGallon / 32},
    {"Vol", "Cubic Inches (volume, section modulus)", kCubicInch},
    {"Vol", "Ounce (U.K. Fluid)", kImperialGallon / 160},
    {"Vol", "Ounce (U.S. Fluid)", kUsGallon / 128},
    {"Vol", "Pecks (U.S.)", kUsBushel / 4},
    {"Vol", "Pints (U.S. Dry)", kUsBushel / 64},
    {"Vol", "Pints (U.S. Liquid)", kUsGallon / 8},
    {"Vol", "Quarts (U.S. Dry)", kUsBushel / 32},
    {"Vol", "Quarts (U.S. Liquid)", kUsGallon / 4},
    {"Vol", "Stere", 1000},
    {"Vol", "Tablespoons", kUsGallon / 256},
    {"Vol", "Teaspoons", kUsGallon / 768},
    {"Vol", "Tons (register)", 100 * kCubicFoot},
    {"Vol", "Cubic Yards", 27 * kCubicFoot},
    {"Vol", "Cubic Dekameters (dek)", 1e6},
    // Area, square meters.
    {"SqArea", "Square Meters", 1},
    {"SqArea", "Square Centimeters (cc)", 1e-4},
    {"SqArea", "Square feet", kFoot* kFoot},
    {"SqArea", "Hectares", 1e4},
    {"SqArea", "Square Inches", kInch* kInch, 1e-4},  // factor given as 0.0006451
    {"SqArea", "Square Miles (International)", kMile* kMile},
    {"SqArea", "Square Miles (U.S. Survey)", 5280 * kSurveyFoot * 5280 * kSurveyFoot},
    {"SqArea", "Section", 5280 * kSurveyFoot * 5280 * kSurveyFoot},
    {"SqArea", "Township", 36 * 5280 * kSurveyFoot * 5280 * kSurveyFoot},
    {"SqArea", "Square Yards", kYard* kYard},
    {"SqArea", "Acres (U.S. Survey)", 43560 * kSurveyFoot* kSurveyFoot},
    {"SqArea", "Are", 100},
    {"SqArea", "Barn", 1e-28},
    {"SqArea", "Circular Mil", kPi / 4 * (kInch / 1000) * (kInch / 1000)},
    {"SqArea", "Darcy", 9.869233e-13, 5e-5},  // factor given as 9.869E-13
    // Mass, kilograms.
    {"Mass", "Kilograms", 1},
    {"Mass", "Grams", 1e-3},
    {"Mass", "Milligrams", 1e-6},
    {"Mass", "Tons (metric)", 1000},
    {"Mass", "Tons (long)", 2240 * kPound},
    {"Mass", "Tons (assay)", 0.0291666667},
    {"Mass", "Pounds (troy)", 5760 * 64.79891e-6},
    {"Mass", "Pounds (avoirdupois)", kPound, 1e-4},  // factor given as 0.4536
    {"Mass", "Pennyweight", 24 * 64.79891e-6},
    {"Mass", "Ounce (troy)", 480 * 64.79891e-6},
    {"Mass", "Ounce (avoirdupois)", kPound / 16},
    {"Mass", "Hundredweight (long)", 112 * kPound},
    {"Mass", "Hundredweight (short)", 100 * kPound},
    // Length, meters.
    {"Length", "Inches", kInch},
    {"Length", "Centimeters", 0.01},
    {"Length", "Millimeters", 0.001},
    {"Length", "Angstrom", 1e-10},
    {"Length", "Astronomical Unit", 149597870700},
    {"Length", "Fathom", 6 * kFoot},
    {"Length", "Fermi (femtometer)", 1e-15},
    {"Length", "Feet (U.S. Survey)", kSurveyFoot, 3e-6},  // factor given as 0.3048
    {"Length", "League", 3 * kMile, 3e-5},                // factor given as 4827.9
    {"Length", "Rod", 16.5 * kFoot},
    {"Length", "Chain", 66 * kFoot},
    {"Length", "Parsec", 3.0856775814913673e16},
    {"Length", "Light Year", 299792458.0 * 86400 * 365.24219, 5e-6},  // tropical years; factor 9.46055E+15
    {"Length", "Microinch", kInch * 1e-6},
    {"Length", "Micron", 1e-6},
    {"Length", "Mil", kInch / 1000},
    {"Length", "Kilometer", 1000},
    {"Length", "Meter", 1},
    {"Length", "Yard", kYard},
    {"Length", "Mile (International)", kMile},
    {"Length", "Mile (Statute)", kMile, 3e-5},  // factor given as 1609.3
    {"Length", "Mile (U.S. Survey)", 5280 * kSurveyFoot},
    {"Length", "Mile (International Nautical)", 1852},
    {"Length", "Mile (U.K. Nautical)", 6080 * kFoot},
    {"Length", "Mile (U.S. Nautical)", 1852},
    {"Length", "Pica (Printer's)", 12 * 0.013837 * kInch},
    {"Length", "Point (Printer's)", 0.013837 * kInch},
    // Prefixes, meters.
    {"Prefix", "exa-meter (E)", 1e18, 1e-15},
    {"Prefix", "peta-meter (P)", 1e15, 1e-15},
    {"Prefix", "tera-meter (T)", 1e12, 1e-15},
    {"Prefix", "giga-meter (G)", 1e9, 1e-15},
    {"Prefix", "mega-meter (M)", 1e6, 1e-15},
    {"Prefix", "kilo-meter (k)", 1e3, 1e-15},
    {"Prefix", "hecto-meter (h)", 1e2, 1e-15},
    {"Prefix", "deca-meter (da)", 1e1, 1e-15},
    {"Prefix", "deci-meter (d)", 1e-1, 1e-15},
    {"Prefix", "centi-meter (c)", 1e-2, 1e-15},
    {"Prefix", "milli-meter (m)", 1e-3, 1e-15},
    {"Prefix", "micro-meter (u)", 1e-6, 1e-15},
    {"Prefix", "nano-meter (n)", 1e-9, 1e-15},
    {"Prefix", "pico-meter (p)", 1e-12, 1e-15},
    {"Prefix", "femto-meter (f)", 1e-15, 1e-15},
    {"Prefix", "atto-meter (a)", 1e-18, 1e-15},
    {"Prefix", "meter", 1, 1e-15},
    // Energy, joules.
    {"Energy", "W\xC2\xB7s", 1},
    {"Energy", "Joules", 1},
    {"Energy", "Watthour (W-hr)", 3600},
    {"Energy", "Tons (nuclear TNT)", 4.184e9},
    {"Energy", "Therm", 1e5 * kBtu},
    {"Energy", "Kilowatthour (kW-hr)", 3.6e6},
    {"Energy", "KiloCalories (thermochemical)", 4184},
    {"Energy", "KiloCalories (mean)", 4190.02},
    {"Energy", "KiloCalories (International Table)", 4186.8},
    {"Energy", "ft-poundal", kPoundal* kFoot},
    {"Energy", "ft-lbf", kFootPound},
    {"Energy", "erg", 1e-7},
    {"Energy", "electron volt", 1.602176634e-19, 1e-5},  // factor given as 1.60219E-19
    {"Energy", "Calories (Kilogram, thermochemical)", 4184},
    {"Energy", "Calories (Kilogram, mean)", 4190.02},
    {"Energy", "Calories (Kilogram, International Table)", 4186.8},
    {"Energy", "Calories (20 C)", 4.18190},
    {"Energy", "Calories (15 C)", 4.18580},
    {"Energy", "Calories (thermochemical)", 4.184},
    {"Energy", "Calories (mean)", 4.19002},
    {"Energy", "Calories (International Table)", 4.1868},
    {"Energy", "British Thermal Unit (International Table)", kBtu},
    {"Energy", "BTU (Mean)", 1055.87},
    {"Energy", "BTU (Thermochemical)", 1054.350},
    {"Energy", "BTU (39 F)", 1059.67},
    {"Energy", "BTU (59 F)", 1054.80},
    {"Energy", "BTU (60 F)", 1054.68},
    // Pressure, pascals.
    {"Pressure", "Atmospheres (standard)", 101325},
    {"Pressure", "Atmospheres (technical)", 98066.5},
    {"Pressure", "Bars", 1e5},
    {"Pressure", "Centimeters of Mercury (0 C)", 1333.224, 5e-6},
    {"Pressure", "Centimeters of Water (4 C)", 98.0638},
    {"Pressure", "dyne/square cm", 0.1},
    {"Pressure", "Feet of Water (39.2 F)", 2988.98},
    {"Pressure", "Gram-Force/square cm", 98.0665},
    {"Pressure", "Inches of Mercury (32 F)", 3386.38},
    {"Pressure", "Inches of Mercury (60 F)", 3376.85},
    {"Pressure", "Inches of Water (39.2 F)", 249.082},
    {"Pressure", "Inches of Water (60 F)", 248.84},
    {"Pressure", "Kilopascals (kPa)", 1000},
    {"Pressure", "Kgf/square centimeter", kGravity * 1e4},
    {"Pressure", "Kgf/square meter", kGravity},
    {"Pressure", "Kgf/square Millimeters", kGravity * 1e6},
    {"Pressure", "Kip/Square Inch (ksi)", 1000 * kPsi},
    {"Pressure", "Millibar", 100},
    {"Pressure", "Millimeters of Mercury (0 C)", 133.322387415, 3e-6},
    {"Pressure", "Poundal/square foot", kPoundal / (kFoot * kFoot)},
    {"Pressure", "Pascals (Pa)", 1},
    {"Pressure", "lbf/square foot", kPoundForce / (kFoot * kFoot)},
    {"Pressure", "lbf/Square Inch (psi)", kPsi},
    {"Pressure", "Torr (mm Hg, 0 C)", 101325.0 / 760, 3e-6},
    // Power, watts.
    {"Power", "BTU/hr (International Table)", kBtu / 3600},
    {"Power", "BTU/hr (Thermochemical)", 1054.350 / 3600},
    {"Power", "BTU/min (Thermochemical)", 1054.350 / 60},
    {"Power", "BTU/sec", 1054.350},
    {"Power", "Cal/min (Thermochemical)", 4.184 / 60},
    {"Power", "Cal/sec (Thermochemical)", 4.184},
    {"Power", "erg/sec", 1e-7},
    {"Power", "ft-lbf/hr", kFootPound / 3600},
    {"Power", "ft-lbf/min", kFootPound / 60},
    {"Power", "ft-lbf/sec", kFootPound},
    {"Power", "Horsepower (550 ft-lbf/sec)", 550 * kFootPound},
    {"Power", "Horsepower (boiler)", 9809.50},
    {"Power", "Horsepower (electric)", 746},
    {"Power", "Horsepower (metric)", 75 * kGravity},
    {"Power", "Horsepower (water)", 746.043},
    {"Power", "Horsepower (U.K.)", 745.70},
    {"Power", "KiloCalories/min (thermochemical)", 4184.0 / 60},
    {"Power", "Tons (refrigeration)", 12000 * kBtu / 3600, 2e-5},  // factor given as 3516.8
    {"Power", "Watts", 1},
    // Speed, meters per second.
    {"Speed", "Inches per second", kInch},
    {"Speed", "Knots (international)", 1852.0 / 3600},
    {"Speed", "Miles per hour (International)", kMile / 3600},
    {"Speed", "Kilometers per hour", 1000.0 / 3600},
    {"Speed", "Meters per hour", 1.0 / 3600},
    {"Speed", "Meters per minute", 1.0 / 60},
    {"Speed", "Meters per second", 1},
    {"Speed", "Miles per minute (International)", kMile / 60},
    {"Speed", "Miles per second (International)", kMile},
    {"Speed", "Inches per minute", kInch / 60},
    {"Speed", "Inches per hour", kInch / 3600},
    // Volume flow, cubic meters per second.
    {"VF", "MMCFD (Mil cu ft/day)", 1e6 * kCubicFoot / 1000 / 86400},
    {"VF", "Cubic Feet per day", kCubicFoot / 1000 / 86400},
    {"VF", "Cubic Feet per hour", kCubicFoot / 1000 / 3600},
    {"VF", "Cubic Feet per minute", kCubicFoot / 1000 / 60},
    {"VF", "Cubic Feet per second", kCubicFoot / 1000},
    {"VF", "Cubic Meters per day", 1.0 / 86400},
    {"VF", "Cubic Meters per hour", 1.0 / 3600},
    {"VF", "Cubic Meters per minute", 1.0 / 60},
    {"VF", "Cubic Meters per second", 1},
    {"VF", "Cubic Yards per minute", kYard* kYard* kYard / 60},
    {"VF", "Cubic Yards per second", kYard* kYard* kYard},
    {"VF", "e3m3 per day", 1000.0 / 86400},
    // Dosage, grams per cubic centimeter (ppm and percent by mass in water).
    {"Dosage", "Grams/cubic centimeter", 1},
    {"Dosage", "Grams/cubic meter", 1e-6},
    {"Dosage", "Kilograms/cubic meter", 1e-3},
    {"Dosage", "Milligrams/cubic meter", 1e-9},
    {"Dosage", "Ounce/gallon", kPound / 16 * 1000 / kUsGallon / 1000},
    {"Dosage", "Pounds/cubic foot", kPound / kCubicFoot},
    {"Dosage", "Pounds/cubic inch", kPound / kCubicInch},
    {"Dosage", "Tons/cubic yard", 2000 * kPound / (27 * kCubicFoot)},
    {"Dosage", "Kilograms/Litre", 1},
    {"Dosage", "Pounds/gallon (U.S.)", kPound / kUsGallon},
    {"Dosage", "Pounds/gallon (U.K.)", kPound / kImperialGallon},
    {"Dosage", "Milligrams/Litre (mg/L)", 1e-6},
    {"Dosage", "Micrograms/Litre (ug/L)", 1e-9},
    {"Dosage", "Parts per million (ppm)", 1e-6},
    {"Dosage", "Parts per billion (ppb)", 1e-9},
    {"Dosage", "Percent (%)", 1e-2},
    // Density, grams per cubic centimeter (the two scales are below).
    {"Density", "Grams/cubic centimeter", 1},
    {"Density", "Grams/cubic meter", 1e-6},
    {"Density", "Kilograms/cubic meter", 1e-3},
    {"Density", "Milligrams/cubic meter", 1e-9},
    {"Density", "Ounce/gallon", kPound / 16 / kUsGallon},
    {"Density", "Pounds/cubic foot", kPound / kCubicFoot},
    {"Density", "Pounds/cubic inch", kPound / kCubicInch},
    {"Density", "Tons/cubic yard", 2000 * kPound / (27 * kCubicFoot)},
    {"Density", "Kilograms/Litre", 1},
    {"Density", "Grams/Litre", 1e-3},
    {"Density", "Milligrams/Litre", 1e-6},
    {"Density", "Pounds/gallon (U.S.)", kPound / kUsGallon},
    {"Density", "Pounds/gallon (U.K.)", kPound / kImperialGallon},
    // Angles, degrees.
    {"Angle", "Degree", 1},
    {"Angle", "Grad (g)", 0.9},
    {"Angle", "Minute (')", 1.0 / 60},
    {"Angle", "Radian (rad)", 180 / kPi},
    {"Angle", "Revolution", 360},
    {"Angle", "Second ('')", 1.0 / 3600},
    // Light, flames (a flame is four foot-candles).
    {"Light", "Flame", 1},
    {"Light", "Foot-candles", 0.25},
    {"Light", "Lux", 0.25 / kLux},
    {"Light", "Meter-Candles", 0.25 / kLux},
    // Concentration, kilomoles per cubic meter.
    {"Conc", "Kilomole/cubic meter (Kmol/m3)", 1},
    {"Conc", "Micromole/cubic centimeter (umol/cm3)", 1e-6 / 1e-6 / 1000},
    {"Conc", "Micromole/cubic decimeter (umol/dm3)", 1e-6 / 1e-3 / 1000},
    {"Conc", "Micromole/litre (umol/L)", 1e-6 / 1e-3 / 1000},
    {"Conc", "Millimole/cubic centimeter (mmol/cm3)", 1e-3 / 1e-6 / 1000},
    {"Conc", "Millimole/cubic decimeter (mmol/dm3)", 1e-3 / 1e-3 / 1000},
    {"Conc", "Millimole/Litre (mmol/L)", 1e-3 / 1e-3 / 1000},
    {"Conc", "Millimole/cubic meter (mmol/m3)", 1e-3 / 1000},
    {"Conc", "Millimole/millilitre (mmol/mL)", 1e-3 / 1e-6 / 1000},
    {"Conc", "Mole/cubic decimeter (mol/dm3)", 1 / 1e-3 / 1000},
    {"Conc", "Mole/litre (mol/L)", 1 / 1e-3 / 1000},
    {"Conc", "Mole/cubic meter (mol/m3)", 1.0 / 1000},
    {"Conc", "One elementary entity/cubic meter", 1 / 6.02214076e23 / 1000},
    // Dynamic viscosity, centipoises (1 cP = 0.001 Pa s).
    {"Dyn", "decipoise", 10},
    {"Dyn", "centipoise (cP)", 1},
    {"Dyn", "dyne second/cm2", 100},
    {"Dyn", "gram-force second/cm2", kGravity * 10 * 1000, 3e-3},  // factor given as 1.02E-05
    {"Dyn", "gram/centimeter second", 100},
    {"Dyn", "hyl/meter second", kGravity * 1000, 3e-3},          // factor given as 0.000102
    {"Dyn", "kilogram-force second/m2", kGravity * 1000, 3e-3},  // factor given as 0.000102
    {"Dyn", "kilogram/meter hour", 1000.0 / 3600},
    {"Dyn", "kilogram/meter second", 1000},
    {"Dyn", "millipascal second", 1},
    {"Dyn", "millipoise", 0.1},
    {"Dyn", "newton second/m2", 1000},
    {"Dyn", "pascal second", 1000},
    {"Dyn", "poise", 100},
    {"Dyn", "pound-force second/ft2", kPoundForce / (kFoot * kFoot) * 1000, 1e-3},  // factor given as 2.09E-05
    {"Dyn", "pound/foot hour", kPound / kFoot / 3600 * 1000},
    {"Dyn", "pound/foot second", kPound / kFoot * 1000, 1e-4},  // factor given as 0.000672
    {"Dyn", "slug/foot second", kPoundForce / (kFoot * kFoot) * 1000, 1e-3},
    {"Dyn", "poundal hour/ft2", 3600 * kPoundal / (kFoot * kFoot) * 1000, 1e-4},
    {"Dyn", "poundal second/ft2", kPoundal / (kFoot * kFoot) * 1000, 1e-4},
    {"Dyn", "reyn", kPsi * 1000, 5e-4},  // factor given as 1.45E-07
    // Kinematic viscosity, centistokes (1 cSt = 1 mm2/s).
    {"Kin", "lentor", 100},
    {"Kin", "centistoke", 1},
    {"Kin", "litre/cm day", 1e6 / 10 / 86400},
    {"Kin", "litre/cm minute", 1e6 / 10 / 60},
    {"Kin", "poise cm2/gram", 100},
    {"Kin", "cm2/day", 100.0 / 86400},
    {"Kin", "cm2/hour", 100.0 / 3600},
    {"Kin", "cm2/minute", 100.0 / 60},
    {"Kin", "cm2/second", 100},
    {"Kin", "ft2/day", kFoot* kFoot * 1e6 / 86400},
    {"Kin", "ft2/hour", kFoot* kFoot * 1e6 / 3600},
    {"Kin", "in2/day", kInch* kInch * 1e6 / 86400},
    {"Kin", "in2/hour", kInch* kInch * 1e6 / 3600},
    {"Kin", "in2/minute", kInch* kInch * 1e6 / 60, 3e-5},  // factor given as 0.093002
    {"Kin", "in2/second", kInch* kInch * 1e6, 3e-6},       // factor given as 0.00155
    {"Kin", "m2/day", 1e6 / 86400},
    {"Kin", "m2/hour", 1e6 / 3600},
    {"Kin", "mm2/day", 1.0 / 86400},
    {"Kin", "mm2/hour", 1.0 / 3600},
    {"Kin", "mm2/minute", 1.0 / 60},
    {"Kin", "mm2/second", 1},
    {"Kin", "stokes", 100},
};

double converted(const std::string& key, const std::string& value, const std::string& from, const std::string& to) {
  const Category& category = *findCategory(key);
  const Outcome outcome =
      convert(category, {{category.valueBox, value}, {category.fromList, from}, {category.toList, to}});
  EXPECT_TRUE(outcome.wrote(category.answer)) << key << " " << from << " -> " << to;
  return parseNumber(outcome.written(category.answer)).value_or(NAN);
}

TEST(ConversionSizes, EveryFactorUnitHasItsStandardSize) {
  std::set<std::string> checked;
  for (const Size& row : kSizes) {
    const double size = converted(row.key, "1", row.unit, pivot(row.key));
    EXPECT_NEAR(size / row.size, 1.0, row.tolerance) << row.key << " " << row.unit;
    checked.insert(std::string(row.key) + "|" + row.unit);
  }
  // Every unit of every tab is checked here or by the scale test below.
  const std::set<std::string> scales = {"Temp|Celcius", "Temp|Fahrenheit",     "Temp|Rankine",
                                        "Temp|Kelvin",  "Density|API Gravity", "Density|Baume"};
  for (const Category& category : conversionCategories())
    for (const std::string& unit : unitNames(category)) {
      const std::string id = std::string(category.key) + "|" + unit;
      EXPECT_TRUE(checked.count(id) || scales.count(id)) << id << " has no reference size";
    }
}

TEST(ConversionSizes, ScalesMeetAtTheirFixedPoints) {
  struct Case {
    const char* key;
    const char* value;
    const char* from;
    const char* to;
    double expected;
  };
  const Case cases[] = {
      {"Temp", "212", "Fahrenheit", "Celcius", 100},
      {"Temp", "671.67", "Rankine", "Celcius", 100},
      {"Temp", "373.15", "Kelvin", "Celcius", 100},
      {"Temp", "0", "Celcius", "Kelvin", 273.15},
      {"Temp", "0", "Rankine", "Kelvin", 0},
      {"Temp", "100", "Celcius", "Celcius", 100},
      {"Density", "10", "API Gravity", "Kilograms/Litre", 1},  // water
      {"Density", "0", "Baume", "Grams/cubic centimeter", 1},  // water on the heavy scale
      {"Density", "1", "Grams/cubic centimeter", "Baume", 0},
      {"Density", "1.076", "Grams/cubic centimeter", "Baume", 145 - 145 / 1.076},  // heavy Baume: 145 - 145/SG
      {"Density", "0.876", "Grams/cubic centimeter", "API Gravity", 141.5 / 0.876 - 131.5},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(converted(c.key, c.value, c.from, c.to), c.expected, 1e-9)
        << c.value << " " << c.from << " -> " << c.to;
}

}  // namespace
}  // namespace calvexa
