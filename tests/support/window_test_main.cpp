// The main of the window tests: the offscreen platform, the C locale, and a
// watch on modal widgets. A modal box that bypassed the seam would wait for a
// user who never comes; the watch fails the test within about a second and
// closes it instead of letting the test hang until its timeout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>

namespace {

// The offscreen platform says what it cannot do on every window shown; that is
// noise in test output, not a finding.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

constexpr int kModalPatienceMs = 1000;

void closeModal(QWidget* modal) {
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

QString describe(const QWidget* modal) {
  return QStringLiteral("%1 \"%2\"").arg(QString::fromUtf8(modal->metaObject()->className()), modal->windowTitle());
}

// Checks a few times a second, also from inside a modal widget's own loop.
class ModalWatch : public QObject {
 public:
  ModalWatch() {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &ModalWatch::check);
    timer_.start();
  }

 private:
  void check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != seen_) {
      seen_ = modal;
      open_.start();
      return;
    }
    if (!modal || open_.elapsed() < kModalPatienceMs) return;
    ADD_FAILURE() << "a modal widget stayed open without the seam: " << describe(modal).toStdString();
    closeModal(modal);
  }

  QTimer timer_;
  QPointer<QWidget> seen_;
  QElapsedTimer open_;
};

// After each test no modal widget may be left open.
class ModalLeftOpen : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "the test left a modal widget open: " << describe(modal).toStdString();
      closeModal(modal);
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietHandler);
  QApplication app(argc, argv);
  // Numbers are read and written the same whatever the machine's language.
  std::setlocale(LC_ALL, "C");
  QLocale::setDefault(QLocale::c());
  // What windows remember between runs goes to a place of the tests' own,
  // never to the user's settings: a fresh folder for each test process, as
  // tests run side by side and one must not clear or change another's.
  QStandardPaths::setTestModeEnabled(true);
  const QTemporaryDir settings;
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    QSettings::setPath(format, QSettings::UserScope, settings.path());
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ModalLeftOpen);
  ModalWatch watch;
  return RUN_ALL_TESTS();
}
