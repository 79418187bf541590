#include "oilfield/coating_rules.h"

#include <cmath>

#include "core/input.h"

namespace calvexa {
namespace {

// ---- Tab "Pipline Coating"

const UnitInput kPipeDiameter = {"TbPipelineDiameter", "CboPipelineDiameter", "Pipeline Diameter",
                                 "An improper pipeline diameter measurement has been chosen. Re-choose a pipeline "
                                 "diameter unit with the mouse."};
const UnitInput kPipeThickness = {"TbPipelineThickness", "CboPipelineThickness", "Coating Thickness",
                                  "An improper Inner Radius Unit has been chosen.  Re-choose another Inner Radius "
                                  "Unit with the mouse."};
const UnitInput kPipeLength = {"TbPipelineLength", "CboPipelineLength", "Pipeline Length",
                               "An improper pipeline length has been chosen.  Re-choose a pipeline diameter unit "
                               "with the mouse."};
const char* const kPipeVolumeMessage =
    "An improper volume has been chosen.  Re-choose a pipeline volume unit with the mouse.";

// ---- Tab "Complete Downhole Coating"

const UnitInput kCasingDiameter = {"TbCasingDiameter", "CboCasingDiameter", "Casing Diameter",
                                   "An improper Casing diameter measurement has been chosen. Re-choose a Casing "
                                   "Diameter Unit with the mouse."};
const UnitInput kCasingLength = {"TbCasingLength", "CboCasingLength", "Casing Length",
                                 "An improper Casing length has been chosen.  Re-choose a Casing unit with the mouse."};
const UnitInput kHoleCoating = {"TbDwnholeCoating", "CboDownholeCoating", "Coating Thickness",
                                "An improper Hole Coating Thickness Unit has been chosen.  Re-choose another Hole "
                                "Coating Thickness Unit with the mouse."};
const UnitInput kTubingDiameter = {"TbTubingDiameter", "CboTubingDiameter", "Tubing Diameter",
                                   "An improper Internal Tubing diameter measurement has been chosen. Re-choose an "
                                   "Internal Tubing Diameter Unit with the mouse."};
const UnitInput kTubingLength = {"TbTubingLength", "CboTubingLength", "Tubing Length",
                                 "An improper Tubing length has been chosen.  Re-choose a Tubing unit with the mouse."};
const UnitInput kTubingThickness = {"TbTubingThickness", "CboTubingThickness", "Tubing Thickness",
                                    "An improper Tubing Thickness Unit has been chosen.  Re-choose another Tubing "
                                    "Thickness Unit with the mouse."};
const char* const kDownholeVolumeMessage =
    "An improper Downhole Answer Volume has been chosen.  Re-choose a Downhole Answer Volume unit with the mouse.";

// ---- Tab "Internal Tube Coating"

const UnitInput kTubeDiameter = {"TbIntTubDiameter", "CboIntTubDiameter", "Tubing Diameter",
                                 "An improper Internal Tank Diameter measurement has been chosen. Re-choose a Unit "
                                 "with the mouse."};
const UnitInput kTubeCoating = {"TbIntTubCoating", "CboIntTubCoating", "Tube Coating Thickness",
                                "An improper Coating Unit has been chosen.  Re-choose another Unit with the mouse."};
const UnitInput kTubeLength = {"TbIntTubLength", "CboIntTubLength", "Tubing Length",
                               "An improper tubing length has been chosen.  Re-choose a unit with the mouse."};
const char* const kTubeVolumeMessage =
    "An improper Coating Volume Unit has been chosen.  Re-choose a Unit with the mouse.";

// The tube's diameter is taken whole (not halved); its thickness list also
// knows feet and metres; its length list also millimetres.
const UnitOrder kTubeDiameterOrder = {"Meters", "Centimeters", "Millimeters", "Feet", "Inches", "Mil"};
const UnitOrder kTubeCoatingOrder = {"Centimeters", "Inches", "Feet", "Meters", "Millimeters", "Mil"};
const UnitOrder kTubeLengthOrder = {"Meters", "Centimeters", "Millimeters", "Kilometers", "Feet", "Inches", "Miles"};

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
  if (!requireTexts(fields,
                    {{kPipeDiameter.box, "Please type in a number for Pipeline Diameter."},
                     {kPipeLength.box, "Please type in a number for Pipeline Length."},
                     {kPipeThickness.box, "Please type in a number for Coating Thickness."}},
                    outcome))
    return outcome;
  const auto outerRadius = readInUnit(fields, kPipeDiameter, kDiameterToRadius, kDiameterOrder, outcome);
  if (!outerRadius) return outcome;
  const auto thickness = readInUnit(fields, kPipeThickness, kThicknessToMetres, kThicknessOrder, outcome);
  if (!thickness) return outcome;
  const double innerRadius = *outerRadius - *thickness;
  // The two cylinders are computed on the typed length; its unit factor comes last.
  const UnitFactor* lengthUnit =
      readUnit(fields, kPipeLength.list, kLengthToMetres, kLengthOrder, kPipeLength.unitMessage, outcome);
  if (!lengthUnit) return outcome;
  const auto typedLength = readNumber(fields, kPipeLength.box, kPipeLength.valueName, outcome);
  if (!typedLength) return outcome;
  const double outer = applyFactor(*lengthUnit, *typedLength * (std::pow(*outerRadius, 2) * kRingPi));
  const double inner = applyFactor(*lengthUnit, *typedLength * (std::pow(innerRadius, 2) * kRingPi));
  const UnitFactor* volume =
      readUnit(fields, "CboPipelineVolume", kCubicMetresToVolume, kVolumeOrder, kPipeVolumeMessage, outcome);
  if (!volume) return outcome;
  writeAnswer(applyFactor(*volume, outer - inner), "TbPipelineVolume", generalAnswer, outcome);
  return outcome;
}

Outcome DownholeCoating(const Fields& fields) {
  Outcome outcome;
  if (!requireTexts(fields,
                    {{kCasingDiameter.box, "Please type in a number for Casing Diameter."},
                     {kCasingLength.box, "Please type in a number for Casing Length."},
                     {kHoleCoating.box, "Please type in a number for Coating Thickness."},
                     {kTubingDiameter.box, "Please type in a number for Tubing Diameter."},
                     {kTubingLength.box, "Please type in a number for Tubing Length."},
                     {kTubingThickness.box, "Please type in a number for Tubing Thickness."}},
                    outcome))
    return outcome;
  // Read in the order the checks have always run. The coating thickness, the
  // tubing radius and the tubing length were read a second and third time
  // later on; those reads see the same texts, so they can neither fail nor
  // give another value, and each is read once here.
  const auto casingRadius = readInUnit(fields, kCasingDiameter, kDiameterToRadius, kDiameterOrder, outcome);
  if (!casingRadius) return outcome;
  const auto coating = readInUnit(fields, kHoleCoating, kThicknessToMetres, kThicknessOrder, outcome);
  if (!coating) return outcome;
  const auto casingLength = readInUnit(fields, kCasingLength, kLengthToMetres, kLengthOrder, outcome);
  if (!casingLength) return outcome;
  const auto tubingRadius = readInUnit(fields, kTubingDiameter, kDiameterToRadius, kDiameterOrder, outcome);
  if (!tubingRadius) return outcome;
  const auto tubingWall = readInUnit(fields, kTubingThickness, kThicknessToMetres, kThicknessOrder, outcome);
  if (!tubingWall) return outcome;
  const auto tubingLength = readInUnit(fields, kTubingLength, kLengthToMetres, kLengthOrder, outcome);
  if (!tubingLength) return outcome;
  const UnitFactor* volume =
      readUnit(fields, "CboDownholeAnswer", kCubicMetresToVolume, kVolumeOrder, kDownholeVolumeMessage, outcome);
  if (!volume) return outcome;
  const double total =
      downholeVolume(*casingRadius, *coating, *casingLength, *tubingRadius, *tubingWall, *tubingLength);
  writeAnswer(applyFactor(*volume, total), "TbDownholeAnswer", grouped3Answer, outcome);
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
  // readInUnit refuses what is not a number.
  if (!requireTexts(fields,
                    {{kTubeCoating.box, "Please type in a number for Tube Coating Thickness."},
                     {kTubeDiameter.box, "Please type in a number for Tubing Diameter."},
                     {kTubeLength.box, "Please type in a number for Tubing Length."},
                     {kTubeLength.list, "Please Choose a Tubing Length Unit with the mouse."},
                     {kTubeCoating.list, "Please Choose a Tubing Coating Unit with the mouse."},
                     {kTubeDiameter.list, "Please Choose a Tubing Diameter Unit with the mouse."},
                     {"CboIntTubAnswer", "Please Choose a Tubing Volume Answer Unit with the mouse."}},
                    outcome))
    return outcome;
  const auto diameter = readInUnit(fields, kTubeDiameter, kLengthToMetres, kTubeDiameterOrder, outcome);
  if (!diameter) return outcome;
  const auto thickness = readInUnit(fields, kTubeCoating, kThicknessToMetres, kTubeCoatingOrder, outcome);
  if (!thickness) return outcome;
  const auto length = readInUnit(fields, kTubeLength, kLengthToMetres, kTubeLengthOrder, outcome);
  if (!length) return outcome;
  const UnitFactor* volume =
      readUnit(fields, "CboIntTubAnswer", kCubicMetresToVolume, kVolumeOrder, kTubeVolumeMessage, outcome);
  if (!volume) return outcome;
  writeAnswer(applyFactor(*volume, TubeCoatingVolume(*diameter, *length, *thickness)), "TbIntTubAnswer", grouped3Answer,
              outcome);
  return outcome;
}

const UnitItems& tubeLengthUnits() {
  static const UnitItems items = {"Centimeters", "Feet", "Inches", "Kilometers", "Meters", "Miles", "Millimeters"};
  return items;
}

const OilfieldForm& coatingForm() {
  static const OilfieldForm form = {
      "frmCoating",
      "Coating Calculations",
      "SSTab1",
      {
          {"Pipline Coating",
           "Internal Pipeline Coating Volume Calculation",
           nullptr,
           "Picture2",
           {
               {"Internal Pipeline Diameter:", kPipeDiameter.box, "1", "Type the Pipeline Diameter value here",
                kPipeDiameter.list, &kDiameterItems, true, "Choose the Unit of Pipeline Diameter", false},
               {"Pipeline Length:", kPipeLength.box, "1", "Type the Pipeline Length value here", kPipeLength.list,
                &kLengthItems, true, "Choose the Unit of Pipeline Length", false},
               {"Coating Thickness:", kPipeThickness.box, "1", "Type the coating thickness here", kPipeThickness.list,
                &kThicknessItems, true, "Choose the Unit of Pipeline Thickness", false},
               {"Calculated Volume:", "TbPipelineVolume", "", "Press Calculate for this answer", "CboPipelineVolume",
                &kVolumeItems, true, "Choose the Unit of Pipeline Volume", true},
           },
           true,
           nullptr,
           "CmdCoatingCalculation",
           "&Calculate",
           "Press to calculate the answer",
           PipelineCoating},
          {"Complete Downhole Coating",
           "Internal Oilfield Downhole Coating Volume Calculation",
           nullptr,
           "Picture3",
           {
               {"Internal Casing Diameter:", kCasingDiameter.box, "1", "Type the Internal Casing Diameter value here",
                kCasingDiameter.list, &kDiameterItems, true, "Choose from this selection of Diameter casing Units",
                false},
               {"Casing Length:", kCasingLength.box, "1", "Type the Casing Length value here", kCasingLength.list,
                &kLengthItems, true, "Choose from this selection of Casing Unit lengths", false},
               {"Desired Coating Thickness:", kHoleCoating.box, "1", "Type the desired coating thickness here",
                kHoleCoating.list, &kThicknessItems, true, "Choose from this selection of downhole thickness units",
                false},
               {"Internal Tubing Diameter:", kTubingDiameter.box, "1", "Type the Internal Tubing Diameter here",
                kTubingDiameter.list, &kDiameterItems, true, "Choose from this selection of Tubing Diameter units",
                false},
               {"Tubing Length:", kTubingLength.box, "1", "Type the Tubing length here", kTubingLength.list,
                &kLengthItems, true, "Choose from this selection of Tubing Length units", false},
               {"Tubing Thickness:", kTubingThickness.box, "1", "Type the tubing thickness value here",
                kTubingThickness.list, &kThicknessItems, true, "Choose from this selection of Tubing Thickness units",
                false},
               {"Calculated Volume:", "TbDownholeAnswer", "0.000", "Your calculated answer appears here",
                "CboDownholeAnswer", &kVolumeItems, true, "Choose from these calculated answer units", true},
           },
           true,
           nullptr,
           "CboDwnholeCoatingCalc",
           "&Calculate",
           "Press this button to Calculate the Answer",
           DownholeCoating},
          {"Internal Tube Coating",
           "Internal Pipeline Coating Volume Calculation",
           nullptr,
           "Picture1",
           {
               {"Internal Tubing Diameter:", kTubeDiameter.box, "1", "Enter the diameter value here",
                kTubeDiameter.list, &kDiameterItems, true, "Choose the diameter measurement units", false},
               {"Tubing Length:", kTubeLength.box, "1", "Enter the length value here", kTubeLength.list,
                &tubeLengthUnits(), true, "Choose the length measurement units", false},
               {"Coating Thickness:", kTubeCoating.box, "1", "Enter the coating value here", kTubeCoating.list,
                &kThicknessItems, true, "Choose the coating measurement units", false},
               {"Calculated Volume:", "TbIntTubAnswer", "", "Press Calculate and the answer appears here",
                "CboIntTubAnswer", &kVolumeItems, true, "Choose the units that you want the answer to appear", true},
           },
           false,
           nullptr,
           "CmdCalcIntTubCoating",
           "&Calculate",
           "Press here to calculate the answer",
           TubeCoating},
      }};
  return form;
}

}  // namespace calvexa
