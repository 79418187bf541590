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

// Width, length, tank height and fluid height, in the order they are read.
const std::array<Input, 4>& rectangularInputs() {
  static const std::array<Input, 4> inputs = {
      tankLength("TbSquareWidth", "CboSquareWidth", "Rectangular Width",
                 error("An improper Width measurement has been chosen.\r\nRe-choose a Unit with the mouse")),
      tankLength("TbSquareLength", "CboSquareLength", "Rectangular Length",
                 error("An improper Length unit has been chosen.\r\nRe-choose a Unit with the mouse")),
      tankLength("TbSquareHeight", "CboSquareHeight", "Rectangular Height",
                 error("An improper Tank Height unit has been chosen.\r\nRe-choose a Unit with the mouse")),
      tankFluidHeight(
          "TbFluidHeight", "CboFluidHeight",
          Message{.text = "An improper Fluid Tank Height unit has been chosen.\r\nRe-choose a Unit with the mouse"}),
  };
  return inputs;
}

const Input& rectangularAnswerUnit() {
  static const Input input = {
      .list = "CboLiquidVolumeAnswer",
      .unitMessage = error("An improper Calculated Tank Volume Unit has been chosen.\r\nRe-choose a Unit with the "
                           "mouse."),
      .units = kTankVolumes};
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
  writeAnswer(answer, "TbLiquidVolumeAnswer", generalAnswer, outcome);
  return outcome;
}

namespace {

// ---- The window ------------------------------------------------------------

}  // namespace

const PageForm& rectangularTankForm() {
  static const PageForm form = {
      .key = kRectangularTankWindow,
      .caption = "Rectangular Tank Calculation",
      .lists = ListKind::Editable,
      .pages = {{
          .heading = "Determine the volume of liquid from the bottom of a rectangular tank",
          .picture = {.name = "Image1",
                      .drawing = "rectangular",
                      .source = PictureSource::Window,
                      .width = 240,
                      .height = 210},
          .rows =
              {
                  tankLengthRow("Rectangular Length:", "TbSquareLength", "CboSquareLength",
                                "Enter the rectangular length here", "Choose the rectangular length units here"),
                  tankLengthRow("Rectangular Width:", "TbSquareWidth", "CboSquareWidth",
                                "Enter the rectangular width here", "Choose the rectangular width units here"),
                  tankLengthRow("Rectangular Height:", "TbSquareHeight", "CboSquareHeight",
                                "Enter the rectangular height here", "Choose the rectangular height units here"),
                  tankLengthRow("Height of fluid from the tank bottom:", "TbFluidHeight", "CboFluidHeight",
                                "Enter the fluid height here", "Choose the fluid height units here"),
                  tankAnswerRow("TbLiquidVolumeAnswer", "CboLiquidVolumeAnswer", "Press Calculate for your answer here",
                                "Choose the answer units"),
              },
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
ChartCheck box(const char* control, const char* message, const char* valueName) {
  return requiredBox(control, error(message), valueName);
}
ChartCheck list(const char* control, const char* message) { return requiredList(control, error(message)); }

TankChartProfile makeRectangularProfile() {
  return {
      .required = {box("TbSquareHeight", "Please type a Rectangular Tank Height Value", "Rectangular Height"),
                   box("TbSquareLength", "Please type a Rectangular Tank Length Value", "Rectangular Length"),
                   box("TbSquareWidth", "Please type a Rectangular Tank Width Value", "Rectangular Width"),
                   box("TbFluidHeight", "Please type a Fluid Height Value", "Fluid Height"),
                   list("CboSquareWidth", "Please choose a Rectangular Tank Width Unit with the mouse"),
                   list("CboSquareLength", "Please choose a Rectangular Tank Length Unit with the mouse"),
                   list("CboSquareHeight", "Please choose a Rectangular Tank Height Unit with the mouse"),
                   list("CboFluidHeight", "Please choose a Fluid Height Unit with the mouse"),
                   list("CboLiquidVolumeAnswer", "Please choose an Answer Volume Unit with the mouse")},
      .steppedBox = "TbSquareHeight",
      .steppedList = "CboSquareHeight",
      .fluidBox = "TbFluidHeight",
      .fluidList = "CboFluidHeight",
      .answerList = "CboLiquidVolumeAnswer",
      .calculate = CalcRectangularTank,
      .answer = "TbLiquidVolumeAnswer",
      .headers = {HeaderLine{lit("These dimensions are for a Rectangular Tank with ")},
                  HeaderLine{lit(" a width of "), num("TbSquareWidth"), lit(" "), unit("CboSquareWidth"),
                             lit(", and a length of "), num("TbSquareLength"), lit(" "), unit("CboSquareLength")},
                  HeaderLine{lit("and a Height of "), num("TbSquareHeight"), lit(" "), unit("CboSquareHeight")}},
      // Only the unit: a cancelled dialog leaves the typed fluid height.
      .fill = FluidFill::UnitOnly,
  };
}

}  // namespace

const TankChartProfile& rectangularChartProfile(int /*page*/) {
  static const TankChartProfile profile = makeRectangularProfile();
  return profile;
}

// The rows, top first: length, width, height, fluid height.
const TankPictureInputs* rectangularPictureInputs(int) {
  static const TankPictureInputs picture = {
      .shape = TankShape::Rectangular, .depth = 1, .height = 2, .fluid = 3, .length = 0};
  return &picture;
}

}  // namespace calvexa
