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
  if (fields.replaced && fields.replaced->box == box) return fields.replaced->number;
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

namespace {

// What each answer form shows, by form.
struct FormRow {
  AnswerForm form;
  std::optional<Mask> mask = {};  // none: general number text
  ShownDigits shown = {};
};
constexpr FormRow kForms[] = {
    {.form = AnswerForm::General, .shown = {ShownDigits::Kind::Significant, 15}},
    {.form = AnswerForm::Grouped4, .mask = Mask::Grouped4, .shown = {ShownDigits::Kind::Decimals, 4}},
    {.form = AnswerForm::Grouped3, .mask = Mask::Grouped3, .shown = {ShownDigits::Kind::Decimals, 3}},
    {.form = AnswerForm::Hash3, .mask = Mask::Hash3, .shown = {ShownDigits::Kind::Decimals, 3}},
};

const FormRow& formRow(AnswerForm form) {
  for (const FormRow& row : kForms)
    if (row.form == form) return row;
  return kForms[0];
}

}  // namespace

std::string answerText(double value, AnswerForm form) {
  const FormRow& row = formRow(form);
  return row.mask ? maskText(value, *row.mask) : generalText(value);
}

ShownDigits shownDigits(AnswerForm form) { return formRow(form).shown; }

double shownValue(double value, AnswerForm form) {
  const ShownDigits shown = shownDigits(form);
  return shown.kind == ShownDigits::Kind::Decimals ? roundedDecimals(value, shown.count)
                                                   : roundedSignificant(value, shown.count);
}

void writeAnswer(double answer, const char* target, AnswerForm form, Outcome& outcome) {
  if (!acceptAnswer(answer, outcome)) return;
  outcome.write(target, answerText(answer, form));
  outcome.effects.back().number = answer;
  outcome.effects.back().form = form;
}

}  // namespace calvexa
