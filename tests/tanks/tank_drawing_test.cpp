// The tank drawings as geometry: the liquid up to the fluid height (empty,
// half, full), its area where it is plain to work out, the parts drawn red
// for an impossible tank, the dimensions read from a tab's texts, and
// every tank tab's picture reading the rows that hold those dimensions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/page_table.h"
#include "tanks/horizontal_tank_rules.h"
#include "tanks/rectangular_tank_rules.h"
#include "tanks/spherical_tank_rules.h"
#include "tanks/tank_drawing_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace calvexa {
namespace {

double area(const Polyline& polygon) {
  double twice = 0;
  for (std::size_t i = 0; i + 1 < polygon.size(); ++i)
    twice += polygon[i].x * polygon[i + 1].y - polygon[i + 1].x * polygon[i].y;
  return std::fabs(twice) / 2;
}

// The top of the liquid in the front view (a box's side face is drawn in
// perspective, above its front).
double liquidTop(const TankDrawing& d) {
  double top = -1;
  for (DrawPoint point : d.liquid.front()) top = std::max(top, point.y);
  return top;
}

TEST(TankDrawing, EveryShapeFillsEmptyHalfAndFullWithoutFaults) {
  for (int s = 0; s <= static_cast<int>(TankShape::Spherical); ++s) {
    const auto shape = static_cast<TankShape>(s);
    SCOPED_TRACE(s);
    TankDimensions d = typicalDimensions(shape);
    const double full = d.height;  // the tank's height, or its diameter
    d.fluid = 0;
    TankDrawing empty = drawTank(shape, d);
    EXPECT_FALSE(empty.outline.empty());
    EXPECT_TRUE(empty.liquid.empty());
    EXPECT_TRUE(empty.faults.empty());
    for (double fraction : {0.5, 1.0}) {
      d.fluid = full * fraction;
      const TankDrawing drawn = drawTank(shape, d);
      EXPECT_DOUBLE_EQ(liquidTop(drawn), full * fraction) << fraction;
      EXPECT_TRUE(drawn.faults.empty()) << fraction;
      const auto label = [&](const char* text) {
        return std::any_of(drawn.marks.begin(), drawn.marks.end(), [&](auto& m) { return m.label == text; });
      };
      EXPECT_TRUE(label("Liquid Height"));
    }
  }
}

TEST(TankDrawing, LiquidAreasOfThePlainShapes) {
  const TankDimensions upright = {.width = 2, .height = 4, .bottom = 1, .fluid = 3};
  // A flat bottom: a rectangle 2 wide and 3 high.
  EXPECT_NEAR(area(drawTank(TankShape::VerticalFlat, upright).liquid.front()), 2 * 3, 1e-12);
  // A cone 1 deep under 2 m of wall: a triangle and a rectangle.
  EXPECT_NEAR(area(drawTank(TankShape::VerticalConical, upright).liquid.front()), 2 * 1 / 2.0 + 2 * 2, 1e-12);
  // A horizontal tank with flat ends, side view: the shell 5 long, filled 0.4 of 1 m.
  const TankDimensions lying = {.height = 1, .bottom = 0, .fluid = 0.4, .length = 5};
  EXPECT_NEAR(area(drawTank(TankShape::HorizontalFlat, lying).liquid.front()), 5 * 0.4, 1e-12);
  // A sphere filled to its middle: half a circle (a polygon of many sides).
  const TankDimensions sphere = {.height = 2, .fluid = 1};
  EXPECT_NEAR(area(drawTank(TankShape::Spherical, sphere).liquid.front()), 3.14159265358979 / 2, 0.01);
}

TEST(TankDrawing, ImpossibleTanksHaveTheirFaultsInRed) {
  struct Case {
    const char* name;
    TankShape shape;
    TankDimensions dimensions;
  };
  const Case cases[] = {
      {"fluid above the top", TankShape::VerticalFlat, {.width = 1, .height = 2, .fluid = 2.5}},
      {"a spherical bottom deeper than a hemisphere",
       TankShape::VerticalSpherical,
       {.width = 1, .height = 2, .bottom = 0.6, .fluid = 1}},
      {"a cone deeper than the tank", TankShape::VerticalConical, {.width = 1, .height = 2, .bottom = 2.5, .fluid = 1}},
      {"fluid above a lying tank", TankShape::HorizontalGuppy, {.height = 1, .bottom = 0.3, .fluid = 1.2, .length = 3}},
      {"fluid above a sphere", TankShape::Spherical, {.height = 1, .fluid = 1.1}},
      {"fluid above a box", TankShape::Rectangular, {.depth = 1, .height = 1, .fluid = 1.1, .length = 2}},
  };
  for (const Case& c : cases) EXPECT_FALSE(drawTank(c.shape, c.dimensions).faults.empty()) << c.name;
  // A sphere filled to its diameter typed in another unit is full, as its
  // calculation takes it: 9 ft of fluid in a sphere of 108 in.
  const double nineFeet = 9 * 0.3048, hundredEightInches = 108 * 0.3048 / 12;
  ASSERT_GT(nineFeet, hundredEightInches) << "the conversions differ in their last digit";
  EXPECT_TRUE(drawTank(TankShape::Spherical, {.height = hundredEightInches, .fluid = nineFeet}).faults.empty());
  // A hemisphere is the deepest bottom drawn without a fault.
  EXPECT_TRUE(
      drawTank(TankShape::VerticalSpherical, {.width = 1, .height = 2, .bottom = 0.5, .fluid = 1}).faults.empty());
  // Sizes that draw nothing give no drawing at all.
  EXPECT_TRUE(drawTank(TankShape::VerticalFlat, {.width = 0, .height = 2}).outline.empty());
  EXPECT_TRUE(drawTank(TankShape::Spherical, {.height = -1}).outline.empty());
  EXPECT_TRUE(drawTank(TankShape::VerticalFlat, {.width = 1, .height = NAN}).outline.empty());
}

TEST(TankDrawing, DimensionsReadFromTheTabInMetres) {
  const TankPictureInputs inputs = {
      .shape = TankShape::VerticalConical, .width = 0, .height = 1, .bottom = 3, .fluid = 2};
  const std::vector<SizeInput> rows = {{"W", "WU"}, {"H", "HU"}, {"F", "FU"}, {"A", "AU"}};
  Fields fields = {{"W", "2"},  {"WU", "Meters"}, {"H", "300"}, {"HU", "Centimeters"},
                   {"A", "12"}, {"AU", "Inches"}, {"F", "1"},   {"FU", "Feet"}};
  const auto d = pictureDimensions(inputs, rows, fields);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->width, 2);
  EXPECT_EQ(d->height, 3);
  EXPECT_EQ(d->bottom, 12 * 0.3048 / 12);
  EXPECT_EQ(d->fluid, 0.3048);
  fields["AU"] = "";
  EXPECT_FALSE(pictureDimensions(inputs, rows, fields)) << "a unit not chosen yet";
  fields["AU"] = "Inches";
  fields["F"] = "1E";
  EXPECT_FALSE(pictureDimensions(inputs, rows, fields)) << "a value that is not a number";
}

