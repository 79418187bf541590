#include "ui/form_builder.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>
#include <algorithm>
#include <map>

#include "ui/controls.h"
#include "ui/numeric_key_filter.h"

namespace calvexa {
namespace {

QWidget* makeLabel(const ControlSpec& design, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(design.caption), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QWidget* makeBox(const ControlSpec& design, QWidget* parent) {
  auto* box = new QLineEdit(QString::fromUtf8(design.caption), parent);
  return box;
}

QWidget* makeList(const ControlSpec&, QWidget* parent, bool editable) {
  auto* list = new QComboBox(parent);
  list->setEditable(editable);
  if (editable) list->setInsertPolicy(QComboBox::NoInsert);
  return list;
}

QWidget* makeAnswer(const ControlSpec& design, QWidget* parent) {
  auto* answer = new QLabel(QString::fromUtf8(design.caption), parent);
  answer->setTextFormat(Qt::PlainText);
  answer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  answer->setAutoFillBackground(true);
  answer->setBackgroundRole(QPalette::Base);
  answer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
  answer->setMargin(2);
  return answer;
}

// A frame without caption is a plain box; a captioned one is a group box.
QWidget* makeFrame(const ControlSpec& design, QWidget* parent) {
  if (design.caption && *design.caption) return new QGroupBox(QString::fromUtf8(design.caption), parent);
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  return frame;
}

QWidget* makeLine(const ControlSpec& design, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(design.geometry.height() > design.geometry.width() ? QFrame::VLine : QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

QWidget* makeTabs(const ControlSpec& design, QWidget* parent) {
  const QStringList captions = QString::fromUtf8(design.caption).split(QLatin1Char('|'));
  return new TabControl(captions, design.tabsPerRow, parent);
}

QWidget* makePicture(const ControlSpec& design, QWidget* parent) {
  return new QSvgWidget(QString::fromUtf8(design.picture), parent);
}

QWidget* makeControl(const ControlSpec& design, QWidget* parent) {
  switch (design.kind) {
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
      return makeAnswer(design, parent);
    case ControlKind::Button:
      return new QPushButton(QString::fromUtf8(design.caption), parent);
    case ControlKind::PictureButton:
      return new PictureButton(QString::fromUtf8(design.picture), parent);
    case ControlKind::Picture:
      return makePicture(design, parent);
    case ControlKind::Frame:
      return makeFrame(design, parent);
    case ControlKind::Line:
      return makeLine(design, parent);
    case ControlKind::Tabs:
      return makeTabs(design, parent);
    case ControlKind::Option:
      return new QRadioButton(QString::fromUtf8(design.caption), parent);
  }
  return nullptr;
}

// "Tabs:3" names page 3 of the tab control Tabs; any other name is a frame.
QWidget* containerFor(const ControlSpec& design, QWidget* surface, const std::map<QString, QWidget*>& built) {
  if (!design.parent) return surface;
  const QString parent = QString::fromUtf8(design.parent);
  const int colon = parent.indexOf(QLatin1Char(':'));
  const QString container = colon < 0 ? parent : parent.left(colon);
  auto it = built.find(container);
  // A container built by an earlier call (a tab control whose pages are filled later).
  QWidget* found = it != built.end() ? it->second : surface->findChild<QWidget*>(container);
  if (!found) return surface;
  if (colon < 0) return found;
  auto* tabs = qobject_cast<TabControl*>(found);
  QWidget* page = tabs ? tabs->page(parent.mid(colon + 1).toInt()) : nullptr;
  return page ? page : surface;
}

}  // namespace

QList<QPointer<QWidget>> buildControls(QWidget* surface, const std::vector<ControlSpec>& table, Seam& seam) {
  QList<QPointer<QWidget>> controls;
  std::map<QString, QWidget*> built;
  NumericKeyFilterBinding* filter = nullptr;
  for (const ControlSpec& design : table) {
    QWidget* parent = containerFor(design, surface, built);
    QWidget* control = makeControl(design, parent);
    const QString name = QString::fromUtf8(design.name);
    control->setObjectName(name);
    control->setGeometry(design.geometry);
    if (design.tooltip) control->setToolTip(QString::fromUtf8(design.tooltip));
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
    built[name] = control;
    controls.push_back(control);
  }
  return controls;
}

QWidget* findControl(const QList<QPointer<QWidget>>& controls, const QString& name) {
  for (const auto& control : controls)
    if (control && control->objectName() == name) return control;
  return nullptr;
}

void fillList(QWidget* list, const std::vector<std::string>& items, bool sorted) {
  auto* combo = qobject_cast<QComboBox*>(list);
  if (!combo) return;
  QStringList texts;
  for (const auto& item : items) texts.push_back(QString::fromStdString(item));
  if (sorted) {
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

void setControlText(QWidget* control, const QString& text) {
  if (auto* box = qobject_cast<QLineEdit*>(control)) {
    box->setText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    combo->setEditText(text);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  }
}

}  // namespace calvexa
