// Unit rows shared by every calculator that multiplies a value into a base
// unit: a unit's name (the exact list item) and its factor.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace calvexa {

// One unit and how a value in it becomes the base quantity: multiply by
// `multiplier`, then divide by each divisor in turn. A step the unit does not
// have is 1, which leaves the value exactly as it was, so every row keeps the
// order of operations its calculation has always used ("x × 0.3048 ÷ 12").
struct UnitFactor {
  std::string_view name;
  double multiplier = 1;
  double divisors[3] = {1, 1, 1};
};
using UnitTable = std::vector<UnitFactor>;

// The unit names one calculation accepts, in the order it tries them.
using UnitOrder = std::vector<std::string>;

// The items of a unit list, in the order they are added to it.
using UnitItems = std::vector<std::string>;

// value × multiplier ÷ divisors, in that order.
double applyFactor(const UnitFactor& factor, double value);

// value × divisors ÷ multiplier: the way back through a unit's factor.
double unapplyFactor(const UnitFactor& factor, double value);

// The row of `unit` when `order` accepts it (exact, case-sensitive comparison
// of the whole text); nullptr otherwise, the empty text included.
const UnitFactor* matchUnit(const UnitTable& table, const UnitOrder& order, std::string_view unit);

// A unit list as one calculation reads it: the factors, and the names it accepts.
struct UnitConversion {
  const UnitTable* table;
  const UnitOrder* accepted;
};

}  // namespace calvexa
