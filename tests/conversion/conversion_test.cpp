// The converter's calculations: worked answers written from the conversion
// formulas, the order and wording of the messages, refusals of text that is
// not a number and of answers out of range, a round trip of every unit.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

#include "conversion/conversion_rules.h"
#include "core/input.h"
#include "core/number_text.h"
#include "support/calculation_checks.h"

namespace calvexa {
namespace {

const Category& tab(const std::string& key) {
  const Category* category = findCategory(key);
  if (!category) ADD_FAILURE() << "no tab " << key;
  return category ? *category : conversionCategories()[0];
}

Outcome run(const std::string& key, const std::string& value, const std::string& from, const std::string& to) {
  const Category& category = tab(key);
  return convert(category, {{category.valueBox, value}, {category.fromList, from}, {category.toList, to}});
}

// The one effect of a refused calculation: a message, nothing written.
void expectOnlyMessage(const Outcome& outcome, const Message& expected, const std::string& label) {
  ASSERT_EQ(outcome.effects.size(), 1u) << label;
  EXPECT_EQ(outcome.effects[0].kind, Effect::Kind::Show) << label;
  EXPECT_EQ(outcome.effects[0].message, expected) << label << ": " << outcome.effects[0].message.text;
}

void expectAnswer(const Outcome& outcome, const std::string& key, const std::string& expected,
                  const std::string& label) {
  ASSERT_EQ(outcome.effects.size(), 1u) << label;
  ASSERT_EQ(outcome.effects[0].kind, Effect::Kind::Write) << label << ": " << outcome.effects[0].message.text;
  EXPECT_EQ(outcome.effects[0].target, tab(key).answer) << label;
  EXPECT_EQ(outcome.effects[0].text, expected) << label;
}

TEST(Conversion, WorkedAnswers) {
  struct Case {
    const char* key;
    const char* value;
    const char* from;
    const char* to;
    std::string expected;
  };
  const Case cases[] = {
      {"Vol", "1", "Barrels (Petroleum)", "Litres", "158.9873"},
      {"Vol", "1", "Litres", "Barrels (Petroleum)", general(1 / (0.1589873 * 1000))},
      {"Vol", "1", "Litres", "Millilitres (mL)", "1000"},
      {"Vol", "1", "Cubic Meters", "Stere", "1"},
      {"Vol", "1", "Gallons (U.S. Liquid)", "Quarts (U.S. Liquid)", general(3.785412 / (0.0009463529 * 1000))},
      {"Vol", "1", "Microlitres (uL)", "Cubic Meters", "1E-09"},
      {"Vol", "2", "MMCF", "Cubic Feet (volume, section modulus)",
       general(2 * 0.02831685 * 1000000000 / (0.02831685 * 1000))},
      {"Length", "1", "Meter", "Yard", general(1 * 1.0 / 0.9144)},
      {"Length", "1", "Chain", "Rod", "4"},
      {"Length", "1", "Mile (International Nautical)", "Meter", "1852"},
      {"Length", "1", "Mile (International Nautical)", "Mile (U.K. Nautical)", general(1852 / 1853.184)},
      {"Length", "0.00001", "Meter", "Meter", "1E-05"},
      {"Length", "3", "Feet (U.S. Survey)", "Inches", general(3 * 0.3048 / 0.0254)},
      {"SqArea", "1", "Square Miles (International)", "Section", general(2589988.0 / 2589998)},
      {"SqArea", "1", "Square Miles (U.S. Survey)", "Section", "1"},
      {"SqArea", "3", "Square Meters", "Square Centimeters (cc)", "30000"},
      {"Mass", "1", "Kilograms", "Pounds (avoirdupois)", general((1 / 0.4536) * 1)},
      {"Mass", "5", "Grams", "Milligrams", "5000"},
      {"Prefix", "100", "exa-meter (E)", "meter", "1E+20"},
      {"Prefix", "1", "kilo-meter (k)", "milli-meter (m)", "1000000"},
      {"Energy", "1", "Kilowatthour (kW-hr)", "Joules", "3600000"},
      {"Energy", "1", "W\xC2\xB7s", "Watthour (W-hr)", general(1.0 / 3600)},
      {"Pressure", "1", "Pascals (Pa)", "Poundal/square foot", general(1 / 1.488164)},
      {"Pressure", "1", "lbf/Square Inch (psi)", "Atmospheres (standard)", general(6894.757 / 101325)},
      {"Pressure", "1", "Kip/Square Inch (ksi)", "lbf/Square Inch (psi)", "1000"},
      {"Power", "1", "Horsepower (metric)", "Watts", "735.499"},
      {"Speed", "100", "Kilometers per hour", "Miles per hour (International)", general(100.0 * 1000 / 3600 / 0.44704)},
      {"Speed", "1", "Meters per second", "Inches per hour", general(1 / 0.0254 * 60 * 60)},
      {"VF", "1", "MMCFD (Mil cu ft/day)", "Cubic Meters per day", general(1 / (86400 / 28316.85) * 86400)},
      {"VF", "1", "Cubic Yards per minute", "Cubic Yards per second", general(1.0 / 60 * 0.7645549 / 0.7645549)},
      {"Temp", "100", "Celcius", "Fahrenheit", "212"},
      {"Temp", "-40", "Fahrenheit", "Celcius", "-40"},
      {"Temp", "32", "Fahrenheit", "Rankine", general(32 + 459.67)},
      {"Temp", "0", "Kelvin", "Celcius", "-273.15"},
      {"Temp", "-500", "Celcius", "Kelvin", general(-500 + 273.15)},  // below absolute zero is not refused
      {"Density", "10", "API Gravity", "Grams/cubic centimeter", "1"},
      {"Density", "1", "Grams/cubic centimeter", "API Gravity", "10"},
      {"Density", "1", "Grams/cubic centimeter", "Baume", "0"},
      {"Density", "1", "Tons/cubic yard", "Grams/cubic centimeter", "1.186553"},
      {"Dosage", "1", "Tons/cubic yard", "Kilograms/cubic meter", general(1.186553 / 0.001)},
      {"Dosage", "1", "Percent (%)", "Parts per million (ppm)", "10000"},
      {"Angle", "1", "Revolution", "Radian (rad)", general(360 / 57.2958)},
      {"Angle", "20", "Minute (')", "Degree", "0.333333333333333"},
      {"Light", "1", "Flame", "Lux", general(1 / 0.02322576)},
      {"Light", "1", "Lux", "Meter-Candles", "1"},
      {"Conc", "1", "Mole/litre (mol/L)", "Millimole/Litre (mmol/L)", "1000"},
      {"Conc", "1", "One elementary entity/cubic meter", "Kilomole/cubic meter (Kmol/m3)", "1.66054E-27"},
      {"Dyn", "1", "poise", "centipoise (cP)", "100"},
      {"Dyn", "1", "slug/foot second", "pound-force second/ft2", "1"},
      {"Dyn", "1", "poundal hour/ft2", "poundal second/ft2", "3600"},
      {"Kin", "1", "stokes", "centistoke", "100"},
      {"Kin", "1", "centistoke", "lentor", "0.01"},
      {"Vol", "-0", "Litres", "Cubic Meters", "0"},  // no negative zero
  };
  for (const Case& c : cases) {
    const std::string label = std::string(c.value) + " " + c.from + " -> " + c.to;
    expectAnswer(run(c.key, c.value, c.from, c.to), c.key, c.expected, label);
  }
}

const char* const kEmpty = "Please enter a number in the 'Convert From Unit' box";

std::string improper(const std::string& word) {
  return "An improper " + word + " Unit has been chosen.  Re-choose another " + word + " Unit with the mouse.";
}

TEST(Conversion, MessagesOfEveryTabInCheckOrder) {
  struct Case {
    const char* key;
    const char* unit;  // a unit of the tab
    Message empty;
    Message fromUnknown;
    Message toUnknown;
  };
  auto plain = [](const std::string& text) { return Message{text, "", Icon::None}; };
  auto error = [](const std::string& text) { return Message{text, "Error", Icon::Information}; };
  const Case cases[] = {
      {"Vol", "Litres", plain(kEmpty), plain(improper("Volume")), plain(improper("Volume"))},
      {"SqArea", "Are", plain(kEmpty), plain(improper("Area")), plain(improper("Area"))},
      {"Temp", "Kelvin", plain(kEmpty), plain(improper("Temperature")), plain(improper("Temperature"))},
      {"Mass", "Grams", plain(kEmpty), plain(improper("Mass")), plain(improper("Mass"))},
      {"Length", "Mil", plain(kEmpty), plain(improper("Length")), plain(improper("Length"))},
      {"Prefix", "meter", plain(kEmpty), plain(improper("Prefix")), plain(improper("Prefix"))},
      {"Energy", "erg", plain(kEmpty), plain(improper("Energy")), plain(improper("Energy"))},
      {"Pressure", "Millibar", plain(kEmpty), plain(improper("Pressure")), plain(improper("Pressure"))},
      {"Power", "Watts", plain(kEmpty), plain(improper("Power")), plain(improper("Power"))},
      {"Speed", "Meters per second", plain(kEmpty), plain(improper("Speed")), plain(improper("Speed"))},
      {"VF", "e3m3 per day", plain(std::string(kEmpty) + "."), plain(improper("Volume Flow")),
       plain(improper("Volume Flow"))},
      {"Dosage", "Percent (%)", plain("Please enter a number in the 'Convert From' box"), plain(improper("Dosage")),
       plain(improper("Dosage"))},
      {"Angle", "Degree", plain(kEmpty), plain(improper("Angle")), plain(improper("Angle"))},
      {"Light", "Lux", plain(kEmpty), plain(improper("Light")), plain(improper("Light"))},
      {"Density", "Baume", plain(kEmpty), plain(improper("Density")), plain(improper("Density"))},
      {"Conc", "Mole/litre (mol/L)", plain(kEmpty), plain(improper("Concentration")), plain(improper("Concentration"))},
      {"Dyn", "poise", plain(kEmpty), error("Improper Dynamic 'From' Value"), error("Improper Dynamic 'To' Unit")},
      {"Kin", "stokes", plain(kEmpty), error("Improper Kinematic 'From' Value"),
       error("Improper Kinematic 'to' Value")},
  };
  ASSERT_EQ(std::size(cases), kCategoryCount);
  for (const Case& c : cases) {
    const std::string key = c.key;
    // The empty value comes first, even with no unit picked and a bad To unit.
    expectOnlyMessage(run(key, "", "", ""), c.empty, key + " empty value");
    expectOnlyMessage(run(key, "", c.unit, "nonsense"), c.empty, key + " empty value, units picked");
    // The From unit before the To unit: both lists empty give one message.
    expectOnlyMessage(run(key, "1", "", ""), c.fromUnknown, key + " no units");
    expectOnlyMessage(run(key, "1", "nonsense", c.unit), c.fromUnknown, key + " unknown From");
    // Names match exactly: case, trailing space.
    std::string upper = c.unit;
    upper[0] = static_cast<char>(std::toupper(upper[0]) == upper[0] ? std::tolower(upper[0]) : std::toupper(upper[0]));
    expectOnlyMessage(run(key, "1", upper, c.unit), c.fromUnknown, key + " From in other case");
    expectOnlyMessage(run(key, "1", c.unit, std::string(c.unit) + " "), c.toUnknown, key + " To with a space");
    // After an unknown To unit the answer field keeps its text: nothing written.
    expectOnlyMessage(run(key, "1", c.unit, ""), c.toUnknown, key + " no To unit");
    // A box of spaces is not empty: it is text that is not a number.
    expectOnlyMessage(run(key, "  ", c.unit, c.unit), plain(notANumberText(kConvertValueName)), key + " spaces");
  }
}

TEST(Conversion, NotANumberIsRefusedWhereTheValueIsRead) {
  const Message notANumber{notANumberText(kConvertValueName), "", Icon::None};
  EXPECT_EQ(notANumber.text, "Please type in a number for the 'Convert From Unit' box.");
  const Message tooLarge{"The value typed for the 'Convert From Unit' box is too large.", "", Icon::None};
  for (const char* text : {".", "-", "+", "E", "1E", "1.2.3", "1-2", "1,5", "abc", "1e400", "-1E999"}) {
    const bool large = std::string(text).find("e400") != std::string::npos || std::string(text) == "-1E999";
    for (const Category& category : conversionCategories()) {
      const std::string unit = category.units[category.units.size() - 1].name;
      expectOnlyMessage(
          convert(category, {{category.valueBox, text}, {category.fromList, unit}, {category.toList, unit}}),
          large ? tooLarge : notANumber, std::string(category.key) + " '" + text + "'");
    }
  }
  // The value is read after the From unit everywhere; in Length only after the
  // To unit too, elsewhere before it.
  expectOnlyMessage(run("Length", "1.2.3", "Meter", "Furlong"), Message{improper("Length"), "", Icon::None},
                    "Length To before value");
  expectOnlyMessage(run("Mass", "1.2.3", "Grams", "Stone"), notANumber, "Mass value before To");
  expectOnlyMessage(run("Dyn", "1.2.3", "poise", "Poise"), notANumber, "Dyn value before To");
  expectOnlyMessage(run("Length", "1.2.3", "Furlong", "Meter"), Message{improper("Length"), "", Icon::None},
                    "Length From before value");
}

TEST(Conversion, DensityOfZeroIsRefusedBeforeTheToUnit) {
  const Message zero{"Error, Density Cannot equal zero.  Please enter another value.", "", Icon::None};
  for (const char* unit : {"Grams/cubic centimeter", "Grams/cubic meter", "Kilograms/Litre", "Milligrams/Litre",
                           "Pounds/gallon (U.K.)", "Tons/cubic yard"}) {
    expectOnlyMessage(run("Density", "0", unit, ""), zero, unit);
    expectOnlyMessage(run("Density", "-0", unit, "API Gravity"), zero, unit);
  }
  expectOnlyMessage(run("Density", "145", "Baume", ""), zero, "145 Baume");
  expectOnlyMessage(run("Density", "1.45E+02", "Baume", "Grams/cubic centimeter"), zero, "145 Baume");
  // Only exactly 145.
  expectAnswer(run("Density", "145.000001", "Baume", "Grams/cubic centimeter"), "Density",
               general(145 / (145 - 145.000001)), "just above 145 Baume");
  // Dosage has no zero rule.
  expectAnswer(run("Dosage", "0", "Pounds/cubic foot", "Percent (%)"), "Dosage", "0", "zero dosage");
}

TEST(Conversion, AnswersBeyondTheRangeOfADoubleAreRefused) {
  const Message outOfRange{kAnswerOutOfRangeText, "", Icon::None};
  struct Case {
    const char* key;
    const char* value;
    const char* from;
    const char* to;
  };
  const Case cases[] = {
      {"Prefix", "1E+300", "exa-meter (E)", "meter"},
      {"Prefix", "1E+300", "meter", "atto-meter (a)"},
      {"Length", "1E+300", "Parsec", "Meter"},
      {"Vol", "1E+305", "MMCF", "Litres"},
      {"Density", "-131.5", "API Gravity", "Grams/cubic centimeter"},
      {"Density", "-131.5", "API Gravity", "API Gravity"},
      {"Density", "1E-307", "Grams/cubic centimeter", "API Gravity"},
      {"Dyn", "1E+303", "reyn", "centipoise (cP)"},
      {"Kin", "-1E+306", "mm2/second", "mm2/day"},
  };
  for (const Case& c : cases)
    expectOnlyMessage(run(c.key, c.value, c.from, c.to), outOfRange,
                      std::string(c.value) + " " + c.from + " -> " + c.to);
}

// A value converted to the tab's base unit and back comes out as it went in.
TEST(Conversion, EveryUnitRoundTrips) {
  const char* const pivots[kCategoryCount] = {"Litres",
                                              "Square Meters",
                                              "Celcius",
                                              "Kilograms",
                                              "Meter",
                                              "meter",
                                              "Joules",
                                              "Pascals (Pa)",
                                              "Watts",
                                              "Meters per second",
                                              "Cubic Meters per second",
                                              "Grams/cubic centimeter",
                                              "Degree",
                                              "Flame",
                                              "Grams/cubic centimeter",
                                              "Kilomole/cubic meter (Kmol/m3)",
                                              "centipoise (cP)",
                                              "centistoke"};
  for (std::size_t i = 0; i < kCategoryCount; ++i) {
    const Category& category = conversionCategories()[i];
    for (const UnitRule& rule : category.units) {
      const char* unit = rule.name;
      const std::string label = std::string(category.key) + " " + unit;
      const Outcome there =
          convert(category, {{category.valueBox, "7.25"}, {category.fromList, unit}, {category.toList, pivots[i]}});
      ASSERT_TRUE(there.wrote(category.answer)) << label;
      const Outcome back = convert(category, {{category.valueBox, there.written(category.answer)},
                                              {category.fromList, pivots[i]},
                                              {category.toList, unit}});
      ASSERT_TRUE(back.wrote(category.answer)) << label;
      const double value = *parseNumber(back.written(category.answer));
      EXPECT_NEAR(value, 7.25, 7.25 * 1e-12) << label;
    }
  }
}

}  // namespace
}  // namespace calvexa
