#include "ui/page_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

namespace calvexa {
namespace {

constexpr int kBorder = 12;  // grey around the page
constexpr double kZoomStep = 1.25;
constexpr double kLeastZoom = 0.1, kMostZoom = 8;
constexpr int kWheelNotch = 120;  // eighths of a degree in one notch of a mouse wheel
constexpr int kFocusFrame = 2;    // pixels

int clampToBar(const QScrollBar* bar, int value) { return std::clamp(value, bar->minimum(), bar->maximum()); }

}  // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
  viewport()->setBackgroundRole(QPalette::Dark);
  viewport()->setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
}

void PageView::setDocument(Document document) {
  document_ = std::move(document);
  current_ = std::clamp(current_, 1, std::max(1, document_.pages));
  imagePage_ = -1;
  markPage_ = 0;
  relayout();
  emit pageChanged();
}

void PageView::setCurrentPage(int page, Edge from) {
  page = std::clamp(page, 1, std::max(1, document_.pages));
  if (page == current_) return;
  current_ = page;
  verticalScrollBar()->setValue(from == Edge::Top ? 0 : verticalScrollBar()->maximum());
  viewport()->update();
  emit pageChanged();
}

void PageView::zoomBy(double by) {
  const double factor = std::clamp(scale() * document_.dpi / logicalDpiX() * by, kLeastZoom, kMostZoom);
  rescale(Fit::Factor, factor);
}

// The point of the page in the middle of the view stays there as the
// scale changes, so zooming does not lose the reader's place.
void PageView::rescale(Fit fit, double factor) {
  const QSizeF before = pageSize();
  const QPointF middle = QPointF(viewport()->rect().center() - pageOrigin());
  const QPointF share(middle.x() / before.width(), middle.y() / before.height());
  fit_ = fit;
  factor_ = factor;
  relayout();
  const QSizeF after = pageSize();
  const QPoint centre = viewport()->rect().center();
  horizontalScrollBar()->setValue(clampToBar(
      horizontalScrollBar(), static_cast<int>(std::lround(share.x() * after.width())) + kBorder - centre.x()));
  verticalScrollBar()->setValue(clampToBar(
      verticalScrollBar(), static_cast<int>(std::lround(share.y() * after.height())) + kBorder - centre.y()));
}

void PageView::zoomIn() { zoomBy(kZoomStep); }

void PageView::zoomOut() { zoomBy(1 / kZoomStep); }

void PageView::fitToWidth() { rescale(Fit::Width, factor_); }

void PageView::fitInView() { rescale(Fit::Page, factor_); }

double PageView::scale() const {
  const QRectF& paper = document_.paper;
  if (paper.isEmpty()) return 1;
  const double width = std::max(1, viewport()->width() - 2 * kBorder) / paper.width();
  const double height = std::max(1, viewport()->height() - 2 * kBorder) / paper.height();
  switch (fit_) {
    case Fit::Width:
      return width;
    case Fit::Page:
      return std::min(width, height);
    case Fit::Factor:
      break;
  }
  return factor_ * logicalDpiX() / document_.dpi;
}

QSize PageView::pageSize() const {
  const double s = scale();
  return {std::max(1, static_cast<int>(std::lround(document_.paper.width() * s))),
          std::max(1, static_cast<int>(std::lround(document_.paper.height() * s)))};
}

// Centred while it fits, scrolled when it does not.
QPoint PageView::pageOrigin() const {
  const QSize page = pageSize();
  const QSize view = viewport()->size();
  const int x = page.width() + 2 * kBorder <= view.width() ? (view.width() - page.width()) / 2
                                                           : kBorder - horizontalScrollBar()->value();
  const int y = page.height() + 2 * kBorder <= view.height() ? kBorder : kBorder - verticalScrollBar()->value();
  return {x, y};
}

void PageView::relayout() {
  const QSize page = pageSize();
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * kBorder - view.width()));
  verticalScrollBar()->setRange(0, std::max(0, page.height() + 2 * kBorder - view.height()));
  horizontalScrollBar()->setPageStep(view.width());
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(20);
  horizontalScrollBar()->setSingleStep(20);
  viewport()->update();
}

// The page at the size shown. Painted in device units on an image whose
// resolution is the device's, scaled down: text in points keeps its size on
// the page.
const QImage& PageView::pageImage() {
  const qreal ratio = devicePixelRatioF();
  const QSize size = pageSize() * ratio;
  if (imagePage_ == current_ && image_.size() == size) return image_;
  image_ = QImage(size, QImage::Format_RGB32);
  image_.fill(Qt::white);
  const int dotsPerMetre = static_cast<int>(std::lround(document_.dpi / 0.0254));
  image_.setDotsPerMeterX(dotsPerMetre);
  image_.setDotsPerMeterY(dotsPerMetre);
  if (document_.paint && document_.pages > 0) {
    QPainter painter(&image_);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(size.width() / document_.paper.width(), size.height() / document_.paper.height());
    painter.translate(document_.paintArea.topLeft() - document_.paper.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), document_.paintArea.size()));
    document_.paint(painter, current_ - 1);
  }
  image_.setDevicePixelRatio(ratio);
  imagePage_ = current_;
  return image_;
}

