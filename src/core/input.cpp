#include "core/input.h"

#include <cmath>

#include "core/number_text.h"

namespace calvexa {

const char* const kAnswerOutOfRangeText =
    "The answer is out of range for these values. Please check the values entered.";

std::string notANumberText(const std::string& valueName) { return "Please type in a number for " + valueName + "."; }

std::optional<double> readNumber(const Fields& fields, const std::string& box, const std::string& valueName,
                                 Outcome& outcome) {
  std::optional<double> value = parseNumber(fieldText(fields, box));
  if (!value) outcome.show(notANumberText(valueName));
  return value;
}

bool acceptAnswer(double value, Outcome& outcome) {
  if (std::isfinite(value)) return true;
  outcome.show(kAnswerOutOfRangeText);
  return false;
}

}  // namespace calvexa
