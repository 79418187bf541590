// The tank chooser and the upright tank window from the main menu: the
// chooser's buttons, the window's start state, a calculation, and a chart
// through the divisions dialog to its preview and back.

#include "support/tank_window_test.h"

#include <QComboBox>
#include <QSettings>
#include <cmath>

#include "support/calculation_checks.h"
#include "tanks/chart_preview.h"
#include "tanks/divisions_window.h"
#include "tanks/tank_picture.h"
#include "tanks/tank_window.h"
#include "ui/controls.h"

namespace calvexa {
namespace {

class TankWindows : public TankChooserTest {
 protected:
  void openVertical() { openTank("CmdVerticalTanks", kVerticalTankWindow); }
  // Every list of tab 0 in metres, the answer in `answer`.
  void flatTankInMetres(const char* answer) {
    tabs()->setCurrentIndex(0);
    for (const char* list : {"CboInternalTankDiameter", "CboTankHeight", "CboLiquidHeight"}) pick(list, "Meters");
    pick("CboTankLiquidAnswer", answer);
  }
};

TEST_F(TankWindows, ChooserHasItsFourButtonsInADiamondAndOpensTheUprightTanks) {
  EXPECT_EQ(chooser()->windowTitle(), "Select the Tank Type");
  EXPECT_TRUE(chooser()->isVisible());
  struct Button {
    const char* name;
    QPoint position;  // twips ÷ 15
    const char* tip;
    bool enabled;
  };
  const Button buttons[] = {
      {"CmdHorizontalTanks", {80, 16}, "Press button for Horizontal Tank Section", true},
      {"CmdRectangularTanks", {8, 100}, "Press button for Rectangular Tank Section", true},
      {"CmdVerticalTanks", {152, 96}, "Press button for Vertical Tank Section", true},
      {"CmdSphericalTank", {80, 176}, "Press button for Spherical Tank Section", true},
  };
  QWidget* previous = nullptr;
  for (const Button& b : buttons) {
    QWidget* button = chooser()->control(b.name);
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->geometry(), QRect(b.position, QSize(73, 81))) << b.name;
    EXPECT_EQ(button->toolTip(), b.tip);
    EXPECT_EQ(button->isEnabled(), b.enabled) << b.name << ": no placeholder window";
    if (previous) {
      EXPECT_EQ(previous->nextInFocusChain(), button) << "tab order";
    }
    previous = button;
  }
  EXPECT_EQ(menuCaptions(0), QStringList({"&Annular Volume", "&Coatings", "C&onversions", "&Fuel Use",
                                          "&Horizontal Tanks", "&Main Menu", "&Pipeline Volume", "&Rectangular Tank",
                                          "&Spherical Tank", "&Vertical Tanks", "Tank &Gauging", "-", "E&xit"}));
  EXPECT_EQ(menuCaptions(1), QStringList({"&About...", "-", "&Help File"}));
  EXPECT_TRUE(menuItem(chooser(), "MnuFileVerticalTanks")->isEnabled());
  EXPECT_TRUE(menuItem(chooser(), "MnuFileHorizontalTanks")->isEnabled());
  const int brackets = app.seam.busyBrackets;
  openVertical();
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(chooser()->isVisible());
  EXPECT_EQ(app.seam.busyBrackets, brackets + 1);
  EXPECT_EQ(app.seam.busyDepth, 0);
}

TEST_F(TankWindows, UprightWindowOpensOnTabSevenWithEveryUnitEmpty) {
  openVertical();
  EXPECT_EQ(window->windowTitle(), "Vertical Tank Calculations");
  ASSERT_EQ(tabs()->count(), 8);
  EXPECT_EQ(tabs()->currentIndex(), 7);
  EXPECT_EQ(tabs()->tabText(7), "Elliptical Tank (S)");
  EXPECT_EQ(window->statusPanels()->text(), "Press F1 for Help");
  EXPECT_EQ(text("TbEllipticalSphericalHeightS"), "1");
  EXPECT_EQ(text("CboEllipticalWidthDiameterS"), "");
  EXPECT_EQ(items("CboEllipticalWidthDiameterS"),
            QStringList({"Centimeters", "Feet", "Inches", "Meters", "Millimeters"}));
  EXPECT_EQ(items("CboTankLiquidAnswer"), QStringList({"Cubic Feet", "Cubic Meters", "Drums (208 litre)",
                                                       "Gallons (Canada)", "Gallons (U.S.)", "Litres"}));
  EXPECT_FALSE(window->control<QComboBox>("CboTankLiquidAnswer")->isEditable()) << "pick-only";
  EXPECT_EQ(text("CmdPrintVerticalTankFlat"), "&Print Chart with Data");
  EXPECT_NE(qobject_cast<TankPicture*>(window->control("Picture8")), nullptr);
  EXPECT_EQ(menuCaptions(0), QStringList({"&Annular Volume", "Coating", "Conversion", "Fuel Use", "Main Menu",
                                          "&Pipeline Volume", "&Tank Selection", "Tank &Gauging", "-", "E&xit"}));
  EXPECT_EQ(menuCaptions(1), QStringList({"Help &Documentation", "-", "&About Calvexa"}));
  // Calculate on tab 0 at once reports the diameter's unit first.
  tabs()->setCurrentIndex(0);
  click("CmdCalcVerticalTankVol");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{"An improper Internal Tank Diameter measurement has been "
                                                     "chosen. Re-choose a Unit with the mouse."});
  EXPECT_EQ(text("TbTankLiquidAnswer"), "");
}

