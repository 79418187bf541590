#include "app/shell_windows.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include "core/identity.h"
#include "ui/registry.h"
#include "ui/controls.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

using K = ControlKind;

// ---- Splash ------------------------------------------------------------

const char* const kWarning =
    " Warning:  This program uses averaged information.  Specific circumstances may change the factors used "
    "with calculations in this program.";

const std::vector<ControlSpec> kSplashControls = {
    {K::Frame, "Frame1", "", QRect(10, 6, 460, 268)},
    {K::Picture, "imgLogo", "", QRect(20, 24, 96, 96), nullptr, "Frame1", 0, ":/pictures/calvexa.svg"},
    {K::Label, "Lbltitle", "Calvexa", QRect(140, 24, 300, 40), nullptr, "Frame1", 24},
    {K::Label, "lblproductname", "", QRect(140, 70, 300, 24), nullptr, "Frame1", 9},
    {K::Label, "lblVersion", "Version: ", QRect(140, 98, 300, 20), nullptr, "Frame1", 9},
    {K::Label, "lblCompany", "Made for field and oilfield engineers", QRect(20, 134, 420, 20), nullptr, "Frame1", 9},
    {K::Label, "lblCopyright", "First released in 2004", QRect(20, 156, 420, 20), nullptr, "Frame1", 9},
    {K::Label, "lblWarning", kWarning, QRect(20, 184, 420, 70), nullptr, "Frame1", 9},
};

// ---- Main menu ---------------------------------------------------------

struct MenuButton {
  const char* name;
  const char* picture;
  const char* tooltip;
  bool designTooltip;  // set in the table; the others are assigned by the load handler
  WindowId target;
};

const std::vector<MenuButton> kMenuButtons = {
    {"CmdOpenConversions", ":/pictures/conversion.svg", "Press for Conversion section", false, WindowId::Conversion},
    {"CmdTankSelection", ":/pictures/tank.svg", "Press to choose select tank calculation", false,
     WindowId::TankSelection},
    {"CmdAnnularVolume", ":/pictures/annulus.svg", "Press to calculate Annular volumes", false, WindowId::AnnVolume},
    {"CmdPipelineVolume", ":/pictures/pipeline.svg", "Press for Pipeline Volume section", false,
     WindowId::PipelineVolume},
    {"CmdCoatingPic", ":/pictures/coating.svg", "Press for Coating Calculation", true, WindowId::Coating},
    {"CmdFuelUse", ":/pictures/fuel.svg", "Press to calculate automotive fuel use", false, WindowId::FuelUse},
    {"BtnCalculator", ":/pictures/calculator.svg", "Press for Scientific Calculator", true, WindowId::SciCalc},
};

std::vector<ControlSpec> mainMenuControls() {
  std::vector<ControlSpec> controls = {
      {K::Label, "Label1",
       "Welcome to the Calvexa program. It is meant for those who need to convert units and calculate volumes "
       "in the field.",
       QRect(20, 10, 540, 44), nullptr, nullptr, kDesignFontSize},
      {K::Picture, "Image1", "", QRect(20, 70, 64, 110), nullptr, nullptr, 0, ":/pictures/derrick.svg"},
      {K::Picture, "Image2", "", QRect(496, 70, 64, 110), nullptr, nullptr, 0, ":/pictures/flask.svg"},
  };
  // Four pictures on the first row, three on the second.
  for (std::size_t i = 0; i < kMenuButtons.size(); ++i) {
    const MenuButton& b = kMenuButtons[i];
    const int row = i < 4 ? 0 : 1;
    const int column = i < 4 ? static_cast<int>(i) : static_cast<int>(i) - 4;
    const int left = row == 0 ? 100 + column * 100 : 150 + column * 100;
    controls.push_back({K::PictureButton, b.name, "", QRect(left, 70 + row * 110, 90, 90),
                        b.designTooltip ? b.tooltip : nullptr, nullptr, 0, b.picture});
  }
  controls.push_back({K::Button, "CmdExit", "E&xit", QRect(240, 300, 100, 30), "Press to Exit program", nullptr, 9});
  return controls;
}

// ---- About box -----------------------------------------------------------

