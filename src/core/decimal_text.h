// Numbers in plain decimal notation, for files that other programs read:
// never an exponent, never a group separator, the decimal point always ".".
#pragma once

#include <string>

namespace calvexa {

// value rounded half away from zero on its exact decimal value to `decimals`
// decimals (0 to 20; others are brought into that range): 2.5, 3 gives
// "2.500"; 0.0025, 4 gives "0.0025"; 1E-7, 3 gives "0.000" (no minus on a
// zero). Only for finite values (anything else is written as generalText
// writes it).
std::string decimalText(double value, int decimals);

// The shortest plain decimal that reads back as the same double: 0.1 gives
// "0.1", 1500 gives "1500", 1.5E-7 gives "0.00000015". Only for finite values.
std::string exactDecimalText(double value);

}  // namespace calvexa
