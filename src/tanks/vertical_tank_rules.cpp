#include "tanks/vertical_tank_rules.h"

#include <cmath>

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

// ---- Inputs, as each tab reads them --------------------------------------

Input answerUnit(const char* list) {
  return tankVolumeUnit(list,
                        "An improper Calculated Tank Volume Unit has been chosen.  Re-choose a Unit with the mouse.");
}

Input diameter(const char* box, const char* list) {
  return tankLength(box, list, "Internal Tank Diameter",
                    "An improper Internal Tank Diameter measurement has been chosen. Re-choose a Unit with the mouse.");
}
Input tankHeight(const char* box, const char* list) {
  return tankLength(box, list, "Total Tank Height",
                    "An improper Tank Height Unit has been chosen.  Re-choose another Unit with the mouse.");
}
Input fluidHeight(const char* box, const char* list) {
  return tankFluidHeight(box, list,
                         "An improper Liquid Height has been chosen.  Re-choose a Liquid unit with the mouse.");
}
Input ellipticalDepth(const char* box, const char* list, const char* valueName) {
  return tankLength(
      box, list, valueName,
      "An improper Elliptical Depth Diameter measurement has been chosen. Re-choose a Unit with the mouse.");
}

// ---- Circular tanks -------------------------------------------------------

using BottomVolume = double (*)(double D, double h, double H, double a);

struct CircularBottomTab {
  std::array<Input, 4> inputs;  // bottom depth, diameter, total height, fluid height
  Input answerUnit;
  const char* answer;
  BottomVolume volume;
  // A spherical segment is at most a hemisphere of the tank's diameter (or
  // width): a deeper bottom is refused with this message.
  const char* tooDeep = nullptr;
  // Tab 1 reports its inputs and result in one line before a cubic-metre answer.
  bool reportsCubicMetres = false;
};

Outcome circularBottom(const CircularBottomTab& tab, const Fields& fields) {
  Outcome outcome;
  const auto in = readInputs(fields, tab.inputs, outcome);
  if (!in) return outcome;
  const auto& [a, D, H, h] = *in;
  if (h.value > H.value) return outcome.show(kFluidAboveTankText), outcome;
  if (tab.tooDeep && a.value > D.value / 2) return outcome.show(tab.tooDeep), outcome;
  Reading unit;
  if (!readInput(fields, tab.answerUnit, unit, outcome)) return outcome;
  const double V = tab.volume(D.value, h.value, H.value, a.value);
  const double answer = applyFactor(*unit.unit, V);
  if (!acceptAnswer(answer, outcome)) return outcome;
  if (tab.reportsCubicMetres && unit.unit->name == "Cubic Meters")
    outcome.show("Diam = " + generalText(D.value) + ", Flu = " + generalText(h.value) + ", Height = " +
                 generalText(H.value) + ", Con = " + generalText(a.value) + ", Answer = " + generalText(V));
  writeAnswer(answer, tab.answer, generalAnswer, outcome);
  return outcome;
}

const CircularBottomTab kConicalTab = {
    .inputs = {tankLength("TbVerticalConicalHeightC", "CboVerticalConicalHeightC", "Conical Height",
                          "An improper Conical Height measurement has been chosen. Re-choose a Unit with the mouse."),
               diameter("TbVerticalTankDiameterC", "CboVerticalTankDiameterC"),
               tankHeight("TbVerticalTankHeightC", "CboVerticalTankHeightC"),
               fluidHeight("TbVerticalFluidHeightC", "CboVerticalFluidHeightC")},
    .answerUnit = answerUnit("CboVerticalLiquidVolumeC"),
    .answer = "TbVerticalLiquidVolumeC",
    .volume = ConicalBottomVolume,
    .reportsCubicMetres = true,
};

const CircularBottomTab kEllipsoidalTab = {
    .inputs = {tankLength("TbVerticalConicalHeightE", "CboVerticalConicalHeightE", "Ellipsoidal Height",
                          "An improper Ellipsoid Height measurement has been chosen. Re-choose a Unit with the mouse."),
               diameter("TbVerticalTankDiameterE", "CboVerticalTankDiameterE"),
               tankHeight("TbVerticalTankHeightE", "CboVerticalTankHeightE"),
               fluidHeight("TbVerticalFluidHeightE", "CboVerticalFluidHeightE")},
    .answerUnit = answerUnit("CboVerticalLiquidVolumeE"),
    .answer = "TbVerticalLiquidVolumeE",
    .volume = EllipsoidalBottomVolume,
};

