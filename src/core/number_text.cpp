#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace calvexa {
namespace {

// The most decimals a fixed text is written with.
constexpr int kMostFixedDecimals = 20;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest number at the start of text (after the caller has
// skipped spaces): sign, digits with one point, exponent only when digits follow.
std::size_t scanNumber(std::string_view text) {
  std::size_t i = 0;
  int mantissaDigits = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool point = false;
  while (i < text.size()) {
    if (isDigit(text[i])) {
      ++mantissaDigits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
    ++i;
  }
  if (mantissaDigits == 0) return 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t digitsStart = j;
    while (j < text.size() && isDigit(text[j])) ++j;
    if (j > digitsStart) i = j;
  }
  return i;
}

// Decimal order of magnitude of a validated unsigned number text with a
// nonzero digit: 0 for 1 to 9.99, -1 for 0.1 to 0.999, and so on. The
// exponent is read with saturation, so any length of exponent is safe.
long long decimalOrder(std::string_view number) {
  const std::size_t e = number.find_first_of("Ee");
  const std::string_view mantissa = number.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return -1;  // zero: never out of range anyway
  long long order = first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
  if (e != std::string_view::npos) {
    std::string_view exponent = number.substr(e + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) exponent.remove_prefix(1);
    constexpr long long kLimit = 1000000000LL;
    long long value = 0;
    for (char c : exponent) value = std::min(kLimit, value * 10 + (c - '0'));
    order += negative ? -value : value;
  }
  return order;
}

// Converts an already validated number text; nullopt when out of range.
std::optional<double> convert(std::string_view number) {
  // from_chars takes no leading "+"
  bool negative = false;
  if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
    negative = number[0] == '-';
    number.remove_prefix(1);
  }
  double value = 0.0;
  auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Underflow is a tiny number, not an error: from_chars reports both alike,
    // so the magnitude of the text tells them apart (a long mantissa can
    // overflow under a negative exponent, or underflow under none).
    if (decimalOrder(number) < 0) return negative ? -0.0 : 0.0;
    return std::nullopt;
  }
  if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::string_view skipSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

// Exact decimal expansion of |value| with a fixed number of decimals far
// beyond any double's last digit, so nothing has been rounded yet.
std::string exactFixed(double magnitude) {
  static constexpr int kAllDecimals = 1100;
  std::string buffer(kAllDecimals + 400, '\0');
  auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, kAllDecimals);
  buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));
  return buffer;
}

// True when |value| lies exactly halfway between two numbers of `decimals`
// decimals: |value| × 2 × 10^decimals is then an odd integer. With |value| =
// m × 2^e, m odd, that is when e = -(decimals + 1), 5^decimals being odd.
bool exactTie(double magnitude, int decimals) {
  if (magnitude == 0) return false;
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  exponent -= 53;
  while ((mantissa & 1) == 0) {
    mantissa >>= 1;
    ++exponent;
  }
  return exponent == -(decimals + 1);
}

// Rounds |value| half away from zero to the given number of decimals and
// returns integer digits and decimals separately. Without an exact tie the
// nearest is the same whatever way ties go, and to_chars gives it directly.
void roundedParts(double value, int decimals, std::string& integer, std::string& fraction) {
  const double magnitude = std::fabs(value);
  if (!exactTie(magnitude, decimals)) {
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, decimals);
    if (result.ec == std::errc()) {
      const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
      const std::size_t point = text.find('.');
      integer.assign(text.substr(0, point));
      fraction.assign(point == std::string_view::npos ? std::string_view() : text.substr(point + 1));
      return;
    }
  }
  std::string exact = exactFixed(magnitude);
  std::size_t point = exact.find('.');
  integer = exact.substr(0, point);
  fraction = exact.substr(point + 1, static_cast<std::size_t>(decimals));
  bool roundUp = exact[point + 1 + static_cast<std::size_t>(decimals)] >= '5';
  if (!roundUp) return;
  std::string digits = integer + fraction;
  int i = static_cast<int>(digits.size()) - 1;
  for (; i >= 0; --i) {
    if (digits[static_cast<std::size_t>(i)] == '9') {
      digits[static_cast<std::size_t>(i)] = '0';
    } else {
      ++digits[static_cast<std::size_t>(i)];
      break;
    }
  }
  if (i < 0) digits.insert(digits.begin(), '1');
  integer = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
  fraction = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
}

