#include "core/feet_inches.h"

#include <cmath>
#include <cstdint>
#include <numeric>

#include "core/number_text.h"

namespace calvexa {
namespace {

constexpr int kInchesPerFoot = 12;
// Counts of fractions up to 2^53 are whole doubles, and whole int64 values.
constexpr double kMostParts = 9007199254740992.0;

// One number of a feet-and-inches text: its value and whether it had a point.
struct Number {
  double value;
  bool whole;
};

// Reads a text from left to right, one piece at a time; a piece that is not
// there leaves the position where it was.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  void skipSpaces() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  bool atEnd() const { return pos_ == text_.size(); }
  bool take(char c) {
    if (atEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  bool next(char c) const { return !atEnd() && text_[pos_] == c; }
  bool nextIsDigit() const { return !atEnd() && text_[pos_] >= '0' && text_[pos_] <= '9'; }

  // Digits with at most one point and at least one digit; no sign, no exponent.
  std::optional<Number> number() {
    const std::size_t start = pos_;
    bool point = false;
    bool digits = false;
    for (; pos_ < text_.size(); ++pos_) {
      const char c = text_[pos_];
      if (c >= '0' && c <= '9') {
        digits = true;
      } else if (c == '.' && !point) {
        point = true;
      } else {
        break;
      }
    }
    const std::optional<double> value = digits ? parseNumber(text_.substr(start, pos_ - start)) : std::nullopt;
    if (!value) {
      pos_ = start;
      return std::nullopt;
    }
    return Number{*value, !point};
  }

  // The denominator of a fraction whose numerator has just been read, after
  // its "/": a whole number above the numerator. The fraction's value.
  std::optional<double> denominatorOf(const Number& numerator) {
    const std::optional<Number> denominator = number();
    if (!numerator.whole || !denominator || !denominator->whole || !(denominator->value > numerator.value))
      return std::nullopt;
    return numerator.value / denominator->value;
  }

  // "5/8": a proper fraction of whole numbers.
  std::optional<double> fraction() {
    const std::optional<Number> numerator = number();
    if (!numerator || !take('/')) return std::nullopt;
    return denominatorOf(*numerator);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// A height split into its parts; `inches` holds the fraction too.
struct Parts {
  double feet = 0;
  double inches = 0;
};

// After a number of whole inches: " 5/8" or "-5/8" or nothing.
std::optional<double> inchesWithFraction(Scanner& scan, const Number& inches) {
  if (scan.take('-')) {
    const std::optional<double> fraction = inches.whole ? scan.fraction() : std::nullopt;
    if (!fraction) return std::nullopt;
    return inches.value + *fraction;
  }
  scan.skipSpaces();
  if (!scan.nextIsDigit()) return inches.value;
  const std::optional<double> fraction = inches.whole ? scan.fraction() : std::nullopt;
  if (!fraction) return std::nullopt;
  return inches.value + *fraction;
}

// The inches of a text, from its first number on: "3 5/8", "3-5/8", "5/8", "3.5".
std::optional<double> inchesFrom(Scanner& scan, const Number& first) {
  if (scan.take('/')) return scan.denominatorOf(first);
  return inchesWithFraction(scan, first);
}

// After "12'": nothing, or inches with an optional inch mark.
std::optional<Parts> afterFeetMark(Scanner& scan, const Number& feet) {
  scan.skipSpaces();
  if (scan.atEnd()) return Parts{feet.value, 0};
  const std::optional<Number> first = scan.number();
  if (!first || !feet.whole) return std::nullopt;
  const std::optional<double> inches = inchesFrom(scan, *first);
  if (!inches || !(*inches < kInchesPerFoot)) return std::nullopt;
  scan.skipSpaces();
  scan.take('"');
  return Parts{feet.value, *inches};
}

// "12 3" or "12 3 5/8": feet, whole inches and a fraction, without marks.
std::optional<Parts> feetInchesUnmarked(Scanner& scan, const Number& feet, const Number& inches) {
  if (!feet.whole) return std::nullopt;
  scan.skipSpaces();
  double total = inches.value;
  if (!scan.atEnd()) {
    const std::optional<double> fraction = inches.whole ? scan.fraction() : std::nullopt;
    if (!fraction) return std::nullopt;
    total += *fraction;
  }
  if (!(total < kInchesPerFoot)) return std::nullopt;
  return Parts{feet.value, total};
}

// Inches alone, which must end with the inch mark: "3 5/8\"", "5/8\"", "3.5\"".
std::optional<Parts> inchesMarked(Scanner& scan, std::optional<double> inches) {
  scan.skipSpaces();
  if (!inches || !scan.take('"')) return std::nullopt;
  return Parts{0, *inches};
}

// The whole text after its sign. `plain` is set for a lone decimal number,
// which is already in the unit asked for.
std::optional<Parts> readParts(Scanner& scan, bool& plain) {
  const std::optional<Number> first = scan.number();
  if (!first) return std::nullopt;
  if (scan.take('/')) return inchesMarked(scan, scan.denominatorOf(*first));
  if (scan.take('-')) {
    const std::optional<double> fraction = first->whole ? scan.fraction() : std::nullopt;
    return inchesMarked(scan, fraction ? std::optional<double>(first->value + *fraction) : std::nullopt);
  }
  scan.skipSpaces();
  if (scan.take('\'')) return afterFeetMark(scan, *first);
  if (scan.next('"')) return inchesMarked(scan, first->value);
  if (scan.atEnd()) {
    plain = true;
    return Parts{first->value, 0};
  }
  const std::optional<Number> second = scan.number();
  if (!second) return std::nullopt;
  // "3 5/8\"": inches and a fraction; "12 3 5/8": feet, inches, fraction.
  if (scan.take('/')) {
    const std::optional<double> fraction = first->whole ? scan.denominatorOf(*second) : std::nullopt;
    return inchesMarked(scan, fraction ? std::optional<double>(first->value + *fraction) : std::nullopt);
  }
  return feetInchesUnmarked(scan, *first, *second);
}

}  // namespace

std::optional<FeetOrInches> feetOrInches(std::string_view unitName) {
  if (unitName == "Feet") return FeetOrInches::Feet;
  if (unitName == "Inches") return FeetOrInches::Inches;
  return std::nullopt;
}

std::string feetInchesText(double height, FeetOrInches unit, InchFraction fraction) {
  const auto perInch = static_cast<std::int64_t>(fraction);
  const std::int64_t perFoot = perInch * kInchesPerFoot;
  const double perUnit = static_cast<double>(unit == FeetOrInches::Feet ? perFoot : perInch);
  const double parts = std::round(std::fabs(height) * perUnit);  // half away from zero
  if (!(parts <= kMostParts)) return generalText(height);
  const auto count = static_cast<std::int64_t>(parts);
  const std::int64_t feet = count / perFoot;
  const std::int64_t inches = count % perFoot / perInch;
  std::int64_t numerator = count % perInch;
  std::int64_t denominator = perInch;
  std::string text = height < 0 && count > 0 ? "-" : "";
  text += std::to_string(feet) + "' " + std::to_string(inches);
  if (numerator > 0) {
    const std::int64_t common = std::gcd(numerator, denominator);
    numerator /= common;
    denominator /= common;
    text += " " + std::to_string(numerator) + "/" + std::to_string(denominator);
  }
  return text + "\"";
}

std::optional<double> parseFeetInches(std::string_view text, FeetOrInches unit) {
  Scanner scan(text);
  scan.skipSpaces();
  const bool negative = scan.take('-');
  if (!negative) scan.take('+');
  scan.skipSpaces();
  bool plain = false;
  const std::optional<Parts> parts = readParts(scan, plain);
  scan.skipSpaces();
  if (!parts || !scan.atEnd()) return std::nullopt;
  double value = parts->feet;
  if (!plain) {
    value = unit == FeetOrInches::Feet ? parts->feet + parts->inches / kInchesPerFoot
                                       : parts->feet * kInchesPerFoot + parts->inches;
  }
  if (!std::isfinite(value)) return std::nullopt;
  if (value == 0) return 0.0;  // never a negative zero
  return negative ? -value : value;
}

}  // namespace calvexa
