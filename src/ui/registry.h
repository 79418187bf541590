// The window registry: one reference per window, created on first use.
// Load, Show, Hide and Unload are the only operations on a window.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>

#include "ui/window_id.h"
#include "ui/resizer.h"

class QWidget;

namespace calvexa {

class Seam;
class FormWindow;

class WindowRegistry : public QObject {
  Q_OBJECT
 public:
  using Factory = std::function<QWidget*(WindowRegistry&)>;

  // quit is called once the program is to end (after every window is unloaded).
  WindowRegistry(Seam& seam, std::function<void()> quit);
  ~WindowRegistry() override;

  Seam& seam() { return seam_; }
  Resizer& resizer() { return resizer_; }

  void setFactory(WindowId id, Factory factory);
  // A window whose calculator is not part of the program yet has no factory:
  // the buttons and menu items that open it are shown disabled.
  bool isAvailable(WindowId id) const;

  QWidget* find(WindowId id) const;  // the loaded window or nullptr
  QWidget* load(WindowId id);
  QWidget* show(WindowId id);
  void hide(WindowId id);
  void unload(WindowId id);

  // Hide `from` and show the target, under the busy pointer when `busy`.
  void switchTo(QWidget* from, WindowId target, bool busy = true);

  // Unload every loaded window, then end the program.
  void closeAllWindows();
  void exitApplication();
  bool exiting() const { return exiting_; }

  // Where the help file is: the program folder and "CalvexaHelp.html".
  QString helpPath() const;
  void setHelpPath(const QString& path) { helpPath_ = path; }

  // The help file of the Help commands that use the configured path: the
  // build setting CALVEXA_CONFIGURED_HELP at first. Empty: the program has no
  // help for them; a relative path is taken from the program folder.
  QString configuredHelpPath() const;
  void setConfiguredHelpPath(const QString& path) { configuredHelp_ = path; }

 private:
  Seam& seam_;
  std::function<void()> quit_;
  Resizer resizer_;
  std::map<WindowId, Factory> factories_;
  std::map<WindowId, QPointer<QWidget>> windows_;
  QString helpPath_;
  QString configuredHelp_;
  bool exiting_ = false;
};

}  // namespace calvexa
