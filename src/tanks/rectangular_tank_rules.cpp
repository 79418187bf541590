#include "tanks/rectangular_tank_rules.h"

#include <array>
#include <cmath>
#include <utility>

#include "core/input.h"
#include "core/number_text.h"
#include "tanks/tank_form_rules.h"
#include "tanks/tank_geometry.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {

const char* const kRectangularNoVolumeText =
    "The tank height is zero, or the sizes are too large to give a volume\r\nPlease try again";

namespace {

// This window's refusals carry the information icon and the title "Error";
// only the fluid height's unit has the plain box.
Message error(const char* text) { return {.text = text, .title = "Error", .icon = Icon::Information}; }

using R = TankRole;

// The rows, top first. The width is the picture's depth, front to back.
const TankRows& rectangularRows() {
  static const TankRows rows = {
      {.caption = "Rectangular Length:",
       .box = "TbSquareLength",
       .list = "CboSquareLength",
       .role = R::Length,
       .valueName = "Rectangular Length",
       .unitMessage = error("An improper Length unit has been chosen.\r\nRe-choose a Unit with the mouse"),
       .boxCheck = error("Please type a Rectangular Tank Length Value"),
       .listCheck = error("Please choose a Rectangular Tank Length Unit with the mouse"),
       .boxTip = "Enter the rectangular length here",
       .listTip = "Choose the rectangular length units here"},
      {.caption = "Rectangular Width:",
       .box = "TbSquareWidth",
       .list = "CboSquareWidth",
       .role = R::Depth,
       .valueName = "Rectangular Width",
       .unitMessage = error("An improper Width measurement has been chosen.\r\nRe-choose a Unit with the mouse"),
       .boxCheck = error("Please type a Rectangular Tank Width Value"),
       .listCheck = error("Please choose a Rectangular Tank Width Unit with the mouse"),
       .boxTip = "Enter the rectangular width here",
       .listTip = "Choose the rectangular width units here"},
      {.caption = "Rectangular Height:",
       .box = "TbSquareHeight",
       .list = "CboSquareHeight",
       .role = R::Height,
       .valueName = "Rectangular Height",
       .unitMessage = error("An improper Tank Height unit has been chosen.\r\nRe-choose a Unit with the mouse"),
       .boxCheck = error("Please type a Rectangular Tank Height Value"),
       .listCheck = error("Please choose a Rectangular Tank Height Unit with the mouse"),
       .boxTip = "Enter the rectangular height here",
       .listTip = "Choose the rectangular height units here"},
      {.caption = "Height of fluid from the tank bottom:",
       .box = "TbFluidHeight",
       .list = "CboFluidHeight",
       .role = R::Fluid,
       .reading = SizeReading::Fluid,
       .valueName = "Fluid Height",
       .unitMessage = {"An improper Fluid Tank Height unit has been chosen.\r\nRe-choose a Unit with the mouse"},
       .boxCheck = error("Please type a Fluid Height Value"),
       .listCheck = error("Please choose a Fluid Height Unit with the mouse"),
       .boxTip = "Enter the fluid height here",
       .listTip = "Choose the fluid height units here"},
      {.box = "TbLiquidVolumeAnswer",
       .list = "CboLiquidVolumeAnswer",
       .role = R::Answer,
       .unitMessage = error("An improper Calculated Tank Volume Unit has been chosen.\r\nRe-choose a Unit with the "
                            "mouse."),
       .listCheck = error("Please choose an Answer Volume Unit with the mouse"),
       .boxTip = "Press Calculate for your answer here",
       .listTip = "Choose the answer units"},
  };
  return rows;
}

// Width, length, tank height and fluid height, in the order they are read.
const std::array<Input, 4>& rectangularInputs() {
  static const std::array<Input, 4> inputs =
      tankInputs(rectangularRows(), std::array{R::Depth, R::Length, R::Height, R::Fluid});
  return inputs;
}

const Input& rectangularAnswerUnit() {
  static const Input input = tankInput(tankRow(rectangularRows(), R::Answer));
  return input;
}

}  // namespace

