#include "ui/print_module.h"

#include <QPrintDialog>
#include <QPrinter>

namespace calvexa {
namespace {

QPrinter& printer(QPagedPaintDevice& device) { return static_cast<QPrinter&>(device); }
const QPrinter& printer(const QPagedPaintDevice& device) { return static_cast<const QPrinter&>(device); }

const PrintModuleFunctions kFunctions = {
    .makePrinter = [](bool highResolution) -> QPagedPaintDevice* {
      return new QPrinter(highResolution ? QPrinter::HighResolution : QPrinter::ScreenResolution);
    },
    .isPrinter = [](const QPagedPaintDevice& device) { return dynamic_cast<const QPrinter*>(&device) != nullptr; },
    .outputFileName = [](const QPagedPaintDevice& device) { return printer(device).outputFileName(); },
    .printerName = [](const QPagedPaintDevice& device) { return printer(device).printerName(); },
    .resolution = [](const QPagedPaintDevice& device) { return printer(device).resolution(); },
    .setDocName = [](QPagedPaintDevice& device, const QString& name) { printer(device).setDocName(name); },
    .abort = [](QPagedPaintDevice& device) { printer(device).abort(); },
    .makeDialog = [](QPagedPaintDevice& device, QWidget* owner, const QString& path) -> QDialog* {
      printer(device).setOutputFileName(path);
      printer(device).setOutputFormat(QPrinter::NativeFormat);
      return new QPrintDialog(&printer(device), owner);
    },
    .printToFile =
        [](QPagedPaintDevice& device, const QString& path) {
          printer(device).setOutputFormat(QPrinter::PdfFormat);
          printer(device).setOutputFileName(path);
        },
};

}  // namespace
}  // namespace calvexa

extern "C" __attribute__((visibility("default"))) const calvexa::PrintModuleFunctions* calvexa_print_module() {
  return &calvexa::kFunctions;
}
