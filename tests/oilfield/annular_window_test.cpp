// The annular volume window from the main menu to the answer.
#include "support/window_test.h"

namespace calvexa {
namespace {

class AnnularWindow : public MenuWindowTest {
 protected:
  AnnularWindow() : MenuWindowTest(kAnnularWindow, "CmdAnnularVolume") {}
  QString answer() const { return text("TbDownholeAnswer"); }
  void calculate() { click("CboDwnholeCoatingCalc"); }
};

TEST_F(AnnularWindow, StartsWithDesignTextsAndEmptySortedLists) {
  EXPECT_EQ(window->windowTitle(), "Annular Calculations");
  EXPECT_EQ(window->control<QLineEdit>("TbCasingDiameter")->text(), "1");
  EXPECT_EQ(answer(), "0.000");
  EXPECT_EQ(window->control<QAbstractButton>("CboDwnholeCoatingCalc")->text(), "&Calculate");
  EXPECT_EQ(window->control<QLabel>("Label4")->text(), "Annular Volume Calculation between Tubing (T) and Casing (C)");
  EXPECT_EQ(window->control("TbTubingDiameter")->toolTip(), "Enter the tubing diameter here");
  EXPECT_EQ(window->control("CboDownholeAnswer")->toolTip(), "Choose the answer units here");
  auto* list = window->control<QComboBox>("CboDownholeAnswer");
  EXPECT_EQ(items("CboDownholeAnswer"), QStringList({"Cubic Feet", "Cubic Meters", "Drums (208 litre)",
                                                     "Gallons (Canada)", "Gallons (U.S.)", "Litres"}));
  EXPECT_EQ(list->currentText(), "");
  EXPECT_FALSE(list->isEditable());
}

TEST_F(AnnularWindow, SevenInchCasingThreeInchTubingThousandFeet) {
  type("TbCasingDiameter", "7");
  pick("CboCasingDiameter", "Inches");
  type("TbAnnularHeight", "1000");
  pick("CboAnnularHeight", "Feet");
  type("TbTubingDiameter", "3");
  pick("CboTubingDiameter", "Inches");
  pick("CboDownholeAnswer", "Cubic Meters");
  calculate();
  // a = 7 x 0.3048 / 12 / 2 m, b = 3 x 0.3048 / 12 / 2 m, h = 304.8 m:
  // V = (a^2 - b^2) x 3.141592654 x h = 6.17777758596... m3
  EXPECT_EQ(answer(), "6.178");
  pick("CboDownholeAnswer", "Litres");
  calculate();
  EXPECT_EQ(answer(), "6177.778");  // no thousands separator
  EXPECT_TRUE(app.seam.messages.empty());
}

TEST_F(AnnularWindow, AllOnesInMetresGiveALonePoint) {
  for (const char* list : {"CboCasingDiameter", "CboAnnularHeight", "CboTubingDiameter"}) pick(list, "Meters");
  pick("CboDownholeAnswer", "Cubic Meters");
  calculate();
  EXPECT_EQ(answer(), ".");
}

TEST_F(AnnularWindow, UnitMessagesInOrderAndAnswerKept) {
  calculate();
  EXPECT_EQ(app.seam.messageTexts(),
            std::vector<std::string>{
                "An improper Casing Diameter measurement has been chosen. Re-choose a Unit with the mouse."});
  EXPECT_EQ(app.seam.messages[0].title, "");
  EXPECT_EQ(app.seam.messages[0].icon, Icon::None);
  for (const char* list : {"CboCasingDiameter", "CboAnnularHeight", "CboTubingDiameter"}) pick(list, "Feet");
  app.seam.messages.clear();
  calculate();
  EXPECT_EQ(
      app.seam.messageTexts(),
      std::vector<std::string>{"An improper Volume Unit has been chosen.  Re-choose a Volume Unit with the mouse."});
  EXPECT_EQ(answer(), "0.000");
}

TEST_F(AnnularWindow, TextThatIsNotANumberIsRefusedByName) {
  for (const char* list : {"CboCasingDiameter", "CboAnnularHeight", "CboTubingDiameter"}) pick(list, "Meters");
  pick("CboDownholeAnswer", "Litres");
  type("TbAnnularHeight", "1E");
  calculate();
  EXPECT_EQ(app.seam.messageTexts(), std::vector<std::string>{"Please type in a number for Annular Height."});
  EXPECT_EQ(answer(), "0.000");
  type("TbAnnularHeight", "");
  app.seam.messages.clear();
  calculate();
  EXPECT_EQ(app.seam.messageTexts(), std::vector<std::string>{"Please type in a number for Annular Height."});
  // A result beyond the range of a double is refused, never shown as inf.
  type("TbAnnularHeight", "1E+300");
  type("TbCasingDiameter", "1E+300");
  app.seam.messages.clear();
  calculate();
  ASSERT_EQ(app.seam.messages.size(), 1u);
  EXPECT_EQ(answer(), "0.000");
}

}  // namespace
}  // namespace calvexa
