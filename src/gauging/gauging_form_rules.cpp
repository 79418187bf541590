#include "gauging/gauging_form_rules.h"

#include "core/feet_inches.h"
#include "core/input.h"
#include "core/number_text.h"

namespace calvexa {

const Choices<GaugeMethod> kGaugeMethods = {{"Innage", GaugeMethod::Innage}, {"Ullage", GaugeMethod::Ullage}};

const Choices<GaugeLength> kGaugeLengthUnits = {
    {"Millimeters", GaugeLength::Millimetres},
    {"Centimeters", GaugeLength::Centimetres},
    {"Meters", GaugeLength::Metres},
    {"Inches", GaugeLength::Inches},
    {"Feet", GaugeLength::Feet},
    {"Feet-Inches-Eighths", GaugeLength::FeetInchesEighths},
};

const Choices<Commodity> kGaugeProducts = {
    {"Crude oil", Commodity::CrudeOil},
    {"Refined products", Commodity::RefinedProducts},
    {"Lubricating oils", Commodity::LubricatingOils},
    {"Special (expansion coefficient given)", Commodity::Special},
};

const Choices<DensityScale> kGaugeDensityUnits = {
    {"API gravity", DensityScale::ApiGravity},
    {"Relative density", DensityScale::RelativeDensity},
    {"kg/m³", DensityScale::KgPerCubicMetre},
};

const Choices<BaseTemperature> kGaugeBases = {{"60 °F", BaseTemperature::Fahrenheit60},
                                              {"15 °C", BaseTemperature::Celsius15}};

const Choices<Edition> kGaugeEditions = {{"2004 (API MPMS 11.1-2004)", Edition::Api2004},
                                         {"1980 equation, unrounded", Edition::Equation1980}};

const Choices<TemperatureScale> kGaugeTemperatureUnits = {{"°F", TemperatureScale::Fahrenheit},
                                                          {"°C", TemperatureScale::Celsius}};

const Choices<ShellKind> kGaugeShells = {
    {"Mild steel", ShellKind::MildSteel},
    {"Stainless steel", ShellKind::StainlessSteel},
    {"Insulated tank", ShellKind::Insulated},
    {"No shell correction", ShellKind::None},
};

const Choices<RoofKind> kGaugeRoofs = {
    {"Fixed roof", RoofKind::Fixed},
    {"Floating roof, deducted in the table", RoofKind::FloatingDeducted},
    {"Floating roof, not deducted", RoofKind::FloatingNotDeducted},
};

const Choices<double> kGaugeRoofWeightUnits = {{"Pounds", kPoundKilograms}, {"Kilograms", 1.0}, {"Tonnes", 1000.0}};

const Choices<DensityScale> kGaugeRoofReferenceUnits = {{"API gravity", DensityScale::ApiGravity},
                                                        {"kg/m³", DensityScale::KgPerCubicMetre}};

const Choices<VolumeUnit> kGaugeVolumeUnits = {
    {"Barrels", VolumeUnit::Barrels},
    {"Cubic Meters", VolumeUnit::CubicMetres},
    {"Litres", VolumeUnit::Litres},
    {"Gallons (U.S.)", VolumeUnit::UsGallons},
};

const char* const kCheckedText = "1";

namespace {

// ---- Reading the window ------------------------------------------------------

// Reads controls in order and keeps the first refusal; once refused, every
// further read gives a default and leaves the message alone.
class FormReader {
 public:
  explicit FormReader(const Fields& fields) : fields_(fields) {}

  bool refused() const { return !refusal_.empty(); }
  const std::string& refusal() const { return refusal_; }

  template <class Value>
  Value choice(const char* list, const Choices<Value>& choices, const char* name) {
    const std::string& text = fieldText(fields_, list);
    for (const Choice<Value>& c : choices)
      if (text == c.text) return c.value;
    refuse(std::string("An improper ") + name + " has been chosen.  Re-choose a " + name + " with the mouse.");
    return choices.front().value;
  }

  double required(const char* box, const std::string& name) { return number(box, name).value_or(0.0); }

  std::optional<double> optional(const char* box, const std::string& name) {
    if (refused() || fieldText(fields_, box).empty()) return std::nullopt;
    return number(box, name);
  }

