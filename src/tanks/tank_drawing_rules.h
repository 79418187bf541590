// The drawings of the tank tabs as plain geometry: the side view of each tank
// shape at the proportions of its dimensions, the liquid up to the fluid
// height, the dimension marks with their labels, and the parts that make a
// tank impossible. Coordinates are in the tank's own length unit, x across
// from the centre line and y up from the lowest point of the tank.
#pragma once

#include <string>
#include <vector>

namespace calvexa {

enum class TankShape {
  VerticalFlat,
  VerticalConical,
  VerticalEllipsoidal,
  VerticalSpherical,
  EllipticalFlat,
  EllipticalConical,
  EllipticalEllipsoidal,
  EllipticalSpherical,
};

// The dimensions a drawing needs, all in one length unit. For upright tanks:
// width (the diameter, or the width of an elliptical tank), depth (front to
// back, elliptical tanks), height (total, from the lowest point), bottom (the
// depth "a" of the cone, ellipsoid or spherical segment) and fluid.
struct TankDimensions {
  double width = 1;
  double depth = 1;
  double height = 1;
  double bottom = 0;
  double fluid = 0;
};

struct DrawPoint {
  double x;
  double y;
};
using Polyline = std::vector<DrawPoint>;

// A dimension line from `from` to `to` with its label beside it.
struct DimensionMark {
  enum class Side { Above, Left, Right, Inside, Below };
  DrawPoint from;
  DrawPoint to;
  std::string label;
  Side side;
};

struct TankDrawing {
  std::vector<Polyline> outline;  // the tank's walls (open or closed lines)
  Polyline liquid;                // the liquid's cross-section, a closed polygon
  std::vector<Polyline> faults;   // parts that make the tank impossible, drawn in red
  std::vector<DimensionMark> marks;
  double left = 0, right = 0, bottom = 0, top = 0;  // the extent of outline and marks
};

// The dimensions each picture shows before any value is typed: a tank about
// twice as high as it is wide, half full, with a bottom a fifth of its height.
TankDimensions typicalDimensions(TankShape shape);

// The drawing of `shape` with `dimensions`. A bottom deeper than the tank
// allows or a fluid height above the top is drawn as it is, those parts
// listed among the faults; sizes that draw nothing (zero or negative widths
// or heights) give an empty drawing.
TankDrawing drawTank(TankShape shape, const TankDimensions& dimensions);

}  // namespace calvexa
