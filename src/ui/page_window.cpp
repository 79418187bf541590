#include "ui/page_window.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <algorithm>
#include <map>

#include "ui/controls.h"

namespace calvexa {
namespace {

using K = ControlKind;

// Design layout of a page, in pixels.
constexpr int kLabelLeft = 12, kLabelWidth = 200;
constexpr int kBoxLeft = 216, kBoxWidth = 110;
constexpr int kListLeft = 334, kListWidth = 150;
constexpr int kUnitsWidth = 44;  // a "Units:" label before each list moves the list right by this much
constexpr int kPictureLeft = 500;
constexpr int kFirstRowTop = 44, kRowPitch = 36, kRowHeight = 24;
constexpr int kCaptionOverhang = (kRowPitch - kRowHeight) / 2 - 2;  // above and below the box
constexpr int kButtonHeight = 30, kButtonMinWidth = 110, kButtonGap = 10;
constexpr int kTabBarRowHeight = 30;
constexpr int kMargin = 8;

int buttonsTop(const Page& page) { return kFirstRowTop + static_cast<int>(page.rows.size()) * kRowPitch + 8; }

int pageWidth(const Page& page) {
  const int pictureRight = page.picture.name ? kPictureLeft + page.picture.width : 0;
  return std::max(640, pictureRight + 20);
}

int pageHeight(const Page& page) {
  const int rows = buttonsTop(page) + kButtonHeight + 18;
  const int picture = page.picture.name ? kFirstRowTop + page.picture.height + 16 : 0;
  return std::max(rows, picture);
}

// A button wide enough for its caption in the design font.
int buttonWidth(const char* caption) {
  QFont font;
  font.setPointSize(kDesignFontSize);
  QString text = QString::fromUtf8(caption);
  text.remove(QLatin1Char('&'));
  return std::max(kButtonMinWidth, QFontMetrics(font).horizontalAdvance(text) + 24);
}

QString headingName(const Page& page, int index) {
  return page.headingName ? QString::fromUtf8(page.headingName) : QStringLiteral("lblHeading%1").arg(index);
}

K boxKind(const Page& page, const PageRow& row) {
  if (row.kind == RowKind::Answer) return K::Answer;
  return page.boxes == BoxKind::Filtered ? K::NumericBox : K::TextBox;
}

// The controls of one page; `parent` is its tab page or the surface.
void addPage(std::vector<ControlRow>& c, const PageForm& form, const Page& page, int index, const Parent& parent) {
  const auto text = [](const char* s) { return s ? QString::fromUtf8(s) : QString(); };
  if (page.heading)
    c.push_back({.kind = K::Label,
                 .name = headingName(page, index),
                 .caption = text(page.heading),
                 .geometry = QRect(kLabelLeft, 8, pageWidth(page) - 2 * kLabelLeft, 24),
                 .parent = parent,
                 .fontSize = 10});
  if (page.picture.name)
    c.push_back({.kind = page.picture.source == PictureSource::Window ? K::Drawing : K::Picture,
                 .name = text(page.picture.name),
                 .geometry = QRect(kPictureLeft, kFirstRowTop, page.picture.width, page.picture.height),
                 .parent = parent,
                 .fontSize = 0,
                 .picture = text(page.picture.drawing)});
  const int listLeft = page.unitsCaption ? kListLeft + kUnitsWidth : kListLeft;
  const K listKind = form.lists == ListKind::Editable ? K::EditList : K::PickList;
  int top = kFirstRowTop;
  for (const PageRow& row : page.rows) {
    // The caption may take two lines: it has the row's whole pitch but a
    // small gap, centred on its box.
    c.push_back({.kind = K::Label,
                 .name = QStringLiteral("lbl") + text(row.box),
                 .caption = text(row.caption),
                 .geometry = QRect(kLabelLeft, top - kCaptionOverhang, kLabelWidth, kRowHeight + 2 * kCaptionOverhang),
                 .parent = parent,
                 .captionOf = row.kind == RowKind::Value ? QStringList{text(row.box), text(row.list)}
                                                         : QStringList{text(row.list)}});
    c.push_back({.kind = boxKind(page, row),
                 .name = text(row.box),
                 .caption = text(row.boxText),
                 .geometry = QRect(kBoxLeft, top, kBoxWidth, kRowHeight),
                 .tooltip = text(row.boxTip),
                 .parent = parent});
    if (page.unitsCaption)
      c.push_back({.kind = K::Label,
                   .name = QStringLiteral("lblUnits") + text(row.list),
                   .caption = text(page.unitsCaption),
                   .geometry = QRect(kListLeft, top, kUnitsWidth, kRowHeight),
                   .parent = parent});
    c.push_back({.kind = listKind,
                 .name = text(row.list),
                 .geometry = QRect(listLeft, top, kListWidth, kRowHeight),
                 .tooltip = text(row.listTip),
                 .parent = parent});
    top += kRowPitch;
  }
  int left = kBoxLeft;
  for (const PageButton& button : page.buttons) {
    const int width = buttonWidth(button.caption);
    c.push_back({.kind = K::Button,
                 .name = text(button.name),
                 .caption = text(button.caption),
                 .geometry = QRect(left, buttonsTop(page), width, kButtonHeight),
                 .tooltip = text(button.tip),
                 .parent = parent});
    left += width + kButtonGap;
  }
}

struct BuiltForm {
  std::vector<ControlRow> controls;
  QSize size;
};

BuiltForm buildForm(const PageForm& form) {
  BuiltForm built;
  int width = 0, height = 0;
  for (const Page& page : form.pages) {
    width = std::max(width, pageWidth(page));
    height = std::max(height, pageHeight(page));
  }
  if (!form.tabs) {
    addPage(built.controls, form, form.pages.front(), 0, {});
    built.size = QSize(width, height);
    return built;
  }
  QStringList captions;
  for (const Page& page : form.pages) captions << QString::fromUtf8(page.tab);
  const int tabCount = static_cast<int>(form.pages.size());
  const int tabRows = (tabCount + form.tabsPerRow - 1) / form.tabsPerRow;
  const int tabsHeight = height + tabRows * kTabBarRowHeight;
  const QString tabs = QString::fromUtf8(form.tabs);
  built.controls.push_back({.kind = K::Tabs,
                            .name = tabs,
                            .geometry = QRect(kMargin, kMargin, width, tabsHeight),
                            .tabs = captions,
                            .tabsPerRow = form.tabsPerRow});
  for (int i = 0; i < tabCount; ++i) addPage(built.controls, form, form.pages[i], i, {.container = tabs, .page = i});
  built.size = QSize(width + 2 * kMargin, tabsHeight + 2 * kMargin);
  return built;
}

FormDesign windowDesign(const PageForm& form, const BuiltForm& built) {
  return {.key = form.key,
          .caption = QString::fromUtf8(form.caption),
          .designSize = built.size,
          .pages = form.tabs ? PageCreation::OnDemand : PageCreation::AtOnce};
}

// The control table of a form, made once per form for the whole run.
const BuiltForm& builtForm(const PageForm& form) {
  static std::map<const PageForm*, BuiltForm> built;
  auto it = built.find(&form);
  if (it == built.end()) it = built.emplace(&form, buildForm(form)).first;
  return it->second;
}

}  // namespace

PageWindow::PageWindow(WindowRegistry& registry, const PageForm& form, DrawingFactory drawings, PageAction action)
    : FormWindow(registry, windowDesign(form, builtForm(form)), builtForm(form).controls, std::move(drawings)),
      form_(form),
      action_(std::move(action)) {
  bindButtons(controls());
  if (form.tabs) control<TabControl>(form.tabs)->setCurrentIndex(form.firstTab);
}

void PageWindow::onControlsCreated(const QList<QPointer<QWidget>>& created) { bindButtons(created); }

// Every button of the pages among `controls` gets its action.
void PageWindow::bindButtons(const QList<QPointer<QWidget>>& controls) {
  for (const Page& page : form_.pages) {
    for (const PageButton& button : page.buttons) {
      auto* widget = qobject_cast<QAbstractButton*>(findControl(controls, QString::fromUtf8(button.name)));
      if (!widget) continue;
      const Page* owner = &page;
      const PageButton* pressed = &button;
      const int index = static_cast<int>(owner - form_.pages.data());
      connect(widget, &QAbstractButton::clicked, this, [this, owner, pressed, index] {
        if (pressed->action == ButtonAction::Calculate) {
          calculate(owner->calculate);
        } else if (action_) {
          action_(index, *pressed);
        }
      });
    }
  }
}

void PageWindow::onLoad() {
  for (const Page& page : form_.pages)
    for (const PageRow& row : page.rows)
      if (const auto* items = row.items)
        setListItems(
            QString::fromUtf8(row.list), [items] { return *items; }, row.order);
}

}  // namespace calvexa
