#include "tanks/tank_form_rules.h"

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

}  // namespace calvexa
