#include "oilfield/annular_window.h"

#include <QAbstractButton>

#include "oilfield/annular_rules.h"

namespace calvexa {
namespace {

using K = ControlKind;

// One row of the tab: caption, value box, unit list and their tooltips.
struct Row {
  const char* label;
  const char* caption;
  const char* box;
  const char* list;
  const char* boxTip;
  const char* listTip;
};

const Row kRows[] = {
    {"Label1", "Internal Casing Diameter:", "TbCasingDiameter", "CboCasingDiameter", "Enter the casing diameter here",
     "Choose the casing diameter units here"},
    {"Label2", "Annular Height:", "TbAnnularHeight", "CboAnnularHeight", "Enter the fluids annular height here",
     "Choose the annular height units here"},
    {"Label3", "Internal Tubing Diameter:", "TbTubingDiameter", "CboTubingDiameter", "Enter the tubing diameter here",
     "Choose the tubing diameter units here"},
};

std::vector<ControlSpec> annularControls() {
  std::vector<ControlSpec> c = {
      {K::Tabs, "SSTab1", "Annular Volume (T+C)", QRect(8, 8, 604, 292), nullptr, nullptr, 9, nullptr, 1},
      {K::Label, "Label4", "Annular Volume Calculation between Tubing (T) and Casing (C)", QRect(12, 8, 560, 22),
       nullptr, "SSTab1:0", 10},
      {K::Picture, "Picture3", "", QRect(440, 44, 140, 140), nullptr, "SSTab1:0", 0, ":/pictures/annulus.svg"},
  };
  int y = 48;
  for (const Row& row : kRows) {
    c.push_back({K::Label, row.label, row.caption, QRect(12, y, 170, 24), nullptr, "SSTab1:0"});
    c.push_back({K::NumericBox, row.box, "1", QRect(186, y, 100, 24), row.boxTip, "SSTab1:0"});
    c.push_back({K::PickList, row.list, "", QRect(292, y, 136, 24), row.listTip, "SSTab1:0"});
    y += 40;
  }
  c.push_back({K::Label, "Label5", "Calculated Volume:", QRect(12, y, 170, 24), nullptr, "SSTab1:0"});
  c.push_back({K::Answer, "TbDownholeAnswer", "0.000", QRect(186, y, 100, 24),
               "Press Calculate and the answer appears here", "SSTab1:0"});
  c.push_back({K::PickList, "CboDownholeAnswer", "", QRect(292, y, 136, 24), "Choose the answer units here",
               "SSTab1:0"});
  c.push_back({K::Button, "CboDwnholeCoatingCalc", "&Calculate", QRect(186, y + 48, 110, 30), nullptr, "SSTab1:0"});
  return c;
}

}  // namespace

FrmAnnVolume::FrmAnnVolume(WindowRegistry& registry)
    : FormWindow(registry, {WindowId::AnnVolume, "FrmAnnVolume", "Annular Calculations", QSize(620, 308)},
                 annularControls()) {
  connect(control<QAbstractButton>("CboDwnholeCoatingCalc"), &QAbstractButton::clicked, this,
          [this] { calculate(annularCalculate); });
}

void FrmAnnVolume::onLoad() {
  for (const Row& row : kRows) fillList(control(row.list), annularLengthUnits(), true);
  fillList(control("CboDownholeAnswer"), annularVolumeUnits(), true);
}

}  // namespace calvexa
