#include "app/shell_windows.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include "app/shell_rules.h"
#include "calculator/calculator_window.h"
#include "conversion/conversion_window.h"
#include "core/identity.h"
#include "oilfield/oilfield_windows.h"
#include "tanks/tank_windows.h"
#include "ui/controls.h"
#include "ui/registry.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

using K = ControlKind;

// ---- Splash ------------------------------------------------------------

std::vector<ControlRow> splashControls() {
  const Parent frame = {.container = "Frame1"};
  return {
      {.kind = K::Frame, .name = "Frame1", .geometry = QRect(10, 6, 460, 268)},
      {.kind = K::Picture,
       .name = "imgLogo",
       .geometry = QRect(20, 24, 96, 96),
       .parent = frame,
       .fontSize = 0,
       .picture = ":/pictures/calvexa.svg"},
      {.kind = K::Label,
       .name = "Lbltitle",
       .caption = "Calvexa",
       .geometry = QRect(140, 24, 300, 40),
       .parent = frame,
       .fontSize = 24},
      {.kind = K::Label, .name = "lblproductname", .geometry = QRect(140, 70, 300, 24), .parent = frame},
      {.kind = K::Label,
       .name = "lblVersion",
       .caption = "Version: ",
       .geometry = QRect(140, 98, 300, 20),
       .parent = frame},
      {.kind = K::Label,
       .name = "lblCompany",
       .caption = kSplashMakerLine,
       .geometry = QRect(20, 134, 420, 20),
       .parent = frame},
      {.kind = K::Label,
       .name = "lblCopyright",
       .caption = kSplashYearLine,
       .geometry = QRect(20, 156, 420, 20),
       .parent = frame},
      {.kind = K::Label,
       .name = "lblWarning",
       .caption = kSplashWarning,
       .geometry = QRect(20, 184, 420, 70),
       .parent = frame},
  };
}

// ---- Main menu ---------------------------------------------------------

enum class TipSet {
  AtDesign,  // set in the table
  AtLoad,    // assigned by the load handler
};

struct MenuButton {
  const char* name;
  const char* picture;
  const char* tooltip;
  TipSet tipSet;
  WindowKey target;
};

const MenuButton kMenuButtons[] = {
    {"CmdOpenConversions", ":/pictures/conversion.svg", "Press for Conversion section", TipSet::AtLoad,
     kConversionWindow},
    {"CmdTankSelection", ":/pictures/tank.svg", "Press to choose select tank calculation", TipSet::AtLoad,
     kTankSelectionWindow},
    {"CmdAnnularVolume", ":/pictures/annulus.svg", "Press to calculate Annular volumes", TipSet::AtLoad,
     kAnnularWindow},
    {"CmdPipelineVolume", ":/pictures/pipeline.svg", "Press for Pipeline Volume section", TipSet::AtLoad,
     kPipelineWindow},
    {"CmdCoatingPic", ":/pictures/coating.svg", "Press for Coating Calculation", TipSet::AtDesign, kCoatingWindow},
    {"CmdFuelUse", ":/pictures/fuel.svg", "Press to calculate automotive fuel use", TipSet::AtLoad, kFuelUseWindow},
    {"BtnCalculator", ":/pictures/calculator.svg", "Press for Scientific Calculator", TipSet::AtDesign,
     kCalculatorWindow},
};

std::vector<ControlRow> mainMenuControls() {
  std::vector<ControlRow> controls = {
      {.kind = K::Label, .name = "Label1", .caption = kWelcomeText, .geometry = QRect(20, 10, 540, 44)},
      {.kind = K::Picture,
       .name = "Image1",
       .geometry = QRect(20, 70, 64, 110),
       .fontSize = 0,
       .picture = ":/pictures/derrick.svg"},
      {.kind = K::Picture,
       .name = "Image2",
       .geometry = QRect(496, 70, 64, 110),
       .fontSize = 0,
       .picture = ":/pictures/flask.svg"},
  };
  // Four pictures on the first row, three on the second.
  int i = 0;
  for (const MenuButton& b : kMenuButtons) {
    const int row = i < 4 ? 0 : 1;
    const int column = i < 4 ? i : i - 4;
    const int left = row == 0 ? 100 + column * 100 : 150 + column * 100;
    controls.push_back({.kind = K::PictureButton,
                        .name = b.name,
                        .geometry = QRect(left, 70 + row * 110, 90, 90),
                        .tooltip = b.tipSet == TipSet::AtDesign ? b.tooltip : "",
                        .fontSize = 0,
                        .picture = b.picture});
    ++i;
  }
  controls.push_back({.kind = K::Button,
                      .name = "CmdExit",
                      .caption = "E&xit",
                      .geometry = QRect(240, 300, 100, 30),
                      .tooltip = "Press to Exit program"});
  return controls;
}

