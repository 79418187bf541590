#include "gauging/gauging_ticket.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "ui/page_view.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

QString text(const std::string& value) { return QString::fromStdString(value); }

// Arial in points, at the device's resolution.
QFont ticketFont(double points, double dpi, bool bold = false) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi / 72.0))));
  font.setBold(bold);
  return font;
}

}  // namespace

void paintTicket(QPainter& painter, const QRectF& area, double dpi, const std::vector<TicketLine>& lines) {
  const double pt = dpi / 72.0;  // device units per point
  const double valueX = area.left() + area.width() * 0.42;
  double y = area.top();
  painter.setPen(Qt::black);
  painter.setFont(ticketFont(16, dpi, true));
  painter.drawText(QRectF(area.left(), y, area.width(), 24 * pt), Qt::AlignLeft | Qt::AlignVCenter, text(kTicketTitle));
  y += 30 * pt;
  const double row = 14 * pt;
  for (const TicketLine& line : lines) {
    switch (line.kind) {
      case TicketLine::Kind::Heading:
        y += 8 * pt;
        painter.setFont(ticketFont(11, dpi, true));
        painter.drawText(QRectF(area.left(), y, area.width(), row + 2 * pt), Qt::AlignLeft | Qt::AlignVCenter,
                         text(line.label));
        y += row + 4 * pt;
        painter.drawLine(QPointF(area.left(), y - 2 * pt), QPointF(area.right(), y - 2 * pt));
        break;
      case TicketLine::Kind::Pair:
        painter.setFont(ticketFont(10, dpi));
        painter.drawText(QRectF(area.left(), y, valueX - area.left(), row), Qt::AlignLeft | Qt::AlignVCenter,
                         text(line.label));
        painter.drawText(QRectF(valueX, y, area.right() - valueX, row), Qt::AlignLeft | Qt::AlignVCenter,
                         text(line.value));
        y += row;
        break;
      case TicketLine::Kind::Note: {
        painter.setFont(ticketFont(10, dpi));
        const QRectF bounds = painter.boundingRect(QRectF(area.left(), y, area.width(), area.bottom() - y),
                                                   Qt::TextWordWrap, text(line.label));
        painter.drawText(QRectF(area.left(), y, area.width(), bounds.height()), Qt::TextWordWrap, text(line.label));
        y += bounds.height() + 2 * pt;
        break;
      }
      case TicketLine::Kind::Signature:
        y += 24 * pt;
        painter.setFont(ticketFont(10, dpi));
        painter.drawText(QRectF(area.left(), y, valueX - area.left(), row), Qt::AlignLeft | Qt::AlignBottom,
                         text(line.label + ":"));
        painter.drawLine(QPointF(valueX, y + row), QPointF(area.right(), y + row));
        y += row;
        break;
    }
  }
}

TicketPreview::TicketPreview(std::vector<TicketLine> lines, Seam& seam, QWidget* owner)
    : QDialog(owner),
      lines_(std::move(lines)),
      seam_(seam),
      printer_(Printer::Resolution::Screen),
      view_(new PageView(this)) {
  setObjectName(QStringLiteral("FrmGaugeTicket"));
  setWindowTitle(text(kTicketTitle));
  setModal(true);
  view_->setObjectName(QStringLiteral("TicketView"));
  auto* print = new QPushButton(QStringLiteral("&Print..."), this);
  auto* pdf = new QPushButton(QStringLiteral("Save as P&DF..."), this);
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  print->setObjectName(QStringLiteral("CmdTicketPrint"));
  pdf->setObjectName(QStringLiteral("CmdTicketPdf"));
  close->setObjectName(QStringLiteral("CmdTicketClose"));
  for (QPushButton* button : {print, pdf, close}) button->setAutoDefault(false);
  connect(print, &QPushButton::clicked, this, &TicketPreview::printTicket);
  connect(pdf, &QPushButton::clicked, this, &TicketPreview::exportPdf);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* bar = new QHBoxLayout;
  bar->addStretch(1);
  for (QPushButton* button : {print, pdf, close}) bar->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(view_, 1);
  resize(700, 860);
  showTicket();
}

// A dialog of the preview still open (the print dialog, a message) goes
// first: it may refer to the printer, which goes with the preview.
TicketPreview::~TicketPreview() { qDeleteAll(findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly)); }

// On screen in points: the page as the printer is set.
void TicketPreview::showTicket() {
  const QPageLayout page = printer_.device().pageLayout();
  view_->setDocument({.pages = 1,
                      .paper = page.fullRectPoints(),
                      .paintArea = page.paintRectPoints(),
                      .dpi = 72,
                      .paint = [this](QPainter& painter, int) {
                        const QRectF area(QPointF(0, 0), printer_.device().pageLayout().paintRectPoints().size());
                        paintTicket(painter, area, 72, lines_);
                      }});
}

bool TicketPreview::print(QPagedPaintDevice& device) const {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double dpi = device.logicalDpiY();
  const QRectF area(QPointF(0, 0), device.pageLayout().paintRectPixels(static_cast<int>(dpi)).size());
  paintTicket(painter, area, dpi, lines_);
  return painter.end();
}

QByteArray TicketPreview::pdf() const {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(printer_.device().pageLayout());
    writer.setResolution(300);
    writer.setTitle(text(kTicketTitle));
    writer.setCreator(QStringLiteral("Calvexa"));
    if (!print(writer)) return {};
  }
  return buffer.data();
}

void TicketPreview::failed(const QString& file, const QString& reason) {
  seam_.showMessage(
      this, Message{"The ticket could not be saved as " + file.toStdString() + ": " + reason.toStdString() + ".", "",
                    Icon::Exclamation});
}

// Printing to a file (the print dialog's choice) saves it whole or not at all.
void TicketPreview::printTicket() {
  const QPointer<TicketPreview> self(this);  // the print dialog's loop may close the preview
  if (!seam_.askPrinter(this, printer_, QStringLiteral("gauging-ticket.pdf")) || !self) return;
  const QString file = printer_.outputFileName();
  if (!file.isEmpty()) {
    const QByteArray document = pdf();
    const QString reason =
        document.isEmpty() ? QStringLiteral("the ticket could not be drawn") : seam_.saveFile(file, document);
    if (!reason.isEmpty()) failed(file, reason);
  } else if (!print(printer_.device())) {
    seam_.showMessage(
        this, Message{"The ticket could not be sent to the printer " + printer_.printerName().toStdString() + ".", "",
                      Icon::Exclamation});
  }
  if (self) showTicket();  // the paper chosen for printing
}

bool TicketPreview::exportPdf() {
  const QPointer<TicketPreview> self(this);
  const QString file = seam_.askSaveFileName(this, QStringLiteral("Save the Ticket as PDF"),
                                             QStringLiteral("gauging-ticket.pdf"), QStringLiteral("PDF files (*.pdf)"));
  if (file.isEmpty() || !self) return false;
  const QByteArray document = pdf();
  const QString reason =
      document.isEmpty() ? QStringLiteral("the ticket could not be drawn") : seam_.saveFile(file, document);
  if (reason.isEmpty()) return true;
  failed(file, reason);
  return false;
}

}  // namespace calvexa
