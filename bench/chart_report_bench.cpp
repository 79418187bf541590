// Charts from the divisions dialog's OK to the preview on screen: the rows
// through the rule code, then the report laid out and painted into the
// preview, for 1,000, 10,000 and 100,000 divisions of an upright tank. Each
// size is measured in a fresh process, so its peak memory is its own. Then
// the chart's tools on the same chart: its export to CSV and to PDF, a
// height-for-volume lookup, and the redrawing of a tank picture.
//
//   chart_report_bench              measure every size (offscreen)
//   chart_report_bench child N      one chart of N divisions, for the measurement
//   chart_report_bench page FILE    the README's printed page, as a PDF file
#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "tanks/chart_preview.h"
#include "tanks/chart_report_painter.h"
#include "tanks/chart_rules.h"
#include "tanks/chart_tools_rules.h"
#include "tanks/tank_picture.h"
#include "tanks/vertical_tank_rules.h"
#include "ui/printer.h"
#include "ui/qt_seam.h"

// The program's drawings and icons, as the program loads them at start.
static void loadResources() { Q_INIT_RESOURCE(calvexa); }

namespace {

using Clock = std::chrono::steady_clock;

// Peak and present resident memory of this process, in KiB.
long statusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
  return 0;
}

int child(int divisions) {
  const calvexa::Fields fields = {{"TbVerticalTankDiameterC", "96"},
                                  {"CboVerticalTankDiameterC", "Inches"},
                                  {"TbVerticalTankHeightC", "20"},
                                  {"CboVerticalTankHeightC", "Feet"},
                                  {"TbVerticalFluidHeightC", "1"},
                                  {"CboVerticalFluidHeightC", "Feet"},
                                  {"TbVerticalConicalHeightC", "30"},
                                  {"CboVerticalConicalHeightC", "Inches"},
                                  {"CboVerticalLiquidVolumeC", "Gallons (U.S.)"}};
  int argc = 1;
  char name[] = "chart_report_bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  loadResources();
  calvexa::QtSeam seam;
  const long before = statusKiB("VmHWM:");
  const auto start = Clock::now();
  const calvexa::TankChartProfile& profile = calvexa::verticalChartProfile(1);
  const calvexa::ChartStart chart = calvexa::startChart(profile, fields);
  calvexa::ChartBuild build = calvexa::buildChartRows(profile, chart, divisions);
  const auto rows = Clock::now();
  calvexa::ChartReport report;
  report.headers = chart.headers;
  report.name = "Vertical Tank (C)";
  report.recordset = std::move(build.recordset);
  report.footers = {"Printed on Tuesday, 08 December 2026 at 3:45:07 pm, by Calvexa.",
                    calvexa::divisionsLine(report.name, divisions, chart.height, report.recordset.heightDecimals,
                                           report.recordset.heightUnit),
                    calvexa::kNominalDimensionsLine};
  calvexa::ChartPreview preview(report, calvexa::ChartSource{profile, chart}, seam, nullptr);
  preview.show();
  QApplication::processEvents();
  preview.grab();  // the first page painted, whatever the platform did on showing
  const auto shown = Clock::now();
  const long after = statusKiB("VmHWM:");
  // The tools: CSV and PDF written to files, a lookup, a picture redrawn.
  QTemporaryDir folder;
  auto seconds = [](Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); };
  auto t = Clock::now();
  // As the preview writes them: the whole document made, then saved whole.
  seam.saveFile(folder.filePath("chart.csv"), QByteArray::fromStdString(calvexa::chartCsv(report.recordset)));
  const double csv = seconds(t);
  t = Clock::now();
  {
    const calvexa::Printer printer(calvexa::Printer::Resolution::High);
    calvexa::ChartReportPainter painter(report);
    painter.setCurve(calvexa::fillCurve(profile, chart));
    seam.saveFile(folder.filePath("chart.pdf"), painter.pdf(printer.device().pageLayout(), printer.resolution()));
  }
  const double pdf = seconds(t);
  t = Clock::now();
  const calvexa::Lookup lookup = calvexa::lookupHeight(profile, chart, 10000);
  const double lookupSeconds = seconds(t);
  calvexa::TankPicture picture(calvexa::TankShape::VerticalConical, nullptr);
  picture.resize(183, 290);
  double slowestRedraw = 0;
  for (int i = 1; i <= 50; ++i) {
    t = Clock::now();
    picture.setDimensions({.width = 2.4, .height = 6, .bottom = 0.7, .fluid = 6.0 * i / 50});
    picture.grab();
    slowestRedraw = std::max(slowestRedraw, seconds(t));
  }
  std::printf("%d %.4f %.4f %d %.1f %.4f %.4f %.5f %.5f %d\n", divisions,
              std::chrono::duration<double>(rows - start).count(), std::chrono::duration<double>(shown - start).count(),
              preview.pageCount(), (after - before) / 1024.0, csv, pdf, lookupSeconds, slowestRedraw,
              lookup.found ? 1 : 0);
  std::fflush(stdout);
  std::_Exit(0);
}