// ---- About box -----------------------------------------------------------

std::vector<ControlRow> aboutControls() {
  return {
      {.kind = K::Picture,
       .name = "Image1",
       .geometry = QRect(16, 16, 64, 64),
       .fontSize = 0,
       .picture = ":/pictures/calvexa.svg"},
      {.kind = K::Label,
       .name = "Lbltitle",
       .caption = "Application Title",
       .geometry = QRect(96, 14, 300, 30),
       .fontSize = 16},
      {.kind = K::Label, .name = "lblVersion", .caption = "Version 3.5.0.0", .geometry = QRect(96, 48, 300, 20)},
      {.kind = K::Label, .name = "lblDescription", .caption = kAboutDescription, .geometry = QRect(96, 74, 300, 44)},
      {.kind = K::Line, .name = "Line1", .geometry = QRect(16, 130, 384, 2)},
      {.kind = K::Label,
       .name = "lblDisclaimer",
       .caption = kAboutContactLine,
       .geometry = QRect(16, 140, 270, 60),
       .fontSize = 8},
      {.kind = K::Button, .name = "cmdOK", .caption = "OK", .geometry = QRect(300, 140, 100, 26)},
      {.kind = K::Button, .name = "cmdSysInfo", .caption = "&System Info...", .geometry = QRect(300, 174, 100, 26)},
  };
}

}  // namespace

SplashWindow::SplashWindow(WindowRegistry& registry)
    : FormWindow(registry, {.key = kSplashWindow, .designSize = QSize(480, 280), .statusBar = StatusBar::None},
                 splashControls()) {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  if (QWidget* frame = control("Frame1")) frame->installEventFilter(this);
}

void SplashWindow::onLoad() {
  control<QLabel>("lblproductname")->setText(QString::fromUtf8(kApplicationTitle));
  control<QLabel>("lblVersion")->setText(QString::fromStdString(versionText()));
}

void SplashWindow::keyPressEvent(QKeyEvent*) { registry().unload(key()); }

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched == control("Frame1")) {
    registry().unload(key());
    return true;
  }
  return FormWindow::eventFilter(watched, event);
}

MainMenuWindow::MainMenuWindow(WindowRegistry& registry)
    : FormWindow(registry,
                 {.key = kMainMenuWindow,
                  .caption = "Main Menu",
                  .designSize = QSize(580, 350),
                  .resizeOrder = ResizeOrder::ScaleFirst},
                 mainMenuControls()) {
  for (const MenuButton& b : kMenuButtons) bindSwitchButton(b.name, b.target);
  connect(control<QAbstractButton>("CmdExit"), &QAbstractButton::clicked, this,
          [this] { this->registry().exitApplication(); });
}

void MainMenuWindow::onLoad() {
  for (const MenuButton& b : kMenuButtons)
    if (b.tipSet == TipSet::AtLoad) control(b.name)->setToolTip(QString::fromUtf8(b.tooltip));
}

void MainMenuWindow::onUnload() { registry().exitApplication(); }

AboutWindow::AboutWindow(WindowRegistry& registry)
    : FormWindow(registry,
                 {.key = kAboutWindow,
                  .caption = "About Calvexa 2004",
                  .designSize = QSize(416, 214),
                  .statusBar = StatusBar::None,
                  .resizeOrder = ResizeOrder::ScaleFirst},
                 aboutControls()) {
  connect(control<QAbstractButton>("cmdOK"), &QAbstractButton::clicked, this,
          [this] { this->registry().unload(key()); });
  connect(control<QAbstractButton>("cmdSysInfo"), &QAbstractButton::clicked, this, &AboutWindow::StartSysInfo);
}

void AboutWindow::onLoad() {
  setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(kApplicationTitle));
  control<QLabel>("lblVersion")->setText(QString::fromStdString(versionText()));
  control<QLabel>("Lbltitle")->setText(QString::fromUtf8(kApplicationTitle));
}

// OK has the focus, so Enter is OK; Escape closes the box.
void AboutWindow::showEvent(QShowEvent* event) {
  FormWindow::showEvent(event);
  control("cmdOK")->setFocus(Qt::OtherFocusReason);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    registry().unload(key());
    return;
  }
  FormWindow::keyPressEvent(event);
}

void AboutWindow::StartSysInfo() {
  Seam& seam = registry().seam();
  for (const char* tool : kSystemInfoTools) {
    const QString program = seam.findProgram(QString::fromUtf8(tool));
    if (program.isEmpty()) continue;
    if (!seam.startDetached(program, {})) break;
    return;
  }
  seam.showMessage(this, Message{kSysInfoUnavailable});
}

}  // namespace calvexa
