// Coating volumes: how much coating lines a pipeline, a well (casing and
// tubing) or a tube with a layer of given thickness.
#pragma once

#include "core/outcome.h"
#include "core/page_table.h"

namespace calvexa {

// Tab "Pipline Coating": reads TbPipelineDiameter/CboPipelineDiameter,
// TbPipelineThickness/CboPipelineThickness, TbPipelineLength/CboPipelineLength
// and CboPipelineVolume; writes TbPipelineVolume (general number text).
Outcome PipelineCoating(const Fields& fields);

// Tab "Complete Downhole Coating": reads TbCasingDiameter/CboCasingDiameter,
// TbDwnholeCoating/CboDownholeCoating, TbCasingLength/CboCasingLength,
// TbTubingDiameter/CboTubingDiameter, TbTubingThickness/CboTubingThickness,
// TbTubingLength/CboTubingLength and CboDownholeAnswer; writes
// TbDownholeAnswer ("#,###.000").
Outcome DownholeCoating(const Fields& fields);

// The coating inside a tube: (D ÷ 2)² × π × L − (D ÷ 2 − t)² × π × L with
// π = 3.141592654; D, L and t in metres, the volume in cubic metres.
double TubeCoatingVolume(double diameter, double length, double thickness);

// Tab "Internal Tube Coating": reads TbIntTubCoating, TbIntTubDiameter,
// TbIntTubLength and CboIntTubLength, CboIntTubCoating, CboIntTubDiameter,
// CboIntTubAnswer; writes TbIntTubAnswer ("#,###.000").
Outcome TubeCoating(const Fields& fields);

// The units the tube-coating length list offers: exactly those its
// calculation accepts.
const UnitItems& tubeLengthUnits();

// The coating window: three tabs, one calculation each.
inline constexpr WindowKey kCoatingWindow{"frmCoating"};
const PageForm& coatingForm();

}  // namespace calvexa
