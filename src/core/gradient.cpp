#include "core/gradient.h"

#include <algorithm>
#include <cmath>

namespace calvexa {
namespace {

std::int16_t toInt16(int value) { return static_cast<std::int16_t>(std::clamp(value, -32768, 32767)); }

std::int16_t clampDivisor(std::int16_t divisor) { return static_cast<std::int16_t>(std::clamp<int>(divisor, 1, 20)); }

// Per-band step of one channel: 16-bit difference times band height, the
// division in floating point, kept in single precision.
float channelStep(std::int16_t start, const GradientParams& p, std::int16_t height) {
  auto product = toInt16((p.endLevel - start) * p.bandHeight);
  return static_cast<float>(static_cast<double>(product) / height);
}

// Nearest integer with ties to even, then integer division by the divisor.
std::uint8_t channelValue(float value, std::int16_t divisor) {
  long rounded = std::lrint(static_cast<double>(value));
  return static_cast<std::uint8_t>(std::clamp<long>(rounded / divisor, 0, 255));
}

}  // namespace

std::vector<GradientBand> gradientBands(const GradientParams& p, int scaleWidth, int scaleHeight) {
  std::vector<GradientBand> bands;
  const std::int16_t height = toInt16(scaleHeight);
  const std::int16_t width = toInt16(scaleWidth);
  if (height <= 0 || p.bandHeight <= 0) return bands;
  const std::int16_t redDivisor = clampDivisor(p.redDivisor);
  const std::int16_t greenDivisor = clampDivisor(p.greenDivisor);
  const std::int16_t blueDivisor = clampDivisor(p.blueDivisor);
  const float redStep = channelStep(p.redStart, p, height);
  const float greenStep = channelStep(p.greenStart, p, height);
  const float blueStep = channelStep(p.blueStart, p, height);
  float red = p.redStart, green = p.greenStart, blue = p.blueStart;
  const int depth = p.bandHeight / std::max<std::int16_t>(p.bandDivisor, 1);
  for (int y = p.firstY; y <= height; y += p.bandHeight) {
    bands.push_back({y - 1, y + depth, -1, width, channelValue(red, redDivisor), channelValue(green, greenDivisor),
                     channelValue(blue, blueDivisor)});
    red += redStep;
    green += greenStep;
    blue += blueStep;
  }
  return bands;
}

}  // namespace calvexa