TEST_F(TankWindows, FlatTankWorkedValueAndItsStateKeptThroughTheChooser) {
  openVertical();
  flatTankInMetres("Litres");
  type("TbInternalTankDiameter", "2");
  type("TbTankHeight", "3");
  type("TbLiquidHeight", "1");
  click("CmdCalcVerticalTankVol");
  // r = 1 m, h = 1 m: 3.1415926 m³, in litres.
  EXPECT_EQ(text("TbTankLiquidAnswer"), "3141.5926");
  trigger("MnuFileTankSelection");
  EXPECT_TRUE(chooser()->isVisible());
  FormWindow* before = window;
  openVertical();
  EXPECT_EQ(window, before);
  EXPECT_EQ(tabs()->currentIndex(), 0);
  EXPECT_EQ(text("TbTankLiquidAnswer"), "3141.5926");
  closeReturnsTo(kTankSelectionWindow);
}

TEST_F(TankWindows, ChartFromThePrintButtonToThePreviewAndBack) {
  openVertical();
  flatTankInMetres("Cubic Meters");
  type("TbInternalTankDiameter", "2");
  type("TbTankHeight", "3");
  type("TbLiquidHeight", "1");
  int pages = 0;
  QString title;
  app.seam.answerModal = [&](QWidget& modal) {
    if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
      EXPECT_EQ(dialog->windowTitle(), "Tank Divisions");
      EXPECT_EQ(textOf(dialog, "TbTankDivisions"), "30");
      EXPECT_EQ(text("TbLiquidHeight"), "3") << "the tab shows a full tank before the dialog";
      EXPECT_EQ(text("CboLiquidHeight"), "Meters");
      dialog->control<QAbstractButton>("CmdOkButton")->click();
    } else if (auto* preview = qobject_cast<ChartPreview*>(&modal)) {
      title = preview->windowTitle();
      pages = preview->pageCount();
      EXPECT_TRUE(preview->isModal());
    }
  };
  click("CmdPrintVerticalTankFlat");
  EXPECT_EQ(app.seam.modals, QStringList({"FrmTankSections", "DataReportChart"}));
  EXPECT_EQ(title, "Chart Results");
  EXPECT_EQ(pages, 2) << "31 rows fit one page; the fill curve has its own";
  EXPECT_TRUE(app.seam.messages.empty());
  // The tab ends showing the full tank: 3 m of a 1 m radius.
  EXPECT_EQ(text("TbLiquidHeight"), "3");
  EXPECT_EQ(text("TbTankLiquidAnswer"), "9.4247778");
  EXPECT_EQ(qobject_cast<TankWindow*>(window)->lastDivisions(), 30);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(app.seam.busyDepth, 0);
}

