#include "tanks/vertical_tank_rules.h"

#include <array>
#include <cmath>
#include <span>

#include "core/input.h"
#include "core/number_text.h"
#include "tanks/tank_form_rules.h"
#include "tanks/tank_geometry.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {

const char* const kSphericalBottomTooDeepText =
    "The spherical bottom cannot be deeper than half the tank diameter, or no such tank could be built.  Check "
    "the Spherical Height (a) and the Internal Tank Diameter.";
const char* const kEllipticalSphericalBottomTooDeepText =
    "The spherical bottom cannot be deeper than half the tank width, or no such tank could be built.  Check the "
    "Spherical Height (a) and the Internal Tank Width.";

namespace {

const char* const kFluidAboveTankText = "The fluid height is greater than the tank height, please change a value";

// ---- The tabs' inputs -------------------------------------------------------

using R = TankRole;

const char* const kFluidValue = "Please type a Fluid Height value";
const char* const kTankHeightValue = "Please type a Tank Height value";
const char* const kFluidUnit = "Please choose a Fluid Height Unit with the mouse";
const char* const kTankHeightUnit = "Please choose a Tank Height Unit with the mouse";
const char* const kEllipticalWidthMessage =
    "An improper Elliptical Width measurement has been chosen. Re-choose a Unit with the mouse.";
const char* const kEllipticalDepthMessage =
    "An improper Elliptical Depth Diameter measurement has been chosen. Re-choose a Unit with the mouse.";

// The flat tab reads its diameter as half of it.
TankInputRow diameterRow(const char* box, const char* list, SizeReading reading = SizeReading::Whole) {
  return {.caption = "Internal Tank Diameter:",
          .box = box,
          .list = list,
          .role = R::Width,
          .reading = reading,
          .valueName = "Internal Tank Diameter",
          .unitMessage = {"An improper Internal Tank Diameter measurement has been chosen. Re-choose a Unit with the "
                          "mouse."},
          .boxCheck = {"Please type a Vertical Internal Diameter Value"},
          .listCheck = {"Please choose a Vertical Internal Diameter Unit with the mouse"}};
}

TankInputRow heightRow(const char* box, const char* list) {
  return {.caption = "Total Tank Height:",
          .box = box,
          .list = list,
          .role = R::Height,
          .valueName = "Total Tank Height",
          .unitMessage = {"An improper Tank Height Unit has been chosen.  Re-choose another Unit with the mouse."},
          .boxCheck = {kTankHeightValue},
          .listCheck = {kTankHeightUnit}};
}

TankInputRow fluidRow(const char* box, const char* list) {
  return {.caption = "Fluid Height:",
          .box = box,
          .list = list,
          .role = R::Fluid,
          .reading = SizeReading::Fluid,
          .valueName = "Fluid Height",
          .unitMessage = {"An improper Liquid Height has been chosen.  Re-choose a Liquid unit with the mouse."},
          .boxCheck = {kFluidValue},
          .listCheck = {kFluidUnit}};
}

// The depth (a) of a conical, ellipsoidal or spherical bottom.
TankInputRow bottomRow(const char* caption, const char* box, const char* list, const char* valueName,
                       const char* unitMessage) {
  return {.caption = caption,
          .box = box,
          .list = list,
          .role = R::Bottom,
          .valueName = valueName,
          .unitMessage = {unitMessage}};
}

TankInputRow answerRow(const char* box, const char* list) {
  return {.box = box,
          .list = list,
          .role = R::Answer,
          .unitMessage = {"An improper Calculated Tank Volume Unit has been chosen.  Re-choose a Unit with the mouse."},
          .listCheck = {"Please choose an Answer Volume Unit with the mouse"}};
}

// The width and depth of the elliptical tabs with a bottom; the flat one words
// them in its own way.
TankInputRow widthRow(const char* box, const char* list, const char* unitMessage = kEllipticalWidthMessage) {
  return {.caption = "Internal Tank Width:",
          .box = box,
          .list = list,
          .role = R::Width,
          .valueName = "Internal Tank Width",
          .unitMessage = {unitMessage},
          .boxCheck = {"Please type an Internal Width Diameter Value"},
          .listCheck = {"Please choose an Elliptical Width Diameter Unit with the mouse"}};
}

TankInputRow depthRow(const char* box, const char* list) {
  return {.caption = "Internal Tank Depth:",
          .box = box,
          .list = list,
          .role = R::Depth,
          .valueName = "Internal Tank Depth",
          .unitMessage = {kEllipticalDepthMessage},
          .boxCheck = {"Please type an Internal Depth Diameter Value"},
          .listCheck = {"Please choose an Elliptical Depth Diameter Unit with the mouse"}};
}

// The tabs in the window's order: circular with a flat, conical, ellipsoidal
// and spherical bottom, then elliptical with the same four.
const std::vector<TankTab>& verticalTabs() {
  using S = TankShape;
  static const std::vector<TankTab> tabs = {
      {.tab = "Vertical Tank (Flat)",
       .heading = "Determine the liquid volume from the flat tank bottom of a circular vertical tank",
       .shape = S::VerticalFlat,
       .picture = "Picture1",
       .rows = {diameterRow("TbInternalTankDiameter", "CboInternalTankDiameter", SizeReading::Half),
                heightRow("TbTankHeight", "CboTankHeight"), fluidRow("TbLiquidHeight", "CboLiquidHeight"),
                answerRow("TbTankLiquidAnswer", "CboTankLiquidAnswer")},
       .calculateButton = "CmdCalcVerticalTankVol",
       .printButton = "CmdPrintVerticalTankFlat",
       .calculate = CalcVerticalFlat},
      {.tab = "Vertical Tank (C)",
       .heading = "Determine the volume in a circular vertical tank with a conical bottom",
       .shape = S::VerticalConical,
       .picture = "Picture2",
       .rows = {diameterRow("TbVerticalTankDiameterC", "CboVerticalTankDiameterC"),
                heightRow("TbVerticalTankHeightC", "CboVerticalTankHeightC"),
                fluidRow("TbVerticalFluidHeightC", "CboVerticalFluidHeightC"),
                bottomRow("Conical Height: (a)", "TbVerticalConicalHeightC", "CboVerticalConicalHeightC",
                          "Conical Height",
                          "An improper Conical Height measurement has been chosen. Re-choose a Unit with the mouse."),
                answerRow("TbVerticalLiquidVolumeC", "CboVerticalLiquidVolumeC")},
       .calculateButton = "CmdCalcVerticalTankC",
       .printButton = "CmdPrintVerticalTankC",
       .calculate = CalcVerticalConical},
      {.tab = "Vertical Tank (E)",
       .heading = "Determine the volume in a circular vertical tank with an Ellipsoidal bottom",
       .shape = S::VerticalEllipsoidal,
       .picture = "Picture3",
       .rows = {diameterRow("TbVerticalTankDiameterE", "CboVerticalTankDiameterE"),
                heightRow("TbVerticalTankHeightE", "CboVerticalTankHeightE"),
                fluidRow("TbVerticalFluidHeightE", "CboVerticalFluidHeightE"),
                bottomRow("Ellipsoidal Height: (a)", "TbVerticalConicalHeightE", "CboVerticalConicalHeightE",
                          "Ellipsoidal Height",
                          "An improper Ellipsoid Height measurement has been chosen. Re-choose a Unit with the mouse."),
                answerRow("TbVerticalLiquidVolumeE", "CboVerticalLiquidVolumeE")},
       .calculateButton = "CmdCalcVerticalTankE",
       .printButton = "CmdPrintVerticalTankE",
       .calculate = CalcVerticalEllipsoidal},
      {.tab = "Vertical Tank (S)",
       .heading = "Determine the volume in a circular vertical tank with a spherical bottom",
       .shape = S::VerticalSpherical,
       .picture = "Picture4",
       .rows = {diameterRow("TbVerticalTankDiameterS", "CboVerticalTankDiameterS"),
                heightRow("TbVerticalTankHeightS", "CboVerticalTankHeightS"),
                fluidRow("TbVerticalFluidHeightS", "CboVerticalFluidHeightS"),
                bottomRow("Spherical Height: (a)", "TbVerticalSphericalHeightS", "CboVerticalSphericalHeightS",
                          "Spherical Height",
                          "An improper Spherical Height measurement has been chosen. Re-choose a Unit with the mouse."),
                answerRow("TbVerticalLiquidVolumeS", "CboVerticalLiquidVolumeS")},
       .calculateButton = "CmdCalcVerticalTankS",
       .printButton = "CmdPrintVerticalTankS",
       .calculate = CalcVerticalSpherical},
      {.tab = "Elliptical Tank (Flat)",
       .heading = "Determine the liquid volume from the flat tank bottom of an Elliptical vertical tank",
       .shape = S::EllipticalFlat,
       .picture = "Picture5",
       .rows = {{.caption = "Internal Tank Width:",
                 .box = "TbEllipticalWidthDiameterF",
                 .list = "CboEllipticalWidthDiameterF",
                 .role = R::Width,
                 .valueName = "Internal Tank Width",
                 .unitMessage = {kEllipticalWidthMessage},
                 .boxCheck = {"Please type a Tank Width value"},
                 .listCheck = {"Please choose an Elliptical Width Unit with the mouse"}},
                {.caption = "Total Tank Depth:",
                 .box = "TbEllipticalDepthDiameterF",
                 .list = "CboEllipticalDepthDiameterF",
                 .role = R::Depth,
                 .valueName = "Total Tank Depth",
                 .unitMessage = {kEllipticalDepthMessage},
                 .boxCheck = {"Please type a Tank Depth Value"},
                 .listCheck = {"Please choose an Elliptical Depth Unit with the mouse"}},
                heightRow("TbEllipticalTankHeightF", "CboEllipticalTankHeightF"),
                fluidRow("TbEllipticalLiquidHeightF", "CboEllipticalLiquidHeightF"),
                answerRow("TbEllipticalLiquidAnswerF", "CboEllipticalLiquidAnswerF")},
       .calculateButton = "CmdCalcEllipticalTankVolF",
       .printButton = "CmdPrintEllipticalTankVolF",
       .calculate = CalcVerticalEllipticalFlat},
      {.tab = "Elliptical Tank (C)",
       .heading = "Determine the volume in an Elliptical vertical tank with a conical bottom",
       .shape = S::EllipticalConical,
       .picture = "Picture6",
       .rows = {widthRow("TbEllipticalWidthDiameterC", "CboEllipticalWidthDiameterC"),
                depthRow("TbEllipticalDepthDiameterC", "CboEllipticalDepthDiameterC"),
                heightRow("TbEllipticalTankHeightC", "CboEllipticalTankHeightC"),
                fluidRow("TbEllipticalLiquidHeightC", "CboEllipticalLiquidHeightC"),
                bottomRow("Conical Height: (a)", "TbEllipticalConicalHeightC", "CboEllipticalConicalHeightC",
                          "Conical Height",
                          "An improper Conical Length measurement has been chosen. Re-choose a Unit with the mouse."),
                answerRow("TbEllipticalLiquidAnswerC", "CboEllipticalLiquidAnswerC")},
       .calculateButton = "CmdCalcEllipticalTankVolC",
       .printButton = "CmdPrintEllipticalTankVolC",
       .calculate = CalcVerticalEllipticalConical},
      {.tab = "Elliptical Tank (E)",
       .heading = "Determine the volume in an Elliptical vertical tank with an ellipsoid bottom",
       .shape = S::EllipticalEllipsoidal,
       .picture = "Picture7",
       .rows = {widthRow("TbEllipticalWidthDiameterE", "CboEllipticalWidthDiameterE"),
                depthRow("TbEllipticalDepthDiameterE", "CboEllipticalDepthDiameterE"),
                heightRow("TbEllipticalTankHeightE", "CboEllipticalTankHeightE"),
                fluidRow("TbEllipticalLiquidHeightE", "CboEllipticalLiquidHeightE"),
                bottomRow("Ellipsoid Height: (a)", "TbEllipticalEllipsoidlHeightE", "CboEllipticalEllipsoidlHeightE",
                          "Ellipsoid Height",
                          "An improper Ellipsoid Length measurement has been chosen. Re-choose a Unit with the mouse."),
                answerRow("TbEllipticalLiquidAnswerE", "CboEllipticalLiquidAnswerE")},
       .calculateButton = "CmdCalcEllipticalTankVolE",
       .printButton = "CmdPrintEllipticalTankVolE",
       .calculate = CalcVerticalEllipticalEllipsoidal},
      {.tab = "Elliptical Tank (S)",
       .heading = "Determine the volume in an Elliptical vertical tank with an ellipsoid bottom",
       .shape = S::EllipticalSpherical,
       .picture = "Picture8",
       .rows = {widthRow("TbEllipticalWidthDiameterS", "CboEllipticalWidthDiameterS",
                         "An improper Width measurement has been chosen. Re-choose a Unit with the mouse."),
                depthRow("TbEllipticalDepthDiameterS", "CboEllipticalDepthDiameterS"),
                heightRow("TbEllipticalTankHeightS", "CboEllipticalTankHeightS"),
                fluidRow("TbEllipticalLiquidHeightS", "CboEllipticalLiquidHeightS"),
                bottomRow("Spherical Height: (a)", "TbEllipticalSphericalHeightS", "CboEllipticalSphericalHeightS",
                          "Spherical Height",
                          "An improper Spherical Length measurement has been chosen. Re-choose a Unit with the mouse."),
                answerRow("TbEllipticalLiquidAnswerS", "CboEllipticalLiquidAnswerS")},
       .calculateButton = "CmdCalcEllipticalTankVolS",
       .printButton = "CmdPrintEllipticalTankVolS",
       .calculate = CalcVerticalEllipticalSpherical},
  };
  return tabs;
}

enum Tab : std::size_t {
  kFlat,
  kConical,
  kEllipsoidal,
  kSpherical,
  kEllipticalFlat,
  kEllipticalConical,
  kEllipticalEllipsoidal,
  kEllipticalSpherical
};

const TankRows& rowsOf(Tab tab) { return verticalTabs()[tab].rows; }

// A tab's inputs in the order its calculation reads them, its answer unit and
// its answer.
template <std::size_t N>
struct TabInputs {
  std::array<Input, N> inputs;
  Input answerUnit;
  const char* answer;
};

template <std::size_t N>
TabInputs<N> tabInputs(Tab tab, const std::array<TankRole, N>& order) {
  const TankRows& rows = rowsOf(tab);
  const TankInputRow& answer = tankRow(rows, R::Answer);
  return {.inputs = tankInputs(rows, order), .answerUnit = tankInput(answer), .answer = answer.box};
}

// ---- Circular tanks -------------------------------------------------------

using BottomVolume = double (*)(double D, double h, double H, double a);

struct CircularBottomTab {
  TabInputs<4> in;  // bottom depth, diameter, total height, fluid height
  BottomVolume volume;
  // A spherical segment is at most a hemisphere of the tank's diameter (or
  // width): a deeper bottom is refused with this message.
  const char* tooDeep = nullptr;
  // The conical tab reports its inputs and result in one line before a
  // cubic-metre answer.
  bool reportsCubicMetres = false;
};

constexpr std::array kCircularOrder = {R::Bottom, R::Width, R::Height, R::Fluid};

Outcome circularBottom(const CircularBottomTab& tab, const Fields& fields) {
  Outcome outcome;
  const auto in = readInputs(fields, tab.in.inputs, outcome);
  if (!in) return outcome;
  const auto& [a, D, H, h] = *in;
  if (h.value > H.value) return outcome.show(kFluidAboveTankText), outcome;
  if (tab.tooDeep && a.value > D.value / 2) return outcome.show(tab.tooDeep), outcome;
  Reading unit;
  if (!readInput(fields, tab.in.answerUnit, unit, outcome)) return outcome;
  const double V = tab.volume(D.value, h.value, H.value, a.value);
  const double answer = applyFactor(*unit.unit, V);
  if (!acceptAnswer(answer, outcome)) return outcome;
  if (tab.reportsCubicMetres && unit.unit->name == "Cubic Meters")
    outcome.show("Diam = " + generalText(D.value) + ", Flu = " + generalText(h.value) + ", Height = " +
                 generalText(H.value) + ", Con = " + generalText(a.value) + ", Answer = " + generalText(V));
  writeAnswer(answer, tab.in.answer, generalAnswer, outcome);
  return outcome;
}

// ---- Elliptical tanks -----------------------------------------------------

struct EllipticalBottomTab {
  TabInputs<5> in;  // width, bottom depth, depth, total height, fluid height
  BottomVolume volume;
  // A spherical segment is at most a hemisphere of the tank's width: a deeper
  // bottom is refused with this message.
  const char* tooDeep = nullptr;
};

constexpr std::array kEllipticalOrder = {R::Width, R::Bottom, R::Depth, R::Height, R::Fluid};

Outcome ellipticalBottom(const EllipticalBottomTab& tab, const Fields& fields) {
  Outcome outcome;
  const auto in = readInputs(fields, tab.in.inputs, outcome);
  if (!in) return outcome;
  const auto& [W, a, Dp, H, h] = *in;
  if (h.value > H.value) return outcome.show(kFluidAboveTankText), outcome;
  if (tab.tooDeep && a.value > W.value / 2) return outcome.show(tab.tooDeep), outcome;
  Reading unit;
  if (!readInput(fields, tab.in.answerUnit, unit, outcome)) return outcome;
  // The circular tank of diameter W, stretched front to back by Dp ÷ W
  // together with the unit factor, in each unit's own order.
  const double V0 = tab.volume(W.value, h.value, H.value, a.value);
  writeAnswer(*StretchedAnswer(V0, W.value, Dp.value, unit.unit->name), tab.in.answer, generalAnswer, outcome);
  return outcome;
}

// Each tab's inputs, read from its rows once, before any calculation runs.
const TabInputs<3> kVerticalFlatInputs = tabInputs(kFlat, std::array{R::Width, R::Height, R::Fluid});
const CircularBottomTab kVerticalConicalInputs = {
    .in = tabInputs(kConical, kCircularOrder), .volume = ConicalBottomVolume, .reportsCubicMetres = true};
const CircularBottomTab kVerticalEllipsoidalInputs = {.in = tabInputs(kEllipsoidal, kCircularOrder),
                                                      .volume = EllipsoidalBottomVolume};
const CircularBottomTab kVerticalSphericalInputs = {.in = tabInputs(kSpherical, kCircularOrder),
                                                    .volume = SphericalBottomVolume,
                                                    .tooDeep = kSphericalBottomTooDeepText};
const TabInputs<4> kVerticalEllipticalFlat =
    tabInputs(kEllipticalFlat, std::array{R::Width, R::Depth, R::Height, R::Fluid});
const EllipticalBottomTab kVerticalEllipticalConicalInputs = {.in = tabInputs(kEllipticalConical, kEllipticalOrder),
                                                              .volume = ConicalBottomVolume};
const EllipticalBottomTab kVerticalEllipticalEllipsoidalInputs = {
    .in = tabInputs(kEllipticalEllipsoidal, kEllipticalOrder), .volume = EllipsoidalBottomVolume};
const EllipticalBottomTab kVerticalEllipticalSphericalInputs = {.in = tabInputs(kEllipticalSpherical, kEllipticalOrder),
                                                                .volume = SphericalBottomVolume,
                                                                .tooDeep = kEllipticalSphericalBottomTooDeepText};

}  // namespace

