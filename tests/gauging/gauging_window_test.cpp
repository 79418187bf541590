// The tank gauging window: opened from the tank chooser and the tank windows,
// gauging against an upright tank's tab and against a capacity table file
// (innage and ullage, a floating roof), one message per refusal with the
// answers left as they were, and the window's own keys.
//
// The expected answers are worked by hand from API MPMS 12.1.1 and 11.1-2004:
//   crude, API 30.0 at 80.0 °F, base 60 °F: ρ60 = 141.5 × 999.016 / 161.5 =
//   875.2988 kg/m³; 80 °F is 79.9957 °F on IPTS-68; α60 = 341.0957 / ρ*² with
//   the density shift; CTL = 0.991070188815 -> 0.99107.
//   Mild steel shell: (7 × 80 + 70) / 8 = 78.75 -> 79 °F; ΔT 19 from 60 °F;
//   CTSh = 1 + 2 × 6.2E-06 × 19 + (6.2E-06 × 19)² = 1.0002356 -> 1.00024.
//   CSW at 0.5 % S&W: 0.99500. Every volume is rounded to 2 decimals before
//   the next step uses it.
#include "gauging/gauging_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "core/key_filter.h"
#include "gauging/gauging_ticket.h"
#include "support/tank_window_test.h"
#include "tanks/tank_window.h"
#include "ui/page_view.h"

namespace calvexa {
namespace {

// A straight tank of 1,000 bbl a foot, a floating roof of 50,000 lb not
// deducted in the table, landed below 5 ft and floating from 7 ft.
const char* const kTableFile =
    "tank,T-7\r\n"
    "height unit,Feet\r\n"
    "volume unit,Barrels\r\n"
    "reference height,42.5\r\n"
    "roof,\"floating, not deducted\"\r\n"
    "roof weight,50000 lb\r\n"
    "critical zone,5 7\r\n"
    "height,volume\r\n"
    "0,0\r\n"
    "10,10000\r\n"
    "20,20000\r\n"
    "30,30000\r\n"
    "40,40000\r\n";

struct Answers {
  const char* tov;
  const char* fw;
  const char* ctsh;
  const char* roof;
  const char* gov;
  const char* ctl;
  const char* gsv;
  const char* csw;
  const char* nsv;
  const char* sw;
};

class GaugingWindowTest : public TankChooserTest {
 protected:
  FormWindow* gauging() const { return form(kGaugingWindow); }

  // Opens the window from the File item of the window the test is in.
  void openGauging() {
    trigger("MnuFileTankGauging");
    window = gauging();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(app.seam.busyDepth, 0);
  }

  // The crude oil of the hand-worked chain, the temperatures in °F.
  void typeCrude() {
    type("TbGaugeDensity", "30");
    type("TbGaugeLiquidTemp", "80");
    type("TbGaugeAmbientTemp", "70");
    type("TbGaugeSW", "0.5");
  }

  void expectAnswers(const Answers& a, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(takeMessages(), std::vector<std::string>{});
    EXPECT_EQ(text("TbGaugeTOV"), a.tov);
    EXPECT_EQ(text("TbGaugeFW"), a.fw);
    EXPECT_EQ(text("TbGaugeCTSh"), a.ctsh);
    EXPECT_EQ(text("TbGaugeRoof"), a.roof);
    EXPECT_EQ(text("TbGaugeGOV"), a.gov);
    EXPECT_EQ(text("TbGaugeBaseDensity"), "30.0 API, 875.3 kg/m³");
    EXPECT_EQ(text("TbGaugeCTL"), a.ctl);
    EXPECT_EQ(text("TbGaugeGSV"), a.gsv);
    EXPECT_EQ(text("TbGaugeCSW"), a.csw);
    EXPECT_EQ(text("TbGaugeNSV"), a.nsv);
    EXPECT_EQ(text("TbGaugeSWVolume"), a.sw);
  }