// After a chart the tab shows the full height in the height's own unit beside
// the full tank's volume, whether its unit lists only pick (the upright
// window) or also take typed text (the horizontal window).
TEST_F(TankWindows, AChartLeavesTheFullHeightInItsOwnUnitOnPickOnlyAndEditableLists) {
  openVertical();
  tabs()->setCurrentIndex(1);
  for (const char* list : {"CboVerticalTankDiameterC", "CboVerticalTankHeightC", "CboVerticalConicalHeightC"})
    pick(list, "Meters");
  pick("CboVerticalFluidHeightC", "Feet");
  pick("CboVerticalLiquidVolumeC", "Litres");
  type("TbVerticalTankDiameterC", "2");
  type("TbVerticalTankHeightC", "3");
  answerDivisions("3");
  click("CmdPrintVerticalTankC");
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(text("TbVerticalFluidHeightC"), "3");
  EXPECT_EQ(text("CboVerticalFluidHeightC"), "Meters");
  // D = 2 m, a = 1 m, h = 3 m: (4 × pi ÷ 4) × (3 − 2 ÷ 3) m³, in litres.
  EXPECT_EQ(text("TbVerticalLiquidVolumeC"),
            QString::fromStdString(general((4 * 3.141592654 / 4) * (3 - 2.0 / 3) * 1000)));

  trigger("MnuFileTankSelection");
  openTank("CmdHorizontalTanks", kHorizontalTanksWindow);
  tabs()->setCurrentIndex(5);
  for (const char* list : {"CboHorizInterDiameter", "CboHorizTankLength"}) pick(list, "Meters");
  typeUnit("CboHorizFluidHeight", "Inches");
  pick("CboHorizTankAnswer", "Cubic Meters");
  type("TbHorizInterDiameter", "2");
  type("TbHorizTankLength", "5");
  click("CmdPrintChartData");
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(text("TbHorizFluidHeight"), "2");
  EXPECT_EQ(text("CboHorizFluidHeight"), "Meters");
  // The whole cylinder, 1 m in radius and 5 m long (computed 1E-10 m below
  // the brim, which the four decimals do not show): pi × 5 m³.
  EXPECT_EQ(text("TbHorizTankAnswer"), "15.7080");
}

TEST_F(TankWindows, ChartRefusalsCancelAndTheCountKept) {
  openVertical();
  flatTankInMetres("Litres");
  type("TbLiquidHeight", "2");
  // An empty required box: its message, nothing changes, no dialog.
  type("TbTankHeight", "");
  click("CmdPrintVerticalTankFlat");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{"Please type a Tank Height value"});
  EXPECT_TRUE(app.seam.modals.isEmpty());
  EXPECT_EQ(text("TbLiquidHeight"), "2");
  // Cancel: the tab keeps the full-tank fluid height and its old answer.
  type("TbTankHeight", "4");
  answerDivisions("", false);
  click("CmdPrintVerticalTankFlat");
  EXPECT_EQ(app.seam.modals, QStringList({"FrmTankSections"}));
  EXPECT_EQ(text("TbLiquidHeight"), "4");
  EXPECT_EQ(text("TbTankLiquidAnswer"), "");
  // A count that is no whole number above zero: one message, no chart.
  answerDivisions("0");
  click("CmdPrintVerticalTankFlat");
  ASSERT_EQ(app.seam.messages.size(), 1u);
  EXPECT_EQ(app.seam.modals.size(), 2) << "no preview";
  app.seam.messages.clear();
  // The dialog is hidden, not unloaded: the count typed last is there again.
  answerDivisions("12");
  click("CmdPrintVerticalTankFlat");
  app.seam.answerModal = [](QWidget& modal) {
    if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
      EXPECT_EQ(textOf(dialog, "TbTankDivisions"), "12");
      dialog->close();  // the close box is Cancel
    }
  };
  click("CmdPrintVerticalTankFlat");
  EXPECT_EQ(app.seam.modals.last(), "FrmTankSections");
  EXPECT_TRUE(app.seam.messages.empty());
}

