#include "oilfield/pipeline_rules.h"

#include "core/input.h"
#include "oilfield/oilfield_units_rules.h"

namespace calvexa {
namespace {

const Input kInputs[] = {
    {.box = "TbExternalPipeVolDiameter",
     .list = "CboExternalPipeVolDiameter",
     .valueName = "External Pipeline Diameter",
     .unitMessage = {"An improper External Pipeline diameter measurement has been chosen. Re-choose an External "
                     "Pipeline Diameter Unit with the mouse."},
     .units = kDiameterUnits},
    {.box = "TbPipeVolThickness",
     .list = "CboPipeVolThickness",
     .valueName = "Pipeline Thickness",
     .unitMessage = {"An improper Pipeline Thickness Unit has been chosen.  Re-choose another Pipeline Coating "
                     "Thickness Unit with the mouse."},
     .units = kThicknessUnits},
    {.box = "TbPipeVolLength",
     .list = "CboPipeVolLength",
     .valueName = "Pipeline Length",
     .unitMessage = {"An improper Pipe length has been chosen.  Re-choose a Pipe unit with the mouse."},
     .units = kLengthUnits},
    {.list = "CboPipeVolAnswer",
     .unitMessage = {"An improper Calculated Volume Unit has been chosen.  Re-choose a Calculated Volume Unit with "
                     "the mouse."},
     .units = kVolumeUnits},
};

const Required kRequired[] = {requiredNumber(kInputs[0]), requiredNumber(kInputs[1]), requiredNumber(kInputs[2])};

}  // namespace

Outcome PipelineVolume(const Fields& fields) {
  Outcome outcome;
  if (!requireTexts(fields, kRequired, outcome)) return outcome;
  const auto in = readInputs(fields, kInputs, outcome);
  if (!in) return outcome;
  const auto& [outerRadius, thickness, length, volume] = *in;
  const double innerRadius = outerRadius.value - thickness.value;
  const double answer = applyFactor(*volume.unit, RingVolume(innerRadius, 0, length.value));
  writeAnswer(answer, "TbPipeVolAnswer", grouped3Answer, outcome);
  return outcome;
}

const PageForm& pipelineForm() {
  static const PageForm form = {
      .key = kPipelineWindow,
      .caption = "Pipeline Volume",
      .pages = {{
          .heading = "Total Pipeline Volume Calculation",
          .picture = {.name = "Image2", .drawing = ":/pictures/pipeline.svg"},
          .rows =
              {
                  {.caption = "External Pipeline Diameter:",
                   .box = "TbExternalPipeVolDiameter",
                   .boxText = "1",
                   .list = "CboExternalPipeVolDiameter",
                   .items = &kDiameterItems},
                  {.caption = "Pipeline Thickness:",
                   .box = "TbPipeVolThickness",
                   .boxText = "1",
                   .list = "CboPipeVolThickness",
                   .items = &kThicknessItems},
                  {.caption = "Pipeline Length:",
                   .box = "TbPipeVolLength",
                   .boxText = "1",
                   .list = "CboPipeVolLength",
                   .items = &kLengthItems},
                  {.caption = "Calculated Volume:",
                   .box = "TbPipeVolAnswer",
                   .list = "CboPipeVolAnswer",
                   .items = &kVolumeItems,
                   .kind = RowKind::Answer},
              },
          .buttons = {{.name = "CmdLineVolume", .caption = "&Calculate"}},
          .calculate = PipelineVolume,
      }},
  };
  return form;
}

}  // namespace calvexa
