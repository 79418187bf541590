// Every constant of the tank gauging calculation, in one place, each with the
// standard it comes from. Densities are in kg/m³, temperatures in °F unless a
// name says °C, expansion coefficients per °F unless a name says per °C.
//
// Sources:
//   API MPMS 11.1-2004  Manual of Petroleum Measurement Standards, Chapter 11,
//                       Section 1 (adjunct to ASTM D1250-04, IP 200/04):
//                       temperature and pressure volume correction factors for
//                       generalized crude oils, refined products and
//                       lubricating oils. Paragraphs as numbered there:
//                       11.1.5.1 unit conversions, 11.1.5.3 ITS-90 to IPTS-68,
//                       11.1.5.4 rounding, 11.1.6.1 base density to alternate
//                       temperature (the K constants, the limits), 11.1.6.2
//                       observed density to base density (the iteration).
//   API 2540 (1980)     the earlier edition of the same chapter (ASTM D1250-80,
//                       IP 200/80), Tables 5/6 A, B, C, D (60 °F) and 53/54 A,
//                       B, C, D (15 °C), kept for the "1980 equation" option.
//   API MPMS 12.1.1     calculation of static petroleum quantities in upright
//                       cylindrical tanks: the shell correction and the
//                       mild steel expansion coefficient.
//   NIST Handbook 44, Appendix C   the U.S. gallon (231 cubic inches) and the
//                       inch (0.0254 m) by definition.
#pragma once

#include <array>

