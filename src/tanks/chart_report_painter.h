// The strapping chart report, painted page by page with QPainter onto any
// paged device (the preview's printer, a printer, a PDF file): the title, the
// three header lines, the column captions, the rows in "0.000", the footer
// lines and "Page: n of m", in an Arial-metric font.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QRectF>
#include <QString>
#include <array>

#include "tanks/chart_rules.h"

class QPageLayout;
class QPainter;
class QPagedPaintDevice;

namespace calvexa {

class ChartReportPainter {
 public:
  explicit ChartReportPainter(const ChartReport& report);

  // Lays the pages out for `device` (its paint rectangle and resolution):
  // the table's pages, then one page of the fill curve.
  void layout(QPagedPaintDevice& device);
  int pageCount() const { return pages_; }
  double dpi() const { return dpi_; }  // device units per inch of the device laid out for
  int tablePages() const { return pages_ - 1; }

  // Where row `row` of the chart stands: its page (0 first) and its band
  // across the paint area, device units from the area's top left.
  struct RowPlace {
    int page = 0;
    QRectF band;
  };
  RowPlace rowPlace(std::size_t row) const;

  // Paints page `page` (0 first) with `painter`, open on the laid-out device.
  void paintPage(QPainter& painter, int page) const;
  // Paints every page onto `device`, laid out for it, a new page between
  // them; false if the device could not be painted on (a file that cannot be
  // written). The layout of this painter stays as it was.
  bool print(QPagedPaintDevice& device) const;
  // Every page as a PDF document on paper of `layout` at `resolution`,
  // written into memory (a PDF writer reports no failure of the file it
  // writes, so the file is written from this); empty if it could not be
  // painted.
  QByteArray pdf(const QPageLayout& layout, int resolution) const;

 private:
  double numberWidth(const QString& text) const;
  void paintRows(QPainter& painter, int page, double top) const;
  void paintCurve(QPainter& painter) const;

  const ChartReport& report_;
  QFont title_, header_, caption_, row_, footer_, axis_;
  QRectF area_;  // the page's paint rectangle, device units from its top left
  double dpi_ = 72;
  double rowHeight_ = 1, rowsTop_ = 0, footerTop_ = 0;
  std::array<double, 4> columnLeft_{};
  std::array<double, 128> charWidth_{};  // advance of each ASCII character in the row font
  int rowsPerPage_ = 1;
  int pages_ = 1;
  QString heightUnit_, volumeUnit_;
};

}  // namespace calvexa