const CircularBottomTab kSphericalTab = {
    .inputs = {tankLength("TbVerticalSphericalHeightS", "CboVerticalSphericalHeightS", "Spherical Height",
                          "An improper Spherical Height measurement has been chosen. Re-choose a Unit with the mouse."),
               diameter("TbVerticalTankDiameterS", "CboVerticalTankDiameterS"),
               tankHeight("TbVerticalTankHeightS", "CboVerticalTankHeightS"),
               fluidHeight("TbVerticalFluidHeightS", "CboVerticalFluidHeightS")},
    .answerUnit = answerUnit("CboVerticalLiquidVolumeS"),
    .answer = "TbVerticalLiquidVolumeS",
    .volume = SphericalBottomVolume,
    .tooDeep = kSphericalBottomTooDeepText,
};

// The flat tab halves its diameter on reading.
const std::array<Input, 3> kFlatInputs = {
    tankHalfLength("TbInternalTankDiameter", "CboInternalTankDiameter", "Internal Tank Diameter",
                   "An improper Internal Tank Diameter measurement has been chosen. Re-choose a Unit with the mouse."),
    tankHeight("TbTankHeight", "CboTankHeight"),
    fluidHeight("TbLiquidHeight", "CboLiquidHeight"),
};

// ---- Elliptical tanks -----------------------------------------------------

Input ellipticalWidth(const char* box, const char* list, const char* unitMessage) {
  return tankLength(box, list, "Internal Tank Width", unitMessage);
}
const char* const kEllipticalWidthMessage =
    "An improper Elliptical Width measurement has been chosen. Re-choose a Unit with the mouse.";

struct EllipticalBottomTab {
  std::array<Input, 5> inputs;  // width, bottom depth, depth, total height, fluid height
  Input answerUnit;
  const char* answer;
  BottomVolume volume;
  // A spherical segment is at most a hemisphere of the tank's diameter (or
  // width): a deeper bottom is refused with this message.
  const char* tooDeep = nullptr;
};

Outcome ellipticalBottom(const EllipticalBottomTab& tab, const Fields& fields) {
  Outcome outcome;
  const auto in = readInputs(fields, tab.inputs, outcome);
  if (!in) return outcome;
  const auto& [W, a, Dp, H, h] = *in;
  if (h.value > H.value) return outcome.show(kFluidAboveTankText), outcome;
  if (tab.tooDeep && a.value > W.value / 2) return outcome.show(tab.tooDeep), outcome;
  Reading unit;
  if (!readInput(fields, tab.answerUnit, unit, outcome)) return outcome;
  // The circular tank of diameter W, stretched front to back by Dp ÷ W
  // together with the unit factor, in each unit's own order.
  const double V0 = tab.volume(W.value, h.value, H.value, a.value);
  writeAnswer(*StretchedAnswer(V0, W.value, Dp.value, unit.unit->name), tab.answer, generalAnswer, outcome);
  return outcome;
}

const EllipticalBottomTab kEllipticalConicalTab = {
    .inputs = {ellipticalWidth("TbEllipticalWidthDiameterC", "CboEllipticalWidthDiameterC", kEllipticalWidthMessage),
               tankLength("TbEllipticalConicalHeightC", "CboEllipticalConicalHeightC", "Conical Height",
                          "An improper Conical Length measurement has been chosen. Re-choose a Unit with the mouse."),
               ellipticalDepth("TbEllipticalDepthDiameterC", "CboEllipticalDepthDiameterC", "Internal Tank Depth"),
               tankHeight("TbEllipticalTankHeightC", "CboEllipticalTankHeightC"),
               fluidHeight("TbEllipticalLiquidHeightC", "CboEllipticalLiquidHeightC")},
    .answerUnit = answerUnit("CboEllipticalLiquidAnswerC"),
    .answer = "TbEllipticalLiquidAnswerC",
    .volume = ConicalBottomVolume,
};

const EllipticalBottomTab kEllipticalEllipsoidalTab = {
    .inputs = {ellipticalWidth("TbEllipticalWidthDiameterE", "CboEllipticalWidthDiameterE", kEllipticalWidthMessage),
               tankLength("TbEllipticalEllipsoidlHeightE", "CboEllipticalEllipsoidlHeightE", "Ellipsoid Height",
                          "An improper Ellipsoid Length measurement has been chosen. Re-choose a Unit with the mouse."),
               ellipticalDepth("TbEllipticalDepthDiameterE", "CboEllipticalDepthDiameterE", "Internal Tank Depth"),
               tankHeight("TbEllipticalTankHeightE", "CboEllipticalTankHeightE"),
               fluidHeight("TbEllipticalLiquidHeightE", "CboEllipticalLiquidHeightE")},
    .answerUnit = answerUnit("CboEllipticalLiquidAnswerE"),
    .answer = "TbEllipticalLiquidAnswerE",
    .volume = EllipsoidalBottomVolume,
};

