// Input-check helpers shared by every calculation: reading a box as a number
// and refusing answers that are not finite, with the program's own wordings.
#pragma once

#include <optional>
#include <string>

#include "core/outcome.h"

namespace calvexa {

// "Please type in a number for Casing Diameter."
std::string notANumberText(const std::string& valueName);

// The answer a calculation refuses to show because it is infinite or undefined.
extern const char* const kAnswerOutOfRangeText;

// Reads the box `box` as a number; when its text is not a number, adds the
// not-a-number message naming valueName to outcome and returns nullopt.
std::optional<double> readNumber(const Fields& fields, const std::string& box, const std::string& valueName,
                                 Outcome& outcome);

// True when value is finite; otherwise adds the out-of-range message.
bool acceptAnswer(double value, Outcome& outcome);

}  // namespace calvexa
