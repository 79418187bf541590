// The gauging ticket on paper: one page drawn from the ticket's lines, shown
// in the program's paged view with Print and Save as PDF, both through the
// seam.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "gauging/gauging_ticket_rules.h"
#include "ui/printer.h"

class QPainter;
class QPageLayout;
class QPagedPaintDevice;

namespace calvexa {

class PageView;
class Seam;

// Draws the ticket into `area` (device units, `dpi` of them to the inch).
void paintTicket(QPainter& painter, const QRectF& area, double dpi, const std::vector<TicketLine>& lines);

class TicketPreview : public QDialog {
  Q_OBJECT
 public:
  TicketPreview(std::vector<TicketLine> lines, Seam& seam, QWidget* owner);
  ~TicketPreview() override;

  const std::vector<TicketLine>& lines() const { return lines_; }
  PageView* view() const { return view_; }
  // Through the platform's print dialog (which can print to a PDF file).
  void printTicket();
  // Through the desktop's save dialog; false when nothing was saved.
  bool exportPdf();

 private:
  void showTicket();
  bool print(QPagedPaintDevice& device) const;
  QByteArray pdf() const;
  void failed(const QString& file, const QString& reason);

  std::vector<TicketLine> lines_;
  Seam& seam_;
  Printer printer_;
  PageView* view_;
};

}  // namespace calvexa
