// The volume correction factor for temperature (CTL) of crude oils, refined
// products, lubricating oils and special products, by API MPMS 11.1-2004 (the
// 2004 procedure) or by the 1980 equation; and the base density it rests on,
// from a density at the base or read at another temperature. The pressure is
// atmospheric throughout: CPL is 1 and CTPL is CTL.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gauging/density_rules.h"
#include "gauging/petroleum_constants_rules.h"

namespace calvexa {

// What the user says the liquid is.
enum class Commodity {
  CrudeOil,
  RefinedProducts,  // gasolines, transition zone, jet fuels or fuel oils, by the density
  LubricatingOils,
  Special,  // the expansion coefficient is given
};

enum class BaseTemperature { Fahrenheit60, Celsius15 };

enum class Edition {
  Api2004,       // API MPMS 11.1-2004
  Equation1980,  // the 1980 equation, unrounded
};

enum class InputRounding {
  Standard,  // inputs to the standard's increments, the 2004 factor to 5 decimals
  None,      // every value as given and the factor unrounded (for checking worked values)
};

struct CorrectionInput {
  Commodity commodity = Commodity::CrudeOil;
  // Special products: the expansion coefficient at the base, per degree of
  // `temperatureScale`.
  double alpha = 0;
  double density = 0;
  DensityScale densityScale = DensityScale::ApiGravity;
  // The temperature the density was read at, on `temperatureScale`; none: the
  // density is at the base. API gravity and relative density are at 60 °F by
  // definition; a density in kg/m³ is at the base chosen.
  std::optional<double> densityTemperature = std::nullopt;
  // The reading is of a glass hydrometer calibrated at the base: corrected for
  // the glass's expansion before use.
  bool hydrometer = false;
  double temperature = 60;  // of the liquid, on `temperatureScale`
  TemperatureScale temperatureScale = TemperatureScale::Fahrenheit;
  BaseTemperature base = BaseTemperature::Fahrenheit60;
  Edition edition = Edition::Api2004;
  InputRounding rounding = InputRounding::Standard;
};

// The steps of one 2004 CTL, at full precision.
struct Ctl2004 {
  ProductGroup group;
  double temperatureIpts68;  // t*, °F
  double shiftedDensity;     // ρ*, kg/m³
  double alpha60;            // per °F
  double deltaT;             // t* - 60.0068749 °F
  double ctl;
};

// The 2004 CTL from 60 °F to `temperatureF` (ITS-90) of a liquid of base
// density `density60` (kg/m³ at 60 °F): the group's α60 after the density
// shift, or the given `alphaF` of a special product. No rounding, no limits.
Ctl2004 ctl2004(double density60, double temperatureF, Commodity commodity, double alphaF = 0);

// The refined-product group of a base density at 60 °F (2004 ranges).
const GroupConstants& refinedGroup2004(double density60);

// The base density at 60 °F of a density `observed` read at `temperatureF`
// (ITS-90): the 2004 iteration. nullopt when it does not converge within the
// group's densities; `noted` is set when a refined product ends at a
// transition-zone end without converging and keeps its last value, as the
// standard allows.
struct BaseDensity2004 {
  double density60;
  Ctl2004 atObserved;
  bool noted = false;
};
std::optional<BaseDensity2004> baseDensity2004(double observed, double temperatureF, Commodity commodity,
                                               double alphaF = 0);

// The 1980 CTL: α = K0/ρ² + K1/ρ + K2 with the group's constants per °F (ρ at
// 60 °F) or per °C (ρ at 15 °C), ΔT from 60 °F or 15 °C, CTL =
// exp(-α ΔT (1 + 0.8 α ΔT)).
double ctl1980(double alpha, double deltaT);

struct Correction {
  Edition edition;
  ProductGroup group;
  // The factor the volumes use: the 2004 CTL rounded to 5 decimals (with
  // InputRounding::None, unrounded), the 1980 CTL unrounded.
  double ctl;
  double ctlUnrounded;
  double alpha;                 // the α the factor used: 2004 α60 per °F; 1980 per degree of the base
  double baseDensity;           // kg/m³ at the base temperature
  double density60;             // kg/m³ at 60 °F
  double api60;                 // API gravity at 60 °F
  double densityAtTemperature;  // kg/m³ at the liquid temperature: base density × CTL
  double water;                 // the density of water at 60 °F the edition uses
  std::vector<std::string> warnings;
};

// A correction, or the one message that refuses it.
struct CorrectionOutcome {
  std::optional<Correction> correction = std::nullopt;
  std::string refusal = {};
};

CorrectionOutcome volumeCorrection(const CorrectionInput& input);

// The name the ticket gives each edition's factor.
const char* editionLabel(Edition edition);

}  // namespace calvexa
