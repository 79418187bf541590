// Shared support for window tests: start the program with the recorder seam,
// open a window from the main menu, type into boxes, pick units, read texts,
// lists and menus, switch away and close.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/shell_windows.h"
#include "app/startup.h"
#include "calculator/calculator_window.h"
#include "conversion/conversion_window.h"
#include "oilfield/oilfield_windows.h"
#include "support/recorder_seam.h"
#include "tanks/tank_windows.h"
#include "ui/form_window.h"

namespace calvexa {

// Clears the box and types `text` key by key, through the key filter.
inline void typeInto(FormWindow* window, const char* box, const QString& text) {
  auto* edit = window->control<QLineEdit>(box);
  ASSERT_NE(edit, nullptr) << box;
  edit->clear();
  QTest::keyClicks(edit, text);
}

// Chooses an item of a list as a mouse pick would.
inline void pickIn(FormWindow* window, const char* list, const QString& item) {
  auto* combo = window->control<QComboBox>(list);
  ASSERT_NE(combo, nullptr) << list;
  const int index = combo->findText(item);
  ASSERT_GE(index, 0) << list << " has no " << item.toStdString();
  combo->setCurrentIndex(index);
}

// The text a control shows: a label's, a box's, a button's or a list's.
inline QString textOf(FormWindow* window, const char* name) {
  QWidget* control = window->control(name);
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
  return control ? QStringLiteral("<other control>") : QStringLiteral("<missing>");
}

inline QStringList itemsOf(QComboBox* combo) {
  QStringList shown;
  for (int i = 0; combo && i < combo->count(); ++i) shown << combo->itemText(i);
  return shown;
}

inline QStringList itemsOf(FormWindow* window, const char* list) { return itemsOf(window->control<QComboBox>(list)); }

// Captions of menu `index` of the menu bar, a separator shown as "-".
inline QStringList menuCaptions(QMainWindow* window, int index) {
  QStringList captions;
  const auto menus = window->menuBar()->actions();
  if (index >= menus.size()) return captions;
  for (QAction* item : menus[index]->menu()->actions()) captions << (item->isSeparator() ? "-" : item->text());
  return captions;
}

inline QAction* menuItem(QWidget* window, const char* name) { return window->findChild<QAction*>(name); }

// A started program; `window` is the one a test works in.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { startUp(*app.registry); }

  FormWindow* form(WindowKey key) const { return app.window<FormWindow>(key); }
  FormWindow* mainMenu() const { return form(kMainMenuWindow); }

  // Clicks a main-menu button and works in the window it opens.
  void openFromMainMenu(const char* button, WindowKey key) {
    auto* picture = mainMenu()->control<QAbstractButton>(button);
    ASSERT_NE(picture, nullptr) << button;
    picture->click();
    window = form(key);
    ASSERT_NE(window, nullptr);
  }

  void type(const char* box, const QString& text) { typeInto(window, box, text); }
  void pick(const char* list, const QString& item) { pickIn(window, list, item); }
  QString text(const char* name) const { return textOf(window, name); }
  QStringList items(const char* list) const { return itemsOf(window, list); }
  QStringList menuCaptions(int index) const { return calvexa::menuCaptions(window, index); }
  QStringList menuCaptions(QMainWindow* of, int index) const { return calvexa::menuCaptions(of, index); }
  void click(const char* button) {
    auto* widget = window->control<QAbstractButton>(button);
    ASSERT_NE(widget, nullptr) << button;
    widget->click();
  }
  void trigger(const char* item) {
    QAction* action = menuItem(window, item);
    ASSERT_NE(action, nullptr) << item;
    action->trigger();
  }
  std::vector<std::string> takeMessages() {
    auto texts = app.seam.messageTexts();
    app.seam.messages.clear();
    return texts;
  }

  TestApp app;
  FormWindow* window = nullptr;
};

// A window opened by a main-menu button; the tests of one window derive from it.
class MenuWindowTest : public WindowTest {
 protected:
  MenuWindowTest(WindowKey key, const char* menuButton) : key_(key), menuButton_(menuButton) {}

  void SetUp() override {
    WindowTest::SetUp();
    open();
  }
  void open() { openFromMainMenu(menuButton_, key_); }

  // File "&Main Menu" hides the window with what it holds; its button shows it again.
  void roundTripThroughMainMenu() {
    FormWindow* before = window;
    QAction* item = menuItem(window, "MnuFileMainMenu");
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

  // The close box unloads the window and shows its parent; the program goes on.
  void closeReturnsTo(WindowKey parent) {
    const WindowKey closed = window->key();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.registry->find(closed), nullptr);
    EXPECT_TRUE(form(parent)->isVisible());
    EXPECT_FALSE(app.quitCalled);
    window = nullptr;
  }
  void closeReturnsToMainMenu() { closeReturnsTo(kMainMenuWindow); }

 private:
  WindowKey key_;
  const char* menuButton_;
};

}  // namespace calvexa