std::string groupThousands(const std::string& digits) {
  std::string out;
  int count = 0;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (count > 0 && count % 3 == 0) out.insert(out.begin(), ',');
    out.insert(out.begin(), *it);
    ++count;
  }
  return out;
}

bool allZero(const std::string& digits) { return digits.find_first_not_of('0') == std::string::npos; }

}  // namespace

namespace {

// The text without its spaces at either end, when it is one number and nothing else.
std::optional<std::string_view> wholeNumber(std::string_view text) {
  text = skipSpaces(text);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  const std::size_t length = scanNumber(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return text;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
  const std::optional<std::string_view> number = wholeNumber(text);
  return number ? convert(*number) : std::nullopt;
}

bool numberTooLarge(std::string_view text) {
  const std::optional<std::string_view> number = wholeNumber(text);
  return number && !convert(*number);
}

std::optional<double> leadingNumber(std::string_view text) {
  text = skipSpaces(text);
  std::size_t length = scanNumber(text);
  if (length == 0) return 0.0;
  return convert(text.substr(0, length));
}

std::string generalText(double value, int significantDigits) {
  if (value == 0.0) return "0";
  std::array<char, 64> buffer{};
  auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, significantDigits);
  std::string text(buffer.data(), result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string plainText(double value, int significantDigits) {
  std::string text = generalText(value, significantDigits);
  // No "0" before the point of a magnitude below 1.
  if (text.rfind("0.", 0) == 0) {
    text.erase(0, 1);
  } else if (text.rfind("-0.", 0) == 0) {
    text.erase(1, 1);
  }
  return text;
}

std::string signedText(double value, int significantDigits) {
  std::string text = plainText(value, significantDigits);
  return text.front() == '-' ? text : " " + text;
}

std::string maskText(double value, Mask mask) {
  if (!std::isfinite(value)) return generalText(value);  // callers stop before this
  if (mask == Mask::Fixed3) return fixedText(value, 3);
  const int decimals = mask == Mask::Grouped4 ? 4 : mask == Mask::Grouped2 ? 2 : 3;
  std::string integer;
  std::string fraction;
  roundedParts(value, decimals, integer, fraction);
  const bool zero = allZero(integer) && allZero(fraction);
  const std::string sign = (value < 0 && !zero) ? "-" : "";
  switch (mask) {
    case Mask::Grouped4:
    case Mask::Grouped3:
      return sign + (allZero(integer) ? "" : groupThousands(integer)) + "." + fraction;
    case Mask::Grouped2:
      return sign + groupThousands(integer) + "." + fraction;
    case Mask::Hash3: {
      while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
      return sign + (allZero(integer) ? "" : integer) + "." + fraction;
    }
    case Mask::Fixed3:
      break;  // written above
  }
  return {};
}

std::string fixedText(double value, int decimals) {
  if (!std::isfinite(value)) return generalText(value);
  decimals = std::clamp(decimals, 0, kMostFixedDecimals);
  std::string integer;
  std::string fraction;
  roundedParts(value, decimals, integer, fraction);
  const bool zero = allZero(integer) && allZero(fraction);
  return std::string(value < 0 && !zero ? "-" : "") + integer + (decimals > 0 ? "." + fraction : "");
}

std::string exactDecimalText(double value) {
  if (!std::isfinite(value)) return generalText(value);
  // The shortest fixed form reaches 324 decimals for the smallest doubles,
  // and 309 digits before the point for the largest.
  char buffer[700];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  std::string text(buffer, result.ptr);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string plainNumberText(std::string_view shown) {
  std::string text;
  for (char c : shown)
    if (c != ',') text.push_back(c);
  if (text == "." || text == "-.") return "0";
  if (!parseNumber(text)) return std::string(shown);
  while (!text.empty() && text.front() == ' ') text.erase(text.begin());
  while (!text.empty() && text.back() == ' ') text.pop_back();
  const bool negative = !text.empty() && (text.front() == '-' || text.front() == '+');
  const std::size_t digits = negative ? 1 : 0;
  if (text.size() > digits && text[digits] == '.') text.insert(digits, "0");
  const std::size_t point = text.find('.');
  const std::size_t exponent = text.find_first_of("Ee");
  if (point != std::string::npos) {
    std::size_t end = exponent == std::string::npos ? text.size() : exponent;
    std::size_t cut = end;
    while (cut > point + 1 && text[cut - 1] == '0') --cut;
    if (cut == point + 1) cut = point;  // nothing after the point
    text.erase(cut, end - cut);
  }
  if (text.size() > digits && text[0] == '+') text.erase(0, 1);
  if (text == "-0") return "0";
  return text;
}

double roundedDecimals(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  std::string integer;
  std::string fraction;
  roundedParts(value, decimals, integer, fraction);
  std::string digits = std::move(integer);
  digits += '.';
  digits += fraction;
  double magnitude = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  return value < 0 ? -magnitude : magnitude;
}

namespace {

// |value| rounded to `digits` significant digits (ties as to_chars breaks
// them, as generalText does), as integer digits and decimals.
void significantParts(double magnitude, int digits, std::string& integer, std::string& fraction) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, std::max(0, digits - 1));
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const std::size_t e = text.find('e');
  std::string mantissa;
  for (char c : text.substr(0, e))
    if (c != '.') mantissa.push_back(c);
  int exponent = 0;
  const std::string_view power = text.substr(e + 1);
  std::from_chars(power.data() + (power.front() == '+' ? 1 : 0), power.data() + power.size(), exponent);
  if (exponent < 0) {
    integer = "0";
    fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
  } else if (static_cast<std::size_t>(exponent) + 1 >= mantissa.size()) {
    integer = mantissa + std::string(static_cast<std::size_t>(exponent) + 1 - mantissa.size(), '0');
    fraction.clear();
  } else {
    integer = mantissa.substr(0, static_cast<std::size_t>(exponent) + 1);
    fraction = mantissa.substr(static_cast<std::size_t>(exponent) + 1);
  }
}

// Adds one to the last of `digits`, carrying.
void carryUp(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

double roundedOnShown(double value, ShownDigits shown, int decimals) {
  if (!std::isfinite(value)) return value;
  std::string integer;
  std::string fraction;
  if (shown.kind == ShownDigits::Kind::Decimals) {
    roundedParts(value, shown.count, integer, fraction);
  } else {
    significantParts(std::fabs(value), shown.count, integer, fraction);
  }
  const auto kept = static_cast<std::size_t>(std::max(0, decimals));
  if (fraction.size() > kept) {
    const bool up = fraction[kept] >= '5';
    fraction.resize(kept);
    if (up) {
      std::string digits = integer + fraction;
      carryUp(digits);
      integer = digits.substr(0, digits.size() - kept);
      fraction = digits.substr(digits.size() - kept);
    }
  }
  std::string digits = std::move(integer);
  digits += '.';
  digits += fraction;
  double magnitude = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  return value < 0 ? -magnitude : magnitude;
}

double roundedSignificant(double value, int digits) {
  if (value == 0.0 || !std::isfinite(value)) return value == 0.0 ? 0.0 : value;
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, digits);
  double rounded = 0;
  std::from_chars(buffer.data(), result.ptr, rounded);
  return rounded;
}

std::optional<std::int32_t> roundToInt32(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double rounded = std::nearbyint(value);  // default rounding: ties to even
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

}  // namespace calvexa
