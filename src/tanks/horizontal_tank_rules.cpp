#include "tanks/horizontal_tank_rules.h"

#include <array>
#include <optional>
#include <span>
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

// ---- The tabs' inputs -------------------------------------------------------

using R = TankRole;

const char* const kFluidCaption = "Height of fluid from the Tank Bottom:";
const char* const kLengthUnitCheck = "Please choose a Horizontal Tank Length Unit with the mouse";
const char* const kAnswerUnitCheck = "Please choose an Answer Volume Unit with the mouse";
const char* const kConicalUnitCheck = "Please choose a Horizontal Conical Length Unit with the mouse";
const char* const kEllipsoidUnitCheck = "Please choose a Horizontal Ellipsoid Length Unit with the mouse";
const char* const kGuppyUnitCheck = "Please choose a Horizontal Guppy Length Unit with the mouse";

// The length (a) of each head, with the chart's message for an empty unit.
TankInputRow headRow(const char* caption, const char* box, const char* list, const char* valueName,
                     const char* unitMessage, const char* unitCheck) {
  return {.caption = caption,
          .box = box,
          .list = list,
          .role = R::Bottom,
          .valueName = valueName,
          .unitMessage = {unitMessage},
          .listCheck = {unitCheck}};
}

// The rows of the circular tabs: the shell's length and diameter, the fluid
// height, the heads, the answer.
TankInputRow circularLength(const char* box, const char* list) {
  return {.caption = "Length of Tank:",
          .box = box,
          .list = list,
          .role = R::Length,
          .valueName = "Length of Tank",
          .unitMessage = {"An improper Horizontal Tank Length measurement has been chosen. Re-choose a Horizontal Tank "
                          "Length Unit with the mouse."},
          .boxCheck = {"Please type a Horizontal Tank Length value"},
          .listCheck = {kLengthUnitCheck}};
}

TankInputRow circularDiameter(const char* box, const char* list) {
  return {.caption = "Internal Tank Diameter:",
          .box = box,
          .list = list,
          .role = R::Height,
          .reading = SizeReading::Half,
          .valueName = "Internal Tank Diameter",
          .unitMessage = {"An improper Horizontal Tank Diameter measurement has been chosen. Re-choose a Horizontal "
                          "Tank Diameter Unit with the mouse."},
          .boxCheck = {"Please type a Horizontal Internal Diameter Value"},
          .listCheck = {"Please choose a Horizontal Internal Diameter Unit with the mouse"}};
}

TankInputRow circularFluid(const char* box, const char* list) {
  return {
      .caption = kFluidCaption,
      .box = box,
      .list = list,
      .role = R::Fluid,
      .reading = SizeReading::Fluid,
      .valueName = "Fluid Height",
      .unitMessage = {"An improper Horizontal Tank Fluid Height measurement has been chosen. Re-choose a Horizontal "
                      "Fluid Height Unit with the mouse."}};
}

TankInputRow circularAnswer(const char* box, const char* list) {
  return {
      .box = box,
      .list = list,
      .role = R::Answer,
      .unitMessage = {"An improper Horizontal Tank Volume Unit has been chosen.  Re-choose a Horizontal Tank Volume "
                      "Unit with the mouse."},
      .listCheck = {kAnswerUnitCheck}};
}

// The rows of the elliptical tabs: the shell's length, internal height and
// width, the fluid height, the heads, the answer. The (E) tab words its
// height and width messages without "Horizontal".
enum class Wording { Horizontal, Plain };

TankInputRow ellipticalLength(const char* box, const char* list) {
  return {.caption = "Length of Tank:",
          .box = box,
          .list = list,
          .role = R::Length,
          .valueName = "Length of Tank",
          .unitMessage = {"An improper Horizontal Elliptical Tank Length measurement has been chosen. Re-choose a "
                          "Horizontal Tank Length Unit with the mouse."},
          .boxCheck = {"Please type an Elliptical Tank Length value"},
          .listCheck = {kLengthUnitCheck}};
}

