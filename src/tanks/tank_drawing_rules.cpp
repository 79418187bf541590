#include "tanks/tank_drawing_rules.h"

#include <algorithm>
#include <cmath>

namespace calvexa {
namespace {

constexpr int kCurveSteps = 32;

enum class Bottom { Flat, Conical, Ellipsoidal, Spherical };

Bottom bottomOf(TankShape shape) {
  switch (shape) {
    case TankShape::VerticalConical:
    case TankShape::EllipticalConical:
      return Bottom::Conical;
    case TankShape::VerticalEllipsoidal:
    case TankShape::EllipticalEllipsoidal:
      return Bottom::Ellipsoidal;
    case TankShape::VerticalSpherical:
    case TankShape::EllipticalSpherical:
      return Bottom::Spherical;
    default:
      return Bottom::Flat;
  }
}

bool elliptical(TankShape shape) {
  return shape == TankShape::EllipticalFlat || shape == TankShape::EllipticalConical ||
         shape == TankShape::EllipticalEllipsoidal || shape == TankShape::EllipticalSpherical;
}

// An upright tank's half-width at height y: the bottom's profile up to its
// depth a, the wall's half-width r above it.
struct Profile {
  Bottom bottom;
  double r;
  double a;
  double halfWidth(double y) const {
    if (bottom == Bottom::Flat || y >= a) return r;
    if (y <= 0) return 0;
    switch (bottom) {
      case Bottom::Conical:
        return r * y / a;
      case Bottom::Ellipsoidal: {
        const double t = (a - y) / a;
        return r * std::sqrt(std::max(0.0, 1 - t * t));
      }
      case Bottom::Spherical: {
        const double R = r * r / (2 * a) + a / 2;  // the sphere the segment is cut from
        return std::sqrt(std::max(0.0, R * R - (R - y) * (R - y)));
      }
      case Bottom::Flat:
        break;
    }
    return r;
  }
};

// Heights from 0 to `to`, the bottom's curve sampled finely.
std::vector<double> heights(const Profile& p, double to) {
  std::vector<double> ys;
  if (p.bottom != Bottom::Flat && p.a > 0) {
    const double curveTop = std::min(to, p.a);
    for (int i = 0; i <= kCurveSteps; ++i) ys.push_back(curveTop * i / kCurveSteps);
  } else {
    ys.push_back(0);
  }
  if (to > ys.back()) ys.push_back(to);
  return ys;
}

// The region of the tank from its lowest point up to `to`, as a closed polygon.
Polyline region(const Profile& p, double to) {
  const std::vector<double> ys = heights(p, to);
  Polyline right, outline;
  for (double y : ys) right.push_back({p.halfWidth(y), y});
  for (auto it = right.rbegin(); it != right.rend(); ++it) outline.push_back({-it->x, it->y});
  outline.insert(outline.end(), right.begin(), right.end());
  outline.push_back(outline.front());
  return outline;
}

// The bottom's curve alone, from one wall to the other.
Polyline bottomCurve(const Profile& p) {
  Polyline curve;
  for (int i = kCurveSteps; i >= 0; --i) {
    const double y = p.a * i / kCurveSteps;
    curve.push_back({-p.halfWidth(y), y});
  }
  for (int i = 1; i <= kCurveSteps; ++i) {
    const double y = p.a * i / kCurveSteps;
    curve.push_back({p.halfWidth(y), y});
  }
  return curve;
}

Polyline ellipse(double cx, double cy, double rx, double ry) {
  Polyline points;
  for (int i = 0; i <= 2 * kCurveSteps; ++i) {
    const double t = 2 * 3.14159265358979 * i / (2 * kCurveSteps);
    points.push_back({cx + rx * std::cos(t), cy + ry * std::sin(t)});
  }
  return points;
}

void extend(TankDrawing& d, DrawPoint p) {
  d.left = std::min(d.left, p.x);
  d.right = std::max(d.right, p.x);
  d.bottom = std::min(d.bottom, p.y);
  d.top = std::max(d.top, p.y);
}

}  // namespace

TankDimensions typicalDimensions(TankShape shape) {
  TankDimensions d{.width = 1, .depth = 0.6, .height = 2, .bottom = 0.4, .fluid = 1.1};
  if (bottomOf(shape) == Bottom::Flat) d.bottom = 0;
  return d;
}

TankDrawing drawTank(TankShape shape, const TankDimensions& dimensions) {
  TankDrawing d;
  const double W = dimensions.width, H = dimensions.height;
  const bool drawable = std::isfinite(W) && std::isfinite(H) && W > 0 && H > 0 && std::isfinite(dimensions.fluid) &&
                        std::isfinite(dimensions.bottom) && std::isfinite(dimensions.depth);
  if (!drawable) return d;
  const Bottom bottom = bottomOf(shape);
  const double a = bottom == Bottom::Flat ? 0 : std::max(0.0, dimensions.bottom);
  const Profile profile{bottom, W / 2, a};
  const double r = W / 2;
  const double wallFoot = std::min(a, H);

  // The walls, the bottom and the top.
  d.outline.push_back({{-r, H}, {-r, wallFoot}});
  d.outline.push_back({{r, H}, {r, wallFoot}});
  d.outline.push_back({{-r, H}, {r, H}});
  if (bottom == Bottom::Flat || a == 0) {
    d.outline.push_back({{-r, 0}, {r, 0}});
  } else {
    d.outline.push_back(bottomCurve(profile));
  }
  // A bottom deeper than the tank is high, or a spherical segment deeper
  // than a hemisphere of the tank's width, cannot be built.
  if (a > H || (bottom == Bottom::Spherical && a > r)) d.faults.push_back(bottomCurve(profile));

  // The liquid, and any of it that would stand above the top.
  const double h = dimensions.fluid;
  if (h > 0) d.liquid = region(profile, std::min(h, H));
  if (h > H) d.faults.push_back({{-r, H}, {-r, h}, {r, h}, {r, H}});

  const double gap = std::max(W, H) * 0.08;
  const double top = std::max(H, h);
  if (elliptical(shape)) {
    const double oval = std::max(0.0, dimensions.depth) / 2 * 0.3;  // the oval top, seen from a little above
    d.outline.push_back(ellipse(0, H, r, oval));
    d.marks.push_back({{-r, top + oval + gap}, {r, top + oval + gap}, "Internal Tank Width", DimensionMark::Side::Above});
    d.marks.push_back({{0, H - oval}, {0, H + oval}, "Internal Tank Depth", DimensionMark::Side::Below});
  } else {
    d.marks.push_back({{-r, top + gap}, {r, top + gap}, "Internal Tank Diameter", DimensionMark::Side::Above});
  }
  d.marks.push_back({{r + gap, 0}, {r + gap, H}, "Total Tank Height", DimensionMark::Side::Right});
  if (h > 0) d.marks.push_back({{-r - gap, 0}, {-r - gap, h}, "Liquid Height", DimensionMark::Side::Left});
  if (bottom != Bottom::Flat && a > 0) d.marks.push_back({{0, 0}, {0, a}, "a", DimensionMark::Side::Inside});

  for (const Polyline& line : d.outline)
    for (DrawPoint p : line) extend(d, p);
  for (const Polyline& line : d.faults)
    for (DrawPoint p : line) extend(d, p);
  for (const DimensionMark& mark : d.marks) {
    extend(d, mark.from);
    extend(d, mark.to);
  }
  return d;
}

}  // namespace calvexa
