#include "oilfield/oilfield_units_rules.h"

#include <algorithm>
#include <cmath>

#include "core/input.h"
#include "core/number_text.h"

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

double RingVolume(double outer, double inner, double length) {
  const double outerVolume = std::pow(outer, 2) * kRingPi * length;
  const double innerVolume = std::pow(inner, 2) * kRingPi * length;
  return outerVolume - innerVolume;
}

const UnitFactor* readUnit(const Fields& fields, const char* list, const UnitTable& table, const UnitOrder& order,
                           const char* message, Outcome& outcome) {
  const UnitFactor* factor = matchUnit(table, order, fieldText(fields, list));
  if (!factor) outcome.show(message);
  return factor;
}

std::optional<double> readInUnit(const Fields& fields, const UnitInput& input, const UnitTable& table,
                                 const UnitOrder& order, Outcome& outcome) {
  const UnitFactor* factor = readUnit(fields, input.list, table, order, input.unitMessage, outcome);
  if (!factor) return std::nullopt;
  std::optional<double> value = readNumber(fields, input.box, input.valueName, outcome);
  if (!value) return std::nullopt;
  return applyFactor(*factor, *value);
}

bool requireTexts(const Fields& fields, const std::vector<RequiredText>& checks, Outcome& outcome) {
  for (const RequiredText& check : checks) {
    if (fieldText(fields, check.control).empty()) {
      outcome.show(check.message);
      return false;
    }
  }
  return true;
}

std::string hash3Answer(double value) { return maskText(value, Mask::Hash3); }
std::string grouped3Answer(double value) { return maskText(value, Mask::Grouped3); }
std::string generalAnswer(double value) { return generalText(value); }

void writeAnswer(double answer, const char* target, std::string (*form)(double), Outcome& outcome) {
  if (acceptAnswer(answer, outcome)) outcome.write(target, form(answer));
}

}  // namespace calvexa
