#include "tanks/horizontal_tank_rules.h"

#include <initializer_list>
#include <optional>
#include <vector>

#include "core/input.h"
#include "core/number_text.h"
#include "tanks/tank_form_rules.h"
#include "tanks/tank_geometry.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {

const char* const kZeroDiameterText =
    "The Internal Tank Diameter cannot be zero.  Check the value entered for the tank diameter.";
const char* const kZeroInternalHeightText =
    "The Internal Tank Height cannot be zero.  Check the value entered for the tank height.";

namespace {

const char* const kEnterFluidHeightText = "Please enter a Fluid Height";
const char* const kFluidAboveTankText =
    "The fluid height is greater than the size of the tank.  Check the tank size and fluid height.";
const char* const kFluidBelowZeroText =
    "The fluid height cannot be lower than zero.  Check the value entered for the fluid level";

// A full tank is computed this far below the brim, in metres, where the
// shell's formula still has a surface to measure from.
constexpr double kBelowTheBrim = 0.0000000001;

using HeadsVolume = double (*)(double a, double h, double r);

// ---- Inputs, as the tabs read them ------------------------------------------

// The fluid-height rules against the full height D (the diameter, or twice
// the half-height): equal is a full tank, computed just below the brim; above
// it or below zero is refused; zero shows "0" and ends the calculation before
// anything else is looked at. False when the calculation ends here.
bool fluidHeightRules(double D, double& h, const char* answer, Outcome& outcome) {
  if (h == D) {
    h = h - kBelowTheBrim;
    return true;
  }
  if (h > D) {
    outcome.show(kFluidAboveTankText);
    return false;
  }
  if (h == 0) {
    writeAnswer(0, answer, generalAnswer, outcome);
    return false;
  }
  if (h < 0) {
    outcome.show(kFluidBelowZeroText);
    return false;
  }
  return true;
}

// ---- Circular tanks ---------------------------------------------------------

Input circularDiameter(const char* box, const char* list) {
  return tankHalfLength(box, list, "Internal Tank Diameter",
                        "An improper Horizontal Tank Diameter measurement has been chosen. Re-choose a Horizontal Tank "
                        "Diameter Unit with the mouse.");
}
Input circularLength(const char* box, const char* list) {
  return tankLength(
      box, list, "Length of Tank",
      "An improper Horizontal Tank Length measurement has been chosen. Re-choose a Horizontal Tank Length "
      "Unit with the mouse.");
}
Input circularFluid(const char* box, const char* list) {
  return tankFluidHeight(
      box, list,
      "An improper Horizontal Tank Fluid Height measurement has been chosen. Re-choose a Horizontal Fluid "
      "Height Unit with the mouse.");
}
Input circularAnswerUnit(const char* list) {
  return tankVolumeUnit(list,
                        "An improper Horizontal Tank Volume Unit has been chosen.  Re-choose a Horizontal Tank Volume "
                        "Unit with the mouse.");
}

struct CircularTab {
  std::array<Input, 3> shell;  // radius (from the diameter), shell length, fluid height
  Input head = {};             // length of each head; none on the flat tab
  Input answerUnit;
  const char* answer;
  HeadsVolume heads = nullptr;
  AnswerForm form = grouped4Answer;
};

// The shell in metres: radius, length and the fluid height after its rules.
struct Shell {
  double r, L, h;
};

// Steps 1 to 4 of a circular tab (the fluid-height box already checked).
std::optional<Shell> readCircularShell(const CircularTab& tab, const Fields& fields, Outcome& outcome) {
  const auto in = readInputs(fields, tab.shell, outcome);
  if (!in) return std::nullopt;
  const auto& [radius, shellLength, fluid] = *in;
  double h = fluid.value;
  if (!fluidHeightRules(2 * radius.value, h, tab.answer, outcome)) return std::nullopt;
  if (radius.value == 0) {
    outcome.show(kZeroDiameterText);
    return std::nullopt;
  }
  return Shell{radius.value, shellLength.value, h};
}

Outcome circularWithHeads(const CircularTab& tab, const Fields& fields) {
  Outcome outcome;
  if (fieldText(fields, tab.shell[2].box).empty()) return outcome.show(kEnterFluidHeightText), outcome;
  const std::optional<Shell> shell = readCircularShell(tab, fields, outcome);
  if (!shell) return outcome;
  const auto [r, L, h] = *shell;
  const double Vc = SegmentVolume(r, L, h);
  Reading a;
  if (!readInput(fields, tab.head, a, outcome)) return outcome;
  Reading unit;
  if (!readInput(fields, tab.answerUnit, unit, outcome)) return outcome;
  const double V = tab.heads(a.value, h, r) + Vc;
  writeAnswer(applyFactor(*unit.unit, V), tab.answer, tab.form, outcome);
  return outcome;
}

const CircularTab kFlatTab = {
    .shell = {circularDiameter("TbHorizInterDiameter", "CboHorizInterDiameter"),
              circularLength("TbHorizTankLength", "CboHorizTankLength"),
              circularFluid("TbHorizFluidHeight", "CboHorizFluidHeight")},
    .answerUnit = circularAnswerUnit("CboHorizTankAnswer"),
    .answer = "TbHorizTankAnswer",
};

const CircularTab kEllipsoidalTab = {
    .shell = {circularDiameter("TbHorizInterDiameterS", "CboHorizInterDiameterS"),
              circularLength("TbHorizTankLengthS", "CboHorizTankLengthS"),
              circularFluid("TbHorizFluidHeightS", "CboHorizFluidHeightS")},
    .head = tankLength("TbHorizSphereLengthS", "CboHorizSphereLengthS", "Ellipsoid Length",
                       "An improper Horizontal Ellipsoid Length measurement has been chosen. Re-choose a Horizontal "
                       "Ellipsoid Length with the mouse."),
    .answerUnit = circularAnswerUnit("CboHorizTankAnswerS"),
    .answer = "TbHorizTankAnswerS",
    .heads = EllipsoidalHeadsVolume,
    .form = hash3Answer,
};

const CircularTab kConicalTab = {
    .shell = {circularDiameter("TbHorizInterDiameterC", "CboHorizInterDiameterC"),
              circularLength("TbHorizTankLengthC", "CboHorizTankLengthC"),
              circularFluid("TbHorizFluidHeightC", "CboHorizFluidHeightC")},
    .head = tankLength("TbHorizConicalLengthC", "CboHorizConicalLengthC", "Conical Length",
                       "An improper Horizontal Conical Length measurement has been chosen. Re-choose a Horizontal "
                       "Conical Length with the mouse."),
    .answerUnit = circularAnswerUnit("CboHorizTankAnswerC"),
    .answer = "TbHorizTankAnswerC",
    .heads = ConicalHeadsVolume,
};

// The guppy tab's message asks for a conical length: its own text.
const CircularTab kGuppyTab = {
    .shell = {circularDiameter("TbHorizInterDiameterG", "CboHorizInterDiameterG"),
              circularLength("TbHorizTankLengthG", "CboHorizTankLengthG"),
              circularFluid("TbHorizFluidHeightG", "CboHorizFluidHeightG")},
    .head =
        tankLength("TbHorizGuppyLengthG", "CboHorizGuppyLengthG", "Guppy End Length",
                   "An improper Horizontal Guppy Length measurement has been chosen. Re-choose a Horizontal Conical "
                   "Length with the mouse."),
    .answerUnit = circularAnswerUnit("CboHorizTankAnswerG"),
    .answer = "TbHorizTankAnswerG",
    .heads = GuppyHeadsVolume,
};

// ---- Elliptical tanks -------------------------------------------------------

// The (E) tab words its height and width messages without "Horizontal".
enum class Wording { Horizontal, Plain };

Input ellipticalHeight(const char* box, const char* list, Wording wording) {
  return tankHalfLength(
      box, list, "Internal Tank Height",
      wording == Wording::Horizontal
          ? "An improper Horizontal Tank Height measurement has been chosen. Re-choose a Horizontal Tank "
            "Height Unit with the mouse."
          : "An improper Tank Height measurement has been chosen. Re-choose a Tank Height Unit with the "
            "mouse.");
}
Input ellipticalWidth(const char* box, const char* list, Wording wording) {
  return tankHalfLength(
      box, list, "Internal Tank Width",
      wording == Wording::Horizontal
          ? "An improper Horizontal Tank Width measurement has been chosen. Re-choose a Horizontal Tank Width "
            "Unit with the mouse."
          : "An improper Tank Width measurement has been chosen. Re-choose a Tank Width Unit with the mouse.");
}
Input ellipticalLength(const char* box, const char* list) {
  return tankLength(box, list, "Length of Tank",
                    "An improper Horizontal Elliptical Tank Length measurement has been chosen. Re-choose a Horizontal "
                    "Tank Length Unit with the mouse.");
}
Input ellipticalFluid(const char* box, const char* list) {
  return tankFluidHeight(
      box, list,
      "An improper Tank Fluid Height measurement has been chosen. Re-choose a Fluid Height Unit with the "
      "mouse.");
}
Input ellipticalAnswerUnit(const char* list) {
  return tankVolumeUnit(list,
                        "An improper Tank Volume Unit has been chosen.  Re-choose a Tank Volume Unit with the mouse.");
}

struct EllipticalTab {
  std::array<Input, 4> shell;  // half-height b, half-width w, shell length, fluid height
  Input head = {};             // length of each head; none on the flat tab
  Input answerUnit;
  const char* answer;
  HeadsVolume heads = nullptr;
};

Outcome elliptical(const EllipticalTab& tab, const Fields& fields) {
  Outcome outcome;
  if (fieldText(fields, tab.shell[3].box).empty()) return outcome.show(kEnterFluidHeightText), outcome;
  const auto in = readInputs(fields, tab.shell, outcome);
  if (!in) return outcome;
  const auto& [halfHeight, halfWidth, shellLength, fluid] = *in;
  const double b = halfHeight.value;
  double h = fluid.value;
  if (!fluidHeightRules(2 * b, h, tab.answer, outcome)) return outcome;
  if (b == 0) return outcome.show(kZeroInternalHeightText), outcome;
  // The circular tank of radius b, stretched sideways by k.
  const double k = halfWidth.value / b;
  const double Vc = SegmentVolume(b, shellLength.value, h);
  Reading a;
  if (tab.heads && !readInput(fields, tab.head, a, outcome)) return outcome;
  Reading unit;
  if (!readInput(fields, tab.answerUnit, unit, outcome)) return outcome;
  if (!tab.heads) {
    writeAnswer(applyFactor(*unit.unit, k * Vc), tab.answer, grouped4Answer, outcome);
    return outcome;
  }
  // The stretch and the unit factor in each unit's own order.
  // (the unit is one of the six: the answer unit's list accepted it)
  writeAnswer(*HorizontalEllipticalAnswer(k, Vc, tab.heads(a.value, h, b), unit.unit->name), tab.answer, grouped4Answer,
              outcome);
  return outcome;
}

const EllipticalTab kEllipticalFlatTab = {
    .shell = {ellipticalHeight("TbEllipticalTankHeightF", "CboEllipticalTankHeightF", Wording::Horizontal),
              ellipticalWidth("TbEllipticalTankWidthF", "CboEllipticalTankWidthF", Wording::Horizontal),
              ellipticalLength("TbEllipticalTankLengthF", "CboEllipticalTankLengthF"),
              ellipticalFluid("TbEllipticalTankFluidHeightF", "CboEllipticalTankFluidHeightF")},
    .answerUnit = ellipticalAnswerUnit("CboEllipticalTankAnswerF"),
    .answer = "TbEllipticalTankAnswerF",
};

const EllipticalTab kEllipticalConicalTab = {
    .shell = {ellipticalHeight("TbEllipticalInterHeightC", "CboEllipticalInterHeightC", Wording::Horizontal),
              ellipticalWidth("TbEllipticalInterWidthC", "CboEllipticalInterWidthC", Wording::Horizontal),
              ellipticalLength("TbEllipticalTankLengthC", "CboEllipticalTankLengthC"),
              ellipticalFluid("TbEllipticalFluidHeightC", "CboEllipticalFluidHeightC")},
    .head = tankLength("TbEllipticalConicalLengthC", "CboEllipticalConicalLengthC", "Conical Length",
                       "An improper Conical Length measurement has been chosen. Re-choose a Conical Length with the "
                       "mouse."),
    .answerUnit = ellipticalAnswerUnit("CboEllipticalTankAnswerC"),
    .answer = "TbEllipticalTankAnswerC",
    .heads = ConicalHeadsVolume,
};

const EllipticalTab kEllipticalEllipsoidalTab = {
    .shell = {ellipticalHeight("TbEllipticalInterHeightE", "CboEllipticalInterHeightE", Wording::Plain),
              ellipticalWidth("TbEllipticalInterWidthE", "CboEllipticalInterWidthE", Wording::Plain),
              ellipticalLength("TbEllipticalTankLengthE", "CboEllipticalTankLengthE"),
              ellipticalFluid("TbEllipticalFluidHeightE", "CboEllipticalFluidHeightE")},
    .head =
        tankLength("TbEllipticalConicalLengthE", "CboEllipticalConicalLengthE", "Ellipsoidal Length",
                   "An improper Ellipsoid Length measurement has been chosen. Re-choose an Ellipsoid Length with the "
                   "mouse."),
    .answerUnit = ellipticalAnswerUnit("CboEllipticalTankAnswerE"),
    .answer = "TbEllipticalTankAnswerE",
    .heads = EllipsoidalHeadsVolume,
};

const EllipticalTab kEllipticalGuppyTab = {
    .shell = {ellipticalHeight("TbEllipticalInterHeightG", "CboEllipticalInterHeightG", Wording::Horizontal),
              ellipticalWidth("TbEllipticalInterWidthG", "CboEllipticalInterWidthG", Wording::Horizontal),
              ellipticalLength("TbEllipticalTankLengthG", "CboEllipticalTankLengthG"),
              ellipticalFluid("TbEllipticalFluidHeightG", "CboEllipticalFluidHeightG")},
    .head =
        tankLength("TbEllipticalGuppyLengthG", "CboEllipticalGuppyLengthG", "Guppy Length",
                   "An improper Guppy Length measurement has been chosen. Re-choose a Guppy Length with the mouse."),
    .answerUnit = ellipticalAnswerUnit("CboEllipticalTankAnswerG"),
    .answer = "TbEllipticalTankAnswerG",
    .heads = GuppyHeadsVolume,
};

}  // namespace

