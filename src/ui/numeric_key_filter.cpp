#include "ui/numeric_key_filter.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>
#include <optional>

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

// The editing keys of a number box, the same on every desktop; the
// desktop's own keys for the same commands (Ctrl+Y for Redo on some) count too.
struct EditKey {
  QKeyCombination keys;
  NumberEdit command;
};

constexpr EditKey kEditKeys[] = {
    {Qt::CTRL | Qt::Key_A, NumberEdit::SelectAll},        {Qt::CTRL | Qt::Key_C, NumberEdit::Copy},
    {Qt::CTRL | Qt::Key_Insert, NumberEdit::Copy},        {Qt::CTRL | Qt::Key_X, NumberEdit::Cut},
    {Qt::SHIFT | Qt::Key_Delete, NumberEdit::Cut},        {Qt::CTRL | Qt::Key_V, NumberEdit::Paste},
    {Qt::SHIFT | Qt::Key_Insert, NumberEdit::Paste},      {Qt::CTRL | Qt::Key_Z, NumberEdit::Undo},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, NumberEdit::Redo},
};

constexpr std::pair<QKeySequence::StandardKey, NumberEdit> kDesktopKeys[] = {
    {QKeySequence::SelectAll, NumberEdit::SelectAll},
    {QKeySequence::Copy, NumberEdit::Copy},
    {QKeySequence::Cut, NumberEdit::Cut},
    {QKeySequence::Paste, NumberEdit::Paste},
    {QKeySequence::Undo, NumberEdit::Undo},
    {QKeySequence::Redo, NumberEdit::Redo},
};

std::optional<NumberEdit> editCommand(const QKeyEvent* event) {
  const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
  for (const EditKey& edit : kEditKeys)
    if (edit.keys == pressed) return edit.command;
  for (const auto& [key, command] : kDesktopKeys)
    if (event->matches(key)) return command;
  return std::nullopt;
}

// The context menu's items, top to bottom; a null name is a separator.
struct MenuItem {
  const char* name;
  const char* caption;
  NumberEdit command;
};

constexpr MenuItem kMenuItems[] = {
    {"NumberUndo", "&Undo", NumberEdit::Undo},
    {"NumberRedo", "&Redo", NumberEdit::Redo},
    {nullptr, nullptr, NumberEdit::Undo},
    {"NumberCut", "Cu&t", NumberEdit::Cut},
    {"NumberCopy", "&Copy", NumberEdit::Copy},
    {"NumberPaste", "&Paste", NumberEdit::Paste},
    {"NumberDelete", "Delete", NumberEdit::Delete},
    {nullptr, nullptr, NumberEdit::Undo},
    {"NumberSelectAll", "Select All", NumberEdit::SelectAll},
};

// The key a menu item shows beside its caption: the first of its editing keys.
QString shortcutText(NumberEdit command) {
  for (const EditKey& edit : kEditKeys)
    if (edit.command == command) return QKeySequence(edit.keys).toString(QKeySequence::NativeText);
  return QString();
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

// A key of one of the window's menu items (File "Tank Gauging", Ctrl+G) runs
// that item, as a menu key does anywhere in the window; the box never sees it.
bool windowShortcut(const QObject* watched, const QKeyEvent* event) {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (!widget || !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
  const QKeySequence pressed(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
  const QList<QAction*> actions = widget->window()->findChildren<QAction*>();
  return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction* action) {
    return action->isEnabled() && action->shortcuts().contains(pressed);
  });
}

}  // namespace

NumericKeyFilterBinding::NumericKeyFilterBinding(Seam& seam, QObject* parent, BoxKeys keys)
    : QObject(parent), seam_(seam), keys_(keys) {}

std::optional<std::string> NumericKeyFilterBinding::pasted(const QString& text) const {
  return keys_ == BoxKeys::Length ? pastedLength(text.toStdString()) : pastedNumber(text.toStdString());
}

