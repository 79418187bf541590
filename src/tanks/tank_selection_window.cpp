#include "tanks/tank_selection_window.h"

#include <QAbstractButton>

#include "tanks/tank_windows.h"
#include "ui/controls.h"
#include "ui/registry.h"

namespace calvexa {
namespace {

// The four buttons in their tab order; positions are the diamond's, in
// twips at 15 to the pixel; each button is 1095 by 1215 twips.
struct TankButton {
  const char* name;
  const char* picture;
  int left, top;  // twips
  const char* tooltip;
  WindowKey target;
};

constexpr int kTwips = 15;
const TankButton kButtons[] = {
    {"CmdHorizontalTanks", ":/pictures/tank_horizontal.svg", 1200, 240, "Press button for Horizontal Tank Section",
     kHorizontalTanksWindow},
    {"CmdRectangularTanks", ":/pictures/tank_rectangular.svg", 120, 1500, "Press button for Rectangular Tank Section",
     kRectangularTankWindow},
    {"CmdVerticalTanks", ":/pictures/tank_vertical.svg", 2280, 1440, "Press button for Vertical Tank Section",
     kVerticalTankWindow},
    {"CmdSphericalTank", ":/pictures/tank_spherical.svg", 1200, 2640, "Press button for Spherical Tank Section",
     kSphericalTankWindow},
};

// The load handler sets the tooltips in this order.
const char* const kTooltipOrder[] = {"CmdHorizontalTanks", "CmdRectangularTanks", "CmdSphericalTank",
                                     "CmdVerticalTanks"};

std::vector<ControlRow> selectionControls() {
  std::vector<ControlRow> controls;
  for (const TankButton& b : kButtons)
    controls.push_back({.kind = ControlKind::PictureButton,
                        .name = b.name,
                        .geometry = QRect(b.left / kTwips, b.top / kTwips, 1095 / kTwips, 1215 / kTwips),
                        .fontSize = 0,
                        .picture = b.picture});
  return controls;
}

const TankButton& button(const char* name) {
  for (const TankButton& b : kButtons)
    if (std::string_view(b.name) == name) return b;
  return kButtons[0];
}

}  // namespace

TankSelectionWindow::TankSelectionWindow(WindowRegistry& registry)
    : FormWindow(registry,
                 {.key = kTankSelectionWindow,
                  .caption = "Select the Tank Type",
                  .designSize = QSize(300, (2640 + 1215) / kTwips + 16)},
                 selectionControls()) {
  for (const TankButton& b : kButtons) bindSwitchButton(b.name, b.target);
}

void TankSelectionWindow::onLoad() {
  for (const char* name : kTooltipOrder) control(name)->setToolTip(QString::fromUtf8(button(name).tooltip));
}

}  // namespace calvexa