const EllipticalBottomTab kEllipticalSphericalTab = {
    .inputs = {ellipticalWidth("TbEllipticalWidthDiameterS", "CboEllipticalWidthDiameterS",
                               "An improper Width measurement has been chosen. Re-choose a Unit with the mouse."),
               tankLength("TbEllipticalSphericalHeightS", "CboEllipticalSphericalHeightS", "Spherical Height",
                          "An improper Spherical Length measurement has been chosen. Re-choose a Unit with the mouse."),
               ellipticalDepth("TbEllipticalDepthDiameterS", "CboEllipticalDepthDiameterS", "Internal Tank Depth"),
               tankHeight("TbEllipticalTankHeightS", "CboEllipticalTankHeightS"),
               fluidHeight("TbEllipticalLiquidHeightS", "CboEllipticalLiquidHeightS")},
    .answerUnit = answerUnit("CboEllipticalLiquidAnswerS"),
    .answer = "TbEllipticalLiquidAnswerS",
    .volume = SphericalBottomVolume,
    .tooDeep = kEllipticalSphericalBottomTooDeepText,
};

}  // namespace

Outcome CalcVerticalFlat(const Fields& fields) {
  Outcome outcome;
  const auto in = readInputs(fields, kFlatInputs, outcome);
  if (!in) return outcome;
  const auto& [r, H, h] = *in;
  if (h.value > H.value) return outcome.show(kFluidAboveTankText), outcome;
  const double V = VerticalFlatVolume(r.value, h.value);
  Reading unit;
  if (!readInput(fields, answerUnit("CboTankLiquidAnswer"), unit, outcome)) return outcome;
  writeAnswer(applyFactor(*unit.unit, V), "TbTankLiquidAnswer", generalAnswer, outcome);
  return outcome;
}

Outcome CalcVerticalConical(const Fields& fields) { return circularBottom(kConicalTab, fields); }
Outcome CalcVerticalEllipsoidal(const Fields& fields) { return circularBottom(kEllipsoidalTab, fields); }
Outcome CalcVerticalSpherical(const Fields& fields) { return circularBottom(kSphericalTab, fields); }

Outcome CalcVerticalEllipticalFlat(const Fields& fields) {
  static const std::array<Input, 4> inputs = {
      ellipticalWidth("TbEllipticalWidthDiameterF", "CboEllipticalWidthDiameterF", kEllipticalWidthMessage),
      ellipticalDepth("TbEllipticalDepthDiameterF", "CboEllipticalDepthDiameterF", "Total Tank Depth"),
      tankHeight("TbEllipticalTankHeightF", "CboEllipticalTankHeightF"),
      fluidHeight("TbEllipticalLiquidHeightF", "CboEllipticalLiquidHeightF"),
  };
  Outcome outcome;
  const auto in = readInputs(fields, inputs, outcome);
  if (!in) return outcome;
  const auto& [W, Dp, H, h] = *in;
  if (h.value > H.value) return outcome.show(kFluidAboveTankText), outcome;
  Reading unit;
  if (!readInput(fields, answerUnit("CboEllipticalLiquidAnswerF"), unit, outcome)) return outcome;
  writeAnswer(applyFactor(*unit.unit, VerticalEllipticalFlatVolume(W.value, Dp.value, h.value)),
              "TbEllipticalLiquidAnswerF", generalAnswer, outcome);
  return outcome;
}

Outcome CalcVerticalEllipticalConical(const Fields& fields) { return ellipticalBottom(kEllipticalConicalTab, fields); }
Outcome CalcVerticalEllipticalEllipsoidal(const Fields& fields) {
  return ellipticalBottom(kEllipticalEllipsoidalTab, fields);
}
Outcome CalcVerticalEllipticalSpherical(const Fields& fields) {
  return ellipticalBottom(kEllipticalSphericalTab, fields);
}

}  // namespace calvexa

