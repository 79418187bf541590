// The drawings of the tank tabs as plain geometry: the side view of each tank
// shape at the proportions of its dimensions, the liquid up to the fluid
// height, the dimension marks with their labels, and the parts that make a
// tank impossible. Coordinates are in the tank's own length unit, x across
// from the centre line and y up from the lowest point of the tank.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"

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
  HorizontalFlat,
  HorizontalEllipsoidal,
  HorizontalConical,
  HorizontalGuppy,
  HorizontalEllipticalFlat,
  HorizontalEllipticalConical,
  HorizontalEllipticalEllipsoidal,
  HorizontalEllipticalGuppy,
  Rectangular,
  Spherical,
};

// The name a page table gives the drawing of a shape ("vertical-conical"), and
// the shape of a name (nullopt for a name of no shape).
const char* tankShapeName(TankShape shape);
std::optional<TankShape> tankShapeOf(std::string_view name);

// The dimensions a drawing needs, all in one length unit.
// Upright tanks: width (the diameter, or an elliptical tank's width), depth
// (front to back, elliptical tanks), height (total, from the lowest point),
// bottom (the depth "a" of the cone, ellipsoid or spherical segment), fluid.
// Horizontal tanks: height (the diameter, or an elliptical tank's internal
// height), width (an elliptical tank's internal width), length (the shell),
// bottom (the length "a" of each head), fluid.
// Rectangular tanks: length, depth (the width), height, fluid.
// Spherical tanks: height (the diameter), fluid.
struct TankDimensions {
  double width = 1;
  double depth = 1;
  double height = 1;
  double bottom = 0;
  double fluid = 0;
  double length = 1;
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
  std::vector<Polyline> liquid;   // the liquid, closed polygons (a side view, an end view)
  std::vector<Polyline> faults;   // parts that make the tank impossible, drawn in red
  std::vector<DimensionMark> marks;
  double left = 0, right = 0, bottom = 0, top = 0;  // the extent of outline and marks
};

// A value box and its length unit list.
struct SizeInput {
  const char* box;
  const char* list;
};

// Where a tab's picture reads each dimension: the number of its row among
// the tab's value rows, top first (-1: the picture draws that dimension at
// its typical proportion).
struct TankPictureInputs {
  TankShape shape;
  int width = -1, depth = -1, height = -1, bottom = -1, fluid = -1, length = -1;
};

// The dimensions a tab's texts describe, in metres, its value rows given in
// order; nullopt while any of them is not a number in a known unit (the
// picture then keeps its drawing).
std::optional<TankDimensions> pictureDimensions(const TankPictureInputs& inputs, const std::vector<SizeInput>& rows,
                                                const Fields& fields);

// The dimensions each picture shows before any value is typed: a tank a
// little over half full, its bottom or heads a fifth of its size.
TankDimensions typicalDimensions(TankShape shape);

// The drawing of `shape` with `dimensions`. A bottom deeper than the tank
// allows or a fluid height above the top is drawn as it is, those parts
// listed among the faults; sizes that draw nothing (zero or negative widths,
// lengths or heights, or any size that is not a number) give an empty
// drawing.
TankDrawing drawTank(TankShape shape, const TankDimensions& dimensions);

}  // namespace calvexa