  // Writes the table to a file and opens it with "&Open Table...".
  void openTable(const QByteArray& contents) {
    const QString path = dir.filePath("tank-t7.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    file.close();
    app.seam.openFrom = path;
    click("CmdGaugeOpenTable");
  }

  QTemporaryDir dir;
};

TEST_F(GaugingWindowTest, OpensFromTheChooserAndEveryTankWindowAfterTheirWindowItems) {
  QAction* item = menuItem(chooser(), "MnuFileTankGauging");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "Tank &Gauging");
  EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
  openGauging();
  EXPECT_EQ(window->windowTitle(), "Tank Gauging");
  EXPECT_FALSE(chooser()->isVisible());
  // The lists hold their items in the window's order, each with a choice made.
  EXPECT_EQ(items("CboGaugeMethod"), QStringList({"Innage", "Ullage"}));
  EXPECT_EQ(items("CboGaugeTempUnit"), QStringList({"°F", "°C"}));
  EXPECT_EQ(items("CboGaugeBase"), QStringList({"60 °F", "15 °C"}));
  EXPECT_EQ(text("CboGaugeEdition"), "2004 (API MPMS 11.1-2004)");
  EXPECT_EQ(items("CboGaugeSource"), QStringList()) << "nothing to gauge against yet";
  EXPECT_FALSE(window->control<QCheckBox>("ChkGaugeHydrometer")->isChecked());

  // The reading takes the keys of feet, inches and eighths, and no others.
  type("TbGaugeReading", "12' 3 5/8\"");
  EXPECT_EQ(text("TbGaugeReading"), "12' 3 5/8\"");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{});
  type("TbGaugeReading", "1x");
  EXPECT_EQ(text("TbGaugeReading"), "1");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{improperNumberMessage().text});

  // Without a source, Calculate says what is missing and writes nothing.
  typeCrude();
  type("TbGaugeReading", "1");
  click("CmdGaugeCalculate");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{kNoSourceText});
  EXPECT_EQ(text("TbGaugeNSV"), "");

  // F1 and the Help item open the help at the gauging section; closing shows the tank chooser.
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_F1);
  trigger("MnuHelpHelp");
  EXPECT_EQ(app.seam.helpSections, QStringList({"gauging", "gauging"}));
  closeReturnsTo(kTankSelectionWindow);
}

// Every tank window offers the tab in front (or the window itself when it
// has no tabs); the last one opened from replaces the one before.
TEST_F(GaugingWindowTest, EveryTankWindowOffersTheTabInFront) {
  const struct {
    const char* button;
    WindowKey key;
    int tab;  // -1: no tabs
    const char* offered;
  } windows[] = {
      {"CmdVerticalTanks", kVerticalTankWindow, 3, "Tank window: Vertical Tank (S)"},
      {"CmdHorizontalTanks", kHorizontalTanksWindow, 0, "Tank window: Horizontal Tank Volume (E)"},
      {"CmdRectangularTanks", kRectangularTankWindow, -1, "Tank window: Rectangular Tank Calculation"},
      {"CmdSphericalTank", kSphericalTankWindow, -1, "Tank window: Spherical Tank Volume"},
  };
  for (const auto& w : windows) {
    SCOPED_TRACE(w.offered);
    openTank(w.button, w.key);
    if (w.tab >= 0) tabs()->setCurrentIndex(w.tab);
    QAction* item = menuItem(window, "MnuFileTankGauging");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    openGauging();
    EXPECT_EQ(items("CboGaugeSource"), QStringList({w.offered}));
    trigger("MnuFileTankSelection");
    EXPECT_TRUE(chooser()->isVisible());
  }
}

// Ctrl+G typed in a number box opens gauging, as it does anywhere in the
// window; other control keys in the box are still refused by the filter.
TEST_F(GaugingWindowTest, CtrlGInANumberBoxOpensGauging) {
  openTank("CmdVerticalTanks", kVerticalTankWindow);
  tabs()->setCurrentIndex(0);
  FormWindow* tank = window;
  tank->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(tank));
  auto* box = tank->findChild<QLineEdit*>("TbTankHeight");
  ASSERT_NE(box, nullptr);
  box->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), box) << "the key must reach the box the way a user's does";
  // As X11 delivers them: Ctrl+B types code 2, Ctrl+G code 7.
  QTest::sendKeyEvent(QTest::Click, box, Qt::Key_B, QString(QChar(2)), Qt::ControlModifier);
  EXPECT_EQ(takeMessages(), std::vector<std::string>{improperNumberMessage().text});
  QTest::sendKeyEvent(QTest::Click, box, Qt::Key_G, QString(QChar(7)), Qt::ControlModifier);
  EXPECT_EQ(takeMessages(), std::vector<std::string>{});
  ASSERT_NE(gauging(), nullptr);
  EXPECT_TRUE(gauging()->isVisible());
}

