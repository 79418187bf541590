// The three coating calculations: pipeline lining, complete downhole coating
// and internal tube coating.
#include <gtest/gtest.h>

#include <cstdio>

#include "core/input.h"
#include "core/number_text.h"
#include "oilfield/coating_rules.h"
#include "support/calculation_checks.h"

namespace calvexa {
namespace {

constexpr double kPi7 = 3.1415926;
constexpr double kPi9 = 3.141592654;
constexpr double kMil = 0.0000254;

// ---- Pipeline coating

const char* const kPipeDiameterMsg =
    "An improper pipeline diameter measurement has been chosen. Re-choose a pipeline diameter unit with the mouse.";
const char* const kPipeThicknessMsg =
    "An improper Inner Radius Unit has been chosen.  Re-choose another Inner Radius Unit with the mouse.";
const char* const kPipeLengthMsg =
    "An improper pipeline length has been chosen.  Re-choose a pipeline diameter unit with the mouse.";
const char* const kPipeVolumeMsg =
    "An improper volume has been chosen.  Re-choose a pipeline volume unit with the mouse.";

Fields liningFields(const char* diameter, const char* diameterUnit, const char* length, const char* lengthUnit,
                    const char* thickness, const char* thicknessUnit, const char* answerUnit) {
  return {{"TbPipelineDiameter", diameter},   {"CboPipelineDiameter", diameterUnit},
          {"TbPipelineLength", length},       {"CboPipelineLength", lengthUnit},
          {"TbPipelineThickness", thickness}, {"CboPipelineThickness", thicknessUnit},
          {"CboPipelineVolume", answerUnit}};
}

// Outer radius and coating in metres; the typed length and its factor to
// metres (multiplier, then divisor), applied to each cylinder last.
double lining(double outer, double coating, double typedLength, double multiplier, double divisor = 1) {
  const double inner = outer - coating;
  const double a = typedLength * (outer * outer * kPi7) * multiplier / divisor;
  const double b = typedLength * (inner * inner * kPi7) * multiplier / divisor;
  return a - b;
}

TEST(PipelineCoating, WritesGeneralNumberText) {
  struct Case {
    const char* name;
    Fields fields;
    double expected;
  };
  const Case cases[] = {
      {"1 m, 1000 m, 1 cm, m3", liningFields("1", "Meters", "1000", "Meters", "1", "Centimeters", "Cubic Meters"),
       1000 * (0.5 * 0.5 * kPi7) - 1000 * ((0.5 - 1.0 / 100) * (0.5 - 1.0 / 100) * kPi7)},
      {"inches, 2 miles, mil, litres", liningFields("24", "Inches", "2", "Miles", "20", "Mil", "Litres"),
       lining(24 * 0.3048 / 2 / 12, 20 * kMil, 2, 1609.347) * 1000},
      {"mil, km, mm, U.S. gallons",
       liningFields("12000", "Mil", "3", "Kilometers", "2", "Millimeters", "Gallons (U.S.)"),
       lining(12000 * 0.3048 / 12 / 2 / 1000, 2.0 / 1000, 3, 1000) * 1000 / 3.785412},
      {"feet, cm, inches, drums",
       liningFields("3", "Feet", "5000", "Centimeters", "0.25", "Inches", "Drums (208 litre)"),
       lining(3 * 0.3048 / 2, 0.25 * 0.0254, 5000, 1, 100) * 1000 / 208},
      {"mm, feet, cm, cubic feet", liningFields("600", "Millimeters", "900", "Feet", "1", "Centimeters", "Cubic Feet"),
       lining(600.0 / 1000 / 2, 1.0 / 100, 900, 0.3048) * 35.31466227},
      {"cm, inches, mm, Canadian gallons",
       liningFields("30", "Centimeters", "1200", "Inches", "3", "Millimeters", "Gallons (Canada)"),
       lining(30.0 / 100 / 2, 3.0 / 1000, 1200, 0.3048, 12) * 1000 / 4.54609},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyAnswer(PipelineCoating(c.fields), "TbPipelineVolume"), general(c.expected));
  }
}

TEST(PipelineCoating, ChecksBoxesThenUnitsInOrder) {
  expectChecksInOrder(PipelineCoating, liningFields("", "", "", "", "", "", ""),
                      {{"Please type in a number for Pipeline Diameter.", "TbPipelineDiameter", "1"},
                       {"Please type in a number for Pipeline Length.", "TbPipelineLength", "1000"},
                       {"Please type in a number for Coating Thickness.", "TbPipelineThickness", "1"},
                       {kPipeDiameterMsg, "CboPipelineDiameter", "Meters"},
                       {kPipeThicknessMsg, "CboPipelineThickness", "Centimeters"},
                       {kPipeLengthMsg, "CboPipelineLength", "Meters"},
                       {kPipeVolumeMsg, "CboPipelineVolume", "Cubic Meters"}},
                      "TbPipelineVolume");
}

TEST(PipelineCoating, RefusesUnknownUnitsAndNonNumbers) {
  struct Case {
    const char* control;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"CboPipelineThickness", "Feet", kPipeThicknessMsg},
      {"CboPipelineDiameter", "Kilometers", kPipeDiameterMsg},
      {"CboPipelineLength", "Mil", kPipeLengthMsg},
      {"CboPipelineVolume", "Barrels", kPipeVolumeMsg},
      {"TbPipelineDiameter", "+", "Please type in a number for Pipeline Diameter."},
      {"TbPipelineThickness", "1..", "Please type in a number for Coating Thickness."},
      {"TbPipelineLength", "E5", "Please type in a number for Pipeline Length."},
  };
  for (const Case& c : cases) {
    Fields fields = liningFields("1", "Meters", "1000", "Meters", "1", "Centimeters", "Cubic Meters");
    fields[c.control] = c.text;
    EXPECT_EQ(onlyMessage(PipelineCoating(fields)), c.message) << c.control << " = " << c.text;
  }
  const Outcome beyond =
      PipelineCoating(liningFields("1E200", "Meters", "1", "Meters", "1", "Centimeters", "Cubic Meters"));
  EXPECT_EQ(onlyMessage(beyond), kAnswerOutOfRangeText);
}

