#include "tanks/tank_drawing_rules.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/number_text.h"
#include "tanks/tank_geometry.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {

namespace {

constexpr std::pair<const char*, TankShape> kShapeNames[] = {
    {"vertical-flat", TankShape::VerticalFlat},
    {"vertical-conical", TankShape::VerticalConical},
    {"vertical-ellipsoidal", TankShape::VerticalEllipsoidal},
    {"vertical-spherical", TankShape::VerticalSpherical},
    {"elliptical-flat", TankShape::EllipticalFlat},
    {"elliptical-conical", TankShape::EllipticalConical},
    {"elliptical-ellipsoidal", TankShape::EllipticalEllipsoidal},
    {"elliptical-spherical", TankShape::EllipticalSpherical},
    {"horizontal-flat", TankShape::HorizontalFlat},
    {"horizontal-ellipsoidal", TankShape::HorizontalEllipsoidal},
    {"horizontal-conical", TankShape::HorizontalConical},
    {"horizontal-guppy", TankShape::HorizontalGuppy},
    {"horizontal-elliptical-flat", TankShape::HorizontalEllipticalFlat},
    {"horizontal-elliptical-conical", TankShape::HorizontalEllipticalConical},
    {"horizontal-elliptical-ellipsoidal", TankShape::HorizontalEllipticalEllipsoidal},
    {"horizontal-elliptical-guppy", TankShape::HorizontalEllipticalGuppy},
    {"rectangular", TankShape::Rectangular},
    {"spherical", TankShape::Spherical},
};

}  // namespace

const char* tankShapeName(TankShape shape) {
  for (const auto& [name, named] : kShapeNames)
    if (named == shape) return name;
  return "";
}

std::optional<TankShape> tankShapeOf(std::string_view name) {
  for (const auto& [key, shape] : kShapeNames)
    if (name == key) return shape;
  return std::nullopt;
}
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

// The extent of outline, faults and marks.
void measure(TankDrawing& d) {
  bool first = true;
  auto take = [&](DrawPoint p) {
    if (first) {
      d.left = d.right = p.x;
      d.bottom = d.top = p.y;
      first = false;
    }
    extend(d, p);
  };
  for (const Polyline& line : d.outline)
    for (DrawPoint p : line) take(p);
  for (const Polyline& line : d.faults)
    for (DrawPoint p : line) take(p);
  for (const DimensionMark& mark : d.marks) {
    take(mark.from);
    take(mark.to);
  }
}

TankDrawing drawUpright(TankShape shape, const TankDimensions& dimensions) {
  TankDrawing d;
  const double W = dimensions.width, H = dimensions.height;
  if (W <= 0 || H <= 0) return d;
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
  if (h > 0) d.liquid.push_back(region(profile, std::min(h, H)));
  if (h > H) d.faults.push_back({{-r, H}, {-r, h}, {r, h}, {r, H}});

  const double gap = std::max(W, H) * 0.08;
  const double top = std::max(H, h);
  if (elliptical(shape)) {
    const double oval = std::max(0.0, dimensions.depth) / 2 * 0.3;  // the oval top, seen from a little above
    d.outline.push_back(ellipse(0, H, r, oval));
    d.marks.push_back(
        {{-r, top + oval + gap}, {r, top + oval + gap}, "Internal Tank Width", DimensionMark::Side::Above});
    d.marks.push_back({{0, H - oval}, {0, H + oval}, "Internal Tank Depth", DimensionMark::Side::Below});
  } else {
    d.marks.push_back({{-r, top + gap}, {r, top + gap}, "Internal Tank Diameter", DimensionMark::Side::Above});
  }
  d.marks.push_back({{r + gap, 0}, {r + gap, H}, "Total Tank Height", DimensionMark::Side::Right});
  if (h > 0) d.marks.push_back({{-r - gap, 0}, {-r - gap, h}, "Liquid Height", DimensionMark::Side::Left});
  if (bottom != Bottom::Flat && a > 0) d.marks.push_back({{0, 0}, {0, a}, "a", DimensionMark::Side::Inside});

  return d;
}

// ---- Horizontal tanks: a side view along the shell, heads at both ends ----

enum class Ends { Flat, Ellipsoidal, Conical, Guppy };

Ends endsOf(TankShape shape) {
  switch (shape) {
    case TankShape::HorizontalEllipsoidal:
    case TankShape::HorizontalEllipticalEllipsoidal:
      return Ends::Ellipsoidal;
    case TankShape::HorizontalConical:
    case TankShape::HorizontalEllipticalConical:
      return Ends::Conical;
    case TankShape::HorizontalGuppy:
    case TankShape::HorizontalEllipticalGuppy:
      return Ends::Guppy;
    default:
      return Ends::Flat;
  }
}

bool ellipticalHorizontal(TankShape shape) {
  return shape == TankShape::HorizontalEllipticalFlat || shape == TankShape::HorizontalEllipticalConical ||
         shape == TankShape::HorizontalEllipticalEllipsoidal || shape == TankShape::HorizontalEllipticalGuppy;
}

