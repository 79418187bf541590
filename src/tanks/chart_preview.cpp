#include "tanks/chart_preview.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/feet_inches.h"
#include "core/input.h"
#include "core/number_text.h"
#include "tanks/chart_tools_rules.h"
#include "ui/page_view.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

// Where the choice of heights in feet and inches is remembered.
const char* const kFeetInchesSetting = "charts/feetInches";

constexpr QSize kDesignSize(840, 920);
constexpr QSize kFrameRoom(16, 48);  // the window manager's frame and title bar

// The icon theme's icon, else our own drawing of it.
QIcon toolIcon(const char* name) {
  const QString icon = QString::fromLatin1(name);
  return QIcon::fromTheme(icon, QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
}

// "First page (Ctrl+Home, Alt+F)": the tip and every key that presses the tool.
QString tipWithKeys(const char* tip, const QList<QKeySequence>& keys) {
  QStringList names;
  for (const QKeySequence& key : keys) names << key.toString(QKeySequence::NativeText);
  const QString plain = QString::fromUtf8(tip);
  return names.isEmpty() ? plain : QStringLiteral("%1 (%2)").arg(plain, names.join(QStringLiteral(", ")));
}

}  // namespace

// The bar from left to right: paging with the page box, zoom, files and
// printing, help and close. Every mnemonic is the preview's only use of its
// letter, the lookup bar's included (H, V and L there).
const std::vector<ChartPreview::Tool>& ChartPreview::tools() {
  static const std::vector<Tool> table = {
      {.name = "PreviewFirst",
       .caption = "&First Page",
       .tip = "First page",
       .icon = "go-first",
       .keys = "Ctrl+Home",
       .run = [](ChartPreview& p) { p.preview_->setCurrentPage(1); }},
      {.name = "PreviewPrevious",
       .caption = "P&revious Page",
       .tip = "Previous page",
       .icon = "go-previous",
       .keys = "Ctrl+PgUp",
       .run = [](ChartPreview& p) { p.preview_->setCurrentPage(p.preview_->currentPage() - 1); }},
      {.kind = ToolKind::PageBox},
      {.name = "PreviewNext",
       .caption = "&Next Page",
       .tip = "Next page",
       .icon = "go-next",
       .keys = "Ctrl+PgDown",
       .run = [](ChartPreview& p) { p.preview_->setCurrentPage(p.preview_->currentPage() + 1); }},
      {.name = "PreviewLast",
       .caption = "Las&t Page",
       .tip = "Last page: the fill curve",
       .icon = "go-last",
       .keys = "Ctrl+End",
       .run = [](ChartPreview& p) { p.preview_->setCurrentPage(p.preview_->pageCount()); }},
      {.kind = ToolKind::Separator},
      {.name = "PreviewZoomIn",
       .caption = "Zoom &In",
       .tip = "Zoom in",
       .icon = "zoom-in",
       .standardKey = QKeySequence::ZoomIn,
       .run = [](ChartPreview& p) { p.preview_->zoomIn(); }},
      {.name = "PreviewZoomOut",
       .caption = "Zoom &Out",
       .tip = "Zoom out",
       .icon = "zoom-out",
       .standardKey = QKeySequence::ZoomOut,
       .run = [](ChartPreview& p) { p.preview_->zoomOut(); }},
      {.name = "PreviewFitWidth",
       .caption = "Fit &Width",
       .tip = "The page's width in the window",
       .icon = "zoom-fit-width",
       .run = [](ChartPreview& p) { p.preview_->fitToWidth(); }},
      {.name = "PreviewFitPage",
       .caption = "Whole P&age",
       .tip = "The whole page in the window",
       .icon = "zoom-fit-best",
       .run = [](ChartPreview& p) { p.preview_->fitInView(); }},
      {.kind = ToolKind::Separator},
      {.name = "CmdOpenTable",
       .caption = "Open Capacity Ta&ble...",
       .tip = "Open a tank's calibrated capacity table (CSV) in this preview",
       .icon = "document-open",
       .look = Look::IconAndText,
       .run = [](ChartPreview& p) { p.openTable(); }},
      {.name = "PreviewExportCsv",
       .caption = "Export C&SV...",
       .tip = "Save the chart's rows as a CSV file for a spreadsheet",
       .icon = "x-office-spreadsheet",
       .look = Look::IconAndText,
       .run = [](ChartPreview& p) { p.exportCsv(); }},
      {.name = "PreviewExportPdf",
       .caption = "Export P&DF...",
       .tip = "Save the chart's pages as a PDF file",
       .icon = "application-pdf",
       .look = Look::IconAndText,
       .run = [](ChartPreview& p) { p.exportPdf(); }},
      {.name = "PreviewPrint",
       .caption = "&Print...",
       .tip = "Print the chart",
       .icon = "document-print",
       .standardKey = QKeySequence::Print,
       .look = Look::IconAndText,
       .run = [](ChartPreview& p) { p.printReport(); }},
      {.kind = ToolKind::Separator},
      {.name = "PreviewHelp",
       .caption = "H&elp",
       .tip = "Help on the chart preview and its tools",
       .icon = "help-contents",
       .standardKey = QKeySequence::HelpContents,
       .run = [](ChartPreview& p) { p.openHelp(); }},
      {.name = "PreviewClose",
       .caption = "&Close",
       .tip = "Close the preview",
       .icon = "window-close",
       .keys = "Esc",
       .look = Look::IconAndText,
       .run = [](ChartPreview& p) { p.accept(); }},
  };
  return table;
}

