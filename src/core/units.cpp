#include "core/units.h"

namespace calvexa {

double applyFactor(const UnitFactor& factor, double value) {
  double result = value * factor.multiplier;
  for (double divisor : factor.divisors) result /= divisor;
  return result;
}

double unapplyFactor(const UnitFactor& factor, double value) {
  for (double divisor : factor.divisors) value *= divisor;
  return value / factor.multiplier;
}

const UnitFactor* matchUnit(const UnitTable& table, const UnitOrder& order, std::string_view unit) {
  for (const UnitFactor& row : table) {
    if (row.name != unit) continue;
    for (const std::string& accepted : order)
      if (accepted == unit) return &row;
    return nullptr;
  }
  return nullptr;
}

}  // namespace calvexa
