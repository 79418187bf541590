// Heights in feet, inches and fractions of an inch, the way tank tables and
// gauge tapes show them: 12' 3 5/8".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calvexa {

// The unit a height is given in, or wanted in.
enum class FeetOrInches { Feet, Inches };

// The smallest fraction of an inch a text shows.
enum class InchFraction { Eighths = 8, Sixteenths = 16 };

// The unit of a height unit's name: "Feet" or "Inches" (the program's unit
// names, exact); nullopt for any other.
std::optional<FeetOrInches> feetOrInches(std::string_view unitName);

// `height` (in `unit`) as feet, inches and a fraction: 12' 3 5/8". Rounded
// half away from zero to the nearest eighth (or sixteenth) of an inch, with
// the carries that brings (11' 11 15/16" to eighths is 12' 0"); the fraction
// reduced (4/8 is 1/2) and left out when there is none (10' 0"); whole feet
// and inches always shown (0' 0 1/8"); a leading minus on a height below zero
// that does not round to zero. Heights of more than about 10^13 ft, and
// values that are not finite, are written in general number text.
std::string feetInchesText(double height, FeetOrInches unit, InchFraction fraction = InchFraction::Eighths);

// A height typed in feet and inches, as a number in `unit`. Takes, with
// spaces around and an optional leading sign:
//   12' 3 5/8"   12'3-5/8"   12' 3"   12' 3   12' 5/8"   12' 3.5"   12'
//   3 5/8"   3-5/8"   5/8"   3.5"       inches alone carry the inch mark
//   12 3 5/8   12 3                     feet, inches and fraction, no marks
//   12.5                                a plain decimal, already in `unit`
// Feet given with inches are whole; inches given with a fraction are whole;
// inches after feet are below 12; a fraction is a proper one (below 1, its
// denominator above 0). Anything else is refused (nullopt), never read in part.
std::optional<double> parseFeetInches(std::string_view text, FeetOrInches unit);

}  // namespace calvexa
