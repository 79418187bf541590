// libFuzzer target for the number texts: any bytes are read as a box text and
// as a display text; every finite number read is written back in every form.
// No form may crash or show "inf"/"nan", and a box text that is a number must
// also be the display's leading number.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/number_text.h"

namespace {

void fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
  std::abort();
}

void checkText(const std::string& text) {
  if (text.empty()) fail("empty text", text);
  for (const char* bad : {"inf", "nan", "INF", "NAN"}) {
    if (text.find(bad) != std::string::npos) fail("non-finite text", text);
  }
}

void writeInEveryForm(double value) {
  if (!std::isfinite(value)) fail("a read number is not finite", calvexa::generalText(value));
  const std::string general = calvexa::generalText(value);
  checkText(general);
  // The general form reads back as a number.
  if (!calvexa::parseNumber(general)) fail("general form does not read back", general);
  checkText(calvexa::signedText(value));
  checkText(calvexa::plainText(value));
  checkText(calvexa::signedText(value, 7));
  for (calvexa::Mask mask :
       {calvexa::Mask::Grouped4, calvexa::Mask::Grouped3, calvexa::Mask::Hash3, calvexa::Mask::Fixed3}) {
    checkText(calvexa::maskText(value, mask));
  }
  (void)calvexa::roundToInt32(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> whole = calvexa::parseNumber(text);
  const std::optional<double> leading = calvexa::leadingNumber(text);
  if (whole) {
    writeInEveryForm(*whole);
    // A text that is wholly a number is also its own leading number.
    if (!leading || std::memcmp(&*leading, &*whole, sizeof(double)) != 0) {
      fail("number and leading number differ", std::string(text));
    }
  }
  if (leading) writeInEveryForm(*leading);
  return 0;
}
