// FrmTankSections: how the rows of a strapping chart are spaced: a number of
// divisions, or "or every" a step in a unit of its own. Shown modal; OK
// checks what was typed first (a filled step wins over the count): a count
// or step the chart cannot have shows its message and the dialog stays open
// with the text selected; what is accepted is the result and is offered
// again next time, and the step's unit is remembered between runs. Cancel,
// the close box and "-97" typed as the count (with no step) leave no result.
// Hidden, not unloaded, after either.
#pragma once

#include <optional>
#include <string>

#include "tanks/chart_rules.h"
#include "ui/form_window.h"

namespace calvexa {

class DivisionsWindow : public FormWindow {
  Q_OBJECT
 public:
  explicit DivisionsWindow(WindowRegistry& registry);

  // Before each chart of `height` in `heightUnit` (a step is checked
  // against it): the boxes offer what was accepted last, the count
  // selected, and the result is Cancel until OK accepts.
  void prepare(double height, const std::string& heightUnit);
  // What the last OK accepted; none after Cancel.
  std::optional<ChartSpacing> result() const { return result_; }
  void ok();
  void cancel();

 protected:
  void onUnload() override {}
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void select(const char* box);
  std::optional<ChartSpacing> result_;
  QString accepted_ = QStringLiteral("30");
  QString acceptedStep_;
  double height_ = 0;
  std::string heightUnit_;
};

}  // namespace calvexa
