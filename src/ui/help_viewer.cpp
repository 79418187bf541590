#include "ui/help_viewer.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/controls.h"

namespace calvexa {

HelpViewer::HelpViewer() : browser_(new QTextBrowser(this)), find_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Calvexa Help"));
  setAttribute(Qt::WA_DeleteOnClose);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenExternalLinks(false);
  find_->setObjectName(QStringLiteral("HelpFind"));
  find_->setPlaceholderText(QStringLiteral("Find (Ctrl+F)"));
  find_->setClearButtonEnabled(true);

  auto* back = toolButton(QStringLiteral("HelpBack"), QStringLiteral("&Back"), QStringLiteral("Back (Alt+Left)"), this);
  auto* forward = toolButton(QStringLiteral("HelpForward"), QStringLiteral("&Forward"),
                             QStringLiteral("Forward (Alt+Right)"), this);
  auto* contents =
      toolButton(QStringLiteral("HelpContents"), QStringLiteral("&Contents"), QStringLiteral("The contents"), this);
  auto* next = toolButton(QStringLiteral("HelpFindNext"), QStringLiteral("Find &Next"),
                          QStringLiteral("The next place the text is found (Enter)"), this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
  connect(contents, &QToolButton::clicked, this, &HelpViewer::showContents);
  connect(next, &QToolButton::clicked, this, &HelpViewer::findNext);
  connect(find_, &QLineEdit::returnPressed, this, &HelpViewer::findNext);
  connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, browser_, &QTextBrowser::backward);
  connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, browser_, &QTextBrowser::forward);
  auto* findKey = new QShortcut(QKeySequence::Find, this);
  connect(findKey, &QShortcut::activated, this, [this] {
    find_->setFocus(Qt::ShortcutFocusReason);
    find_->selectAll();
  });

  connect(browser_->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { section_.clear(); });
  connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
    if (url.fragment() != section_) section_.clear();
  });

  auto* bar = new QHBoxLayout;
  bar->addWidget(back);
  bar->addWidget(forward);
  bar->addWidget(contents);
  bar->addStretch(1);
  bar->addWidget(find_);
  bar->addWidget(next);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(browser_, 1);
  resize(760, 660);
}

void HelpViewer::open(const QString& path, const QString& section) {
  contents_ = QUrl::fromLocalFile(path);
  QUrl target = contents_;
  if (!section.isEmpty()) target.setFragment(section);
  section_ = section;
  browser_->setSource(target);
  if (!section.isEmpty()) browser_->scrollToAnchor(section);
}

// A viewer resized by the window system after it turned to its section
// (made to fit the screen) lays its text out again: the section stays on top.
void HelpViewer::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (section_.isEmpty()) return;
  layout()->activate();
  browser_->scrollToAnchor(section_);
}

void HelpViewer::showContents() {
  section_.clear();
  QUrl top = contents_;
  top.setFragment(QStringLiteral("contents"));
  browser_->setSource(top);
  browser_->scrollToAnchor(QStringLiteral("contents"));
}

// Finds the text after the cursor, starting again from the top at the end.
void HelpViewer::findNext() {
  const QString text = find_->text();
  if (text.isEmpty()) return;
  if (browser_->find(text)) return;
  QTextCursor start = browser_->textCursor();
  start.movePosition(QTextCursor::Start);
  browser_->setTextCursor(start);
  browser_->find(text);
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace calvexa
