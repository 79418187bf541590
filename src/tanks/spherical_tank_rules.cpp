#include "tanks/spherical_tank_rules.h"

#include <array>
#include <cmath>

#include "core/input.h"
#include "tanks/tank_form_rules.h"
#include "tanks/tank_geometry.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {

const char* const kFluidOutsideSphereText =
    "A fluid height above the tank diameter or below zero is not possible. Please type a Fluid Height from 0 up to "
    "the Internal Tank Diameter.";

namespace {

// Diameter and fluid height, in the order they are read; the diameter is
// taken whole (LengthToMetres), not halved.
const std::array<Input, 2> kSphereInputs = {
    tankLength("TbSphereDiameter", "CboSphereDiameter", "Internal Tank Diameter",
               "An improper Tank Diameter measurement has been chosen. Re-choose a Tank Diameter Unit with the mouse."),
    tankFluidHeight(
        "TbSphereFluidHeight", "CboSphereFluidHeight",
        "An improper Fluid Height measurement has been chosen. Re-choose a Fluid Height Unit with the mouse."),
};

const Input kSphereAnswerUnit =
    tankVolumeUnit("CboSphereTankAnswer",
                   "An improper Tank Volume Unit has been chosen.  Re-choose a Tank Volume Unit with the mouse.");

const Required kFluidHeightTyped[] = {{"TbSphereFluidHeight", {"Please enter a Fluid Height"}}};

bool outsideSphere(double h, double D) { return h < 0 || AboveSphere(h, D); }

}  // namespace

Outcome CalcSphericalTank(const Fields& fields) {
  Outcome outcome;
  if (!requireTexts(fields, kFluidHeightTyped, outcome)) return outcome;
  const auto in = readInputs(fields, kSphereInputs, outcome);
  if (!in) return outcome;
  const auto& [D, h] = *in;
  // Above the diameter the cap formula falls again (to zero at 1.5 × D, then
  // below); under zero it is no liquid at all. Neither is a volume to show.
  if (outsideSphere(h.value, D.value)) return outcome.show(kFluidOutsideSphereText), outcome;
  Reading unit;
  if (!readInput(fields, kSphereAnswerUnit, unit, outcome)) return outcome;
  writeAnswer(applyFactor(*unit.unit, SphereCapVolume(D.value, h.value)), "TbSphereTankAnswer", grouped4Answer,
              outcome);
  return outcome;
}

namespace {

// ---- The window ------------------------------------------------------------

}  // namespace

const PageForm& sphericalTankForm() {
  static const PageForm form = {
      .key = kSphericalTankWindow,
      .caption = "Spherical Tank Volume",
      .lists = ListKind::Editable,
      .pages = {{
          .heading = "Determine the volume of liquid from the bottom of a spherical tank.",
          .picture =
              {.name = "Image1", .drawing = "spherical", .source = PictureSource::Window, .width = 200, .height = 200},
          .rows =
              {
                  tankLengthRow("Internal Tank Diameter:", "TbSphereDiameter", "CboSphereDiameter",
                                "Enter the tank diameter here", "Choose the sphere diameter units here"),
                  tankLengthRow("Height of fluid from the Tank Bottom:", "TbSphereFluidHeight", "CboSphereFluidHeight",
                                "Enter the Fluid height here", "Choose the fluid height units here"),
                  tankAnswerRow("TbSphereTankAnswer", "CboSphereTankAnswer", "Press Calculate for your answer here",
                                "Choose the answer units here"),
              },
          .buttons = {{.name = "CmdSphereTankCalc", .caption = "&Calculate", .tip = "Press to calculate the answer"},
                      {.name = "CmdPrintSphereCalculation",
                       .caption = "&Print Chart with Data",
                       .tip = "Press to print this tanks graduated levels",
                       .action = ButtonAction::Window}},
          .calculate = CalcSphericalTank,
      }},
  };
  return form;
}

namespace {

// ---- The chart ---------------------------------------------------------------

TankChartProfile makeSphericalProfile() {
  return {
      .required = {requiredBox("TbSphereDiameter", "Please type a Spherical Internal Diameter Value",
                               "Internal Tank Diameter"),
                   requiredBox("TbSphereFluidHeight", "Please type a Spherical Tank Height Value", "Fluid Height"),
                   requiredList("CboSphereDiameter", "Please choose a Sperical Internal Diameter Unit with the mouse"),
                   requiredList("CboSphereFluidHeight",
                                "Please choose a Spherical Tank Fluid Height Unit with the mouse"),
                   requiredList("CboSphereTankAnswer", "Please choose an Answer Volume Unit with the mouse")},
      // The chart steps the diameter: the liquid rises from the bottom of
      // the sphere to its top.
      .steppedBox = "TbSphereDiameter",
      .steppedList = "CboSphereDiameter",
      .fluidBox = "TbSphereFluidHeight",
      .fluidList = "CboSphereFluidHeight",
      .answerList = "CboSphereTankAnswer",
      .calculate = CalcSphericalTank,
      .answer = "TbSphereTankAnswer",
      .headers = {HeaderLine{lit("These dimensions are for a Spherical Tank")},
                  HeaderLine{lit("with a Height of "), num("TbSphereDiameter"), lit(" "), unit("CboSphereDiameter")},
                  HeaderLine{lit(" ")}},
      // Only the unit: a cancelled dialog leaves the typed fluid height.
      .fill = FluidFill::UnitOnly,
  };
}

}  // namespace

const TankChartProfile& sphericalChartProfile(int /*page*/) {
  static const TankChartProfile profile = makeSphericalProfile();
  return profile;
}

// The rows, top first: diameter, fluid height.
const TankPictureInputs* sphericalPictureInputs(int) {
  static const TankPictureInputs picture = {.shape = TankShape::Spherical, .height = 0, .fluid = 1};
  return &picture;
}

}  // namespace calvexa
