#include "ui/printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPdfWriter>

#include "ui/print_module.h"

namespace calvexa {
namespace {

struct LoadedModule {
  const PrintModuleFunctions* functions = nullptr;  // none: not available
  QString reason;                                   // why not
};

// Loaded once, from the program's folder, when first asked for; it stays
// loaded for the rest of the run.
LoadedModule loadModule() {
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kPrintModuleFile));
  QLibrary library(path);
  library.setLoadHints(QLibrary::PreventUnloadHint);
  const auto entry = reinterpret_cast<CalvexaPrintModuleEntry>(library.resolve(kPrintModuleEntry));
  if (!entry) return {.reason = library.errorString()};
  return {.functions = entry(), .reason = {}};
}

const PrintModuleFunctions* loadedFunctions = nullptr;  // once the module is loaded

const LoadedModule& module() {
  static const LoadedModule loaded = [] {
    LoadedModule tried = loadModule();
    loadedFunctions = tried.functions;
    return tried;
  }();
  return loaded;
}

// The module's functions when `device` is one of its printers (only a loaded
// module has made any: asking loads nothing).
const PrintModuleFunctions* printerFunctions(const QPagedPaintDevice& device) {
  return loadedFunctions && loadedFunctions->isPrinter(device) ? loadedFunctions : nullptr;
}

std::unique_ptr<QPagedPaintDevice> makeDevice(Printer::Resolution resolution) {
  const bool high = resolution == Printer::Resolution::High;
  if (const PrintModuleFunctions* functions = module().functions)
    return std::unique_ptr<QPagedPaintDevice>(functions->makePrinter(high));
  auto writer = std::make_unique<QPdfWriter>(QString());
  if (!high) writer->setResolution(96);
  return writer;
}

}  // namespace

Printer::Printer(Resolution resolution) : device_(makeDevice(resolution)) {}
Printer::~Printer() = default;

bool Printer::available() const { return printerFunctions(*device_) != nullptr; }

QString Printer::unavailableReason() const { return module().reason; }

QString Printer::outputFileName() const {
  const PrintModuleFunctions* functions = printerFunctions(*device_);
  return functions ? functions->outputFileName(*device_) : QString();
}

QString Printer::printerName() const {
  const PrintModuleFunctions* functions = printerFunctions(*device_);
  return functions ? functions->printerName(*device_) : QString();
}

int Printer::resolution() const {
  if (const PrintModuleFunctions* functions = printerFunctions(*device_)) return functions->resolution(*device_);
  return static_cast<const QPdfWriter&>(*device_).resolution();
}

void Printer::setDocName(const QString& name) {
  if (const PrintModuleFunctions* functions = printerFunctions(*device_)) functions->setDocName(*device_, name);
}

QDialog* Printer::makeDialog(QWidget* owner, const QString& path) {
  const PrintModuleFunctions* functions = printerFunctions(*device_);
  return functions ? functions->makeDialog(*device_, owner, path) : nullptr;
}

void Printer::printToFile(const QString& path) {
  if (const PrintModuleFunctions* functions = printerFunctions(*device_)) functions->printToFile(*device_, path);
}

void abortPrinting(QPagedPaintDevice& device) {
  if (const PrintModuleFunctions* functions = printerFunctions(device)) functions->abort(device);
}

}  // namespace calvexa
