#include "oilfield/coating_rules.h"

#include <cmath>

#include "core/input.h"
#include "oilfield/oilfield_units_rules.h"

namespace calvexa {
namespace {

// ---- Tab "Pipline Coating"

const Input kPipeDiameter = {
    .box = "TbPipelineDiameter",
    .list = "CboPipelineDiameter",
    .valueName = "Pipeline Diameter",
    .unitMessage = {"An improper pipeline diameter measurement has been chosen. Re-choose a pipeline "
                    "diameter unit with the mouse."},
    .units = kDiameterUnits};
const Input kPipeThickness = {
    .box = "TbPipelineThickness",
    .list = "CboPipelineThickness",
    .valueName = "Coating Thickness",
    .unitMessage = {"An improper Inner Radius Unit has been chosen.  Re-choose another Inner Radius "
                    "Unit with the mouse."},
    .units = kThicknessUnits};
const Input kPipeLength = {
    .box = "TbPipelineLength",
    .list = "CboPipelineLength",
    .valueName = "Pipeline Length",
    .unitMessage = {"An improper pipeline length has been chosen.  Re-choose a pipeline diameter unit "
                    "with the mouse."},
    .units = kLengthUnits};
const Input kPipeVolume = {
    .list = "CboPipelineVolume",
    .unitMessage = {"An improper volume has been chosen.  Re-choose a pipeline volume unit with the mouse."},
    .units = kVolumeUnits};

// ---- Tab "Complete Downhole Coating"

const Input kCasingDiameter = {
    .box = "TbCasingDiameter",
    .list = "CboCasingDiameter",
    .valueName = "Casing Diameter",
    .unitMessage = {"An improper Casing diameter measurement has been chosen. Re-choose a Casing "
                    "Diameter Unit with the mouse."},
    .units = kDiameterUnits};
const Input kCasingLength = {
    .box = "TbCasingLength",
    .list = "CboCasingLength",
    .valueName = "Casing Length",
    .unitMessage = {"An improper Casing length has been chosen.  Re-choose a Casing unit with the mouse."},
    .units = kLengthUnits};
const Input kHoleCoating = {
    .box = "TbDwnholeCoating",
    .list = "CboDownholeCoating",
    .valueName = "Coating Thickness",
    .unitMessage = {"An improper Hole Coating Thickness Unit has been chosen.  Re-choose another Hole "
                    "Coating Thickness Unit with the mouse."},
    .units = kThicknessUnits};
const Input kTubingDiameter = {
    .box = "TbTubingDiameter",
    .list = "CboTubingDiameter",
    .valueName = "Tubing Diameter",
    .unitMessage = {"An improper Internal Tubing diameter measurement has been chosen. Re-choose an "
                    "Internal Tubing Diameter Unit with the mouse."},
    .units = kDiameterUnits};
const Input kTubingLength = {
    .box = "TbTubingLength",
    .list = "CboTubingLength",
    .valueName = "Tubing Length",
    .unitMessage = {"An improper Tubing length has been chosen.  Re-choose a Tubing unit with the mouse."},
    .units = kLengthUnits};
const Input kTubingThickness = {
    .box = "TbTubingThickness",
    .list = "CboTubingThickness",
    .valueName = "Tubing Thickness",
    .unitMessage = {"An improper Tubing Thickness Unit has been chosen.  Re-choose another Tubing "
                    "Thickness Unit with the mouse."},
    .units = kThicknessUnits};
const Input kDownholeVolume = {
    .list = "CboDownholeAnswer",
    .unitMessage = {"An improper Downhole Answer Volume has been chosen.  Re-choose a Downhole Answer Volume unit "
                    "with the mouse."},
    .units = kVolumeUnits};

// ---- Tab "Internal Tube Coating"

// The tube's diameter is taken whole (not halved); its thickness list also
// knows feet and metres; its length list also millimetres.
const UnitOrder kTubeDiameterOrder = {"Meters", "Centimeters", "Millimeters", "Feet", "Inches", "Mil"};
const UnitOrder kTubeCoatingOrder = {"Centimeters", "Inches", "Feet", "Meters", "Millimeters", "Mil"};
const UnitOrder kTubeLengthOrder = {"Meters", "Centimeters", "Millimeters", "Kilometers", "Feet", "Inches", "Miles"};

const Input kTubeDiameter = {
    .box = "TbIntTubDiameter",
    .list = "CboIntTubDiameter",
    .valueName = "Tubing Diameter",
    .unitMessage = {"An improper Internal Tank Diameter measurement has been chosen. Re-choose a Unit "
                    "with the mouse."},
    .units = {&kLengthToMetres, &kTubeDiameterOrder}};
const Input kTubeCoating = {
    .box = "TbIntTubCoating",
    .list = "CboIntTubCoating",
    .valueName = "Tube Coating Thickness",
    .unitMessage = {"An improper Coating Unit has been chosen.  Re-choose another Unit with the mouse."},
    .units = {&kThicknessToMetres, &kTubeCoatingOrder}};
const Input kTubeLength = {
    .box = "TbIntTubLength",
    .list = "CboIntTubLength",
    .valueName = "Tubing Length",
    .unitMessage = {"An improper tubing length has been chosen.  Re-choose a unit with the mouse."},
    .units = {&kLengthToMetres, &kTubeLengthOrder}};
const Input kTubeVolume = {
    .list = "CboIntTubAnswer",
    .unitMessage = {"An improper Coating Volume Unit has been chosen.  Re-choose a Unit with the mouse."},
    .units = kVolumeUnits};

// The downhole layers as the calculation has always combined them: the casing
// layer comes out negative (its first radius is the smaller), the sign is
// turned when the outside of the tubing is added, and the inside of the
// tubing, negative again, is subtracted. The sum is of three positive layers.
double downholeVolume(double casingRadius, double coating, double casingLength, double tubingRadius, double tubingWall,
                      double tubingLength) {
  double total = RingVolume(casingRadius - coating, casingRadius, casingLength);
  const double outside = RingVolume(tubingRadius + tubingWall + coating, tubingRadius + tubingWall, tubingLength);
  total = (total - outside) * -1;
  const double inside = RingVolume(tubingRadius - coating, tubingRadius, tubingLength);
  return total - inside;
}

}  // namespace

Outcome PipelineCoating(const Fields& fields) {
  Outcome outcome;
  const Required required[] = {
      requiredNumber(kPipeDiameter),
      requiredNumber(kPipeLength),
      requiredNumber(kPipeThickness),
  };
  if (!requireTexts(fields, required, outcome)) return outcome;
  const auto in = readInputs(fields, {kPipeDiameter, kPipeThickness, kPipeLength, kPipeVolume}, outcome);
  if (!in) return outcome;
  const auto& [outerRadius, thickness, length, volume] = *in;
  const double innerRadius = outerRadius.value - thickness.value;
  // The two cylinders are computed on the typed length; its unit factor comes last.
  const double outer = applyFactor(*length.unit, length.typed * (std::pow(outerRadius.value, 2) * kRingPi));
  const double inner = applyFactor(*length.unit, length.typed * (std::pow(innerRadius, 2) * kRingPi));
  writeAnswer(applyFactor(*volume.unit, outer - inner), "TbPipelineVolume", generalAnswer, outcome);
  return outcome;
}

Outcome DownholeCoating(const Fields& fields) {
  Outcome outcome;
  const Required required[] = {
      requiredNumber(kCasingDiameter), requiredNumber(kCasingLength), requiredNumber(kHoleCoating),
      requiredNumber(kTubingDiameter), requiredNumber(kTubingLength), requiredNumber(kTubingThickness),
  };
  if (!requireTexts(fields, required, outcome)) return outcome;
  // Read in the order the checks have always run. The coating thickness, the
  // tubing radius and the tubing length were read a second and third time
  // later on; those reads see the same texts, so they can neither fail nor
  // give another value, and each is read once here.
  const auto in = readInputs(
      fields,
      {kCasingDiameter, kHoleCoating, kCasingLength, kTubingDiameter, kTubingThickness, kTubingLength, kDownholeVolume},
      outcome);
  if (!in) return outcome;
  const auto& [casingRadius, coating, casingLength, tubingRadius, tubingWall, tubingLength, volume] = *in;
  const double total = downholeVolume(casingRadius.value, coating.value, casingLength.value, tubingRadius.value,
                                      tubingWall.value, tubingLength.value);
  writeAnswer(applyFactor(*volume.unit, total), "TbDownholeAnswer", grouped3Answer, outcome);
  return outcome;
}

double TubeCoatingVolume(double diameter, double length, double thickness) {
  const double outer = std::pow(diameter / 2, 2) * kLongPi * length;
  const double inner = std::pow(diameter / 2 - thickness, 2) * kLongPi * length;
  return outer - inner;
}

Outcome TubeCoating(const Fields& fields) {
  Outcome outcome;
  // The boxes of this tab have no key filter: any text can arrive here, and
  // the reading refuses what is not a number.
  const Required required[] = {
      requiredNumber(kTubeCoating),
      requiredNumber(kTubeDiameter),
      requiredNumber(kTubeLength),
      {kTubeLength.list, {"Please Choose a Tubing Length Unit with the mouse."}},
      {kTubeCoating.list, {"Please Choose a Tubing Coating Unit with the mouse."}},
      {kTubeDiameter.list, {"Please Choose a Tubing Diameter Unit with the mouse."}},
      {kTubeVolume.list, {"Please Choose a Tubing Volume Answer Unit with the mouse."}},
  };
  if (!requireTexts(fields, required, outcome)) return outcome;
  const auto in = readInputs(fields, {kTubeDiameter, kTubeCoating, kTubeLength, kTubeVolume}, outcome);
  if (!in) return outcome;
  const auto& [diameter, thickness, length, volume] = *in;
  writeAnswer(applyFactor(*volume.unit, TubeCoatingVolume(diameter.value, length.value, thickness.value)),
              "TbIntTubAnswer", grouped3Answer, outcome);
  return outcome;
}

const UnitItems& tubeLengthUnits() {
  static const UnitItems items = {"Centimeters", "Feet", "Inches", "Kilometers", "Meters", "Miles", "Millimeters"};
  return items;
}

const PageForm& coatingForm() {
  static const PageForm form = {
      .key = kCoatingWindow,
      .caption = "Coating Calculations",
      .tabs = "SSTab1",
      .pages =
          {
              {
                  .tab = "Pipline Coating",
                  .heading = "Internal Pipeline Coating Volume Calculation",
                  .picture = {.name = "Picture2", .drawing = ":/pictures/coating.svg"},
                  .rows =
                      {
                          {.caption = "Internal Pipeline Diameter:",
                           .box = kPipeDiameter.box,
                           .boxText = "1",
                           .boxTip = "Type the Pipeline Diameter value here",
                           .list = kPipeDiameter.list,
                           .items = &kDiameterItems,
                           .listTip = "Choose the Unit of Pipeline Diameter"},
                          {.caption = "Pipeline Length:",
                           .box = kPipeLength.box,
                           .boxText = "1",
                           .boxTip = "Type the Pipeline Length value here",
                           .list = kPipeLength.list,
                           .items = &kLengthItems,
                           .listTip = "Choose the Unit of Pipeline Length"},
                          {.caption = "Coating Thickness:",
                           .box = kPipeThickness.box,
                           .boxText = "1",
                           .boxTip = "Type the coating thickness here",
                           .list = kPipeThickness.list,
                           .items = &kThicknessItems,
                           .listTip = "Choose the Unit of Pipeline Thickness"},
                          {.caption = "Calculated Volume:",
                           .box = "TbPipelineVolume",
                           .boxTip = "Press Calculate for this answer",
                           .list = kPipeVolume.list,
                           .items = &kVolumeItems,
                           .listTip = "Choose the Unit of Pipeline Volume",
                           .kind = RowKind::Answer},
                      },
                  .buttons = {{.name = "CmdCoatingCalculation",
                               .caption = "&Calculate",
                               .tip = "Press to calculate the answer"}},
                  .calculate = PipelineCoating,
              },
              {
                  .tab = "Complete Downhole Coating",
                  .heading = "Internal Oilfield Downhole Coating Volume Calculation",
                  .picture = {.name = "Picture3", .drawing = ":/pictures/coating.svg"},
                  .rows =
                      {
                          {.caption = "Internal Casing Diameter:",
                           .box = kCasingDiameter.box,
                           .boxText = "1",
                           .boxTip = "Type the Internal Casing Diameter value here",
                           .list = kCasingDiameter.list,
                           .items = &kDiameterItems,
                           .listTip = "Choose from this selection of Diameter casing Units"},
                          {.caption = "Casing Length:",
                           .box = kCasingLength.box,
                           .boxText = "1",
                           .boxTip = "Type the Casing Length value here",
                           .list = kCasingLength.list,
                           .items = &kLengthItems,
                           .listTip = "Choose from this selection of Casing Unit lengths"},
                          {.caption = "Desired Coating Thickness:",
                           .box = kHoleCoating.box,
                           .boxText = "1",
                           .boxTip = "Type the desired coating thickness here",
                           .list = kHoleCoating.list,
                           .items = &kThicknessItems,
                           .listTip = "Choose from this selection of downhole thickness units"},
                          {.caption = "Internal Tubing Diameter:",
                           .box = kTubingDiameter.box,
                           .boxText = "1",
                           .boxTip = "Type the Internal Tubing Diameter here",
                           .list = kTubingDiameter.list,
                           .items = &kDiameterItems,
                           .listTip = "Choose from this selection of Tubing Diameter units"},
                          {.caption = "Tubing Length:",
                           .box = kTubingLength.box,
                           .boxText = "1",
                           .boxTip = "Type the Tubing length here",
                           .list = kTubingLength.list,
                           .items = &kLengthItems,
                           .listTip = "Choose from this selection of Tubing Length units"},
                          {.caption = "Tubing Thickness:",
                           .box = kTubingThickness.box,
                           .boxText = "1",
                           .boxTip = "Type the tubing thickness value here",
                           .list = kTubingThickness.list,
                           .items = &kThicknessItems,
                           .listTip = "Choose from this selection of Tubing Thickness units"},
                          {.caption = "Calculated Volume:",
                           .box = "TbDownholeAnswer",
                           .boxText = "0.000",
                           .boxTip = "Your calculated answer appears here",
                           .list = kDownholeVolume.list,
                           .items = &kVolumeItems,
                           .listTip = "Choose from these calculated answer units",
                           .kind = RowKind::Answer},
                      },
                  .buttons = {{.name = "CboDwnholeCoatingCalc",
                               .caption = "&Calculate",
                               .tip = "Press this button to Calculate the Answer"}},
                  .calculate = DownholeCoating,
              },
              {
                  .tab = "Internal Tube Coating",
                  .heading = "Internal Pipeline Coating Volume Calculation",
                  .picture = {.name = "Picture1", .drawing = ":/pictures/coating.svg"},
                  .rows =
                      {
                          {.caption = "Internal Tubing Diameter:",
                           .box = kTubeDiameter.box,
                           .boxText = "1",
                           .boxTip = "Enter the diameter value here",
                           .list = kTubeDiameter.list,
                           .items = &kDiameterItems,
                           .listTip = "Choose the diameter measurement units"},
                          {.caption = "Tubing Length:",
                           .box = kTubeLength.box,
                           .boxText = "1",
                           .boxTip = "Enter the length value here",
                           .list = kTubeLength.list,
                           .items = &tubeLengthUnits(),
                           .listTip = "Choose the length measurement units"},
                          {.caption = "Coating Thickness:",
                           .box = kTubeCoating.box,
                           .boxText = "1",
                           .boxTip = "Enter the coating value here",
                           .list = kTubeCoating.list,
                           .items = &kThicknessItems,
                           .listTip = "Choose the coating measurement units"},
                          {.caption = "Calculated Volume:",
                           .box = "TbIntTubAnswer",
                           .boxTip = "Press Calculate and the answer appears here",
                           .list = kTubeVolume.list,
                           .items = &kVolumeItems,
                           .listTip = "Choose the units that you want the answer to appear",
                           .kind = RowKind::Answer},
                      },
                  .boxes = BoxKind::Plain,
                  .buttons = {{.name = "CmdCalcIntTubCoating",
                               .caption = "&Calculate",
                               .tip = "Press here to calculate the answer"}},
                  .calculate = TubeCoating,
              },
          },
  };
  return form;
}

}  // namespace calvexa
