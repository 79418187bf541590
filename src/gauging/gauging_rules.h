// Tank gauging by API MPMS 12.1.1 (upright tanks): from a gauge reading to
// the net standard volume. The total observed volume at the innage, less the
// free water, corrected for the shell's expansion and the floating roof, is
// the gross observed volume; the temperature correction of API MPMS 11.1
// brings it to the gross standard volume, and the sediment and water come off
// for the net standard volume.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/capacity_table.h"
#include "gauging/volume_correction_rules.h"

namespace calvexa {

// The tank's volume at an innage in metres, in cubic metres; nullopt when the
// innage is outside what the source covers (a capacity table's range, a
// tank's height).
using VolumeSource = std::function<std::optional<double>(double innageMetres)>;

enum class GaugeMethod {
  Innage,  // the depth of liquid, from the datum plate up
  Ullage,  // the space above the liquid, from the reference point down
};

enum class ShellKind {
  MildSteel,       // α 6.2E-06 per °F, 1.116E-05 per °C
  StainlessSteel,  // α as typed
  Insulated,       // the shell is at the liquid temperature (mild steel)
  None,            // no shell correction: CTSh 1
};

// RoofKind (fixed, floating and deducted in the table, floating and not
// deducted) is the capacity table's: a table's header names its roof.

enum class VolumeUnit { Barrels, CubicMetres, Litres, UsGallons };

// The innages between which a floating roof comes to rest on its legs: below
// `bottom` the roof is landed and displaces nothing; from `bottom` up to
// `top` it is partly landed and the gauge is uncertain; from `top` it floats.
struct CriticalZone {
  double bottom;  // metres
  double top;     // metres
};

struct ShellInput {
  ShellKind kind = ShellKind::MildSteel;
  double alpha = 0;  // stainless steel: per degree of the liquid's temperature scale
  // The temperature the capacity table is calibrated at, on the liquid's
  // scale; none: 60 °F or 15 °C, the scale's base.
  std::optional<double> referenceTemperature = std::nullopt;
  double ambientTemperature = 60;  // on the liquid's scale; not used when insulated or without correction
};

struct RoofInput {
  RoofKind kind = RoofKind::Fixed;
  // Not deducted: the roof's mass.
  double weightKg = 0;
  // Deducted: the density the table deducted the roof at, API gravity or
  // kg/m³ (at the tank's temperature), and the volume to add per unit of
  // density the liquid is heavier (m³ per °API lighter, or per kg/m³ heavier).
  double referenceDensity = 0;
  DensityScale referenceScale = DensityScale::ApiGravity;
  double volumePerUnit = 0;
  std::optional<CriticalZone> zone = std::nullopt;
};

struct GaugeInput {
  GaugeMethod method = GaugeMethod::Innage;
  double reading = 0;                                    // metres: the innage or the ullage
  std::optional<double> referenceHeight = std::nullopt;  // metres; needed for an ullage
  std::optional<double> waterInnage = std::nullopt;      // metres; none: no free water
  VolumeSource volumes = {};
  CorrectionInput product = {};  // the liquid, its density and temperature, the base and the edition
  ShellInput shell = {};
  double sedimentAndWater = 0;  // percent
  RoofInput roof = {};
  VolumeUnit volumeUnit = VolumeUnit::Barrels;
};

// Every answer of a gauging. Volumes are in the chosen unit, each rounded to
// 2 decimals before the next step uses it, so the ticket's figures multiply
// out as printed (API MPMS 12.1.1 rounds each volume of the sequence to its
// discrimination level). Factors are rounded to 5 decimals where the standard
// rounds them: CTSh and CSW always, CTL by the edition (see Correction).
struct Gauging {
  double innage;                      // metres
  double shellTemperature;            // on the liquid's scale, rounded to a whole degree
  double tov;                         // total observed volume
  double fw;                          // free water
  double ctsh;                        // correction for the shell's temperature
  double roof;                        // floating-roof adjustment or correction (signed; 0 for a fixed or landed roof)
  double gov;                         // gross observed volume: (TOV - FW) × CTSh + roof
  double ctl;                         // correction for the liquid's temperature
  double gsv;                         // gross standard volume: GOV × CTL
  double csw;                         // correction for sediment and water: 1 - S&W / 100
  double nsv;                         // net standard volume: GSV × CSW
  double swVolume;                    // sediment and water volume: GSV - NSV
  Correction correction;              // base density (API and kg/m³), α, the edition and its label
  std::vector<std::string> warnings;  // shown with the answers; none stops the calculation
};

// The answers, or the one message that refuses the calculation (nothing is
// computed then).
struct GaugingOutcome {
  std::optional<Gauging> gauging = std::nullopt;
  std::string refusal = {};
};

GaugingOutcome gaugeTank(const GaugeInput& input);

// The shell temperature, (7 × liquid + ambient) / 8 rounded to a whole degree
// (the liquid temperature itself when insulated), and CTSh = 1 + 2 α ΔT +
// α² ΔT², ΔT from the table's reference temperature, rounded to 5 decimals.
double shellTemperature(ShellKind kind, double liquid, double ambient);
double shellCorrection(double alpha, double shellTemperature, double referenceTemperature);

// Cubic metres in `unit`, by the exact barrel and U.S. gallon.
double cubicMetresTo(double cubicMetres, VolumeUnit unit);

// The warnings, as the window lists them.
extern const char* const kAboveReferenceHeightText;
extern const char* const kCriticalZoneText;

// Refusals a window shows.
extern const char* const kNoSourceText;          // no volumes to gauge against
extern const char* const kOutsideTableText;      // the innage outside the volumes
extern const char* const kWaterAboveLiquidText;  // free water above the innage
extern const char* const kSedimentAndWaterText;  // S&W outside 0 to 100

}  // namespace calvexa
