// The coating window: three tabs, three calculations, from the main menu to the answers and back.
#include <QApplication>
#include <QClipboard>
#include <functional>

#include "support/window_test.h"
#include "ui/controls.h"

namespace calvexa {
namespace {

const QStringList kDiameters = {"Centimeters", "Feet", "Inches", "Meters", "Mil", "Millimeters"};
const QStringList kLengths = {"Centimeters", "Feet", "Inches", "Kilometers", "Meters", "Miles"};
const QStringList kThicknesses = {"Centimeters", "Inches", "Mil", "Millimeters"};
const QStringList kVolumes = {"Cubic Feet",       "Cubic Meters",   "Drums (208 litre)",
                              "Gallons (Canada)", "Gallons (U.S.)", "Litres"};

class CoatingWindow : public MenuWindowTest {
 protected:
  CoatingWindow() : MenuWindowTest(kCoatingWindow, "CmdCoatingPic") {}
  TabControl* tabs() const { return window->control<TabControl>("SSTab1"); }
  bool onTab(const char* control, int tab) const {
    return window->control(control)->parentWidget() == tabs()->page(tab);
  }
};

TEST_F(CoatingWindow, TabsRowsListsAndMenus) {
  EXPECT_EQ(window->windowTitle(), "Coating Calculations");
  ASSERT_NE(tabs(), nullptr);
  ASSERT_EQ(tabs()->count(), 3);
  EXPECT_EQ(tabs()->tabText(0), "Pipline Coating");
  EXPECT_EQ(tabs()->tabText(1), "Complete Downhole Coating");
  EXPECT_EQ(tabs()->tabText(2), "Internal Tube Coating");
  struct Row {
    int tab;
    const char *caption, *box, *boxText, *boxTip, *list, *listTip;
    const QStringList* items;
  };
  const Row rows[] = {
      {0, "Internal Pipeline Diameter:", "TbPipelineDiameter", "1", "Type the Pipeline Diameter value here",
       "CboPipelineDiameter", "Choose the Unit of Pipeline Diameter", &kDiameters},
      {0, "Pipeline Length:", "TbPipelineLength", "1", "Type the Pipeline Length value here", "CboPipelineLength",
       "Choose the Unit of Pipeline Length", &kLengths},
      {0, "Coating Thickness:", "TbPipelineThickness", "1", "Type the coating thickness here", "CboPipelineThickness",
       "Choose the Unit of Pipeline Thickness", &kThicknesses},
      {0, "Calculated Volume:", "TbPipelineVolume", "", "Press Calculate for this answer", "CboPipelineVolume",
       "Choose the Unit of Pipeline Volume", &kVolumes},
      {1, "Internal Casing Diameter:", "TbCasingDiameter", "1", "Type the Internal Casing Diameter value here",
       "CboCasingDiameter", "Choose from this selection of Diameter casing Units", &kDiameters},
      {1, "Casing Length:", "TbCasingLength", "1", "Type the Casing Length value here", "CboCasingLength",
       "Choose from this selection of Casing Unit lengths", &kLengths},
      {1, "Desired Coating Thickness:", "TbDwnholeCoating", "1", "Type the desired coating thickness here",
       "CboDownholeCoating", "Choose from this selection of downhole thickness units", &kThicknesses},
      {1, "Internal Tubing Diameter:", "TbTubingDiameter", "1", "Type the Internal Tubing Diameter here",
       "CboTubingDiameter", "Choose from this selection of Tubing Diameter units", &kDiameters},
      {1, "Tubing Length:", "TbTubingLength", "1", "Type the Tubing length here", "CboTubingLength",
       "Choose from this selection of Tubing Length units", &kLengths},
      {1, "Tubing Thickness:", "TbTubingThickness", "1", "Type the tubing thickness value here", "CboTubingThickness",
       "Choose from this selection of Tubing Thickness units", &kThicknesses},
      {1, "Calculated Volume:", "TbDownholeAnswer", "0.000", "Your calculated answer appears here", "CboDownholeAnswer",
       "Choose from these calculated answer units", &kVolumes},
      {2, "Internal Tubing Diameter:", "TbIntTubDiameter", "1", "Enter the diameter value here", "CboIntTubDiameter",
       "Choose the diameter measurement units", &kDiameters},
      {2, "Coating Thickness:", "TbIntTubCoating", "1", "Enter the coating value here", "CboIntTubCoating",
       "Choose the coating measurement units", &kThicknesses},
      {2, "Calculated Volume:", "TbIntTubAnswer", "", "Press Calculate and the answer appears here", "CboIntTubAnswer",
       "Choose the units that you want the answer to appear", &kVolumes},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.box);
    const std::string label = std::string("lbl") + row.box;
    EXPECT_EQ(text(label.c_str()), row.caption);
    EXPECT_EQ(text(row.box), row.boxText);
    EXPECT_EQ(window->control(row.box)->toolTip(), row.boxTip);
    EXPECT_EQ(window->control(row.list)->toolTip(), row.listTip);
    EXPECT_EQ(items(row.list), *row.items);
    EXPECT_EQ(window->control<QComboBox>(row.list)->currentText(), "");
    EXPECT_FALSE(window->control<QComboBox>(row.list)->isEditable());
    EXPECT_TRUE(onTab(row.box, row.tab) && onTab(row.list, row.tab));
  }
  // The tube's length list offers exactly the units its calculation accepts.
  EXPECT_EQ(items("CboIntTubLength"),
            QStringList({"Centimeters", "Feet", "Inches", "Kilometers", "Meters", "Miles", "Millimeters"}));
  const std::tuple<const char*, const char*, int> buttons[] = {
      {"CmdCoatingCalculation", "Press to calculate the answer", 0},
      {"CboDwnholeCoatingCalc", "Press this button to Calculate the Answer", 1},
      {"CmdCalcIntTubCoating", "Press here to calculate the answer", 2},
  };
  for (const auto& [button, tip, tab] : buttons) {
    EXPECT_EQ(text(button), "&Calculate");
    EXPECT_EQ(window->control(button)->toolTip(), tip);
    EXPECT_TRUE(onTab(button, tab)) << button;
  }
  for (const char* picture : {"Picture2", "Picture3", "Picture1"}) EXPECT_NE(window->control(picture), nullptr);
  EXPECT_EQ(menuCaptions(0), QStringList({"&Annular Volume", "Con&versions", "&Fuel Use", "&Main Menu",
                                          "&Pipeline Volume", "&Tank Selection", "-", "E&xit"}));
  EXPECT_EQ(menuCaptions(1), QStringList({"Help &Documentation", "-", "&About Calvexa"}));
}

TEST_F(CoatingWindow, ThreeCalculationsKeptAcrossSwitchesAndTabs) {
  // Pipeline: R = 0.5 m, r = 0.49 m, L = 1000 m: 1000 x (0.25 x 3.1415926) - 1000 x (0.2401 x 3.1415926)
  // = 785.39815 - 754.29638326, in plain number text.
  type("TbPipelineDiameter", "1");
  type("TbPipelineLength", "1000");
  type("TbPipelineThickness", "1");
  pick("CboPipelineDiameter", "Meters");
  pick("CboPipelineLength", "Meters");
  pick("CboPipelineThickness", "Centimeters");
  pick("CboPipelineVolume", "Cubic Meters");
  click("CmdCoatingCalculation");
  EXPECT_EQ(text("TbPipelineVolume"), "31.10176674");

  tabs()->tabButton(1)->click();
  EXPECT_EQ(tabs()->currentIndex(), 1);
  EXPECT_TRUE(window->control("TbCasingDiameter")->isVisible());
  EXPECT_FALSE(window->control("TbPipelineDiameter")->isVisible());
  // Downhole: 7 in casing over 1000 ft, 2 in tubing with a 0.25 in wall over 1 km, 10 mil of coating.
  // Rc = 0.0889 m, Rt = 0.0254 m, w = 0.00635 m, c = 0.000254 m, pi = 3.1415926:
  // pi (Rc^2 - (Rc-c)^2) 304.8 + pi ((Rt+w+c)^2 - (Rt+w)^2) 1000 + pi (Rt^2 - (Rt-c)^2) 1000
  // = 0.0431827 + 0.0508734 + 0.0403339 m3 = 134.390009 litres.
  type("TbCasingDiameter", "7");
  type("TbCasingLength", "1000");
  type("TbDwnholeCoating", "10");
  type("TbTubingDiameter", "2");
  type("TbTubingLength", "1");
  type("TbTubingThickness", "0.25");
  pick("CboCasingDiameter", "Inches");
  pick("CboCasingLength", "Feet");
  pick("CboDownholeCoating", "Mil");
  pick("CboTubingDiameter", "Inches");
  pick("CboTubingLength", "Kilometers");
  pick("CboTubingThickness", "Inches");
  pick("CboDownholeAnswer", "Litres");
  click("CboDwnholeCoatingCalc");
  EXPECT_EQ(text("TbDownholeAnswer"), "134.390");
  type("TbDwnholeCoating", "0");
  click("CboDwnholeCoatingCalc");
  EXPECT_EQ(text("TbDownholeAnswer"), ".000");

  tabs()->tabButton(2)->click();
  // Tube: D = 2 x 0.3048 / 12 m, t = 10 x 0.0000254 m, L = 100 x 0.3048 m, pi = 3.141592654:
  // ((D/2)^2 - (D/2 - t)^2) pi L = 1.2293777... litres.
  type("TbIntTubDiameter", "2");
  type("TbIntTubLength", "100");
  type("TbIntTubCoating", "10");
  pick("CboIntTubDiameter", "Inches");
  pick("CboIntTubLength", "Feet");
  pick("CboIntTubCoating", "Mil");
  pick("CboIntTubAnswer", "Litres");
  click("CmdCalcIntTubCoating");
  EXPECT_EQ(text("TbIntTubAnswer"), "1.229");
  EXPECT_TRUE(app.seam.messages.empty());

  roundTripThroughMainMenu();
  EXPECT_EQ(tabs()->currentIndex(), 2) << "the chosen tab is kept";
  EXPECT_EQ(text("TbPipelineVolume"), "31.10176674");
  EXPECT_EQ(text("TbDownholeAnswer"), ".000");
  EXPECT_EQ(text("TbIntTubAnswer"), "1.229");
  EXPECT_EQ(window->control<QComboBox>("CboIntTubCoating")->currentText(), "Mil");

  closeReturnsToMainMenu();
  open();
  EXPECT_EQ(tabs()->currentIndex(), 0);
  EXPECT_EQ(text("TbIntTubDiameter"), "1");
  EXPECT_EQ(text("TbDownholeAnswer"), "0.000");
}

TEST_F(CoatingWindow, DownholeChecksInOrderOneMessagePerPress) {
  tabs()->setCurrentIndex(1);
  type("TbTubingThickness", "");
  const std::pair<std::function<void()>, std::string> steps[] = {
      {[] {}, "Please type in a number for Tubing Thickness."},
      {[&] { type("TbTubingThickness", "0.25"); },
       "An improper Casing diameter measurement has been chosen. Re-choose a Casing Diameter Unit with the mouse."},
      {[&] {
         pick("CboCasingDiameter", "Inches");
         pick("CboCasingLength", "Feet");
         pick("CboDownholeCoating", "Mil");
         pick("CboTubingDiameter", "Inches");
       },
       "An improper Tubing Thickness Unit has been chosen.  Re-choose another Tubing Thickness Unit with the "
       "mouse."},
      {[&] { pick("CboTubingThickness", "Inches"); },
       "An improper Tubing length has been chosen.  Re-choose a Tubing unit with the mouse."},
      {[&] { pick("CboTubingLength", "Miles"); },
       "An improper Downhole Answer Volume has been chosen.  Re-choose a Downhole Answer Volume unit with the "
       "mouse."},
  };
  for (const auto& [fix, message] : steps) {
    fix();
    click("CboDwnholeCoatingCalc");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{message});
    EXPECT_EQ(text("TbDownholeAnswer"), "0.000");
  }
}