ChartPreview::ChartPreview(ChartReport report, ChartSource source, Seam& seam, QWidget* owner)
    : QDialog(owner),
      report_(std::move(report)),
      source_(std::move(source)),
      seam_(seam),
      printer_(Printer::Resolution::High),
      painter_(report_),
      preview_(new PageView(this)) {
  setObjectName(QStringLiteral("DataReportChart"));
  setWindowTitle(QStringLiteral("Chart Results"));
  setModal(true);
  printer_.device().setPageOrientation(QPageLayout::Portrait);
  printer_.setDocName(QStringLiteral("Chart Results"));
  painter_.setCurve(fillCurve(source.profile, source.start));
  preview_->setObjectName(QStringLiteral("ChartPreview"));
  connect(preview_, &PageView::pageChanged, this, &ChartPreview::showPageNumber);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildToolBar());
  layout->addLayout(buildLookupBar());
  layout->addWidget(preview_, 1);
  // Ctrl+G goes to the page box, as in a document viewer.
  auto* goToPage = new QAction(this);
  goToPage->setObjectName(QStringLiteral("PreviewGoToPage"));
  goToPage->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
  connect(goToPage, &QAction::triggered, this, [this] {
    pageBox_->setFocus(Qt::ShortcutFocusReason);
    pageBox_->selectAll();
  });
  addAction(goToPage);
  fitScreen();
  showHeightsAsChosen();
  preview_->setFocus(Qt::OtherFocusReason);  // the keys page from the start
}

QToolBar* ChartPreview::buildToolBar() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("PreviewTools"));
  bar->setFloatable(false);
  bar->setMovable(false);
  for (const Tool& tool : tools()) {
    if (tool.kind == ToolKind::Separator) {
      bar->addSeparator();
      continue;
    }
    if (tool.kind == ToolKind::PageBox) {
      bar->addWidget(buildPageBox());
      continue;
    }
    auto* action = new QAction(toolIcon(tool.icon), QString::fromUtf8(tool.caption), this);
    action->setObjectName(QString::fromLatin1(tool.name));
    QList<QKeySequence> keys = QKeySequence::keyBindings(tool.standardKey);
    keys << QKeySequence::listFromString(QString::fromLatin1(tool.keys)) << QKeySequence::mnemonic(action->text());
    keys.removeAll(QKeySequence());
    action->setShortcuts(keys);
    action->setToolTip(tipWithKeys(tool.tip, keys));
    connect(action, &QAction::triggered, this, [this, run = tool.run] { run(*this); });
    bar->addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
      button->setObjectName(action->objectName());
      button->setToolButtonStyle(tool.look == Look::IconAndText ? Qt::ToolButtonTextBesideIcon
                                                                : Qt::ToolButtonIconOnly);
    }
  }
  return bar;
}

