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

QPointF at(const PictureLayout& layout, DrawPoint p) {
  const DrawPoint pixel = layout.toPixels(p);
  return {pixel.x, pixel.y};
}

QPolygonF polygon(const Polyline& line, const PictureLayout& layout) {
  QPolygonF out;
  for (DrawPoint p : line) out << at(layout, p);
  return out;
}

// A dimension line with arrow heads, and its label in the box the layout
// gave it: level, or written up the page.
void drawMark(QPainter& painter, const DimensionMark& mark, const LabelBox* label, const PictureLayout& layout) {
  const QPointF a = at(layout, mark.from), b = at(layout, mark.to);
  painter.setPen(QPen(kMark, 1));
  painter.drawLine(a, b);
  const QPointF direction = b - a;
  const double length = std::hypot(direction.x(), direction.y());
  if (length > 6) {
    const QPointF unit = direction / length, normal(-unit.y(), unit.x());
    for (auto [tip, sign] : {std::pair{a, 1.0}, std::pair{b, -1.0}}) {
      const QPointF back = tip + unit * (kArrowLength * sign);
      painter.drawLine(tip, back + normal * kArrowHalfWidth);
      painter.drawLine(tip, back - normal * kArrowHalfWidth);
    }
  }
  if (!label) return;
  const QFontMetricsF metrics(painter.font());
  const QString text = QString::fromStdString(mark.label);
  const PictureBox& box = label->box;
  if (!label->upright) {
    painter.drawText(QPointF(box.left, box.top + metrics.ascent()), text);
    return;
  }
  painter.save();
  painter.translate(box.left + box.width / 2, box.top + box.height / 2);
  painter.rotate(-90);
  painter.drawText(QPointF(-box.height / 2, -box.width / 2 + metrics.ascent()), text);
  painter.restore();
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
  const QFontMetricsF metrics(font);
  const PictureLayout layout = layoutPicture(
      drawing_, width(), height(),
      [&metrics](const std::string& text) { return metrics.horizontalAdvance(QString::fromStdString(text)); },
      metrics.height());
  painter.setPen(Qt::NoPen);
  painter.setBrush(kLiquid);
  for (const Polyline& liquid : drawing_.liquid) painter.drawPolygon(polygon(liquid, layout));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kWall, 1.6));
  for (const Polyline& line : drawing_.outline) painter.drawPolyline(polygon(line, layout));
  painter.setPen(QPen(kFault, 2.2, Qt::DashLine));
  for (const Polyline& line : drawing_.faults) painter.drawPolyline(polygon(line, layout));
  for (std::size_t i = 0; i < drawing_.marks.size(); ++i)
    drawMark(painter, drawing_.marks[i], i < layout.labels.size() ? &layout.labels[i] : nullptr, layout);
}

}  // namespace calvexa
