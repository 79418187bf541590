#include "tanks/chart_report_painter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "tanks/chart_tools_rules.h"
#include "ui/pdf_document.h"
#include "ui/printer.h"
#include "ui/report_canvas.h"

namespace calvexa {
namespace {

constexpr double kGapPoints = 4;     // between text blocks
constexpr double kColumnPad = 8;     // points between a right-aligned number and the next column
constexpr double kRuleWidth = 0.75;  // points

QString text(const std::string& s) { return QString::fromStdString(s); }

// Text of the report's font family: Arial, or its metric twin.
QFont reportFont(double points, bool bold = false) {
  QFont font;
  font.setFamily(QStringLiteral("Arial"));  // Liberation Sans where Arial is not installed
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  // Plain Latin text needs no shaping rules: the fast path draws it the same.
  font.setStyleStrategy(QFont::PreferNoShaping);
  font.setKerning(false);
  return font;
}

}  // namespace

ChartReportPainter::ChartReportPainter(const ChartReport& report)
    : report_(report),
      title_(reportFont(16, true)),
      header_(reportFont(10)),
      caption_(reportFont(10, true)),
      row_(reportFont(9)),
      footer_(reportFont(8)),
      axis_(reportFont(8)),
      footerMetrics_(footer_),
      axisMetrics_(axis_),
      heightUnit_(text(report.recordset.heightUnit)),
      volumeUnit_(text(report.recordset.volumeUnit)) {}

namespace {

// Widens the device's margins to at least kLeastMarginMm on every side.
void keepLeastMargins(QPagedPaintDevice& device) {
  const QMarginsF now = device.pageLayout().margins(QPageLayout::Millimeter);
  const QMarginsF least(std::max(now.left(), kLeastMarginMm), std::max(now.top(), kLeastMarginMm),
                        std::max(now.right(), kLeastMarginMm), std::max(now.bottom(), kLeastMarginMm));
  if (least != now) device.setPageMargins(least, QPageLayout::Millimeter);
}

}  // namespace

void ChartReportPainter::layout(QPagedPaintDevice& device) {
  keepLeastMargins(device);
  dpi_ = device.logicalDpiY() > 0 ? device.logicalDpiY() : 72;
  const double unit = dpi_ / 72.0;  // device units per point
  const QRect paint = device.pageLayout().paintRectPixels(static_cast<int>(dpi_));
  area_ = QRectF(0, 0, paint.width(), paint.height());
  const QFontMetricsF title(title_, &device), header(header_, &device), caption(caption_, &device), row(row_, &device),
      footer(footer_, &device);
  rowHeight_ = row.lineSpacing();
  rowAscent_ = row.ascent();
  footerMetrics_ = footer;
  axisMetrics_ = QFontMetricsF(axis_, &device);
  // The page header, measured once for every page: the title centred, the
  // three header lines, a rule, the captions (numbers' captions right-aligned
  // over their numbers), a rule.
  for (int i = 0; i < 4; ++i) columnLeft_[static_cast<std::size_t>(i)] = area_.width() * i / 4;
  headerTexts_.clear();
  const QString titleText = QString::fromLatin1(kReportTitle);
  headerTexts_.push_back(
      {titleText, QPointF((area_.width() - title.horizontalAdvance(titleText)) / 2, title.ascent())});
  double y = title.lineSpacing() + kGapPoints * unit;
  for (const std::string& line : report_.headers) {
    headerTexts_.push_back({text(line), QPointF(0, y + header.ascent())});
    y += header.lineSpacing();
  }
  y += kGapPoints * unit;
  headerRules_[0] = y;
  y += kGapPoints * unit;
  captions_.clear();
  for (std::size_t i = 0; i < kColumnCaptions.size(); ++i) {
    const QString captionText = QString::fromLatin1(kColumnCaptions[i]);
    const bool number = i == 0 || i == 2;
    const double x =
        number ? columnLeft_[i + 1] - kColumnPad * unit - caption.horizontalAdvance(captionText) : columnLeft_[i];
    captions_.push_back({captionText, QPointF(x, y + caption.ascent())});
  }
  curveCaption_ = {QStringLiteral("Fill Curve: %1 (%2) against %3 (%4), from empty to full")
                       .arg(QString::fromLatin1(kColumnCaptions[2]), volumeUnit_,
                            QString::fromLatin1(kColumnCaptions[0]), heightUnit_),
                   QPointF(0, y + caption.ascent())};
  y += caption.lineSpacing();
  headerRules_[1] = y;
  rowsTop_ = y + kGapPoints * unit;
  // The page footer: a rule, the three footer lines, the page number on the right.
  footerTop_ = area_.height() - 3 * footer.lineSpacing() - 2 * kGapPoints * unit;
  footerTexts_.clear();
  y = footerTop_ + kGapPoints * unit;
  for (const std::string& line : report_.footers) {
    footerTexts_.push_back({text(line), QPointF(0, y + footer.ascent())});
    y += footer.lineSpacing();
  }
  pageNumberBaseline_ = y - footer.lineSpacing() + footer.ascent();
  rowsPerPage_ = std::max(1, static_cast<int>((footerTop_ - rowsTop_ - kGapPoints * unit) / rowHeight_));
  pages_ = calvexa::pageCount(report_.recordset.rows.size(), rowsPerPage_) + 1;
  for (int c = 32; c < 127; ++c) charWidth_[static_cast<std::size_t>(c)] = row.horizontalAdvance(QChar(c));
}

ChartReportPainter::RowPlace ChartReportPainter::rowPlace(std::size_t row) const {
  const auto perPage = static_cast<std::size_t>(rowsPerPage_);
  const double top = rowsTop_ + static_cast<double>(row % perPage) * rowHeight_;
  return {static_cast<int>(row / perPage), QRectF(0, top, area_.width(), rowHeight_)};
}

// Numbers are digits, a point and a sign: their widths add up without a
// layout of the text.
double ChartReportPainter::numberWidth(const QString& number) const {
  double width = 0;
  for (QChar c : number) width += charWidth_[static_cast<std::size_t>(c.unicode() & 0x7f)];
  return width;
}

void ChartReportPainter::paintRows(ReportCanvas& painter, int page, double top) const {
  const auto& rows = report_.recordset.rows;
  const std::size_t first = static_cast<std::size_t>(page) * static_cast<std::size_t>(rowsPerPage_);
  const std::size_t last = std::min(rows.size(), first + static_cast<std::size_t>(rowsPerPage_));
  const double unit = dpi_ / 72.0;
  const double heightRight = columnLeft_[1] - kColumnPad * unit;
  const double volumeRight = columnLeft_[3] - kColumnPad * unit;
  painter.setFont(row_);
  double y = top + rowAscent_;
  for (std::size_t i = first; i < last; ++i, y += rowHeight_) {
    const QString height = QString::fromLatin1(reportHeightText(report_, rows[i].height));
    const QString volume = QString::fromLatin1(rowVolumeText(rows[i].volume));
    painter.drawText(QPointF(heightRight - numberWidth(height), y), height);
    painter.drawText(QPointF(columnLeft_[1], y), heightUnit_);
    painter.drawText(QPointF(volumeRight - numberWidth(volume), y), volume);
    painter.drawText(QPointF(columnLeft_[3], y), volumeUnit_);
  }
  // The report ends with a rule under its last row.
  if (last == rows.size()) {
    const double rule = y - rowAscent_ + kGapPoints * unit / 2;
    painter.drawLine(QPointF(0, rule), QPointF(area_.width(), rule));
  }
}

void ChartReportPainter::paintHeader(ReportCanvas& painter, bool curvePage) const {
  painter.setFont(title_);
  painter.drawText(headerTexts_[0].at, headerTexts_[0].text);
  painter.setFont(header_);
  for (std::size_t i = 1; i < headerTexts_.size(); ++i) painter.drawText(headerTexts_[i].at, headerTexts_[i].text);
  painter.drawLine(QPointF(0, headerRules_[0]), QPointF(area_.width(), headerRules_[0]));
  painter.setFont(caption_);
  if (curvePage) {
    painter.drawText(curveCaption_.at, curveCaption_.text);
  } else {
    for (const PlacedText& caption : captions_) painter.drawText(caption.at, caption.text);
  }
  painter.drawLine(QPointF(0, headerRules_[1]), QPointF(area_.width(), headerRules_[1]));
}

void ChartReportPainter::paintFooter(ReportCanvas& painter, int page) const {
  painter.drawLine(QPointF(0, footerTop_), QPointF(area_.width(), footerTop_));
  painter.setFont(footer_);
  for (const PlacedText& line : footerTexts_) painter.drawText(line.at, line.text);
  const QString number = text(pageNumberText(page + 1, pages_));
  painter.drawText(QPointF(area_.width() - footerMetrics_.horizontalAdvance(number), pageNumberBaseline_), number);
}

void ChartReportPainter::paintPage(QPainter& painter, int page) const {
  PainterCanvas canvas(painter);
  paintPage(canvas, page);
}

void ChartReportPainter::paintPage(ReportCanvas& canvas, int page) const {
  const QPen rule(Qt::black, kRuleWidth * dpi_ / 72.0);
  canvas.setPen(rule.color(), rule.widthF());
  const bool curvePage = page >= tablePages();
  paintHeader(canvas, curvePage);
  if (curvePage) {
    paintCurve(canvas);
    canvas.setPen(rule.color(), rule.widthF());  // the curve's colours stay on the curve
  } else {
    paintRows(canvas, page, rowsTop_);
  }
  paintFooter(canvas, page);
}

// The fill curve: the chart's volume against its liquid height, on a grid
// with labelled axes in the chart's units.
void ChartReportPainter::paintCurve(ReportCanvas& painter) const {
  const std::vector<ChartRow>& rows = curve_.empty() ? report_.recordset.rows : curve_;
  const double unit = dpi_ / 72.0;
  const QFontMetricsF& metrics = axisMetrics_;
  painter.setFont(axis_);
  const QString xTitle = QStringLiteral("Liquid Height (%1)").arg(heightUnit_);
  const QString yTitle = QStringLiteral("Volume Quantity (%1)").arg(volumeUnit_);
  double lowH = 0, highH = 0, lowV = 0, highV = 0;
  for (const ChartRow& row : rows) {
    lowH = std::min(lowH, row.height);
    highH = std::max(highH, row.height);
    lowV = std::min(lowV, row.volume);
    highV = std::max(highV, row.volume);
  }
  const AxisScale xs = axisScale(lowH, highH, 8), ys = axisScale(lowV, highV, 10);
  const double xFirst = xs.first, xLast = xs.first + xs.step * (xs.count - 1);
  const double yFirst = ys.first, yLast = ys.first + ys.step * (ys.count - 1);
  // The plot area leaves room for the tick labels and the axis titles.
  double labelWidth = 0;
  for (int i = 0; i < ys.count; ++i)
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(text(generalText(ys.first + ys.step * i, 10))));
  const QRectF plot(2 * metrics.height() + labelWidth + 6 * unit, rowsTop_ + 2 * kGapPoints * unit, 0,
                    footerTop_ - rowsTop_ - 2 * metrics.height() - 8 * kGapPoints * unit);
  const QRectF area(plot.left(), plot.top(), area_.width() - plot.left() - 4 * kGapPoints * unit, plot.height());
  auto at = [&](double h, double v) {
    return QPointF(area.left() + (h - xFirst) / (xLast - xFirst) * area.width(),
                   area.bottom() - (v - yFirst) / (yLast - yFirst) * area.height());
  };
  painter.setPen(QColor(190, 190, 190), 0.5 * unit);
  for (int i = 0; i < xs.count; ++i)
    painter.drawLine(at(xFirst + xs.step * i, yFirst), at(xFirst + xs.step * i, yLast));
  for (int i = 0; i < ys.count; ++i)
    painter.drawLine(at(xFirst, yFirst + ys.step * i), at(xLast, yFirst + ys.step * i));
  painter.setPen(Qt::black, kRuleWidth * unit);
  painter.drawRect(area);
  for (int i = 0; i < xs.count; ++i) {
    const QString label = text(generalText(xFirst + xs.step * i, 10));
    const QPointF p = at(xFirst + xs.step * i, yFirst);
    painter.drawText(QPointF(p.x() - metrics.horizontalAdvance(label) / 2, p.y() + metrics.height()), label);
  }
  for (int i = 0; i < ys.count; ++i) {
    const QString label = text(generalText(yFirst + ys.step * i, 10));
    const QPointF p = at(xFirst, yFirst + ys.step * i);
    painter.drawText(QPointF(p.x() - metrics.horizontalAdvance(label) - 3 * unit, p.y() + metrics.ascent() / 2), label);
  }
  painter.drawText(QPointF(area.center().x() - metrics.horizontalAdvance(xTitle) / 2,
                           area.bottom() + 2 * metrics.height() + kGapPoints * unit),
                   xTitle);
  painter.drawTextUpwards(QPointF(metrics.height(), area.center().y() + metrics.horizontalAdvance(yTitle) / 2), yTitle);
  QPolygonF curve;
  for (const ChartRow& row : curvePoints(rows, 2000)) curve << at(row.height, row.volume);
  painter.setPen(QColor(30, 80, 160), 1.5 * unit);
  painter.drawPolyline(curve);
}

