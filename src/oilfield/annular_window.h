// The annular volume window: the volume between tubing and casing.
#pragma once

#include "app/form_window.h"

namespace calvexa {

class FrmAnnVolume : public FormWindow {
  Q_OBJECT
 public:
  explicit FrmAnnVolume(WindowRegistry& registry);

 protected:
  void onLoad() override;
};

}  // namespace calvexa