// "Page [760] of 1,517": the box as wide as the largest page number it is
// likely to show, so the bar keeps its width while the pages turn.
QWidget* ChartPreview::buildPageBox() {
  auto* box = new QWidget(this);
  box->setObjectName(QStringLiteral("PreviewPage"));
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(4, 0, 4, 0);
  row->setSpacing(4);
  box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  auto* label = new QLabel(QStringLiteral("Pa&ge"), box);
  pageBox_ = new QLineEdit(box);
  pageBox_->setObjectName(QStringLiteral("PreviewPageBox"));
  pageBox_->setAlignment(Qt::AlignRight);
  pageBox_->setToolTip(QStringLiteral("Type a page and press Enter (Ctrl+G, Alt+G)"));
  pageBox_->setAccessibleName(QStringLiteral("Page"));
  pageBox_->setFixedWidth(pageBox_->fontMetrics().horizontalAdvance(QStringLiteral("88,888")) + 12);
  label->setBuddy(pageBox_);
  pageCount_ = new QLabel(box);
  pageCount_->setObjectName(QStringLiteral("PreviewPageCount"));
  row->addWidget(label);
  row->addWidget(pageBox_);
  row->addWidget(pageCount_);
  connect(pageBox_, &QLineEdit::returnPressed, this, &ChartPreview::goToTypedPage);
  connect(pageBox_, &QLineEdit::editingFinished, this, &ChartPreview::showPageNumber);
  return box;
}

// A height in the chart's height unit, a volume in its volume unit.
QLayout* ChartPreview::buildLookupBar() {
  lookupHeight_ = new QLineEdit(this);
  lookupVolume_ = new QLineEdit(this);
  heightLabel_ = new QLabel(this);
  volumeLabel_ = new QLabel(this);
  lookupNote_ = new QLabel(this);
  lookupUnit_ = new QComboBox(this);
  feetInches_ = new QCheckBox(this);
  heightLabel_->setBuddy(lookupHeight_);
  volumeLabel_->setBuddy(lookupVolume_);
  lookupHeight_->setObjectName(QStringLiteral("TbLookupHeight"));
  lookupVolume_->setObjectName(QStringLiteral("TbLookupVolume"));
  lookupNote_->setObjectName(QStringLiteral("LblLookupNote"));
  lookupUnit_->setObjectName(QStringLiteral("CboLookupVolumeUnit"));
  lookupUnit_->setToolTip(QStringLiteral("The unit of the look-up's volume"));
  showLookupUnits();
  auto* lookup = new QPushButton(QStringLiteral("&Look Up"), this);
  lookup->setObjectName(QStringLiteral("CmdLookup"));
  lookup->setAutoDefault(false);
  lookup->setToolTip(
      QStringLiteral("The volume at the height typed, or the height at the volume typed (Enter, Alt+L)"));
  connect(lookupHeight_, &QLineEdit::textEdited, this, [this] { typedLast_ = lookupHeight_; });
  connect(lookupVolume_, &QLineEdit::textEdited, this, [this] { typedLast_ = lookupVolume_; });
  connect(lookupHeight_, &QLineEdit::returnPressed, this, &ChartPreview::lookUp);
  connect(lookupVolume_, &QLineEdit::returnPressed, this, &ChartPreview::lookUp);
  connect(lookup, &QPushButton::clicked, this, &ChartPreview::lookUp);
  // Heights in feet and inches, for a chart in Feet or Inches; the choice
  // is remembered between runs.
  feetInches_->setObjectName(QStringLiteral("ChkFeetInches"));
  feetInches_->setText(QStringLiteral("Heights as ft-in-\u215B"));
  feetInches_->setToolTip(QStringLiteral("Print, export and look up heights as feet, inches and eighths: 12' 3 5/8\""));
  feetInches_->setChecked(QSettings().value(kFeetInchesSetting).toBool());
  connect(feetInches_, &QCheckBox::toggled, this, [this](bool on) {
    QSettings().setValue(kFeetInchesSetting, on);
    showHeightsAsChosen();
  });
  // Two rows, so that a narrow window keeps them whole: the look-up, then
  // its volume unit, its note and the choice of heights in feet and inches.
  auto* bar = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{heightLabel_, lookupHeight_, volumeLabel_, lookupVolume_, lookup})
    bar->addWidget(w);
  bar->addStretch(1);
  auto* second = new QHBoxLayout;
  second->addWidget(new QLabel(QStringLiteral("Volumes in:"), this));
  second->addWidget(lookupUnit_);
  second->addWidget(lookupNote_);
  second->addWidget(feetInches_);
  second->addStretch(1);
  auto* rows = new QVBoxLayout;
  rows->addLayout(bar);
  rows->addLayout(second);
  return rows;
}

