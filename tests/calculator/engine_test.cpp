// The calculator engine driven key by key. Expected displays come from the
// calculator's formulas, written with printf's %G (not the program's own
// number texts), or from values worked out by hand.
#include "calculator/engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace calvexa {

void PrintTo(const Message& m, std::ostream* os) {
  *os << "{\"" << m.text << "\", \"" << m.title << "\", icon " << static_cast<int>(m.icon) << "}";
}

namespace {

constexpr double kPi = 3.141592654;  // the calculator's own rounded pi
const double kDeg = kPi / 180;
const double kGrd = kPi / 200;

// The plain display form: %.15G without the "0" before the point, no "-0".
std::string plainForm(double value, int digits = 15) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  std::string text = buffer;
  if (text == "-0") text = "0";
  if (text.rfind("0.", 0) == 0) text.erase(0, 1);
  if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
  return text;
}

std::string signedForm(double value) {
  std::string text = plainForm(value);
  return text[0] == '-' ? text : " " + text;
}

Message said(const char* text) { return Message{text, "", Icon::None}; }
Message calculationError(const char* description) {
  return Message{std::string("Calculation Error\r\n") + description, "Error", Icon::Exclamation};
}

// One key, as a token: a button caption, "type:x" for a typed character,
// "paste:text" for text put into the display from outside.
KeyEffects press(CalculatorEngine& engine, const std::string& key) {
  static const std::map<std::string, int> operators = {{"+", 0}, {"-", 1}, {"/", 2},  {"*", 3},
                                                       {"=", 4}, {"%", 6}, {"x^y", 8}};
  static const std::set<std::string> numbers = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "00", "."};
  static const std::set<std::string> constants = {"pi", "e", "h", "Rnd"};
  static const std::set<std::string> memory = {"M +", "M -", "M *", "M /", "MR", "MC"};
  if (key.rfind("type:", 0) == 0) return engine.typeCharacter(key[5]);
  if (key.rfind("paste:", 0) == 0) {
    engine.paste(key.substr(6));
    return {};
  }
  if (numbers.count(key)) return engine.numberKey(key);
  if (auto op = operators.find(key); op != operators.end()) return engine.operatorKey(op->second);
  if (constants.count(key)) return engine.constantKey(key);
  if (memory.count(key)) return engine.memoryKey(key);
  if (key == "C") return engine.clearKey();
  if (key == "AC") return engine.allClearKey();
  if (engine.setAngleUnit(key)) return {};
  return engine.functionKey(key);
}

std::vector<Message> pressAll(CalculatorEngine& engine, const std::vector<std::string>& keys) {
  std::vector<Message> shown;
  for (const auto& key : keys) {
    auto effects = press(engine, key);
    shown.insert(shown.end(), effects.messages.begin(), effects.messages.end());
  }
  return shown;
}

struct Case {
  const char* name;
  std::vector<std::string> keys;
  std::string display;
  std::vector<Message> messages;
};