// The flat tab shows the volume in cubic metres first; a refused answer unit
// then leaves that text in the label.
Outcome CalcHorizontalFlat(const Fields& fields) {
  Outcome outcome;
  const std::optional<Shell> shell = readCircularShell(kFlatTab, fields, outcome);
  if (!shell) return outcome;
  const double V = SegmentVolume(shell->r, shell->L, shell->h);
  if (!acceptAnswer(V, outcome)) return outcome;
  writeAnswer(V, kFlatTab.answer, generalAnswer, outcome);
  Reading unit;
  if (!readInput(fields, kFlatTab.answerUnit, unit, outcome)) return outcome;
  writeAnswer(applyFactor(*unit.unit, V), kFlatTab.answer, kFlatTab.form, outcome);
  return outcome;
}

Outcome CalcHorizontalEllipsoidal(const Fields& fields) { return circularWithHeads(kEllipsoidalTab, fields); }
Outcome CalcHorizontalConical(const Fields& fields) { return circularWithHeads(kConicalTab, fields); }
Outcome CalcHorizontalGuppy(const Fields& fields) { return circularWithHeads(kGuppyTab, fields); }

Outcome CalcEllipticalFlat(const Fields& fields) { return elliptical(kEllipticalFlatTab, fields); }
Outcome CalcEllipticalConical(const Fields& fields) { return elliptical(kEllipticalConicalTab, fields); }
Outcome CalcEllipticalEllipsoidal(const Fields& fields) { return elliptical(kEllipticalEllipsoidalTab, fields); }
Outcome CalcEllipticalGuppy(const Fields& fields) { return elliptical(kEllipticalGuppyTab, fields); }