// The window's size as designed, within the screen's free area: at a large
// scale the preview still opens whole, its tools in the bar's overflow menu.
void ChartPreview::fitScreen() {
  const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (!screen) return resize(kDesignSize);
  resize(kDesignSize.boundedTo(screen->availableGeometry().size() - kFrameRoom));
}

// A dialog of the preview still open (the print dialog, a message) goes
// first: it may refer to the printer, which goes with the preview.
// The look-up boxes in the units of the report shown.
void ChartPreview::showLookupUnits() {
  heightLabel_->setText(QStringLiteral("Liquid &height (%1):").arg(text(report_.recordset.heightUnit)));
  volumeLabel_->setText(QStringLiteral("&Volume:"));
  lookupUnit_->clear();
  for (const std::string& unit : lookupVolumeUnits(report_.recordset.volumeUnit)) lookupUnit_->addItem(text(unit));
  lookupHeight_->setAccessibleName(heightLabel_->text());
  lookupVolume_->setAccessibleName(volumeLabel_->text());
}

// The check box is offered for heights in Feet or Inches only; the report
// shows its heights as it says.
void ChartPreview::showHeightsAsChosen() {
  const bool offered = canShowFeetInches(report_.recordset.heightUnit);
  feetInches_->setVisible(offered);
  report_.feetInches = offered && feetInches_->isChecked();
  showReport();
}

ChartPreview::~ChartPreview() { qDeleteAll(findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly)); }

int ChartPreview::pageCount() const { return preview_->pageCount(); }

void ChartPreview::openHelp() { seam_.openHelp(this, helpFile_, QString::fromLatin1(kHelpSection)); }

// Only the page shown is painted, when it is shown.
void ChartPreview::showReport() {
  painter_.layout(printer_.device());
  const QPageLayout page = printer_.device().pageLayout();
  const int resolution = static_cast<int>(painter_.dpi());
  preview_->setDocument({.pages = painter_.pageCount(),
                         .paper = QRectF(page.fullRectPixels(resolution)),
                         .paintArea = QRectF(page.paintRectPixels(resolution)),
                         .dpi = painter_.dpi(),
                         .paint = [this](QPainter& painter, int index) { painter_.paintPage(painter, index); }});
}

void ChartPreview::showPageNumber() {
  pageBox_->setText(text(groupedWhole(preview_->currentPage())));
  pageCount_->setText(QStringLiteral("of %1").arg(text(groupedWhole(preview_->pageCount()))));
}

