// Checks of a one-page tank window's table: its rows (a size with a length
// list, each but the last; the answer with a volume list, last) and its two
// buttons, each with its tips.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "core/page_table.h"
#include "tanks/tank_units_rules.h"

namespace calvexa {

struct ExpectedTankRow {
  const char* caption;
  const char* box;
  const char* boxTip;
  const char* list;
  const char* listTip;
};

struct ExpectedTankButton {
  const char* name;
  const char* caption;
  const char* tip;
  ButtonAction action;
};

inline void expectTankRows(const Page& page, const std::vector<ExpectedTankRow>& rows) {
  ASSERT_EQ(page.rows.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].box);
    const PageRow& row = page.rows[i];
    EXPECT_STREQ(row.caption, rows[i].caption);
    EXPECT_STREQ(row.box, rows[i].box);
    EXPECT_STREQ(row.boxTip, rows[i].boxTip);
    EXPECT_STREQ(row.list, rows[i].list);
    EXPECT_STREQ(row.listTip, rows[i].listTip);
    const bool answer = i + 1 == rows.size();
    EXPECT_EQ(row.kind, answer ? RowKind::Answer : RowKind::Value);
    EXPECT_STREQ(row.boxText, answer ? "" : "1");
    EXPECT_EQ(row.items, answer ? &TankVolumeUnits() : &TankLengthUnits());
  }
}

inline void expectTankButtons(const Page& page, const std::vector<ExpectedTankButton>& buttons) {
  ASSERT_EQ(page.buttons.size(), buttons.size());
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    SCOPED_TRACE(buttons[i].name);
    EXPECT_STREQ(page.buttons[i].name, buttons[i].name);
    EXPECT_STREQ(page.buttons[i].caption, buttons[i].caption);
    EXPECT_STREQ(page.buttons[i].tip, buttons[i].tip);
    EXPECT_EQ(page.buttons[i].action, buttons[i].action);
  }
}

}  // namespace calvexa
