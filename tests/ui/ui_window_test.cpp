// Shared window behaviour on real windows: the numeric key filter, the
// painted gradient and proportional resizing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/startup.h"
#include "oilfield/oilfield_windows.h"
#include "support/recorder_seam.h"
#include "ui/controls.h"
#include "ui/form_window.h"

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
