#include "ui/prerendered_pictures.h"

#include <QIconEngine>
#include <QPixmap>

namespace calvexa {

std::optional<QImage> prerenderedImage(const QString& file, QSizeF size, qreal scale) {
  for (const PrerenderedPicture& picture : prerenderedPictures()) {
    if (picture.width != size.width() || picture.height != size.height() || picture.scale != scale ||
        file != QLatin1String(picture.file))
      continue;
    const int width = picture.width * picture.scale;
    QImage image(picture.pixels, width, picture.height * picture.scale, width * 4, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(picture.scale);
    return image;
  }
  return std::nullopt;
}

namespace {

// Normal pixmaps of a size built in come from the pixels; everything else
// (other sizes, the disabled and selected looks, painting) from the SVG
// icon, made when first needed. Like the SVG icon it lists no sizes: it
// draws at any size.
class DrawingIconEngine : public QIconEngine {
 public:
  explicit DrawingIconEngine(QString file) : file_(std::move(file)) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  // `size` in device pixels, as QIcon asks for it.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    if (mode == QIcon::Normal && state == QIcon::Off && scale > 0)
      if (const std::optional<QImage> image = prerenderedImage(file_, QSizeF(size) / scale, scale))
        return QPixmap::fromImage(*image);
    return svg().pixmap(QSizeF(QSizeF(size) / scale).toSize(), scale, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    svg().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return svg().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return svg().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DrawingIconEngine(file_); }
  QString key() const override { return QStringLiteral("calvexa-drawing"); }

 private:
  const QIcon& svg() {
    if (!svg_) svg_ = QIcon(file_);
    return *svg_;
  }
  QString file_;
  std::optional<QIcon> svg_;
};

}  // namespace

QIcon drawingIcon(const QString& file) { return QIcon(new DrawingIconEngine(file)); }

}  // namespace calvexa