namespace calvexa {
namespace {

// ---- The window ------------------------------------------------------------

PagePicture drawing(const char* name, const char* shape) {
  return {.name = name, .drawing = shape, .source = PictureSource::Window, .width = 183, .height = 290};
}

}  // namespace

const PageForm& verticalTankForm() {
  static const PageForm form =
      {
          .key = kVerticalTankWindow,
          .caption = "Vertical Tank Calculations",
          .tabs = "SSTab1",
          .tabsPerRow = 2,
          .firstTab = 7,
          .pages =
              {
                  {.tab = "Vertical Tank (Flat)",
                   .heading = "Determine the liquid volume from the flat tank bottom of a circular vertical tank",
                   .picture = drawing("Picture1", "vertical-flat"),
                   .rows = {tankLengthRow("Internal Tank Diameter:", "TbInternalTankDiameter",
                                          "CboInternalTankDiameter"),
                            tankLengthRow("Total Tank Height:", "TbTankHeight", "CboTankHeight"),
                            tankLengthRow("Fluid Height:", "TbLiquidHeight", "CboLiquidHeight"),
                            tankAnswerRow("TbTankLiquidAnswer", "CboTankLiquidAnswer")},
                   .buttons = tankButtons("CmdCalcVerticalTankVol", "CmdPrintVerticalTankFlat"),
                   .calculate = CalcVerticalFlat},
                  {.tab = "Vertical Tank (C)",
                   .heading = "Determine the volume in a circular vertical tank with a conical bottom",
                   .picture = drawing("Picture2", "vertical-conical"),
                   .rows =
                       {tankLengthRow("Internal Tank Diameter:", "TbVerticalTankDiameterC", "CboVerticalTankDiameterC"),
                        tankLengthRow("Total Tank Height:", "TbVerticalTankHeightC", "CboVerticalTankHeightC"),
                        tankLengthRow("Fluid Height:", "TbVerticalFluidHeightC", "CboVerticalFluidHeightC"),
                        tankLengthRow("Conical Height: (a)", "TbVerticalConicalHeightC", "CboVerticalConicalHeightC"),
                        tankAnswerRow("TbVerticalLiquidVolumeC", "CboVerticalLiquidVolumeC")},
                   .buttons = tankButtons("CmdCalcVerticalTankC", "CmdPrintVerticalTankC"),
                   .calculate = CalcVerticalConical},
                  {.tab = "Vertical Tank (E)",
                   .heading = "Determine the volume in a circular vertical tank with an Ellipsoidal bottom",
                   .picture = drawing("Picture3", "vertical-ellipsoidal"),
                   .rows = {tankLengthRow("Internal Tank Diameter:", "TbVerticalTankDiameterE",
                                          "CboVerticalTankDiameterE"),
                            tankLengthRow("Total Tank Height:", "TbVerticalTankHeightE", "CboVerticalTankHeightE"),
                            tankLengthRow("Fluid Height:", "TbVerticalFluidHeightE", "CboVerticalFluidHeightE"),
                            tankLengthRow("Ellipsoidal Height: (a)", "TbVerticalConicalHeightE",
                                          "CboVerticalConicalHeightE"),
                            tankAnswerRow("TbVerticalLiquidVolumeE", "CboVerticalLiquidVolumeE")},
                   .buttons = tankButtons("CmdCalcVerticalTankE", "CmdPrintVerticalTankE"),
                   .calculate = CalcVerticalEllipsoidal},
                  {.tab = "Vertical Tank (S)",
                   .heading = "Determine the volume in a circular vertical tank with a spherical bottom",
                   .picture = drawing("Picture4", "vertical-spherical"),
                   .rows = {tankLengthRow("Internal Tank Diameter:", "TbVerticalTankDiameterS",
                                          "CboVerticalTankDiameterS"),
                            tankLengthRow("Total Tank Height:", "TbVerticalTankHeightS", "CboVerticalTankHeightS"),
                            tankLengthRow("Fluid Height:", "TbVerticalFluidHeightS", "CboVerticalFluidHeightS"),
                            tankLengthRow("Spherical Height: (a)", "TbVerticalSphericalHeightS",
                                          "CboVerticalSphericalHeightS"),
                            tankAnswerRow("TbVerticalLiquidVolumeS", "CboVerticalLiquidVolumeS")},
                   .buttons = tankButtons("CmdCalcVerticalTankS", "CmdPrintVerticalTankS"),
                   .calculate = CalcVerticalSpherical},
                  {.tab = "Elliptical Tank (Flat)",
                   .heading = "Determine the liquid volume from the flat tank bottom of an Elliptical vertical tank",
                   .picture = drawing("Picture5", "elliptical-flat"),
                   .rows = {tankLengthRow("Internal Tank Width:", "TbEllipticalWidthDiameterF",
                                          "CboEllipticalWidthDiameterF"),
                            tankLengthRow("Total Tank Depth:", "TbEllipticalDepthDiameterF",
                                          "CboEllipticalDepthDiameterF"),
                            tankLengthRow("Total Tank Height:", "TbEllipticalTankHeightF", "CboEllipticalTankHeightF"),
                            tankLengthRow("Fluid Height:", "TbEllipticalLiquidHeightF", "CboEllipticalLiquidHeightF"),
                            tankAnswerRow("TbEllipticalLiquidAnswerF", "CboEllipticalLiquidAnswerF")},
                   .buttons = tankButtons("CmdCalcEllipticalTankVolF", "CmdPrintEllipticalTankVolF"),
                   .calculate = CalcVerticalEllipticalFlat},
                  {.tab = "Elliptical Tank (C)",
                   .heading = "Determine the volume in an Elliptical vertical tank with a conical bottom",
                   .picture = drawing("Picture6", "elliptical-conical"),
                   .rows = {tankLengthRow("Internal Tank Width:", "TbEllipticalWidthDiameterC",
                                          "CboEllipticalWidthDiameterC"),
                            tankLengthRow("Internal Tank Depth:", "TbEllipticalDepthDiameterC",
                                          "CboEllipticalDepthDiameterC"),
                            tankLengthRow("Total Tank Height:", "TbEllipticalTankHeightC", "CboEllipticalTankHeightC"),
                            tankLengthRow("Fluid Height:", "TbEllipticalLiquidHeightC", "CboEllipticalLiquidHeightC"),
                            tankLengthRow("Conical Height: (a)", "TbEllipticalConicalHeightC",
                                          "CboEllipticalConicalHeightC"),
                            tankAnswerRow("TbEllipticalLiquidAnswerC", "CboEllipticalLiquidAnswerC")},
                   .buttons = tankButtons("CmdCalcEllipticalTankVolC", "CmdPrintEllipticalTankVolC"),
                   .calculate = CalcVerticalEllipticalConical},
                  {.tab = "Elliptical Tank (E)",
                   .heading = "Determine the volume in an Elliptical vertical tank with an ellipsoid bottom",
                   .picture = drawing("Picture7", "elliptical-ellipsoidal"),
                   .rows = {tankLengthRow("Internal Tank Width:", "TbEllipticalWidthDiameterE",
                                          "CboEllipticalWidthDiameterE"),
                            tankLengthRow("Internal Tank Depth:", "TbEllipticalDepthDiameterE",
                                          "CboEllipticalDepthDiameterE"),
                            tankLengthRow("Total Tank Height:", "TbEllipticalTankHeightE", "CboEllipticalTankHeightE"),
                            tankLengthRow("Fluid Height:", "TbEllipticalLiquidHeightE", "CboEllipticalLiquidHeightE"),
                            tankLengthRow("Ellipsoid Height: (a)", "TbEllipticalEllipsoidlHeightE",
                                          "CboEllipticalEllipsoidlHeightE"),
                            tankAnswerRow("TbEllipticalLiquidAnswerE", "CboEllipticalLiquidAnswerE")},
                   .buttons = tankButtons("CmdCalcEllipticalTankVolE", "CmdPrintEllipticalTankVolE"),
                   .calculate = CalcVerticalEllipticalEllipsoidal},
                  {.tab = "Elliptical Tank (S)",
                   .heading = "Determine the volume in an Elliptical vertical tank with an ellipsoid bottom",
                   .picture = drawing("Picture8", "elliptical-spherical"),
                   .rows = {tankLengthRow("Internal Tank Width:", "TbEllipticalWidthDiameterS",
                                          "CboEllipticalWidthDiameterS"),
                            tankLengthRow("Internal Tank Depth:", "TbEllipticalDepthDiameterS",
                                          "CboEllipticalDepthDiameterS"),
                            tankLengthRow("Total Tank Height:", "TbEllipticalTankHeightS", "CboEllipticalTankHeightS"),
                            tankLengthRow("Fluid Height:", "TbEllipticalLiquidHeightS", "CboEllipticalLiquidHeightS"),
                            tankLengthRow("Spherical Height: (a)", "TbEllipticalSphericalHeightS",
                                          "CboEllipticalSphericalHeightS"),
                            tankAnswerRow("TbEllipticalLiquidAnswerS", "CboEllipticalLiquidAnswerS")},
                   .buttons = tankButtons("CmdCalcEllipticalTankVolS", "CmdPrintEllipticalTankVolS"),
                   .calculate = CalcVerticalEllipticalSpherical},
              },
      };
  return form;
}

namespace {

// ---- Charts ----------------------------------------------------------------

const char* const kFluidValue = "Please type a Fluid Height value";
const char* const kTankHeightValue = "Please type a Tank Height value";
const char* const kFluidUnit = "Please choose a Fluid Height Unit with the mouse";
const char* const kTankHeightUnit = "Please choose a Tank Height Unit with the mouse";
const char* const kAnswerUnit = "Please choose an Answer Volume Unit with the mouse";

// The circular tabs: the checks in order, and the boxes of the tab.
struct CircularNames {
  const char* diameter;
  const char* diameterUnit;
  const char* height;
  const char* heightUnit;
  const char* fluid;
  const char* fluidUnit;
  const char* answerUnit;
  const char* answer;
};

TankChartProfile circularProfile(const CircularNames& n, Calculation calculate, std::array<HeaderLine, 3> headers) {
  return {
      .required = {requiredBox(n.diameter, "Please type a Vertical Internal Diameter Value", "Internal Tank Diameter"),
                   requiredBox(n.fluid, kFluidValue, "Fluid Height"),
                   requiredBox(n.height, kTankHeightValue, "Total Tank Height"),
                   requiredList(n.diameterUnit, "Please choose a Vertical Internal Diameter Unit with the mouse"),
                   requiredList(n.fluidUnit, kFluidUnit), requiredList(n.heightUnit, kTankHeightUnit),
                   requiredList(n.answerUnit, kAnswerUnit)},
      .steppedBox = n.height,
      .steppedList = n.heightUnit,
      .fluidBox = n.fluid,
      .fluidList = n.fluidUnit,
      .answerList = n.answerUnit,
      .calculate = calculate,
      .answer = n.answer,
      .headers = std::move(headers)};
}

struct EllipticalNames {
  const char* width;
  const char* widthUnit;
  const char* depth;
  const char* depthUnit;
  const char* height;
  const char* heightUnit;
  const char* fluid;
  const char* fluidUnit;
  const char* answerUnit;
  const char* answer;
};

// The checks of the elliptical tabs with a bottom.
std::vector<ChartCheck> ellipticalChecks(const EllipticalNames& n) {
  return {requiredBox(n.width, "Please type an Internal Width Diameter Value", "Internal Tank Width"),
          requiredBox(n.fluid, kFluidValue, "Fluid Height"),
          requiredBox(n.depth, "Please type an Internal Depth Diameter Value", "Internal Tank Depth"),
          requiredBox(n.height, kTankHeightValue, "Total Tank Height"),
          requiredList(n.widthUnit, "Please choose an Elliptical Width Diameter Unit with the mouse"),
          requiredList(n.depthUnit, "Please choose an Elliptical Depth Diameter Unit with the mouse"),
          requiredList(n.fluidUnit, kFluidUnit),
          requiredList(n.heightUnit, kTankHeightUnit),
          requiredList(n.answerUnit, kAnswerUnit)};
}

TankChartProfile ellipticalProfile(const EllipticalNames& n, Calculation calculate, std::array<HeaderLine, 3> headers,
                                   std::vector<ChartCheck> required) {
  return {.required = std::move(required),
          .steppedBox = n.height,
          .steppedList = n.heightUnit,
          .fluidBox = n.fluid,
          .fluidList = n.fluidUnit,
          .answerList = n.answerUnit,
          .calculate = calculate,
          .answer = n.answer,
          .headers = std::move(headers)};
}

const char* const kCylindricalWith = "These dimensions are for a Vertical Cylindrical Tank with";

std::vector<TankChartProfile> verticalProfiles() {
  const CircularNames flat = {"TbInternalTankDiameter", "CboInternalTankDiameter", "TbTankHeight",
                              "CboTankHeight",          "TbLiquidHeight",          "CboLiquidHeight",
                              "CboTankLiquidAnswer",    "TbTankLiquidAnswer"};
  const CircularNames c = {"TbVerticalTankDiameterC",  "CboVerticalTankDiameterC", "TbVerticalTankHeightC",
                           "CboVerticalTankHeightC",   "TbVerticalFluidHeightC",   "CboVerticalFluidHeightC",
                           "CboVerticalLiquidVolumeC", "TbVerticalLiquidVolumeC"};
  const CircularNames e = {"TbVerticalTankDiameterE",  "CboVerticalTankDiameterE", "TbVerticalTankHeightE",
                           "CboVerticalTankHeightE",   "TbVerticalFluidHeightE",   "CboVerticalFluidHeightE",
                           "CboVerticalLiquidVolumeE", "TbVerticalLiquidVolumeE"};
  const CircularNames s = {"TbVerticalTankDiameterS",  "CboVerticalTankDiameterS", "TbVerticalTankHeightS",
                           "CboVerticalTankHeightS",   "TbVerticalFluidHeightS",   "CboVerticalFluidHeightS",
                           "CboVerticalLiquidVolumeS", "TbVerticalLiquidVolumeS"};
  const EllipticalNames ef = {"TbEllipticalWidthDiameterF", "CboEllipticalWidthDiameterF",
                              "TbEllipticalDepthDiameterF", "CboEllipticalDepthDiameterF",
                              "TbEllipticalTankHeightF",    "CboEllipticalTankHeightF",
                              "TbEllipticalLiquidHeightF",  "CboEllipticalLiquidHeightF",
                              "CboEllipticalLiquidAnswerF", "TbEllipticalLiquidAnswerF"};
  const EllipticalNames ec = {"TbEllipticalWidthDiameterC", "CboEllipticalWidthDiameterC",
                              "TbEllipticalDepthDiameterC", "CboEllipticalDepthDiameterC",
                              "TbEllipticalTankHeightC",    "CboEllipticalTankHeightC",
                              "TbEllipticalLiquidHeightC",  "CboEllipticalLiquidHeightC",
                              "CboEllipticalLiquidAnswerC", "TbEllipticalLiquidAnswerC"};
  const EllipticalNames ee = {"TbEllipticalWidthDiameterE", "CboEllipticalWidthDiameterE",
                              "TbEllipticalDepthDiameterE", "CboEllipticalDepthDiameterE",
                              "TbEllipticalTankHeightE",    "CboEllipticalTankHeightE",
                              "TbEllipticalLiquidHeightE",  "CboEllipticalLiquidHeightE",
                              "CboEllipticalLiquidAnswerE", "TbEllipticalLiquidAnswerE"};
  const EllipticalNames es = {"TbEllipticalWidthDiameterS", "CboEllipticalWidthDiameterS",
                              "TbEllipticalDepthDiameterS", "CboEllipticalDepthDiameterS",
                              "TbEllipticalTankHeightS",    "CboEllipticalTankHeightS",
                              "TbEllipticalLiquidHeightS",  "CboEllipticalLiquidHeightS",
                              "CboEllipticalLiquidAnswerS", "TbEllipticalLiquidAnswerS"};

  // Tab 4 checks its boxes in an order of its own, with its own texts.
  TankChartProfile flatElliptical = ellipticalProfile(
      ef, CalcVerticalEllipticalFlat,
      {HeaderLine{lit("These dimensions are for a Vertical Elliptical Tank with flat ends and a Tank Height")},
       HeaderLine{lit("of "), num(ef.height), lit(" "), unit(ef.heightUnit), lit(", a Tank Depth of "), num(ef.depth),
                  lit(" "), unit(ef.depthUnit)},
       HeaderLine{lit("and an Tank Width of "), num(ef.width), lit(" "), unit(ef.widthUnit)}},
      {requiredBox(ef.depth, "Please type a Tank Depth Value", "Total Tank Depth"),
       requiredBox(ef.width, "Please type a Tank Width value", "Internal Tank Width"),
       requiredBox(ef.fluid, kFluidValue, "Fluid Height"),
       requiredBox(ef.height, kTankHeightValue, "Total Tank Height"),
       requiredList(ef.widthUnit, "Please choose an Elliptical Width Unit with the mouse"),
       requiredList(ef.depthUnit, "Please choose an Elliptical Depth Unit with the mouse"),
       requiredList(ef.fluidUnit, kFluidUnit), requiredList(ef.heightUnit, kTankHeightUnit),
       requiredList(ef.answerUnit, kAnswerUnit)});

  auto secondOf = [](const CircularNames& n) {
    return HeaderLine{lit("a Tank Height of "), num(n.height), lit(" "), unit(n.heightUnit), lit(", with an Internal")};
  };
  auto ellipticalSecond = [](const EllipticalNames& n) {
    return HeaderLine{lit("of "),   num(n.height), lit(" "),          unit(n.heightUnit), lit(", with a Width of "),
                      num(n.width), lit(" "),      unit(n.widthUnit), lit(" a Depth of")};
  };
  return {
      circularProfile(
          flat, CalcVerticalFlat,
          {HeaderLine{lit("These dimensions are for a Vertical Cylindrical Tank")},
           HeaderLine{lit("with flat ends and a Tank Height of "), num(flat.height), lit(" "), unit(flat.heightUnit),
                      lit(".")},
           HeaderLine{lit("and an Internal Diameter of "), num(flat.diameter), lit(" "), unit(flat.diameterUnit)}}),
      circularProfile(c, CalcVerticalConical,
                      {HeaderLine{lit(kCylindricalWith)}, secondOf(c),
                       HeaderLine{lit("Diameter of "), num(c.diameter), lit(" "), unit(c.diameterUnit),
                                  lit(" and Conical Length of "), num("TbVerticalConicalHeightC"), lit(" "),
                                  unit("CboVerticalConicalHeightC"), lit(".")}}),
      circularProfile(e, CalcVerticalEllipsoidal,
                      {HeaderLine{lit(kCylindricalWith)}, secondOf(e),
                       HeaderLine{lit(" Diameter of "), num(e.diameter), lit(" "), unit(e.diameterUnit),
                                  lit(" and Ellipsoid Length of "), num("TbVerticalConicalHeightE"), lit(" "),
                                  unit("CboVerticalConicalHeightE"), lit(".")}}),
      circularProfile(s, CalcVerticalSpherical,
                      {HeaderLine{lit(kCylindricalWith)}, secondOf(s),
                       HeaderLine{lit(" Diameter of "), num(s.diameter), lit(" "), unit(s.diameterUnit),
                                  lit(" and Spherical Length of "), num("TbVerticalSphericalHeightS"), lit(" "),
                                  unit("CboVerticalSphericalHeightS"), lit(".")}}),
      std::move(flatElliptical),
      ellipticalProfile(
          ec, CalcVerticalEllipticalConical,
          {HeaderLine{lit("These dimensions are for a Vertical Elliptical Tank with a Tank Height ")},
           HeaderLine{lit("of "), num(ec.height), lit(" "), unit(ec.heightUnit), lit(", with a Width of "),
                      num(ec.width), lit(" "), unit(ec.widthUnit)},
           HeaderLine{lit(" a Depth of "), num(ec.depth), lit(" "), unit(ec.depthUnit), lit(" and Conical Length of "),
                      num("TbEllipticalConicalHeightC"), lit(" "), unit("CboEllipticalConicalHeightC"), lit(".")}},
          ellipticalChecks(ec)),
      ellipticalProfile(ee, CalcVerticalEllipticalEllipsoidal,
                        {HeaderLine{lit("These dimensions are for a Vertical Elliptical Tank with a Tank Height ")},
                         ellipticalSecond(ee),
                         HeaderLine{lit("  "), num(ee.depth), lit(" "), unit(ee.depthUnit),
                                    lit(" and Ellipsoid Length of "), num("TbEllipticalEllipsoidlHeightE"), lit(" "),
                                    unit("CboEllipticalEllipsoidlHeightE"), lit(" ")}},
                        ellipticalChecks(ee)),
      ellipticalProfile(
          es, CalcVerticalEllipticalSpherical,
          {HeaderLine{lit("These dimensions are for a Vertical Elliptical Tank with a Height ")}, ellipticalSecond(es),
           HeaderLine{lit("  "), num(es.depth), lit(" "), unit(es.depthUnit), lit(" and Spherical Length of "),
                      num("TbEllipticalSphericalHeightS"), lit(" "), unit("CboEllipticalSphericalHeightS"), lit(" ")}},
          ellipticalChecks(es)),
  };
}

}  // namespace

const TankChartProfile& verticalChartProfile(int tab) {
  static const std::vector<TankChartProfile> profiles = verticalProfiles();
  return profiles.at(static_cast<std::size_t>(tab));
}

}  // namespace calvexa