namespace {

// ---- The window -------------------------------------------------------------

const char* const kFluidCaption = "Height of fluid from the Tank Bottom:";

// The drawings of tanks on their side are wide.
PagePicture drawing(const char* name, const char* shape) {
  return {.name = name, .drawing = shape, .source = PictureSource::Window, .width = 300, .height = 180};
}

}  // namespace

const PageForm& horizontalTankForm() {
  static const PageForm form =
      {
          .key = kHorizontalTanksWindow,
          .caption = "Tank Calculations",
          .tabs = "SSTab1",
          .tabsPerRow = 4,
          .firstTab = 5,
          .lists = ListKind::Editable,
          .pages =
              {
                  {.tab = "Horizontal Tank Volume (E)",
                   .heading = "Determine the volume of liquid from the bottom of a circular horizontal tank with "
                              "Ellipsoidal ends.",
                   .picture = drawing("Picture6", "horizontal-ellipsoidal"),
                   .rows = {tankLengthRow("Length of Tank:", "TbHorizTankLengthS", "CboHorizTankLengthS"),
                            tankLengthRow("Internal Tank Diameter:", "TbHorizInterDiameterS", "CboHorizInterDiameterS"),
                            tankLengthRow(kFluidCaption, "TbHorizFluidHeightS", "CboHorizFluidHeightS"),
                            tankLengthRow("Ellipsoid Length (a):", "TbHorizSphereLengthS", "CboHorizSphereLengthS"),
                            tankAnswerRow("TbHorizTankAnswerS", "CboHorizTankAnswerS")},
                   .buttons = tankButtons("CmdCalcHorizTankVolumeS", "CmdPrintHorizChartDataS"),
                   .calculate = CalcHorizontalEllipsoidal},
                  {.tab = "Elliptical Tank Volume (C)",
                   .heading = "Determine the volume of liquid from the bottom of an Elliptical horizontal tank with "
                              "Conical ends.",
                   .picture = drawing("Picture10", "horizontal-elliptical-conical"),
                   .rows =
                       {tankLengthRow("Length of Tank:", "TbEllipticalTankLengthC", "CboEllipticalTankLengthC"),
                        tankLengthRow("Internal Tank Height:", "TbEllipticalInterHeightC", "CboEllipticalInterHeightC"),
                        tankLengthRow("Internal Tank Width:", "TbEllipticalInterWidthC", "CboEllipticalInterWidthC"),
                        tankLengthRow(kFluidCaption, "TbEllipticalFluidHeightC", "CboEllipticalFluidHeightC"),
                        tankLengthRow("Conical Length (a):", "TbEllipticalConicalLengthC",
                                      "CboEllipticalConicalLengthC"),
                        tankAnswerRow("TbEllipticalTankAnswerC", "CboEllipticalTankAnswerC")},
                   .buttons = tankButtons("CmdCalcEllipTankConicalEnd", "CmdPrintCalcEllipTankConicalEnd"),
                   .calculate = CalcEllipticalConical},
                  {.tab = "Elliptical Tank Volume(E)",
                   .heading = "Determine the volume of liquid from the bottom of an Elliptical horizontal tank with "
                              "Ellipsoidal ends.",
                   .picture = drawing("Picture11", "horizontal-elliptical-ellipsoidal"),
                   .rows =
                       {tankLengthRow("Length of Tank:", "TbEllipticalTankLengthE", "CboEllipticalTankLengthE"),
                        tankLengthRow("Internal Tank Height:", "TbEllipticalInterHeightE", "CboEllipticalInterHeightE"),
                        tankLengthRow("Internal Tank Width:", "TbEllipticalInterWidthE", "CboEllipticalInterWidthE"),
                        tankLengthRow(kFluidCaption, "TbEllipticalFluidHeightE", "CboEllipticalFluidHeightE"),
                        tankLengthRow("Ellipsoidal Length (a):", "TbEllipticalConicalLengthE",
                                      "CboEllipticalConicalLengthE"),
                        tankAnswerRow("TbEllipticalTankAnswerE", "CboEllipticalTankAnswerE")},
                   .buttons = tankButtons("CmdEllipticalTankEllipsEnd", "CmdPrintEllipticalTankEllipsEnd"),
                   .calculate = CalcEllipticalEllipsoidal},
                  {.tab = "Horizontal Tank Volume (C)",
                   .heading = "Determine the volume of liquid from the bottom of a circular horizontal tank with "
                              "Conical ends.",
                   .picture = drawing("Picture7", "horizontal-conical"),
                   .rows = {tankLengthRow("Length of Tank:", "TbHorizTankLengthC", "CboHorizTankLengthC"),
                            tankLengthRow("Internal Tank Diameter:", "TbHorizInterDiameterC", "CboHorizInterDiameterC"),
                            tankLengthRow(kFluidCaption, "TbHorizFluidHeightC", "CboHorizFluidHeightC"),
                            tankLengthRow("Conical Length (a):", "TbHorizConicalLengthC", "CboHorizConicalLengthC"),
                            tankAnswerRow("TbHorizTankAnswerC", "CboHorizTankAnswerC")},
                   .buttons = tankButtons("Command1", "Command2"),
                   .calculate = CalcHorizontalConical},
                  {.tab = "Horizontal Tank Volume (G)",
                   .heading = "Determine the volume of liquid from the bottom of a circular horizontal tank with "
                              "Guppy ends.",
                   .picture = drawing("Picture8", "horizontal-guppy"),
                   .rows = {tankLengthRow("Length of Tank:", "TbHorizTankLengthG", "CboHorizTankLengthG"),
                            tankLengthRow("Internal Tank Diameter:", "TbHorizInterDiameterG", "CboHorizInterDiameterG"),
                            tankLengthRow(kFluidCaption, "TbHorizFluidHeightG", "CboHorizFluidHeightG"),
                            tankLengthRow("Guppy End Length (a):", "TbHorizGuppyLengthG", "CboHorizGuppyLengthG"),
                            tankAnswerRow("TbHorizTankAnswerG", "CboHorizTankAnswerG")},
                   .buttons = tankButtons("CmdGuppyCalculate", "Command3"),
                   .calculate = CalcHorizontalGuppy},
                  {.tab = "Horizontal Tank Volume (Flat)",
                   .heading = "Determine the volume of liquid from the bottom of a circular horizontal tank with flat "
                              "ends.",
                   .picture = drawing("Picture5", "horizontal-flat"),
                   .rows = {tankLengthRow("Length of Tank:", "TbHorizTankLength", "CboHorizTankLength"),
                            tankLengthRow("Internal Tank Diameter:", "TbHorizInterDiameter", "CboHorizInterDiameter"),
                            tankLengthRow(kFluidCaption, "TbHorizFluidHeight", "CboHorizFluidHeight"),
                            tankAnswerRow("TbHorizTankAnswer", "CboHorizTankAnswer")},
                   .buttons = tankButtons("CmdCalcHorizTankVolume", "CmdPrintChartData", "&Print Chart With Data"),
                   .calculate = CalcHorizontalFlat},
                  {.tab = "Elliptical Tank Volume (Flat)",
                   .heading =
                       "Determine the volume of liquid from the bottom of an Elliptical horizontal tank with Flat "
                       "ends.",
                   .picture = drawing("Picture1", "horizontal-elliptical-flat"),
                   .rows =
                       {tankLengthRow("Length of Tank:", "TbEllipticalTankLengthF", "CboEllipticalTankLengthF"),
                        tankLengthRow("Internal Tank Height:", "TbEllipticalTankHeightF", "CboEllipticalTankHeightF"),
                        tankLengthRow("Internal Tank Width:", "TbEllipticalTankWidthF", "CboEllipticalTankWidthF"),
                        tankLengthRow(kFluidCaption, "TbEllipticalTankFluidHeightF", "CboEllipticalTankFluidHeightF"),
                        tankAnswerRow("TbEllipticalTankAnswerF", "CboEllipticalTankAnswerF")},
                   .buttons = tankButtons("CmdEllipticalTankFlatEndCalc", "CmdPrintEllipTnkFlatEnd"),
                   .calculate = CalcEllipticalFlat},
                  {.tab = "Elliptical Tank Volume (G)",
                   .heading = "Determine the volume of liquid from the bottom of an Elliptical horizontal tank with "
                              "distorted Guppy ends.",
                   .picture = drawing("Picture2", "horizontal-elliptical-guppy"),
                   .rows = {tankLengthRow("Length of Tank:", "TbEllipticalTankLengthG", "CboEllipticalTankLengthG"),
                            tankLengthRow("Internal Tank Height:", "TbEllipticalInterHeightG",
                                          "CboEllipticalInterHeightG"),
                            tankLengthRow("Internal Tank Width:", "TbEllipticalInterWidthG",
                                          "CboEllipticalInterWidthG"),
                            tankLengthRow(kFluidCaption, "TbEllipticalFluidHeightG", "CboEllipticalFluidHeightG"),
                            tankLengthRow("Guppy Length (a):", "TbEllipticalGuppyLengthG", "CboEllipticalGuppyLengthG"),
                            tankAnswerRow("TbEllipticalTankAnswerG", "CboEllipticalTankAnswerG")},
                   .buttons = tankButtons("CmdCalcEllipTnkGuppyEnd", "CmdPrintEllipTnkGuppyEnd"),
                   .calculate = CalcEllipticalGuppy},
              },
      };
  return form;
}

