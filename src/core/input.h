// How a calculation reads its inputs: declared as a list in checking order,
// read by one helper that stops at the first refusal with its message.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "core/number_text.h"
#include "core/outcome.h"
#include "core/units.h"

namespace calvexa {

// "Please type in a number for Casing Diameter."
std::string notANumberText(std::string_view valueName);

// "The value typed for Casing Diameter is too large."
std::string tooLargeText(std::string_view valueName);

// "The value typed for Length of Tank cannot be below zero."
std::string belowZeroText(std::string_view valueName);

// The answer a calculation refuses to show because it is infinite or undefined.
extern const char* const kAnswerOutOfRangeText;

// Whether a box's number may be below zero: a size of something built may not.
enum class Sign { Any, NotNegative };

// One input of a calculation. With a list, its text is matched against the
// accepted units first; with a box, the box is then read as a number (a
// negative one refused where the sign says so) and converted with the
// matched unit (taken as it is without a list).
struct Input {
  const char* box = nullptr;   // value box; none: the unit alone (an answer unit)
  const char* list = nullptr;  // unit list; none: a plain number
  const char* valueName = "";  // named when the box's text is not a number, or is below zero
  Message unitMessage;         // shown when the list's text is not an accepted unit
  UnitConversion units = {};   // the list's factors and accepted names
  Sign sign = Sign::Any;
};

// What one input gave: the box's number in the base unit and as typed, and
// the matched unit.
struct Reading {
  double value = 0;
  double typed = 0;
  const UnitFactor* unit = nullptr;
};

template <std::size_t N>
using Readings = std::array<Reading, N>;

// Reads one input into `reading`; false (and its message added) when refused.
bool readInput(const Fields& fields, const Input& input, Reading& reading, Outcome& outcome);

// Reads `inputs` into `readings` in order, stopping at the first refusal.
bool readAll(const Fields& fields, std::span<const Input> inputs, std::span<Reading> readings, Outcome& outcome);

// Reads `inputs` in order and stops at the first refusal, whose message is
// then the outcome's last effect and the result is empty.
template <std::size_t N>
std::optional<Readings<N>> readInputs(const Fields& fields, const Input (&inputs)[N], Outcome& outcome) {
  Readings<N> readings{};
  if (!readAll(fields, inputs, readings, outcome)) return std::nullopt;
  return readings;
}

template <std::size_t N>
std::optional<Readings<N>> readInputs(const Fields& fields, const std::array<Input, N>& inputs, Outcome& outcome) {
  Readings<N> readings{};
  if (!readAll(fields, inputs, readings, outcome)) return std::nullopt;
  return readings;
}

// A box or list that must not be empty (exactly the empty text), and the
// message shown when it is.
struct Required {
  const char* control;
  Message message;
};

// An input's box must not be empty: asked for with the input's own
// not-a-number message.
Required requiredNumber(const Input& input);

// Runs the checks in order; shows the message of the first empty control and
// returns false.
bool requireTexts(const Fields& fields, std::span<const Required> checks, Outcome& outcome);

// Reads a box as a number; when its text is not a number, adds the
// not-a-number message naming valueName (the too-large message for a number
// beyond the range of a double) and returns nullopt.
std::optional<double> readNumber(const Fields& fields, std::string_view box, std::string_view valueName,
                                 Outcome& outcome);

// True when value is finite; otherwise adds the out-of-range message.
bool acceptAnswer(double value, Outcome& outcome);

// The answer forms, by the names the calculations use.
constexpr AnswerForm hash3Answer = AnswerForm::Hash3;        // "###.###"
constexpr AnswerForm grouped3Answer = AnswerForm::Grouped3;  // "#,###.000"
constexpr AnswerForm grouped4Answer = AnswerForm::Grouped4;  // "#,###.0000"
constexpr AnswerForm generalAnswer = AnswerForm::General;    // general number text, up to 15 digits

// The text of `value` in `form`.
std::string answerText(double value, AnswerForm form);

// The decimals or significant digits `form` shows of a number.
ShownDigits shownDigits(AnswerForm form);

// The number an answer label shows of `value` in `form`, read back.
double shownValue(double value, AnswerForm form);

// Refuses a non-finite answer (its message) or writes it to `target` in
// `form`, the number kept with its text.
void writeAnswer(double answer, const char* target, AnswerForm form, Outcome& outcome);

}  // namespace calvexa
