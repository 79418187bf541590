// Pictures drawn into pixels when the program is built (tools/render_pictures),
// for the pictures shown before the main menu: copying pixels costs far less
// at start than reading and drawing an SVG. app/ names the pictures and their
// sizes; a picture control and a drawing's icon use the pixels only where
// they are exactly what drawing the SVG would give, and draw the SVG
// everywhere else.
#pragma once

#include <QIcon>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>
#include <span>

namespace calvexa {

struct PrerenderedPicture {
  const char* file;             // the drawing's resource name, ":/pictures/calvexa.svg"
  int width;                    // device-independent pixels
  int height;                   // device-independent pixels
  int scale;                    // device pixels per device-independent pixel
  const unsigned char* pixels;  // premultiplied ARGB words, width * scale by height * scale
};

// Every picture built in (none when the program names none).
std::span<const PrerenderedPicture> prerenderedPictures();

// The built-in pixels of `file` drawn over `size` at `scale`, as an image of
// that device pixel ratio (its data is the program's own, never copied).
std::optional<QImage> prerenderedImage(const QString& file, QSizeF size, qreal scale);

// The icon of the SVG `file`, the same as QIcon(file) to the pixel, which
// hands out the built-in pixels where it has them for the size asked: an
// application icon that costs nothing to make and little to show.
QIcon drawingIcon(const QString& file);

}  // namespace calvexa
