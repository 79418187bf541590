// A printer of the platform. Printers come from the print module
// (ui/print_module.h), which is loaded when the first printer is made: the
// program starts without the printing libraries. Where the module cannot be
// loaded, the printer is a PDF writer of the same kind of page, so a preview
// still lays its pages out, and printing says why it is not available.
#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <memory>

class QDialog;
class QWidget;

namespace calvexa {

class Printer {
 public:
  enum class Resolution { Screen, High };

  explicit Printer(Resolution resolution);
  ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  QPagedPaintDevice& device() { return *device_; }
  const QPagedPaintDevice& device() const { return *device_; }
  // False where the print module could not be loaded (see unavailableReason).
  bool available() const;
  QString unavailableReason() const;

  // The file chosen in the print dialog for printing to a file; empty for a printer.
  QString outputFileName() const;
  QString printerName() const;
  int resolution() const;  // dots per inch
  void setDocName(const QString& name);
  // The platform's print dialog for this printer, offering `path` for
  // printing to a file; nullptr where printing is not available.
  QDialog* makeDialog(QWidget* owner, const QString& path);
  // Prints to the PDF file `path`, as when the dialog's file is chosen.
  void printToFile(const QString& path);

 private:
  std::unique_ptr<QPagedPaintDevice> device_;
};

// Drops the print job on `device` when it is a printer; a PDF writer has no
// job to drop.
void abortPrinting(QPagedPaintDevice& device);

}  // namespace calvexa
