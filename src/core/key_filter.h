// The numeric key filter: which typed character codes a number box accepts,
// and which pasted or dropped texts it takes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/outcome.h"

namespace calvexa {

// Called with the code of a typed character. A code that may appear in a
// number (digits, "E", ".", "+", "-", Backspace) is left unchanged and the
// result is false. Any other code is set to 0 (the key is dropped) and the
// result is true: the caller shows improperNumberMessage() once for it.
bool NumericKeyFilter(int& key);

Message improperNumberMessage();

// A length box takes the keys of a number and those a length in feet, inches
// and eighths is typed with ("12 3 5/8", 12' 3"): the space, "/", "'" and
// '"'. Same contract as NumericKeyFilter.
bool LengthKeyFilter(int& key);

// What a paste or a drop puts into a number box: the text without the spaces,
// tabs and line ends at either end (a copied spreadsheet cell ends in a line
// end), when that is a number as a box is read, or the start of one being
// typed ("1.45E+", "-", "."). Nothing else is a number here: not "1,000",
// "1 000", "12abc" or "E5"; those give nullopt and the caller refuses them
// with improperNumberMessage(). A text of only spaces gives "": nothing to insert.
std::optional<std::string> pastedNumber(std::string_view text);

// What a paste or a drop puts into a length box: as pastedNumber, or a text
// of only the keys LengthKeyFilter lets through (the calculation reads it).
std::optional<std::string> pastedLength(std::string_view text);

}  // namespace calvexa
