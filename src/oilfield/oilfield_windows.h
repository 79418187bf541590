// The oilfield windows, each generated from its form table: annular volume,
// pipeline volume, coating volumes and fuel use.
#pragma once

#include "ui/form_window.h"

namespace calvexa {

struct OilfieldForm;

// A window of one or more pages of value rows (label, box, unit list), an
// answer row and a Calculate button per page, all taken from `form`.
class OilfieldWindow : public FormWindow {
  Q_OBJECT
 public:
  OilfieldWindow(WindowRegistry& registry, WindowId id, const OilfieldForm& form, const char* drawing);

 protected:
  void onLoad() override;

 private:
  const OilfieldForm& form_;
};

class FrmAnnVolume : public OilfieldWindow {
  Q_OBJECT
 public:
  explicit FrmAnnVolume(WindowRegistry& registry);
};

class FrmPipelineVolume : public OilfieldWindow {
  Q_OBJECT
 public:
  explicit FrmPipelineVolume(WindowRegistry& registry);
};

class frmCoating : public OilfieldWindow {
  Q_OBJECT
 public:
  explicit frmCoating(WindowRegistry& registry);
};

class frmFuelUse : public OilfieldWindow {
  Q_OBJECT
 public:
  explicit frmFuelUse(WindowRegistry& registry);
};

}  // namespace calvexa
