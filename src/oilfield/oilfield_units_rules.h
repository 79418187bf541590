// Units and the ring volume shared by the oilfield calculations (annular,
// pipeline and coating volumes, fuel use).
#pragma once

#include "core/units.h"

namespace calvexa {

// The two stored values of pi: the ring routine (and the cylinders computed
// inline like it) use seven decimals, the annular and tube-coating routines nine.
constexpr double kRingPi = 3.1415926;
constexpr double kLongPi = 3.141592654;

// Lengths to metres.
inline const UnitTable kLengthToMetres = {
    {"Meters", 1, {1, 1, 1}},        {"Centimeters", 1, {100, 1, 1}}, {"Millimeters", 1, {1000, 1, 1}},
    {"Kilometers", 1000, {1, 1, 1}}, {"Feet", 0.3048, {1, 1, 1}},     {"Inches", 0.3048, {12, 1, 1}},
    {"Miles", 1609.347, {1, 1, 1}},  // the program's mile, not 1609.344
    {"Mil", 0.3048, {12, 1000, 1}},
};

// Diameters to the radius in metres: the halving is part of each factor.
inline const UnitTable kDiameterToRadius = {
    {"Meters", 1, {2, 1, 1}},    {"Centimeters", 1, {100, 2, 1}}, {"Millimeters", 1, {1000, 2, 1}},
    {"Feet", 0.3048, {2, 1, 1}}, {"Inches", 0.3048, {2, 12, 1}},  {"Mil", 0.3048, {12, 2, 1000}},
};

// Wall and coating thicknesses to metres.
inline const UnitTable kThicknessToMetres = {
    {"Centimeters", 1, {100, 1, 1}}, {"Inches", 0.0254, {1, 1, 1}}, {"Millimeters", 1, {1000, 1, 1}},
    {"Mil", 0.0000254, {1, 1, 1}},   {"Feet", 0.3048, {1, 1, 1}},   {"Meters", 1, {1, 1, 1}},
};

// Cubic metres to the answer's volume unit.
inline const UnitTable kCubicMetresToVolume = {
    {"Cubic Meters", 1, {1, 1, 1}},
    {"Litres", 1000, {1, 1, 1}},
    {"Gallons (Canada)", 1000, {4.54609, 1, 1}},
    {"Gallons (U.S.)", 1000, {3.785412, 1, 1}},
    {"Cubic Feet", 35.31466227, {1, 1, 1}},
    {"Drums (208 litre)", 1000, {208, 1, 1}},
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
