// The windows of the oilfield calculations, by the keys the registry knows
// them by; each key is defined with its window's page table.
#pragma once

#include "oilfield/annular_rules.h"
#include "oilfield/coating_rules.h"
#include "oilfield/fuel_rules.h"
#include "oilfield/pipeline_rules.h"
