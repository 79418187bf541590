// The unit converter's catalogue as data: one row per tab of frmConversion
// with its captions, the objectNames of its controls, its messages, and its
// units, each unit one row of name and rules to and from the tab's base unit,
// so that the window and its calculations come from this table alone.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/page_table.h"

namespace calvexa {

// A rule is a short chain of steps applied left to right to the value, so that
// every answer is computed in the same order, and so rounds the same way, as
// the formula it stands for. A parenthesised constant such as (0.1589873 × 1000)
// is one step whose constant is formed first (at compile time, in doubles).
enum class Op {
  None,     // end of the chain
  Mul,      // x × k
  Div,      // x ÷ k
  Add,      // x + k
  Sub,      // x - k
  DivInto,  // k ÷ x
  SubFrom,  // k - x
  ZeroAt,   // x equal to k gives 0 and ends the chain
};
struct Step {
  Op op = Op::None;
  double k = 0;
};
using Rule = std::array<Step, 3>;

// One unit: its name (the list item, matched exactly) and its rules to and
// from the category's base unit. An empty rule takes the value unchanged.
struct UnitRule {
  const char* name;
  Rule toBase;
  Rule fromBase;
};

// The units of one category, in the order they are loaded into the lists.
struct UnitRules {
  const UnitRule* rows;
  std::size_t count;
  const UnitRule* begin() const { return rows; }
  const UnitRule* end() const { return rows + count; }
  std::size_t size() const { return count; }
  const UnitRule& operator[](std::size_t i) const { return rows[i]; }
};

enum class Tips { Shown, None };                    // the five tooltips of a tab
enum class ToLoading { AsFrom, FirstTwoSwapped };   // how the To list is loaded
enum class CheckOrder { ValueFirst, ToUnitFirst };  // when the To unit is matched
enum class ZeroBase { Accepted, Refused };          // a base value of zero

// One tab. The four row labels are, in this order, the labels before the From
// list ("Convert From:"), the To list ("Convert To:"), the value box ("Units:")
// and the answer field ("Units:"); their texts are kRowLabelTexts.
struct Category {
  const char* key;         // the key in the control names: "Vol" in CboVolFrom
  const char* tabCaption;  // "Volume"
  const char* titleLabel;  // objectName of the centred title label
  const char* titleText;   // "Calculate Volumes"
  std::array<const char*, 4> rowLabels;
  const char* valueBox;   // editable box, text "1" at load
  const char* fromList;   // unit list to convert from
  const char* toList;     // unit list to convert to
  const char* answer;     // read-only answer field
  const char* calculate;  // the Calculate button
  UnitRules units;
  Message emptyValue;      // the value box is exactly empty
  Message unknownUnit;     // the From list's text (and the To list's) is not a unit name
  Message unknownTo = {};  // the To list's text is not a unit name, where that has its own message
  Tips tips = Tips::Shown;
  ListOrder order = ListOrder::Sorted;  // both lists
  ListKind lists = ListKind::PickOnly;  // both lists
  ToLoading toLoading = ToLoading::AsFrom;
  CheckOrder checks = CheckOrder::ValueFirst;
  ZeroBase zeroBase = ZeroBase::Accepted;
};

enum class ListSide { From, To };

constexpr std::size_t kCategoryCount = 18;

// The tabs in their order on the tab control (position 0 first).
const std::array<Category, kCategoryCount>& conversionCategories();

// The tab whose key is given ("Vol", "Dyn"), or null.
const Category* findCategory(const std::string& key);

// The unit names of a tab, in loading order.
std::vector<std::string> unitNames(const Category& category);

// The items of one list in the order they are appended.
std::vector<std::string> loadingOrder(const Category& category, ListSide side);

// The items of one list in the order the window shows them: the loading order,
// sorted without regard to ASCII case when the category's lists are sorted
// (equal names keep their loading order).
std::vector<std::string> displayOrder(const Category& category, ListSide side);

// Window-wide texts and names.
extern const char* const kConversionCaption;    // "Conversions " (one trailing space)
extern const char* const kConversionTabsName;   // "SStab"
constexpr int kConversionInitialTab = 15;       // Concentration is in front at first
extern const char* const kValueBoxInitialText;  // "1"
extern const char* const kCalculateCaption;     // "&Calculate"
extern const std::array<const char*, 4> kRowLabelTexts;

// Tooltips of the tabs whose tips are shown.
extern const char* const kCalculateTip;
extern const char* const kFromListTip;
extern const char* const kToListTip;
extern const char* const kValueBoxTip;
extern const char* const kAnswerTip;

}  // namespace calvexa
