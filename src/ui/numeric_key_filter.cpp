#include "ui/numeric_key_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include "core/key_filter.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

// Keys that move the focus or the cursor, or delete forward: they type no
// character, so the filter never sees them, whatever modifiers come with them
// (X11 gives Tab and Delete a character all the same).
bool isNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

// The character code a key press types, or -1 for keys that type nothing
// (navigation keys, modifiers, function keys): those are not typed keys.
int typedCode(const QKeyEvent* event) {
  if (isNavigationKey(event->key())) return -1;
  if (event->key() == Qt::Key_Backspace) return 8;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return 13;
  const QString text = event->text();
  if (text.isEmpty()) return -1;
  return text.at(0).unicode();
}

// In a dialog, Enter is its default button's and Escape its Cancel's.
bool dialogKey(const QObject* box, int code) {
  return (code == 13 || code == 27) && box->property(kDialogKeys).toBool();
}

}  // namespace

NumericKeyFilterBinding::NumericKeyFilterBinding(Seam& seam, QObject* parent) : QObject(parent), seam_(seam) {}

bool NumericKeyFilterBinding::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // Editing shortcuts (copy, paste, cut...) reach the filter as typed codes.
    const int code = typedCode(static_cast<QKeyEvent*>(event));
    if (code > 0 && code < 32 && code != 8 && code != 13 && !dialogKey(watched, code)) {
      event->accept();
      return true;
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  int code = typedCode(static_cast<QKeyEvent*>(event));
  if (code < 0 || dialogKey(watched, code)) return false;
  if (!NumericKeyFilter(code)) return false;
  seam_.showMessage(qobject_cast<QWidget*>(watched) ? qobject_cast<QWidget*>(watched)->window() : nullptr,
                    improperNumberMessage());
  return true;  // the key is dropped
}

}  // namespace calvexa
