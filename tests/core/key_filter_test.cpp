#include "core/key_filter.h"

#include <gtest/gtest.h>

namespace calvexa {
namespace {

TEST(NumericKeyFilter, PassesNumberCodesAndDropsTheRest) {
  for (int code = 0; code < 256; ++code) {
    const bool numberCode =
        (code >= '0' && code <= '9') || code == 'E' || code == '.' || code == '+' || code == '-' || code == 8;
    int key = code;
    EXPECT_EQ(NumericKeyFilter(key), !numberCode) << code;
    EXPECT_EQ(key, numberCode ? code : 0) << code;
  }
}

TEST(NumericKeyFilter, MessageIsThreeLinesWithCarriageReturns) {
  const Message m = improperNumberMessage();
  EXPECT_EQ(m.text, "Enter a valid Number\rsuch as 1000\ror 1.45E+09");
  EXPECT_EQ(m.title, "Improper Number");
  EXPECT_EQ(m.icon, Icon::Information);
}

}  // namespace
}  // namespace calvexa
