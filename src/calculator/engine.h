// The scientific calculator's engine: the display text, the accumulator, the
// pending operator, the memory and the angle factor, and one operation per key.
// No operator precedence: each operator key applies the pending one to the
// accumulator and the display value.
//
// Every operation returns what the window must do besides showing display():
// the messages to show, in order, and whether to clear the system clipboard.
// An arithmetic fault (a function outside its domain, a division by zero, an
// overflow) leaves the whole state as it was before the key and answers with
// one "Calculation Error" message, so the display never holds "inf" or "nan".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/outcome.h"

namespace calvexa {

// The rounded value of pi the calculator works with.
inline constexpr double kCalculatorPi = 3.141592654;

// What the window does after a key, before it shows display().
struct KeyEffects {
  std::vector<Message> messages;  // shown one after the other, in order
  bool clearClipboard = false;
};

enum class AngleUnit { Degrees, Radians, Grads };

// The calculator's state; oper is the index of the pending operator key.
struct CalculatorState {
  std::string display;
  double acc = 0.0;
  std::int16_t oper = 0;
  bool entry = false;   // a number is being typed into the display
  bool opflag = false;  // the last key was an operator key
  bool dot = false;     // the number being typed holds a decimal point
  double memo = 0.0;
  double ang = kCalculatorPi / 180;  // radians per angle unit

  bool operator==(const CalculatorState& other) const;
};

class CalculatorEngine {
 public:
  // Operator key indexes, as numbered on the keypad (the gaps are deliberate).
  static constexpr int kPlus = 0, kMinus = 1, kDivide = 2, kTimes = 3, kEquals = 4, kModulo = 6, kPower = 8;

  CalculatorEngine() = default;

  // Window load: the initial state, "deg", an empty display; clears the clipboard.
  // The random generator keeps running: it is never reseeded.
  KeyEffects reset();

  const std::string& display() const { return state_.display; }
  const CalculatorState& state() const { return state_; }
  // The display text edited outside the keys (cut, typing into the box).
  void setDisplay(std::string text) { state_.display = std::move(text); }
  // "&Paste": the pasted text is an entry, so the next operator applies the
  // pending one to its leading number instead of replacing it.
  void paste(std::string text) {
    state_.display = std::move(text);
    state_.opflag = false;
  }

  // "0" to "9", "00" and ".".
  KeyEffects numberKey(std::string_view key);
  // kPlus .. kPower; any other index does nothing.
  KeyEffects operatorKey(int index);
  // "sin" "cos" "tan" "asin" "acos" "atan" "ln" "log" "e(x]" "1/ X" "X ²" "X ³"
  // "Sq[x]" "n !" "±" "Back".
  KeyEffects functionKey(std::string_view caption);
  // "pi" "e" "h" "Rnd".
  KeyEffects constantKey(std::string_view caption);
  // "M +" "M -" "M *" "M /" "MR" "MC".
  KeyEffects memoryKey(std::string_view caption);
  KeyEffects clearKey();              // the "C" button: display only
  KeyEffects allClearKey();           // the "AC" button: state, memory, clipboard
  KeyEffects keyboardClear();         // typed "C"/"c": state but not memory
  KeyEffects keyboardDisplayClear();  // typed "D"/"d": display only
  void setAngleUnit(AngleUnit unit);
  // "deg", "rad", "grd"; false (and nothing changes) for any other caption.
  bool setAngleUnit(std::string_view caption);

  // Whether a typed character is a calculator key: digits, ".", "+-/*=", C c D d.
  static bool isCalculatorCharacter(char c);
  // The key a typed character stands for; nothing for any other character.
  KeyEffects typeCharacter(char c);

 private:
  template <typename Body>
  KeyEffects guarded(Body body);
  double displayValue() const;
  void writeSigned(double value);
  void writePlain(double value);
  float nextRandom();

  CalculatorState state_;
  std::uint32_t random_ = 0x2545F491u;  // fixed start: every run gives the same numbers
};

// x multiplied y times into 1, one factor at a time; 1 for y = 0. For y < 0
// adds "ILLEGAL. POWER LESS THAN 0." to shown and returns 0. An overflowing
// product comes back infinite for the caller to report.
double power(double x, std::int32_t y, std::vector<Message>& shown);

// num! for 1 <= num <= 12; otherwise adds its message to shown and returns num.
std::int32_t fact(std::int32_t num, std::vector<Message>& shown);

}  // namespace calvexa
