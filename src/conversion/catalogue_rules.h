// The unit converter's catalogue as data: one row per tab of frmConversion,
// with its captions, the objectNames of its controls and its unit names in
// loading order, so that the window is generated from this table alone.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace calvexa {

// The unit names of one category, in the order they are loaded into the lists.
struct UnitNames {
  const char* const* items;
  std::size_t count;
  const char* const* begin() const { return items; }
  const char* const* end() const { return items + count; }
  std::size_t size() const { return count; }
};

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
  bool tooltips;          // the five tooltips are set on this tab's controls
  UnitNames units;        // loading order of the From list
  bool sorted;            // both lists show their items sorted, case-insensitively
  bool editable;          // both lists accept typed text
  bool toSwapsFirstTwo;   // the To list is loaded with its first two items swapped
};

enum class ListSide { From, To };

constexpr std::size_t kCategoryCount = 18;

// The tabs in their order on the tab control (position 0 first).
const std::array<Category, kCategoryCount>& conversionCategories();

// The tab whose key is given ("Vol", "Dyn"), or null.
const Category* findCategory(const std::string& key);

// The items of one list in the order they are appended.
std::vector<std::string> loadingOrder(const Category& category, ListSide side);

// The items of one list in the order the window shows them: the loading order,
// sorted without regard to ASCII case when the category's lists are sorted
// (equal names keep their loading order).
std::vector<std::string> displayOrder(const Category& category, ListSide side);

// Items appended to all lists by one load of the window, both sides counted.
std::size_t totalListItems();

// Window-wide texts and names.
extern const char* const kConversionWindowName;  // "frmConversion"
extern const char* const kConversionCaption;     // "Conversions " (one trailing space)
extern const char* const kConversionTabsName;    // "SStab"
constexpr int kConversionInitialTab = 15;        // Concentration is in front at first
extern const char* const kValueBoxInitialText;   // "1"
extern const char* const kCalculateCaption;      // "&Calculate"
extern const std::array<const char*, 4> kRowLabelTexts;

// Tooltips of the tabs whose `tooltips` is set.
extern const char* const kCalculateTip;
extern const char* const kFromListTip;
extern const char* const kToListTip;
extern const char* const kValueBoxTip;
extern const char* const kAnswerTip;

}  // namespace calvexa
