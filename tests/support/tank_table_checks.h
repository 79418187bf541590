// Checks of a one-page tank window's table: its two buttons, each with its
// tip.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "core/page_table.h"

namespace calvexa {

struct ExpectedTankButton {
  const char* name;
  const char* caption;
  const char* tip;
  ButtonAction action;
};

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
