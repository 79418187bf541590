// The common window base: gradient background, proportional resizing, the
// three-panel status bar, the File and Help menus of the window's
// registration, and the close-box rule (closing unloads the window and shows
// its parent).
#pragma once

#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/page_table.h"
#include "core/window_key.h"
#include "ui/form_builder.h"
#include "ui/menus.h"

namespace calvexa {

class WindowRegistry;
class StatusPanels;
class FormWindow;

enum class StatusBar { Shown, None };
// Most windows repaint their background before rescaling their controls on
// a resize; some rescale first.
enum class ResizeOrder { PaintFirst, ScaleFirst };
// The controls of a tab page are created when the page is first shown or a
// control of it is asked for: a window of many tabs then opens quickly.
enum class PageCreation { AtOnce, OnDemand };

struct FormDesign {
  WindowKey key = {};     // the window's name, its objectName
  QString caption = {};   // window title
  QSize designSize = {};  // inner area, pixels
  StatusBar statusBar = StatusBar::Shown;
  ResizeOrder resizeOrder = ResizeOrder::PaintFirst;
  PageCreation pages = PageCreation::AtOnce;
};

// The window's inner area: paints the gradient (its bands worked out once per
// size) and hands resizes to its window.
class FormSurface : public QWidget {
  Q_OBJECT
 public:
  explicit FormSurface(FormWindow* window);
  void PaintGradient();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Band {
    QRect area;  // pixels
    QColor colour;
  };
  FormWindow* window_;
  QSize bandsSize_;
  std::vector<Band> bands_;  // in drawing order
};

class FormWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `drawings` makes the controls of Drawing rows (none: an empty widget).
  FormWindow(WindowRegistry& registry, const FormDesign& design, const std::vector<ControlRow>& controls,
             DrawingFactory drawings = {});

  WindowKey key() const { return design_.key; }
  WindowRegistry& registry() { return registry_; }
  FormSurface* surface() const { return surface_; }
  StatusPanels* statusPanels() const { return status_; }
  QWidget* control(const QString& name) const;
  template <class T>
  T* control(const char* name) const {
    return qobject_cast<T*>(control(QString::fromUtf8(name)));
  }
  const QList<QPointer<QWidget>>& controls() const { return controls_; }
  void setVisible(bool visible) override;

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

  // F1 and the Help items: the help file at this window's section.
  void openHelp();
  // The section of the help file about this window, as its registration gives it.
  QString helpSection() const;

  // Fill a list, or set a tooltip, now or as soon as its page is created;
  // `items` is asked for the list's items only then, so a list never shown
  // costs nothing.
  using ListItems = std::function<std::vector<std::string>()>;
  void setListItems(const QString& list, ListItems items, ListOrder order);
  void setControlToolTip(const QString& name, const QString& tip);

 protected:
  virtual void onLoad() {}
  // Default unload handler: show the parent window (unless the program is ending).
  virtual void onUnload();
  // The button `name` switches to `target`, enabled while that window is available.
  void bindSwitchButton(const char* name, WindowKey target);
  // Controls just created for a page shown for the first time (windows whose
  // pages are created on demand): bind them here.
  virtual void onControlsCreated(const QList<QPointer<QWidget>>& created) { Q_UNUSED(created); }
  // Menu items marked Custom.
  virtual void onMenuItem(const QString& name) { Q_UNUSED(name); }
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct PendingList {
    ListItems items;
    ListOrder order;
  };
  void buildPage(const QString& tabs, int page);
  void buildAllPages();
  void buildWhere(const std::function<bool(const ControlRow&)>& wanted);
  void buildCurrentPages();
  void adopt(const QList<QPointer<QWidget>>& built);
  void focusFirstInput();
  enum class Modality { Modeless, Modal };
  void showBox(WindowKey box, Modality modality);
  const MenuTable& menus() const;
  void buildMenus(const MenuTable& table);
  void runMenuItem(const MenuItem& item);

  WindowRegistry& registry_;
  FormDesign design_;
  DrawingFactory drawings_;
  FormSurface* surface_;
  StatusPanels* status_ = nullptr;
  QList<QPointer<QWidget>> controls_;
  std::vector<ControlRow> notBuilt_;  // rows of pages not shown yet
  std::map<QString, PendingList> pendingLists_;
  std::map<QString, QString> pendingTips_;
  bool shownBefore_ = false;
};

}  // namespace calvexa
