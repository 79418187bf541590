// "Chart Results": the report in a modal preview with paging, zoom and print,
// and the chart's tools: export to CSV and PDF, and the lookup of a volume
// for a liquid height or of a height for a volume.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "core/capacity_table.h"
#include "tanks/chart_report_painter.h"
#include "tanks/chart_rules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;

namespace calvexa {

class PageView;
class Seam;
struct TankChartProfile;

// The tab a chart was made from, for its lookups: its profile (a table of
// the program's) and its own copy of the chart's start.
struct ChartSource {
  const TankChartProfile& profile;
  ChartStart start;
};

class ChartPreview : public QDialog {
  Q_OBJECT
 public:
  // The preview owns its report and its source.
  ChartPreview(ChartReport report, ChartSource source, Seam& seam, QWidget* owner);
  ~ChartPreview() override;

  int pageCount() const;
  const ChartReport& report() const { return report_; }
  // Prints through the platform's print dialog (which can print to a PDF file).
  void printReport();
  // Saves the chart through the desktop's save dialog; false when nothing
  // was saved (cancelled, or the file could not be written: one message).
  bool exportCsv();
  bool exportPdf();
  // Answers from the lookup box typed in last and writes the other.
  void lookUp();
  // Asks for a capacity table file and shows it in place of the chart: its
  // pages, look-ups and exports; a file that cannot be read is named with
  // the first fault and the preview stays as it was.
  bool openTable();

 private:
  // Lays the report out for the printer as it is set, and shows it.
  void showReport();
  void showPageNumber();
  void showHeightsAsChosen();
  void showLookupUnits();
  QString askFile(const char* extension, const QString& filter);
  bool save(const char* extension, const QString& filter, const std::function<QByteArray()>& contents);
  bool failed(const std::string& what, const QString& file, const QString& reason);
  QByteArray pdf() const;

  ChartReport report_;  // before the painter, which paints it
  ChartSource source_;
  std::optional<CapacityTable> table_;  // the table opened, in place of the tab's chart
  Seam& seam_;
  std::unique_ptr<QPrinter> printer_;
  ChartReportPainter painter_;
  PageView* preview_;
  QLabel* pageLabel_;
  QLineEdit* lookupHeight_;
  QLineEdit* lookupVolume_;
  QCheckBox* feetInches_;
  QLabel* heightLabel_;
  QLabel* volumeLabel_;
  QLabel* lookupNote_;
  QComboBox* lookupUnit_;  // the look-up's volume unit: the report's, or Barrels
  QLineEdit* typedLast_ = nullptr;
};

}  // namespace calvexa
