#include "ui/screen_fit.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace calvexa {

namespace {

// The frame the window system adds: the window's own once it is shown,
// before that the frame of a window already shown.
QSize frameOf(const QWidget& window) {
  if (window.isVisible()) return window.frameGeometry().size() - window.size();
  for (const QWidget* other : QApplication::topLevelWidgets())
    if (other != &window && other->isVisible() && other->isWindow())
      return other->frameGeometry().size() - other->size();
  return {0, 0};
}

}  // namespace

void fitInsideScreen(QWidget& window) {
  QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  // The frame the window system adds, once it is known.
  const QSize frame = frameOf(window);
  const QSize most = room.size() - frame;
  const QSize now = window.size();
  if (most.width() <= 0 || most.height() <= 0) return;
  if (now.width() > most.width() || now.height() > most.height()) {
    const double scale =
        std::min(static_cast<double>(most.width()) / now.width(), static_cast<double>(most.height()) / now.height());
    window.resize(static_cast<int>(std::floor(now.width() * scale)),
                  static_cast<int>(std::floor(now.height() * scale)));
  }
  const QSize outer = window.size() + frame;
  const QPoint at(std::clamp(window.x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())),
                  std::clamp(window.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
  if (at != window.pos()) window.move(at);
}

}  // namespace calvexa