// ---- Complete downhole coating

const char* const kCasingDiameterMsg =
    "An improper Casing diameter measurement has been chosen. Re-choose a Casing Diameter Unit with the mouse.";
const char* const kHoleCoatingMsg =
    "An improper Hole Coating Thickness Unit has been chosen.  Re-choose another Hole Coating Thickness Unit with "
    "the mouse.";
const char* const kCasingLengthMsg =
    "An improper Casing length has been chosen.  Re-choose a Casing unit with the mouse.";
const char* const kTubingDiameterMsg =
    "An improper Internal Tubing diameter measurement has been chosen. Re-choose an Internal Tubing Diameter Unit "
    "with the mouse.";
const char* const kTubingThicknessMsg =
    "An improper Tubing Thickness Unit has been chosen.  Re-choose another Tubing Thickness Unit with the mouse.";
const char* const kTubingLengthMsg =
    "An improper Tubing length has been chosen.  Re-choose a Tubing unit with the mouse.";
const char* const kDownholeVolumeMsg =
    "An improper Downhole Answer Volume has been chosen.  Re-choose a Downhole Answer Volume unit with the mouse.";

struct Well {
  const char* casing = "7";
  const char* casingUnit = "Inches";
  const char* casingLength = "1000";
  const char* casingLengthUnit = "Feet";
  const char* coating = "10";
  const char* coatingUnit = "Mil";
  const char* tubing = "3";
  const char* tubingUnit = "Inches";
  const char* tubingLength = "900";
  const char* tubingLengthUnit = "Meters";
  const char* wall = "0.25";
  const char* wallUnit = "Inches";
  const char* answerUnit = "Litres";

  Fields fields() const {
    return {
        {"TbCasingDiameter", casing},          {"CboCasingDiameter", casingUnit}, {"TbCasingLength", casingLength},
        {"CboCasingLength", casingLengthUnit}, {"TbDwnholeCoating", coating},     {"CboDownholeCoating", coatingUnit},
        {"TbTubingDiameter", tubing},          {"CboTubingDiameter", tubingUnit}, {"TbTubingLength", tubingLength},
        {"CboTubingLength", tubingLengthUnit}, {"TbTubingThickness", wall},       {"CboTubingThickness", wallUnit},
        {"CboDownholeAnswer", answerUnit}};
  }
};

