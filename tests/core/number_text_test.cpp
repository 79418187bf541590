// Table tests for the number texts: reading boxes and the display, and the
// general, display and mask forms of answers. Every expected value is worked
// out by hand from the rules (and, for the masks, from the double's exact
// binary value, stated next to the row).
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "support/calculation_checks.h"

namespace calvexa {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// "0." then 400 zeros then "1": a tiny number far below the smallest double, with no exponent.
const std::string kTinyNoExponent = "0." + std::string(400, '0') + "1";
// "1" then 400 zeros, then "E-5": 1E+395, too large although its exponent is negative.
const std::string kHugeNegativeExponent = "1" + std::string(400, '0') + "E-5";

struct ParseCase {
  const char* name;
  std::string text;
  std::optional<double> expected;
};

void expectSameNumber(const std::optional<double>& actual, const std::optional<double>& expected, const char* name) {
  ASSERT_EQ(actual.has_value(), expected.has_value()) << name;
  if (expected) {
    EXPECT_EQ(*actual, *expected) << name;
  }
}

TEST(NumberTextParse, WholeTextIsOneNumberOrNothing) {
  const ParseCase cases[] = {
      // accepted forms
      {"integer", "1000", 1000.0},
      {"negative decimal", "-2.5", -2.5},
      {"explicit plus", "+3", 3.0},
      {"exponent with capital E and sign", "1.45E+09", 1.45e9},
      {"exponent with small e", "1.45e+09", 1.45e9},
      {"exponent without sign", "2.5E3", 2500.0},
      {"negative exponent", "1E-3", 0.001},
      {"point first", ".5", 0.5},
      {"point last", "5.", 5.0},
      {"sign then point", "-.5", -0.5},
      {"leading zeros", "007", 7.0},
      {"spaces around", "  -1.5e-2  ", -0.015},
      {"space before only", " 12", 12.0},
      {"space after only", "12 ", 12.0},
      {"zero", "0", 0.0},
      {"exponent of zero", "0E99999", 0.0},
      {"largest double", "1.7976931348623157E+308", DBL_MAX},
      // tiny values are zero, not errors
      {"tiny exponent", "1E-999", 0.0},
      {"tiny negative exponent", "-1E-999", -0.0},
      {"tiny with a huge exponent", "1E-99999999999999999999", 0.0},
      {"tiny without exponent", kTinyNoExponent, 0.0},
      {"smallest subnormal", "4.9406564584124654E-324", 4.9406564584124654e-324},
      // refused forms: never 0
      {"empty", "", std::nullopt},
      {"one space", " ", std::nullopt},
      {"lone point", ".", std::nullopt},
      {"lone minus", "-", std::nullopt},
      {"lone plus", "+", std::nullopt},
      {"point and exponent only", ".E5", std::nullopt},
      {"exponent only", "E5", std::nullopt},
      {"exponent without digits", "1E", std::nullopt},
      {"exponent sign without digits", "1E+", std::nullopt},
      {"two points", "1.2.3", std::nullopt},
      {"sign in the middle", "1-2", std::nullopt},
      {"two signs", "+-1", std::nullopt},
      {"thousands comma", "1,000", std::nullopt},
      {"decimal comma", "1,5", std::nullopt},
      {"hexadecimal", "0x10", std::nullopt},
      {"infinity word", "inf", std::nullopt},
      {"nan word", "nan", std::nullopt},
      {"space inside", "1 2", std::nullopt},
      {"trailing letter", "1e5x", std::nullopt},
      {"fractional exponent", "1E2.5", std::nullopt},
      {"pasted words", "Enter a valid Number", std::nullopt},
      {"pasted with unit", "12 m", std::nullopt},
      // beyond the range of a double
      {"overflow", "1E999", std::nullopt},
      {"negative overflow", "-1E999", std::nullopt},
      {"overflow with a huge exponent", "1E99999999999999999999", std::nullopt},
      {"overflow under a negative exponent", kHugeNegativeExponent, std::nullopt},
  };
  for (const auto& c : cases) {
    expectSameNumber(parseNumber(c.text), c.expected, c.name);
    // Only a number-shaped text out of range is "too large"; nothing else is.
    const bool outOfRange = std::string(c.name).find("overflow") != std::string::npos;
    EXPECT_EQ(numberTooLarge(c.text), outOfRange) << c.name;
  }
  EXPECT_TRUE(numberTooLarge(" " + std::string(400, '9') + " "));
  EXPECT_FALSE(numberTooLarge("1E-999")) << "a tiny number is 0, not too large";
  // The sign survives on a tiny negative value.
  EXPECT_TRUE(std::signbit(*parseNumber("-1E-999")));
}

TEST(NumberTextParse, LeadingNumberOfTheDisplay) {
  const ParseCase cases[] = {
      {"space then point five", " .5", 0.5},
      {"lone space", " ", 0.0},
      {"empty", "", 0.0},
      {"second point stops", "1.2.3", 1.2},
      {"letters stop", "12abc", 12.0},
      {"signed exponent then letter", "-3e2x", -300.0},
      {"exponent without digits is left out", "1E", 1.0},
      {"exponent sign without digits is left out", "1E+", 1.0},
      {"second exponent stops", "5E+2E3", 500.0},
      {"space stops", "12 34", 12.0},
      {"exponent on a signed point", "  -.25E1xyz", -2.5},
      {"lone minus", "-", 0.0},
      {"two minus signs", "--5", 0.0},
      {"no number", "abc", 0.0},
      {"tiny", "1e-999", 0.0},
      {"overflow", "1E999", std::nullopt},
      {"overflow then text", "-1E999 abc", std::nullopt},
  };
  for (const auto& c : cases) {
    expectSameNumber(leadingNumber(c.text), c.expected, c.name);
  }
}

struct TextCase {
  const char* name;
  double value;
  const char* expected;
};

TEST(NumberTextGeneral, FifteenSignificantDigitsLikePercentG) {
  const TextCase cases[] = {
      {"integer keeps its zeros", 100.0, "100"},
      {"trailing zeros dropped", 2.50, "2.5"},
      {"whole value drops the point", 12.0, "12"},
      {"zero", 0.0, "0"},
      {"negative zero", -0.0, "0"},
      {"negative", -2.5, "-2.5"},
      {"one microlitre in cubic metres", 1e-6 * 1e-3, "1E-09"},
      {"exponent below -4", 0.00001, "1E-05"},
      {"exponent -4 stays fixed", 0.0001, "0.0001"},
      {"negative small", -0.00012, "-0.00012"},
      {"fifteen nines stay fixed", 999999999999999.0, "999999999999999"},
      {"exponent 15", 1e15, "1E+15"},
      {"rounding up into exponent 15", 999999999999999.625, "1E+15"},
      {"ten to the twentieth", 1e20, "1E+20"},
      {"negative large", -1.5e20, "-1.5E+20"},
      {"three exponent digits", 1e100, "1E+100"},
      {"three negative exponent digits", 1e-100, "1E-100"},
      {"one third", 1.0 / 3.0, "0.333333333333333"},
      {"two thirds rounds up", 2.0 / 3.0, "0.666666666666667"},
      {"sum off in the 17th digit", 0.1 + 0.2, "0.3"},
      {"eighteen digits", 123456789012345678.0, "1.23456789012346E+17"},
      {"largest double", DBL_MAX, "1.79769313486232E+308"},
      {"negative largest double", -DBL_MAX, "-1.79769313486232E+308"},
      {"smallest subnormal", 4.9406564584124654e-324, "4.94065645841247E-324"},
      {"pi as typed", 3.141592654, "3.141592654"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(generalText(c.value), c.expected) << c.name;
  }
}

struct DisplayCase {
  const char* name;
  double value;
  int digits;
  const char* signedForm;
  const char* plainForm;
};

TEST(NumberTextDisplay, SignedAndPlainForms) {
  const DisplayCase cases[] = {
      {"half", 0.5, 15, " .5", ".5"},
      {"negative quarter", -0.25, 15, "-.25", "-.25"},
      {"zero", 0.0, 15, " 0", "0"},
      {"negative zero", -0.0, 15, " 0", "0"},
      {"large", 1e20, 15, " 1E+20", "1E+20"},
      {"small", 1.5e-7, 15, " 1.5E-07", "1.5E-07"},
      {"negative small", -1e-7, 15, "-1E-07", "-1E-07"},
      {"pi as typed", 3.141592654, 15, " 3.141592654", "3.141592654"},
      {"whole", 42.0, 15, " 42", "42"},
      {"small fixed keeps its zeros after the point", 0.00012, 15, " .00012", ".00012"},
      {"negative above 1", -12.5, 15, "-12.5", "-12.5"},
      {"one third", 1.0 / 3.0, 15, " .333333333333333", ".333333333333333"},
      {"random number, 7 digits", 0.123456789, 7, " .1234568", ".1234568"},
      {"random number, 7 digits, trailing zeros", 0.50000001, 7, " .5", ".5"},
      {"random number rounding to 1", 0.99999996, 7, " 1", "1"},
      {"random number, small", 0.00001234567, 7, " 1.234567E-05", "1.234567E-05"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(signedText(c.value, c.digits), c.signedForm) << c.name;
    EXPECT_EQ(plainText(c.value, c.digits), c.plainForm) << c.name;
  }
}

struct MaskCase {
  const char* name;
  double value;
  Mask mask;
  const char* expected;
};

TEST(NumberTextMask, RoundsHalfAwayFromZeroOnTheExactValue) {
  const MaskCase cases[] = {
      // "#,###.0000"
      {"quarter", 0.25, Mask::Grouped4, ".2500"},
      {"twelve", 12.0, Mask::Grouped4, "12.0000"},
      {"twelve thousand", 12000.0, Mask::Grouped4, "12,000.0000"},
      {"three digits, no comma", 123.0, Mask::Grouped4, "123.0000"},
      {"four digits, one comma", 1234.0, Mask::Grouped4, "1,234.0000"},
      {"six digits, one comma", 123456.0, Mask::Grouped4, "123,456.0000"},
      {"negative grouped", -1234.5, Mask::Grouped4, "-1,234.5000"},
      {"zero", 0.0, Mask::Grouped4, ".0000"},
      {"negative zero", -0.0, Mask::Grouped4, ".0000"},
      // 0.03125 = 1/32 exactly: a true half at the fifth decimal
      {"exact half up", 0.03125, Mask::Grouped4, ".0313"},
      {"exact half away from zero, negative", -0.03125, Mask::Grouped4, "-.0313"},
      // -0.00004 is stored as -0.0000400000000000000033, far below half of the last decimal
      {"tiny negative rounds to zero without sign", -0.00004, Mask::Grouped4, ".0000"},
      // 999.99995 is stored as 999.99995000000000125..., just above the half: carries
      {"carry through every digit", 999.99995, Mask::Grouped4, "1,000.0000"},
      // 999.99994 is stored as 999.99994000000003779...
      {"no carry below the half", 999.99994, Mask::Grouped4, "999.9999"},
      // 1 - 2^-11 = 0.99951171875 exactly
      {"four decimals keep 0.9995", 0.99951171875, Mask::Grouped4, ".9995"},
      // 10^20 = 2^20 * 5^20 is exact
      {"ten to the twentieth", 1e20, Mask::Grouped4, "100,000,000,000,000,000,000.0000"},
      // "#,###.000"
      {"half", 0.5, Mask::Grouped3, ".500"},
      {"twelve", 12.0, Mask::Grouped3, "12.000"},
      {"millions", 1234567.0, Mask::Grouped3, "1,234,567.000"},
      // 0.0625 = 1/16 exactly: .062|5 is a true half
      {"exact half away from zero", 0.0625, Mask::Grouped3, ".063"},
      {"exact half away from zero, negative", -0.0625, Mask::Grouped3, "-.063"},
      // 1.0005 is stored as 1.00049999999999994493..., below the half
      {"stored just below the half", 1.0005, Mask::Grouped3, "1.000"},
      // 0.0005 is stored as 0.00050000000000000001040..., above the half
      {"stored just above the half", 0.0005, Mask::Grouped3, ".001"},
      {"carry into the integer", 0.99951171875, Mask::Grouped3, "1.000"},
      {"tiny negative rounds to zero without sign", -0.0004, Mask::Grouped3, ".000"},
      {"largest double", DBL_MAX, Mask::Grouped3,
       "179,769,313,486,231,570,814,527,423,731,704,356,798,070,567,525,844,996,598,917,476,803,157,260,780,"
       "028,538,760,589,558,632,766,878,171,540,458,953,514,382,464,234,321,326,889,464,182,768,467,546,703,"
       "537,516,986,049,910,576,551,282,076,245,490,090,389,328,944,075,868,508,455,133,942,304,583,236,903,"
       "222,948,165,808,559,332,123,348,274,797,826,204,144,723,168,738,177,180,919,299,881,250,404,026,184,"
       "124,858,368.000"},
      {"smallest subnormal", 4.9406564584124654e-324, Mask::Grouped3, ".000"},
      // "###.###"
      {"twelve keeps the point", 12.0, Mask::Hash3, "12."},
      {"quarter", 0.25, Mask::Hash3, ".25"},
      {"two and a half", 2.5, Mask::Hash3, "2.5"},
      {"twelve and a half", 12.5, Mask::Hash3, "12.5"},
      {"zero is a lone point", 0.0, Mask::Hash3, "."},
      {"no grouping", 1234.5, Mask::Hash3, "1234.5"},
      // 0.1875 = 3/16 exactly: .187|5 is a true half
      {"exact half away from zero", 0.1875, Mask::Hash3, ".188"},
      {"exact half away from zero, negative", -0.1875, Mask::Hash3, "-.188"},
      {"tiny negative is a lone point", -0.0004, Mask::Hash3, "."},
      {"rounding up to a whole", 0.99951171875, Mask::Hash3, "1."},
      {"stored just below the half", 1.0005, Mask::Hash3, "1."},
      {"stored just above the half", 0.0005, Mask::Hash3, ".001"},
      {"more than three decimals", 3.14159, Mask::Hash3, "3.142"},
      {"negative whole", -7.0, Mask::Hash3, "-7."},
      {"ten to the twentieth", 1e20, Mask::Hash3, "100000000000000000000."},
      // "0.000"
      {"zero", 0.0, Mask::Fixed3, "0.000"},
      {"quarter keeps the zero", 0.25, Mask::Fixed3, "0.250"},
      {"twelve", 12.0, Mask::Fixed3, "12.000"},
      {"no grouping", 12345.0, Mask::Fixed3, "12345.000"},
      {"exact half away from zero, negative", -0.0625, Mask::Fixed3, "-0.063"},
      {"tiny negative rounds to zero without sign", -0.0004, Mask::Fixed3, "0.000"},
      {"stored just below the half", 1.0005, Mask::Fixed3, "1.000"},
      {"carry into the integer", 0.99951171875, Mask::Fixed3, "1.000"},
      // "#,##0.00"
      {"a digit before the point", 0.25, Mask::Grouped2, "0.25"},
      {"zero", 0.0, Mask::Grouped2, "0.00"},
      {"negative zero", -0.0, Mask::Grouped2, "0.00"},
      {"grouped", 31449.05, Mask::Grouped2, "31,449.05"},
      {"millions, negative", -1234567.5, Mask::Grouped2, "-1,234,567.50"},
      // 0.125 = 1/8 exactly: .12|5 is a true half, away from zero
      {"exact half away from zero", 0.125, Mask::Grouped2, "0.13"},
      {"exact half away from zero, negative", -0.125, Mask::Grouped2, "-0.13"},
      // 4882.445 is stored as 4882.44499999999970896..., below the half
      {"stored just below the half", 4882.445, Mask::Grouped2, "4,882.44"},
      {"carry into a new group", 999.995, Mask::Grouped2, "1,000.00"},
      {"tiny negative rounds to zero without sign", -0.004, Mask::Grouped2, "0.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(maskText(c.value, c.mask), c.expected) << c.name;
  }
}

TEST(NumberTextMask, NonFiniteValuesDoNotCrash) {
  for (Mask mask : {Mask::Grouped4, Mask::Grouped3, Mask::Hash3, Mask::Fixed3, Mask::Grouped2}) {
    EXPECT_FALSE(maskText(kInf, mask).empty());
    EXPECT_FALSE(maskText(-kInf, mask).empty());
    EXPECT_FALSE(maskText(kNaN, mask).empty());
  }
}

struct IntCase {
  const char* name;
  double value;
  std::optional<std::int32_t> expected;
};

TEST(NumberTextInteger, RoundsToNearestTiesToEvenWithin32Bits) {
  const IntCase cases[] = {
      {"2.5 to even 2", 2.5, 2},
      {"3.5 to even 4", 3.5, 4},
      {"0.5 to even 0", 0.5, 0},
      {"-0.5 to even 0", -0.5, 0},
      {"-2.5 to even -2", -2.5, -2},
      {"-1.5 to even -2", -1.5, -2},
      {"below the half", 1.4999, 1},
      {"above the half", 1.5001, 2},
      {"largest", 2147483647.0, 2147483647},
      // stored as 2147483647.400000095..., rounds down to the largest
      {"just above the largest", 2147483647.4, 2147483647},
      {"half above the largest rounds to 2^31", 2147483647.5, std::nullopt},
      {"smallest", -2147483648.0, std::numeric_limits<std::int32_t>::min()},
      {"half below the smallest rounds to even -2^31", -2147483648.5, std::numeric_limits<std::int32_t>::min()},
      {"below the smallest", -2147483649.0, std::nullopt},
      {"huge", 1e300, std::nullopt},
      {"not a number", kNaN, std::nullopt},
      {"infinity", kInf, std::nullopt},
      {"negative infinity", -kInf, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(roundToInt32(c.value), c.expected) << c.name;
  }
}

// Restores the C locale however the test ends.
struct LocaleGuard {
  ~LocaleGuard() { std::setlocale(LC_ALL, "C"); }
};

TEST(NumberTextLocale, PointAndCommaDoNotFollowTheLocale) {
  LocaleGuard guard;
  const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"};
  const char* chosen = nullptr;
  for (const char* name : commaLocales) {
    if (std::setlocale(LC_ALL, name) != nullptr && std::string(std::localeconv()->decimal_point) == ",") {
      chosen = name;
      break;
    }
  }
  if (chosen == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";

  expectSameNumber(parseNumber("1.5"), 1.5, chosen);
  expectSameNumber(parseNumber("1,5"), std::nullopt, chosen);
  expectSameNumber(parseNumber("-2.5E+3"), -2500.0, chosen);
  expectSameNumber(leadingNumber("1,5"), 1.0, chosen);
  EXPECT_EQ(generalText(1.5), "1.5") << chosen;
  EXPECT_EQ(generalText(1.5e-7), "1.5E-07") << chosen;
  EXPECT_EQ(signedText(0.5), " .5") << chosen;
  EXPECT_EQ(maskText(1234.5, Mask::Grouped4), "1,234.5000") << chosen;
  EXPECT_EQ(maskText(0.0625, Mask::Grouped3), ".063") << chosen;
  EXPECT_EQ(maskText(2.5, Mask::Hash3), "2.5") << chosen;
  EXPECT_EQ(maskText(0.25, Mask::Fixed3), "0.250") << chosen;
}

}  // namespace
}  // namespace calvexa

namespace calvexa {
namespace {

TEST(NumberTextPlain, AnswersAsShownBecomePlainNumbers) {
  struct Case {
    const char* shown;
    const char* plain;
  };
  const Case cases[] = {
      {".2500", "0.25"},
      {"12,000.0000", "12000"},
      {"12.", "12"},
      {".", "0"},
      {"-.5000", "-0.5"},
      {"1,234.5678", "1234.5678"},
      {"3141.5926", "3141.5926"},
      {"1.5E-07", "1.5E-07"},
      {"6.178", "6.178"},
      {"0", "0"},
      {"-.0000", "0"},
      {"123,456,789,012,345.6789", "123456789012345.6789"},
      {"2.10E+20", "2.1E+20"},
      {"Calculation Error", "Calculation Error"},
  };
  for (const Case& c : cases) EXPECT_EQ(plainNumberText(c.shown), c.plain) << c.shown;
}

TEST(NumberTextRounded, RoundedDecimalsAgreeWithTheMasks) {
  for (double value : {0.0625, -0.0625, 2.5, 1234.5625, 0.1, 1.0005, 6.0625, 99999.99951, -3.14159, 0.0}) {
    std::string shown;
    for (char c : maskText(value, Mask::Grouped3))
      if (c != ',') shown += c;
    if (shown == "." || shown == "-.") shown = "0";
    EXPECT_EQ(roundedDecimals(value, 3), *parseNumber(shown)) << value;
  }
}

}  // namespace
}  // namespace calvexa

namespace calvexa {
namespace {

// The tests' own mask texts, against worked literals: the oracle the other
// tests compare the program's texts with.
TEST(MaskOracle, WorkedTexts) {
  struct Case {
    std::string got;
    const char* expected;
  };
  const Case cases[] = {
      {grouped4(12000), "12,000.0000"},
      {grouped4(0.25), ".2500"},
      {grouped4(1234567.891), "1,234,567.8910"},
      {grouped4(-0.00001), ".0000"},      // no minus on a zero
      {grouped3(0.0625), ".063"},         // 0.0625 is exact: a tie, away from zero
      {grouped3(999.9996), "1,000.000"},  // the carry reaches a new group
      {hash3(12), "12."},
      {hash3(0.25), ".25"},
      {hash3(2.5), "2.5"},
      {hash3(0), "."},
      {hash3(-1.0015), "-1.002"},  // stored as 1.00150000000000005684…
      {hash3(-1.0005), "-1."},     // stored as 1.00049999999999994493…
      {fixed3(0.0625), "0.063"},
      {fixed3(7068.5835), "7068.583"},  // stored just below …35: its exact value rounds down
      {general(1.0 / 3), "0.333333333333333"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected);
}

}  // namespace
}  // namespace calvexa

// Plain decimals for files: a fixed number of decimals rounded half away from
// zero on the double's exact value, or the shortest that reads back; never
// an exponent. Ties are exact binary fractions (0.125, 2.5), worked by hand.
namespace calvexa {
namespace {

TEST(FixedText, PlainDecimalsForFilesRoundHalfAwayFromZero) {
  struct Case {
    double value;
    int decimals;
    const char* expected;
  };
  const Case cases[] = {
      {2.5, 3, "2.500"},
      {0.0025, 4, "0.0025"},
      {2.5, 0, "3"},         // an exact half, away from zero
      {-2.5, 0, "-3"},       //
      {0.125, 2, "0.13"},    // exact in binary: a true tie
      {1.0005, 3, "1.000"},  // 1.000499999999999989... below the half
      {12345678.123, 3, "12345678.123"},
      {1e-7, 3, "0.000"},
      {-1e-7, 3, "0.000"},  // no minus on a zero
      {1e21, 2, "1000000000000000000000.00"},
      {-0.0, 1, "0.0"},
      {7.0, -4, "7"},  // brought into range
      {0.5, 40, "0.50000000000000000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(fixedText(c.value, c.decimals), c.expected) << c.value;
}

TEST(ExactDecimalText, ShortestPlainDecimalReadsBack) {
  struct Case {
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {0.1, "0.1"},     {1500, "1500"}, {1.5e-7, "0.00000015"},
      {-2.25, "-2.25"}, {-0.0, "0"},    {1e21, "1000000000000000000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(exactDecimalText(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace calvexa
