#include "ui/resizer.h"

#include <QComboBox>
#include <QListView>
#include <cmath>

namespace calvexa {
namespace {

// Whole-number percentage of the stored size, divisions truncating.
int percent(int now, int stored) { return stored > 0 ? (now * 100) / stored : 100; }

int scaled(int stored, int percentage) { return stored * percentage / 100; }

QString windowKey(QWidget* surface) {
  QWidget* window = surface->window();
  return window->objectName();
}

class ReentryGuard {
 public:
  explicit ReentryGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~ReentryGuard() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

void Resizer::registerWindow(const QString& window, QWidget* surface, const QList<QPointer<QWidget>>& controls) {
  windows_[window] = {surface->width(), surface->height()};
  registerControls(window, controls, surface->font());
}

void Resizer::registerControls(const QString& window, const QList<QPointer<QWidget>>& controls, const QFont& design) {
  for (const auto& control : controls) {
    if (!control) continue;
    DesignedControl row;
    row.geometry = control->geometry();
    // A control without a font of its own has the window's design font, not
    // the scaled font of a container it may sit in.
    const QFont& font = control->testAttribute(Qt::WA_SetFont) ? control->font() : design;
    row.fontSize = static_cast<int>(std::lround(font.pointSizeF()));
    if (row.fontSize < 0) row.fontSize = 0;
    controls_.emplace(std::make_pair(window, control->objectName()), row);  // the first sight counts
  }
}

void Resizer::ResizeControls(QWidget* surface, const QList<QPointer<QWidget>>& controls) {
  if (resizing_ || !surface) return;
  ReentryGuard guard(resizing_);
  const QString window = windowKey(surface);
  if (windows_.find(window) == windows_.end()) registerWindow(window, surface, controls);
  scale(window, surface, controls);
}

void Resizer::adoptControls(QWidget* surface, const QList<QPointer<QWidget>>& controls) {
  if (resizing_ || !surface) return;
  const QString window = windowKey(surface);
  if (windows_.find(window) == windows_.end()) return;  // the first resize registers them with the rest
  ReentryGuard guard(resizing_);
  registerControls(window, controls, surface->font());
  scale(window, surface, controls);
}

void Resizer::scale(const QString& window, QWidget* surface, const QList<QPointer<QWidget>>& controls) {
  const WindowRow& stored = windows_[window];
  const int wp = percent(surface->width(), stored.width);
  const int hp = percent(surface->height(), stored.height);
  for (const auto& control : controls) {
    if (!control) continue;
    auto row = controls_.find({window, control->objectName()});
    if (row == controls_.end()) continue;  // a control the window did not have at first sight
    const QRect& g = row->second.geometry;
    const int storedFont = row->second.fontSize;
    const int newFont = storedFont > 0 ? std::max(1, scaled(storedFont, wp)) : 0;
    if (storedFont > 0) {
      QFont font = control->font();
      font.setPointSize(newFont);
      control->setFont(font);
    }
    const int top = scaled(g.y(), hp);
    const int rowHeight = scaled(g.height(), hp);
    if (qobject_cast<QComboBox*>(control)) {
      // A drop-down list takes the height of its font, as lists always have:
      // its design height times the font's scale, centred on its row.
      const int height = storedFont > 0 ? g.height() * newFont / storedFont : g.height();
      control->setGeometry(scaled(g.x(), wp), top + (rowHeight - height) / 2, scaled(g.width(), wp), height);
      continue;
    }
    control->setGeometry(scaled(g.x(), wp), top, scaled(g.width(), wp), rowHeight);
  }
}

}  // namespace calvexa
