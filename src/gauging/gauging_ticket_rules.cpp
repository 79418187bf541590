#include "gauging/gauging_ticket_rules.h"

#include <array>

#include "core/number_text.h"
#include "gauging/gauging_form_rules.h"

namespace calvexa {

const char* const kTicketTitle = "Tank Gauging Ticket";

namespace {

using Kind = TicketLine::Kind;

// A typed value with the text of its unit list; "none" when the box is empty.
std::string typed(const Fields& fields, const char* box, const char* list = "") {
  const std::string& value = fieldText(fields, box);
  if (value.empty()) return "none";
  const std::string& unit = fieldText(fields, list);
  return unit.empty() ? value : value + " " + unit;
}

// "11 December 2026 at 03:05", in English whatever the user's language.
std::string printedOn(const std::tm& when) {
  static constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                          "May",       "June",     "July",     "August",
                                                          "September", "October",  "November", "December"};
  const auto two = [](int value) { return (value < 10 ? "0" : "") + std::to_string(value); };
  const int month = when.tm_mon >= 0 && when.tm_mon < 12 ? when.tm_mon : 0;
  return std::to_string(when.tm_mday) + " " + kMonths[static_cast<std::size_t>(month)] + " " +
         std::to_string(when.tm_year + 1900) + " at " + two(when.tm_hour) + ":" + two(when.tm_min);
}

std::string textOfRoof(RoofKind kind) {
  for (const Choice<RoofKind>& choice : kGaugeRoofs)
    if (choice.value == kind) return choice.text;
  return {};
}

}  // namespace

std::vector<TicketLine> gaugingTicket(const Fields& f, const Gauging& g, const std::string& source,
                                      const std::tm& when) {
  const std::string temperatureUnit = fieldText(f, "CboGaugeTempUnit");
  const std::string volumeUnit = fieldText(f, "CboGaugeVolumeUnit");
  std::vector<TicketLine> lines = {
      {Kind::Pair, "Volumes from", source},
      {Kind::Pair, "Printed on", printedOn(when)},
      {Kind::Heading, "Gauge"},
      {Kind::Pair, "Method", fieldText(f, "CboGaugeMethod")},
      {Kind::Pair, "Reading", typed(f, "TbGaugeReading", "CboGaugeLengthUnit")},
      {Kind::Pair, "Reference height", typed(f, "TbGaugeReferenceHeight", "CboGaugeLengthUnit")},
      {Kind::Pair, "Free water innage", typed(f, "TbGaugeWater", "CboGaugeLengthUnit")},
      {Kind::Pair, "Innage", fixedText(g.innage, 4) + " Meters"},
      {Kind::Heading, "Product"},
      {Kind::Pair, "Product", fieldText(f, "CboGaugeProduct")},
      {Kind::Pair, "Density", typed(f, "TbGaugeDensity", "CboGaugeDensityUnit")},
      {Kind::Pair, "Density read at", typed(f, "TbGaugeDensityTemp", "CboGaugeTempUnit")},
      {Kind::Pair, "Glass hydrometer correction", fieldText(f, "ChkGaugeHydrometer") == kCheckedText ? "yes" : "no"},
      {Kind::Pair, "Liquid temperature", typed(f, "TbGaugeLiquidTemp", "CboGaugeTempUnit")},
      {Kind::Pair, "Base temperature", fieldText(f, "CboGaugeBase")},
      {Kind::Pair, "Temperature correction", editionLabel(g.correction.edition)},
      {Kind::Pair, "Tank shell", fieldText(f, "CboGaugeShell")},
      {Kind::Pair, "Shell temperature", generalText(g.shellTemperature) + " " + temperatureUnit},
      {Kind::Pair, "S&W", typed(f, "TbGaugeSW") + (fieldText(f, "TbGaugeSW").empty() ? "" : " %")},
      {Kind::Pair, "Roof", fieldText(f, "CboGaugeRoof")},
  };
  const std::string& roof = fieldText(f, "CboGaugeRoof");
  if (roof == textOfRoof(RoofKind::FloatingNotDeducted))
    lines.push_back({Kind::Pair, "Roof weight", typed(f, "TbGaugeRoofWeight", "CboGaugeRoofWeightUnit")});
  if (roof == textOfRoof(RoofKind::FloatingDeducted)) {
    lines.push_back({Kind::Pair, "Roof reference density", typed(f, "TbGaugeRoofRefDensity", "CboGaugeRoofRefUnit")});
    lines.push_back(
        {Kind::Pair, "Roof adjustment per unit",
         typed(f, "TbGaugeRoofAdjustment") + " " + volumeUnit + " per " + fieldText(f, "CboGaugeRoofRefUnit")});
  }
  lines.push_back({Kind::Heading, "Volumes in " + volumeUnit});
  for (const GaugeAnswer& answer : kGaugeAnswers) {
    std::string caption = answer.caption;
    if (!caption.empty() && caption.back() == ':') caption.pop_back();
    lines.push_back({Kind::Pair, caption, answer.text(g)});
  }
  if (!g.warnings.empty()) lines.push_back({Kind::Heading, "Warnings"});
  for (const std::string& warning : g.warnings) lines.push_back({Kind::Note, warning});
  lines.push_back({Kind::Signature, "Gauger"});
  lines.push_back({Kind::Signature, "Witness"});
  return lines;
}

}  // namespace calvexa
