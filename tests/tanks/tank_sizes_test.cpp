// Sizes below zero: every size of every tank page (length, diameter, width,
// depth, internal or total height, bottom depth, head length) refuses a
// negative number with one message naming it, and the answer keeps its text;
// a chart of such a tank stops with that message before anything changes.
// Fluid heights keep their own rules.
#include <gtest/gtest.h>

#include <string>

#include "core/outcome.h"
#include "core/page_table.h"
#include "support/calculation_checks.h"
#include "support/tank_windows.h"
#include "tanks/chart_rules.h"
#include "tanks/horizontal_tank_rules.h"
#include "tanks/rectangular_tank_rules.h"
#include "tanks/spherical_tank_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace calvexa {
namespace {

bool isBottomOrHead(const PageRow& row) { return std::string(row.caption).find("(a)") != std::string::npos; }

// Texts that give the page an answer: every size 2 m, the bottom or head
// depth and the fluid height 1 m, the answer in litres (the conical upright
// tab reports in one line before an answer in cubic metres).
Fields workingPage(const Page& page, const TankChartProfile& profile) {
  Fields fields;
  for (const PageRow& row : page.rows) {
    if (row.kind == RowKind::Answer) {
      fields[row.list] = "Litres";
      continue;
    }
    fields[row.box] = isBottomOrHead(row) || row.box == std::string(profile.fluidBox) ? "1" : "2";
    fields[row.list] = "Meters";
  }
  return fields;
}

// What the message names: the row's caption without its colon and "(a)"
// ("Conical Height: (a)" and "Conical Length (a):" name "Conical Height" and
// "Conical Length").
std::string sizeName(const char* caption) {
  std::string name;
  for (const char* c = caption; *c; ++c) {
    if (std::string_view(c).substr(0, 3) == "(a)") {
      c += 2;
    } else if (*c != ':') {
      name += *c;
    }
  }
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

TEST(TankSizes, EverySizeBelowZeroIsRefusedNamingItAndTheChartStopsBeforeAnything) {
  int sizes = 0;
  for (const TankWindow& window : kTankWindows) {
    for (std::size_t p = 0; p < window.form.pages.size(); ++p) {
      const Page& page = window.form.pages[p];
      const TankChartProfile& profile = window.chart(static_cast<int>(p));
      const Fields working = workingPage(page, profile);
      SCOPED_TRACE(std::string(window.name) + " " + (page.tab ? page.tab : ""));
      const Outcome answered = page.calculate(working);
      ASSERT_TRUE(answered.messageTexts().empty()) << answered.messageTexts().front();
      ASSERT_TRUE(answered.wrote(profile.answer));
      for (const PageRow& row : page.rows) {
        if (row.kind == RowKind::Answer || row.box == std::string(profile.fluidBox)) continue;
        SCOPED_TRACE(row.box);
        ++sizes;
        Fields negative = working;
        negative[row.box] = "-2";
        const std::string expected = "The value typed for " + sizeName(row.caption) + " cannot be below zero.";
        EXPECT_EQ(onlyMessage(page.calculate(negative)), expected);
        const ChartStart start = startChart(profile, negative);
        EXPECT_EQ(onlyMessage(start.refused), expected) << "before the divisions are asked for";
        EXPECT_TRUE(start.writes.effects.empty()) << "the tab keeps its fluid height";
        // Zero is a size (an empty tank, or a message of its own), not below zero.
        negative[row.box] = "-0";
        for (const std::string& message : page.calculate(negative).messageTexts()) EXPECT_NE(message, expected);
      }
    }
  }
  // Upright 2 + 3 × 3 + 3 + 3 × 4, horizontal 2 + 3 × 3 + 3 + 3 × 4, rectangular 3, spherical 1.
  EXPECT_EQ(sizes, 26 + 26 + 3 + 1);
}

// A negative fluid height is not a size: each window keeps its own rule.
TEST(TankSizes, NegativeFluidHeightsKeepTheirOwnRules) {
  struct Case {
    const char* name;
    const TankWindow& window;
    int page;
    const char* message;  // none: an answer is written
    const char* answer;
  };
  const Case cases[] = {
      {"horizontal flat", kTankWindows[1], 5,
       "The fluid height cannot be lower than zero.  Check the value entered for the fluid level", nullptr},
      // 2 × 2 m floor, 2 m high, -1 m of fluid: 2 × ((-1 ÷ 2) × 2 × 2) = -4 m³, in litres.
      {"rectangular", kTankWindows[2], 0, nullptr, "-4000"},
      {"spherical", kTankWindows[3], 0, kFluidOutsideSphereText, nullptr},
  };
  for (const Case& c : cases) {
    const Page& page = c.window.form.pages[static_cast<std::size_t>(c.page)];
    const TankChartProfile& profile = c.window.chart(c.page);
    Fields fields = workingPage(page, profile);
    fields[profile.fluidBox] = "-1";
    const Outcome outcome = page.calculate(fields);
    if (c.message) {
      EXPECT_EQ(onlyMessage(outcome), c.message) << c.name;
    } else {
      EXPECT_TRUE(outcome.messageTexts().empty()) << c.name;
      EXPECT_EQ(outcome.written(profile.answer), c.answer) << c.name;
    }
  }
}

}  // namespace
}  // namespace calvexa
