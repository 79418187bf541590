#include "core/units.h"

#include <algorithm>

namespace calvexa {

double applyFactor(const UnitFactor& factor, double value) {
  double result = value * factor.multiplier;
  for (double divisor : factor.divisors) result /= divisor;
  return result;
}

const UnitFactor* matchUnit(const UnitTable& table, const UnitOrder& order, const std::string& unit) {
  if (std::find(order.begin(), order.end(), unit) == order.end()) return nullptr;
  for (const UnitFactor& row : table)
    if (unit == row.name) return &row;
  return nullptr;
}

}  // namespace calvexa
