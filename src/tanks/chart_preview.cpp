#include "tanks/chart_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/feet_inches.h"
#include "core/input.h"
#include "core/number_text.h"
#include "tanks/chart_tools_rules.h"
#include "ui/controls.h"
#include "ui/page_view.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

QToolButton* tool(const char* name, const QString& caption, const QString& tip, QWidget* parent) {
  return toolButton(QString::fromLatin1(name), caption, tip, parent);
}

QString text(const std::string& s) { return QString::fromStdString(s); }

// Where the choice of heights in feet and inches is remembered.
const char* const kFeetInchesSetting = "charts/feetInches";

}  // namespace

ChartPreview::ChartPreview(ChartReport report, ChartSource source, Seam& seam, QWidget* owner)
    : QDialog(owner),
      report_(std::move(report)),
      source_(std::move(source)),
      seam_(seam),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      painter_(report_),
      preview_(nullptr),
      pageLabel_(new QLabel(this)),
      lookupHeight_(new QLineEdit(this)),
      lookupVolume_(new QLineEdit(this)),
      feetInches_(new QCheckBox(this)),
      heightLabel_(new QLabel(this)),
      volumeLabel_(new QLabel(this)),
      lookupNote_(new QLabel(this)),
      lookupUnit_(new QComboBox(this)) {
  setObjectName(QStringLiteral("DataReportChart"));
  setWindowTitle(QStringLiteral("Chart Results"));
  setModal(true);
  printer_->setPageOrientation(QPageLayout::Portrait);
  printer_->setDocName(QStringLiteral("Chart Results"));
  preview_ = new PageView(this);
  preview_->setObjectName(QStringLiteral("ChartPreview"));
  connect(preview_, &PageView::pageChanged, this, &ChartPreview::showPageNumber);

  auto* first = tool("PreviewFirst", QStringLiteral("|<"), QStringLiteral("First page"), this);
  auto* previous = tool("PreviewPrevious", QStringLiteral("<"), QStringLiteral("Previous page"), this);
  auto* next = tool("PreviewNext", QStringLiteral(">"), QStringLiteral("Next page"), this);
  auto* last = tool("PreviewLast", QStringLiteral(">|"), QStringLiteral("Last page: the fill curve"), this);
  auto* zoomIn = tool("PreviewZoomIn", QStringLiteral("Zoom &In"), QStringLiteral("Zoom in (Ctrl++)"), this);
  auto* zoomOut = tool("PreviewZoomOut", QStringLiteral("Zoom &Out"), QStringLiteral("Zoom out (Ctrl+-)"), this);
  auto* fitWidth = tool("PreviewFitWidth", QStringLiteral("Fit &Width"), QStringLiteral("Page width"), this);
  auto* fitPage = tool("PreviewFitPage", QStringLiteral("&Whole Page"), QStringLiteral("Whole page"), this);
  auto* csv = tool("PreviewExportCsv", QStringLiteral("Export C&SV..."),
                   QStringLiteral("Save the chart's rows as a CSV file for a spreadsheet"), this);
  auto* pdf = tool("PreviewExportPdf", QStringLiteral("Export P&DF..."),
                   QStringLiteral("Save the chart's pages as a PDF file"), this);
  auto* open = tool("CmdOpenTable", QStringLiteral("Open Capacity &Table..."),
                    QStringLiteral("Open a tank's calibrated capacity table (CSV) in this preview"), this);
  auto* print = tool("PreviewPrint", QStringLiteral("&Print..."), QStringLiteral("Print the chart (Ctrl+P)"), this);
  auto* close = tool("PreviewClose", QStringLiteral("&Close"), QStringLiteral("Close the preview (Escape)"), this);
  zoomIn->setShortcut(QKeySequence::ZoomIn);
  zoomOut->setShortcut(QKeySequence::ZoomOut);
  print->setShortcut(QKeySequence::Print);
  pageLabel_->setObjectName(QStringLiteral("PreviewPage"));
  connect(first, &QToolButton::clicked, this, [this] { preview_->setCurrentPage(1); });
  connect(previous, &QToolButton::clicked, this, [this] { preview_->setCurrentPage(preview_->currentPage() - 1); });
  connect(next, &QToolButton::clicked, this, [this] { preview_->setCurrentPage(preview_->currentPage() + 1); });
  connect(last, &QToolButton::clicked, this, [this] { preview_->setCurrentPage(preview_->pageCount()); });
  connect(zoomIn, &QToolButton::clicked, preview_, &PageView::zoomIn);
  connect(zoomOut, &QToolButton::clicked, preview_, &PageView::zoomOut);
  connect(fitWidth, &QToolButton::clicked, preview_, &PageView::fitToWidth);
  connect(fitPage, &QToolButton::clicked, preview_, &PageView::fitInView);
  connect(open, &QToolButton::clicked, this, &ChartPreview::openTable);
  connect(csv, &QToolButton::clicked, this, &ChartPreview::exportCsv);
  connect(pdf, &QToolButton::clicked, this, &ChartPreview::exportPdf);
  connect(print, &QToolButton::clicked, this, &ChartPreview::printReport);
  connect(close, &QToolButton::clicked, this, &QDialog::accept);

  // The lookup bar: a height in the chart's height unit, a volume in its volume unit.
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
  lookup->setToolTip(QStringLiteral("The volume at the height typed, or the height at the volume typed"));
  connect(lookupHeight_, &QLineEdit::textEdited, this, [this] { typedLast_ = lookupHeight_; });
  connect(lookupVolume_, &QLineEdit::textEdited, this, [this] { typedLast_ = lookupVolume_; });
  connect(lookupHeight_, &QLineEdit::returnPressed, this, &ChartPreview::lookUp);
  connect(lookupVolume_, &QLineEdit::returnPressed, this, &ChartPreview::lookUp);
  connect(lookup, &QPushButton::clicked, this, &ChartPreview::lookUp);

  auto* bar = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{first, previous, pageLabel_, next, last}) bar->addWidget(w);
  bar->addSpacing(12);
  for (QWidget* w : std::initializer_list<QWidget*>{zoomIn, zoomOut, fitWidth, fitPage}) bar->addWidget(w);
  bar->addStretch(1);
  for (QWidget* w : std::initializer_list<QWidget*>{open, csv, pdf, print, close}) bar->addWidget(w);
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
  auto* lookupBar = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{heightLabel_, lookupHeight_, volumeLabel_, lookupVolume_, lookup,
                                                    lookupNote_, feetInches_})
    lookupBar->addWidget(w);
  lookupBar->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addLayout(lookupBar);
  layout->addWidget(preview_, 1);
  resize(840, 920);
  showHeightsAsChosen();
}

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

