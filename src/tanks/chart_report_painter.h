// The strapping chart report, painted page by page with QPainter onto any
// paged device (the preview's printer, a printer, a PDF file), or written as
// PDF directly in the standard faces when its text allows: the title, the
// three header lines, the column captions, the rows in "0.000", the footer
// lines and "Page: n of m", in an Arial-metric font, inside margins of at
// least half an inch on paper of the printer's size. The last page is the
// fill curve.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "tanks/chart_rules.h"

class QPageLayout;
class QPainter;
class QPagedPaintDevice;

namespace calvexa {

class ReportCanvas;

class ChartReportPainter {
 public:
  explicit ChartReportPainter(const ChartReport& report);

  // The fill curve's points (the tab's own calculation, fillCurve); without
  // them the curve runs through the chart's rows.
  void setCurve(std::vector<ChartRow> curve) { curve_ = std::move(curve); }

  // Lays the pages out for `device` (its paint rectangle and resolution):
  // the table's pages, then one page of the fill curve. Margins narrower
  // than kLeastMarginMm are widened on the device first.
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
  // Told the pages painted so far after each page; false stops the
  // painting (the user's Cancel).
  using PageProgress = std::function<bool(int pagesDone)>;
  enum class Printed { All, Failed, Cancelled };
  // Paints every page onto `device`, laid out for it, a new page between
  // them; Failed if the device could not be painted on (a file that cannot
  // be written). The layout of this painter stays as it was.
  Printed print(QPagedPaintDevice& device, const PageProgress& progress = {}) const;
  // How a PDF sets its text: in the PDF's standard Helvetica faces,
  // written directly (fast and small; taken when the report's fonts measure
  // as those faces and its text is plain ASCII, else Embedded), or in the
  // report's own fonts, embedded by Qt's PDF engine.
  enum class PdfFonts { Standard, Embedded };
  // Every page as a PDF document on paper of `layout` at `resolution`,
  // written into memory (a PDF writer reports no failure of the file it
  // writes, so the file is written from this); empty if it could not be
  // painted or was cancelled (`cancelled` then set).
  QByteArray pdf(const QPageLayout& layout, int resolution, const PageProgress& progress = {},
                 bool* cancelled = nullptr, PdfFonts fonts = PdfFonts::Standard) const;

 private:
  ChartReportPainter laidOutFor(QPagedPaintDevice& device) const;
  double numberWidth(const QString& text) const;
  void paintPage(ReportCanvas& canvas, int page) const;
  void paintRows(ReportCanvas& canvas, int page, double top) const;
  void paintHeader(ReportCanvas& canvas, bool curvePage) const;
  void paintFooter(ReportCanvas& canvas, int page) const;
  void paintCurve(ReportCanvas& canvas) const;
  std::optional<QByteArray> standardPdf(const QPageLayout& layout, int resolution, const PageProgress& progress,
                                        bool* cancelled) const;
  QByteArray embeddedPdf(const QPageLayout& layout, int resolution, const PageProgress& progress,
                         bool* cancelled) const;

  const ChartReport& report_;
  QFont title_, header_, caption_, row_, footer_, axis_;
  QFontMetricsF footerMetrics_, axisMetrics_;  // on the device laid out for
  double rowAscent_ = 0;
  QRectF area_;  // the page's paint rectangle, device units from its top left
  double dpi_ = 72;
  double rowHeight_ = 1, rowsTop_ = 0, footerTop_ = 0;
  std::array<double, 4> columnLeft_{};
  std::array<double, 128> charWidth_{};  // advance of each ASCII character in the row font
  int rowsPerPage_ = 1;
  int pages_ = 1;
  QString heightUnit_, volumeUnit_;
  std::vector<ChartRow> curve_;
  // The page header and footer as laid out once for the document: each
  // text with where its baseline starts.
  struct PlacedText {
    QString text;
    QPointF at;
  };
  std::vector<PlacedText> headerTexts_, captions_, footerTexts_;
  PlacedText curveCaption_;
  std::array<double, 2> headerRules_{};  // under the header lines, under the captions
  double pageNumberBaseline_ = 0;
};

// Paper margins a printer does not clip: half an inch.
constexpr double kLeastMarginMm = 12.7;

}  // namespace calvexa
