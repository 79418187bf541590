// The program's own control kinds: push and picture buttons that Enter
// clicks, answer fields that always show their whole text, a tab control
// whose tabs wrap into rows, and the three-panel status bar.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVector>
#include <QWidget>
#include <memory>

class QButtonGroup;
class QToolButton;
class QMenu;
class QPainter;
class QScrollBar;
class QStackedWidget;
class QSvgRenderer;
class QTimer;

namespace calvexa {

class Seam;

// A flat tool button of a viewer's bar (the help viewer's, a print preview's).
QToolButton* toolButton(const QString& name, const QString& caption, const QString& tip, QWidget* parent);

// True for Enter and Return without Ctrl, Alt or Meta.
bool isEnterKey(const QKeyEvent& event);

// A push button that Enter clicks when it has the focus, as Space does.
class PushButton : public QPushButton {
  Q_OBJECT
 public:
  PushButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// An SVG drawing read from its file when it is first drawn: a window built
// but not shown yet (a hidden window, the main menu before it maps) parses
// none of its pictures. A picture built in as pixels for the area drawn
// (ui/prerendered_pictures.h) is copied instead, while that gives the same
// pixels.
class DrawingFile {
 public:
  explicit DrawingFile(const QString& file);
  ~DrawingFile();
  // Draws the picture over `area`; nothing when the file is not a drawing.
  void render(QPainter& painter, const QRectF& area);

 private:
  QString file_;
  std::unique_ptr<QSvgRenderer> renderer_;
};

// A picture control: its drawing fills it.
class SvgPicture : public QWidget {
  Q_OBJECT
 public:
  SvgPicture(const QString& file, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  DrawingFile drawing_;
};

// A button showing a drawing; while a mouse button is held down over it a
// single-line border is drawn, which gives the pressed look. Enter clicks it
// when it has the focus; its tooltip is also its accessible name.
class PictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  PictureButton(const QString& picture, QWidget* parent);
  bool borderShown() const { return borderShown_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  DrawingFile drawing_;
  bool borderShown_ = false;
};

// A read-only answer that looks like a box and always shows its whole text:
// a text too wide for the field is drawn in a smaller font, down to a
// readable minimum; below that the field scrolls sideways (scroll bar, wheel,
// arrow keys). The widget's own font stays as the resizer sets it. Its
// context menu copies the text as shown or as a plain number, and Ctrl+C
// copies it as shown when it has the focus.
class AnswerLabel : public QLabel {
  Q_OBJECT
 public:
  static constexpr int kMinimumPoints = 7;

  AnswerLabel(const QString& text, Seam& seam, QWidget* parent);
  // "&Copy" and "Copy &Number", for the context menu.
  QMenu* createContextMenu(QWidget* parent);
  void copyShown();
  void copyNumber();
  // The font the text is drawn in now.
  QFont shownFont() const;
  // True while the text is wider than the field even in the smallest font.
  bool scrolls() const;
  QScrollBar* scrollBar() const { return scroll_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void fit();
  void fitIfChanged() const;
  QRect textArea() const;
  Seam& seam_;
  QScrollBar* scroll_;
  QFont shown_;
  QString fittedText_;
  QFont fittedFont_;
};

// Tabs in rows of a fixed count above a stack of pages; switching runs no
// code of the window and changes no value. From the keyboard: Ctrl+Tab and
// Ctrl+PageDown go to the next tab, Ctrl+Shift+Tab and Ctrl+PageUp to the
// previous one, both wrapping; only the current tab takes the focus, and the
// arrow keys there move to a neighbouring tab and show it. The tab buttons
// and pages are made when a page or tab is first asked for (its window asks
// before it is first shown): a window loaded at start-up but not opened
// costs none of them.
class TabControl : public QWidget {
  Q_OBJECT
 public:
  TabControl(const QStringList& captions, int tabsPerRow, QWidget* parent);
  int count() const { return static_cast<int>(captions_.size()); }
  int currentIndex() const { return current_; }
  void setCurrentIndex(int index);
  QWidget* page(int index) const;
  QAbstractButton* tabButton(int index) const;
  QString tabText(int index) const { return captions_.value(index); }
  // The first box of the current page, else its first control that takes the focus.
  QWidget* firstInputOfCurrentPage() const;

 signals:
  void currentChanged(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void ensureBuilt() const;
  void showCurrent();
  void step(int by, bool wrap);
  void switchByKeyboard(int by);
  QStringList captions_;
  int tabsPerRow_;
  int current_;
  QButtonGroup* group_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  QVector<QWidget*> pages_;
};

// Status bar with three panels: text, date and time, the last two kept
// current by the bar itself while it is shown.
class StatusPanels : public QStatusBar {
  Q_OBJECT
 public:
  explicit StatusPanels(QWidget* parent);
  void setText(const QString& text);
  QString text() const;
  QString dateText() const;
  QString timeText() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void refreshClock();
  QLabel* text_;
  QLabel* date_;
  QLabel* time_;
  QTimer* clock_;
};

}  // namespace calvexa