// OK checks the count before the dialog closes: a refused count shows its
// message and the dialog stays open with the text selected; it is not kept
// for the next chart, which offers the count accepted last.
TEST_F(TankWindows, DivisionsDialogRefusesABadCountAndStaysOpen) {
  openVertical();
  flatTankInMetres("Litres");
  const std::string aboveZero = "Please type the number of divisions as a whole number above zero, such as 30.";
  const std::string tooMany = "A chart can have at most 100,000 divisions. Please type a smaller number of divisions.";
  const struct {
    QString count;
    std::string message;
  } refused[] = {
      {"", aboveZero},
      {"-", aboveZero},
      {"0", aboveZero},
      {"-3", aboveZero},
      {"-2147483649", aboveZero},
      {"100001", tooMany},
      {"1E999", tooMany},
      {QString(400, '9'), tooMany},
  };
  app.seam.answerModal = [&](QWidget& modal) {
    auto* dialog = qobject_cast<DivisionsWindow*>(&modal);
    if (!dialog) return;
    dialog->show();
    auto* box = dialog->control<QLineEdit>("TbTankDivisions");
    for (const auto& r : refused) {
      SCOPED_TRACE(r.count.left(20).toStdString());
      typeInto(dialog, "TbTankDivisions", r.count);
      dialog->control<QAbstractButton>("CmdOkButton")->click();
      EXPECT_EQ(takeMessages(), std::vector<std::string>{r.message});
      EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
      EXPECT_EQ(box->selectedText(), r.count) << "with the count selected";
    }
    typeInto(dialog, "TbTankDivisions", "12");
    dialog->control<QAbstractButton>("CmdOkButton")->click();
    EXPECT_FALSE(dialog->isVisible());
  };
  click("CmdPrintVerticalTankFlat");
  EXPECT_EQ(app.seam.modals, QStringList({"FrmTankSections", "DataReportChart"}));
  EXPECT_EQ(qobject_cast<TankWindow*>(window)->lastDivisions(), 12);

  // A refused count, then Cancel: no chart, and the box offers 12 again.
  app.seam.answerModal = [&](QWidget& modal) {
    if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
      EXPECT_EQ(textOf(dialog, "TbTankDivisions"), "12");
      typeInto(dialog, "TbTankDivisions", "0");
      dialog->control<QAbstractButton>("CmdOkButton")->click();
      dialog->control<QAbstractButton>("CmdCancelButton")->click();
    }
  };
  click("CmdPrintVerticalTankFlat");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{aboveZero});
  EXPECT_EQ(app.seam.modals.size(), 3) << "no chart after Cancel";
  // "-97" typed is Cancel too, and so is the close box; neither is kept.
  for (bool closeBox : {false, true}) {
    app.seam.answerModal = [&](QWidget& modal) {
      if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
        EXPECT_EQ(textOf(dialog, "TbTankDivisions"), "12");
        dialog->show();
        typeInto(dialog, "TbTankDivisions", closeBox ? "40" : "-97");
        if (closeBox) {
          dialog->close();
        } else {
          dialog->control<QAbstractButton>("CmdOkButton")->click();
        }
        EXPECT_FALSE(dialog->isVisible());
      }
    };
    click("CmdPrintVerticalTankFlat");
  }
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(app.seam.modals.size(), 5) << "no chart";
  EXPECT_EQ(qobject_cast<TankWindow*>(window)->lastDivisions(), 12);
}

// The focus chain from `from`: the controls Tab reaches, in order.
QStringList tabOrder(QWidget* from, int count) {
  QStringList names;
  for (QWidget* w = from; names.size() < count; w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty()) names << w->objectName();
  return names;
}

