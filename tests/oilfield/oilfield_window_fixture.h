// What every oilfield window test does: start the program, open the window with
// its main-menu button, type into boxes, pick units, read answers, switch away
// through the File menu and close the window with its close box.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "ui/form_window.h"
#include "app/startup.h"
#include "support/recorder_seam.h"

namespace calvexa {

class OilfieldWindowTest : public ::testing::Test {
 protected:
  OilfieldWindowTest(WindowId id, const char* menuButton) : id_(id), menuButton_(menuButton) {}

  void SetUp() override {
    startUp(*app.registry);
    open();
    ASSERT_NE(window, nullptr);
  }
  FormWindow* mainMenu() const { return app.window<FormWindow>(WindowId::MainMenu); }
  void open() {
    mainMenu()->control<QAbstractButton>(menuButton_)->click();
    window = app.window<FormWindow>(id_);
  }
  void type(const char* box, const char* text) {
    auto* edit = window->control<QLineEdit>(box);
    ASSERT_NE(edit, nullptr) << box;
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  void pick(const char* list, const char* item) {
    auto* combo = window->control<QComboBox>(list);
    ASSERT_NE(combo, nullptr) << list;
    const int index = combo->findText(item);
    ASSERT_GE(index, 0) << list << " has no " << item;
    combo->setCurrentIndex(index);
  }
  QString text(const char* name) const {
    QWidget* control = window->control(name);
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    return control ? QStringLiteral("<other control>") : QStringLiteral("<missing>");
  }
  QStringList items(const char* list) const {
    QStringList shown;
    auto* combo = window->control<QComboBox>(list);
    for (int i = 0; combo && i < combo->count(); ++i) shown << combo->itemText(i);
    return shown;
  }
  // Captions of menu `index` of the menu bar, a separator shown as "-".
  QStringList menuCaptions(int index) const {
    QStringList captions;
    const auto menus = window->menuBar()->actions();
    if (index >= menus.size()) return captions;
    for (QAction* item : menus[index]->menu()->actions()) captions << (item->isSeparator() ? "-" : item->text());
    return captions;
  }
  void click(const char* button) { window->control<QAbstractButton>(button)->click(); }
  std::vector<std::string> takeMessages() {
    auto texts = app.seam.messageTexts();
    app.seam.messages.clear();
    return texts;
  }

  // File "&Main Menu" hides the window with what it holds; its button shows it again.
  void roundTripThroughMainMenu() {
    FormWindow* before = window;
    QAction* item = window->findChild<QAction*>("MnuFileMainMenu");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Main Menu");
    item->trigger();
    EXPECT_TRUE(mainMenu()->isVisible());
    EXPECT_FALSE(before->isVisible());
    open();
    EXPECT_EQ(window, before) << "the same window comes back";
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(app.seam.busyDepth, 0);
  }

  // The close box unloads the window and shows the main menu; the program goes on.
  void closeReturnsToMainMenu() {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.registry->find(id_), nullptr);
    EXPECT_TRUE(mainMenu()->isVisible());
    EXPECT_FALSE(app.quitCalled);
    window = nullptr;
  }

  TestApp app;
  FormWindow* window = nullptr;

 private:
  WindowId id_;
  const char* menuButton_;
};

}  // namespace calvexa
