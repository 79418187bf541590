// The chart preview's tools on a real chart: CSV and PDF export through the
// save dialog (a file that cannot be written is named with its reason and
// nothing is left), the fill-curve page, the lookup bar and the row it
// marks, and the preview as a document viewer: the page in focus, the page
// box, the tool bar's icons, keys and overflow menu, F1, and a preview that
// fits a screen at twice the scale.
#include <sys/mount.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string_view>

#include "core/capacity_table.h"
#include "core/input.h"
#include "support/tank_window_test.h"
#include "tanks/chart_preview.h"
#include "tanks/chart_rules.h"
#include "tanks/divisions_window.h"
#include "ui/controls.h"
#include "ui/page_view.h"

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

// The preview on screen, active, as the user meets it.
void showPreview(ChartPreview& preview) {
  preview.show();
  preview.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
}

// A whole number as an English reader writes it: "1,517".
QString grouped(int n) { return QLocale(QLocale::English).toString(n); }

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
  ASSERT_EQ(lines.size(), 35) << "three header rows, the data header and 31 rows";
  // A capacity table of the tab: its name and units, then height and volume.
  EXPECT_EQ(lines.mid(0, 4),
            QStringList({"tank,Vertical Tank (C)", "height unit,Meters", "volume unit,Litres", "height,volume"}));
  // Heights as the report prints them: 30 divisions of 3 m, three decimals.
  EXPECT_EQ(lines[4], "0.000,0.000");
  // 0.1 m up the cone: d = 0.2 m, (0.04 × pi ÷ 4) × (0.1 ÷ 3) m³, in litres, three decimals.
  EXPECT_EQ(lines[5], "0.100," + QString::number(0.04 * (3.141592654 / 4) * (0.1 / 3) * 1000, 'f', 3));
  EXPECT_TRUE(lines[34].startsWith("3.000,7330.38")) << lines[34].toStdString();
}

