// Window tests of the tank windows: the main menu, the tank chooser, then one
// of its buttons; typing a unit into an editable list, and answering the
// divisions dialog of a chart.
#pragma once

#include "support/window_test.h"
#include "tanks/divisions_window.h"
#include "ui/controls.h"

namespace calvexa {

class TankChooserTest : public MenuWindowTest {
 protected:
  TankChooserTest() : MenuWindowTest(kTankSelectionWindow, "CmdTankSelection") {}

  FormWindow* chooser() const { return form(kTankSelectionWindow); }
  // The chooser's `button` opens window `key`, which the test then works in.
  void openTank(const char* button, WindowKey key) {
    auto* picture = chooser()->control<QAbstractButton>(button);
    ASSERT_NE(picture, nullptr) << button;
    ASSERT_TRUE(picture->isEnabled()) << button;
    picture->click();
    window = form(key);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(chooser()->isVisible());
  }
  TabControl* tabs() const { return window->control<TabControl>("SSTab1"); }
  // Types into an editable unit list, key by key, as a user may instead of picking.
  void typeUnit(const char* list, const QString& unit) {
    auto* combo = window->control<QComboBox>(list);
    ASSERT_NE(combo, nullptr) << list;
    ASSERT_TRUE(combo->isEditable()) << list;
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), unit);
  }
  // The divisions dialog answers `count` with OK, or Cancel.
  void answerDivisions(const QString& count, bool ok = true) {
    app.seam.answerModal = [count, ok](QWidget& modal) {
      if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
        typeInto(dialog, "TbTankDivisions", count);
        dialog->control<QAbstractButton>(ok ? "CmdOkButton" : "CmdCancelButton")->click();
      }
    };
  }
};

}  // namespace calvexa
