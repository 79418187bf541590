// The geometry of the tank calculators: the liquid volume of upright,
// horizontal, rectangular and spherical tanks from lengths in metres, in cubic
// metres. Each routine works its formula exactly as the tank windows always
// have: the same stored value of pi, the operations in the order written, left
// to right within a bracket, squares and cubes as powers (std::pow).
//
// No routine checks its input: the calculations refuse bad units and fluid
// heights before they get here. Degenerate input (a zero width, radius or tank
// height, a fluid height outside the tank) divides by zero or takes the square
// root of a negative number, and the result is then an infinity or NaN, which
// the caller must refuse rather than show.
#pragma once

#include <optional>
#include <string_view>

#include "core/field_units.h"

namespace calvexa {

// --- Upright circular tanks -------------------------------------------------
// D the internal diameter, h the fluid height and H the total tank height,
// both from the lowest point of the bottom, a the depth of the bottom. H is
// passed as the windows pass it, but no bottom formula uses it; the
// caller has already refused h > H.

// Conical bottom. From the apex up to a the liquid is a cone of height h:
// (d² × (pi ÷ 4)) × (h ÷ 3) with d = D × h ÷ a. From a up it is the cylinder
// from the apex less what the cone does not hold:
// (D² × pi ÷ 4) × (h − (a + a) ÷ 3).
double ConicalBottomVolume(double D, double h, double H, double a);

// Bottom of half an ellipsoid of revolution. Below a, an ellipsoidal cap:
// (d² × (pi ÷ 4)) × (a − h ÷ 3) with d = D × h ÷ a; from a up,
// (D² × pi ÷ 4) × (h − a ÷ 3).
double EllipsoidalBottomVolume(double D, double h, double H, double a);

// Bottom shaped as a spherical segment of depth a on base diameter D (a sphere
// of radius D² ÷ 8a + a ÷ 2). Below a, a cap of height h:
// (h² × pi ÷ 4) × (D² ÷ (a + a) + (a + a) − h × 4 ÷ 3); from a up,
// (D² × h + (a³ + a³) ÷ 3 − D² × a ÷ 2) × (pi ÷ 4), the last two terms summed
// first.
double SphericalBottomVolume(double D, double h, double H, double a);

// Flat bottom, radius r, fluid height h: the ring volume with no inner radius,
// r² × pi × h − 0² × pi × h, seven-decimal pi.
double VerticalFlatVolume(double r, double h);

// --- Upright elliptical tanks -----------------------------------------------
// Width W across, depth Dp front to back: the circular tank of diameter W
// stretched by Dp ÷ W.

// Flat bottom: ((W ÷ 2)² × pi × h) × (Dp ÷ W), seven-decimal pi.
double VerticalEllipticalFlatVolume(double W, double Dp, double h);

// The answer of an elliptical upright tank with a bottom, from V0, the volume
// of the circular tank of diameter W in cubic metres. The stretch and the unit
// factor go together, in each unit's own order:
//   "Cubic Meters"       Dp ÷ W × V0
//   "Litres"             Dp ÷ W × (V0 × 1000)
//   "Gallons (Canada)"   V0 × 1000 ÷ 4.54609 × (Dp ÷ W)
//   "Gallons (U.S.)"     V0 × 1000 ÷ 3.785412 × (Dp ÷ W)
//   "Cubic Feet"         Dp ÷ W × (V0 × 35.31466227)
//   "Drums (208 litre)"  V0 × 1000 ÷ 208 × (Dp ÷ W)
// nullopt when `unit` is not exactly one of these six texts.
std::optional<double> StretchedAnswer(double V0, double W, double Dp, std::string_view unit);

// --- Horizontal circular tanks ----------------------------------------------
// r the radius, L the length of the cylindrical shell, h the fluid height from
// the bottom, a the length of each head. The head routines give both heads
// together.

// The arc cosine as the tank routines work it:
// arctan(−x ÷ √(−x·x + 1)) + 2 × arctan(1). At x = 1 and x = −1 the division
// gives an infinity and the result is the arc tangent's limit (0 and pi);
// beyond them, NaN.
double ArcCos(double x);

// The liquid in the cylindrical shell, 0 < h < 2r:
// (r² × ArcCos((r − h) ÷ r) − √((r + r) × h − h × h) × (r − h)) × L.
double SegmentVolume(double r, double L, double h);

// Two ellipsoidal heads of depth a: h² × (a × pi) × (1 − h ÷ (r × 3)). With
// a = r, the sphere of radius r filled to h.
double EllipsoidalHeadsVolume(double a, double h, double r);

// Two conical heads of length a. With z = |(r − h) ÷ r|, K = r² × a × 2 ÷ 3 and
// S = ArcCos(z) + z³ × ln(1 ÷ z + √((1 ÷ z)² − 1)) − (z + z) × √(1 − z²):
// K × S below half height, K × pi ÷ 2 at exactly half height (where S would
// divide by zero), (pi − S) × K above. Full heads hold 2 × pi × r² × a ÷ 3.
double ConicalHeadsVolume(double a, double h, double r);

// Two guppy heads of length a:
// (a × 2) ÷ (r × 9) × √((r × 2) × h − h²) × (h × 2 − r × 3) × (r + h)
//   + (r² × (a × 2)) ÷ 3 × ArcCos(1 − h ÷ r).
// Full heads hold 2 × pi × r² × a ÷ 3, as the conical ones; unlike them the
// guppy heads are not symmetric about half height.
double GuppyHeadsVolume(double a, double h, double r);

// --- Horizontal elliptical tanks --------------------------------------------
// The circular tank of radius b (half the internal height) stretched sideways
// by k = w ÷ b; Vc its shell volume and heads its heads' volume, in cubic
// metres. "Cubic Meters" is worked as k × heads + k × Vc; every other unit as
// V = k × (Vc + heads), then V × 1000 ("Litres"), V × 1000 ÷ 4.54609
// ("Gallons (Canada)"), V × 1000 ÷ 3.785412 ("Gallons (U.S.)"),
// V × 35.31466227 ("Cubic Feet") or V × 1000 ÷ 208 ("Drums (208 litre)").
// nullopt when `unit` is not exactly one of these six texts.
std::optional<double> HorizontalEllipticalAnswer(double k, double Vc, double heads, std::string_view unit);

// --- Spherical and rectangular tanks ----------------------------------------

// A sphere of diameter D filled to h: h² × (pi ÷ 3) × (D × 1.5 − h). h = D is
// the whole sphere; from h = 1.5 × D on the result is zero or negative.
double SphereCapVolume(double D, double h);
// Whether h is above the top of a sphere of diameter D. A fluid height typed
// in another unit than the diameter can come out of its conversion an ulp or
// two above a diameter it equals (9 "Feet" in a sphere of 108 "Inches"): that
// is still the full sphere.
bool AboveSphere(double h, double D);

// A box of height H, length Lg and width W filled to h: H × ((h ÷ H) × Lg × W),
// the filled fraction of the height times the floor area times the height.
double RectangularVolume(double H, double h, double Lg, double W);

}  // namespace calvexa
