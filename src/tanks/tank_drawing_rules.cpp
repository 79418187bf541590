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
    // The depth across the oval, its label over the oval and under the width
    // line, which stands high enough to leave it a line of room.
    const double widthLine = top + oval + 2.5 * gap;
    d.marks.push_back({{-r, widthLine}, {r, widthLine}, "Internal Tank Width", DimensionMark::Side::Above});
    d.marks.push_back({{0, H - oval}, {0, H + oval}, "Internal Tank Depth", DimensionMark::Side::Above});
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
  // The head's length: under the right-hand head, in line with the shell's
  // length, with the end view's width in that line too over the left-hand
  // head; above the tank's right-hand end stays free for the label of the
  // diameter or the end view's height.
  if (a > 0 && elliptical) {
    const double over = std::max(D, h) + gap;
    d.marks.push_back({{-a, over}, {0, over}, "a", DimensionMark::Side::Above});
  } else if (a > 0) {
    d.marks.push_back({{L, -gap}, {L + a, -gap}, "a", DimensionMark::Side::Below});
  }
  if (elliptical && dimensions.width > 0) {
    // The end view: the elliptical cross-section, its width across.
    const double rx = dimensions.width / 2, ry = D / 2;
    const double cx = L + a + 2 * gap + rx;
    d.outline.push_back(ellipse(cx, ry, rx, ry));
    if (h > 0) d.liquid.push_back(ellipseRegion(cx, rx, ry, std::min(h, D)));
    d.marks.push_back({{cx - rx, -gap}, {cx + rx, -gap}, "Internal Tank Width", DimensionMark::Side::Below});
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
  // The width along the bottom edge that runs back from the front's right
  // corner, set off from it square to the edge, so the arrow matches the box.
  const double edge = std::hypot(dx, dy);
  const DrawPoint off{dy / edge * gap, -dx / edge * gap};
  d.marks.push_back(
      {{L + off.x, off.y}, {L + dx + off.x, dy + off.y}, "Rectangular Width", DimensionMark::Side::Below});
  d.marks.push_back({{L + dx + gap, dy}, {L + dx + gap, H + dy}, "Rectangular Height", DimensionMark::Side::Right});
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

// ---- The drawing on a picture ------------------------------------------------

namespace {

constexpr double kLabelGap = 4;      // pixels between a label and its line, clear of its arrow heads
constexpr double kLabelClear = 1;    // pixels kept clear around a label
constexpr int kLayoutAttempts = 24;  // each with wider margins round a smaller drawing

PictureBox grown(const PictureBox& b, double by) {
  return {b.left - by, b.top - by, b.width + 2 * by, b.height + 2 * by};
}

bool overlaps(const PictureBox& a, const PictureBox& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool inside(const PictureBox& outer, const PictureBox& b) {
  return b.left >= outer.left && b.top >= outer.top && b.right() <= outer.right() && b.bottom() <= outer.bottom();
}

// Whether the segment passes through the box (Liang-Barsky clipping).
bool crosses(const PictureSegment& s, const PictureBox& b) {
  const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.from.x - b.left, b.right() - s.from.x, s.from.y - b.top, b.bottom() - s.from.y};
  double t0 = 0, t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  return true;
}

// The places a mark's label may stand, best first: beside the line on its
// side (written up the page beside an upright line it is no longer than),
// then level beside, above or below the line.
std::vector<LabelBox> labelPlaces(const DimensionMark& mark, DrawPoint a, DrawPoint b, double w, double h) {
  const DrawPoint mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
  const double top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  const bool upright = std::fabs(a.x - b.x) < 0.5;
  const auto beside = [&](double side) -> LabelBox {  // written up the page
    return {{side < 0 ? mid.x - kLabelGap - h : mid.x + kLabelGap, mid.y - w / 2, h, w}, true};
  };
  const auto levelLeft = [&]() -> LabelBox { return {{std::min(a.x, b.x) - kLabelGap - w, mid.y - h / 2, w, h}}; };
  const auto levelRight = [&]() -> LabelBox { return {{std::max(a.x, b.x) + kLabelGap, mid.y - h / 2, w, h}}; };
  const auto above = [&]() -> LabelBox { return {{mid.x - w / 2, top - kLabelGap - h, w, h}}; };
  const auto below = [&]() -> LabelBox { return {{mid.x - w / 2, bottom + kLabelGap, w, h}}; };
  // Level with either end of a level line, above or under it, where the
  // middle is taken.
  const double leftEnd = std::min(a.x, b.x), rightEnd = std::max(a.x, b.x);
  const auto atEnds = [&](double y) -> std::vector<LabelBox> {
    return {{{leftEnd, y, w, h}}, {{rightEnd - w, y, w, h}}};
  };
  // Under the line's lower end, running away from the side the label belongs
  // to: under the tank, where a short line has no room beside it.
  const auto underEnd = [&](double side) -> LabelBox {
    const double x = side < 0 ? std::min(a.x, b.x) - kLabelGap : std::max(a.x, b.x) + kLabelGap - w;
    return {{x, bottom + kLabelGap, w, h}};
  };
  // Over the line's upper end, running the same way.
  const auto overEnd = [&](double side) -> LabelBox {
    const double x = side < 0 ? std::min(a.x, b.x) - kLabelGap : std::max(a.x, b.x) + kLabelGap - w;
    return {{x, top - kLabelGap - h, w, h}};
  };
  std::vector<LabelBox> places;
  switch (mark.side) {
    case DimensionMark::Side::Left:
    case DimensionMark::Side::Right: {
      const double side = mark.side == DimensionMark::Side::Left ? -1 : 1;
      if (upright && w <= length) places = {beside(side), beside(-side)};
      places.push_back(side < 0 ? levelLeft() : levelRight());
      places.push_back(underEnd(side));
      places.push_back(overEnd(side));
      places.push_back(above());
      places.push_back(below());
      places.push_back(side < 0 ? levelRight() : levelLeft());
      break;
    }
    case DimensionMark::Side::Above:
    case DimensionMark::Side::Below: {
      const bool over = mark.side == DimensionMark::Side::Above;
      const LabelBox first = over ? above() : below(), second = over ? below() : above();
      places = {first};
      for (const LabelBox& end : atEnds(first.box.top)) places.push_back(end);
      places.push_back(second);
      for (const LabelBox& end : atEnds(second.box.top)) places.push_back(end);
      places.push_back(levelRight());
      places.push_back(levelLeft());
      break;
    }
    case DimensionMark::Side::Inside:
      places = {levelRight(), levelLeft(), above(), below()};
      break;
  }
  return places;
}

}  // namespace

std::vector<PictureSegment> pictureSegments(const TankDrawing& drawing, const PictureLayout& layout) {
  std::vector<PictureSegment> segments;
  const auto addLine = [&](const Polyline& line) {
    for (std::size_t i = 1; i < line.size(); ++i)
      segments.push_back({layout.toPixels(line[i - 1]), layout.toPixels(line[i])});
  };
  for (const Polyline& line : drawing.outline) addLine(line);
  for (const Polyline& line : drawing.faults) addLine(line);
  for (const DimensionMark& mark : drawing.marks) {
    const DrawPoint a = layout.toPixels(mark.from), b = layout.toPixels(mark.to);
    segments.push_back({a, b});
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length <= 6) continue;  // too short for arrow heads
    const double ux = (b.x - a.x) / length, uy = (b.y - a.y) / length;
    for (const auto& [tip, sign] : {std::pair{a, 1.0}, std::pair{b, -1.0}}) {
      const DrawPoint back{tip.x + ux * kArrowLength * sign, tip.y + uy * kArrowLength * sign};
      segments.push_back({tip, {back.x - uy * kArrowHalfWidth, back.y + ux * kArrowHalfWidth}});
      segments.push_back({tip, {back.x + uy * kArrowHalfWidth, back.y - ux * kArrowHalfWidth}});
    }
  }
  return segments;
}

