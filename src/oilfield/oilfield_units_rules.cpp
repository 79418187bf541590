#include "oilfield/oilfield_units_rules.h"

#include <cmath>

namespace calvexa {

double RingVolume(double outer, double inner, double length) {
  const double outerVolume = std::pow(outer, 2) * kRingPi * length;
  const double innerVolume = std::pow(inner, 2) * kRingPi * length;
  return outerVolume - innerVolume;
}

}  // namespace calvexa