TankInputRow ellipticalHeight(const char* box, const char* list, Wording wording = Wording::Horizontal) {
  return {.caption = "Internal Tank Height:",
          .box = box,
          .list = list,
          .role = R::Height,
          .reading = SizeReading::Half,
          .valueName = "Internal Tank Height",
          .unitMessage = {wording == Wording::Horizontal
                              ? "An improper Horizontal Tank Height measurement has been chosen. Re-choose a "
                                "Horizontal Tank Height Unit with the mouse."
                              : "An improper Tank Height measurement has been chosen. Re-choose a Tank Height Unit "
                                "with the mouse."},
          .boxCheck = {"Please type an Internal Tank Height Value"},
          .listCheck = {"Please choose a Height Unit with the mouse"}};
}

TankInputRow ellipticalWidth(const char* box, const char* list, Wording wording = Wording::Horizontal) {
  return {.caption = "Internal Tank Width:",
          .box = box,
          .list = list,
          .role = R::Width,
          .reading = SizeReading::Half,
          .valueName = "Internal Tank Width",
          .unitMessage = {wording == Wording::Horizontal
                              ? "An improper Horizontal Tank Width measurement has been chosen. Re-choose a "
                                "Horizontal Tank Width Unit with the mouse."
                              : "An improper Tank Width measurement has been chosen. Re-choose a Tank Width Unit with "
                                "the mouse."},
          .boxCheck = {"Please type an Elliptical Tank Width value"},
          .listCheck = {"Please choose a Width Unit with the mouse"}};
}

TankInputRow ellipticalFluid(const char* box, const char* list) {
  return {.caption = kFluidCaption,
          .box = box,
          .list = list,
          .role = R::Fluid,
          .reading = SizeReading::Fluid,
          .valueName = "Fluid Height",
          .unitMessage = {"An improper Tank Fluid Height measurement has been chosen. Re-choose a Fluid Height Unit "
                          "with the mouse."}};
}

TankInputRow ellipticalAnswer(const char* box, const char* list) {
  return {
      .box = box,
      .list = list,
      .role = R::Answer,
      .unitMessage = {"An improper Tank Volume Unit has been chosen.  Re-choose a Tank Volume Unit with the mouse."},
      .listCheck = {kAnswerUnitCheck}};
}

