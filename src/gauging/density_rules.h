// Density scales and the standard's rounding: API gravity, relative density
// and kg/m³ as API MPMS 11.1 relates them, temperatures between °F and °C, and
// rounding to an increment with halves to even.
#pragma once

namespace calvexa {

// How a density is typed.
enum class DensityScale {
  ApiGravity,       // degrees API, at 60 °F by definition
  RelativeDensity,  // 60 °F / 60 °F
  KgPerCubicMetre,
};

enum class TemperatureScale { Fahrenheit, Celsius };

// Relative density from API gravity: 141.5 / (API + 131.5), and back.
double relativeDensityFromApi(double api);
double apiFromRelativeDensity(double relativeDensity);

// A density on `scale` in kg/m³, and a density in kg/m³ on `scale`, with
// `water` the density of water at 60 °F (999.016 kg/m³ in 2004, 999.012 in
// the 1980 tables).
double densityToKgPerCubicMetre(double value, DensityScale scale, double water);
double densityFromKgPerCubicMetre(double kgPerCubicMetre, DensityScale scale, double water);

double fahrenheitFromCelsius(double celsius);
double celsiusFromFahrenheit(double fahrenheit);
double toFahrenheit(double value, TemperatureScale scale);
double toCelsius(double value, TemperatureScale scale);

// value rounded to the nearest multiple of `increment`, a half to the even
// multiple (the rule of API MPMS 11.1-2004 and 12.1.1). A value typed as a
// decimal half (10.05 to 0.1) is taken as the half it was typed as, though the
// double holding it lies a hair to one side.
double roundToIncrement(double value, double increment);
double roundToDecimals(double value, int decimals);

// The rounding increment of a density typed on `scale` (0.1 API, 0.0001
// relative density, 0.1 kg/m³), and of a temperature on `scale` (0.1 °F, 0.05 °C).
double densityIncrement(DensityScale scale);
double temperatureIncrement(TemperatureScale scale);

}  // namespace calvexa
