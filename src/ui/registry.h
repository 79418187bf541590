// The window registry: the program's windows as their registrations give
// them, and one reference per loaded window, created on first use.
// Load, Show, Hide and Unload are the only operations on a window.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>

#include "core/window_key.h"
#include "ui/menus.h"
#include "ui/resizer.h"

class QWidget;

namespace calvexa {

class Seam;
class WindowRegistry;

// One window of the program: how it is made and what surrounds it. The
// program registers every window at start; the folder that makes a window
// knows other windows only by their keys.
struct WindowRegistration {
  using Factory = std::function<QWidget*(WindowRegistry&)>;

  WindowKey key;  // the window's objectName
  // Makes the window. None: the window is not part of the program yet, and
  // the buttons and menu items that open it are shown disabled.
  Factory factory = {};
  WindowKey parent = {};        // shown when the window is closed; none: nothing is
  const char* helpAnchor = "";  // the help file's section for F1 and the Help items
  MenuTable menus = {};         // File and Help menus; none: no menu bar

  bool available() const { return static_cast<bool>(factory); }
};

class WindowRegistry : public QObject {
  Q_OBJECT
 public:
  using Factory = WindowRegistration::Factory;

  // quit is called once the program is to end (after every window is unloaded).
  WindowRegistry(Seam& seam, std::function<void()> quit);
  ~WindowRegistry() override;

  Seam& seam() { return seam_; }
  Resizer& resizer() { return resizer_; }

  // Adds a window, or replaces the registration of its key.
  void add(WindowRegistration registration);
  // The registration of `key`; nullptr for a window never registered.
  const WindowRegistration* registration(WindowKey key) const;
  bool isAvailable(WindowKey key) const;

  QWidget* find(WindowKey key) const;  // the loaded window or nullptr
  QWidget* load(WindowKey key);
  QWidget* show(WindowKey key);
  void hide(WindowKey key);
  void unload(WindowKey key);

  // Hide `from` and show the target, under the busy pointer when `busy`.
  void switchTo(QWidget* from, WindowKey target, bool busy = true);

  // Unload every loaded window, then end the program.
  void closeAllWindows();
  void exitApplication();
  bool exiting() const { return exiting_; }

  // Where the help file is: the program folder and "CalvexaHelp.html".
  QString helpPath() const;

 private:
  Seam& seam_;
  std::function<void()> quit_;
  Resizer resizer_;
  std::map<WindowKey, WindowRegistration> registrations_;
  std::map<WindowKey, QPointer<QWidget>> windows_;
  bool exiting_ = false;
};

}  // namespace calvexa
