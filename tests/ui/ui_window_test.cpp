// Shared window behaviour on real windows: the numeric key filter, the
// painted gradient and proportional resizing, where file dialogs start, and
// windows that open inside a small screen at a large scale.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/startup.h"
#include "oilfield/oilfield_windows.h"
#include "support/recorder_seam.h"
#include "ui/controls.h"
#include "ui/file_folders.h"
#include "ui/form_window.h"
#include "ui/qt_seam.h"
#include "ui/registry.h"

namespace calvexa {
namespace {

class WindowFixture : public ::testing::Test {
 protected:
  FormWindow* openAnnular() {
    auto* window = qobject_cast<FormWindow*>(app.registry->show(kAnnularWindow));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    return window;
  }
  TestApp app;
};

TEST_F(WindowFixture, KeyFilterLetsNumbersThroughAndRefusesOtherKeysOncePerPress) {
  auto* box = openAnnular()->control<QLineEdit>("TbCasingDiameter");
  box->clear();
  QTest::keyClicks(box, "1.45E+09");
  EXPECT_EQ(box->text(), "1.45E+09");
  EXPECT_TRUE(app.seam.messages.empty());

  box->clear();
  QTest::keyClicks(box, "1.45e+09");  // refused at the lower-case e, then +09 goes on
  EXPECT_EQ(box->text(), "1.45+09");
  ASSERT_EQ(app.seam.messages.size(), 1u);
  EXPECT_EQ(app.seam.messages[0].title, "Improper Number");
  EXPECT_EQ(app.seam.messages[0].text, "Enter a valid Number\rsuch as 1000\ror 1.45E+09");
  EXPECT_EQ(app.seam.messages[0].icon, Icon::Information);

  app.seam.messages.clear();
  box->setText("12");
  QTest::keyClicks(box, ", a");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(app.seam.messages.size(), 4u) << "comma, space, letter and Enter: one message each";
  EXPECT_EQ(box->text(), "12");

  app.seam.messages.clear();
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_TRUE(app.seam.messages.empty());
  EXPECT_EQ(box->text(), "");
}

TEST_F(WindowFixture, GradientRunsFromPaleGreyGreenToMidGrey) {
  auto* window = openAnnular();
  const QImage image = window->surface()->grab().toImage();
  const QColor top = image.pixelColor(1, 0);
  EXPECT_EQ(top, QColor(223, 228, 215));
  // The bottom row lies in the last band, within a band's step of the end level.
  const QColor bottom = image.pixelColor(1, image.height() - 1);
  const double bandStep = 109.0 * 50 / (image.height() * 15);
  EXPECT_NEAR(bottom.red(), 114, bandStep + 1);
  EXPECT_NEAR(bottom.green(), 114, bandStep + 1);
  EXPECT_NEAR(bottom.blue(), 114, bandStep + 1);
  EXPECT_GT(top.red(), image.pixelColor(1, image.height() / 2).red());
}

// Grows the window so that its inner area becomes `inner`.
void resizeInner(FormWindow* window, QSize inner) {
  const QSize frame = window->size() - window->surface()->size();
  window->resize(inner + frame);
  QCoreApplication::processEvents();
  ASSERT_EQ(window->surface()->size(), inner);
}

// The background is painted where it is exposed, band by band: any part
// repainted on its own shows what the whole shows there, before and after the
// window changes size.
TEST_F(WindowFixture, GradientPartsRepaintAsTheWhole) {
  auto* window = openAnnular();
  // The background alone: controls clipped at a part's edge draw their
  // smoothed borders a shade differently.
  for (QWidget* control : window->surface()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) control->hide();
  for (const QSize inner : {window->surface()->size(), QSize(700, 530)}) {
    resizeInner(window, inner);
    const QImage whole = window->surface()->grab().toImage();
    ASSERT_EQ(whole.size(), inner);
    EXPECT_EQ(whole.pixelColor(inner.width() - 1, 0), QColor(223, 228, 215));
    const QRect parts[] = {{0, 17, 40, 23},
                           {inner.width() / 2, inner.height() / 3, 33, 1},
                           {5, inner.height() - 30, 60, 30},
                           {inner.width() - 9, 0, 9, inner.height()}};
    for (const QRect& part : parts)
      EXPECT_EQ(window->surface()->grab(part).toImage(), whole.copy(part))
          << part.x() << "," << part.y() << " " << part.width() << "x" << part.height() << " at " << inner.width()
          << "x" << inner.height();
  }
}

TEST_F(WindowFixture, DoublingTheWindowDoublesGeometryAndFonts) {
  auto* window = openAnnular();
  auto* box = window->control("TbCasingDiameter");
  auto* list = window->control("CboCasingDiameter");
  const QRect boxBefore = box->geometry();
  const int fontBefore = box->font().pointSize();
  const int listHeight = list->height();
  const QRect listBefore = list->geometry();
  resizeInner(window, window->surface()->size() * 2);
  EXPECT_EQ(box->geometry(), QRect(boxBefore.topLeft() * 2, boxBefore.size() * 2));
  EXPECT_EQ(box->font().pointSize(), fontBefore * 2);
  // A list takes the height of its font: twice the font, twice the height,
  // centred on its row (here exactly where the doubled row puts it).
  EXPECT_EQ(list->font().pointSize(), fontBefore * 2);
  EXPECT_EQ(list->geometry(), QRect(listBefore.topLeft() * 2, QSize(listBefore.width() * 2, listHeight * 2)));
}

TEST_F(WindowFixture, NarrowerWindowKeepsHeightsAndShrinksWidthsAndFonts) {
  auto* window = openAnnular();
  auto* box = window->control("TbTubingDiameter");
  const QRect before = box->geometry();
  const int fontBefore = box->font().pointSize();
  const QSize inner = window->surface()->size();
  auto* list = window->control("CboTubingDiameter");
  const QRect listBefore = list->geometry();
  resizeInner(window, QSize(inner.width() / 2, inner.height()));
  const int wp = (inner.width() / 2) * 100 / inner.width();
  EXPECT_EQ(box->geometry(), QRect(before.x() * wp / 100, before.y(), before.width() * wp / 100, before.height()));
  EXPECT_EQ(box->font().pointSize(), fontBefore * wp / 100);
  // The list's font shrinks with the width, and its height with its font,
  // centred on its unchanged row.
  const int listHeight = listBefore.height() * (fontBefore * wp / 100) / fontBefore;
  EXPECT_EQ(list->geometry(), QRect(listBefore.x() * wp / 100, listBefore.y() + (listBefore.height() - listHeight) / 2,
                                    listBefore.width() * wp / 100, listHeight));
}

TEST(Resizer, ControlsOnHiddenTabPagesStayHiddenWhileScaling) {
  RecorderSeam seam;
  WindowRegistry registry(seam, {});
  const std::vector<ControlRow> table = {
      {.kind = ControlKind::Tabs, .name = "Tabs", .geometry = QRect(0, 0, 300, 200), .tabs = {"One", "Two"}},
      {.kind = ControlKind::NumericBox,
       .name = "OnFirst",
       .caption = "1",
       .geometry = QRect(10, 40, 80, 20),
       .parent = {.container = "Tabs", .page = 0}},
      {.kind = ControlKind::NumericBox,
       .name = "OnSecond",
       .caption = "2",
       .geometry = QRect(20, 50, 80, 20),
       .parent = {.container = "Tabs", .page = 1}},
  };
  FormWindow window(registry,
                    {.key = WindowKey("ResizeFixture"),
                     .caption = "Fixture",
                     .designSize = QSize(300, 200),
                     .statusBar = StatusBar::None},
                    table);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* hidden = window.control("OnSecond");
  EXPECT_FALSE(hidden->isVisible());
  resizeInner(&window, window.surface()->size() * 2);
  EXPECT_FALSE(hidden->isVisible());
  EXPECT_EQ(hidden->geometry(), QRect(40, 100, 160, 40));
  window.control<TabControl>("Tabs")->setCurrentIndex(1);
  EXPECT_TRUE(hidden->isVisible());
  EXPECT_EQ(window.control<QLineEdit>("OnFirst")->text(), "1") << "switching tabs changes no value";
}

}  // namespace
}  // namespace calvexa