TEST_F(TankWindows, DivisionsDialogStepWinsOverTheCountAndItsUnitIsRemembered) {
  openVertical();
  flatTankInMetres("Litres");
  type("TbInternalTankDiameter", "2");
  type("TbTankHeight", "3");
  const std::string notAbove =
      "Please type the step as a number above zero, such as 10, or leave it empty to use the number of divisions.";
  // 0.02 mm steps of 3 m are 150,000 steps.
  const std::string tooMany = "A chart can have at most 100,000 steps. Please type a larger step.";
  std::vector<ChartRow> rows;
  app.seam.answerModal = [&](QWidget& modal) {
    if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
      dialog->show();
      EXPECT_EQ(tabOrder(dialog->control("TbTankDivisions"), 5),
                QStringList({"TbTankDivisions", "TbTankStep", "CboTankStepUnit", "CmdOkButton", "CmdCancelButton"}));
      auto* unit = dialog->control<QComboBox>("CboTankStepUnit");
      QStringList units;
      for (int i = 0; i < unit->count(); ++i) units << unit->itemText(i);
      EXPECT_EQ(units, QStringList({"Millimeters", "Centimeters", "Meters", "Inches", "1/8 Inch", "1/16 Inch", "Feet",
                                    "0.01 Feet"}));
      for (const auto& [step, message] : {std::pair<QString, std::string>{"0", notAbove}, {"0.02", tooMany}}) {
        typeInto(dialog, "TbTankStep", step);
        pickIn(dialog, "CboTankStepUnit", "Millimeters");
        dialog->control<QAbstractButton>("CmdOkButton")->click();
        EXPECT_EQ(takeMessages(), std::vector<std::string>{message});
        EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
        EXPECT_EQ(dialog->control<QLineEdit>("TbTankStep")->selectedText(), step) << "with the step selected";
      }
      typeInto(dialog, "TbTankDivisions", "7");  // the step wins over it
      typeInto(dialog, "TbTankStep", "50");
      pickIn(dialog, "CboTankStepUnit", "Centimeters");
      dialog->control<QAbstractButton>("CmdOkButton")->click();
    } else if (auto* preview = qobject_cast<ChartPreview*>(&modal)) {
      rows = preview->report().recordset.rows;
    }
  };
  click("CmdPrintVerticalTankFlat");
  // 50 cm of a 3 m tank: 0, 0.5 … 3, the volumes pi7 × 1² × h m³ in litres.
  ASSERT_EQ(rows.size(), 7u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].height, 0.5 * static_cast<double>(i));
    EXPECT_EQ(rows[i].volume, std::round(3.1415926 * 0.5 * static_cast<double>(i) * 1000 * 1000) / 1000);
  }
  EXPECT_EQ(QSettings().value("charts/stepUnit").toString(), "Centimeters");

  // A dialog made anew (the next run) picks the remembered unit; the step
  // typed stays offered while the dialog lives, and emptied gives the count.
  app.registry->unload(kDivisionsWindow);
  app.seam.answerModal = [&](QWidget& modal) {
    if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
      EXPECT_EQ(textOf(dialog, "CboTankStepUnit"), "Centimeters");
      typeInto(dialog, "TbTankDivisions", "6");
      dialog->control<QAbstractButton>("CmdOkButton")->click();
    } else if (auto* preview = qobject_cast<ChartPreview*>(&modal)) {
      rows = preview->report().recordset.rows;
    }
  };
  click("CmdPrintVerticalTankFlat");
  EXPECT_EQ(rows.size(), 7u) << "6 divisions";
  EXPECT_EQ(qobject_cast<TankWindow*>(window)->lastDivisions(), 6);
  app.seam.answerModal = [&](QWidget& modal) {
    if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
      EXPECT_EQ(textOf(dialog, "TbTankStep"), "") << "the count was used last";
      typeInto(dialog, "TbTankStep", "1");
      pickIn(dialog, "CboTankStepUnit", "Meters");
      dialog->control<QAbstractButton>("CmdOkButton")->click();
    } else if (auto* preview = qobject_cast<ChartPreview*>(&modal)) {
      rows = preview->report().recordset.rows;
    }
  };
  click("CmdPrintVerticalTankFlat");
  EXPECT_EQ(rows.size(), 4u) << "every metre of 3 m";
  EXPECT_TRUE(app.seam.messages.empty());
}