// The README's printed page: 30 divisions of a 12 m tank with a 1.5 m
// conical bottom, on A4, as a PDF file.
int page(const char* file) {
  const calvexa::Fields fields = {{"TbVerticalTankDiameterC", "4"},      {"CboVerticalTankDiameterC", "Meters"},
                                  {"TbVerticalTankHeightC", "12"},       {"CboVerticalTankHeightC", "Meters"},
                                  {"TbVerticalFluidHeightC", "1"},       {"CboVerticalFluidHeightC", "Meters"},
                                  {"TbVerticalConicalHeightC", "1.5"},   {"CboVerticalConicalHeightC", "Meters"},
                                  {"CboVerticalLiquidVolumeC", "Litres"}};
  int argc = 1;
  char name[] = "chart_report_bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  const calvexa::TankChartProfile& profile = calvexa::verticalChartProfile(1);
  const calvexa::ChartStart chart = calvexa::startChart(profile, fields);
  calvexa::ChartReport report;
  report.name = "Vertical Tank (C)";
  report.headers = chart.headers;
  report.recordset = calvexa::buildChartRows(profile, chart, 30).recordset;
  report.footers = {"Printed on Tuesday, 08 December 2026 at 3:45:07 pm, by Calvexa.",
                    calvexa::divisionsLine(report.name, 30, chart.height, report.recordset.heightDecimals,
                                           report.recordset.heightUnit),
                    calvexa::kNominalDimensionsLine};
  calvexa::ChartReportPainter painter(report);
  painter.setCurve(calvexa::fillCurve(profile, chart));
  const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
  calvexa::QtSeam seam;
  return seam.saveFile(QString::fromLocal8Bit(file), painter.pdf(a4, 1200)).isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "child") == 0) return child(std::atoi(argv[2]));
  if (argc >= 3 && std::strcmp(argv[1], "page") == 0) return page(argv[2]);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::printf("%10s %9s %12s %7s %10s %8s %8s %11s %12s\n", "divisions", "rows (s)", "preview (s)", "pages",
              "peak +MiB", "CSV (s)", "PDF (s)", "lookup (s)", "redraw (s)");
  for (const char* size : {"1000", "10000", "100000"}) {
    const std::string command = std::string("\"") + argv[0] + "\" child " + size;
    FILE* out = popen(command.c_str(), "r");
    int divisions = 0, pages = 0, found = 0;
    double rows = 0, shown = 0, memory = 0, csv = 0, pdf = 0, lookup = 0, redraw = 0;
    if (out && std::fscanf(out, "%d %lf %lf %d %lf %lf %lf %lf %lf %d", &divisions, &rows, &shown, &pages, &memory,
                           &csv, &pdf, &lookup, &redraw, &found) == 10)
      std::printf("%10d %9.3f %12.3f %7d %10.1f %8.3f %8.3f %11.5f %12.5f\n", divisions, rows, shown, pages, memory,
                  csv, pdf, lookup, redraw);
    if (out) pclose(out);
  }
  return 0;
}
