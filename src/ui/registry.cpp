#include "ui/registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "ui/form_window.h"
#include "ui/seam.h"

// The configured help file, fixed when the program is built.
#ifndef CALVEXA_CONFIGURED_HELP
#error "CALVEXA_CONFIGURED_HELP names the configured help file (the build sets it)"
#endif

namespace calvexa {

WindowId parentWindow(WindowId id) {
  switch (id) {
    case WindowId::VerticalTank:
    case WindowId::HorizontalTanks:
    case WindowId::RectangularTank:
    case WindowId::SphericalTank:
    case WindowId::TankSections:
      return WindowId::TankSelection;
    default:
      return WindowId::MainMenu;
  }
}

const char* helpSection(WindowId id) {
  switch (id) {
    case WindowId::Conversion:
      return "converter";
    case WindowId::TankSelection:
      return "tankselection";
    case WindowId::VerticalTank:
      return "vertical";
    case WindowId::HorizontalTanks:
      return "horizontal";
    case WindowId::RectangularTank:
      return "rectangular";
    case WindowId::SphericalTank:
      return "spherical";
    case WindowId::TankSections:
      return "charts";
    case WindowId::AnnVolume:
      return "annular";
    case WindowId::PipelineVolume:
      return "pipeline";
    case WindowId::Coating:
      return "coating";
    case WindowId::FuelUse:
      return "fuel";
    case WindowId::SciCalc:
      return "scicalc";
    case WindowId::Splash:
    case WindowId::MainMenu:
    case WindowId::About:
      break;
  }
  return "mainmenu";
}

WindowRegistry::WindowRegistry(Seam& seam, std::function<void()> quit)
    : seam_(seam), quit_(std::move(quit)), configuredHelp_(QString::fromUtf8(CALVEXA_CONFIGURED_HELP)) {}

WindowRegistry::~WindowRegistry() {
  for (auto& [id, window] : windows_) delete window.data();
}

void WindowRegistry::setFactory(WindowId id, Factory factory) { factories_[id] = std::move(factory); }

bool WindowRegistry::isAvailable(WindowId id) const { return factories_.count(id) != 0; }

QWidget* WindowRegistry::find(WindowId id) const {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.data();
}

QWidget* WindowRegistry::load(WindowId id) {
  if (QWidget* window = find(id)) return window;
  auto factory = factories_.find(id);
  if (factory == factories_.end()) return nullptr;
  QWidget* window = factory->second(*this);
  windows_[id] = window;
  if (auto* form = dynamic_cast<FormWindow*>(window)) form->runLoadHandler();
  return window;
}

QWidget* WindowRegistry::show(WindowId id) {
  QWidget* window = load(id);
  if (!window) return nullptr;
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void WindowRegistry::hide(WindowId id) {
  if (QWidget* window = find(id)) window->hide();
}

void WindowRegistry::unload(WindowId id) {
  auto it = windows_.find(id);
  if (it == windows_.end()) return;
  QPointer<QWidget> window = it->second;
  windows_.erase(it);
  if (auto* form = dynamic_cast<FormWindow*>(window.data())) form->runUnloadHandler();
  if (window) {
    window->hide();
    window->deleteLater();
  }
}

void WindowRegistry::switchTo(QWidget* from, WindowId target, bool busy) {
  std::optional<BusyPointer> pointer;
  if (busy) pointer.emplace(seam_);
  if (from) from->hide();
  show(target);
}

void WindowRegistry::closeAllWindows() {
  std::vector<WindowId> loaded;
  for (const auto& entry : windows_) loaded.push_back(entry.first);
  for (WindowId id : loaded) unload(id);
}

void WindowRegistry::exitApplication() {
  if (exiting_) return;
  exiting_ = true;
  closeAllWindows();
  if (quit_) quit_();
}

QString WindowRegistry::helpPath() const {
  if (!helpPath_.isEmpty()) return helpPath_;
  return QCoreApplication::applicationDirPath() + QStringLiteral("/CalvexaHelp.html");
}

QString WindowRegistry::configuredHelpPath() const {
  if (configuredHelp_.isEmpty() || QDir::isAbsolutePath(configuredHelp_)) return configuredHelp_;
  return QDir(QCoreApplication::applicationDirPath()).filePath(configuredHelp_);
}

}  // namespace calvexa
