// The chart's PDF written directly in the standard Helvetica faces, read
// back by the poppler tools against the same pages through Qt's PDF engine
// with the report's fonts embedded: a sound file, the same words on the same
// pages at the same places. Text the standard faces cannot set takes the
// engine's way, and keeps every character.
#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <vector>

#include "core/input.h"
#include "tanks/chart_report_painter.h"
#include "tanks/chart_rules.h"
#include "tanks/chart_tools_rules.h"
#include "tanks/vertical_tank_rules.h"

namespace calvexa {
namespace {

struct Word {
  int page = 0;
  QString text;
  double left = 0, top = 0, right = 0, bottom = 0;  // points from the page's top left
};

// Output of a poppler tool on `file`, and what it said on its error stream.
struct ToolRun {
  QString out, errors;
};
ToolRun poppler(const QString& tool, QStringList arguments) {
  QProcess process;
  process.start(tool, arguments);
  EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString() << " is part of the test packages";
  return {QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// Every word of the document with its box, page by page, as pdftotext finds them.
std::vector<Word> words(const QString& file) {
  const QString html = poppler(QStringLiteral("pdftotext"), {"-bbox", file, "-"}).out;
  static const QRegularExpression tag(QString::fromLatin1(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  std::vector<Word> found;
  int page = 0;
  for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
    if (m.captured(0) == QStringLiteral("<page ")) {
      ++page;
      continue;
    }
    found.push_back({page, m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                     m.captured(4).toDouble()});
  }
  return found;
}

// A chart of 100 divisions of a tank 4 m across and 12 m high with a
// conical bottom 1.5 m deep, in litres: two pages of rows and the curve.
struct Chart {
  ChartReport report;
  std::vector<ChartRow> curve;
  Chart() {
    const Fields fields = {{"TbVerticalTankDiameterC", "4"},      {"CboVerticalTankDiameterC", "Meters"},
                           {"TbVerticalTankHeightC", "12"},       {"CboVerticalTankHeightC", "Meters"},
                           {"TbVerticalFluidHeightC", "1"},       {"CboVerticalFluidHeightC", "Meters"},
                           {"TbVerticalConicalHeightC", "1.5"},   {"CboVerticalConicalHeightC", "Meters"},
                           {"CboVerticalLiquidVolumeC", "Litres"}};
    const TankChartProfile& profile = verticalChartProfile(1);
    const ChartStart chart = startChart(profile, fields);
    report.name = "Vertical Tank (C)";
    report.headers = chart.headers;
    report.recordset = buildChartRows(profile, chart, 100).recordset;
    report.footers = {
        "Printed on Tuesday, 08 December 2026 at 3:45:07 pm, by Calvexa.",
        divisionsLine(report.name, 100, chart.height, report.recordset.heightDecimals, report.recordset.heightUnit),
        kNominalDimensionsLine};
    curve = fillCurve(profile, chart);
  }
  QByteArray pdf(const QPageLayout& paper, int resolution, ChartReportPainter::PdfFonts fonts) const {
    ChartReportPainter painter(report);
    painter.setCurve(curve);
    return painter.pdf(paper, resolution, {}, nullptr, fonts);
  }
};

QString saved(const QTemporaryDir& folder, const char* name, const QByteArray& contents) {
  const QString file = folder.filePath(QString::fromLatin1(name));
  QFile out(file);
  EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(contents) == contents.size());
  return file;
}

struct PaperCase {
  const char* name;
  QPageSize::PageSizeId size;
  int resolution;
};

class ChartPdf : public ::testing::TestWithParam<PaperCase> {};

// Helvetica and the report's Arial-metric font share their widths and
// descents, so each word's box is where the engine put it on three sides;
// the fourth, the side of the ascenders, differs by the faces' ascents (under
// a fifth of the box across the line). Text read upwards has that side on
// its left.
TEST_P(ChartPdf, StandardFacesPutEveryWordWhereTheEngineDoes) {
  const PaperCase paper = GetParam();
  const QPageLayout layout(QPageSize(paper.size), QPageLayout::Portrait, QMarginsF());
  const Chart chart;
  QTemporaryDir folder;
  const QString direct =
      saved(folder, "direct.pdf", chart.pdf(layout, paper.resolution, ChartReportPainter::PdfFonts::Standard));
  const QString engine =
      saved(folder, "engine.pdf", chart.pdf(layout, paper.resolution, ChartReportPainter::PdfFonts::Embedded));
  const ToolRun info = poppler(QStringLiteral("pdfinfo"), {direct});
  EXPECT_TRUE(info.errors.isEmpty()) << "a sound file: " << info.errors.toStdString();
  EXPECT_TRUE(info.out.contains(QRegularExpression(QStringLiteral("Pages: +3\n")))) << info.out.toStdString();
  EXPECT_TRUE(poppler(QStringLiteral("pdffonts"), {direct}).out.contains(QStringLiteral("Helvetica-Bold")))
      << "written directly, in the standard faces";

  const std::vector<Word> got = words(direct), want = words(engine);
  ASSERT_EQ(got.size(), want.size());
  ASSERT_GT(got.size(), 400u) << "two pages of rows, the curve's labels, headers and footers";
  for (std::size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE(want[i].text.toStdString() + " on page " + std::to_string(want[i].page));
    ASSERT_EQ(got[i].text, want[i].text);
    EXPECT_EQ(got[i].page, want[i].page);
    const double sides[] = {got[i].left - want[i].left, got[i].top - want[i].top, got[i].right - want[i].right,
                            got[i].bottom - want[i].bottom};
    const double wide = want[i].right - want[i].left, high = want[i].bottom - want[i].top;
    const double within[] = {0.2 * wide, 0.2 * high, 0.2 * wide, 0.2 * high};
    int near = 0;
    for (int side = 0; side < 4; ++side) {
      near += std::abs(sides[side]) <= 0.25;
      EXPECT_LE(std::abs(sides[side]), within[side]);
    }
    EXPECT_GE(near, 3) << "left " << sides[0] << ", top " << sides[1] << ", right " << sides[2] << ", bottom "
                       << sides[3];
  }
}

INSTANTIATE_TEST_SUITE_P(Papers, ChartPdf,
                         ::testing::Values(PaperCase{"A4", QPageSize::A4, 1200},
                                           PaperCase{"Letter", QPageSize::Letter, 300}),
                         [](const auto& info) { return std::string(info.param.name); });

// A table's tank named with a letter outside ASCII: the engine's way, and
// the name is on every page.
TEST(ChartPdfText, TextBeyondTheStandardFacesKeepsEveryCharacter) {
  Chart chart;
  chart.report.footers[2] = "Volumes from the calibrated table of tank \xC3\x98-7, read by linear interpolation.";
  QTemporaryDir folder;
  const QString file = saved(folder, "chart.pdf",
                             chart.pdf(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()), 1200,
                                       ChartReportPainter::PdfFonts::Standard));
  const QString text = poppler(QStringLiteral("pdftotext"), {file, "-"}).out;
  EXPECT_EQ(text.count(QString::fromUtf8("tank \xC3\x98-7,")), 3) << text.left(600).toStdString();
}

}  // namespace
}  // namespace calvexa
