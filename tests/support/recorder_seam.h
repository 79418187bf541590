// A seam for window tests: records every message instead of showing a modal
// box, tracks the busy pointer and keeps an in-memory clipboard.
#pragma once

#include <QPagedPaintDevice>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/configured_help.h"
#include "ui/registry.h"
#include "ui/seam.h"

namespace calvexa {

class RecorderSeam : public Seam {
 public:
  void showMessage(QWidget* owner, const Message& message) override;
  // Records the window and lets the test answer it (click its buttons, type
  // into it); a window left open is hidden, so nothing waits for a user.
  void runModal(QWidget& window) override;
  // Records the request; the test says whether the user printed.
  // Saves as the program does; with `failSaveAt` set, through a device that
  // fails as a full disk does once that many bytes are written.
  QString saveFile(const QString& path, const QByteArray& contents) override;
  // Records the suggested name.
  bool askPrinter(QWidget* owner, Printer& printer, const QString& suggested) override;
  // Records the caption; answers with `openFrom` (empty: cancelled).
  QString askOpenFileName(QWidget* owner, const QString& caption, const QString& filter) override;
  // Reads as the program does.
  QString readFile(const QString& path, qint64 mostBytes, QByteArray& contents) override;
  // Records the suggested name; answers with `saveAs` (empty: cancelled).
  QString askSaveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                          const QString& filter) override;
  // Records the task; the test may cancel it after a given step.
  std::unique_ptr<Progress> startProgress(QWidget* owner, const QString& label, int total) override;
  void setBusyPointer(bool busy) override;
  void clearClipboard() override {
    clipboard_.clear();
    clipboardCleared_++;
  }
  void setClipboardText(const QString& text) override { clipboard_ = text; }
  QString clipboardText() override { return clipboard_; }
  QString selectionText() override { return selection_; }
  QString findProgram(const QString& name) override;
  bool startDetached(const QString& program, const QStringList& arguments) override;
  void openHelp(QWidget* owner, const QString& path, const QString& section) override;

  std::vector<Message> messages;
  QStringList modals;                         // objectNames of the modal windows run, in order
  std::function<void(QWidget&)> answerModal;  // what the test does in a modal window
  int printersAsked = 0;
  QStringList suggestedNames;  // file names the save and print dialogs offered
  QString saveAs;              // the file the user chooses
  QStringList openCaptions;    // captions of the open dialogs asked
  QString openFrom;            // the file the user opens
  qint64 failSaveAt = -1;      // the byte at which saving fails; -1: never
  QString failSaveReason = QStringLiteral("No space left on device");
  bool printerAccepted = false;
  QString printTo;                                        // when printing is accepted: the PDF file the user prints to
  std::function<void(QPagedPaintDevice&)> choosePrinter;  // what else the user chooses in the print dialog
  QStringList progressLabels;                             // tasks that reported progress
  int cancelProgressAt = -1;                              // cancel once this step is reached; -1: never
  std::function<void(int)> whileProgress;                 // what the test does at each step reported
  std::vector<std::string> messageTexts() const;
  int busyDepth = 0;     // nesting of busy-pointer calls now
  int busyBrackets = 0;  // how many times the pointer was set busy
  int clipboardCleared_ = 0;
  QString clipboard_;
  QString selection_;          // the desktop's selection, for a middle-click paste
  QStringList programsOnPath;  // names findProgram reports as found
  bool startSucceeds = true;
  QStringList started;       // programs started
  QStringList helpOpened;    // help paths opened
  QStringList helpSections;  // and the section of each
};

// A registry with every window of the program, recording messages; quitting
// is recorded.
struct TestApp {
  TestApp();
  ~TestApp();
  RecorderSeam seam;
  bool quitCalled = false;
  ConfiguredHelp configuredHelp;
  std::unique_ptr<WindowRegistry> registry;

  template <class T = QWidget>
  T* window(WindowKey key) const {
    return qobject_cast<T*>(registry->find(key));
  }
};

}  // namespace calvexa
