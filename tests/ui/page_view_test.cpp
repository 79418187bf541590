// The paged view paints only the page it shows, turns pages with its keys
// and within its range, scrolls and turns with the keys and the wheel like a
// document viewer, draws the page at the zoom chosen, frames itself while it
// has the focus and brings a marked area into sight.
#include "ui/page_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <utility>
#include <vector>

namespace calvexa {
namespace {

class PageViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A4 at 600 dpi, margins of half an inch.
    view.setDocument({.pages = 5000,
                      .paper = QRectF(0, 0, 4961, 7016),
                      .paintArea = QRectF(300, 300, 4361, 6416),
                      .dpi = 600,
                      .paint = [this](QPainter& painter, int page) {
                        painted.push_back(page);
                        // A black band across the top of the paint area.
                        painter.fillRect(QRectF(0, 0, 4361, 600), Qt::black);
                      }});
    view.resize(600, 800);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }
  QImage shown() { return view.viewport()->grab().toImage(); }
  // One notch of the mouse wheel, towards the reader when `notches` is
  // negative (the page moves up).
  void wheel(int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF at = view.viewport()->rect().center();
    QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &event);
  }
  // A touch pad's move of `pixels` (towards the reader when negative).
  void swipe(int pixels) {
    const QPointF at = view.viewport()->rect().center();
    QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(0, pixels), QPoint(0, pixels), Qt::NoButton,
                      Qt::NoModifier, Qt::ScrollUpdate, false);
    QApplication::sendEvent(view.viewport(), &event);
  }
  int scrolled() const { return view.verticalScrollBar()->value(); }
  int bottom() const { return view.verticalScrollBar()->maximum(); }
  // The height on screen of the black band, from the page's top: the page's scale.
  int bandHeight() {
    view.verticalScrollBar()->setValue(0);
    const QImage image = shown();
    const int x = image.width() / 2;
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) rows += qGray(image.pixel(x, y)) < 40;
    return rows;
  }
  PageView view;
  std::vector<int> painted;
};

TEST_F(PageViewTest, PaintsOnlyThePagesShown) {
  shown();
  EXPECT_EQ(painted, std::vector<int>{0}) << "one page of 5000 painted on opening";
  view.setCurrentPage(4321);
  shown();
  shown();
  EXPECT_EQ(painted, (std::vector<int>{0, 4320})) << "the page turned to, once";
  EXPECT_EQ(view.currentPage(), 4321);
}

TEST_F(PageViewTest, KeysTurnThePagesWithinTheDocument) {
  int changes = 0;
  QObject::connect(&view, &PageView::pageChanged, &view, [&] { ++changes; });
  QTest::keyClick(&view, Qt::Key_PageUp);
  EXPECT_EQ(view.currentPage(), 1) << "no page before the first";
  QTest::keyClick(&view, Qt::Key_PageDown);
  EXPECT_EQ(view.currentPage(), 2);
  QTest::keyClick(&view, Qt::Key_End);
  EXPECT_EQ(view.currentPage(), 5000);
  QTest::keyClick(&view, Qt::Key_PageDown);
  EXPECT_EQ(view.currentPage(), 5000) << "no page after the last";
  view.setCurrentPage(-3);
  EXPECT_EQ(view.currentPage(), 1);
  EXPECT_EQ(changes, 3);
}

// With the page larger than the view, Page Down and the arrow keys scroll
// through the page and turn it at its edges: forward to the top of the
// next page, back to the bottom of the previous one.
TEST_F(PageViewTest, KeysScrollThroughThePageAndTurnItAtItsEdges) {
  for (int i = 0; i < 4; ++i) view.zoomIn();
  ASSERT_GT(bottom(), view.viewport()->height()) << "a page taller than the view";
  view.setCurrentPage(10);
  QTest::keyClick(&view, Qt::Key_PageDown);
  EXPECT_EQ(view.currentPage(), 10) << "a screen down the same page";
  EXPECT_GT(scrolled(), view.viewport()->height() / 2);
  EXPECT_LT(scrolled(), view.viewport()->height()) << "a little of the last screen stays in sight";
  for (int i = 0; i < 20 && view.currentPage() == 10; ++i) QTest::keyClick(&view, Qt::Key_PageDown);
  EXPECT_EQ(view.currentPage(), 11);
  EXPECT_EQ(scrolled(), 0) << "the next page from its top";
  QTest::keyClick(&view, Qt::Key_Down);
  const int step = scrolled();
  EXPECT_GT(step, 0);
  QTest::keyClick(&view, Qt::Key_Up);
  EXPECT_EQ(scrolled(), 0);
  EXPECT_EQ(view.currentPage(), 11);
  QTest::keyClick(&view, Qt::Key_Up);
  EXPECT_EQ(view.currentPage(), 10) << "up from the top of a page";
  EXPECT_EQ(scrolled(), bottom()) << "the previous page from its bottom";
  QTest::keyClick(&view, Qt::Key_PageUp);
  EXPECT_EQ(view.currentPage(), 10);
  EXPECT_LT(scrolled(), bottom());
  QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(view.currentPage(), 5000);
  QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(view.currentPage(), 1);
}

// A page as narrow as the view: Left and Right turn it.
TEST_F(PageViewTest, LeftAndRightTurnAPageThatFitsTheWidth) {
  QTest::keyClick(&view, Qt::Key_Right);
  QTest::keyClick(&view, Qt::Key_Right);
  EXPECT_EQ(view.currentPage(), 3);
  QTest::keyClick(&view, Qt::Key_Left);
  EXPECT_EQ(view.currentPage(), 2);
}

