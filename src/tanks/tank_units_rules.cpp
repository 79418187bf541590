#include "tanks/tank_units_rules.h"

#include "core/field_units.h"

namespace calvexa {
namespace {

const UnitItems kVolumeItems = {"Litres",         "Cubic Meters", "Gallons (Canada)",
                                "Gallons (U.S.)", "Cubic Feet",   "Drums (208 litre)"};
const UnitItems kLengthItems = {"Meters", "Centimeters", "Millimeters", "Inches", "Feet"};

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
const UnitConversion kTankVolumes = {&kCubicMetresToVolume, &kVolumeItems};

std::optional<double> LengthToMetres(double x, const std::string& unit) { return convert(kTankLengths, x, unit); }
std::optional<double> DiameterToRadius(double x, const std::string& unit) { return convert(kTankDiameters, x, unit); }
std::optional<double> CubicMetresToAnswer(double V, const std::string& unit) { return convert(kTankVolumes, V, unit); }

}  // namespace calvexa
