#include "ui/qt_seam.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

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

void QtSeam::showMessage(QWidget* owner, const Message& message) {
  const QString title = message.title.empty() ? QStringLiteral("Calvexa") : QString::fromStdString(message.title);
  QMessageBox box(boxIcon(message.icon), title, displayText(message.text), QMessageBox::Ok, owner);
  box.exec();
}

int QtSeam::runDialog(QDialog& dialog) { return dialog.exec(); }

namespace {

// A window-modal progress dialog; it shows itself once the task takes a while.
class DialogProgress : public Progress {
 public:
  DialogProgress(QWidget* owner, const QString& label, int total)
      : dialog_(label, QStringLiteral("Cancel"), 0, total, owner) {
    dialog_.setWindowTitle(QStringLiteral("Calvexa"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(300);
    dialog_.setValue(0);
  }
  bool advance(int done) override {
    dialog_.setValue(done);
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
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

QString QtSeam::findProgram(const QString& name) { return QStandardPaths::findExecutable(name); }

bool QtSeam::startDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

void QtSeam::openHelp(QWidget* owner, const QString& path) {
  if (!QFile::exists(path)) return;  // a missing help file is the viewer's concern
  if (!helpViewer_) {
    auto* viewer = new QWidget(owner, Qt::Window);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setObjectName(QStringLiteral("HelpViewer"));
    viewer->setWindowTitle(QStringLiteral("Calvexa Help"));
    auto* layout = new QVBoxLayout(viewer);
    auto* browser = new QTextBrowser(viewer);
    browser->setObjectName(QStringLiteral("HelpBrowser"));
    browser->setOpenExternalLinks(false);
    layout->addWidget(browser);
    viewer->resize(720, 640);
    helpViewer_ = viewer;
  }
  auto* browser = helpViewer_->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
  browser->setSource(QUrl::fromLocalFile(path));
  helpViewer_->show();
  helpViewer_->raise();
  helpViewer_->activateWindow();
}

}  // namespace calvexa
