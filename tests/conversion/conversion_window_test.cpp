// The converter window: its tabs and lists, a conversion from the main menu
// and back, and the start state after closing.
#include "conversion/catalogue_rules.h"
#include "support/window_test.h"
#include "ui/controls.h"

namespace calvexa {
namespace {

class ConverterWindow : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window = converter();
  }
  FormWindow* converter() const { return form(kConversionWindow); }
  void open() { openFromMainMenu("CmdOpenConversions", kConversionWindow); }
};

TEST_F(ConverterWindow, LoadedAtStartUpWithEveryListFilledOnce) {
  ASSERT_NE(converter(), nullptr) << "loaded under the splash";
  EXPECT_FALSE(converter()->isVisible());
  EXPECT_EQ(converter()->windowTitle(), "Conversions ");
  int total = 0;
  for (const Category& category : conversionCategories()) {
    for (const char* name : {category.fromList, category.toList}) {
      auto* list = converter()->control<QComboBox>(name);
      ASSERT_NE(list, nullptr) << name;
      total += list->count();
      EXPECT_EQ(list->currentText(), "") << name;
    }
  }
  EXPECT_EQ(total, 594);
  EXPECT_EQ(converter()->findChildren<QComboBox*>().size(), 36);
  EXPECT_EQ(items("CboTempTo"), QStringList({"Celcius", "Fahrenheit", "Kelvin", "Rankine"}));
  const QStringList prefixes = items("CboPrefixFrom");
  EXPECT_EQ(prefixes.front(), "exa-meter (E)");
  EXPECT_EQ(prefixes.back(), "meter");
  EXPECT_TRUE(converter()->control<QComboBox>("CboKinFrom")->isEditable());
  EXPECT_FALSE(converter()->control<QComboBox>("CboVolFrom")->isEditable());
  EXPECT_EQ(converter()->control("CmdCalcVol")->toolTip(), "Press to calculate the answer");
  EXPECT_EQ(converter()->control("TbConcFrom")->toolTip(), "Place the amount to 'Convert From' here");
  EXPECT_EQ(converter()->control("TbDensityTo")->toolTip(), "Press Calculate and your answer appears here");
  EXPECT_EQ(converter()->control("CboDynFrom")->toolTip(), "") << "the viscosity tabs have no tooltips";
  EXPECT_TRUE(mainMenu()->control("CmdOpenConversions")->isEnabled());
}

TEST_F(ConverterWindow, TabsInRowsOfFourStartingOnConcentration) {
  open();
  ASSERT_TRUE(converter()->isVisible());
  auto* tabs = converter()->control<TabControl>("SStab");
  ASSERT_EQ(tabs->count(), 18);
  EXPECT_EQ(tabs->currentIndex(), 15);
  EXPECT_EQ(tabs->tabText(0), "Volume");
  EXPECT_EQ(tabs->tabText(17), "Viscosity (K)");
  // Four to a row, left to right, rows top to bottom, every tab shown.
  for (int i = 0; i < tabs->count(); ++i) {
    const QAbstractButton* tab = tabs->tabButton(i);
    EXPECT_TRUE(tab->isVisible()) << "tab " << i;
    if (i % 4 != 0) {
      const QRect before = tabs->tabButton(i - 1)->geometry();
      EXPECT_EQ(tab->geometry().top(), before.top()) << "tab " << i;
      EXPECT_GT(tab->geometry().left(), before.right()) << "tab " << i;
    } else if (i > 0) {
      const QRect above = tabs->tabButton(i - 4)->geometry();
      EXPECT_EQ(tab->geometry().left(), above.left()) << "tab " << i;
      EXPECT_GT(tab->geometry().top(), above.bottom()) << "tab " << i;
    }
  }
  EXPECT_TRUE(converter()->control("CboConcFrom")->isVisible()) << "the current page with its controls";
  EXPECT_EQ(converter()->control<QLabel>("Label102")->text(), "Concentration Calculations");
  EXPECT_EQ(converter()->control<QLineEdit>("TbConcFrom")->text(), "1");
  EXPECT_EQ(converter()->control<QLabel>("TbConcTo")->text(), "");
  converter()->control<QAbstractButton>("CmdCalcConc")->click();
  ASSERT_EQ(app.seam.messages.size(), 1u) << "no unit picked: the unit message";
  EXPECT_EQ(converter()->control<QLabel>("TbConcTo")->text(), "");
}

