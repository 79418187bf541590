// The program's window table: every window is registered under its own name,
// and every window a parent or a menu item names is one of the program's.
#include <set>

#include "gauging/gauging_window.h"
#include "support/window_test.h"

namespace calvexa {
namespace {

const WindowKey kEveryWindow[] = {
    kSplashWindow,          kMainMenuWindow,        kAboutWindow,         kConversionWindow,
    kAnnularWindow,         kPipelineWindow,        kCoatingWindow,       kFuelUseWindow,
    kCalculatorWindow,      kTankSelectionWindow,   kDivisionsWindow,     kVerticalTankWindow,
    kHorizontalTanksWindow, kRectangularTankWindow, kSphericalTankWindow, kGaugingWindow,
};

TEST(ProgramWindows, EveryWindowLoadsUnderItsNameAndNamesOnlyProgramWindows) {
  TestApp app;
  const std::set<WindowKey> keys(std::begin(kEveryWindow), std::end(kEveryWindow));
  EXPECT_EQ(keys.size(), std::size(kEveryWindow)) << "no two windows share a name";
  for (WindowKey key : kEveryWindow) {
    SCOPED_TRACE(key.name());
    const WindowRegistration* registration = app.registry->registration(key);
    ASSERT_NE(registration, nullptr);
    EXPECT_TRUE(registration->available());
    QWidget* window = app.registry->load(key);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName().toStdString(), key.name());
    EXPECT_TRUE(registration->parent.empty() || keys.count(registration->parent)) << registration->parent.name();
    for (const Menu& menu : registration->menus)
      for (const MenuItem& item : menu.items) EXPECT_TRUE(item.target.empty() || keys.count(item.target)) << item.name;
  }
}

}  // namespace
}  // namespace calvexa
