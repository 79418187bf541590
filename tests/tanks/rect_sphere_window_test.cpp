// The rectangular and spherical tank windows from the main menu through the
// tank chooser: their start state and menus, a calculation with its messages,
// a chart through the divisions dialog to the preview, Cancel keeping the
// typed fluid height, and the close back to the chooser.
#include "support/tank_window_test.h"
#include "tanks/chart_preview.h"
#include "tanks/divisions_window.h"
#include "tanks/spherical_tank_rules.h"
#include "tanks/tank_picture.h"
#include "tanks/tank_window.h"
#include "ui/controls.h"

namespace calvexa {
namespace {

const QStringList kLengths = {"Centimeters", "Feet", "Inches", "Meters", "Millimeters"};
const QStringList kVolumes = {"Cubic Feet",       "Cubic Meters",   "Drums (208 litre)",
                              "Gallons (Canada)", "Gallons (U.S.)", "Litres"};

class RectSphereWindows : public TankChooserTest {
 protected:
  QString tip(const char* name) const {
    QWidget* control = window->control(name);
    return control ? control->toolTip() : QStringLiteral("<missing>");
  }
  // The one message shown since the last call.
  Message takeMessage() {
    EXPECT_EQ(app.seam.messages.size(), 1u);
    const Message shown = app.seam.messages.empty() ? Message{.text = "<none>"} : app.seam.messages.front();
    app.seam.messages.clear();
    return shown;
  }
};

TEST_F(RectSphereWindows, RectangularTankFromTheMainMenuToAChartAndBack) {
  openTank("CmdRectangularTanks", kRectangularTankWindow);
  EXPECT_EQ(window->objectName(), "FrmRectangularTank");
  EXPECT_EQ(window->windowTitle(), "Rectangular Tank Calculation");
  EXPECT_EQ(text("lblHeading0"), "Determine the volume of liquid from the bottom of a rectangular tank");
  EXPECT_EQ(window->statusPanels()->text(), "Press F1 for Help");
  EXPECT_NE(qobject_cast<TankPicture*>(window->control("Image1")), nullptr);
  for (const char* box : {"TbSquareLength", "TbSquareWidth", "TbSquareHeight", "TbFluidHeight"})
    EXPECT_EQ(text(box), "1") << box;
  for (const char* list : {"CboSquareLength", "CboSquareWidth", "CboSquareHeight", "CboFluidHeight"}) {
    EXPECT_EQ(text(list), "") << list;
    EXPECT_EQ(items(list), kLengths) << list;
  }
  EXPECT_EQ(items("CboLiquidVolumeAnswer"), kVolumes);
  auto* longCaption = window->control<QLabel>("lblTbFluidHeight");
  ASSERT_NE(longCaption, nullptr);
  EXPECT_EQ(longCaption->text(), "Height of fluid from the tank bottom:");
  EXPECT_LE(longCaption->heightForWidth(longCaption->width()), longCaption->height()) << "its two lines shown whole";
  EXPECT_TRUE(window->control<QComboBox>("CboLiquidVolumeAnswer")->isEditable());
  EXPECT_EQ(tip("TbFluidHeight"), "Enter the fluid height here");
  EXPECT_EQ(tip("CboLiquidVolumeAnswer"), "Choose the answer units");
  EXPECT_EQ(tip("TbLiquidVolumeAnswer"), "Press Calculate for your answer here");
  EXPECT_EQ(text("CmdPrintChartData"), "&Print Chart with Data");
  EXPECT_EQ(tip("CmdPrintChartData"), "Press to print a tank sheet");
  EXPECT_EQ(tip("CmdCalculate"), "Press to calculate the answer");
  EXPECT_EQ(menuCaptions(0), QStringList({"&Annular Volume", "&Conversions", "C&oatings", "&Fuel Use", "&Main Menu",
                                          "&Pipeline Volume", "&Tank Selection", "Tank &Gauging", "-", "E&xit"}));
  EXPECT_EQ(menuCaptions(1), QStringList({"&About Calvexa", "-", "&Help File"}));

  // Calculate at once: the width's unit first, with the icon and title "Error".
  click("CmdCalculate");
  EXPECT_EQ(takeMessage(), (Message{"An improper Width measurement has been chosen.\r\nRe-choose a Unit with the mouse",
                                    "Error", Icon::Information}));
  for (const char* list : {"CboSquareLength", "CboSquareWidth", "CboSquareHeight"}) pick(list, "Meters");
  pick("CboLiquidVolumeAnswer", "Litres");
  type("TbSquareWidth", "2");
  type("TbSquareLength", "3");
  type("TbSquareHeight", "4");
  // A unit typed in the wrong case: the fluid height's plain message.
  typeUnit("CboFluidHeight", "meters");
  click("CmdCalculate");
  EXPECT_EQ(takeMessage(),
            (Message{"An improper Fluid Tank Height unit has been chosen.\r\nRe-choose a Unit with the mouse"}));
  typeUnit("CboFluidHeight", "Meters");
  click("CmdCalculate");
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(text("TbLiquidVolumeAnswer"), "6000") << "2 × 3 m, 1 m of fluid";

  // A chart: only the fluid unit is set before the dialog.
  type("TbFluidHeight", "30");
  pick("CboFluidHeight", "Centimeters");
  int pages = 0;
  app.seam.answerModal = [&](QWidget& modal) {
    if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
      EXPECT_EQ(text("TbFluidHeight"), "30");
      EXPECT_EQ(text("CboFluidHeight"), "Meters");
      typeInto(dialog, "TbTankDivisions", "4");
      dialog->control<QAbstractButton>("CmdOkButton")->click();
    } else if (auto* preview = qobject_cast<ChartPreview*>(&modal)) {
      pages = preview->pageCount();
    }
  };
  click("CmdPrintChartData");
  EXPECT_EQ(app.seam.modals, QStringList({"FrmTankSections", "DataReportChart"}));
  EXPECT_EQ(pages, 2) << "the table and the fill curve";
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(text("TbFluidHeight"), "4");
  EXPECT_EQ(text("TbLiquidVolumeAnswer"), "24000") << "the full tank, 2 × 3 × 4 m";
  EXPECT_EQ(qobject_cast<TankWindow*>(window)->lastDivisions(), 4);

