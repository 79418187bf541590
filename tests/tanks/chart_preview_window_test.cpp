// The chart preview's tools on a real chart: CSV and PDF export through the
// save dialog (a file that cannot be written is named with its reason and
// nothing is left), the fill-curve page, and the lookup bar.
#include <sys/mount.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "support/tank_window_test.h"
#include "tanks/chart_preview.h"
#include "tanks/chart_rules.h"
#include "tanks/divisions_window.h"
#include "ui/controls.h"

namespace calvexa {
namespace {

class ChartTools : public TankChooserTest {
 protected:
  void SetUp() override {
    TankChooserTest::SetUp();
    openTank("CmdVerticalTanks", kVerticalTankWindow);
    tabs()->setCurrentIndex(1);
    // A conical bottom 1 m deep in a tank 2 m across and 3 m high, in cubic metres.
    for (const char* list :
         {"CboVerticalTankDiameterC", "CboVerticalTankHeightC", "CboVerticalFluidHeightC", "CboVerticalConicalHeightC"})
      pick(list, "Meters");
    pick("CboVerticalLiquidVolumeC", "Litres");
    type("TbVerticalTankDiameterC", "2");
    type("TbVerticalTankHeightC", "3");
  }
  // Prints the tab's chart with `divisions` divisions and does `inPreview` in its preview.
  void chartWith(const std::function<void(ChartPreview&)>& inPreview, const QString& divisions = "30") {
    app.seam.answerModal = [inPreview, divisions](QWidget& modal) {
      if (auto* dialog = qobject_cast<DivisionsWindow*>(&modal)) {
        typeInto(dialog, "TbTankDivisions", divisions);
        dialog->ok();
      } else if (auto* preview = qobject_cast<ChartPreview*>(&modal)) {
        inPreview(*preview);
      }
    };
    click("CmdPrintVerticalTankC");
  }
  QTemporaryDir folder;
};

QString readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST_F(ChartTools, ExportsTheRowsAsCsvUnderTheTabsName) {
  app.seam.saveAs = folder.filePath("chart.csv");
  bool saved = false;
  chartWith([&](ChartPreview& preview) { saved = preview.exportCsv(); });
  ASSERT_TRUE(saved);
  EXPECT_EQ(app.seam.suggestedNames, QStringList({"Vertical Tank (C) chart.csv"}));
  const QStringList lines = readAll(app.seam.saveAs).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 32) << "the header and 31 rows";
  EXPECT_EQ(lines[0], "Liquid Height,Height Unit,Volume Quantity,Volume Unit");
  // Heights as the report prints them: 30 divisions of 3 m, three decimals.
  EXPECT_EQ(lines[1], "0.000,Meters,0.000,Litres");
  // 0.1 m up the cone: d = 0.2 m, (0.04 × pi ÷ 4) × (0.1 ÷ 3) m³, in litres, three decimals.
  EXPECT_EQ(lines[2],
            "0.100,Meters," + QString::number(0.04 * (3.141592654 / 4) * (0.1 / 3) * 1000, 'f', 3) + ",Litres");
  EXPECT_TRUE(lines[31].startsWith("3.000,Meters,7330.38")) << lines[31].toStdString();
}

// The text of a PDF file, by the poppler tools of the test packages.
QString pdfText(const QString& file) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
  EXPECT_TRUE(pdftotext.waitForFinished(20000)) << "pdftotext is part of the test packages";
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST_F(ChartTools, ExportsThePagesAsPdfWithTheFillCurve) {
  app.seam.saveAs = folder.filePath("chart.pdf");
  bool saved = false;
  chartWith([&](ChartPreview& preview) {
    saved = preview.exportPdf();
    EXPECT_EQ(preview.pageCount(), 2);
  });
  ASSERT_TRUE(saved);
  const QString pdf = pdfText(app.seam.saveAs);
  EXPECT_TRUE(pdf.contains("These dimensions are for a Vertical Cylindrical Tank with"));
  EXPECT_TRUE(pdf.contains("Liquid Height")) << pdf.left(400).toStdString();
  EXPECT_TRUE(pdf.contains("1.500")) << "a row";
  EXPECT_TRUE(pdf.contains("Page: 1 of 2"));
  EXPECT_TRUE(pdf.contains("Page: 2 of 2")) << "the fill curve counts";
  EXPECT_TRUE(pdf.contains("Liquid Height (Meters)"));
  EXPECT_TRUE(pdf.contains("Volume Quantity (Litres)"));
  EXPECT_EQ(pdf.count(QString::fromLatin1(kNominalDimensionsLine)), 2) << "under the footer of every page";
}

// Printing goes to the printer the dialog chose (here a PDF file): every page.
TEST_F(ChartTools, PrintsEveryPageToThePrinterChosen) {
  app.seam.printerAccepted = true;
  app.seam.printTo = folder.filePath("printed.pdf");
  chartWith([&](ChartPreview& preview) {
    preview.printReport();
    EXPECT_EQ(preview.pageCount(), 2) << "the preview laid out again for the printer";
  });
  EXPECT_EQ(app.seam.printersAsked, 1);
  const QString pdf = pdfText(app.seam.printTo);
  EXPECT_TRUE(pdf.contains("Page: 1 of 2"));
  EXPECT_TRUE(pdf.contains("Page: 2 of 2"));
  EXPECT_TRUE(pdf.contains("1.500")) << "a row";
}

TEST_F(ChartTools, AFileThatCannotBeWrittenIsNamedWithItsReasonAndNothingIsLeft) {
  app.seam.saveAs = folder.filePath("no such folder/chart.csv");
  bool saved = true;
  chartWith([&](ChartPreview& preview) { saved = preview.exportCsv(); });
  EXPECT_FALSE(saved);
  ASSERT_EQ(app.seam.messages.size(), 1u);
  EXPECT_NE(app.seam.messages[0].text.find(app.seam.saveAs.toStdString()), std::string::npos);
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
  // A cancelled save dialog writes nothing and says nothing.
  app.seam.messages.clear();
  app.seam.saveAs.clear();
  chartWith([&](ChartPreview& preview) { EXPECT_FALSE(preview.exportPdf()); });
  EXPECT_TRUE(app.seam.messages.empty());
}

// The three ways a chart is written to a file, and the start of what each
// message says.
struct FileWay {
  const char* name;
  const char* file;
  const char* says;
};
const FileWay kFileWays[] = {
    {"CSV", "chart.csv", "The chart could not be saved as "},
    {"PDF", "chart.pdf", "The chart could not be saved as "},
    {"print to file", "printed.pdf", "The chart could not be printed to "},
};

// Writes the chart `way` to `path`: through the save dialog or the print dialog.
void writeChart(RecorderSeam& seam, const FileWay& way, const QString& path, ChartPreview& preview) {
  if (std::string_view(way.name) == "print to file") {
    seam.printerAccepted = true;
    seam.printTo = path;
    preview.printReport();
  } else {
    seam.saveAs = path;
    std::string_view(way.name) == "CSV" ? preview.exportCsv() : preview.exportPdf();
  }
}

QStringList filesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden, QDir::Name);
}

