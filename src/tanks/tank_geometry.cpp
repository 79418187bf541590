#include "tanks/tank_geometry.h"

#include <cmath>

namespace calvexa {

double ConicalBottomVolume(double D, double h, double /*H*/, double a) {
  if (h >= a) return (std::pow(D, 2) * kLongPi / 4) * (h - (a + a) / 3);
  const double d = D * h / a;  // the liquid surface's diameter inside the cone
  return (std::pow(d, 2) * (kLongPi / 4)) * (h / 3);
}

double EllipsoidalBottomVolume(double D, double h, double /*H*/, double a) {
  if (h >= a) return (std::pow(D, 2) * kLongPi / 4) * (h - a / 3);
  const double d = D * h / a;
  return (std::pow(d, 2) * (kLongPi / 4)) * (a - h / 3);
}

double SphericalBottomVolume(double D, double h, double /*H*/, double a) {
  if (h < a) {
    const double k = std::pow(D, 2) / (a + a) + (a + a) - h * 4 / 3;
    return (std::pow(h, 2) * kLongPi / 4) * k;
  }
  const double b = (std::pow(a, 3) + std::pow(a, 3)) / 3 - std::pow(D, 2) * a / 2;
  return (std::pow(D, 2) * h + b) * (kLongPi / 4);
}

double VerticalFlatVolume(double r, double h) {
  const double inner = 0;
  return std::pow(r, 2) * kRingPi * h - std::pow(inner, 2) * kRingPi * h;
}

double VerticalEllipticalFlatVolume(double W, double Dp, double h) {
  return (std::pow(W / 2, 2) * kRingPi * h) * (Dp / W);
}

std::optional<double> StretchedAnswer(double V0, double W, double Dp, std::string_view unit) {
  if (unit == "Cubic Meters") return Dp / W * V0;
  if (unit == "Litres") return Dp / W * (V0 * 1000);
  if (unit == "Gallons (Canada)") return V0 * 1000 / 4.54609 * (Dp / W);
  if (unit == "Gallons (U.S.)") return V0 * 1000 / 3.785412 * (Dp / W);
  if (unit == "Cubic Feet") return Dp / W * (V0 * 35.31466227);
  if (unit == "Drums (208 litre)") return V0 * 1000 / 208 * (Dp / W);
  return std::nullopt;
}

double ArcCos(double x) { return std::atan(-x / std::sqrt(-x * x + 1)) + 2 * std::atan(1.0); }

double SegmentVolume(double r, double L, double h) {
  const double x = (r - h) / r;
  const double area = std::pow(r, 2) * ArcCos(x) - std::sqrt((r + r) * h - h * h) * (r - h);
  return area * L;
}

double EllipsoidalHeadsVolume(double a, double h, double r) {
  return std::pow(h, 2) * (a * kLongPi) * (1 - h / (r * 3));
}

double ConicalHeadsVolume(double a, double h, double r) {
  const double z = std::fabs((r - h) / r);
  const double k = std::pow(r, 2) * a * 2 / 3;
  if (h == r) return k * kLongPi / 2;  // half full: z is 0 and S would be 0³ × ln(1 ÷ 0)
  const double s = ArcCos(z) + std::pow(z, 3) * std::log(1 / z + std::sqrt(std::pow(1 / z, 2) - 1)) -
                   (z + z) * std::sqrt(1 - std::pow(z, 2));
  if (h < r) return k * s;
  return (kLongPi - s) * k;
}

double GuppyHeadsVolume(double a, double h, double r) {
  const double e = (std::pow(r, 2) * (a * 2)) / 3 * ArcCos(1 - h / r);
  const double t = (a * 2) / (r * 9) * std::sqrt((r * 2) * h - std::pow(h, 2)) * (h * 2 - r * 3) * (r + h);
  return t + e;
}

std::optional<double> HorizontalEllipticalAnswer(double k, double Vc, double heads, std::string_view unit) {
  if (unit == "Cubic Meters") return k * heads + k * Vc;
  const double v = k * (Vc + heads);
  if (unit == "Litres") return v * 1000;
  if (unit == "Gallons (Canada)") return v * 1000 / 4.54609;
  if (unit == "Gallons (U.S.)") return v * 1000 / 3.785412;
  if (unit == "Cubic Feet") return v * 35.31466227;
  if (unit == "Drums (208 litre)") return v * 1000 / 208;
  return std::nullopt;
}

double SphereCapVolume(double D, double h) { return std::pow(h, 2) * (kLongPi / 3) * (D * 1.5 - h); }

double RectangularVolume(double H, double h, double Lg, double W) { return H * ((h / H) * Lg * W); }

bool AboveSphere(double h, double D) {
  constexpr double kConversionSlack = 1e-12;
  return h > D + std::abs(D) * kConversionSlack;
}

}  // namespace calvexa
