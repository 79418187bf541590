// The shell's own windows: splash, main menu and About box.
#pragma once

#include "core/window_key.h"
#include "ui/form_window.h"

namespace calvexa {

inline constexpr WindowKey kSplashWindow{"frmSplash"};
inline constexpr WindowKey kMainMenuWindow{"FrmMainMenu"};
inline constexpr WindowKey kAboutWindow{"frmAbout"};

// frmSplash: shown during start-up; a click on its frame or a key unloads it.
class SplashWindow : public FormWindow {
  Q_OBJECT
 public:
  explicit SplashWindow(WindowRegistry& registry);

 protected:
  void onLoad() override;
  void onUnload() override {}
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// FrmMainMenu: a picture button per calculator and Exit.
class MainMenuWindow : public FormWindow {
  Q_OBJECT
 public:
  explicit MainMenuWindow(WindowRegistry& registry);

 protected:
  void onLoad() override;
  void onUnload() override;  // closing the main menu ends the program
};

// frmAbout: title, version, description, contact line and System Info.
class AboutWindow : public FormWindow {
  Q_OBJECT
 public:
  explicit AboutWindow(WindowRegistry& registry);
  void StartSysInfo();

 protected:
  void onLoad() override;
  void onUnload() override {}  // it only hides
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace calvexa