namespace {

// ---- Charts -----------------------------------------------------------------

const char* const kLengthUnitCheck = "Please choose a Horizontal Tank Length Unit with the mouse";
const char* const kAnswerUnitCheck = "Please choose an Answer Volume Unit with the mouse";

// A chart row of the flat tab. A refused answer unit leaves the volume in
// cubic metres in the label, which is no volume in the chart's unit: the row
// is refused, so the chart stops with the one message instead of repeating
// it on every row.
Outcome flatChartRow(const Fields& fields) {
  Outcome outcome = CalcHorizontalFlat(fields);
  if (!outcome.messageTexts().empty())
    std::erase_if(outcome.effects, [](const Effect& effect) { return effect.kind == Effect::Kind::Write; });
  return outcome;
}

// The boxes of a tab's chart. A circular tab steps its diameter, an
// elliptical one its internal height; the width is an elliptical tab's own.
struct ChartNames {
  const char* stepped;
  const char* steppedUnit;
  const char* length;
  const char* lengthUnit;
  const char* fluid;
  const char* fluidUnit;
  const char* head = nullptr;  // none on the flat tabs
  const char* headUnit = nullptr;
  const char* answerUnit;
  const char* answer;
  const char* width = nullptr;  // elliptical tabs
  const char* widthUnit = nullptr;
};

TankChartProfile profile(std::vector<ChartCheck> required, const ChartNames& n, Calculation calculate,
                         std::array<HeaderLine, 3> headers) {
  return {.required = std::move(required),
          .steppedBox = n.stepped,
          .steppedList = n.steppedUnit,
          .fluidBox = n.fluid,
          .fluidList = n.fluidUnit,
          .answerList = n.answerUnit,
          .calculate = calculate,
          .answer = n.answer,
          .headers = std::move(headers)};
}

// Diameter and length boxes, their units, the head's unit, the answer unit.
TankChartProfile circularProfile(const ChartNames& n, const char* headUnitCheck, Calculation calculate,
                                 std::array<HeaderLine, 3> headers) {
  std::vector<ChartCheck> required = {
      requiredBox(n.stepped, "Please type a Horizontal Internal Diameter Value", "Internal Tank Diameter"),
      requiredBox(n.length, "Please type a Horizontal Tank Length value", "Length of Tank"),
      requiredList(n.steppedUnit, "Please choose a Horizontal Internal Diameter Unit with the mouse"),
      requiredList(n.lengthUnit, kLengthUnitCheck)};
  if (n.headUnit) required.push_back(requiredList(n.headUnit, headUnitCheck));
  required.push_back(requiredList(n.answerUnit, kAnswerUnitCheck));
  return profile(std::move(required), n, calculate, std::move(headers));
}

// Height, length and width boxes, the height's, width's, length's and head's
// units, the answer unit.
TankChartProfile ellipticalProfile(const ChartNames& n, const char* headUnitCheck, Calculation calculate,
                                   std::array<HeaderLine, 3> headers) {
  std::vector<ChartCheck> required = {
      requiredBox(n.stepped, "Please type an Internal Tank Height Value", "Internal Tank Height"),
      requiredBox(n.length, "Please type an Elliptical Tank Length value", "Length of Tank"),
      requiredBox(n.width, "Please type an Elliptical Tank Width value", "Internal Tank Width"),
      requiredList(n.steppedUnit, "Please choose a Height Unit with the mouse"),
      requiredList(n.widthUnit, "Please choose a Width Unit with the mouse"),
      requiredList(n.lengthUnit, kLengthUnitCheck)};
  if (n.headUnit) required.push_back(requiredList(n.headUnit, headUnitCheck));
  required.push_back(requiredList(n.answerUnit, kAnswerUnitCheck));
  return profile(std::move(required), n, calculate, std::move(headers));
}

const char* const kConicalUnitCheck = "Please choose a Horizontal Conical Length Unit with the mouse";
const char* const kEllipsoidUnitCheck = "Please choose a Horizontal Ellipsoid Length Unit with the mouse";
const char* const kGuppyUnitCheck = "Please choose a Horizontal Guppy Length Unit with the mouse";

// By tab, in the window's order.
std::vector<TankChartProfile> horizontalProfiles() {
  const ChartNames flat = {.stepped = "TbHorizInterDiameter",
                           .steppedUnit = "CboHorizInterDiameter",
                           .length = "TbHorizTankLength",
                           .lengthUnit = "CboHorizTankLength",
                           .fluid = "TbHorizFluidHeight",
                           .fluidUnit = "CboHorizFluidHeight",
                           .answerUnit = "CboHorizTankAnswer",
                           .answer = "TbHorizTankAnswer"};
  const ChartNames e = {.stepped = "TbHorizInterDiameterS",
                        .steppedUnit = "CboHorizInterDiameterS",
                        .length = "TbHorizTankLengthS",
                        .lengthUnit = "CboHorizTankLengthS",
                        .fluid = "TbHorizFluidHeightS",
                        .fluidUnit = "CboHorizFluidHeightS",
                        .head = "TbHorizSphereLengthS",
                        .headUnit = "CboHorizSphereLengthS",
                        .answerUnit = "CboHorizTankAnswerS",
                        .answer = "TbHorizTankAnswerS"};
  const ChartNames c = {.stepped = "TbHorizInterDiameterC",
                        .steppedUnit = "CboHorizInterDiameterC",
                        .length = "TbHorizTankLengthC",
                        .lengthUnit = "CboHorizTankLengthC",
                        .fluid = "TbHorizFluidHeightC",
                        .fluidUnit = "CboHorizFluidHeightC",
                        .head = "TbHorizConicalLengthC",
                        .headUnit = "CboHorizConicalLengthC",
                        .answerUnit = "CboHorizTankAnswerC",
                        .answer = "TbHorizTankAnswerC"};
  const ChartNames g = {.stepped = "TbHorizInterDiameterG",
                        .steppedUnit = "CboHorizInterDiameterG",
                        .length = "TbHorizTankLengthG",
                        .lengthUnit = "CboHorizTankLengthG",
                        .fluid = "TbHorizFluidHeightG",
                        .fluidUnit = "CboHorizFluidHeightG",
                        .head = "TbHorizGuppyLengthG",
                        .headUnit = "CboHorizGuppyLengthG",
                        .answerUnit = "CboHorizTankAnswerG",
                        .answer = "TbHorizTankAnswerG"};
  const ChartNames ef = {.stepped = "TbEllipticalTankHeightF",
                         .steppedUnit = "CboEllipticalTankHeightF",
                         .length = "TbEllipticalTankLengthF",
                         .lengthUnit = "CboEllipticalTankLengthF",
                         .fluid = "TbEllipticalTankFluidHeightF",
                         .fluidUnit = "CboEllipticalTankFluidHeightF",
                         .answerUnit = "CboEllipticalTankAnswerF",
                         .answer = "TbEllipticalTankAnswerF",
                         .width = "TbEllipticalTankWidthF",
                         .widthUnit = "CboEllipticalTankWidthF"};
  const ChartNames ec = {.stepped = "TbEllipticalInterHeightC",
                         .steppedUnit = "CboEllipticalInterHeightC",
                         .length = "TbEllipticalTankLengthC",
                         .lengthUnit = "CboEllipticalTankLengthC",
                         .fluid = "TbEllipticalFluidHeightC",
                         .fluidUnit = "CboEllipticalFluidHeightC",
                         .head = "TbEllipticalConicalLengthC",
                         .headUnit = "CboEllipticalConicalLengthC",
                         .answerUnit = "CboEllipticalTankAnswerC",
                         .answer = "TbEllipticalTankAnswerC",
                         .width = "TbEllipticalInterWidthC",
                         .widthUnit = "CboEllipticalInterWidthC"};
  const ChartNames ee = {.stepped = "TbEllipticalInterHeightE",
                         .steppedUnit = "CboEllipticalInterHeightE",
                         .length = "TbEllipticalTankLengthE",
                         .lengthUnit = "CboEllipticalTankLengthE",
                         .fluid = "TbEllipticalFluidHeightE",
                         .fluidUnit = "CboEllipticalFluidHeightE",
                         .head = "TbEllipticalConicalLengthE",
                         .headUnit = "CboEllipticalConicalLengthE",
                         .answerUnit = "CboEllipticalTankAnswerE",
                         .answer = "TbEllipticalTankAnswerE",
                         .width = "TbEllipticalInterWidthE",
                         .widthUnit = "CboEllipticalInterWidthE"};
  const ChartNames eg = {.stepped = "TbEllipticalInterHeightG",
                         .steppedUnit = "CboEllipticalInterHeightG",
                         .length = "TbEllipticalTankLengthG",
                         .lengthUnit = "CboEllipticalTankLengthG",
                         .fluid = "TbEllipticalFluidHeightG",
                         .fluidUnit = "CboEllipticalFluidHeightG",
                         .head = "TbEllipticalGuppyLengthG",
                         .headUnit = "CboEllipticalGuppyLengthG",
                         .answerUnit = "CboEllipticalTankAnswerG",
                         .answer = "TbEllipticalTankAnswerG",
                         .width = "TbEllipticalInterWidthG",
                         .widthUnit = "CboEllipticalInterWidthG"};

  // "a Height of" + the diameter (D, DU) or the internal height (H, HU).
  auto height = [](const char* before, const ChartNames& n) {
    return HeaderLine{lit(before), num(n.stepped), lit(" "), unit(n.steppedUnit)};
  };
  auto appended = [](HeaderLine line, std::initializer_list<HeaderPiece> more) {
    line.insert(line.end(), more);
    return line;
  };
  return {
      circularProfile(
          e, kEllipsoidUnitCheck, CalcHorizontalEllipsoidal,
          {HeaderLine{lit("These dimensions are for a Horizontal Cylindrical Tank with Ellipsoid ends, a")},
           appended(height("Height of ", e), {lit(", a Length of "), num(e.length), lit(" "), unit(e.lengthUnit)}),
           HeaderLine{lit("and an Ellipsoid Length of "), num(e.head), lit(" "), unit(e.headUnit)}}),
      ellipticalProfile(
          ec, kConicalUnitCheck, CalcEllipticalConical,
          {HeaderLine{lit("These dimensions are for a Horizontal Elliptical Tank with Distorted Conical ends,")},
           appended(height("a Height of ", ec), {lit(", a Width of "), num(ec.width), lit(" "), unit(ec.widthUnit)}),
           HeaderLine{lit(" a Length of "), num(ec.length), lit(" "), unit(ec.lengthUnit),
                      lit(" and an Conical Length of "), num(ec.head), lit(" "), unit(ec.headUnit)}}),
      ellipticalProfile(
          ee, kEllipsoidUnitCheck, CalcEllipticalEllipsoidal,
          {HeaderLine{lit("These dimensions are for a Horizontal Elliptical Tank with Ellipsoid ends, ")},
           appended(height("a Height of ", ee), {lit(", a Width of "), num(ee.width), lit(" "), unit(ee.widthUnit)}),
           HeaderLine{lit("a Length of "), num(ee.length), lit(" "), unit(ee.lengthUnit),
                      lit(" and an Ellipsoid Length of "), num(ee.head), lit(" "), unit(ee.headUnit)}}),
      // The length's unit opens the third line.
      circularProfile(
          c, kConicalUnitCheck, CalcHorizontalConical,
          {HeaderLine{lit("These dimensions are for a Horizontal Cylindrical Tank with Conical ends and")},
           appended(height(" a Height of ", c), {lit(" a Length of "), num(c.length), lit(" ")}),
           HeaderLine{unit(c.lengthUnit), lit(" and a Conical Length of "), num(c.head), lit(" "), unit(c.headUnit)}}),
      circularProfile(
          g, kGuppyUnitCheck, CalcHorizontalGuppy,
          {HeaderLine{lit("These dimensions are for a Horizontal Cylindrical Tank with Guppy ends")},
           appended(height("a Height of ", g), {lit(" a Length of "), num(g.length), lit(" "), unit(g.lengthUnit)}),
           HeaderLine{lit("and an Guppy Length of "), num(g.head), lit(" "), unit(g.headUnit)}}),
      circularProfile(flat, nullptr, flatChartRow,
                      {HeaderLine{lit("These dimensions are for a Horizontal Cylindrical Tank")},
                       height("with flat ends and a Height of ", flat),
                       HeaderLine{lit("and a Length of "), num(flat.length), lit(" "), unit(flat.lengthUnit)}}),
      ellipticalProfile(ef, nullptr, CalcEllipticalFlat,
                        {HeaderLine{lit("These dimensions are for a Horizontal Elliptical Tank with Flat")},
                         appended(height("ends, a Height of ", ef),
                                  {lit(", a Width of "), num(ef.width), lit(" "), unit(ef.widthUnit)}),
                         HeaderLine{lit(" and a Length of "), num(ef.length), lit(" "), unit(ef.lengthUnit)}}),
      ellipticalProfile(
          eg, kGuppyUnitCheck, CalcEllipticalGuppy,
          {HeaderLine{lit("These dimensions are for a Horizontal Elliptical Tank with Distorted Guppy ends, a")},
           appended(height("Height of ", eg), {lit(", a Width of "), num(eg.width), lit(" "), unit(eg.widthUnit),
                                               lit(" a Length of "), num(eg.length), lit(" "), unit(eg.lengthUnit)}),
           HeaderLine{lit("and an Guppy Length of "), num(eg.head), lit(" "), unit(eg.headUnit)}}),
  };
}

}  // namespace