// The tabs in the window's order.
const std::vector<TankTab>& horizontalTabs() {
  using S = TankShape;
  static const std::vector<TankTab> tabs = {
      {.tab = "Horizontal Tank Volume (E)",
       .heading = "Determine the volume of liquid from the bottom of a circular horizontal tank with Ellipsoidal ends.",
       .shape = S::HorizontalEllipsoidal,
       .picture = "Picture6",
       .rows = {circularLength("TbHorizTankLengthS", "CboHorizTankLengthS"),
                circularDiameter("TbHorizInterDiameterS", "CboHorizInterDiameterS"),
                circularFluid("TbHorizFluidHeightS", "CboHorizFluidHeightS"),
                headRow("Ellipsoid Length (a):", "TbHorizSphereLengthS", "CboHorizSphereLengthS", "Ellipsoid Length",
                        "An improper Horizontal Ellipsoid Length measurement has been chosen. Re-choose a Horizontal "
                        "Ellipsoid Length with the mouse.",
                        kEllipsoidUnitCheck),
                circularAnswer("TbHorizTankAnswerS", "CboHorizTankAnswerS")},
       .calculateButton = "CmdCalcHorizTankVolumeS",
       .printButton = "CmdPrintHorizChartDataS",
       .calculate = CalcHorizontalEllipsoidal},
      {.tab = "Elliptical Tank Volume (C)",
       .heading = "Determine the volume of liquid from the bottom of an Elliptical horizontal tank with Conical ends.",
       .shape = S::HorizontalEllipticalConical,
       .picture = "Picture10",
       .rows = {ellipticalLength("TbEllipticalTankLengthC", "CboEllipticalTankLengthC"),
                ellipticalHeight("TbEllipticalInterHeightC", "CboEllipticalInterHeightC"),
                ellipticalWidth("TbEllipticalInterWidthC", "CboEllipticalInterWidthC"),
                ellipticalFluid("TbEllipticalFluidHeightC", "CboEllipticalFluidHeightC"),
                headRow("Conical Length (a):", "TbEllipticalConicalLengthC", "CboEllipticalConicalLengthC",
                        "Conical Length",
                        "An improper Conical Length measurement has been chosen. Re-choose a Conical Length with the "
                        "mouse.",
                        kConicalUnitCheck),
                ellipticalAnswer("TbEllipticalTankAnswerC", "CboEllipticalTankAnswerC")},
       .calculateButton = "CmdCalcEllipTankConicalEnd",
       .printButton = "CmdPrintCalcEllipTankConicalEnd",
       .calculate = CalcEllipticalConical},
      {.tab = "Elliptical Tank Volume(E)",
       .heading =
           "Determine the volume of liquid from the bottom of an Elliptical horizontal tank with Ellipsoidal ends.",
       .shape = S::HorizontalEllipticalEllipsoidal,
       .picture = "Picture11",
       .rows = {ellipticalLength("TbEllipticalTankLengthE", "CboEllipticalTankLengthE"),
                ellipticalHeight("TbEllipticalInterHeightE", "CboEllipticalInterHeightE", Wording::Plain),
                ellipticalWidth("TbEllipticalInterWidthE", "CboEllipticalInterWidthE", Wording::Plain),
                ellipticalFluid("TbEllipticalFluidHeightE", "CboEllipticalFluidHeightE"),
                headRow("Ellipsoidal Length (a):", "TbEllipticalConicalLengthE", "CboEllipticalConicalLengthE",
                        "Ellipsoidal Length",
                        "An improper Ellipsoid Length measurement has been chosen. Re-choose an Ellipsoid Length with "
                        "the mouse.",
                        kEllipsoidUnitCheck),
                ellipticalAnswer("TbEllipticalTankAnswerE", "CboEllipticalTankAnswerE")},
       .calculateButton = "CmdEllipticalTankEllipsEnd",
       .printButton = "CmdPrintEllipticalTankEllipsEnd",
       .calculate = CalcEllipticalEllipsoidal},
      {.tab = "Horizontal Tank Volume (C)",
       .heading = "Determine the volume of liquid from the bottom of a circular horizontal tank with Conical ends.",
       .shape = S::HorizontalConical,
       .picture = "Picture7",
       .rows = {circularLength("TbHorizTankLengthC", "CboHorizTankLengthC"),
                circularDiameter("TbHorizInterDiameterC", "CboHorizInterDiameterC"),
                circularFluid("TbHorizFluidHeightC", "CboHorizFluidHeightC"),
                headRow("Conical Length (a):", "TbHorizConicalLengthC", "CboHorizConicalLengthC", "Conical Length",
                        "An improper Horizontal Conical Length measurement has been chosen. Re-choose a Horizontal "
                        "Conical Length with the mouse.",
                        kConicalUnitCheck),
                circularAnswer("TbHorizTankAnswerC", "CboHorizTankAnswerC")},
       .calculateButton = "Command1",
       .printButton = "Command2",
       .calculate = CalcHorizontalConical},
      // The guppy tab's message asks for a conical length: its own text.
      {.tab = "Horizontal Tank Volume (G)",
       .heading = "Determine the volume of liquid from the bottom of a circular horizontal tank with Guppy ends.",
       .shape = S::HorizontalGuppy,
       .picture = "Picture8",
       .rows = {circularLength("TbHorizTankLengthG", "CboHorizTankLengthG"),
                circularDiameter("TbHorizInterDiameterG", "CboHorizInterDiameterG"),
                circularFluid("TbHorizFluidHeightG", "CboHorizFluidHeightG"),
                headRow("Guppy End Length (a):", "TbHorizGuppyLengthG", "CboHorizGuppyLengthG", "Guppy End Length",
                        "An improper Horizontal Guppy Length measurement has been chosen. Re-choose a Horizontal "
                        "Conical Length with the mouse.",
                        kGuppyUnitCheck),
                circularAnswer("TbHorizTankAnswerG", "CboHorizTankAnswerG")},
       .calculateButton = "CmdGuppyCalculate",
       .printButton = "Command3",
       .calculate = CalcHorizontalGuppy},
      {.tab = "Horizontal Tank Volume (Flat)",
       .heading = "Determine the volume of liquid from the bottom of a circular horizontal tank with flat ends.",
       .shape = S::HorizontalFlat,
       .picture = "Picture5",
       .rows = {circularLength("TbHorizTankLength", "CboHorizTankLength"),
                circularDiameter("TbHorizInterDiameter", "CboHorizInterDiameter"),
                circularFluid("TbHorizFluidHeight", "CboHorizFluidHeight"),
                circularAnswer("TbHorizTankAnswer", "CboHorizTankAnswer")},
       .calculateButton = "CmdCalcHorizTankVolume",
       .printButton = "CmdPrintChartData",
       .printCaption = "&Print Chart With Data",
       .calculate = CalcHorizontalFlat},
      {.tab = "Elliptical Tank Volume (Flat)",
       .heading = "Determine the volume of liquid from the bottom of an Elliptical horizontal tank with Flat ends.",
       .shape = S::HorizontalEllipticalFlat,
       .picture = "Picture1",
       .rows = {ellipticalLength("TbEllipticalTankLengthF", "CboEllipticalTankLengthF"),
                ellipticalHeight("TbEllipticalTankHeightF", "CboEllipticalTankHeightF"),
                ellipticalWidth("TbEllipticalTankWidthF", "CboEllipticalTankWidthF"),
                ellipticalFluid("TbEllipticalTankFluidHeightF", "CboEllipticalTankFluidHeightF"),
                ellipticalAnswer("TbEllipticalTankAnswerF", "CboEllipticalTankAnswerF")},
       .calculateButton = "CmdEllipticalTankFlatEndCalc",
       .printButton = "CmdPrintEllipTnkFlatEnd",
       .calculate = CalcEllipticalFlat},
      {.tab = "Elliptical Tank Volume (G)",
       .heading =
           "Determine the volume of liquid from the bottom of an Elliptical horizontal tank with distorted Guppy ends.",
       .shape = S::HorizontalEllipticalGuppy,
       .picture = "Picture2",
       .rows = {ellipticalLength("TbEllipticalTankLengthG", "CboEllipticalTankLengthG"),
                ellipticalHeight("TbEllipticalInterHeightG", "CboEllipticalInterHeightG"),
                ellipticalWidth("TbEllipticalInterWidthG", "CboEllipticalInterWidthG"),
                ellipticalFluid("TbEllipticalFluidHeightG", "CboEllipticalFluidHeightG"),
                headRow("Guppy Length (a):", "TbEllipticalGuppyLengthG", "CboEllipticalGuppyLengthG", "Guppy Length",
                        "An improper Guppy Length measurement has been chosen. Re-choose a Guppy Length with the "
                        "mouse.",
                        kGuppyUnitCheck),
                ellipticalAnswer("TbEllipticalTankAnswerG", "CboEllipticalTankAnswerG")},
       .calculateButton = "CmdCalcEllipTnkGuppyEnd",
       .printButton = "CmdPrintEllipTnkGuppyEnd",
       .calculate = CalcEllipticalGuppy},
  };
  return tabs;
}

