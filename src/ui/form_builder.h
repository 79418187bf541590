// Windows are built from declarative control tables: kind, name, caption,
// design geometry in pixels, tooltip and parent container.
#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/page_table.h"

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
  Drawing,        // drawn by the window itself (picture = what to draw)
  Frame,          // captioned frame; may hold controls
  Line,           // separating line
  Tabs,           // tab control with its pages
  Option,         // option button
  CheckBox,       // check box with its caption
};

// Where a control sits: on the window's surface, in a frame, or on a page
// of a tab control.
struct Parent {
  QString container = {};  // objectName of the frame or tab control; empty: the surface
  int page = -1;           // the page of a tab control; -1: the container itself
  bool onPage() const { return page >= 0; }
};

// One control of a window's table. Names and texts are owned by the row, so
// tables made up at run time need no store of their own.
struct ControlRow {
  ControlKind kind = ControlKind::Label;
  QString name = {};
  QString caption = {};  // text of labels, boxes, buttons and captioned frames
  QRect geometry = {};   // design pixels, relative to the parent container
  QString tooltip = {};
  Parent parent = {};
  int fontSize = kDesignFontSize;  // points; 0 keeps the inherited font
  QString picture = {};            // PictureButton, Picture: resource path
  QStringList tabs = {};           // Tabs: the tab captions
  int tabsPerRow = 4;              // Tabs
  // Label: the controls it is the caption of (its buddy first); they take the
  // caption as their accessible name.
  QStringList captionOf = {};
};

// Builds every control of the table on `surface`, in table order, and returns
// the controls the resizer scales. Numeric boxes get the key filter, which
// reports refused keys through `seam`.
// Makes the control of a Drawing row: what to draw, and its parent.
using DrawingFactory = std::function<QWidget*(const QString& drawing, QWidget* parent)>;

QList<QPointer<QWidget>> buildControls(QWidget* surface, const std::vector<ControlRow>& table, Seam& seam,
                                       const DrawingFactory& drawings = {});

// The control named `name` among `controls`, or nullptr.
QWidget* findControl(const QList<QPointer<QWidget>>& controls, const QString& name);

// Fills a drop-down list; sorted lists are ordered case-insensitively. No item
// is picked afterwards, so the list's text is empty.
void fillList(QWidget* list, const std::vector<std::string>& items, ListOrder order);

// The text a calculation reads from a control: a box's text, a list's text,
// an answer's text.
QString controlText(const QWidget* control);
// Sets that text; a pick-only list chooses the item of exactly that text.
void setControlText(QWidget* control, const QString& text);

}  // namespace calvexa
