#include "tanks/divisions_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "tanks/chart_rules.h"
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
      {.kind = K::Button, .name = "CmdOkButton", .caption = "&OK", .geometry = QRect(16, 82, 100, 28)},
      {.kind = K::Button, .name = "CmdCancelButton", .caption = "&Cancel", .geometry = QRect(128, 82, 100, 28)},
  };
}

}  // namespace

DivisionsWindow::DivisionsWindow(WindowRegistry& registry)
    : FormWindow(registry, {.key = kDivisionsWindow, .caption = "Tank Divisions", .designSize = QSize(332, 124)},
                 divisionsControls()) {
  setWindowFlags(Qt::Dialog);
  // Enter and Escape belong to the dialog: OK and Cancel.
  control("TbTankDivisions")->setProperty(kDialogKeys, true);
  connect(control<QAbstractButton>("CmdOkButton"), &QAbstractButton::clicked, this, &DivisionsWindow::ok);
  connect(control<QAbstractButton>("CmdCancelButton"), &QAbstractButton::clicked, this, &DivisionsWindow::cancel);
}

void DivisionsWindow::prepare() {
  result_.reset();
  control<QLineEdit>("TbTankDivisions")->setText(accepted_);
  selectCount();
}

void DivisionsWindow::ok() {
  const QString typed = control<QLineEdit>("TbTankDivisions")->text();
  const DivisionCount count = readDivisions(typed.toStdString());
  if (count.kind == DivisionCount::Kind::Refused) {
    registry().seam().showMessage(this, count.message);
    selectCount();
    return;
  }
  result_.reset();  // "-97" typed is Cancel
  if (count.kind == DivisionCount::Kind::Count) {
    result_ = count.count;
    accepted_ = typed;
  }
  hide();
}

void DivisionsWindow::cancel() {
  result_.reset();
  hide();
}

void DivisionsWindow::selectCount() {
  auto* box = control<QLineEdit>("TbTankDivisions");
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
}

void DivisionsWindow::showEvent(QShowEvent* event) {
  FormWindow::showEvent(event);
  selectCount();
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
