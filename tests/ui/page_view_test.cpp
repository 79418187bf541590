// The paged view paints only the page it shows, turns pages with its keys
// and within its range, and draws the page at the zoom chosen.
#include "ui/page_view.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
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

// The band is the top 600 device units of the paint area, which starts 300
// down the sheet of 4961 by 7016: on screen, both at the page's scale.
TEST_F(PageViewTest, DrawsThePaintAreaWithinThePaperAtTheZoomChosen) {
  auto band = [this] {
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
