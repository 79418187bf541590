// The horizontal tank window through the tank chooser: its start state, a
// calculation with typed units, a chart through the divisions dialog and back,
// the configured help command and the modal About box.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <string_view>

#include "core/number_text.h"
#include "support/calculation_checks.h"
#include "support/tank_window_test.h"
#include "tanks/chart_preview.h"
#include "tanks/divisions_window.h"
#include "tanks/horizontal_tank_rules.h"
#include "tanks/tank_picture.h"
#include "tanks/tank_window.h"
#include "ui/controls.h"

namespace calvexa {
namespace {

class HorizontalWindow : public TankChooserTest {
 protected:
  // Main menu, the chooser, then its horizontal button.
  void SetUp() override {
    TankChooserTest::SetUp();
    openHorizontal();
  }
  void openHorizontal() { openTank("CmdHorizontalTanks", kHorizontalTanksWindow); }
};

TEST_F(HorizontalWindow, OpensFromTheChooserOnTheFlatTabWithEveryUnitEmpty) {
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(chooser()->isVisible());
  EXPECT_EQ(window->objectName(), "FrmHorizontalTanks");
  EXPECT_EQ(window->windowTitle(), "Tank Calculations");
  const QStringList captions = {"Horizontal Tank Volume (E)",    "Elliptical Tank Volume (C)",
                                "Elliptical Tank Volume(E)",     "Horizontal Tank Volume (C)",
                                "Horizontal Tank Volume (G)",    "Horizontal Tank Volume (Flat)",
                                "Elliptical Tank Volume (Flat)", "Elliptical Tank Volume (G)"};
  ASSERT_EQ(tabs()->count(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(tabs()->tabText(i), captions[i]);
  EXPECT_EQ(tabs()->currentIndex(), 5);
  EXPECT_EQ(window->statusPanels()->text(), "Press F1 for Help");
  EXPECT_EQ(text("lblHeading5"),
            "Determine the volume of liquid from the bottom of a circular horizontal tank with flat ends.");
  // Every box "1", every unit list empty, editable and sorted, every answer empty.
  const QStringList lengths = {"Centimeters", "Feet", "Inches", "Meters", "Millimeters"};
  const QStringList volumes = {"Cubic Feet",       "Cubic Meters",   "Drums (208 litre)",
                               "Gallons (Canada)", "Gallons (U.S.)", "Litres"};
  int boxes = 0;
  for (const Page& page : horizontalTankForm().pages) {
    for (const PageRow& row : page.rows) {
      SCOPED_TRACE(row.list);
      const bool answer = row.kind == RowKind::Answer;
      EXPECT_EQ(text(row.box), answer ? "" : "1");
      boxes += answer ? 0 : 1;
      auto* list = window->control<QComboBox>(row.list);
      ASSERT_NE(list, nullptr);
      EXPECT_TRUE(list->isEditable());
      EXPECT_EQ(list->currentText(), "");
      EXPECT_EQ(itemsOf(list), answer ? volumes : lengths);
    }
  }
  EXPECT_EQ(boxes, 34);
  EXPECT_EQ(text("CmdPrintChartData"), "&Print Chart With Data");
  EXPECT_EQ(text("Command2"), "&Print Chart with Data");
  EXPECT_NE(qobject_cast<TankPicture*>(window->control("Picture5")), nullptr);
  EXPECT_EQ(menuCaptions(0), QStringList({"&Annular Volume", "&Coating", "Con&version", "&Fuel Use", "&Main Menu",
                                          "&Pipeline Volume", "&Tank Selection", "Tank &Gauging", "-", "E&xit"}));
  EXPECT_EQ(menuCaptions(1), QStringList({"Help &Documentation", "-", "&About Calvexa"}));
  EXPECT_TRUE(menuItem(chooser(), "MnuFileHorizontalTanks")->isEnabled());
  // Calculate at once: the diameter's unit is the first the flat tab reads.
  click("CmdCalcHorizTankVolume");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{"An improper Horizontal Tank Diameter measurement has been "
                                                     "chosen. Re-choose a Horizontal Tank Diameter Unit with the "
                                                     "mouse."});
  EXPECT_EQ(text("TbHorizTankAnswer"), "");
}

TEST_F(HorizontalWindow, TypedUnitsMatchExactlyAndTheStateIsKeptThroughTheChooser) {
  typeUnit("CboHorizInterDiameter", "meters");
  typeUnit("CboHorizTankLength", "Meters");
  typeUnit("CboHorizFluidHeight", "Meters");
  pick("CboHorizTankAnswer", "Litres");
  type("TbHorizInterDiameter", "2");
  type("TbHorizTankLength", "5");
  click("CmdCalcHorizTankVolume");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{"An improper Horizontal Tank Diameter measurement has been "
                                                     "chosen. Re-choose a Horizontal Tank Diameter Unit with the "
                                                     "mouse."});
  EXPECT_EQ(text("CboHorizInterDiameter"), "meters") << "typed text stays as typed";
  // 2 m across, 5 m long, 1 m of fluid: half of pi × 5 cubic metres, in litres.
  typeUnit("CboHorizInterDiameter", "Meters");
  click("CmdCalcHorizTankVolume");
  EXPECT_TRUE(takeMessages().empty());
  EXPECT_EQ(text("TbHorizTankAnswer"), "7,853.9816");
  // The volume unit typed wrongly: the cubic metres stay in the label.
  typeUnit("CboHorizTankAnswer", "Litre");
  click("CmdCalcHorizTankVolume");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{"An improper Horizontal Tank Volume Unit has been chosen.  "
                                                     "Re-choose a Horizontal Tank Volume Unit with the mouse."});
  EXPECT_EQ(text("TbHorizTankAnswer"), "7.85398163397448");
  // Another tab, then away to the chooser and back: all as it was.
  tabs()->setCurrentIndex(1);
  trigger("MnuFileTankSelection");
  EXPECT_TRUE(chooser()->isVisible());
  EXPECT_FALSE(window->isVisible());
  FormWindow* before = window;
  openHorizontal();
  EXPECT_EQ(window, before);
  EXPECT_EQ(tabs()->currentIndex(), 1);
  EXPECT_EQ(text("TbHorizTankAnswer"), "7.85398163397448");
  EXPECT_EQ(text("CboHorizTankAnswer"), "Litre");
  EXPECT_EQ(app.seam.busyDepth, 0);
  closeReturnsTo(kTankSelectionWindow);
  // Opened again, the window starts afresh.
  openHorizontal();
  EXPECT_EQ(tabs()->currentIndex(), 5);
  EXPECT_EQ(text("TbHorizTankAnswer"), "");
}

TEST_F(HorizontalWindow, ConicalChartFromAFluidHeightInCentimetresAndBack) {
  tabs()->setCurrentIndex(3);
  for (const char* list : {"CboHorizInterDiameterC", "CboHorizTankLengthC", "CboHorizConicalLengthC"})
    pick(list, "Meters");
  pick("CboHorizFluidHeightC", "Centimeters");
  pick("CboHorizTankAnswerC", "Cubic Meters");
  type("TbHorizInterDiameterC", "2");
  type("TbHorizTankLengthC", "5");
  type("TbHorizFluidHeightC", "50");
  // The (E) tab's fluid boxes, which the chart of (C) must leave alone.
  pick("CboHorizFluidHeightS", "Centimeters");
  type("TbHorizFluidHeightS", "7");
  QString title;
  int pages = 0;
  app.seam.answerModal = [&](QWidget& modal) {
    if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
      EXPECT_EQ(text("TbHorizFluidHeightC"), "2") << "a full tank before the dialog";
      EXPECT_EQ(text("CboHorizFluidHeightC"), "Meters");
      typeInto(dialog, "TbTankDivisions", "4");
      dialog->control<QAbstractButton>("CmdOkButton")->click();
    } else if (auto* preview = qobject_cast<ChartPreview*>(&modal)) {
      title = preview->windowTitle();
      pages = preview->pageCount();
    }
  };
  click("Command2");
  EXPECT_EQ(app.seam.modals, QStringList({"FrmTankSections", "DataReportChart"}));
  EXPECT_EQ(title, "Chart Results");
  EXPECT_EQ(pages, 2) << "the table and the fill curve";
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(qobject_cast<TankWindow*>(window)->lastDivisions(), 4);
  // The tab ends on the full tank: pi × 1² × 5 and two whole cones of 2 × pi × 1² × 1 ÷ 3.
  EXPECT_EQ(text("TbHorizFluidHeightC"), "2");
  EXPECT_EQ(text("CboHorizFluidHeightC"), "Meters");
  EXPECT_EQ(text("TbHorizTankAnswerC"), QString::fromStdString(grouped4(5 * 4 * std::atan(1.0) + 2 * 3.141592654 / 3)));
  EXPECT_EQ(text("TbHorizFluidHeightS"), "7");
  EXPECT_EQ(text("CboHorizFluidHeightS"), "Centimeters");
  EXPECT_EQ(text("TbHorizFluidHeight"), "1");
  EXPECT_EQ(text("CboHorizFluidHeight"), "");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(app.seam.busyDepth, 0);
  closeReturnsTo(kTankSelectionWindow);
}

