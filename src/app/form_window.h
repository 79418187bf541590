// The common window base: gradient background, proportional resizing, the
// three-panel status bar, the File and Help menus of the window's menu table,
// and the close-box rule (closing unloads the window and shows its parent).
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <functional>
#include <vector>

#include "app/menus.h"
#include "app/window_id.h"
#include "ui/form_builder.h"
#include "ui/outcome.h"

namespace calvexa {

class WindowRegistry;
class StatusPanels;
class FormWindow;

struct FormSpec {
  WindowId id;
  const char* name;     // objectName, the window's name
  const char* caption;  // window title
  QSize designSize;     // inner area, pixels
  bool statusBar = true;
  bool resizeFirst = false;  // rescale before repainting (main menu, About box)
};

// The window's inner area: paints the gradient (cached per size) and hands
// resizes to its window.
class FormSurface : public QWidget {
  Q_OBJECT
 public:
  explicit FormSurface(FormWindow* window);
  const QPixmap& background() const { return background_; }
  void PaintGradient();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  FormWindow* window_;
  QPixmap background_;
};

class FormWindow : public QMainWindow {
  Q_OBJECT
 public:
  FormWindow(WindowRegistry& registry, const FormSpec& design, const std::vector<ControlSpec>& controls);

  WindowId windowId() const { return design_.id; }
  WindowRegistry& registry() { return registry_; }
  FormSurface* surface() const { return surface_; }
  StatusPanels* statusPanels() const { return status_; }
  QWidget* control(const QString& name) const;
  template <class T>
  T* control(const char* name) const {
    return qobject_cast<T*>(control(QString::fromUtf8(name)));
  }
  const QList<QPointer<QWidget>>& controls() const { return controls_; }

  // Run by the registry: the load handler (status text, then the window's
  // own onLoad) and the unload handler.
  void runLoadHandler();
  void runUnloadHandler();

  // Texts of every box, list and answer, by name: what a calculation reads.
  Fields fields() const;
  // Carries out a calculation's messages and answer texts.
  void apply(const Outcome& outcome);
  void calculate(const std::function<Outcome(const Fields&)>& calculation) { apply(calculation(fields())); }

  // Resize handler of the surface.
  void surfaceResized();

 protected:
  virtual void onLoad() {}
  // Default unload handler: show the parent window (unless the program is ending).
  virtual void onUnload();
  // Menu items marked Custom.
  virtual void onMenuItem(const QString& name) { Q_UNUSED(name); }
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus(const MenuTable& table);
  void runMenuItem(const MenuItemSpec& item);

  WindowRegistry& registry_;
  FormSpec design_;
  FormSurface* surface_;
  StatusPanels* status_ = nullptr;
  QList<QPointer<QWidget>> controls_;
};

}  // namespace calvexa
