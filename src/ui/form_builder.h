// Windows are built from declarative control tables: kind, name, caption,
// design geometry in pixels, tooltip and parent container.
#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace calvexa {

class Seam;

// The font size of a window's controls unless their row says otherwise.
constexpr int kDesignFontSize = 9;

enum class ControlKind {
  Label,          // static text
  NumericBox,     // text box whose typed keys pass the numeric key filter
  TextBox,        // text box without filter
  PickList,       // drop-down list, pick only
  EditList,       // drop-down list, editable
  Answer,         // read-only answer field that looks like a box
  Button,         // captioned push button
  PictureButton,  // button showing a drawing (picture = resource path)
  Picture,        // drawing (picture = resource path)
  Frame,          // captioned frame; may hold controls
  Line,           // separating line
  Tabs,           // tab control: caption holds the tab captions separated by "|"
  Option,         // option button
};

struct ControlSpec {
  ControlKind kind;
  const char* name;
  const char* caption;
  QRect geometry;  // design pixels, relative to the parent container
  const char* tooltip = nullptr;
  const char* parent = nullptr;    // a Frame's name, or "Tabs:3" for page 3 of tab control Tabs
  int fontSize = kDesignFontSize;  // points
  const char* picture = nullptr;   // PictureButton, Picture
  int tabsPerRow = 4;              // Tabs
};

// Builds every control of the table on `surface`, in table order, and returns
// the controls the resizer scales. Numeric boxes get the key filter, which
// reports refused keys through `seam`.
QList<QPointer<QWidget>> buildControls(QWidget* surface, const std::vector<ControlSpec>& table, Seam& seam);

// The control named `name` among `controls`, or nullptr.
QWidget* findControl(const QList<QPointer<QWidget>>& controls, const QString& name);

// Fills a drop-down list; sorted lists are ordered case-insensitively. No item
// is picked afterwards, so the list's text is empty.
void fillList(QWidget* list, const std::vector<std::string>& items, bool sorted);

// The text a calculation reads from a control: a box's text, a list's text,
// an answer's text.
QString controlText(const QWidget* control);
void setControlText(QWidget* control, const QString& text);

}  // namespace calvexa