// Vertical Tank (Flat), 10 m across: 25 × 3.1415926 = 78.539815 m³ a metre.
//   TOV  78.539815 × 8.000 = 628.31852 -> 628.32 m³;  FW  × 0.100 = 7.85 m³
//   GOV  (628.32 - 7.85) × 1.00024 = 620.6189 -> 620.62
//   GSV  620.62 × 0.99107 = 615.0779 -> 615.08;  NSV 615.08 × 0.995 = 612.0046 -> 612.00
//   S&W  615.08 - 612.00 = 3.08
TEST_F(GaugingWindowTest, GaugesAgainstTheUprightTankTabInFront) {
  openTank("CmdVerticalTanks", kVerticalTankWindow);
  tabs()->setCurrentIndex(0);
  type("TbInternalTankDiameter", "10");
  type("TbTankHeight", "15");
  type("TbLiquidHeight", "3");
  for (const char* list : {"CboInternalTankDiameter", "CboTankHeight", "CboLiquidHeight"}) pick(list, "Meters");
  FormWindow* tank = window;
  openGauging();
  EXPECT_EQ(items("CboGaugeSource"), QStringList({"Tank window: Vertical Tank (Flat)"}));
  EXPECT_EQ(text("CboGaugeLengthUnit"), "Meters") << "the tab's length unit";

  // The tab's texts were copied when the window opened: typing there later
  // changes nothing here.
  typeInto(tank, "TbInternalTankDiameter", "99");

  typeCrude();
  type("TbGaugeReading", "8");
  type("TbGaugeWater", "0.1");
  pick("CboGaugeVolumeUnit", "Cubic Meters");
  click("CmdGaugeCalculate");
  expectAnswers({"628.32", "7.85", "1.00024", "0.00", "620.62", "0.99107", "615.08", "0.99500", "612.00", "3.08"},
                "flat upright tank");
  EXPECT_EQ(text("LblGaugeWarnings"), "");

  // Above the tank's 15 m the tab's calculation refuses: one message, and
  // the answers stay as they were.
  type("TbGaugeReading", "15.5");
  click("CmdGaugeCalculate");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{kOutsideTableText});
  EXPECT_EQ(text("TbGaugeNSV"), "612.00");

  // Hidden and shown again through the tank window, the window keeps what it holds.
  trigger("MnuFileTankSelection");
  EXPECT_FALSE(gauging()->isVisible());
  openTank("CmdVerticalTanks", kVerticalTankWindow);
  openGauging();
  EXPECT_EQ(text("TbGaugeReading"), "15.5");
  EXPECT_EQ(text("TbGaugeNSV"), "612.00");
}

