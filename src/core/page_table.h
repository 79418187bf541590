// Windows of pages, as plain tables: each page holds rows of caption, value
// box and unit list, an answer row, a drawing and its buttons. The window
// layer generates every control from these rows, so a window's texts are
// written only in its table.
#pragma once

#include <vector>

#include "core/outcome.h"
#include "core/units.h"
#include "core/window_key.h"

namespace calvexa {

// What a page computes from the texts of its window.
using Calculation = Outcome (*)(const Fields&);

enum class RowKind {
  Value,   // a value box the user types into
  Answer,  // the read-only answer label
};

enum class ListOrder {
  Sorted,   // the list sorts its items alphabetically by itself
  AsAdded,  // the items stay in the order they are added
};

enum class ListKind {
  PickOnly,  // the user can only choose an item
  Editable,  // the user may also type any text
};

enum class BoxKind {
  Filtered,  // typed keys pass the numeric key filter
  Plain,     // any text can be typed
};

// One row: the caption label, the box (or the answer label) and its unit list.
struct PageRow {
  const char* caption = "";          // label before the box, e.g. "Annular Height:"
  const char* box = "";              // objectName of the value box or answer label
  const char* boxText = "";          // its text at load
  const char* boxTip = nullptr;      // tooltip of the box
  const char* list = "";             // objectName of the unit list
  const UnitItems* items = nullptr;  // the list's items, in the order they are added
  ListOrder order = ListOrder::Sorted;
  const char* listTip = nullptr;  // tooltip of the list
  RowKind kind = RowKind::Value;
};

enum class ButtonAction {
  Calculate,  // runs the page's calculation
  Window,     // runs the page action its window gives
};

struct PageButton {
  const char* name;
  const char* caption;
  const char* tip = nullptr;
  ButtonAction action = ButtonAction::Calculate;
};

// Where a page's drawing comes from.
enum class PictureSource {
  Resource,  // a picture file among the program's resources
  Window,    // drawn by the window itself (the drawing names what to draw)
};

// The page's drawing, at its design size in pixels.
struct PagePicture {
  const char* name = nullptr;     // objectName; none: the page has no drawing
  const char* drawing = nullptr;  // resource path of the picture, or what the window draws
  PictureSource source = PictureSource::Resource;
  int width = 120;
  int height = 120;
};

struct Page {
  const char* tab = nullptr;          // tab caption; none: the window has no tab control
  const char* heading = nullptr;      // heading label text
  const char* headingName = nullptr;  // objectName of the heading; none: made up from the page number
  PagePicture picture = {};
  std::vector<PageRow> rows = {};  // top to bottom; the answer row last
  BoxKind boxes = BoxKind::Filtered;
  const char* unitsCaption = nullptr;  // a label before every unit list ("Units:")
  std::vector<PageButton> buttons = {};
  Calculation calculate = nullptr;
};

struct PageForm {
  WindowKey key;               // the window: its objectName
  const char* caption;         // window title
  const char* tabs = nullptr;  // objectName of the tab control; none: one page, no tabs
  int tabsPerRow = 4;
  int firstTab = 0;  // the tab in front when the window is created
  ListKind lists = ListKind::PickOnly;
  std::vector<Page> pages = {};
};

}  // namespace calvexa
