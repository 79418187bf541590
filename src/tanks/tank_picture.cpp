#include "tanks/tank_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

namespace calvexa {
namespace {

const QColor kLiquid(70, 130, 205);
const QColor kWall(40, 40, 40);
const QColor kFault(205, 30, 30);
const QColor kMark(20, 20, 90);

// Maps tank coordinates (y up) into the widget's area, keeping proportions.
struct Scale {
  double factor;
  double x0, y0;  // the widget point of the tank's (left, top)
  double left, top;
  QPointF operator()(DrawPoint p) const { return {x0 + (p.x - left) * factor, y0 + (top - p.y) * factor}; }
};

Scale fit(const TankDrawing& d, const QRectF& area) {
  const double w = std::max(d.right - d.left, 1e-9), h = std::max(d.top - d.bottom, 1e-9);
  const double factor = std::min(area.width() / w, area.height() / h);
  const double x0 = area.left() + (area.width() - w * factor) / 2;
  const double y0 = area.top() + (area.height() - h * factor) / 2;
  return {factor, x0, y0, d.left, d.top};
}

QPolygonF polygon(const Polyline& line, const Scale& scale) {
  QPolygonF out;
  for (DrawPoint p : line) out << scale(p);
  return out;
}

// A dimension line with arrow heads and its label on the given side.
void drawMark(QPainter& painter, const DimensionMark& mark, const Scale& scale) {
  const QPointF a = scale(mark.from), b = scale(mark.to);
  painter.setPen(QPen(kMark, 1));
  painter.drawLine(a, b);
  const QPointF direction = b - a;
  const double length = std::hypot(direction.x(), direction.y());
  if (length > 6) {
    const QPointF unit = direction / length, normal(-unit.y(), unit.x());
    for (auto [tip, sign] : {std::pair{a, 1.0}, std::pair{b, -1.0}}) {
      const QPointF back = tip + unit * (4 * sign);
      painter.drawLine(tip, back + normal * 2.5);
      painter.drawLine(tip, back - normal * 2.5);
    }
  }
  const QFontMetricsF metrics(painter.font());
  const QString label = QString::fromStdString(mark.label);
  const double textWidth = metrics.horizontalAdvance(label);
  const QPointF middle = (a + b) / 2;
  switch (mark.side) {
    case DimensionMark::Side::Above:
      painter.drawText(QPointF(middle.x() - textWidth / 2, middle.y() - 3), label);
      break;
    case DimensionMark::Side::Inside:
      painter.drawText(QPointF(middle.x() + 3, middle.y() + metrics.ascent() / 2), label);
      break;
    case DimensionMark::Side::Below: {
      const QPointF low = a.y() > b.y() ? a : b;
      painter.drawText(QPointF(middle.x() - textWidth / 2, low.y() + metrics.ascent() + 2), label);
      break;
    }
    case DimensionMark::Side::Left:
    case DimensionMark::Side::Right: {
      // Up the line, read from below (left) or from above (right).
      painter.save();
      painter.translate(middle);
      painter.rotate(-90);
      const double offset = mark.side == DimensionMark::Side::Left ? -3 : metrics.ascent() + 2;
      painter.drawText(QPointF(-textWidth / 2, offset), label);
      painter.restore();
      break;
    }
  }
}

}  // namespace

bool tankShapeNamed(const QString& name, TankShape& shape) {
  const std::optional<TankShape> named = tankShapeOf(name.toStdString());
  if (named) shape = *named;
  return named.has_value();
}

TankPicture::TankPicture(TankShape shape, QWidget* parent)
    : QWidget(parent), shape_(shape), drawing_(drawTank(shape, typicalDimensions(shape))) {}

void TankPicture::setDimensions(const TankDimensions& dimensions) {
  drawing_ = drawTank(shape_, dimensions);
  update();
}

void TankPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  painter.setPen(QPen(palette().color(QPalette::Mid), 1));
  painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  QFont font = painter.font();
  font.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.85));
  painter.setFont(font);
  if (drawing_.outline.empty()) return;
  // Room for the labels: a full line above, and below when a label sits there.
  const double margin = QFontMetricsF(font).height() + 6;
  const bool labelBelow = std::any_of(drawing_.marks.begin(), drawing_.marks.end(), [](const DimensionMark& mark) {
    return mark.side == DimensionMark::Side::Below;
  });
  const double below = labelBelow ? margin : margin / 2;
  const Scale scale = fit(drawing_, QRectF(rect()).adjusted(margin, margin, -margin, -below));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kLiquid);
  for (const Polyline& liquid : drawing_.liquid) painter.drawPolygon(polygon(liquid, scale));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kWall, 1.6));
  for (const Polyline& line : drawing_.outline) painter.drawPolyline(polygon(line, scale));
  painter.setPen(QPen(kFault, 2.2, Qt::DashLine));
  for (const Polyline& line : drawing_.faults) painter.drawPolyline(polygon(line, scale));
  for (const DimensionMark& mark : drawing_.marks) drawMark(painter, mark, scale);
}

}  // namespace calvexa
