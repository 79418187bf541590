// Number texts: how the program reads numbers from boxes and writes answers.
// Locale-independent: the decimal point is always "." and the group separator ",".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calvexa {

// A box's whole text as a number: optional spaces, optional sign, digits with
// at most one point (at least one digit), optional exponent "E"/"e" with
// optional sign and at least one digit, optional spaces. Anything else, and a
// number beyond the range of a double, is not a number (nullopt), never 0.
std::optional<double> parseNumber(std::string_view text);

// True when text has the form of a number that parseNumber takes, but its
// magnitude is beyond the range of a double (1E999, a 400-digit value).
bool numberTooLarge(std::string_view text);

// The leading number of a text, as the calculator reads its display: leading
// spaces skipped, then sign, digits, one point and an exponent are taken while
// they fit; no leading number gives 0 (" .5" is 0.5, " " is 0, "1.2.3" is 1.2,
// "12abc" is 12). nullopt only when the number is beyond the range of a double.
std::optional<double> leadingNumber(std::string_view text);

// General number text, as printf's %.15G writes it: up to 15 significant
// digits, trailing zeros and point removed, exponent form (capital E, sign, at
// least two digits) when the decimal exponent is below -4 or at least 15;
// negative zero is written 0. Only for finite values.
std::string generalText(double value, int significantDigits = 15);

// The calculator's display forms. Signed: a leading space for zero and
// positive values, "-" for negative ones, no "0" before the point of a value
// below 1 (" .5", "-.25"). Plain: the same without the leading space.
std::string signedText(double value, int significantDigits = 15);
std::string plainText(double value, int significantDigits = 15);

// Format masks, rounding half away from zero on the double's exact decimal value.
// Only for finite values (anything else is written as generalText writes it).
enum class Mask {
  Grouped4,  // "#,###.0000": 12,000.0000  .2500
  Grouped3,  // "#,###.000":  12,000.000   .063
  Hash3,     // "###.###":    12.5  .25  2.  (zero is a lone ".")
  Fixed3,    // "0.000":      0.250  12.000
  Grouped2,  // "#,##0.00":   12,000.00    0.25  (volumes of a gauging: a digit before the point)
};
std::string maskText(double value, Mask mask);

// "0.000" with `decimals` decimals (0 to 20; others are brought into that
// range): a digit before the point, no grouping, rounded as the masks round,
// no minus on a zero. Never in exponent form: 2.5, 3 gives "2.500"; 0.0025,
// 4 gives "0.0025"; 1E-7, 3 gives "0.000". Only for finite values (anything
// else is written as generalText writes it).
std::string fixedText(double value, int decimals);

// The shortest plain decimal that reads back as the same double, for files
// other programs read: 0.1 gives "0.1", 1500 gives "1500", 1.5E-7 gives
// "0.00000015". Only for finite values.
std::string exactDecimalText(double value);

// The number a mask of `decimals` decimals shows for value, read back: value
// rounded half away from zero on its exact decimal value (maskText's rounding).
double roundedDecimals(double value, int decimals);

// How many digits a text shows of a number: decimals, or significant digits.
struct ShownDigits {
  enum class Kind { Decimals, Significant };
  Kind kind = Kind::Decimals;
  int count = 3;
};

// `value` rounded as a text of `shown` digits shows it (decimals half away
// from zero, as the masks round; significant digits as generalText rounds),
// then rounded again, half away from zero on those digits, to `decimals`
// decimals: 7068.58349 shown with four decimals is 7068.5835, which is
// 7068.584. Values that are not finite come back as they are.
double roundedOnShown(double value, ShownDigits shown, int decimals);

// `value` rounded to `digits` significant digits as generalText rounds it:
// the number a box holds once the value is written into it.
double roundedSignificant(double value, int digits = 15);

// An answer as shown ("12,000.0000", ".2500", "12.") as a plain number: no
// group separators, a zero before a leading point, no trailing zeros after
// the point and no point left alone ("12000", "0.25", "12"). Every digit
// shown is kept; an exponent stays as it is. Text that is not a number
// comes back as it was.
std::string plainNumberText(std::string_view shown);

// Round to the nearest 32-bit integer, ties to even (2.5 -> 2, 3.5 -> 4);
// nullopt when the result does not fit 32 bits or the value is not finite.
std::optional<std::int32_t> roundToInt32(double value);

}  // namespace calvexa
