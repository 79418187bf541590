#include "gauging/density_rules.h"

#include <algorithm>
#include <cmath>

#include "gauging/petroleum_constants_rules.h"

namespace calvexa {

double relativeDensityFromApi(double api) { return kApiNumerator / (api + kApiOffset); }
double apiFromRelativeDensity(double relativeDensity) { return kApiNumerator / relativeDensity - kApiOffset; }

double densityToKgPerCubicMetre(double value, DensityScale scale, double water) {
  switch (scale) {
    case DensityScale::ApiGravity:
      return relativeDensityFromApi(value) * water;
    case DensityScale::RelativeDensity:
      return value * water;
    case DensityScale::KgPerCubicMetre:
      break;
  }
  return value;
}

double densityFromKgPerCubicMetre(double kgPerCubicMetre, DensityScale scale, double water) {
  switch (scale) {
    case DensityScale::ApiGravity:
      return apiFromRelativeDensity(kgPerCubicMetre / water);
    case DensityScale::RelativeDensity:
      return kgPerCubicMetre / water;
    case DensityScale::KgPerCubicMetre:
      break;
  }
  return kgPerCubicMetre;
}

double fahrenheitFromCelsius(double celsius) { return kFahrenheitPerCelsius * celsius + kFahrenheitAtZeroCelsius; }
double celsiusFromFahrenheit(double fahrenheit) {
  return (fahrenheit - kFahrenheitAtZeroCelsius) / kFahrenheitPerCelsius;
}
double toFahrenheit(double value, TemperatureScale scale) {
  return scale == TemperatureScale::Celsius ? fahrenheitFromCelsius(value) : value;
}
double toCelsius(double value, TemperatureScale scale) {
  return scale == TemperatureScale::Fahrenheit ? celsiusFromFahrenheit(value) : value;
}

double roundToIncrement(double value, double increment) {
  const double steps = value / increment;
  const double below = std::floor(steps);
  const double fraction = steps - below;
  // A decimal typed as an exact half comes out within a few units of the last
  // place of one half; anything farther is not a half.
  const double tieWidth = 1e-9 * std::max(1.0, std::fabs(steps));
  double chosen;
  if (std::fabs(fraction - 0.5) <= tieWidth)
    chosen = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
  else
    chosen = fraction < 0.5 ? below : below + 1.0;
  // Dividing by the number of increments per unit keeps 0.1 steps exact
  // decimals (178 / 10 is the double nearest 17.8; 178 × 0.1 is not).
  const double perUnit = std::round(1.0 / increment);
  if (perUnit >= 1.0 && std::fabs(perUnit * increment - 1.0) < 1e-12) return chosen / perUnit;
  return chosen * increment;
}

double roundToDecimals(double value, int decimals) { return roundToIncrement(value, std::pow(10.0, -decimals)); }

double densityIncrement(DensityScale scale) {
  switch (scale) {
    case DensityScale::ApiGravity:
      return kRoundApiGravity;
    case DensityScale::RelativeDensity:
      return kRoundRelativeDensity;
    case DensityScale::KgPerCubicMetre:
      break;
  }
  return kRoundDensityKgM3;
}

double temperatureIncrement(TemperatureScale scale) {
  return scale == TemperatureScale::Celsius ? kRoundTemperatureC : kRoundTemperatureF;
}

}  // namespace calvexa
