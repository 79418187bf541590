// The scientific calculator window: opening from the main menu, keyboard and
// keypad entry, messages, the clipboard menu, the key groups, closing.
#include <QGroupBox>
#include <QRadioButton>

#include "support/window_test.h"
#include "ui/controls.h"

namespace calvexa {
namespace {

class Calculator : public MenuWindowTest {
 protected:
  Calculator() : MenuWindowTest(kCalculatorWindow, "BtnCalculator") {}
  void SetUp() override {
    WindowTest::SetUp();
    app.seam.clipboard_ = "left over";
    open();
  }

  // Clicks the buttons named, in order.
  void press(std::initializer_list<const char*> names) {
    for (const char* name : names) click(name);
  }
  QLineEdit* text1() { return window->control<QLineEdit>("Text1"); }
  QString label2() { return window->control<QLabel>("Label2")->text(); }
};

TEST_F(Calculator, OpensFreshFromMainMenuAndClosesBackToIt) {
  auto* mainMenu = app.window<FormWindow>(kMainMenuWindow);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(mainMenu->isVisible());
  EXPECT_EQ(window->objectName(), "FrmSciCalc");
  EXPECT_EQ(window->windowTitle(), "Scientific Calculator");
  EXPECT_EQ(window->statusPanels()->text(), "Press F1 for Help");
  EXPECT_EQ(text1()->text(), "");
  EXPECT_EQ(label2(), "0.");
  EXPECT_EQ(app.seam.clipboard_, "") << "opening empties the clipboard";
  EXPECT_EQ(app.seam.clipboardCleared_, 1);
  EXPECT_TRUE(window->control<QRadioButton>("Option2_0")->isChecked());

  press({"Command1_4", "Command7_0", "Command1_7", "Option2_1"});  // 4 into memory, 7 shown, radians
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(app.registry->find(kCalculatorWindow), nullptr);
  EXPECT_TRUE(mainMenu->isVisible());
  EXPECT_FALSE(app.quitCalled);

  open();
  EXPECT_EQ(text1()->text(), "");
  EXPECT_EQ(label2(), "0.");
  EXPECT_TRUE(window->control<QRadioButton>("Option2_0")->isChecked());
  press({"Command7_4"});
  EXPECT_EQ(text1()->text(), " 0") << "the memory went with the closed window";
  // Degrees again: sin 90 is exactly 1 only in degrees.
  press({"Command1_9", "Command1_0", "Command5_0"});
  EXPECT_EQ(text1()->text(), " 1");

  trigger("eexit");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(app.registry->find(kCalculatorWindow), nullptr);
  EXPECT_TRUE(mainMenu->isVisible());
}

TEST_F(Calculator, KeyGroupsCarryTheirIndexesAndCaptions) {
  struct Row {
    const char* name;
    const char* caption;
  };
  const Row rows[] = {
      {"Command1_0", "0"},    {"Command1_9", "9"},     {"Command1_10", "."},    {"Command1_11", "00"},
      {"Command2_0", "+"},    {"Command2_1", "-"},     {"Command2_2", "/"},     {"Command2_3", "*"},
      {"Command2_4", "="},    {"Command2_6", "%"},     {"Command2_8", "x^y"},   {"Command3", "C"},
      {"Command4", "AC"},     {"Command5_0", "sin"},   {"Command5_3", "asin"},  {"Command5_5", "atan"},
      {"Command6_0", "1/ X"}, {"Command6_1", "X ²"},   {"Command6_2", "Sq[x]"}, {"Command6_4", "n !"},
      {"Command6_8", "X ³"},  {"Command7_0", "M +"},   {"Command7_3", "M /"},   {"Command7_5", "MC"},
      {"Command9_0", "Rnd"},  {"Command9_1", "pi"},    {"Command9_2", "e"},     {"Command9_4", "h"},
      {"Command10_0", "ln"},  {"Command10_2", "e(x]"}, {"Command11", "Back"},   {"Command14", "±"},
      {"Option2_0", "deg"},   {"Option2_1", "rad"},    {"Option2_2", "grd"},
  };
  for (const Row& row : rows) {
    auto* button = window->control<QAbstractButton>(row.name);
    ASSERT_NE(button, nullptr) << row.name;
    EXPECT_EQ(button->text(), QString::fromUtf8(row.caption)) << row.name;
  }
  for (const char* gap : {"Command2_5", "Command2_7", "Command6_3", "Command9_3", "Command1_12"})
    EXPECT_EQ(window->control(gap), nullptr) << gap;
  EXPECT_EQ(window->control<QGroupBox>("Frame1")->title(), "Scientific Calculator");
  EXPECT_EQ(window->control<QGroupBox>("Frame3")->title(), "angle");
  EXPECT_EQ(window->control("Option2_1")->parentWidget(), window->control("Frame3"));
  EXPECT_EQ(window->control("Command2_8")->parentWidget(), window->control("Frame1"));
}

// Typed characters reach the calculator whichever control has the focus, and
// calculator characters are not typed into the box.
TEST_F(Calculator, KeyboardEntryIsMirroredInLabel2) {
  QTest::keyClicks(text1(), "1+2=");
  EXPECT_EQ(text1()->text(), " 3");
  EXPECT_EQ(label2(), " 3");

  QTest::keyClicks(window->control("Command5_0"), "7*6=");  // focus on a keypad button
  EXPECT_EQ(text1()->text(), " 42");
  QTest::keyClicks(window, "d");  // display clear
  EXPECT_EQ(text1()->text(), " 0");
  EXPECT_EQ(label2(), " 0");
  EXPECT_TRUE(app.seam.messages.empty());
}

TEST_F(Calculator, KeypadSequencesAndTheirMessages) {
  press({"Command1_5", "Command2_2", "Command1_0", "Command2_4"});
  EXPECT_EQ(app.seam.messageTexts(), std::vector<std::string>{" ILLEGAL  DIVIDE  0 "});
  EXPECT_EQ(app.seam.messages[0].title, "");
  EXPECT_EQ(app.seam.messages[0].icon, Icon::None);
  EXPECT_EQ(text1()->text(), " 5");
  EXPECT_EQ(label2(), " 5");

  // No precedence: 2 + 3 * 4 = is (2 + 3) * 4.
  app.seam.messages.clear();
  press({"Command1_2", "Command2_0", "Command1_3", "Command2_3", "Command1_4", "Command2_4"});
  EXPECT_EQ(text1()->text(), " 20");
  // 3 into memory; MR also loads the accumulator, so 5 + MR = is 3 + 3.
  press({"Command4", "Command1_3", "Command7_0", "Command3", "Command1_5", "Command2_0", "Command7_4", "Command2_4"});
  EXPECT_EQ(text1()->text(), " 6");
  press({"Command1_1", "Command1_10", "Command1_5", "Command1_10"});
  EXPECT_EQ(app.seam.messageTexts(), std::vector<std::string>{"ILLEGAL"});
  EXPECT_EQ(text1()->text(), " 1.5");
}

TEST_F(Calculator, FaultFromAButtonLeavesDisplayAndLabel) {
  // In radians the arc sine of 1 divides by zero.
  press({"Option2_1", "Command1_1"});
  ASSERT_EQ(text1()->text(), " 1");
  press({"Command5_3"});
  ASSERT_EQ(app.seam.messages.size(), 1u);
  const Message& m = app.seam.messages[0];
  EXPECT_EQ(m.title, "Error");
  EXPECT_EQ(m.icon, Icon::Exclamation);
  EXPECT_EQ(m.text.rfind("Calculation Error\r\n", 0), 0u) << m.text;
  EXPECT_EQ(text1()->text(), " 1");
  EXPECT_EQ(label2(), " 1");

  // A typed key that faults: 7 % 0 =.
  app.seam.messages.clear();
  QTest::keyClicks(text1(), "7");
  press({"Command2_6", "Command1_0"});
  QTest::keyClicks(text1(), "=");
  ASSERT_EQ(app.seam.messages.size(), 1u);
  EXPECT_EQ(app.seam.messages[0].title, "Error");
  EXPECT_EQ(text1()->text(), " 0");
}

TEST_F(Calculator, ClipboardMenu) {
  press({"Command1_1", "Command1_2", "Command1_10", "Command1_5"});
  ASSERT_EQ(text1()->text(), " 12.5");
  text1()->setSelection(1, 2);  // "12"
  const int clearsBefore = app.seam.clipboardCleared_;

  trigger("eselectall");
  EXPECT_EQ(app.seam.clipboard_, " 12.5") << "the whole display, leading space included";
  EXPECT_EQ(text1()->selectedText(), "12") << "the selection stays";
  EXPECT_EQ(app.seam.clipboardCleared_, clearsBefore + 1);

  trigger("ecopy");
  EXPECT_EQ(app.seam.clipboard_, "12");
  EXPECT_EQ(app.seam.clipboardCleared_, clearsBefore + 2);

  trigger("ecut");
  EXPECT_EQ(app.seam.clipboard_, "12");
  EXPECT_EQ(text1()->text(), " .5");
  EXPECT_EQ(label2(), " .5");
  press({"Command2_0", "Command1_1", "Command2_4"});  // the engine reads the cut display: .5 + 1
  EXPECT_EQ(text1()->text(), " 1.5");

  press({"Command4"});
  EXPECT_EQ(app.seam.clipboard_, "") << "AC empties the clipboard";

  app.seam.clipboard_ = "12abc";
  trigger("epaste");
  EXPECT_EQ(text1()->text(), "12abc");
  EXPECT_EQ(label2(), "12abc");
  press({"Command2_0"});
  EXPECT_EQ(text1()->text(), " 12");
  press({"Command1_3", "Command2_4"});
  EXPECT_EQ(text1()->text(), " 15");

  // A pasted number counts as typed: 6 * (paste 2) / 3 = is (6 * 2) / 3.
  press({"Command4", "Command1_6", "Command2_3"});
  app.seam.clipboard_ = "2";
  trigger("epaste");
  press({"Command2_2", "Command1_3", "Command2_4"});
  EXPECT_EQ(text1()->text(), " 4");

  EXPECT_TRUE(app.seam.messages.empty());
}

}  // namespace
}  // namespace calvexa