  // Cancel: the typed fluid height stays, only its unit follows the tank height.
  type("TbFluidHeight", "2");
  pick("CboFluidHeight", "Feet");
  answerDivisions("", false);
  click("CmdPrintChartData");
  EXPECT_EQ(text("TbFluidHeight"), "2");
  EXPECT_EQ(text("CboFluidHeight"), "Meters");
  EXPECT_EQ(text("TbLiquidVolumeAnswer"), "24000");

  // An empty required box: its message with the icon and "Error", no dialog.
  const int modals = static_cast<int>(app.seam.modals.size());
  type("TbSquareLength", "");
  click("CmdPrintChartData");
  EXPECT_EQ(takeMessage(), (Message{"Please type a Rectangular Tank Length Value", "Error", Icon::Information}));
  EXPECT_EQ(app.seam.modals.size(), modals);

  trigger("MnuHelpHelpFile");
  EXPECT_EQ(app.seam.helpSections.value(0), "rectangular");
  closeReturnsTo(kTankSelectionWindow);
  EXPECT_EQ(app.seam.busyDepth, 0);
}

TEST_F(RectSphereWindows, SphericalTankFromTheMainMenuToAChartAndBack) {
  openTank("CmdSphericalTank", kSphericalTankWindow);
  EXPECT_EQ(window->objectName(), "FrmSphericalTank");
  EXPECT_EQ(window->windowTitle(), "Spherical Tank Volume");
  EXPECT_EQ(text("lblHeading0"), "Determine the volume of liquid from the bottom of a spherical tank.");
  EXPECT_EQ(window->statusPanels()->text(), "Press F1 for Help");
  EXPECT_NE(qobject_cast<TankPicture*>(window->control("Image1")), nullptr);
  EXPECT_EQ(text("TbSphereDiameter"), "1");
  EXPECT_EQ(text("TbSphereFluidHeight"), "1");
  EXPECT_EQ(items("CboSphereDiameter"), kLengths);
  EXPECT_EQ(items("CboSphereFluidHeight"), kLengths);
  EXPECT_EQ(items("CboSphereTankAnswer"), kVolumes);
  EXPECT_EQ(text("CboSphereTankAnswer"), "");
  EXPECT_TRUE(window->control<QComboBox>("CboSphereDiameter")->isEditable());
  EXPECT_EQ(tip("TbSphereFluidHeight"), "Enter the Fluid height here");
  EXPECT_EQ(tip("CboSphereDiameter"), "Choose the sphere diameter units here");
  EXPECT_EQ(tip("CmdPrintSphereCalculation"), "Press to print this tanks graduated levels");
  EXPECT_EQ(menuCaptions(0), QStringList({"&Annular Volume", "&Coating", "Con&versions", "&Fuel Use", "&Main Menu",
                                          "&Pipeline Volume", "&Tank Selection", "Tank &Gauging", "-", "E&xit"}));
  EXPECT_EQ(menuCaptions(1), QStringList({"Help &Documentation", "-", "&About Calvexa"}));

  // The start values, all in metres: the whole sphere of 1 m, a sixth of pi.
  pick("CboSphereDiameter", "Meters");
  typeUnit("CboSphereFluidHeight", "Meters");
  pick("CboSphereTankAnswer", "Cubic Meters");
  click("CmdSphereTankCalc");
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(text("TbSphereTankAnswer"), ".5236");
  // A fluid height above the diameter: one plain message, the answer kept.
  type("TbSphereFluidHeight", "1.5");
  click("CmdSphereTankCalc");
  EXPECT_EQ(takeMessage(), Message{.text = kFluidOutsideSphereText});
  EXPECT_EQ(text("TbSphereTankAnswer"), ".5236");
  type("TbSphereFluidHeight", "");
  click("CmdSphereTankCalc");
  EXPECT_EQ(takeMessage(), Message{.text = "Please enter a Fluid Height"});

  // A chart of a 2 m sphere in litres: the diameter is stepped.
  type("TbSphereDiameter", "2");
  type("TbSphereFluidHeight", "7");
  pick("CboSphereFluidHeight", "Inches");
  pick("CboSphereTankAnswer", "Litres");
  int pages = 0;
  app.seam.answerModal = [&](QWidget& modal) {
    if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
      EXPECT_EQ(text("TbSphereFluidHeight"), "7");
      EXPECT_EQ(text("CboSphereFluidHeight"), "Meters");
      dialog->control<QAbstractButton>("CmdOkButton")->click();  // 30 divisions
    } else if (auto* preview = qobject_cast<ChartPreview*>(&modal)) {
      pages = preview->pageCount();
    }
  };
  click("CmdPrintSphereCalculation");
  EXPECT_EQ(app.seam.modals, QStringList({"FrmTankSections", "DataReportChart"}));
  EXPECT_EQ(pages, 2) << "the table and the fill curve";
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(text("TbSphereFluidHeight"), "2");
  // The full sphere of 2 m: four thirds of pi cubic metres, in litres.
  EXPECT_EQ(text("TbSphereTankAnswer"), "4,188.7902");
  EXPECT_EQ(qobject_cast<TankWindow*>(window)->lastDivisions(), 30);

