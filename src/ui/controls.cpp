#include "ui/controls.h"

#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>
#include <optional>

#include "core/number_text.h"
#include "ui/prerendered_pictures.h"
#include "ui/seam.h"

namespace calvexa {

QToolButton* toolButton(const QString& name, const QString& caption, const QString& tip, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(caption);
  button->setToolTip(tip);
  button->setAutoRaise(true);
  return button;
}

bool isEnterKey(const QKeyEvent& event) {
  const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  return enter && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void PushButton::keyPressEvent(QKeyEvent* event) {
  if (isEnterKey(*event)) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

DrawingFile::DrawingFile(const QString& file) : file_(file) {}
DrawingFile::~DrawingFile() = default;

namespace {

bool whole(double value) { return value == std::floor(value); }

// The pixels built in for `file` over `area`, when copying them gives exactly
// what drawing the SVG there would: the painter only scales by their scale
// and shifts, the area's corner falls on a whole device pixel, and it paints
// over at full opacity.
std::optional<QImage> prerendered(const QString& file, const QPainter& painter, const QRectF& area) {
  const QTransform& toDevice = painter.deviceTransform();
  const qreal scale = toDevice.m11();
  if (toDevice.type() > QTransform::TxScale || toDevice.m22() != scale) return std::nullopt;
  const QPointF corner = toDevice.map(area.topLeft());
  if (!whole(corner.x()) || !whole(corner.y())) return std::nullopt;
  if (painter.opacity() != 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
    return std::nullopt;
  return prerenderedImage(file, area.size(), scale);
}

}  // namespace

void DrawingFile::render(QPainter& painter, const QRectF& area) {
  if (!renderer_) {
    if (const std::optional<QImage> pixels = prerendered(file_, painter, area)) {
      painter.drawImage(area.topLeft(), *pixels);
      return;
    }
    renderer_ = std::make_unique<QSvgRenderer>(file_);
  }
  if (renderer_->isValid()) renderer_->render(&painter, area);
}

SvgPicture::SvgPicture(const QString& file, QWidget* parent) : QWidget(parent), drawing_(file) {}

void SvgPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawing_.render(painter, rect());
}

PictureButton::PictureButton(const QString& picture, QWidget* parent) : QAbstractButton(parent), drawing_(picture) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
}

// The tooltip says what the picture opens; screen readers say the same.
bool PictureButton::event(QEvent* event) {
  if (event->type() == QEvent::ToolTipChange) setAccessibleName(toolTip());
  return QAbstractButton::event(event);
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
  if (isEnterKey(*event)) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(3, 3, -3, -3);
  if (!isEnabled()) painter.setOpacity(0.3);  // a calculator not in this version
  drawing_.render(painter, area);
  painter.setOpacity(1.0);
  if (borderShown_) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
  }
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  borderShown_ = true;
  update();
  QAbstractButton::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  borderShown_ = false;
  update();
  QAbstractButton::mouseReleaseEvent(event);
}

AnswerLabel::AnswerLabel(const QString& text, Seam& seam, QWidget* parent)
    : QLabel(text, parent), seam_(seam), scroll_(new QScrollBar(Qt::Horizontal, this)) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setFocusPolicy(Qt::StrongFocus);
  scroll_->hide();
  scroll_->setFocusPolicy(Qt::NoFocus);
  connect(scroll_, &QScrollBar::valueChanged, this, [this] { update(); });
  fit();
}

// setText is not virtual: a changed text is noticed where the fit is used.
void AnswerLabel::fitIfChanged() const {
  if (text() != fittedText_ || font() != fittedFont_) const_cast<AnswerLabel*>(this)->fit();
}

QFont AnswerLabel::shownFont() const {
  fitIfChanged();
  return shown_;
}

bool AnswerLabel::scrolls() const {
  fitIfChanged();
  return scroll_->maximum() > 0;
}

// The text area: inside the frame and margin, above the scroll bar when it shows.
QRect AnswerLabel::textArea() const {
  QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  if (scroll_->maximum() > 0) area.setBottom(area.bottom() - scroll_->height());
  return area;
}

