// The unit converter's calculations: for each tab, the value and the From
// unit checked and the value brought to the category's base unit, then the To
// unit checked, the base value brought to it and the answer written as general
// number text, with the messages each check shows, in the order it shows them.
#pragma once

#include <cstddef>
#include <string>

#include "conversion/catalogue_rules.h"
#include "core/outcome.h"

namespace calvexa {

// The Calculate button of a tab. Reads the tab's value box, From list and To
// list from fields by objectName; returns either one message, or the answer
// written to the tab's answer field. After a message nothing is written.
Outcome convert(const Category& category, const Fields& fields);

// The same by tab position (0 to 17); an unknown position gives no effects.
Outcome convert(std::size_t tab, const Fields& fields);

// The value name in the message for a value text that is not a number:
// "Please type in a number for the 'Convert From Unit' box."
extern const char* const kConvertValueName;

}  // namespace calvexa
