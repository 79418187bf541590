#include "ui/numeric_key_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include "core/key_filter.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

// The character code a key press types, or -1 for keys that type nothing
// (arrows, Home, Delete, modifiers): those are not typed keys.
int typedCode(const QKeyEvent* event) {
  if (event->key() == Qt::Key_Backspace) return 8;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return 13;
  const QString text = event->text();
  if (text.isEmpty()) return -1;
  return text.at(0).unicode();
}

}  // namespace

NumericKeyFilterBinding::NumericKeyFilterBinding(Seam& seam, QObject* parent) : QObject(parent), seam_(seam) {}

bool NumericKeyFilterBinding::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // Editing shortcuts (copy, paste, cut...) reach the filter as typed codes.
    auto* key = static_cast<QKeyEvent*>(event);
    if (typedCode(key) > 0 && typedCode(key) < 32 && typedCode(key) != 8 && typedCode(key) != 13) {
      event->accept();
      return true;
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  int code = typedCode(static_cast<QKeyEvent*>(event));
  if (code < 0) return false;
  if (!NumericKeyFilter(code)) return false;
  seam_.showMessage(qobject_cast<QWidget*>(watched) ? qobject_cast<QWidget*>(watched)->window() : nullptr,
                    improperNumberMessage());
  return true;  // the key is dropped
}

}  // namespace calvexa