const TankChartProfile& horizontalChartProfile(int tab) {
  static const std::vector<TankChartProfile> profiles = horizontalProfiles();
  return profiles.at(static_cast<std::size_t>(tab));
}

// The rows, top first: length, diameter, fluid height and the heads' length;
// or length, internal height, internal width, fluid height and the heads'.
const TankPictureInputs* horizontalPictureInputs(int tab) {
  using S = TankShape;
  static const TankPictureInputs pictures[] = {
      {.shape = S::HorizontalEllipsoidal, .height = 1, .bottom = 3, .fluid = 2, .length = 0},
      {.shape = S::HorizontalEllipticalConical, .width = 2, .height = 1, .bottom = 4, .fluid = 3, .length = 0},
      {.shape = S::HorizontalEllipticalEllipsoidal, .width = 2, .height = 1, .bottom = 4, .fluid = 3, .length = 0},
      {.shape = S::HorizontalConical, .height = 1, .bottom = 3, .fluid = 2, .length = 0},
      {.shape = S::HorizontalGuppy, .height = 1, .bottom = 3, .fluid = 2, .length = 0},
      {.shape = S::HorizontalFlat, .height = 1, .fluid = 2, .length = 0},
      {.shape = S::HorizontalEllipticalFlat, .width = 2, .height = 1, .fluid = 3, .length = 0},
      {.shape = S::HorizontalEllipticalGuppy, .width = 2, .height = 1, .bottom = 4, .fluid = 3, .length = 0},
  };
  return tab >= 0 && tab < 8 ? &pictures[tab] : nullptr;
}

}  // namespace calvexa
