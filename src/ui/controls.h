// The program's own control kinds: picture buttons with a pressed border, a
// tab control whose tabs wrap into rows, and the three-panel status bar.
#pragma once

#include <QAbstractButton>
#include <QStatusBar>
#include <QVector>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QStackedWidget;
class QSvgRenderer;
class QTimer;

namespace calvexa {

// A button showing a drawing; while a mouse button is held down over it a
// single-line border is drawn, which gives the pressed look.
class PictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  PictureButton(const QString& picture, QWidget* parent);
  bool borderShown() const { return borderShown_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QSvgRenderer* renderer_;
  bool borderShown_ = false;
};

// Tabs in rows of a fixed count above a stack of pages; switching runs no
// code of the window and changes no value.
class TabControl : public QWidget {
  Q_OBJECT
 public:
  TabControl(const QStringList& captions, int tabsPerRow, QWidget* parent);
  int count() const { return pages_.size(); }
  int currentIndex() const;
  void setCurrentIndex(int index);
  QWidget* page(int index) const { return pages_.value(index); }
  QAbstractButton* tabButton(int index) const;
  void setTabToolTip(int index, const QString& tip);
  QString tabText(int index) const;

 signals:
  void currentChanged(int index);

 private:
  QButtonGroup* group_;
  QStackedWidget* stack_;
  QVector<QWidget*> pages_;
};

// Status bar with three panels: text, date and time, the last two kept
// current by the bar itself.
class StatusPanels : public QStatusBar {
  Q_OBJECT
 public:
  explicit StatusPanels(QWidget* parent);
  void setText(const QString& text);
  QString text() const;
  QString dateText() const;
  QString timeText() const;

 private:
  void refreshClock();
  QLabel* text_;
  QLabel* date_;
  QLabel* time_;
  QTimer* clock_;
};

}  // namespace calvexa
