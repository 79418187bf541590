// Background bands: colours at the top and bottom, band count, odd sizes.
#include "core/gradient.h"

#include <gtest/gtest.h>

#include <cmath>

namespace calvexa {
namespace {

TEST(GradientBands, ThreeThousandUnitsHigh) {
  const auto bands = gradientBands(GradientParams{}, 4000, 3000);
  ASSERT_EQ(bands.size(), 61u) << "y = 0, 50, ... 3000";
  EXPECT_EQ(bands.front().top, -1);
  EXPECT_EQ(bands.front().bottom, 50);
  EXPECT_EQ(bands.front().left, -1);
  EXPECT_EQ(bands.front().right, 4000);
  EXPECT_EQ(bands.front().red, 223);
  EXPECT_EQ(bands.front().green, 228);
  EXPECT_EQ(bands.front().blue, 215);
  // After 60 single-precision steps of (114 - s) * 50 / 3000 each channel is
  // within rounding of the end level.
  EXPECT_EQ(bands.back().top, 2999);
  EXPECT_EQ(bands.back().red, 114);
  EXPECT_EQ(bands.back().green, 114);
  EXPECT_EQ(bands.back().blue, 114);
  // Band 30 sits half way: red 223 - 54.5, green 228 - 57, blue 215 - 50.5
  // (the halves land either side of .5 after thirty single-precision steps).
  EXPECT_NEAR(bands[30].red, 168.5, 0.5);
  EXPECT_EQ(bands[30].green, 171);
  EXPECT_NEAR(bands[30].blue, 164.5, 0.5);
}

TEST(GradientBands, DivisorsAreClampedAndDivideTheChannel) {
  GradientParams params;
  params.redDivisor = 0;    // clamped to 1
  params.greenDivisor = 2;  // 228 / 2
  params.blueDivisor = 99;  // clamped to 20: 215 / 20
  const auto bands = gradientBands(params, 100, 100);
  ASSERT_FALSE(bands.empty());
  EXPECT_EQ(bands[0].red, 223);
  EXPECT_EQ(bands[0].green, 114);
  EXPECT_EQ(bands[0].blue, 10);
}

TEST(GradientBands, NoHeightPaintsNothing) {
  EXPECT_TRUE(gradientBands(GradientParams{}, 100, 0).empty());
  EXPECT_TRUE(gradientBands(GradientParams{}, 0, -5).empty());
}

TEST(GradientBands, TallWindowsAreReadAsSixteenBits) {
  const auto bands = gradientBands(GradientParams{}, 1000, 100000);
  ASSERT_FALSE(bands.empty());
  EXPECT_LE(bands.back().top, 32767);
  EXPECT_EQ(bands.back().red, 114);
}

}  // namespace
}  // namespace calvexa