TEST_F(ConverterWindow, VolumeConversionSurvivesASwitchAndCloseRestoresStartState) {
  open();
  auto* tabs = converter()->control<TabControl>("SStab");
  tabs->setCurrentIndex(0);
  type("TbVolFrom", "1");
  pick("CboVolFrom", "Gallons (U.S. Liquid)");
  pick("CboVolTo", "Quarts (U.S. Liquid)");
  converter()->control<QAbstractButton>("CmdCalcVol")->click();
  // 1 x 3.785412 litres, divided by (0.0009463529 x 1000) litres a quart.
  EXPECT_EQ(converter()->control<QLabel>("TbVolTo")->text(), "4.0000004226753");
  EXPECT_TRUE(app.seam.messages.empty());

  tabs->setCurrentIndex(3);
  converter()->findChild<QAction*>("mnuFileMainMenu")->trigger();
  EXPECT_TRUE(mainMenu()->isVisible());
  EXPECT_FALSE(converter()->isVisible());
  open();
  EXPECT_EQ(tabs->currentIndex(), 3) << "the selected tab is kept";
  EXPECT_EQ(converter()->control<QLabel>("TbVolTo")->text(), "4.0000004226753");
  EXPECT_EQ(converter()->control<QComboBox>("CboVolFrom")->currentText(), "Gallons (U.S. Liquid)");

  converter()->findChild<QAction*>("MnuExit")->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(mainMenu()->isVisible());
  EXPECT_EQ(app.registry->find(kConversionWindow), nullptr);
  open();
  EXPECT_EQ(converter()->control<TabControl>("SStab")->currentIndex(), 15);
  EXPECT_EQ(converter()->control<QLabel>("TbVolTo")->text(), "");
  EXPECT_EQ(converter()->control<QComboBox>("CboVolFrom")->currentText(), "");
  EXPECT_EQ(converter()->control<QComboBox>("CboVolFrom")->count(), 31) << "each item once after a reload";
  EXPECT_EQ(app.seam.busyDepth, 0);
}

TEST_F(ConverterWindow, EnterIsRefusedAndDoesNotCalculate) {
  open();
  pick("CboConcFrom", "Mole/litre (mol/L)");
  pick("CboConcTo", "Mole/litre (mol/L)");
  QTest::keyClick(converter()->control("TbConcFrom"), Qt::Key_Return);
  ASSERT_EQ(app.seam.messages.size(), 1u);
  EXPECT_EQ(app.seam.messages[0].title, "Improper Number");
  EXPECT_EQ(converter()->control<QLabel>("TbConcTo")->text(), "");
}

TEST_F(ConverterWindow, TypedViscosityUnitCountsOnlyWhenExact) {
  open();
  converter()->control<TabControl>("SStab")->setCurrentIndex(17);
  auto* from = converter()->control<QComboBox>("CboKinFrom");
  from->setEditText("Stokes");
  pick("CboKinTo", "stokes");
  converter()->control<QAbstractButton>("CmdKinCalc")->click();
  ASSERT_EQ(app.seam.messages.size(), 1u);
  EXPECT_EQ(converter()->control<QLabel>("TbKinTo")->text(), "");
  app.seam.messages.clear();
  from->setEditText("stokes");
  converter()->control<QAbstractButton>("CmdKinCalc")->click();
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(converter()->control<QLabel>("TbKinTo")->text(), "1");
}

// Tab pages are filled when first shown: a page first shown after the window
// was resized comes out at the window's present scale, like the pages before it.
TEST_F(ConverterWindow, PageFirstShownAfterAResizeIsScaledLikeTheOthers) {
  open();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(converter()));
  QWidget* shown = converter()->control("TbConcFrom");
  const QSize inner = converter()->surface()->size();
  converter()->resize(converter()->size() + inner);
  QCoreApplication::processEvents();
  ASSERT_EQ(converter()->surface()->size(), inner * 2);
  converter()->control<TabControl>("SStab")->setCurrentIndex(0);
  QWidget* later = converter()->control("TbVolFrom");
  EXPECT_EQ(later->geometry(), shown->geometry());
  EXPECT_EQ(later->font().pointSize(), shown->font().pointSize());
  EXPECT_TRUE(later->isVisible());
  QTest::keyClick(later, Qt::Key_Comma);
  EXPECT_EQ(app.seam.messages.size(), 1u) << "the key filter is on boxes of later pages too";
}

}  // namespace
}  // namespace calvexa
