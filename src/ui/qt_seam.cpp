#include "ui/qt_seam.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QWindow>

#include "ui/file_folders.h"
#include "ui/printer.h"
#include "ui/save_file.h"
#include "ui/screen_fit.h"

namespace calvexa {
namespace {

QMessageBox::Icon boxIcon(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Critical:
      return QMessageBox::Critical;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QString displayText(const std::string& text) {
  QString out = QString::fromStdString(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

namespace {

// Runs a modal dialog owned by `owner`, which may be closed and deleted while
// the dialog's loop runs (deleting the dialog with it): the dialog is freed
// once, by whichever goes first. Returns the dialog's result, Rejected when
// it went with its owner.
int execOwned(QDialog* dialog) {
  const QPointer<QDialog> open(dialog);
  const int result = dialog->exec();
  if (!open) return QDialog::Rejected;
  delete dialog;
  return result;
}

}  // namespace

void QtSeam::showMessage(QWidget* owner, const Message& message) {
  const QString title = message.title.empty() ? QStringLiteral("Calvexa") : QString::fromStdString(message.title);
  execOwned(new QMessageBox(boxIcon(message.icon), title, displayText(message.text), QMessageBox::Ok, owner));
}

namespace {

// Ends a local event loop when the window it watches is hidden.
class HideWatch : public QObject {
 public:
  HideWatch(QWidget& window, QEventLoop& loop) : loop_(loop) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide) loop_.quit();
    return false;
  }

 private:
  QEventLoop& loop_;
};

}  // namespace

void QtSeam::runModal(QWidget& window) {
  fitInsideScreen(window);
  if (auto* dialog = qobject_cast<QDialog*>(&window)) {
    dialog->exec();
    return;
  }
  QPointer<QWidget> guard(&window);
  window.setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  HideWatch watch(window, loop);
  QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
  window.show();
  fitInsideScreen(window);  // again, with the frame the window system gave it
  window.raise();
  window.activateWindow();
  loop.exec(QEventLoop::DialogExec);
  if (guard) guard->setWindowModality(Qt::NonModal);
}

QString QtSeam::askSaveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                                const QString& filter) {
  const QString chosen = QFileDialog::getSaveFileName(owner, caption, suggestedPath(suggested), filter);
  rememberFolder(chosen);
  return chosen;
}

QString QtSeam::saveFile(const QString& path, const QByteArray& contents) { return saveWhole(path, contents); }

QString QtSeam::askOpenFileName(QWidget* owner, const QString& caption, const QString& filter) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileDialog::getOpenFileName(owner, caption, folder, filter);
}

QString QtSeam::readFile(const QString& path, qint64 mostBytes, QByteArray& contents) {
  return readUpTo(path, mostBytes, contents);
}

// The file name is offered for printing to a file; a printer, where there is
// one, stays the dialog's first choice.
bool QtSeam::askPrinter(QWidget* owner, Printer& printer, const QString& suggested) {
  QDialog* dialog = printer.makeDialog(owner, suggestedPath(suggested));
  if (!dialog) {
    showMessage(owner, Message{"Printing is not available: " + printer.unavailableReason().toStdString() + ".", "",
                               Icon::Exclamation});
    return false;
  }
  if (execOwned(dialog) != QDialog::Accepted) return false;
  rememberFolder(printer.outputFileName());
  return true;
}

namespace {

// A window-modal progress dialog; it shows itself once the task takes a
// while. Its owner may be closed while it shows (deleting the dialog with
// it): that cancels the task, and the dialog is freed once.
class DialogProgress : public Progress {
 public:
  DialogProgress(QWidget* owner, const QString& label, int total)
      : dialog_(new QProgressDialog(label, QStringLiteral("Cancel"), 0, total, owner)) {
    dialog_->setWindowTitle(QStringLiteral("Calvexa"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(300);
    dialog_->setValue(0);
  }
  ~DialogProgress() override { delete dialog_.data(); }
  DialogProgress(const DialogProgress&) = delete;
  DialogProgress& operator=(const DialogProgress&) = delete;
  bool advance(int done) override {
    if (dialog_) dialog_->setValue(done);
    return dialog_ && !dialog_->wasCanceled();
  }

 private:
  QPointer<QProgressDialog> dialog_;
};

}  // namespace

std::unique_ptr<Progress> QtSeam::startProgress(QWidget* owner, const QString& label, int total) {
  return std::make_unique<DialogProgress>(owner, label, total);
}

void QtSeam::setBusyPointer(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtSeam::clearClipboard() { QApplication::clipboard()->clear(); }

void QtSeam::setClipboardText(const QString& text) { QApplication::clipboard()->setText(text); }

QString QtSeam::clipboardText() { return QApplication::clipboard()->text(); }

QString QtSeam::selectionText() {
  QClipboard* clipboard = QApplication::clipboard();
  return clipboard->supportsSelection() ? clipboard->text(QClipboard::Selection) : QString();
}

QString QtSeam::findProgram(const QString& name) { return QStandardPaths::findExecutable(name); }

bool QtSeam::startDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

// The viewer has no parent window: it stays open when the window it was
// opened from is closed. Opened from a modal window (the divisions dialog),
// it belongs to that window for the window system, so the modal does not
// block it and it stands in front. It is shown, at its size on the screen,
// before it turns to the section, which then comes to the top.
void QtSeam::openHelp(QWidget*, const QString& path, const QString& section) {
  if (!QFile::exists(path)) return;  // a missing help file is the viewer's concern
  if (!helpViewer_) helpViewer_ = new HelpViewer;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == helpViewer_) modal = nullptr;
  helpViewer_->winId();  // its window exists before it is shown
  if (modal) modal->winId();
  helpViewer_->windowHandle()->setTransientParent(modal ? modal->windowHandle() : nullptr);
  helpViewer_->show();
  fitInsideScreen(*helpViewer_);
  helpViewer_->open(path, section);
  helpViewer_->raise();
  helpViewer_->activateWindow();
}

QtSeam::~QtSeam() { delete helpViewer_.data(); }

}  // namespace calvexa
