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

// FrmPipelineVolume: three value rows and the answer row, no tab control.
const PageForm& pipelineForm();

}  // namespace calvexa
