// Checks shared by the rule tests of the calculations: the order of input checks and the
// agreement between a window's lists and what its calculations accept.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "core/outcome.h"
#include "core/page_table.h"

namespace calvexa {

// The number an answer label shows: group separators skipped, a lone point
// is 0; nullopt for any other text.
inline std::optional<double> answerValue(const std::string& text) {
  std::string digits;
  for (char c : text)
    if (c != ',') digits.push_back(c);
  if (digits == "." || digits == "-.") return 0.0;
  return parseNumber(digits);
}

// While `control` holds a bad text, `message` is the only effect; putting
// `fix` into it brings the next check forward.
struct Check {
  std::string message;
  std::string control;
  std::string fix;
};

inline void expectChecksInOrder(Calculation calculate, Fields fields, const std::vector<Check>& checks,
                                const std::string& answer) {
  for (const Check& check : checks) {
    const Outcome outcome = calculate(fields);
    EXPECT_EQ(outcome.messageTexts(), std::vector<std::string>{check.message}) << "before fixing " << check.control;
    EXPECT_EQ(outcome.effects.size(), 1u) << "before fixing " << check.control;
    fields[check.control] = check.fix;
  }
  const Outcome outcome = calculate(fields);
  EXPECT_TRUE(outcome.messageTexts().empty());
  EXPECT_TRUE(outcome.wrote(answer));
}

// The one message of a refused calculation; fails when it wrote anything.
inline std::string onlyMessage(const Outcome& outcome) {
  const std::vector<std::string> texts = outcome.messageTexts();
  EXPECT_EQ(outcome.effects.size(), 1u);
  return texts.size() == 1 ? texts.front() : std::string("<" + std::to_string(texts.size()) + " messages>");
}

// The general number text, as printf's %.15G writes it: an oracle for
// answers in the general form, independent of the program's own text.
inline std::string general(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  return buffer;
}

// The decimal digits of |value| rounded half away from zero to `decimals`
// decimals: printf writes the double's exact digits (glibc prints them
// exactly), and the rounding is done here on those digits, so a double that
// lies exactly halfway goes away from zero where printf's own rounding would
// go to the even digit. Gives the integer and fraction digits.
struct DecimalDigits {
  std::string integer, fraction;
  bool zero() const {
    return integer.find_first_not_of('0') == std::string::npos && fraction.find_first_not_of('0') == std::string::npos;
  }
};
// The same rounding of a plain decimal text of at least `decimals` + 1
// decimals ("1234.56785").
inline DecimalDigits roundedDigits(const std::string& digits, int decimals) {
  const std::size_t point = digits.find('.');
  const auto places = static_cast<std::size_t>(decimals);
  std::string kept = digits.substr(0, point) + digits.substr(point + 1, places);
  if (digits[point + 1 + places] >= '5') {
    std::size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0) {
      kept.insert(kept.begin(), '1');
    } else {
      ++kept[i - 1];
    }
  }
  const std::size_t integerDigits = kept.size() - places;
  return {kept.substr(0, integerDigits), kept.substr(integerDigits)};
}
inline DecimalDigits decimalDigits(double value, int decimals) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.100f", value < 0 ? -value : value);
  return roundedDigits(buffer, decimals);
}

// The masks: "#,###.0000" and "#,###.000" (commas
// every three digits, no digit before the point below 1), "###.###" (no
// grouping, at most three decimals, the point always shown, no digit before
// it below 1) and "0.000" (a digit before the point); each rounded half away
// from zero, with no minus on a zero.
inline std::string groupedDecimals(double value, int decimals) {
  const DecimalDigits d = decimalDigits(value, decimals);
  std::string integer;
  if (d.integer.find_first_not_of('0') != std::string::npos) {
    for (std::size_t i = 0; i < d.integer.size(); ++i) {
      if (i > 0 && (d.integer.size() - i) % 3 == 0) integer += ',';
      integer += d.integer[i];
    }
  }
  return (value < 0 && !d.zero() ? "-" : "") + integer + "." + d.fraction;
}
inline std::string grouped4(double value) { return groupedDecimals(value, 4); }
inline std::string grouped3(double value) { return groupedDecimals(value, 3); }
inline std::string hash3(double value) {
  DecimalDigits d = decimalDigits(value, 3);
  const bool zero = d.zero();
  while (!d.fraction.empty() && d.fraction.back() == '0') d.fraction.pop_back();
  return (value < 0 && !zero ? "-" : "") + (d.integer.find_first_not_of('0') == std::string::npos ? "" : d.integer) +
         "." + d.fraction;
}
inline std::string fixed3(double value) {
  const DecimalDigits d = decimalDigits(value, 3);
  return (value < 0 && !d.zero() ? "-" : "") + d.integer + "." + d.fraction;
}

// The one message of a refused calculation, with its title and icon.
inline Message onlyShown(const Outcome& outcome) {
  EXPECT_EQ(outcome.effects.size(), 1u);
  if (outcome.effects.size() != 1 || outcome.effects[0].kind != Effect::Kind::Show) return {.text = "<no message>"};
  return outcome.effects[0].message;
}

// The answer text of an accepted calculation; fails when it showed a message.
inline std::string onlyAnswer(const Outcome& outcome, const std::string& answer) {
  EXPECT_EQ(outcome.messageTexts(), std::vector<std::string>{});
  EXPECT_EQ(outcome.effects.size(), 1u);
  return outcome.written(answer);
}

inline std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Every page: each item of each list, with the other lists on their first
// item and every value box at "1", gives an answer and no message; and each
// sorted list is already in its sorted order, so the table shows the order
// the window shows.
inline void expectListsMatchCalculations(const PageForm& form) {
  for (const Page& page : form.pages) {
    Fields base;
    const PageRow* answerRow = nullptr;
    for (const PageRow& row : page.rows) {
      if (row.kind == RowKind::Answer) {
        answerRow = &row;
      } else {
        base[row.box] = "1";
      }
      ASSERT_FALSE(row.items->empty()) << row.list;
      base[row.list] = row.items->front();
      if (row.order == ListOrder::Sorted) {
        EXPECT_TRUE(std::is_sorted(row.items->begin(), row.items->end(),
                                   [](const std::string& a, const std::string& b) { return lowered(a) < lowered(b); }))
            << row.list;
      }
    }
    ASSERT_NE(answerRow, nullptr) << form.key.name();
    for (const PageRow& row : page.rows) {
      for (const std::string& item : *row.items) {
        Fields fields = base;
        fields[row.list] = item;
        const Outcome outcome = page.calculate(fields);
        EXPECT_EQ(outcome.messageTexts(), std::vector<std::string>{}) << row.list << " = " << item;
        EXPECT_TRUE(outcome.wrote(answerRow->box)) << row.list << " = " << item;
      }
    }
  }
}

}  // namespace calvexa
