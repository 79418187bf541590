// A paged document on screen, one page at a time: each page is painted only
// when it is shown, at the size shown, so a document of thousands of pages
// opens as fast as one of a single page. Pages, zoom (fit the width, the
// whole page, or steps in and out), scrolling within a page, and a marked
// area of one page that the view can bring into sight.
//
// From the keyboard, with a frame around the view while it has the focus:
// Page Down and Page Up scroll by a screen and turn the page at its edge;
// the arrow keys scroll by a step and turn the page at its edge (Left and
// Right turn it when the page is as narrow as the view); Home and Ctrl+Home
// go to the first page, End and Ctrl+End to the last. The mouse wheel
// scrolls and turns the page at its edge; Ctrl with the wheel zooms.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QRectF>
#include <functional>

namespace calvexa {

class PageView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  // Paints page `page` (0 first) in device units, the painter's origin at
  // the top left of the page's paint rectangle.
  using PagePainter = std::function<void(QPainter& painter, int page)>;

  struct Document {
    int pages = 0;
    QRectF paper;      // the whole sheet, device units
    QRectF paintArea;  // where the painter draws, within the sheet
    double dpi = 72;   // device units per inch
    PagePainter paint;
  };

  // Where a turned page is shown from: its top, or its bottom when the
  // reader scrolled back into it.
  enum class Edge { Top, Bottom };

  explicit PageView(QWidget* parent = nullptr);

  void setDocument(Document document);
  int pageCount() const { return document_.pages; }
  int currentPage() const { return current_; }  // 1 first
  void setCurrentPage(int page, Edge from = Edge::Top);

  void zoomIn();
  void zoomOut();
  void fitToWidth();
  void fitInView();

  // Marks `area` of page `page` (1 first; device units from the top left of
  // the paint area) on screen only, turns to that page and scrolls the area
  // into the middle of the view. The mark stays until cleared or replaced.
  void showMark(int page, const QRectF& area);
  void clearMark();
  // The mark in viewport pixels; empty when there is none on the page shown.
  QRect markOnScreen() const;

 signals:
  void pageChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  enum class Fit { Width, Page, Factor };
  double scale() const;  // screen pixels per device unit
  QSize pageSize() const;
  QPoint pageOrigin() const;  // the page's top left in the viewport
  void relayout();
  const QImage& pageImage();
  // Scrolls by `pixels` (down when positive); at the edge the page turns.
  void scrollOrTurn(int pixels);
  void zoomBy(double factor);
  void rescale(Fit fit, double factor);

  Document document_;
  int current_ = 1;
  Fit fit_ = Fit::Page;
  double factor_ = 1;  // the zoom when fit_ is Factor, as a share of the real size
  QImage image_;       // the page shown, as painted last
  int imagePage_ = -1;
  int markPage_ = 0;  // 0: no mark
  QRectF mark_;
  int wheelZoom_ = 0;  // wheel turns towards the next zoom step, in eighths of a degree
  int edgePush_ = 0;   // touch pad pixels pushed against the page's edge
};

}  // namespace calvexa