// Each dimension a picture reads comes from a row whose caption names it.
TEST(TankDrawing, EveryTankTabsPictureReadsTheRowsNamingItsDimensions) {
  struct Window {
    const PageForm& form;
    const TankPictureInputs* (*pictures)(int);
  };
  const Window windows[] = {{verticalTankForm(), verticalPictureInputs},
                            {horizontalTankForm(), horizontalPictureInputs},
                            {rectangularTankForm(), rectangularPictureInputs},
                            {sphericalTankForm(), sphericalPictureInputs}};
  struct Dimension {
    int TankPictureInputs::*row;
    std::vector<const char*> captions;  // one of them is in the row's caption
  };
  const Dimension dimensions[] = {
      {&TankPictureInputs::width, {"Diameter", "Width"}},
      {&TankPictureInputs::depth, {"Depth", "Rectangular Width"}},
      {&TankPictureInputs::height,
       {"Total Tank Height", "Internal Tank Diameter", "Internal Tank Height", "Rectangular Height"}},
      {&TankPictureInputs::bottom, {"(a)"}},
      {&TankPictureInputs::fluid, {"luid"}},
      {&TankPictureInputs::length, {"Length of Tank", "Rectangular Length"}},
  };
  for (const Window& window : windows) {
    for (std::size_t tab = 0; tab < window.form.pages.size(); ++tab) {
      const Page& page = window.form.pages[tab];
      const TankPictureInputs* inputs = window.pictures(static_cast<int>(tab));
      ASSERT_NE(inputs, nullptr) << page.tab;
      std::vector<std::string> captions;
      for (const PageRow& row : page.rows)
        if (row.kind == RowKind::Value) captions.emplace_back(row.caption);
      for (const Dimension& dimension : dimensions) {
        const int row = inputs->*dimension.row;
        if (row < 0) continue;
        ASSERT_LT(row, static_cast<int>(captions.size())) << page.tab;
        const std::string& caption = captions[static_cast<std::size_t>(row)];
        EXPECT_TRUE(std::any_of(dimension.captions.begin(), dimension.captions.end(),
                                [&](const char* part) { return caption.find(part) != std::string::npos; }))
            << window.form.key.name() << " " << page.tab << ": " << caption;
      }
      EXPECT_GE(inputs->fluid, 0) << page.tab;
      EXPECT_EQ(inputs->bottom >= 0, std::string_view(page.picture.drawing).find("flat") == std::string_view::npos &&
                                         inputs->shape != TankShape::Rectangular &&
                                         inputs->shape != TankShape::Spherical)
          << page.tab << ": heads or a bottom of their own, except on flat tanks";
    }
  }
}

}  // namespace
}  // namespace calvexa