// The layer between radii r and R over a length, as a positive volume.
double layer(double r, double R, double length) { return R * R * kPi7 * length - r * r * kPi7 * length; }

// Inside of the casing, outside and inside of the tubing; radii, thicknesses
// and lengths in metres.
double downhole(double casingRadius, double casingLength, double coating, double tubingRadius, double wall,
                double tubingLength) {
  return layer(casingRadius - coating, casingRadius, casingLength) +
         layer(tubingRadius + wall, tubingRadius + wall + coating, tubingLength) +
         layer(tubingRadius - coating, tubingRadius, tubingLength);
}

TEST(DownholeCoating, AddsThreeLayersEachOverItsOwnLength) {
  struct Case {
    const char* name;
    Well well;
    double expected;
  };
  Well zero;
  zero.coating = "0";
  Well metric;
  metric.casing = "177.8";
  metric.casingUnit = "Millimeters";
  metric.casingLength = "2";
  metric.casingLengthUnit = "Kilometers";
  metric.coating = "0.5";
  metric.coatingUnit = "Millimeters";
  metric.tubing = "7.3";
  metric.tubingUnit = "Centimeters";
  metric.tubingLength = "190000";
  metric.tubingLengthUnit = "Centimeters";
  metric.wall = "0.6";
  metric.wallUnit = "Centimeters";
  metric.answerUnit = "Gallons (Canada)";
  Well imperial;
  imperial.casing = "0.6";
  imperial.casingUnit = "Feet";
  imperial.casingLength = "1.2";
  imperial.casingLengthUnit = "Miles";
  imperial.coating = "0.01";
  imperial.coatingUnit = "Inches";
  imperial.tubing = "3000";
  imperial.tubingUnit = "Mil";
  imperial.tubingLength = "24000";
  imperial.tubingLengthUnit = "Inches";
  imperial.wall = "0.0003";
  imperial.wallUnit = "Mil";
  imperial.answerUnit = "Gallons (U.S.)";
  Well metres = metric;
  metres.casing = "0.1778";
  metres.casingUnit = "Meters";
  metres.tubingLength = "1900";
  metres.tubingLengthUnit = "Meters";
  metres.answerUnit = "Cubic Feet";
  Well drums;
  drums.answerUnit = "Drums (208 litre)";

  const double feetInches =
      downhole(7 * 0.3048 / 2 / 12, 1000 * 0.3048, 10 * kMil, 3 * 0.3048 / 2 / 12, 0.25 * 0.0254, 900);
  const Case cases[] = {
      {"inches, feet, mil and metres in litres", Well{}, feetInches * 1000},
      {"the same in drums", drums, feetInches * 1000 / 208},
      {"coating of zero", zero, 0},
      {"mm, km, cm in Canadian gallons", metric,
       downhole(177.8 / 1000 / 2, 2 * 1000.0, 0.5 / 1000, 7.3 / 100 / 2, 0.6 / 100, 190000.0 / 100) * 1000 / 4.54609},
      {"metres in cubic feet", metres,
       downhole(0.1778 / 2, 2 * 1000.0, 0.5 / 1000, 7.3 / 100 / 2, 0.6 / 100, 1900) * 35.31466227},
      {"feet, miles, mil and inches in U.S. gallons", imperial,
       downhole(0.6 * 0.3048 / 2, 1.2 * 1609.347, 0.01 * 0.0254, 3000 * 0.3048 / 12 / 2 / 1000, 0.0003 * kMil,
                24000 * 0.3048 / 12) *
           1000 / 3.785412},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyAnswer(DownholeCoating(c.well.fields()), "TbDownholeAnswer"), grouped3(c.expected));
  }
  EXPECT_EQ(DownholeCoating(zero.fields()).written("TbDownholeAnswer"), ".000");
}

