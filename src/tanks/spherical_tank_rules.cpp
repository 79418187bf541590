#include "tanks/spherical_tank_rules.h"

#include <array>
#include <cmath>
#include <span>

#include "core/input.h"
#include "tanks/tank_form_rules.h"
#include "tanks/tank_geometry.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {

const char* const kFluidOutsideSphereText =
    "A fluid height above the tank diameter or below zero is not possible. Please type a Fluid Height from 0 up to "
    "the Internal Tank Diameter.";

namespace {

using R = TankRole;

// The rows, top first. The chart steps the diameter: the liquid rises from
// the bottom of the sphere to its top.
const TankRows& sphereRows() {
  static const TankRows rows = {
      {.caption = "Internal Tank Diameter:",
       .box = "TbSphereDiameter",
       .list = "CboSphereDiameter",
       .role = R::Height,
       .valueName = "Internal Tank Diameter",
       .unitMessage = {"An improper Tank Diameter measurement has been chosen. Re-choose a Tank Diameter Unit with "
                       "the mouse."},
       .boxCheck = {"Please type a Spherical Internal Diameter Value"},
       .listCheck = {"Please choose a Sperical Internal Diameter Unit with the mouse"},
       .boxTip = "Enter the tank diameter here",
       .listTip = "Choose the sphere diameter units here"},
      {.caption = "Height of fluid from the Tank Bottom:",
       .box = "TbSphereFluidHeight",
       .list = "CboSphereFluidHeight",
       .role = R::Fluid,
       .reading = SizeReading::Fluid,
       .valueName = "Fluid Height",
       .unitMessage = {"An improper Fluid Height measurement has been chosen. Re-choose a Fluid Height Unit with the "
                       "mouse."},
       .boxCheck = {"Please type a Spherical Tank Height Value"},
       .listCheck = {"Please choose a Spherical Tank Fluid Height Unit with the mouse"},
       .boxTip = "Enter the Fluid height here",
       .listTip = "Choose the fluid height units here"},
      {.box = "TbSphereTankAnswer",
       .list = "CboSphereTankAnswer",
       .role = R::Answer,
       .unitMessage = {"An improper Tank Volume Unit has been chosen.  Re-choose a Tank Volume Unit with the mouse."},
       .listCheck = {"Please choose an Answer Volume Unit with the mouse"},
       .boxTip = "Press Calculate for your answer here",
       .listTip = "Choose the answer units here"},
  };
  return rows;
}

// The diameter and the fluid height, in the order they are read (the
// diameter taken whole, not halved), the answer unit and the answer.
struct SphereInputs {
  std::array<Input, 2> inputs;
  Input answerUnit;
  const char* answer;
  Required fluidTyped;
};

const SphereInputs& sphereInputs() {
  static const SphereInputs in = {
      .inputs = tankInputs(sphereRows(), std::array{R::Height, R::Fluid}),
      .answerUnit = tankInput(tankRow(sphereRows(), R::Answer)),
      .answer = tankRow(sphereRows(), R::Answer).box,
      .fluidTyped = {tankRow(sphereRows(), R::Fluid).box, {"Please enter a Fluid Height"}},
  };
  return in;
}

bool outsideSphere(double h, double D) { return h < 0 || AboveSphere(h, D); }

}  // namespace

Outcome CalcSphericalTank(const Fields& fields) {
  Outcome outcome;
  const SphereInputs& tab = sphereInputs();
  if (!requireTexts(fields, std::span(&tab.fluidTyped, 1), outcome)) return outcome;
  const auto in = readInputs(fields, tab.inputs, outcome);
  if (!in) return outcome;
  const auto& [D, h] = *in;
  // Above the diameter the cap formula falls again (to zero at 1.5 × D, then
  // below); under zero it is no liquid at all. Neither is a volume to show.
  if (outsideSphere(h.value, D.value)) return outcome.show(kFluidOutsideSphereText), outcome;
  Reading unit;
  if (!readInput(fields, tab.answerUnit, unit, outcome)) return outcome;
  writeAnswer(applyFactor(*unit.unit, SphereCapVolume(D.value, h.value)), tab.answer, grouped4Answer, outcome);
  return outcome;
}

const PageForm& sphericalTankForm() {
  static const PageForm form = {
      .key = kSphericalTankWindow,
      .caption = "Spherical Tank Volume",
      .lists = ListKind::Editable,
      .pages = {{
          .heading = "Determine the volume of liquid from the bottom of a spherical tank.",
          .picture = {.name = "Image1",
                      .drawing = tankShapeName(TankShape::Spherical),
                      .source = PictureSource::Window,
                      .width = 200,
                      .height = 200},
          .rows = tankPageRows(sphereRows()),
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

constexpr TankCheck kChecks[] = {boxCheck(R::Height), boxCheck(R::Fluid), listCheck(R::Height), listCheck(R::Fluid),
                                 listCheck(R::Answer)};

TankChartProfile makeSphericalProfile() {
  const TankRows& rows = sphereRows();
  // Only the unit: a cancelled dialog leaves the typed fluid height.
  return tankChartProfile(
      rows, kChecks, CalcSphericalTank,
      {HeaderLine{lit("These dimensions are for a Spherical Tank")},
       HeaderLine{lit("with a Height of "), numOf(rows, R::Height), lit(" "), unitOf(rows, R::Height)},
       HeaderLine{lit(" ")}},
      FluidFill::UnitOnly);
}

}  // namespace

const TankRows& sphericalTankRows(int /*page*/) { return sphereRows(); }

const TankChartProfile& sphericalChartProfile(int /*page*/) {
  static const TankChartProfile profile = makeSphericalProfile();
  return profile;
}

const TankPictureInputs* sphericalPictureInputs(int) {
  static const TankPictureInputs picture = tankPictureInputs(TankShape::Spherical, sphereRows());
  return &picture;
}

}  // namespace calvexa