namespace calvexa {
namespace {

// The save and print-to-file dialogs start in the folder a file was saved
// in last, kept between runs; else in Documents when it exists; else home.
TEST(FileDialogs, StartInTheFolderUsedLastElseDocumentsElseHome) {
  QTemporaryDir home;
  const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", QFile::encodeName(home.path()));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath(".config"));
  const QString name = QStringLiteral("Spherical Tank chart.pdf");
  EXPECT_EQ(suggestedPath(name), home.filePath(name)) << "no Documents folder: home";
  ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
  EXPECT_EQ(suggestedPath(name), home.filePath("Documents/" + name));
  ASSERT_TRUE(QDir(home.path()).mkpath("charts/2026"));
  rememberFolder(home.filePath("charts/2026/Vertical Tank (C) chart.csv"));
  EXPECT_EQ(suggestedPath(name), home.filePath("charts/2026/" + name));
  // Kept in the settings file for the next run.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath(".config"));
  EXPECT_EQ(suggestedPath(name), home.filePath("charts/2026/" + name));
  // A folder since removed is passed over.
  ASSERT_TRUE(QDir(home.filePath("charts")).removeRecursively());
  EXPECT_EQ(suggestedPath(name), home.filePath("Documents/" + name));
  qputenv("HOME", oldHome);
  if (oldConfig.isNull()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", oldConfig);
  }
}

}  // namespace
}  // namespace calvexa

