// FrmTankSections: how many divisions a strapping chart has. Shown modal;
// OK keeps the typed count as its result, Cancel (and the close box) gives
// "-97". Hidden, not unloaded, after either, so the count is there next time.
#pragma once

#include "ui/form_window.h"

namespace calvexa {

class DivisionsWindow : public FormWindow {
  Q_OBJECT
 public:
  explicit DivisionsWindow(WindowRegistry& registry);

  // The result of the last OK or Cancel.
  QString result() const { return result_; }
  void ok();
  void cancel();

 protected:
  void onUnload() override {}
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QString result_ = QStringLiteral("-97");
};

}  // namespace calvexa
