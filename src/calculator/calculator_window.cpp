#include "calculator/calculator_window.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <string>
#include <vector>

#include "ui/registry.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

using K = ControlKind;

// What a key group does with the engine when one of its buttons is clicked.
enum class KeyKind { Number, Operator, Function, Memory, Constant, Clear, AllClear };

// One button of a group: its index in the group (-1 for a button that is a
// group of its own and keeps its plain name), its caption (the engine's key
// text) and its cell on the keypad grid.
struct Key {
  int index;
  const char* caption;
  int row;
  int column;
};

struct KeyGroup {
  const char* name;
  KeyKind kind;
  std::vector<Key> keys;
};

// The keypad. Columns 0-2 hold the scientific keys, 3-6 the number pad with
// the operators and clear keys, 7 the memory keys. The gaps in the indexes
// are the key numbering: an operator's index is what the engine stores as
// its pending operator.
// clang-format off
const std::vector<KeyGroup> kKeyGroups = {
    {"Command5", KeyKind::Function,
     {{0, "sin", 0, 0}, {1, "cos", 0, 1}, {2, "tan", 0, 2},
      {3, "asin", 1, 0}, {4, "acos", 1, 1}, {5, "atan", 1, 2}}},
    {"Command10", KeyKind::Function, {{0, "ln", 2, 0}, {1, "log", 2, 1}, {2, "e(x]", 2, 2}}},
    {"Command6", KeyKind::Function,
     {{1, "X ²", 3, 0}, {8, "X ³", 3, 1}, {2, "Sq[x]", 3, 2},
      {0, "1/ X", 4, 0}, {4, "n !", 4, 1}}},
    {"Command9", KeyKind::Constant, {{0, "Rnd", 4, 2}, {1, "pi", 5, 0}, {2, "e", 5, 1}, {4, "h", 5, 2}}},
    {"Command3", KeyKind::Clear, {{-1, "C", 0, 3}}},
    {"Command4", KeyKind::AllClear, {{-1, "AC", 0, 4}}},
    {"Command11", KeyKind::Function, {{-1, "Back", 0, 5}}},
    {"Command14", KeyKind::Function, {{-1, "±", 0, 6}}},
    {"Command1", KeyKind::Number,
     {{7, "7", 1, 3}, {8, "8", 1, 4},   {9, "9", 1, 5},
      {4, "4", 2, 3}, {5, "5", 2, 4},   {6, "6", 2, 5},
      {1, "1", 3, 3}, {2, "2", 3, 4},   {3, "3", 3, 5},
      {0, "0", 4, 3}, {11, "00", 4, 4}, {10, ".", 4, 5}}},
    {"Command2", KeyKind::Operator,
     {{2, "/", 1, 6}, {3, "*", 2, 6}, {1, "-", 3, 6}, {0, "+", 4, 6},
      {6, "%", 5, 3}, {8, "x^y", 5, 4}, {4, "=", 5, 5}}},
    {"Command7", KeyKind::Memory,
     {{0, "M +", 0, 7}, {1, "M -", 1, 7}, {2, "M *", 2, 7},
      {3, "M /", 3, 7}, {4, "MR", 4, 7}, {5, "MC", 5, 7}}},
};
// clang-format on

// The angle units of Frame3, by option index.
const char* const kAngleUnits[] = {"deg", "rad", "grd"};

// Design layout, in pixels.
constexpr QSize kDesignSize(580, 392);
constexpr int kKeyWidth = 56, kKeyHeight = 34, kKeyPitchX = 62, kKeyPitchY = 40;
constexpr int kPadLeft = 21, kPadTop = 28, kBlockGap = 12;

QRect keyCell(int row, int column) {
  const int gaps = (column >= 3 ? 1 : 0) + (column >= 7 ? 1 : 0);
  return QRect(kPadLeft + column * kKeyPitchX + gaps * kBlockGap, kPadTop + row * kKeyPitchY, kKeyWidth, kKeyHeight);
}

std::string buttonName(const KeyGroup& group, const Key& key) {
  return key.index < 0 ? std::string(group.name) : std::string(group.name) + "_" + std::to_string(key.index);
}

std::vector<ControlRow> calculatorControls() {
  std::vector<ControlRow> c = {
      {.kind = K::TextBox, .name = "Text1", .geometry = QRect(12, 10, 556, 40), .fontSize = 18},
      {.kind = K::Label, .name = "Label2", .caption = "0.", .geometry = QRect(12, 58, 340, 28), .fontSize = 12},
      {.kind = K::Frame, .name = "Frame3", .caption = "angle", .geometry = QRect(368, 52, 200, 48)},
      {.kind = K::Frame, .name = "Frame1", .caption = "Scientific Calculator", .geometry = QRect(12, 106, 556, 276)},
  };
  for (int i = 0; i < 3; ++i)
    c.push_back({.kind = K::Option,
                 .name = QStringLiteral("Option2_%1").arg(i),
                 .caption = kAngleUnits[i],
                 .geometry = QRect(10 + i * 64, 20, 58, 22),
                 .parent = {.container = "Frame3"}});
  for (const KeyGroup& group : kKeyGroups)
    for (const Key& key : group.keys)
      c.push_back({.kind = K::Button,
                   .name = QString::fromStdString(buttonName(group, key)),
                   .caption = QString::fromUtf8(key.caption),
                   .geometry = keyCell(key.row, key.column),
                   .parent = {.container = "Frame1"},
                   .fontSize = 10});
  return c;
}

