// The scientific calculator window: a keypad of number, operator, function,
// memory and constant keys, the display box Text1 mirrored in Label2, the
// angle-unit selector and a small clipboard menu. Every key is one operation
// of the calculator engine; the window only shows what the engine answers.
#pragma once

#include "calculator/engine.h"
#include "core/window_key.h"
#include "ui/form_window.h"

class QLabel;
class QLineEdit;

namespace calvexa {

inline constexpr WindowKey kCalculatorWindow{"FrmSciCalc"};

class CalculatorWindow : public FormWindow {
  Q_OBJECT
 public:
  explicit CalculatorWindow(WindowRegistry& registry);

 protected:
  void onLoad() override;
  void onMenuItem(const QString& name) override;
  // Typed characters reach the calculator before the control with the focus.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connectKeys();
  void connectDisplay();
  void connectAngleUnits();
  void watchTypedKeys();

  // The one click handler of every key group: the group's row in the keypad
  // table and the clicked button's index in its group.
  void pressKey(int groupIndex, int index);
  // Shows the key's messages, clears the clipboard when asked, then the display.
  void applyEffects(const KeyEffects& effects);

  void cut();
  void copy();
  void paste();
  void selectAll();

  CalculatorEngine engine_;
  QLineEdit* display_ = nullptr;  // Text1
  QLabel* mirror_ = nullptr;      // Label2
};

}  // namespace calvexa
