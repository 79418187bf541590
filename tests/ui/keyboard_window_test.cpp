// The keyboard and legibility of every window: navigation and editing keys
// pass the number boxes, a paste that is not a number is refused, Enter clicks the focused button, tabs switch from the
// keyboard, answers always show their whole text, help and About outlive the
// window they were opened from, and captions name their controls.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "support/window_test.h"
#include "tanks/horizontal_tank_rules.h"
#include "tanks/rectangular_tank_rules.h"
#include "tanks/spherical_tank_rules.h"
#include "tanks/tank_windows.h"
#include "tanks/vertical_tank_rules.h"
#include "ui/controls.h"
#include "ui/help_viewer.h"
#include "ui/printer.h"
#include "ui/qt_seam.h"

namespace calvexa {
namespace {

class Keyboard : public MenuWindowTest {
 protected:
  Keyboard() : MenuWindowTest(kAnnularWindow, "CmdAnnularVolume") {}
  void SetUp() override {
    MenuWindowTest::SetUp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  }
};

TEST_F(Keyboard, NavigationKeysMoveTheFocusOrCursorWithoutAMessage) {
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* focusAfter;  // the box that has the focus afterwards
    int cursorAfter;         // cursor position in the first box, -1: not checked
    const char* textAfter;   // text of the first box afterwards
  };
  const Case cases[] = {
      {"Tab moves on", Qt::Key_Tab, Qt::NoModifier, "CboCasingDiameter", -1, "12.5"},
      {"Shift+Tab moves back", Qt::Key_Backtab, Qt::ShiftModifier, nullptr, -1, "12.5"},
      {"Delete deletes forward", Qt::Key_Delete, Qt::NoModifier, "TbCasingDiameter", 2, "125"},
      {"Left moves the cursor", Qt::Key_Left, Qt::NoModifier, "TbCasingDiameter", 1, "12.5"},
      {"Right moves the cursor", Qt::Key_Right, Qt::NoModifier, "TbCasingDiameter", 3, "12.5"},
      {"Home", Qt::Key_Home, Qt::NoModifier, "TbCasingDiameter", 0, "12.5"},
      {"End", Qt::Key_End, Qt::NoModifier, "TbCasingDiameter", 4, "12.5"},
      {"Up", Qt::Key_Up, Qt::NoModifier, "TbCasingDiameter", -1, "12.5"},
      {"Down", Qt::Key_Down, Qt::NoModifier, "TbCasingDiameter", -1, "12.5"},
      {"PageUp", Qt::Key_PageUp, Qt::NoModifier, "TbCasingDiameter", -1, "12.5"},
      {"PageDown", Qt::Key_PageDown, Qt::NoModifier, "TbCasingDiameter", -1, "12.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* box = window->control<QLineEdit>("TbCasingDiameter");
    box->setText("12.5");
    box->setFocus();
    box->setCursorPosition(2);
    QTest::keyClick(box, c.key, c.modifiers);
    EXPECT_TRUE(app.seam.messages.empty());
    app.seam.messages.clear();
    EXPECT_EQ(box->text(), c.textAfter);
    if (c.cursorAfter >= 0) {
      EXPECT_EQ(box->cursorPosition(), c.cursorAfter);
    }
    if (c.focusAfter) {
      EXPECT_EQ(window->focusWidget(), window->control(c.focusAfter));
    } else {
      EXPECT_NE(window->focusWidget(), box) << "the focus left the box";
    }
  }
  // Typed characters are filtered as before: Enter and a space are refused.
  auto* box = window->control<QLineEdit>("TbCasingDiameter");
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClick(box, Qt::Key_Space);
  EXPECT_EQ(app.seam.messages.size(), 2u);
}

TEST_F(Keyboard, EnterClicksTheFocusedButton) {
  for (const char* list : {"CboCasingDiameter", "CboAnnularHeight", "CboTubingDiameter"}) pick(list, "Meters");
  pick("CboDownholeAnswer", "Cubic Meters");
  type("TbCasingDiameter", "2");
  auto* calculate = window->control<QAbstractButton>("CboDwnholeCoatingCalc");
  calculate->setFocus();
  QTest::keyClick(calculate, Qt::Key_Return);
  // (1² - 0.5²) × 3.141592654 × 1 m³ = 2.3561944905 m³
  EXPECT_EQ(text("TbDownholeAnswer"), "2.356");
  // Enter on a picture button of the main menu opens its window.
  trigger("MnuFileMainMenu");
  auto* pipeline = mainMenu()->control<QAbstractButton>("CmdPipelineVolume");
  pipeline->setFocus();
  QTest::keyClick(pipeline, Qt::Key_Enter);
  ASSERT_NE(form(kPipelineWindow), nullptr);
  EXPECT_TRUE(form(kPipelineWindow)->isVisible());
}

TEST_F(Keyboard, AboutBoxTakesEnterForOkAndEscapeToClose) {
  trigger("MnuHelpAbout");
  FormWindow* about = form(kAboutWindow);
  ASSERT_TRUE(about && about->isVisible());
  QTest::keyClick(about->control("cmdOK"), Qt::Key_Return);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(app.registry->find(kAboutWindow), nullptr) << "OK unloads it";
  trigger("MnuHelpAbout");
  about = form(kAboutWindow);
  ASSERT_TRUE(about && about->isVisible());
  QTest::keyClick(about, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(app.registry->find(kAboutWindow), nullptr) << "Escape closes it";
}

TEST_F(Keyboard, AboutBoxStaysOpenWhenItsWindowCloses) {
  trigger("MnuHelpAbout");
  ASSERT_TRUE(form(kAboutWindow)->isVisible());
  closeReturnsToMainMenu();
  ASSERT_NE(form(kAboutWindow), nullptr);
  EXPECT_TRUE(form(kAboutWindow)->isVisible());
}

TEST_F(Keyboard, HelpOpensAtTheWindowsSection) {
  QTest::keyClick(window, Qt::Key_F1);
  trigger("MnuHelpHelp");
  EXPECT_EQ(app.seam.helpSections, QStringList({"annular", "annular"}));
  trigger("MnuFileMainMenu");
  menuItem(mainMenu(), "MnuHelpHelp")->trigger();
  EXPECT_EQ(app.seam.helpSections.last(), "mainmenu");
}

TEST_F(Keyboard, CaptionsNameTheirBoxesAndLists) {
  auto* label = window->control<QLabel>("lblTbAnnularHeight");
  EXPECT_EQ(label->buddy(), window->control("TbAnnularHeight"));
  EXPECT_EQ(window->control("TbAnnularHeight")->accessibleName(), "Annular Height:");
  EXPECT_EQ(window->control("CboAnnularHeight")->accessibleName(), "Annular Height:");
  EXPECT_EQ(label->text(), "Annular Height:") << "no visible text changes";
  EXPECT_EQ(mainMenu()->control("CmdAnnularVolume")->accessibleName(), "Press to calculate Annular volumes");
}

TEST_F(Keyboard, AnswerLongerThanItsFieldIsShownWhole) {
  auto* answer = window->control<AnswerLabel>("TbDownholeAnswer");
  ASSERT_NE(answer, nullptr);
  const int available = answer->contentsRect().width() - 2 * answer->margin();
  // A long answer (a pipeline of 1,801,369,137.723 litres) fits by a smaller font.
  answer->setText("1,801,369,137.723");
  const QFont shown = answer->shownFont();
  EXPECT_LT(shown.pointSize(), answer->font().pointSize());
  EXPECT_GE(shown.pointSize(), AnswerLabel::kMinimumPoints);
  EXPECT_LE(QFontMetrics(shown).horizontalAdvance(answer->text()), available);
  EXPECT_FALSE(answer->scrolls());
  // A text too long for the smallest font scrolls through all of it.
  answer->setText(QString(300, '9') + ".0000");
  EXPECT_EQ(answer->shownFont().pointSize(), AnswerLabel::kMinimumPoints);
  ASSERT_TRUE(answer->scrolls());
  const int whole = QFontMetrics(answer->shownFont()).horizontalAdvance(answer->text());
  EXPECT_GE(answer->scrollBar()->maximum() + available, whole) << "every character can be scrolled into view";
  // A short answer goes back to the field's own font.
  answer->setText("6.178");
  EXPECT_EQ(answer->shownFont().pointSize(), answer->font().pointSize());
  EXPECT_FALSE(answer->scrolls());
}

TEST_F(Keyboard, AnswersCopyAsShownOrAsAPlainNumber) {
  auto* answer = window->control<AnswerLabel>("TbDownholeAnswer");
  QMenu* menu = answer->createContextMenu(window);
  QStringList captions;
  for (QAction* action : menu->actions()) captions << action->text();
  EXPECT_EQ(captions, QStringList({"&Copy", "Copy &Number"}));
  answer->setText("12,000.0000");
  menu->findChild<QAction*>("AnswerCopy")->trigger();
  EXPECT_EQ(app.seam.clipboard_, "12,000.0000");
  menu->findChild<QAction*>("AnswerCopyNumber")->trigger();
  EXPECT_EQ(app.seam.clipboard_, "12000");
  answer->setText(".2500");
  menu->findChild<QAction*>("AnswerCopyNumber")->trigger();
  EXPECT_EQ(app.seam.clipboard_, "0.25");
  // Ctrl+C copies the text as shown when the answer has the focus.
  answer->setFocus();
  QTest::keyClick(answer, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(app.seam.clipboard_, ".2500");
  delete menu;
}

// Number boxes keep their editing keys: select, copy, cut, paste, undo and
// redo pass the filter without a message, through the seam's clipboard.
TEST_F(Keyboard, NumberBoxesTakeTheirEditingKeys) {
  auto* box = window->control<QLineEdit>("TbCasingDiameter");
  box->setFocus();
  box->setText("12.5");
  const auto press = [box](Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(box, key, modifiers); };

  press(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(box->selectedText(), "12.5") << "Ctrl+A selects the whole number";
  press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(app.seam.clipboard_, "12.5") << "Ctrl+C copies it";
  box->setSelection(0, 2);
  press(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(box->text(), ".5") << "Ctrl+X cuts the selection";
  EXPECT_EQ(app.seam.clipboard_, "12");
  box->setCursorPosition(2);
  press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), ".512") << "Ctrl+V pastes at the cursor";
  press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box->text(), ".5") << "Ctrl+Z takes the paste back";
  press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(box->text(), ".512") << "Ctrl+Shift+Z does it again";
  box->setSelection(0, 1);
  press(Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(app.seam.clipboard_, ".") << "Ctrl+Insert copies";
  box->setCursorPosition(4);
  press(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(box->text(), ".512.") << "Shift+Insert pastes";
  EXPECT_TRUE(app.seam.messages.empty()) << app.seam.messageTexts().front();

  // Enter and the other control keys are still refused, one message each.
  press(Qt::Key_Return, Qt::NoModifier);
  press(Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(app.seam.messages.size(), 2u);
  EXPECT_EQ(box->text(), ".512.");
}

// The box's context menu, as a right click opens it.
QMenu* openNumberMenu(QLineEdit* box) {
  delete box->findChild<QMenu*>("NumberMenu");
  const QPoint at = box->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
  QCoreApplication::sendEvent(box, &event);
  return box->findChild<QMenu*>("NumberMenu");
}

QStringList itemsShown(QMenu* menu) {
  QStringList shown;
  for (QAction* action : menu->actions())
    shown << (action->isSeparator() ? "-" : action->text() + (action->isEnabled() ? "" : " (off)"));
  return shown;
}

// A paste by any road of text that is not a number is refused at once with
// the filter's message and the box keeps its text; a number, or the start of
// one being typed, goes in at the cursor.
TEST_F(Keyboard, NumberBoxesRefuseAPasteThatIsNotANumber) {
  auto* box = window->control<QLineEdit>("TbCasingDiameter");
  // The roads a text can be pasted by, from the seam's clipboard (the
  // desktop's selection for a middle click) or dragged in.
  struct Road {
    const char* name;
    std::function<void(const QString&)> paste;
  };
  const Road roads[] = {
      {"Ctrl+V",
       [&](const QString& text) {
         app.seam.clipboard_ = text;
         QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
       }},
      {"Shift+Insert",
       [&](const QString& text) {
         app.seam.clipboard_ = text;
         QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
       }},
      {"the context menu's Paste",
       [&](const QString& text) {
         app.seam.clipboard_ = text;
         QMenu* menu = openNumberMenu(box);
         ASSERT_NE(menu, nullptr);
         QAction* paste = menu->findChild<QAction*>("NumberPaste");
         ASSERT_NE(paste, nullptr);
         EXPECT_TRUE(paste->isEnabled());
         paste->trigger();
         delete menu;
       }},
      {"a middle click",
       [&](const QString& text) {
         app.seam.selection_ = text;
         QTest::mouseClick(box, Qt::MiddleButton, Qt::NoModifier, QPoint(box->width() - 4, box->height() / 2));
       }},
      {"a drop",
       [&](const QString& text) {
         // Dragged in as the desktop does: into the window, over the box's end.
         QMimeData dragged;
         dragged.setText(text);
         const QPoint at = box->mapTo(window, QPoint(box->width() - 4, box->height() / 2));
         QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
         QCoreApplication::sendEvent(window->windowHandle(), &enter);
         QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
         QCoreApplication::sendEvent(window->windowHandle(), &drop);
         QCoreApplication::processEvents();
       }},
  };
  struct Case {
    const char* pasted;
    const char* after;  // the box's text afterwards, from "12" with the cursor at its end
    bool refused;
  };
  const Case cases[] = {
      {"abc", "12", true}, {"1,767.1459", "12", true},    {"12abc", "12", true},   {".5", "12.5", false},
      {"E+", "12", true},  {"1.45E+", "121.45E+", false}, {"7\r\n", "127", false},
  };
  for (const Road& road : roads) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(road.name) + " of " + c.pasted);
      box->setText("12");
      box->setFocus();
      box->setCursorPosition(2);
      app.seam.messages.clear();
      road.paste(QString::fromUtf8(c.pasted));
      EXPECT_EQ(box->text(), c.after);
      if (c.refused) {
        ASSERT_EQ(app.seam.messages.size(), 1u);
        EXPECT_EQ(app.seam.messages[0].title, "Improper Number");
      } else {
        EXPECT_TRUE(app.seam.messages.empty());
      }
    }
  }
}

TEST_F(Keyboard, NumberBoxMenuOffersWhatTheBoxCanDo) {
  auto* box = window->control<QLineEdit>("TbCasingDiameter");
  box->setText("12.5");
  app.seam.clipboard_.clear();
  QMenu* menu = openNumberMenu(box);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(itemsShown(menu),
            QStringList({"&Undo\tCtrl+Z (off)", "&Redo\tCtrl+Shift+Z (off)", "-", "Cu&t\tCtrl+X (off)",
                         "&Copy\tCtrl+C (off)", "&Paste\tCtrl+V (off)", "Delete (off)", "-", "Select All\tCtrl+A"}));
  menu->findChild<QAction*>("NumberSelectAll")->trigger();
  menu = openNumberMenu(box);
  EXPECT_EQ(itemsShown(menu),
            QStringList({"&Undo\tCtrl+Z (off)", "&Redo\tCtrl+Shift+Z (off)", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                         "&Paste\tCtrl+V (off)", "Delete", "-", "Select All\tCtrl+A (off)"}));
  menu->findChild<QAction*>("NumberCopy")->trigger();
  EXPECT_EQ(app.seam.clipboard_, "12.5");
  menu->findChild<QAction*>("NumberDelete")->trigger();
  EXPECT_EQ(box->text(), "");
  menu = openNumberMenu(box);
  EXPECT_EQ(itemsShown(menu),
            QStringList({"&Undo\tCtrl+Z", "&Redo\tCtrl+Shift+Z (off)", "-", "Cu&t\tCtrl+X (off)", "&Copy\tCtrl+C (off)",
                         "&Paste\tCtrl+V", "Delete (off)", "-", "Select All\tCtrl+A (off)"}));
  menu->findChild<QAction*>("NumberUndo")->trigger();
  EXPECT_EQ(box->text(), "12.5");
  EXPECT_TRUE(app.seam.messages.empty());
  delete menu;
}

TEST(HelpViewerLifetime, StaysOpenAfterItsWindowClosesAndHasItsControls) {
  QTemporaryDir folder;
  const QString path = folder.filePath("CalvexaHelp.html");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "<html><body><h1><a name=\"contents\"></a>Contents</h1><p>one</p>"
      "<h2><a name=\"annular\"></a>Annular volume</h2><p>Find me here</p></body></html>");
  file.close();
  QtSeam seam;
  auto* owner = new QWidget;
  owner->show();
  seam.openHelp(owner, path, "annular");
  delete owner;
  HelpViewer* viewer = seam.helpViewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(viewer->browser()->source().fragment(), "annular");
  for (const char* name : {"HelpBack", "HelpForward", "HelpContents", "HelpFind"})
    EXPECT_NE(viewer->findChild<QWidget*>(name), nullptr) << name;
  auto* find = viewer->findChild<QLineEdit*>("HelpFind");
  find->setText("Find me");
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_EQ(viewer->browser()->textCursor().selectedText(), "Find me");
  QTest::keyClick(viewer, Qt::Key_Escape);
  EXPECT_FALSE(viewer->isVisible());
}

// F1 and the Help items open the help at the window's own section, at the
// top of the viewer whatever size the viewer opens at.
TEST(HelpSections, EachTankWindowsSectionOpensAtTheTopOfTheViewer) {
  TestApp app;
  struct Case {
    WindowKey window;
    const char* section;
    const char* heading;  // the section's heading in the help file
  };
  const Case cases[] = {
      {kVerticalTankWindow, "vertical", "Vertical (upright) tanks"},
      {kHorizontalTanksWindow, "horizontal", "Horizontal tanks"},
      {kRectangularTankWindow, "rectangular", "Rectangular tanks"},
      {kSphericalTankWindow, "spherical", "Spherical tanks"},
      {kDivisionsWindow, "charts", "Strapping charts"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    QtSeam seam;  // a viewer of its own, as on the first F1 of a run
    auto* window = app.window<FormWindow>(c.window);
    if (!window) window = qobject_cast<FormWindow*>(app.registry->load(c.window));
    ASSERT_NE(window, nullptr);
    // F1 asks for the window's section.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    app.seam.helpSections.clear();
    QTest::keyClick(window, Qt::Key_F1);
    EXPECT_EQ(app.seam.helpSections, QStringList{c.section});
    window->hide();
    // The viewer shows that section's heading at its top.
    seam.openHelp(nullptr, app.registry->helpPath(), c.section);
    QTextBrowser* browser = seam.helpViewer()->browser();
    EXPECT_TRUE(browser->cursorForPosition(QPoint(8, 8)).block().text().startsWith(c.heading))
        << browser->cursorForPosition(QPoint(8, 8)).block().text().toStdString();
    // The window system may size the viewer again once it shows (to fit a
    // small screen): the section stays on top.
    seam.helpViewer()->resize(420, 560);
    EXPECT_TRUE(browser->cursorForPosition(QPoint(8, 8)).block().text().startsWith(c.heading))
        << "resized: " << browser->cursorForPosition(QPoint(8, 8)).block().text().toStdString();
  }
}

// Help asked for from a modal window (the divisions dialog) can be read and
// scrolled while that window stays open: the modal does not block it.
TEST(HelpSections, TheViewerTakesKeysWhileAModalWindowIsOpen) {
  TestApp app;
  QWidget dialog;
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QtSeam seam;
  seam.openHelp(&dialog, app.registry->helpPath(), "charts");
  HelpViewer* viewer = seam.helpViewer();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
  viewer->browser()->setFocus();
  QScrollBar* bar = viewer->browser()->verticalScrollBar();
  const int before = bar->value();
  QTest::keyClick(viewer->windowHandle(), Qt::Key_PageDown);
  EXPECT_GT(bar->value(), before) << "a Page Down reaches the viewer";
  dialog.hide();
}

// The program may close a window while one of its modals is open (a logout
// closes every window): the message box and the progress go with it, freed once,
// and the progress reports Cancel.
TEST(QtSeamModals, GoWithTheirWindowWhenItIsClosedWhileTheyAreOpen) {
  QtSeam seam;
  auto* owner = new QWidget;
  owner->show();
  QTimer::singleShot(0, owner, [owner] { delete owner; });
  seam.showMessage(owner, Message{.text = "Open while its window goes"});
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  owner = new QWidget;
  owner->show();
  std::unique_ptr<Progress> progress = seam.startProgress(owner, "Preparing the chart...", 10);
  EXPECT_TRUE(progress->advance(1));
  delete owner;
  EXPECT_FALSE(progress->advance(2)) << "the task is cancelled with its window";
  progress.reset();
}

// A print dialog the user accepts is taken as accepted: printing goes on,
// to the file it names.
TEST(QtSeamModals, APrintDialogAcceptedPrints) {
  QtSeam seam;
  Printer printer(Printer::Resolution::High);
  ASSERT_TRUE(printer.available()) << printer.unavailableReason().toStdString();
  QWidget owner;
  owner.show();
  QTimer::singleShot(0, &owner, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->accept();
  });
  EXPECT_TRUE(seam.askPrinter(&owner, printer, "Vertical Tank (C) chart.pdf"));
  EXPECT_TRUE(printer.outputFileName().endsWith("/Vertical Tank (C) chart.pdf"))
      << printer.outputFileName().toStdString();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

class ConverterKeyboard : public MenuWindowTest {
 protected:
  ConverterKeyboard() : MenuWindowTest(kConversionWindow, "CmdOpenConversions") {}
  TabControl* tabs() const { return window->control<TabControl>("SStab"); }
};

TEST_F(ConverterKeyboard, OpensWithTheFocusInTheConcentrationBox) {
  EXPECT_EQ(tabs()->currentIndex(), 15);
  EXPECT_EQ(window->focusWidget(), window->control("TbConcFrom"));
}

TEST_F(ConverterKeyboard, CtrlTabAndCtrlPageKeysSwitchTabsWrapping) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  window->activateWindow();
  QWidget* box = window->control("TbConcFrom");
  box->setFocus();
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int tab;
  };
  const Step steps[] = {
      {Qt::Key_Tab, Qt::ControlModifier, 16},     {Qt::Key_Tab, Qt::ControlModifier, 17},
      {Qt::Key_Tab, Qt::ControlModifier, 0},      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 17},
      {Qt::Key_PageDown, Qt::ControlModifier, 0}, {Qt::Key_PageUp, Qt::ControlModifier, 17},
      {Qt::Key_PageUp, Qt::ControlModifier, 16},
  };
  for (const Step& step : steps) {
    QTest::keyClick(window->focusWidget(), step.key, step.modifiers);
    EXPECT_EQ(tabs()->currentIndex(), step.tab);
    EXPECT_TRUE(app.seam.messages.empty()) << "the key filter never sees Ctrl+Tab";
  }
  EXPECT_EQ(window->focusWidget(), window->control("TbDynFrom")) << "the page's first box has the focus";
}

TEST_F(ConverterKeyboard, OnlyTheCurrentTabTakesTheFocusAndArrowsMoveOn) {
  for (int i = 0; i < tabs()->count(); ++i)
    EXPECT_EQ(tabs()->tabButton(i)->focusPolicy() != Qt::NoFocus, i == 15) << "tab " << i;
  QAbstractButton* current = tabs()->tabButton(15);
  current->setFocus();
  QTest::keyClick(current, Qt::Key_Right);
  EXPECT_EQ(tabs()->currentIndex(), 16);
  EXPECT_EQ(window->focusWidget(), tabs()->tabButton(16));
  QTest::keyClick(tabs()->tabButton(16), Qt::Key_Left);
  QTest::keyClick(tabs()->tabButton(15), Qt::Key_Left);
  EXPECT_EQ(tabs()->currentIndex(), 14);
}

}  // namespace
}  // namespace calvexa