// How far a head of length a reaches out from the shell at height y of a
// tank D high: half an ellipsoid, a cone with its tip at half height, or a
// guppy end whose tip is level with the top.
double headReach(Ends ends, double a, double D, double y) {
  const double t = std::clamp(y / D, 0.0, 1.0);
  switch (ends) {
    case Ends::Ellipsoidal:
      return a * std::sqrt(std::max(0.0, 1 - (2 * t - 1) * (2 * t - 1)));
    case Ends::Conical:
      return a * (1 - std::fabs(2 * t - 1));
    case Ends::Guppy:
      return a * t;
    case Ends::Flat:
      break;
  }
  return 0;
}

std::vector<double> steps(double to) {
  std::vector<double> ys;
  for (int i = 0; i <= kCurveSteps; ++i) ys.push_back(to * i / kCurveSteps);
  return ys;
}

// The region of the side view up to height `to`, heads included.
Polyline sideRegion(Ends ends, double a, double D, double L, double to) {
  Polyline right, outline;
  for (double y : steps(to)) right.push_back({L + headReach(ends, a, D, y), y});
  for (auto it = right.rbegin(); it != right.rend(); ++it) outline.push_back({-(it->x - L), it->y});
  outline.insert(outline.end(), right.begin(), right.end());
  outline.push_back(outline.front());
  return outline;
}

// The part of an ellipse centred at (cx, ry) of half-axes rx and ry below `to`.
Polyline ellipseRegion(double cx, double rx, double ry, double to) {
  Polyline right, outline;
  for (double y : steps(to)) {
    const double t = (y - ry) / ry;
    right.push_back({cx + rx * std::sqrt(std::max(0.0, 1 - t * t)), y});
  }
  for (auto it = right.rbegin(); it != right.rend(); ++it) outline.push_back({2 * cx - it->x, it->y});
  outline.insert(outline.end(), right.begin(), right.end());
  outline.push_back(outline.front());
  return outline;
}

TankDrawing drawHorizontal(TankShape shape, const TankDimensions& dimensions) {
  TankDrawing d;
  const double D = dimensions.height, L = dimensions.length;
  if (D <= 0 || L <= 0) return d;
  const Ends ends = endsOf(shape);
  const double a = ends == Ends::Flat ? 0 : std::max(0.0, dimensions.bottom);
  d.outline.push_back({{0, 0}, {L, 0}});
  d.outline.push_back({{0, D}, {L, D}});
  Polyline left, right;
  for (double y : steps(D)) {
    left.push_back({-headReach(ends, a, D, y), y});
    right.push_back({L + headReach(ends, a, D, y), y});
  }
  d.outline.push_back(left);
  d.outline.push_back(right);
  if (a > 0) {
    d.outline.push_back({{0, 0}, {0, D}});
    d.outline.push_back({{L, 0}, {L, D}});
    if (ends == Ends::Guppy) {  // the guppy end's top runs level with the shell's
      d.outline.push_back({{-a, D}, {0, D}});
      d.outline.push_back({{L, D}, {L + a, D}});
    }
  }
  const double h = dimensions.fluid;
  if (h > 0) d.liquid.push_back(sideRegion(ends, a, D, L, std::min(h, D)));
  const double gap = std::max(D, L) * 0.08;
  if (h > D) d.faults.push_back({{-a, D}, {-a, h}, {L + a, h}, {L + a, D}});
  const bool elliptical = ellipticalHorizontal(shape);
  d.marks.push_back({{0, -gap}, {L, -gap}, "Length of Tank", DimensionMark::Side::Below});
  if (!elliptical)
    d.marks.push_back({{L + a + gap, 0}, {L + a + gap, D}, "Internal Tank Diameter", DimensionMark::Side::Right});
  if (h > 0) d.marks.push_back({{-a - gap, 0}, {-a - gap, h}, "Liquid Height", DimensionMark::Side::Left});
  if (a > 0)
    d.marks.push_back({{L, std::max(D, h) + gap}, {L + a, std::max(D, h) + gap}, "a", DimensionMark::Side::Above});
  if (elliptical && dimensions.width > 0) {
    // The end view: the elliptical cross-section, its width across.
    const double rx = dimensions.width / 2, ry = D / 2;
    const double cx = L + a + 2 * gap + rx;
    d.outline.push_back(ellipse(cx, ry, rx, ry));
    if (h > 0) d.liquid.push_back(ellipseRegion(cx, rx, ry, std::min(h, D)));
    d.marks.push_back({{cx - rx, std::max(D, h) + gap},
                       {cx + rx, std::max(D, h) + gap},
                       "Internal Tank Width",
                       DimensionMark::Side::Above});
    d.marks.push_back({{cx + rx + gap, 0}, {cx + rx + gap, D}, "Internal Tank Height", DimensionMark::Side::Right});
  }
  return d;
}

// ---- Rectangular tanks: the front and, seen from a little aside, the side ---