  // A length box in metres, by the length unit.
  std::optional<double> length(const char* box, const std::string& name, GaugeLength unit, bool required) {
    if (refused() || (!required && fieldText(fields_, box).empty())) return std::nullopt;
    if (unit == GaugeLength::FeetInchesEighths) {
      const std::optional<double> feet = parseFeetInches(fieldText(fields_, box), FeetOrInches::Feet);
      if (!feet) {
        refuse("Please type in the " + name + " in feet, inches and eighths, such as 12 3 5/8.");
        return std::nullopt;
      }
      return *feet * kFootMetres;
    }
    const std::optional<double> value = number(box, name);
    return value ? std::optional<double>(*value * metresPer(unit)) : std::nullopt;
  }

  bool ticked(const char* box) const { return fieldText(fields_, box) == kCheckedText; }

 private:
  std::optional<double> number(const char* box, const std::string& name) {
    if (refused()) return std::nullopt;
    Outcome messages;
    std::optional<double> value = readNumber(fields_, box, name, messages);
    if (!value) refuse(messages.messageTexts().front());
    return value;
  }

  void refuse(std::string message) {
    if (!refused()) refusal_ = std::move(message);
  }

  static double metresPer(GaugeLength unit) {
    switch (unit) {
      case GaugeLength::Millimetres:
        return 0.001;
      case GaugeLength::Centimetres:
        return 0.01;
      case GaugeLength::Inches:
        return kInchMetres;
      case GaugeLength::Feet:
        return kFootMetres;
      case GaugeLength::Metres:
      case GaugeLength::FeetInchesEighths:
        break;
    }
    return 1.0;
  }

