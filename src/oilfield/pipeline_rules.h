// The pipeline volume: the inside volume of a pipeline from its external
// diameter, wall thickness and length.
#pragma once

#include "core/outcome.h"
#include "core/page_table.h"

namespace calvexa {

// The Calculate button: reads TbExternalPipeVolDiameter/CboExternalPipeVolDiameter,
// TbPipeVolThickness/CboPipeVolThickness, TbPipeVolLength/CboPipeVolLength and
// CboPipeVolAnswer; writes TbPipeVolAnswer ("#,###.000") or shows one message.
Outcome PipelineVolume(const Fields& fields);

// The pipeline volume window: three value rows and the answer row, no tab
// control.
inline constexpr WindowKey kPipelineWindow{"FrmPipelineVolume"};
const PageForm& pipelineForm();

}  // namespace calvexa
