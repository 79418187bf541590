#include "tanks/tank_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <ctime>

#include "core/input.h"
#include "tanks/chart_preview.h"
#include "tanks/divisions_window.h"
#include "tanks/tank_picture.h"
#include "tanks/tank_windows.h"
#include "ui/controls.h"
#include "ui/form_builder.h"
#include "ui/registry.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

QWidget* makeTankDrawing(const QString& drawing, QWidget* parent) {
  TankShape shape{};
  if (tankShapeNamed(drawing, shape)) return new TankPicture(shape, parent);
  return new QWidget(parent);
}

TankWindow::TankWindow(WindowRegistry& registry, const PageForm& form, Profiles profiles, Pictures pictures)
    : PageWindow(registry, form, makeTankDrawing, [this](int page, const PageButton&) { PrintTankChart(page); }),
      profiles_(profiles),
      pictures_(pictures) {
  followDimensions(controls());
}

void TankWindow::onControlsCreated(const QList<QPointer<QWidget>>& created) {
  PageWindow::onControlsCreated(created);
  followDimensions(created);
}

void TankWindow::followDimensions(const QList<QPointer<QWidget>>& controls) {
  for (std::size_t p = 0; p < form().pages.size(); ++p) {
    const Page& page = form().pages[p];
    if (!page.picture.name || !findControl(controls, QString::fromUtf8(page.picture.name))) continue;
    const int index = static_cast<int>(p);
    for (const PageRow& row : page.rows) {
      if (auto* box = qobject_cast<QLineEdit*>(findControl(controls, QString::fromUtf8(row.box))))
        connect(box, &QLineEdit::textChanged, this, [this, index] { redrawPicture(index); });
      if (auto* list = qobject_cast<QComboBox*>(findControl(controls, QString::fromUtf8(row.list))))
        connect(list, &QComboBox::currentTextChanged, this, [this, index] { redrawPicture(index); });
    }
    redrawPicture(index);
  }
}

// The picture follows the typed dimensions while they read as numbers in
// known units, and otherwise keeps its last good drawing.
void TankWindow::redrawPicture(int page) {
  const TankPictureInputs* inputs = pictures_(page);
  const Page& tab = form().pages[static_cast<std::size_t>(page)];
  auto* picture = qobject_cast<TankPicture*>(control(QString::fromUtf8(tab.picture.name)));
  if (!inputs || !picture) return;
  std::vector<SizeInput> rows;
  for (const PageRow& row : tab.rows)
    if (row.kind == RowKind::Value) rows.push_back({row.box, row.list});
  if (const std::optional<TankDimensions> dimensions = pictureDimensions(*inputs, rows, pageFields(page)))
    picture->setDimensions(*dimensions);
}

// The texts of the page's own boxes, lists and answer, as far as they are built.
Fields TankWindow::pageFields(int page) const {
  Fields own;
  for (const PageRow& row : form().pages[static_cast<std::size_t>(page)].rows)
    for (const char* name : {row.box, row.list})
      if (const QWidget* found = findControl(controls(), QString::fromUtf8(name)))
        own[name] = controlText(found).toStdString();
  return own;
}

// What a chart is called in the names of its files: its tab, or its window.
std::string TankWindow::chartName(int page) const {
  const Page& tab = form().pages[static_cast<std::size_t>(page)];
  return tab.tab ? tab.tab : form().caption;
}

TabVolumes TankWindow::currentTabVolumes() const {
  const auto* tabs = form().tabs ? qobject_cast<const TabControl*>(control(QString::fromUtf8(form().tabs))) : nullptr;
  const int page = tabs ? tabs->currentIndex() : 0;
  return tabVolumes(profiles_(page), chartName(page), pageFields(page));
}

// Every modal of a chart runs a loop of its own, in which the program may
// close this window (it is unloaded, or a logout closes every window): after
// each one the chart goes on only while the window and the dialog are there.
// The preview is owned by this window while it shows, and freed once.
void TankWindow::PrintTankChart(int page) {
  const QPointer<TankWindow> self(this);
  const TankChartProfile& profile = profiles_(page);
  Seam& seam = registry().seam();
  // The required boxes and the full tank, then the tab shows a full tank.
  const ChartStart start = startChart(profile, pageFields(page));
  if (!start.ok()) {
    apply(start.refused);
    return;
  }
  apply(start.writes);
  // The number of divisions.
  const QPointer<DivisionsWindow> dialog = qobject_cast<DivisionsWindow*>(registry().load(kDivisionsWindow));
  if (!dialog) return;
  dialog->move(geometry().center() - dialog->rect().center());
  dialog->prepare(start.height, start.heightUnit);
  seam.runModal(*dialog);
  if (!self || !dialog) return;
  const std::optional<ChartSpacing> spacing = dialog->result();
  if (!spacing) return;  // Cancel
  if (!spacing->step) lastDivisions_ = spacing->divisions;
  const int rows = chartRowCount(start.height, *spacing) - 1;
  // The rows, with progress and Cancel for a long chart; a window gone
  // while the progress shows cancels it.
  ChartBuild build;
  {
    BusyPointer busy(seam);
    std::unique_ptr<Progress> progress;
    if (rows > kRowsWithProgress) progress = seam.startProgress(this, QStringLiteral("Preparing the chart..."), rows);
    const ChartProgress report =
        progress ? ChartProgress([&progress, &self](int done) { return progress->advance(done) && self; })
                 : ChartProgress();
    build = buildChartRows(profile, start, *spacing, report);
  }
  if (!self || build.cancelled) return;  // the tab stays as the dialog left it
  apply(build.effects);
  if (!self || !build.complete) return;
  // The footers and the preview.
  ChartReport report;
  report.name = chartName(page);
  report.headers = start.headers;
  report.recordset = std::move(build.recordset);
  report.footers = {
      printedOnLine(localNow()),
      spacingLine(report.name, *spacing, start.height, report.recordset.heightDecimals, report.recordset.heightUnit),
      kNominalDimensionsLine};
  const QPointer<ChartPreview> preview = new ChartPreview(std::move(report), ChartSource{profile, start}, seam, this);
  preview->setHelpFile(registry().helpPath());
  seam.runModal(*preview);
  delete preview.data();  // already gone with this window, if it was closed
}

}  // namespace calvexa