// A dialog of the preview still open (the print dialog, a message) goes
// first: it may refer to the printer, which goes with the preview.
ChartPreview::~ChartPreview() { qDeleteAll(findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly)); }

int ChartPreview::pageCount() const { return preview_->pageCount(); }

// Only the page shown is painted, when it is shown.
void ChartPreview::showReport() {
  painter_.layout(*printer_);
  const QPageLayout page = printer_->pageLayout();
  const int resolution = static_cast<int>(painter_.dpi());
  preview_->setDocument({.pages = painter_.pageCount(),
                         .paper = QRectF(page.fullRectPixels(resolution)),
                         .paintArea = QRectF(page.paintRectPixels(resolution)),
                         .dpi = painter_.dpi(),
                         .paint = [this](QPainter& painter, int index) { painter_.paintPage(painter, index); }});
}

void ChartPreview::showPageNumber() {
  pageLabel_->setText(QStringLiteral("Page %1 of %2").arg(preview_->currentPage()).arg(preview_->pageCount()));
}

// Printing to a file (the print dialog's choice) saves it whole or not at
// all, as an export does; a printer that cannot be painted on is named.
void ChartPreview::printReport() {
  const QPointer<ChartPreview> self(this);  // the print dialog's loop may close the preview
  if (!seam_.askPrinter(this, *printer_) || !self) return;
  const QString file = printer_->outputFileName();
  if (!file.isEmpty()) {
    const QByteArray document = pdf();
    const QString reason =
        document.isEmpty() ? QStringLiteral("the chart could not be drawn") : seam_.saveFile(file, document);
    if (!reason.isEmpty()) failed("The chart could not be printed to ", file, reason);
  } else if (!painter_.print(*printer_)) {
    seam_.showMessage(
        this, Message{"The chart could not be sent to the printer " + printer_->printerName().toStdString() + ".", "",
                      Icon::Exclamation});
  }
  if (self) showReport();  // the paper or its margins chosen for printing
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
bool ChartPreview::save(const char* extension, const QString& filter, const std::function<QByteArray()>& contents) {
  const QPointer<ChartPreview> self(this);  // the save dialog's loop may close the preview
  const QString file = askFile(extension, filter);
  if (!self || file.isEmpty()) return false;
  const QByteArray document = contents();
  const QString reason =
      document.isEmpty() ? QStringLiteral("the chart could not be drawn") : seam_.saveFile(file, document);
  if (!reason.isEmpty()) return failed("The chart could not be saved as ", file, reason);
  return true;
}

QByteArray ChartPreview::pdf() const { return painter_.pdf(printer_->pageLayout(), printer_->resolution()); }

bool ChartPreview::exportCsv() {
  return save("csv", QStringLiteral("CSV files (*.csv)"), [this] {
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
  QFile input(file);
  if (!input.open(QIODevice::ReadOnly)) return refuse(input.errorString().toStdString() + ".");
  if (input.size() > static_cast<qint64>(kMostCapacityTableBytes)) return refuse("the file is larger than 64 MiB.");
  const QByteArray bytes = input.read(static_cast<qint64>(kMostCapacityTableBytes) + 1);
  if (input.error() != QFileDevice::NoError) return refuse(input.errorString().toStdString() + ".");
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
  return save("pdf", QStringLiteral("PDF files (*.pdf)"), [this] { return pdf(); });
}

void ChartPreview::lookUp() {
  QLineEdit* from = typedLast_;
  if (!from) from = lookupVolume_->text().isEmpty() ? lookupHeight_ : lookupVolume_;
  const bool byHeight = from == lookupHeight_;
  const std::optional<FeetOrInches> feetOrInchesUnit = feetOrInches(report_.recordset.heightUnit);
  const std::optional<double> typed = byHeight && report_.feetInches && feetOrInchesUnit
                                          ? parseFeetInches(from->text().toStdString(), *feetOrInchesUnit)
                                          : parseNumber(from->text().toStdString());
  if (!typed) {
    seam_.showMessage(this, Message{notANumberText(byHeight ? "the liquid height" : "the volume")});
    return;
  }
  // The volume typed or found in the unit picked for the look-up.
  const std::string chartUnit = report_.recordset.volumeUnit, pickedUnit = lookupUnit_->currentText().toStdString();
  const std::optional<double> asked = byHeight ? typed : convertVolume(*typed, pickedUnit, chartUnit);
  lookupNote_->setText(QString());
  if (!asked) return;
  const Lookup found = table_ ? (byHeight ? lookupTableVolume(*table_, *asked) : lookupTableHeight(*table_, *asked))
                              : (byHeight ? lookupVolume(source_.profile, source_.start, *asked)
                                          : lookupHeight(source_.profile, source_.start, *asked));
  lookupNote_->setText(text(found.note));
  if (!found.found) {
    seam_.showMessage(this, found.message);
    return;
  }
  QLineEdit* other = byHeight ? lookupVolume_ : lookupHeight_;
  // Answers as the chart prints them: heights with its decimals, volumes with three.
  other->setText(text(byHeight ? rowVolumeText(convertVolume(found.value, chartUnit, pickedUnit).value_or(found.value))
                               : reportHeightText(report_, found.value)));
}

}  // namespace calvexa
