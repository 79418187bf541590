#include "oilfield/oilfield_windows.h"

#include <QAbstractButton>
#include <QString>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "oilfield/annular_rules.h"
#include "oilfield/coating_rules.h"
#include "oilfield/fuel_rules.h"
#include "oilfield/oilfield_form_rules.h"
#include "oilfield/pipeline_rules.h"

namespace calvexa {
namespace {

using K = ControlKind;

// Design layout of a page, in pixels.
constexpr int kLabelLeft = 12, kLabelWidth = 200;
constexpr int kBoxLeft = 216, kBoxWidth = 110;
constexpr int kListLeft = 334, kListWidth = 150;
constexpr int kUnitsWidth = 44;  // a "Units:" label before each list moves the list right by this much
constexpr int kPictureLeft = 500, kPictureSize = 120;
constexpr int kFirstRowTop = 44, kRowPitch = 36, kRowHeight = 24;
constexpr int kTabBarHeight = 30;
constexpr int kPageWidth = 640;

int pageHeight(const FormPage& page) { return kFirstRowTop + static_cast<int>(page.rows.size()) * kRowPitch + 56; }

// Rows of one page; `parent` is the tab page or null for a window without tabs.
void addPage(std::vector<ControlSpec>& c, const FormPage& page, const char* parent, int pageIndex, const char* drawing,
             std::deque<std::string>& names) {
  if (page.heading) {
    names.push_back(page.headingName ? page.headingName : "lblHeading" + std::to_string(pageIndex));
    c.push_back({K::Label, names.back().c_str(), page.heading, QRect(kLabelLeft, 8, 480, 24), nullptr, parent, 10});
  }
  if (page.picture && drawing)
    c.push_back({K::Picture, page.picture, "", QRect(kPictureLeft, kFirstRowTop, kPictureSize, kPictureSize), nullptr,
                 parent, 0, drawing});
  const int listLeft = page.unitsCaption ? kListLeft + kUnitsWidth : kListLeft;
  int top = kFirstRowTop;
  for (const FormRow& row : page.rows) {
    names.push_back(std::string("lbl") + row.box);
    c.push_back({K::Label, names.back().c_str(), row.caption, QRect(kLabelLeft, top, kLabelWidth, kRowHeight), nullptr,
                 parent});
    const K boxKind = row.answer ? K::Answer : page.keyFilter ? K::NumericBox : K::TextBox;
    c.push_back({boxKind, row.box, row.boxText ? row.boxText : "", QRect(kBoxLeft, top, kBoxWidth, kRowHeight),
                 row.boxTip, parent});
    if (page.unitsCaption) {
      names.push_back(std::string("lblUnits") + row.list);
      c.push_back({K::Label, names.back().c_str(), page.unitsCaption, QRect(kListLeft, top, kUnitsWidth, kRowHeight),
                   nullptr, parent});
    }
    c.push_back({K::PickList, row.list, "", QRect(listLeft, top, kListWidth, kRowHeight), row.listTip, parent});
    top += kRowPitch;
  }
  c.push_back({K::Button, page.button, page.buttonCaption, QRect(kBoxLeft, top + 8, 110, 30), page.buttonTip, parent});
}

struct BuiltForm {
  std::vector<ControlSpec> controls;
  QSize size;
};

// The control table of a whole window. Names made up here (labels) are kept
// alive in `names` for as long as the table is used.
BuiltForm buildForm(const OilfieldForm& form, const char* drawing, std::deque<std::string>& names,
                    std::deque<std::string>& parents) {
  BuiltForm built;
  int height = 0;
  for (const FormPage& page : form.pages) height = std::max(height, pageHeight(page));
  if (form.tabs) {
    std::string captions;
    for (const FormPage& page : form.pages) captions += (captions.empty() ? "" : "|") + std::string(page.tabCaption);
    names.push_back(captions);
    built.controls.push_back({K::Tabs, form.tabs, names.back().c_str(), QRect(8, 8, kPageWidth, height + kTabBarHeight),
                              nullptr, nullptr, 9, nullptr, 4});
    for (std::size_t i = 0; i < form.pages.size(); ++i) {
      parents.push_back(std::string(form.tabs) + ":" + std::to_string(i));
      addPage(built.controls, form.pages[i], parents.back().c_str(), static_cast<int>(i), drawing, names);
    }
    built.size = QSize(kPageWidth + 16, height + kTabBarHeight + 16);
  } else {
    addPage(built.controls, form.pages.front(), nullptr, 0, drawing, names);
    built.size = QSize(kPageWidth, height);
  }
  return built;
}

// The table is built once per window kind; the strings it points into live with it.
struct FormTable {
  FormTable(const OilfieldForm& form, const char* drawing) : built(buildForm(form, drawing, names, parents)) {}
  std::deque<std::string> names;
  std::deque<std::string> parents;
  BuiltForm built;
};

const FormTable& formTable(const OilfieldForm& form, const char* drawing) {
  static std::map<const OilfieldForm*, std::unique_ptr<FormTable>> tables;
  auto& table = tables[&form];
  if (!table) table = std::make_unique<FormTable>(form, drawing);
  return *table;
}

FormSpec windowSpec(WindowId id, const OilfieldForm& form, const FormTable& table) {
  return {id, form.name, form.caption, table.built.size};
}

}  // namespace

OilfieldWindow::OilfieldWindow(WindowRegistry& registry, WindowId id, const OilfieldForm& form, const char* drawing)
    : FormWindow(registry, windowSpec(id, form, formTable(form, drawing)), formTable(form, drawing).built.controls),
      form_(form) {
  for (const FormPage& page : form.pages) {
    auto calculation = page.calculate;
    connect(control<QAbstractButton>(page.button), &QAbstractButton::clicked, this,
            [this, calculation] { calculate(calculation); });
  }
}

void OilfieldWindow::onLoad() {
  for (const FormPage& page : form_.pages)
    for (const FormRow& row : page.rows) fillList(control(row.list), *row.items, row.sorted);
}

FrmAnnVolume::FrmAnnVolume(WindowRegistry& registry)
    : OilfieldWindow(registry, WindowId::AnnVolume, annularForm(), ":/pictures/annulus.svg") {}

FrmPipelineVolume::FrmPipelineVolume(WindowRegistry& registry)
    : OilfieldWindow(registry, WindowId::PipelineVolume, pipelineForm(), ":/pictures/pipeline.svg") {}

frmCoating::frmCoating(WindowRegistry& registry)
    : OilfieldWindow(registry, WindowId::Coating, coatingForm(), ":/pictures/coating.svg") {}

frmFuelUse::frmFuelUse(WindowRegistry& registry)
    : OilfieldWindow(registry, WindowId::FuelUse, fuelForm(), ":/pictures/fuel.svg") {}

}  // namespace calvexa