TankDrawing drawRectangular(const TankDimensions& dimensions) {
  TankDrawing d;
  const double L = dimensions.length, W = dimensions.depth, H = dimensions.height;
  if (L <= 0 || W <= 0 || H <= 0) return d;
  const double dx = W * 0.45, dy = W * 0.3;
  d.outline.push_back({{0, 0}, {L, 0}, {L, H}, {0, H}, {0, 0}});
  d.outline.push_back({{0, H}, {dx, H + dy}, {L + dx, H + dy}, {L, H}});
  d.outline.push_back({{L, 0}, {L + dx, dy}, {L + dx, H + dy}});
  const double h = dimensions.fluid;
  if (h > 0) {
    const double f = std::min(h, H);
    d.liquid.push_back({{0, 0}, {L, 0}, {L, f}, {0, f}, {0, 0}});
    d.liquid.push_back({{L, 0}, {L + dx, dy}, {L + dx, dy + f}, {L, f}, {L, 0}});
  }
  if (h > H) d.faults.push_back({{0, H}, {0, h}, {L, h}, {L, H}});
  const double gap = std::max({L, W, H}) * 0.08;
  d.marks.push_back({{0, -gap}, {L, -gap}, "Rectangular Length", DimensionMark::Side::Below});
  // The width beside the top's right-hand edge: its label stands above the
  // tank there, where at the left-hand edge it ran past the picture.
  d.marks.push_back({{L, H + 2 * gap}, {L + dx, H + dy + 2 * gap}, "Rectangular Width", DimensionMark::Side::Above});
  d.marks.push_back(
      {{L + dx + 2 * gap, dy}, {L + dx + 2 * gap, H + dy}, "Rectangular Height", DimensionMark::Side::Right});
  if (h > 0) d.marks.push_back({{-gap, 0}, {-gap, h}, "Liquid Height", DimensionMark::Side::Left});
  return d;
}

// ---- Spherical tanks ----------------------------------------------------------

TankDrawing drawSpherical(const TankDimensions& dimensions) {
  TankDrawing d;
  const double D = dimensions.height;
  if (D <= 0) return d;
  const double r = D / 2;
  d.outline.push_back(ellipse(0, r, r, r));
  const double h = dimensions.fluid;
  if (h > 0) d.liquid.push_back(ellipseRegion(0, r, r, std::min(h, D)));
  if (AboveSphere(h, D)) d.faults.push_back({{-r, D}, {-r, h}, {r, h}, {r, D}});
  const double gap = D * 0.08;
  d.marks.push_back(
      {{-r, std::max(D, h) + gap}, {r, std::max(D, h) + gap}, "Internal Tank Diameter", DimensionMark::Side::Above});
  if (h > 0) d.marks.push_back({{-r - gap, 0}, {-r - gap, h}, "Liquid Height", DimensionMark::Side::Left});
  return d;
}

bool horizontal(TankShape shape) {
  return shape >= TankShape::HorizontalFlat && shape <= TankShape::HorizontalEllipticalGuppy;
}

}  // namespace

std::optional<TankDimensions> pictureDimensions(const TankPictureInputs& inputs, const std::vector<SizeInput>& rows,
                                                const Fields& fields) {
  TankDimensions d = typicalDimensions(inputs.shape);
  const std::pair<int, double*> sizes[] = {
      {inputs.width, &d.width},   {inputs.depth, &d.depth}, {inputs.height, &d.height},
      {inputs.bottom, &d.bottom}, {inputs.fluid, &d.fluid}, {inputs.length, &d.length},
  };
  for (const auto& [row, size] : sizes) {
    if (row < 0) continue;
    if (row >= static_cast<int>(rows.size())) return std::nullopt;
    const SizeInput& input = rows[static_cast<std::size_t>(row)];
    const std::optional<double> value = parseNumber(fieldText(fields, input.box));
    const std::optional<double> metres = value ? LengthToMetres(*value, fieldText(fields, input.list)) : std::nullopt;
    if (!metres) return std::nullopt;
    *size = *metres;
  }
  return d;
}

TankDimensions typicalDimensions(TankShape shape) {
  if (shape == TankShape::Rectangular) return {.depth = 1.2, .height = 1.4, .fluid = 0.8, .length = 2};
  if (shape == TankShape::Spherical) return {.height = 1, .fluid = 0.6};
  if (horizontal(shape)) {
    const double head = endsOf(shape) == Ends::Flat ? 0 : 0.35;
    return {.width = 1.5, .height = 1, .bottom = head, .fluid = 0.6, .length = 2.4};
  }
  TankDimensions d{.width = 1, .depth = 0.6, .height = 2, .bottom = 0.4, .fluid = 1.1};
  if (bottomOf(shape) == Bottom::Flat) d.bottom = 0;
  return d;
}

TankDrawing drawTank(TankShape shape, const TankDimensions& dimensions) {
  const TankDimensions& s = dimensions;
  for (double size : {s.width, s.depth, s.height, s.bottom, s.fluid, s.length})
    if (!std::isfinite(size)) return {};
  TankDrawing d;
  if (shape == TankShape::Rectangular) {
    d = drawRectangular(dimensions);
  } else if (shape == TankShape::Spherical) {
    d = drawSpherical(dimensions);
  } else if (horizontal(shape)) {
    d = drawHorizontal(shape, dimensions);
  } else {
    d = drawUpright(shape, dimensions);
  }
  measure(d);
  return d;
}

}  // namespace calvexa
