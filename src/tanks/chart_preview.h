// "Chart Results": the report in a modal preview that behaves like a
// document viewer (paging, zoom, a page box, print), and the chart's tools:
// export to CSV and PDF, and the lookup of a volume for a liquid height or
// of a height for a volume, which shows the chart's row for it.
#pragma once

#include <QDialog>
#include <QKeySequence>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/capacity_table.h"
#include "tanks/chart_report_painter.h"
#include "tanks/chart_rules.h"
#include "ui/printer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolBar;

namespace calvexa {

class PageView;
class Progress;
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
  // The help file's section on the chart preview and its tools.
  static constexpr const char* kHelpSection = "chartpreview";

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
  // Answers from the lookup box typed in last and writes the other; the
  // row of the height looked up is shown and marked. A lookup that fails
  // clears the other box.
  void lookUp();
  // Asks for a capacity table file and shows it in place of the chart: its
  // pages, look-ups and exports; a file that cannot be read is named with
  // the first fault and the preview stays as it was.
  bool openTable();
  // The help file that F1 and the Help tool open, at kHelpSection.
  void setHelpFile(const QString& file) { helpFile_ = file; }
  void openHelp();

 private:
  enum class ToolKind { Action, PageBox, Separator };
  enum class Look { IconOnly, IconAndText };
  // A tool of the bar, in order from the left. The caption's mnemonic is
  // pressed with Alt as well as the keys given.
  struct Tool {
    ToolKind kind = ToolKind::Action;
    const char* name = "";     // objectName of the action and of its button
    const char* caption = "";  // with its mnemonic
    const char* tip = "";      // the tooltip, before the keys that press the tool
    const char* icon = "";     // the icon theme's name; our own drawing in :/icons/<icon>.svg where it has none
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
    const char* keys = "";  // more keys, in portable text ("Ctrl+Home")
    Look look = Look::IconOnly;
    void (*run)(ChartPreview& preview) = nullptr;
  };
  static const std::vector<Tool>& tools();

  QToolBar* buildToolBar();
  QWidget* buildPageBox();
  QLayout* buildLookupBar();
  void fitScreen();
  // Lays the report out for the printer as it is set, and shows it.
  void showReport();
  void showPageNumber();
  void showHeightsAsChosen();
  void showLookupUnits();
  void goToTypedPage();
  void markRowAt(double height);
  QString askFile(const char* extension, const QString& filter);
  bool save(const char* extension, const QString& filter, const std::function<QByteArray(bool& cancelled)>& contents);
  bool failed(const std::string& what, const QString& file, const QString& reason);
  // The PDF document with progress and Cancel; empty when it could not be
  // drawn or was cancelled (`cancelled` then set).
  QByteArray pdf(bool& cancelled);
  std::unique_ptr<Progress> startProgress(const QString& label);

  ChartReport report_;  // before the painter, which paints it
  ChartSource source_;
  std::optional<CapacityTable> table_;  // the table opened, in place of the tab's chart
  Seam& seam_;
  Printer printer_;
  ChartReportPainter painter_;
  PageView* preview_;
  QLineEdit* pageBox_ = nullptr;
  QLabel* pageCount_ = nullptr;
  QLineEdit* lookupHeight_ = nullptr;
  QLineEdit* lookupVolume_ = nullptr;
  QCheckBox* feetInches_ = nullptr;
  QLabel* heightLabel_ = nullptr;
  QLabel* volumeLabel_ = nullptr;
  QLabel* lookupNote_ = nullptr;
  QComboBox* lookupUnit_ = nullptr;  // the look-up's volume unit: the report's, or Barrels
  QLineEdit* typedLast_ = nullptr;
  QString helpFile_;
};

}  // namespace calvexa
