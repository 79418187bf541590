// The window background: a vertical gradient drawn as horizontal bands.
// Coordinates are in scale units (twips, 15 to the pixel at the design's 96 dpi).
#pragma once

#include <cstdint>
#include <vector>

namespace calvexa {

constexpr int kTwipsPerPixel = 15;

struct GradientParams {
  std::int16_t redStart = 223, greenStart = 228, blueStart = 215;
  std::int16_t endLevel = 114;   // every channel reaches this at the bottom
  std::int16_t bandHeight = 50;  // scale units
  std::int16_t firstY = 0;
  std::int16_t bandDivisor = 1;                                    // a band is bandHeight / bandDivisor deep
  std::int16_t persistent = -1;                                    // -1 keep the painting, 0 not, else unchanged
  std::int16_t redDivisor = 1, greenDivisor = 1, blueDivisor = 1;  // clamped to 1..20
};

struct GradientBand {
  int top, bottom;  // scale units, both edges inside the band
  int left, right;
  std::uint8_t red, green, blue;
};

// The bands for a window of the given inner size in scale units, in drawing
// order. Sizes beyond 16 bits are read as the largest 16-bit value; a window
// of no height gets no bands.
std::vector<GradientBand> gradientBands(const GradientParams& params, int scaleWidth, int scaleHeight);

}  // namespace calvexa
