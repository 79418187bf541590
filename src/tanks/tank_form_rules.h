// The rows, buttons and chart checks every tank window's table is made of: a size
// with its length unit list, the liquid volume answer with its volume unit
// list, and the boxes and lists a chart requires.
#pragma once

#include <vector>

#include "core/input.h"
#include "core/outcome.h"
#include "core/page_table.h"
#include "tanks/chart_rules.h"

namespace calvexa {

// A size of the tank read in metres, a diameter (or an internal height or
// width) read as half of it in metres, both refused below zero; the fluid
// height in metres, whose own rules say what a negative one does; and the
// answer's volume unit.
Input tankLength(const char* box, const char* list, const char* valueName, Message unitMessage);
Input tankLength(const char* box, const char* list, const char* valueName, const char* unitMessage);
Input tankHalfLength(const char* box, const char* list, const char* valueName, const char* unitMessage);
Input tankFluidHeight(const char* box, const char* list, Message unitMessage);
Input tankFluidHeight(const char* box, const char* list, const char* unitMessage);
Input tankVolumeUnit(const char* list, const char* unitMessage);

// A size: its box (1 at load) and its length unit list.
PageRow tankLengthRow(const char* caption, const char* box, const char* list, const char* boxTip = nullptr,
                      const char* listTip = nullptr);
// "Liquid Volume:", the answer and its volume unit list.
PageRow tankAnswerRow(const char* box, const char* list, const char* boxTip = nullptr, const char* listTip = nullptr);

// "&Calculate" and the chart's print button.
std::vector<PageButton> tankButtons(const char* calculate, const char* print,
                                    const char* printCaption = "&Print Chart with Data");

// A box a chart needs, named `valueName` when it is not a number; a list it
// needs.
ChartCheck requiredBox(const char* control, Message message, const char* valueName);
ChartCheck requiredList(const char* control, Message message);
// The same with a plain message.
ChartCheck requiredBox(const char* control, const char* message, const char* valueName);
ChartCheck requiredList(const char* control, const char* message);

}  // namespace calvexa
