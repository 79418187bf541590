#include "ui/page_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <utility>

namespace calvexa {
namespace {

constexpr int kBorder = 12;  // grey around the page
constexpr double kZoomStep = 1.25;
constexpr double kLeastZoom = 0.1, kMostZoom = 8;

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
  relayout();
  emit pageChanged();
}

void PageView::setCurrentPage(int page) {
  page = std::clamp(page, 1, std::max(1, document_.pages));
  if (page == current_) return;
  current_ = page;
  verticalScrollBar()->setValue(0);
  viewport()->update();
  emit pageChanged();
}

void PageView::zoomIn() {
  factor_ = std::min(kMostZoom, scale() * document_.dpi / logicalDpiX() * kZoomStep);
  fit_ = Fit::Factor;
  relayout();
}

void PageView::zoomOut() {
  factor_ = std::max(kLeastZoom, scale() * document_.dpi / logicalDpiX() / kZoomStep);
  fit_ = Fit::Factor;
  relayout();
}

void PageView::fitToWidth() {
  fit_ = Fit::Width;
  relayout();
}

void PageView::fitInView() {
  fit_ = Fit::Page;
  relayout();
}

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

void PageView::paintEvent(QPaintEvent*) {
  if (document_.pages <= 0) return;
  const QImage& image = pageImage();
  const QSize page = pageSize();
  const QSize view = viewport()->size();
  // Centred while it fits, scrolled when it does not.
  const int x = page.width() + 2 * kBorder <= view.width() ? (view.width() - page.width()) / 2
                                                           : kBorder - horizontalScrollBar()->value();
  const int y = page.height() + 2 * kBorder <= view.height() ? kBorder : kBorder - verticalScrollBar()->value();
  QPainter painter(viewport());
  painter.fillRect(QRect(QPoint(x + 3, y + 3), page), palette().color(QPalette::Shadow));
  painter.drawImage(QPoint(x, y), image);
}

void PageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  relayout();
}

// Page Up and Page Down turn the pages; Home and End go to the first and the last.
void PageView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageUp:
      setCurrentPage(current_ - 1);
      return;
    case Qt::Key_PageDown:
      setCurrentPage(current_ + 1);
      return;
    case Qt::Key_Home:
      setCurrentPage(1);
      return;
    case Qt::Key_End:
      setCurrentPage(document_.pages);
      return;
    default:
      QAbstractScrollArea::keyPressEvent(event);
  }
}

}  // namespace calvexa