Outcome CalcVerticalFlat(const Fields& fields) {
  // The diameter is read as half of it.
  const TabInputs<3>& tab = kVerticalFlatInputs;
  Outcome outcome;
  const auto in = readInputs(fields, tab.inputs, outcome);
  if (!in) return outcome;
  const auto& [r, H, h] = *in;
  if (h.value > H.value) return outcome.show(kFluidAboveTankText), outcome;
  const double V = VerticalFlatVolume(r.value, h.value);
  Reading unit;
  if (!readInput(fields, tab.answerUnit, unit, outcome)) return outcome;
  writeAnswer(applyFactor(*unit.unit, V), tab.answer, generalAnswer, outcome);
  return outcome;
}

Outcome CalcVerticalConical(const Fields& fields) { return circularBottom(kVerticalConicalInputs, fields); }

Outcome CalcVerticalEllipsoidal(const Fields& fields) { return circularBottom(kVerticalEllipsoidalInputs, fields); }

Outcome CalcVerticalSpherical(const Fields& fields) { return circularBottom(kVerticalSphericalInputs, fields); }

Outcome CalcVerticalEllipticalFlat(const Fields& fields) {
  const TabInputs<4>& tab = kVerticalEllipticalFlat;
  Outcome outcome;
  const auto in = readInputs(fields, tab.inputs, outcome);
  if (!in) return outcome;
  const auto& [W, Dp, H, h] = *in;
  if (h.value > H.value) return outcome.show(kFluidAboveTankText), outcome;
  Reading unit;
  if (!readInput(fields, tab.answerUnit, unit, outcome)) return outcome;
  writeAnswer(applyFactor(*unit.unit, VerticalEllipticalFlatVolume(W.value, Dp.value, h.value)), tab.answer,
              generalAnswer, outcome);
  return outcome;
}