// The table: 1,000 bbl a foot. 20 ft 6 in = 20.5 ft: TOV 20,500.00 bbl; water
// 0 ft 3 in = 0.25 ft: FW 250.00 bbl. The roof, 50,000 lb = 22,679.6185 kg,
// over the density at 80 °F, 875.2988 × 0.99107 = 867.4825 kg/m³: 26.14418 m³
// = 164.44196 bbl off -> -164.44.
//   GOV  (20,500.00 - 250.00) × 1.00024 - 164.44 = 20,254.86 - 164.44 = 20,090.42
//   GSV  20,090.42 × 0.99107 = 19,911.0125 -> 19,911.01
//   NSV  19,911.01 × 0.995 = 19,811.4550 -> 19,811.45;  S&W 99.56
// With a fixed roof: GOV 20,254.86, GSV 20,073.98, NSV 19,973.61, S&W 100.37.
TEST_F(GaugingWindowTest, GaugesAgainstATableInnageUllageAndFloatingRoof) {
  openGauging();
  openTable(kTableFile);
  EXPECT_EQ(app.seam.openCaptions, QStringList({"Open Table"}));
  EXPECT_EQ(takeMessages(), std::vector<std::string>{});
  EXPECT_EQ(text("CboGaugeSource"), "Capacity table: T-7");
  // The header fills what it gives.
  EXPECT_EQ(text("CboGaugeLengthUnit"), "Feet");
  EXPECT_EQ(text("CboGaugeVolumeUnit"), "Barrels");
  EXPECT_EQ(text("TbGaugeReferenceHeight"), "42.5");
  EXPECT_EQ(text("CboGaugeRoof"), "Floating roof, not deducted");
  EXPECT_EQ(text("TbGaugeRoofWeight"), "50000");
  EXPECT_EQ(text("CboGaugeRoofWeightUnit"), "Pounds");

  typeCrude();
  pick("CboGaugeLengthUnit", "Feet-Inches-Eighths");
  type("TbGaugeReading", "20 6");
  type("TbGaugeWater", "0 3");
  click("CmdGaugeCalculate");
  const Answers withRoof = {"20,500.00", "250.00",    "1.00024", "-164.44",   "20,090.42",
                            "0.99107",   "19,911.01", "0.99500", "19,811.45", "99.56"};
  expectAnswers(withRoof, "innage, floating roof");

  // The ticket of the same gauging: one page in its preview, saved as PDF.
  app.seam.saveAs = dir.filePath("ticket.pdf");
  std::map<std::string, std::string> ticket;
  int pages = 0;
  app.seam.answerModal = [&](QWidget& modal) {
    auto* preview = qobject_cast<TicketPreview*>(&modal);
    ASSERT_NE(preview, nullptr);
    for (const TicketLine& line : preview->lines()) ticket[line.label] = line.value;
    pages = preview->view()->pageCount();
    EXPECT_TRUE(preview->exportPdf());
  };
  click("CmdGaugeTicket");
  EXPECT_EQ(app.seam.modals, QStringList({"FrmGaugeTicket"}));
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(ticket["Volumes from"], "Capacity table: T-7");
  EXPECT_EQ(ticket["Reading"], "20 6 Feet-Inches-Eighths");
  EXPECT_EQ(ticket["Temperature correction"], "API MPMS 11.1-2004");
  EXPECT_EQ(ticket["Shell temperature"], "79 °F");
  EXPECT_EQ(ticket["Net standard volume (NSV)"], "19,811.45");
  EXPECT_EQ(ticket["Roof weight"], "50000 Pounds");
  QFile pdf(app.seam.saveAs);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  app.seam.answerModal = {};

  // 22 ft of ullage under the 42.5 ft reference height is the same 20.5 ft.
  pick("CboGaugeMethod", "Ullage");
  type("TbGaugeReading", "22 0");
  click("CmdGaugeCalculate");
  expectAnswers(withRoof, "ullage, floating roof");

  pick("CboGaugeRoof", "Fixed roof");
  click("CmdGaugeCalculate");
  expectAnswers(
      {"20,500.00", "250.00", "1.00024", "0.00", "20,254.86", "0.99107", "20,073.98", "0.99500", "19,973.61", "100.37"},
      "ullage, fixed roof");

  // In the roof's critical zone (6 ft = 36 ft of ullage) the gauging goes on
  // with its warning.
  pick("CboGaugeRoof", "Floating roof, not deducted");
  type("TbGaugeReading", "36 6");
  click("CmdGaugeCalculate");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{});
  EXPECT_EQ(text("TbGaugeTOV"), "6,000.00");
  EXPECT_EQ(text("LblGaugeWarnings"), kCriticalZoneText);
}

// Each refusal is one message, and the answers keep what they showed.
TEST_F(GaugingWindowTest, RefusesWithOneMessageAndKeepsTheAnswers) {
  openGauging();
  openTable(kTableFile);
  typeCrude();
  pick("CboGaugeRoof", "Fixed roof");
  pick("CboGaugeLengthUnit", "Feet");
  type("TbGaugeReading", "20.5");
  type("TbGaugeWater", "0.25");
  click("CmdGaugeCalculate");
  ASSERT_EQ(text("TbGaugeNSV"), "19,973.61");

  const struct {
    const char* box;
    const char* typed;
    std::string message;
  } refusals[] = {
      {"TbGaugeReading", "41", kOutsideTableText},
      {"TbGaugeReading", "", "Please type in a number for Innage."},
      {"TbGaugeWater", "21", kWaterAboveLiquidText},
      {"TbGaugeSW", "100.5", kSedimentAndWaterText},
      {"TbGaugeLiquidTemp", "302.1",
       "The liquid temperature is outside the range of API MPMS 11.1-2004, -58 to 302 °F.  Check the liquid "
       "temperature."},
  };
  for (const auto& r : refusals) {
    SCOPED_TRACE(r.typed);
    const QString before = text(r.box);
    type(r.box, r.typed);
    click("CmdGaugeCalculate");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{r.message});
    EXPECT_EQ(text("TbGaugeNSV"), "19,973.61");
    type(r.box, before);
  }

  // The ticket calculates first: a refusal shows no ticket.
  type("TbGaugeReading", "41");
  click("CmdGaugeTicket");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{kOutsideTableText});
  EXPECT_TRUE(app.seam.modals.isEmpty());
  type("TbGaugeReading", "20.5");

  // A table with a fault is refused whole, naming its line; the table in use stays.
  openTable("height unit,Feet\r\nvolume unit,Barrels\r\nheight,volume\r\n0,0\r\n10,100\r\n10,200\r\n");
  const std::vector<std::string> messages = takeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Line 6"), std::string::npos) << messages[0];
  EXPECT_EQ(items("CboGaugeSource"), QStringList({"Capacity table: T-7"}));
}

}  // namespace
}  // namespace calvexa