TEST(DownholeCoating, ChecksBoxesThenUnitsInReadingOrder) {
  Fields blank;
  for (const auto& [name, text] : Well{}.fields()) blank[name] = "";
  expectChecksInOrder(DownholeCoating, blank,
                      {{"Please type in a number for Casing Diameter.", "TbCasingDiameter", "7"},
                       {"Please type in a number for Casing Length.", "TbCasingLength", "1000"},
                       {"Please type in a number for Coating Thickness.", "TbDwnholeCoating", "10"},
                       {"Please type in a number for Tubing Diameter.", "TbTubingDiameter", "3"},
                       {"Please type in a number for Tubing Length.", "TbTubingLength", "900"},
                       {"Please type in a number for Tubing Thickness.", "TbTubingThickness", "0.25"},
                       {kCasingDiameterMsg, "CboCasingDiameter", "Inches"},
                       {kHoleCoatingMsg, "CboDownholeCoating", "Mil"},
                       {kCasingLengthMsg, "CboCasingLength", "Feet"},
                       {kTubingDiameterMsg, "CboTubingDiameter", "Inches"},
                       {kTubingThicknessMsg, "CboTubingThickness", "Inches"},
                       {kTubingLengthMsg, "CboTubingLength", "Meters"},
                       {kDownholeVolumeMsg, "CboDownholeAnswer", "Litres"}},
                      "TbDownholeAnswer");
}

TEST(DownholeCoating, RefusesNonNumbersAndAnAnswerBeyondRange) {
  struct Case {
    const char* control;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"TbCasingDiameter", "7in", "Please type in a number for Casing Diameter."},
      {"TbDwnholeCoating", "1,5", "Please type in a number for Coating Thickness."},
      {"TbCasingLength", "--1", "Please type in a number for Casing Length."},
      {"TbTubingDiameter", ".", "Please type in a number for Tubing Diameter."},
      {"TbTubingThickness", "E", "Please type in a number for Tubing Thickness."},
      {"TbTubingLength", "9 00", "Please type in a number for Tubing Length."},
      {"CboDownholeCoating", "Feet", kHoleCoatingMsg},
      {"TbCasingDiameter", "1E200", kAnswerOutOfRangeText},
  };
  for (const Case& c : cases) {
    Fields fields = Well{}.fields();
    fields[c.control] = c.text;
    EXPECT_EQ(onlyMessage(DownholeCoating(fields)), c.message) << c.control << " = " << c.text;
  }
}

// ---- Internal tube coating

const char* const kTubeDiameterMsg =
    "An improper Internal Tank Diameter measurement has been chosen. Re-choose a Unit with the mouse.";
const char* const kTubeCoatingMsg = "An improper Coating Unit has been chosen.  Re-choose another Unit with the mouse.";
const char* const kTubeLengthMsg = "An improper tubing length has been chosen.  Re-choose a unit with the mouse.";
const char* const kTubeVolumeMsg = "An improper Coating Volume Unit has been chosen.  Re-choose a Unit with the mouse.";

Fields tubeFields(const char* diameter, const char* diameterUnit, const char* length, const char* lengthUnit,
                  const char* coating, const char* coatingUnit, const char* answerUnit) {
  return {{"TbIntTubDiameter", diameter},  {"CboIntTubDiameter", diameterUnit}, {"TbIntTubLength", length},
          {"CboIntTubLength", lengthUnit}, {"TbIntTubCoating", coating},        {"CboIntTubCoating", coatingUnit},
          {"CboIntTubAnswer", answerUnit}};
}

// Diameter, length and thickness in metres.
double tube(double D, double L, double t) {
  return (D / 2) * (D / 2) * kPi9 * L - (D / 2 - t) * (D / 2 - t) * kPi9 * L;
}

