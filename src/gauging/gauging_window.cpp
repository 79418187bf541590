#include "gauging/gauging_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <ctime>
#include <memory>
#include <utility>
#include <vector>

#include "core/capacity_table.h"
#include "core/number_text.h"
#include "gauging/gauging_form_rules.h"
#include "gauging/gauging_ticket.h"
#include "ui/registry.h"
#include "ui/seam.h"

namespace calvexa {
namespace {

using K = ControlKind;

// Design pixels: a row of caption, box and list within a group.
constexpr int kRowStep = 28;
constexpr int kFirstRow = 24;
constexpr int kCaptionX = 10;
constexpr int kCaptionWidth = 172;
constexpr int kBoxX = 187;
constexpr int kBoxWidth = 90;
constexpr int kListX = 282;
constexpr int kListWidth = 150;
constexpr int kWideWidth = kListX + kListWidth - kBoxX;
constexpr int kHeight = 22;

constexpr const char* kTankGroup = "FraGaugeTank";
constexpr const char* kProductGroup = "FraGaugeProduct";
constexpr const char* kResultsGroup = "FraGaugeResults";

// One row of a group: its caption, then a box, a list, or both.
struct GaugeRow {
  const char* caption = "";
  const char* box = "";
  const char* list = "";
  ControlKind boxKind = K::NumericBox;
  int listWidth = kListWidth;  // a list alone starts where the box would
};

int rowY(int row) { return kFirstRow + row * kRowStep; }

void addRows(std::vector<ControlRow>& table, const char* group, int firstRow, const std::vector<GaugeRow>& rows) {
  int row = firstRow;
  for (const GaugeRow& r : rows) {
    const int y = rowY(row++);
    const Parent parent{.container = group};
    QStringList named;
    if (*r.box) named << r.box;
    if (*r.list) named << r.list;
    table.push_back({.kind = K::Label,
                     .name = QStringLiteral("Lbl") + QString::fromUtf8(*r.box ? r.box : r.list),
                     .caption = QString::fromUtf8(r.caption),
                     .geometry = QRect(kCaptionX, y, kCaptionWidth, kHeight),
                     .parent = parent,
                     .captionOf = named});
    if (*r.box)
      table.push_back(
          {.kind = r.boxKind, .name = r.box, .geometry = QRect(kBoxX, y, kBoxWidth, kHeight), .parent = parent});
    if (*r.list) {
      const int x = *r.box ? kListX : kBoxX;
      table.push_back(
          {.kind = K::PickList, .name = r.list, .geometry = QRect(x, y, r.listWidth, kHeight), .parent = parent});
    }
  }
}

ControlRow group(const char* name, const char* caption, QRect geometry) {
  return {.kind = K::Frame, .name = name, .caption = caption, .geometry = geometry};
}

// The length boxes take feet, inches and eighths ("12 3 5/8") as well as
// numbers, so they are plain boxes: the calculation reads and refuses them.
std::vector<ControlRow> gaugingControls() {
  std::vector<ControlRow> table;
  table.push_back(group(kTankGroup, "Tank", QRect(8, 8, 440, rowY(6) + 4)));
  table.push_back({.kind = K::Label,
                   .name = "LblCboGaugeSource",
                   .caption = "Volumes from:",
                   .geometry = QRect(kCaptionX, rowY(0), kCaptionWidth, kHeight),
                   .parent = {.container = kTankGroup},
                   .captionOf = {"CboGaugeSource"}});
  table.push_back({.kind = K::PickList,
                   .name = "CboGaugeSource",
                   .geometry = QRect(kBoxX, rowY(0), kWideWidth, kHeight),
                   .tooltip = "The tank window's tab, or the capacity table, the volumes come from",
                   .parent = {.container = kTankGroup}});
  table.push_back({.kind = K::Button,
                   .name = "CmdGaugeOpenTable",
                   .caption = "&Open Table...",
                   .geometry = QRect(kBoxX, rowY(1) - 2, 130, kHeight + 4),
                   .tooltip = "Read a capacity table file",
                   .parent = {.container = kTankGroup}});
  addRows(table, kTankGroup, 2,
          {
              {.caption = "M&ethod:", .list = "CboGaugeMethod", .listWidth = kBoxWidth},
              {.caption = "&Reading:", .box = "TbGaugeReading", .list = "CboGaugeLengthUnit", .boxKind = K::TextBox},
              {.caption = "Reference height:", .box = "TbGaugeReferenceHeight", .boxKind = K::TextBox},
              {.caption = "Free &water innage:", .box = "TbGaugeWater", .boxKind = K::TextBox},
          });

  table.push_back(group(kProductGroup, "Product", QRect(460, 8, 452, rowY(18) + 4)));
  addRows(table, kProductGroup, 0,
          {
              {.caption = "&Product:", .list = "CboGaugeProduct", .listWidth = kWideWidth},
              {.caption = "Expansion coefficient:", .box = "TbGaugeAlpha"},
              {.caption = "&Density:", .box = "TbGaugeDensity", .list = "CboGaugeDensityUnit"},
              {.caption = "Density read at:", .box = "TbGaugeDensityTemp"},
          });
  table.push_back({.kind = K::CheckBox,
                   .name = "ChkGaugeHydrometer",
                   .caption = "Glass hydrometer correction",
                   .geometry = QRect(kBoxX, rowY(4), kWideWidth, kHeight),
                   .parent = {.container = kProductGroup}});
  addRows(table, kProductGroup, 5,
          {
              {.caption = "&Base temperature:", .list = "CboGaugeBase", .listWidth = kBoxWidth},
              {.caption = "Edition:", .list = "CboGaugeEdition", .listWidth = kWideWidth},
              {.caption = "&Liquid temperature:", .box = "TbGaugeLiquidTemp", .list = "CboGaugeTempUnit"},
              {.caption = "A&mbient temperature:", .box = "TbGaugeAmbientTemp"},
              {.caption = "Tank shell:", .list = "CboGaugeShell", .listWidth = kWideWidth},
              {.caption = "Shell expansion coefficient:", .box = "TbGaugeShellAlpha"},
              {.caption = "Shell reference temp.:", .box = "TbGaugeShellRefTemp"},
              {.caption = "S&&W, perce&nt:", .box = "TbGaugeSW"},
              {.caption = "Roof:", .list = "CboGaugeRoof", .listWidth = kWideWidth},
              {.caption = "Roof weight:", .box = "TbGaugeRoofWeight", .list = "CboGaugeRoofWeightUnit"},
              {.caption = "Roof reference density:", .box = "TbGaugeRoofRefDensity", .list = "CboGaugeRoofRefUnit"},
              {.caption = "Roof adjustment per unit:", .box = "TbGaugeRoofAdjustment"},
              {.caption = "&Volume unit:", .list = "CboGaugeVolumeUnit", .listWidth = kWideWidth},
          });

  const int answers = static_cast<int>(kGaugeAnswers.size());
  table.push_back(group(kResultsGroup, "Results", QRect(8, 8 + rowY(6) + 12, 440, rowY(answers) + 4)));
  for (int i = 0; i < answers; ++i) {
    const GaugeAnswer& answer = kGaugeAnswers[static_cast<std::size_t>(i)];
    const Parent parent{.container = kResultsGroup};
    table.push_back({.kind = K::Label,
                     .name = QStringLiteral("Lbl") + QString::fromUtf8(answer.label),
                     .caption = QString::fromUtf8(answer.caption).replace('&', QStringLiteral("&&")),
                     .geometry = QRect(kCaptionX, rowY(i), 200, kHeight),
                     .parent = parent,
                     .captionOf = {answer.label}});
    table.push_back(
        {.kind = K::Answer, .name = answer.label, .geometry = QRect(215, rowY(i), 215, kHeight), .parent = parent});
  }
  const int bottom = 8 + rowY(6) + 12 + rowY(answers) + 4;
  table.push_back({.kind = K::Label,
                   .name = kGaugeWarningsLabel,
                   .geometry = QRect(460, rowY(18) + 20, 452, bottom - rowY(18) - 20),
                   .fontSize = 8});
  table.push_back({.kind = K::Button,
                   .name = "CmdGaugeCalculate",
                   .caption = "&Calculate",
                   .geometry = QRect(8, bottom + 10, 120, 30),
                   .tooltip = "Press to calculate the volumes"});
  table.push_back({.kind = K::Button,
                   .name = "CmdGaugeTicket",
                   .caption = "Print &Ticket...",
                   .geometry = QRect(140, bottom + 10, 140, 30),
                   .tooltip = "Press to calculate and show the gauging ticket for printing"});
  return table;
}

// The boxes a choice makes irrelevant are disabled (the calculation does not
// read them); each row says when its box is wanted.
struct WantedWhen {
  std::vector<const char*> controls;
  bool (*wanted)(const Fields& fields);
};

bool is(const Fields& fields, const char* list, const char* item) { return fieldText(fields, list) == item; }

const std::vector<WantedWhen> kWanted = {
    {{"TbGaugeAlpha"},
     [](const Fields& f) { return is(f, "CboGaugeProduct", "Special (expansion coefficient given)"); }},
    {{"TbGaugeAmbientTemp"},
     [](const Fields& f) { return is(f, "CboGaugeShell", "Mild steel") || is(f, "CboGaugeShell", "Stainless steel"); }},
    {{"TbGaugeShellAlpha"}, [](const Fields& f) { return is(f, "CboGaugeShell", "Stainless steel"); }},
    {{"TbGaugeShellRefTemp"}, [](const Fields& f) { return !is(f, "CboGaugeShell", "No shell correction"); }},
    {{"TbGaugeRoofWeight", "CboGaugeRoofWeightUnit"},
     [](const Fields& f) { return is(f, "CboGaugeRoof", "Floating roof, not deducted"); }},
    {{"TbGaugeRoofRefDensity", "CboGaugeRoofRefUnit", "TbGaugeRoofAdjustment"},
     [](const Fields& f) { return is(f, "CboGaugeRoof", "Floating roof, deducted in the table"); }},
};

// The lists, their items and the item chosen at load.
struct GaugeList {
  const char* list;
  UnitItems items;
  const char* chosen;
};

std::vector<GaugeList> gaugeLists() {
  return {
      {"CboGaugeMethod", itemsOf(kGaugeMethods), "Innage"},
      {"CboGaugeLengthUnit", itemsOf(kGaugeLengthUnits), "Meters"},
      {"CboGaugeProduct", itemsOf(kGaugeProducts), "Crude oil"},
      {"CboGaugeDensityUnit", itemsOf(kGaugeDensityUnits), "API gravity"},
      {"CboGaugeBase", itemsOf(kGaugeBases), "60 °F"},
      {"CboGaugeEdition", itemsOf(kGaugeEditions), "2004 (API MPMS 11.1-2004)"},
      {"CboGaugeTempUnit", itemsOf(kGaugeTemperatureUnits), "°F"},
      {"CboGaugeShell", itemsOf(kGaugeShells), "Mild steel"},
      {"CboGaugeRoof", itemsOf(kGaugeRoofs), "Fixed roof"},
      {"CboGaugeRoofWeightUnit", itemsOf(kGaugeRoofWeightUnits), "Kilograms"},
      {"CboGaugeRoofRefUnit", itemsOf(kGaugeRoofReferenceUnits), "API gravity"},
      {"CboGaugeVolumeUnit", itemsOf(kGaugeVolumeUnits), "Barrels"},
  };
}

template <class Value>
const char* textOf(const Choices<Value>& choices, Value value) {
  for (const Choice<Value>& choice : choices)
    if (choice.value == value) return choice.text;
  return "";
}

bool hasItem(const UnitItems& items, const std::string& text) {
  for (const std::string& item : items)
    if (item == text) return true;
  return false;
}

QString numberText(double value) { return QString::fromStdString(generalText(value)); }

}  // namespace

GaugingWindow::GaugingWindow(WindowRegistry& registry)
    : FormWindow(registry, {.key = kGaugingWindow, .caption = "Tank Gauging", .designSize = QSize(920, 612)},
                 gaugingControls()) {
  connect(control<QAbstractButton>("CmdGaugeCalculate"), &QAbstractButton::clicked, this,
          &GaugingWindow::calculateGauging);
  connect(control<QAbstractButton>("CmdGaugeTicket"), &QAbstractButton::clicked, this, &GaugingWindow::printTicket);
  connect(control<QAbstractButton>("CmdGaugeOpenTable"), &QAbstractButton::clicked, this, &GaugingWindow::openTable);
  for (const char* list : {"CboGaugeProduct", "CboGaugeShell", "CboGaugeRoof"})
    connect(control<QComboBox>(list), &QComboBox::currentTextChanged, this, &GaugingWindow::enableBoxes);
}

void GaugingWindow::onLoad() {
  fillLists();
  showSources(QString());
  enableBoxes();
}

void GaugingWindow::fillLists() {
  for (const GaugeList& list : gaugeLists()) {
    QWidget* combo = control(QString::fromUtf8(list.list));
    fillList(combo, list.items, ListOrder::AsAdded);
    setControlText(combo, QString::fromUtf8(list.chosen));
  }
}

void GaugingWindow::enableBoxes() {
  const Fields now = fields();
  for (const WantedWhen& row : kWanted)
    for (const char* name : row.controls)
      if (QWidget* box = control(QString::fromUtf8(name))) box->setEnabled(row.wanted(now));
}

void GaugingWindow::showSources(const QString& chosen) {
  auto* list = control<QComboBox>("CboGaugeSource");
  list->clear();
  for (const std::optional<Source>* source : {&tank_, &table_})
    if (*source) list->addItem((*source)->text);
  const int index = list->findText(chosen);
  list->setCurrentIndex(index >= 0 ? index : list->count() - 1);
}

const GaugingWindow::Source* GaugingWindow::chosenSource() const {
  const QString chosen = control<QComboBox>("CboGaugeSource")->currentText();
  for (const std::optional<Source>* source : {&tank_, &table_})
    if (*source && (*source)->text == chosen) return &**source;
  return nullptr;
}

void GaugingWindow::offerTank(const QString& caption, const QString& lengthUnit, VolumeSource volumes) {
  tank_ = Source{QStringLiteral("Tank window: ") + caption, std::move(volumes), std::nullopt};
  showSources(tank_->text);
  if (hasItem(itemsOf(kGaugeLengthUnits), lengthUnit.toStdString()))
    setControlText(control("CboGaugeLengthUnit"), lengthUnit);
}

void GaugingWindow::openTable() {
  Seam& seam = registry().seam();
  const QString path = seam.askOpenFileName(this, QStringLiteral("Open Table"),
                                            QStringLiteral("Capacity tables (*.csv);;All files (*)"));
  if (path.isEmpty()) return;
  QByteArray bytes;
  const QString reason = seam.readFile(path, static_cast<qint64>(kMostCapacityTableBytes), bytes);
  if (!reason.isEmpty()) {
    seam.showMessage(this, {.text = "The file " + QFileInfo(path).fileName().toStdString() +
                                    " could not be read: " + reason.toStdString() + "."});
    return;
  }
  useTable(bytes, QFileInfo(path).fileName());
}

bool GaugingWindow::useTable(const QByteArray& bytes, const QString& fileName) {
  const CapacityTableReading reading = readCapacityTable(std::string_view(bytes.constData(), bytes.size()));
  if (!reading.table) {
    registry().seam().showMessage(
        this, {.text = "The capacity table " + fileName.toStdString() + " cannot be used.\r" + reading.fault});
    return false;
  }
  const auto table = std::make_shared<const CapacityTable>(*reading.table);
  const std::string& tank = table->info().tank;
  Source source{QStringLiteral("Capacity table: ") + (tank.empty() ? fileName : QString::fromStdString(tank)),
                [table](double metres) -> std::optional<double> {
                  const TableLookup found = table->volumeAt(table->metresToHeight(metres));
                  if (!found.found) return std::nullopt;
                  return table->volumeToCubicMetres(found.value);
                },
                std::nullopt};
  if (const std::optional<HeightRange>& zone = table->info().criticalZone)
    source.zone = CriticalZone{table->heightToMetres(zone->low), table->heightToMetres(zone->high)};
  table_ = std::move(source);
  showSources(table_->text);
  fillFromHeader(*table);
  return true;
}

// The header's values go into the boxes they belong to, in the table's own
// units where the window has them; what the header does not give is left as
// the user typed it.
void GaugingWindow::fillFromHeader(const CapacityTable& table) {
  const CapacityTableInfo& info = table.info();
  if (hasItem(itemsOf(kGaugeLengthUnits), info.heightUnit))
    setControlText(control("CboGaugeLengthUnit"), QString::fromStdString(info.heightUnit));
  if (hasItem(itemsOf(kGaugeVolumeUnits), info.volumeUnit))
    setControlText(control("CboGaugeVolumeUnit"), QString::fromStdString(info.volumeUnit));
  if (info.referenceHeight) {
    // In the reading's unit: the table's own, or metres when the window has no such unit.
    if (!hasItem(itemsOf(kGaugeLengthUnits), info.heightUnit)) {
      setControlText(control("CboGaugeLengthUnit"), QStringLiteral("Meters"));
      setControlText(control("TbGaugeReferenceHeight"), numberText(table.heightToMetres(*info.referenceHeight)));
    } else {
      setControlText(control("TbGaugeReferenceHeight"), numberText(*info.referenceHeight));
    }
  }
  if (info.shellReference) {
    const bool celsius = controlText(control("CboGaugeTempUnit")) == "°C";
    const double reference = info.shellReference == ShellReferenceTemperature::F60
                                 ? (celsius ? (60.0 - 32.0) / 1.8 : 60.0)
                                 : (celsius ? 15.0 : 15.0 * 1.8 + 32.0);
    setControlText(control("TbGaugeShellRefTemp"), numberText(reference));
  }
  if (info.roof) setControlText(control("CboGaugeRoof"), QString::fromUtf8(textOf(kGaugeRoofs, *info.roof)));
  if (info.roofWeight) {
    setControlText(control("TbGaugeRoofWeight"), numberText(info.roofWeight->value));
    setControlText(control("CboGaugeRoofWeightUnit"), info.roofWeight->unit == RoofWeightUnit::Kilograms
                                                          ? QStringLiteral("Kilograms")
                                                          : QStringLiteral("Pounds"));
  }
  if (info.roofReferenceDensity) {
    setControlText(control("TbGaugeRoofRefDensity"), numberText(info.roofReferenceDensity->value));
    setControlText(
        control("CboGaugeRoofRefUnit"),
        QString::fromUtf8(info.roofReferenceDensity->unit == RoofDensityUnit::Api ? "API gravity" : "kg/m³"));
  }
  if (info.roofAdjustment) {
    // Per unit of density, in the answer's volume unit.
    const std::string unit = controlText(control("CboGaugeVolumeUnit")).toStdString();
    double perUnit = table.volumeToCubicMetres(*info.roofAdjustment);
    for (const Choice<VolumeUnit>& choice : kGaugeVolumeUnits)
      if (unit == choice.text) perUnit = cubicMetresTo(perUnit, choice.value);
    setControlText(control("TbGaugeRoofAdjustment"), numberText(perUnit));
  }
  enableBoxes();
}

Fields GaugingWindow::gaugingFields() const {
  Fields texts = fields();
  texts["ChkGaugeHydrometer"] = control<QCheckBox>("ChkGaugeHydrometer")->isChecked() ? kCheckedText : "";
  return texts;
}

void GaugingWindow::calculateGauging() {
  const Source* source = chosenSource();
  apply(gaugingOutcome(gaugingFields(), source ? GaugeTank{source->volumes, source->zone} : GaugeTank{}));
}

void GaugingWindow::printTicket() {
  const Source* source = chosenSource();
  const GaugingOutcome gauged =
      gaugeFromFields(gaugingFields(), source ? GaugeTank{source->volumes, source->zone} : GaugeTank{});
  const QPointer<GaugingWindow> self(this);  // a message's loop may close the window
  apply(gaugingOutcome(gauged));
  if (!self || !gauged.gauging || !source) return;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const QPointer<TicketPreview> preview = new TicketPreview(
      gaugingTicket(gaugingFields(), *gauged.gauging, source->text.toStdString(), local), registry().seam(), this);
  registry().seam().runModal(*preview);
  delete preview.data();  // already gone with this window, if it was closed
}

}  // namespace calvexa