// A tank 8 m long the wrong way: refused by Calculate and by the chart alike,
// with one message naming the length, before anything changes.
TEST_F(HorizontalWindow, ANegativeLengthIsRefusedByCalculateAndByTheChart) {
  for (const char* list : {"CboHorizInterDiameter", "CboHorizTankLength", "CboHorizFluidHeight"}) pick(list, "Meters");
  pick("CboHorizTankAnswer", "Cubic Meters");
  type("TbHorizInterDiameter", "2");
  type("TbHorizTankLength", "8");
  click("CmdCalcHorizTankVolume");
  // Half of pi × 1² × 8 m³.
  EXPECT_EQ(text("TbHorizTankAnswer"), QString::fromStdString(grouped4(8 * 2 * std::atan(1.0))));
  const QString answer = text("TbHorizTankAnswer");
  type("TbHorizTankLength", "-8");
  click("CmdCalcHorizTankVolume");
  const std::vector<std::string> refused = {"The value typed for Length of Tank cannot be below zero."};
  EXPECT_EQ(takeMessages(), refused);
  EXPECT_EQ(text("TbHorizTankAnswer"), answer) << "the answer keeps its text";
  answerDivisions("30");
  click("CmdPrintChartData");
  EXPECT_EQ(takeMessages(), refused);
  EXPECT_TRUE(app.seam.modals.isEmpty()) << "no divisions asked for";
  EXPECT_EQ(text("TbHorizFluidHeight"), "1") << "the tab as it was";
  EXPECT_EQ(text("TbHorizTankAnswer"), answer);
}

