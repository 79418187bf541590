#include "core/decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "core/number_text.h"

namespace calvexa {
namespace {

// A fixed form of at most 309 integer digits and 20 decimals, its sign and point.
constexpr int kMostDecimals = 20;
constexpr std::size_t kFixedRoom = 309 + kMostDecimals + 8;

// A text of only zeros (and a point) is written without its minus.
std::string withoutNegativeZero(std::string text) {
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

}  // namespace

std::string decimalText(double value, int decimals) {
  if (!std::isfinite(value)) return generalText(value);
  decimals = std::clamp(decimals, 0, kMostDecimals);
  // roundedDecimals rounds half away from zero on the exact decimal value and
  // gives the double nearest that rounded number, which the fixed form then
  // writes with exactly its digits.
  const double rounded = roundedDecimals(value, decimals);
  char buffer[kFixedRoom];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals);
  return withoutNegativeZero(std::string(buffer, result.ptr));
}

std::string exactDecimalText(double value) {
  if (!std::isfinite(value)) return generalText(value);
  // The shortest fixed form reaches 324 decimals for the smallest doubles.
  char buffer[kFixedRoom + 330];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return withoutNegativeZero(std::string(buffer, result.ptr));
}

}  // namespace calvexa