enum Tab : std::size_t {
  kEllipsoidal,
  kEllipticalConical,
  kEllipticalEllipsoidal,
  kConical,
  kGuppy,
  kFlat,
  kEllipticalFlat,
  kEllipticalGuppy
};

const TankRows& rowsOf(Tab tab) { return horizontalTabs()[tab].rows; }

// ---- Circular tanks ---------------------------------------------------------

struct CircularTab {
  std::array<Input, 3> shell;  // radius (from the diameter), shell length, fluid height
  Input head = {};             // length of each head; none on the flat tab
  Input answerUnit;
  const char* answer;
  HeadsVolume heads = nullptr;
  AnswerForm form = grouped4Answer;
};

CircularTab circularTab(Tab tab, HeadsVolume heads = nullptr, AnswerForm form = grouped4Answer) {
  const TankRows& rows = rowsOf(tab);
  const TankInputRow& answer = tankRow(rows, R::Answer);
  return {.shell = tankInputs(rows, std::array{R::Height, R::Length, R::Fluid}),
          .head = heads ? tankInput(tankRow(rows, R::Bottom)) : Input{},
          .answerUnit = tankInput(answer),
          .answer = answer.box,
          .heads = heads,
          .form = form};
}

// The shell in metres: radius, length and the fluid height after its rules.
struct Shell {
  double r, L, h;
};