const QByteArray kOldChart = "Liquid Height,Height Unit,Volume Quantity,Volume Unit\r\nlast week's chart\r\n";

void writeOld(const QString& path) {
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  ASSERT_EQ(old.write(kOldChart), kOldChart.size());
}

// A write that fails part way, as on a disk that fills up: the old file is
// left as it was with no part of the new one beside it, and one message
// names the file and the system's reason.
TEST_F(ChartTools, AWriteThatFailsPartWayLeavesTheOldFileAndSaysWhy) {
  for (const FileWay& way : kFileWays) {
    SCOPED_TRACE(way.name);
    for (qint64 failAt : {0, 100, 40000}) {
      SCOPED_TRACE(failAt);
      const QString path = folder.filePath(way.file);
      writeOld(path);
      app.seam.failSaveAt = failAt;
      app.seam.messages.clear();
      chartWith([&](ChartPreview& preview) { writeChart(app.seam, way, path, preview); }, "2000");
      EXPECT_EQ(app.seam.messageTexts(),
                std::vector<std::string>{way.says + path.toStdString() + ": No space left on device."});
      EXPECT_EQ(readAll(path).toUtf8(), kOldChart);
      EXPECT_EQ(filesIn(folder.path()), QStringList{way.file}) << "no part of the new file";
      QFile::remove(path);
    }
  }
}

