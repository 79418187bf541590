// FrmTankSections: how many divisions a strapping chart has. Shown modal;
// OK checks the typed count first: a count the chart cannot have shows its
// message and the dialog stays open with the text selected; an accepted
// count is the result and is offered again next time. Cancel, the close box
// and "-97" typed leave no result. Hidden, not unloaded, after either.
#pragma once

#include <optional>

#include "ui/form_window.h"

namespace calvexa {

class DivisionsWindow : public FormWindow {
  Q_OBJECT
 public:
  explicit DivisionsWindow(WindowRegistry& registry);

  // Before each chart: the box offers the count accepted last, selected, and
  // the result is Cancel until OK accepts a count.
  void prepare();
  // The count the last OK accepted; none after Cancel.
  std::optional<int> result() const { return result_; }
  void ok();
  void cancel();

 protected:
  void onUnload() override {}
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void selectCount();
  std::optional<int> result_;
  QString accepted_ = QStringLiteral("30");
};

}  // namespace calvexa
