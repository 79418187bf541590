// Heights in feet, inches and eighths: written and read back. Every expected
// text and number is worked by hand in the row's comment: a height is a
// count of eighths (or sixteenths) of an inch, 96 (192) to the foot.
#include "core/feet_inches.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace calvexa {
namespace {

constexpr FeetOrInches kFeet = FeetOrInches::Feet;
constexpr FeetOrInches kInches = FeetOrInches::Inches;
constexpr InchFraction k8 = InchFraction::Eighths;
constexpr InchFraction k16 = InchFraction::Sixteenths;

struct TextCase {
  const char* name;
  double height;
  FeetOrInches unit;
  InchFraction fraction;
  const char* expected;
};

TEST(FeetInchesText, RoundsToTheFractionReducesAndCarries) {
  const TextCase cases[] = {
      {"feet, inches and eighths", 12 + 3.625 / 12, kFeet, k8, "12' 3 5/8\""},
      {"whole feet show 0 inches", 10, kFeet, k8, "10' 0\""},
      {"one eighth", 1.0 / 96, kFeet, k8, "0' 0 1/8\""},
      {"zero", 0, kFeet, k8, "0' 0\""},
      {"4/8 reduced to 1/2", 0.5, kInches, k8, "0' 0 1/2\""},
      {"whole inches", 6, kInches, k8, "0' 6\""},
      {"from inches: 147 5/8 in is 12 ft 3 5/8 in", 147.625, kInches, k8, "12' 3 5/8\""},
      // 143.95 in = 1151.6 eighths -> 1152 = 12 ft exactly: the inches and the foot carry.
      {"carry into the next foot from inches", 143.95, kInches, k8, "12' 0\""},
      // 11.999 ft = 143.988 in = 1151.904 eighths -> 1152.
      {"carry into the next foot from feet", 11.999, kFeet, k8, "12' 0\""},
      // 11.99 ft = 143.88 in = 1151.04 eighths -> 1151 = 11 ft 11 7/8 in.
      {"no carry", 11.99, kFeet, k8, "11' 11 7/8\""},
      // 0.1 ft = 1.2 in = 9.6 eighths -> 10 = 1 2/8 in.
      {"a tenth of a foot", 35.1, kFeet, k8, "35' 1 1/4\""},
      // 3.0625 in = 24.5 eighths: half away from zero -> 25.
      {"a half eighth rounds up", 3.0625, kInches, k8, "0' 3 1/8\""},
      {"the same in sixteenths", 3.0625, kInches, k16, "0' 3 1/16\""},
      // 3.05 in = 24.4 eighths -> 24.
      {"rounds down below the half", 3.05, kInches, k8, "0' 3\""},
      {"6/16 reduced to 3/8", 0.375, kInches, k16, "0' 0 3/8\""},
      {"12/16 reduced to 3/4", 0.75, kInches, k16, "0' 0 3/4\""},
      // 1/192 ft is one sixteenth, half an eighth.
      {"one sixteenth in feet", 1.0 / 192, kFeet, k16, "0' 0 1/16\""},
      {"negative", -1.5, kFeet, k8, "-1' 6\""},
      // -0.0625 in = -0.5 eighths -> -1 eighth, away from zero.
      {"negative below a foot keeps its minus", -0.0625, kInches, k8, "-0' 0 1/8\""},
      // -0.001 ft = -0.096 eighths -> 0: no minus on a zero.
      {"a negative that rounds to zero", -0.001, kFeet, k8, "0' 0\""},
      {"a thousand feet", 1000, kFeet, k8, "1000' 0\""},
      {"beyond any tank: general text", 1e300, kFeet, k8, "1E+300"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(feetInchesText(c.height, c.unit, c.fraction), c.expected) << c.name;
}

struct ParseCase {
  const char* name;
  std::string text;
  FeetOrInches unit;
  std::optional<double> expected;
};

constexpr double kTwelveThreeFiveEighths = 12 + 3.625 / 12;  // feet

TEST(FeetInchesParse, TakesTheWrittenTypedAndGaugingForms) {
  const ParseCase cases[] = {
      {"as written", "12' 3 5/8\"", kFeet, kTwelveThreeFiveEighths},
      {"no spaces, a dash before the fraction", "12'3-5/8\"", kFeet, kTwelveThreeFiveEighths},
      {"gauging form: feet, inches, fraction", "12 3 5/8", kFeet, kTwelveThreeFiveEighths},
      {"spaces around and between", "  12 '  3  5/8 \"  ", kFeet, kTwelveThreeFiveEighths},
      {"tabs between", "12\t3\t5/8", kFeet, kTwelveThreeFiveEighths},
      {"feet alone", "12'", kFeet, 12.0},
      {"feet and inches", "12' 3\"", kFeet, 12.25},
      {"inches without their mark after feet", "12' 3", kFeet, 12.25},
      {"a fraction alone after feet", "12' 5/8\"", kFeet, 12 + 0.625 / 12},
      {"decimal inches after feet", "12' 3.5\"", kFeet, 12 + 3.5 / 12},
      {"inches and a fraction", "3 5/8\"", kFeet, 3.625 / 12},
      {"inches, dash, fraction", "3-5/8\"", kFeet, 3.625 / 12},
      {"a fraction of an inch", "5/8\"", kFeet, 0.625 / 12},
      {"decimal inches", "3.5\"", kFeet, 3.5 / 12},
      {"gauging form without a fraction", "12 3", kFeet, 12.25},
      {"a plain decimal is in the unit asked for", "12.5", kFeet, 12.5},
      {"a negative height", "-1' 6\"", kFeet, -1.5},
      {"one eighth", "0' 0 1/8\"", kFeet, 1.0 / 96},
      {"whole feet as written", "10' 0\"", kFeet, 10.0},
      {"sixteenths and any other denominator", "12' 3 10/16\"", kFeet, kTwelveThreeFiveEighths},
      {"zero numerator", "1' 0 0/8\"", kFeet, 1.0},
      {"in inches: 12 ft 3 5/8 in", "12' 3 5/8\"", kInches, 147.625},
      {"in inches: the gauging form", "12 3 5/8", kInches, 147.625},
      {"in inches: inches alone", "3 5/8\"", kInches, 3.625},
      {"in inches: a plain decimal", "12.5", kInches, 12.5},
      {"minus zero is zero", "-0' 0\"", kFeet, 0.0},
      {"a long denominator", "0' 0 1/99999999999999999999\"", kInches, 1 / 1e20},
  };
  for (const ParseCase& c : cases) {
    const std::optional<double> value = parseFeetInches(c.text, c.unit);
    ASSERT_TRUE(value.has_value()) << c.name;
    EXPECT_NEAR(*value, *c.expected, 1e-12 * std::max(1.0, std::fabs(*c.expected))) << c.name;
  }
  EXPECT_FALSE(std::signbit(*parseFeetInches("-0' 0\"", kFeet))) << "no negative zero";
}

TEST(FeetInchesParse, RefusesEverythingElseWithoutCrashing) {
  const std::string nines(400, '9');
  struct Refused {
    std::string text;
    FeetOrInches unit = kFeet;
  };
  const Refused cases[] = {
      {""},
      {"   "},
      {"'"},
      {"\""},
      {"abc"},
      {"12 5/8"},        // 12 in and 5/8, or 12 ft and 5/8 in: not said
      {"3 5/8"},         // inches alone carry their mark
      {"12' 12\""},      // 12 inches are a foot
      {"12' 11 8/8\""},  // so are 11 8/8
      {"12' 3 9/8\""},   // not a proper fraction
      {"12' 3 1/0\""},   // zero denominator
      {"1/0\""},
      {"0/0\""},
      {"12' 3 5/\""},     // no denominator
      {"12' 3 /8\""},     // no numerator
      {"12' 3 5/8.0\""},  // a fraction of whole numbers only
      {"12.5' 3\""},      // feet with inches are whole
      {"12' 3.5 1/2\""},  // inches with a fraction are whole
      {"12'3\"4"},        // text after the inch mark
      {"12' 3\" 4\""},
      {"12''"},
      {"1e3"},  // no exponent
      {"1E3'"},
      {"12' -3\""},  // a sign only in front
      {"--12'"},
      {"+-12'"},
      {"12 3 5/8\""},  // the gauging form has no marks
      {"1.2.3"},
      {"12' 3 5/8\"\""},
      {"12 3 5/8 1"},
      {nines + "'"},  // beyond the range of a double
      {"1" + std::string(400, '0')},
      {"0' 0 1/" + nines + "\""},
      {std::string(308, '9') + "'", kInches},  // 10^308 ft is finite, but not in inches
      {std::string("12' 3\0\"", 6)},           // a NUL byte
  };
  for (const Refused& c : cases)
    EXPECT_EQ(parseFeetInches(c.text, c.unit), std::nullopt) << "\"" << c.text.substr(0, 40) << "\"";
  EXPECT_TRUE(parseFeetInches(std::string(308, '9') + "'", kFeet).has_value()) << "finite in feet";
}

TEST(FeetInches, EveryEighthAndSixteenthReadsBackAsWritten) {
  for (int n = -2000; n <= 2000; ++n) {
    const double feet = n / 96.0;
    const std::string text = feetInchesText(feet, kFeet);
    const std::optional<double> back = parseFeetInches(text, kFeet);
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_NEAR(*back, feet, 1e-12) << text;
    const double inches = n / 16.0;
    const std::string sixteenths = feetInchesText(inches, kInches, k16);
    const std::optional<double> inchesBack = parseFeetInches(sixteenths, kInches);
    ASSERT_TRUE(inchesBack.has_value()) << sixteenths;
    EXPECT_NEAR(*inchesBack, inches, 1e-12) << sixteenths;
  }
}

TEST(FeetInches, OnlyFeetAndInchesAreFeetOrInches) {
  EXPECT_EQ(feetOrInches("Feet"), kFeet);
  EXPECT_EQ(feetOrInches("Inches"), kInches);
  for (const char* other : {"Meters", "feet", "Feet ", "", "1/8 Inch"}) EXPECT_EQ(feetOrInches(other), std::nullopt);
}

}  // namespace
}  // namespace calvexa
