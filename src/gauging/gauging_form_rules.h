// The tank gauging window's texts: the items of its lists and what each
// means, and the calculation that reads its boxes and lists (by objectName)
// into a gauging. The window fills its lists from these tables and hands the
// texts of its controls to gaugeFromFields; it writes the answers only when a
// gauging comes back, and shows the refusal otherwise.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/outcome.h"
#include "core/units.h"
#include "gauging/gauging_rules.h"

namespace calvexa {

// One item of a list and what it stands for.
template <class Value>
struct Choice {
  const char* text;
  Value value;
};

template <class Value>
using Choices = std::vector<Choice<Value>>;

// A list's items in the order they are added.
template <class Value>
UnitItems itemsOf(const Choices<Value>& choices) {
  UnitItems items;
  for (const Choice<Value>& choice : choices) items.emplace_back(choice.text);
  return items;
}

// How a length is typed: metres per unit, or feet, inches and a fraction of
// an inch in one box ("12 3 5/8", read as parseFeetInches reads it).
enum class GaugeLength { Millimetres, Centimetres, Metres, Inches, Feet, FeetInchesEighths };

// The lists, by the controls that show them.
extern const Choices<GaugeMethod> kGaugeMethods;                // CboGaugeMethod
extern const Choices<GaugeLength> kGaugeLengthUnits;            // CboGaugeLengthUnit
extern const Choices<Commodity> kGaugeProducts;                 // CboGaugeProduct
extern const Choices<DensityScale> kGaugeDensityUnits;          // CboGaugeDensityUnit
extern const Choices<BaseTemperature> kGaugeBases;              // CboGaugeBase
extern const Choices<Edition> kGaugeEditions;                   // CboGaugeEdition
extern const Choices<TemperatureScale> kGaugeTemperatureUnits;  // CboGaugeTempUnit
extern const Choices<ShellKind> kGaugeShells;                   // CboGaugeShell
extern const Choices<RoofKind> kGaugeRoofs;                     // CboGaugeRoof
extern const Choices<double> kGaugeRoofWeightUnits;             // CboGaugeRoofWeightUnit: kilograms per unit
extern const Choices<DensityScale> kGaugeRoofReferenceUnits;    // CboGaugeRoofRefUnit
extern const Choices<VolumeUnit> kGaugeVolumeUnits;             // CboGaugeVolumeUnit

// The text of a ticked check box (ChkGaugeHydrometer) among the fields; any
// other text is unticked.
extern const char* const kCheckedText;

// Where the volumes come from, and the floating roof's critical zone when the
// table gives one.
struct GaugeTank {
  VolumeSource volumes = {};
  std::optional<CriticalZone> zone = std::nullopt;
};

// Reads the window's controls in the order the window shows them: a list
// with no accepted item, a required box that is empty or not a number, or an
// optional box with something other than a number refuses with one message;
// then gauges the tank. Optional boxes: the reference height (innage only),
// the free water, the density temperature, the shell reference temperature
// and the S&W (empty: none). The roof adjustment is in the answer's volume
// unit per °API (or per kg/m³).
GaugingOutcome gaugeFromFields(const Fields& fields, const GaugeTank& tank);

// What Calculate does: the one refusal as a message, or every answer and the
// warnings written (factors to 5 decimals, volumes to 2 with group
// separators, the base density as "30.0 API, 875.7 kg/m³").
Outcome gaugingOutcome(const Fields& fields, const GaugeTank& tank);
Outcome gaugingOutcome(const GaugingOutcome& gauged);

// The answers a gauging writes, in the order the window shows them.
struct GaugeAnswer {
  const char* label;  // objectName of the answer label
  const char* caption;
  std::string (*text)(const Gauging& gauging);
};
extern const std::vector<GaugeAnswer> kGaugeAnswers;
extern const char* const kGaugeWarningsLabel;  // LblGaugeWarnings

// A factor "1.00086" and a volume "31,449.05", as the answers show them.
std::string factorText(double factor);
std::string volumeText(double volume);

}  // namespace calvexa