// Chooses the largest font up to the widget's own that shows the whole text;
// when even the smallest is too wide, the text scrolls.
void AnswerLabel::fit() {
  fittedText_ = text();
  fittedFont_ = font();
  shown_ = font();
  const int width = contentsRect().width() - 2 * margin();
  int points = shown_.pointSize() > 0 ? shown_.pointSize() : kMinimumPoints;
  int textWidth = QFontMetrics(shown_).horizontalAdvance(text());
  while (textWidth > width && points > kMinimumPoints) {
    shown_.setPointSize(--points);
    textWidth = QFontMetrics(shown_).horizontalAdvance(text());
  }
  const int overflow = std::max(0, textWidth - width);
  const int barHeight = std::clamp(height() / 4, 6, 12);
  scroll_->setGeometry(contentsRect().left(), contentsRect().bottom() + 1 - barHeight, contentsRect().width(),
                       barHeight);
  scroll_->setRange(0, overflow);
  scroll_->setPageStep(std::max(1, width));
  scroll_->setSingleStep(std::max(1, QFontMetrics(shown_).averageCharWidth()));
  scroll_->setVisible(overflow > 0);
  update();
}

bool AnswerLabel::event(QEvent* event) {
  const bool handled = QLabel::event(event);
  switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::ContentsRectChange:
    case QEvent::Show:
      fit();
      break;
    default:
      break;
  }
  return handled;
}

void AnswerLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void AnswerLabel::paintEvent(QPaintEvent*) {
  fitIfChanged();
  QPainter painter(this);
  drawFrame(&painter);
  const QRect area = textArea();
  painter.setFont(shown_);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setClipRect(area);
  if (scroll_->maximum() > 0) {
    // Scrolling text starts from its first character.
    painter.drawText(area.translated(-scroll_->value(), 0).adjusted(0, 0, scroll_->maximum(), 0),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
  } else {
    painter.drawText(area, static_cast<int>(alignment()), text());
  }
  if (hasFocus()) {
    painter.setClipping(false);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));
  }
}

void AnswerLabel::wheelEvent(QWheelEvent* event) {
  if (scroll_->maximum() <= 0) {
    QLabel::wheelEvent(event);
    return;
  }
  const int steps = (event->angleDelta().y() + event->angleDelta().x()) / 120;
  scroll_->setValue(scroll_->value() - steps * scroll_->singleStep() * 3);
  event->accept();
}

QMenu* AnswerLabel::createContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QStringLiteral("AnswerMenu"));
  QAction* shown = menu->addAction(QStringLiteral("&Copy"), this, &AnswerLabel::copyShown);
  shown->setObjectName(QStringLiteral("AnswerCopy"));
  QAction* number = menu->addAction(QStringLiteral("Copy &Number"), this, &AnswerLabel::copyNumber);
  number->setObjectName(QStringLiteral("AnswerCopyNumber"));
  return menu;
}

void AnswerLabel::copyShown() {
  seam_.clearClipboard();
  seam_.setClipboardText(text());
}

void AnswerLabel::copyNumber() {
  seam_.clearClipboard();
  seam_.setClipboardText(QString::fromStdString(plainNumberText(text().toStdString())));
}

void AnswerLabel::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createContextMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void AnswerLabel::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copyShown();
    return;
  }
  if (scroll_->maximum() > 0) {
    switch (event->key()) {
      case Qt::Key_Left:
        scroll_->setValue(scroll_->value() - scroll_->singleStep());
        return;
      case Qt::Key_Right:
        scroll_->setValue(scroll_->value() + scroll_->singleStep());
        return;
      case Qt::Key_Home:
        scroll_->setValue(0);
        return;
      case Qt::Key_End:
        scroll_->setValue(scroll_->maximum());
        return;
      default:
        break;
    }
  }
  QLabel::keyPressEvent(event);
}

TabControl::TabControl(const QStringList& captions, int tabsPerRow, QWidget* parent)
    : QWidget(parent), captions_(captions), tabsPerRow_(tabsPerRow), current_(captions.isEmpty() ? -1 : 0) {}

void TabControl::ensureBuilt() const {
  if (!stack_) const_cast<TabControl*>(this)->build();
}

