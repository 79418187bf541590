#include "support/recorder_seam.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QPagedPaintDevice>
#include <QPointer>
#include <algorithm>

#include "app/program_windows.h"
#include "ui/printer.h"
#include "ui/save_file.h"

namespace calvexa {

void RecorderSeam::showMessage(QWidget*, const Message& message) { messages.push_back(message); }

void RecorderSeam::runModal(QWidget& window) {
  modals.push_back(window.objectName());
  QPointer<QWidget> open(&window);  // the test may make it go away
  if (answerModal) answerModal(window);
  if (open && open->isVisible()) open->hide();
}

QString RecorderSeam::askSaveFileName(QWidget*, const QString&, const QString& suggested, const QString&) {
  suggestedNames.push_back(suggested);
  return saveAs;
}

QString RecorderSeam::askOpenFileName(QWidget*, const QString& caption, const QString&) {
  openCaptions.push_back(caption);
  return openFrom;
}

QString RecorderSeam::readFile(const QString& path, qint64 mostBytes, QByteArray& contents) {
  return readUpTo(path, mostBytes, contents);
}

namespace {

// Passes writes on to the file until `failAt` bytes are written, then fails
// with `reason`, as a disk that fills up there does.
class FailingDevice : public QIODevice {
 public:
  FailingDevice(QIODevice& file, qint64 failAt, QString reason)
      : file_(file), failAt_(failAt), reason_(std::move(reason)) {
    open(QIODevice::WriteOnly);
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 length) override {
    const qint64 room = std::max<qint64>(0, failAt_ - written_);
    const qint64 passed = file_.write(data, std::min(length, room));
    if (passed > 0) written_ += passed;
    if (passed == length) return length;
    setErrorString(reason_);
    return -1;
  }

 private:
  QIODevice& file_;
  qint64 failAt_;
  QString reason_;
  qint64 written_ = 0;
};

}  // namespace

QString RecorderSeam::saveFile(const QString& path, const QByteArray& contents) {
  if (failSaveAt < 0) return saveWhole(path, contents);
  return saveWhole(path, contents, [this](QIODevice& file) -> std::unique_ptr<QIODevice> {
    return std::make_unique<FailingDevice>(file, failSaveAt, failSaveReason);
  });
}

bool RecorderSeam::askPrinter(QWidget*, Printer& printer, const QString& suggested) {
  ++printersAsked;
  suggestedNames.push_back(suggested);
  if (choosePrinter) choosePrinter(printer.device());
  if (printerAccepted && !printTo.isEmpty()) printer.printToFile(printTo);
  return printerAccepted;
}

namespace {

class RecordedProgress : public Progress {
 public:
  RecordedProgress(int cancelAt, std::function<void(int)> step) : cancelAt_(cancelAt), step_(std::move(step)) {}
  bool advance(int done) override {
    if (step_) step_(done);
    return cancelAt_ < 0 || done < cancelAt_;
  }

 private:
  int cancelAt_;
  std::function<void(int)> step_;
};

}  // namespace

std::unique_ptr<Progress> RecorderSeam::startProgress(QWidget*, const QString& label, int) {
  progressLabels.push_back(label);
  return std::make_unique<RecordedProgress>(cancelProgressAt, whileProgress);
}

void RecorderSeam::setBusyPointer(bool busy) {
  if (busy) {
    ++busyDepth;
    ++busyBrackets;
  } else {
    --busyDepth;
  }
}

QString RecorderSeam::findProgram(const QString& name) {
  return programsOnPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
}

bool RecorderSeam::startDetached(const QString& program, const QStringList&) {
  started.push_back(program);
  return startSucceeds;
}

void RecorderSeam::openHelp(QWidget*, const QString& path, const QString& section) {
  helpOpened.push_back(path);
  helpSections.push_back(section);
}

std::vector<std::string> RecorderSeam::messageTexts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

TestApp::TestApp() : registry(std::make_unique<WindowRegistry>(seam, [this] { quitCalled = true; })) {
  registerWindows(*registry, configuredHelp);
}

TestApp::~TestApp() {
  registry.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace calvexa
