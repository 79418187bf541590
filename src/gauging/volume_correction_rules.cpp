#include "gauging/volume_correction_rules.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"

namespace calvexa {

namespace {

// ---- Messages -------------------------------------------------------------

std::string temperatureRefusal(const char* what, const char* range) {
  return std::string("The ") + what + " is outside the range of API MPMS 11.1-2004, " + range + ".  Check the " + what +
         ".";
}

std::string range(double low, double high, const char* unit) {
  return generalText(low) + " to " + generalText(high) + " " + unit;
}

std::string densityRange(double low, double high) { return range(low, high, "kg/m³"); }

// ---- The temperature scales ----------------------------------------------

// An ITS-90 temperature in °F on the IPTS-68 scale the correlations were
// fitted on (11.1.5.3).
double ipts68Fahrenheit(double temperatureF) {
  const double t90 = celsiusFromFahrenheit(temperatureF);
  const double tau = t90 / kIpts68Scale;
  double shift = kIts90ToIpts68.back();
  for (std::size_t i = kIts90ToIpts68.size() - 1; i-- > 0;) shift = kIts90ToIpts68[i] + shift * tau;
  return fahrenheitFromCelsius(t90 - shift * tau);
}

// ---- 2004 groups and limits ----------------------------------------------

const GroupConstants& group2004(ProductGroup group) {
  for (const GroupConstants& row : kGroupConstants2004)
    if (row.group == group) return row;
  return kGroupConstants2004.front();
}

const GroupConstants& groupFor2004(Commodity commodity, double density60) {
  switch (commodity) {
    case Commodity::RefinedProducts:
      return refinedGroup2004(density60);
    case Commodity::LubricatingOils:
      return group2004(ProductGroup::LubricatingOils);
    case Commodity::CrudeOil:
    case Commodity::Special:
      break;
  }
  return group2004(ProductGroup::CrudeOil);
}

// The base densities (at 60 °F) and the observed densities each commodity
// may have, and how a message names it.
struct CommodityLimits {
  const char* name;
  double minBase, maxBase;
  double minObserved, maxObserved;
};

CommodityLimits limits2004(Commodity commodity) {
  switch (commodity) {
    case Commodity::RefinedProducts:
      return {"refined products", kRefinedMinDensity, kRefinedMaxDensity, kRefinedMinObserved, kRefinedMaxObserved};
    case Commodity::LubricatingOils: {
      const GroupConstants& lube = group2004(ProductGroup::LubricatingOils);
      return {"lubricating oils", lube.minDensity, lube.maxDensity, kLubricatingMinObserved, kLubricatingMaxObserved};
    }
    case Commodity::CrudeOil:
    case Commodity::Special:
      break;
  }
  const GroupConstants& crude = group2004(ProductGroup::CrudeOil);
  return {"crude oil", crude.minDensity, crude.maxDensity, kCrudeMinObserved, kCrudeMaxObserved};
}

bool within(double value, double low, double high) { return value >= low && value <= high; }

// ---- Glass hydrometer ------------------------------------------------------

double hydrometerFactor(double temperature, TemperatureScale scale, BaseTemperature base) {
  if (base == BaseTemperature::Celsius15) {
    const double d = toCelsius(temperature, scale) - kBaseTemperatureC;
    return 1.0 - kHydrometerAC * d - kHydrometerBC * d * d;
  }
  const double d = toFahrenheit(temperature, scale) - kBaseTemperatureF;
  return 1.0 - kHydrometerAF * d - kHydrometerBF * d * d;
}

// ---- Inputs as the calculation uses them ----------------------------------

// The input with the standard's rounding applied (2004 only).
CorrectionInput rounded(const CorrectionInput& input) {
  CorrectionInput out = input;
  if (input.rounding == InputRounding::None || input.edition == Edition::Equation1980) return out;
  const double temperatureStep = temperatureIncrement(input.temperatureScale);
  out.temperature = roundToIncrement(input.temperature, temperatureStep);
  if (input.densityTemperature) out.densityTemperature = roundToIncrement(*input.densityTemperature, temperatureStep);
  out.density = roundToIncrement(input.density, densityIncrement(input.densityScale));
  out.alpha =
      roundToIncrement(input.alpha, input.temperatureScale == TemperatureScale::Celsius ? kRoundAlphaC : kRoundAlphaF);
  return out;
}

// The special product's α per °F, per °C on the °C scale.
double alphaPerF(const CorrectionInput& input) {
  return input.temperatureScale == TemperatureScale::Celsius ? input.alpha / kFahrenheitPerCelsius : input.alpha;
}

// Where the density was read, in °F: its own temperature, the base of a
// density in kg/m³, or 60 °F for API gravity and relative density.
double readingTemperatureF(const CorrectionInput& input) {
  if (input.densityTemperature) return toFahrenheit(*input.densityTemperature, input.temperatureScale);
  if (input.base == BaseTemperature::Celsius15 && input.densityScale == DensityScale::KgPerCubicMetre)
    return fahrenheitFromCelsius(kBaseTemperatureC);
  return kBaseTemperatureF;
}

double readingDensity(const CorrectionInput& input, double water) {
  double density = densityToKgPerCubicMetre(input.density, input.densityScale, water);
  if (input.hydrometer && input.densityTemperature)
    density *= hydrometerFactor(*input.densityTemperature, input.temperatureScale, input.base);
  return density;
}

std::optional<std::string> temperatureRefusal2004(const char* what, double value, TemperatureScale scale) {
  const bool celsius = scale == TemperatureScale::Celsius;
  const double low = celsius ? kMinTemperatureC : kMinTemperatureF;
  const double high = celsius ? kMaxTemperatureC : kMaxTemperatureF;
  if (within(value, low, high)) return std::nullopt;
  return temperatureRefusal(what, range(low, high, celsius ? "°C" : "°F").c_str());
}

std::string alphaRefusal(const char* range) {
  return std::string("The expansion coefficient is outside the range for special products, ") + range +
         ".  Check the expansion coefficient.";
}

const char* const kDensityNotPositiveText = "The density must be above zero.  Check the density and its unit.";

// ---- The 2004 procedure ----------------------------------------------------

CorrectionOutcome correction2004(const CorrectionInput& typed) {
  const CorrectionInput input = rounded(typed);
  CorrectionOutcome out;
  const bool special = input.commodity == Commodity::Special;
  if (special) {
    const double alpha = alphaPerF(input);
    if (!within(alpha, kMinSpecialAlphaF, kMaxSpecialAlphaF)) {
      out.refusal = alphaRefusal(input.temperatureScale == TemperatureScale::Celsius ? "414.0E-06 to 1674.0E-06 per °C"
                                                                                     : "230.0E-06 to 930.0E-06 per °F");
      return out;
    }
  }
  if (input.densityTemperature)
    if (auto refusal =
            temperatureRefusal2004("density temperature", *input.densityTemperature, input.temperatureScale)) {
      out.refusal = *refusal;
      return out;
    }
  if (auto refusal = temperatureRefusal2004("liquid temperature", input.temperature, input.temperatureScale)) {
    out.refusal = *refusal;
    return out;
  }

  const double observed = readingDensity(input, kWaterDensity60F);
  if (!(observed > 0) || !std::isfinite(observed)) {
    out.refusal = kDensityNotPositiveText;
    return out;
  }
  const double observedF = readingTemperatureF(input);
  const CommodityLimits limits = limits2004(input.commodity);
  const double alphaF = special ? alphaPerF(input) : 0.0;
  Correction c{};
  c.edition = Edition::Api2004;
  c.water = kWaterDensity60F;
  if (observedF == kBaseTemperatureF) {
    if (!special && !within(observed, limits.minBase, limits.maxBase)) {
      out.refusal = std::string("The density is outside the range of API MPMS 11.1-2004 for ") + limits.name + ", " +
                    densityRange(limits.minBase, limits.maxBase) + " at 60 °F.  Check the density and the product.";
      return out;
    }
    c.density60 = observed;
  } else {
    if (!special && !within(observed, limits.minObserved, limits.maxObserved)) {
      out.refusal = std::string("The density read is outside the range of API MPMS 11.1-2004 for ") + limits.name +
                    ", " + densityRange(limits.minObserved, limits.maxObserved) +
                    ".  Check the density and the product.";
      return out;
    }
    const std::optional<BaseDensity2004> base = baseDensity2004(observed, observedF, input.commodity, alphaF);
    if (!base) {
      out.refusal = std::string(
                        "This density, read at its temperature, gives no density at 60 °F within the "
                        "range of API MPMS 11.1-2004 for ") +
                    limits.name + ", " + densityRange(limits.minBase, limits.maxBase) +
                    ".  Check the density, its temperature and the product.";
      return out;
    }
    c.density60 = base->density60;
    if (base->noted)
      c.warnings.push_back(
          "The density at 60 °F lies at an end of the transition zone, where the standard's iteration does not "
          "settle; its last value is used, as API MPMS 11.1-2004 allows.");
  }

  const Ctl2004 atLiquid =
      ctl2004(c.density60, toFahrenheit(input.temperature, input.temperatureScale), input.commodity, alphaF);
  c.group = atLiquid.group;
  c.alpha = atLiquid.alpha60;
  c.ctlUnrounded = atLiquid.ctl;
  c.baseDensity = c.density60;
  if (input.base == BaseTemperature::Celsius15) {
    // A 15 °C base goes through 60 °F: the factor to 15 °C is the one to
    // 60 °F over the one from 15 °C (59 °F) to 60 °F, rounded only at the end.
    const Ctl2004 at15 = ctl2004(c.density60, fahrenheitFromCelsius(kBaseTemperatureC), input.commodity, alphaF);
    c.ctlUnrounded /= at15.ctl;
    c.baseDensity = c.density60 * at15.ctl;
  }
  c.ctl = input.rounding == InputRounding::Standard ? roundToDecimals(c.ctlUnrounded, kFactorDecimals) : c.ctlUnrounded;
  c.api60 = densityFromKgPerCubicMetre(c.density60, DensityScale::ApiGravity, kWaterDensity60F);
  c.densityAtTemperature = c.baseDensity * c.ctl;
  out.correction = c;
  return out;
}

// ---- The 1980 equation ------------------------------------------------------

const GroupConstants1980& group1980(ProductGroup group) {
  for (const GroupConstants1980& row : kGroupConstants1980)
    if (row.group == group) return row;
  return kGroupConstants1980.front();
}

// The refined group of the 60 °F tables by API gravity, of the 15 °C tables
// by the density at 15 °C.
const GroupConstants1980& refinedGroup1980(double baseValue, BaseTemperature base) {
  if (base == BaseTemperature::Fahrenheit60) {
    if (baseValue <= group1980(ProductGroup::FuelOils).maxApi) return group1980(ProductGroup::FuelOils);
    if (baseValue < group1980(ProductGroup::JetFuels).maxApi) return group1980(ProductGroup::JetFuels);
    if (baseValue <= group1980(ProductGroup::TransitionZone).maxApi) return group1980(ProductGroup::TransitionZone);
    return group1980(ProductGroup::Gasolines);
  }
  if (baseValue >= group1980(ProductGroup::FuelOils).minDensity15C) return group1980(ProductGroup::FuelOils);
  if (baseValue >= group1980(ProductGroup::JetFuels).minDensity15C) return group1980(ProductGroup::JetFuels);
  if (baseValue >= group1980(ProductGroup::TransitionZone).minDensity15C)
    return group1980(ProductGroup::TransitionZone);
  return group1980(ProductGroup::Gasolines);
}

const GroupConstants1980& groupFor1980(Commodity commodity, double baseValue, BaseTemperature base) {
  switch (commodity) {
    case Commodity::RefinedProducts:
      return refinedGroup1980(baseValue, base);
    case Commodity::LubricatingOils:
      return group1980(ProductGroup::LubricatingOils);
    case Commodity::CrudeOil:
    case Commodity::Special:
      break;
  }
  return group1980(ProductGroup::CrudeOil);
}

// One base of the 1980 equation: the scale its temperatures are on, its base
// temperature, and the density a group's range is given in (API gravity at
// 60 °F, or kg/m³ at 15 °C).
struct Base1980 {
  BaseTemperature base;
  TemperatureScale scale;
  double temperature;