// The drawing is fitted inside margins, and each label takes the first of
// its places that is clear of the lines, the labels placed before it and the
// picture's edge. A label with no such place takes the first place clear of
// lines and labels, and the margin on the side it runs out of the picture
// grows by as much; a label with none at all grows every margin. Then the
// drawing is fitted again, until every label has a place (or the attempts run
// out: the first layout stands).
PictureLayout layoutPicture(const TankDrawing& drawing, double width, double height, const TextWidth& textWidth,
                            double lineHeight) {
  const PictureBox picture{0, 0, width, height};
  const double w = std::max(drawing.right - drawing.left, 1e-9), h = std::max(drawing.top - drawing.bottom, 1e-9);
  const double least = lineHeight / 2 + kLabelGap;
  double marginLeft = least, marginTop = least, marginRight = least, marginBottom = least;
  PictureLayout first;
  for (int attempt = 0; attempt < kLayoutAttempts; ++attempt) {
    const double roomW = width - marginLeft - marginRight, roomH = height - marginTop - marginBottom;
    if (roomW <= 0 || roomH <= 0) break;
    PictureLayout layout;
    layout.factor = std::min(roomW / w, roomH / h);
    layout.x0 = marginLeft + (roomW - w * layout.factor) / 2;
    layout.y0 = marginTop + (roomH - h * layout.factor) / 2;
    layout.left = drawing.left;
    layout.top = drawing.top;
    const std::vector<PictureSegment> segments = pictureSegments(drawing, layout);
    const auto clearOfLines = [&](const LabelBox& place) {
      const PictureBox kept = grown(place.box, kLabelClear);
      for (const LabelBox& other : layout.labels)
        if (overlaps(kept, other.box)) return false;
      for (const PictureSegment& segment : segments)
        if (crosses(segment, kept)) return false;
      return true;
    };
    double outLeft = 0, outTop = 0, outRight = 0, outBottom = 0;
    bool placedAll = true;
    // The longest labels choose first: they have the fewest places.
    std::vector<std::size_t> order(drawing.marks.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
      return textWidth(drawing.marks[x].label) > textWidth(drawing.marks[y].label);
    });
    std::vector<LabelBox> placed(drawing.marks.size());
    for (std::size_t index : order) {
      const DimensionMark& mark = drawing.marks[index];
      const std::vector<LabelBox> places =
          labelPlaces(mark, layout.toPixels(mark.from), layout.toPixels(mark.to), textWidth(mark.label), lineHeight);
      auto found = std::find_if(places.begin(), places.end(), [&](const LabelBox& place) {
        return inside(picture, place.box) && clearOfLines(place);
      });
      // The best place, a little out of the picture, is worth a margin
      // rather than a place further from the line.
      const PictureBox& best = places.front().box;
      const double over = std::max({-best.left, -best.top, best.right() - width, best.bottom() - height});
      if (found != places.begin() && over > 0 && over <= 2 * lineHeight && clearOfLines(places.front()))
        found = places.end();
      if (found != places.end()) {
        layout.labels.push_back(*found);
        placed[index] = *found;
        continue;
      }
      placedAll = false;
      const auto outside = std::find_if(places.begin(), places.end(), clearOfLines);
      const LabelBox& place = outside != places.end() ? *outside : places.front();
      layout.labels.push_back(place);
      placed[index] = place;
      if (outside == places.end()) {  // caught among lines: a smaller drawing all round
        outLeft = std::max(outLeft, least);
        outTop = std::max(outTop, least);
        outRight = std::max(outRight, least);
        outBottom = std::max(outBottom, least);
        continue;
      }
      outLeft = std::max(outLeft, -place.box.left);
      outTop = std::max(outTop, -place.box.top);
      outRight = std::max(outRight, place.box.right() - width);
      outBottom = std::max(outBottom, place.box.bottom() - height);
    }
    layout.labels = placed;  // in the order of the marks
    if (placedAll) return layout;
    if (attempt == 0) first = layout;
    // Room where labels ran out, and a little more: a centred drawing moves
    // by only half of what a margin grows.
    const auto grow = [&](double& margin, double out) {
      if (out > 0) margin += out + lineHeight / 2;
    };
    grow(marginLeft, outLeft);
    grow(marginTop, outTop);
    grow(marginRight, outRight);
    grow(marginBottom, outBottom);
  }
  return first;
}

}  // namespace calvexa
