// The registry on windows of its own: a window's parent, help section and
// menus come from its registration, and nothing else tells the window layer
// about a window.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

#include "support/recorder_seam.h"
#include "ui/form_window.h"

namespace calvexa {
namespace {

constexpr WindowKey kFirst{"FirstFixture"};
constexpr WindowKey kSecond{"SecondFixture"};
constexpr WindowKey kMissing{"MissingFixture"};  // registered without a factory

WindowRegistration::Factory fixture(WindowKey key) {
  return [key](WindowRegistry& registry) -> QWidget* {
    return new FormWindow(registry, {.key = key, .caption = "Fixture", .designSize = QSize(200, 100)}, {});
  };
}

class Registry : public ::testing::Test {
 protected:
  Registry() : registry(seam, [this] { quit = true; }) {
    registry.add({.key = kFirst, .factory = fixture(kFirst), .helpAnchor = "first"});
    registry.add({.key = kMissing});
    registry.add(
        {.key = kSecond,
         .factory = fixture(kSecond),
         .parent = kFirst,
         .helpAnchor = "second",
         .menus = {{"&File",
                    "MnuFile",
                    {{.caption = "&First", .name = "MnuFirst", .action = MenuAction::SwitchTo, .target = kFirst},
                     {.caption = "&Missing", .name = "MnuMissing", .action = MenuAction::SwitchTo, .target = kMissing},
                     {.caption = "&Run",
                      .name = "MnuRun",
                      .action = MenuAction::Run,
                      .pointer = Pointer::Unchanged,
                      .run = [this](FormWindow& window) { ranIn = &window; }}}},
                   {"&Help", "MnuHelp", {{.caption = "&Help", .name = "MnuHelpHelp", .action = MenuAction::Help}}}}});
  }
  ~Registry() override {
    registry.closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QAction* item(QWidget* window, const char* name) { return window->findChild<QAction*>(name); }

  RecorderSeam seam;
  bool quit = false;
  WindowRegistry registry;
  FormWindow* ranIn = nullptr;
};

TEST_F(Registry, AWindowIsKnownByItsKeyAndNamedAfterIt) {
  QWidget* second = registry.show(kSecond);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->objectName(), "SecondFixture");
  EXPECT_EQ(registry.find(kSecond), second);
  EXPECT_EQ(registry.find(WindowKey("SecondFixture")), second) << "keys of the same name are one key";
  EXPECT_EQ(registry.load(kMissing), nullptr);
  EXPECT_FALSE(registry.isAvailable(kMissing));
  EXPECT_FALSE(registry.isAvailable(WindowKey("NeverRegistered")));
}

TEST_F(Registry, MenusParentAndHelpSectionComeFromTheRegistration) {
  auto* second = qobject_cast<FormWindow*>(registry.show(kSecond));
  ASSERT_NE(second, nullptr);
  ASSERT_NE(item(second, "MnuFirst"), nullptr);
  EXPECT_TRUE(item(second, "MnuFirst")->isEnabled());
  EXPECT_FALSE(item(second, "MnuMissing")->isEnabled()) << "a window without a factory cannot be opened";

  const int brackets = seam.busyBrackets;
  item(second, "MnuRun")->trigger();
  EXPECT_EQ(ranIn, second) << "a Run item runs its command on the window of its menu";
  EXPECT_EQ(seam.busyBrackets, brackets) << "outside the busy pointer, as its item says";

  item(second, "MnuHelpHelp")->trigger();
  EXPECT_EQ(seam.helpSections, QStringList{"second"});

  second->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(registry.find(kSecond), nullptr) << "the close box unloads the window";
  ASSERT_NE(registry.find(kFirst), nullptr);
  EXPECT_TRUE(registry.find(kFirst)->isVisible()) << "and shows its parent";
  EXPECT_TRUE(qobject_cast<QMainWindow*>(registry.find(kFirst))->menuBar()->actions().isEmpty())
      << "a window registered without menus has no menu bar";
}

}  // namespace
}  // namespace calvexa
