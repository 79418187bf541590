// The gauging ticket: what was gauged and what it came to, as lines a
// printed page shows top to bottom. Values are the texts the window showed,
// so the ticket and the window never differ.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "gauging/gauging_rules.h"

namespace calvexa {

struct TicketLine {
  enum class Kind {
    Heading,    // a section's heading: `label`
    Pair,       // `label` and its `value`
    Note,       // a line of text: `label`
    Signature,  // a line to sign on, `label` before it
  };
  Kind kind;
  std::string label;
  std::string value = {};
};

extern const char* const kTicketTitle;  // "Tank Gauging Ticket"

// The ticket of a gauging made from `fields` (the window's texts, the
// answers written) against the volumes of `source`, printed at `when`.
std::vector<TicketLine> gaugingTicket(const Fields& fields, const Gauging& gauging, const std::string& source,
                                      const std::tm& when);

}  // namespace calvexa