// The same on a real file system that fills up: 64 KiB in memory with two
// pages left. Mounting it takes the right to mount (the test machines run
// as root); only where that is missing is the test skipped.
class FullDisk : public ChartTools {
 protected:
  void SetUp() override {
    ChartTools::SetUp();
    if (::mount("tmpfs", QFile::encodeName(disk.path()).constData(), "tmpfs", 0, "size=64k") != 0)
      GTEST_SKIP() << "no file system can be mounted here: " << std::strerror(errno);
    mounted = true;
  }
  void TearDown() override {
    if (mounted) ::umount2(QFile::encodeName(disk.path()).constData(), MNT_DETACH);
    ChartTools::TearDown();
  }
  // Fills the disk, then frees `left` bytes of it.
  void fillLeaving(qint64 left) {
    QFile filler(disk.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(4096, 'x');
    while (filler.write(page) == page.size()) {
    }
    EXPECT_EQ(filler.error(), QFileDevice::ResourceError) << "the disk is full";
    filler.close();
    ASSERT_TRUE(filler.resize(filler.size() - left));
  }
  QTemporaryDir disk;
  bool mounted = false;
};

TEST_F(FullDisk, AChartTooLargeForTheDiskLeavesTheOldFileAndSaysWhy) {
  for (const FileWay& way : kFileWays) {
    SCOPED_TRACE(way.name);
    const QString path = disk.filePath(way.file);
    writeOld(path);
    fillLeaving(8192);
    app.seam.messages.clear();
    // 400 rows: about 12 KiB of CSV, more of PDF.
    chartWith([&](ChartPreview& preview) { writeChart(app.seam, way, path, preview); }, "400");
    EXPECT_EQ(app.seam.messageTexts(),
              std::vector<std::string>{way.says + path.toStdString() + ": No space left on device."});
    EXPECT_EQ(readAll(path).toUtf8(), kOldChart);
    QStringList left = {way.file, "filler"};
    left.sort();
    EXPECT_EQ(filesIn(disk.path()), left) << "no part of the new file";
    // With room on the disk the same chart replaces the old one.
    QFile::remove(disk.filePath("filler"));
    app.seam.messages.clear();
    chartWith([&](ChartPreview& preview) { writeChart(app.seam, way, path, preview); }, "400");
    EXPECT_TRUE(app.seam.messages.empty());
    EXPECT_NE(readAll(path).toUtf8(), kOldChart);
    QFile::remove(path);
  }
}

// A page of a PDF file rendered by the poppler tools of the test packages,
// at `dpi` dots per inch.
QImage pdfPage(const QString& file, int page, int dpi) {
  QTemporaryDir out;
  QProcess pdftoppm;
  const QString n = QString::number(page);
  pdftoppm.start(QStringLiteral("pdftoppm"),
                 {"-r", QString::number(dpi), "-f", n, "-l", n, "-singlefile", "-png", file, out.filePath("page")});
  EXPECT_TRUE(pdftoppm.waitForFinished(20000)) << "pdftoppm is part of the test packages";
  return QImage(out.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
}

// The text of one page of a PDF file.
QString pdfPageText(const QString& file, int page) {
  QProcess pdftotext;
  const QString n = QString::number(page);
  pdftotext.start(QStringLiteral("pdftotext"), {"-layout", "-f", n, "-l", n, file, "-"});
  EXPECT_TRUE(pdftotext.waitForFinished(20000));
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

bool inked(QRgb pixel) { return qGray(pixel) < 200; }
bool coloured(QRgb pixel) { return std::abs(qRed(pixel) - qBlue(pixel)) > 40; }

// The paper of the print dialog: A4 is 210 × 297 mm, Letter 8.5 × 11 in;
// margins of 12.7 mm are half an inch. At 72 dots per inch one dot is a
// point: A4 is 595 × 842 dots, Letter 612 × 792, and the margin 36 dots.
struct Paper {
  const char* name;
  QPageSize::PageSizeId size;
  int width, height;  // points, rounded
};
const Paper kPapers[] = {{"A4", QPageSize::A4, 595, 842}, {"Letter", QPageSize::Letter, 612, 792}};

// Printed and then exported on the paper chosen for printing, every page
// keeps at least half an inch clear on every side, even where the print
// dialog left narrower margins.
TEST_F(ChartTools, PagesFollowThePrintersPaperWithHalfInchMargins) {
  for (const Paper& paper : kPapers) {
    SCOPED_TRACE(paper.name);
    app.seam.printerAccepted = true;
    app.seam.printTo = folder.filePath("printed.pdf");
    app.seam.saveAs = folder.filePath("exported.pdf");
    app.seam.choosePrinter = [&paper](QPrinter& printer) {
      printer.setPageSize(QPageSize(paper.size));
      printer.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    };
    chartWith(
        [&](ChartPreview& preview) {
          preview.printReport();
          EXPECT_TRUE(preview.exportPdf());
        },
        "100");
    for (const QString& file : {app.seam.printTo, app.seam.saveAs}) {
      SCOPED_TRACE(file.toStdString());
      for (int page = 1; page <= 3; ++page) {
        const QImage image = pdfPage(file, page, 72);
        ASSERT_EQ(image.size(), QSize(paper.width, paper.height)) << "page " << page;
        // Inside the margins there is ink; outside (less a dot for antialiasing) none.
        int outside = 0, inside = 0;
        for (int y = 0; y < image.height(); ++y) {
          for (int x = 0; x < image.width(); ++x) {
            const bool margin = x < 35 || y < 35 || x >= image.width() - 35 || y >= image.height() - 35;
            (margin ? outside : inside) += inked(image.pixel(x, y)) ? 1 : 0;
          }
        }
        EXPECT_EQ(outside, 0) << "page " << page;
        EXPECT_GT(inside, 1000) << "page " << page;
      }
    }
  }
}

// The last page carries its own caption line, not the table's columns, its
// curve in colour and its footer in black as on every page; the footers say
// what a reader of the filed chart needs, and no telephone or e-mail.
TEST_F(ChartTools, TheFillCurvePageHasItsCaptionAndAFooterLikeTheOthers) {
  app.seam.saveAs = folder.filePath("chart.pdf");
  chartWith([&](ChartPreview& preview) { EXPECT_TRUE(preview.exportPdf()); });
  const QString table = pdfPageText(app.seam.saveAs, 1), curve = pdfPageText(app.seam.saveAs, 2);
  EXPECT_TRUE(table.contains("Height Unit"));
  EXPECT_FALSE(curve.contains("Height Unit"));
  EXPECT_TRUE(curve.contains("Fill Curve: Volume Quantity (Litres) against Liquid Height (Meters)"))
      << curve.toStdString();
  for (const QString& page : {table, curve}) {
    EXPECT_TRUE(page.contains("Vertical Tank (C): 30 divisions of 0.100 Meters."));
    EXPECT_TRUE(page.contains("Volumes calculated from nominal dimensions; not a calibrated capacity table."));
    EXPECT_FALSE(page.contains("telephone"));
    EXPECT_FALSE(page.contains("@"));
  }
  // The footer lies below the plot's axis titles: the bottom 80 points above
  // the margin on A4 (three footer lines of 8 points and the rule).
  const QImage image = pdfPage(app.seam.saveAs, 2, 72);
  int footerInk = 0, footerColour = 0, curveColour = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      const bool footer = y >= image.height() - 36 - 45 && y < image.height() - 36;
      if (footer) {
        footerInk += inked(pixel) ? 1 : 0;
        footerColour += coloured(pixel) ? 1 : 0;
      } else {
        curveColour += coloured(pixel) ? 1 : 0;
      }
    }
  }
  EXPECT_GT(curveColour, 100) << "the curve is drawn in colour";
  EXPECT_GT(footerInk, 100);
  EXPECT_EQ(footerColour, 0) << "the footer is black, as on the table's pages";
}

// The three ways to a file suggest the chart's name; writing a PDF shows
// progress with Cancel, and a cancelled one writes nothing and leaves an
// old file as it was, with no message.
TEST_F(ChartTools, FilesAreSuggestedByTheChartsNameAndACancelledPdfLeavesTheOldFile) {
  chartWith([&](ChartPreview& preview) {
    for (const FileWay& way : kFileWays) writeChart(app.seam, way, folder.filePath(way.file), preview);
  });
  EXPECT_EQ(app.seam.suggestedNames,
            QStringList({"Vertical Tank (C) chart.csv", "Vertical Tank (C) chart.pdf", "Vertical Tank (C) chart.pdf"}));
  for (const FileWay& way : kFileWays) {
    if (std::string_view(way.name) == "CSV") continue;
    SCOPED_TRACE(way.name);
    const QString path = folder.filePath(way.file);
    writeOld(path);
    app.seam.progressLabels.clear();
    app.seam.messages.clear();
    app.seam.cancelProgressAt = 3;
    int lastStep = 0;
    app.seam.whileProgress = [&lastStep](int done) { lastStep = done; };
    chartWith([&](ChartPreview& preview) { writeChart(app.seam, way, path, preview); }, "2000");
    EXPECT_EQ(app.seam.progressLabels.size(), 1);
    EXPECT_EQ(lastStep, 3) << "the pages stop at the Cancel";
    EXPECT_TRUE(app.seam.messages.empty());
    EXPECT_EQ(readAll(path).toUtf8(), kOldChart);
    // Not cancelled, the progress runs through every page.
    app.seam.cancelProgressAt = -1;
    int pages = 0;
    chartWith(
        [&](ChartPreview& preview) {
          pages = preview.pageCount();
          writeChart(app.seam, way, path, preview);
        },
        "2000");
    EXPECT_GT(pages, 3);
    EXPECT_EQ(lastStep, pages);
    EXPECT_NE(readAll(path).toUtf8(), kOldChart);
  }
  EXPECT_EQ(filesIn(folder.path()), QStringList({"chart.csv", "chart.pdf", "printed.pdf"}));
}

TEST_F(ChartTools, LookupBarAnswersFromTheBoxTypedInLast) {
  chartWith([&](ChartPreview& preview) {
    auto* height = preview.findChild<QLineEdit*>("TbLookupHeight");
    auto* volume = preview.findChild<QLineEdit*>("TbLookupVolume");
    auto* lookup = preview.findChild<QPushButton*>("CmdLookup");
    ASSERT_TRUE(height && volume && lookup);
    QTest::keyClicks(height, "0.5");
    lookup->click();
    // Half way up the cone: (1 × pi ÷ 4) × (0.5 ÷ 3) m³, in litres.
    EXPECT_EQ(volume->text(), QString::number((3.141592654 / 4) * (0.5 / 3) * 1000, 'f', 3));
    volume->clear();
    QTest::keyClicks(volume, "7330.383");
    QTest::keyClick(volume, Qt::Key_Return);
    EXPECT_EQ(height->text(), "3.000") << "the full tank, with the chart's decimals";
    volume->clear();
    QTest::keyClicks(volume, "9000");
    lookup->click();
  });
  ASSERT_EQ(app.seam.messages.size(), 1u) << "a volume above full is answered with a message";
  EXPECT_NE(app.seam.messages[0].text.find("full"), std::string::npos);
}

}  // namespace
}  // namespace calvexa
