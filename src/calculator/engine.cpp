#include "calculator/engine.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "core/number_text.h"

namespace calvexa {
namespace {

// ---------------------------------------------------------------------------
// Faults: thrown by the checked arithmetic below, caught by the key that ran
// it, which puts the state back and shows "Calculation Error".

struct Fault {
  const char* description;
};

constexpr const char* kDivisionByZero = "Division by zero";
constexpr const char* kInvalidArgument = "Invalid procedure call or argument";
constexpr const char* kOverflow = "Overflow";

[[noreturn]] void fail(const char* description) { throw Fault{description}; }

double finite(double value) {
  if (std::isnan(value)) fail(kInvalidArgument);
  if (std::isinf(value)) fail(kOverflow);
  return value;
}

double divide(double numerator, double denominator) {
  if (denominator == 0.0) fail(kDivisionByZero);
  return finite(numerator / denominator);
}

double squareRoot(double value) {
  if (value < 0.0) fail(kInvalidArgument);
  return std::sqrt(value);
}

// "integer of": nearest 32-bit integer, ties to even.
std::int32_t integerOf(double value) {
  auto rounded = roundToInt32(value);
  if (!rounded) fail(kOverflow);
  return *rounded;
}

// Rounded toward zero, to a 32-bit integer.
std::int32_t truncated(double value) {
  double whole = std::trunc(value);
  if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) fail(kOverflow);
  return static_cast<std::int32_t>(whole);
}

// A product of 32-bit integers that must itself fit 32 bits.
std::int32_t int32Product(std::int64_t a, std::int64_t b) {
  std::int64_t product = a * b;
  if (product < INT32_MIN || product > INT32_MAX) fail(kOverflow);
  return static_cast<std::int32_t>(product);
}

Message plain(std::string text) { return Message{std::move(text), {}, Icon::None}; }

Message calculationError(const Fault& fault) {
  return Message{std::string("Calculation Error\r\n") + fault.description, "Error", Icon::Exclamation};
}

// ---------------------------------------------------------------------------
// Operator keys. Each row applies its operator to the accumulator and the
// display value and returns the new accumulator; a refusal shows its message
// and returns the accumulator unchanged.

struct OperatorInput {
  double acc;
  double value;                // the display value (0 when not read)
  const std::string& display;  // the display text
  std::vector<Message>& shown;
};

using ApplyOperator = double (*)(const OperatorInput&);

struct OperatorRow {
  int index;
  bool readsDisplay;
  ApplyOperator apply;
};

double applyPlus(const OperatorInput& in) { return finite(in.value + in.acc); }
double applyMinus(const OperatorInput& in) { return finite(in.acc - in.value); }
double applyTimes(const OperatorInput& in) { return finite(in.value * in.acc); }
double applyEquals(const OperatorInput& in) { return in.acc; }

double applyDivide(const OperatorInput& in) {
  if (in.value == 0.0) {
    in.shown.push_back(plain(" ILLEGAL  DIVIDE  0 "));
    return in.acc;
  }
  return divide(in.acc, in.value);
}

// The remainder takes the sign of the dividend; computed in 64 bits so that
// the smallest 32-bit integer modulo -1 is 0, not a trap.
double applyModulo(const OperatorInput& in) {
  std::int64_t dividend = integerOf(in.acc);
  std::int64_t divisor = integerOf(in.value);
  if (divisor == 0) fail(kDivisionByZero);
  return static_cast<double>(dividend % divisor);
}

double applyPower(const OperatorInput& in) {
  if (in.acc == 0.0 || in.display.empty()) {
    in.shown.push_back(plain("ILLEGAL.  INVALIED ENTRIES"));
    return in.acc;
  }
  return finite(power(in.acc, truncated(in.value), in.shown));
}

constexpr OperatorRow kOperators[] = {
    {CalculatorEngine::kPlus, true, applyPlus},      {CalculatorEngine::kMinus, true, applyMinus},
    {CalculatorEngine::kDivide, true, applyDivide},  {CalculatorEngine::kTimes, true, applyTimes},
    {CalculatorEngine::kEquals, false, applyEquals}, {CalculatorEngine::kModulo, true, applyModulo},
    {CalculatorEngine::kPower, true, applyPower},
};

const OperatorRow* findOperator(int index) {
  for (const auto& row : kOperators)
    if (row.index == index) return &row;
  return nullptr;
}

// ---------------------------------------------------------------------------
// Function keys. Each row: caption, the rule that refuses the display value v
// (with its message; the display is then left alone), the computation from v
// and the angle factor, and the form the result is written in.

enum class Form { Signed, Plain };

using Refuses = bool (*)(double v);
using Compute = double (*)(double v, double ang, std::vector<Message>& shown);

struct FunctionRow {
  std::string_view caption;
  Refuses refuses;  // nullptr: never refused
  const char* refusal;
  Compute compute;
  Form form;
};

double arcSine(double v) { return std::atan(divide(v, squareRoot(finite(-v * v + 1)))); }

double arcCosine(double v) { return std::atan(-divide(v, squareRoot(finite(-v * v + 1)))) + 2 * std::atan(1.0); }

double tangent(double radians) { return divide(std::sin(radians), std::cos(radians)); }

bool nonPositive(double v) { return v <= 0.0; }

double squared(double v, double, std::vector<Message>&) {
  std::int32_t n = integerOf(v);
  return int32Product(n, n);
}

double cubed(double v, double, std::vector<Message>&) {
  std::int32_t n = integerOf(v);
  return int32Product(int32Product(n, n), n);
}

const FunctionRow kFunctions[] = {
    {"sin", nullptr, "", [](double v, double ang, std::vector<Message>&) { return std::sin(v * ang); }, Form::Signed},
    {"cos", nullptr, "", [](double v, double ang, std::vector<Message>&) { return std::cos(v * ang); }, Form::Signed},
    {"tan", nullptr, "", [](double v, double ang, std::vector<Message>&) { return tangent(v * ang); }, Form::Signed},
    {"asin", nullptr, "", [](double v, double ang, std::vector<Message>&) { return divide(arcSine(v), ang); },
     Form::Plain},
    {"acos", nullptr, "", [](double v, double ang, std::vector<Message>&) { return divide(arcCosine(v), ang); },
     Form::Plain},
    {"atan", nullptr, "", [](double v, double ang, std::vector<Message>&) { return divide(std::atan(v), ang); },
     Form::Signed},
    {"ln", nonPositive, " ILLEGAL.  LOG  NON  POSITIVE ",
     [](double v, double, std::vector<Message>&) { return std::log(v); }, Form::Signed},
    {"log", nonPositive, " ILLEGAL. LOG  NON  POSITIVE ",
     [](double v, double, std::vector<Message>&) { return std::log(v) / std::log(10.0); }, Form::Signed},
    {"e(x]", [](double v) { return v >= 700; }, " OVERFLOW. VALUE TOO BIG ",
     [](double v, double, std::vector<Message>&) { return std::exp(v); }, Form::Signed},
    {"1/ X", [](double v) { return integerOf(v) == 0; }, " ILLEGAL  DIVIDE  0 ",
     [](double v, double, std::vector<Message>&) { return divide(1, integerOf(v)); }, Form::Signed},
    {"X ²", [](double v) { return std::fabs(v) >= 46300; }, "OVERFLOW. VALUE TOO LARGE ", squared, Form::Signed},
    {"X ³", [](double v) { return std::fabs(v) >= 1290; }, "OVERFLOW. VALUE TOO LARGE ", cubed, Form::Signed},
    {"Sq[x]", [](double v) { return integerOf(v) < 0; }, " ILLEGAL  ATTEMPTING  NEGETIVE  ROOT",
     [](double v, double, std::vector<Message>&) { return squareRoot(v); }, Form::Signed},
    {"n !", nullptr, "",
     [](double v, double, std::vector<Message>& shown) { return double(fact(integerOf(v), shown)); }, Form::Signed},
    {"±", nullptr, "", [](double v, double, std::vector<Message>&) { return -v; }, Form::Signed},
};

const FunctionRow* findFunction(std::string_view caption) {
  for (const auto& row : kFunctions)
    if (row.caption == caption) return &row;
  return nullptr;
}

// ---------------------------------------------------------------------------
// Memory keys that work on the display value: each returns the new memory, or
// nothing after a refusal message.

using MemoryOperation = std::optional<double> (*)(double memo, double v, std::vector<Message>& shown);

struct MemoryRow {
  std::string_view caption;
  MemoryOperation apply;
};

const MemoryRow kMemoryArithmetic[] = {
    {"M +", [](double memo, double v, std::vector<Message>&) -> std::optional<double> { return finite(v + memo); }},
    {"M -", [](double memo, double v, std::vector<Message>&) -> std::optional<double> { return finite(memo - v); }},
    {"M *", [](double memo, double v, std::vector<Message>&) -> std::optional<double> { return finite(v * memo); }},
    {"M /",
     [](double memo, double v, std::vector<Message>& shown) -> std::optional<double> {
       if (v == 0.0) {
         shown.push_back(plain("ILLEGAL. DIVIDE 0 ERROR "));
         return std::nullopt;
       }
       return divide(memo, v);
     }},
};

// ---------------------------------------------------------------------------
// Constant keys other than "Rnd": the text written into the display.

struct ConstantRow {
  std::string_view caption;
  const char* text;
};

constexpr ConstantRow kConstants[] = {
    {"pi", "3.141592654"},
    {"e", "2.718281828"},
    {"h", "6.625"},
};

// Angle units: caption and radians per unit.
struct AngleRow {
  std::string_view caption;
  AngleUnit unit;
  double radians;
};

constexpr AngleRow kAngles[] = {
    {"deg", AngleUnit::Degrees, kCalculatorPi / 180},
    {"rad", AngleUnit::Radians, 1.0},
    {"grd", AngleUnit::Grads, kCalculatorPi / 200},
};

// Typed operator characters, in the order of their operator key indexes 0 to 4.
constexpr std::string_view kTypedOperators = "+-/*=";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool CalculatorState::operator==(const CalculatorState& other) const {
  return display == other.display && acc == other.acc && oper == other.oper && entry == other.entry &&
         opflag == other.opflag && dot == other.dot && memo == other.memo && ang == other.ang;
}

// ---------------------------------------------------------------------------
// power and fact

double power(double x, std::int32_t y, std::vector<Message>& shown) {
  if (y < 0) {
    shown.push_back(plain("ILLEGAL. POWER LESS THAN 0."));
    return 0.0;
  }
  double product = 1.0;
  for (std::int32_t done = 0; done < y; ++done) {
    double next = product * x;
    if (std::isinf(next)) return next;
    if (std::fabs(next) == std::fabs(product)) {
      // A fixed point of the magnitude (x = ±1, a product at 0, or one stuck
      // among the tiniest numbers): every further factor only flips the sign
      // when x is negative, so the rest of the loop need not run.
      std::int32_t remaining = y - done - 1;
      return (x < 0 && remaining % 2 == 1) ? -next : next;
    }
    product = next;
  }
  return product;
}

std::int32_t fact(std::int32_t num, std::vector<Message>& shown) {
  if (num >= 13) {
    shown.push_back(plain("VALUE TOO LARGE"));
    return num;
  }
  if (num <= 0) {
    shown.push_back(plain("ILLEGAL  NEAGETIVE  FACTORIAL"));
    return num;
  }
  std::int32_t product = 1;
  for (std::int32_t factor = 2; factor <= num; ++factor) product *= factor;
  return product;
}

// ---------------------------------------------------------------------------
// The engine

// Runs one key; on a fault the whole state goes back to what it was before
// the key and the messages end with "Calculation Error".
template <typename Body>
KeyEffects CalculatorEngine::guarded(Body body) {
  const CalculatorState before = state_;
  KeyEffects effects;
  try {
    body(effects);
  } catch (const Fault& fault) {
    state_ = before;
    effects.messages.push_back(calculationError(fault));
  }
  return effects;
}

double CalculatorEngine::displayValue() const {
  auto value = leadingNumber(state_.display);
  if (!value) fail(kOverflow);
  return *value;
}

void CalculatorEngine::writeSigned(double value) { state_.display = signedText(finite(value)); }

void CalculatorEngine::writePlain(double value) { state_.display = plainText(finite(value)); }

// A 32-bit linear congruential generator; its top 24 bits make a float in
// [0, 1) exactly.
float CalculatorEngine::nextRandom() {
  random_ = random_ * 1664525u + 1013904223u;
  return static_cast<float>(random_ >> 8) / 16777216.0f;
}

KeyEffects CalculatorEngine::reset() {
  state_ = CalculatorState{};
  KeyEffects effects;
  effects.clearClipboard = true;
  return effects;
}

KeyEffects CalculatorEngine::numberKey(std::string_view key) {
  const bool known = key == "." || key == "00" || (key.size() == 1 && isDigit(key[0]));
  if (!known) return {};
  return guarded([&](KeyEffects& effects) {
    auto& s = state_;
    if (s.oper == kEquals) {  // a number after "=" starts a new calculation
      s.acc = 0;
      s.display = " ";
      s.oper = kPlus;
    }
    s.opflag = false;
    if (!s.entry) s.display = " ";
    s.entry = true;
    if (key == ".") {
      if (s.dot) {
        effects.messages.push_back(plain("ILLEGAL"));
        return;
      }
      s.display += '.';
      s.dot = true;
      return;
    }
    if (s.display == " 0")
      s.display = " " + std::string(key);
    else
      s.display += key;
  });
}

KeyEffects CalculatorEngine::operatorKey(int index) {
  const OperatorRow* next = findOperator(index);
  if (!next) return {};
  return guarded([&](KeyEffects& effects) {
    auto& s = state_;
    // An operator right after another only replaces the pending one.
    if (index == kEquals || !s.opflag) {
      const OperatorRow* pending = findOperator(s.oper);
      const double value = pending->readsDisplay ? displayValue() : 0.0;
      s.acc = pending->apply({s.acc, value, s.display, effects.messages});
      writeSigned(s.acc);
      s.entry = false;
    }
    s.opflag = true;
    s.dot = false;
    s.oper = static_cast<std::int16_t>(index);
  });
}

KeyEffects CalculatorEngine::functionKey(std::string_view caption) {
  if (caption == "Back") {
    if (!state_.display.empty()) state_.display.pop_back();
    return {};
  }
  const FunctionRow* row = findFunction(caption);
  if (!row) return {};
  return guarded([&](KeyEffects& effects) {
    const double v = displayValue();
    if (row->refuses && row->refuses(v)) {
      effects.messages.push_back(plain(row->refusal));
      return;
    }
    const double result = row->compute(v, state_.ang, effects.messages);
    if (row->form == Form::Plain)
      writePlain(result);
    else
      writeSigned(result);
  });
}

KeyEffects CalculatorEngine::constantKey(std::string_view caption) {
  std::string text;
  if (caption == "Rnd") {
    text = signedText(nextRandom(), 7);
  } else {
    for (const auto& row : kConstants)
      if (row.caption == caption) text = row.text;
    if (text.empty()) return {};
  }
  state_.display = text;
  state_.opflag = false;
  state_.entry = true;
  return {};
}

KeyEffects CalculatorEngine::memoryKey(std::string_view caption) {
  if (caption == "MC") {
    state_.memo = 0;
    return {};
  }
  if (caption == "MR") {
    return guarded([&](KeyEffects&) {
      writeSigned(state_.memo);
      state_.acc = displayValue();  // the accumulator takes the value as shown
    });
  }
  for (const auto& row : kMemoryArithmetic) {
    if (row.caption != caption) continue;
    return guarded([&](KeyEffects& effects) {
      if (auto memo = row.apply(state_.memo, displayValue(), effects.messages)) state_.memo = *memo;
    });
  }
  return {};
}

KeyEffects CalculatorEngine::clearKey() {
  state_.display = " 0";
  return {};
}

KeyEffects CalculatorEngine::allClearKey() {
  const double ang = state_.ang;
  state_ = CalculatorState{};
  state_.ang = ang;
  state_.display = " 0";
  KeyEffects effects;
  effects.clearClipboard = true;
  return effects;
}

KeyEffects CalculatorEngine::keyboardClear() {
  auto& s = state_;
  s.dot = false;
  s.acc = 0;
  s.entry = false;
  s.oper = kPlus;
  s.opflag = false;
  s.display = " 0";
  return {};
}

KeyEffects CalculatorEngine::keyboardDisplayClear() { return clearKey(); }

void CalculatorEngine::setAngleUnit(AngleUnit unit) {
  for (const auto& row : kAngles)
    if (row.unit == unit) state_.ang = row.radians;
}

bool CalculatorEngine::setAngleUnit(std::string_view caption) {
  for (const auto& row : kAngles) {
    if (row.caption == caption) {
      state_.ang = row.radians;
      return true;
    }
  }
  return false;
}

bool CalculatorEngine::isCalculatorCharacter(char c) {
  return isDigit(c) || c == '.' || kTypedOperators.find(c) != std::string_view::npos || c == 'C' || c == 'c' ||
         c == 'D' || c == 'd';
}

KeyEffects CalculatorEngine::typeCharacter(char c) {
  if (isDigit(c) || c == '.') return numberKey(std::string_view(&c, 1));
  if (auto index = kTypedOperators.find(c); index != std::string_view::npos)
    return operatorKey(static_cast<int>(index));
  if (c == 'C' || c == 'c') return keyboardClear();
  if (c == 'D' || c == 'd') return keyboardDisplayClear();
  return {};
}

}  // namespace calvexa