  bool fahrenheit() const { return base == BaseTemperature::Fahrenheit60; }
  // The range value of a base density in kg/m³.
  double rangeValue(double baseDensity) const {
    return fahrenheit() ? densityFromKgPerCubicMetre(baseDensity, DensityScale::ApiGravity, kWaterDensity60F1980)
                        : baseDensity;
  }
  double alpha(const GroupConstants1980& g, double baseDensity) const {
    const double k0 = fahrenheit() ? g.k0F : g.k0C;
    const double k1 = fahrenheit() ? g.k1F : g.k1C;
    const double k2 = fahrenheit() ? g.k2F : g.k2C;
    return k0 / (baseDensity * baseDensity) + k1 / baseDensity + k2;
  }
};

const Base1980 kBase60F{BaseTemperature::Fahrenheit60, TemperatureScale::Fahrenheit, kBaseTemperatureF};
const Base1980 kBase15C{BaseTemperature::Celsius15, TemperatureScale::Celsius, kBaseTemperatureC};

// The α of a base density on a base: the group's, or the special product's
// given per °F (`alphaF`) brought to the base's scale.
double alphaOn(const Base1980& on, Commodity commodity, double baseDensity, double alphaF) {
  if (commodity == Commodity::Special) return on.fahrenheit() ? alphaF : alphaF * kFahrenheitPerCelsius;
  return on.alpha(groupFor1980(commodity, on.rangeValue(baseDensity), on.base), baseDensity);
}

// The base density of a density read at `temperature` (on the base's scale):
// ρb = ρobs / CTL(ρb), iterated to a fixed point.
std::optional<double> baseDensity1980(const Base1980& on, Commodity commodity, double observed, double temperature,
                                      double alphaF) {
  double density = observed;
  for (int pass = 0; pass < 100; ++pass) {
    const double alpha = alphaOn(on, commodity, density, alphaF);
    const double next = observed / ctl1980(alpha, temperature - on.temperature);
    if (!std::isfinite(next) || next <= 0) return std::nullopt;
    if (std::fabs(next - density) < 1e-9) return next;
    density = next;
  }
  return std::nullopt;
}

struct Range1980 {
  const char* name;
  double low, high;
};

Range1980 range1980(Commodity commodity, const Base1980& on) {
  switch (commodity) {
    case Commodity::RefinedProducts:
      return on.fahrenheit() ? Range1980{"refined products", kRefinedMinApi1980, kRefinedMaxApi1980}
                             : Range1980{"refined products", kRefinedMinDensity15C1980, kRefinedMaxDensity15C1980};
    case Commodity::LubricatingOils:
    case Commodity::CrudeOil:
    case Commodity::Special:
      break;
  }
  const GroupConstants1980& g =
      group1980(commodity == Commodity::LubricatingOils ? ProductGroup::LubricatingOils : ProductGroup::CrudeOil);
  return on.fahrenheit() ? Range1980{g.name, g.minApi, g.maxApi} : Range1980{g.name, g.minDensity15C, g.maxDensity15C};
}

std::string rangeText1980(const Range1980& r, const Base1980& on) {
  return on.fahrenheit() ? "API " + generalText(r.low) + " to " + generalText(r.high) + " at 60 °F"
                         : densityRange(r.low, r.high) + " at 15 °C";
}

// The top temperature of the 1980 table a base density falls in.
double bandTop1980(const Base1980& on, double rangeValue) {
  for (const TemperatureBand1980& band : kTemperatureBands1980) {
    const bool inBand = on.fahrenheit() ? rangeValue < band.belowApi : rangeValue >= band.aboveDensity15C;
    if (inBand) return on.fahrenheit() ? band.maxF : band.maxC;
  }
  return on.fahrenheit() ? kTemperatureBands1980.back().maxF : kTemperatureBands1980.back().maxC;
}

CorrectionOutcome correction1980(const CorrectionInput& input) {
  CorrectionOutcome out;
  const Base1980& on = input.base == BaseTemperature::Fahrenheit60 ? kBase60F : kBase15C;
  const bool special = input.commodity == Commodity::Special;
  const double alphaF = alphaPerF(input);
  if (special && !within(alphaF, kMinSpecialAlphaF1980, kMaxSpecialAlphaF1980)) {
    out.refusal = std::string(
                      "The expansion coefficient is outside the range of the 1980 tables for special "
                      "products, ") +
                  (input.temperatureScale == TemperatureScale::Celsius ? "486.0E-06 to 1674.0E-06 per °C"
                                                                       : "270.0E-06 to 930.0E-06 per °F") +
                  ".  Check the expansion coefficient.";
    return out;
  }
  const double low = on.fahrenheit() ? kMinTemperatureF1980 : kMinTemperatureC1980;
  const double high = on.fahrenheit() ? kMaxTemperatureF1980 : kMaxTemperatureC1980;
  const char* unit = on.fahrenheit() ? "°F" : "°C";
  const auto onBase = [&](double t) {
    return on.fahrenheit() ? toFahrenheit(t, input.temperatureScale) : toCelsius(t, input.temperatureScale);
  };
  for (const auto& [what, value] :
       {std::pair<const char*, std::optional<double>>{"density temperature", input.densityTemperature},
        {"liquid temperature", input.temperature}}) {
    if (value && !within(onBase(*value), low, high)) {
      out.refusal = std::string("The ") + what + " is outside the range of the 1980 tables, " + range(low, high, unit) +
                    ".  Check the " + what + ".";
      return out;
    }
  }

  const double observed = readingDensity(input, kWaterDensity60F1980);
  if (!(observed > 0) || !std::isfinite(observed)) {
    out.refusal = kDensityNotPositiveText;
    return out;
  }
  // The base density: read at a temperature, iterated; at 60 °F (API gravity,
  // relative density) for a 15 °C base, carried to 15 °C by the 60 °F table.
  std::optional<double> baseDensity = observed;
  if (input.densityTemperature)
    baseDensity = baseDensity1980(on, input.commodity, observed, onBase(*input.densityTemperature), alphaF);
  else if (!on.fahrenheit() && input.densityScale != DensityScale::KgPerCubicMetre)
    baseDensity = observed * ctl1980(alphaOn(kBase60F, input.commodity, observed, alphaF),
                                     fahrenheitFromCelsius(kBaseTemperatureC) - kBaseTemperatureF);
  const Range1980 r = range1980(input.commodity, on);
  if (!baseDensity || (!special && !within(on.rangeValue(*baseDensity), r.low, r.high))) {
    out.refusal = std::string("The density is outside the range of the 1980 tables for ") + r.name + ", " +
                  rangeText1980(r, on) + ".  Check the density, its temperature and the product.";
    return out;
  }

  Correction c{};
  c.edition = Edition::Equation1980;
  c.water = kWaterDensity60F1980;
  c.baseDensity = *baseDensity;
  c.group =
      special ? ProductGroup::Special : groupFor1980(input.commodity, on.rangeValue(c.baseDensity), on.base).group;
  c.alpha = alphaOn(on, input.commodity, c.baseDensity, alphaF);
  const double temperature = onBase(input.temperature);
  c.ctlUnrounded = ctl1980(c.alpha, temperature - on.temperature);
  c.ctl = c.ctlUnrounded;
  c.density60 = on.fahrenheit()
                    ? c.baseDensity
                    : c.baseDensity * ctl1980(c.alpha, celsiusFromFahrenheit(kBaseTemperatureF) - kBaseTemperatureC);
  c.api60 = densityFromKgPerCubicMetre(c.density60, DensityScale::ApiGravity, kWaterDensity60F1980);
  c.densityAtTemperature = c.baseDensity * c.ctl;
  if (!special && temperature > bandTop1980(on, on.rangeValue(c.baseDensity)))
    c.warnings.push_back("The liquid temperature is above the 1980 table for this density, which ends at " +
                         generalText(bandTop1980(on, on.rangeValue(c.baseDensity))) + " " + unit +
                         "; the 1980 equation is used beyond it.");
  out.correction = c;
  return out;
}

}  // namespace

const GroupConstants& refinedGroup2004(double density60) {
  for (ProductGroup group : {ProductGroup::FuelOils, ProductGroup::JetFuels, ProductGroup::TransitionZone})
    if (density60 >= group2004(group).minDensity) return group2004(group);
  return group2004(ProductGroup::Gasolines);
}

Ctl2004 ctl2004(double density60, double temperatureF, Commodity commodity, double alphaF) {
  Ctl2004 s{};
  s.temperatureIpts68 = ipts68Fahrenheit(temperatureF);
  if (commodity == Commodity::Special) {
    // A given α60 shifts the base density by exp(α δ60 / 2 (1 + 0.4 α δ60)).
    s.group = ProductGroup::Special;
    s.alpha60 = alphaF;
    const double half = 0.5 * alphaF * kDelta60;
    s.shiftedDensity = density60 * std::exp(half * (1.0 + 0.4 * alphaF * kDelta60));
  } else {
    // The density shift from the ITS-90 60 °F base to the IPTS-68 one, then
    // α60 from the shifted density.
    const GroupConstants& g = groupFor2004(commodity, density60);
    s.group = g.group;
    const double a = kDelta60 / 2.0 * ((g.k0 / density60 + g.k1) / density60 + g.k2);
    const double b = (2.0 * g.k0 + g.k1 * density60) / (g.k0 + (g.k1 + g.k2 * density60) * density60);
    s.shiftedDensity = density60 * (1.0 + (std::exp(a * (1.0 + 0.8 * a)) - 1.0) / (1.0 + a * (1.0 + 1.6 * a) * b));
    s.alpha60 = (g.k0 / s.shiftedDensity + g.k1) / s.shiftedDensity + g.k2;
  }
  s.deltaT = s.temperatureIpts68 - kBase60FOnIpts68;
  s.ctl = std::exp(-s.alpha60 * s.deltaT * (1.0 + 0.8 * s.alpha60 * (s.deltaT + kDelta60)));
  return s;
}

std::optional<BaseDensity2004> baseDensity2004(double observed, double temperatureF, Commodity commodity,
                                               double alphaF) {
  const bool special = commodity == Commodity::Special;
  const CommodityLimits limits = limits2004(commodity);
  const auto clamp = [&](double density) {
    return special ? density : std::clamp(density, limits.minBase, limits.maxBase);
  };
  // Newton's method on ρobs = ρ60 × CTL(ρ60): the step is the residual over
  // 1 + D_T, D_T = D_α α60 Δt (1 + 1.6 α60 Δt) with Δt on the ITS-90 scale
  // (a given α has no D_T).
  double density = clamp(observed);
  for (int step = 0;;) {
    const Ctl2004 s = ctl2004(density, temperatureF, commodity, alphaF);
    if (std::fabs(observed - density * s.ctl) < kIterationTolerance) return BaseDensity2004{density, s, false};
    const double dt = temperatureF - kBaseTemperatureF;
    const double slope = special ? 0.0 : group2004(s.group).dAlpha * s.alpha60 * dt * (1.0 + 1.6 * s.alpha60 * dt);
    density = clamp(density + (observed / s.ctl - density) / (1.0 + slope));
    if (!std::isfinite(density) || density <= 0) return std::nullopt;
    if (++step >= kIterationSteps - 1) {
      const GroupConstants& zone = group2004(ProductGroup::TransitionZone);
      const bool atZoneEnd =
          commodity == Commodity::RefinedProducts && (std::fabs(density - zone.minDensity) < kTransitionZoneNote ||
                                                      std::fabs(density - zone.maxDensity) < kTransitionZoneNote);
      if (!atZoneEnd) return std::nullopt;
      return BaseDensity2004{density, ctl2004(density, temperatureF, commodity, alphaF), true};
    }
  }
}

double ctl1980(double alpha, double deltaT) { return std::exp(-alpha * deltaT * (1.0 + 0.8 * alpha * deltaT)); }

CorrectionOutcome volumeCorrection(const CorrectionInput& input) {
  return input.edition == Edition::Equation1980 ? correction1980(input) : correction2004(input);
}

const char* editionLabel(Edition edition) {
  return edition == Edition::Equation1980 ? "1980 equation, unrounded" : "API MPMS 11.1-2004";
}

}  // namespace calvexa
