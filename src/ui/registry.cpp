#include "ui/registry.h"

#include <QCoreApplication>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "ui/form_window.h"
#include "ui/seam.h"

namespace calvexa {

WindowRegistry::WindowRegistry(Seam& seam, std::function<void()> quit) : seam_(seam), quit_(std::move(quit)) {}

WindowRegistry::~WindowRegistry() {
  for (auto& [key, window] : windows_) delete window.data();
}

void WindowRegistry::add(WindowRegistration registration) {
  const WindowKey key = registration.key;
  registrations_.insert_or_assign(key, std::move(registration));
}

std::vector<WindowKey> WindowRegistry::keys() const {
  std::vector<WindowKey> out;
  for (const auto& [key, registration] : registrations_) out.push_back(key);
  return out;
}

const WindowRegistration* WindowRegistry::registration(WindowKey key) const {
  auto it = registrations_.find(key);
  return it == registrations_.end() ? nullptr : &it->second;
}

bool WindowRegistry::isAvailable(WindowKey key) const {
  const WindowRegistration* known = registration(key);
  return known && known->available();
}

QWidget* WindowRegistry::find(WindowKey key) const {
  auto it = windows_.find(key);
  return it == windows_.end() ? nullptr : it->second.data();
}

QWidget* WindowRegistry::load(WindowKey key) {
  if (QWidget* window = find(key)) return window;
  if (!isAvailable(key)) return nullptr;
  QWidget* window = registration(key)->factory(*this);
  // A window finds itself, its parent and its menus by its name.
  Q_ASSERT_X(window->objectName() == QLatin1String(key.name()), "WindowRegistry::load",
             "a window is registered under its objectName");
  windows_[key] = window;
  if (auto* form = dynamic_cast<FormWindow*>(window)) form->runLoadHandler();
  return window;
}

QWidget* WindowRegistry::show(WindowKey key) {
  QWidget* window = load(key);
  if (!window) return nullptr;
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void WindowRegistry::hide(WindowKey key) {
  if (QWidget* window = find(key)) window->hide();
}

void WindowRegistry::unload(WindowKey key) {
  auto it = windows_.find(key);
  if (it == windows_.end()) return;
  QPointer<QWidget> window = it->second;
  windows_.erase(it);
  if (auto* form = dynamic_cast<FormWindow*>(window.data())) form->runUnloadHandler();
  if (window) {
    window->hide();
    window->deleteLater();
  }
}

void WindowRegistry::switchTo(QWidget* from, WindowKey target, bool busy) {
  std::optional<BusyPointer> pointer;
  if (busy) pointer.emplace(seam_);
  if (from) from->hide();
  show(target);
}

void WindowRegistry::closeAllWindows() {
  std::vector<WindowKey> loaded;
  for (const auto& entry : windows_) loaded.push_back(entry.first);
  for (WindowKey key : loaded) unload(key);
}

void WindowRegistry::exitApplication() {
  if (exiting_) return;
  exiting_ = true;
  closeAllWindows();
  if (quit_) quit_();
}

QString WindowRegistry::helpPath() const {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/CalvexaHelp.html");
}

}  // namespace calvexa
