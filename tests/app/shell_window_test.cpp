// The shell: start-up, main menu, switching and closing windows, menus,
// About box, status bar.
#include <QCloseEvent>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "app/startup.h"
#include "gauging/gauging_window.h"
#include "support/window_test.h"
#include "ui/controls.h"

namespace calvexa {
namespace {

using Shell = WindowTest;

TEST_F(Shell, StartUpShowsMainMenuAloneWithDefaultPointer) {
  ASSERT_NE(form(kMainMenuWindow), nullptr);
  EXPECT_TRUE(form(kMainMenuWindow)->isVisible());
  ASSERT_NE(form(kSplashWindow), nullptr) << "the splash stays loaded";
  EXPECT_FALSE(form(kSplashWindow)->isVisible());
  ASSERT_NE(form(kAboutWindow), nullptr) << "the About box is loaded at start-up";
  EXPECT_FALSE(form(kAboutWindow)->isVisible());
  EXPECT_EQ(app.window<QWidget>(kAnnularWindow), nullptr) << "other windows wait until first used";
  EXPECT_EQ(app.seam.busyDepth, 0);
  EXPECT_GE(app.seam.busyBrackets, 1);
  EXPECT_EQ(form(kMainMenuWindow)->statusPanels()->text(), "Press F1 for Help");
  EXPECT_FALSE(form(kMainMenuWindow)->statusPanels()->dateText().isEmpty());
  EXPECT_FALSE(form(kMainMenuWindow)->statusPanels()->timeText().isEmpty());
}

TEST_F(Shell, SplashShowsVersionFromTheBuild) {
  auto* splash = form(kSplashWindow);
  EXPECT_EQ(splash->control<QLabel>("lblVersion")->text(), "Version 3.6.13");
  EXPECT_EQ(splash->control<QLabel>("lblproductname")->text(), "Calvexa");
  EXPECT_EQ(splash->control<QLabel>("lblWarning")->text(),
            " Warning:  This program uses averaged information.  Specific circumstances may change the factors "
            "used with calculations in this program.");
  QTest::mouseClick(splash->control("Frame1"), Qt::LeftButton);
  EXPECT_EQ(app.registry->find(kSplashWindow), nullptr) << "a click unloads the splash";
}

TEST_F(Shell, MainMenuControlsTooltipsAndMenus) {
  auto* menu = form(kMainMenuWindow);
  EXPECT_EQ(menu->windowTitle(), "Main Menu");
  const std::pair<const char*, const char*> tips[] = {
      {"CmdOpenConversions", "Press for Conversion section"},
      {"CmdTankSelection", "Press to choose select tank calculation"},
      {"CmdAnnularVolume", "Press to calculate Annular volumes"},
      {"CmdPipelineVolume", "Press for Pipeline Volume section"},
      {"CmdCoatingPic", "Press for Coating Calculation"},
      {"CmdFuelUse", "Press to calculate automotive fuel use"},
      {"BtnCalculator", "Press for Scientific Calculator"},
      {"CmdExit", "Press to Exit program"},
  };
  for (const auto& [name, tip] : tips) {
    ASSERT_NE(menu->control(name), nullptr) << name;
    EXPECT_EQ(menu->control(name)->toolTip(), tip) << name;
  }
  EXPECT_EQ(menu->control<QAbstractButton>("CmdExit")->text(), "E&xit");
  EXPECT_TRUE(menu->control<QLabel>("Label1")->text().startsWith("Welcome to the Calvexa program."));
  EXPECT_EQ(menuCaptions(menu, 0), QStringList({"E&xit"}));
  EXPECT_EQ(menuCaptions(menu, 1), QStringList({"&About...", "-", "&Help"}));
  EXPECT_TRUE(menu->control("CmdAnnularVolume")->isEnabled());
  EXPECT_TRUE(menu->control("CmdTankSelection")->isEnabled());
}

// What a picture control draws over a plain fill, and the same drawing
// rendered straight from its file over the same fill, into `area`.
struct Drawn {
  QImage shown;
  QImage expected;
};

Drawn drawnBeside(QWidget* control, const QString& file, QRectF area, qreal scale = 1) {
  const QColor fill(10, 200, 30);
  Drawn drawn{QImage(control->size() * scale, QImage::Format_ARGB32_Premultiplied), {}};
  drawn.shown.setDevicePixelRatio(scale);
  drawn.shown.fill(fill);
  drawn.expected = drawn.shown;
  control->render(&drawn.shown, QPoint(), QRegion(), QWidget::DrawChildren);
  QPainter painter(&drawn.expected);
  painter.setRenderHint(QPainter::Antialiasing);
  QSvgRenderer(file).render(&painter, area);
  return drawn;
}

TEST_F(Shell, MainMenuPicturesAreDrawnFromTheFirstPaint) {
  struct Case {
    const char* control;
    const char* file;
    int inset;  // a picture button draws 3 pixels inside its edge, a picture fills its control
  };
  const Case cases[] = {
      {"CmdOpenConversions", ":/pictures/conversion.svg", 3},
      {"CmdTankSelection", ":/pictures/tank.svg", 3},
      {"CmdAnnularVolume", ":/pictures/annulus.svg", 3},
      {"CmdPipelineVolume", ":/pictures/pipeline.svg", 3},
      {"CmdCoatingPic", ":/pictures/coating.svg", 3},
      {"CmdFuelUse", ":/pictures/fuel.svg", 3},
      {"BtnCalculator", ":/pictures/calculator.svg", 3},
      {"Image1", ":/pictures/derrick.svg", 0},
      {"Image2", ":/pictures/flask.svg", 0},
  };
  for (const Case& c : cases) {
    QWidget* control = mainMenu()->control(c.control);
    ASSERT_NE(control, nullptr) << c.control;
    control->clearFocus();  // no focus frame over the picture
    const QRectF area = QRectF(control->rect()).adjusted(c.inset, c.inset, -c.inset, -c.inset);
    const Drawn drawn = drawnBeside(control, QString::fromUtf8(c.file), area);
    QImage blank(drawn.expected.size(), drawn.expected.format());
    blank.fill(QColor(10, 200, 30));
    ASSERT_NE(drawn.expected, blank) << c.file << " is a drawing";
    EXPECT_EQ(drawn.shown, drawn.expected) << c.control << " shows " << c.file;
  }
}

// The splash's logo is built into the program as pixels for its own size, at
// one and two device pixels to the pixel; any other size draws the file.
// Either way it shows what its drawing renders.
TEST_F(Shell, SplashLogoIsDrawnAsItsFileRenders) {
  struct Case {
    const char* what;
    QSize size;
    qreal scale;
  };
  const Case cases[] = {
      {"its own size", QSize(96, 96), 1},
      {"its own size, twice the device pixels", QSize(96, 96), 2},
      {"another size", QSize(120, 100), 1},  // last: from here on the file is read
  };
  QWidget* logo = form(kSplashWindow)->control("imgLogo");
  ASSERT_NE(logo, nullptr);
  for (const Case& c : cases) {
    logo->resize(c.size);
    const Drawn drawn = drawnBeside(logo, QStringLiteral(":/pictures/calvexa.svg"), QRectF(logo->rect()), c.scale);
    QImage blank(drawn.expected.size(), drawn.expected.format());
    blank.setDevicePixelRatio(c.scale);
    blank.fill(QColor(10, 200, 30));
    ASSERT_NE(drawn.expected, blank) << c.what;
    EXPECT_EQ(drawn.shown, drawn.expected) << c.what;
  }
}

// The window icon's usual sizes are built in as pixels. At every size, scale
// and look it shows what the SVG file's own icon shows, and like that icon it
// lists no sizes, so a window system asks for the ones it always does.
TEST_F(Shell, ApplicationIconShowsWhatItsDrawingsIconShows) {
  setUpApplication();
  const QIcon shown = QApplication::windowIcon();
  const QIcon drawing(QStringLiteral(":/pictures/calvexa.svg"));
  EXPECT_EQ(shown.availableSizes(), drawing.availableSizes());
  for (const qreal scale : {1.0, 2.0}) {
    for (const int size : {16, 24, 32, 48, 64, 96, 128}) {
      for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
        const QImage expected = drawing.pixmap(QSize(size, size), scale, mode).toImage();
        ASSERT_FALSE(expected.isNull());
        EXPECT_EQ(shown.pixmap(QSize(size, size), scale, mode).toImage(), expected)
            << size << " pixels at scale " << scale << ", look " << mode;
      }
    }
  }
}

TEST_F(Shell, PictureButtonShowsBorderWhileHeldDown) {
  auto* button = form(kMainMenuWindow)->control<PictureButton>("CmdAnnularVolume");
  ASSERT_NE(button, nullptr);
  QTest::mousePress(button, Qt::LeftButton);
  EXPECT_TRUE(button->borderShown());
  QTest::mouseRelease(button, Qt::LeftButton);
  EXPECT_FALSE(button->borderShown());
}

TEST_F(Shell, SwitchKeepsValuesAndCloseRestoresDesignValues) {
  auto* menu = form(kMainMenuWindow);
  menu->control<QAbstractButton>("CmdAnnularVolume")->click();
  auto* annular = form(kAnnularWindow);
  ASSERT_NE(annular, nullptr);
  EXPECT_TRUE(annular->isVisible());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_EQ(app.seam.busyDepth, 0);
  auto* casing = annular->control<QLineEdit>("TbCasingDiameter");
  casing->setText("7");

  menuItem(annular, "MnuFileMainMenu")->trigger();
  EXPECT_TRUE(menu->isVisible());
  EXPECT_FALSE(annular->isVisible());
  menu->control<QAbstractButton>("CmdAnnularVolume")->click();
  EXPECT_EQ(form(kAnnularWindow), annular) << "one instance per window";
  EXPECT_EQ(casing->text(), "7") << "a hidden window keeps its values";
  EXPECT_EQ(app.seam.busyDepth, 0);

  annular->close();  // the close box unloads and shows the parent
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(app.registry->find(kAnnularWindow), nullptr);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_FALSE(app.quitCalled);
  menu->control<QAbstractButton>("CmdAnnularVolume")->click();
  EXPECT_EQ(form(kAnnularWindow)->control<QLineEdit>("TbCasingDiameter")->text(), "1");
  EXPECT_EQ(app.seam.busyDepth, 0);
}

TEST_F(Shell, ClosingMainMenuEndsProgramWithWindowsStillLoaded) {
  form(kMainMenuWindow)->control<QAbstractButton>("CmdAnnularVolume")->click();
  form(kAnnularWindow)->hide();
  form(kMainMenuWindow)->close();
  EXPECT_TRUE(app.quitCalled);
  EXPECT_EQ(app.registry->find(kAnnularWindow), nullptr);
  EXPECT_EQ(app.registry->find(kAboutWindow), nullptr);
}

TEST_F(Shell, AnnularExitEndsProgram) {
  form(kMainMenuWindow)->control<QAbstractButton>("CmdAnnularVolume")->click();
  menuItem(form(kAnnularWindow), "MnuFileExit")->trigger();
  EXPECT_TRUE(app.quitCalled);
}

TEST_F(Shell, MainMenuExitButtonEndsProgram) {
  form(kMainMenuWindow)->control<QAbstractButton>("CmdExit")->click();
  EXPECT_TRUE(app.quitCalled);
}

TEST_F(Shell, HelpOpensTheHelpFileInTheProgramFolder) {
  menuItem(form(kMainMenuWindow), "MnuHelpHelp")->trigger();
  ASSERT_EQ(app.seam.helpOpened.size(), 1);
  EXPECT_TRUE(app.seam.helpOpened[0].endsWith("/CalvexaHelp.html"));
  EXPECT_EQ(app.seam.busyDepth, 0);
}

TEST_F(Shell, AboutBoxOverTheCurrentWindow) {
  auto* menu = form(kMainMenuWindow);
  menuItem(menu, "MnuHelpAbout")->trigger();
  auto* about = form(kAboutWindow);
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_TRUE(menu->isVisible()) << "the current window stays visible";
  EXPECT_EQ(about->windowTitle(), "About Calvexa");
  EXPECT_EQ(about->control<QLabel>("lblVersion")->text(), "Version 3.6.13");
  EXPECT_EQ(about->control<QLabel>("lblDescription")->text(),
            "This program was written for those who want a user friendly Calvexa program. ");
  EXPECT_FALSE(about->isModal());
  about->control<QAbstractButton>("cmdOK")->click();
  EXPECT_EQ(app.registry->find(kAboutWindow), nullptr) << "OK unloads the About box";
  EXPECT_TRUE(menu->isVisible());
  menuItem(menu, "MnuHelpAbout")->trigger();
  EXPECT_TRUE(form(kAboutWindow)->isVisible()) << "the next About command loads it again";
}

TEST_F(Shell, SystemInfoStartsFirstToolFoundOrSaysUnavailable) {
  auto* about = form(kAboutWindow);
  about->control<QAbstractButton>("cmdSysInfo")->click();
  ASSERT_EQ(app.seam.messageTexts(), std::vector<std::string>{"System Information Is Unavailable At This Time"});
  EXPECT_EQ(app.seam.messages[0].title, "");

  app.seam.messages.clear();
  app.seam.programsOnPath = {"kinfocenter", "gnome-system-monitor"};
  about->control<QAbstractButton>("cmdSysInfo")->click();
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(app.seam.started, QStringList({"/usr/bin/kinfocenter"}));

  app.seam.startSucceeds = false;
  about->control<QAbstractButton>("cmdSysInfo")->click();
  EXPECT_EQ(app.seam.messageTexts(), std::vector<std::string>{"System Information Is Unavailable At This Time"});
  EXPECT_NE(app.registry->find(kAboutWindow), nullptr) << "the About box stays open";
}

TEST_F(Shell, AnnularMenusFollowTheirTable) {
  form(kMainMenuWindow)->control<QAbstractButton>("CmdAnnularVolume")->click();
  auto* annular = form(kAnnularWindow);
  EXPECT_EQ(menuCaptions(annular, 0), QStringList({"&Coating", "Con&versions", "&Fuel Use", "&Main Menu",
                                                   "&Pipeline Volume", "&Tank Selection", "-", "E&xit"}));
  EXPECT_EQ(menuCaptions(annular, 1), QStringList({"Help &Documentation", "-", "&About Calvexa"}));
  EXPECT_TRUE(menuItem(annular, "MnuFileMainMenu")->isEnabled());
  EXPECT_TRUE(menuItem(annular, "MnuFileTankSelection")->isEnabled());
  const int before = app.seam.busyBrackets;
  menuItem(annular, "MnuHelpAbout")->trigger();
  EXPECT_EQ(app.seam.busyBrackets, before) << "the annular window's About runs without the busy pointer";
}

// Every window's File and Help menus as the program's menu table gives them:
// each item's caption in order, a separator as "-", and where an item has a
// name of its own for tools and tests, "caption=name".
TEST_F(Shell, EveryWindowsMenusHaveTheirCaptionsAndNames) {
  struct Menus {
    WindowKey id;
    QStringList file;            // "&File"
    QStringList help;            // "&Help"
    QStringList menuNames = {};  // the two menus' own names, when they have them
  };
  const Menus windows[] = {
      {kMainMenuWindow, {"E&xit=MnuFileExit"}, {"&About...=MnuHelpAbout", "-", "&Help=MnuHelpHelp"}},
      {kTankSelectionWindow,
       {"&Annular Volume", "&Coatings", "C&onversions", "&Fuel Use", "&Horizontal Tanks=MnuFileHorizontalTanks",
        "&Main Menu", "&Pipeline Volume", "&Rectangular Tank=MnuFileRectangularTank",
        "&Spherical Tank=MnuFileSphericalTank", "&Vertical Tanks=MnuFileVerticalTanks",
        "Tank &Gauging=MnuFileTankGauging", "-", "E&xit"},
       {"&About...", "-", "&Help File=MnuHelpHelpFile"}},
      {kVerticalTankWindow,
       {"&Annular Volume", "Coating", "Conversion", "Fuel Use", "Main Menu", "&Pipeline Volume", "&Tank Selection",
        "Tank &Gauging=MnuFileTankGauging", "-", "E&xit"},
       {"Help &Documentation", "-", "&About Calvexa"}},
      {kHorizontalTanksWindow,
       {"&Annular Volume", "&Coating", "Con&version", "&Fuel Use", "&Main Menu", "&Pipeline Volume", "&Tank Selection",
        "Tank &Gauging=MnuFileTankGauging", "-", "E&xit"},
       {"Help &Documentation", "-", "&About Calvexa"}},
      {kRectangularTankWindow,
       {"&Annular Volume", "&Conversions", "C&oatings", "&Fuel Use", "&Main Menu", "&Pipeline Volume",
        "&Tank Selection", "Tank &Gauging=MnuFileTankGauging", "-", "E&xit"},
       {"&About Calvexa", "-", "&Help File"}},
      {kSphericalTankWindow,
       {"&Annular Volume", "&Coating", "Con&versions", "&Fuel Use", "&Main Menu", "&Pipeline Volume", "&Tank Selection",
        "Tank &Gauging=MnuFileTankGauging", "-", "E&xit"},
       {"Help &Documentation", "-", "&About Calvexa"}},
      {kGaugingWindow, {"&Main Menu", "&Tank Selection", "-", "E&xit"}, {"Help &Documentation", "-", "&About Calvexa"}},
      {kAnnularWindow,
       {"&Coating", "Con&versions", "&Fuel Use", "&Main Menu", "&Pipeline Volume", "&Tank Selection", "-", "E&xit"},
       {"Help &Documentation", "-", "&About Calvexa"}},
      {kPipelineWindow,
       {"&Annular Volume", "&Coating", "Con&version", "&Fuel Use", "&Main Menu", "&Tank Selection", "-", "E&xit"},
       {"Help &Documentation", "-", "&About Calvexa"}},
      {kCoatingWindow,
       {"&Annular Volume", "Con&versions", "&Fuel Use", "&Main Menu", "&Pipeline Volume", "&Tank Selection", "-",
        "E&xit"},
       {"Help &Documentation", "-", "&About Calvexa"}},
      {kFuelUseWindow,
       {"&Annular Volume", "&Coating", "Con&version", "&Main Menu", "&Pipeline Volume", "&Tank Selection", "-",
        "E&xit"},
       {"Help &Documentation", "-", "&About Calvexa"}},
      {kConversionWindow,
       {"&Annular Volume=MnuFileAnnularVolume", "&Coating=mnuFileCoating", "&Fuel Use=mnuFileFuelUse",
        "&Main Menu=mnuFileMainMenu", "&Pipeline Volume=MnuFilePipelineVolume", "&Tank Selection=MnuFileTankSelection",
        "-=mnuFileSpacer", "E&xit=MnuExit"},
       {"&Help Documentation=MnuHelp", "-=MnuHelpSep", "&About Calvexa=MnuAbout"},
       {"MnuFile", "MainMnuHelp"}},
      {kCalculatorWindow,
       {"&Cut=ecut", "C&opy=ecopy", "&Paste=epaste", "-", "Select &All=eselectall", "-", "&Exit=eexit"},
       {"&About=habout", "-", "&Help=MnuHelpHelp"},
       {"", "help"}},
  };
  for (const Menus& expected : windows) {
    auto* shown = qobject_cast<QMainWindow*>(app.registry->load(expected.id));
    ASSERT_NE(shown, nullptr);
    SCOPED_TRACE(shown->objectName().toStdString());
    const auto menus = shown->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    const QStringList titles = {"&File", "&Help"};
    const QStringList* items[] = {&expected.file, &expected.help};
    for (int m = 0; m < 2; ++m) {
      QMenu* menu = menus[m]->menu();
      EXPECT_EQ(menus[m]->text(), titles[m]);
      if (!expected.menuNames.isEmpty() && !expected.menuNames[m].isEmpty()) {
        EXPECT_EQ(menu->objectName(), expected.menuNames[m]);
      }
      // Each item as its caption, with its name where the row names one.
      QStringList actual;
      const auto actions = menu->actions();
      for (int i = 0; i < actions.size(); ++i) {
        const QString caption = actions[i]->isSeparator() ? "-" : actions[i]->text();
        const bool named = i < items[m]->size() && (*items[m])[i].contains('=');
        actual << (named ? caption + "=" + actions[i]->objectName() : caption);
      }
      EXPECT_EQ(actual.join(" | ").toStdString(), items[m]->join(" | ").toStdString()) << titles[m].toStdString();
    }
  }
  for (WindowKey bare : {kSplashWindow, kAboutWindow, kDivisionsWindow}) {
    auto* shown = qobject_cast<QMainWindow*>(app.registry->load(bare));
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->findChildren<QMenu*>().isEmpty()) << shown->objectName().toStdString() << " has no menus";
  }
}

}  // namespace
}  // namespace calvexa
