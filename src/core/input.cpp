#include "core/input.h"

#include <cmath>

#include "core/number_text.h"

namespace calvexa {

const char* const kAnswerOutOfRangeText =
    "The answer is out of range for these values. Please check the values entered.";

std::string notANumberText(std::string_view valueName) {
  return "Please type in a number for " + std::string(valueName) + ".";
}

bool readAll(const Fields& fields, std::span<const Input> inputs, std::span<Reading> readings, Outcome& outcome) {
  for (std::size_t i = 0; i < inputs.size(); ++i)
    if (!readInput(fields, inputs[i], readings[i], outcome)) return false;
  return true;
}

bool requireTexts(const Fields& fields, std::span<const Required> checks, Outcome& outcome) {
  for (const Required& check : checks) {
    if (fieldText(fields, check.control).empty()) {
      outcome.show(check.message);
      return false;
    }
  }
  return true;
}

Required requiredNumber(const Input& input) { return {input.box, {notANumberText(input.valueName)}}; }

std::string tooLargeText(std::string_view valueName) {
  return "The value typed for " + std::string(valueName) + " is too large.";
}

std::string belowZeroText(std::string_view valueName) {
  return "The value typed for " + std::string(valueName) + " cannot be below zero.";
}

std::optional<double> readNumber(const Fields& fields, std::string_view box, std::string_view valueName,
                                 Outcome& outcome) {
  const std::string& text = fieldText(fields, box);
  std::optional<double> value = parseNumber(text);
  if (!value) outcome.show(numberTooLarge(text) ? tooLargeText(valueName) : notANumberText(valueName));
  return value;
}

bool readInput(const Fields& fields, const Input& input, Reading& reading, Outcome& outcome) {
  if (input.list) {
    reading.unit = matchUnit(*input.units.table, *input.units.accepted, fieldText(fields, input.list));
    if (!reading.unit) {
      outcome.show(input.unitMessage);
      return false;
    }
  }
  if (!input.box) return true;
  const std::optional<double> value = readNumber(fields, input.box, input.valueName, outcome);
  if (!value) return false;
  if (input.sign == Sign::NotNegative && *value < 0) {
    outcome.show(belowZeroText(input.valueName));
    return false;
  }
  reading.typed = *value;
  reading.value = reading.unit ? applyFactor(*reading.unit, *value) : *value;
  return true;
}

bool acceptAnswer(double value, Outcome& outcome) {
  if (std::isfinite(value)) return true;
  outcome.show(kAnswerOutOfRangeText);
  return false;
}

std::string hash3Answer(double value) { return maskText(value, Mask::Hash3); }
std::string grouped3Answer(double value) { return maskText(value, Mask::Grouped3); }
std::string grouped4Answer(double value) { return maskText(value, Mask::Grouped4); }
std::string generalAnswer(double value) { return generalText(value); }

void writeAnswer(double answer, const char* target, AnswerForm form, Outcome& outcome) {
  if (acceptAnswer(answer, outcome)) outcome.write(target, form(answer));
}

}  // namespace calvexa
