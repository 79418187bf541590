#include "ui/controls.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace calvexa {

PictureButton::PictureButton(const QString& picture, QWidget* parent)
    : QAbstractButton(parent), renderer_(new QSvgRenderer(picture, this)) {
  setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(3, 3, -3, -3);
  if (!isEnabled()) painter.setOpacity(0.3);  // a calculator not in this version
  if (renderer_->isValid()) renderer_->render(&painter, area);
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

TabControl::TabControl(const QStringList& captions, int tabsPerRow, QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)), stack_(new QStackedWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* tabs = new QGridLayout;
  tabs->setSpacing(0);
  layout->addLayout(tabs);
  layout->addWidget(stack_, 1);
  stack_->setFrameShape(QFrame::StyledPanel);
  for (int i = 0; i < captions.size(); ++i) {
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("tab%1").arg(i));
    button->setText(captions[i]);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    group_->addButton(button, i);
    tabs->addWidget(button, i / tabsPerRow, i % tabsPerRow);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("page%1").arg(i));
    pages_.push_back(page);
    stack_->addWidget(page);
  }
  if (!captions.isEmpty()) group_->button(0)->setChecked(true);
  connect(group_, &QButtonGroup::idClicked, this, &TabControl::setCurrentIndex);
}

int TabControl::currentIndex() const { return stack_->currentIndex(); }

void TabControl::setCurrentIndex(int index) {
  if (index < 0 || index >= pages_.size()) return;
  group_->button(index)->setChecked(true);
  if (stack_->currentIndex() == index) return;
  stack_->setCurrentIndex(index);
  emit currentChanged(index);
}

QAbstractButton* TabControl::tabButton(int index) const { return group_->button(index); }

void TabControl::setTabToolTip(int index, const QString& tip) {
  if (auto* button = group_->button(index)) button->setToolTip(tip);
}

QString TabControl::tabText(int index) const {
  auto* button = group_->button(index);
  return button ? button->text() : QString();
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
  refreshClock();
  connect(clock_, &QTimer::timeout, this, &StatusPanels::refreshClock);
  clock_->start(1000);
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
