// The tank geometry: volumes of every tank shape and the stretched answers of
// the elliptical tanks. Expected values are worked from the formulas and the
// known volumes of the solids, with the constants written out here.
//
// Each row says how it compares: [same order] rows work the value in the
// formula's own order and compare with EXPECT_DOUBLE_EQ; [regrouped] rows give
// a mathematically equal value worked another way (true pi, closed forms,
// volumes of whole solids) and allow 1E-12; [limit] rows approach a point
// where the formula changes branch or the tank is full and allow 1E-8.
#include "tanks/tank_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

namespace calvexa {
namespace {

constexpr double kPi9 = 3.141592654;  // the bottoms, heads, sphere
constexpr double kPi7 = 3.1415926;    // the flat upright tanks
constexpr double kTruePi = std::numbers::pi;
constexpr double kSameOrder = 0;
constexpr double kRegrouped = 1e-12;
constexpr double kLimit = 1e-8;

const double kRoot3 = std::sqrt(3.0);
// ArcCos(0) as the tank routines work it: 2 × arctan(1).
const double kQuarterTurn = 2 * std::atan(1.0);

void expectVolume(const std::string& name, double actual, double expected, double tolerance) {
  SCOPED_TRACE(name);
  if (tolerance == kSameOrder)
    EXPECT_DOUBLE_EQ(actual, expected);
  else
    EXPECT_NEAR(actual, expected, tolerance);
}

using BottomVolume = double (*)(double D, double h, double H, double a);

TEST(TankGeometry, UprightBottoms) {
  struct Case {
    const char* name;
    BottomVolume volume;
    double D, h, H, a;
    double expected;
    double tolerance;
  };
  const Case cases[] = {
      // Conical: D 2, a 1 is a cone of pi ÷ 3.
      {"conical, h = a = 1: (4 x pi / 4) x (1 - 2 / 3) [same order]", ConicalBottomVolume, 2, 1, 3, 1,
       (4 * kPi9 / 4) * (1 - 2.0 / 3), kSameOrder},
      {"conical, h = a = 1: a third of pi [regrouped]", ConicalBottomVolume, 2, 1, 3, 1, kPi9 / 3, kRegrouped},
      {"conical, h 0.5: d = 1, (pi / 4) x (0.5 / 3) [same order]", ConicalBottomVolume, 2, 0.5, 3, 1,
       (kPi9 / 4) * (0.5 / 3), kSameOrder},
      {"conical, h 1.5: the cone and 0.5 m of cylinder [regrouped]", ConicalBottomVolume, 2, 1.5, 3, 1,
       kPi9 / 3 + kPi9 * 0.5, kRegrouped},
      {"conical, h = a - 1E-9: the cone [limit]", ConicalBottomVolume, 2, 1 - 1e-9, 3, 1, kPi9 / 3, kLimit},
      // Ellipsoidal: D 2, a 1 is a hemisphere; D 2, a 0.5 a flattened one.
      {"ellipsoidal, hemisphere at h = a: two thirds of pi [regrouped]", EllipsoidalBottomVolume, 2, 1, 3, 1,
       2 * kPi9 / 3, kRegrouped},
      {"ellipsoidal, hemisphere, h 0.5: cap pi h^2 (1 - h / 3) [regrouped]", EllipsoidalBottomVolume, 2, 0.5, 3, 1,
       kPi9 * 0.25 * (1 - 0.5 / 3), kRegrouped},
      {"ellipsoidal, hemisphere, h 3: hemisphere and 2 m of cylinder [regrouped]", EllipsoidalBottomVolume, 2, 3, 3, 1,
       2 * kPi9 / 3 + kPi9 * 2, kRegrouped},
      {"ellipsoidal, a 0.5, h 0.25: pi (R / a)^2 (a h^2 - h^3 / 3) [regrouped]", EllipsoidalBottomVolume, 2, 0.25, 3,
       0.5, kPi9 * 4 * (0.5 * 0.0625 - 0.015625 / 3), kRegrouped},
      {"ellipsoidal, a 0.5, h = a - 1E-9: half the ellipsoid, 2 pi R^2 a / 3 [limit]", EllipsoidalBottomVolume, 2,
       0.5 - 1e-9, 3, 0.5, 2 * kPi9 * 0.5 / 3, kLimit},
      // Spherical: D 2, a 1 is a hemisphere; D 2, a 0.5 a cap of a sphere of radius 1.25.
      {"spherical, hemisphere at h = a: (4 + 2 / 3 - 2) x (pi / 4) [regrouped]", SphericalBottomVolume, 2, 1, 3, 1,
       (4 + 2.0 / 3 - 2) * (kPi9 / 4), kRegrouped},
      {"spherical, hemisphere, h = a - 1E-9: two thirds of pi [limit]", SphericalBottomVolume, 2, 1 - 1e-9, 3, 1,
       2 * kPi9 / 3, kLimit},
      {"spherical, a 0.5, h 0.25: cap pi h^2 (R - h / 3), R 1.25 [regrouped]", SphericalBottomVolume, 2, 0.25, 3, 0.5,
       kPi9 * 0.0625 * (1.25 - 0.25 / 3), kRegrouped},
      {"spherical, a 0.5, h 1.5: the cap of depth a and 1 m of cylinder [regrouped]", SphericalBottomVolume, 2, 1.5, 3,
       0.5, kPi9 * 0.25 * (1.25 - 0.5 / 3) + kPi9 * 1, kRegrouped},
      {"spherical, a 0.5, h = a - 1E-9: the cap of depth a [limit]", SphericalBottomVolume, 2, 0.5 - 1e-9, 3, 0.5,
       kPi9 * 0.25 * (1.25 - 0.5 / 3), kLimit},
  };
  for (const Case& c : cases) expectVolume(c.name, c.volume(c.D, c.h, c.H, c.a), c.expected, c.tolerance);
}

TEST(TankGeometry, FlatUprightTanks) {
  struct Case {
    const char* name;
    double actual;
    double expected;
  };
  const Case cases[] = {
      {"circular, D 2, h 1: the seven-decimal pi", VerticalFlatVolume(1, 1), kPi7},
      {"circular, D 3, h 2: 1.5^2 x pi x 2", VerticalFlatVolume(1.5, 2), 1.5 * 1.5 * kPi7 * 2},
      {"elliptical, W 2, Dp 1, h 1: 1^2 x pi x 1 x 0.5", VerticalEllipticalFlatVolume(2, 1, 1), 1 * kPi7 * 1 * 0.5},
      {"elliptical, W = Dp = 3, h 2: the circular tank of D 3", VerticalEllipticalFlatVolume(3, 3, 2),
       1.5 * 1.5 * kPi7 * 2},
      {"elliptical, W 0.5, Dp 4, h 3: 0.25^2 x pi x 3 x 8", VerticalEllipticalFlatVolume(0.5, 4, 3),
       0.25 * 0.25 * kPi7 * 3 * 8},
  };
  for (const Case& c : cases) expectVolume(std::string(c.name) + " [same order]", c.actual, c.expected, kSameOrder);
}

// The elliptical upright answer scales the circular one by Dp ÷ W; with W = Dp
// it is the circular tank's answer in every unit.
TEST(TankGeometry, StretchedAnswerScalesTheCircularVolume) {
  struct Case {
    const char* unit;
    double W, Dp;
    double expected;
  };
  const double v0 = kPi9 / 3;  // the conical bottom of D 2, a 1, filled to h 1
  const Case cases[] = {
      {"Cubic Meters", 2, 2, v0},
      {"Litres", 2, 2, v0 * 1000},
      {"Gallons (Canada)", 2, 2, v0 * 1000 / 4.54609},
      {"Gallons (U.S.)", 2, 2, v0 * 1000 / 3.785412},
      {"Cubic Feet", 2, 2, v0 * 35.31466227},
      {"Drums (208 litre)", 2, 2, v0 * 1000 / 208},
      {"Cubic Meters", 2, 1, v0 / 2},
      {"Litres", 2, 1, v0 * 1000 / 2},
      {"Gallons (U.S.)", 1, 3, v0 * 1000 / 3.785412 * 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.unit) + ", W " + std::to_string(c.W) + ", Dp " + std::to_string(c.Dp));
    const std::optional<double> answer = StretchedAnswer(v0, c.W, c.Dp, c.unit);
    ASSERT_TRUE(answer.has_value());
    EXPECT_DOUBLE_EQ(*answer, c.expected);
  }
}

// Where an answer is worked in a stated order, the result must be that order's
// bits. The inputs are chosen so that the obvious other order (stretch first,
// then the unit; the sum first; the plain product) gives a different last bit,
// which each row checks before comparing.
TEST(TankGeometry, EvaluationOrders) {
  struct Case {
    const char* name;
    std::optional<double> actual;
    double asWritten;
    double otherOrder;
  };
  // Upright elliptical: V0 0.1, W 0.7, Dp 2.9; stretch then unit would be s × V0 × factor.
  const double v0 = 0.1, s = 2.9 / 0.7;
  // Horizontal elliptical: k 0.1, shell 0.1, heads 0.3.
  const double k = 0.1, vc = 0.1, heads = 0.3;
  const double sum = k * (vc + heads), split = k * heads + k * vc;
  const Case cases[] = {
      {"upright, Litres: Dp / W x (V0 x 1000)", StretchedAnswer(v0, 0.7, 2.9, "Litres"), s * (v0 * 1000),
       s * v0 * 1000},
      {"upright, Gallons (Canada): V0 x 1000 / 4.54609 x (Dp / W)", StretchedAnswer(v0, 0.7, 2.9, "Gallons (Canada)"),
       v0 * 1000 / 4.54609 * s, s * v0 * 1000 / 4.54609},
      {"upright, Gallons (U.S.): V0 x 1000 / 3.785412 x (Dp / W)", StretchedAnswer(v0, 0.7, 2.9, "Gallons (U.S.)"),
       v0 * 1000 / 3.785412 * s, s * v0 * 1000 / 3.785412},
      {"upright, Cubic Feet: Dp / W x (V0 x 35.31466227)", StretchedAnswer(v0, 0.7, 2.9, "Cubic Feet"),
       s * (v0 * 35.31466227), s * v0 * 35.31466227},
      {"upright, Drums: V0 x 1000 / 208 x (Dp / W)", StretchedAnswer(v0, 0.7, 2.9, "Drums (208 litre)"),
       v0 * 1000 / 208 * s, s * v0 * 1000 / 208},
      {"horizontal, Cubic Meters: k x heads + k x Vc", HorizontalEllipticalAnswer(k, vc, heads, "Cubic Meters"), split,
       sum},
      {"horizontal, Litres: k x (Vc + heads) x 1000", HorizontalEllipticalAnswer(k, vc, heads, "Litres"), sum * 1000,
       split * 1000},
      {"horizontal, Gallons (Canada): k x (Vc + heads) x 1000 / 4.54609",
       HorizontalEllipticalAnswer(k, vc, heads, "Gallons (Canada)"), sum * 1000 / 4.54609, split * 1000 / 4.54609},
      {"horizontal, Gallons (U.S.): k x (Vc + heads) x 1000 / 3.785412",
       HorizontalEllipticalAnswer(k, vc, heads, "Gallons (U.S.)"), sum * 1000 / 3.785412, split * 1000 / 3.785412},
      {"horizontal, Cubic Feet: k x (Vc + heads) x 35.31466227", HorizontalEllipticalAnswer(k, vc, heads, "Cubic Feet"),
       sum * 35.31466227, split * 35.31466227},
      {"horizontal, Drums: k x (Vc + heads) x 1000 / 208",
       HorizontalEllipticalAnswer(k, vc, heads, "Drums (208 litre)"), sum * 1000 / 208, split * 1000 / 208},
      {"rectangular, H 0.3, h 0.2, Lg 0.3, W 3: H x ((h / H) x Lg x W)", RectangularVolume(0.3, 0.2, 0.3, 3),
       0.3 * ((0.2 / 0.3) * 0.3 * 3), 0.2 * 0.3 * 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NE(c.asWritten, c.otherOrder) << "the inputs do not tell the two orders apart";
    ASSERT_TRUE(c.actual.has_value());
    EXPECT_EQ(*c.actual, c.asWritten);
  }
}

TEST(TankGeometry, AnswersRefuseTextsThatAreNoUnit) {
  for (const char* text : {"", "cubic meters", "Litres ", " Litres", "Liters", "Gallons (US)", "Drums", "m3"}) {
    SCOPED_TRACE(std::string("\"") + text + "\"");
    EXPECT_EQ(StretchedAnswer(1, 2, 1, text), std::nullopt);
    EXPECT_EQ(HorizontalEllipticalAnswer(1.5, 1, 1, text), std::nullopt);
  }
}

TEST(TankGeometry, ArcCos) {
  struct Case {
    const char* name;
    double x;
    double expected;
    double tolerance;
  };
  const Case cases[] = {
      {"0: 2 x arctan(1) [same order]", 0, kQuarterTurn, kSameOrder},
      {"0: half of pi [regrouped]", 0, kTruePi / 2, kRegrouped},
      {"0.5: a third of pi [regrouped]", 0.5, kTruePi / 3, kRegrouped},
      {"-0.5: two thirds of pi [regrouped]", -0.5, 2 * kTruePi / 3, kRegrouped},
      {"0.9: the library arc cosine [regrouped]", 0.9, std::acos(0.9), kRegrouped},
      {"-0.999: the library arc cosine [regrouped]", -0.999, std::acos(-0.999), kRegrouped},
  };
  for (const Case& c : cases) expectVolume(c.name, ArcCos(c.x), c.expected, c.tolerance);
}

TEST(TankGeometry, HorizontalShell) {
  struct Case {
    const char* name;
    double r, L, h;
    double expected;
    double tolerance;
  };
  const Case cases[] = {
      {"D 2, L 5, half full: 5 x ArcCos(0) [same order]", 1, 5, 1, kQuarterTurn * 5, kSameOrder},
      {"D 2, L 5, half full: half of pi x 1^2 x 5 [regrouped]", 1, 5, 1, kTruePi * 5 / 2, kRegrouped},
      {"D 2, L 5, 1E-10 below the brim: pi x 1^2 x 5 [limit]", 1, 5, 2 - 1e-10, kTruePi * 5, kLimit},
      {"D 1, L 1, 1E-10 below the brim: pi x 0.5^2 [limit]", 0.5, 1, 1 - 1e-10, kTruePi * 0.25, kLimit},
      {"D 2, L 1, h 0.5: segment pi / 3 - sqrt 3 / 4 [regrouped]", 1, 1, 0.5, kTruePi / 3 - kRoot3 / 4, kRegrouped},
      {"D 2, L 1, h 1.5: circle less the segment [regrouped]", 1, 1, 1.5, kTruePi - (kTruePi / 3 - kRoot3 / 4),
       kRegrouped},
      {"D 4, L 3, h 1: segment 4 (pi / 3) - sqrt 3, times 3 [regrouped]", 2, 3, 1, (4 * kTruePi / 3 - kRoot3) * 3,
       kRegrouped},
  };
  for (const Case& c : cases) expectVolume(c.name, SegmentVolume(c.r, c.L, c.h), c.expected, c.tolerance);
}

using HeadsVolume = double (*)(double a, double h, double r);

TEST(TankGeometry, HorizontalHeads) {
  struct Case {
    const char* name;
    HeadsVolume volume;
    double a, h, r;
    double expected;
    double tolerance;
  };
  // Conical heads at a quarter of the height from either side: z = 0.5 and
  // S(0.5) = arccos 0.5 + ln(2 + sqrt 3) / 8 - sqrt 3 / 2.
  const double s = kTruePi / 3 + std::log(2 + kRoot3) / 8 - kRoot3 / 2;
  const Case cases[] = {
      {"ellipsoidal, a 0.5, r 1, half full: 1^2 x (0.5 x pi) x (1 - 1 / 3) [same order]", EllipsoidalHeadsVolume, 0.5,
       1, 1, 1 * (0.5 * kPi9) * (1 - 1.0 / 3), kSameOrder},
      {"ellipsoidal, a 0.5, r 1, half full: a third of pi [regrouped]", EllipsoidalHeadsVolume, 0.5, 1, 1, kPi9 / 3,
       kRegrouped},
      {"ellipsoidal, a = r = 1, h 0.5: spherical cap pi h^2 (r - h / 3) [regrouped]", EllipsoidalHeadsVolume, 1, 0.5, 1,
       kPi9 * 0.25 * (1 - 0.5 / 3), kRegrouped},
      {"ellipsoidal, a 0.5, r 2, full: the ellipsoid 4 pi a r^2 / 3 [regrouped]", EllipsoidalHeadsVolume, 0.5, 4, 2,
       4 * kPi9 * 0.5 * 4 / 3, kRegrouped},
      {"conical, a 1, r 1, half full: K x pi / 2, K = 2 / 3 [same order]", ConicalHeadsVolume, 1, 1, 1,
       2.0 / 3 * kPi9 / 2, kSameOrder},
      {"conical, a 1, r 1, half full: a third of pi [regrouped]", ConicalHeadsVolume, 1, 1, 1, kPi9 / 3, kRegrouped},
      {"conical, a 1, r 1, h = r - 1E-9: a third of pi [limit]", ConicalHeadsVolume, 1, 1 - 1e-9, 1, kPi9 / 3, kLimit},
      {"conical, a 1, r 1, h = r + 1E-9: a third of pi [limit]", ConicalHeadsVolume, 1, 1 + 1e-9, 1, kPi9 / 3, kLimit},
      {"conical, a 2, r 0.5, h 0.25: K x S(0.5), K = 1 / 3 [regrouped]", ConicalHeadsVolume, 2, 0.25, 0.5, s / 3,
       kRegrouped},
      {"conical, a 2, r 0.5, h 0.75: (pi - S(0.5)) x K, K = 1 / 3 [regrouped]", ConicalHeadsVolume, 2, 0.75, 0.5,
       (kPi9 - s) / 3, kRegrouped},
      {"conical, a 1, r 1, 1E-10 below the brim: 2 pi r^2 a / 3 [limit]", ConicalHeadsVolume, 1, 2 - 1e-10, 1,
       2 * kPi9 / 3, kLimit},
      {"guppy, a 1, r 1, half full: (2 / 3) x ArcCos(0) + (2 / 9) x 1 x (-1) x 2 [same order]", GuppyHeadsVolume, 1, 1,
       1, (2.0 / 3) * kQuarterTurn + (2.0 / 9) * 1 * (-1) * 2, kSameOrder},
      {"guppy, a 0.5, r 2, h 1: (4 / 3) arccos 0.5 + (1 / 18) sqrt 3 (-4) 3 [regrouped]", GuppyHeadsVolume, 0.5, 1, 2,
       4.0 / 3 * (kTruePi / 3) - 2 * kRoot3 / 3, kRegrouped},
      {"guppy, a 1, r 1, 1E-10 below the brim: 2 pi r^2 a / 3 [limit]", GuppyHeadsVolume, 1, 2 - 1e-10, 1,
       2 * kTruePi / 3, kLimit},
      {"guppy, a 0.5, r 2, 1E-10 below the brim: 2 pi r^2 a / 3 [limit]", GuppyHeadsVolume, 0.5, 4 - 1e-10, 2,
       2 * kTruePi * 4 * 0.5 / 3, kLimit},
  };
  for (const Case& c : cases) expectVolume(c.name, c.volume(c.a, c.h, c.r), c.expected, c.tolerance);
}

// Elliptical horizontal tanks of internal height 2 (b 1), width 3 (k 1.5) and
// length 5, half full: 1.5 times the circular tank of diameter 2.
TEST(TankGeometry, HorizontalEllipticalTanks) {
  struct Case {
    const char* name;
    double heads;
    const char* unit;
    double expected;
  };
  const double shell = SegmentVolume(1, 5, 1);
  const Case cases[] = {
      {"conical 1: 1.5 x (half of pi x 5 + a third of pi) [regrouped]", ConicalHeadsVolume(1, 1, 1), "Cubic Meters",
       1.5 * (kTruePi * 5 / 2 + kPi9 / 3)},
      {"ellipsoidal 0.5: the same as conical 1 [regrouped]", EllipsoidalHeadsVolume(0.5, 1, 1), "Cubic Meters",
       1.5 * (kTruePi * 5 / 2 + kPi9 / 3)},
      {"guppy 1: 1.5 x (half of pi x 5 + pi / 3 - 4 / 9) [regrouped]", GuppyHeadsVolume(1, 1, 1), "Cubic Meters",
       1.5 * (kTruePi * 5 / 2 + kTruePi / 3 - 4.0 / 9)},
      {"conical 1 in Litres [regrouped]", ConicalHeadsVolume(1, 1, 1), "Litres",
       1.5 * (kTruePi * 5 / 2 + kPi9 / 3) * 1000},
  };
  for (const Case& c : cases) {
    const std::optional<double> answer = HorizontalEllipticalAnswer(1.5, shell, c.heads, c.unit);
    ASSERT_TRUE(answer.has_value()) << c.name;
    expectVolume(c.name, *answer, c.expected, std::string(c.unit) == "Litres" ? 1000 * kRegrouped : kRegrouped);
  }
}

TEST(TankGeometry, SphereAndRectangle) {
  struct Case {
    const char* name;
    double actual;
    double expected;
    double tolerance;
  };
  const double feet = 0.3048;
  const Case cases[] = {
      {"sphere D 2, half full: 1 x (pi / 3) x 2 [same order]", SphereCapVolume(2, 1), 1 * (kPi9 / 3) * 2, kSameOrder},
      {"sphere D 2, full: 4 x (pi / 3) x 1 [same order]", SphereCapVolume(2, 2), 4 * (kPi9 / 3) * 1, kSameOrder},
      {"sphere D 1, full: a sixth of pi [regrouped]", SphereCapVolume(1, 1), kPi9 / 6, kRegrouped},
      {"sphere D 6 ft, h 3 ft: half the sphere, pi D^3 / 12 [regrouped]", SphereCapVolume(6 * feet, 3 * feet),
       kPi9 * std::pow(6 * feet, 3) / 12, kRegrouped},
      {"sphere D 2, h 3 = 1.5 D: nothing left [same order]", SphereCapVolume(2, 3), 0, kSameOrder},
      {"rectangle 2 x 3, H 4, h 1: 6 [same order]", RectangularVolume(4, 1, 3, 2), 6, kSameOrder},
      {"rectangle 2 x 3, H 4, full: 24 [same order]", RectangularVolume(4, 4, 3, 2), 24, kSameOrder},
      {"rectangle 2 x 3, H 4, h 0: 0 [same order]", RectangularVolume(4, 0, 3, 2), 0, kSameOrder},
      {"rectangle 2 x 3, H 4, h -1: -6 [same order]", RectangularVolume(4, -1, 3, 2), -6, kSameOrder},
      {"rectangle 1 x 1, H 1, h 1 ft: 0.3048 [same order]", RectangularVolume(1000.0 / 1000, 1 * feet, 1, 100.0 / 100),
       0.3048, kSameOrder},
      {"rectangle all 1: 1 [same order]", RectangularVolume(1, 1, 1, 1), 1, kSameOrder},
  };
  for (const Case& c : cases) expectVolume(c.name, c.actual, c.expected, c.tolerance);
}

// Inputs the calculations refuse before they get here: the routines give a
// value that is not finite, which the callers turn away.
TEST(TankGeometry, DegenerateInputIsNotFinite) {
  struct Case {
    const char* name;
    double actual;
  };
  const Case cases[] = {
      {"rectangle of no height, no fluid: 0 / 0", RectangularVolume(0, 0, 3, 2)},
      {"upright elliptical of no width: Dp / 0", VerticalEllipticalFlatVolume(0, 1, 1)},
      {"conical bottom of no depth, negative fluid: h / 0", ConicalBottomVolume(2, -1, 3, 0)},
      {"shell of no diameter, fluid lowered to -1E-10", SegmentVolume(0, 5, -1e-10)},
      {"conical heads, fluid above the brim: square root of a negative", ConicalHeadsVolume(1, 2.5, 1)},
  };
  for (const Case& c : cases) EXPECT_FALSE(std::isfinite(c.actual)) << c.name << ": " << c.actual;
}

}  // namespace
}  // namespace calvexa
