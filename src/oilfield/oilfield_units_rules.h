// Units and the ring volume shared by the oilfield calculations (annular,
// pipeline and coating volumes, fuel use).
#pragma once

#include "core/field_units.h"

namespace calvexa {

// Wall and coating thicknesses to metres.
inline const UnitTable kThicknessToMetres = {
    {"Centimeters", 1, {100, 1, 1}}, {"Inches", 0.0254, {1, 1, 1}}, {"Millimeters", 1, {1000, 1, 1}},
    {"Mil", 0.0000254, {1, 1, 1}},   {"Feet", 0.3048, {1, 1, 1}},   {"Meters", 1, {1, 1, 1}},
};

// The order in which every oilfield volume answer list is matched.
inline const UnitOrder kVolumeOrder = {"Cubic Meters",   "Litres",     "Gallons (Canada)",
                                       "Gallons (U.S.)", "Cubic Feet", "Drums (208 litre)"};
// The orders of the pipeline and coating diameter, thickness and length lists.
inline const UnitOrder kDiameterOrder = {"Meters", "Centimeters", "Millimeters", "Feet", "Inches", "Mil"};
inline const UnitOrder kThicknessOrder = {"Centimeters", "Inches", "Millimeters", "Mil"};
inline const UnitOrder kLengthOrder = {"Meters", "Centimeters", "Kilometers", "Feet", "Inches", "Miles"};

// The lists as the pipeline and coating calculations read them.
inline const UnitConversion kVolumeUnits = {&kCubicMetresToVolume, &kVolumeOrder};
inline const UnitConversion kDiameterUnits = {&kDiameterToRadius, &kDiameterOrder};
inline const UnitConversion kThicknessUnits = {&kThicknessToMetres, &kThicknessOrder};
inline const UnitConversion kLengthUnits = {&kLengthToMetres, &kLengthOrder};

// The list items shared by the oilfield windows, as shown (sorted alphabetically).
inline const UnitItems kVolumeItems = {"Cubic Feet",       "Cubic Meters",   "Drums (208 litre)",
                                       "Gallons (Canada)", "Gallons (U.S.)", "Litres"};
inline const UnitItems kDiameterItems = {"Centimeters", "Feet", "Inches", "Meters", "Mil", "Millimeters"};
inline const UnitItems kThicknessItems = {"Centimeters", "Inches", "Mil", "Millimeters"};
inline const UnitItems kLengthItems = {"Centimeters", "Feet", "Inches", "Kilometers", "Meters", "Miles"};

// The volume between two coaxial cylinders: (outer² × π × length) −
// (inner² × π × length), π = 3.1415926, each product rounded before the
// subtraction. All three arguments in one unit; the result in that unit cubed.
double RingVolume(double outer, double inner, double length);

}  // namespace calvexa