TEST_F(CoatingWindow, TubeTabBoxesTakeAnyTextButCalculateRefusesNonNumbers) {
  tabs()->tabButton(2)->click();
  pick("CboIntTubDiameter", "Inches");
  pick("CboIntTubLength", "Feet");
  pick("CboIntTubCoating", "Mil");
  pick("CboIntTubAnswer", "Litres");
  // No key filter on this tab: letters go in without a message, and pasted text as well.
  type("TbIntTubCoating", "ten");
  EXPECT_EQ(text("TbIntTubCoating"), "ten");
  EXPECT_TRUE(app.seam.messages.empty());
  auto* diameter = window->control<QLineEdit>("TbIntTubDiameter");
  QApplication::clipboard()->setText("2,5");
  diameter->selectAll();
  diameter->paste();
  EXPECT_EQ(diameter->text(), "2,5");
  QApplication::clipboard()->setText("1 00");
  window->control<QLineEdit>("TbIntTubLength")->selectAll();
  window->control<QLineEdit>("TbIntTubLength")->paste();

  const std::pair<std::function<void()>, std::string> steps[] = {
      {[] {}, "Please type in a number for Tubing Diameter."},
      {[&] { type("TbIntTubDiameter", "2"); }, "Please type in a number for Tube Coating Thickness."},
      {[&] { type("TbIntTubCoating", "10"); }, "Please type in a number for Tubing Length."},
  };
  for (const auto& [fix, message] : steps) {
    fix();
    click("CmdCalcIntTubCoating");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{message});
    EXPECT_EQ(text("TbIntTubAnswer"), "");
  }
  // Empty boxes and lists come first, in their own order.
  window->control<QComboBox>("CboIntTubAnswer")->setCurrentIndex(-1);
  type("TbIntTubCoating", "");
  click("CmdCalcIntTubCoating");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{"Please type in a number for Tube Coating Thickness."});
  type("TbIntTubCoating", "10");
  click("CmdCalcIntTubCoating");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{"Please Choose a Tubing Volume Answer Unit with the mouse."});
}

}  // namespace
}  // namespace calvexa
