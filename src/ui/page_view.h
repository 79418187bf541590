// A paged document on screen, one page at a time: each page is painted only
// when it is shown, at the size shown, so a document of thousands of pages
// opens as fast as one of a single page. Pages, zoom (fit the width, the
// whole page, or steps in and out) and scrolling within a page.
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

  explicit PageView(QWidget* parent = nullptr);

  void setDocument(Document document);
  int pageCount() const { return document_.pages; }
  int currentPage() const { return current_; }  // 1 first
  void setCurrentPage(int page);

  void zoomIn();
  void zoomOut();
  void fitToWidth();
  void fitInView();

 signals:
  void pageChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  enum class Fit { Width, Page, Factor };
  double scale() const;  // screen pixels per device unit
  QSize pageSize() const;
  void relayout();
  const QImage& pageImage();

  Document document_;
  int current_ = 1;
  Fit fit_ = Fit::Page;
  double factor_ = 1;  // the zoom when fit_ is Factor, as a share of the real size
  QImage image_;       // the page shown, as painted last
  int imagePage_ = -1;
};

}  // namespace calvexa