QRect PageView::markOnScreen() const {
  if (markPage_ != current_ || document_.paper.isEmpty()) return {};
  const double s = scale();
  const QPointF inPage = (document_.paintArea.topLeft() - document_.paper.topLeft() + mark_.topLeft()) * s;
  return QRectF(QPointF(pageOrigin()) + inPage, mark_.size() * s).toAlignedRect();
}

void PageView::showMark(int page, const QRectF& area) {
  markPage_ = std::clamp(page, 1, std::max(1, document_.pages));
  mark_ = area;
  setCurrentPage(markPage_);
  // The mark in the middle of the view, as far as the page lets it be.
  const QRect now = markOnScreen();
  const QPoint middle = viewport()->rect().center() - now.center();
  verticalScrollBar()->setValue(clampToBar(verticalScrollBar(), verticalScrollBar()->value() - middle.y()));
  if (!viewport()->rect().contains(now))
    horizontalScrollBar()->setValue(clampToBar(horizontalScrollBar(), horizontalScrollBar()->value() - middle.x()));
  viewport()->update();
}

void PageView::clearMark() {
  markPage_ = 0;
  viewport()->update();
}

void PageView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  if (document_.pages > 0) {
    const QImage& image = pageImage();
    const QPoint origin = pageOrigin();
    painter.fillRect(QRect(origin + QPoint(3, 3), pageSize()), palette().color(QPalette::Shadow));
    painter.drawImage(origin, image);
    if (const QRect mark = markOnScreen(); !mark.isEmpty()) {
      QColor fill = palette().color(QPalette::Highlight);
      fill.setAlpha(70);
      painter.fillRect(mark, fill);
      painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
      painter.drawRect(mark.adjusted(0, 0, -1, -1));
    }
  }
  if (hasFocus()) {
    painter.setPen(
        QPen(palette().color(QPalette::Highlight), kFocusFrame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(viewport()->rect())
                         .adjusted(kFocusFrame / 2.0, kFocusFrame / 2.0, -kFocusFrame / 2.0, -kFocusFrame / 2.0));
  }
}

void PageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  relayout();
}

void PageView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void PageView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void PageView::scrollOrTurn(int pixels) {
  QScrollBar* bar = verticalScrollBar();
  if (pixels > 0 && bar->value() >= bar->maximum()) {
    setCurrentPage(current_ + 1, Edge::Top);
  } else if (pixels < 0 && bar->value() <= bar->minimum()) {
    setCurrentPage(current_ - 1, Edge::Bottom);
  } else {
    bar->setValue(clampToBar(bar, bar->value() + pixels));
  }
}

void PageView::keyPressEvent(QKeyEvent* event) {
  const bool narrow = horizontalScrollBar()->maximum() == 0;
  const int screen = std::max(1, verticalScrollBar()->pageStep() - verticalScrollBar()->singleStep());
  switch (event->key()) {
    case Qt::Key_PageUp:
      scrollOrTurn(-screen);
      return;
    case Qt::Key_PageDown:
      scrollOrTurn(screen);
      return;
    case Qt::Key_Up:
      scrollOrTurn(-verticalScrollBar()->singleStep());
      return;
    case Qt::Key_Down:
      scrollOrTurn(verticalScrollBar()->singleStep());
      return;
    case Qt::Key_Left:
      if (narrow) return setCurrentPage(current_ - 1);
      break;
    case Qt::Key_Right:
      if (narrow) return setCurrentPage(current_ + 1);
      break;
    case Qt::Key_Home:
      return setCurrentPage(1);
    case Qt::Key_End:
      return setCurrentPage(document_.pages);
    default:
      break;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void PageView::wheelEvent(QWheelEvent* event) {
  const int turned = event->angleDelta().y();
  if (event->modifiers() & Qt::ControlModifier) {
    // Each whole notch one step of zoom; a touch pad's small turns add up.
    wheelZoom_ += turned;
    for (; wheelZoom_ >= kWheelNotch; wheelZoom_ -= kWheelNotch) zoomIn();
    for (; wheelZoom_ <= -kWheelNotch; wheelZoom_ += kWheelNotch) zoomOut();
    event->accept();
    return;
  }
  const bool touchPad = !event->pixelDelta().isNull();
  const int notch = QApplication::wheelScrollLines() * verticalScrollBar()->singleStep();
  const int pixels = touchPad ? -event->pixelDelta().y() : -turned * notch / kWheelNotch;
  if (pixels == 0) return QAbstractScrollArea::wheelEvent(event);  // sideways only
  event->accept();
  // A touch pad's small pushes against the edge add up to a notch before
  // the page turns, so that a twitch does not turn it.
  const QScrollBar* bar = verticalScrollBar();
  const bool atEdge = pixels > 0 ? bar->value() >= bar->maximum() : bar->value() <= bar->minimum();
  if (!touchPad || !atEdge) {
    edgePush_ = 0;
    return scrollOrTurn(pixels);
  }
  edgePush_ += pixels;
  if (std::abs(edgePush_) < notch) return;
  edgePush_ = 0;
  scrollOrTurn(pixels);
}

}  // namespace calvexa
