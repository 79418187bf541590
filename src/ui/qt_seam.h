// The program's own seam: real message boxes, pointer, clipboard, processes, help.
#pragma once

#include <QPointer>

#include "ui/help_viewer.h"
#include "ui/seam.h"

class QWidget;

namespace calvexa {

// "\r\n" and lone "\r" become display line breaks.
QString displayText(const std::string& text);

class QtSeam : public Seam {
 public:
  void showMessage(QWidget* owner, const Message& message) override;
  void runModal(QWidget& window) override;
  QString saveFile(const QString& path, const QByteArray& contents) override;
  QString askOpenFileName(QWidget* owner, const QString& caption, const QString& filter) override;
  QString readFile(const QString& path, qint64 mostBytes, QByteArray& contents) override;
  bool askPrinter(QWidget* owner, Printer& printer, const QString& suggested) override;
  QString askSaveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                          const QString& filter) override;
  std::unique_ptr<Progress> startProgress(QWidget* owner, const QString& label, int total) override;
  void setBusyPointer(bool busy) override;
  void clearClipboard() override;
  void setClipboardText(const QString& text) override;
  QString clipboardText() override;
  QString selectionText() override;
  QString findProgram(const QString& name) override;
  bool startDetached(const QString& program, const QStringList& arguments) override;
  void openHelp(QWidget* owner, const QString& path, const QString& section) override;
  ~QtSeam() override;

  // The viewer now open, if any.
  HelpViewer* helpViewer() const { return helpViewer_; }

 private:
  QPointer<HelpViewer> helpViewer_;
};

}  // namespace calvexa
