// A program whose print module is missing: this test runs from a folder
// without calvexa-print.so. Printers are then PDF writers of the same kind of
// page, so a preview still lays its pages out, and nothing that asks for
// printing crashes; the reason names the module.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPageLayout>

#include "ui/printer.h"

namespace calvexa {
namespace {

TEST(PrinterWithoutModule, LaysOutPagesAndSaysWhyPrintingIsUnavailable) {
  for (const Printer::Resolution resolution : {Printer::Resolution::Screen, Printer::Resolution::High}) {
    Printer printer(resolution);
    EXPECT_FALSE(printer.available());
    EXPECT_TRUE(printer.unavailableReason().contains(QLatin1String("calvexa-print.so")))
        << printer.unavailableReason().toStdString();
    EXPECT_TRUE(printer.device().pageLayout().isValid());
    EXPECT_GT(printer.resolution(), 0);
    EXPECT_EQ(printer.makeDialog(nullptr, QStringLiteral("chart.pdf")), nullptr);
    EXPECT_TRUE(printer.outputFileName().isEmpty());
    printer.printToFile(QStringLiteral("chart.pdf"));  // nothing to set
    abortPrinting(printer.device());                   // no job to drop
  }
}

}  // namespace
}  // namespace calvexa

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
