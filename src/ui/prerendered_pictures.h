// Pictures drawn into pixels when the program is built (tools/render_pictures),
// for the pictures shown before the main menu: copying pixels costs far less
// at start than reading and drawing an SVG. app/ names the pictures and their
// sizes; a picture control uses the pixels only where they are exactly what
// drawing the SVG would give, and draws the SVG everywhere else.
#pragma once

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

}  // namespace calvexa
