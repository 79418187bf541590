#include "ui/form_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <optional>

#include "core/gradient.h"
#include "ui/controls.h"
#include "ui/registry.h"
#include "ui/seam.h"

namespace calvexa {

FormSurface::FormSurface(FormWindow* window) : QWidget(window), window_(window) {
  setObjectName(QStringLiteral("surface"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

// Works out the bands once per size. Paint events fill the bands that cross
// the part exposed straight onto the window: no picture of the whole window
// is kept, so a window costs no background memory and its first paint no
// extra copy.
void FormSurface::PaintGradient() {
  const QSize size = this->size();
  bandsSize_ = size;
  bands_.clear();
  if (size.isEmpty()) return;
  const GradientParams params;
  for (const GradientBand& band :
       gradientBands(params, size.width() * kTwipsPerPixel, size.height() * kTwipsPerPixel)) {
    const int top = band.top >= 0 ? band.top / kTwipsPerPixel : -1;
    const int bottom = (band.bottom + kTwipsPerPixel - 1) / kTwipsPerPixel;
    bands_.push_back({QRect(QPoint(-1, top), QPoint(size.width(), bottom)), QColor(band.red, band.green, band.blue)});
  }
}

void FormSurface::paintEvent(QPaintEvent* event) {
  if (bandsSize_ != size()) PaintGradient();
  const QRect exposed = event->rect();
  const GradientParams params;
  QPainter painter(this);
  painter.fillRect(exposed, QColor(params.endLevel, params.endLevel, params.endLevel));
  for (const Band& band : bands_)
    if (band.area.intersects(exposed)) painter.fillRect(band.area & exposed, band.colour);
}

void FormSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  window_->surfaceResized();
}

FormWindow::FormWindow(WindowRegistry& registry, const FormDesign& design, const std::vector<ControlRow>& controls,
                       DrawingFactory drawings)
    : registry_(registry), design_(design), drawings_(std::move(drawings)), surface_(new FormSurface(this)) {
  setObjectName(QString::fromUtf8(design.key.name()));
  setWindowTitle(design.caption);
  setCentralWidget(surface_);
  QFont font = surface_->font();
  font.setPointSize(kDesignFontSize);
  surface_->setFont(font);
  std::vector<ControlRow> now;
  for (const ControlRow& row : controls)
    (design.pages == PageCreation::OnDemand && row.parent.onPage() ? notBuilt_ : now).push_back(row);
  controls_ = buildControls(surface_, now, registry.seam(), drawings_);
  for (const auto& built : controls_) {
    if (auto* tabs = qobject_cast<TabControl*>(built)) {
      const QString name = tabs->objectName();
      // A hidden window builds its current page when it is shown (showEvent).
      connect(tabs, &TabControl::currentChanged, this, [this, name](int index) {
        if (isVisible()) buildPage(name, index);
      });
    }
  }
  buildMenus(menus());
  if (design.statusBar == StatusBar::Shown) {
    status_ = new StatusPanels(this);
    setStatusBar(status_);
    // The status bar invites F1: it opens the help file at its contents.
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, &FormWindow::openHelp);
    addAction(help);
  }
  // menuBar() creates a bar on first call: windows without menus get none.
  const int menuHeight = menus().empty() ? 0 : menuBar()->sizeHint().height();
  const int statusHeight = status_ ? status_->sizeHint().height() : 0;
  resize(design.designSize.width(), design.designSize.height() + menuHeight + statusHeight);
}

QWidget* FormWindow::control(const QString& name) const {
  if (QWidget* built = findControl(controls_, name)) return built;
  if (notBuilt_.empty()) return nullptr;
  // Asked for a control of a page not shown yet: create the pages first.
  const_cast<FormWindow*>(this)->buildAllPages();
  return control(name);
}

void FormWindow::buildPage(const QString& tabs, int page) {
  buildWhere([&](const ControlRow& row) { return row.parent.container == tabs && row.parent.page == page; });
}

void FormWindow::buildAllPages() {
  buildWhere([](const ControlRow&) { return true; });
}

void FormWindow::buildWhere(const std::function<bool(const ControlRow&)>& wanted) {
  std::vector<ControlRow> rows;
  std::vector<ControlRow> rest;
  for (const ControlRow& row : notBuilt_) (wanted(row) ? rows : rest).push_back(row);
  if (rows.empty()) return;
  notBuilt_ = std::move(rest);
  adopt(buildControls(surface_, rows, registry_.seam(), drawings_));
}

void FormWindow::buildCurrentPages() {
  for (const auto& built : QList<QPointer<QWidget>>(controls_))
    if (auto* tabs = qobject_cast<TabControl*>(built)) buildPage(tabs->objectName(), tabs->currentIndex());
}

// Controls created after the window was first seen: shown with their page,
// scaled to the window's present size, and given what the load handler set.
void FormWindow::adopt(const QList<QPointer<QWidget>>& built) {
  for (const auto& control : built) {
    control->show();
    const QString name = control->objectName();
    auto list = pendingLists_.find(name);
    if (list != pendingLists_.end()) {
      fillList(control, list->second.items(), list->second.order);
      pendingLists_.erase(list);
    }
    auto tip = pendingTips_.find(name);
    if (tip != pendingTips_.end()) {
      control->setToolTip(tip->second);
      pendingTips_.erase(tip);
    }
  }
  controls_.append(built);
  registry_.resizer().adoptControls(surface_, built);
  onControlsCreated(built);
}

void FormWindow::setListItems(const QString& list, ListItems items, ListOrder order) {
  if (QWidget* built = findControl(controls_, list)) {
    fillList(built, items(), order);
  } else {
    pendingLists_[list] = {std::move(items), order};
  }
}

void FormWindow::setControlToolTip(const QString& name, const QString& tip) {
  if (QWidget* built = findControl(controls_, name)) {
    built->setToolTip(tip);
  } else {
    pendingTips_[name] = tip;
  }
}

// Tab strips are made before the window shows them with the rest of it.
void FormWindow::setVisible(bool visible) {
  if (visible)
    for (const auto& built : QList<QPointer<QWidget>>(controls_))
      if (auto* tabs = qobject_cast<TabControl*>(built)) tabs->page(tabs->currentIndex());
  QMainWindow::setVisible(visible);
}

void FormWindow::showEvent(QShowEvent* event) {
  buildCurrentPages();
  QMainWindow::showEvent(event);
  if (!shownBefore_) {
    shownBefore_ = true;
    focusFirstInput();
  }
}

// A window that opens on a tab starts with the focus on that page's first box.
void FormWindow::focusFirstInput() {
  for (const auto& built : controls_) {
    if (auto* tabs = qobject_cast<TabControl*>(built)) {
      if (QWidget* first = tabs->firstInputOfCurrentPage()) first->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

void FormWindow::runLoadHandler() {
  if (status_) status_->setText(QStringLiteral("Press F1 for Help"));
  onLoad();
}

void FormWindow::runUnloadHandler() { onUnload(); }

void FormWindow::onUnload() {
  if (registry_.exiting()) return;
  if (const WindowRegistration* own = registry_.registration(design_.key); own && !own->parent.empty())
    registry_.show(own->parent);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (registry_.find(design_.key) == this) {
    event->ignore();
    registry_.unload(design_.key);
    return;
  }
  event->accept();
}

void FormWindow::surfaceResized() {
  const bool scaleFirst = design_.resizeOrder == ResizeOrder::ScaleFirst;
  if (scaleFirst) registry_.resizer().ResizeControls(surface_, controls_);
  surface_->PaintGradient();
  if (!scaleFirst) registry_.resizer().ResizeControls(surface_, controls_);
  surface_->update();
}

Fields FormWindow::fields() const {
  Fields out;
  for (const auto& control : controls_) {
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) || qobject_cast<QLabel*>(control))
      out[control->objectName().toStdString()] = controlText(control).toStdString();
  }
  return out;
}

// A message box runs a loop of its own, in which the program may close this
// window: the effects after it are then no one's.
void FormWindow::apply(const Outcome& outcome) {
  const QPointer<FormWindow> self(this);
  for (const Effect& effect : outcome.effects) {
    if (!self) return;
    if (effect.kind == Effect::Kind::Show) {
      registry_.seam().showMessage(this, effect.message);
    } else if (QWidget* target = control(QString::fromStdString(effect.target))) {
      setControlText(target, QString::fromStdString(effect.text));
    }
  }
}

// A modeless box is a window of its own, so it stays open when this window
// is closed; a modal one is owned by this window and blocks it.
void FormWindow::showBox(WindowKey key, Modality modality) {
  QWidget* box = registry_.load(key);
  if (!box) return;
  if (modality == Modality::Modal) {
    box->setParent(this, Qt::Dialog);
    box->setWindowModality(Qt::WindowModal);
  } else {
    box->setParent(nullptr, Qt::Dialog);
    box->setWindowModality(Qt::NonModal);
  }
  box->show();
  box->raise();
  box->activateWindow();
}

void FormWindow::openHelp() { registry_.seam().openHelp(this, registry_.helpPath(), helpSection()); }

QString FormWindow::helpSection() const {
  const WindowRegistration* own = registry_.registration(design_.key);
  return own ? QString::fromUtf8(own->helpAnchor) : QString();
}

// The menus its registration gives; none for a window the registry does not know.
const MenuTable& FormWindow::menus() const {
  static const MenuTable none;
  const WindowRegistration* own = registry_.registration(design_.key);
  return own ? own->menus : none;
}

void FormWindow::buildMenus(const MenuTable& table) {
  for (const Menu& design : table) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(design.caption));
    menu->setObjectName(QString::fromUtf8(design.name));
    for (const MenuItem& item : design.items) {
      if (item.action == MenuAction::Separator) {
        menu->addSeparator()->setObjectName(QString::fromUtf8(item.name));
        continue;
      }
      QAction* action = menu->addAction(QString::fromUtf8(item.caption));
      action->setObjectName(QString::fromUtf8(item.name));
      if (*item.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
      if (item.action == MenuAction::SwitchTo) action->setEnabled(registry_.isAvailable(item.target));
      connect(action, &QAction::triggered, this, [this, item] { runMenuItem(item); });
    }
  }
}

void FormWindow::bindSwitchButton(const char* name, WindowKey target) {
  auto* button = control<QAbstractButton>(name);
  button->setEnabled(registry_.isAvailable(target));
  connect(button, &QAbstractButton::clicked, this, [this, target] { registry_.switchTo(this, target); });
}

void FormWindow::runMenuItem(const MenuItem& item) {
  std::optional<BusyPointer> pointer;
  if (item.pointer == Pointer::Busy) pointer.emplace(registry_.seam());
  switch (item.action) {
    case MenuAction::SwitchTo:
      registry_.switchTo(this, item.target, false);  // the pointer bracket is this item's own
      break;
    case MenuAction::ExitApp:
      pointer.reset();
      registry_.exitApplication();
      break;
    case MenuAction::Close:
      registry_.unload(design_.key);
      break;
    case MenuAction::ShowBox:
      showBox(item.target, Modality::Modeless);
      break;
    case MenuAction::ShowModal:
      showBox(item.target, Modality::Modal);
      break;
    case MenuAction::Help:
      openHelp();
      break;
    case MenuAction::Run:
      if (item.run) item.run(*this);
      break;
    case MenuAction::Custom:
      onMenuItem(QString::fromUtf8(item.name));
      break;
    case MenuAction::Separator:
      break;
  }
}

}  // namespace calvexa
