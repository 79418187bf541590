// The converter's catalogue: list counts, loading and display orders, the
// Viscosity (D) swap, control names and list behaviour.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "conversion/catalogue_rules.h"

namespace calvexa {
namespace {

using Names = std::vector<std::string>;

const Category& byKey(const char* key) {
  const Category* category = findCategory(key);
  EXPECT_NE(category, nullptr) << key;
  return *category;
}

TEST(Catalogue, HoldsEveryUnitOnceInEachCategory) {
  struct Case {
    const char* key;
    const char* tabCaption;
    std::size_t units;
  };
  const Case cases[] = {{"Vol", "Volume", 31},         {"SqArea", "Area", 15},       {"Temp", "Temperature", 4},
                        {"Mass", "Mass", 13},          {"Length", "Length", 27},     {"Prefix", "Prefixes", 17},
                        {"Energy", "Energy", 27},      {"Pressure", "Pressure", 24}, {"Power", "Power", 19},
                        {"Speed", "Speed", 11},        {"VF", "Volume Flow", 12},    {"Dosage", "Dosage", 16},
                        {"Angle", "Angles", 6},        {"Light", "Light", 4},        {"Density", "Density", 15},
                        {"Conc", "Concentration", 13}, {"Dyn", "Viscosity (D)", 21}, {"Kin", "Viscosity (K)", 22}};
  const auto& categories = conversionCategories();
  ASSERT_EQ(categories.size(), std::size(cases));
  std::size_t listItems = 0;  // appended to all lists by one load of the window, both sides counted
  for (std::size_t i = 0; i < categories.size(); ++i) {
    const Category& category = categories[i];
    EXPECT_STREQ(category.key, cases[i].key);
    EXPECT_STREQ(category.tabCaption, cases[i].tabCaption);
    EXPECT_EQ(category.units.size(), cases[i].units) << category.key;
    const Names names = unitNames(category);
    const std::set<std::string> distinct(names.begin(), names.end());
    EXPECT_EQ(distinct.size(), category.units.size()) << category.key << " names a unit twice";
    listItems += 2 * category.units.size();
  }
  EXPECT_EQ(listItems, 594u);
}

TEST(Catalogue, ControlNamesFollowTheTabKey) {
  for (const Category& category : conversionCategories()) {
    const std::string key = category.key;
    EXPECT_EQ(category.fromList, "Cbo" + key + "From");
    EXPECT_EQ(category.toList, "Cbo" + key + "To");
  }
  // The names that do not follow the key, and a full row.
  EXPECT_STREQ(byKey("Density").valueBox, "TbDensFrom");
  EXPECT_STREQ(byKey("Density").answer, "TbDensityTo");
  EXPECT_STREQ(byKey("SqArea").calculate, "cmdCalcSqArea");
  EXPECT_STREQ(byKey("Dosage").calculate, "CmdDosageCalc");
  const Category& kin = conversionCategories()[17];
  EXPECT_STREQ(kin.titleLabel, "Label73");
  EXPECT_STREQ(kin.titleText, "Calculate Kinematic Viscosity");
  EXPECT_EQ(Names(kin.rowLabels.begin(), kin.rowLabels.end()), (Names{"Label72", "Label61", "Label50", "Label51"}));
  EXPECT_STREQ(kin.valueBox, "TbKinFrom");
  EXPECT_STREQ(kin.answer, "TbKinTo");
  EXPECT_STREQ(kin.calculate, "CmdKinCalc");
  EXPECT_STREQ(conversionCategories()[kConversionInitialTab].tabCaption, "Concentration");
}

TEST(Catalogue, OnlyViscosityListsAreEditableAndWithoutTooltips) {
  for (const Category& category : conversionCategories()) {
    const bool viscosity = std::string(category.key) == "Dyn" || std::string(category.key) == "Kin";
    EXPECT_EQ(category.lists == ListKind::Editable, viscosity) << category.key;
    EXPECT_EQ(category.tips == Tips::Shown, !viscosity) << category.key;
    EXPECT_EQ(category.toLoading == ToLoading::FirstTwoSwapped, std::string(category.key) == "Dyn") << category.key;
  }
}

TEST(Catalogue, ListsShowTheirItemsAlphabeticallyExceptPrefixes) {
  EXPECT_EQ(displayOrder(byKey("Temp"), ListSide::From), (Names{"Celcius", "Fahrenheit", "Kelvin", "Rankine"}));
  EXPECT_EQ(displayOrder(byKey("Light"), ListSide::To), (Names{"Flame", "Foot-candles", "Lux", "Meter-Candles"}));
  // Case is ignored: "dyne/square cm" sits among the D's, "lbf/..." among the L's.
  const Names pressure = displayOrder(byKey("Pressure"), ListSide::From);
  EXPECT_EQ(pressure.front(), "Atmospheres (standard)");
  EXPECT_EQ(pressure[5], "dyne/square cm");
  EXPECT_EQ(pressure.back(), "Torr (mm Hg, 0 C)");
  for (const Category& category : conversionCategories()) {
    if (category.order != ListOrder::Sorted) continue;
    for (ListSide side : {ListSide::From, ListSide::To}) {
      Names shown = displayOrder(category, side);
      Names lowered = shown;
      for (auto& name : lowered) std::transform(name.begin(), name.end(), name.begin(), ::tolower);
      EXPECT_TRUE(std::is_sorted(lowered.begin(), lowered.end())) << category.key;
      Names loaded = loadingOrder(category, side);
      std::sort(shown.begin(), shown.end());
      std::sort(loaded.begin(), loaded.end());
      EXPECT_EQ(shown, loaded) << category.key;
    }
  }
  const Names prefixes = displayOrder(byKey("Prefix"), ListSide::To);
  EXPECT_FALSE(byKey("Prefix").order == ListOrder::Sorted);
  EXPECT_EQ(prefixes, unitNames(byKey("Prefix")));
  EXPECT_EQ(prefixes.front(), "exa-meter (E)");
  EXPECT_EQ(prefixes.back(), "meter");
}

TEST(Catalogue, DynamicToListIsLoadedWithItsFirstTwoItemsSwapped) {
  const Category& dyn = byKey("Dyn");
  const Names from = loadingOrder(dyn, ListSide::From);
  const Names to = loadingOrder(dyn, ListSide::To);
  ASSERT_EQ(from.size(), 21u);
  ASSERT_EQ(to.size(), 21u);
  EXPECT_EQ(from[0], "decipoise");
  EXPECT_EQ(from[1], "centipoise (cP)");
  EXPECT_EQ(to[0], "centipoise (cP)");
  EXPECT_EQ(to[1], "decipoise");
  EXPECT_TRUE(std::equal(from.begin() + 2, from.end(), to.begin() + 2));
  // Every other category loads the same order on both sides.
  for (const Category& category : conversionCategories()) {
    if (&category == &dyn) continue;
    EXPECT_EQ(loadingOrder(category, ListSide::From), loadingOrder(category, ListSide::To)) << category.key;
  }
}

TEST(Catalogue, DosageAndDensityShareElevenNamesAndNoOtherNameRepeats) {
  std::multiset<std::string> all;
  for (const Category& category : conversionCategories())
    for (const std::string& name : unitNames(category)) all.insert(name);
  std::set<std::string> repeated;
  for (const auto& name : all)
    if (all.count(name) > 1) repeated.insert(name);
  const std::set<std::string> shared = {"Grams/cubic centimeter", "Grams/cubic meter",   "Kilograms/cubic meter",
                                        "Milligrams/cubic meter", "Ounce/gallon",        "Pounds/cubic foot",
                                        "Pounds/cubic inch",      "Tons/cubic yard",     "Kilograms/Litre",
                                        "Pounds/gallon (U.S.)",   "Pounds/gallon (U.K.)"};
  EXPECT_EQ(repeated, shared);
  // The energy unit with the middle dot keeps its UTF-8 bytes.
  EXPECT_STREQ(byKey("Energy").units[0].name, "W\xC2\xB7s");
}

}  // namespace
}  // namespace calvexa