// The shell's sizes read, the fluid height's rules kept and a tank of no
// diameter refused (the fluid-height box already checked).
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

// ---- Elliptical tanks -------------------------------------------------------

struct EllipticalTab {
  std::array<Input, 4> shell;  // half-height b, half-width w, shell length, fluid height
  Input head = {};             // length of each head; none on the flat tab
  Input answerUnit;
  const char* answer;
  HeadsVolume heads = nullptr;
};

EllipticalTab ellipticalTab(Tab tab, HeadsVolume heads = nullptr) {
  const TankRows& rows = rowsOf(tab);
  const TankInputRow& answer = tankRow(rows, R::Answer);
  return {.shell = tankInputs(rows, std::array{R::Height, R::Width, R::Length, R::Fluid}),
          .head = heads ? tankInput(tankRow(rows, R::Bottom)) : Input{},
          .answerUnit = tankInput(answer),
          .answer = answer.box,
          .heads = heads};
}

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

// Each tab's inputs, read from its rows once, before any calculation runs.
const CircularTab kHorizontalFlatInputs = circularTab(kFlat);
const CircularTab kHorizontalEllipsoidalInputs = circularTab(kEllipsoidal, EllipsoidalHeadsVolume, hash3Answer);
const CircularTab kHorizontalConicalInputs = circularTab(kConical, ConicalHeadsVolume);
const CircularTab kHorizontalGuppyInputs = circularTab(kGuppy, GuppyHeadsVolume);
const EllipticalTab kEllipticalFlatInputs = ellipticalTab(kEllipticalFlat);
const EllipticalTab kEllipticalConicalInputs = ellipticalTab(kEllipticalConical, ConicalHeadsVolume);
const EllipticalTab kEllipticalEllipsoidalInputs = ellipticalTab(kEllipticalEllipsoidal, EllipsoidalHeadsVolume);
const EllipticalTab kEllipticalGuppyInputs = ellipticalTab(kEllipticalGuppy, GuppyHeadsVolume);

}  // namespace

// The flat tab shows the volume in cubic metres first; a refused answer unit
// then leaves that text in the label.
Outcome CalcHorizontalFlat(const Fields& fields) {
  const CircularTab& tab = kHorizontalFlatInputs;
  Outcome outcome;
  const std::optional<Shell> shell = readCircularShell(tab, fields, outcome);
  if (!shell) return outcome;
  const double V = SegmentVolume(shell->r, shell->L, shell->h);
  if (!acceptAnswer(V, outcome)) return outcome;
  writeAnswer(V, tab.answer, generalAnswer, outcome);
  Reading unit;
  if (!readInput(fields, tab.answerUnit, unit, outcome)) return outcome;
  writeAnswer(applyFactor(*unit.unit, V), tab.answer, tab.form, outcome);
  return outcome;
}

