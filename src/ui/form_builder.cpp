#include "ui/form_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <map>

#include "ui/controls.h"
#include "ui/numeric_key_filter.h"

namespace calvexa {
namespace {

QWidget* makeLabel(const ControlRow& design, QWidget* parent) {
  auto* label = new QLabel(design.caption, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QWidget* makeBox(const ControlRow& design, QWidget* parent) {
  auto* box = new QLineEdit(design.caption, parent);
  return box;
}

QWidget* makeList(const ControlRow&, QWidget* parent, bool editable) {
  auto* list = new QComboBox(parent);
  list->setEditable(editable);
  if (editable) list->setInsertPolicy(QComboBox::NoInsert);
  return list;
}

QWidget* makeAnswer(const ControlRow& design, QWidget* parent, Seam& seam) {
  auto* answer = new AnswerLabel(design.caption, seam, parent);
  answer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  answer->setAutoFillBackground(true);
  answer->setBackgroundRole(QPalette::Base);
  answer->setMargin(2);
  return answer;
}

// A frame without caption is a plain box; a captioned one is a group box.
QWidget* makeFrame(const ControlRow& design, QWidget* parent) {
  if (!design.caption.isEmpty()) return new QGroupBox(design.caption, parent);
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  return frame;
}

QWidget* makeLine(const ControlRow& design, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(design.geometry.height() > design.geometry.width() ? QFrame::VLine : QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

QWidget* makeTabs(const ControlRow& design, QWidget* parent) {
  return new TabControl(design.tabs, design.tabsPerRow, parent);
}

QWidget* makePicture(const ControlRow& design, QWidget* parent) { return new SvgPicture(design.picture, parent); }

QWidget* makeControl(const ControlRow& design, QWidget* parent, Seam& seam, const DrawingFactory& drawings) {
  switch (design.kind) {
    case ControlKind::Drawing:
      return drawings ? drawings(design.picture, parent) : new QWidget(parent);
    case ControlKind::Label:
      return makeLabel(design, parent);
    case ControlKind::NumericBox:
    case ControlKind::TextBox:
      return makeBox(design, parent);
    case ControlKind::PickList:
      return makeList(design, parent, false);
    case ControlKind::EditList:
      return makeList(design, parent, true);
    case ControlKind::Answer:
      return makeAnswer(design, parent, seam);
    case ControlKind::Button:
      return new PushButton(design.caption, parent);
    case ControlKind::PictureButton:
      return new PictureButton(design.picture, parent);
    case ControlKind::Picture:
      return makePicture(design, parent);
    case ControlKind::Frame:
      return makeFrame(design, parent);
    case ControlKind::Line:
      return makeLine(design, parent);
    case ControlKind::Tabs:
      return makeTabs(design, parent);
    case ControlKind::Option:
      return new QRadioButton(design.caption, parent);
    case ControlKind::CheckBox:
      return new QCheckBox(design.caption, parent);
  }
  return nullptr;
}

// The frame or tab page a control sits in; the surface when it names none.
QWidget* containerFor(const Parent& parent, QWidget* surface, const std::map<QString, QWidget*>& built) {
  if (parent.container.isEmpty()) return surface;
  auto it = built.find(parent.container);
  // A container built by an earlier call (a tab control whose pages are filled later).
  QWidget* found = it != built.end() ? it->second : surface->findChild<QWidget*>(parent.container);
  if (!found) return surface;
  if (!parent.onPage()) return found;
  auto* tabs = qobject_cast<TabControl*>(found);
  QWidget* page = tabs ? tabs->page(parent.page) : nullptr;
  return page ? page : surface;
}

}  // namespace

QList<QPointer<QWidget>> buildControls(QWidget* surface, const std::vector<ControlRow>& table, Seam& seam,
                                       const DrawingFactory& drawings) {
  QList<QPointer<QWidget>> controls;
  std::map<QString, QWidget*> built;
  NumericKeyFilterBinding* filter = nullptr;
  for (const ControlRow& design : table) {
    QWidget* control = makeControl(design, containerFor(design.parent, surface, built), seam, drawings);
    control->setObjectName(design.name);
    control->setGeometry(design.geometry);
    if (!design.tooltip.isEmpty()) control->setToolTip(design.tooltip);
    // Controls of the surface's size inherit its font: setting the same font on
    // each one costs start-up time for nothing.
    if (design.fontSize > 0 && design.fontSize != surface->font().pointSize()) {
      QFont font = control->font();
      font.setPointSize(design.fontSize);
      control->setFont(font);
    }
    if (design.kind == ControlKind::NumericBox) {
      if (!filter) filter = new NumericKeyFilterBinding(seam, surface);
      control->installEventFilter(filter);
    }
    built[design.name] = control;
    controls.push_back(control);
  }
  // Captions name the boxes and lists beside them, for the keyboard and for
  // screen readers; no visible text changes.
  for (const ControlRow& design : table) {
    auto* label = qobject_cast<QLabel*>(built.count(design.name) ? built[design.name] : nullptr);
    if (!label || design.captionOf.isEmpty()) continue;
    for (const QString& name : design.captionOf) {
      auto it = built.find(name);
      if (it == built.end()) continue;
      if (!label->buddy()) label->setBuddy(it->second);
      it->second->setAccessibleName(design.caption);
    }
  }
  return controls;
}

QWidget* findControl(const QList<QPointer<QWidget>>& controls, const QString& name) {
  for (const auto& control : controls)
    if (control && control->objectName() == name) return control;
  return nullptr;
}

void fillList(QWidget* list, const std::vector<std::string>& items, ListOrder order) {
  auto* combo = qobject_cast<QComboBox*>(list);
  if (!combo) return;
  QStringList texts;
  for (const auto& item : items) texts.push_back(QString::fromStdString(item));
  if (order == ListOrder::Sorted) {
    std::stable_sort(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
      return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
  }
  combo->clear();
  combo->addItems(texts);
  combo->setCurrentIndex(-1);
  if (combo->isEditable()) combo->setEditText(QString());
}

QString controlText(const QWidget* control) {
  if (auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
  if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
  if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  return QString();
}

namespace {

// An editable list takes any text; a pick-only list can only show one of its
// items, so it chooses the item of exactly that text (none when there is none).
void setListText(QComboBox& list, const QString& text) {
  if (list.isEditable()) {
    list.setEditText(text);
  } else {
    list.setCurrentIndex(list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  }
}

}  // namespace

void setControlText(QWidget* control, const QString& text) {
  if (auto* box = qobject_cast<QLineEdit*>(control)) {
    box->setText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    setListText(*combo, text);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  }
}

}  // namespace calvexa