void TabControl::build() {
  group_ = new QButtonGroup(this);
  stack_ = new QStackedWidget(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* tabs = new QGridLayout;
  tabs->setSpacing(0);
  layout->addLayout(tabs);
  layout->addWidget(stack_, 1);
  stack_->setFrameShape(QFrame::StyledPanel);
  for (int i = 0; i < captions_.size(); ++i) {
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("tab%1").arg(i));
    button->setText(captions_[i]);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    group_->addButton(button, i);
    tabs->addWidget(button, i / tabsPerRow_, i % tabsPerRow_);
    button->installEventFilter(this);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("page%1").arg(i));
    pages_.push_back(page);
    stack_->addWidget(page);
  }
  showCurrent();
  connect(group_, &QButtonGroup::idClicked, this, &TabControl::setCurrentIndex);
  // Switching tabs from anywhere inside the control, wrapping at the ends.
  const auto keys = [this](QKeySequence sequence, int by) {
    auto* shortcut = new QShortcut(sequence, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, by] { switchByKeyboard(by); });
  };
  keys(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
  keys(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
  keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
  keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
  keys(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

QWidget* TabControl::page(int index) const {
  ensureBuilt();
  return pages_.value(index);
}

QAbstractButton* TabControl::tabButton(int index) const {
  ensureBuilt();
  return group_->button(index);
}

// The current tab checked and the only one that takes the focus, so Tab
// into the strip lands on it; its page on top.
void TabControl::showCurrent() {
  if (current_ < 0) return;
  group_->button(current_)->setChecked(true);
  for (QAbstractButton* button : group_->buttons())
    button->setFocusPolicy(button == group_->button(current_) ? Qt::TabFocus : Qt::NoFocus);
  stack_->setCurrentIndex(current_);
}

void TabControl::setCurrentIndex(int index) {
  if (index < 0 || index >= count()) return;
  const bool changed = index != current_;
  current_ = index;
  if (stack_) showCurrent();
  if (changed) emit currentChanged(index);
}

void TabControl::step(int by, bool wrap) {
  const int n = count();
  if (n == 0) return;
  int next = currentIndex() + by;
  if (wrap) {
    next = (next % n + n) % n;
  } else if (next < 0 || next >= n) {
    return;
  }
  setCurrentIndex(next);
}

// Ctrl+Tab and its kin: the next page with the focus on its first box.
void TabControl::switchByKeyboard(int by) {
  step(by, true);
  if (QWidget* first = firstInputOfCurrentPage()) {
    first->setFocus(Qt::TabFocusReason);
  } else {
    tabButton(currentIndex())->setFocus(Qt::TabFocusReason);
  }
}

// Arrow keys on the current tab move to a neighbour and show it, as a tab bar does.
bool TabControl::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && group_->buttons().contains(qobject_cast<QAbstractButton*>(watched))) {
    auto* key = static_cast<QKeyEvent*>(event);
    int by = 0;
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up) by = -1;
    if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down) by = 1;
    if (by != 0 && key->modifiers() == Qt::NoModifier) {
      step(by, false);
      tabButton(currentIndex())->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

QWidget* TabControl::firstInputOfCurrentPage() const {
  QWidget* page = this->page(currentIndex());
  if (!page) return nullptr;
  QWidget* firstFocusable = nullptr;
  // Children in creation order, which is the tab order of a page.
  for (QWidget* child : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child->focusPolicy() == Qt::NoFocus || !child->isEnabled()) continue;
    if (qobject_cast<QLineEdit*>(child)) return child;
    if (!firstFocusable) firstFocusable = child;
  }
  return firstFocusable;
}

StatusPanels::StatusPanels(QWidget* parent)
    : QStatusBar(parent),
      text_(new QLabel(QStringLiteral("Status"), this)),
      date_(new QLabel(this)),
      time_(new QLabel(this)),
      clock_(new QTimer(this)) {
  setObjectName(QStringLiteral("sbStatusBar"));
  setSizeGripEnabled(true);
  text_->setObjectName(QStringLiteral("sbStatusBarText"));
  date_->setObjectName(QStringLiteral("sbStatusBarDate"));
  time_->setObjectName(QStringLiteral("sbStatusBarTime"));
  addWidget(text_, 1);
  addPermanentWidget(date_);
  addPermanentWidget(time_);
  connect(clock_, &QTimer::timeout, this, &StatusPanels::refreshClock);
}

// The clock runs while the bar can be seen, and is right when it appears.
void StatusPanels::showEvent(QShowEvent* event) {
  refreshClock();
  clock_->start(1000);
  QStatusBar::showEvent(event);
}

void StatusPanels::hideEvent(QHideEvent* event) {
  clock_->stop();
  QStatusBar::hideEvent(event);
}

void StatusPanels::setText(const QString& text) { text_->setText(text); }
QString StatusPanels::text() const { return text_->text(); }
QString StatusPanels::dateText() const { return date_->text(); }
QString StatusPanels::timeText() const { return time_->text(); }

void StatusPanels::refreshClock() {
  const QDateTime now = QDateTime::currentDateTime();
  const QLocale locale;
  date_->setText(locale.toString(now.date(), QLocale::ShortFormat));
  time_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

}  // namespace calvexa