namespace calvexa {

// The groups whose expansion the standard correlates. Crude oil, lubricating
// oils and special products are chosen by the user; the four refined-product
// groups are chosen from the density, as the standard does.
enum class ProductGroup {
  CrudeOil,
  FuelOils,
  JetFuels,
  TransitionZone,
  Gasolines,
  LubricatingOils,
  Special,  // the expansion coefficient is given, not correlated
};

// ---- Units and densities (API MPMS 11.1-2004, 11.1.5.1) --------------------

// Density of water at 60 °F: relative density × this is the density.
inline constexpr double kWaterDensity60F = 999.016;
// API gravity = 141.5 / relative density - 131.5.
inline constexpr double kApiNumerator = 141.5;
inline constexpr double kApiOffset = 131.5;
// °F = 1.8 × °C + 32; an expansion coefficient per °C is 1.8 × the one per °F.
inline constexpr double kFahrenheitPerCelsius = 1.8;
inline constexpr double kFahrenheitAtZeroCelsius = 32.0;

// ---- Temperature scales (API MPMS 11.1-2004, 11.1.5.3 and 11.1.6.1) -------

// The correlations were fitted on the IPTS-68 scale; a temperature on the
// ITS-90 scale in °C is brought to it by t68 = t90 - Δt, with
// Δt = (a1 + (a2 + ... + a8 τ) τ ...) τ and τ = t90 / 630.
inline constexpr std::array<double, 8> kIts90ToIpts68 = {-0.148759, -0.267408, 1.080760, 1.269056,
                                                         -4.089591, -1.871251, 7.438081, -3.536296};
inline constexpr double kIpts68Scale = 630.0;
// 60 °F on the ITS-90 scale, expressed on the IPTS-68 scale (11.1.6.1, the CTL
// step), and the shift δ60 between the two 60 °F bases used in the density
// shift and in the CTL equation.
inline constexpr double kBase60FOnIpts68 = 60.0068749;
inline constexpr double kDelta60 = 0.01374979547;
// The two bases a calculation can report at.
inline constexpr double kBaseTemperatureF = 60.0;
inline constexpr double kBaseTemperatureC = 15.0;

// ---- Limits (API MPMS 11.1-2004, 11.1.2.3 and 11.1.6.1) -------------------

// Temperatures outside these give no factor; the two pairs are the same
// temperatures on the two scales.
inline constexpr double kMinTemperatureF = -58.0;
inline constexpr double kMaxTemperatureF = 302.0;
inline constexpr double kMinTemperatureC = -50.0;
inline constexpr double kMaxTemperatureC = 150.0;
// Special products: the expansion coefficient at 60 °F, per °F.
inline constexpr double kMinSpecialAlphaF = 230.0E-06;
inline constexpr double kMaxSpecialAlphaF = 930.0E-06;

// ---- The K constants of each group (API MPMS 11.1-2004, 11.1.6.1) ---------

// α60 = (K0 / ρ* + K1) / ρ* + K2 per °F, ρ* the base density shifted to the
// IPTS-68 basis. A group covers base densities (at 60 °F) from minDensity to
// maxDensity, the upper end included only where includesMax says so: the
// refined-product groups meet at their ends and each end belongs to the group
// above it. dAlpha is the group's D_α of the base-density iteration
// (11.1.6.2), which only speeds the iteration up.
struct GroupConstants {
  ProductGroup group;
  const char* name;  // as a message names it
  double k0;
  double k1;
  double k2;
  double minDensity;
  double maxDensity;
  bool includesMax;
  double dAlpha;
};

inline constexpr std::array<GroupConstants, 6> kGroupConstants2004 = {{
    {.group = ProductGroup::CrudeOil,
     .name = "crude oil",
     .k0 = 341.0957,
     .k1 = 0.0,
     .k2 = 0.0,
     .minDensity = 610.6,
     .maxDensity = 1163.5,
     .includesMax = true,
     .dAlpha = 2.0},
    {.group = ProductGroup::FuelOils,
     .name = "fuel oils",
     .k0 = 103.8720,
     .k1 = 0.2701,
     .k2 = 0.0,
     .minDensity = 838.3127,
     .maxDensity = 1163.5,
     .includesMax = true,
     .dAlpha = 1.3},
    {.group = ProductGroup::JetFuels,
     .name = "jet fuels",
     .k0 = 330.3010,
     .k1 = 0.0,
     .k2 = 0.0,
     .minDensity = 787.5195,
     .maxDensity = 838.3127,
     .includesMax = false,
     .dAlpha = 2.0},
    {.group = ProductGroup::TransitionZone,
     .name = "the transition zone",
     .k0 = 1489.0670,
     .k1 = 0.0,
     .k2 = -0.00186840,
     .minDensity = 770.3520,
     .maxDensity = 787.5195,
     .includesMax = false,
     .dAlpha = 8.5},
    {.group = ProductGroup::Gasolines,
     .name = "gasolines",
     .k0 = 192.4571,
     .k1 = 0.2438,
     .k2 = 0.0,
     .minDensity = 610.6,
     .maxDensity = 770.3520,
     .includesMax = false,
     .dAlpha = 1.5},
    {.group = ProductGroup::LubricatingOils,
     .name = "lubricating oils",
     .k0 = 0.0,
     .k1 = 0.34878,
     .k2 = 0.0,
     .minDensity = 800.9,
     .maxDensity = 1163.5,
     .includesMax = true,
     .dAlpha = 1.0},
}};

// The refined products as a whole cover the gasolines' bottom to the fuel
// oils' top (11.1.6.1).
inline constexpr double kRefinedMinDensity = 610.6;
inline constexpr double kRefinedMaxDensity = 1163.5;

// ---- The base-density iteration (API MPMS 11.1-2004, 11.1.6.2) ------------

// Observed densities the iteration starts from, by what the user picked.
inline constexpr double kCrudeMinObserved = 470.5;
inline constexpr double kCrudeMaxObserved = 1201.8;
inline constexpr double kRefinedMinObserved = 470.4;
inline constexpr double kRefinedMaxObserved = 1209.5;
inline constexpr double kLubricatingMinObserved = 714.3;
inline constexpr double kLubricatingMaxObserved = 1208.3;
// Converged when |ρobs - ρ60 × CTL| is below this (kg/m³); at most this many
// passes; a refined product whose density ends within the last figure of a
// transition-zone end may not converge and keeps its last value (the note to
// the iteration's stopping test).
inline constexpr double kIterationTolerance = 0.000001;
inline constexpr int kIterationSteps = 15;
inline constexpr double kTransitionZoneNote = 1.0;

// ---- Rounding (API MPMS 11.1-2004, 11.1.5.4) -------------------------------

// Inputs are rounded to these increments, halves to even; the factor too.
inline constexpr double kRoundTemperatureF = 0.1;
inline constexpr double kRoundTemperatureC = 0.05;
inline constexpr double kRoundDensityKgM3 = 0.1;
inline constexpr double kRoundRelativeDensity = 0.0001;
inline constexpr double kRoundApiGravity = 0.1;
inline constexpr double kRoundAlphaF = 0.1E-06;
inline constexpr double kRoundAlphaC = 0.2E-06;
inline constexpr int kFactorDecimals = 5;

// ---- Glass hydrometer correction (API MPMS 11.1-2004) ---------------------

// A reading of a glass hydrometer calibrated at the base temperature is
// multiplied by 1 - a (t - base) - b (t - base)², for the glass's own
// expansion: around 60 °F on the °F scale, around 15 °C on the °C scale.
inline constexpr double kHydrometerAF = 0.00001278;
inline constexpr double kHydrometerBF = 0.0000000062;
inline constexpr double kHydrometerAC = 0.000023;
inline constexpr double kHydrometerBC = 0.00000002;

// ---- The 1980 equation (API 2540, 1980) ------------------------------------

// The 1980 tables took water at 60 °F as 999.012 kg/m³ and computed α from
// the unshifted base density: α = K0 / ρ² + K1 / ρ + K2 (the transition zone's
// A + B / ρ² is K2 = A, K0 = B), with ΔT = t - 60 °F (Tables 6) or t - 15 °C
// (Tables 54, the per-°C constants and the density at 15 °C).
inline constexpr double kWaterDensity60F1980 = 999.012;

// One 1980 group: its constants per °F (Tables 5/6) and per °C (Tables 53/54),
// and the base densities it covers: API gravity at 60 °F for the °F tables,
// kg/m³ at 15 °C for the °C tables. A range's ends are both included, but
// where two refined groups meet the end belongs to the group named in the
// tables (API 37.0 and 52.0 to fuel oils and the transition zone; 770.5, 788.0
// and 839.0 kg/m³ to the transition zone, jet fuels and fuel oils).
struct GroupConstants1980 {
  ProductGroup group;
  const char* name;
  double k0F, k1F, k2F;
  double k0C, k1C, k2C;
  double minApi, maxApi;
  double minDensity15C, maxDensity15C;
};

inline constexpr std::array<GroupConstants1980, 6> kGroupConstants1980 = {{
    {.group = ProductGroup::CrudeOil,
     .name = "crude oil",
     .k0F = 341.0957,
     .k1F = 0.0,
     .k2F = 0.0,
     .k0C = 613.9723,
     .k1C = 0.0,
     .k2C = 0.0,
     .minApi = 0.0,
     .maxApi = 100.0,
     .minDensity15C = 610.5,
     .maxDensity15C = 1075.0},
    {.group = ProductGroup::FuelOils,
     .name = "fuel oils",
     .k0F = 103.8720,
     .k1F = 0.2701,
     .k2F = 0.0,
     .k0C = 186.9696,
     .k1C = 0.4862,
     .k2C = 0.0,
     .minApi = 0.0,
     .maxApi = 37.0,
     .minDensity15C = 839.0,
     .maxDensity15C = 1075.0},
    {.group = ProductGroup::JetFuels,
     .name = "jet fuels",
     .k0F = 330.3010,
     .k1F = 0.0,
     .k2F = 0.0,
     .k0C = 594.5418,
     .k1C = 0.0,
     .k2C = 0.0,
     .minApi = 37.0,
     .maxApi = 48.0,
     .minDensity15C = 788.0,
     .maxDensity15C = 839.0},
    {.group = ProductGroup::TransitionZone,
     .name = "the transition zone",
     .k0F = 1489.0670,
     .k1F = 0.0,
     .k2F = -0.00186840,
     .k0C = 2680.3206,
     .k1C = 0.0,
     .k2C = -0.00336312,
     .minApi = 48.0,
     .maxApi = 52.0,
     .minDensity15C = 770.5,
     .maxDensity15C = 788.0},
    {.group = ProductGroup::Gasolines,
     .name = "gasolines",
     .k0F = 192.4571,
     .k1F = 0.2438,
     .k2F = 0.0,
     .k0C = 346.4228,
     .k1C = 0.4388,
     .k2C = 0.0,
     .minApi = 52.0,
     .maxApi = 85.0,
     .minDensity15C = 653.0,
     .maxDensity15C = 770.5},
    {.group = ProductGroup::LubricatingOils,
     .name = "lubricating oils",
     .k0F = 0.0,
     .k1F = 0.34878,
     .k2F = 0.0,
     .k0C = 0.0,
     .k1C = 0.6278,
     .k2C = 0.0,
     .minApi = -10.0,
     .maxApi = 45.0,
     .minDensity15C = 800.0,
     .maxDensity15C = 1164.0},
}};

// The refined products of the 1980 tables as a whole (Tables 5B/6B, 53B/54B).
inline constexpr double kRefinedMinApi1980 = 0.0;
inline constexpr double kRefinedMaxApi1980 = 85.0;
inline constexpr double kRefinedMinDensity15C1980 = 653.0;
inline constexpr double kRefinedMaxDensity15C1980 = 1075.0;
// Special products of the 1980 tables (Tables 6C, 54C).
inline constexpr double kMinSpecialAlphaF1980 = 270.0E-06;
inline constexpr double kMaxSpecialAlphaF1980 = 930.0E-06;
// The temperatures the 1980 tables cover: 0 to 300 °F, -18 to 150 °C; the
// lighter the product, the lower the top of its table. Below this API
// gravity (above this density at 15 °C) a table reaches 300 °F (150 °C),
// below the next 250 °F (120 °C), and lighter ones 200 °F (90 °C).
inline constexpr double kMinTemperatureF1980 = 0.0;
inline constexpr double kMaxTemperatureF1980 = 300.0;
inline constexpr double kMinTemperatureC1980 = -18.0;
inline constexpr double kMaxTemperatureC1980 = 150.0;
struct TemperatureBand1980 {
  double belowApi;         // the band holds API gravities up to this
  double aboveDensity15C;  // ... or densities at 15 °C from this
  double maxF;
  double maxC;
};
inline constexpr std::array<TemperatureBand1980, 3> kTemperatureBands1980 = {{
    {.belowApi = 40.0, .aboveDensity15C = 824.0, .maxF = 300.0, .maxC = 150.0},
    {.belowApi = 50.0, .aboveDensity15C = 778.5, .maxF = 250.0, .maxC = 120.0},
    {.belowApi = 1.0E+300, .aboveDensity15C = 0.0, .maxF = 200.0, .maxC = 90.0},
}};

// ---- Tank shell (API MPMS 12.1.1) ------------------------------------------

// CTSh = 1 + 2 α ΔT + α² ΔT², ΔT the shell temperature less the table's
// reference temperature; the shell temperature of an uninsulated tank is
// (7 × liquid + ambient) / 8, rounded to a whole degree.
inline constexpr double kMildSteelAlphaF = 6.2E-06;
inline constexpr double kMildSteelAlphaC = 1.116E-05;
inline constexpr double kShellLiquidWeight = 7.0;
inline constexpr double kShellAmbientWeight = 1.0;

// ---- Volumes (exact by definition) -----------------------------------------

// The U.S. gallon is 231 cubic inches of 0.0254 m: 3.785411784 L exactly, and
// the barrel 42 of them. The program's other volume lists keep their own
// rounded gallon; gauging answers use these exact values.
inline constexpr double kUsGallonCubicMetres = 0.003785411784;
inline constexpr double kBarrelCubicMetres = 0.158987294928;
inline constexpr double kLitreCubicMetres = 0.001;
inline constexpr double kInchMetres = 0.0254;
inline constexpr double kFootMetres = 0.3048;
inline constexpr double kPoundKilograms = 0.45359237;

}  // namespace calvexa
