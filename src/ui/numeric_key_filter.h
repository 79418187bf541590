// Binds the numeric key filter to a text box: every typed character passes
// through NumericKeyFilter before the box sees it, and text pasted or dropped
// into it must be a number.
#pragma once

#include <QObject>
#include <optional>
#include <string>

class QLineEdit;
class QMenu;

namespace calvexa {

class Seam;

// A box with this property set leaves Enter and Escape to its dialog (its
// default and Cancel buttons).
inline constexpr const char* kDialogKeys = "calvexaDialogKeys";

// The editing commands of a number box. They type no character, so they pass
// the filter as the navigation keys do; the clipboard is the seam's.
enum class NumberEdit { Undo, Redo, Cut, Copy, Paste, Delete, SelectAll };

// The keys a box takes: those of a number, or also those of a length in feet,
// inches and eighths.
enum class BoxKeys { Number, Length };

class NumericKeyFilterBinding : public QObject {
  Q_OBJECT
 public:
  NumericKeyFilterBinding(Seam& seam, QObject* parent, BoxKeys keys = BoxKeys::Number);

  // The box's context menu: Undo, Redo, Cut, Copy, Paste, Delete and Select
  // All, each enabled as the box's state allows.
  QMenu* createContextMenu(QLineEdit* box);
  void edit(QLineEdit* box, NumberEdit command);
  // Inserts `text` at the cursor when it is a number or the start of one;
  // otherwise shows the filter's message and the box keeps its text.
  void paste(QLineEdit* box, const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool takeDrop(QLineEdit* box, QEvent* event);
  std::optional<std::string> pasted(const QString& text) const;
  Seam& seam_;
  BoxKeys keys_;
};

}  // namespace calvexa
