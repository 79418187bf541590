#include "gauging/gauging_rules.h"

#include <cmath>

namespace calvexa {

const char* const kAboveReferenceHeightText =
    "The innage is above the reference height of the tank.  Check the gauge reading and the reference height.";
const char* const kCriticalZoneText =
    "The innage is in the critical zone of the floating roof, where the roof rests partly on its legs: the roof "
    "correction is uncertain.  Gauge the tank above or below the critical zone.";

const char* const kNoSourceText = "There is no volume table for this tank.  Open a capacity table or a tank first.";
const char* const kWaterAboveLiquidText =
    "The free water innage is greater than the innage of the liquid.  Check the free water and the gauge reading.";
const char* const kOutsideTableText =
    "The innage is outside the tank's volume table.  Check the gauge reading and the table.";
const char* const kSedimentAndWaterText =
    "The S&W must be from 0 to 100 percent.  Check the value entered for the S&W.";

namespace {

const char* const kReadingBelowZeroText =
    "The gauge reading cannot be below zero.  Check the value entered for the gauge reading.";
const char* const kNoReferenceHeightText =
    "An ullage needs the reference height of the tank.  Type in the reference height.";
const char* const kReferenceBelowZeroText =
    "The reference height cannot be below zero.  Check the value entered for the reference height.";
const char* const kUllageAboveReferenceText =
    "The ullage is greater than the reference height.  Check the ullage and the reference height.";
const char* const kWaterBelowZeroText =
    "The free water innage cannot be below zero.  Check the value entered for the free water.";
const char* const kWaterOutsideTableText =
    "The free water innage is outside the tank's volume table.  Check the free water and the table.";
const char* const kShellAlphaBelowZeroText =
    "The shell expansion coefficient cannot be below zero.  Check the value entered for the shell expansion "
    "coefficient.";
const char* const kRoofWeightBelowZeroText =
    "The roof weight cannot be below zero.  Check the value entered for the roof weight.";
const char* const kRoofReferenceText =
    "The roof reference density is not a density.  Check the value entered for the roof reference density.";

constexpr int kVolumeDecimals = 2;

double volumeIn(double cubicMetres, VolumeUnit unit) {
  return roundToDecimals(cubicMetresTo(cubicMetres, unit), kVolumeDecimals);
}

bool isCelsius(const GaugeInput& input) { return input.product.temperatureScale == TemperatureScale::Celsius; }

double shellAlpha(const GaugeInput& input) {
  if (input.shell.kind == ShellKind::StainlessSteel) return input.shell.alpha;
  return isCelsius(input) ? kMildSteelAlphaC : kMildSteelAlphaF;
}

// The roof's volume in cubic metres, signed: what the volumes gain (an
// adjustment for a table that deducted the roof at another density) or lose
// (the whole roof, for a table that did not). `densityAtTemperature` is the
// liquid's at the tank's temperature, kg/m³.
double roofCubicMetres(const RoofInput& roof, double densityAtTemperature, double water) {
  switch (roof.kind) {
    case RoofKind::FloatingDeducted:
      if (roof.referenceScale == DensityScale::KgPerCubicMetre)
        return (roundToIncrement(densityAtTemperature, kRoundDensityKgM3) - roof.referenceDensity) * roof.volumePerUnit;
      // The API gravity at the tank's temperature is read to 0.1 °API, as a
      // hydrometer at that temperature would show it.
      return (roof.referenceDensity -
              roundToIncrement(densityFromKgPerCubicMetre(densityAtTemperature, DensityScale::ApiGravity, water),
                               kRoundApiGravity)) *
             roof.volumePerUnit;
    case RoofKind::FloatingNotDeducted:
      return -roof.weightKg / densityAtTemperature;
    case RoofKind::Fixed:
      break;
  }
  return 0.0;
}

// The first refusal of the tank's own values, in the order the window shows
// them; empty when they are all usable.
std::string tankRefusal(const GaugeInput& input) {
  if (!input.volumes) return kNoSourceText;
  if (input.reading < 0) return kReadingBelowZeroText;
  if (input.method == GaugeMethod::Ullage && !input.referenceHeight) return kNoReferenceHeightText;
  if (input.referenceHeight && *input.referenceHeight < 0) return kReferenceBelowZeroText;
  if (input.method == GaugeMethod::Ullage && input.reading > *input.referenceHeight) return kUllageAboveReferenceText;
  if (input.waterInnage && *input.waterInnage < 0) return kWaterBelowZeroText;
  return {};
}

std::string otherRefusal(const GaugeInput& input) {
  if (input.shell.kind == ShellKind::StainlessSteel && input.shell.alpha < 0) return kShellAlphaBelowZeroText;
  if (!(input.sedimentAndWater >= 0 && input.sedimentAndWater <= 100)) return kSedimentAndWaterText;
  if (input.roof.kind == RoofKind::FloatingNotDeducted && input.roof.weightKg < 0) return kRoofWeightBelowZeroText;
  if (input.roof.kind == RoofKind::FloatingDeducted &&
      !(densityToKgPerCubicMetre(input.roof.referenceDensity, input.roof.referenceScale, kWaterDensity60F) > 0))
    return kRoofReferenceText;
  return {};
}

}  // namespace

double cubicMetresTo(double cubicMetres, VolumeUnit unit) {
  switch (unit) {
    case VolumeUnit::Barrels:
      return cubicMetres / kBarrelCubicMetres;
    case VolumeUnit::Litres:
      return cubicMetres / kLitreCubicMetres;
    case VolumeUnit::UsGallons:
      return cubicMetres / kUsGallonCubicMetres;
    case VolumeUnit::CubicMetres:
      break;
  }
  return cubicMetres;
}

double shellTemperature(ShellKind kind, double liquid, double ambient) {
  const double shell = kind == ShellKind::Insulated ? liquid
                                                    : (kShellLiquidWeight * liquid + kShellAmbientWeight * ambient) /
                                                          (kShellLiquidWeight + kShellAmbientWeight);
  return roundToIncrement(shell, 1.0);
}

double shellCorrection(double alpha, double shellTemperature, double referenceTemperature) {
  const double dt = shellTemperature - referenceTemperature;
  return roundToDecimals(1.0 + 2.0 * alpha * dt + alpha * alpha * dt * dt, kFactorDecimals);
}

GaugingOutcome gaugeTank(const GaugeInput& input) {
  GaugingOutcome out;
  if (std::string refusal = tankRefusal(input); !refusal.empty()) return out.refusal = refusal, out;

  Gauging g{};
  g.innage = input.method == GaugeMethod::Ullage ? *input.referenceHeight - input.reading : input.reading;
  if (input.waterInnage && *input.waterInnage > g.innage) return out.refusal = kWaterAboveLiquidText, out;
  const std::optional<double> total = input.volumes(g.innage);
  if (!total) return out.refusal = kOutsideTableText, out;
  const std::optional<double> water = input.waterInnage ? input.volumes(*input.waterInnage) : 0.0;
  if (!water) return out.refusal = kWaterOutsideTableText, out;

  const CorrectionOutcome correction = volumeCorrection(input.product);
  if (!correction.correction) return out.refusal = correction.refusal, out;
  if (std::string refusal = otherRefusal(input); !refusal.empty()) return out.refusal = refusal, out;
  g.correction = *correction.correction;

  if (input.referenceHeight && g.innage > *input.referenceHeight) g.warnings.push_back(kAboveReferenceHeightText);

  // The shell: whole degrees on the liquid's scale, CTSh to 5 decimals.
  const double liquid = input.product.temperature;
  g.shellTemperature = shellTemperature(input.shell.kind, liquid, input.shell.ambientTemperature);
  g.ctsh = 1.0;
  if (input.shell.kind != ShellKind::None) {
    const double reference =
        input.shell.referenceTemperature.value_or(isCelsius(input) ? kBaseTemperatureC : kBaseTemperatureF);
    g.ctsh = shellCorrection(shellAlpha(input), g.shellTemperature, reference);
  }

  // The roof, unless it has landed on its legs.
  const std::optional<CriticalZone>& zone = input.roof.zone;
  const bool landed = zone && g.innage < zone->bottom;
  if (input.roof.kind != RoofKind::Fixed && zone && !landed && g.innage < zone->top)
    g.warnings.push_back(kCriticalZoneText);
  const double roof = landed ? 0.0 : roofCubicMetres(input.roof, g.correction.densityAtTemperature, g.correction.water);

  // The volumes, each rounded before the next step uses it.
  const VolumeUnit unit = input.volumeUnit;
  g.tov = volumeIn(*total, unit);
  g.fw = volumeIn(*water, unit);
  g.roof = volumeIn(roof, unit);
  g.gov = roundToDecimals((g.tov - g.fw) * g.ctsh + g.roof, kVolumeDecimals);
  g.ctl = g.correction.ctl;
  g.gsv = roundToDecimals(g.gov * g.ctl, kVolumeDecimals);
  g.csw = roundToDecimals(1.0 - input.sedimentAndWater / 100.0, kFactorDecimals);
  g.nsv = roundToDecimals(g.gsv * g.csw, kVolumeDecimals);
  g.swVolume = roundToDecimals(g.gsv - g.nsv, kVolumeDecimals);
  g.warnings.insert(g.warnings.end(), g.correction.warnings.begin(), g.correction.warnings.end());
  out.gauging = g;
  return out;
}

}  // namespace calvexa
