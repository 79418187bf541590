// Proportional resizing: every control's position, size and font follow the
// window's inner size, measured against the geometry first seen.
#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <map>
#include <utility>

namespace calvexa {

class Resizer {
 public:
  // Rescales `controls` (children of `surface`, the window's inner area). The
  // first call for a window records its inner size and every control's
  // geometry and font size as 100 %; the rows are kept for the whole run.
  void ResizeControls(QWidget* surface, const QList<QPointer<QWidget>>& controls);

  // Controls created after their window was first seen (a tab page filled on
  // demand): their present geometry is recorded as 100 % of the size first
  // seen, and they are scaled at once to the window's present size.
  void adoptControls(QWidget* surface, const QList<QPointer<QWidget>>& controls);

 private:
  struct WindowRow {
    int width = 0;
    int height = 0;
  };
  struct DesignedControl {
    QRect geometry;
    int fontSize = 0;  // whole points; 0 for controls without a font of their own
  };
  void registerWindow(const QString& window, QWidget* surface, const QList<QPointer<QWidget>>& controls);
  void registerControls(const QString& window, const QList<QPointer<QWidget>>& controls, const QFont& design);
  void scale(const QString& window, QWidget* surface, const QList<QPointer<QWidget>>& controls);

  std::map<QString, WindowRow> windows_;
  std::map<std::pair<QString, QString>, DesignedControl> controls_;
  bool resizing_ = false;
};

}  // namespace calvexa
