#include "tanks/tank_form_rules.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "tanks/tank_units_rules.h"

namespace calvexa {

Input tankLength(const char* box, const char* list, const char* valueName, Message unitMessage) {
  return {.box = box,
          .list = list,
          .valueName = valueName,
          .unitMessage = std::move(unitMessage),
          .units = kTankLengths,
          .sign = Sign::NotNegative};
}

Input tankLength(const char* box, const char* list, const char* valueName, const char* unitMessage) {
  return tankLength(box, list, valueName, Message{.text = unitMessage});
}

Input tankHalfLength(const char* box, const char* list, const char* valueName, const char* unitMessage) {
  return {.box = box,
          .list = list,
          .valueName = valueName,
          .unitMessage = {unitMessage},
          .units = kTankDiameters,
          .sign = Sign::NotNegative};
}

Input tankFluidHeight(const char* box, const char* list, Message unitMessage) {
  return {.box = box,
          .list = list,
          .valueName = "Fluid Height",
          .unitMessage = std::move(unitMessage),
          .units = kTankLengths};
}

Input tankFluidHeight(const char* box, const char* list, const char* unitMessage) {
  return tankFluidHeight(box, list, Message{.text = unitMessage});
}

Input tankVolumeUnit(const char* list, const char* unitMessage) {
  return {.list = list, .unitMessage = {unitMessage}, .units = kTankVolumes};
}

PageRow tankLengthRow(const char* caption, const char* box, const char* list, const char* boxTip, const char* listTip) {
  return {.caption = caption,
          .box = box,
          .boxText = "1",
          .boxTip = boxTip,
          .list = list,
          .items = &TankLengthUnits(),
          .listTip = listTip};
}

PageRow tankAnswerRow(const char* box, const char* list, const char* boxTip, const char* listTip) {
  return {.caption = "Liquid Volume:",
          .box = box,
          .boxTip = boxTip,
          .list = list,
          .items = &TankVolumeUnits(),
          .listTip = listTip,
          .kind = RowKind::Answer};
}

std::vector<PageButton> tankButtons(const char* calculate, const char* print, const char* printCaption) {
  return {{.name = calculate, .caption = "&Calculate"},
          {.name = print, .caption = printCaption, .action = ButtonAction::Window}};
}

ChartCheck requiredBox(const char* control, Message message, const char* valueName) {
  return {.control = control, .message = std::move(message), .valueName = valueName};
}

ChartCheck requiredList(const char* control, Message message) {
  return {.control = control, .message = std::move(message)};
}

ChartCheck requiredBox(const char* control, const char* message, const char* valueName) {
  return requiredBox(control, Message{.text = message}, valueName);
}

ChartCheck requiredList(const char* control, const char* message) {
  return requiredList(control, Message{.text = message});
}

namespace {

const TankInputRow* findTankRow(const TankRows& rows, TankRole role) {
  const auto found =
      std::find_if(rows.begin(), rows.end(), [role](const TankInputRow& row) { return row.role == role; });
  return found == rows.end() ? nullptr : &*found;
}

}  // namespace

const TankInputRow& tankRow(const TankRows& rows, TankRole role) {
  if (const TankInputRow* row = findTankRow(rows, role)) return *row;
  throw std::out_of_range("a tank tab without the row its table asks for");
}

bool hasTankRow(const TankRows& rows, TankRole role) { return findTankRow(rows, role) != nullptr; }

Input tankInput(const TankInputRow& row) {
  if (row.role == TankRole::Answer) return {.list = row.list, .unitMessage = row.unitMessage, .units = kTankVolumes};
  Input input = {.box = row.box,
                 .list = row.list,
                 .valueName = row.valueName,
                 .unitMessage = row.unitMessage,
                 .units = kTankLengths,
                 .sign = Sign::NotNegative};
  if (row.reading == SizeReading::Half) input.units = kTankDiameters;
  if (row.reading == SizeReading::Fluid) input.sign = Sign::Any;
  return input;
}

std::vector<PageRow> tankPageRows(const TankRows& rows) {
  std::vector<PageRow> page;
  page.reserve(rows.size());
  for (const TankInputRow& row : rows)
    page.push_back(row.role == TankRole::Answer
                       ? tankAnswerRow(row.box, row.list, row.boxTip, row.listTip)
                       : tankLengthRow(row.caption, row.box, row.list, row.boxTip, row.listTip));
  return page;
}

// The picture's dimension of each role, in TankRole's order; the answer is
// not drawn.
constexpr int TankPictureInputs::*kPictureDimensions[] = {&TankPictureInputs::width,
                                                          &TankPictureInputs::depth,
                                                          &TankPictureInputs::height,
                                                          &TankPictureInputs::bottom,
                                                          &TankPictureInputs::fluid,
                                                          &TankPictureInputs::length,
                                                          nullptr};

TankPictureInputs tankPictureInputs(TankShape shape, const TankRows& rows) {
  TankPictureInputs picture = {.shape = shape};
  int size = 0;
  for (const TankInputRow& row : rows)
    if (int TankPictureInputs::*dimension = kPictureDimensions[static_cast<std::size_t>(row.role)])
      picture.*dimension = size++;
  return picture;
}

Page tankPage(const TankTab& tab, int width, int height) {
  return {.tab = tab.tab,
          .heading = tab.heading,
          .picture = {.name = tab.picture,
                      .drawing = tankShapeName(tab.shape),
                      .source = PictureSource::Window,
                      .width = width,
                      .height = height},
          .rows = tankPageRows(tab.rows),
          .buttons = tankButtons(tab.calculateButton, tab.printButton, tab.printCaption),
          .calculate = tab.calculate};
}

HeaderPiece numOf(const TankRows& rows, TankRole role) { return num(tankRow(rows, role).box); }
HeaderPiece unitOf(const TankRows& rows, TankRole role) { return unit(tankRow(rows, role).list); }

TankChartProfile tankChartProfile(const TankRows& rows, std::span<const TankCheck> order, Calculation calculate,
                                  std::array<HeaderLine, 3> headers, FluidFill fill) {
  std::vector<ChartCheck> required;
  for (const TankCheck& check : order) {
    const TankInputRow* row = findTankRow(rows, check.role);
    if (!row) continue;
    required.push_back(check.control == TankCheck::Control::Box ? requiredBox(row->box, row->boxCheck, row->valueName)
                                                                : requiredList(row->list, row->listCheck));
  }
  const TankInputRow& stepped = tankRow(rows, TankRole::Height);
  const TankInputRow& fluid = tankRow(rows, TankRole::Fluid);
  const TankInputRow& answer = tankRow(rows, TankRole::Answer);
  return {.required = std::move(required),
          .steppedBox = stepped.box,
          .steppedList = stepped.list,
          .fluidBox = fluid.box,
          .fluidList = fluid.list,
          .answerList = answer.list,
          .calculate = calculate,
          .answer = answer.box,
          .headers = std::move(headers),
          .fill = fill};
}

}  // namespace calvexa