namespace calvexa {

// The rows of each tab, top first: diameter, total height, fluid height and
// bottom; or width, depth, total height, fluid height and bottom.
const TankPictureInputs* verticalPictureInputs(int tab) {
  using S = TankShape;
  static const TankPictureInputs pictures[] = {
      {.shape = S::VerticalFlat, .width = 0, .height = 1, .fluid = 2},
      {.shape = S::VerticalConical, .width = 0, .height = 1, .bottom = 3, .fluid = 2},
      {.shape = S::VerticalEllipsoidal, .width = 0, .height = 1, .bottom = 3, .fluid = 2},
      {.shape = S::VerticalSpherical, .width = 0, .height = 1, .bottom = 3, .fluid = 2},
      {.shape = S::EllipticalFlat, .width = 0, .depth = 1, .height = 2, .fluid = 3},
      {.shape = S::EllipticalConical, .width = 0, .depth = 1, .height = 2, .bottom = 4, .fluid = 3},
      {.shape = S::EllipticalEllipsoidal, .width = 0, .depth = 1, .height = 2, .bottom = 4, .fluid = 3},
      {.shape = S::EllipticalSpherical, .width = 0, .depth = 1, .height = 2, .bottom = 4, .fluid = 3},
  };
  return tab >= 0 && tab < 8 ? &pictures[tab] : nullptr;
}

}  // namespace calvexa