bool NumericKeyFilterBinding::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // The box takes its editing keys before any window shortcut; the other
      // control characters reach the filter as typed codes and are refused.
      const auto* key = static_cast<QKeyEvent*>(event);
      if (box && editCommand(key)) {
        event->accept();
        return true;
      }
      if (windowShortcut(watched, key)) return false;
      const int code = typedCode(key);
      if ((code > 0 && code < 32 && code != 8 && code != 13 && !dialogKey(watched, code))) {
        event->accept();
        return true;
      }
      return false;
    }
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (box) {
        if (const std::optional<NumberEdit> command = editCommand(key)) {
          edit(box, *command);
          return true;
        }
      }
      int code = typedCode(key);
      if (code < 0 || dialogKey(watched, code)) return false;
      if (!(keys_ == BoxKeys::Length ? LengthKeyFilter(code) : NumericKeyFilter(code))) return false;
      seam_.showMessage(qobject_cast<QWidget*>(watched) ? qobject_cast<QWidget*>(watched)->window() : nullptr,
                        improperNumberMessage());
      return true;  // the key is dropped
    }
    case QEvent::ContextMenu: {
      if (!box) return false;
      QMenu* menu = createContextMenu(box);
      menu->setAttribute(Qt::WA_DeleteOnClose);
      menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    }
    case QEvent::MouseButtonRelease: {
      // A middle click pastes the desktop's selection where the desktop has one.
      if (!box || static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton) return false;
      const QString selection = seam_.selectionText();
      if (!selection.isNull() && !box->isReadOnly()) {
        box->deselect();
        paste(box, selection);
      }
      return true;
    }
    case QEvent::Drop:
      return box && takeDrop(box, event);
    default:
      return false;
  }
}

QMenu* NumericKeyFilterBinding::createContextMenu(QLineEdit* box) {
  auto* menu = new QMenu(box);
  menu->setObjectName(QStringLiteral("NumberMenu"));
  const bool editable = !box->isReadOnly();
  const bool selected = box->hasSelectedText();
  for (const MenuItem& item : kMenuItems) {
    if (!item.name) {
      menu->addSeparator();
      continue;
    }
    const QString keys = shortcutText(item.command);
    QAction* action = menu->addAction(QString::fromUtf8(item.caption) + (keys.isEmpty() ? QString() : '\t' + keys));
    action->setObjectName(QString::fromUtf8(item.name));
    const NumberEdit command = item.command;
    connect(action, &QAction::triggered, box, [this, box, command] { edit(box, command); });
    switch (command) {
      case NumberEdit::Undo:
        action->setEnabled(editable && box->isUndoAvailable());
        break;
      case NumberEdit::Redo:
        action->setEnabled(editable && box->isRedoAvailable());
        break;
      case NumberEdit::Cut:
      case NumberEdit::Delete:
        action->setEnabled(editable && selected);
        break;
      case NumberEdit::Copy:
        action->setEnabled(selected);
        break;
      case NumberEdit::Paste:
        action->setEnabled(editable && !seam_.clipboardText().isEmpty());
        break;
      case NumberEdit::SelectAll:
        action->setEnabled(!box->text().isEmpty() && box->selectedText() != box->text());
        break;
    }
  }
  return menu;
}

void NumericKeyFilterBinding::edit(QLineEdit* box, NumberEdit command) {
  const bool editable = !box->isReadOnly();
  switch (command) {
    case NumberEdit::Undo:
      if (editable) box->undo();
      break;
    case NumberEdit::Redo:
      if (editable) box->redo();
      break;
    case NumberEdit::Cut:
      if (!editable || !box->hasSelectedText()) break;
      seam_.setClipboardText(box->selectedText());
      box->del();
      break;
    case NumberEdit::Copy:
      if (box->hasSelectedText()) seam_.setClipboardText(box->selectedText());
      break;
    case NumberEdit::Paste:
      if (editable) paste(box, seam_.clipboardText());
      break;
    case NumberEdit::Delete:
      if (editable && box->hasSelectedText()) box->del();
      break;
    case NumberEdit::SelectAll:
      box->selectAll();
      break;
  }
}

void NumericKeyFilterBinding::paste(QLineEdit* box, const QString& text) {
  const std::optional<std::string> number = pasted(text);
  if (!number) {
    seam_.showMessage(box->window(), improperNumberMessage());
    return;
  }
  if (!number->empty()) box->insert(QString::fromStdString(*number));
}

// A drop of text that is not a number is refused as a paste is; a number
// with spaces or a line end around it is dropped without them. True when the
// drop is dealt with here.
bool NumericKeyFilterBinding::takeDrop(QLineEdit* box, QEvent* event) {
  auto* drop = static_cast<QDropEvent*>(event);
  if (box->isReadOnly() || !drop->mimeData()->hasText()) return false;
  const QString dropped = drop->mimeData()->text();
  const std::optional<std::string> number = pasted(dropped);
  if (number && QString::fromStdString(*number) == dropped) return false;  // the box drops it itself
  if (!number) {
    // Told once the drop is over: a message box inside it would hold up the
    // program the text came from.
    drop->ignore();
    QMetaObject::invokeMethod(
        box, [this, box] { seam_.showMessage(box->window(), improperNumberMessage()); }, Qt::QueuedConnection);
    return true;
  }
  box->setCursorPosition(box->cursorPositionAt(drop->position().toPoint()));
  box->insert(QString::fromStdString(*number));
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  return true;
}

}  // namespace calvexa