// A page typed is shown and the keys go back to the page; text that is
// not a page number gives way to the page shown.
void ChartPreview::goToTypedPage() {
  const std::optional<int> page = typedPage(pageBox_->text().toStdString(), preview_->pageCount());
  if (page) preview_->setCurrentPage(*page);
  showPageNumber();
  if (page) preview_->setFocus(Qt::OtherFocusReason);
}
// Printing to a file (the print dialog's choice) saves it whole or not at
// all, as an export does; a printer that cannot be painted on is named.
// Either shows progress with Cancel; a cancelled print writes nothing.
void ChartPreview::printReport() {
  const QPointer<ChartPreview> self(this);  // the print dialog's loop may close the preview
  if (!seam_.askPrinter(this, printer_, text(chartFileName(report_.name, "pdf"))) || !self) return;
  showReport();  // on the paper and margins chosen for printing, and counting its pages
  const QString file = printer_.outputFileName();
  if (!file.isEmpty()) {
    bool cancelled = false;
    const QByteArray document = pdf(cancelled);
    if (!self) return;
    const QString reason = cancelled            ? QString()
                           : document.isEmpty() ? QStringLiteral("the chart could not be drawn")
                                                : seam_.saveFile(file, document);
    if (!reason.isEmpty()) failed("The chart could not be printed to ", file, reason);
  } else {
    const std::unique_ptr<Progress> progress = startProgress(QStringLiteral("Printing the chart..."));
    const auto printed = painter_.print(printer_.device(), [&](int pages) { return progress->advance(pages) && self; });
    if (!self) return;
    if (printed == ChartReportPainter::Printed::Failed)
      seam_.showMessage(
          this, Message{"The chart could not be sent to the printer " + printer_.printerName().toStdString() + ".", "",
                        Icon::Exclamation});
  }
}

QString ChartPreview::askFile(const char* extension, const QString& filter) {
  return seam_.askSaveFileName(this, QStringLiteral("Save the Chart"), text(chartFileName(report_.name, extension)),
                               filter);
}

// One message naming the file and the system's reason.
bool ChartPreview::failed(const std::string& what, const QString& file, const QString& reason) {
  seam_.showMessage(this,
                    Message{what + file.toStdString() + ": " + reason.toStdString() + ".", "", Icon::Exclamation});
  return false;
}

// The seam saves the file whole or not at all: a failed save leaves any old
// file as it was and says why.
bool ChartPreview::save(const char* extension, const QString& filter,
                        const std::function<QByteArray(bool& cancelled)>& contents) {
  const QPointer<ChartPreview> self(this);  // the save dialog's loop may close the preview
  const QString file = askFile(extension, filter);
  if (!self || file.isEmpty()) return false;
  bool cancelled = false;
  const QByteArray document = contents(cancelled);
  if (cancelled || !self) return false;  // nothing written, any old file kept
  const QString reason =
      document.isEmpty() ? QStringLiteral("the chart could not be drawn") : seam_.saveFile(file, document);
  if (!reason.isEmpty()) return failed("The chart could not be saved as ", file, reason);
  return true;
}

// Progress shows once the work takes a while, over the preview.
std::unique_ptr<Progress> ChartPreview::startProgress(const QString& label) {
  return seam_.startProgress(this, label, painter_.pageCount());
}

QByteArray ChartPreview::pdf(bool& cancelled) {
  const QPointer<ChartPreview> self(this);  // the progress dialog's events may close the preview
  const std::unique_ptr<Progress> progress = startProgress(QStringLiteral("Writing the chart..."));
  return painter_.pdf(
      printer_.device().pageLayout(), printer_.resolution(),
      [&](int pages) { return progress->advance(pages) && self; }, &cancelled);
}

bool ChartPreview::exportCsv() {
  return save("csv", QStringLiteral("CSV files (*.csv)"), [this](bool&) {
    if (!table_) return QByteArray::fromStdString(chartCapacityCsv(report_));
    std::vector<double> volumes;
    volumes.reserve(table_->rows().size());
    for (const CapacityRow& row : table_->rows()) volumes.push_back(row.volume);
    return QByteArray::fromStdString(capacityTableCsv(*table_, reportCsvOptions(report_, decimalsNeeded(volumes))));
  });
}