// A copy laid out for `device`: the pages laid out for the screen stay.
ChartReportPainter ChartReportPainter::laidOutFor(QPagedPaintDevice& device) const {
  ChartReportPainter job(report_);
  job.curve_ = curve_;
  job.layout(device);
  return job;
}

ChartReportPainter::Printed ChartReportPainter::print(QPagedPaintDevice& device, const PageProgress& progress) const {
  const ChartReportPainter job = laidOutFor(device);
  QPainter painter;
  if (!painter.begin(&device)) return Printed::Failed;
  for (int page = 0; page < job.pages_; ++page) {
    if (page > 0) device.newPage();
    job.paintPage(painter, page);
    if (progress && !progress(page + 1)) {
      // A printer drops the job rather than print the pages so far.
      abortPrinting(device);
      painter.end();
      return Printed::Cancelled;
    }
  }
  return painter.end() ? Printed::All : Printed::Failed;
}

namespace {
const QString kPdfTitle = QStringLiteral("Chart Results");
}

QByteArray ChartReportPainter::pdf(const QPageLayout& layout, int resolution, const PageProgress& progress,
                                   bool* cancelled, PdfFonts fonts) const {
  if (cancelled) *cancelled = false;
  if (fonts == PdfFonts::Standard) {
    if (std::optional<QByteArray> written = standardPdf(layout, resolution, progress, cancelled)) return *written;
  }
  return embeddedPdf(layout, resolution, progress, cancelled);
}

