// The fuel use window from the main menu to the answer and back.
#include <tuple>

#include "oilfield/fuel_rules.h"
#include "support/window_test.h"

namespace calvexa {
namespace {

const char* const kMileageMessage =
    "An improper mileage Unit has been chosen.  Re-choose another mileage unit with the mouse.";

class FuelWindow : public MenuWindowTest {
 protected:
  FuelWindow() : MenuWindowTest(kFuelUseWindow, "CmdFuelUse") {}
  void fill(const char* distance, const char* distanceUnit, const char* fuel, const char* fuelUnit,
            const char* answerUnit) {
    type("TbDistFrom", distance);
    pick("CboMilageFrom", distanceUnit);
    type("TbFuelFrom", fuel);
    pick("CboFuelFrom", fuelUnit);
    pick("CboMilageTo", answerUnit);
  }
  QString answer() const { return text("TbFuelAns"); }
};

TEST_F(FuelWindow, DesignTextsListsAndMenus) {
  EXPECT_EQ(window->windowTitle(), "Fuel Use");
  const std::tuple<const char*, const char*, const char*, const char*, const char*, const char*, QStringList> rows[] = {
      {"Distance Travelled:",
       "TbDistFrom",
       "",
       "Place the Distance travelled here",
       "CboMilageFrom",
       "Choose the Units of distance (Km/miles) here",
       {"Kilometers", "Miles"}},
      {"Fuel Used:",
       "TbFuelFrom",
       "",
       "Place the Fuel used while travelling here",
       "CboFuelFrom",
       "Choose the Units of Fuel (litres/gallons) here",
       {"Gallons (Canada)", "Gallons (U.S.)", "Litres"}},
      {"Fuel Mileage:",
       "TbFuelAns",
       "0.00",
       "Press Calculate and your answer appears here",
       "CboMilageTo",
       "Choose the fuel milage answer unit(mpg, l/100Km) here",
       {"L/100 Km", "MPG (Canada)", "MPG (U.S.)"}},
  };
  for (const auto& [caption, box, boxText, boxTip, list, listTip, listItems] : rows) {
    SCOPED_TRACE(box);
    EXPECT_EQ(text(("lbl" + std::string(box)).c_str()), caption);
    EXPECT_EQ(text(box), boxText);
    EXPECT_EQ(window->control(box)->toolTip(), boxTip);
    EXPECT_EQ(window->control(list)->toolTip(), listTip);
    EXPECT_EQ(items(list), listItems);
    EXPECT_EQ(window->control<QComboBox>(list)->currentText(), "");
    EXPECT_FALSE(window->control<QComboBox>(list)->isEditable());
    // A "Units:" label stands before each list, on the list's row.
    auto* units = window->control(("lblUnits" + std::string(list)).c_str());
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(text(("lblUnits" + std::string(list)).c_str()), "Units:");
    EXPECT_EQ(units->geometry().top(), window->control(list)->geometry().top());
    EXPECT_LT(units->geometry().right(), window->control(list)->geometry().left());
  }
  int headings = 0;
  for (QLabel* label : window->findChildren<QLabel*>()) headings += label->text() == "Calculate Fuel Mileage";
  EXPECT_EQ(headings, 1);
  EXPECT_EQ(text("CmdCalcMilage"), "&Calculate");
  EXPECT_EQ(window->control("CmdCalcMilage")->toolTip(), "Press to calculate the answer");
  EXPECT_EQ(menuCaptions(0), QStringList({"&Annular Volume", "&Coating", "Con&version", "&Main Menu",
                                          "&Pipeline Volume", "&Tank Selection", "-", "E&xit"}));
  EXPECT_EQ(menuCaptions(1), QStringList({"Help &Documentation", "-", "&About Calvexa"}));
}

TEST_F(FuelWindow, MileageInEachUnitKeptAcrossSwitches) {
  struct Case {
    const char *distance, *distanceUnit, *fuel, *fuelUnit, *answerUnit;
    const char* expected;  // up to 15 significant digits
  };
  const Case cases[] = {
      {"100", "Kilometers", "8", "Litres", "L/100 Km", "8"},
      // (100 / 1.6093) / (8 / 3.785412) = 62.1388181197... / 2.113376... = 29.4026284720065
      {"100", "Kilometers", "8", "Litres", "MPG (U.S.)", "29.4026284720065"},
      // (100 / 1.6093) / (8 / 4.54609) = 35.3110824582117
      {"100", "Kilometers", "8", "Litres", "MPG (Canada)", "35.3110824582117"},
      // the mile and gallon factors cancel
      {"300", "Miles", "10", "Gallons (U.S.)", "MPG (U.S.)", "30"},
      // 10 Canadian gallons = 45.4609 l over 200 miles = 321.86 km: 45.4609 x 100 / 321.86
      {"200", "Miles", "10", "Gallons (Canada)", "L/100 Km", "14.1244329832847"},
  };
  for (const Case& c : cases) {
    fill(c.distance, c.distanceUnit, c.fuel, c.fuelUnit, c.answerUnit);
    click("CmdCalcMilage");
    EXPECT_EQ(answer(), c.expected) << c.answerUnit << " from " << c.distanceUnit;
  }
  EXPECT_TRUE(app.seam.messages.empty());

  roundTripThroughMainMenu();
  EXPECT_EQ(text("TbDistFrom"), "200");
  EXPECT_EQ(window->control<QComboBox>("CboFuelFrom")->currentText(), "Gallons (Canada)");
  EXPECT_EQ(answer(), "14.1244329832847");

  closeReturnsToMainMenu();
  open();
  EXPECT_EQ(text("TbDistFrom"), "");
  EXPECT_EQ(answer(), "0.00");
}

TEST_F(FuelWindow, RefusalsInOrderLeaveTheAnswer) {
  struct Case {
    const char *distance, *distanceUnit, *fuel, *fuelUnit, *answerUnit;
    std::string message;
  };
  const Case cases[] = {
      {"", "", "", "", "", "Please enter a number in the 'Distance From' box."},
      {"100", "", "", "", "", "Please enter a number in the 'Fuel used' box."},
      {"100", "", "8", "", "", kMileageMessage},  // both boxes filled, no distance unit
      {"100", "Miles", "8", "", "", kMileageMessage},
      {"100", "Miles", "8", "Litres", "", kMileageMessage},
      {"1E", "Miles", "8", "Litres", "MPG (U.S.)", "Please type in a number for Distance Travelled."},
      // divisions by zero
      {"0", "Kilometers", "8", "Litres", "L/100 Km", kZeroDistanceText},
      {"100", "Kilometers", "0", "Gallons (U.S.)", "MPG (U.S.)", kZeroFuelText},
      {"100", "Miles", "0", "Litres", "MPG (Canada)", kZeroFuelText},
  };
  for (const Case& c : cases) {
    type("TbDistFrom", c.distance);
    type("TbFuelFrom", c.fuel);
    for (const auto& [list, unit] : {std::pair{"CboMilageFrom", c.distanceUnit}, std::pair{"CboFuelFrom", c.fuelUnit},
                                     std::pair{"CboMilageTo", c.answerUnit}}) {
      if (*unit)
        pick(list, unit);
      else
        window->control<QComboBox>(list)->setCurrentIndex(-1);
    }
    click("CmdCalcMilage");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{c.message}) << c.distance << " " << c.fuel;
    EXPECT_EQ(answer(), "0.00");
  }
  // Zero fuel over a distance is a plain 0 litres per 100 km.
  type("TbFuelFrom", "0");
  pick("CboMilageTo", "L/100 Km");
  click("CmdCalcMilage");
  EXPECT_EQ(answer(), "0");
  EXPECT_TRUE(app.seam.messages.empty());
}

}  // namespace
}  // namespace calvexa