TEST(CalculatorEngine, KeySequences) {
  const double sin30 = std::sin(30 * kDeg);
  const double asinHalf = std::atan(0.5 / std::sqrt(-0.5 * 0.5 + 1)) / kDeg;
  const double acosHalf = (std::atan(-0.5 / std::sqrt(-0.5 * 0.5 + 1)) + 2 * std::atan(1.0)) / kDeg;
  const std::vector<Case> cases = {
      // Typing numbers
      {"second point refused", {"1", ".", "5", "."}, " 1.5", {said("ILLEGAL")}},
      {"leading zeros dropped", {"0", "0", "7"}, " 7", {}},
      {"a number after = starts afresh", {"5", "+", "3", "=", "2", "+", "1", "="}, " 3", {}},
      {"digits after a function are appended", {"4", "Sq[x]", "5"}, " 25", {}},
      {"pi then a digit", {"pi", "5"}, "3.1415926545", {}},
      {"Back drops the last character", {"1", "2", "3", "Back"}, " 12", {}},
      {"Back on an empty display", {"Back"}, "", {}},
      // Operators
      {"plus shows the first operand", {"5", "+"}, " 5", {}},
      {"plus then equals", {"5", "+", "3", "="}, " 8", {}},
      {"an operator replaces the pending one", {"2", "+", "*", "3", "="}, " 6", {}},
      {"subtract and divide", {"9", "-", "1", "/", "4", "="}, " 2", {}},
      {"equals alone", {"="}, " 0", {}},
      {"modulo", {"7", "%", "3", "="}, " 1", {}},
      {"modulo rounds 7.5 up to 8", {"7", ".", "5", "%", "2", "="}, " 0", {}},
      {"modulo rounds 6.5 down to 6", {"6", ".", "5", "%", "4", "="}, " 2", {}},
      {"modulo keeps the dividend's sign", {"7", "±", "%", "3", "="}, "-1", {}},
      {"power", {"2", "x^y", "1", "0", "="}, " 1024", {}},
      {"power truncates the exponent", {"2", "x^y", "3", ".", "9", "="}, " 8", {}},
      {"power of a negative base", {"2", "±", "x^y", "3", "="}, "-8", {}},
      {"odd power of minus one", {"1", "±", "x^y", "5", "="}, "-1", {}},
      {"even power of minus one", {"1", "±", "x^y", "1", "0", "="}, " 1", {}},
      {"one to a huge power", {"1", "x^y", "paste:2000000000", "="}, " 1", {}},
      {"a half to a large power underflows to 0", {".", "5", "x^y", "2", "0", "0", "0", "="}, " 0", {}},
      {"negative power", {"2", "x^y", "1", "±", "="}, " 0", {said("ILLEGAL. POWER LESS THAN 0.")}},
      {"power of zero refused", {"0", "x^y", "2", "="}, " 0", {said("ILLEGAL.  INVALIED ENTRIES")}},
      {"power with an empty display refused",
       {"3", "x^y", "2", "Back", "Back", "="},
       " 3",
       {said("ILLEGAL.  INVALIED ENTRIES")}},
      {"divide by zero refused", {"5", "/", "0", "="}, " 5", {said(" ILLEGAL  DIVIDE  0 ")}},
      {"pasted text read by its leading number", {"paste:12abc", "+", "1", "="}, " 13", {}},
      {"a paste is an entry for the pending operator", {"6", "*", "paste:2", "/", "3", "="}, " 4", {}},
      // Functions
      {"factorial of 13 refused", {"1", "3", "n !"}, " 13", {said("VALUE TOO LARGE")}},
      {"factorial of 0 refused", {"0", "n !"}, " 0", {said("ILLEGAL  NEAGETIVE  FACTORIAL")}},
      {"factorial of 12", {"1", "2", "n !"}, " 479001600", {}},
      {"factorial rounds 4.5 to 4", {"4", ".", "5", "n !"}, " 24", {}},
      {"reciprocal of 2.5 takes 2", {"2", ".", "5", "1/ X"}, " .5", {}},
      {"reciprocal of 3.5 takes 4", {"3", ".", "5", "1/ X"}, " .25", {}},
      {"reciprocal of 0.5 refused", {"0", ".", "5", "1/ X"}, " 0.5", {said(" ILLEGAL  DIVIDE  0 ")}},
      {"largest square", {"4", "6", "2", "9", "9", "X ²"}, " 2143597401", {}},
      {"square of -46299.6 takes -46300", {"4", "6", "2", "9", "9", ".", "6", "±", "X ²"}, " 2143690000", {}},
      {"square of 46300 refused", {"4", "6", "3", "0", "0", "X ²"}, " 46300", {said("OVERFLOW. VALUE TOO LARGE ")}},
      {"largest cube", {"1", "2", "8", "9", "X ³"}, " 2141700569", {}},
      {"cube of -1290 refused", {"1", "2", "9", "0", "±", "X ³"}, "-1290", {said("OVERFLOW. VALUE TOO LARGE ")}},
      {"root", {"2", "Sq[x]"}, signedForm(std::sqrt(2.0)), {}},
      {"root of a negative refused", {"1", "±", "Sq[x]"}, "-1", {said(" ILLEGAL  ATTEMPTING  NEGETIVE  ROOT")}},
      {"sign change of 0", {"0", "±"}, " 0", {}},
      {"ln", {"2", "ln"}, signedForm(std::log(2.0)), {}},
      {"ln of 0 refused", {"0", "ln"}, " 0", {said(" ILLEGAL.  LOG  NON  POSITIVE ")}},
      {"log", {"5", "0", "log"}, signedForm(std::log(50.0) / std::log(10.0)), {}},
      {"log of a negative refused", {"2", "±", "log"}, "-2", {said(" ILLEGAL. LOG  NON  POSITIVE ")}},
      {"exponential", {"1", "e(x]"}, signedForm(std::exp(1.0)), {}},
      {"exponential of 700 refused", {"7", "0", "0", "e(x]"}, " 700", {said(" OVERFLOW. VALUE TOO BIG ")}},
      // Angles
      {"sine of 30 degrees", {"3", "0", "sin"}, signedForm(sin30), {}},
      {"sine of 90 degrees", {"9", "0", "sin"}, " 1", {}},
      {"tangent of 45 degrees", {"4", "5", "tan"}, signedForm(std::sin(45 * kDeg) / std::cos(45 * kDeg)), {}},
      {"arc sine of a half", {".", "5", "asin"}, plainForm(asinHalf), {}},
      {"arc cosine of a half", {".", "5", "acos"}, plainForm(acosHalf), {}},
      {"arc tangent of 1", {"1", "atan"}, signedForm(std::atan(1.0) / kDeg), {}},
      {"cosine of 100 grads", {"grd", "1", "0", "0", "cos"}, signedForm(std::cos(100 * kGrd)), {}},
      {"sine of 1 radian", {"rad", "1", "sin"}, signedForm(std::sin(1.0)), {}},
      // Memory and clears
      {"memory recall loads the accumulator", {"3", "M +", "C", "5", "+", "MR", "="}, " 6", {}},
      {"memory arithmetic", {"6", "M +", "C", "2", "M *", "M -", "C", "5", "M /", "MR"}, " 2", {}},
      {"memory divide by zero refused", {"4", "M +", "C", "M /", "MR"}, " 4", {said("ILLEGAL. DIVIDE 0 ERROR ")}},
      {"memory clear", {"4", "M +", "MC", "MR"}, " 0", {}},
      {"C clears the display only", {"5", "+", "3", "C", "4", "="}, " 9", {}},
      {"typed D clears the display only", {"5", "+", "3", "type:d", "4", "="}, " 9", {}},
      {"typed C clears the calculation", {"5", "+", "3", "type:C", "2", "="}, " 2", {}},
      {"typed C keeps the memory", {"4", "M +", "type:c", "MR"}, " 4", {}},
      {"AC clears the memory", {"4", "M +", "AC", "MR"}, " 0", {}},
      {"AC clears the calculation", {"5", "+", "AC", "2", "="}, " 2", {}},
      {"typed sum", {"type:1", "type:+", "type:2", "type:="}, " 3", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CalculatorEngine engine;
    auto shown = pressAll(engine, c.keys);
    EXPECT_EQ(engine.display(), c.display);
    EXPECT_EQ(shown, c.messages);
  }
  // The rounded pi shows in the last digits.
  EXPECT_NE(signedForm(sin30), " .5");
  EXPECT_NE(plainForm(asinHalf), "30");
}

struct FaultCase {
  const char* name;
  std::vector<std::string> before;  // keys that set the scene
  std::string key;                  // the key that faults
  const char* description;
};

TEST(CalculatorEngine, FaultsLeaveTheWholeStateAsItWas) {
  const std::string tooManyNines(400, '9');
  const std::vector<FaultCase> cases = {
      {"arc sine of 1 in radians", {"rad", "1"}, "asin", "Division by zero"},
      {"arc sine of -1", {"1", "±"}, "asin", "Division by zero"},
      {"arc cosine of 1", {"1"}, "acos", "Division by zero"},
      {"arc cosine of -1", {"1", "±"}, "acos", "Division by zero"},
      {"arc sine beyond 1", {"2"}, "asin", "Invalid procedure call or argument"},
      {"arc cosine of a huge value", {"paste:1E200"}, "acos", "Overflow"},
      {"root just below zero", {".", "3", "±"}, "Sq[x]", "Invalid procedure call or argument"},
      {"root of a number beyond 32-bit integers", {"paste:3E9"}, "Sq[x]", "Overflow"},
      {"reciprocal beyond 32-bit integers", {"paste:3E9"}, "1/ X", "Overflow"},
      {"factorial beyond 32-bit integers", {"paste:-3E9"}, "n !", "Overflow"},
      {"sum overflows", {"paste:1E308", "+", "paste:1E308"}, "=", "Overflow"},
      {"difference overflows", {"paste:-1E308", "-", "paste:1E308"}, "=", "Overflow"},
      {"product overflows", {"paste:1E200", "*", "paste:1E200"}, "=", "Overflow"},
      {"quotient overflows", {"paste:1E300", "/", "paste:1E-300"}, "=", "Overflow"},
      {"power overflows", {"1", "0", "x^y", "4", "0", "0"}, "=", "Overflow"},
      {"negative power overflows", {"1", "0", "±", "x^y", "3", "0", "9"}, "=", "Overflow"},
      {"exponent beyond 32-bit integers", {"2", "x^y", "paste:3E9"}, "=", "Overflow"},
      {"modulo by zero", {"7", "%", "0"}, "=", "Division by zero"},
      {"modulo by a divisor that rounds to 0", {"7", "%", ".", "4"}, "=", "Division by zero"},
      {"modulo of a dividend beyond 32-bit integers", {"paste:3E9", "%", "2"}, "=", "Overflow"},
      {"operator on a display beyond doubles", {"paste:1E999"}, "+", "Overflow"},
      {"operator on 400 typed nines", {"paste:" + tooManyNines}, "=", "Overflow"},
      {"function of a display beyond doubles", {"paste:-1E999"}, "sin", "Overflow"},
      {"memory sum overflows", {"paste:1E308", "M +"}, "M +", "Overflow"},
      {"memory product overflows", {"paste:1E200", "M +"}, "M *", "Overflow"},
      {"memory quotient overflows", {"paste:1E300", "M +", "paste:1E-300"}, "M /", "Overflow"},
      {"memory key on a display beyond doubles", {"paste:1E999"}, "M -", "Overflow"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CalculatorEngine engine;
    EXPECT_TRUE(pressAll(engine, c.before).empty());
    const CalculatorState before = engine.state();
    const KeyEffects effects = press(engine, c.key);
    EXPECT_EQ(effects.messages, std::vector<Message>{calculationError(c.description)});
    EXPECT_FALSE(effects.clearClipboard);
    EXPECT_TRUE(engine.state() == before) << "display now \"" << engine.display() << "\"";
  }
}

TEST(CalculatorEngine, ClipboardClearedOnLoadAndByAcOnly) {
  CalculatorEngine engine;
  pressAll(engine, {"rad", "4", "M +", "+", "2"});
  const KeyEffects load = engine.reset();
  EXPECT_TRUE(load.clearClipboard);
  EXPECT_TRUE(engine.state() == CalculatorState{});
  EXPECT_EQ(engine.display(), "");
  EXPECT_EQ(engine.state().ang, kDeg);
  EXPECT_TRUE(engine.allClearKey().clearClipboard);
  for (const char* key : {"C", "type:c", "type:d", "5", "+", "MR", "sin", "pi"}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(press(engine, key).clearClipboard);
  }
}

// Each typed character does what its key does; other characters do nothing.
TEST(CalculatorEngine, KeyboardMapsCharactersToKeys) {
  const std::vector<std::pair<char, std::vector<std::string>>> mapped = {
      {'0', {"0"}}, {'7', {"7"}}, {'9', {"9"}},      {'.', {"."}},      {'+', {"+"}}, {'-', {"-"}}, {'/', {"/"}},
      {'*', {"*"}}, {'=', {"="}}, {'C', {"type:c"}}, {'c', {"type:c"}}, {'D', {"C"}}, {'d', {"C"}},
  };
  const std::vector<std::string> scene = {"4", "M +", "6", "*", "1", ".", "5"};
  for (const auto& [typed, keys] : mapped) {
    SCOPED_TRACE(std::string(1, typed));
    EXPECT_TRUE(CalculatorEngine::isCalculatorCharacter(typed));
    CalculatorEngine byCharacter;
    CalculatorEngine byKey;
    pressAll(byCharacter, scene);
    pressAll(byKey, scene);
    byCharacter.typeCharacter(typed);
    pressAll(byKey, keys);
    EXPECT_TRUE(byCharacter.state() == byKey.state()) << byCharacter.display() << " vs " << byKey.display();
  }
  for (char other : {'x', 'E', 'e', ' ', '%', '^', '\r', 'm', '\0'}) {
    SCOPED_TRACE(static_cast<int>(other));
    EXPECT_FALSE(CalculatorEngine::isCalculatorCharacter(other));
    CalculatorEngine engine;
    pressAll(engine, scene);
    const CalculatorState before = engine.state();
    EXPECT_TRUE(engine.typeCharacter(other).messages.empty());
    EXPECT_TRUE(engine.state() == before);
  }
}

TEST(CalculatorEngine, RndIsTheSameSequenceInEveryFreshEngine) {
  CalculatorEngine first;
  CalculatorEngine second;
  std::set<std::string> distinct;
  for (int i = 0; i < 50; ++i) {
    first.constantKey("Rnd");
    second.constantKey("Rnd");
    const std::string& shown = first.display();
    ASSERT_EQ(shown, second.display());
    distinct.insert(shown);
    // Signed form, 7 significant digits at most, in [0, 1).
    ASSERT_EQ(shown[0], ' ') << shown;
    const double value = std::stod(shown.substr(1));
    EXPECT_GE(value, 0.0);
    EXPECT_LT(value, 1.0);
    EXPECT_EQ(shown, signedForm(std::stod(plainForm(value, 7)))) << "more than 7 digits";
  }
  EXPECT_GT(distinct.size(), 45u);
  // Digits typed after Rnd are appended to it.
  const std::string number = first.display();
  first.numberKey("3");
  EXPECT_EQ(first.display(), number + "3");
}

}  // namespace
}  // namespace calvexa