// Laid out on a PDF writer of the same paper, as Qt's engine would have it,
// then written page by page; nothing if the report's fonts or text need
// the engine after all.
std::optional<QByteArray> ChartReportPainter::standardPdf(const QPageLayout& layout, int resolution,
                                                          const PageProgress& progress, bool* cancelled) const {
  const QFont* fonts[] = {&title_, &header_, &caption_, &row_, &footer_, &axis_};
  if (!std::all_of(std::begin(fonts), std::end(fonts), [](const QFont* f) { return PdfDocument::writes(*f); }))
    return std::nullopt;
  QBuffer unused;
  QPdfWriter device(&unused);
  device.setPageLayout(layout);
  device.setResolution(resolution);
  const ChartReportPainter job = laidOutFor(device);
  PdfDocument document(device.pageLayout(), resolution);
  for (int page = 0; page < job.pages_; ++page) {
    document.newPage();
    job.paintPage(document, page);
    if (!document.plain()) return std::nullopt;
    if (progress && !progress(page + 1)) {
      if (cancelled) *cancelled = true;
      return QByteArray();
    }
  }
  return document.finish(kPdfTitle, QString::fromLatin1(kReportTitle));
}

QByteArray ChartReportPainter::embeddedPdf(const QPageLayout& layout, int resolution, const PageProgress& progress,
                                           bool* cancelled) const {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    writer.setResolution(resolution);
    writer.setTitle(kPdfTitle);
    writer.setCreator(QString::fromLatin1(kReportTitle));
    const Printed printed = print(writer, progress);
    if (cancelled) *cancelled = printed == Printed::Cancelled;
    if (printed != Printed::All) return {};
  }
  return buffer.data();
}

}  // namespace calvexa
