// What a printed report draws with: text at its baseline, lines, a frame
// and a polyline, in device units of the paged device the report was laid
// out for (origin at the paint area's top left). A QPainter draws it on the
// screen, a printer or Qt's PDF engine; PdfDocument writes it as PDF
// operators of its own.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

class QPainter;

namespace calvexa {

class ReportCanvas {
 public:
  virtual void setFont(const QFont& font) = 0;
  // Lines in `colour`, `width` device units wide; text in the same colour.
  virtual void setPen(const QColor& colour, double width) = 0;
  virtual void drawText(const QPointF& baseline, const QString& text) = 0;
  // Text turned a quarter to the left, reading upwards from `baseline`.
  virtual void drawTextUpwards(const QPointF& baseline, const QString& text) = 0;
  virtual void drawLine(const QPointF& from, const QPointF& to) = 0;
  virtual void drawRect(const QRectF& rect) = 0;
  virtual void drawPolyline(const QPolygonF& points) = 0;

 protected:
  ~ReportCanvas() = default;
};

// A canvas on a painter; the painter's state is as it was when the canvas
// goes away.
class PainterCanvas final : public ReportCanvas {
 public:
  explicit PainterCanvas(QPainter& painter);
  ~PainterCanvas();
  PainterCanvas(const PainterCanvas&) = delete;
  PainterCanvas& operator=(const PainterCanvas&) = delete;

  void setFont(const QFont& font) override;
  void setPen(const QColor& colour, double width) override;
  void drawText(const QPointF& baseline, const QString& text) override;
  void drawTextUpwards(const QPointF& baseline, const QString& text) override;
  void drawLine(const QPointF& from, const QPointF& to) override;
  void drawRect(const QRectF& rect) override;
  void drawPolyline(const QPolygonF& points) override;

 private:
  QPainter& painter_;
};

}  // namespace calvexa
