// "Chart Results": the report in a modal preview with paging, zoom and print,
// and the chart's tools: export to CSV and PDF, and the lookup of a volume
// for a liquid height or of a height for a volume.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "tanks/chart_report_painter.h"

class QLabel;
class QLineEdit;
class QPrinter;

namespace calvexa {

class PageView;
class Progress;
class Seam;
struct ChartStart;
struct TankChartProfile;

// The tab a chart was made from, for its lookups.
struct ChartSource {
  const TankChartProfile& profile;
  const ChartStart& start;
};

class ChartPreview : public QDialog {
  Q_OBJECT
 public:
  ChartPreview(const ChartReport& report, const ChartSource& source, Seam& seam, QWidget* owner);
  ~ChartPreview() override;

  int pageCount() const;
  // Prints through the platform's print dialog (which can print to a PDF file).
  void printReport();
  // Saves the chart through the desktop's save dialog; false when nothing
  // was saved (cancelled, or the file could not be written: one message).
  bool exportCsv();
  bool exportPdf();
  // Answers from the lookup box typed in last and writes the other.
  void lookUp();

 private:
  // Lays the report out for the printer as it is set, and shows it.
  void showReport();
  void showPageNumber();
  QString askFile(const char* extension, const QString& filter);
  bool save(const char* extension, const QString& filter, const std::function<QByteArray(bool& cancelled)>& contents);
  bool failed(const std::string& what, const QString& file, const QString& reason);
  // The PDF document with progress and Cancel; empty when it could not be
  // drawn or was cancelled (`cancelled` then set).
  QByteArray pdf(bool& cancelled);
  std::unique_ptr<Progress> startProgress(const QString& label);

  const ChartReport& report_;
  ChartSource source_;
  Seam& seam_;
  std::unique_ptr<QPrinter> printer_;
  ChartReportPainter painter_;
  PageView* preview_;
  QLabel* pageLabel_;
  QLineEdit* lookupHeight_;
  QLineEdit* lookupVolume_;
  QLineEdit* typedLast_ = nullptr;
};

}  // namespace calvexa