  // Cancel keeps the typed fluid height.
  type("TbSphereFluidHeight", "0.5");
  pick("CboSphereFluidHeight", "Feet");
  answerDivisions("", false);
  click("CmdSphereTankCalc");
  const QString answer = text("TbSphereTankAnswer");
  click("CmdPrintSphereCalculation");
  EXPECT_EQ(text("TbSphereFluidHeight"), "0.5");
  EXPECT_EQ(text("CboSphereFluidHeight"), "Meters");
  EXPECT_EQ(text("TbSphereTankAnswer"), answer);

  // An empty required unit: its plain message (with its odd spelling).
  typeUnit("CboSphereDiameter", "");
  click("CmdPrintSphereCalculation");
  EXPECT_EQ(takeMessage(), Message{.text = "Please choose a Sperical Internal Diameter Unit with the mouse"});

  trigger("MnuHelpHelp");
  EXPECT_EQ(app.seam.helpSections.value(0), "spherical");
  closeReturnsTo(kTankSelectionWindow);
  EXPECT_EQ(app.seam.busyDepth, 0);
}

TEST_F(RectSphereWindows, ChooserFileMenuOpensBothAndTheyKeepTheirValues) {
  QAction* rectangular = menuItem(chooser(), "MnuFileRectangularTank");
  QAction* spherical = menuItem(chooser(), "MnuFileSphericalTank");
  ASSERT_NE(rectangular, nullptr);
  ASSERT_NE(spherical, nullptr);
  EXPECT_TRUE(rectangular->isEnabled());
  EXPECT_TRUE(spherical->isEnabled());
  spherical->trigger();
  window = form(kSphericalTankWindow);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  type("TbSphereDiameter", "3");
  trigger("MnuFileTankSelection");
  EXPECT_TRUE(chooser()->isVisible());
  rectangular->trigger();
  EXPECT_TRUE(form(kRectangularTankWindow)->isVisible());
  EXPECT_FALSE(form(kSphericalTankWindow)->isVisible());
  window = form(kRectangularTankWindow);
  trigger("MnuFileTankSelection");
  openTank("CmdSphericalTank", kSphericalTankWindow);
  EXPECT_EQ(text("TbSphereDiameter"), "3") << "hidden, not unloaded";
  EXPECT_EQ(app.seam.busyDepth, 0);
}

}  // namespace
}  // namespace calvexa
