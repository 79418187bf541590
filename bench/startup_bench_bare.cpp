// The baseline of the start-up benchmark: the main menu's content built the
// plain Qt way, in a program that links only what that content needs (Widgets
// and Svg, and the same pictures). The same menus and items, the welcome
// text, the two side pictures, seven picture buttons with the program's
// pictures at the same size and place, the Exit button, a status bar of three
// panels, the window icon; none of the program's own machinery (no splash, no
// other windows loaded, no gradient, no resizer).
//
//   startup_bench_bare [map]    one start, reported as first_paint.h says
#include <QDateTime>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QSvgWidget>
#include <QToolButton>

#include "first_paint.h"

namespace {

struct Picture {
  const char* file;
  QRect place;
};

// The main menu's pictures and where it puts them, in pixels.
constexpr Picture kSidePictures[] = {
    {":/pictures/derrick.svg", {20, 70, 64, 110}},
    {":/pictures/flask.svg", {496, 70, 64, 110}},
};
constexpr Picture kButtons[] = {
    {":/pictures/conversion.svg", {100, 70, 90, 90}},  {":/pictures/tank.svg", {200, 70, 90, 90}},
    {":/pictures/annulus.svg", {300, 70, 90, 90}},     {":/pictures/pipeline.svg", {400, 70, 90, 90}},
    {":/pictures/coating.svg", {150, 180, 90, 90}},    {":/pictures/fuel.svg", {250, 180, 90, 90}},
    {":/pictures/calculator.svg", {350, 180, 90, 90}},
};

void addMenus(QMainWindow& window) {
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("&About..."));
  help->addSeparator();
  help->addAction(QStringLiteral("&Help"));
}

void addContent(QWidget* area) {
  auto* welcome =
      new QLabel(QStringLiteral("Welcome to the Calvexa program. It is meant for those who need to convert units and "
                                "calculate volumes in the field."),
                 area);
  welcome->setWordWrap(true);
  welcome->setGeometry(20, 10, 540, 44);
  for (const Picture& p : kSidePictures) (new QSvgWidget(QString::fromUtf8(p.file), area))->setGeometry(p.place);
  for (const Picture& p : kButtons) {
    auto* button = new QToolButton(area);
    button->setIcon(QIcon(QString::fromUtf8(p.file)));
    button->setIconSize(p.place.size() - QSize(6, 6));
    button->setToolTip(QStringLiteral("Press to open"));
    button->setGeometry(p.place);
  }
  auto* exit = new QPushButton(QStringLiteral("E&xit"), area);
  exit->setToolTip(QStringLiteral("Press to Exit program"));
  exit->setGeometry(240, 300, 100, 30);
}

void addStatusPanels(QMainWindow& window) {
  const QDateTime now = QDateTime::currentDateTime();
  const QLocale locale;
  window.statusBar()->addWidget(new QLabel(QStringLiteral("Press F1 for Help")), 1);
  window.statusBar()->addPermanentWidget(new QLabel(locale.toString(now.date(), QLocale::ShortFormat)));
  window.statusBar()->addPermanentWidget(new QLabel(locale.toString(now.time(), QLocale::ShortFormat)));
}

}  // namespace

int main(int argc, char** argv) {
  const startup_bench::FirstPaint::Stop stop = startup_bench::stopFrom(argc, argv);
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/calvexa.svg")));
  startup_bench::FirstPaint watcher(QStringLiteral("MainMenu"), stop);
  QMainWindow window;
  window.setObjectName(QStringLiteral("MainMenu"));
  window.setWindowTitle(QStringLiteral("Main Menu"));
  addMenus(window);
  auto* area = new QWidget;
  addContent(area);
  window.setCentralWidget(area);
  addStatusPanels(window);
  window.resize(580, 350 + window.menuBar()->sizeHint().height() + window.statusBar()->sizeHint().height());
  window.show();
  return app.exec();
}
