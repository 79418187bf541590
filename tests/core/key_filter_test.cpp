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

// A length box adds the space, "/", "'" and '"' of feet, inches and eighths.
TEST(LengthKeyFilter, PassesNumberAndFeetInchesCodesAndDropsTheRest) {
  for (int code = 0; code < 256; ++code) {
    const bool lengthCode = (code >= '0' && code <= '9') || code == 'E' || code == '.' || code == '+' || code == '-' ||
                            code == 8 || code == ' ' || code == '/' || code == '\'' || code == '"';
    int key = code;
    EXPECT_EQ(LengthKeyFilter(key), !lengthCode) << code;
    EXPECT_EQ(key, lengthCode ? code : 0) << code;
  }
}

// A paste into a length box: a number, or a text of the length keys alone,
// without the blanks around it; anything else is refused whole.
TEST(PastedLength, TakesNumbersAndFeetInchesTexts) {
  const struct {
    const char* pasted;
    std::optional<std::string> inserted;
  } cases[] = {
      {"12.5", "12.5"},         {" 12 3 5/8\r\n", "12 3 5/8"}, {"12' 3 5/8\"", "12' 3 5/8\""},
      {"1.45E+09", "1.45E+09"}, {"12 ft 3 in", std::nullopt},  {"12,5", std::nullopt},
      {"1e5", "1e5"},  // a number as pastedNumber takes it
  };
  for (const auto& c : cases) EXPECT_EQ(pastedLength(c.pasted), c.inserted) << c.pasted;
}

TEST(NumericKeyFilter, MessageIsThreeLinesWithCarriageReturns) {
  const Message m = improperNumberMessage();
  EXPECT_EQ(m.text, "Enter a valid Number\rsuch as 1000\ror 1.45E+09");
  EXPECT_EQ(m.title, "Improper Number");
  EXPECT_EQ(m.icon, Icon::Information);
}

// A paste takes a number, or the start of one as it is typed, and refuses
// any other text whole.
TEST(PastedNumber, TakesNumbersAndTheirStartsAndRefusesOtherText) {
  struct Case {
    const char* name;
    const char* pasted;
    const char* inserted;  // nullptr: refused
  };
  const Case cases[] = {
      {"a whole number", "1000", "1000"},
      {"sign, point and exponent", "-1.45E+09", "-1.45E+09"},
      {"a lower-case exponent, as a box is read", "2.5e-3", "2.5e-3"},
      {"a point first", ".5", ".5"},
      {"an exponent being typed", "1.45E+", "1.45E+"},
      {"an exponent without its sign yet", "7E", "7E"},
      {"a lone sign", "-", "-"},
      {"a lone point", ".", "."},
      {"a sign and a point", "+.", "+."},
      {"beyond the range of a double: the calculation says so", "1E999", "1E999"},
      {"a spreadsheet cell with its line end", "12.5\r\n", "12.5"},
      {"spaces and a tab around it", "  42\t", "42"},
      {"only spaces: nothing to insert", "   ", ""},
      {"nothing", "", ""},
      {"group separators", "1,767.1459", nullptr},
      {"a space inside", "1 000", nullptr},
      {"a word", "abc", nullptr},
      {"a number and a word", "12abc", nullptr},
      {"an exponent without digits before it", "E5", nullptr},
      {"a second point", "1.2.3", nullptr},
      {"a sign in the middle", "1-2", nullptr},
      {"two exponents", "1E5E5", nullptr},
      {"a point in the exponent", "1E5.5", nullptr},
      {"a sign after the exponent's digits", "1E5+", nullptr},
      {"two signs", "--1", nullptr},
      {"not a number", "nan", nullptr},
      {"a line break inside", "1\n2", nullptr},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> inserted = pastedNumber(c.pasted);
    if (c.inserted) {
      ASSERT_TRUE(inserted.has_value()) << c.name;
      EXPECT_EQ(*inserted, c.inserted) << c.name;
    } else {
      EXPECT_FALSE(inserted.has_value()) << c.name << ": " << inserted.value_or("");
    }
  }
}

}  // namespace
}  // namespace calvexa
