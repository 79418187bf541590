// FrmTankSelection: the chooser between the main menu and the four tank
// windows, one picture button per tank family in a diamond.
#pragma once

#include "ui/form_window.h"

namespace calvexa {

class TankSelectionWindow : public FormWindow {
  Q_OBJECT
 public:
  explicit TankSelectionWindow(WindowRegistry& registry);

 protected:
  void onLoad() override;
};

}  // namespace calvexa