TEST_F(TankWindows, DivisionsDialogTakesEnterForOkAndEscapeForCancel) {
  openVertical();
  auto* dialog = qobject_cast<DivisionsWindow*>(app.registry->load(kDivisionsWindow));
  ASSERT_NE(dialog, nullptr);
  dialog->show();
  auto* box = dialog->control<QLineEdit>("TbTankDivisions");
  typeInto(dialog, "TbTankDivisions", "45");
  QTest::keyClick(box, Qt::Key_Return);
  ASSERT_TRUE(dialog->result());
  EXPECT_EQ(dialog->result()->divisions, 45);
  EXPECT_FALSE(dialog->result()->step);
  EXPECT_FALSE(dialog->isVisible());
  dialog->show();
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_EQ(dialog->result(), std::nullopt);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(app.seam.messages.empty()) << "neither key is refused as an improper number";
}

// The tank window goes away while one of its chart's modals is open (the
// program unloads it, or a desktop logout closes every window): nothing is
// freed twice or used once freed, and nothing more is done for the chart.
class WindowGoneDuringAChart : public TankWindows {
 protected:
  void SetUp() override {
    TankWindows::SetUp();
    openVertical();
    flatTankInMetres("Litres");
    gone = window;
  }
  // Unloads the tank window as the program does, and lets the deletion happen now.
  void unloadTheWindow() {
    app.registry->unload(kVerticalTankWindow);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void expectGone() {
    EXPECT_TRUE(gone.isNull()) << "the window is deleted";
    EXPECT_EQ(app.registry->find(kVerticalTankWindow), nullptr);
    EXPECT_EQ(app.seam.busyDepth, 0);
    window = nullptr;
  }
  QPointer<FormWindow> gone;
};

TEST_F(WindowGoneDuringAChart, WhileTheDivisionsDialogIsOpen) {
  app.seam.answerModal = [&](QWidget& modal) {
    if (!qobject_cast<DivisionsWindow*>(&modal)) return;
    app.registry->exitApplication();  // every window closed, the dialog too
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  };
  click("CmdPrintVerticalTankFlat");
  expectGone();
  EXPECT_EQ(app.registry->find(kDivisionsWindow), nullptr);
  EXPECT_TRUE(app.quitCalled);
  EXPECT_EQ(app.seam.modals, QStringList({"FrmTankSections"}));
}

TEST_F(WindowGoneDuringAChart, WhileTheProgressIsShown) {
  answerDivisions("6000");
  app.seam.whileProgress = [&](int done) {
    if (done == 2000) unloadTheWindow();
  };
  click("CmdPrintVerticalTankFlat");
  expectGone();
  EXPECT_EQ(app.seam.progressLabels.size(), 1);
  EXPECT_EQ(app.seam.modals, QStringList({"FrmTankSections"})) << "no preview";
  EXPECT_TRUE(chooser()->isVisible()) << "the window's parent is shown";
}

TEST_F(WindowGoneDuringAChart, WhileThePreviewIsOpen) {
  app.seam.answerModal = [&](QWidget& modal) {
    if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
      dialog->ok();
    } else if (qobject_cast<ChartPreview*>(&modal)) {
      gone->close();  // closed from the program, as a logout closes it
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  };
  click("CmdPrintVerticalTankFlat");
  expectGone();
  EXPECT_EQ(app.seam.modals, QStringList({"FrmTankSections", "DataReportChart"}));
  EXPECT_TRUE(chooser()->isVisible());
}

TEST_F(TankWindows, LongChartsShowProgressThatCancels) {
  openVertical();
  flatTankInMetres("Litres");
  answerDivisions("6000");
  app.seam.cancelProgressAt = 3000;
  click("CmdPrintVerticalTankFlat");
  EXPECT_EQ(app.seam.progressLabels.size(), 1);
  EXPECT_EQ(app.seam.modals, QStringList({"FrmTankSections"})) << "no preview after Cancel";
  EXPECT_EQ(text("TbLiquidHeight"), "1") << "the tab shows a full tank before the dialog: the tank is 1 m high";
  EXPECT_EQ(text("TbTankLiquidAnswer"), "");
}

}  // namespace
}  // namespace calvexa
