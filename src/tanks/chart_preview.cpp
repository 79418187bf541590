#include "tanks/chart_preview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/seam.h"

namespace calvexa {
namespace {

QToolButton* tool(const char* name, const QString& caption, const QString& tip, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setToolTip(tip);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

ChartPreview::ChartPreview(const ChartReport& report, Seam& seam, QWidget* owner)
    : QDialog(owner),
      report_(report),
      seam_(seam),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      painter_(report),
      preview_(nullptr),
      pageLabel_(new QLabel(this)) {
  setObjectName(QStringLiteral("DataReportChart"));
  setWindowTitle(QStringLiteral("Chart Results"));
  setModal(true);
  printer_->setPageOrientation(QPageLayout::Portrait);
  printer_->setDocName(QStringLiteral("Chart Results"));
  preview_ = new QPrintPreviewWidget(printer_.get(), this);
  preview_->setObjectName(QStringLiteral("ChartPreview"));
  connect(preview_, &QPrintPreviewWidget::paintRequested, this, &ChartPreview::paintRequested);
  connect(preview_, &QPrintPreviewWidget::previewChanged, this, &ChartPreview::showPageNumber);

  auto* first = tool("PreviewFirst", QStringLiteral("|<"), QStringLiteral("First page (Home)"), this);
  auto* previous = tool("PreviewPrevious", QStringLiteral("<"), QStringLiteral("Previous page (Page Up)"), this);
  auto* next = tool("PreviewNext", QStringLiteral(">"), QStringLiteral("Next page (Page Down)"), this);
  auto* last = tool("PreviewLast", QStringLiteral(">|"), QStringLiteral("Last page (End)"), this);
  auto* zoomIn = tool("PreviewZoomIn", QStringLiteral("Zoom &In"), QStringLiteral("Zoom in (Ctrl++)"), this);
  auto* zoomOut = tool("PreviewZoomOut", QStringLiteral("Zoom &Out"), QStringLiteral("Zoom out (Ctrl+-)"), this);
  auto* fitWidth = tool("PreviewFitWidth", QStringLiteral("Fit &Width"), QStringLiteral("Page width"), this);
  auto* fitPage = tool("PreviewFitPage", QStringLiteral("&Whole Page"), QStringLiteral("Whole page"), this);
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
  connect(zoomIn, &QToolButton::clicked, preview_, [this] { preview_->zoomIn(); });
  connect(zoomOut, &QToolButton::clicked, preview_, [this] { preview_->zoomOut(); });
  connect(fitWidth, &QToolButton::clicked, preview_, &QPrintPreviewWidget::fitToWidth);
  connect(fitPage, &QToolButton::clicked, preview_, &QPrintPreviewWidget::fitInView);
  connect(print, &QToolButton::clicked, this, &ChartPreview::printReport);
  connect(close, &QToolButton::clicked, this, &QDialog::accept);

  auto* bar = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{first, previous, pageLabel_, next, last}) bar->addWidget(w);
  bar->addSpacing(16);
  for (QWidget* w : std::initializer_list<QWidget*>{zoomIn, zoomOut, fitWidth, fitPage}) bar->addWidget(w);
  bar->addStretch(1);
  bar->addWidget(print);
  bar->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(preview_, 1);
  resize(820, 900);
  preview_->updatePreview();  // lays the pages out now, so they are counted
}

ChartPreview::~ChartPreview() = default;

int ChartPreview::pageCount() const { return preview_->pageCount(); }

void ChartPreview::paintRequested(QPrinter* printer) { painter_.print(*printer); }

void ChartPreview::showPageNumber() {
  pageLabel_->setText(QStringLiteral("Page %1 of %2").arg(preview_->currentPage()).arg(preview_->pageCount()));
}

void ChartPreview::printReport() {
  if (seam_.askPrinter(this, *printer_)) preview_->print();
}

}  // namespace calvexa