const std::vector<ControlSpec> kAboutControls = {
    {K::Picture, "Image1", "", QRect(16, 16, 64, 64), nullptr, nullptr, 0, ":/pictures/calvexa.svg"},
    {K::Label, "Lbltitle", "Application Title", QRect(96, 14, 300, 30), nullptr, nullptr, 16},
    {K::Label, "lblVersion", "Version 3.5.0.0", QRect(96, 48, 300, 20), nullptr, nullptr, 9},
    {K::Label, "lblDescription", "This program was written for those who want a user friendly Calvexa program. ",
     QRect(96, 74, 300, 44), nullptr, nullptr, 9},
    {K::Line, "Line1", "", QRect(16, 130, 384, 2)},
    {K::Label, "lblDisclaimer",
     "For more information, or to have a custom program written, write to the Calvexa developers at "
     "info@calvexa.example.",
     QRect(16, 140, 270, 60), nullptr, nullptr, 8},
    {K::Button, "cmdOK", "OK", QRect(300, 140, 100, 26), nullptr, nullptr, 9},
    {K::Button, "cmdSysInfo", "&System Info...", QRect(300, 174, 100, 26), nullptr, nullptr, 9},
};

// System-information tools tried in turn; the first one found on the PATH is started.
const char* const kSystemInfoTools[] = {"hardinfo", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager"};

const char* const kSysInfoUnavailable = "System Information Is Unavailable At This Time";

}  // namespace

frmSplash::frmSplash(WindowRegistry& registry)
    : FormWindow(registry, {WindowId::Splash, "frmSplash", "", QSize(480, 280), false}, kSplashControls) {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  if (QWidget* frame = control("Frame1")) frame->installEventFilter(this);
}

void frmSplash::onLoad() {
  control<QLabel>("lblproductname")->setText(QString::fromUtf8(kApplicationTitle));
  control<QLabel>("lblVersion")->setText(QString::fromStdString(versionText()));
}

void frmSplash::keyPressEvent(QKeyEvent*) { registry().unload(WindowId::Splash); }

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched == control("Frame1")) {
    registry().unload(WindowId::Splash);
    return true;
  }
  return FormWindow::eventFilter(watched, event);
}

FrmMainMenu::FrmMainMenu(WindowRegistry& registry)
    : FormWindow(registry, {WindowId::MainMenu, "FrmMainMenu", "Main Menu", QSize(580, 350), true, true},
                 mainMenuControls()) {
  for (const MenuButton& b : kMenuButtons) {
    auto* button = control<QAbstractButton>(b.name);
    button->setEnabled(registry.isAvailable(b.target));
    const WindowId target = b.target;
    connect(button, &QAbstractButton::clicked, this, [this, target] { this->registry().switchTo(this, target); });
  }
  connect(control<QAbstractButton>("CmdExit"), &QAbstractButton::clicked, this,
          [this] { this->registry().exitApplication(); });
}

void FrmMainMenu::onLoad() {
  for (const MenuButton& b : kMenuButtons)
    if (!b.designTooltip) control(b.name)->setToolTip(QString::fromUtf8(b.tooltip));
}

void FrmMainMenu::onUnload() { registry().exitApplication(); }

frmAbout::frmAbout(WindowRegistry& registry)
    : FormWindow(registry, {WindowId::About, "frmAbout", "About Calvexa 2004", QSize(416, 214), false, true},
                 kAboutControls) {
  connect(control<QAbstractButton>("cmdOK"), &QAbstractButton::clicked, this,
          [this] { this->registry().unload(WindowId::About); });
  connect(control<QAbstractButton>("cmdSysInfo"), &QAbstractButton::clicked, this, &frmAbout::StartSysInfo);
}

void frmAbout::onLoad() {
  setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(kApplicationTitle));
  control<QLabel>("lblVersion")->setText(QString::fromStdString(versionText()));
  control<QLabel>("Lbltitle")->setText(QString::fromUtf8(kApplicationTitle));
}

void frmAbout::StartSysInfo() {
  Seam& seam = registry().seam();
  for (const char* tool : kSystemInfoTools) {
    const QString program = seam.findProgram(QString::fromUtf8(tool));
    if (program.isEmpty()) continue;
    if (!seam.startDetached(program, {})) break;
    return;
  }
  seam.showMessage(this, Message{kSysInfoUnavailable, {}, Icon::None});
}

}  // namespace calvexa
