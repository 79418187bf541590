#include "oilfield/annular_rules.h"

#include <cmath>

#include "core/input.h"
#include "oilfield/oilfield_units_rules.h"

namespace calvexa {
namespace {

// The window's length units, in the order they are tried.
const UnitOrder kAnnularLengthOrder = {"Meters", "Centimeters", "Millimeters", "Feet", "Inches"};
const UnitConversion kAnnularLengths = {&kLengthToMetres, &kAnnularLengthOrder};

// No emptiness checks here: each box is read as soon as its unit matched.
const Input kInputs[] = {
    {.box = "TbCasingDiameter",
     .list = "CboCasingDiameter",
     .valueName = "Casing Diameter",
     .unitMessage = {"An improper Casing Diameter measurement has been chosen. Re-choose a Unit with the mouse."},
     .units = kAnnularLengths},
    {.box = "TbAnnularHeight",
     .list = "CboAnnularHeight",
     .valueName = "Annular Height",
     .unitMessage = {"An improper Annular Height measurement has been chosen. Re-choose a Unit with the mouse."},
     .units = kAnnularLengths},
    {.box = "TbTubingDiameter",
     .list = "CboTubingDiameter",
     .valueName = "Tubing Diameter",
     .unitMessage = {"An improper Tubing Diameter measurement has been chosen. Re-choose a Unit with the mouse."},
     .units = kAnnularLengths},
    {.list = "CboDownholeAnswer",
     .unitMessage = {"An improper Volume Unit has been chosen.  Re-choose a Volume Unit with the mouse."},
     .units = kVolumeUnits},
};

}  // namespace

double AnnularVolume(double tubingDiameter, double annularHeight, double casingDiameter) {
  const double a = casingDiameter / 2;
  const double b = tubingDiameter / 2;
  const double outer = std::pow(a, 2) * kLongPi * annularHeight;
  const double inner = std::pow(b, 2) * kLongPi * annularHeight;
  return outer - inner;
}

Outcome annularCalculate(const Fields& fields) {
  Outcome outcome;
  const auto in = readInputs(fields, kInputs, outcome);
  if (!in) return outcome;
  const auto& [casing, height, tubing, volume] = *in;
  const double answer = applyFactor(*volume.unit, AnnularVolume(tubing.value, height.value, casing.value));
  writeAnswer(answer, "TbDownholeAnswer", hash3Answer, outcome);
  return outcome;
}

const UnitItems& annularLengthUnits() {
  static const UnitItems items = {"Centimeters", "Feet", "Inches", "Meters", "Millimeters"};
  return items;
}

const PageForm& annularForm() {
  static const PageForm form = {
      .key = kAnnularWindow,
      .caption = "Annular Calculations",
      .tabs = "SSTab1",
      .pages = {{
          .tab = "Annular Volume (T+C)",
          .heading = "Annular Volume Calculation between Tubing (T) and Casing (C)",
          .headingName = "Label4",
          .picture = {.name = "Picture3", .drawing = ":/pictures/annulus.svg"},
          .rows =
              {
                  {.caption = "Internal Casing Diameter:",
                   .box = "TbCasingDiameter",
                   .boxText = "1",
                   .boxTip = "Enter the casing diameter here",
                   .list = "CboCasingDiameter",
                   .items = &annularLengthUnits(),
                   .listTip = "Choose the casing diameter units here"},
                  {.caption = "Annular Height:",
                   .box = "TbAnnularHeight",
                   .boxText = "1",
                   .boxTip = "Enter the fluids annular height here",
                   .list = "CboAnnularHeight",
                   .items = &annularLengthUnits(),
                   .listTip = "Choose the annular height units here"},
                  {.caption = "Internal Tubing Diameter:",
                   .box = "TbTubingDiameter",
                   .boxText = "1",
                   .boxTip = "Enter the tubing diameter here",
                   .list = "CboTubingDiameter",
                   .items = &annularLengthUnits(),
                   .listTip = "Choose the tubing diameter units here"},
                  {.caption = "Calculated Volume:",
                   .box = "TbDownholeAnswer",
                   .boxText = "0.000",
                   .boxTip = "Press Calculate and the answer appears here",
                   .list = "CboDownholeAnswer",
                   .items = &kVolumeItems,
                   .listTip = "Choose the answer units here",
                   .kind = RowKind::Answer},
              },
          .buttons = {{.name = "CboDwnholeCoatingCalc", .caption = "&Calculate"}},
          .calculate = annularCalculate,
      }},
  };
  return form;
}

}  // namespace calvexa