TEST_F(PageViewTest, TheWheelScrollsTurnsAtTheEdgesAndZoomsWithCtrl) {
  QApplication::setWheelScrollLines(3);
  wheel(-1);
  EXPECT_EQ(view.currentPage(), 2) << "the whole page in view: the wheel turns it";
  wheel(1);
  EXPECT_EQ(view.currentPage(), 1);
  view.fitToWidth();
  wheel(-1);
  EXPECT_EQ(view.currentPage(), 1);
  EXPECT_GT(scrolled(), 0) << "down the page";
  while (scrolled() < bottom()) wheel(-1);
  wheel(-1);
  EXPECT_EQ(view.currentPage(), 2) << "at the bottom, a turn more goes on";
  EXPECT_EQ(scrolled(), 0);
  wheel(1);
  EXPECT_EQ(view.currentPage(), 1) << "and back";
  EXPECT_EQ(scrolled(), bottom());
  // A touch pad scrolls by its pixels and turns the page only after a
  // push against the edge as long as a wheel's notch (3 lines of 20 pixels).
  swipe(-30);
  swipe(-20);
  EXPECT_EQ(view.currentPage(), 1) << "50 pixels against the bottom";
  swipe(-10);
  EXPECT_EQ(view.currentPage(), 2) << "60 pixels: a notch";
  EXPECT_EQ(scrolled(), 0);
  swipe(-25);
  EXPECT_EQ(scrolled(), 25) << "down the new page by the pixels moved";
  swipe(25);
  swipe(10);
  EXPECT_EQ(scrolled(), 0);
  EXPECT_EQ(view.currentPage(), 2) << "10 pixels against the top";
  // Ctrl and a notch: a step of zoom, a quarter larger or smaller.
  view.fitInView();
  const int before = bandHeight();
  wheel(1, Qt::ControlModifier);
  EXPECT_NEAR(bandHeight(), before * 1.25, 2);
  EXPECT_EQ(view.currentPage(), 2) << "zooming turns no page";
  wheel(-1, Qt::ControlModifier);
  EXPECT_NEAR(bandHeight(), before, 2);
}

// While the view has the focus a frame in the highlight colour runs round it.
TEST_F(PageViewTest, AFrameShowsTheFocus) {
  const QColor highlight = view.palette().color(QPalette::Highlight);
  auto framed = [&] {
    const QImage image = shown();
    return QColor(image.pixel(0, image.height() / 2)) == highlight &&
           QColor(image.pixel(image.width() - 1, image.height() / 2)) == highlight;
  };
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  view.setFocus();
  ASSERT_TRUE(view.hasFocus());
  EXPECT_TRUE(framed());
  view.clearFocus();
  EXPECT_FALSE(framed());
}

// A marked area of a page: that page shown, the area in sight on screen
// and tinted, and kept there as the zoom changes; cleared, nothing is
// marked.
TEST_F(PageViewTest, AMarkedAreaIsBroughtIntoSight) {
  view.zoomIn();
  view.zoomIn();
  view.zoomIn();
  ASSERT_GT(bottom(), 0);
  const QRectF midPage(0, 3000, 4361, 90);
  view.showMark(4321, midPage);
  EXPECT_EQ(view.currentPage(), 4321);
  const QRect mark = view.markOnScreen();
  ASSERT_FALSE(mark.isEmpty());
  EXPECT_TRUE(view.viewport()->rect().contains(mark.center()));
  EXPECT_NEAR(mark.center().y(), view.viewport()->height() / 2, 2) << "in the middle of the view";
  EXPECT_NE(QColor(shown().pixel(mark.center())), QColor(Qt::white)) << "tinted";
  // Zooming keeps the place: the mark stays in the middle of the view.
  for (auto zoom : {&PageView::zoomIn, &PageView::zoomIn, &PageView::zoomOut, &PageView::fitToWidth}) {
    (view.*zoom)();
    EXPECT_NEAR(view.markOnScreen().center().y(), view.viewport()->height() / 2, 2);
  }
  view.setCurrentPage(1);
  EXPECT_TRUE(view.markOnScreen().isEmpty()) << "only on its page";
  view.setCurrentPage(4321);
  EXPECT_FALSE(view.markOnScreen().isEmpty());
  view.clearMark();
  EXPECT_TRUE(view.markOnScreen().isEmpty());
  EXPECT_EQ(QColor(shown().pixel(mark.center())), QColor(Qt::white));
}

// The band is the top 600 device units of the paint area, which starts 300
// down the sheet of 4961 by 7016: on screen, both at the page's scale.
TEST_F(PageViewTest, DrawsThePaintAreaWithinThePaperAtTheZoomChosen) {
  auto band = [this] {
    view.verticalScrollBar()->setValue(0);  // the page's top in sight
    const QImage image = shown();
    const int x = image.width() / 2;
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
      if (qGray(image.pixel(x, y)) < 40) {
        if (first < 0) first = y;
        last = y;
      }
    return std::pair{first, last - first + 1};
  };
  const int border = 12;  // grey above the page
  const QSize area = view.viewport()->size() - QSize(2 * border, 2 * border);
  const double scale = std::min(area.width() / 4961.0, area.height() / 7016.0);  // the whole page in view
  const auto [top, height] = band();
  EXPECT_NEAR(top, border + 300 * scale, 1.5);
  EXPECT_NEAR(height, 600 * scale, 1.5);
  view.zoomIn();
  EXPECT_NEAR(band().second, 600 * scale * 1.25, 2) << "a step of zoom: a quarter larger";
  view.fitToWidth();
  const int height2 = band().second;  // the viewport may have given way to a scroll bar
  EXPECT_NEAR(height2, 600 * (view.viewport()->width() - 2 * border) / 4961.0, 1.5);
}

}  // namespace
}  // namespace calvexa
