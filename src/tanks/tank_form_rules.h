// The rows, buttons and chart checks every tank window's table is made of: a size
// with its length unit list, the liquid volume answer with its volume unit
// list, and the boxes and lists a chart requires. A tank tab writes each of
// its inputs once, as a TankInputRow; its calculation's inputs, its page rows,
// its chart profile and its picture's inputs are derived from those rows.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "core/input.h"
#include "core/outcome.h"
#include "core/page_table.h"
#include "tanks/chart_rules.h"
#include "tanks/tank_drawing_rules.h"

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

// What an input is to the tab's picture and chart. Upright tanks: Width is the
// diameter (or an elliptical tank's width), Depth front to back, Height the
// total height, Bottom the depth (a) of the bottom. Tanks on their side and
// spheres: Height is the diameter (or the internal height), Width the internal
// width, Length the shell, Bottom the length (a) of each head. A chart steps
// the Height and fills the Fluid; Answer is the volume and its unit.
enum class TankRole { Width, Depth, Height, Bottom, Fluid, Length, Answer };

// How the calculation reads a size's box: in metres, as half of it in metres
// (a diameter read as its radius), or as the fluid height (its own rules say
// what a negative one does).
enum class SizeReading { Whole, Half, Fluid };

// One input of a tank tab: its caption, box and list, what it is, how the
// calculation reads it and names it, the message for a unit it does not
// accept, and the messages of a chart that finds its box or list empty.
struct TankInputRow {
  const char* caption = nullptr;  // the answer row's is "Liquid Volume:"
  const char* box;
  const char* list;
  TankRole role;
  SizeReading reading = SizeReading::Whole;
  const char* valueName = "";
  Message unitMessage;
  Message boxCheck = {};
  Message listCheck = {};
  const char* boxTip = nullptr;
  const char* listTip = nullptr;
};
// A tab's inputs, top first as its page shows them, the answer last.
using TankRows = std::vector<TankInputRow>;

// The row of `role`; a tab without one is a fault of its table (out_of_range).
const TankInputRow& tankRow(const TankRows& rows, TankRole role);
bool hasTankRow(const TankRows& rows, TankRole role);

// The calculation's reading of a row (the answer row: its unit alone).
Input tankInput(const TankInputRow& row);
// The rows of `order`, in that order, as the calculation reads them.
template <std::size_t N>
std::array<Input, N> tankInputs(const TankRows& rows, const std::array<TankRole, N>& order) {
  std::array<Input, N> inputs;
  for (std::size_t i = 0; i < N; ++i) inputs[i] = tankInput(tankRow(rows, order[i]));
  return inputs;
}

// The page's rows: a size with its length list, the answer with its volume
// list.
std::vector<PageRow> tankPageRows(const TankRows& rows);

// Where the picture of `shape` reads each dimension: the rows' places among
// the sizes.
TankPictureInputs tankPictureInputs(TankShape shape, const TankRows& rows);

// One check of a chart: a row's box (with its value name) or its list. A tab
// without the row has no such check (a tab with flat ends checks no head).
struct TankCheck {
  enum class Control { Box, List };
  TankRole role;
  Control control;
};
constexpr TankCheck boxCheck(TankRole role) { return {role, TankCheck::Control::Box}; }
constexpr TankCheck listCheck(TankRole role) { return {role, TankCheck::Control::List}; }

// A header piece of a row: its box's number or its list's text.
HeaderPiece numOf(const TankRows& rows, TankRole role);
HeaderPiece unitOf(const TankRows& rows, TankRole role);

// A tank tab: its caption and heading, the shape its picture draws, its input
// rows, its two buttons and its calculation.
struct TankTab {
  const char* tab;
  const char* heading;
  TankShape shape;
  const char* picture;  // the picture's objectName
  TankRows rows;
  const char* calculateButton;
  const char* printButton;
  const char* printCaption = "&Print Chart with Data";
  Calculation calculate;
};
// The page of a tab, its picture `width` × `height` design pixels.
Page tankPage(const TankTab& tab, int width, int height);

// The chart of a tab: the checks in `order` with the rows' messages, the
// Height stepped, the Fluid filled, the Answer read.
TankChartProfile tankChartProfile(const TankRows& rows, std::span<const TankCheck> order, Calculation calculate,
                                  std::array<HeaderLine, 3> headers, FluidFill fill = FluidFill::BoxAndUnit);

}  // namespace calvexa