Outcome CalcHorizontalEllipsoidal(const Fields& fields) {
  return circularWithHeads(kHorizontalEllipsoidalInputs, fields);
}
Outcome CalcHorizontalConical(const Fields& fields) { return circularWithHeads(kHorizontalConicalInputs, fields); }
Outcome CalcHorizontalGuppy(const Fields& fields) { return circularWithHeads(kHorizontalGuppyInputs, fields); }

Outcome CalcEllipticalFlat(const Fields& fields) { return elliptical(kEllipticalFlatInputs, fields); }
Outcome CalcEllipticalConical(const Fields& fields) { return elliptical(kEllipticalConicalInputs, fields); }
Outcome CalcEllipticalEllipsoidal(const Fields& fields) { return elliptical(kEllipticalEllipsoidalInputs, fields); }
Outcome CalcEllipticalGuppy(const Fields& fields) { return elliptical(kEllipticalGuppyInputs, fields); }

// The drawings of tanks on their side are wide.
const PageForm& horizontalTankForm() {
  static const PageForm form = [] {
    PageForm horizontal = {.key = kHorizontalTanksWindow,
                           .caption = "Tank Calculations",
                           .tabs = "SSTab1",
                           .tabsPerRow = 4,
                           .firstTab = 5,
                           .lists = ListKind::Editable};
    for (const TankTab& tab : horizontalTabs()) horizontal.pages.push_back(tankPage(tab, 300, 180));
    return horizontal;
  }();
  return form;
}

const TankRows& horizontalTankRows(int tab) { return horizontalTabs().at(static_cast<std::size_t>(tab)).rows; }