TEST_F(HorizontalWindow, HelpOpensTheConfiguredHelpFileOrSaysWhyNot) {
  QTemporaryDir folder;
  const QString present = folder.filePath("TankHelp.html");
  QFile file(present);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<html><body><a name=\"horizontal\"></a>Horizontal tanks</body></html>");
  file.close();
  const QString missing = folder.filePath("Gone.html");
  const QString programFolder = QCoreApplication::applicationDirPath();
  struct Case {
    const char* name;
    QString setting;
    QString opened;          // empty: nothing opened
    std::string message;     // empty: no message
    std::string title = {};  // of the message
    Icon icon = Icon::None;
  };
  const Case cases[] = {
      {"no help file configured", "", "",
       "Unable to display Help Contents. There is no Help associated with this project.", "Tank Calculations",
       Icon::Information},
      {"a help file that is there", present, present, ""},
      {"a name in the program folder", "CalvexaHelp.html", programFolder + "/CalvexaHelp.html", ""},
      {"a help file that is missing", missing, "",
       "The help file " + QDir::toNativeSeparators(missing).toStdString() +
           " cannot be opened: it is missing or cannot be read."},
      {"a folder, not a file", folder.path(), "",
       "The help file " + QDir::toNativeSeparators(folder.path()).toStdString() +
           " cannot be opened: it is missing or cannot be read."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    app.seam.messages.clear();
    app.seam.helpOpened.clear();
    app.seam.helpSections.clear();
    app.configuredHelp = ConfiguredHelp(c.setting);
    const int brackets = app.seam.busyBrackets;
    trigger("MnuHelpHelp");
    EXPECT_EQ(app.seam.busyBrackets, brackets) << "the pointer is left as it is";
    if (c.opened.isEmpty()) {
      EXPECT_TRUE(app.seam.helpOpened.isEmpty());
    } else {
      EXPECT_EQ(app.seam.helpOpened, QStringList{c.opened});
      EXPECT_EQ(app.seam.helpSections, QStringList{"horizontal"});
    }
    if (c.message.empty()) {
      EXPECT_TRUE(app.seam.messages.empty());
    } else {
      ASSERT_EQ(app.seam.messages.size(), 1u);
      EXPECT_EQ(app.seam.messages[0].text, c.message);
      EXPECT_EQ(app.seam.messages[0].title, c.title);
      EXPECT_EQ(app.seam.messages[0].icon, c.icon);
    }
  }
}

TEST(HorizontalHelpSetting, ByDefaultTheHelpFileInTheProgramFolder) {
  if (std::string_view(CALVEXA_CONFIGURED_HELP) != "CalvexaHelp.html")
    GTEST_SKIP() << "built with the configured help " << CALVEXA_CONFIGURED_HELP;
  TestApp app;
  EXPECT_EQ(app.configuredHelp.path(), QCoreApplication::applicationDirPath() + "/CalvexaHelp.html");
}

TEST_F(HorizontalWindow, AboutBoxIsModalOverTheWindowUntilClosed) {
  trigger("MnuHelpAbout");
  auto* about = form(kAboutWindow);
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_TRUE(about->isModal());
  EXPECT_EQ(about->parentWidget(), window) << "owned by the tank window";
  EXPECT_EQ(QApplication::activeModalWidget(), about);
  EXPECT_TRUE(window->isVisible()) << "the window stays visible under it";
  about->control<QAbstractButton>("cmdOK")->click();
  EXPECT_FALSE(about->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace calvexa