KeyEffects press(CalculatorEngine& engine, KeyKind kind, int index, std::string_view caption) {
  switch (kind) {
    case KeyKind::Number:
      return engine.numberKey(caption);
    case KeyKind::Operator:
      return engine.operatorKey(index);
    case KeyKind::Function:
      return engine.functionKey(caption);
    case KeyKind::Memory:
      return engine.memoryKey(caption);
    case KeyKind::Constant:
      return engine.constantKey(caption);
    case KeyKind::Clear:
      return engine.clearKey();
    case KeyKind::AllClear:
      return engine.allClearKey();
  }
  return {};
}

// A typed character the calculator takes: one printable character without
// Ctrl, Alt or Meta (those belong to menus and shortcuts).
bool calculatorCharacter(const QKeyEvent& key, char& out) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key.text();
  if (text.size() != 1 || text[0].unicode() > 0x7f) return false;
  out = static_cast<char>(text[0].unicode());
  return CalculatorEngine::isCalculatorCharacter(out);
}

}  // namespace

CalculatorWindow::CalculatorWindow(WindowRegistry& registry)
    : FormWindow(registry, {.key = kCalculatorWindow, .caption = "Scientific Calculator", .designSize = kDesignSize},
                 calculatorControls()) {
  connectKeys();
  connectDisplay();
  connectAngleUnits();
  watchTypedKeys();
}

void CalculatorWindow::connectKeys() {
  for (const KeyGroup& group : kKeyGroups) {
    for (const Key& key : group.keys) {
      auto* button = control<QAbstractButton>(buttonName(group, key).c_str());
      const int groupIndex = static_cast<int>(&group - kKeyGroups.data());
      const int index = key.index;
      connect(button, &QAbstractButton::clicked, this, [this, groupIndex, index] { pressKey(groupIndex, index); });
    }
  }
}

// Text1 is red on black, right-aligned; Label2 follows every change of Text1
// and the engine's display follows what is edited in the box itself.
void CalculatorWindow::connectDisplay() {
  display_ = control<QLineEdit>("Text1");
  mirror_ = control<QLabel>("Label2");
  display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QPalette colours = display_->palette();
  colours.setColor(QPalette::Base, Qt::black);
  colours.setColor(QPalette::Text, Qt::red);
  display_->setPalette(colours);
  mirror_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QPalette mirrorColours = mirror_->palette();
  mirrorColours.setColor(QPalette::WindowText, QColor(0, 0, 128));
  mirror_->setPalette(mirrorColours);
  connect(display_, &QLineEdit::textChanged, this, [this](const QString& text) {
    mirror_->setText(text);
    engine_.setDisplay(text.toStdString());
  });
}

void CalculatorWindow::connectAngleUnits() {
  for (int i = 0; i < 3; ++i) {
    auto* option = control<QRadioButton>(("Option2_" + std::to_string(i)).c_str());
    const char* unit = kAngleUnits[i];
    connect(option, &QRadioButton::toggled, this, [this, unit](bool checked) {
      if (checked) engine_.setAngleUnit(std::string_view(unit));
    });
  }
}

// Keys go to the focused control: watching the window and every control on
// its surface lets the calculator see them first. Menus are left alone so
// that their access keys keep working.
void CalculatorWindow::watchTypedKeys() {
  installEventFilter(this);
  surface()->installEventFilter(this);
  for (QWidget* child : surface()->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    char c = 0;
    if (calculatorCharacter(*static_cast<QKeyEvent*>(event), c)) {
      applyEffects(engine_.typeCharacter(c));
      return true;  // consumed: a calculator character is not text for the box
    }
  }
  return FormWindow::eventFilter(watched, event);
}

void CalculatorWindow::onLoad() {
  applyEffects(engine_.reset());
  control<QRadioButton>("Option2_0")->setChecked(true);
  engine_.setAngleUnit(AngleUnit::Degrees);
}

void CalculatorWindow::pressKey(int groupIndex, int index) {
  const KeyGroup& group = kKeyGroups[static_cast<std::size_t>(groupIndex)];
  for (const Key& key : group.keys)
    if (key.index == index) return applyEffects(press(engine_, group.kind, index, key.caption));
}

void CalculatorWindow::applyEffects(const KeyEffects& effects) {
  Seam& seam = registry().seam();
  for (const Message& message : effects.messages) seam.showMessage(this, message);
  if (effects.clearClipboard) seam.clearClipboard();
  const QString text = QString::fromStdString(engine_.display());
  if (display_->text() != text) display_->setText(text);
}

void CalculatorWindow::onMenuItem(const QString& name) {
  if (name == QLatin1String("ecut"))
    cut();
  else if (name == QLatin1String("ecopy"))
    copy();
  else if (name == QLatin1String("epaste"))
    paste();
  else if (name == QLatin1String("eselectall"))
    selectAll();
}

void CalculatorWindow::cut() {
  Seam& seam = registry().seam();
  seam.clearClipboard();
  seam.setClipboardText(display_->selectedText());
  if (display_->hasSelectedText()) display_->del();  // the engine follows through textChanged
}

void CalculatorWindow::copy() {
  Seam& seam = registry().seam();
  seam.clearClipboard();
  seam.setClipboardText(display_->selectedText());
}

// The display becomes the clipboard's text; the next key reads its leading number.
void CalculatorWindow::paste() {
  const QString text = registry().seam().clipboardText();
  engine_.paste(text.toStdString());
  display_->setText(text);
}

// The whole text, leading space included; the selection stays as it was.
void CalculatorWindow::selectAll() {
  Seam& seam = registry().seam();
  seam.clearClipboard();
  seam.setClipboardText(display_->text());
}

}  // namespace calvexa
