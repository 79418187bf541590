#include "conversion/conversion_rules.h"

#include <limits>
#include <optional>
#include <utility>

#include "core/input.h"
#include "core/number_text.h"

namespace calvexa {

const char* const kConvertValueName = "the 'Convert From Unit' box";

namespace {

const Message& unknownToMessage(const Category& category) {
  return category.unknownTo.text.empty() ? category.unknownUnit : category.unknownTo;
}

const char* const kDensityZeroText = "Error, Density Cannot equal zero.  Please enter another value.";

double apply(const Rule& steps, double x) {
  for (const Step& step : steps) {
    switch (step.op) {
      case Op::None:
        return x;
      case Op::Mul:
        x = x * step.k;
        break;
      case Op::Div:
        x = x / step.k;
        break;
      case Op::Add:
        x = x + step.k;
        break;
      case Op::Sub:
        x = x - step.k;
        break;
      case Op::DivInto:
        // A zero divisor gives an infinity, which the caller refuses.
        x = x == 0 ? std::numeric_limits<double>::infinity() : step.k / x;
        break;
      case Op::SubFrom:
        x = step.k - x;
        break;
      case Op::ZeroAt:
        if (x == step.k) return 0;
        break;
    }
  }
  return x;
}

const UnitRule* findUnit(const UnitRules& units, const std::string& name) {
  for (const UnitRule& unit : units)
    if (name == unit.name) return &unit;
  return nullptr;
}

// An outcome of one message: the calculation stops and writes nothing.
Outcome stop(Message message) {
  Outcome outcome;
  outcome.show(std::move(message));
  return outcome;
}

}  // namespace

Outcome convert(const Category& category, const Fields& fields) {
  // The value box and the From unit, then the value in the base unit.
  if (fieldText(fields, category.valueBox).empty()) return stop(category.emptyValue);
  const UnitRule* from = findUnit(category.units, fieldText(fields, category.fromList));
  if (!from) return stop(category.unknownUnit);
  const UnitRule* to = nullptr;
  if (category.checks == CheckOrder::ToUnitFirst) {
    to = findUnit(category.units, fieldText(fields, category.toList));
    if (!to) return stop(unknownToMessage(category));
  }
  Outcome outcome;
  std::optional<double> value = readNumber(fields, category.valueBox, kConvertValueName, outcome);
  if (!value) return outcome;
  const double base = apply(from->toBase, *value);
  if (!acceptAnswer(base, outcome)) return outcome;
  // The To unit, then the answer in it.
  if (category.zeroBase == ZeroBase::Refused && base == 0) return stop(Message{kDensityZeroText});
  if (!to) {
    to = findUnit(category.units, fieldText(fields, category.toList));
    if (!to) return stop(unknownToMessage(category));
  }
  const double answer = apply(to->fromBase, base);
  if (!acceptAnswer(answer, outcome)) return outcome;
  outcome.write(category.answer, generalText(answer));
  return outcome;
}

Outcome convert(std::size_t tab, const Fields& fields) {
  if (tab >= kCategoryCount) return Outcome{};
  return convert(conversionCategories()[tab], fields);
}

}  // namespace calvexa
