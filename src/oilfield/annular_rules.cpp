#include "oilfield/annular_rules.h"

#include <cmath>

namespace calvexa {
namespace {

// The window's length units, in the order they are tried.
const UnitOrder kAnnularLengthOrder = {"Meters", "Centimeters", "Millimeters", "Feet", "Inches"};

const UnitInput kCasing = {"TbCasingDiameter", "CboCasingDiameter", "Casing Diameter",
                           "An improper Casing Diameter measurement has been chosen. Re-choose a Unit with the mouse."};
const UnitInput kHeight = {"TbAnnularHeight", "CboAnnularHeight", "Annular Height",
                           "An improper Annular Height measurement has been chosen. Re-choose a Unit with the mouse."};
const UnitInput kTubing = {"TbTubingDiameter", "CboTubingDiameter", "Tubing Diameter",
                           "An improper Tubing Diameter measurement has been chosen. Re-choose a Unit with the mouse."};
const char* const kVolumeUnitMessage =
    "An improper Volume Unit has been chosen.  Re-choose a Volume Unit with the mouse.";

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
  // No emptiness checks here: each box is read as soon as its unit matched.
  const auto casing = readInUnit(fields, kCasing, kLengthToMetres, kAnnularLengthOrder, outcome);
  if (!casing) return outcome;
  const auto height = readInUnit(fields, kHeight, kLengthToMetres, kAnnularLengthOrder, outcome);
  if (!height) return outcome;
  const auto tubing = readInUnit(fields, kTubing, kLengthToMetres, kAnnularLengthOrder, outcome);
  if (!tubing) return outcome;
  const UnitFactor* volume =
      readUnit(fields, "CboDownholeAnswer", kCubicMetresToVolume, kVolumeOrder, kVolumeUnitMessage, outcome);
  if (!volume) return outcome;
  const double answer = applyFactor(*volume, AnnularVolume(*tubing, *height, *casing));
  writeAnswer(answer, "TbDownholeAnswer", hash3Answer, outcome);
  return outcome;
}

const UnitItems& annularLengthUnits() {
  static const UnitItems items = {"Centimeters", "Feet", "Inches", "Meters", "Millimeters"};
  return items;
}

const UnitItems& annularVolumeUnits() { return kVolumeItems; }

const OilfieldForm& annularForm() {
  static const OilfieldForm form = {
      "FrmAnnVolume",
      "Annular Calculations",
      "SSTab1",
      {{"Annular Volume (T+C)",
        "Annular Volume Calculation between Tubing (T) and Casing (C)",
        "Label4",
        "Picture3",
        {
            {"Internal Casing Diameter:", "TbCasingDiameter", "1", "Enter the casing diameter here",
             "CboCasingDiameter", &annularLengthUnits(), true, "Choose the casing diameter units here", false},
            {"Annular Height:", "TbAnnularHeight", "1", "Enter the fluids annular height here", "CboAnnularHeight",
             &annularLengthUnits(), true, "Choose the annular height units here", false},
            {"Internal Tubing Diameter:", "TbTubingDiameter", "1", "Enter the tubing diameter here",
             "CboTubingDiameter", &annularLengthUnits(), true, "Choose the tubing diameter units here", false},
            {"Calculated Volume:", "TbDownholeAnswer", "0.000", "Press Calculate and the answer appears here",
             "CboDownholeAnswer", &kVolumeItems, true, "Choose the answer units here", true},
        },
        true,
        nullptr,
        "CboDwnholeCoatingCalc",
        "&Calculate",
        nullptr,
        annularCalculate}}};
  return form;
}

}  // namespace calvexa
