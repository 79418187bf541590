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

std::string joinedCaptions() {
  std::string captions;
  for (const Category& c : conversionCategories())
    captions += (captions.empty() ? "" : "|") + std::string(c.tabCaption);
  return captions;
}

ControlSpec rowControl(const Category& c, RowControl control, QRect geometry, const char* page) {
  switch (control) {
    case RowControl::FromList:
      return {c.editable ? K::EditList : K::PickList, c.fromList, "", geometry, nullptr, page};
    case RowControl::ToList:
      return {c.editable ? K::EditList : K::PickList, c.toList, "", geometry, nullptr, page};
    case RowControl::ValueBox:
      return {K::NumericBox, c.valueBox, kValueBoxInitialText, QRect(geometry.topLeft(), QSize(160, kRowHeight)),
              nullptr,       page};
    case RowControl::Answer:
      return {K::Answer, c.answer, "", geometry, nullptr, page};
  }
  return {};
}

std::vector<ControlSpec> conversionControls() {
  static const std::string captions = joinedCaptions();
  static std::vector<std::string> pages;
  const auto& categories = conversionCategories();
  if (pages.empty())
    for (std::size_t i = 0; i < categories.size(); ++i)
      pages.push_back(std::string(kConversionTabsName) + ":" + std::to_string(i));
  std::vector<ControlSpec> c = {{K::Tabs, kConversionTabsName, captions.c_str(),
                                 QRect(8, 8, kPageWidth, kPageHeight + kTabRows * kTabRowHeight), nullptr, nullptr, 9,
                                 nullptr, 4}};
  for (std::size_t i = 0; i < categories.size(); ++i) {
    const Category& cat = categories[i];
    const char* page = pages[i].c_str();
    c.push_back({K::Label, cat.titleLabel, cat.titleText, QRect(12, 10, kPageWidth - 30, 24), nullptr, page, 10});
    int top = kFirstRowTop;
    for (const RowLayout& row : kRows) {
      c.push_back({K::Label, cat.rowLabels[static_cast<std::size_t>(row.label)],
                   kRowLabelTexts[static_cast<std::size_t>(row.label)],
                   QRect(kCaptionLeft, top, kCaptionWidth, kRowHeight), nullptr, page});
      c.push_back(rowControl(cat, row.control, QRect(kControlLeft, top, kControlWidth, kRowHeight), page));
      top += kRowPitch;
    }
    c.push_back(
        {K::Button, cat.calculate, kCalculateCaption, QRect(450, kFirstRowTop + kRowPitch, 110, 32), nullptr, page});
  }
  return c;
}

QWidget* among(const QList<QPointer<QWidget>>& controls, const char* name) {
  return findControl(controls, QString::fromUtf8(name));
}

// The converter's own look: centred titles, right-aligned captions before the
// lists, answers in the window colour with right-aligned text.
void styleTab(const Category& cat, const QList<QPointer<QWidget>>& created) {
  if (auto* title = qobject_cast<QLabel*>(among(created, cat.titleLabel))) title->setAlignment(Qt::AlignCenter);
  for (int row : {0, 1})
    if (auto* label = qobject_cast<QLabel*>(among(created, cat.rowLabels[row])))
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (auto* answer = qobject_cast<QLabel*>(among(created, cat.answer))) {
    answer->setFrameStyle(QFrame::Box | QFrame::Plain);
    answer->setBackgroundRole(QPalette::Window);
    answer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
}

}  // namespace

frmConversion::frmConversion(WindowRegistry& registry)
    : FormWindow(registry,
                 {WindowId::Conversion, kConversionWindowName, kConversionCaption,
                  QSize(kPageWidth + 16, kPageHeight + kTabRows * kTabRowHeight + 16), true, false, true},
                 conversionControls()) {}

// A tab's controls exist once the tab is first shown (or one of them is asked for).
void frmConversion::onControlsCreated(const QList<QPointer<QWidget>>& created) {
  for (const Category& category : conversionCategories()) {
    auto* button = qobject_cast<QAbstractButton*>(among(created, category.calculate));
    if (!button) continue;
    styleTab(category, created);
    const Category* tab = &category;
    connect(button, &QAbstractButton::clicked, this,
            [this, tab] { calculate([tab](const Fields& f) { return convert(*tab, f); }); });
  }
}

void frmConversion::onLoad() {
  auto* tabs = control<TabControl>(kConversionTabsName);
  QPalette palette = tabs->palette();
  palette.setColor(QPalette::Window, kWindowColour);
  tabs->setPalette(palette);
  tabs->setAutoFillBackground(true);
  tabs->setCurrentIndex(kConversionInitialTab);
  for (const Category& cat : conversionCategories()) {
    setListItems(cat.fromList, displayOrder(cat, ListSide::From), false);
    setListItems(cat.toList, displayOrder(cat, ListSide::To), false);
    if (!cat.tooltips) continue;
    setControlToolTip(cat.calculate, kCalculateTip);
    setControlToolTip(cat.fromList, kFromListTip);
    setControlToolTip(cat.toList, kToListTip);
    setControlToolTip(cat.valueBox, kValueBoxTip);
    setControlToolTip(cat.answer, kAnswerTip);
  }
}

}  // namespace calvexa