namespace {

// ---- Charts -----------------------------------------------------------------

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

// A circular tab checks its diameter and length boxes, their units, the
// heads' unit and the answer unit; an elliptical one its height, length and
// width boxes, the height's, width's, length's and heads' units and the
// answer unit. A tab with flat ends has no heads' unit to check.
constexpr TankCheck kCircularChecks[] = {boxCheck(R::Height),  boxCheck(R::Length),  listCheck(R::Height),
                                         listCheck(R::Length), listCheck(R::Bottom), listCheck(R::Answer)};
constexpr TankCheck kEllipticalChecks[] = {boxCheck(R::Height),  boxCheck(R::Length), boxCheck(R::Width),
                                           listCheck(R::Height), listCheck(R::Width), listCheck(R::Length),
                                           listCheck(R::Bottom), listCheck(R::Answer)};

bool isElliptical(Tab tab) {
  return tab == kEllipticalConical || tab == kEllipticalEllipsoidal || tab == kEllipticalFlat ||
         tab == kEllipticalGuppy;
}

using Headers = std::array<HeaderLine, 3>;

// The headers of a tab: "a Height of" is the diameter, or the internal
// height; the width is an elliptical tab's own.
Headers horizontalHeaders(Tab tab) {
  const TankRows& rows = rowsOf(tab);
  const auto n = [&](R role) { return numOf(rows, role); };
  const auto u = [&](R role) { return unitOf(rows, role); };
  switch (tab) {
    case kEllipsoidal:
      return {HeaderLine{lit("These dimensions are for a Horizontal Cylindrical Tank with Ellipsoid ends, a")},
              HeaderLine{lit("Height of "), n(R::Height), lit(" "), u(R::Height), lit(", a Length of "), n(R::Length),
                         lit(" "), u(R::Length)},
              HeaderLine{lit("and an Ellipsoid Length of "), n(R::Bottom), lit(" "), u(R::Bottom)}};
    case kEllipticalConical:
      return {HeaderLine{lit("These dimensions are for a Horizontal Elliptical Tank with Distorted Conical ends,")},
              HeaderLine{lit("a Height of "), n(R::Height), lit(" "), u(R::Height), lit(", a Width of "), n(R::Width),
                         lit(" "), u(R::Width)},
              HeaderLine{lit(" a Length of "), n(R::Length), lit(" "), u(R::Length), lit(" and an Conical Length of "),
                         n(R::Bottom), lit(" "), u(R::Bottom)}};
    case kEllipticalEllipsoidal:
      return {HeaderLine{lit("These dimensions are for a Horizontal Elliptical Tank with Ellipsoid ends, ")},
              HeaderLine{lit("a Height of "), n(R::Height), lit(" "), u(R::Height), lit(", a Width of "), n(R::Width),
                         lit(" "), u(R::Width)},
              HeaderLine{lit("a Length of "), n(R::Length), lit(" "), u(R::Length), lit(" and an Ellipsoid Length of "),
                         n(R::Bottom), lit(" "), u(R::Bottom)}};
    // The length's unit opens the third line.
    case kConical:
      return {HeaderLine{lit("These dimensions are for a Horizontal Cylindrical Tank with Conical ends and")},
              HeaderLine{lit(" a Height of "), n(R::Height), lit(" "), u(R::Height), lit(" a Length of "), n(R::Length),
                         lit(" ")},
              HeaderLine{u(R::Length), lit(" and a Conical Length of "), n(R::Bottom), lit(" "), u(R::Bottom)}};
    case kGuppy:
      return {HeaderLine{lit("These dimensions are for a Horizontal Cylindrical Tank with Guppy ends")},
              HeaderLine{lit("a Height of "), n(R::Height), lit(" "), u(R::Height), lit(" a Length of "), n(R::Length),
                         lit(" "), u(R::Length)},
              HeaderLine{lit("and an Guppy Length of "), n(R::Bottom), lit(" "), u(R::Bottom)}};
    case kFlat:
      return {HeaderLine{lit("These dimensions are for a Horizontal Cylindrical Tank")},
              HeaderLine{lit("with flat ends and a Height of "), n(R::Height), lit(" "), u(R::Height)},
              HeaderLine{lit("and a Length of "), n(R::Length), lit(" "), u(R::Length)}};
    case kEllipticalFlat:
      return {HeaderLine{lit("These dimensions are for a Horizontal Elliptical Tank with Flat")},
              HeaderLine{lit("ends, a Height of "), n(R::Height), lit(" "), u(R::Height), lit(", a Width of "),
                         n(R::Width), lit(" "), u(R::Width)},
              HeaderLine{lit(" and a Length of "), n(R::Length), lit(" "), u(R::Length)}};
    case kEllipticalGuppy:
      return {HeaderLine{lit("These dimensions are for a Horizontal Elliptical Tank with Distorted Guppy ends, a")},
              HeaderLine{lit("Height of "), n(R::Height), lit(" "), u(R::Height), lit(", a Width of "), n(R::Width),
                         lit(" "), u(R::Width), lit(" a Length of "), n(R::Length), lit(" "), u(R::Length)},
              HeaderLine{lit("and an Guppy Length of "), n(R::Bottom), lit(" "), u(R::Bottom)}};
  }
  return {};
}

}  // namespace

const TankChartProfile& horizontalChartProfile(int tab) {
  static const std::vector<TankChartProfile> profiles = [] {
    std::vector<TankChartProfile> all;
    for (std::size_t i = 0; i < horizontalTabs().size(); ++i) {
      const Tab t = static_cast<Tab>(i);
      const std::span<const TankCheck> checks =
          isElliptical(t) ? std::span<const TankCheck>(kEllipticalChecks) : kCircularChecks;
      all.push_back(tankChartProfile(rowsOf(t), checks, t == kFlat ? flatChartRow : horizontalTabs()[i].calculate,
                                     horizontalHeaders(t)));
    }
    return all;
  }();
  return profiles.at(static_cast<std::size_t>(tab));
}

const TankPictureInputs* horizontalPictureInputs(int tab) {
  static const std::vector<TankPictureInputs> pictures = [] {
    std::vector<TankPictureInputs> all;
    for (const TankTab& t : horizontalTabs()) all.push_back(tankPictureInputs(t.shape, t.rows));
    return all;
  }();
  return tab >= 0 && tab < static_cast<int>(pictures.size()) ? &pictures[static_cast<std::size_t>(tab)] : nullptr;
}

}  // namespace calvexa