namespace calvexa {
namespace {

// Run by the test below in a process of its own, on one 1600 × 1200 screen at
// QT_SCALE_FACTOR=2: 800 × 600 units of room. Every window of the program,
// the chart preview and the help viewer open inside it.
TEST(ScreenFit, DISABLED_EveryWindowOpensInsideTheScreen) {
  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_EQ(room.size(), QSize(800, 600)) << "1600 × 1200 at twice the scale";
  TestApp app;
  for (WindowKey key : app.registry->keys()) {
    if (!app.registry->isAvailable(key)) continue;
    QWidget* window = app.registry->load(key);
    ASSERT_NE(window, nullptr) << key.name();
    window->show();
    EXPECT_TRUE(room.contains(window->frameGeometry()))
        << key.name() << " opens at " << window->frameGeometry().width() << " × " << window->frameGeometry().height();
    window->hide();
  }
  QtSeam seam;
  seam.openHelp(nullptr, app.registry->helpPath(), "charts");
  EXPECT_TRUE(room.contains(seam.helpViewer()->frameGeometry())) << "the help viewer";
  QWidget wide;
  wide.resize(1200, 900);
  QTimer::singleShot(0, &wide, [&] {
    EXPECT_TRUE(room.contains(wide.frameGeometry())) << "a modal window of the seam";
    wide.hide();
  });
  seam.runModal(wide);
}

TEST(ScreenFit, EveryWindowOpensInsideAScreenAtTwiceTheScale) {
  QTemporaryDir folder;
  QFile config(folder.filePath("screen.json"));
  ASSERT_TRUE(config.open(QIODevice::WriteOnly));
  config.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1600, "height": 1200,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  config.close();
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
  environment.insert("QT_SCALE_FACTOR", "2");
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_also_run_disabled_tests", "--gtest_filter=ScreenFit.DISABLED_EveryWindowOpensInsideTheScreen"});
  ASSERT_TRUE(child.waitForFinished(50000));
  const QString output = QString::fromUtf8(child.readAll());
  EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

}  // namespace
}  // namespace calvexa
