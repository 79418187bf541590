// The unit converter: one tab per category, generated from the catalogue.
#pragma once

#include "core/window_key.h"
#include "ui/form_window.h"

namespace calvexa {

inline constexpr WindowKey kConversionWindow{"frmConversion"};

class ConversionWindow : public FormWindow {
  Q_OBJECT
 public:
  explicit ConversionWindow(WindowRegistry& registry);

 protected:
  void onLoad() override;
  void onControlsCreated(const QList<QPointer<QWidget>>& created) override;
};

}  // namespace calvexa
