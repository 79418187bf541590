#include "ui/report_canvas.h"

#include <QPainter>
#include <QPen>

namespace calvexa {

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) { painter_.save(); }

PainterCanvas::~PainterCanvas() { painter_.restore(); }

void PainterCanvas::setFont(const QFont& font) { painter_.setFont(font); }

void PainterCanvas::setPen(const QColor& colour, double width) { painter_.setPen(QPen(colour, width)); }

void PainterCanvas::drawText(const QPointF& baseline, const QString& text) { painter_.drawText(baseline, text); }

void PainterCanvas::drawTextUpwards(const QPointF& baseline, const QString& text) {
  painter_.save();
  painter_.translate(baseline);
  painter_.rotate(-90);
  painter_.drawText(QPointF(0, 0), text);
  painter_.restore();
}

void PainterCanvas::drawLine(const QPointF& from, const QPointF& to) { painter_.drawLine(from, to); }

void PainterCanvas::drawRect(const QRectF& rect) { painter_.drawRect(rect); }

void PainterCanvas::drawPolyline(const QPolygonF& points) { painter_.drawPolyline(points); }

}  // namespace calvexa
