// The print module: the only code of the program that uses Qt's printing
// library. It is built as calvexa-print.so beside the program, which loads it
// when the first printer is made (ui/printer.h), so starting the program does
// not load the printing libraries. Every function takes a device that the
// module's makePrinter made.
#pragma once

#include <QString>

class QDialog;
class QPagedPaintDevice;
class QWidget;

namespace calvexa {

struct PrintModuleFunctions {
  QPagedPaintDevice* (*makePrinter)(bool highResolution);
  bool (*isPrinter)(const QPagedPaintDevice& device);  // made by makePrinter
  QString (*outputFileName)(const QPagedPaintDevice& printer);
  QString (*printerName)(const QPagedPaintDevice& printer);
  int (*resolution)(const QPagedPaintDevice& printer);
  void (*setDocName)(QPagedPaintDevice& printer, const QString& name);
  void (*abort)(QPagedPaintDevice& printer);
  // The platform's print dialog, a printer its first choice and `path` the
  // file offered for printing to a file.
  QDialog* (*makeDialog)(QPagedPaintDevice& printer, QWidget* owner, const QString& path);
  void (*printToFile)(QPagedPaintDevice& printer, const QString& path);  // PDF, as a dialog's file choice
};

// The module's one entry point, found by this name.
inline constexpr char kPrintModuleEntry[] = "calvexa_print_module";
inline constexpr char kPrintModuleFile[] = "calvexa-print.so";

}  // namespace calvexa

extern "C" {
using CalvexaPrintModuleEntry = const calvexa::PrintModuleFunctions* (*)();
}
