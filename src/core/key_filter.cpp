#include "core/key_filter.h"

#include <algorithm>
#include <array>

namespace calvexa {
namespace {

constexpr int kBackspace = 8;
// Codes a number may be typed with, besides the digits 48 to 57.
constexpr std::array<int, 5> kNumberCodes = {'E', '.', '+', '-', kBackspace};

bool isNumberCode(int key) {
  return (key >= '0' && key <= '9') || std::find(kNumberCodes.begin(), kNumberCodes.end(), key) != kNumberCodes.end();
}

}  // namespace

bool NumericKeyFilter(int& key) {
  if (isNumberCode(key)) return false;
  key = 0;
  return true;
}

Message improperNumberMessage() {
  return Message{"Enter a valid Number\rsuch as 1000\ror 1.45E+09", "Improper Number", Icon::Information};
}

}  // namespace calvexa
