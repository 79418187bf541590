// A tank tab's picture follows what is typed: drawn to the scale of the
// dimensions once they read as numbers in known units, the last good drawing
// kept otherwise, an impossible tank drawn with its fault and no message.
#include "support/tank_window_test.h"
#include "tanks/tank_picture.h"
#include "ui/controls.h"

namespace calvexa {
namespace {

class TankPictures : public TankChooserTest {
 protected:
  void SetUp() override {
    TankChooserTest::SetUp();
    openTank("CmdVerticalTanks", kVerticalTankWindow);
    tabs()->setCurrentIndex(3);  // spherical bottom
  }
  const TankDrawing& drawing() const { return window->control<TankPicture>("Picture4")->drawing(); }
  double liquidTop() const {
    double top = 0;
    for (DrawPoint p : drawing().liquid.front()) top = std::max(top, p.y);
    return top;
  }
};

TEST_F(TankPictures, FollowTheTypedDimensions) {
  const double typical = liquidTop();
  type("TbVerticalTankDiameterS", "2");
  type("TbVerticalTankHeightS", "300");
  type("TbVerticalFluidHeightS", "1");
  type("TbVerticalSphericalHeightS", "50");
  for (const char* list : {"CboVerticalTankDiameterS", "CboVerticalFluidHeightS"}) pick(list, "Meters");
  pick("CboVerticalTankHeightS", "Centimeters");
  EXPECT_EQ(liquidTop(), typical) << "a unit still to choose: the drawing stays";
  pick("CboVerticalSphericalHeightS", "Centimeters");
  EXPECT_DOUBLE_EQ(liquidTop(), 1) << "in metres, the tank 3 m high";
  EXPECT_GE(drawing().top, 3) << "drawn 3 m high";
  EXPECT_TRUE(drawing().faults.empty());
  // Not a number: the last good drawing stays.
  type("TbVerticalFluidHeightS", "1E");
  EXPECT_DOUBLE_EQ(liquidTop(), 1);
  // Fluid above the top and a bottom deeper than a hemisphere: red, and no message.
  type("TbVerticalFluidHeightS", "4");
  EXPECT_FALSE(drawing().faults.empty());
  type("TbVerticalFluidHeightS", "2");
  type("TbVerticalSphericalHeightS", "150");
  EXPECT_FALSE(drawing().faults.empty());
  EXPECT_TRUE(app.seam.messages.empty());
}

}  // namespace
}  // namespace calvexa