  const Fields& fields_;
  std::string refusal_;
};

double cubicMetresPer(VolumeUnit unit) { return 1.0 / cubicMetresTo(1.0, unit); }

}  // namespace

GaugingOutcome gaugeFromFields(const Fields& fields, const GaugeTank& tank) {
  FormReader read(fields);
  GaugeInput in;
  in.volumes = tank.volumes;
  in.roof.zone = tank.zone;

  // The lists, top to bottom.
  in.method = read.choice("CboGaugeMethod", kGaugeMethods, "Gauging Method");
  const GaugeLength lengthUnit = read.choice("CboGaugeLengthUnit", kGaugeLengthUnits, "Length Unit");
  CorrectionInput& product = in.product;
  product.commodity = read.choice("CboGaugeProduct", kGaugeProducts, "Product");
  product.densityScale = read.choice("CboGaugeDensityUnit", kGaugeDensityUnits, "Density Unit");
  product.base = read.choice("CboGaugeBase", kGaugeBases, "Base Temperature");
  product.edition = read.choice("CboGaugeEdition", kGaugeEditions, "Edition");
  product.temperatureScale = read.choice("CboGaugeTempUnit", kGaugeTemperatureUnits, "Temperature Unit");
  in.shell.kind = read.choice("CboGaugeShell", kGaugeShells, "Tank Shell");
  in.roof.kind = read.choice("CboGaugeRoof", kGaugeRoofs, "Roof");
  double roofWeightUnit = 1.0;
  if (in.roof.kind == RoofKind::FloatingNotDeducted)
    roofWeightUnit = read.choice("CboGaugeRoofWeightUnit", kGaugeRoofWeightUnits, "Roof Weight Unit");
  if (in.roof.kind == RoofKind::FloatingDeducted)
    in.roof.referenceScale =
        read.choice("CboGaugeRoofRefUnit", kGaugeRoofReferenceUnits, "Roof Reference Density Unit");
  in.volumeUnit = read.choice("CboGaugeVolumeUnit", kGaugeVolumeUnits, "Volume Unit");

  // The boxes, top to bottom.
  const bool ullage = in.method == GaugeMethod::Ullage;
  in.reading = read.length("TbGaugeReading", ullage ? "Ullage" : "Innage", lengthUnit, true).value_or(0.0);
  in.referenceHeight = read.length("TbGaugeReferenceHeight", "Reference Height", lengthUnit, ullage);
  in.waterInnage = read.length("TbGaugeWater", "Free Water", lengthUnit, false);
  if (product.commodity == Commodity::Special) product.alpha = read.required("TbGaugeAlpha", "Expansion Coefficient");
  product.density = read.required("TbGaugeDensity", "Density");
  product.densityTemperature = read.optional("TbGaugeDensityTemp", "Density Temperature");
  product.hydrometer = read.ticked("ChkGaugeHydrometer");
  product.temperature = read.required("TbGaugeLiquidTemp", "Liquid Temperature");
  const bool weathered = in.shell.kind == ShellKind::MildSteel || in.shell.kind == ShellKind::StainlessSteel;
  if (weathered) in.shell.ambientTemperature = read.required("TbGaugeAmbientTemp", "Ambient Temperature");
  if (in.shell.kind == ShellKind::StainlessSteel)
    in.shell.alpha = read.required("TbGaugeShellAlpha", "Shell Expansion Coefficient");
  if (in.shell.kind != ShellKind::None)
    in.shell.referenceTemperature = read.optional("TbGaugeShellRefTemp", "Shell Reference Temperature");
  in.sedimentAndWater = read.optional("TbGaugeSW", "S&W").value_or(0.0);
  if (in.roof.kind == RoofKind::FloatingNotDeducted)
    in.roof.weightKg = read.required("TbGaugeRoofWeight", "Roof Weight") * roofWeightUnit;
  if (in.roof.kind == RoofKind::FloatingDeducted) {
    in.roof.referenceDensity = read.required("TbGaugeRoofRefDensity", "Roof Reference Density");
    in.roof.volumePerUnit = read.required("TbGaugeRoofAdjustment", "Roof Adjustment") * cubicMetresPer(in.volumeUnit);
  }
  if (read.refused()) return {std::nullopt, read.refusal()};
  return gaugeTank(in);
}

std::string factorText(double factor) { return fixedText(factor, 5); }
std::string volumeText(double volume) { return maskText(volume, Mask::Grouped2); }

namespace {

std::string baseDensityText(const Gauging& g) {
  return fixedText(g.correction.api60, 1) + " API, " + fixedText(g.correction.baseDensity, 1) + " kg/m³";
}

std::string joinedWarnings(const std::vector<std::string>& warnings) {
  std::string text;
  for (const std::string& warning : warnings) text += (text.empty() ? "" : "\n") + warning;
  return text;
}

}  // namespace

const std::vector<GaugeAnswer> kGaugeAnswers = {
    {"TbGaugeTOV", "Total observed volume (TOV):", [](const Gauging& g) { return volumeText(g.tov); }},
    {"TbGaugeFW", "Free water (FW):", [](const Gauging& g) { return volumeText(g.fw); }},
    {"TbGaugeCTSh", "Shell correction (CTSh):", [](const Gauging& g) { return factorText(g.ctsh); }},
    {"TbGaugeRoof", "Roof adjustment:", [](const Gauging& g) { return volumeText(g.roof); }},
    {"TbGaugeGOV", "Gross observed volume (GOV):", [](const Gauging& g) { return volumeText(g.gov); }},
    {"TbGaugeBaseDensity", "Density at the base:", baseDensityText},
    {"TbGaugeCTL", "Temperature correction (CTL):", [](const Gauging& g) { return factorText(g.ctl); }},
    {"TbGaugeGSV", "Gross standard volume (GSV):", [](const Gauging& g) { return volumeText(g.gsv); }},
    {"TbGaugeCSW", "S&W correction (CSW):", [](const Gauging& g) { return factorText(g.csw); }},
    {"TbGaugeNSV", "Net standard volume (NSV):", [](const Gauging& g) { return volumeText(g.nsv); }},
    {"TbGaugeSWVolume", "S&W volume:", [](const Gauging& g) { return volumeText(g.swVolume); }},
};

const char* const kGaugeWarningsLabel = "LblGaugeWarnings";

Outcome gaugingOutcome(const Fields& fields, const GaugeTank& tank) {
  return gaugingOutcome(gaugeFromFields(fields, tank));
}

Outcome gaugingOutcome(const GaugingOutcome& gauged) {
  Outcome out;
  if (!gauged.gauging) return out.show(gauged.refusal);
  for (const GaugeAnswer& answer : kGaugeAnswers) out.write(answer.label, answer.text(*gauged.gauging));
  out.write(kGaugeWarningsLabel, joinedWarnings(gauged.gauging->warnings));
  return out;
}

}  // namespace calvexa
