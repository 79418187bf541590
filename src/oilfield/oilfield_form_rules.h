// The window data of the oilfield windows as plain tables: captions, rows of
// label, box and unit list, tooltips, initial texts and list items, so that a
// window is generated from its table and its texts are written only here.
#pragma once

#include <vector>

#include "oilfield/oilfield_units_rules.h"
#include "core/outcome.h"

namespace calvexa {

// One row of a page: a caption label, a value box (or the answer label) and
// its unit list. A null text means the control has none (no tooltip).
struct FormRow {
  const char* caption;     // label before the box, e.g. "Annular Height:"
  const char* box;         // objectName of the value box or answer label
  const char* boxText;     // its text at load
  const char* boxTip;      // tooltip of the box
  const char* list;        // objectName of the unit list
  const UnitItems* items;  // the list's items, in the order it shows them
  bool sorted;             // the list keeps its items sorted alphabetically
  const char* listTip;     // tooltip of the list
  bool answer;             // the box is the read-only answer label
};

// One page: a tab of a tab control, or the whole window when it has no tabs.
struct FormPage {
  const char* tabCaption;     // null: the window has no tab control
  const char* heading;        // heading label text
  const char* headingName;    // objectName of the heading label, when it has one
  const char* picture;        // objectName of the drawing
  std::vector<FormRow> rows;  // top to bottom; the answer row last
  bool keyFilter;             // the value boxes pass the numeric key filter
  const char* unitsCaption;   // label before every unit list ("Units:"), or null
  const char* button;         // objectName of the Calculate button
  const char* buttonCaption;
  const char* buttonTip;
  Outcome (*calculate)(const Fields&);  // what the button runs
};

struct OilfieldForm {
  const char* name;     // window objectName
  const char* caption;  // window title
  const char* tabs;     // objectName of the tab control, or null
  std::vector<FormPage> pages;
};

}  // namespace calvexa
