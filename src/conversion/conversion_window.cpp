#include "conversion/conversion_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <string>

#include "conversion/catalogue_rules.h"
#include "conversion/conversion_rules.h"
#include "ui/controls.h"

namespace calvexa {
namespace {

using K = ControlKind;

// Design layout of a tab page, in pixels: a centred title, then four rows of
// a right-aligned caption and its control, the Calculate button beside them.
constexpr int kPageWidth = 600;
constexpr int kTabRows = 5;  // eighteen tabs, four to a row
constexpr int kTabRowHeight = 26;
constexpr int kPageHeight = 214;
constexpr int kCaptionLeft = 12, kCaptionWidth = 110;
constexpr int kControlLeft = 128, kControlWidth = 300;
constexpr int kFirstRowTop = 48, kRowPitch = 38, kRowHeight = 24;
const QColor kWindowColour(224, 224, 224);

// Which control each of the four rows holds, top to bottom, and the index of
// its caption among the category's row labels (From, To, value Units, answer Units).
enum class RowControl { FromList, ValueBox, ToList, Answer };
struct RowLayout {
  RowControl control;
  int label;
};
constexpr RowLayout kRows[] = {
    {RowControl::FromList, 0}, {RowControl::ValueBox, 2}, {RowControl::ToList, 1}, {RowControl::Answer, 3}};

ControlRow rowControl(const Category& c, RowControl control, QRect geometry, const Parent& page) {
  const ControlKind list = c.lists == ListKind::Editable ? K::EditList : K::PickList;
  switch (control) {
    case RowControl::FromList:
      return {.kind = list, .name = c.fromList, .geometry = geometry, .parent = page};
    case RowControl::ToList:
      return {.kind = list, .name = c.toList, .geometry = geometry, .parent = page};
    case RowControl::ValueBox:
      return {.kind = K::NumericBox,
              .name = c.valueBox,
              .caption = kValueBoxInitialText,
              .geometry = QRect(geometry.topLeft(), QSize(160, kRowHeight)),
              .parent = page};
    case RowControl::Answer:
      return {.kind = K::Answer, .name = c.answer, .geometry = geometry, .parent = page};
  }
  return {};
}

std::vector<ControlRow> conversionControls() {
  const auto& categories = conversionCategories();
  QStringList captions;
  for (const Category& c : categories) captions << QString::fromUtf8(c.tabCaption);
  std::vector<ControlRow> c = {{.kind = K::Tabs,
                                .name = kConversionTabsName,
                                .geometry = QRect(8, 8, kPageWidth, kPageHeight + kTabRows * kTabRowHeight),
                                .tabs = captions}};
  for (int i = 0; i < static_cast<int>(categories.size()); ++i) {
    const Category& cat = categories[static_cast<std::size_t>(i)];
    const Parent page = {.container = kConversionTabsName, .page = i};
    c.push_back({.kind = K::Label,
                 .name = cat.titleLabel,
                 .caption = cat.titleText,
                 .geometry = QRect(12, 10, kPageWidth - 30, 24),
                 .parent = page,
                 .fontSize = 10});
    int top = kFirstRowTop;
    for (const RowLayout& row : kRows) {
      const auto label = static_cast<std::size_t>(row.label);
      const ControlRow control =
          rowControl(cat, row.control, QRect(kControlLeft, top, kControlWidth, kRowHeight), page);
      c.push_back({.kind = K::Label,
                   .name = cat.rowLabels[label],
                   .caption = kRowLabelTexts[label],
                   .geometry = QRect(kCaptionLeft, top, kCaptionWidth, kRowHeight),
                   .parent = page,
                   .captionOf = {control.name}});
      c.push_back(control);
      top += kRowPitch;
    }
    c.push_back({.kind = K::Button,
                 .name = cat.calculate,
                 .caption = kCalculateCaption,
                 .geometry = QRect(450, kFirstRowTop + kRowPitch, 110, 32),
                 .parent = page});
  }
  return c;
}

QWidget* among(const QList<QPointer<QWidget>>& controls, const char* name) {
  return findControl(controls, QString::fromUtf8(name));
}

// The converter's own look: centred titles, right-aligned captions before the
// lists, answers in the window colour.
void styleTab(const Category& cat, const QList<QPointer<QWidget>>& created) {
  if (auto* title = qobject_cast<QLabel*>(among(created, cat.titleLabel))) title->setAlignment(Qt::AlignCenter);
  for (int row : {0, 1})
    if (auto* label = qobject_cast<QLabel*>(among(created, cat.rowLabels[row])))
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (auto* answer = qobject_cast<QLabel*>(among(created, cat.answer))) {
    answer->setFrameStyle(QFrame::Box | QFrame::Plain);
    answer->setBackgroundRole(QPalette::Window);
  }
}

}  // namespace

ConversionWindow::ConversionWindow(WindowRegistry& registry)
    : FormWindow(registry,
                 {.key = kConversionWindow,
                  .caption = kConversionCaption,
                  .designSize = QSize(kPageWidth + 16, kPageHeight + kTabRows * kTabRowHeight + 16),
                  .pages = PageCreation::OnDemand},
                 conversionControls()) {}

// A tab's controls exist once the tab is first shown (or one of them is asked for).
void ConversionWindow::onControlsCreated(const QList<QPointer<QWidget>>& created) {
  for (const Category& category : conversionCategories()) {
    auto* button = qobject_cast<QAbstractButton*>(among(created, category.calculate));
    if (!button) continue;
    styleTab(category, created);
    const Category* tab = &category;
    connect(button, &QAbstractButton::clicked, this,
            [this, tab] { calculate([tab](const Fields& f) { return convert(*tab, f); }); });
  }
}

void ConversionWindow::onLoad() {
  auto* tabs = control<TabControl>(kConversionTabsName);
  QPalette palette = tabs->palette();
  palette.setColor(QPalette::Window, kWindowColour);
  tabs->setPalette(palette);
  tabs->setAutoFillBackground(true);
  tabs->setCurrentIndex(kConversionInitialTab);
  for (const Category& cat : conversionCategories()) {
    const Category* tab = &cat;
    setListItems(
        cat.fromList, [tab] { return displayOrder(*tab, ListSide::From); }, ListOrder::AsAdded);
    setListItems(
        cat.toList, [tab] { return displayOrder(*tab, ListSide::To); }, ListOrder::AsAdded);
    if (cat.tips == Tips::None) continue;
    setControlToolTip(cat.calculate, kCalculateTip);
    setControlToolTip(cat.fromList, kFromListTip);
    setControlToolTip(cat.toList, kToListTip);
    setControlToolTip(cat.valueBox, kValueBoxTip);
    setControlToolTip(cat.answer, kAnswerTip);
  }
}

}  // namespace calvexa
