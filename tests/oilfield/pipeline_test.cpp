// The pipeline volume: inner radius from external diameter less wall
// thickness, over the length, in the answer unit.
#include <gtest/gtest.h>

#include "core/input.h"
#include "core/number_text.h"
#include "oilfield/pipeline_rules.h"
#include "support/calculation_checks.h"

namespace calvexa {
namespace {

constexpr double kPi7 = 3.1415926;

const char* const kDiameterUnitMsg =
    "An improper External Pipeline diameter measurement has been chosen. Re-choose an External Pipeline Diameter "
    "Unit with the mouse.";
const char* const kThicknessUnitMsg =
    "An improper Pipeline Thickness Unit has been chosen.  Re-choose another Pipeline Coating Thickness Unit with "
    "the mouse.";
const char* const kLengthUnitMsg = "An improper Pipe length has been chosen.  Re-choose a Pipe unit with the mouse.";
const char* const kVolumeUnitMsg =
    "An improper Calculated Volume Unit has been chosen.  Re-choose a Calculated Volume Unit with the mouse.";

Fields pipeFields(const char* diameter, const char* diameterUnit, const char* thickness, const char* thicknessUnit,
                  const char* length, const char* lengthUnit, const char* answerUnit) {
  return {{"TbExternalPipeVolDiameter", diameter},
          {"CboExternalPipeVolDiameter", diameterUnit},
          {"TbPipeVolThickness", thickness},
          {"CboPipeVolThickness", thicknessUnit},
          {"TbPipeVolLength", length},
          {"CboPipeVolLength", lengthUnit},
          {"CboPipeVolAnswer", answerUnit}};
}

TEST(PipelineVolume, CalculatesInEveryUnit) {
  struct Case {
    const char* name;
    Fields fields;
    double expected;
  };
  const double tenInchRadius = 10 * 0.3048 / 2 / 12 - 0.5 * 0.0254;
  const double milRadius = 4000 * 0.3048 / 12 / 2 / 1000 - 250 * 0.0000254;  // 4000 mil, wall 250 mil
  const Case cases[] = {
      {"1 m, 1 cm wall, 1 km, m3", pipeFields("1", "Meters", "1", "Centimeters", "1", "Kilometers", "Cubic Meters"),
       0.49 * 0.49 * kPi7 * 1000},
      {"the same in litres", pipeFields("1", "Meters", "1", "Centimeters", "1", "Kilometers", "Litres"),
       0.49 * 0.49 * kPi7 * 1000 * 1000},
      {"10 in, 0.5 in wall, 1 mile, litres", pipeFields("10", "Inches", "0.5", "Inches", "1", "Miles", "Litres"),
       tenInchRadius * tenInchRadius * kPi7 * 1609.347 * 1000},
      {"mil and feet, U.S. gallons", pipeFields("4000", "Mil", "250", "Mil", "5280", "Feet", "Gallons (U.S.)"),
       milRadius * milRadius * kPi7 * 5280 * 0.3048 * 1000 / 3.785412},
      {"mm and inches, Canadian gallons",
       pipeFields("500", "Millimeters", "12", "Millimeters", "1200", "Inches", "Gallons (Canada)"),
       0.238 * 0.238 * kPi7 * 1200 * 0.3048 / 12 * 1000 / 4.54609},
      {"cm and cm, cubic feet", pipeFields("60", "Centimeters", "2", "Centimeters", "150", "Centimeters", "Cubic Feet"),
       0.28 * 0.28 * kPi7 * 1.5 * 35.31466227},
      {"feet and metres, drums", pipeFields("2", "Feet", "1", "Inches", "100", "Meters", "Drums (208 litre)"),
       (0.3048 - 0.0254) * (0.3048 - 0.0254) * kPi7 * 100 * 1000 / 208},
      {"a wall past the centre counts its square",
       pipeFields("1", "Meters", "80", "Centimeters", "1", "Meters", "Cubic Meters"), 0.3 * 0.3 * kPi7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(onlyAnswer(PipelineVolume(c.fields), "TbPipeVolAnswer"), grouped3(c.expected));
  }
  EXPECT_EQ(PipelineVolume(pipeFields("1", "Meters", "1", "Centimeters", "1", "Kilometers", "Litres"))
                .written("TbPipeVolAnswer"),
            "754,296.383");
}

TEST(PipelineVolume, ChecksBoxesThenUnitsInOrder) {
  expectChecksInOrder(PipelineVolume, pipeFields("", "", "", "", "", "", ""),
                      {{"Please type in a number for External Pipeline Diameter.", "TbExternalPipeVolDiameter", "1"},
                       {"Please type in a number for Pipeline Thickness.", "TbPipeVolThickness", "1"},
                       {"Please type in a number for Pipeline Length.", "TbPipeVolLength", "1"},
                       {kDiameterUnitMsg, "CboExternalPipeVolDiameter", "Meters"},
                       {kThicknessUnitMsg, "CboPipeVolThickness", "Mil"},
                       {kLengthUnitMsg, "CboPipeVolLength", "Miles"},
                       {kVolumeUnitMsg, "CboPipeVolAnswer", "Litres"}},
                      "TbPipeVolAnswer");
}

TEST(PipelineVolume, RefusesUnknownUnitsAndNonNumbers) {
  struct Case {
    const char* control;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"CboExternalPipeVolDiameter", "Kilometers", kDiameterUnitMsg},
      {"CboPipeVolThickness", "Feet", kThicknessUnitMsg},  // a thickness is never in feet here
      {"CboPipeVolThickness", "Meters", kThicknessUnitMsg},
      {"CboPipeVolLength", "Millimeters", kLengthUnitMsg},
      {"CboPipeVolLength", "Mil", kLengthUnitMsg},
      {"CboPipeVolAnswer", "litres", kVolumeUnitMsg},
      {"TbExternalPipeVolDiameter", "1E", "Please type in a number for External Pipeline Diameter."},
      {"TbPipeVolThickness", ".", "Please type in a number for Pipeline Thickness."},
      {"TbPipeVolLength", " ", "Please type in a number for Pipeline Length."},
  };
  for (const Case& c : cases) {
    Fields fields = pipeFields("10", "Inches", "0.5", "Inches", "1", "Miles", "Litres");
    fields[c.control] = c.text;
    EXPECT_EQ(onlyMessage(PipelineVolume(fields)), c.message) << c.control << " = " << c.text;
  }
}

TEST(PipelineVolume, RefusesAnAnswerBeyondRange) {
  const Outcome outcome = PipelineVolume(pipeFields("1", "Meters", "1", "Mil", "1E308", "Kilometers", "Litres"));
  EXPECT_EQ(onlyMessage(outcome), kAnswerOutOfRangeText);
}

TEST(PipelineVolume, ListsOfferWhatTheCalculationAccepts) { expectListsMatchCalculations(pipelineForm()); }

}  // namespace
}  // namespace calvexa