bool ChartPreview::openTable() {
  const QPointer<ChartPreview> self(this);  // the open dialog's loop may close the preview
  const QString file = seam_.askOpenFileName(this, QStringLiteral("Open a Capacity Table"),
                                             QStringLiteral("Capacity tables (*.csv);;All files (*)"));
  if (!self || file.isEmpty()) return false;
  const auto refuse = [this, &file](const std::string& why) {
    seam_.showMessage(this, Message{"The capacity table " + file.toStdString() + " could not be opened: " + why, "",
                                    Icon::Exclamation});
    return false;
  };
  QByteArray bytes;
  const QString reason = seam_.readFile(file, static_cast<qint64>(kMostCapacityTableBytes), bytes);
  if (!reason.isEmpty()) return refuse(reason.toStdString() + ".");
  if (bytes.size() > static_cast<qint64>(kMostCapacityTableBytes)) return refuse("the file is larger than 64 MiB.");
  CapacityTableReading reading = readCapacityTable(std::string_view(bytes.constData(), bytes.size()));
  if (!reading.table) return refuse(reading.fault);
  table_ = std::move(reading.table);
  report_ = capacityTableReport(*table_, report_.footers);
  lookupHeight_->clear();
  lookupVolume_->clear();
  lookupNote_->clear();
  typedLast_ = nullptr;
  showLookupUnits();
  showHeightsAsChosen();
  preview_->setCurrentPage(1);
  return true;
}

bool ChartPreview::exportPdf() {
  return save("pdf", QStringLiteral("PDF files (*.pdf)"), [this](bool& cancelled) { return pdf(cancelled); });
}

void ChartPreview::lookUp() {
  QLineEdit* from = typedLast_;
  if (!from) from = lookupVolume_->text().isEmpty() ? lookupHeight_ : lookupVolume_;
  const bool byHeight = from == lookupHeight_;
  QLineEdit* other = byHeight ? lookupVolume_ : lookupHeight_;
  // A height in feet and inches when the report shows them; a volume in
  // the unit picked for the look-up.
  const std::optional<FeetOrInches> feetOrInchesUnit = feetOrInches(report_.recordset.heightUnit);
  const std::optional<double> typed = byHeight && report_.feetInches && feetOrInchesUnit
                                          ? parseFeetInches(from->text().toStdString(), *feetOrInchesUnit)
                                          : lookupNumber(from->text().toStdString());
  const std::string chartUnit = report_.recordset.volumeUnit, pickedUnit = lookupUnit_->currentText().toStdString();
  const std::optional<double> asked = typed && !byHeight ? convertVolume(*typed, pickedUnit, chartUnit) : typed;
  const Lookup found = !asked
                           ? Lookup{.message = Message{notANumberText(byHeight ? "the liquid height" : "the volume")}}
                       : table_   ? (byHeight ? lookupTableVolume(*table_, *asked) : lookupTableHeight(*table_, *asked))
                       : byHeight ? lookupVolume(source_.profile, source_.start, *asked)
                                  : lookupHeight(source_.profile, source_.start, *asked);
  lookupNote_->setText(text(found.note));
  if (!found.found) {
    // No answer beside a question it does not belong to.
    other->clear();
    preview_->clearMark();
    seam_.showMessage(this, found.message);
    return;
  }
  // Answers as the chart prints them: heights with its decimals, volumes with three.
  other->setText(text(byHeight ? rowVolumeText(convertVolume(found.value, chartUnit, pickedUnit).value_or(found.value))
                               : reportHeightText(report_, found.value)));
  markRowAt(byHeight ? *asked : found.value);
}

// The chart's row nearest the height, on its page, marked.
void ChartPreview::markRowAt(double height) {
  const std::optional<std::size_t> row = nearestRow(report_.recordset.rows, height);
  if (!row) return;
  const ChartReportPainter::RowPlace place = painter_.rowPlace(*row);
  preview_->showMark(place.page + 1, place.band);
}

}  // namespace calvexa
