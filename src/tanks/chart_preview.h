// "Chart Results": the report in a modal preview with paging, zoom and print.
#pragma once

#include <QDialog>
#include <memory>

#include "tanks/chart_report_painter.h"

class QLabel;
class QPrinter;
class QPrintPreviewWidget;

namespace calvexa {

class Seam;

class ChartPreview : public QDialog {
  Q_OBJECT
 public:
  ChartPreview(const ChartReport& report, Seam& seam, QWidget* owner);
  ~ChartPreview() override;

  QPrintPreviewWidget* preview() const { return preview_; }
  int pageCount() const;
  // Prints through the platform's print dialog (which can print to a PDF file).
  void printReport();

 private:
  void paintRequested(QPrinter* printer);
  void showPageNumber();

  const ChartReport& report_;
  Seam& seam_;
  std::unique_ptr<QPrinter> printer_;
  ChartReportPainter painter_;
  QPrintPreviewWidget* preview_;
  QLabel* pageLabel_;
};

}  // namespace calvexa