TEST(TubeCoating, UsesTheWholeDiameterAndItsOwnUnitOrders) {
  EXPECT_DOUBLE_EQ(TubeCoatingVolume(2, 10, 0.5), (1 - 0.25) * kPi9 * 10);

  struct Case {
    const char* name;
    Fields fields;
    double expected;
  };
  const Case cases[] = {
      {"2 in, 100 ft, 10 mil, litres", tubeFields("2", "Inches", "100", "Feet", "10", "Mil", "Litres"),
       tube(2 * 0.3048 / 12, 100 * 0.3048, 10 * kMil) * 1000},
      {"mil diameter, km, feet of coating",
       tubeFields("4000", "Mil", "1.5", "Kilometers", "0.001", "Feet", "Cubic Meters"),
       tube(4000 * 0.3048 / 12 / 1000, 1500, 0.001 * 0.3048)},
      {"metres of coating, miles, U.S. gallons",
       tubeFields("0.2", "Meters", "2", "Miles", "0.0004", "Meters", "Gallons (U.S.)"),
       tube(0.2, 2 * 1609.347, 0.0004) * 1000 / 3.785412},
      {"mm everywhere, Canadian gallons",
       tubeFields("100", "Millimeters", "250000", "Millimeters", "0.5", "Millimeters", "Gallons (Canada)"),
       tube(100.0 / 1000, 250000.0 / 1000, 0.5 / 1000) * 1000 / 4.54609},
      {"cm and inches, cubic feet",
       tubeFields("10", "Centimeters", "5000", "Centimeters", "0.02", "Inches", "Cubic Feet"),
       tube(10.0 / 100, 5000.0 / 100, 0.02 * 0.0254) * 35.31466227},
      {"feet and inches, drums",
       tubeFields("0.5", "Feet", "12000", "Inches", "0.1", "Centimeters", "Drums (208 litre)"),
       tube(0.5 * 0.3048, 12000 * 0.3048 / 12, 0.1 / 100) * 1000 / 208},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyAnswer(TubeCoating(c.fields), "TbIntTubAnswer"), grouped3(c.expected));
  }
}

TEST(TubeCoating, ChecksBoxesListsThenUnitsInOrder) {
  expectChecksInOrder(TubeCoating, tubeFields("", "", "", "", "", "", ""),
                      {{"Please type in a number for Tube Coating Thickness.", "TbIntTubCoating", "10"},
                       {"Please type in a number for Tubing Diameter.", "TbIntTubDiameter", "2"},
                       {"Please type in a number for Tubing Length.", "TbIntTubLength", "100"},
                       {"Please Choose a Tubing Length Unit with the mouse.", "CboIntTubLength", "x"},
                       {"Please Choose a Tubing Coating Unit with the mouse.", "CboIntTubCoating", "x"},
                       {"Please Choose a Tubing Diameter Unit with the mouse.", "CboIntTubDiameter", "x"},
                       {"Please Choose a Tubing Volume Answer Unit with the mouse.", "CboIntTubAnswer", "x"},
                       {kTubeDiameterMsg, "CboIntTubDiameter", "Inches"},
                       {kTubeCoatingMsg, "CboIntTubCoating", "Mil"},
                       {kTubeLengthMsg, "CboIntTubLength", "Feet"},
                       {kTubeVolumeMsg, "CboIntTubAnswer", "Litres"}},
                      "TbIntTubAnswer");
}

TEST(TubeCoating, RefusesAnyTextThatIsNotANumber) {
  // These boxes have no key filter, so anything can be typed or pasted.
  struct Case {
    const char* control;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"TbIntTubDiameter", "two", "Please type in a number for Tubing Diameter."},
      {"TbIntTubDiameter", "   ", "Please type in a number for Tubing Diameter."},
      {"TbIntTubLength", "100ft", "Please type in a number for Tubing Length."},
      {"TbIntTubLength", "1,000", "Please type in a number for Tubing Length."},
      {"TbIntTubCoating", "0.01\"", "Please type in a number for Tube Coating Thickness."},
      {"TbIntTubCoating", "1e", "Please type in a number for Tube Coating Thickness."},
      {"CboIntTubLength", "Mil", kTubeLengthMsg},  // a diameter unit, not a length
      {"CboIntTubDiameter", "Kilometers", kTubeDiameterMsg},
      {"TbIntTubDiameter", "1E200", kAnswerOutOfRangeText},
  };
  for (const Case& c : cases) {
    Fields fields = tubeFields("2", "Inches", "100", "Feet", "10", "Mil", "Litres");
    fields[c.control] = c.text;
    EXPECT_EQ(onlyMessage(TubeCoating(fields)), c.message) << c.control << " = " << c.text;
  }
}

TEST(CoatingForm, ListsOfferWhatTheCalculationsAccept) {
  // The tube's length list offers exactly the seven lengths its calculation knows.
  EXPECT_EQ(tubeLengthUnits(),
            (UnitItems{"Centimeters", "Feet", "Inches", "Kilometers", "Meters", "Miles", "Millimeters"}));
  expectListsMatchCalculations(coatingForm());
}

}  // namespace
}  // namespace calvexa
