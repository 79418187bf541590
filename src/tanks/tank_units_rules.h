// The units of every tank window: the answer list of six volume units, the
// length list of five, and the three rules by which a tank calculation
// brings a length to metres, a diameter to a radius in metres, and its
// volume from cubic metres to the answer unit.
#pragma once

#include <optional>
#include <string>

#include "core/units.h"

namespace calvexa {

// The answer units, in the order they are added to a list (the lists sort
// themselves: "Cubic Feet" shows first).
const UnitItems& TankVolumeUnits();
// The length units, in the order they are added.
const UnitItems& TankLengthUnits();

// Each unit's factor, its operations in the order written: inches go through
// the foot (× 0.3048, then ÷ 12), a diameter's halving comes before the ÷ 12.
extern const UnitConversion kTankLengths;    // LengthToMetres
extern const UnitConversion kTankDiameters;  // DiameterToRadius
extern const UnitConversion kTankVolumes;    // CubicMetresToAnswer

// x in `unit` as metres; nullopt when the text is none of the five units.
std::optional<double> LengthToMetres(double x, const std::string& unit);
// A diameter x in `unit` as a radius in metres; nullopt when no unit.
std::optional<double> DiameterToRadius(double x, const std::string& unit);
// A volume V in cubic metres in the answer `unit`; nullopt when no unit.
std::optional<double> CubicMetresToAnswer(double V, const std::string& unit);

}  // namespace calvexa
