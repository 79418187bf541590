#include "tanks/divisions_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>

#include "tanks/chart_rules.h"
#include "tanks/chart_step_rules.h"
#include "tanks/tank_windows.h"
#include "ui/controls.h"
#include "ui/numeric_key_filter.h"
#include "ui/registry.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

using K = ControlKind;

std::vector<ControlRow> divisionsControls() {
  return {
      {.kind = K::Label,
       .name = "Label1",
       .caption = "How many divisions do you want of the tank?",
       .geometry = QRect(16, 14, 300, 22),
       .captionOf = {"TbTankDivisions"}},
      {.kind = K::NumericBox, .name = "TbTankDivisions", .caption = "30", .geometry = QRect(16, 42, 120, 24)},
      {.kind = K::Label,
       .name = "Label2",
       .caption = "or every",
       .geometry = QRect(148, 45, 60, 22),
       .captionOf = {"TbTankStep", "CboTankStepUnit"}},
      {.kind = K::NumericBox,
       .name = "TbTankStep",
       .geometry = QRect(210, 42, 90, 24),
       .tooltip = "The height between rows, such as 10 Millimeters; leave it empty to use the number of divisions"},
      {.kind = K::PickList,
       .name = "CboTankStepUnit",
       .geometry = QRect(308, 42, 110, 24),
       .tooltip = "Choose the unit of the step here"},
      {.kind = K::Button, .name = "CmdOkButton", .caption = "&OK", .geometry = QRect(16, 82, 100, 28)},
      {.kind = K::Button, .name = "CmdCancelButton", .caption = "&Cancel", .geometry = QRect(128, 82, 100, 28)},
  };
}

// Where the step's unit is remembered between runs.
const char* const kStepUnitSetting = "charts/stepUnit";

}  // namespace

DivisionsWindow::DivisionsWindow(WindowRegistry& registry)
    : FormWindow(registry, {.key = kDivisionsWindow, .caption = "Tank Divisions", .designSize = QSize(432, 124)},
                 divisionsControls()) {
  setWindowFlags(Qt::Dialog);
  // Enter and Escape belong to the dialog: OK and Cancel.
  for (const char* box : {"TbTankDivisions", "TbTankStep"}) control(box)->setProperty(kDialogKeys, true);
  auto* unit = control<QComboBox>("CboTankStepUnit");
  for (const std::string& name : ChartStepUnits()) unit->addItem(QString::fromStdString(name));
  const int remembered = unit->findText(QSettings().value(kStepUnitSetting).toString());
  unit->setCurrentIndex(remembered >= 0 ? remembered : 0);
  connect(unit, &QComboBox::currentTextChanged, this,
          [](const QString& picked) { QSettings().setValue(kStepUnitSetting, picked); });
  connect(control<QAbstractButton>("CmdOkButton"), &QAbstractButton::clicked, this, &DivisionsWindow::ok);
  connect(control<QAbstractButton>("CmdCancelButton"), &QAbstractButton::clicked, this, &DivisionsWindow::cancel);
}

void DivisionsWindow::prepare(double height, const std::string& heightUnit) {
  result_.reset();
  height_ = height;
  heightUnit_ = heightUnit;
  control<QLineEdit>("TbTankDivisions")->setText(accepted_);
  control<QLineEdit>("TbTankStep")->setText(acceptedStep_);
  select("TbTankDivisions");
}

void DivisionsWindow::ok() {
  const QString typedStep = control<QLineEdit>("TbTankStep")->text();
  if (!typedStep.isEmpty()) {
    const std::string unit = control<QComboBox>("CboTankStepUnit")->currentText().toStdString();
    const ChartStep step = readChartStep(typedStep.toStdString(), unit, height_, heightUnit_);
    if (step.kind == ChartStep::Kind::Refused) {
      registry().seam().showMessage(this, step.message);
      select("TbTankStep");
      return;
    }
    result_ = ChartSpacing{.step = step.step, .fraction = chartStepFraction(unit)};
    acceptedStep_ = typedStep;
    hide();
    return;
  }
  const QString typed = control<QLineEdit>("TbTankDivisions")->text();
  const DivisionCount count = readDivisions(typed.toStdString());
  if (count.kind == DivisionCount::Kind::Refused) {
    registry().seam().showMessage(this, count.message);
    select("TbTankDivisions");
    return;
  }
  result_.reset();  // "-97" typed is Cancel
  acceptedStep_.clear();
  if (count.kind == DivisionCount::Kind::Count) {
    result_ = ChartSpacing{.divisions = count.count};
    accepted_ = typed;
  }
  hide();
}

void DivisionsWindow::cancel() {
  result_.reset();
  hide();
}

void DivisionsWindow::select(const char* name) {
  auto* box = control<QLineEdit>(name);
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
}

void DivisionsWindow::showEvent(QShowEvent* event) {
  FormWindow::showEvent(event);
  select("TbTankDivisions");
}

void DivisionsWindow::keyPressEvent(QKeyEvent* event) {
  if (isEnterKey(*event)) {
    ok();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    cancel();
    return;
  }
  FormWindow::keyPressEvent(event);
}

// The close box is Cancel: the dialog is never left without a result.
void DivisionsWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  cancel();
}

}  // namespace calvexa