Outcome CalcRectangularTank(const Fields& fields) {
  Outcome outcome;
  const auto in = readInputs(fields, rectangularInputs(), outcome);
  if (!in) return outcome;
  const auto& [W, Lg, H, h] = *in;
  if (h.value > H.value)
    return outcome.show(error("The fluid height is larger than the tank height\r\nPlease try again")), outcome;
  // A tank of no height makes the filled fraction 0 ÷ 0 (or an infinity
  // under a negative fluid height), and so the volume NaN; sizes near the
  // range of a double overflow. Either is refused before the answer unit is
  // looked at, as the volume is worked before it.
  const double V = RectangularVolume(H.value, h.value, Lg.value, W.value);
  if (!std::isfinite(V)) return outcome.show(error(kRectangularNoVolumeText)), outcome;
  Reading unit;
  if (!readInput(fields, rectangularAnswerUnit(), unit, outcome)) return outcome;
  const double answer = applyFactor(*unit.unit, V);
  if (!std::isfinite(answer)) return outcome.show(error(kRectangularNoVolumeText)), outcome;
  writeAnswer(answer, tankRow(rectangularRows(), R::Answer).box, generalAnswer, outcome);
  return outcome;
}

const PageForm& rectangularTankForm() {
  static const PageForm form = {
      .key = kRectangularTankWindow,
      .caption = "Rectangular Tank Calculation",
      .lists = ListKind::Editable,
      .pages = {{
          .heading = "Determine the volume of liquid from the bottom of a rectangular tank",
          .picture = {.name = "Image1",
                      .drawing = tankShapeName(TankShape::Rectangular),
                      .source = PictureSource::Window,
                      .width = 240,
                      .height = 210},
          .rows = tankPageRows(rectangularRows()),
          .buttons = {{.name = "CmdCalculate", .caption = "&Calculate", .tip = "Press to calculate the answer"},
                      {.name = "CmdPrintChartData",
                       .caption = "&Print Chart with Data",
                       .tip = "Press to print a tank sheet",
                       .action = ButtonAction::Window}},
          .calculate = CalcRectangularTank,
      }},
  };
  return form;
}

namespace {

// ---- The chart ---------------------------------------------------------------

// The chart's refusals carry the information icon and "Error" as well.
constexpr TankCheck kChecks[] = {boxCheck(R::Height),  boxCheck(R::Length), boxCheck(R::Depth),
                                 boxCheck(R::Fluid),   listCheck(R::Depth), listCheck(R::Length),
                                 listCheck(R::Height), listCheck(R::Fluid), listCheck(R::Answer)};

TankChartProfile makeRectangularProfile() {
  const TankRows& rows = rectangularRows();
  const auto n = [&](R role) { return numOf(rows, role); };
  const auto u = [&](R role) { return unitOf(rows, role); };
  // Only the unit: a cancelled dialog leaves the typed fluid height.
  return tankChartProfile(rows, kChecks, CalcRectangularTank,
                          {HeaderLine{lit("These dimensions are for a Rectangular Tank with ")},
                           HeaderLine{lit(" a width of "), n(R::Depth), lit(" "), u(R::Depth),
                                      lit(", and a length of "), n(R::Length), lit(" "), u(R::Length)},
                           HeaderLine{lit("and a Height of "), n(R::Height), lit(" "), u(R::Height)}},
                          FluidFill::UnitOnly);
}

}  // namespace

const TankRows& rectangularTankRows(int /*page*/) { return rectangularRows(); }

const TankChartProfile& rectangularChartProfile(int /*page*/) {
  static const TankChartProfile profile = makeRectangularProfile();
  return profile;
}

const TankPictureInputs* rectangularPictureInputs(int) {
  static const TankPictureInputs picture = tankPictureInputs(TankShape::Rectangular, rectangularRows());
  return &picture;
}

}  // namespace calvexa
