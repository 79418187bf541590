// Plain decimals for files: a fixed number of decimals rounded half away from
// zero on the double's exact value, or the shortest that reads back; never
// an exponent. Ties are exact binary fractions (0.125, 2.5), worked by hand.
#include "core/decimal_text.h"

#include <gtest/gtest.h>

namespace calvexa {
namespace {

TEST(DecimalText, FixedDecimalsRoundHalfAwayFromZero) {
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
  for (const Case& c : cases) EXPECT_EQ(decimalText(c.value, c.decimals), c.expected) << c.value;
}

TEST(DecimalText, ShortestPlainDecimalReadsBack) {
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
