#include "tanks/tank_units_rules.h"

namespace calvexa {
namespace {

const UnitItems kVolumeItems = {"Litres",         "Cubic Meters", "Gallons (Canada)",
                                "Gallons (U.S.)", "Cubic Feet",   "Drums (208 litre)"};
const UnitItems kLengthItems = {"Meters", "Centimeters", "Millimeters", "Inches", "Feet"};

// Lengths: x × multiplier ÷ divisors.
const UnitTable kLengthToMetres = {
    {.name = "Meters"},
    {.name = "Centimeters", .divisors = {100, 1, 1}},
    {.name = "Millimeters", .divisors = {1000, 1, 1}},
    {.name = "Inches", .multiplier = 0.3048, .divisors = {12, 1, 1}},
    {.name = "Feet", .multiplier = 0.3048},
};

// Diameters to radii: the halving is part of each row, in its written place.
const UnitTable kDiameterToRadius = {
    {.name = "Meters", .divisors = {2, 1, 1}},
    {.name = "Centimeters", .divisors = {100, 2, 1}},
    {.name = "Millimeters", .divisors = {1000, 2, 1}},
    {.name = "Inches", .multiplier = 0.3048, .divisors = {2, 12, 1}},
    {.name = "Feet", .multiplier = 0.3048, .divisors = {2, 1, 1}},
};

// Cubic metres to the answer unit.
const UnitTable kCubicMetresTo = {
    {.name = "Litres", .multiplier = 1000},
    {.name = "Cubic Meters"},
    {.name = "Gallons (Canada)", .multiplier = 1000, .divisors = {4.54609, 1, 1}},
    {.name = "Gallons (U.S.)", .multiplier = 1000, .divisors = {3.785412, 1, 1}},
    {.name = "Cubic Feet", .multiplier = 35.31466227},
    {.name = "Drums (208 litre)", .multiplier = 1000, .divisors = {208, 1, 1}},
};

std::optional<double> convert(const UnitConversion& units, double x, const std::string& unit) {
  const UnitFactor* factor = matchUnit(*units.table, *units.accepted, unit);
  if (!factor) return std::nullopt;
  return applyFactor(*factor, x);
}

}  // namespace

const UnitItems& TankVolumeUnits() { return kVolumeItems; }
const UnitItems& TankLengthUnits() { return kLengthItems; }

const UnitConversion kTankLengths = {&kLengthToMetres, &kLengthItems};
const UnitConversion kTankDiameters = {&kDiameterToRadius, &kLengthItems};
const UnitConversion kTankVolumes = {&kCubicMetresTo, &kVolumeItems};

std::optional<double> LengthToMetres(double x, const std::string& unit) { return convert(kTankLengths, x, unit); }
std::optional<double> DiameterToRadius(double x, const std::string& unit) { return convert(kTankDiameters, x, unit); }
std::optional<double> CubicMetresToAnswer(double V, const std::string& unit) { return convert(kTankVolumes, V, unit); }

}  // namespace calvexa
