// Units, the ring volume and the input reading shared by the oilfield
// calculations (annular, pipeline and coating volumes, fuel use).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/outcome.h"

namespace calvexa {

// The two stored values of pi: the ring routine (and the cylinders computed
// inline like it) use seven decimals, the annular and tube-coating routines nine.
constexpr double kRingPi = 3.1415926;
constexpr double kLongPi = 3.141592654;

// One unit and how a value in it becomes the base quantity: multiply by
// `multiplier`, then divide by each divisor in turn. A step the unit does not
// have is 1, which leaves the value exactly as it was, so every row keeps the
// order of operations the calculations have always used.
struct UnitFactor {
  const char* name;
  double multiplier;
  double divisors[3];
};
using UnitTable = std::vector<UnitFactor>;

// The unit names one calculation accepts, in the order it tries them.
using UnitOrder = std::vector<std::string>;

// The items of a unit list, in the order the list shows them.
using UnitItems = std::vector<std::string>;

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

// The list items shared by the oilfield windows, as shown (sorted alphabetically).
inline const UnitItems kVolumeItems = {"Cubic Feet",       "Cubic Meters",   "Drums (208 litre)",
                                       "Gallons (Canada)", "Gallons (U.S.)", "Litres"};
inline const UnitItems kDiameterItems = {"Centimeters", "Feet", "Inches", "Meters", "Mil", "Millimeters"};
inline const UnitItems kThicknessItems = {"Centimeters", "Inches", "Mil", "Millimeters"};
inline const UnitItems kLengthItems = {"Centimeters", "Feet", "Inches", "Kilometers", "Meters", "Miles"};

// value × multiplier ÷ divisors, in that order.
double applyFactor(const UnitFactor& factor, double value);

// The row of `unit` when the calculation accepts it (exact, case-sensitive
// comparison against `order`); nullptr otherwise.
const UnitFactor* matchUnit(const UnitTable& table, const UnitOrder& order, const std::string& unit);

// The volume between two coaxial cylinders: (outer² × π × length) −
// (inner² × π × length), π = 3.1415926, each product rounded before the
// subtraction. All three arguments in one unit; the result in that unit cubed.
double RingVolume(double outer, double inner, double length);

// A value box and its unit list, as one calculation step reads them.
struct UnitInput {
  const char* box;          // objectName of the value box
  const char* list;         // objectName of the unit list
  const char* valueName;    // named in the not-a-number message
  const char* unitMessage;  // shown when the list's text is not an accepted unit
};

// Matches the unit of `input` (its message when it does not match), then reads
// its box as a number (the not-a-number message when it is not one) and
// converts it with the matched factor.
std::optional<double> readInUnit(const Fields& fields, const UnitInput& input, const UnitTable& table,
                                 const UnitOrder& order, Outcome& outcome);

// Matches a unit list alone; shows `message` and returns nullptr when its text
// is not an accepted unit.
const UnitFactor* readUnit(const Fields& fields, const char* list, const UnitTable& table, const UnitOrder& order,
                           const char* message, Outcome& outcome);

// A box that must not be empty, and the message shown when it is.
struct RequiredText {
  const char* control;
  std::string message;
};

// Runs the checks in order; shows the message of the first control whose text
// is exactly empty and returns false.
bool requireTexts(const Fields& fields, const std::vector<RequiredText>& checks, Outcome& outcome);

// The answer forms of the oilfield windows.
std::string hash3Answer(double value);     // "###.###"
std::string grouped3Answer(double value);  // "#,###.000"
std::string generalAnswer(double value);   // general number text, up to 15 digits

// Refuses a non-finite answer (its message) or writes it to `target` in `form`.
void writeAnswer(double answer, const char* target, std::string (*form)(double), Outcome& outcome);

}  // namespace calvexa
