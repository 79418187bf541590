// The program's unit factors for lengths, diameters and volumes, and its two
// stored values of pi, shared by the oilfield and the tank calculations. Each
// calculator accepts its own list of these units (a UnitOrder).
#pragma once

#include "core/units.h"

namespace calvexa {

// The two stored values of pi: seven decimals for the ring volume (and the
// cylinders computed like it, the flat upright tanks among them), nine for
// every other routine. Quarters and thirds of pi are worked out from these
// when needed, never stored on their own.
constexpr double kRingPi = 3.1415926;
constexpr double kLongPi = 3.141592654;

// Lengths to metres: x × multiplier ÷ divisors, in the written order.
inline const UnitTable kLengthToMetres = {
    {"Meters", 1, {1, 1, 1}},        {"Centimeters", 1, {100, 1, 1}}, {"Millimeters", 1, {1000, 1, 1}},
    {"Kilometers", 1000, {1, 1, 1}}, {"Feet", 0.3048, {1, 1, 1}},     {"Inches", 0.3048, {12, 1, 1}},
    {"Miles", 1609.347, {1, 1, 1}},  // the program's mile, not 1609.344
    {"Mil", 0.3048, {12, 1000, 1}},
};

// Diameters to the radius in metres: the halving is part of each factor, in
// its written place.
inline const UnitTable kDiameterToRadius = {
    {"Meters", 1, {2, 1, 1}},    {"Centimeters", 1, {100, 2, 1}}, {"Millimeters", 1, {1000, 2, 1}},
    {"Feet", 0.3048, {2, 1, 1}}, {"Inches", 0.3048, {2, 12, 1}},  {"Mil", 0.3048, {12, 2, 1000}},
};

// The oil barrel: 42 U.S. gallons of 231 cubic inches, 0.158987294928 m³
// exactly.
constexpr double kCubicMetresPerBarrel = 0.158987294928;

// Cubic metres to the answer's volume unit.
inline const UnitTable kCubicMetresToVolume = {
    {"Cubic Meters", 1, {1, 1, 1}},
    {"Litres", 1000, {1, 1, 1}},
    {"Gallons (Canada)", 1000, {4.54609, 1, 1}},
    {"Gallons (U.S.)", 1000, {3.785412, 1, 1}},
    {"Cubic Feet", 35.31466227, {1, 1, 1}},
    {"Drums (208 litre)", 1000, {208, 1, 1}},
    // Capacity tables and gauging only: no answer list of the tank windows takes it.
    {"Barrels", 1, {kCubicMetresPerBarrel, 1, 1}},
};

}  // namespace calvexa
