// Random key sequences for the calculator engine. Each input byte picks a key;
// a paste byte takes the following bytes as display text. After every key the
// display must hold no infinite or undefined number, the accumulator and the
// memory must be finite, and a fault must leave the state as it was.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calculator/engine.h"

namespace {

using calvexa::CalculatorEngine;
using calvexa::CalculatorState;
using calvexa::KeyEffects;

enum class Kind { Number, Operator, Function, Constant, Memory, Clear, AllClear, Typed, Angle, Paste };

struct Key {
  Kind kind;
  const char* caption;  // Typed: the character; Operator: unused
  int index;            // Operator only
};

// Every key of the keypad, the typed clears and the angle units.
constexpr Key kKeys[] = {
    {Kind::Number, "0", 0},      {Kind::Number, "1", 0},     {Kind::Number, "2", 0},      {Kind::Number, "3", 0},
    {Kind::Number, "4", 0},      {Kind::Number, "5", 0},     {Kind::Number, "6", 0},      {Kind::Number, "7", 0},
    {Kind::Number, "8", 0},      {Kind::Number, "9", 0},     {Kind::Number, ".", 0},      {Kind::Number, "00", 0},
    {Kind::Operator, "", 0},     {Kind::Operator, "", 1},    {Kind::Operator, "", 2},     {Kind::Operator, "", 3},
    {Kind::Operator, "", 4},     {Kind::Operator, "", 6},    {Kind::Operator, "", 8},     {Kind::Function, "sin", 0},
    {Kind::Function, "cos", 0},  {Kind::Function, "tan", 0}, {Kind::Function, "asin", 0}, {Kind::Function, "acos", 0},
    {Kind::Function, "atan", 0}, {Kind::Function, "ln", 0},  {Kind::Function, "log", 0},  {Kind::Function, "e(x]", 0},
    {Kind::Function, "1/ X", 0}, {Kind::Function, "X ²", 0}, {Kind::Function, "X ³", 0},  {Kind::Function, "Sq[x]", 0},
    {Kind::Function, "n !", 0},  {Kind::Function, "±", 0},   {Kind::Function, "Back", 0}, {Kind::Constant, "pi", 0},
    {Kind::Constant, "e", 0},    {Kind::Constant, "h", 0},   {Kind::Constant, "Rnd", 0},  {Kind::Memory, "M +", 0},
    {Kind::Memory, "M -", 0},    {Kind::Memory, "M *", 0},   {Kind::Memory, "M /", 0},    {Kind::Memory, "MR", 0},
    {Kind::Memory, "MC", 0},     {Kind::Clear, "C", 0},      {Kind::AllClear, "AC", 0},   {Kind::Typed, "c", 0},
    {Kind::Typed, "d", 0},       {Kind::Typed, "x", 0},      {Kind::Angle, "deg", 0},     {Kind::Angle, "rad", 0},
    {Kind::Angle, "grd", 0},     {Kind::Paste, "", 0},
};
constexpr std::size_t kKeyCount = sizeof kKeys / sizeof kKeys[0];

// Pasted text: characters that make numbers (and a few that end them), so the
// leading-number reading and out-of-range numbers are exercised.
constexpr char kPasteAlphabet[] = "0123456789.Ee+- x";

bool holdsNonFinite(const std::string& text) {
  for (const char* bad : {"inf", "nan", "INF", "NAN", "Inf", "NaN"})
    if (text.find(bad) != std::string::npos) return true;
  return false;
}

void check(bool condition) {
  if (!condition) std::abort();
}

bool isFault(const KeyEffects& effects) {
  return !effects.messages.empty() && effects.messages.back().title == "Error";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CalculatorEngine engine;
  engine.reset();
  std::size_t i = 0;
  while (i < size) {
    const Key& key = kKeys[data[i++] % kKeyCount];
    const CalculatorState before = engine.state();
    KeyEffects effects;
    switch (key.kind) {
      case Kind::Number:
        effects = engine.numberKey(key.caption);
        break;
      case Kind::Operator:
        effects = engine.operatorKey(key.index);
        break;
      case Kind::Function:
        effects = engine.functionKey(key.caption);
        break;
      case Kind::Constant:
        effects = engine.constantKey(key.caption);
        break;
      case Kind::Memory:
        effects = engine.memoryKey(key.caption);
        break;
      case Kind::Clear:
        effects = engine.clearKey();
        break;
      case Kind::AllClear:
        effects = engine.allClearKey();
        break;
      case Kind::Typed:
        effects = engine.typeCharacter(key.caption[0]);
        break;
      case Kind::Angle:
        engine.setAngleUnit(key.caption);
        break;
      case Kind::Paste: {
        // A length byte, then that many characters.
        std::size_t length = i < size ? data[i++] % 48 : 0;
        std::string text;
        for (; length > 0 && i < size; --length) text += kPasteAlphabet[data[i++] % (sizeof kPasteAlphabet - 1)];
        engine.setDisplay(text);
        break;
      }
    }
    const CalculatorState& now = engine.state();
    check(!holdsNonFinite(now.display));
    check(std::isfinite(now.acc) && std::isfinite(now.memo));
    if (isFault(effects)) check(now == before);
  }
  return 0;
}
