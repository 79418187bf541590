// The tank windows' tables hold together: a window names each control once,
// a tab has one row of each role it uses with its answer last, and all that a
// tab's chart and picture name are controls of that tab's own page. A tab's
// calculation reads only its own page and writes only its own answer.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/outcome.h"
#include "core/page_table.h"
#include "support/tank_windows.h"

namespace calvexa {
namespace {

std::string where(const TankWindow& window, std::size_t page) {
  const char* tab = window.form.pages[page].tab;
  return std::string(window.name) + " " + (tab ? tab : "page");
}

// The boxes and the lists of one page.
struct PageControls {
  std::set<std::string> boxes, lists;
  explicit PageControls(const Page& page) {
    for (const PageRow& row : page.rows) {
      boxes.insert(row.box);
      lists.insert(row.list);
    }
  }
};

TEST(TankTables, AWindowNamesEachControlOnce) {
  for (const TankWindow& window : kTankWindows) {
    std::map<std::string, int> uses;
    if (window.form.tabs) ++uses[window.form.tabs];
    for (const Page& page : window.form.pages) {
      if (page.picture.name) ++uses[page.picture.name];
      for (const PageRow& row : page.rows)
        for (const char* name : {row.box, row.list}) ++uses[name];
      for (const PageButton& button : page.buttons) ++uses[button.name];
    }
    for (const auto& [name, count] : uses) EXPECT_EQ(count, 1) << window.name << ": " << name;
  }
}

TEST(TankTables, ATabHasOneRowOfEachRoleItUsesAndItsAnswerLast) {
  for (const TankWindow& window : kTankWindows) {
    for (std::size_t p = 0; p < window.form.pages.size(); ++p) {
      SCOPED_TRACE(where(window, p));
      const TankRows& rows = window.rows(static_cast<int>(p));
      ASSERT_FALSE(rows.empty());
      std::set<TankRole> roles;
      for (const TankInputRow& row : rows) {
        EXPECT_TRUE(roles.insert(row.role).second) << row.box << ": a second row of its role";
        EXPECT_FALSE(row.unitMessage.text.empty()) << row.list;
        if (row.role == TankRole::Answer) continue;
        EXPECT_TRUE(row.caption && *row.caption) << row.box;
        EXPECT_TRUE(row.valueName && *row.valueName) << row.box;
        EXPECT_EQ(row.reading == SizeReading::Fluid, row.role == TankRole::Fluid) << row.box;
      }
      EXPECT_EQ(rows.back().role, TankRole::Answer);
      EXPECT_TRUE(roles.count(TankRole::Height)) << "a chart steps the height";
      EXPECT_TRUE(roles.count(TankRole::Fluid));
      // The page shows the rows in their order.
      const Page& page = window.form.pages[p];
      ASSERT_EQ(page.rows.size(), rows.size());
      for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_STREQ(page.rows[r].box, rows[r].box);
        EXPECT_STREQ(page.rows[r].list, rows[r].list);
      }
    }
  }
}

TEST(TankTables, EveryControlAChartNamesIsOnItsOwnPage) {
  for (const TankWindow& window : kTankWindows) {
    for (std::size_t p = 0; p < window.form.pages.size(); ++p) {
      SCOPED_TRACE(where(window, p));
      const Page& page = window.form.pages[p];
      const PageControls own(page);
      const TankChartProfile& chart = window.chart(static_cast<int>(p));
      EXPECT_TRUE(own.boxes.count(chart.steppedBox)) << chart.steppedBox;
      EXPECT_TRUE(own.lists.count(chart.steppedList)) << chart.steppedList;
      EXPECT_TRUE(own.boxes.count(chart.fluidBox)) << chart.fluidBox;
      EXPECT_TRUE(own.lists.count(chart.fluidList)) << chart.fluidList;
      EXPECT_STRNE(chart.steppedBox, chart.fluidBox);
      EXPECT_STREQ(chart.answer, page.rows.back().box);
      EXPECT_STREQ(chart.answerList, page.rows.back().list);
      // The stepped box and its list, and the fluid box and its list, are
      // each one row.
      for (const PageRow& row : page.rows) {
        EXPECT_EQ(row.box == std::string(chart.steppedBox), row.list == std::string(chart.steppedList)) << row.box;
        EXPECT_EQ(row.box == std::string(chart.fluidBox), row.list == std::string(chart.fluidList)) << row.box;
      }
      std::set<std::string> checked;
      for (const ChartCheck& check : chart.required) {
        EXPECT_TRUE(checked.insert(check.control).second) << check.control << " checked twice";
        EXPECT_FALSE(check.message.text.empty()) << check.control;
        if (check.valueName) {
          EXPECT_TRUE(own.boxes.count(check.control)) << check.control;
        } else {
          EXPECT_TRUE(own.lists.count(check.control)) << check.control;
        }
      }
      EXPECT_TRUE(checked.count(chart.steppedBox) && checked.count(chart.steppedList) &&
                  checked.count(chart.answerList))
          << "a chart asks for the height it steps and the unit of its volumes";
      for (const HeaderLine& line : chart.headers) {
        for (const HeaderPiece& piece : line) {
          if (piece.kind == HeaderPiece::Kind::Number) {
            EXPECT_TRUE(own.boxes.count(piece.text)) << piece.text;
          } else if (piece.kind == HeaderPiece::Kind::ListText) {
            EXPECT_TRUE(own.lists.count(piece.text)) << piece.text;
          }
        }
      }
    }
  }
}

TEST(TankTables, APictureReadsEachSizeOnceAndNeverTheAnswer) {
  for (const TankWindow& window : kTankWindows) {
    for (std::size_t p = 0; p < window.form.pages.size(); ++p) {
      SCOPED_TRACE(where(window, p));
      const TankPictureInputs* picture = window.picture(static_cast<int>(p));
      ASSERT_NE(picture, nullptr);
      const int sizes = static_cast<int>(window.form.pages[p].rows.size()) - 1;
      std::set<int> read;
      for (int row :
           {picture->width, picture->depth, picture->height, picture->bottom, picture->fluid, picture->length}) {
        if (row < 0) continue;
        EXPECT_LT(row, sizes);
        EXPECT_TRUE(read.insert(row).second) << "row " << row << " read as two dimensions";
      }
      EXPECT_EQ(static_cast<int>(read.size()), sizes) << "every size is drawn";
    }
  }
  EXPECT_EQ(verticalPictureInputs(8), nullptr);
  EXPECT_EQ(horizontalPictureInputs(-1), nullptr);
}

// Sizes of 2 m, the fluid at 1 m and a bottom or head 0.5 m deep give every
// tab an answer; in litres, so that no tab reports in a box of its own.
TEST(TankTables, ATabsCalculationReadsOnlyItsOwnPageAndWritesOnlyItsAnswer) {
  for (const TankWindow& window : kTankWindows) {
    for (std::size_t p = 0; p < window.form.pages.size(); ++p) {
      SCOPED_TRACE(where(window, p));
      Fields own;
      for (const TankInputRow& row : window.rows(static_cast<int>(p))) {
        if (row.role == TankRole::Answer) {
          own[row.list] = "Litres";
          continue;
        }
        own[row.box] = row.role == TankRole::Fluid ? "1" : row.role == TankRole::Bottom ? "0.5" : "2";
        own[row.list] = "Meters";
      }
      const Page& page = window.form.pages[p];
      const Outcome outcome = page.calculate(own);
      EXPECT_EQ(outcome.messageTexts(), std::vector<std::string>{});
      ASSERT_FALSE(outcome.effects.empty());
      for (const Effect& effect : outcome.effects) EXPECT_EQ(effect.target, page.rows.back().box);
    }
  }
}

}  // namespace
}  // namespace calvexa
