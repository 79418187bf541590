// A PDF document written directly, page by page, for reports of plain
// text and lines: a good deal faster and smaller than a painter's PDF for
// thousands of pages of figures. Its text is set in the PDF's own standard
// Helvetica faces, which need no embedding; a report whose fonts measure
// as Helvetica (Arial and its metric twins) keeps its layout to the point.
// Only printable ASCII text is written: anything else marks the document as
// not plain, and the caller makes it the painter's way instead.
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <string>
#include <vector>

#include "ui/report_canvas.h"

namespace calvexa {

class PdfDocument final : public ReportCanvas {
 public:
  // Pages of `page` (size, orientation and margins); the canvas's units
  // are device pixels at `resolution` dots per inch, from the top left of
  // the paint area, as a painter on a PDF writer of that layout has them.
  PdfDocument(const QPageLayout& page, int resolution);

  // Whether text of `font` can be set in the standard faces at the size
  // and widths it was measured with.
  static bool writes(const QFont& font);

  // Ends the page being written, if any, and starts the next one.
  void newPage();
  // Whether every text so far was printable ASCII.
  bool plain() const { return plain_; }
  // The whole document, with its title and creator.
  QByteArray finish(const QString& title, const QString& creator);

  void setFont(const QFont& font) override;
  void setPen(const QColor& colour, double width) override;
  void drawText(const QPointF& baseline, const QString& text) override;
  void drawTextUpwards(const QPointF& baseline, const QString& text) override;
  void drawLine(const QPointF& from, const QPointF& to) override;
  void drawRect(const QRectF& rect) override;
  void drawPolyline(const QPolygonF& points) override;

 private:
  void endPage();
  void number(double value);
  void point(const QPointF& at);
  void beginText();
  void endText();
  void placeText(const QPointF& baseline, bool upwards);
  void showText(const QString& text);
  void useFont();
  void usePen();
  void beginLines();

  double scale_;        // points per device pixel
  QPointF origin_;      // the paint area's top left, device pixels from the paper's
  double paperWidth_;   // points
  double paperHeight_;  // points
  std::string content_;
  std::vector<QByteArray> pages_;  // each page's content, compressed
  bool open_ = false;              // a page is being written
  bool inText_ = false;            // inside BT ... ET
  bool lineKnown_ = false;         // the text line's start is where line_ says, unturned
  QPointF line_;                   // in points
  bool plain_ = true;
  // The state asked for, and the state the page's content has.
  int face_ = 0, pageFace_ = -1;
  double size_ = 10, pageSize_ = 0;
  QColor colour_ = Qt::black, pageColour_ = Qt::black;
  double width_ = 1, pageWidth_ = -1;
};

}  // namespace calvexa
