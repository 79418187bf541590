// The shell's own windows: splash, main menu and About box.
#pragma once

#include "ui/form_window.h"

namespace calvexa {

class frmSplash : public FormWindow {
  Q_OBJECT
 public:
  explicit frmSplash(WindowRegistry& registry);

 protected:
  void onLoad() override;
  void onUnload() override {}
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class FrmMainMenu : public FormWindow {
  Q_OBJECT
 public:
  explicit FrmMainMenu(WindowRegistry& registry);

 protected:
  void onLoad() override;
  void onUnload() override;  // closing the main menu ends the program
};

class frmAbout : public FormWindow {
  Q_OBJECT
 public:
  explicit frmAbout(WindowRegistry& registry);
  void StartSysInfo();

 protected:
  void onLoad() override;
  void onUnload() override {}  // it only hides
};

}  // namespace calvexa