// The text of a PDF file, or of its page `page` (1 first), by the poppler
// tools of the test packages.
QString pdfText(const QString& file, int page = 0) {
  QProcess pdftotext;
  QStringList arguments = {QStringLiteral("-layout")};
  if (page > 0) arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
  pdftotext.start(QStringLiteral("pdftotext"), arguments << file << QStringLiteral("-"));
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
    for (qint64 failAt : {0, 100, 20000}) {
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
    fillLeaving(4096);
    app.seam.messages.clear();
    // 400 rows: about 6 KiB of CSV, more of PDF.
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
    app.seam.choosePrinter = [&paper](QPagedPaintDevice& printer) {
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

// A chart in feet offers "Heights as ft-in-⅛"; checked, the look-up takes
// and gives heights in feet and inches, the export adds them, and the
// choice is kept for the next chart. A chart in metres does not offer it.
TEST_F(ChartTools, HeightsInFeetAndInchesForAChartInFeet) {
  chartWith([&](ChartPreview& preview) {
    EXPECT_FALSE(preview.findChild<QCheckBox*>("ChkFeetInches")->isVisibleTo(&preview)) << "metres";
  });
  for (const char* list :
       {"CboVerticalTankDiameterC", "CboVerticalTankHeightC", "CboVerticalFluidHeightC", "CboVerticalConicalHeightC"})
    pick(list, "Feet");
  type("TbVerticalTankHeightC", "10");
  app.seam.saveAs = folder.filePath("feet.csv");
  chartWith(
      [&](ChartPreview& preview) {
        auto* box = preview.findChild<QCheckBox*>("ChkFeetInches");
        ASSERT_TRUE(box && box->isVisibleTo(&preview));
        EXPECT_EQ(box->text(), QString::fromUtf8("Heights as ft-in-\u215B"));
        box->setChecked(true);
        auto* height = preview.findChild<QLineEdit*>("TbLookupHeight");
        auto* volume = preview.findChild<QLineEdit*>("TbLookupVolume");
        QTest::keyClicks(height, "5' 0\"");
        QTest::keyClick(height, Qt::Key_Return);
        // 5 ft up the cone of 1 ft, 2 ft across: pi × (5 − 2 ÷ 3) ft³, in litres.
        const double litres = 3.141592654 * (5 - 2.0 / 3) * 0.3048 * 0.3048 * 0.3048 * 1000;
        EXPECT_NEAR(volume->text().toDouble(), litres, 0.0015) << volume->text().toStdString();
        volume->setText(QString::number(litres, 'f', 3));
        QTest::keyClick(volume, Qt::Key_Return);
        EXPECT_EQ(height->text(), "5' 0\"");
        preview.exportCsv();
      },
      "10");
  const QStringList lines = readAll(app.seam.saveAs).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4 + 11);
  EXPECT_EQ(lines[3], "height,volume,height ft-in");
  EXPECT_TRUE(lines[5].startsWith("1.000,")) << lines[5].toStdString();
  EXPECT_TRUE(lines[5].endsWith(",\"1' 0\"\"\"")) << lines[5].toStdString();
  EXPECT_TRUE(QSettings().value("charts/feetInches").toBool());
  chartWith([&](ChartPreview& preview) {
    EXPECT_TRUE(preview.findChild<QCheckBox*>("ChkFeetInches")->isChecked()) << "remembered";
  });
  QSettings().remove("charts/feetInches");
  EXPECT_TRUE(app.seam.messages.empty());
}

// The look-up offers Barrels beside the chart's own volume unit: 42 U.S.
// gallons, 0.158987294928 m³, so 158.987294928 litres.
TEST_F(ChartTools, LookupInBarrels) {
  chartWith([&](ChartPreview& preview) {
    auto* unit = preview.findChild<QComboBox*>("CboLookupVolumeUnit");
    ASSERT_TRUE(unit);
    ASSERT_EQ(unit->count(), 2);
    EXPECT_EQ(unit->itemText(0), "Litres");
    EXPECT_EQ(unit->itemText(1), "Barrels");
    unit->setCurrentIndex(1);
    auto* height = preview.findChild<QLineEdit*>("TbLookupHeight");
    auto* volume = preview.findChild<QLineEdit*>("TbLookupVolume");
    QTest::keyClicks(height, "0.5");
    QTest::keyClick(height, Qt::Key_Return);
    // Half way up the cone: (1 × pi ÷ 4) × (0.5 ÷ 3) m³ = 130.900 litres.
    const double barrels = (3.141592654 / 4) * (0.5 / 3) * 1000 / 158.987294928;
    EXPECT_EQ(volume->text(), QString::number(barrels, 'f', 3));
    volume->clear();
    QTest::keyClicks(volume, QString::number(barrels, 'f', 6));
    QTest::keyClick(volume, Qt::Key_Return);
    EXPECT_EQ(height->text(), "0.500");
  });
  EXPECT_TRUE(app.seam.messages.empty());
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// A calibrated table opened in the preview takes the chart's place: its
// title and source line, look-ups by interpolation in its own units
// (Barrels here) with the critical zone noted, and its export; a faulty
// file is named with its first fault and changes nothing.
TEST_F(ChartTools, OpensACapacityTableInThePreview) {
  const QString good = folder.filePath("t101.csv"), bad = folder.filePath("bad.csv");
  writeFile(good,
            "tank,T-101\r\nheight unit,Meters\r\nvolume unit,Barrels\r\ncritical zone,0.5 1\r\n"
            "calibrated by,Strap Co\r\nheight,volume\r\n0,0\r\n1,100\r\n2,250\r\n");
  writeFile(bad, "height unit,Meters\r\nvolume unit,Litres\r\nheight,volume\r\n0,0\r\n1,x\r\n");
  app.seam.saveAs = folder.filePath("export.csv");
  chartWith([&](ChartPreview& preview) {
    const std::vector<ChartRow> chartRows = preview.report().recordset.rows;
    app.seam.openFrom = bad;
    EXPECT_FALSE(preview.openTable());
    ASSERT_EQ(app.seam.messages.size(), 1u);
    const std::string message = app.seam.messages[0].text;
    EXPECT_EQ(message.rfind("The capacity table " + bad.toStdString() + " could not be opened: Line 5", 0), 0u)
        << message;
    EXPECT_EQ(preview.report().recordset.rows.size(), chartRows.size()) << "the chart stays";
    app.seam.messages.clear();

    app.seam.openFrom = good;
    ASSERT_TRUE(preview.openTable());
    const ChartReport& report = preview.report();
    EXPECT_EQ(report.headers[0], "Capacity table of tank T-101");
    EXPECT_EQ(report.headers[1], "Calibrated by Strap Co.");
    EXPECT_NE(report.footers[2].find("calibrated table"), std::string::npos);
    ASSERT_EQ(report.recordset.rows.size(), 3u);
    EXPECT_EQ(report.recordset.volumeUnit, "Barrels");
    EXPECT_EQ(preview.pageCount(), 2) << "a page of rows and the fill curve";

    auto* height = preview.findChild<QLineEdit*>("TbLookupHeight");
    auto* volume = preview.findChild<QLineEdit*>("TbLookupVolume");
    auto* note = preview.findChild<QLabel*>("LblLookupNote");
    const struct {
      const char* height;
      const char* volume;  // 100 + (h − 1) × 150 above 1 m, 100 × h below
      const char* note;
    } heights[] = {{"1.5", "175.000", ""}, {"0.75", "75.000", "in the critical zone"}, {"2", "250.000", ""}};
    for (const auto& c : heights) {
      height->clear();
      QTest::keyClicks(height, c.height);  // typed last: the height box
      QTest::keyClick(height, Qt::Key_Return);
      EXPECT_EQ(volume->text(), c.volume) << c.height;
      EXPECT_EQ(note->text(), c.note) << c.height;
    }
    volume->clear();
    QTest::keyClicks(volume, "175");
    QTest::keyClick(volume, Qt::Key_Return);
    EXPECT_EQ(height->text(), "1.500");
    EXPECT_TRUE(preview.exportCsv());
  });
  EXPECT_TRUE(app.seam.messages.empty());
  QFile exported(app.seam.saveAs);
  ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
  const CapacityTableReading again = readCapacityTable(exported.readAll().toStdString());
  ASSERT_TRUE(again.table) << again.fault;
  EXPECT_EQ(again.table->info().tank, "T-101");
  EXPECT_EQ(again.table->info().calibratedBy, "Strap Co");
  ASSERT_TRUE(again.table->info().criticalZone);
  EXPECT_EQ(again.table->info().criticalZone->low, 0.5);
  EXPECT_EQ(again.table->info().criticalZone->high, 1);
  ASSERT_EQ(again.table->rows().size(), 3u);
  EXPECT_EQ(again.table->rows()[2].height, 2);
  EXPECT_EQ(again.table->rows()[2].volume, 250);
}

// The preview opens with the keys on the page; the page box follows the
// page shown, takes a page typed (grouped or not; Ctrl+G goes to it) and
// keeps the bar's width as the numbers grow.
TEST_F(ChartTools, OpensWithThePageInFocusAndAPageBoxThatJumps) {
  chartWith(
      [&](ChartPreview& preview) {
        showPreview(preview);
        auto* view = preview.findChild<PageView*>("ChartPreview");
        auto* box = preview.findChild<QLineEdit*>("PreviewPageBox");
        auto* count = preview.findChild<QLabel*>("PreviewPageCount");
        auto* bar = preview.findChild<QToolBar*>("PreviewTools");
        ASSERT_TRUE(view && box && count && bar);
        EXPECT_EQ(QApplication::focusWidget(), view);
        ASSERT_GT(preview.pageCount(), 1000) << "70,000 rows of about 66 a page";
        EXPECT_EQ(box->text(), "1");
        EXPECT_EQ(count->text(), "of " + grouped(preview.pageCount()));
        const int width = bar->sizeHint().width();
        QTest::keyClick(view, Qt::Key_PageDown);
        EXPECT_EQ(box->text(), "2");
        QTest::keyClick(view, Qt::Key_G, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), box);
        EXPECT_EQ(box->selectedText(), "2") << "the page number ready to be typed over";
        QTest::keyClicks(box, "1,000");
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(view->currentPage(), 1000);
        EXPECT_EQ(box->text(), "1,000");
        EXPECT_EQ(QApplication::focusWidget(), view) << "the keys back on the page";
        EXPECT_EQ(bar->sizeHint().width(), width) << "the bar as wide at page 1,000 as at page 1";
        struct Typed {
          const char* text;
          int page;
        };
        for (const Typed& t : {Typed{"12", 12}, Typed{"0", 1}, Typed{"999999", preview.pageCount()},
                               Typed{"twelve", preview.pageCount()}, Typed{"1,2", preview.pageCount()}}) {
          box->setFocus();
          box->selectAll();
          QTest::keyClicks(box, t.text);
          QTest::keyClick(box, Qt::Key_Return);
          EXPECT_EQ(view->currentPage(), t.page) << t.text;
          EXPECT_EQ(box->text(), grouped(t.page)) << t.text << ": the box shows the page shown";
        }
      },
      "70000");
}

// Every tool: an icon that shows without an icon theme, its keys in its
// tooltip, Alt with its mnemonic among them; and no mnemonic of the preview
// used twice (Fit Width and Whole Page shared Alt+W once).
TEST_F(ChartTools, ToolsCarryIconsTipsWithTheirKeysAndMnemonicsUsedOnce) {
  chartWith([&](ChartPreview& preview) {
    showPreview(preview);
    auto* bar = preview.findChild<QToolBar*>("PreviewTools");
    ASSERT_TRUE(bar);
    std::multiset<QString> mnemonics;
    int tools = 0;
    for (QAction* action : bar->actions()) {
      if (action->isSeparator() || action->text().isEmpty()) continue;  // the page box
      ++tools;
      SCOPED_TRACE(action->objectName().toStdString());
      const QImage icon = action->icon().pixmap(16, 16).toImage();
      ASSERT_FALSE(icon.isNull());
      bool drawn = false;
      for (int y = 0; y < icon.height() && !drawn; ++y)
        for (int x = 0; x < icon.width() && !drawn; ++x) drawn = qAlpha(icon.pixel(x, y)) > 128;
      EXPECT_TRUE(drawn) << "an icon with something in it";
      const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
      ASSERT_FALSE(mnemonic.isEmpty()) << action->text().toStdString();
      EXPECT_TRUE(action->shortcuts().contains(mnemonic));
      for (const QKeySequence& key : action->shortcuts())
        EXPECT_TRUE(action->toolTip().contains(key.toString(QKeySequence::NativeText)))
            << action->toolTip().toStdString();
      mnemonics.insert(mnemonic.toString());
    }
    EXPECT_GE(tools, 12);
    for (QLabel* label : preview.findChildren<QLabel*>())
      if (label->buddy()) mnemonics.insert(QKeySequence::mnemonic(label->text()).toString());
    for (QPushButton* button : preview.findChildren<QPushButton*>())
      mnemonics.insert(QKeySequence::mnemonic(button->text()).toString());
    for (const QString& key : mnemonics) EXPECT_EQ(mnemonics.count(key), 1u) << key.toStdString();
    EXPECT_EQ(mnemonics.count(""), 0u) << "every tool, box and button has its letter";
    // Two that shared a letter, pressed with Alt: each does its own.
    auto* view = preview.findChild<PageView*>("ChartPreview");
    QTest::keyClick(&preview, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(view->currentPage(), preview.pageCount()) << "Alt+T: the last page";
    QTest::keyClick(&preview, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(view->currentPage(), 1) << "Alt+F: the first page";
  });
}

// A lookup turns to the page of the height looked up and marks its row (the
// row's page in the PDF holds that height); numbers are taken as Copy gives
// them; a failed lookup clears the other box and the mark.
TEST_F(ChartTools, LookupShowsAndMarksTheRowOfTheHeight) {
  app.seam.saveAs = folder.filePath("chart.pdf");
  int pageOfHalfway = 0, pageOfThousand = 0;
  chartWith(
      [&](ChartPreview& preview) {
        showPreview(preview);
        auto* view = preview.findChild<PageView*>("ChartPreview");
        auto* height = preview.findChild<QLineEdit*>("TbLookupHeight");
        auto* volume = preview.findChild<QLineEdit*>("TbLookupVolume");
        ASSERT_TRUE(view && height && volume);
        ASSERT_TRUE(preview.exportPdf());
        QTest::keyClicks(height, "1.5");
        QTest::keyClick(height, Qt::Key_Return);
        EXPECT_FALSE(volume->text().isEmpty());
        pageOfHalfway = view->currentPage();
        EXPECT_GT(pageOfHalfway, 1) << "row 1,000 of 2,001";
        const QRect mark = view->markOnScreen();
        ASSERT_FALSE(mark.isEmpty());
        EXPECT_TRUE(view->viewport()->rect().contains(mark));
        // 1,000 litres in the cone of 1 m radius at 1 m deep: pi h³ / 3 = 1 m³,
        // h = (3 / pi)^(1/3) = 0.984745 m, shown with the chart's four
        // decimals; the nearest row is 0.9840 (row 656 of steps of 0.0015).
        volume->clear();
        QTest::keyClicks(volume, "1,000.0000");
        QTest::keyClick(volume, Qt::Key_Return);
        EXPECT_EQ(height->text(), "0.9847");
        pageOfThousand = view->currentPage();
        EXPECT_FALSE(view->markOnScreen().isEmpty());
        // A number out of place or a volume beyond full: a message, the other box emptied.
        height->clear();
        QTest::keyClicks(height, "1,2");
        QTest::keyClick(height, Qt::Key_Return);
        EXPECT_TRUE(volume->text().isEmpty()) << "no old answer beside the new question";
        EXPECT_TRUE(view->markOnScreen().isEmpty());
        height->clear();
        QTest::keyClicks(height, "0");
        QTest::keyClick(height, Qt::Key_Return);
        EXPECT_EQ(volume->text(), "0.000");
        volume->clear();
        QTest::keyClicks(volume, "99,999");
        QTest::keyClick(volume, Qt::Key_Return);
        EXPECT_TRUE(height->text().isEmpty());
      },
      "2000");
  ASSERT_EQ(app.seam.messages.size(), 2u);
  EXPECT_EQ(app.seam.messages[0].text, notANumberText("the liquid height"));
  EXPECT_NE(app.seam.messages[1].text.find("full"), std::string::npos);
  // Heights of 2,000 divisions of 3 m, steps of 0.0015 m, with four decimals.
  EXPECT_TRUE(pdfText(app.seam.saveAs, pageOfHalfway).contains("1.5000"));
  EXPECT_TRUE(pdfText(app.seam.saveAs, pageOfThousand).contains("0.9840"));
}

// Narrower than its tools, the preview puts the tools that do not fit into
// the bar's overflow menu, Close and Print among them.
TEST_F(ChartTools, ANarrowPreviewHasItsToolsInAnOverflowMenu) {
  chartWith([&](ChartPreview& preview) {
    showPreview(preview);
    const int narrow = 420;
    EXPECT_LE(preview.minimumSizeHint().width(), narrow);
    preview.resize(narrow, 500);
    QApplication::processEvents();
    EXPECT_EQ(preview.width(), narrow);
    auto* bar = preview.findChild<QToolBar*>("PreviewTools");
    auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button");
    ASSERT_TRUE(more);
    ASSERT_TRUE(more->isVisible()) << "the overflow button";
    auto* close = preview.findChild<QAction*>("PreviewClose");
    ASSERT_TRUE(close);
    EXPECT_FALSE(bar->widgetForAction(close)->isVisible()) << "Close does not fit";
    QMenu* menu = nullptr;
    QTimer::singleShot(0, &preview, [&] {
      menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu) menu->close();
    });
    more->click();
    QApplication::processEvents();
    ASSERT_TRUE(menu) << "the overflow opens a menu";
    EXPECT_TRUE(menu->actions().contains(close));
    EXPECT_TRUE(menu->actions().contains(preview.findChild<QAction*>("PreviewPrint")));
    // Wide again, every tool is on the bar.
    preview.resize(1200, 500);
    QApplication::processEvents();
    EXPECT_TRUE(bar->widgetForAction(close)->isVisible());
  });
}

// F1 in the preview opens the help file at its section on the preview and
// its tools; the section is there.
TEST_F(ChartTools, F1OpensTheHelpOnTheChartTools) {
  chartWith([&](ChartPreview& preview) {
    showPreview(preview);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  });
  ASSERT_EQ(app.seam.helpSections, QStringList{"chartpreview"});
  EXPECT_TRUE(app.seam.helpOpened[0].endsWith("/CalvexaHelp.html"));
  EXPECT_TRUE(readAll(QStringLiteral(CALVEXA_HELP_SOURCE)).contains("<a name=\"chartpreview\">"));
}

// At twice the scale on a screen of 1600 by 1200 (800 by 600 to the
// program), the preview opens within the screen's free area. These tests run
// in their own processes with that screen and scale (tests/CMakeLists.txt).
class ScaleTwo : public ChartTools {
 protected:
  void SetUp() override {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().size() * screen->devicePixelRatio(), QSize(1600, 1200))
        << "run with the screen of support/screen_1600x1200.json";
    ASSERT_EQ(screen->devicePixelRatio(), 2) << "run with QT_SCALE_FACTOR=2";
    ChartTools::SetUp();
  }
};

TEST_F(ScaleTwo, ThePreviewOpensInsideTheScreen) {
  chartWith([&](ChartPreview& preview) {
    showPreview(preview);
    const QRect room = preview.screen()->availableGeometry();
    EXPECT_TRUE(room.contains(preview.frameGeometry()))
        << preview.frameGeometry().width() << "x" << preview.frameGeometry().height();
    auto* close = preview.findChild<QAction*>("PreviewClose");
    auto* bar = preview.findChild<QToolBar*>("PreviewTools");
    const bool onBar = bar->widgetForAction(close)->isVisible();
    const bool inMenu = bar->findChild<QToolButton*>("qt_toolbar_ext_button")->isVisible();
    EXPECT_TRUE(onBar || inMenu) << "Close within reach";
  });
}

}  // namespace
}  // namespace calvexa
