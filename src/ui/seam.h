// The one seam for everything modal or external: message boxes, the program's
// own modal windows (a dialog, a print preview), the save and print dialogs
// and saving the file chosen, progress with Cancel, the busy pointer, the
// clipboard, starting a program and opening help. The program uses QtSeam;
// tests install a recorder.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

#include "core/outcome.h"

class QWidget;

namespace calvexa {

class Printer;

// A long task's progress, shown with a Cancel button while it lives.
class Progress {
 public:
  virtual ~Progress() = default;
  // Reports `done` steps of the total; false once the user has cancelled.
  virtual bool advance(int done) = 0;
};

class Seam {
 public:
  virtual ~Seam() = default;

  // A modal box with an OK button; an empty title means "Calvexa".
  virtual void showMessage(QWidget* owner, const Message& message) = 0;

  // Shows one of the program's own modal windows (a dialog, a print preview)
  // and returns once it is hidden or closed.
  virtual void runModal(QWidget& window) = 0;

  // The desktop's save dialog: the file the user chose, or empty when the
  // user cancelled. `suggested` is the file name offered, in the folder a
  // file was saved in last (else Documents, else home).
  virtual QString askSaveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                                  const QString& filter) = 0;

  // Saves `contents` as the file `path` the user chose, whole or not at all:
  // an old file is replaced only once every byte is written. Empty when
  // saved, otherwise the system's reason, the old file untouched.
  virtual QString saveFile(const QString& path, const QByteArray& contents) = 0;

  // The desktop's open dialog: the file the user chose, or empty when the
  // user cancelled.
  virtual QString askOpenFileName(QWidget* owner, const QString& caption, const QString& filter) = 0;

  // Reads the file `path` the user chose, at most `mostBytes` + 1 bytes of
  // it. Empty when read, otherwise the system's reason.
  virtual QString readFile(const QString& path, qint64 mostBytes, QByteArray& contents) = 0;

  // The platform's print dialog for `printer`; false when the user cancels.
  // Printing to a file offers `suggested` as the save dialog does.
  virtual bool askPrinter(QWidget* owner, Printer& printer, const QString& suggested) = 0;

  // Progress of a task of `total` steps over `owner`, with Cancel.
  virtual std::unique_ptr<Progress> startProgress(QWidget* owner, const QString& label, int total) = 0;

  // Busy pointer (arrow and hourglass) on or off; calls nest.
  virtual void setBusyPointer(bool busy) = 0;

  virtual void clearClipboard() = 0;
  virtual void setClipboardText(const QString& text) = 0;
  virtual QString clipboardText() = 0;
  // The text of the desktop's selection, which a middle click pastes; a null
  // text where the platform has no selection.
  virtual QString selectionText() = 0;

  // Full path of a program found on the PATH, or empty.
  virtual QString findProgram(const QString& name) = 0;
  // Starts a program with arguments (no shell), without waiting; false if it failed.
  virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;

  // Opens the help file at `section` (an anchor; empty: its contents) in a
  // viewer that outlives `owner`; a missing file is reported by nothing.
  virtual void openHelp(QWidget* owner, const QString& path, const QString& section) = 0;
};

// Keeps the busy pointer on for its lifetime, whatever way the scope is left.
class BusyPointer {
 public:
  explicit BusyPointer(Seam& seam) : seam_(seam) { seam_.setBusyPointer(true); }
  ~BusyPointer() { seam_.setBusyPointer(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Seam& seam_;
};

}  // namespace calvexa
