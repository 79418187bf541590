// The program's help viewer: the help file in a window of its own, with Back,
// Forward, Contents and Find. It stays open when the window it was opened
// from is closed; Escape closes it.
#pragma once

#include <QUrl>
#include <QWidget>

class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace calvexa {

class HelpViewer : public QWidget {
  Q_OBJECT
 public:
  HelpViewer();

  // Shows `path` at its section `section` (an anchor; empty: the contents).
  void open(const QString& path, const QString& section);
  QTextBrowser* browser() const { return browser_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showContents();
  void findNext();
  QTextBrowser* browser_;
  QLineEdit* find_;
  QUrl contents_;
  // The section opened, kept at the top while the window system sizes the
  // viewer, until the user scrolls or goes elsewhere.
  QString section_;
};

}  // namespace calvexa
