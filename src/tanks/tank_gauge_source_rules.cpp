#include "tanks/tank_gauge_source_rules.h"

#include <utility>

#include "core/input.h"
#include "core/number_text.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {
namespace {

constexpr const char* kAnswerUnit = "Litres";

// The first of the tab's own height units the tank rules know.
std::string heightUnitOf(const TankChartProfile& profile, const Fields& fields) {
  for (const char* list : {profile.fluidList, profile.steppedList}) {
    const std::string& unit = fieldText(fields, list ? list : "");
    if (LengthToMetres(1.0, unit)) return unit;
  }
  return "Meters";
}

}  // namespace

TabVolumes tabVolumes(const TankChartProfile& profile, std::string caption, Fields fields) {
  const std::string unit = heightUnitOf(profile, fields);
  const double metresPerUnit = LengthToMetres(1.0, unit).value_or(1.0);
  const double unitsPerCubicMetre = CubicMetresToAnswer(1.0, kAnswerUnit).value_or(1000.0);
  fields[profile.fluidList] = unit;
  fields[profile.answerList] = kAnswerUnit;
  auto volumes = [profile, fields = std::move(fields), metresPerUnit,
                  unitsPerCubicMetre](double metres) -> std::optional<double> {
    // The fluid height as the box would hold it; the volume as the answer shows it.
    Fields typed = fields;
    typed.replaced = ReplacedNumber{profile.fluidBox, roundedSignificant(metres / metresPerUnit)};
    if (typed[profile.fluidBox].empty()) typed[profile.fluidBox] = generalText(metres / metresPerUnit);
    const Outcome outcome = profile.calculate(typed);
    const Effect* answer = outcome.lastWrite(profile.answer);
    if (!outcome.messageTexts().empty() || !answer || !answer->number) return std::nullopt;
    return shownValue(*answer->number, answer->form) / unitsPerCubicMetre;
  };
  return {std::move(caption), unit, std::move(volumes)};
}

}  // namespace calvexa