Outcome CalcVerticalEllipticalConical(const Fields& fields) {
  return ellipticalBottom(kVerticalEllipticalConicalInputs, fields);
}

Outcome CalcVerticalEllipticalEllipsoidal(const Fields& fields) {
  return ellipticalBottom(kVerticalEllipticalEllipsoidalInputs, fields);
}

Outcome CalcVerticalEllipticalSpherical(const Fields& fields) {
  return ellipticalBottom(kVerticalEllipticalSphericalInputs, fields);
}

const PageForm& verticalTankForm() {
  static const PageForm form = [] {
    PageForm vertical = {.key = kVerticalTankWindow,
                         .caption = "Vertical Tank Calculations",
                         .tabs = "SSTab1",
                         .tabsPerRow = 2,
                         .firstTab = 7};
    for (const TankTab& tab : verticalTabs()) vertical.pages.push_back(tankPage(tab, 183, 290));
    return vertical;
  }();
  return form;
}

const TankRows& verticalTankRows(int tab) { return verticalTabs().at(static_cast<std::size_t>(tab)).rows; }

namespace {

// ---- Charts ----------------------------------------------------------------

// The checks of the circular tabs, and of the elliptical tabs with a bottom.
constexpr TankCheck kCircularChecks[] = {boxCheck(R::Width),  boxCheck(R::Fluid),  boxCheck(R::Height),
                                         listCheck(R::Width), listCheck(R::Fluid), listCheck(R::Height),
                                         listCheck(R::Answer)};
constexpr TankCheck kEllipticalChecks[] = {boxCheck(R::Width),  boxCheck(R::Fluid),   boxCheck(R::Depth),
                                           boxCheck(R::Height), listCheck(R::Width),  listCheck(R::Depth),
                                           listCheck(R::Fluid), listCheck(R::Height), listCheck(R::Answer)};
// The flat elliptical tab asks for its depth first.
constexpr TankCheck kEllipticalFlatChecks[] = {boxCheck(R::Depth),  boxCheck(R::Width),   boxCheck(R::Fluid),
                                               boxCheck(R::Height), listCheck(R::Width),  listCheck(R::Depth),
                                               listCheck(R::Fluid), listCheck(R::Height), listCheck(R::Answer)};

using Headers = std::array<HeaderLine, 3>;

// A tab's header pieces: a row's number and its unit.
struct Pieces {
  const TankRows& rows;
  HeaderPiece n(TankRole role) const { return numOf(rows, role); }
  HeaderPiece u(TankRole role) const { return unitOf(rows, role); }
};

const char* const kCylindricalWith = "These dimensions are for a Vertical Cylindrical Tank with";

Headers circularHeaders(const Pieces& p, const char* diameterOf, const char* bottomOf) {
  return {HeaderLine{lit(kCylindricalWith)},
          HeaderLine{lit("a Tank Height of "), p.n(R::Height), lit(" "), p.u(R::Height), lit(", with an Internal")},
          HeaderLine{lit(diameterOf), p.n(R::Width), lit(" "), p.u(R::Width), lit(bottomOf), p.n(R::Bottom), lit(" "),
                     p.u(R::Bottom), lit(".")}};
}

// The ellipsoidal and spherical bottoms carry the depth's words to the end of
// the second line.
Headers deepBottomHeaders(const Pieces& p, const char* first, const char* bottomOf) {
  return {HeaderLine{lit(first)},
          HeaderLine{lit("of "), p.n(R::Height), lit(" "), p.u(R::Height), lit(", with a Width of "), p.n(R::Width),
                     lit(" "), p.u(R::Width), lit(" a Depth of")},
          HeaderLine{lit("  "), p.n(R::Depth), lit(" "), p.u(R::Depth), lit(bottomOf), p.n(R::Bottom), lit(" "),
                     p.u(R::Bottom), lit(" ")}};
}

Headers verticalHeaders(Tab tab) {
  const Pieces p{rowsOf(tab)};
  switch (tab) {
    case kFlat:
      return {
          HeaderLine{lit("These dimensions are for a Vertical Cylindrical Tank")},
          HeaderLine{lit("with flat ends and a Tank Height of "), p.n(R::Height), lit(" "), p.u(R::Height), lit(".")},
          HeaderLine{lit("and an Internal Diameter of "), p.n(R::Width), lit(" "), p.u(R::Width)}};
    case kConical:
      return circularHeaders(p, "Diameter of ", " and Conical Length of ");
    case kEllipsoidal:
      return circularHeaders(p, " Diameter of ", " and Ellipsoid Length of ");
    case kSpherical:
      return circularHeaders(p, " Diameter of ", " and Spherical Length of ");
    case kEllipticalFlat:
      return {HeaderLine{lit("These dimensions are for a Vertical Elliptical Tank with flat ends and a Tank Height")},
              HeaderLine{lit("of "), p.n(R::Height), lit(" "), p.u(R::Height), lit(", a Tank Depth of "), p.n(R::Depth),
                         lit(" "), p.u(R::Depth)},
              HeaderLine{lit("and an Tank Width of "), p.n(R::Width), lit(" "), p.u(R::Width)}};
    case kEllipticalConical:
      return {HeaderLine{lit("These dimensions are for a Vertical Elliptical Tank with a Tank Height ")},
              HeaderLine{lit("of "), p.n(R::Height), lit(" "), p.u(R::Height), lit(", with a Width of "), p.n(R::Width),
                         lit(" "), p.u(R::Width)},
              HeaderLine{lit(" a Depth of "), p.n(R::Depth), lit(" "), p.u(R::Depth), lit(" and Conical Length of "),
                         p.n(R::Bottom), lit(" "), p.u(R::Bottom), lit(".")}};
    case kEllipticalEllipsoidal:
      return deepBottomHeaders(p, "These dimensions are for a Vertical Elliptical Tank with a Tank Height ",
                               " and Ellipsoid Length of ");
    case kEllipticalSpherical:
      return deepBottomHeaders(p, "These dimensions are for a Vertical Elliptical Tank with a Height ",
                               " and Spherical Length of ");
  }
  return {};
}

std::span<const TankCheck> verticalChecks(Tab tab) {
  if (tab == kEllipticalFlat) return kEllipticalFlatChecks;
  return tab < kEllipticalFlat ? std::span<const TankCheck>(kCircularChecks) : kEllipticalChecks;
}

}  // namespace

const TankChartProfile& verticalChartProfile(int tab) {
  static const std::vector<TankChartProfile> profiles = [] {
    std::vector<TankChartProfile> all;
    for (std::size_t i = 0; i < verticalTabs().size(); ++i) {
      const Tab t = static_cast<Tab>(i);
      all.push_back(tankChartProfile(rowsOf(t), verticalChecks(t), verticalTabs()[i].calculate, verticalHeaders(t)));
    }
    return all;
  }();
  return profiles.at(static_cast<std::size_t>(tab));
}

const TankPictureInputs* verticalPictureInputs(int tab) {
  static const std::vector<TankPictureInputs> pictures = [] {
    std::vector<TankPictureInputs> all;
    for (const TankTab& t : verticalTabs()) all.push_back(tankPictureInputs(t.shape, t.rows));
    return all;
  }();
  return tab >= 0 && tab < static_cast<int>(pictures.size()) ? &pictures[static_cast<std::size_t>(tab)] : nullptr;
}

}  // namespace calvexa
