#include "oilfield/pipeline_rules.h"

namespace calvexa {
namespace {

const UnitInput kDiameter = {"TbExternalPipeVolDiameter", "CboExternalPipeVolDiameter", "External Pipeline Diameter",
                             "An improper External Pipeline diameter measurement has been chosen. Re-choose an "
                             "External Pipeline Diameter Unit with the mouse."};
const UnitInput kThickness = {"TbPipeVolThickness", "CboPipeVolThickness", "Pipeline Thickness",
                              "An improper Pipeline Thickness Unit has been chosen.  Re-choose another Pipeline "
                              "Coating Thickness Unit with the mouse."};
const UnitInput kLength = {"TbPipeVolLength", "CboPipeVolLength", "Pipeline Length",
                           "An improper Pipe length has been chosen.  Re-choose a Pipe unit with the mouse."};
const char* const kVolumeUnitMessage =
    "An improper Calculated Volume Unit has been chosen.  Re-choose a Calculated Volume Unit with the mouse.";

}  // namespace

Outcome PipelineVolume(const Fields& fields) {
  Outcome outcome;
  if (!requireTexts(fields,
                    {{kDiameter.box, "Please type in a number for External Pipeline Diameter."},
                     {kThickness.box, "Please type in a number for Pipeline Thickness."},
                     {kLength.box, "Please type in a number for Pipeline Length."}},
                    outcome))
    return outcome;
  const auto outerRadius = readInUnit(fields, kDiameter, kDiameterToRadius, kDiameterOrder, outcome);
  if (!outerRadius) return outcome;
  const auto thickness = readInUnit(fields, kThickness, kThicknessToMetres, kThicknessOrder, outcome);
  if (!thickness) return outcome;
  const double innerRadius = *outerRadius - *thickness;
  const auto length = readInUnit(fields, kLength, kLengthToMetres, kLengthOrder, outcome);
  if (!length) return outcome;
  const UnitFactor* volume =
      readUnit(fields, "CboPipeVolAnswer", kCubicMetresToVolume, kVolumeOrder, kVolumeUnitMessage, outcome);
  if (!volume) return outcome;
  const double answer = applyFactor(*volume, RingVolume(innerRadius, 0, *length));
  writeAnswer(answer, "TbPipeVolAnswer", grouped3Answer, outcome);
  return outcome;
}

const OilfieldForm& pipelineForm() {
  static const OilfieldForm form = {
      "FrmPipelineVolume",
      "Pipeline Volume",
      nullptr,
      {{nullptr,
        "Total Pipeline Volume Calculation",
        nullptr,
        "Image2",
        {
            {"External Pipeline Diameter:", kDiameter.box, "1", nullptr, kDiameter.list, &kDiameterItems, true, nullptr,
             false},
            {"Pipeline Thickness:", kThickness.box, "1", nullptr, kThickness.list, &kThicknessItems, true, nullptr,
             false},
            {"Pipeline Length:", kLength.box, "1", nullptr, kLength.list, &kLengthItems, true, nullptr, false},
            {"Calculated Volume:", "TbPipeVolAnswer", "", nullptr, "CboPipeVolAnswer", &kVolumeItems, true, nullptr,
             true},
        },
        true,
        nullptr,
        "CmdLineVolume",
        "&Calculate",
        nullptr,
        PipelineVolume}}};
  return form;
}

}  // namespace calvexa
